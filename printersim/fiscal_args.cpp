#include "fiscal_args.h"

#include "command_text.h"
#include "device_error.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace printersim {

Args::Args(const Request& request) : layout_(CommandLayout(request.cmd)) {
  auto fields = SplitFields(request);
  if (!fields) {
    // The first field that is missing, or the first one too many.
    const auto count = static_cast<std::size_t>(std::count(request.data.begin(), request.data.end(), ';'));
    Fail(std::min(count, layout_.size()), "03");
  }
  fields_ = std::move(*fields);
}

int64_t Args::Number(std::string_view name, int64_t min, int64_t max) const {
  const int64_t value = Fixed(name, 0);
  if (value < min || value > max) OutOfRange(name);
  return value;
}

Money Args::Amount(std::string_view name) const { return Fixed(name, 2); }

int64_t Args::Quantity(std::string_view name) const { return Fixed(name, 3); }

uint8_t Args::HexByte(std::string_view name) const {
  const std::string& text = Text(name);
  const auto value = text.size() == 2 ? ParseNumber(text, 16) : std::nullopt;
  if (!value) Fail(name, "03");
  return static_cast<uint8_t>(*value);
}

const std::string& Args::Text(std::string_view name) const {
  const auto it = fields_.find(name);
  if (it == fields_.end()) throw std::logic_error("no field " + std::string(name) + " in the layout");
  return it->second;
}

void Args::OutOfRange(std::string_view name) const { Fail(name, "04"); }

int64_t Args::Fixed(std::string_view name, int decimals) const {
  const auto value = ParseFixed(Text(name), decimals);
  if (!value) Fail(name, "03");
  return *value;
}

void Args::Fail(std::size_t index, const char* group) const {
  char code[5];
  std::snprintf(code, sizeof code, "%02zX%s", std::min<std::size_t>(index + 1, 0xFF), group);
  Refuse(code);
}

void Args::Fail(std::string_view name, const char* group) const {
  Fail(static_cast<std::size_t>(std::find(layout_.begin(), layout_.end(), name) - layout_.begin()), group);
}

}  // namespace printersim
