#pragma once

#include "request.h"

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// What each command's data text holds, so that tests can look at a request's
// fields by name instead of by position.
namespace printersim {

using NamedFields = std::map<std::string, std::string, std::less<>>;

// Field names in order, the password first; empty for a command without a
// known layout.
std::span<const std::string_view> CommandLayout(int cmd);

// Splits the data text of `request` at ';' (every field ends with one) and
// names the fields; nothing when the command has no layout or the text does
// not hold exactly its fields.
std::optional<NamedFields> SplitFields(const Request& request);

}  // namespace printersim
