#pragma once

#include <string>
#include <string_view>

namespace printersim {

// The wire carries Windows-1251 text; people read the paper roll in UTF-8.
std::string Cp1251ToUtf8(std::string_view text);

}  // namespace printersim
