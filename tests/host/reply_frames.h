#pragma once
// Reply frames built the way the printer builds them, independently of the
// link's own code, so the tests can catch mistakes on either side.
#include <array>
#include <cstdint>
#include <string>

namespace testframes {

inline std::string ReplyFrame(const std::string& errorCode, const std::string& data,
                              std::array<uint8_t, 6> status = {0x80, 0x80, 0x80, 0x80, 0x80, 0x80},
                              uint8_t command = 0x21, uint8_t seq = 0x21) {
  std::string body;
  body += static_cast<char>(0x30 + data.size());
  body += static_cast<char>(seq);
  body += static_cast<char>(command);
  body += errorCode + ";" + data;
  body += '\x04';
  for (uint8_t s : status) body += static_cast<char>(s);
  body += '\x05';
  unsigned sum = 0;
  for (unsigned char c : body) sum += c;
  std::string frame = "\x01" + body;
  for (int shift = 12; shift >= 0; shift -= 4) frame += static_cast<char>(0x30 + ((sum >> shift) & 0xF));
  frame += '\x03';
  return frame;
}

}  // namespace testframes
