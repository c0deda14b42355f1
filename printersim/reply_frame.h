#pragma once

#include "reply.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace printersim {

struct ReplyFrame {
  std::string bytes;
  std::size_t dataEnd = 0;  // offset of the 04h that follows the data
};

// LEN counts only the data; with more than CFh data bytes it wraps, as a
// printer with a byte-wide counter would send it.
ReplyFrame BuildReplyFrame(uint8_t seq, uint8_t cmd, const Reply& reply);

}  // namespace printersim
