// The printer state machine row by row, the refusals of every receipt
// member, the receipt type setter and the cancel sequence.
#include <ostream>

#include "receipt_fixture.h"
#include "serviceobject/results.h"

using namespace service_test;
using printersim::Fault;

namespace {

constexpr uint8_t U = 2;  // DuplicateReceipt sentinel: untouched, as no member writes 2

int32_t Begin() { return service::BeginFiscalReceipt(false); }
int32_t End() { return service::EndFiscalReceipt(false); }
int32_t List() { return service::BeginItemList(0); }
int32_t Verify() { return service::VerifyItem("", 0); }
int32_t Void() { return service::PrintRecVoid(""); }
int32_t Pay() { return service::PrintRecTotal(0, 10000, "0"); }

struct StateRow {
  const char* name;
  int32_t from, type;
  Replies replies;
  int32_t (*member)();
  int32_t result, to;
  uint8_t duplicate;
  Wire wire;
  std::vector<std::pair<int, Fault>> faults{};  // each meets one request
};
void PrintTo(const StateRow& row, std::ostream* out) { *out << row.name; }

const Wire Annul = {"81 3;0;;", "6B 0;", "60 ", "61 Cancel receipt;", "65 0;"};
const Replies AnnulRefused = {{0x81, StageReply(2)}, {0x65, Refused}};

const StateRow StateRows[] = {
    {"BeginCashIn", 1, 1, {}, Begin, 0, 2, 0, {"80 "}},
    {"BeginGeneric", 1, 3, {}, Begin, 0, 2, 0, {"60 ", "80 "}},
    {"BeginSales", 1, 4, {}, Begin, 0, 2, 0, {"80 ", "42 ", "63 0;0;0;", "80 "}},
    {"BeginSalesRefusedStillOpens", 1, 4, {{0x63, Refused}}, Begin, 114, 2, U, {"80 ", "42 ", "63 0;0;0;"}},
    {"BeginSalesAfterALostPoll", 1, 4, {}, Begin, 0, 2, 0, {"80 ", "42 ", "63 0;0;0;", "80 "},
     {{0x80, Fault::Silence()}}},
    {"BeginSalesWithoutSerialNumber", 1, 4, {{0x42, Refused}}, Begin, 106, 1, U, {"80 ", "42 "}},
    {"BeginRefund", 1, 7, {}, Begin, 0, 2, 0, {"63 0;0;1;", "80 "}},
    {"BeginRefundRefused", 1, 7, {{0x63, Refused}}, Begin, 114, 1, U, {"63 0;0;1;"}},
    {"BeginTypeNeverSet", 1, 0, {}, Begin, 106, 1, U, {}},
    {"BeginUnclaimed", 1, 4, {}, [] { return service::ServiceState().FClaimed = 0, Begin(); }, 105, 1, U, {}},
    {"BeginItemList", 1, 4, {}, List, 0, 7, 0, {"60 ", "80 "}},
    {"VerifyItem", 7, 4, {}, Verify, 0, 7, 0, {"A4 0;999999999;"}},
    {"EndItemList", 7, 4, {}, service::EndItemList, 0, 1, 0, {"65 0;"}},
    {"BeginNonFiscalAfterLostTrack", 7, 4, {}, service::BeginNonFiscal, 0, 9, 0, {"80 ", "60 "}},
    {"BeginNonFiscalRefused", 7, 4, {{0x60, Refused}}, service::BeginNonFiscal, 114, 1, 0, {"80 ", "60 "}},
    {"BeginNonFiscalOverFiscal", 1, 4, {{0x80, {.status = {0, 0, 0x08}}}}, service::BeginNonFiscal, 114, 2, U, {"80 "}},
    {"BeginNonFiscalOverNonFiscal", 1, 4, {{0x80, {.status = {0, 0, 0x28}}}}, service::BeginNonFiscal, 114, 9, U,
     {"80 "}},
    {"EndNonFiscal", 9, 4, {}, service::EndNonFiscal, 0, 1, 0, {"65 0;"}},
    {"EndNonFiscalRefused", 9, 4, {{0x65, Refused}}, service::EndNonFiscal, 114, 9, 0, {"65 0;"}},
    {"TotalRefused", 2, 4, {{0x67, Refused}}, Pay, 114, 3, U, {"80 ", "6D 1;", "67 0;1.00;"}},
    {"TotalPaidInFull", 2, 4, {{0x67, StageReply(4)}}, Pay, 0, 4, U, {"80 ", "6D 1;", "67 0;1.00;"}},
    {"TotalPartlyPaid", 3, 4, {{0x67, StageReply(3)}}, Pay, 0, 3, U, {"80 ", "6D 1;", "67 0;1.00;"}},
    {"EndSalesThatTheDeviceReportsPaid", 3, 4, {{0x80, StageReply(4)}}, End, 0, 1, 1, {"80 ", "65 1;", "80 "}},
    {"EndSalesNotPaid", 3, 4, {{0x80, StageReply(3)}}, End, 114, 3, U, {"80 "}},
    {"EndCashIn", 2, 1, {}, End, 0, 1, U, {"80 ", "80 "}},
    {"EndGeneric", 4, 3, {}, End, 0, 1, U, {"80 ", "65 0;", "80 "}},
    {"EndRefund", 4, 7, {}, End, 0, 1, U, {"80 ", "65 1;", "80 "}},
    {"EndCloseRefused", 4, 4, {{0x65, Refused}}, End, 114, 4, U, {"80 ", "65 1;"}},
    {"EndWhileDisabledPollsFirst", 4, 4, {}, [] { return service::ServiceState().FDeviceEnabled = 0, End(); }, 105,
     4, U, {"80 "}},
    {"VoidAnnuls", 2, 4, {{0x81, StageReply(2)}}, Void, 0, 1, 0, Annul},
    {"VoidWhoseFinalCloseIsRefused", 2, 4, AnnulRefused, Void, 114, 9, 0, Annul},
    {"VoidClosesNonFiscalEvenIfRefused", 2, 4, {{0x81, StageReply(5)}, {0x65, Refused}}, Void, 0, 1, 0,
     {"81 3;0;;", "65 0;"}},
    {"ResetWithNothingOpen", 7, 4, {}, service::ResetPrinter, 0, 1, 0, {"80 ", "81 3;0;;"}},
    {"ResetAfterAFailedPoll", 7, 4, {{0x80, {.status = {0, 0x10}}}}, service::ResetPrinter, 114, 7, U, {"80 "}},
};

class StateTableTest : public ReceiptTest, public ::testing::WithParamInterface<StateRow> {};

TEST_P(StateTableTest, MovesPrinterStateAsTheDeviceAnswers) {
  const StateRow& row = GetParam();
  InState(row.from, row.type);
  State().FDuplicateReceipt = U;
  Script(row.replies);
  for (const auto& [cmd, fault] : row.faults) sim_.InjectFault(cmd, fault);
  EXPECT_EQ(row.member(), row.result);
  EXPECT_EQ(State().FPrinterState, row.to);
  EXPECT_EQ(State().FDuplicateReceipt, row.duplicate);
  EXPECT_EQ(Sent(), row.wire);
}

INSTANTIATE_TEST_SUITE_P(Rows, StateTableTest, ::testing::ValuesIn(StateRows),
                         [](const auto& info) { return std::string(info.param.name); });

// Disabled: 105; in a wrong state (0: the member has none): 114/207 and its text.
TEST_F(ReceiptTest, EveryMemberRefusesWhileDisabledAndInAWrongState) {
  const std::tuple<int32_t (*)(), int32_t, const char*> members[] = {
      {Begin, 2, "Чек уже открыт или объект в неверном состоянии"},
      {End, 2, "Чек не может быть закрыт"},
      {service::BeginNonFiscal, 0, nullptr},
      {service::EndNonFiscal, 1, "Неверное состояние регистратора"},
      {List, 2, "Открыт чек или объект в неверном состоянии"},
      {Verify, 1, "Отчет по артикулам не был открыт"},
      {service::EndItemList, 1, "Отчет по артикулам не был открыт"},
      {Void, 3, "Чек не открыт"},
      {service::ResetPrinter, 0, nullptr},
      {[] { return service::PrintRecItem("a", 10000, 0, 1, 0, ""); }, 3, "Чек не открыт"},
      {[] { return service::PrintRecItemVoid("a", 10000, 0, 1, 0, ""); }, 3, "Чек не открыт"},
      {[] { return service::PrintRecItemAdjustment(1, "", 0, 0); }, 3, "Чек не открыт"},
      {[] { return service::PrintRecSubtotal(0); }, 3, "Неверное состояние регистратора"},
      {[] { return service::PrintRecSubtotalAdjustment(1, "", 0); }, 3, "Чек не открыт"},
      {Pay, 4, "Чек не открыт или уже полностью оплачен"},
      {[] { return service::PrintRecCash(0); }, 3, "Чек не открыт"},
      {[] { return service::PrintRecMessage("m"); }, 1, "Чек не открыт"},
  };
  for (const auto& [member, wrongState, text] : members) {
    State().FDeviceEnabled = 0;
    EXPECT_EQ(member(), 105);
    EXPECT_EQ(State().FErrorString,
              member == Begin ? "Service объект не открыт" : "Service объект не открыт или устр. не разрешено");
    State().FDeviceEnabled = 1;
    if (text == nullptr) continue;
    InState(wrongState);
    EXPECT_EQ(member(), 114) << text;
    ExpectResult(114, 207, text);
    EXPECT_EQ(State().FPrinterState, wrongState);
  }
}

// Only the five types, only with nothing open; a refused type keeps the old
// one, and an accepted one keeps the previous member's result.
TEST_F(ReceiptTest, FiscalReceiptTypeTakesTheFiveTypesWithNothingOpen) {
  InState(1, 0);
  service::Report(114, 203, "earlier");
  for (const int32_t type : {1, 2, 3, 7, 4}) {
    service::SetFiscalReceiptType(type);
    EXPECT_EQ(State().FFiscalReceiptType, type);
    ExpectResult(114, 203, "earlier");
  }
  for (const int32_t type : {0, 5, 6, 8, -1}) {
    service::SetFiscalReceiptType(type);
    ExpectResult(106, 203, "Неверный тип чека");
    EXPECT_EQ(State().FFiscalReceiptType, 4);
  }
  InState(2, 4);
  service::SetFiscalReceiptType(5);  // the state is tested before the type
  ExpectResult(114, 207, "Открыт чек либо устр. в неверном состоянии");
  EXPECT_EQ(State().FFiscalReceiptType, 4);
  InState(1, 4);
  State().FDeviceEnabled = 0;
  service::SetFiscalReceiptType(7);
  EXPECT_EQ(State().FResultCode, 105);
  EXPECT_EQ(State().FFiscalReceiptType, 4);
  EXPECT_TRUE(Sent().empty());
}

// A printer that does not answer neither shows a stage nor proves a close:
// the cancel ends with the time-out and PrinterState stays.
TEST_F(ReceiptTest, CancelNeverReportsSuccessForASilentPrinter) {
  const std::pair<int, Replies> cases[] = {{0x81, {}}, {0x65, {{0x81, StageReply(5)}}}};
  for (const auto& [silent, replies] : cases) {
    InState(2);
    Script(replies);
    sim_.InjectFault(silent, Fault::Silence());
    EXPECT_EQ(Void(), 112);
    EXPECT_EQ(State().FPrinterState, 2);
  }
}

// A paid receipt that the annulment left open would be issued by the close
// that follows it: the cancel ends with the annulment's failure instead.
TEST_F(ReceiptTest, CancelEndsWhereTheAnnulmentFails) {
  for (const bool refused : {false, true}) {
    sim_.ClearRequests();
    InState(4);
    Script({{0x81, StageReply(4)}});
    if (refused)
      sim_.SetReply(0x6B, Refused);
    else
      sim_.InjectFault(0x6B, Fault::Nak());
    EXPECT_EQ(service::ResetPrinter(), 114);
    EXPECT_EQ(Sent(), (Wire{"80 ", "81 3;0;;", "6B 0;"}));
    EXPECT_EQ(State().FPrinterState, 4);
  }
}

TEST_F(ReceiptTest, DayOpenedIsTakenOnlyFromAnAnsweredPoll) {
  InState(1);
  sim_.SetReply(0x80, {});
  EXPECT_EQ(List(), 0);
  EXPECT_EQ(State().FDayOpened, 0);
  InState(1);
  State().FDayOpened = 1;
  sim_.InjectFault(0x80, Fault::Silence());
  EXPECT_EQ(List(), 0);
  EXPECT_EQ(State().FDayOpened, 1);
}

}  // namespace
