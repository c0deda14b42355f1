// Whole sessions through the real Lumero.dll, led through IDispatch the way
// the Control Object leads them, against the simulated printer. The main
// session prints a transcript of its calls.
#include <chrono>
#include <cstdarg>
#include <cstdio>
#include <string>

#include "com_member_arguments.h"
#include "com_member_table.h"
#include "com_support.h"
#include "opos_client/service_object.h"
#include "opos_client/text.h"
#include "sim_session.h"

namespace lumero::test {
namespace {

using printersim::Fault;
using printersim::Reply;
using Clock = std::chrono::steady_clock;

constexpr wchar_t kDeviceName[] = L"Vornik_MR62_1.11";

VARIANT Long(LONG value) {
  VARIANT argument;
  VariantInit(&argument);
  argument.vt = VT_I4;
  argument.lVal = value;
  return argument;
}

VARIANT Boolean(bool value) {
  VARIANT argument;
  VariantInit(&argument);
  argument.vt = VT_BOOL;
  argument.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
  return argument;
}

VARIANT Text(const Bstr& text) {
  VARIANT argument;
  VariantInit(&argument);
  argument.vt = VT_BSTR;
  argument.bstrVal = text.get();
  return argument;
}

// The control's own dispatch, borrowed for the call as the Control Object lends it.
VARIANT Control() {
  VARIANT argument;
  VariantInit(&argument);
  argument.vt = VT_DISPATCH;
  argument.pdispVal = oposclient::ControlDispatch();
  return argument;
}

std::string Utf8(const wchar_t* text) { return oposclient::WideToUtf8(text ? text : L""); }

// The transcript of the main session, one line a call.
__attribute__((format(printf, 1, 2))) void Transcript(const char* format, ...) {
  std::va_list values;
  va_start(values, format);
  std::printf("  | ");
  std::vprintf(format, values);
  std::printf("\n");
  std::fflush(stdout);
  va_end(values);
}

class Session : public ComTest {
 protected:
  void SetUp() override {
    ComTest::SetUp();
    WriteDeviceConfiguration(SimSession::PortName().c_str(), 115200);
    sim_ = SimSession::ConnectClean();
    ScriptHealthyPrinter();
    ASSERT_NO_THROW(object_ = oposclient::CreateServiceObject(kDeviceName));
  }
  void TearDown() override {
    if (object_) Call(L"Close");
    object_.reset();
    ComTest::TearDown();
  }

  void ScriptHealthyPrinter() {
    sim_->SetReply(0x42, Reply{.data = "4000012345;"});
    sim_->SetReply(0x80, Reply{.data = "MR-62;5.10;1;Vornik MR-62;0;0;0;0;32;",
                               .status = {0, 0, 0, 0, 0, 0x10}});
    sim_->SetReply(0x60, Reply{});
    sim_->SetReply(0x84, Reply{});
  }

  // A method's result, which must come back as VT_I4.
  LONG Call(const wchar_t* name, std::vector<VARIANT> arguments = {}) {
    Variant result;
    EXPECT_EQ(InvokeByName(object_.get(), name, DISPATCH_METHOD, std::move(arguments), result.get(),
                           nullptr),
              S_OK)
        << Utf8(name);
    EXPECT_EQ(result->vt, VT_I4) << Utf8(name);
    return result->vt == VT_I4 ? result->lVal : -1;
  }
  LONG OpenService() {
    const Bstr device_class(L"FiscalPrinter"), device_name(kDeviceName);
    return Call(L"OpenService", {Text(device_class), Text(device_name), Control()});
  }
  HRESULT Enable(bool enabled) {
    return InvokeByName(object_.get(), L"DeviceEnabled", DISPATCH_PROPERTYPUT, {Boolean(enabled)},
                        nullptr, nullptr);
  }
  // An open cover in the device information: enabled, with 114 and 201 left.
  void EnableWithCoverOpen() {
    sim_->SetReply(0x80, Reply{.data = "MR-62;5.10;1;Vornik MR-62;0;0;0;0;32;",
                               .status = {0, 0x10, 0, 0, 0, 0}});
    ASSERT_EQ(OpenService(), 0);
    ASSERT_EQ(Call(L"ClaimDevice", {Long(1000)}), 0);
    ASSERT_EQ(Enable(true), S_OK);
    ASSERT_EQ(ResultCode(), 114);
    ASSERT_EQ(ResultCodeExtended(), 201);
    sim_->ClearRequests();
  }
  // The members without a result value, as the Control Object sets every property.
  HRESULT SetPropertyNumber(LONG index, LONG number) {
    return InvokeByName(object_.get(), L"SetPropertyNumber", DISPATCH_METHOD,
                        {Long(index), Long(number)}, nullptr, nullptr);
  }
  HRESULT SetPropertyString(LONG index, const Bstr& text) {
    return InvokeByName(object_.get(), L"SetPropertyString", DISPATCH_METHOD,
                        {Long(index), Text(text)}, nullptr, nullptr);
  }
  Variant Property(const wchar_t* name) {
    Variant value;
    EXPECT_EQ(InvokeByName(object_.get(), name, DISPATCH_PROPERTYGET, {}, value.get(), nullptr),
              S_OK)
        << Utf8(name);
    return value;
  }
  LONG ResultCode() { return Property(L"ResultCode")->lVal; }
  LONG ResultCodeExtended() { return Property(L"ResultCodeExtended")->lVal; }
  std::wstring TextProperty(const wchar_t* name) {
    const Variant value = Property(name);
    return value->vt == VT_BSTR && value->bstrVal ? value->bstrVal : L"";
  }

  // What enabling wrote to "PortHandle": a handle of this process, since the
  // service lives here. (Wine lets a COM port be opened twice, so opening it
  // again would prove nothing.)
  static HANDLE PortHandleEntry() {
    DWORD value = 0;
    DWORD bytes = sizeof value;
    if (RegGetValueW(HKEY_LOCAL_MACHINE,
                     L"SOFTWARE\\OLEforRetail\\ServiceOPOS\\FiscalPrinter\\Vornik_MR62_1.11",
                     L"PortHandle", RRF_RT_REG_DWORD, nullptr, &value, &bytes) != ERROR_SUCCESS)
      return INVALID_HANDLE_VALUE;
    return ULongToHandle(value);
  }
  static bool IsOpenPort(HANDLE handle) {
    DWORD flags = 0;
    return handle != nullptr && GetHandleInformation(handle, &flags) &&
           GetFileType(handle) == FILE_TYPE_CHAR;
  }

  std::unique_ptr<printersim::ControlClient> sim_;
  Ptr<IDispatch> object_;
};

TEST_F(Session, LifeCycleAgainstAHealthyPrinter) {
  const std::wstring prog_id = oposclient::ProgIdOf(kDeviceName);
  Transcript("ProgID of %s: %s", Utf8(kDeviceName).c_str(), Utf8(prog_id.c_str()).c_str());
  EXPECT_EQ(prog_id, L"Lumero.MR62Retail");

  const LONG opened = OpenService();
  Transcript("OpenService(\"FiscalPrinter\", \"%s\", control) -> %ld", Utf8(kDeviceName).c_str(),
             opened);
  ASSERT_EQ(opened, 0);
  const LONG version = Call(L"GetPropertyNumber", {Long(8)});
  Transcript("GetPropertyNumber(8) -> %ld", version);
  EXPECT_EQ(version / 1000000, 1) << "the Control Object refuses another major version";

  const LONG claimed = Call(L"ClaimDevice", {Long(1000)});
  Transcript("ClaimDevice(1000) -> %ld", claimed);
  ASSERT_EQ(claimed, 0);
  EXPECT_EQ(TakeRequestLog(*sim_), "") << "nothing goes to the printer before enabling";

  ASSERT_EQ(Enable(true), S_OK);
  const std::string enabling = TakeRequestLog(*sim_);
  const LONG enabled = ResultCode();
  Transcript("DeviceEnabled = true -> ResultCode %ld; printer got %s", enabled, enabling.c_str());
  EXPECT_EQ(enabled, 0);
  EXPECT_EQ(enabling, "42h \"730514;\", 80h \"730514;\"");
  const HANDLE port = PortHandleEntry();
  EXPECT_TRUE(IsOpenPort(port)) << "the enabled service holds its port";

  const LONG code = ResultCode();
  Transcript("ResultCode = %ld", code);
  EXPECT_EQ(code, 0);
  const std::wstring device_name = TextProperty(L"DeviceName");
  Transcript("DeviceName = \"%s\"", Utf8(device_name.c_str()).c_str());
  EXPECT_EQ(device_name, L"Vornik MR-62 Fiscal Printer");

  const LONG health = Call(L"CheckHealth", {Long(1)});
  const std::string checking = TakeRequestLog(*sim_);
  Transcript("CheckHealth(1) -> %ld; printer got %s", health, checking.c_str());
  EXPECT_EQ(health, 0);
  EXPECT_EQ(checking, "60h \"730514;\", 84h \"730514;0;\"");

  const LONG closed = Call(L"Close");
  Transcript("Close -> %ld", closed);
  EXPECT_EQ(closed, 0);
  EXPECT_FALSE(IsOpenPort(port)) << "Close let the port go";
  EXPECT_EQ(PortHandleEntry(), nullptr);
}

TEST_F(Session, PortServesASecondSessionAfterClose) {
  for (int session = 1; session <= 2; ++session) {
    SCOPED_TRACE(session);
    ASSERT_EQ(OpenService(), 0);
    ASSERT_EQ(Call(L"ClaimDevice", {Long(1000)}), 0);
    ASSERT_EQ(Enable(true), S_OK);
    EXPECT_EQ(ResultCode(), 0);
    EXPECT_EQ(TakeRequestLog(*sim_), "42h \"730514;\", 80h \"730514;\"");
    EXPECT_EQ(Call(L"Close"), 0);
  }
}

TEST_F(Session, SilentPrinterCannotBeConnectedAndFreesThePortAtClose) {
  ASSERT_EQ(OpenService(), 0);
  ASSERT_EQ(Call(L"ClaimDevice", {Long(1000)}), 0);
  sim_->InjectFault(0x42, Fault::Silence());
  const auto start = Clock::now();
  ASSERT_EQ(Enable(true), S_OK);
  const auto elapsed =
      std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
  EXPECT_EQ(ResultCode(), 107);
  EXPECT_EQ(TextProperty(L"ErrorString"), L"Невозможно подключить устройство");
  EXPECT_EQ(Property(L"DeviceEnabled")->boolVal, VARIANT_FALSE);
  EXPECT_GE(elapsed, 4500);
  EXPECT_LT(elapsed, 7000);
  EXPECT_EQ(TakeRequestLog(*sim_), "42h \"730514;\"")
      << "no device information after a silent serial number";

  sim_->ClearScript();
  ScriptHealthyPrinter();
  ASSERT_EQ(Enable(true), S_OK);
  EXPECT_EQ(ResultCode(), 0);
  EXPECT_EQ(Property(L"DeviceEnabled")->boolVal, VARIANT_TRUE);
  const HANDLE port = PortHandleEntry();
  EXPECT_TRUE(IsOpenPort(port));
  EXPECT_EQ(Call(L"Close"), 0);
  EXPECT_FALSE(IsOpenPort(port));
}

TEST_F(Session, NotSupportedMembersAnswer106AndKeepTheExtendedCode) {
  EnableWithCoverOpen();

  int members = 0;
  for (const Member& member : kMembers) {
    if (member.state != kNotSupported) continue;
    SCOPED_TRACE(Utf8(member.name));
    ++members;
    DefaultArguments arguments(member.parameters);
    Variant result;
    ASSERT_EQ(InvokeByName(object_.get(), member.name, DISPATCH_METHOD, arguments.values(),
                           result.get(), nullptr),
              S_OK);
    // Without a result value the last by-reference long takes the result.
    const LONG answer = member.returns == '-' ? *arguments.values().back().plVal : result->lVal;
    EXPECT_EQ(answer, 106);
    EXPECT_EQ(ResultCode(), 106);
    EXPECT_EQ(ResultCodeExtended(), 201);
    EXPECT_EQ(TextProperty(L"ErrorString"), L"Метод не поддерживается объектом");
  }
  EXPECT_EQ(members, 33);
  EXPECT_EQ(TakeRequestLog(*sim_), "") << "a member that is not supported sends nothing";
}

// 16001 is read-only; 1016005 is writable, but not through its index.
TEST_F(Session, UnservedPropertyIndicesAnswer106AndKeepTheExtendedCode) {
  EnableWithCoverOpen();
  const auto expect_refused = [this](const char* call) {
    SCOPED_TRACE(call);
    EXPECT_EQ(ResultCode(), 106);
    EXPECT_EQ(ResultCodeExtended(), 201);
    EXPECT_EQ(TextProperty(L"ErrorString"), L"Свойство не поддерживается объектом");
  };
  Call(L"GetPropertyNumber", {Long(10)});
  expect_refused("GetPropertyNumber(10)");
  Call(L"GetPropertyNumber", {Long(12)});
  expect_refused("GetPropertyNumber(12)");
  EXPECT_EQ(SetPropertyNumber(16001, 2), S_OK);
  expect_refused("SetPropertyNumber(16001)");
  const Bstr trailer(L"Дякуємо");
  EXPECT_EQ(SetPropertyString(1016005, trailer), S_OK);
  expect_refused("SetPropertyString(1016005)");
  EXPECT_EQ(TakeRequestLog(*sim_), "");
}

TEST_F(Session, DeviceEnabledByIndexTakesAnyNonZeroNumberAsTrue) {
  ASSERT_EQ(OpenService(), 0);
  ASSERT_EQ(Call(L"ClaimDevice", {Long(1000)}), 0);
  ASSERT_EQ(SetPropertyNumber(3, 5), S_OK);
  EXPECT_EQ(TakeRequestLog(*sim_), "42h \"730514;\", 80h \"730514;\"");
  EXPECT_EQ(ResultCode(), 0);
  EXPECT_EQ(Property(L"DeviceEnabled")->boolVal, VARIANT_TRUE);
  EXPECT_TRUE(IsOpenPort(PortHandleEntry()));
  EXPECT_EQ(Call(L"GetPropertyNumber", {Long(3)}), 1);

  ASSERT_EQ(SetPropertyNumber(3, 0), S_OK);
  EXPECT_EQ(ResultCode(), 0);
  EXPECT_EQ(Property(L"DeviceEnabled")->boolVal, VARIANT_FALSE);
  EXPECT_EQ(Call(L"GetPropertyNumber", {Long(3)}), 0);
}

TEST_F(Session, FiscalReceiptTypeByIndexPassesThroughItsSetter) {
  ASSERT_EQ(OpenService(), 0);
  ASSERT_EQ(Call(L"ClaimDevice", {Long(1000)}), 0);
  ASSERT_EQ(Enable(true), S_OK);
  ASSERT_EQ(SetPropertyNumber(16034, 4), S_OK);
  EXPECT_EQ(ResultCode(), 0);
  EXPECT_EQ(Call(L"GetPropertyNumber", {Long(16034)}), 4);
  ASSERT_EQ(SetPropertyNumber(16034, 9), S_OK);
  EXPECT_EQ(ResultCode(), 106);
  EXPECT_EQ(TextProperty(L"ErrorString"), L"Неверный тип чека");
}

}  // namespace
}  // namespace lumero::test
