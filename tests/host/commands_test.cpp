// The command functions on the wire: data texts and refusals, as the
// simulated printer receives them.
#include <cmath>
#include <cstring>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "devicelink/commands.h"
#include "link_fixture.h"
#include "printersim/command_layouts.h"

using namespace devicelink;
using namespace std::chrono_literals;

namespace {

constexpr const char* Password = "730514";
constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

using Call = TDeviceReply* (*)(int32_t& outCode);

struct CommandCase {
  const char* name;  // the function, with the case when it has several
  int command;
  Call call;
  const char* dataAfterPassword;
};

const CommandCase CommandCases[] = {
    {"FpSetDateTime", 0x20, [](int32_t& o) { return FpSetDateTime(Password, "311224", "2359", o); }, ";311224;2359;"},
    {"FpReadDateTime", 0x21, [](int32_t& o) { return FpReadDateTime(Password, o); }, ";"},
    {"FpProgramHeaderTrailer", 0x22,
     [](int32_t& o) { return FpProgramHeaderTrailer(Password, 3, "ТОВ Ромашка", 1, o); }, ";3;ТОВ Ромашка;1;"},
    {"FpProgramHeaderTrailer_Line0", 0x22, [](int32_t& o) { return FpProgramHeaderTrailer(Password, 0, "", 0, o); },
     ";0;;0;"},
    {"FpProgramHeaderTrailer_Line20", 0x22,
     [](int32_t& o) { return FpProgramHeaderTrailer(Password, 20, "Z", 0, o); }, ";20;Z;0;"},
    {"FpAddArticle", 0x24, [](int32_t& o) { return FpAddArticle(Password, 57890, "Хліб 0,5", 2, 1, 0x0B, "", o); },
     ";57890;Хліб 0,5;2;1;0B;;"},
    {"FpReadSerialNumber", 0x42, [](int32_t& o) { return FpReadSerialNumber(Password, o); }, ";"},
    {"FpReadFiscalNumber", 0x44, [](int32_t& o) { return FpReadFiscalNumber(Password, o); }, ";"},
    {"FpReadTaxRates", 0x48, [](int32_t& o) { return FpReadTaxRates(Password, 4, o); }, ";4;"},
    {"FpOpenNonFiscalReceipt", 0x60, [](int32_t& o) { return FpOpenNonFiscalReceipt(Password, o); }, ";"},
    {"FpOpenNonFiscalReceipt2", 0x60, [](int32_t& o) { return FpOpenNonFiscalReceipt2(Password, o); }, ";"},
    {"FpPrintText", 0x61, [](int32_t& o) { return FpPrintText(Password, "Дякуємо!", o); }, ";Дякуємо!;"},
    {"FpPrintText2", 0x61, [](int32_t& o) { return FpPrintText2(Password, "", o); }, ";;"},
    {"FpOpenFiscalReceipt", 0x63, [](int32_t& o) { return FpOpenFiscalReceipt(Password, 1, 2, 0, o); }, ";1;2;0;"},
    {"FpSellArticle", 0x64, [](int32_t& o) { return FpSellArticle(Password, 17, 2.5, 1, o); }, ";17;1.000;2.50;"},
    {"FpSellArticle_FreeItem", 0x64, [](int32_t& o) { return FpSellArticle(Password, 65535, 0, 0.0015, o); },
     ";65535;0.002;0.00;"},
    {"FpCloseFiscalReceipt", 0x65, [](int32_t& o) { return FpCloseFiscalReceipt(Password, o); }, ";0;"},
    {"FpCloseFiscalReceipt2", 0x65, [](int32_t& o) { return FpCloseFiscalReceipt2(Password, o); }, ";0;"},
    {"FpCloseFiscalReceiptEx", 0x65, [](int32_t& o) { return FpCloseFiscalReceiptEx(Password, 2, o); }, ";2;"},
    {"FpPayment", 0x67, [](int32_t& o) { return FpPayment(Password, 9, 100, o); }, ";9;100.00;"},
    {"FpPayment_TypeZero", 0x67, [](int32_t& o) { return FpPayment(Password, 0, 0.125, o); }, ";0;0.12;"},
    {"FpItemDiscountPercent", 0x68, [](int32_t& o) { return FpItemDiscountPercent(Password, -7.5, o); }, ";-7.50;"},
    {"FpItemDiscountAmount", 0x69, [](int32_t& o) { return FpItemDiscountAmount(Password, 0.999, o); }, ";1.00;"},
    {"FpVoid", 0x6B, [](int32_t& o) { return FpVoid(Password, 3, o); }, ";3;"},
    {"FpPrintTotal_Flag5", 0x6D, [](int32_t& o) { return FpPrintTotal(Password, 5, o); }, ";1;"},
    {"FpPrintTotal_Flag0", 0x6D, [](int32_t& o) { return FpPrintTotal(Password, 0, o); }, ";0;"},
    {"FpCashInOut", 0x6E, [](int32_t& o) { return FpCashInOut(Password, 1, -250.05, o); }, ";1;-250.05;"},
    {"FpCommand73", 0x73, [](int32_t& o) { return FpCommand73(Password, 10, o); }, ";10.00;"},
    {"FpCommand74", 0x74, [](int32_t& o) { return FpCommand74(Password, 1234567.891, o); }, ";1234567.89;"},
    {"FpCommand78", 0x78, [](int32_t& o) { return FpCommand78(Password, 1, 20, "Картка", o); }, ";1;20.00;Картка;"},
    {"FpCommand78_TypeNine", 0x78, [](int32_t& o) { return FpCommand78(Password, 9, 0, "", o); }, ";9;0.00;;"},
    {"FpDiagnosticInfo", 0x80, [](int32_t& o) { return FpDiagnosticInfo(Password, o); }, ";"},
    {"FpDiagnosticInfo2", 0x80, [](int32_t& o) { return FpDiagnosticInfo2(Password, o); }, ";"},
    {"FpDiagnosticInfo3", 0x80, [](int32_t& o) { return FpDiagnosticInfo3(Password, o); }, ";"},
    {"FpDisplayText", 0x81, [](int32_t& o) { return FpDisplayText(Password, "ABC", 1, 0, o); }, ";1;0;ABC;"},
    {"FpOpenCashDrawer", 0x83, [](int32_t& o) { return FpOpenCashDrawer(Password, o); }, ";"},
    {"FpCommand84", 0x84, [](int32_t& o) { return FpCommand84(Password, 7, o); }, ";7;"},
    {"FpPrintReport", 0xA1, [](int32_t& o) { return FpPrintReport(Password, 0, o); }, ";0;"},
    {"FpFindReportByDate", 0xA2, [](int32_t& o) { return FpFindReportByDate(Password, "010124", "311224", 1, o); },
     ";010124;311224;1;"},
    {"FpPrintPeriodicReport", 0xA3, [](int32_t& o) { return FpPrintPeriodicReport(Password, 1, 30, 1, o); },
     ";1;30;1;"},
    {"FpCommandA4", 0xA4, [](int32_t& o) { return FpCommandA4(Password, 12, -1, o); }, ";12;-1;"},
    {"FpCommandA5", 0xA5, [](int32_t& o) { return FpCommandA5(Password, 0, 99, o); }, ";0;99;"},
    {"FpCommandE0", 0xE0, [](int32_t& o) { return FpCommandE0(Password, 1, 2, 3, o); }, ";1;2;3;"},
    {"FpCommandE1", 0xE1, [](int32_t& o) { return FpCommandE1(Password, 3, 1, o); }, ";03;1;"},
    {"FpCommandE2", 0xE2, [](int32_t& o) { return FpCommandE2(Password, 2147483647, o); }, ";2147483647;"},
};

void PrintTo(const CommandCase& c, std::ostream* os) { *os << c.name; }

class CommandDataTextTest : public SimulatedPrinterTest, public ::testing::WithParamInterface<CommandCase> {};

TEST_P(CommandDataTextTest, SendsItsDataText) {
  const CommandCase& c = GetParam();
  int32_t outCode = 12345;
  const TDeviceReply* reply = c.call(outCode);
  EXPECT_EQ(outCode, OutCodeSent);
  EXPECT_EQ(reply, &LinkReply());
  ASSERT_EQ(sim_.Requests().size(), 1u);
  const printersim::Request request = sim_.Requests()[0];
  EXPECT_TRUE(request.Valid());
  EXPECT_EQ(request.cmd, c.command);
  EXPECT_EQ(request.data, std::string(Password) + c.dataAfterPassword);
  EXPECT_TRUE(printersim::SplitFields(request).has_value()) << "fields do not match the command's layout";
  EXPECT_STREQ(reply->ErrorCode, "0000");
}

INSTANTIATE_TEST_SUITE_P(CommandSet, CommandDataTextTest, ::testing::ValuesIn(CommandCases),
                         [](const ::testing::TestParamInfo<CommandCase>& info) { return std::string(info.param.name); });

class CommandFieldsTest : public SimulatedPrinterTest {
 protected:
  printersim::NamedFields LastFields() {
    const std::vector<printersim::Request> requests = sim_.Requests();
    if (requests.empty()) return {};
    return printersim::SplitFields(requests.back()).value_or(printersim::NamedFields{});
  }
};

TEST_F(CommandFieldsTest, ArgumentsLandInTheirNamedFields) {
  int32_t outCode = -1;
  FpSellArticle(Password, 4660, 19.99, 0.25, outCode);
  printersim::NamedFields fields = LastFields();
  EXPECT_EQ(fields["password"], Password);
  EXPECT_EQ(fields["article"], "4660");
  EXPECT_EQ(fields["quantity"], "0.250");
  EXPECT_EQ(fields["price"], "19.99");

  FpCommand78(Password, 2, 15.5, "Безготівка", outCode);
  fields = LastFields();
  EXPECT_EQ(fields["paymentType"], "2");
  EXPECT_EQ(fields["amount"], "15.50");
  EXPECT_EQ(fields["text"], "Безготівка");

  FpDisplayText(Password, "Разом", 2, 1, outCode);
  fields = LastFields();
  EXPECT_EQ(fields["function"], "2");
  EXPECT_EQ(fields["number"], "1");
  EXPECT_EQ(fields["text"], "Разом");
}

class CommandRefusalTest : public SimulatedPrinterTest {
 protected:
  // Leaves a record with content that a refusal must not touch.
  void SetUp() override {
    SimulatedPrinterTest::SetUp();
    sim_.SetReply(0x42, printersim::Reply{.data = "ПН123456;7;"});
    int32_t outCode = -1;
    FpReadSerialNumber(Password, outCode);
    ASSERT_EQ(LinkReply().FieldCount, 2);
    std::memcpy(&recordBefore_, &LinkReply(), sizeof recordBefore_);
    requestsBefore_ = sim_.Requests().size();
  }

  void ExpectRefused(Call call, int32_t expected, const char* what) {
    int32_t outCode = 12345;
    EXPECT_EQ(call(outCode), &LinkReply()) << what;
    EXPECT_EQ(outCode, expected) << what;
    EXPECT_EQ(std::memcmp(&recordBefore_, &LinkReply(), sizeof recordBefore_), 0) << what;
  }

  // A request sent now must be the first since SetUp: nothing went out before it.
  void ExpectNothingSent() {
    int32_t outCode = -1;
    FpDiagnosticInfo(Password, outCode);
    const std::vector<printersim::Request> requests = sim_.Requests();
    ASSERT_EQ(requests.size(), requestsBefore_ + 1);
    EXPECT_EQ(requests.back().cmd, 0x80);
  }

  TDeviceReply recordBefore_;
  size_t requestsBefore_ = 0;
};

TEST_F(CommandRefusalTest, SaleChecksQuantityBeforePrice) {
  ExpectRefused([](int32_t& o) { return FpSellArticle(Password, 17, -1, 0, o); }, OutCodeBadValue, "q 0, p -1");
  ExpectRefused([](int32_t& o) { return FpSellArticle(Password, 17, 1, NaN, o); }, OutCodeBadValue, "q NaN");
  ExpectRefused([](int32_t& o) { return FpSellArticle(Password, 17, NaN, Inf, o); }, OutCodeBadValue, "q inf");
  ExpectRefused([](int32_t& o) { return FpSellArticle(Password, 17, -0.01, 1, o); }, OutCodeBadPrice, "p < 0");
  ExpectRefused([](int32_t& o) { return FpSellArticle(Password, 17, NaN, 1, o); }, OutCodeBadPrice, "p NaN");
  ExpectRefused([](int32_t& o) { return FpSellArticle(Password, 17, -Inf, 1, o); }, OutCodeBadPrice, "p -inf");
  ExpectNothingSent();
}

TEST_F(CommandRefusalTest, RangeChecksAreInclusiveAtBothEnds) {
  ExpectRefused([](int32_t& o) { return FpPayment(Password, -1, 1, o); }, OutCodeBadValue, "67h type -1");
  ExpectRefused([](int32_t& o) { return FpPayment(Password, 10, 1, o); }, OutCodeBadValue, "67h type 10");
  ExpectRefused([](int32_t& o) { return FpCommand78(Password, 0, 1, "", o); }, OutCodeBadValue, "78h type 0");
  ExpectRefused([](int32_t& o) { return FpCommand78(Password, 10, 1, "", o); }, OutCodeBadValue, "78h type 10");
  ExpectRefused([](int32_t& o) { return FpProgramHeaderTrailer(Password, 21, "x", 0, o); }, OutCodeBadLineNumber,
                "line 21");
  ExpectRefused([](int32_t& o) { return FpProgramHeaderTrailer(Password, -1, "x", 0, o); }, OutCodeBadLineNumber,
                "line -1");
  ExpectNothingSent();
}

TEST_F(CommandRefusalTest, AmountsThatAreNotNumbersNeverReachTheWire) {
  ExpectRefused([](int32_t& o) { return FpPayment(Password, 0, NaN, o); }, OutCodeBadValue, "67h");
  ExpectRefused([](int32_t& o) { return FpCommand78(Password, 9, -Inf, "", o); }, OutCodeBadValue, "78h");
  ExpectRefused([](int32_t& o) { return FpItemDiscountPercent(Password, NaN, o); }, OutCodeBadValue, "68h");
  ExpectRefused([](int32_t& o) { return FpItemDiscountAmount(Password, Inf, o); }, OutCodeBadValue, "69h");
  ExpectRefused([](int32_t& o) { return FpCashInOut(Password, 1, -Inf, o); }, OutCodeBadValue, "6Eh");
  ExpectRefused([](int32_t& o) { return FpCommand73(Password, NaN, o); }, OutCodeBadValue, "73h");
  ExpectRefused([](int32_t& o) { return FpCommand74(Password, Inf, o); }, OutCodeBadValue, "74h");
  ExpectNothingSent();
}

std::string LongText(size_t length) { return std::string(length, 'W'); }

TEST_F(CommandRefusalTest, DataTextLongerThanOneFrameIsRefused) {
  // Password, ';', text, ';': 212 characters of text make 220 bytes.
  ExpectRefused([](int32_t& o) { return FpPrintText(Password, LongText(212).c_str(), o); }, OutCodeTooLong, "61h");
  ExpectRefused([](int32_t& o) { return FpCommand78(Password, 1, 5, LongText(300).c_str(), o); }, OutCodeTooLong,
                "78h");
  ExpectNothingSent();
}

class CommandSendTest : public SimulatedPrinterTest {};

TEST_F(CommandSendTest, DataTextOfExactlyOneFrameIsSent) {
  const std::string text = LongText(MaxRequestData - 8);
  int32_t outCode = -1;
  FpPrintText(Password, text.c_str(), outCode);
  EXPECT_EQ(outCode, OutCodeSent);
  ASSERT_EQ(sim_.Requests().size(), 1u);
  EXPECT_TRUE(sim_.Requests()[0].Valid());
  EXPECT_EQ(sim_.Requests()[0].data.size(), static_cast<size_t>(MaxRequestData));
}

}  // namespace
