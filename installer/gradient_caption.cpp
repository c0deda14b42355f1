#include "installer/gradient_caption.h"

#include <dwmapi.h>

#include <string>

#include "installer/wide_text.h"

namespace {

constexpr COLORREF StartColour = RGB(255, 0, 0);
constexpr int Bands = 128;

BYTE Blend(BYTE from, BYTE to, int band) {
  return static_cast<BYTE>(from + (to - from) * band / (Bands - 1));
}

// The title bar in window coordinates: between the side frames, from the top
// frame down to the line above the client area.
RECT CaptionRect(HWND window) {
  RECT frame;
  GetWindowRect(window, &frame);
  POINT client{0, 0};
  ClientToScreen(window, &client);
  const int border = client.x - frame.left;
  return RECT{border, border, frame.right - frame.left - border, client.y - frame.top - 1};
}

}  // namespace

void PaintGradientCaption(HWND window, bool active) {
  if ((GetWindowLongW(window, GWL_STYLE) & WS_CAPTION) != WS_CAPTION) return;
  const RECT caption = CaptionRect(window);
  const int width = caption.right - caption.left;
  if (width <= 0 || caption.bottom <= caption.top) return;

  const HDC dc = GetWindowDC(window);
  const COLORREF end = GetSysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
  for (int band = 0; band < Bands; ++band) {
    RECT strip = caption;
    strip.left = caption.left + width * band / Bands;
    strip.right = caption.left + width * (band + 1) / Bands;
    const HBRUSH brush = CreateSolidBrush(RGB(Blend(GetRValue(StartColour), GetRValue(end), band),
                                              Blend(GetGValue(StartColour), GetGValue(end), band),
                                              Blend(GetBValue(StartColour), GetBValue(end), band)));
    FillRect(dc, &strip, brush);
    DeleteObject(brush);
  }

  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;  // XP's size (WINVER 0x0501): XP refuses Vista's larger one
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  const HFONT font = CreateFontIndirectW(&metrics.lfSmCaptionFont);
  const HGDIOBJ oldFont = SelectObject(dc, font);
  const std::wstring text = WindowText(window);
  RECT place = caption;
  place.left += 3;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &place,
            DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
  SelectObject(dc, oldFont);
  DeleteObject(font);
  ReleaseDC(window, dc);
}

void KeepOwnCaption(HWND window) {
  using SetAttribute = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
  const HMODULE dwm = LoadLibraryW(L"dwmapi.dll");  // kept: the window lives as long as the program
  if (dwm == nullptr) return;
  const auto set = reinterpret_cast<SetAttribute>(
      reinterpret_cast<void*>(GetProcAddress(dwm, "DwmSetWindowAttribute")));
  const DWORD policy = DWMNCRP_DISABLED;
  if (set != nullptr) set(window, DWMWA_NCRENDERING_POLICY, &policy, sizeof policy);
}
