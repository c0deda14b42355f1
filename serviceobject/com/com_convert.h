#pragma once
// The one place where COM values become the core's plain C++ values and back.
// Texts of the core are single-byte text in code page 1251, the printer's and
// the system's own, whatever the PC's ANSI code page; only file paths are in
// the ANSI code page, the one the file functions read them in.
#include <windows.h>
#include <oleauto.h>

#include <cstdint>
#include <string>

namespace lumero::com {

inline constexpr UINT kTextCodePage = 1251;

// The BSTR's whole length, embedded nulls too; a null BSTR is the empty text.
std::string ToText(BSTR text);
// As ToText but in the ANSI code page: a file path, as the file functions read it.
std::string ToPath(BSTR path);
// Throws std::bad_alloc when no BSTR can be had.
BSTR ToBstr(const std::string& text);

// Ten-thousandths, as the core counts money: no floating point on the way.
inline int64_t ToAmount(CURRENCY value) { return value.int64; }

inline bool ToBool(VARIANT_BOOL value) { return value != VARIANT_FALSE; }
inline VARIANT_BOOL ToVariantBool(bool value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }

// How a core value is written to a getter's [out, retval] pointer.
inline void Store(LONG* out, int32_t value) { *out = value; }
inline void Store(VARIANT_BOOL* out, bool value) { *out = ToVariantBool(value); }
inline void Store(BSTR* out, const std::string& value) { *out = ToBstr(value); }

// How a setter's COM argument becomes the core's value.
inline int32_t FromCom(LONG value) { return value; }
inline bool FromCom(VARIANT_BOOL value) { return ToBool(value); }
inline std::string FromCom(BSTR value) { return ToText(value); }

}  // namespace lumero::com
