#pragma once

#include "command_layouts.h"
#include "money.h"
#include "request.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace printersim {

// The fields of one request, read by name. A field that is missing or
// malformed refuses the command with "NN03", one out of range with "NN04",
// NN being the field's number in hex, the password counting as field 1.
class Args {
 public:
  explicit Args(const Request& request);

  int64_t Number(std::string_view name, int64_t min, int64_t max) const;
  Money Amount(std::string_view name) const;      // two decimals
  int64_t Quantity(std::string_view name) const;  // three decimals, in thousandths
  uint8_t HexByte(std::string_view name) const;   // two hex digits
  const std::string& Text(std::string_view name) const;

  [[noreturn]] void OutOfRange(std::string_view name) const;

 private:
  int64_t Fixed(std::string_view name, int decimals) const;
  [[noreturn]] void Fail(std::size_t index, const char* group) const;
  [[noreturn]] void Fail(std::string_view name, const char* group) const;

  std::span<const std::string_view> layout_;
  NamedFields fields_;
};

}  // namespace printersim
