#pragma once
// UTF-8, the scenario's and the output's encoding, to and from UTF-16.
#include <string>

namespace oposclient {

// Throws std::runtime_error for bytes that are not UTF-8.
std::wstring Utf8ToWide(const std::string& text);
std::string WideToUtf8(const std::wstring& text);

}  // namespace oposclient
