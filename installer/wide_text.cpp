#include "installer/wide_text.h"

#include <vector>

std::wstring WindowText(HWND window) {
  std::vector<wchar_t> text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1);
  const int length = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
  return std::wstring(text.data(), static_cast<size_t>(length));
}

std::wstring FromAnsi(const std::string& text) {
  std::wstring wide(text.size(), L'\0');
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                                         static_cast<int>(wide.size()));
  wide.resize(static_cast<size_t>(length));
  return wide;
}
