// The reply checker, the result fields and the members that only report.
#include <array>
#include <cstring>
#include <ostream>

#include "serviceobject/check_reply.h"
#include "serviceobject/results.h"
#include "service_fixture.h"

using namespace service_test;
using devicelink::MaskChecksumError;
using devicelink::MaskNak;
using devicelink::MaskTimeout;
using devicelink::TDeviceReply;

namespace {

constexpr int32_t Kept = -1;  // FResultCodeExtended stays at its earlier value
constexpr int32_t EarlierExtended = 207;

constexpr const char* TimeoutText = "Таймаут устройства. Устройство не отвечает или выключено";
constexpr const char* BadCommandText = "Неправильный код команды";
constexpr const char* SyntaxText = "Синтаксическая ошибка в команде";

struct ReplyCase {
  const char* name;
  uint32_t mask;
  std::array<uint8_t, 6> status;
  const char* code;
  int32_t linkError;
  int32_t result;
  int32_t extended;
  const char* text;
};

const ReplyCase ReplyCases[] = {
    {"Passed", 0, {}, "0000", 0, 0, Kept, ""},
    {"LinkErrorBeforeStaleTimeout", MaskTimeout, {}, "0000", -151, 114, 221, SyntaxText},
    {"LinkErrorBeforeStaleDeviceError", 0, {0, 0x08}, "0201", -152, 114, 221, SyntaxText},
    {"TimeoutBeforePaper", MaskTimeout, {0, 0x0C}, "0000", 0, 112, Kept, TimeoutText},
    {"NakBeforeStatus", MaskNak, {0, 0x08}, "0000", 0, 114, 221, BadCommandText},
    {"ChecksumBeforeStatus", MaskChecksumError, {0, 0x10}, "0000", 0, 114, 221, BadCommandText},
    {"JournalBeforeCover", 0, {0, 0x18}, "0000", 0, 114, 202, "Закончилась контрольная лента"},
    {"ReceiptPaper", 0, {0, 0x04}, "0000", 0, 114, 203, "Закончилась чековая лента"},
    {"FiscalMemoryFull", 0, {0, 0, 0, 0, 0x48}, "0000", 0, 114, 210, "Фискальная память переполнена"},
    {"FiscalMemoryError", 0, {0, 0, 0, 0, 0x40}, "0000", 0, 114, 211, "Возникла ошибка фискальной памяти"},
    {"CoverBeforeDisplay", 0, {0x08, 0x10}, "0000", 0, 114, 201, "Открыта крышка принтера"},
    {"Display", 0, {0x08}, "0000", 0, 114, 206, "Дисплей не подключен"},
    {"StatusBeforeErrorCode", 0, {0, 0x04}, "0201", 0, 114, 203, "Закончилась чековая лента"},
    {"DeviceErrorCode", 0, {}, "0201", 0, 114, 221, BadCommandText},
    {"ShortErrorCode", 0, {}, "000", 0, 114, 221, BadCommandText},
    {"ErrorCodeWithTrailingBlank", 0, {}, "0000 ", 0, 114, 221, BadCommandText},
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const ReplyCase& c, std::ostream* out) { *out << c.name; }

class CheckReplyTest : public ::testing::TestWithParam<ReplyCase> {
 protected:
  void SetUp() override { service::ResetServiceState(); }
};

TEST_P(CheckReplyTest, SetsTheResultOfTheFirstRuleThatHolds) {
  const ReplyCase& c = GetParam();
  TDeviceReply reply{};
  reply.ErrorMask = c.mask;
  std::memcpy(reply.StatusBytes, c.status.data(), sizeof reply.StatusBytes);
  std::strncpy(reply.ErrorCode, c.code, sizeof reply.ErrorCode - 1);
  service::TServiceState& s = service::ServiceState();
  s.FResultCodeExtended = EarlierExtended;
  s.FReplyFailures = 3;

  const bool passed = service::CheckReply(&reply, c.linkError);

  EXPECT_EQ(passed, c.result == 0);
  EXPECT_EQ(s.FResultCode, c.result);
  EXPECT_EQ(s.FResultCodeExtended, c.extended == Kept ? EarlierExtended : c.extended);
  EXPECT_EQ(s.FErrorString, c.text);
  EXPECT_EQ(s.FReplyFailures, passed ? 3 : 4);
}

INSTANTIATE_TEST_SUITE_P(Rules, CheckReplyTest, ::testing::ValuesIn(ReplyCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CheckReply, TracesTheDecodedTextButReportsTheFixedOne) {
  service::ResetServiceState();
  const auto trace = ScratchDir() / "check_reply_trace.log";
  devicelink::SetTraceLogPath(trace.c_str());
  TDeviceReply reply{};
  std::strncpy(reply.ErrorCode, "0409", sizeof reply.ErrorCode - 1);
  EXPECT_FALSE(service::CheckReply(&reply, 0));
  EXPECT_EQ(service::ServiceState().FErrorString, BadCommandText);
  EXPECT_FALSE(service::CheckReply(&reply, -151));  // stale record: nothing decoded
  devicelink::SetTraceLogPath("");

  const std::string log = ReadFile(trace);
  std::filesystem::remove_all(ScratchDir());
  size_t first = log.find("Не обнулено!Ошибка данных");
  EXPECT_NE(first, std::string::npos);
  EXPECT_EQ(log.find("Не обнулено!", first + 1), std::string::npos);
}

TEST(LastReplyField, ReadsOnlyFieldsTheReplyHas) {
  service::ResetServiceState();
  EXPECT_STREQ(service::LastReplyField(0), "");  // no reply yet
  TDeviceReply reply{};
  reply.FieldCount = 2;
  reply.Fields[0] = "a";
  reply.Fields[1] = "b";
  reply.Fields[2] = "stale";
  service::ServiceState().FLastReply = &reply;
  EXPECT_STREQ(service::LastReplyField(1), "b");
  EXPECT_STREQ(service::LastReplyField(2), "");
  EXPECT_STREQ(service::LastReplyField(-1), "");
  EXPECT_STREQ(service::LastReplyField(25), "");
}

class ResultMembersTest : public ServiceTest {};

TEST_F(ResultMembersTest, NotSupportedAnswers106ClosedAndOpenAndKeepsTheExtendedCode) {
  State().FResultCodeExtended = EarlierExtended;
  State().FDuplicateReceipt = 1;
  EXPECT_EQ(service::NotSupported(), 106);
  EXPECT_EQ(State().FErrorString, "Метод не поддерживается объектом");
  EXPECT_EQ(State().FDuplicateReceipt, 1);
  EXPECT_EQ(State().FResultCodeExtended, EarlierExtended);
  ASSERT_EQ(service::OpenService(), 0);
  State().FResultCodeExtended = EarlierExtended;
  EXPECT_EQ(service::PrintFixedOutputNotSupported(), 106);
  EXPECT_EQ(State().FResultCode, 106);
  EXPECT_EQ(State().FDuplicateReceipt, 0);
  EXPECT_EQ(State().FResultCodeExtended, EarlierExtended);
}

TEST_F(ResultMembersTest, GuardedGettersReport101WhileClosedAndKeepTheResultWhileOpen) {
  std::string name = "untouched", error, description;
  bool enabled = true, claimed = true;
  int32_t openResult = 42;
  EXPECT_FALSE(service::GetDeviceEnabled(enabled));
  EXPECT_EQ(State().FErrorString, "Service объект не открыт");
  for (bool answered : {service::GetErrorString(error), service::GetClaimed(claimed),
                        service::GetDeviceName(name), service::GetOpenResult(openResult)})
    EXPECT_FALSE(answered);
  EXPECT_EQ(service::GetResultCode(), 101);
  EXPECT_EQ(State().FErrorString, "Сервис не открыт");
  EXPECT_EQ(name, "untouched");
  EXPECT_EQ(openResult, 42);

  ASSERT_EQ(service::OpenService(), 0);
  service::Report(114, 218, "earlier");
  EXPECT_TRUE(service::GetDeviceServiceDescription(description));
  EXPECT_EQ(description, "Vornik MR-62 Compatible Service Driver, Vornik Ukraine");
  EXPECT_TRUE(service::GetDeviceDescription(description));
  EXPECT_EQ(description, "Vornik MR-62 Fiscal Printer, Ukrainian Version");
  EXPECT_TRUE(service::GetErrorString(error) && service::GetDeviceEnabled(enabled) &&
              service::GetOpenResult(openResult));
  EXPECT_EQ(error, "earlier");
  EXPECT_FALSE(enabled);
  EXPECT_EQ(openResult, 0);
  EXPECT_EQ(service::GetResultCode(), 114);
  EXPECT_EQ(service::GetResultCodeExtended(), 218);
}

}  // namespace
