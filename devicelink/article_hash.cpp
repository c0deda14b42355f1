#include "article_hash.h"

namespace devicelink {
namespace {
uint8_t HashHigh = 0;
uint8_t HashLow = 0;
}  // namespace

uint8_t HashStep(int32_t mode, uint8_t byte) {
  switch (mode) {
    case HashReset:
      HashHigh = HashLow = 0;
      return 0;
    case HashReadHigh:
      return HashHigh;
    case HashReadLow:
      return HashLow;
    default: {
      uint8_t x = 0;  // bit i: parity of bits i to 7 of HashHigh
      for (int shift = 0; shift < 8; ++shift) x ^= static_cast<uint8_t>(HashHigh >> shift);
      HashHigh = static_cast<uint8_t>(HashLow ^ (x & 1) << 7);
      HashLow = static_cast<uint8_t>(byte ^ x);
      return 0;
    }
  }
}

int32_t ArticleCodeHash(const char* text) {
  HashStep(HashReset, 0);
  for (const char* p = text; p != nullptr && *p != '\0'; ++p) HashStep(HashFeed, static_cast<uint8_t>(*p));
  return HashStep(HashReadHigh, 0) * 256 + HashStep(HashReadLow, 0);
}

}  // namespace devicelink
