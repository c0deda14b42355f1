#pragma once

#include "money.h"

#include <initializer_list>
#include <string>
#include <string_view>

// Text shapes shared by the fiscal model's commands.
namespace printersim {

// Reply data: each field followed by ';'.
inline std::string JoinFields(std::initializer_list<std::string_view> fields) {
  std::string out;
  for (std::string_view field : fields) (out += field) += ';';
  return out;
}

// A paper line "LABEL = VALUE".
inline std::string Labeled(std::string_view label, std::string_view value) {
  return std::string(label) + " = " + std::string(value);
}
inline std::string Labeled(std::string_view label, Money amount) { return Labeled(label, FormatMoney(amount)); }

}  // namespace printersim
