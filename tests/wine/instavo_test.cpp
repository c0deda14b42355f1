// Instavo.exe end to end: the window driven as a user drives it, the
// installed files and registry values read back, and the installed service
// object opened by the scripted OPOS client against the simulated printer.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "com_support.h"
#include "installer/control_ids.h"
#include "instavo_driver.h"
#include "opos_client/runner.h"
#include "opos_client/text.h"
#include "seeded_port_devices.h"
#include "sim_session.h"

namespace lumero::test {
namespace {

using namespace instavo;

constexpr DWORD kInstallMs = 20000;  // ten steps of 500 ms, and Wine's pace
constexpr DWORD kFailureMs = 15000;
const std::wstring kInstalled = L"OPOS FiscPrinter инсталлирован";
const std::wstring kPrinters = L"SOFTWARE\\OLEforRetail\\ServiceOPOS\\FiscalPrinter";
const std::wstring kControlObjects = L"SOFTWARE\\OLEforRetail\\ServiceInfo\\OposCCOs";

std::string Utf8(const std::wstring& text) { return oposclient::WideToUtf8(text); }

std::wstring Scratch(const std::wstring& name) {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::wstring root = std::wstring(temp) + L"instavo";
  CreateDirectoryW(root.c_str(), nullptr);
  const std::wstring folder = root + L"\\" + name;
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

std::wstring Value(const std::wstring& key, const wchar_t* name) {
  return ReadText(HKEY_LOCAL_MACHINE, key, name);
}

// A REG_DWORD value, or -1.
long long Number(const std::wstring& key, const wchar_t* name) {
  DWORD value = 0, bytes = sizeof value;
  if (RegGetValueW(HKEY_LOCAL_MACHINE, key.c_str(), name, RRF_RT_REG_DWORD, nullptr, &value, &bytes) !=
      ERROR_SUCCESS)
    return -1;
  return value;
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void SetFiscPrinter(const wchar_t* device) {
  ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, kPrinters.c_str(), L"FiscPrinter", REG_SZ, device,
                            static_cast<DWORD>((wcslen(device) + 1) * sizeof(wchar_t))),
            ERROR_SUCCESS);
}

// One Instavo with its own kit and target folder below a scratch folder.
struct KitRun {
  KitRun(const std::wstring& name, const wchar_t* left_out = nullptr, bool registration_fails = false)
      : folder(Scratch(name)), kit(folder + L"\\kit"), target(folder + L"\\target") {
    PrepareKit(kit, left_out);
    instavo = std::make_unique<Instavo>(kit, registration_fails);
    instavo->SetFolder(target);
  }
  std::wstring folder, kit, target;
  std::unique_ptr<Instavo> instavo;
};

class InstavoTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_HRESULT_SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)); }
  void TearDown() override { CoUninitialize(); }

  SeededPortDevices ports_;
};

TEST_F(InstavoTest, InstallsTheServiceObjectThatTheOposClientThenEnables) {
  ports_.Add(L"0000", L"COM3");
  ports_.Add(L"0001", SimSession::PortName());
  KitRun run(L"main");
  Instavo& window = *run.instavo;
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, (kPrinters + L"\\Vornik_MR62_1.11").c_str());
  window.Choose(ComboBox3, 2);
  window.Choose(ComboBox1, 1);
  window.Choose(ComboBox2, 3);
  window.Click(Button2);

  // Every step shows; what changes during the procedure's pauses does not
  // reach it. The changes wait for the program, so another thread makes them.
  std::vector<std::wstring> steps;
  std::thread meddler;
  for (DWORD waited = 0; waited < kInstallMs && (steps.empty() || steps.back() != kInstalled); waited += 10) {
    const std::wstring status = window.Status();
    if (!steps.empty() && steps.back() == status) {
      Sleep(10);
      continue;
    }
    steps.push_back(status);
    std::printf("  step: %s\n", Utf8(status).c_str());
    if (status == L"Подготовка каталога") {
      EXPECT_FALSE(IsWindowEnabled(window.Control(ComboBox3))) << "choices are locked while installing";
      meddler = std::thread([&window, &run] {
        window.Choose(ComboBox3, 8);
        window.Choose(ComboBox2, 0);
        window.SetFolder(run.folder + L"\\elsewhere");
      });
    }
  }
  if (meddler.joinable()) meddler.join();
  EXPECT_EQ(steps, (std::vector<std::wstring>{
                       L"Выберите целевой каталог, параметры и нажмите \"Инсталлировать\"",
                       L"Инсталляция OPOS объектов",
                       L"Подготовка каталога",
                       L"Копирование Control объекта",
                       L"Копирование Service объекта",
                       L"Регистрация Control объекта",
                       L"Регистрация Service объекта",
                       L"Добавление записей о Control объекте в реестр Windows",
                       L"Добавление записей о Service объекте в реестр Windows",
                       L"End installation",
                       kInstalled,
                   }));
  EXPECT_EQ(window.Progress(), 10);
  EXPECT_FALSE(IsWindowEnabled(window.Control(Button2))) << "one install per run";
  EXPECT_TRUE(IsWindowEnabled(window.Control(ComboBox3)));
  window.SaveScreenshot(ThroughDriveZ(LUMERO_INSTAVO_SCREENSHOT));

  const std::wstring target = run.target + L"\\";
  EXPECT_TRUE(SameFile(run.kit + L"\\OPOSFiscalPrinter.oc_", target + L"OPOSFiscalPrinter.ocx"));
  EXPECT_TRUE(SameFile(run.kit + L"\\Lumero.dl_", target + L"Lumero.dll"));
  EXPECT_TRUE(Exists(target + L"DllRegisterServer.called")) << "the Control Object was registered";
  EXPECT_FALSE(Exists(run.folder + L"\\elsewhere"));

  const std::wstring device = kPrinters + L"\\Vornik_MR62_1.11";
  struct Text {
    std::wstring key;
    const wchar_t* name;  // nullptr: the default value
    std::wstring expected;
  };
  const Text texts[] = {
      {kControlObjects, L"COFiscalPrinterAuthor", L"Lumero project"},
      {kControlObjects, L"COFiscalPrinterVersion", L"1.11.000"},
      {kControlObjects, L"COFiscalPrinterCompany", L"Lumero project"},
      {device, L"SOFiscalPrinterAuthor", L"Lumero project"},
      {device, L"SOFiscalPrinterVersion", L"1.11.000"},
      {device, L"SOFiscalPrinterCompany", L"Orvana, Quellan Ukraine"},
      {device, nullptr, L"Lumero.MR62Retail"},
      {device, L"Description", L"Vornik MR62 1.11 Fiscal Printer"},
      {device, L"Port", SimSession::PortName()},
      {device, L"Service", target + L"Lumero.dll"},
      {device, L"Version", L"1.11"},
      {kPrinters, L"FiscPrinter", L"Vornik_MR62_1.11"},
  };
  for (const Text& text : texts) {
    const std::string name = text.name ? Utf8(text.name) : "";
    const std::wstring read = Value(text.key, text.name);
    std::printf("  HKLM\\%s \"%s\" = \"%s\"\n", Utf8(text.key).c_str(), name.c_str(), Utf8(read).c_str());
    EXPECT_EQ(read, text.expected) << name;
  }
  std::printf("  HKLM\\%s \"BaudRate\" = %lld (REG_DWORD)\n", Utf8(device).c_str(), Number(device, L"BaudRate"));
  EXPECT_EQ(Number(device, L"BaudRate"), 115200);

  CLSID server{};
  ASSERT_EQ(CLSIDFromProgID(L"Lumero.MR62Retail", &server), S_OK);
  EXPECT_EQ(ReadText(L"CLSID\\" + GuidText(server) + L"\\InprocServer32"), target + L"Lumero.dll");

  window.Click(Button1);
  EXPECT_EQ(window.WaitForExit(10000), 0u);

  const auto sim = SimSession::ConnectClean();
  ASSERT_EQ(sim->Call("model on")[0], "OK");
  std::vector<std::string> lines;
  oposclient::Runner client([&lines](const std::string& line) { lines.push_back(line); }, true);
  EXPECT_EQ(client.Run(oposclient::ParseScenario("open Vornik_MR62_1.11\n"
                                                 "call ClaimDevice 1000\n"
                                                 "put DeviceEnabled true\n"
                                                 "close\n")),
            oposclient::kAllRan);
  for (const std::string& line : lines) std::printf("  client: %s\n", line.c_str());
  EXPECT_EQ(lines, (std::vector<std::string>{"OpenService -> 0", "ClaimDevice -> 0",
                                             "DeviceEnabled = true -> 0", "CloseService -> 0"}));
}

// Rows 7 to 9 have no row in the service object: no "Description", and
// "FiscPrinter" keeps its value. With no port device, "Port" is empty.
// "Закрыть" pressed during the procedure ends the program after it.
TEST_F(InstavoTest, ModelsUnknownToTheServiceObjectLeaveTheCurrentDeviceAlone) {
  SetFiscPrinter(L"Vornik_MR20_1.11");
  struct Row {
    int row;
    const wchar_t* device;
    const wchar_t* library;
  };
  const Row rows[] = {{7, L"Vornik_MR38_1.11", L"Lumero.dl_"},
                      {8, L"Vornik_MR49nk_1.11", L"Lumeronk.dl_"},
                      {9, L"Vornik_MR41nk_1.11", L"Lumeronk.dl_"}};
  std::vector<std::unique_ptr<KitRun>> runs;
  for (const Row& row : rows) {
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, (kPrinters + L"\\" + row.device).c_str());
    runs.push_back(std::make_unique<KitRun>(L"row" + std::to_wstring(row.row)));
    EXPECT_TRUE(runs.back()->instavo->Items(ComboBox1).empty());
    runs.back()->instavo->Choose(ComboBox3, row.row);
    runs.back()->instavo->Click(Button2);
  }
  Instavo& closed_early = *runs.back()->instavo;
  closed_early.Click(Button1);
  EXPECT_EQ(closed_early.WaitForExit(1000), static_cast<DWORD>(STILL_ACTIVE));

  for (size_t i = 0; i < runs.size(); ++i) {
    SCOPED_TRACE(rows[i].row);
    const KitRun& run = *runs[i];
    if (run.instavo.get() == &closed_early)
      EXPECT_EQ(run.instavo->WaitForExit(kInstallMs), 0u);
    else
      EXPECT_TRUE(run.instavo->WaitForStatus(kInstalled, kInstallMs));
    const std::wstring device = kPrinters + L"\\" + rows[i].device;
    EXPECT_TRUE(SameFile(run.kit + L"\\" + rows[i].library, run.target + L"\\Lumero.dll"));
    EXPECT_EQ(Value(device, nullptr), L"Lumero.MR62Retail");
    EXPECT_EQ(Value(device, L"Description"), L"<missing>");
    EXPECT_EQ(Value(device, L"Port"), L"");
    EXPECT_EQ(Number(device, L"BaudRate"), 9600);
    EXPECT_EQ(Value(device, L"Version"), L"1.11") << "the last value is written";
  }
  EXPECT_EQ(Value(kPrinters, L"FiscPrinter"), L"Vornik_MR20_1.11");
}

// The procedure stops at its first failure with a message box; the button
// stays disabled.
TEST_F(InstavoTest, FailuresStopAtTheirStepWithAMessage) {
  struct Failure {
    const wchar_t* name;
    const wchar_t* left_out;
    bool registration_fails;
    const wchar_t* folder;  // below the run's folder; nullptr: empty
    int step;
    std::wstring message;
  };
  const std::wstring missing_parent = L"no\\such\\parent";
  const Failure failures[] = {
      {L"parentless", nullptr, false, missing_parent.c_str(), 2, L""},
      {L"empty", nullptr, false, nullptr, 2, L"Ошибка создания каталога,  каталог."},
      {L"nolibrary", L"Lumero.dl_", false, L"target", 4, L"Ошибка копирования файла: Lumero.dll."},
      {L"refused", nullptr, true, L"target", 5, L"Ошибка регистрации Control объекта (ocx)!"},
  };
  std::vector<std::unique_ptr<KitRun>> runs;
  for (const Failure& failure : failures) {
    runs.push_back(std::make_unique<KitRun>(failure.name, failure.left_out, failure.registration_fails));
    KitRun& run = *runs.back();
    run.instavo->SetFolder(failure.folder ? run.folder + L"\\" + failure.folder : L"");
    run.instavo->Click(Button2);
  }
  for (size_t i = 0; i < runs.size(); ++i) {
    const Failure& failure = failures[i];
    SCOPED_TRACE(Utf8(failure.name));
    Instavo& window = *runs[i]->instavo;
    const std::wstring expected =
        failure.message.empty()
            ? L"Ошибка создания каталога, " + runs[i]->folder + L"\\" + missing_parent + L" каталог."
            : failure.message;
    EXPECT_EQ(Utf8(window.CloseMessageBox(kFailureMs)), Utf8(expected));
    EXPECT_EQ(window.Progress(), failure.step);
    EXPECT_FALSE(IsWindowEnabled(window.Control(Button2)));
    EXPECT_EQ(window.WaitForExit(0), static_cast<DWORD>(STILL_ACTIVE)) << "the program keeps running";
  }
}

// The defaults come with the first activation only; every activation lists
// the ports anew and keeps the chosen one while it is listed.
TEST_F(InstavoTest, ComingBackToTheWindowKeepsTheChoice) {
  ports_.Add(L"0000", L"COM3");
  ports_.Add(L"0001", L"COM7");
  KitRun run(L"activation");
  Instavo& window = *run.instavo;
  EXPECT_EQ(window.Selected(ComboBox3), 0);
  EXPECT_EQ(window.Selected(ComboBox4), 0);
  EXPECT_EQ(window.Text(ComboBox2), L"9600");
  EXPECT_EQ(window.Text(ComboBox1), L"COM3");
  EXPECT_TRUE(IsWindowVisible(window.Control(TabSheet1)));

  window.Choose(ComboBox3, 3);
  window.Choose(ComboBox2, 2);
  window.Choose(ComboBox1, 1);
  const auto come_back = [&window] {
    const HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                                       nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    DestroyWindow(other);
    SetForegroundWindow(window.Window());
    SendMessageW(window.Window(), WM_NULL, 0, 0);
  };

  ports_.Add(L"0002", L"COM5");
  come_back();
  EXPECT_EQ(window.Items(ComboBox1), (std::vector<std::wstring>{L"COM3", L"COM7", L"COM5"}));
  EXPECT_EQ(window.Text(ComboBox1), L"COM7");
  EXPECT_EQ(window.Selected(ComboBox3), 3);
  EXPECT_EQ(window.Text(ComboBox2), L"57600");

  ports_.Remove(L"0001");
  come_back();
  EXPECT_EQ(window.Text(ComboBox1), L"COM3") << "a port no longer listed gives way to the first";
}

}  // namespace
}  // namespace lumero::test
