#pragma once
#include <cstdint>

#include "device_reply.h"

namespace devicelink {

// Longest data text one request frame can carry (LEN byte FFh).
inline constexpr int MaxRequestData = 219;

// TransmitPacket results besides 0 (exchange done, outcome in the record).
inline constexpr int32_t TransmitRefused = -1;   // never opened, or an exchange is under way
inline constexpr int32_t TransmitTooLong = -2;   // data text over MaxRequestData, nothing sent

// Opens "\\.\COM<portNumber>" at 8N1; returns the port handle as an integer,
// or -1 when the port could not be opened or set up (nothing stays open).
int32_t OpenLinkPort(int32_t portNumber, int32_t baudRate);
void CloseLinkPort();
bool IsLinkPortOpen();

TDeviceReply* ExecuteCommand(int32_t command, const char* data);
int32_t TransmitPacketEntry(int32_t command, const char* data);
int32_t TransmitPacket(int32_t command, const char* data);

// Longest time one reply may be waited for while the printer keeps
// signalling busy: a long report or a paper change stays well within it,
// and silence ends the wait much earlier.
inline constexpr uint32_t MaxReplyWaitMillis = 30 * 60 * 1000;

}  // namespace devicelink
