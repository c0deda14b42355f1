#include "exchange.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "link_clock.h"
#include "link_state.h"
#include "logs.h"

namespace devicelink {
namespace {

constexpr uint8_t Soh = 0x01, Etx = 0x03, DataEnd = 0x05;
constexpr int32_t SilentRoundsBeforeTimeout = 50;
constexpr size_t ResidentReceivePathBytes = 8192;
// A frame takes at most a quarter of a second at 9600 baud: a write not done
// after this never will be, and the exchange ends as a time-out instead.
constexpr uint32_t WriteTimeoutMillis = 2000;

uint8_t SeqByte(uint8_t counter) { return static_cast<uint8_t>(counter % 95 + 0x20); }

std::string HexLine(const uint8_t* bytes, size_t count) {
  static const char digits[] = "0123456789ABCDEF";
  std::string line;
  line.reserve(count * 3);
  for (size_t i = 0; i < count; ++i) {
    line += digits[bytes[i] >> 4];
    line += digits[bytes[i] & 0x0F];
    line += ' ';
  }
  return line;
}

// Builds the request frame into `frame`; returns its length.
size_t BuildFrame(uint8_t* frame, uint8_t seq, int32_t command, const char* data, size_t n) {
  frame[0] = Soh;
  frame[1] = static_cast<uint8_t>(n + 0x24);
  frame[2] = seq;
  frame[3] = static_cast<uint8_t>(command);
  std::memcpy(frame + 4, data, n);
  frame[4 + n] = DataEnd;
  uint32_t sum = 0;
  for (size_t i = 1; i <= 4 + n; ++i) sum += frame[i];
  for (int digit = 3; digit >= 0; --digit) {
    frame[5 + n + digit] = static_cast<uint8_t>(0x30 + (sum & 0x0F));
    sum >>= 4;
  }
  frame[9 + n] = Etx;
  return n + 10;
}

// A data text too long for one frame: nothing goes out, and the record must
// not keep the previous command's success for it.
void MarkRequestTooLong(int32_t command) {
  TDeviceReply& reply = LinkReply();
  reply.CommandCode = command;
  reply.CommandText = CommandName(command);
  reply.SentData = "";
  reply.ReplyText = "";
  reply.FieldCount = 0;
  reply.ErrorMask = 0;
  reply.ErrorCode[0] = '\0';
  std::memset(reply.StatusBytes, 0, sizeof reply.StatusBytes);
  reply.RequestFrame[0] = '\0';
  reply.RawReply[0] = '\0';
}

void WaitForReply(uint32_t start) {
  TLinkState& s = LinkState();
  // A 32-bit difference stays right across the tick count's wrap.
  auto withinLimit = [start] { return static_cast<uint32_t>(LinkMillis() - start) < MaxReplyWaitMillis; };
  s.WaitRounds = 0;
  while (s.WaitRounds < SilentRoundsBeforeTimeout) {
    while (s.FrameDone == 0 && withinLimit() && ReadPortByte() == 1) {
    }
    if (s.ReplyFlag == 1 || !withinLimit()) return;
    ++s.WaitRounds;
  }
}

}  // namespace

int32_t OpenLinkPort(int32_t portNumber, int32_t baudRate) {
  TLinkState& s = LinkState();
  if (s.PortOpen) CloseLinkPort();

  LockInMemory(ReceivePathStart(), ResidentReceivePathBytes);
  s.PortTimeouts = {0, 0, 100, 0, WriteTimeoutMillis};
  s.ReplyFlag = 1;
  s.CommHandle = PortOpen(portNumber);
  if (s.CommHandle == InvalidPort) return -1;

  PortSetupQueues(s.CommHandle, 1024, 1024);
  s.PortDcb = {static_cast<uint32_t>(baudRate), 8, 0, 0};
  PortApplyLineSettings(s.CommHandle, s.PortDcb);
  if (!PortSetTimeouts(s.CommHandle, s.PortTimeouts)) {
    PortClose(s.CommHandle);  // the port is exclusive: do not hold it after failing
    return -1;
  }
  PortPurge(s.CommHandle, true);
  s.PortOpen = true;
  WritePacketLog("", "START");
  return static_cast<int32_t>(s.CommHandle);
}

void CloseLinkPort() {
  TLinkState& s = LinkState();
  if (!s.PortOpen) return;
  PortFlush(s.CommHandle);
  PortPurge(s.CommHandle, true);
  WritePacketLog("END", "");
  PortClose(s.CommHandle);
  s.PortOpen = false;
}

bool IsLinkPortOpen() { return LinkState().PortOpen; }

TDeviceReply* ExecuteCommand(int32_t command, const char* data) {
  TransmitPacketEntry(command, data);
  return &LinkReply();
}

int32_t TransmitPacketEntry(int32_t command, const char* data) { return TransmitPacket(command, data); }

int32_t TransmitPacket(int32_t command, const char* data) {
  TLinkState& s = LinkState();
  TDeviceReply& reply = LinkReply();
  if (s.ReplyFlag == 0) return TransmitRefused;
  if (data == nullptr) data = "";
  size_t n = std::strlen(data);
  if (n > static_cast<size_t>(MaxRequestData)) {
    MarkRequestTooLong(command);
    return TransmitTooLong;
  }

  std::memcpy(s.SentDataCopy, data, n + 1);
  s.CurrentCommand = command;
  reply.CommandCode = command;
  ++s.SeqCounter;
  s.PendingErrorMask = 0;
  s.SplitCount = 0;
  std::memset(s.RxStatus, 0, sizeof s.RxStatus);

  const uint8_t seq = SeqByte(s.SeqCounter);
  char seqText[8];
  std::snprintf(seqText, sizeof seqText, "%X", seq);
  char requestText[MaxRequestData + 16];
  std::snprintf(requestText, sizeof requestText, "%X%s", static_cast<unsigned>(command), data);
  WritePacketLog(seqText, requestText);

  s.ReplyFlag = 0;
  // A reply cut off inside its checksum or before its ETX leaves the machine
  // mid-frame; the next reply's SYN bytes must not be read in that state.
  s.RxState = 0;
  s.FrameErrors = 0;
  s.ReplyData[0] = '\0';
  reply.RawReply[0] = '\0';

  uint8_t frame[MaxRequestData + 10];
  size_t frameLength = BuildFrame(frame, seq, command, data, n);
  std::memcpy(reply.RequestFrame, frame, frameLength);
  reply.RequestFrame[frameLength] = '\0';

  // After closing, the handle is stale: the request cannot leave and the
  // exchange ends as a time-out without touching the port.
  const bool portOpen = s.PortOpen;
  if (portOpen) {
    PortFlush(s.CommHandle);
    PortPurge(s.CommHandle, false);
  }
  WriteTraceLog("Отправка пакета, исходящие данные:");
  WriteTraceLog(HexLine(frame, frameLength).c_str());
  if (portOpen) {
    PortWrite(s.CommHandle, frame, frameLength);
    WaitForReply(LinkMillis());
  }
  s.FrameDone = 0;

  if (s.ReplyFlag == 0) {
    WriteTraceLog("Таймаут команды!");
  } else {
    WriteTraceLog("Входящие данные:");
    WriteTraceLog(HexLine(reinterpret_cast<const uint8_t*>(reply.RawReply), std::strlen(reply.RawReply)).c_str());
    WriteTraceLog((std::string("Код ошибки: ") + s.ErrorCodeText).c_str());
  }
  DecodeReply();
  s.ReplyFlag = 1;
  s.RawReplyCount = 0;

  std::snprintf(seqText, sizeof seqText, "%X", SeqByte(s.ReplySeq));
  WritePacketLog(seqText, reply.RawReply);
  return 0;
}

}  // namespace devicelink
