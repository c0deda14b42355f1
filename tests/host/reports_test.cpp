// Reports, PrintNormal, the duplicate and device set-up: guards, state checks
// and the data texts on the wire.
#include <ostream>
#include <string>

#include "receipt_fixture.h"
#include "serviceobject/results.h"

using namespace service_test;
using printersim::Fault;

namespace {

constexpr uint8_t U = 2;  // DuplicateReceipt sentinel: untouched
constexpr int32_t E = 203;  // extended code left by the previous member

const char* const WrongPrinterState = "Неверное состояние регистратора";
const char* const BadCommand = "Неправильный код команды";

int32_t Normal(const char* text, int32_t station = 2) {
  service::ServiceState().FLineWidth = 10;
  return service::PrintNormal(station, text);
}

// A line one character longer than a print command carries, then another.
template <int32_t Width>
int32_t NormalPastAFrame() {
  service::ServiceState().FLineWidth = Width;
  return service::PrintNormal(2, std::string(212, 'x') + "\ry");
}
const std::string Full = "61 " + std::string(211, 'x') + ";";
const std::string Padded = "61 x" + std::string(210, ' ') + ";";

printersim::Reply Data(const char* data) { return {.data = data}; }
const Replies Version320 = {{0x80, Data("MR-62;3.20;")}, {0xE2, Data("17;")}};

struct Row {
  const char* name;
  int32_t from;
  Replies replies;
  int32_t (*member)();
  int32_t result, extended;
  const char* text;
  int32_t to;
  uint8_t duplicate;
  Wire wire;
};
void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }

const std::string Text36(36, 'x');
const std::string Text37(37, 'x');

const Row Rows[] = {
    {"XReport", 1, {}, service::PrintXReport, 0, E, "", 1, 0, {"A1 1;"}},
    {"ZReport", 1, {}, service::PrintZReport, 0, E, "", 1, 0, {"A1 0;"}},
    {"XReportRefused", 1, {{0xA1, Refused}}, service::PrintXReport, 114, 221, BadCommand, 1, 0, {"A1 1;"}},
    {"ZReportOutsideMonitor", 9, {}, service::PrintZReport, 114, 207, "Ошибочное состояние регистратора", 9, 0, {}},
    {"ReportFullByNumbers", 9, {}, [] { return service::PrintReport(1, "5", "7"); }, 0, 0, "", 9, 0, {"A3 5;7;1;"}},
    {"ReportShortByNumbers", 9, {}, [] { return service::PrintReport(3, "5", "7"); }, 0, 0, "", 9, 0, {"A3 5;7;0;"}},
    {"ReportNumberNotInteger", 9, {}, [] { return service::PrintReport(1, "5a", "7"); }, 106, E,
     "Номера отчетов должны быть целыми числами", 9, 0, {}},
    {"ReportByDates", 9, {}, [] { return service::PrintReport(2, "010120250000", "311220250000"); }, 0, 0, "", 9, 0,
     {"A2 010125;311225;0;"}},
    {"ReportDateNotDigits", 9, {}, [] { return service::PrintReport(2, "010120250000", "3112;2025"); }, 114, 219,
     "Неверный формат даты/времени", 9, 0, {}},
    {"ReportDateTooShort", 9, {}, [] { return service::PrintReport(2, "", "311220250000"); }, 114, 219,
     "Неверный формат даты/времени", 9, 0, {}},
    {"ReportRefused", 9, {{0xA3, Refused}}, [] { return service::PrintReport(1, "5", "7"); }, 114, 221, BadCommand,
     9, 0, {"A3 5;7;1;"}},
    {"ReportTypeWrong", 9, {}, [] { return service::PrintReport(4, "5", "7"); }, 114, 207, "Тип отчета неправильный",
     9, U, {}},
    {"ReportOutsideNonFiscal", 1, {}, [] { return service::PrintReport(1, "5", "7"); }, 114, 207,
     "Неверное состояние для отчета", 1, U, {}},
    {"PeriodicTotals", 9, {}, [] { return service::PrintPeriodicTotalsReport("010120250000", "311220250000"); }, 0, 0,
     "", 9, 0, {"A2 010125;311225;1;"}},
    {"PeriodicTotalsDateNotDigits", 9, {}, [] { return service::PrintPeriodicTotalsReport("01 01 2025", "311225"); },
     114, 219, "Неверный формат даты/времени", 9, 0, {}},
    {"PeriodicTotalsOutsideNonFiscal", 1, {}, [] { return service::PrintPeriodicTotalsReport("", ""); }, 114, 207,
     WrongPrinterState, 1, U, {}},
    {"NormalCutsAndPads", 9, {}, [] { return Normal("ABC\rDEFGHIJKLMNO"); }, 0, E, "", 9, 0,
     {"61 ABC       ;", "61 DEFGHIJKLM;", "61 NO;"}},
    {"NormalDropsEmptyLines", 9, {}, [] { return Normal("A\r\r\nB"); }, 0, E, "", 9, 0, {"61 A         ;", "61 B;"}},
    {"NormalCrAfterAFullLine", 9, {}, [] { return Normal("ABCDEFGHIJ\rK"); }, 0, E, "", 9, 0,
     {"61 ABCDEFGHIJ;", "61 K;"}},
    {"NormalControlsOnly", 9, {}, [] { return Normal("\r\n\t"); }, 0, E, "", 9, 0, {}},
    {"NormalWithoutWidth", 9, {}, [] {
       service::ServiceState().FLineWidth = 0;
       return service::PrintNormal(2, "ABC\rDEF");
     },
     0, E, "", 9, 0, {"61 ABC;", "61 DEF;"}},
    // One print command carries 211 characters: no width, or a wider one,
    // cuts there; only a device width pads.
    {"NormalNoWidthCutsAtAFrame", 9, {}, NormalPastAFrame<0>, 0, E, "", 9, 0, {Full, "61 x;", "61 y;"}},
    {"NormalWidthOfAFrame", 9, {}, NormalPastAFrame<211>, 0, E, "", 9, 0, {Full, Padded, "61 y;"}},
    {"NormalWidthPastAFrame", 9, {}, NormalPastAFrame<212>, 0, E, "", 9, 0, {Full, Padded, "61 y;"}},
    {"NormalHugeWidth", 9, {}, NormalPastAFrame<INT32_MAX>, 0, E, "", 9, 0, {Full, Padded, "61 y;"}},
    {"NormalSemicolons", 9, {}, [] { return Normal("a;b"); }, 0, E, "", 9, 0, {"61 a,b;"}},
    {"NormalRefusedStops", 9, {{0x61, Refused}}, [] { return Normal("AB\rCD"); }, 114, 221, BadCommand, 9, U,
     {"61 AB        ;"}},
    {"NormalWrongStation", 9, {}, [] { return Normal("A", 1); }, 106, E, "Неверная станция", 9, 0, {}},
    {"NormalOutsideNonFiscal", 1, {}, [] { return Normal("A"); }, 114, 207, "Чек не открыт", 1, 0, {}},
    {"DuplicateOldFirmware", 1, Version320, service::PrintDuplicateReceipt, 0, E, "", 1, 0,
     {"60 ", "80 ", "E2 3;", "A5 17;17;", "65 0;"}},
    {"DuplicateNewFirmware", 1, {{0x80, Data("MR-62;3.21;")}, {0xE2, Data("17;")}}, service::PrintDuplicateReceipt,
     0, E, "", 1, 0, {"60 ", "80 ", "E2 5;", "A5 17;17;", "65 0;"}},
    {"DuplicateOpenRefused", 1, {{0x60, Refused}}, service::PrintDuplicateReceipt, 114, 221, BadCommand, 1, 0,
     {"60 "}},
    {"DuplicateNoDiagnostics", 1, {{0x80, Refused}}, service::PrintDuplicateReceipt, 114, 207,
     "Диагностическая информация недоступна", 9, 0, {"60 ", "80 "}},
    {"DuplicateVersionNotANumber", 1, {{0x80, Data("MR-62;ver 5.10;")}}, service::PrintDuplicateReceipt, 114, 207,
     "Диагностическая информация недоступна", 9, 0, {"60 ", "80 "}},
    {"DuplicateNoNumber", 1, {{0x80, Data("MR-62;5.20;")}, {0xE2, Refused}}, service::PrintDuplicateReceipt, 114,
     207, "Номер чека недоступен", 9, 0, {"60 ", "80 ", "E2 5;"}},
    {"DuplicateNumberNotANumber", 1, {{0x80, Data("MR-62;5.20;")}, {0xE2, Data("x;")}},
     service::PrintDuplicateReceipt, 114, 207, "Номер чека недоступен", 9, 0, {"60 ", "80 ", "E2 5;"}},
    {"DuplicateReprintRefused", 1, {Version320[0], Version320[1], {0xA5, Refused}}, service::PrintDuplicateReceipt,
     114, 207, "Невозможно сделать дупликат чека", 9, 0, {"60 ", "80 ", "E2 3;", "A5 17;17;"}},
    {"DuplicateCloseRefused", 1, {Version320[0], Version320[1], {0x65, Refused}}, service::PrintDuplicateReceipt,
     114, 221, BadCommand, 9, 0, {"60 ", "80 ", "E2 3;", "A5 17;17;", "65 0;"}},
    {"DuplicateOutsideMonitor", 9, {}, service::PrintDuplicateReceipt, 114, 207, WrongPrinterState, 9, 0, {}},
    {"SetDate", 1, {}, [] { return service::SetDate("311220251430"); }, 0, 0, "", 1, U, {"20 311225;1430;"}},
    {"SetDateEleven", 1, {}, [] { return service::SetDate("31122025143"); }, 114, 219, "Неверный формат даты/времени",
     1, U, {}},
    {"SetDateNotDigits", 1, {}, [] { return service::SetDate("3112202514;0"); }, 114, 219,
     "Неверный формат даты/времени", 1, U, {}},
    {"SetDateOutsideMonitor", 9, {}, [] { return service::SetDate("311220251430"); }, 114, 207, WrongPrinterState, 9,
     U, {}},
    {"HeaderFirstDouble", 1, {}, [] { return service::SetHeaderLine(1, "Shop", true); }, 0, 0, "", 1, U,
     {"22 0;Shop;1;"}},
    {"HeaderLast36", 1, {}, [] { return service::SetHeaderLine(10, Text36, false); }, 0, 0, "", 1, U,
     {"22 9;" + Text36 + ";0;"}},
    {"HeaderTextIsOneField", 1, {}, [] { return service::SetHeaderLine(2, "a;b\n", false); }, 0, 0, "", 1, U,
     {"22 1;a,b ;0;"}},
    {"HeaderLine0", 1, {}, [] { return service::SetHeaderLine(0, "a", false); }, 114, 215,
     "Номер строки заголовка чека неверен", 1, U, {}},
    {"HeaderLine11", 1, {}, [] { return service::SetHeaderLine(11, "a", false); }, 114, 215,
     "Номер строки заголовка чека неверен", 1, U, {}},
    {"HeaderTooLongBeforeLine", 1, {}, [] { return service::SetHeaderLine(11, Text37, false); }, 114, 215,
     "Много символов в заголовке чека", 1, U, {}},
    {"HeaderOutsideMonitor", 9, {}, [] { return service::SetHeaderLine(1, "a", false); }, 114, 207,
     WrongPrinterState, 9, U, {}},
    {"TrailerFirst", 1, {}, [] { return service::SetTrailerLine(1, "Bye", false); }, 0, 0, "", 1, U, {"22 10;Bye;0;"}},
    {"TrailerLast", 1, {}, [] { return service::SetTrailerLine(4, "Bye", true); }, 0, 0, "", 1, U, {"22 13;Bye;1;"}},
    {"TrailerLine5", 1, {}, [] { return service::SetTrailerLine(5, "a", false); }, 114, 215,
     "Неверный номер строки (разрешены 1,2,3,4)", 1, U, {}},
    {"TrailerTooLong", 1, {}, [] { return service::SetTrailerLine(1, Text37, false); }, 114, 215,
     "Много символов в строке рекламного текста", 1, U, {}},
    {"TrailerRefused", 1, {{0x22, Refused}}, [] { return service::SetTrailerLine(1, "a", false); }, 114, 221,
     BadCommand, 1, U, {"22 10;a;0;"}},
};

class ReportsTest : public ReceiptTest {
 protected:
  void Prime(int32_t state) {
    InState(state);
    State().FDuplicateReceipt = U;
    service::Report(114, E, "earlier");
  }
};

class ReportRowTest : public ReportsTest, public ::testing::WithParamInterface<Row> {};

TEST_P(ReportRowTest, SendsWhatTheMemberAsks) {
  const Row& row = GetParam();
  Prime(row.from);
  Script(row.replies);
  EXPECT_EQ(row.member(), row.result);
  ExpectResult(row.result, row.extended, row.text);
  EXPECT_EQ(State().FPrinterState, row.to);
  EXPECT_EQ(State().FDuplicateReceipt, row.duplicate);
  EXPECT_EQ(Sent(), row.wire);
}

INSTANTIATE_TEST_SUITE_P(Rows, ReportRowTest, ::testing::ValuesIn(Rows),
                         [](const auto& info) { return std::string(info.param.name); });

// Disabled: 105 and nothing sent; the members whose flag is cleared on every
// path clear it here too.
TEST_F(ReportsTest, EveryMemberButSetPOSIDRefusesWhileDisabled) {
  for (const Row& row : Rows) {
    Prime(row.from);
    State().FDeviceEnabled = 0;
    EXPECT_EQ(row.member(), 105) << row.name;
    ExpectResult(105, E, "Service объект не открыт или устр. не разрешено");
    const std::string name = row.name;
    const bool clears = name.starts_with("X") || name.starts_with("Z") || name.starts_with("Normal") ||
                        name.starts_with("Duplicate");
    EXPECT_EQ(State().FDuplicateReceipt, clears ? 0 : U) << row.name;
    State().FDeviceEnabled = 1;
  }
  std::string date = "keep";
  State().FDeviceEnabled = 0;
  EXPECT_EQ(service::GetDate(date), 105);
  EXPECT_EQ(date, "keep");
  EXPECT_TRUE(Sent().empty());
}

// A date field of six digits and a time field of four, or a failure with the
// caller's text kept.
TEST_F(ReportsTest, GetDateWritesTheDateOnlyWhenTheDeviceGaveIt) {
  const char* const BadReply = "Неверный формат даты/времени в ответе устройства";
  const struct {
    printersim::Reply reply;
    int32_t result, extended;
    const char* text;
    const char* date;
  } cases[] = {
      {Data("311225;1430;"), 0, E, "", "311220251430"},
      {Refused, 114, 221, BadCommand, "keep"},
      {Data("31125;1430;"), 111, E, BadReply, "keep"},
      {Data("3112255;1430;"), 111, E, BadReply, "keep"},
      {Data("311225;143;"), 111, E, BadReply, "keep"},
      {Data("311225;14305;"), 111, E, BadReply, "keep"},
      {Data("3112x5;1430;"), 111, E, BadReply, "keep"},
      {Data("311225;"), 111, E, BadReply, "keep"},
  };
  for (const auto& c : cases) {
    Prime(9);
    sim_.ClearRequests();
    sim_.QueueReply(0x21, c.reply);
    std::string date = "keep";
    EXPECT_EQ(service::GetDate(date), c.result) << c.reply.data;
    ExpectResult(c.result, c.extended, c.text);
    EXPECT_EQ(date, c.date);
    EXPECT_EQ(Sent(), Wire{"21 "});
  }
}

// S5 bit 10h of the Z report's reply, refused or not; a reply that never came
// (NAK) says nothing of the day.
TEST_F(ReportsTest, ZReportRefreshesDayOpenedFromItsReply) {
  const struct {
    printersim::Reply reply;
    uint8_t before, after;
  } cases[] = {
      {{.status = {0, 0, 0, 0, 0, 0x10}}, 0, 1},
      {{}, 1, 0},
      {{.error = "0201", .status = {0, 0, 0, 0, 0, 0x10}}, 0, 1},
  };
  for (const auto& c : cases) {
    Prime(1);
    State().FDayOpened = c.before;
    sim_.QueueReply(0xA1, c.reply);
    service::PrintZReport();
    EXPECT_EQ(State().FDayOpened, c.after);
  }
  Prime(1);
  State().FDayOpened = 1;
  sim_.InjectFault(0xA1, Fault::Nak(), printersim::Use::Always);
  EXPECT_NE(service::PrintZReport(), 0);
  EXPECT_EQ(State().FDayOpened, 1);
  service::PrintXReport();
  EXPECT_EQ(State().FDayOpened, 1);
}

// Any state, also closed; the next sales receipt carries operator and till.
TEST_F(ReportsTest, SetPOSIDWorksClosedAndFeedsTheNextReceipt) {
  State().FOpened = 0;
  Prime(0);
  EXPECT_EQ(service::SetPOSID("3", "12"), 0);
  ExpectResult(0, 0, "");
  for (const auto& [pos, cashier] : {std::pair{"x", "1"}, std::pair{"1", "1.5"}, std::pair{"", "1"}}) {
    service::Report(114, E, "earlier");
    EXPECT_EQ(service::SetPOSID(pos, cashier), 106);
    ExpectResult(106, E, "Номер кассы и кассира должны быть целыми числами");
  }
  EXPECT_EQ(State().FPOSID, 3);
  EXPECT_EQ(State().FCashierID, 12);
  State().FOpened = 1;
  InState(1, 4);
  ASSERT_EQ(service::BeginFiscalReceipt(false), 0);
  EXPECT_EQ(Sent()[2], "63 12;3;0;");
}

}  // namespace
