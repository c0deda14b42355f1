#include "serviceobject/integer_text.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <string_view>

#include "serviceobject/service.h"

namespace service {
namespace {

bool ParseInteger(std::string_view text, int32_t& number) {
  text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
  int base = 10;
  for (std::string_view prefix : {"$", "0x", "0X", "x", "X"}) {
    if (text.substr(0, prefix.size()) == prefix) {
      text.remove_prefix(prefix.size());
      base = 16;
      break;
    }
  }
  bool negative = false;
  if (base == 10 && !text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  // Digits only from here: from_chars would take a second sign.
  if (text.empty() || text[0] == '+' || text[0] == '-') return false;
  uint32_t magnitude = 0;
  const char* end = text.data() + text.size();
  auto [stop, error] = std::from_chars(text.data(), end, magnitude, base);
  if (error != std::errc{} || stop != end) return false;
  const uint32_t limit = static_cast<uint32_t>(std::numeric_limits<int32_t>::max()) + (negative ? 1u : 0u);
  if (magnitude > limit) return false;
  number = negative ? static_cast<int32_t>(0u - magnitude) : static_cast<int32_t>(magnitude);
  return true;
}

}  // namespace

bool TryIntegerOf(const std::string& text, int32_t& number) { return ParseInteger(text, number); }

int32_t IntegerOf(const std::string& text) {
  int32_t number = 0;
  if (!ParseInteger(text, number)) throw ServiceError("'" + text + "' is not a valid integer value");
  return number;
}

}  // namespace service
