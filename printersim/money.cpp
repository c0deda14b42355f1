#include "money.h"

namespace printersim {

std::optional<int64_t> ParseFixed(std::string_view text, int decimals) {
  const bool negative = !text.empty() && text.front() == '-';
  if (negative) text.remove_prefix(1);
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction = point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
  if (whole.empty() || (point != std::string_view::npos && fraction.empty()) ||
      fraction.size() > static_cast<std::size_t>(decimals))
    return std::nullopt;
  std::string digits(whole);
  digits += fraction;
  digits.append(static_cast<std::size_t>(decimals) - fraction.size(), '0');
  int64_t value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > kMaxFixed) return std::nullopt;
  }
  return negative ? -value : value;
}

std::string FormatFixed(int64_t value, int decimals) {
  std::string digits = std::to_string(value < 0 ? -value : value);
  if (digits.size() <= static_cast<std::size_t>(decimals))
    digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
  if (decimals > 0) digits.insert(digits.size() - static_cast<std::size_t>(decimals), ".");
  return value < 0 ? "-" + digits : digits;
}

std::optional<int64_t> ScaleRounded(int64_t value, int64_t factor, int64_t divisor) {
  const __int128 product = static_cast<__int128>(value) * factor;
  const __int128 half = divisor / 2;
  const __int128 result = product >= 0 ? (product + half) / divisor : (product - half) / divisor;
  if (result > kMaxFixed || result < -kMaxFixed) return std::nullopt;
  return static_cast<int64_t>(result);
}

}  // namespace printersim
