// PrintRecItem and PrintRecItemVoid: check order, article programming, the
// figures and texts on the wire, and the annulment around a void.
#include <optional>

#include "devicelink/article_hash.h"
#include "receipt_fixture.h"

using namespace service_test;
using printersim::Fault;

namespace {

constexpr const char* SyntaxText = "Синтаксическая ошибка в команде";

std::string Code(const std::string& cleanedName, int group) {
  return std::to_string(devicelink::ArticleCodeHash((cleanedName + char('0' + group)).c_str()));
}

class SaleTest : public ReceiptTest {
 protected:
  int32_t Sell(const std::string& name = "a", int64_t price = 10000, int32_t quantity = 0, int32_t vat = 1,
               int64_t unitPrice = 0, bool voiding = false) {
    return (voiding ? service::PrintRecItemVoid : service::PrintRecItem)(name, price, quantity, vat, unitPrice, "");
  }
};

// Each row fails exactly one rule and passes every rule before it.
TEST_F(SaleTest, ChecksRunInOrderAfterThePoll) {
  const std::tuple<bool, std::string, int64_t, int32_t, int32_t, int64_t, int32_t, const char*> rows[] = {
      {false, "a", -1, -1, 1, 0, 218, "Отрицательная цена"},
      {false, "a", 1, -1, 1, -1, 218, "Отрицательная цена"},
      {false, "a", 0, -1, 1, 0, 214, "Отрицательное количество"},
      {false, std::string(76, 'x'), 1, 0, 99, 0, 215, "Название товара > 75 символов"},
      {false, "a", 1, 0, 10, 0, 217, "Тип налога неправильный"},
      {false, "a", 1, 0, 191, 0, 217, "Тип налога неправильный"},
      {false, "a", 1, 0, 202, 0, 217, "Тип налога неправильный"},
      {true, "a", 1, 0, 6, 0, 217, "Тип налога неправильный"},
      {true, "a", 1, 0, 197, 0, 217, "Тип налога неправильный"},
      {true, "a", 0, 0, 1, 0, 218, "Цена неверная"},
  };
  for (const auto& [voiding, name, price, quantity, vat, unitPrice, extended, text] : rows) {
    sim_.ClearRequests();
    EXPECT_EQ(Sell(name, price, quantity, vat, unitPrice, voiding), 114) << text;
    ExpectResult(114, extended, text);
    EXPECT_EQ(Sent(), Wire{"80 "});
  }
}

TEST_F(SaleTest, TaxCodesMapToFiveGroups) {
  const std::string name(75, 'n');
  const std::tuple<bool, int32_t, int> cases[] = {{false, 0, 0},   {false, 7, 2},   {false, 9, 4}, {false, 192, 0},
                                                  {false, 199, 2}, {false, 201, 4}, {true, 5, 0},  {true, 196, 4}};
  for (const auto& [voiding, vat, group] : cases) {
    sim_.ClearRequests();
    EXPECT_EQ(Sell(name, 1, 0, vat, 0, voiding), 0) << vat;
    EXPECT_EQ(Sent()[1], "24 " + Code(name, group) + ";" + name + ";" + std::to_string(group) + ";1;00;;");
  }
}

// Unit price over price; quantity 0 is one unit; a half cent rounds away from
// zero; a figure the link cannot carry exactly is refused before the sale.
TEST_F(SaleTest, SendsExactQuantityAndAmountTexts) {
  const std::tuple<int64_t, int64_t, int32_t, const char*> cases[] = {
      {99990, 12500, 0, "1.000;1.25;"}, {99990, 0, 1500, "1.500;10.00;"}, {1250, 0, 1, "0.001;0.13;"},
      {49, 0, 0, "1.000;0.00;"},        {1234567891250, 0, 2147483647, "2147483.647;123456789.13;"}};
  for (const auto& [price, unitPrice, quantity, texts] : cases) {
    EXPECT_EQ(Sell("a", price, quantity, 1, unitPrice), 0);
    EXPECT_EQ(Sent().back(), "64 " + Code("a", 1) + ";" + texts);
  }
  sim_.ClearRequests();
  EXPECT_EQ(Sell("a", INT64_MAX), 114);
  ExpectResult(114, 221, SyntaxText);
  EXPECT_EQ(Sent().size(), 2u);
}

TEST_F(SaleTest, ArticleCodeStepsUpPastRefusals) {
  sim_.QueueReply(0x24, Refused);
  sim_.QueueReply(0x24, Refused);
  EXPECT_EQ(Sell(), 0);
  const int code = std::stoi(Code("a", 1));
  const Wire wire = Sent();
  for (int i = 0; i < 3; ++i) EXPECT_EQ(wire[1 + i].substr(0, 9), "24 " + std::to_string(code + i) + ";");
  EXPECT_EQ(wire[4], "64 " + std::to_string(code + 2) + ";1.000;1.00;");
}

// The search ends on a reply without status and after 300 refusals; the
// reply that ended it decides the result, and nothing is sold.
TEST_F(SaleTest, ArticleSearchIsBounded) {
  const std::tuple<std::optional<Fault>, size_t, int32_t, int32_t> cases[] = {
      {Fault::Nak(), 1, 114, 221}, {Fault::Silence(), 1, 112, 0}, {std::nullopt, 300, 114, 221}};
  for (const auto& [fault, attempts, result, extended] : cases) {
    sim_.ClearRequests();
    if (fault)
      sim_.InjectFault(0x24, *fault);
    else
      sim_.SetReply(0x24, Refused);
    EXPECT_EQ(Sell(), result);
    EXPECT_EQ(State().FResultCodeExtended, extended);
    EXPECT_EQ(Sent().size(), attempts + 1);
    EXPECT_EQ(Sent().back().substr(0, 2), "24");
  }
}

// Cleaned texts keep their Windows-1251 bytes; the code is the hash of the
// cleaned name and the group digit.
TEST_F(SaleTest, CleansNameAndComments) {
  State().FArticleMode = 0;
  State().FPreLine = "a;b\r\n";
  State().FPostLine = "c;";
  EXPECT_EQ(Sell("Хліб;1\r\nкг", 10000, 0, 193), 0);
  const std::string code = Code("Хліб,1  кг", 1);
  EXPECT_EQ(Sent(), (Wire{"80 ", "24 " + code + ";Хліб,1  кг;1;1;01;;", "61 a,b  ;", "64 " + code + ";1.000;1.00;",
                          "61 c,;"}));
  EXPECT_NE(Sent()[1].find("\xD5\xEB\xB3\xE1,1"), std::string::npos);
  EXPECT_EQ(State().FPreLine + State().FPostLine, "");
}

TEST_F(SaleTest, VoidSellsInsideAnAnnulmentAndAbandonsItOnFailure) {
  const std::string code = Code("a", 1);
  EXPECT_EQ(Sell("a", 10000, 0, 1, 0, true), 0);
  EXPECT_EQ(Sent(), (Wire{"80 ", "24 " + code + ";a;1;1;00;;", "6B 1;", "64 " + code + ";1.000;1.00;", "6B 2;"}));
  sim_.ClearRequests();
  sim_.SetReply(0x64, Refused);
  State().FPostLine = "kept";
  EXPECT_EQ(Sell("a", 10000, 0, 1, 0, true), 114);
  ExpectResult(114, 221, "Неправильный код команды");
  EXPECT_EQ(Sent().back(), "6B 3;");
  EXPECT_EQ(State().FPostLine, "kept");
}

// A PreLine or PostLine that one print command cannot carry (211 characters)
// is refused before the first command that could print, program or pay, and
// stays stored as it was.
TEST_F(SaleTest, CommentTooLongForAFrameSendsNothing) {
  const std::tuple<const char*, int32_t (*)(), Wire> members[] = {
      {"item", [] { return service::PrintRecItem("a", 10000, 0, 1, 0, ""); }, {"80 "}},
      {"void", [] { return service::PrintRecItemVoid("a", 10000, 0, 1, 0, ""); }, {"80 "}},
      {"subtotal adjustment", [] { return service::PrintRecSubtotalAdjustment(1, "", 0); }, {}},
      {"total", [] { return service::PrintRecTotal(0, 10000, "0"); }, {}},
  };
  for (const auto& [name, member, refusedWire] : members) {
    for (std::string* comment : {&State().FPreLine, &State().FPostLine}) {
      for (const size_t length : {211u, 212u}) {
        SCOPED_TRACE(std::string(name) + (comment == &State().FPreLine ? " pre " : " post ") +
                     std::to_string(length));
        InState(2);
        sim_.ClearRequests();
        *comment = std::string(length, ';');
        if (length == 212) {
          EXPECT_EQ(member(), 114);
          ExpectResult(114, 215, "Много символов в комментарии");
          EXPECT_EQ(Sent(), refusedWire);
          EXPECT_EQ(*comment, std::string(212, ';'));
          comment->clear();
        } else {
          EXPECT_EQ(member(), 0);
          const Wire wire = Sent();
          EXPECT_NE(std::find(wire.begin(), wire.end(), "61 " + std::string(211, ',') + ";"), wire.end());
          EXPECT_EQ(*comment, "");
        }
      }
    }
  }
}

// The opening poll never decides; a status bit on a later good reply does.
TEST_F(SaleTest, StatusBitsDecideOnlyAfterThePoll) {
  sim_.SetReply(0x80, {.status = {0, 0x04}});
  EXPECT_EQ(Sell(), 0);
  sim_.SetReply(0x64, {.status = {0, 0x04}});
  State().FPostLine = "after";
  EXPECT_EQ(Sell(), 114);
  ExpectResult(114, 203, "Закончилась чековая лента");
  EXPECT_EQ(State().FPostLine, "after");
}

}  // namespace
