#pragma once
// Exact sums of the decimal figures a device reply carries: binary floating
// point would turn 0.1 + 0.2 into 0.30000000000000004.
#include <cstddef>
#include <string>
#include <string_view>

namespace service {

class DecimalSum {
 public:
  // Adds (or subtracts) a figure: optional blanks around, an optional sign,
  // digits with an optional "." and decimals. False, the sum unchanged, for
  // any other text.
  bool Add(std::string_view figure, bool subtract = false);

  // At most 15 significant digits, rounded half away from zero; no exponent,
  // trailing zeros or trailing point; 0 never has a sign.
  std::string GeneralFormat() const;

 private:
  bool negative_ = false;
  std::string digits_ = "0";  // magnitude, most significant first, no leading zeros but one "0"
  size_t scale_ = 0;          // how many of digits_ are decimals
};

}  // namespace service
