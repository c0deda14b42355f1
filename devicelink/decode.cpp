#include <cstring>

#include "link_state.h"

namespace devicelink {
namespace {

// Mask bit for each of bits 0 to 5 of S0 to S5; -1 where a status bit has none.
constexpr int8_t StatusMaskBits[6][6] = {
    {0, 1, 2, -1, 3, 27},       // S0
    {4, 5, 6, 7, 8, 12},        // S1
    {9, -1, -1, 10, -1, 11},    // S2
    {-1, -1, -1, -1, -1, -1},   // S3
    {16, -1, 13, 20, 17, 28},   // S4
    {18, 21, 19, 22, 23, 14},   // S5
};

uint32_t StatusMask(const uint8_t (&status)[6]) {
  uint32_t mask = 0;
  for (int byte = 0; byte < 6; ++byte)
    for (int bit = 0; bit < 6; ++bit)
      if ((status[byte] >> bit & 1) && StatusMaskBits[byte][bit] >= 0) mask |= 1u << StatusMaskBits[byte][bit];
  return mask;
}

uint32_t ErrorMaskOf(const TLinkState& s) {
  if (s.ReplyFlag == 0) return MaskTimeout;
  if (s.FrameErrors & FrameMarkNak) return MaskNak;
  if (s.FrameErrors & FrameMarkChecksum) return MaskChecksumError;
  return StatusMask(s.RxStatus);
}

// Some replies carry numbers whose decimal separator the device leaves out
// or sends as a blank; the fields get it back, the reply text stays as sent.
void TouchUpReplyData(TLinkState& s) {
  size_t length = std::strlen(s.ReplyData);
  if (length <= 1) return;
  switch (s.CurrentCommand) {
    case 0x32:
    case 0x35:
      if (length + 1 < sizeof s.ReplyData) {
        std::memmove(s.ReplyData + 2, s.ReplyData + 1, length);  // the end mark moves too
        s.ReplyData[1] = ',';
      }
      break;
    case 0x3E:
      if (length >= 9) s.ReplyData[8] = ',';
      break;
    case 0x5A:
      for (size_t i = 0; i < length && i < 20; ++i)
        if (s.ReplyData[i] == ' ') s.ReplyData[i] = ',';
      break;
    default:
      break;
  }
}

void RemoveFinalSemicolon(char* text, size_t& length) {
  if (length > 0 && text[length - 1] == ';') text[--length] = '\0';
}

// Splits ReplyData in place; returns the number of fields kept.
int32_t SplitReplyData(TLinkState& s, TDeviceReply& reply) {
  char* text = s.ReplyData;
  size_t length = std::strlen(text);
  if (length == 0) return 0;
  reply.Fields[0] = text;
  RemoveFinalSemicolon(text, length);
  int32_t k = 0;
  for (size_t i = 0; i + 1 < length; ++i) {
    if (text[i] != ';') continue;
    text[i] = '\0';
    ++k;
    // Fields past the record's room are split off but not referenced.
    if (k < MaxReplyFields) reply.Fields[k] = text + i + 1;
    RemoveFinalSemicolon(text, length);
  }
  s.SplitCount = k;
  return k + 1 < MaxReplyFields ? k + 1 : MaxReplyFields;
}

void CopyText(char* destination, size_t size, const char* source) {
  const size_t length = strnlen(source, size - 1);
  std::memcpy(destination, source, length);
  destination[length] = '\0';
}

}  // namespace

void DecodeReply() {
  TLinkState& s = LinkState();
  TDeviceReply& reply = LinkReply();

  s.SplitCount = 0;
  if (s.ReplyFlag == 1) {
    // A frame cut short by ETX never counts as good, even if stale sums agree.
    if ((s.FrameErrors & FrameMarkEarlyEtx) || (s.SumComputed & 0xFFFF) != s.SumReceived)
      s.FrameErrors |= FrameMarkChecksum;
  }
  for (int i = 0; i < 6; ++i) reply.StatusBytes[i] = s.RxStatus[i] & 0x7F;
  s.PendingErrorMask = ErrorMaskOf(s);

  CopyText(s.ReplyCopy, sizeof s.ReplyCopy, s.ReplyData);
  TouchUpReplyData(s);

  CopyText(reply.ErrorCode, sizeof reply.ErrorCode, s.ErrorCodeText);
  // An empty text is no error code: a frame cut off after its CMD byte must
  // not wipe the last one the printer reported.
  if (reply.ErrorCode[0] != '\0' && std::strcmp(reply.ErrorCode, "0000") != 0)
    CopyText(reply.LastErrorCode, sizeof reply.LastErrorCode, reply.ErrorCode);

  reply.ErrorMask = s.PendingErrorMask;
  reply.CommandText = CommandName(s.CurrentCommand);
  reply.SentData = s.SentDataCopy;
  reply.ReplyText = s.ReplyCopy;
  reply.FieldCount = SplitReplyData(s, reply);
}

}  // namespace devicelink
