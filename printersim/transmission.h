#pragma once

#include "fault.h"
#include "reply.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace printersim {

struct Step {
  std::chrono::milliseconds delay{0};  // silence before the bytes
  std::string bytes;
};

// What goes back on the line for one accepted request.
struct Transmission {
  std::vector<Step> steps;
  std::optional<std::chrono::milliseconds> endlessSyn;  // SYN interval once the steps are out
};

Transmission Plan(uint8_t seq, uint8_t cmd, Reply reply, const std::optional<Fault>& fault);

}  // namespace printersim
