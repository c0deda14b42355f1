// Adjustments, subtotal, total, cash and messages: their checks and what
// reaches the wire.
#include "receipt_fixture.h"

using namespace service_test;

namespace {

class PaymentTest : public ReceiptTest {
 protected:
  void Expect(int32_t result, const Wire& wire, const std::string& note) {
    EXPECT_EQ(State().FResultCode, result) << note;
    EXPECT_EQ(Sent(), wire) << note;
    sim_.ClearRequests();
  }
};

// The firmware and the description decide between 67h and 78h; a refusal
// sends no payment and leaves the state.
TEST_F(PaymentTest, TotalDescriptionMatrix) {
  const std::tuple<uint8_t, const char*, const char*> cases[] = {
      {1, "0;Card", "67 0;1.00;"}, {1, "3;Visa;1234", "78 3;1.00;Visa,1234;"}, {1, "3;", "78 3;1.00;;"},
      {1, "3", nullptr},           {1, "Cash", nullptr},                       {1, "12;x", nullptr},
      {1, ";x", nullptr},          {0, "3", "67 3;1.00;"},                     {0, "3;Visa", "67 3;1.00;"},
      {0, "Cash", "67 0;1.00;"},   {0, "Карта", "67 0;1.00;"},                 {0, "", nullptr}};
  sim_.SetReply(0x80, StageReply(3));
  for (const auto& [capable, description, payment] : cases) {
    InState(2);
    State().FPaymentTextCapable = capable;
    service::PrintRecTotal(0, 10000, description);
    if (payment == nullptr) {
      ExpectResult(114, *description ? 217 : 215, *description ? "Неверный тип налога" : "Неверный тип оплаты");
      EXPECT_EQ(State().FPrinterState, 2);
    }
    Expect(payment ? 0 : 114, payment ? Wire{"80 ", payment} : Wire{"80 "}, description);
  }
}

// The total is printed unless the device is already paying; TotalSum never
// travels; a refund pays a negated amount; a payment text too long for a
// frame is refused before anything goes out, the PreLine kept.
TEST_F(PaymentTest, TotalFollowsTheDeviceStage) {
  const std::tuple<uint8_t, int32_t, Wire> cases[] = {
      {0, 4, {"80 ", "6D 1;", "61 pre;", "67 0;5.00;", "61 post;"}},
      {3, 7, {"80 ", "61 pre;", "67 0;-5.00;", "61 post;"}},
      {4, 7, {"80 ", "61 pre;", "67 0;-5.00;", "61 post;"}}};
  for (const auto& [stage, type, wire] : cases) {
    InState(2, type);
    State().FPreLine = "pre";
    State().FPostLine = "post";
    sim_.SetReply(0x80, StageReply(stage));
    service::PrintRecTotal(77770000, 50000, "0");
    Expect(0, wire, std::to_string(stage));
  }
  InState(2, 1);
  Expect(service::PrintRecTotal(-1, -1, ""), {}, "cash-in receipt");
  InState(2);
  State().FPreLine = "pre";
  service::PrintRecTotal(0, 0, "3;" + std::string(205, 't'));
  ExpectResult(114, 221, "Синтаксическая ошибка в команде");
  Expect(114, {}, "payment text");
  EXPECT_EQ(State().FPreLine, "pre");
}

// Two pieces of 34 characters, then the rest in one; a rest too long for a
// print command refuses the message before any piece is printed.
TEST_F(PaymentTest, MessageIsCutIntoAtMostThreePieces) {
  const std::pair<size_t, std::vector<size_t>> cases[] = {
      {0, {0}},          {34, {34}},           {35, {34, 1}},          {68, {34, 34}},
      {69, {34, 34, 1}}, {150, {34, 34, 82}}, {279, {34, 34, 211}}, {280, {}}};
  for (const auto& [length, pieces] : cases) {
    InState(4);
    Wire wire;
    for (size_t piece : pieces) wire.push_back("61 " + std::string(piece, ',') + ";");
    service::PrintRecMessage(std::string(length, ';'));
    if (length == 280) ExpectResult(114, 215, "Много символов в комментарии");
    Expect(length == 280 ? 114 : 0, wire, std::to_string(length));
  }
}

TEST_F(PaymentTest, SubtotalPrintsTheDeviceSumFlushRight) {
  const std::pair<const char*, size_t> cases[] = {{"123.45", 20}, {"123456789012345678901234567.89", 0}, {"", 26}};
  for (const auto& [sum, blanks] : cases) {
    sim_.SetReply(0xE1, {.data = *sum ? sum + std::string(";") : ""});
    service::PrintRecSubtotal(0);
    Expect(0, {"E1 03;1;", "61 Пiдсумок" + std::string(blanks, ' ') + sum + ";"}, sum);
  }
}

// Discounts go out negated, never as "-0.00"; a half cent rounds away from zero.
TEST_F(PaymentTest, AdjustmentsSendTheirCommandAndSign) {
  const std::tuple<bool, int32_t, int64_t, const char*> cases[] = {
      {false, 1, 50000, "69 -5.00;"}, {false, 2, 50000, "69 5.00;"}, {false, 3, 50000, "68 -5.00;"},
      {false, 4, 50000, "68 5.00;"},  {false, 1, 40, "69 0.00;"},    {false, 3, 50, "68 -0.01;"},
      {true, 1, 50000, "74 -5.00;"},  {true, 2, 0, "74 0.00;"},      {true, 3, 50000, "73 -5.00;"},
      {true, 4, 50000, "73 5.00;"}};
  for (const auto& [subtotal, type, amount, command] : cases) {
    if (subtotal)
      service::PrintRecSubtotalAdjustment(type, "", amount);
    else
      service::PrintRecItemAdjustment(type, "", amount, 0);
    Expect(0, {command}, command);
  }
}

// The subtotal adjustment tests its type only after printing the PreLine,
// and keeps the PostLine when the device refuses.
TEST_F(PaymentTest, SubtotalAdjustmentRefusals) {
  State().FPreLine = "pre";
  State().FPostLine = "post";
  EXPECT_EQ(service::PrintRecSubtotalAdjustment(5, "", 0), 114);
  ExpectResult(114, 207, "Тип скидки неверен");
  Expect(114, {"61 pre;"}, "subtotal");
  sim_.SetReply(0x74, Refused);
  EXPECT_EQ(service::PrintRecSubtotalAdjustment(1, "", 0), 114);
  EXPECT_EQ(State().FPostLine, "post");
}

TEST_F(PaymentTest, CashSignFollowsTheReceiptType) {
  State().FCashierID = 5;
  State().FDayOpened = 0;
  const std::tuple<int32_t, int64_t, const char*> cases[] = {
      {1, 500000, "6E 5;50.00;"}, {2, 500000, "6E 5;-50.00;"}, {4, -500000, "6E 5;-50.00;"}};
  for (const auto& [type, amount, command] : cases) {
    InState(2, type);
    service::PrintRecCash(amount);
    Expect(0, {command, "80 "}, command);
  }
  EXPECT_EQ(State().FDayOpened, 1);
  InState(2, 2);
  EXPECT_EQ(service::PrintRecCash(-1), 114);
  ExpectResult(114, 207, "Служебный внос-вынос с неверными параметрами");
}

}  // namespace
