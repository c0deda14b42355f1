#include "command_layouts.h"

#include <algorithm>
#include <vector>

namespace printersim {
namespace {

struct Layout {
  int cmd;
  std::vector<std::string_view> fields;
};

const std::vector<Layout>& Layouts() {
  static const std::vector<Layout> layouts = {
      {0x20, {"password", "date", "time"}},
      {0x21, {"password"}},
      {0x22, {"password", "line", "text", "doubleWidth"}},
      {0x24, {"password", "article", "name", "taxGroup", "number", "flag", "text"}},
      {0x42, {"password"}},
      {0x44, {"password"}},
      {0x48, {"password", "taxNumber"}},
      {0x60, {"password"}},
      {0x61, {"password", "text"}},
      {0x63, {"password", "operator", "till", "returnReceipt"}},
      {0x64, {"password", "article", "quantity", "price"}},
      {0x65, {"password", "number"}},
      {0x67, {"password", "paymentType", "amount"}},
      {0x68, {"password", "value"}},
      {0x69, {"password", "value"}},
      {0x6B, {"password", "voidType"}},
      {0x6D, {"password", "flag"}},
      {0x6E, {"password", "operator", "amount"}},
      {0x6F, {"password", "height", "line"}},
      {0x73, {"password", "amount"}},
      {0x74, {"password", "amount"}},
      {0x78, {"password", "paymentType", "amount", "text"}},
      {0x80, {"password"}},
      {0x81, {"password", "function", "number", "text"}},
      {0x83, {"password"}},
      {0x84, {"password", "number"}},
      {0xA1, {"password", "reportType"}},
      {0xA2, {"password", "first", "second", "number"}},
      {0xA3, {"password", "first", "last", "full"}},
      {0xA4, {"password", "first", "second"}},
      {0xA5, {"password", "first", "second"}},
      {0xA7, {"password", "first", "second", "number"}},
      {0xE0, {"password", "first", "second", "third"}},
      {0xE1, {"password", "flag", "number"}},
      {0xE2, {"password", "number"}},
  };
  return layouts;
}

}  // namespace

std::span<const std::string_view> CommandLayout(int cmd) {
  const auto& layouts = Layouts();
  auto it = std::find_if(layouts.begin(), layouts.end(), [cmd](const Layout& l) { return l.cmd == cmd; });
  if (it == layouts.end()) return {};
  return it->fields;
}

std::optional<NamedFields> SplitFields(const Request& request) {
  const std::span<const std::string_view> names = CommandLayout(request.cmd);
  if (names.empty()) return std::nullopt;
  NamedFields fields;
  std::string_view rest = request.data;
  for (std::string_view name : names) {
    const std::size_t end = rest.find(';');
    if (end == std::string_view::npos) return std::nullopt;
    fields.emplace(name, rest.substr(0, end));
    rest.remove_prefix(end + 1);
  }
  if (!rest.empty()) return std::nullopt;
  return fields;
}

}  // namespace printersim
