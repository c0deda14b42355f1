#pragma once

#include "request.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace printersim {

inline constexpr std::size_t kMaxRequestData = 219;

// Cuts the host's byte stream into candidate request frames. A frame ends when
// LEN's count is reached or, sooner, on a plausible tail (05h, four checksum
// digits, ETX), so that a lying LEN is refused at once instead of on timeout.
class RequestAssembler {
 public:
  std::optional<std::string> Feed(uint8_t byte);
  bool Pending() const { return !buffer_.empty(); }
  std::string Abandon();

 private:
  bool Complete() const;
  std::string buffer_;
};

// Judges one candidate frame; fills whatever fields it holds, even when refused.
Request Examine(std::string frame, bool checkPassword);

// The host's SEQ is its 8-bit counter mod 95 plus 20h: it steps by one within
// 20h..7Eh, and jumps 61h->20h when the counter wraps 255->0.
bool SeqFollows(uint8_t previous, uint8_t seq);

}  // namespace printersim
