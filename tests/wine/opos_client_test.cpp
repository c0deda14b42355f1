// The scripted OPOS client against Lumero.dll and the simulated printer: how
// it types arguments, what it prints, and the program itself.
#include <fstream>
#include <string>
#include <vector>

#include "com_support.h"
#include "opos_client/runner.h"
#include "opos_client/service_object.h"
#include "sim_session.h"

namespace oposclient {
namespace {

using lumero::test::BesideProgram;
using lumero::test::WriteDeviceConfiguration;
using printersim::Reply;

constexpr wchar_t kDeviceName[] = L"Vornik_MR62_1.11";

std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

// The output and exit status of oposclient.exe.
struct ProgramRun {
  std::string output;
  DWORD status = static_cast<DWORD>(-1);
};

ProgramRun RunProgram(const std::wstring& arguments) {
  ProgramRun run;
  SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
  HANDLE read_end = nullptr, write_end = nullptr;
  if (!CreatePipe(&read_end, &write_end, &inherited, 0)) return run;
  SetHandleInformation(read_end, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = write_end;
  startup.hStdError = write_end;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  std::wstring command_line = L"\"" + BesideProgram(L"oposclient.exe") + L"\" " + arguments;
  PROCESS_INFORMATION process{};
  const BOOL started = CreateProcessW(nullptr, command_line.data(), nullptr, nullptr, TRUE, 0,
                                      nullptr, nullptr, &startup, &process);
  CloseHandle(write_end);  // the child's copy alone keeps the pipe open
  if (started) {
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(read_end, buffer, sizeof buffer, &got, nullptr) && got > 0)
      run.output.append(buffer, got);
    WaitForSingleObject(process.hProcess, 60000);
    GetExitCodeProcess(process.hProcess, &run.status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  CloseHandle(read_end);
  return run;
}

std::wstring WriteScenarioFile(const std::string& text) {
  wchar_t folder[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, folder);
  const std::wstring path = std::wstring(folder) + L"lumero_client.scenario";
  std::ofstream(path.c_str(), std::ios::binary) << text;
  return path;
}

const std::string kSession = Utf8(
    u8"# what a Control Object does first\n"
    u8"open Vornik_MR62_1.11\n"
    u8"call ClaimDevice 1000\n"
    u8"put DeviceEnabled true\n"
    u8"get DeviceName\n"
    u8"call CheckHealth 1\n"
    u8"call BeginTraining\n"
    u8"get ResultCode\n"
    u8"call NoSuchMember\n"
    u8"close\n");

const std::vector<std::string> kSessionLines = {
    "OpenService -> 0",
    "ClaimDevice -> 0",
    "DeviceEnabled = true -> 0",
    "DeviceName = \"Vornik MR-62 Fiscal Printer\"",
    "CheckHealth -> 0",
    Utf8(u8"BeginTraining -> 106, ResultCodeExtended = 0, ErrorString = \"Метод не поддерживается "
         u8"объектом\""),
    "ResultCode = 106",
    "NoSuchMember -> unknown name",
    "CloseService -> 0",
};

class OposClient : public lumero::test::ComTest {
 protected:
  void SetUp() override {
    ComTest::SetUp();
    WriteDeviceConfiguration(SimSession::PortName().c_str(), 115200);
    sim_ = SimSession::ConnectClean();
    sim_->SetReply(0x42, Reply{.data = "4000012345;"});
    sim_->SetReply(0x80, Reply{.data = "MR-62;5.10;1;Vornik MR-62;0;0;0;0;32;"});
    sim_->SetReply(0x60, Reply{});
    sim_->SetReply(0x84, Reply{});
  }
  void TearDown() override {
    CloseLeftSession();
    ComTest::TearDown();
  }

  // A session a scenario left open would make the next OpenService fail.
  static void CloseLeftSession() {
    try {
      const Ptr<IDispatch> object = CreateServiceObject(kDeviceName);
      CallByName(object.get(), L"Close", Access::Method);
    } catch (const std::exception& error) {
      ADD_FAILURE() << error.what();
    }
  }

  // Runs the scenario in this process; its lines land in lines_.
  int Run(const std::string& scenario, bool expect_success) {
    Runner runner([this](const std::string& line) { lines_.push_back(line); }, expect_success);
    return runner.Run(ParseScenario(scenario));
  }

  std::unique_ptr<printersim::ControlClient> sim_;
  std::vector<std::string> lines_;
};

TEST_F(OposClient, ArgumentsAreTypedFromTheTypeLibrary) {
  const Ptr<IDispatch> object = CreateServiceObject(kDeviceName);
  DISPID id = DISPID_UNKNOWN;
  LPOLESTR name[] = {const_cast<LPOLESTR>(L"PrintRecItem")};
  ASSERT_EQ(object->GetIDsOfNames(IID_NULL, name, 1, 0, &id), S_OK);
  const MemberDescription item(object.get(), id, INVOKE_FUNC);
  const TypedArguments typed(
      item, ParseScenario(Utf8(u8"call X \"Хліб білий\" 12.50 1000 1 0.005 \"\""))[0].arguments);
  const std::vector<VARIANT>& values = typed.values();
  ASSERT_EQ(values.size(), 6u);
  EXPECT_EQ(values[0].vt, VT_BSTR);
  EXPECT_STREQ(values[0].bstrVal, L"Хліб білий");
  EXPECT_EQ(values[1].vt, VT_CY);
  EXPECT_EQ(values[1].cyVal.int64, 125000);
  EXPECT_EQ(values[2].vt, VT_I4);
  EXPECT_EQ(values[2].lVal, 1000);
  EXPECT_EQ(values[3].vt, VT_I4);
  EXPECT_EQ(values[4].vt, VT_CY);
  EXPECT_EQ(values[4].cyVal.int64, 50);
  EXPECT_EQ(values[5].vt, VT_BSTR);
  EXPECT_STREQ(values[5].bstrVal, L"");

  name[0] = const_cast<LPOLESTR>(L"GetData");
  ASSERT_EQ(object->GetIDsOfNames(IID_NULL, name, 1, 0, &id), S_OK);
  const MemberDescription get_data(object.get(), id, INVOKE_FUNC);
  const TypedArguments in_out(get_data, ParseScenario("call X 1 7 \"\"")[0].arguments);
  ASSERT_EQ(in_out.values().size(), 3u);
  EXPECT_EQ(in_out.values()[1].vt, VT_BYREF | VT_I4);
  EXPECT_EQ(*in_out.values()[1].plVal, 7);
  EXPECT_EQ(in_out.values()[2].vt, VT_BYREF | VT_BSTR);
  EXPECT_EQ(*in_out.values()[2].pbstrVal, nullptr) << "an [in, out] BSTR starts as a null BSTR";
}

TEST_F(OposClient, ArgumentsThatDoNotFitStopTheScenario) {
  for (const char* line : {"call ClaimDevice 1.5", "call ClaimDevice", "call CheckHealth 1 2",
                           "call BeginFiscalReceipt maybe", "call PrintRecCash 1.23456",
                           "call DeviceName", "put ResultCode 1"}) {
    SCOPED_TRACE(line);
    lines_.clear();
    EXPECT_EQ(Run(std::string("open Vornik_MR62_1.11\n") + line + "\nclose\n", false),
              kScenarioError);
    ASSERT_EQ(lines_.size(), 2u);
    EXPECT_EQ(lines_[1].rfind("line 2: ", 0), 0u) << lines_[1];
    CloseLeftSession();
  }
  EXPECT_EQ(TakeRequestLog(*sim_), "") << "nothing reached the printer";
}

TEST_F(OposClient, SessionPrintsOneLinePerStep) {
  EXPECT_EQ(Run(kSession, false), kAllRan);
  EXPECT_EQ(lines_, kSessionLines);
  EXPECT_EQ(TakeRequestLog(*sim_),
            "42h \"730514;\", 80h \"730514;\", 60h \"730514;\", 84h \"730514;0;\"");
}

TEST_F(OposClient, ExpectingSuccessStopsAtTheFirstFailure) {
  EXPECT_EQ(Run(kSession, true), kStepFailed);
  const std::vector<std::string> up_to_failure(kSessionLines.begin(), kSessionLines.begin() + 6);
  EXPECT_EQ(lines_, up_to_failure);
}

TEST_F(OposClient, ProgramRunsAScenarioFile) {
  const std::wstring path = WriteScenarioFile(kSession);
  const ProgramRun all = RunProgram(L"\"" + path + L"\"");
  EXPECT_EQ(all.status, 0u);
  std::string expected;
  for (const std::string& line : kSessionLines) expected += line + "\n";
  EXPECT_EQ(all.output, expected);

  const ProgramRun strict = RunProgram(L"--expect-success \"" + path + L"\"");
  EXPECT_EQ(strict.status, 1u);
  EXPECT_EQ(strict.output.rfind(kSessionLines[5] + "\n"),
            strict.output.size() - kSessionLines[5].size() - 1);
  DeleteFileW(path.c_str());

  EXPECT_EQ(RunProgram(L"").status, 2u) << "no scenario file";
}

}  // namespace
}  // namespace oposclient
