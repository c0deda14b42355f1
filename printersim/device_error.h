#pragma once

#include <string>
#include <utility>

namespace printersim {

// A refusal as the printer reports it: the four-character error code of the
// reply. Thrown by the fiscal model before it changes anything.
struct DeviceError {
  std::string code;
};

[[noreturn]] inline void Refuse(std::string code) { throw DeviceError{std::move(code)}; }
inline void Require(bool ok, const char* code) {
  if (!ok) Refuse(code);
}

// Codes are detail then group, two hex digits each.
inline constexpr const char* kWrongState = "000B";
inline constexpr const char* kVoidNotFound = "040B";
inline constexpr const char* kVoidIncomplete = "050B";
inline constexpr const char* kNothingToVoid = "060B";
inline constexpr const char* kNoCash = "080B";
inline constexpr const char* kNoChange = "0A0B";
inline constexpr const char* kAdjustmentRange = "0B0B";
inline constexpr const char* kTotalOverflow = "0C0B";
inline constexpr const char* kBadQuantity = "0F0B";
inline constexpr const char* kBadPrice = "100B";
inline constexpr const char* kNoArticle = "020A";
inline constexpr const char* kArticleExists = "040A";
inline constexpr const char* kBadDate = "0C05";
inline constexpr const char* kBadTime = "0D05";

}  // namespace printersim
