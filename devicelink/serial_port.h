#pragma once
#include <cstddef>
#include <cstdint>

// The one serial port of the device link, behind a small portable interface.
// Handles are the platform's own values carried as integers (the service
// object records the handle in the registry).
namespace devicelink {

using PortHandle = intptr_t;
inline constexpr PortHandle InvalidPort = -1;

struct PortTimeoutSettings {
  uint32_t ReadIntervalTimeout;
  uint32_t ReadTotalTimeoutMultiplier;
  uint32_t ReadTotalTimeoutConstant;
  uint32_t WriteTotalTimeoutMultiplier;
  uint32_t WriteTotalTimeoutConstant;
};

// The line settings the link chooses. Handshake is always off (the printer
// says "busy" with SYN); every other setting stays as the driver reports it.
struct PortLineSettings {
  uint32_t BaudRate;
  uint8_t ByteSize;
  uint8_t Parity;    // 0 = none
  uint8_t StopBits;  // 0 = one
};

enum class PortReadResult { Byte, Nothing, Failed };

// Opens "\\.\COM<number>" exclusively for reading and writing.
PortHandle PortOpen(int32_t number);
void PortSetupQueues(PortHandle port, uint32_t inputBytes, uint32_t outputBytes);
// Reads the driver's settings, changes the members of `line`, writes them back.
void PortApplyLineSettings(PortHandle port, const PortLineSettings& line);
bool PortSetTimeouts(PortHandle port, const PortTimeoutSettings& timeouts);
// abortTransfers: all four purge actions; otherwise only the two queue clears.
void PortPurge(PortHandle port, bool abortTransfers);
void PortFlush(PortHandle port);
void PortWrite(PortHandle port, const uint8_t* bytes, size_t count);
PortReadResult PortReadByte(PortHandle port, uint8_t& byte);
void PortClearError(PortHandle port);
void PortClose(PortHandle port);

// Keeps a range of code resident so a byte read is never delayed by paging.
void LockInMemory(const void* start, size_t size);

}  // namespace devicelink
