#pragma once
// Which family of Windows runs us, and the port names that family can open.
#include <optional>
#include <string>

namespace portcontrol {

enum class Platform { WindowsNT, Windows9x, Other };

Platform CurrentPlatform();

// `value` upper-cased when it is "com" in any case followed by a port
// number the platform has (1-256 on Windows NT, 1-9 on Windows 9x).
std::optional<std::string> AcceptedPortName(const std::string& value, Platform platform);

// ASCII letters compared without regard to case.
bool EqualIgnoringCase(const std::string& a, const std::string& b);
// Whether `name` begins with "com" in any case.
bool StartsWithCom(const std::string& name);

}  // namespace portcontrol
