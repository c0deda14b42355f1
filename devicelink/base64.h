#pragma once
#include <cstddef>
#include <cstdint>

// Base64 (RFC 4648 alphabet), as the printer sends downloaded files.
namespace devicelink {

inline constexpr uint8_t Base64NotInAlphabet = 255;

// The 6-bit value of `c`, or Base64NotInAlphabet (the pad '=' included).
uint8_t Base64Index(char c);

// Decodes up to `length` characters of `source` into `destination`, which
// holds `capacity` bytes, and ends the bytes with a zero byte. Decoding
// stops at the first character that is neither in the alphabet nor '=';
// a last group of 2 or 3 characters counts as padded. Bytes that would
// leave no room for the zero byte are dropped. `outLength` gets the number
// of bytes written before the zero byte. A source whose first character is
// not in the alphabet leaves `destination` untouched.
// True when all `length` characters were Base64: nothing outside the
// alphabet, '=' only at the end of a group, and at least two data
// characters in every group, so no bits were lost.
bool Base64Decode(const char* source, int16_t length, uint8_t* destination, size_t capacity,
                  uint16_t& outLength);

}  // namespace devicelink
