#pragma once
#include <cstdint>

#include "device_reply.h"
#include "serial_port.h"

// Private, process-wide state of the device link. One port, one exchange at a
// time, one reply record.
namespace devicelink {

using RxHandler = void (*)();
inline constexpr int RxStateCount = 11;

inline constexpr uint8_t FrameMarkChecksum = 1;
inline constexpr uint8_t FrameMarkNak = 4;
inline constexpr uint8_t FrameMarkEarlyEtx = 8;

struct TLinkState {
  // Port and exchange.
  PortHandle CommHandle;
  bool PortOpen;  // false before the first opening and after closing or a failed opening
  PortLineSettings PortDcb;
  PortTimeoutSettings PortTimeouts;
  uint8_t ReplyFlag;
  uint8_t SeqCounter;
  int32_t CurrentCommand;
  char SentDataCopy[600];
  int32_t WaitRounds;
  int32_t FrameDone;
  int32_t RawReplyCount;

  // Reception.
  uint8_t RxState;
  const RxHandler* RxHandlers;
  uint8_t RxByte;
  uint8_t RxCounter;
  uint8_t ReplyDataLength;
  uint8_t ReplySeq;
  uint8_t ReplyCommand;
  char ErrorCodeText[10];
  int32_t ErrorCodeIndex;
  char ReplyData[300];
  char ReplyCopy[300];
  int32_t SumComputed;
  int32_t SumReceived;
  uint8_t RxStatus[6];
  uint8_t FrameErrors;
  uint32_t PendingErrorMask;
  int32_t SplitCount;

  // Commands.
  char CommandBuffer[300];  // data text of the command being sent

  // Logs.
  int32_t TraceLogOn;
  char TraceLogPath[1000];
  int32_t PacketLogOn;
  char PacketLogPath[1000];
};

TLinkState& LinkState();
TDeviceReply& LinkReply();

// Puts the whole link back to its process-start state (tests).
void ResetLinkState();

// Receive side, driven by the exchange.
int32_t ReadPortByte();
void HandleReceivedByte(uint8_t byte);  // steps of ReadPortByte after the read
const void* ReceivePathStart();         // lowest address of the reader and its handlers
void DecodeReply();

}  // namespace devicelink
