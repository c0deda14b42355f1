// Instavo.exe end to end, driven as a user drives it: choices made through
// the notices a user's picks send, buttons clicked, message boxes read; then
// the installed files and registry values read back, and the installed
// service object opened by the scripted OPOS client against the simulated
// printer on COM7.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "com_support.h"
#include "installer/control_ids.h"
#include "opos_client/runner.h"
#include "opos_client/text.h"
#include "seeded_ports.h"
#include "sim_session.h"

namespace lumero::test {
namespace {

using namespace instavo;

constexpr DWORD kInstallMs = 20000;  // ten steps of 500 ms, at Wine's pace
const std::wstring kInstalled = L"OPOS FiscPrinter инсталлирован";
const std::wstring kPrinters = L"SOFTWARE\\OLEforRetail\\ServiceOPOS\\FiscalPrinter";

std::string Utf8(const std::wstring& text) { return oposclient::WideToUtf8(text); }

std::string FileBytes(const std::wstring& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool SameFile(const std::wstring& a, const std::wstring& b) {
  return !FileBytes(a).empty() && FileBytes(a) == FileBytes(b);
}

template <class Condition>
bool WaitUntil(DWORD timeout_ms, Condition condition) {
  for (DWORD waited = 0; !condition(); waited += 20) {
    if (waited >= timeout_ms) return false;
    Sleep(20);
  }
  return true;
}

std::wstring Value(const std::wstring& key, const wchar_t* name) {
  return ReadText(HKEY_LOCAL_MACHINE, key, name);
}

long long Number(const std::wstring& key, const wchar_t* name) {  // -1: no REG_DWORD
  DWORD value = 0, bytes = sizeof value;
  return RegGetValueW(HKEY_LOCAL_MACHINE, key.c_str(), name, RRF_RT_REG_DWORD, nullptr, &value, &bytes) ==
                 ERROR_SUCCESS
             ? value
             : -1;
}

std::wstring TextOf(HWND window) {
  wchar_t text[512] = {};
  SendMessageW(window, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text));
  return text;
}

std::wstring ScratchFolder(const std::wstring& name) {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::wstring root = std::wstring(temp) + L"instavo";
  CreateDirectoryW(root.c_str(), nullptr);
  CreateDirectoryW((root + L"\\" + name).c_str(), nullptr);
  return root + L"\\" + name;
}

HWND FindTopLevel(DWORD process, const wchar_t* class_name, const wchar_t* title) {
  for (HWND window = FindWindowExW(nullptr, nullptr, class_name, title); window != nullptr;
       window = FindWindowExW(nullptr, window, class_name, title)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == process && IsWindowVisible(window)) return window;
  }
  return nullptr;
}

HWND FindControl(HWND parent, int id) {
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetDlgCtrlID(child) == id) return child;
    if (const HWND found = FindControl(child, id)) return found;
  }
  return nullptr;
}

// One Instavo.exe started in a kit folder of its own below %TEMP%\instavo\NAME:
// Instavo.exe, Lumero.dl_, Lumeronk.dl_ (a few bytes longer, so that the two
// can be told apart once installed) and the stand-in Control Object, less
// `left_out` (one of the last two). Its folder box names NAME\target.
class Instavo {
 public:
  explicit Instavo(const std::wstring& name, const wchar_t* left_out = nullptr,
                   bool registration_fails = false)
      : folder(ScratchFolder(name)), kit(folder + L"\\kit"), target(folder + L"\\target") {
    CreateDirectoryW(kit.c_str(), nullptr);
    const std::wstring build_kit = ThroughDriveZ(LUMERO_INSTAVO_KIT) + L"\\";
    const std::wstring files[][2] = {{build_kit + L"Instavo.exe", L"Instavo.exe"},
                                     {build_kit + L"Lumero.dl_", L"Lumero.dl_"},
                                     {BesideProgram(L"OPOSFiscalPrinter.oc_"), L"OPOSFiscalPrinter.oc_"}};
    for (const auto& [from, file] : files)
      if (left_out == nullptr || file != left_out)
        CopyFileW(from.c_str(), (kit + L"\\" + file).c_str(), FALSE);
    std::ofstream((kit + L"\\Lumeronk.dl_").c_str(), std::ios::binary)
        << FileBytes(build_kit + L"Lumeronk.dl_") << "nk";

    if (registration_fails) SetEnvironmentVariableW(L"INSTAVO_TEST_REGISTRATION_FAILS", L"1");
    std::wstring command_line = L"\"" + kit + L"\\Instavo.exe\"";
    STARTUPINFOW startup{sizeof startup};
    const BOOL started = CreateProcessW(nullptr, command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                        kit.c_str(), &startup, &process_);
    SetEnvironmentVariableW(L"INSTAVO_TEST_REGISTRATION_FAILS", nullptr);
    EXPECT_TRUE(started) << "cannot start Instavo.exe: error " << GetLastError();
    if (started && WaitUntil(15000, [this] {
          return (window_ = FindTopLevel(process_.dwProcessId, FormClassName, nullptr)) != nullptr;
        })) {
      SendMessageW(window_, WM_NULL, 0, 0);  // returns once the window is up and activated
      SetFolder(target);
    } else {
      ADD_FAILURE() << "no window";
    }
  }
  ~Instavo() {
    if (process_.hProcess == nullptr) return;
    if (ExitCode(0) == STILL_ACTIVE) Click(Button1);
    if (ExitCode(15000) == STILL_ACTIVE) TerminateProcess(process_.hProcess, 1);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  Instavo(const Instavo&) = delete;
  Instavo& operator=(const Instavo&) = delete;

  HWND Window() const { return window_; }
  DWORD Pid() const { return process_.dwProcessId; }
  HWND Control(int id) const { return FindControl(window_, id); }
  std::wstring Text(int id) const { return TextOf(Control(id)); }
  bool Enabled(int id) const { return IsWindowEnabled(Control(id)); }
  int Selected(int combo) const { return static_cast<int>(SendMessageW(Control(combo), CB_GETCURSEL, 0, 0)); }
  int Progress() const { return static_cast<int>(SendMessageW(Control(ProgressBar1), PBM_GETPOS, 0, 0)); }
  // The text the system keeps for the status line: read without waiting for the program.
  std::wstring Status() const {
    wchar_t text[256] = {};
    GetWindowTextW(Control(Label4), text, static_cast<int>(std::size(text)));
    return text;
  }
  std::vector<std::wstring> Ports() const {
    std::vector<std::wstring> ports;
    const HWND list = Control(ComboBox1);
    for (WPARAM i = 0; i < static_cast<WPARAM>(SendMessageW(list, CB_GETCOUNT, 0, 0)); ++i) {
      wchar_t port[64] = {};
      if (SendMessageW(list, CB_GETLBTEXTLEN, i, 0) < 64)
        SendMessageW(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(port));
      ports.push_back(port);
    }
    return ports;
  }

  void Choose(int combo, int item) {
    const HWND control = Control(combo);
    SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
    SendMessageW(GetParent(control), WM_COMMAND, MAKEWPARAM(combo, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(control));
  }
  void SetFolder(const std::wstring& text) {  // typing is off: the dialog would set it so
    SendMessageW(Control(DirectoryEdit1Text), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  void Click(int button) { PostMessageW(Control(button), BM_CLICK, 0, 0); }

  // The text of the program's message box, which is then closed (that may
  // stall the program for about 2 s under Wine); empty when none came.
  std::wstring CloseMessageBox() const {
    HWND box = nullptr;
    if (!WaitUntil(15000, [&] {
          return (box = FindTopLevel(process_.dwProcessId, L"#32770", L"Instavo")) != nullptr;
        }))
      return L"";
    std::wstring text;
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
      if (!TextOf(child).empty() && GetDlgCtrlID(child) != IDOK) text = TextOf(child);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitUntil(5000, [box] { return !IsWindow(box); })) << "the message box stays";
    return text;
  }
  DWORD ExitCode(DWORD timeout_ms) const {  // STILL_ACTIVE while it runs
    WaitForSingleObject(process_.hProcess, timeout_ms);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
  }

  // The window as the screen shows it, as a 24-bit BMP file.
  void SaveScreenshot(const std::wstring& path) const {
    SendMessageW(window_, WM_NULL, 0, 0);
    Sleep(300);  // the repaints that wait for the program's message loop
    RECT frame;
    GetWindowRect(window_, &frame);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    const HDC screen = GetDC(nullptr), memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, frame.left, frame.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFOHEADER info{sizeof info, width, height, 1, 24, BI_RGB};
    std::string pixels(((static_cast<size_t>(width) * 3 + 3) & ~size_t{3}) * static_cast<size_t>(height),
                       '\0');
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(),
              reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    BITMAPFILEHEADER file{0x4D42};  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    std::ofstream out(path.c_str(), std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out << pixels;
  }

  std::wstring folder, kit, target;

 private:
  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
};

class InstavoTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_HRESULT_SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)); }
  void TearDown() override { CoUninitialize(); }
};

// Every step shows; choices changed during the procedure's pauses do not
// reach it; the installed service object opens, claims and enables.
TEST_F(InstavoTest, InstallsTheServiceObjectThatTheOposClientThenEnables) {
  const SeededPorts ports({"COM3", "COM" + std::to_string(SimSession::ComPort())});
  Instavo window(L"main");
  const std::wstring device = kPrinters + L"\\Vornik_MR62_1.11";
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, device.c_str());
  window.Choose(ComboBox3, 2);
  window.Choose(ComboBox1, 1);
  window.Choose(ComboBox2, 3);
  window.Click(Button2);

  std::vector<std::wstring> steps;
  std::thread meddler;  // its changes wait for the program, the steps do not
  WaitUntil(kInstallMs, [&] {
    const std::wstring status = window.Status();
    if (!steps.empty() && steps.back() == status) return false;
    steps.push_back(status);
    std::printf("  step: %s\n", Utf8(status).c_str());
    if (status == L"Подготовка каталога") {
      EXPECT_FALSE(window.Enabled(ComboBox3)) << "choices are locked while installing";
      meddler = std::thread([&window] {
        window.Choose(ComboBox3, 8);
        window.Choose(ComboBox2, 0);
        window.SetFolder(window.folder + L"\\elsewhere");
      });
    }
    return status == kInstalled;
  });
  if (meddler.joinable()) meddler.join();
  EXPECT_EQ(steps,
            (std::vector<std::wstring>{
                L"Выберите целевой каталог, параметры и нажмите \"Инсталлировать\"",
                L"Инсталляция OPOS объектов", L"Подготовка каталога", L"Копирование Control объекта",
                L"Копирование Service объекта", L"Регистрация Control объекта",
                L"Регистрация Service объекта", L"Добавление записей о Control объекте в реестр Windows",
                L"Добавление записей о Service объекте в реестр Windows", L"End installation", kInstalled}));
  EXPECT_EQ(window.Progress(), 10);
  EXPECT_FALSE(window.Enabled(Button2)) << "one install per run";
  EXPECT_TRUE(window.Enabled(ComboBox3));
  GUITHREADINFO keyboard{sizeof keyboard};
  GetGUIThreadInfo(GetWindowThreadProcessId(window.Window(), nullptr), &keyboard);
  EXPECT_EQ(keyboard.hwndFocus, window.Control(Button1)) << "the disabled button handed the focus on";
  window.SaveScreenshot(ThroughDriveZ(LUMERO_INSTAVO_SCREENSHOT));

  const std::wstring target = window.target + L"\\";
  EXPECT_TRUE(SameFile(window.kit + L"\\OPOSFiscalPrinter.oc_", target + L"OPOSFiscalPrinter.ocx"));
  EXPECT_TRUE(SameFile(window.kit + L"\\Lumero.dl_", target + L"Lumero.dll"));
  EXPECT_NE(GetFileAttributesW((target + L"DllRegisterServer.called").c_str()), INVALID_FILE_ATTRIBUTES)
      << "the Control Object was registered";
  const std::wstring controls = L"SOFTWARE\\OLEforRetail\\ServiceInfo\\OposCCOs";
  const struct {
    std::wstring key;
    const wchar_t* name;  // nullptr: the default value
    std::wstring expected;
  } texts[] = {
      {controls, L"COFiscalPrinterAuthor", L"Lumero project"},
      {controls, L"COFiscalPrinterVersion", L"1.11.000"},
      {controls, L"COFiscalPrinterCompany", L"Lumero project"},
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
  for (const auto& text : texts) {
    const std::string name = text.name ? Utf8(text.name) : "";
    std::printf("  HKLM\\%s \"%s\" = \"%s\"\n", Utf8(text.key).c_str(), name.c_str(),
                Utf8(Value(text.key, text.name)).c_str());
    EXPECT_EQ(Value(text.key, text.name), text.expected) << name;
  }
  std::printf("  HKLM\\%s \"BaudRate\" = %lld (REG_DWORD)\n", Utf8(device).c_str(),
              Number(device, L"BaudRate"));
  EXPECT_EQ(Number(device, L"BaudRate"), 115200);
  CLSID server{};
  ASSERT_EQ(CLSIDFromProgID(L"Lumero.MR62Retail", &server), S_OK);
  EXPECT_EQ(ReadText(L"CLSID\\" + GuidText(server) + L"\\InprocServer32"), target + L"Lumero.dll");

  window.Click(Button1);
  EXPECT_EQ(window.ExitCode(10000), 0u);
  const auto sim = SimSession::ConnectClean();
  ASSERT_EQ(sim->Call("model on")[0], "OK");
  std::vector<std::string> lines;
  oposclient::Runner client([&lines](const std::string& line) { lines.push_back(line); }, true);
  client.Run(oposclient::ParseScenario(
      "open Vornik_MR62_1.11\ncall ClaimDevice 1000\nput DeviceEnabled true\nclose\n"));
  for (const std::string& line : lines) std::printf("  client: %s\n", line.c_str());
  EXPECT_EQ(lines, (std::vector<std::string>{"OpenService -> 0", "ClaimDevice -> 0",
                                             "DeviceEnabled = true -> 0", "CloseService -> 0"}));
}

// Rows 7 to 9 have no row in the service object: no "Description", and
// "FiscPrinter" keeps its value. With no port device "Port" is empty.
// "Закрыть" pressed while the procedure runs ends the program after it.
TEST_F(InstavoTest, ModelsUnknownToTheServiceObjectLeaveTheCurrentDeviceAlone) {
  const wchar_t current[] = L"Vornik_MR20_1.11";
  RegSetKeyValueW(HKEY_LOCAL_MACHINE, kPrinters.c_str(), L"FiscPrinter", REG_SZ, current, sizeof current);
  const struct {
    int row;
    const wchar_t* device;
    const wchar_t* library;
  } rows[] = {{7, L"Vornik_MR38_1.11", L"Lumero.dl_"},
              {8, L"Vornik_MR49nk_1.11", L"Lumeronk.dl_"},
              {9, L"Vornik_MR41nk_1.11", L"Lumeronk.dl_"}};
  std::vector<std::unique_ptr<Instavo>> windows;
  for (const auto& row : rows) {
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, (kPrinters + L"\\" + row.device).c_str());
    windows.push_back(std::make_unique<Instavo>(L"row" + std::to_wstring(row.row)));
    EXPECT_EQ(windows.back()->Ports(), std::vector<std::wstring>{});
    windows.back()->Choose(ComboBox3, row.row);
    windows.back()->Click(Button2);
  }
  windows.back()->Click(Button1);
  EXPECT_EQ(windows.back()->ExitCode(1000), static_cast<DWORD>(STILL_ACTIVE)) << "closing waits";

  for (size_t i = 0; i < std::size(rows); ++i) {
    SCOPED_TRACE(rows[i].row);
    if (i + 1 < std::size(rows))
      EXPECT_TRUE(WaitUntil(kInstallMs, [&] { return windows[i]->Status() == kInstalled; }));
    else
      EXPECT_EQ(windows[i]->ExitCode(kInstallMs), 0u);
    const std::wstring device = kPrinters + L"\\" + rows[i].device;
    EXPECT_TRUE(SameFile(windows[i]->kit + L"\\" + rows[i].library, windows[i]->target + L"\\Lumero.dll"));
    EXPECT_EQ(Value(device, nullptr), L"Lumero.MR62Retail");
    EXPECT_EQ(Value(device, L"Description"), L"<missing>");
    EXPECT_EQ(Value(device, L"Port"), L"");
    EXPECT_EQ(Number(device, L"BaudRate"), 9600);
    EXPECT_EQ(Value(device, L"Version"), L"1.11") << "the last value is written";
  }
  EXPECT_EQ(Value(kPrinters, L"FiscPrinter"), current);
}

// The procedure stops at its first failure with a message box; the program
// goes on, its button stays disabled.
TEST_F(InstavoTest, FailuresStopAtTheirStepWithAMessage) {
  const struct {
    const wchar_t* name;
    const wchar_t* left_out;
    bool registration_fails;
    const wchar_t* folder;  // below the run's folder; nullptr: empty
    int model_item;         // -1: a model typed by hand
    int interface_item;     // -1: no page is active
    int step;
    const wchar_t* message;  // nullptr: the folder's message
  } failures[] = {
      {L"parentless", nullptr, false, L"no\\parent", 0, 0, 2, nullptr},
      {L"empty", nullptr, false, nullptr, 0, 0, 2, L"Ошибка создания каталога,  каталог."},
      {L"nocontrol", L"OPOSFiscalPrinter.oc_", false, L"target", 0, 0, 3,
       L"Ошибка копирования файла: OPOSFiscalPrinter.ocx."},
      {L"nolibrary", L"Lumero.dl_", false, L"target", 0, 0, 4, L"Ошибка копирования файла: Lumero.dll."},
      {L"nomodel", nullptr, false, L"target", -1, 0, 4, L"Ошибка копирования файла: Lumero.dll."},
      {L"refused", nullptr, true, L"target", 0, 0, 5, L"Ошибка регистрации Control объекта (ocx)!"},
      {L"nopage", nullptr, false, L"target", 0, -1, 8, L"Failed to set data for 'SOFiscalPrinterAuthor'"},
  };
  std::vector<std::unique_ptr<Instavo>> windows;
  for (const auto& failure : failures) {
    windows.push_back(std::make_unique<Instavo>(failure.name, failure.left_out, failure.registration_fails));
    windows.back()->SetFolder(failure.folder ? windows.back()->folder + L"\\" + failure.folder : L"");
    windows.back()->Choose(ComboBox3, failure.model_item);
    windows.back()->Choose(ComboBox4, failure.interface_item);
    windows.back()->Click(Button2);
  }
  for (size_t i = 0; i < std::size(failures); ++i) {
    SCOPED_TRACE(Utf8(failures[i].name));
    const std::wstring expected =
        failures[i].message ? failures[i].message
                            : L"Ошибка создания каталога, " + windows[i]->folder + L"\\no\\parent каталог.";
    EXPECT_EQ(Utf8(windows[i]->CloseMessageBox()), Utf8(expected));
    EXPECT_EQ(windows[i]->Progress(), failures[i].step);
    EXPECT_FALSE(windows[i]->Enabled(Button2));
    EXPECT_EQ(windows[i]->ExitCode(0), static_cast<DWORD>(STILL_ACTIVE));
  }
}

// A kit copied from a CD is read-only, and so would be the copies made of
// it: installing again into the same folder overwrites them all the same.
TEST_F(InstavoTest, InstallingAgainFromAReadOnlyKitOverwritesTheFiles) {
  std::wstring target;
  for (const wchar_t* run : {L"readonly1", L"readonly2"}) {
    SCOPED_TRACE(Utf8(run));
    Instavo window(run);
    for (const wchar_t* file : {L"OPOSFiscalPrinter.oc_", L"Lumero.dl_", L"Lumeronk.dl_"})
      SetFileAttributesW((window.kit + L"\\" + file).c_str(), FILE_ATTRIBUTE_READONLY);
    if (target.empty()) target = window.target;
    window.SetFolder(target);
    window.Click(Button2);
    EXPECT_TRUE(WaitUntil(kInstallMs, [&window] { return window.Status() == kInstalled; }));
    for (const wchar_t* file : {L"OPOSFiscalPrinter.ocx", L"Lumero.dll"})
      EXPECT_EQ(GetFileAttributesW((target + L"\\" + file).c_str()) & FILE_ATTRIBUTE_READONLY, 0u) << Utf8(file);
  }
}

// The browse dialog's folder is taken with its whole path, also at the length
// where a shell that builds paths in MAX_PATH buffers (Wine's) cuts them; a
// path that the shell cannot give whole is refused with a message, and the
// folder stays.
TEST_F(InstavoTest, TheBrowseDialogsFolderIsTakenWithItsWholePath) {
  Instavo window(L"browse");
  std::wstring parent = window.folder;
  while (parent.size() < 230) CreateDirectoryW((parent += L"\\abcdefghij").c_str(), nullptr);
  const auto open_dialog = [&window, &parent] {  // it opens at the folder box's folder
    window.SetFolder(parent);
    window.Click(DirectoryEdit1Button);
    HWND dialog = nullptr;
    WaitUntil(15000, [&] { return (dialog = FindTopLevel(window.Pid(), L"#32770", nullptr)) != nullptr; });
    return dialog;
  };
  // Wine's first folder dialog in a process may stop short of that folder.
  const HWND first = open_dialog();
  PostMessageW(first, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(WaitUntil(5000, [first] { return !IsWindow(first); }));

  const std::wstring whole = parent + L"\\" + std::wstring(MAX_PATH - 2 - parent.size(), L'w');
  const struct {
    std::wstring chosen, message, kept;
  } rows[] = {
      {whole, L"", whole},
      {parent + L"\\" + std::wstring(60, L'x'),
       L"Не удалось прочитать полный путь выбранного каталога; каталог остаётся прежним.", parent},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.chosen.size());
    CreateDirectoryW((L"\\\\?\\" + row.chosen).c_str(), nullptr);  // the parent's only child
    const HWND dialog = open_dialog();
    const HWND tree = FindWindowExW(dialog, nullptr, WC_TREEVIEWW, nullptr);
    const LPARAM opened = SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0);
    SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, opened);
    SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CHILD, opened));
    PostMessageW(FindControl(dialog, IDOK), BM_CLICK, 0, 0);
    EXPECT_EQ(Utf8(row.message.empty() ? L"" : window.CloseMessageBox()), Utf8(row.message));
    EXPECT_TRUE(WaitUntil(5000, [dialog] { return !IsWindow(dialog); }));
    EXPECT_EQ(Utf8(window.Text(DirectoryEdit1Text)), Utf8(row.kept));
    RemoveDirectoryW((L"\\\\?\\" + row.chosen).c_str());
  }
}

// The defaults come with the first activation only; every activation lists
// the ports anew and keeps the chosen one while it is listed.
TEST_F(InstavoTest, ComingBackToTheWindowKeepsTheChoice) {
  const SeededPorts com3({"COM3"});
  auto com7 = std::make_unique<SeededPorts>(std::vector<std::optional<std::string>>{"COM7"}, 1);
  Instavo window(L"activation");
  EXPECT_EQ(window.Selected(ComboBox3), 0);
  EXPECT_EQ(window.Selected(ComboBox4), 0);
  EXPECT_EQ(window.Text(ComboBox2), L"9600");
  EXPECT_EQ(window.Text(ComboBox1), L"COM3");
  EXPECT_TRUE(IsWindowVisible(window.Control(TabSheet1)));
  window.Choose(ComboBox3, 3);
  window.Choose(ComboBox2, 2);
  window.Choose(ComboBox1, 1);
  const auto come_back = [&window] {
    const HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 9, 9, nullptr, nullptr,
                                       nullptr, nullptr);
    SetForegroundWindow(other);
    DestroyWindow(other);
    SetForegroundWindow(window.Window());
    SendMessageW(window.Window(), WM_NULL, 0, 0);
  };

  const SeededPorts com5({"COM5"}, 2);
  come_back();
  EXPECT_EQ(window.Ports(), (std::vector<std::wstring>{L"COM3", L"COM7", L"COM5"}));
  EXPECT_EQ(window.Text(ComboBox1), L"COM7");
  EXPECT_EQ(window.Selected(ComboBox3), 3);
  EXPECT_EQ(window.Text(ComboBox2), L"57600");

  com7.reset();
  come_back();
  EXPECT_EQ(window.Text(ComboBox1), L"COM3") << "a port no longer listed gives way to the first";
}

}  // namespace
}  // namespace lumero::test
