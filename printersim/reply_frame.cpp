#include "reply_frame.h"

#include "checksum.h"

#include <string_view>

namespace printersim {

ReplyFrame BuildReplyFrame(uint8_t seq, uint8_t cmd, const Reply& reply) {
  ReplyFrame frame;
  std::string& f = frame.bytes;
  f += kSoh;
  f += static_cast<char>((0x30 + reply.data.size()) & 0xFF);
  f += static_cast<char>(seq);
  f += static_cast<char>(cmd);
  f += reply.error;
  f += ';';
  f += reply.data;
  frame.dataEnd = f.size();
  f += kStatusMark;
  for (uint8_t s : reply.status) f += static_cast<char>(reply.rawStatus ? s : s | 0x80);
  f += kSumMark;
  f += EncodeChecksum(Checksum(std::string_view(f).substr(1)));
  f += kEtx;
  return frame;
}

}  // namespace printersim
