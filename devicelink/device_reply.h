#pragma once
#include <cstdint>

namespace devicelink {

inline constexpr int MaxReplyFields = 20;

// The one reply record of the process. Every command returns its address; it
// stays valid and unchanged until the next exchange.
struct TDeviceReply {
  int32_t FieldCount;
  int32_t CommandCode;
  uint32_t ErrorMask;
  const char* CommandText;
  const char* SentData;
  const char* ReplyText;
  char ErrorCode[12];
  const char* Fields[MaxReplyFields];
  uint8_t StatusBytes[6];
  char RequestFrame[300];
  char RawReply[306];
  char LastErrorCode[12];
};

// Error mask bits with a meaning of their own; the rest mirror status bits.
inline constexpr uint32_t MaskChecksumError = 1u << 24;
inline constexpr uint32_t MaskNak = 1u << 25;
inline constexpr uint32_t MaskTimeout = 1u << 26;

extern const char* const UnknownCommandText;

// Name of a device command, or UnknownCommandText for a number without one.
const char* CommandName(int32_t command);

}  // namespace devicelink
