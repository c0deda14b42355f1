#include "installer/container.h"

#include <string>

#include "installer/wide_text.h"

namespace {

void PaintGroupFrame(HWND window) {
  const std::wstring caption = WindowText(window);
  const int length = static_cast<int>(caption.size());
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(window, &paint);
  if (length > 0) {
    const auto font = reinterpret_cast<HFONT>(GetWindowLongPtrW(window, GWLP_USERDATA));
    const HGDIOBJ oldFont = SelectObject(dc, font);
    SIZE text{};
    GetTextExtentPoint32W(dc, caption.c_str(), length, &text);
    RECT frame;
    GetClientRect(window, &frame);
    frame.top = text.cy / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    SetBkMode(dc, OPAQUE);
    TextOutW(dc, 8, 0, caption.c_str(), length);
    SelectObject(dc, oldFont);
  }
  EndPaint(window, &paint);
}

LRESULT CALLBACK ContainerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
      return SendMessageW(GetAncestor(window, GA_ROOT), message, wParam, lParam);
    case WM_SETFONT:
      SetWindowLongPtrW(window, GWLP_USERDATA, static_cast<LONG_PTR>(wParam));
      return 0;
    case WM_GETFONT:
      return GetWindowLongPtrW(window, GWLP_USERDATA);
    case WM_PAINT:
      PaintGroupFrame(window);
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

void RegisterContainerClass() {
  WNDCLASSEXW container{sizeof container};
  container.lpfnWndProc = ContainerProc;
  container.hInstance = GetModuleHandleW(nullptr);
  container.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  container.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  container.lpszClassName = ContainerClassName;
  RegisterClassExW(&container);
}
