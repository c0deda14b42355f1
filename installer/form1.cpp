#include "installer/form1.h"

#include <commctrl.h>

#include <stdexcept>
#include <vector>

#include "installer/error_display.h"
#include "installer/folder_dialog.h"
#include "installer/gradient_caption.h"
#include "installer/portcontrol/port_enumeration.h"
#include "installer/wide_text.h"

TForm1* Form1 = nullptr;

using namespace instavo;

namespace {

constexpr int ClientWidth = 662;
constexpr int ClientHeight = 463;
constexpr DWORD FormStyle = WS_CAPTION | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CLIPCHILDREN;
// APPWINDOW: the only window keeps its taskbar button, or a covered one is lost.
constexpr DWORD FormExStyle = WS_EX_TOOLWINDOW | WS_EX_APPWINDOW;

// Tab stops in order; a control that is hidden or disabled is passed over.
constexpr int TabOrder[] = {Button1,   DirectoryEdit1Text, DirectoryEdit1Button, ListBox1, Button2, ComboBox3,
                            ComboBox4, PageControl1,       ComboBox1,            ComboBox2, Edit1,   Edit2};

// What the user chooses; none of it changes while the procedure runs.
constexpr int ChoiceControls[] = {
    DirectoryEdit1Text, DirectoryEdit1Button, ComboBox3, ComboBox4, PageControl1, ComboBox1, ComboBox2};

std::wstring CurrentDirectory() {
  std::vector<wchar_t> folder(GetCurrentDirectoryW(0, nullptr) + 1);
  const DWORD length = GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data());
  return std::wstring(folder.data(), length < folder.size() ? length : 0);
}

}  // namespace

TForm1::TForm1() {
  PortControl1.Timeout().ReadTotalTimeoutConstant = 1000;
  PortControl1.DTR = dtrcontrol::DTR_HANDSHAKE;
  PortControl1.RTS = rtscontrol::RTS_HANDSHAKE;
  PortControl1.DataBits = databit::Bits8;
  PortControl1.BaudRate = speed::S009600;

  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW form{sizeof form};
  form.lpfnWndProc = WindowProc;
  form.hInstance = instance;
  form.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  form.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  form.lpszClassName = FormClassName;
  if (!RegisterClassExW(&form)) throw std::runtime_error("cannot register the window class");

  RECT frame{0, 0, ClientWidth, ClientHeight};
  AdjustWindowRectEx(&frame, FormStyle, FALSE, FormExStyle);
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  if (!CreateWindowExW(FormExStyle, FormClassName, L"Vornik Fiscal printer OPOS installation", FormStyle,
                       left, top, width, height, nullptr, nullptr, instance, this))
    throw std::runtime_error("cannot create the window");
  KeepOwnCaption(handle_);
  try {
    CreateControls();
  } catch (...) {
    // No message may reach a form that is never finished.
    SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
    DestroyWindow(handle_);
    DeleteObject(font_);
    DeleteObject(titleFont_);
    throw;
  }
  ShowWindow(handle_, SW_SHOWNORMAL);
  UpdateWindow(handle_);
}

TForm1::~TForm1() {
  if (handle_ != nullptr) DestroyWindow(handle_);
  DeleteObject(font_);
  DeleteObject(titleFont_);
}

void TForm1::Dispatch(MSG& message) {
  if (MoveFocusByTab(message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

void TForm1::ProcessMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {  // the main loop's to take
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    Dispatch(message);
  }
}

void TForm1::InstallStep(int step, const wchar_t* text) {
  SetWindowTextW(Control(Label4), text);
  SendMessageW(Control(ProgressBar1), PBM_SETPOS, static_cast<WPARAM>(step), 0);
  RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

LRESULT CALLBACK TForm1::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* form = static_cast<TForm1*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    form->handle_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  auto* form = reinterpret_cast<TForm1*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (form == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  // No exception may cross the system's dispatch: show it here.
  try {
    return form->HandleMessage(message, wParam, lParam);
  } catch (...) {
    ShowCurrentException(window);
    return 0;
  }
}

LRESULT TForm1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCACTIVATE: {
      captionActive_ = wParam != FALSE;
      const LRESULT result = DefWindowProcW(handle_, message, wParam, lParam);
      PaintGradientCaption(handle_, captionActive_);
      return result;
    }
    case WM_NCPAINT:
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcW(handle_, message, wParam, lParam);
      PaintGradientCaption(handle_, captionActive_);
      return result;
    }
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (IsChild(handle_, focus)) lastFocus_ = focus;
      } else {
        FormActivate();
        RestoreFocus();
      }
      return 0;
    case WM_COMMAND:
      HandleCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_NOTIFY: {
      const auto* notice = reinterpret_cast<const NMHDR*>(lParam);
      if (notice->idFrom == PageControl1 && notice->code == TCN_SELCHANGE) PageControl1Change();
      return 0;
    }
    case WM_CTLCOLORSTATIC:
      // The folder box is read-only only because the dialog chooses the folder.
      if (reinterpret_cast<HWND>(lParam) == Control(DirectoryEdit1Text) &&
          IsWindowEnabled(Control(DirectoryEdit1Text))) {
        SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
      }
      break;
    case WM_CLOSE:
      Button1Click();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY: {
      const HWND window = handle_;
      handle_ = nullptr;
      return DefWindowProcW(window, message, wParam, lParam);
    }
  }
  return DefWindowProcW(handle_, message, wParam, lParam);
}

void TForm1::HandleCommand(int id, int code) {
  switch (id) {
    case Button1:
      if (code == BN_CLICKED) Button1Click();
      break;
    case Button2:
      if (code == BN_CLICKED) RunInstall();
      break;
    case DirectoryEdit1Button:
      if (code == BN_CLICKED) BrowseFolder();
      break;
    case ComboBox4:
      if (code == CBN_SELCHANGE || code == CBN_EDITCHANGE) ComboBox4Change();
      break;
  }
}

// The defaults are set once: coming back to the window keeps the user's
// choice. The port list and SourceDir follow the machine at every activation.
void TForm1::FormActivate() {
  if (!activated_) {
    activated_ = true;
    SendMessageW(Control(ComboBox2), CB_SETCURSEL, 0, 0);
    SendMessageW(Control(ComboBox3), CB_SETCURSEL, 0, 0);
    SendMessageW(Control(ComboBox4), CB_SETCURSEL, 0, 0);
    SetActivePage(0);
  }
  FillPortList();
  SourceDir = CurrentDirectory();
}

// Pressed while the procedure runs, it takes effect when the procedure ends.
void TForm1::Button1Click() {
  if (installing_)
    closeRequested_ = true;
  else
    DestroyWindow(handle_);
}

void TForm1::Button2Click() {
  ProcessMessages();
  const HWND focus = GetFocus();
  EnableWindow(Control(Button2), FALSE);
  const TInstallChoice choice = TakeChoice();
  EnableChoices(false);
  // A control that is disabled drops the focus, and the keyboard would reach
  // nothing: the next tab stop takes it over ("Закрыть" after the button).
  if (focus != nullptr && !IsWindowEnabled(focus)) SetFocus(NextTabStop(focus, false));
  InstallOpos(choice, *this);
}

void TForm1::ComboBox4Change() {
  SetActivePage(static_cast<int>(SendMessageW(Control(ComboBox4), CB_GETCURSEL, 0, 0)));
}

// The one visible tab is that of the serial port page.
void TForm1::PageControl1Change() {
  SetActivePage(TabCtrl_GetCurSel(Control(PageControl1)) == 0 ? 0 : -1);
  SendMessageW(Control(ComboBox4), CB_SETCURSEL, static_cast<WPARAM>(activePage_), 0);
}

// One install per run: the button stays disabled, whatever the outcome.
void TForm1::RunInstall() {
  if (installing_ || !IsWindowEnabled(Control(Button2))) return;
  installing_ = true;
  try {
    Button2Click();
  } catch (...) {
    ShowCurrentException(handle_);
  }
  installing_ = false;
  EnableChoices(true);
  if (closeRequested_) DestroyWindow(handle_);
}

void TForm1::BrowseFolder() {
  const HWND text = Control(DirectoryEdit1Text);
  const std::wstring folder =
      BrowseForFolder(handle_, L"Выбрать каталог для расположения объектов", WindowText(text));
  if (!folder.empty()) SetWindowTextW(text, folder.c_str());
}

// Keeps the chosen port when it is still listed, else takes the first one.
void TForm1::FillPortList() {
  const HWND ports = Control(ComboBox1);
  const std::wstring chosen = WindowText(ports);
  SendMessageW(ports, CB_RESETCONTENT, 0, 0);
  // A listing left running would empty the list at every later activation.
  struct TListing {
    TListing() { BeginEnumeratePorts(); }
    ~TListing() { EndEnumeratePorts(); }
  } listing;
  for (;;) {
    const std::string name = EnumeratePorts();
    if (name.empty() || name == "0") break;
    SendMessageW(ports, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(FromAnsi(name).c_str()));
  }
  const LRESULT kept = chosen.empty() ? CB_ERR
                                      : SendMessageW(ports, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                     reinterpret_cast<LPARAM>(chosen.c_str()));
  SendMessageW(ports, CB_SETCURSEL, kept == CB_ERR ? 0 : static_cast<WPARAM>(kept), 0);
}

// Index 0 the serial port page, 1 the TCP/IP page, any other no page.
void TForm1::SetActivePage(int index) {
  activePage_ = index == 0 || index == 1 ? index : -1;
  ShowWindow(Control(TabSheet1), activePage_ == 0 ? SW_SHOW : SW_HIDE);
  ShowWindow(Control(TabSheet3), activePage_ == 1 ? SW_SHOW : SW_HIDE);
  TabCtrl_SetCurSel(Control(PageControl1), activePage_ == 0 ? 0 : -1);
}

TInstallChoice TForm1::TakeChoice() const {
  TInstallChoice choice;
  choice.Folder = WindowText(Control(DirectoryEdit1Text));
  choice.SourceDir = SourceDir;
  choice.ModelRow = static_cast<int>(SendMessageW(Control(ComboBox3), CB_GETCURSEL, 0, 0));
  choice.PageIndex = activePage_;
  choice.Port = WindowText(Control(ComboBox1));
  choice.Speed = WindowText(Control(ComboBox2));
  return choice;
}

void TForm1::EnableChoices(bool enabled) {
  for (int id : ChoiceControls) EnableWindow(Control(id), enabled);
}

bool TForm1::MoveFocusByTab(const MSG& message) {
  if (message.message != WM_KEYDOWN || message.wParam != VK_TAB) return false;
  if (message.hwnd != handle_ && !IsChild(handle_, message.hwnd)) return false;
  if (const HWND next = NextTabStop(GetFocus(), GetKeyState(VK_SHIFT) < 0)) SetFocus(next);
  return true;
}

void TForm1::RestoreFocus() {
  if (lastFocus_ != nullptr && IsWindow(lastFocus_) && IsWindowEnabled(lastFocus_) &&
      IsWindowVisible(lastFocus_)) {
    SetFocus(lastFocus_);
    return;
  }
  if (const HWND first = NextTabStop(nullptr, false)) SetFocus(first);
}

HWND TForm1::NextTabStop(HWND from, bool backwards) const {
  constexpr int count = static_cast<int>(std::size(TabOrder));
  int current = -1;
  for (int i = 0; i < count; ++i) {
    const HWND control = Control(TabOrder[i]);
    if (control == from || IsChild(control, from)) current = i;
  }
  const int step = backwards ? count - 1 : 1;
  int next = current < 0 ? (backwards ? 0 : count - 1) : current;
  for (int tried = 0; tried < count; ++tried) {
    next = (next + step) % count;
    const HWND control = Control(TabOrder[next]);
    if (IsWindowVisible(control) && IsWindowEnabled(control)) return control;
  }
  return nullptr;
}
