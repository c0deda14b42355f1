#pragma once
#include <cstdint>
#include <string>

namespace service {

// A 32-bit signed integer written as text: leading blanks, then an optional
// sign and decimal digits, or hexadecimal digits after "$", "x", "X", "0x" or
// "0X"; nothing may follow. Throws ServiceError "'text' is not a valid
// integer value" otherwise, and when the number does not fit.
int32_t IntegerOf(const std::string& text);

// IntegerOf for methods, which report a failure result instead: false, with
// `number` untouched, where IntegerOf throws.
bool TryIntegerOf(const std::string& text, int32_t& number);

}  // namespace service
