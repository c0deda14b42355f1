#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace printersim {

inline constexpr char kSoh = 0x01;
inline constexpr char kEtx = 0x03;
inline constexpr char kStatusMark = 0x04;  // opens the status bytes of a reply
inline constexpr char kSumMark = 0x05;     // closes the summed part of either frame
inline constexpr char kNak = 0x15;
inline constexpr char kSyn = 0x16;

inline uint16_t Checksum(std::string_view bytes) {
  unsigned sum = 0;
  for (unsigned char c : bytes) sum += c;
  return static_cast<uint16_t>(sum);
}

// Digit d travels as 30h+d, so 10..15 are ':'..'?', not hex letters.
inline std::string EncodeChecksum(uint16_t value) {
  std::string out(4, '0');
  for (int i = 3; i >= 0; --i, value >>= 4) out[i] = static_cast<char>(0x30 + (value & 0xF));
  return out;
}

inline std::optional<uint16_t> DecodeChecksum(std::string_view text) {
  if (text.size() != 4) return std::nullopt;
  unsigned value = 0;
  for (unsigned char c : text) {
    if (c < 0x30 || c > 0x3F) return std::nullopt;
    value = value << 4 | (c - 0x30);
  }
  return static_cast<uint16_t>(value);
}

}  // namespace printersim
