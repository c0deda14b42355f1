#include "instavo_driver.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "com_support.h"
#include "installer/control_ids.h"

namespace lumero::test {
namespace {

constexpr DWORD kPollMs = 50;

std::string ReadFile(const std::wstring& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::wstring TextOf(HWND window) {
  wchar_t text[1024] = {};
  SendMessageW(window, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text));
  return text;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, static_cast<int>(std::size(name)));
  return name;
}

// The first visible top-level window of `process` with the class and, if
// given, the title.
HWND FindTopLevel(DWORD process, const wchar_t* class_name, const wchar_t* title) {
  struct Search {
    DWORD process;
    const wchar_t* class_name;
    const wchar_t* title;
    HWND found;
  } search{process, class_name, title, nullptr};
  EnumWindows(
      [](HWND window, LPARAM context) -> BOOL {
        auto* s = reinterpret_cast<Search*>(context);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != s->process || !IsWindowVisible(window) || ClassOf(window) != s->class_name ||
            (s->title != nullptr && TextOf(window) != s->title))
          return TRUE;
        s->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

template <class Condition>
bool WaitUntil(DWORD timeout_ms, Condition condition) {
  for (DWORD waited = 0;; waited += kPollMs) {
    if (condition()) return true;
    if (waited >= timeout_ms) return false;
    Sleep(kPollMs);
  }
}

}  // namespace

void PrepareKit(const std::wstring& folder, const wchar_t* left_out) {
  CreateDirectoryW(folder.c_str(), nullptr);
  const std::wstring build_kit = ThroughDriveZ(LUMERO_INSTAVO_KIT) + L"\\";
  const std::wstring files[][2] = {
      {build_kit + L"Instavo.exe", L"Instavo.exe"},
      {build_kit + L"Lumero.dl_", L"Lumero.dl_"},
      {BesideProgram(L"OPOSFiscalPrinter.oc_"), L"OPOSFiscalPrinter.oc_"},
  };
  for (const auto& [from, name] : files) {
    if (left_out == nullptr || name != left_out) {
      ASSERT_TRUE(CopyFileW(from.c_str(), (folder + L"\\" + name).c_str(), FALSE)) << "cannot copy";
    }
  }
  if (left_out == nullptr || std::wstring(left_out) != L"Lumeronk.dl_")
    std::ofstream((folder + L"\\Lumeronk.dl_").c_str(), std::ios::binary)
        << ReadFile(build_kit + L"Lumeronk.dl_") << "variant";
}

bool SameFile(const std::wstring& a, const std::wstring& b) {
  const std::string first = ReadFile(a);
  return !first.empty() && first == ReadFile(b);
}

Instavo::Instavo(const std::wstring& kit, bool registration_fails) {
  if (registration_fails) SetEnvironmentVariableW(L"INSTAVO_TEST_REGISTRATION_FAILS", L"1");
  std::wstring command_line = L"\"" + kit + L"\\Instavo.exe\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  const BOOL started = CreateProcessW(nullptr, command_line.data(), nullptr, nullptr, FALSE, 0,
                                      nullptr, kit.c_str(), &startup, &process_);
  SetEnvironmentVariableW(L"INSTAVO_TEST_REGISTRATION_FAILS", nullptr);
  if (!started) {
    ADD_FAILURE() << "cannot start Instavo.exe: error " << GetLastError();
    return;
  }
  WaitUntil(15000, [this] {
    window_ = FindTopLevel(process_.dwProcessId, instavo::FormClassName, nullptr);
    return window_ != nullptr;
  });
  if (window_ == nullptr) {
    ADD_FAILURE() << "no window";
    return;
  }
  SendMessageW(window_, WM_NULL, 0, 0);  // returns once the window is up and activated
}

Instavo::~Instavo() {
  if (process_.hProcess == nullptr) return;
  if (WaitForExit(0) == STILL_ACTIVE && window_ != nullptr) Click(instavo::Button1);
  if (WaitForExit(15000) == STILL_ACTIVE) TerminateProcess(process_.hProcess, 1);
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

HWND Instavo::Control(int id) const {
  struct Search {
    int id;
    HWND found;
  } search{id, nullptr};
  EnumChildWindows(
      window_,
      [](HWND child, LPARAM context) -> BOOL {
        auto* s = reinterpret_cast<Search*>(context);
        if (GetDlgCtrlID(child) != s->id) return TRUE;
        s->found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::wstring Instavo::Text(int id) const { return TextOf(Control(id)); }

// The text the system keeps for another process's window: no message is sent.
std::wstring Instavo::Status() const {
  wchar_t text[256] = {};
  GetWindowTextW(Control(instavo::Label4), text, static_cast<int>(std::size(text)));
  return text;
}

int Instavo::Selected(int combo) const {
  return static_cast<int>(SendMessageW(Control(combo), CB_GETCURSEL, 0, 0));
}

std::vector<std::wstring> Instavo::Items(int combo) const {
  std::vector<std::wstring> items;
  const HWND control = Control(combo);
  const LRESULT count = SendMessageW(control, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    wchar_t item[256] = {};
    if (SendMessageW(control, CB_GETLBTEXTLEN, i, 0) < static_cast<LRESULT>(std::size(item)))
      SendMessageW(control, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
    items.push_back(item);
  }
  return items;
}

int Instavo::Progress() const {
  return static_cast<int>(SendMessageW(Control(instavo::ProgressBar1), PBM_GETPOS, 0, 0));
}

void Instavo::Choose(int combo, int item) {
  const HWND control = Control(combo);
  SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
  SendMessageW(GetParent(control), WM_COMMAND, MAKEWPARAM(combo, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(control));
}

void Instavo::SetFolder(const std::wstring& folder) {
  SendMessageW(Control(instavo::DirectoryEdit1Text), WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>(folder.c_str()));
}

void Instavo::Click(int button) { PostMessageW(Control(button), BM_CLICK, 0, 0); }

bool Instavo::WaitForStatus(const std::wstring& text, DWORD timeout_ms) const {
  return WaitUntil(timeout_ms, [&] { return Status() == text; });
}

// Closing a message box can stall the program for about 2 s under Wine.
std::wstring Instavo::CloseMessageBox(DWORD timeout_ms) const {
  HWND box = nullptr;
  if (!WaitUntil(timeout_ms, [&] {
        box = FindTopLevel(process_.dwProcessId, L"#32770", L"Instavo");
        return box != nullptr;
      }))
    return L"";
  std::wstring text;
  for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
    if (ClassOf(child) == L"Static" && !TextOf(child).empty()) text = TextOf(child);
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(WaitUntil(5000, [box] { return !IsWindow(box); })) << "the message box stays";
  return text;
}

DWORD Instavo::WaitForExit(DWORD timeout_ms) const {
  WaitForSingleObject(process_.hProcess, timeout_ms);
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

void Instavo::SaveScreenshot(const std::wstring& bmp_path) const {
  // Pending repaints run once the program is back in its message loop.
  SendMessageW(window_, WM_NULL, 0, 0);
  Sleep(300);
  RECT frame;
  GetWindowRect(window_, &frame);
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  const HDC screen = GetDC(nullptr);
  const HDC memory = CreateCompatibleDC(screen);
  const HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  const HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, frame.left, frame.top, SRCCOPY);
  SelectObject(memory, old);

  BITMAPINFOHEADER info{sizeof info, width, height, 1, 24, BI_RGB};
  const DWORD row = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
  std::string pixels(row * static_cast<DWORD>(height), '\0');
  GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(),
            reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);

  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
  std::ofstream out(bmp_path.c_str(), std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&info), sizeof info);
  out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
}

}  // namespace lumero::test
