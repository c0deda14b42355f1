#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace printersim {

// Script key for entries that serve every command lacking entries of its own.
inline constexpr int kAnyCommand = -1;

// Once: consumed by one request. Always: stays, and so hides entries queued behind it.
enum class Use : uint8_t { Once, Always };

struct Reply {
  std::string error = "0000";
  std::string data{};               // raw bytes; each field carries its own ';'
  std::array<uint8_t, 6> status{};  // bit 7 is set on the wire unless rawStatus
  bool rawStatus = false;
  std::optional<std::string> raw{}; // sent verbatim instead of a built frame
};

}  // namespace printersim
