#pragma once
#include <cstdint>

// The 16-bit article code under which a sale item is programmed into the
// printer, derived from the item's text.
namespace devicelink {

inline constexpr int32_t HashFeed = 0;
inline constexpr int32_t HashReset = 1;
inline constexpr int32_t HashReadHigh = -1;
inline constexpr int32_t HashReadLow = -2;

// Resets, reads or feeds the process-wide hash state (HashHigh, HashLow);
// any mode other than the three named ones feeds `byte`. Returns the byte
// read, otherwise 0.
uint8_t HashStep(int32_t mode, uint8_t byte);

// HashHigh * 256 + HashLow after feeding every byte of `text` to a reset hash.
int32_t ArticleCodeHash(const char* text);

}  // namespace devicelink
