#pragma once
// The class's registry identity, used by registration and by error reports.
#include <windows.h>

namespace lumero::com {

inline constexpr wchar_t kProgId[] = L"Lumero.MR62Retail";
inline constexpr wchar_t kClassDescription[] = L"OPOS Service object for MR62X fiscal printer";

}  // namespace lumero::com
