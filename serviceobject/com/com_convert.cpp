#include "com_convert.h"

#include <climits>
#include <new>
#include <vector>

namespace lumero::com {
namespace {

std::string Narrow(BSTR text, UINT codePage) {
  const UINT length = SysStringLen(text);
  if (length == 0 || length > INT_MAX) return {};
  const int wide = static_cast<int>(length);
  const int size = WideCharToMultiByte(codePage, 0, text, wide, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return {};
  std::string result(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(codePage, 0, text, wide, result.data(), size, nullptr, nullptr);
  return result;
}

}  // namespace

std::string ToText(BSTR text) { return Narrow(text, kTextCodePage); }

std::string ToPath(BSTR path) { return Narrow(path, CP_ACP); }

BSTR ToBstr(const std::string& text) {
  if (text.size() > INT_MAX) throw std::bad_alloc();
  const int narrow = static_cast<int>(text.size());
  const int size = narrow == 0 ? 0 : MultiByteToWideChar(kTextCodePage, 0, text.data(), narrow, nullptr, 0);
  std::vector<wchar_t> wide(static_cast<size_t>(size > 0 ? size : 0));
  if (size > 0) MultiByteToWideChar(kTextCodePage, 0, text.data(), narrow, wide.data(), size);
  BSTR result = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  if (result == nullptr) throw std::bad_alloc();
  return result;
}

}  // namespace lumero::com
