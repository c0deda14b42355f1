#include "installer/portcontrol/port_platform.h"

#include <windows.h>

#include <charconv>

namespace portcontrol {
namespace {

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

Platform CurrentPlatform() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  if (!GetVersionExA(&version)) return Platform::Other;
  switch (version.dwPlatformId) {
    case VER_PLATFORM_WIN32_NT: return Platform::WindowsNT;
    case VER_PLATFORM_WIN32_WINDOWS: return Platform::Windows9x;
    default: return Platform::Other;
  }
}

std::optional<std::string> AcceptedPortName(const std::string& value, Platform platform) {
  if (!StartsWithCom(value)) return std::nullopt;
  const char* digits = value.data() + 3;
  const char* end = value.data() + value.size();
  int number = 0;
  auto [stop, error] = std::from_chars(digits, end, number);
  if (digits == end || error != std::errc{} || stop != end) return std::nullopt;
  const int highest = platform == Platform::WindowsNT ? 256 : platform == Platform::Windows9x ? 9 : 0;
  if (number < 1 || number > highest) return std::nullopt;
  std::string upper = value;
  for (char& c : upper) c = UpperAscii(c);
  return upper;
}

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
  return true;
}

bool StartsWithCom(const std::string& name) {
  return name.size() >= 3 && EqualIgnoringCase(name.substr(0, 3), "COM");
}

}  // namespace portcontrol
