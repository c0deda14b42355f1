#include <algorithm>
#include <cstdint>
#include <cstring>

#include "link_state.h"

namespace devicelink {
namespace {

constexpr uint8_t Soh = 0x01, Etx = 0x03, StatusSeparator = 0x04, ChecksumSeparator = 0x05, Nak = 0x15,
                  Syn = 0x16;

TLinkState& L() { return LinkState(); }
void Add() { L().SumComputed += L().RxByte; }

void RxWaitSoh() {
  L().SumComputed = 0;
  if (L().RxByte == Soh) L().RxState = 1;
}

void RxLength() {
  if (L().RxByte < 0x30) {
    L().RxState = 0;
    return;
  }
  L().ReplyDataLength = static_cast<uint8_t>(L().RxByte - 0x30);
  Add();
  L().RxState = 2;
}

void RxSequence() {
  if (L().RxByte < 0x20) {
    L().RxState = 0;
    return;
  }
  L().ReplySeq = static_cast<uint8_t>(L().RxByte - 0x20);
  Add();
  L().RxState = 3;
}

void RxCommand() {
  L().ReplyCommand = L().RxByte;
  L().RxCounter = 0;
  Add();
  L().ReplyData[0] = '\0';
  L().ErrorCodeText[0] = '\0';
  L().ErrorCodeIndex = 0;
  L().RxState = 4;
}

void RxErrorCode() {
  Add();
  TLinkState& s = L();
  if (s.RxByte == ';') {
    s.ErrorCodeText[s.ErrorCodeIndex] = '\0';
    s.ErrorCodeIndex = 0;
    s.RxState = s.ReplyDataLength != 0 ? 5 : 6;
    return;
  }
  // Characters past the buffer are dropped; the text stays terminated so a
  // frame cut short here still yields a readable code.
  if (s.ErrorCodeIndex < static_cast<int32_t>(sizeof s.ErrorCodeText) - 1) {
    s.ErrorCodeText[s.ErrorCodeIndex++] = static_cast<char>(s.RxByte);
    s.ErrorCodeText[s.ErrorCodeIndex] = '\0';
  }
}

void RxData() {
  TLinkState& s = L();
  if (s.RxCounter < s.ReplyDataLength && s.RxCounter < sizeof s.ReplyData - 1) {
    s.ReplyData[s.RxCounter++] = static_cast<char>(s.RxByte);
    s.ReplyData[s.RxCounter] = '\0';
    Add();
  }
  if (s.RxCounter >= s.ReplyDataLength) s.RxState = 6;
}

void RxStatusSeparator() {
  if (L().RxByte != StatusSeparator) {
    L().RxState = 0;
    return;
  }
  L().RxCounter = 0;
  Add();
  L().RxState = 7;
}

void RxStatusBytes() {
  TLinkState& s = L();
  if (s.RxCounter < sizeof s.RxStatus) {
    s.RxStatus[s.RxCounter++] = s.RxByte;
    Add();
  }
  if (s.RxCounter == sizeof s.RxStatus) s.RxState = 8;
}

void RxChecksumSeparator() {
  if (L().RxByte != ChecksumSeparator) {
    L().RxState = 0;
    return;
  }
  L().RxCounter = 0;
  L().SumReceived = 0;
  Add();
  L().RxState = 9;
}

void RxChecksum() {
  TLinkState& s = L();
  if (s.RxCounter < 4) {
    s.SumReceived = s.SumReceived * 16 + (s.RxByte - 0x30);
    ++s.RxCounter;
  }
  if (s.RxCounter == 4) s.RxState = 10;
}

void RxEnd() {
  L().RxState = 0;
  L().FrameDone = 1;
  if (L().RxByte == Etx) L().ReplyFlag = 1;
}

void AppendRawReply(uint8_t byte) {
  TDeviceReply& reply = LinkReply();
  TLinkState& s = L();
  if (s.RawReplyCount < static_cast<int32_t>(sizeof reply.RawReply) - 1) {
    reply.RawReply[s.RawReplyCount++] = static_cast<char>(byte);
    reply.RawReply[s.RawReplyCount] = '\0';
  }
}

}  // namespace

extern const RxHandler RxHandlerTable[RxStateCount] = {
    RxWaitSoh, RxLength,      RxSequence,          RxCommand,  RxErrorCode, RxData,
    RxStatusSeparator, RxStatusBytes, RxChecksumSeparator, RxChecksum, RxEnd,
};

void HandleReceivedByte(uint8_t byte) {
  TLinkState& s = L();
  s.WaitRounds = 0;
  s.RxByte = byte;
  if (byte != Syn) AppendRawReply(byte);

  if (byte >= 0x20) {
    s.RxHandlers[s.RxState]();
  } else if (byte == Soh) {
    s.RxState = 0;
    s.RxHandlers[0]();
  } else if (byte == Etx) {
    if (s.RxState != 10) s.FrameErrors = FrameMarkEarlyEtx;
    s.RxState = 10;
    s.RxHandlers[10]();
  } else if (byte == Nak) {
    s.RxState = 0;
    s.FrameErrors = FrameMarkNak;
    s.ReplyFlag = 1;
  } else {
    s.RxHandlers[s.RxState]();
  }
}

const void* ReceivePathStart() {
  // The compiler may place the handlers before the reader: start at the lowest.
  auto address = [](auto function) { return reinterpret_cast<uintptr_t>(function); };
  uintptr_t lowest = std::min(address(&ReadPortByte), address(&HandleReceivedByte));
  for (RxHandler handler : RxHandlerTable) lowest = std::min(lowest, address(handler));
  return reinterpret_cast<const void*>(lowest);
}

int32_t ReadPortByte() {
  TLinkState& s = L();
  uint8_t byte = 0;
  switch (PortReadByte(s.CommHandle, byte)) {
    case PortReadResult::Byte:
      HandleReceivedByte(byte);
      return 1;
    case PortReadResult::Failed:
      PortClearError(s.CommHandle);
      s.RxState = 0;
      return 0;
    case PortReadResult::Nothing:
      break;
  }
  return 0;
}

}  // namespace devicelink
