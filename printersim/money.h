#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace printersim {

// Amounts in kopecks and quantities in thousandths: exact, never floating point.
using Money = int64_t;

// Larger magnitudes overflow the printer's registers; the product of two of
// them still fits the arithmetic below.
inline constexpr int64_t kMaxFixed = 999'999'999'999;

// "-12.5" with decimals 2 gives -1250. Up to `decimals` digits after the
// point; nothing when the text is not such a number or exceeds kMaxFixed.
std::optional<int64_t> ParseFixed(std::string_view text, int decimals);
std::string FormatFixed(int64_t value, int decimals);
inline std::string FormatMoney(Money value) { return FormatFixed(value, 2); }

// value * factor / divisor (divisor > 0), rounded half away from zero;
// nothing when the result exceeds kMaxFixed.
std::optional<int64_t> ScaleRounded(int64_t value, int64_t factor, int64_t divisor);

}  // namespace printersim
