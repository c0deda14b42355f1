// The controls of the installer window: kinds, places, texts and fonts.
#include <windows.h>
#include <commctrl.h>

#include <cwchar>
#include <stdexcept>
#include <string>
#include <vector>

#include "installer/authors.h"
#include "installer/container.h"
#include "installer/form1.h"
#include "installer/model_table.h"

using namespace instavo;

namespace {

struct TControlLayout {
  int Id;
  int Parent;  // 0: the window itself
  const wchar_t* ClassName;
  const wchar_t* Text;
  DWORD Style;
  DWORD ExStyle;
  int Left, Top, Width, Height;  // width 0: as wide and high as the text; a page fills its page control
};

constexpr DWORD Child = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
constexpr DWORD Label = Child | SS_NOPREFIX | SS_LEFTNOWORDWRAP;
constexpr DWORD List = Child | WS_VSCROLL | CBS_DROPDOWNLIST;
constexpr DWORD Editable = Child | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL;
constexpr int DropDownHeight = 200;

const TControlLayout Controls[] = {
    {Label7, 0, L"STATIC",
     L"Инсталляция OPOS (UnifiedPOS 1.11) Vornik MR-20, Vornik MR-41,\r\n"
     L" Vornik MR-62, Vornik MR-73, Vornik MR-84, Vornik MR-95, \r\n"
     L"Vornik MK-16, Vornik MR-38, Vornik MR-49",
     Child | SS_NOPREFIX | SS_CENTER, 0, 24, 8, 607, 60},
    {Label1, 0, L"STATIC", L"Каталог для размещения Control и Service объектов:", Label, 0, 24, 86, 0, 0},
    {DirectoryEdit1, 0, ContainerClassName, L"", Child | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, 320, 80, 313,
     21},
    {DirectoryEdit1Text, DirectoryEdit1, L"EDIT", L"C:\\VornikOPOS\\", Child | ES_READONLY | ES_AUTOHSCROLL,
     WS_EX_CLIENTEDGE, 0, 0, 292, 21},
    {DirectoryEdit1Button, DirectoryEdit1, L"BUTTON", L"...", Child | BS_PUSHBUTTON, 0, 292, 0, 21, 21},
    {ListBox1, 0, L"LISTBOX", L"", Child | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE, 8, 112, 641,
     129},
    {GroupBox1, 0, ContainerClassName, L"Параметры", Child | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, 8, 240,
     641, 169},
    {Label5, GroupBox1, L"STATIC", L"Тип регистратора:", Label, 0, 1, 50, 0, 0},
    {ComboBox3, GroupBox1, L"COMBOBOX", L"", Editable, 0, 96, 48, 169, DropDownHeight},
    {Label6, GroupBox1, L"STATIC", L"Интерфейс:", Label, 0, 1, 100, 0, 0},
    {ComboBox4, GroupBox1, L"COMBOBOX", L"", Editable, 0, 96, 96, 169, DropDownHeight},
    {PageControl1, GroupBox1, WC_TABCONTROLW, L"", Child | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, 272, 8, 353,
     153},
    {TabSheet1, PageControl1, ContainerClassName, L"", WS_CHILD | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, 0, 0,
     0, 0},
    {Label2, TabSheet1, L"STATIC", L"Последовательный порт:", Label, 0, 8, 28, 0, 0},
    {ComboBox1, TabSheet1, L"COMBOBOX", L"", List, 0, 176, 24, 145, DropDownHeight},
    {Label3, TabSheet1, L"STATIC", L"Скорость передачи данных :", Label, 0, 8, 76, 0, 0},
    {ComboBox2, TabSheet1, L"COMBOBOX", L"", List, 0, 176, 72, 145, DropDownHeight},
    {TabSheet3, PageControl1, ContainerClassName, L"", WS_CHILD | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, 0, 0,
     0, 0},
    {Label8, TabSheet3, L"STATIC", L"Адрес TCP/IP:", Label, 0, 8, 28, 0, 0},
    {Edit1, TabSheet3, L"EDIT", L"", Child | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 176, 24, 145, 21},
    {Label9, TabSheet3, L"STATIC", L"IDDEV:", Label, 0, 8, 76, 0, 0},
    {Edit2, TabSheet3, L"EDIT", L"", Child | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 176, 72, 145, 21},
    {Label4, 0, L"STATIC", L"Выберите целевой каталог, параметры и нажмите \"Инсталлировать\"", Label, 0, 24,
     416, 620, 13},
    {ProgressBar1, 0, PROGRESS_CLASSW, L"", Child, 0, 16, 438, 409, 17},
    {Button2, 0, L"BUTTON", L"Инсталлировать", Child | BS_PUSHBUTTON, 0, 464, 432, 107, 25},
    {Button1, 0, L"BUTTON", L"Закрыть", Child | BS_PUSHBUTTON, 0, 576, 432, 75, 25},
};

struct THint {
  int Id;
  const wchar_t* Text;
};

const THint Hints[] = {
    {ComboBox1, L"Порт, на который подключается \r\nфискальный регистратор Vornik MR41"},
    {ComboBox2,
     L"Скорость подключения должна соответствовать \r\nскорости, выбранной с помощью "
     L"переключателей,\r\nрасположенных на нижней панели регистратора."},
};

std::vector<std::wstring> InformationLines() {
  return {
      L"Information:",
      std::wstring(L"Control Object: FiscalPrinter 2007/01/30 Version 1.11.000. ") + ControlObjectAuthor,
      std::wstring(L"Control Object company: ") + ControlObjectCompany,
      std::wstring(L"Service Object Vornik  2010/06/10, 2014/02/02, 2015/02/02 Version 1.11.000. ") +
          ServiceObjectAuthor,
      std::wstring(L"Service Object company: ") + ServiceObjectCompany,
      L"Fiscal Printers: Vornik MR-20, Vornik MR-41, Vornik MR-62, Vornik MR-73, ",
      L"Vornik MR-84, Vornik MR-95, Vornik MK-16",
      L"Command mode: Zelvano ver. 4.0x, 5.00",
      std::wstring(L"Configurator: 2010/06/10, 2015/02/02, 2015/08/20 Version 2.5.000. ") +
          ConfiguratorAuthor,
  };
}

void AddItem(HWND control, UINT message, const wchar_t* text) {
  SendMessageW(control, message, 0, reinterpret_cast<LPARAM>(text));
}

// The text's extent in `font`, as an auto-sized label takes it.
SIZE TextSize(HFONT font, const wchar_t* text) {
  const HDC screen = GetDC(nullptr);
  const HGDIOBJ old = SelectObject(screen, font);
  SIZE size{};
  GetTextExtentPoint32W(screen, text, static_cast<int>(wcslen(text)), &size);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  return size;
}

HFONT MakeFont(int height, int weight, bool italic) {
  return CreateFontW(height, 0, 0, 0, weight, italic, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"MS Sans Serif");
}

}  // namespace

void TForm1::CreateControls() {
  const HDC screen = GetDC(nullptr);
  font_ = MakeFont(-MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72), FW_NORMAL, false);
  ReleaseDC(nullptr, screen);
  titleFont_ = MakeFont(-16, FW_BOLD, true);
  SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);

  RegisterContainerClass();
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  for (const TControlLayout& layout : Controls) {
    const HWND parent = layout.Parent == 0 ? handle_ : Control(layout.Parent);
    RECT place{layout.Left, layout.Top, layout.Left + layout.Width, layout.Top + layout.Height};
    if (layout.Width == 0) {
      const SIZE text = TextSize(font_, layout.Text);
      place.right = place.left + text.cx;
      place.bottom = place.top + text.cy;
    }
    if (layout.Parent == PageControl1) {
      GetClientRect(parent, &place);
      TabCtrl_AdjustRect(parent, FALSE, &place);
    }
    const HWND control =
        CreateWindowExW(layout.ExStyle, layout.ClassName, layout.Text, layout.Style, place.left, place.top,
                        place.right - place.left, place.bottom - place.top, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.Id)), instance, nullptr);
    if (control == nullptr) throw std::runtime_error("cannot create a control");
    controls_[layout.Id - Label7] = control;
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(layout.Id == Label7 ? titleFont_ : font_),
                 FALSE);
    if (layout.Id == PageControl1) {
      TCITEMW tab{};
      tab.mask = TCIF_TEXT;
      tab.pszText = const_cast<wchar_t*>(L"Последовательный порт");
      TabCtrl_InsertItem(control, 0, &tab);
    }
  }

  for (const std::wstring& line : InformationLines()) AddItem(Control(ListBox1), LB_ADDSTRING, line.c_str());
  for (const TPrinterModel& model : Models) AddItem(Control(ComboBox3), CB_ADDSTRING, model.Item);
  AddItem(Control(ComboBox4), CB_ADDSTRING, L"Последовательный порт");
  for (const wchar_t* speed : {L"9600", L"19200", L"57600", L"115200"})
    AddItem(Control(ComboBox2), CB_ADDSTRING, speed);
  SendMessageW(Control(ProgressBar1), PBM_SETRANGE32, 0, 10);

  const HWND tips =
      CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, handle_, nullptr, instance, nullptr);
  SendMessageW(tips, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  SendMessageW(tips, TTM_SETMAXTIPWIDTH, 0, 400);  // lets the hints break at "\r\n"
  for (const THint& hint : Hints) {
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(Control(hint.Id));
    tool.uId = reinterpret_cast<UINT_PTR>(Control(hint.Id));
    tool.lpszText = const_cast<wchar_t*>(hint.Text);
    SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}
