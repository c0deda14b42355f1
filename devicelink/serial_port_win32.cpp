#include <windows.h>

#include <cstdio>

#include "serial_port.h"

namespace devicelink {
namespace {
HANDLE AsHandle(PortHandle port) { return reinterpret_cast<HANDLE>(port); }
}  // namespace

PortHandle PortOpen(int32_t number) {
  char name[32];
  std::snprintf(name, sizeof name, "\\\\.\\COM%d", static_cast<int>(number));
  HANDLE h = CreateFileA(name, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  return h == INVALID_HANDLE_VALUE ? InvalidPort : reinterpret_cast<PortHandle>(h);
}

void PortSetupQueues(PortHandle port, uint32_t inputBytes, uint32_t outputBytes) {
  SetupComm(AsHandle(port), inputBytes, outputBytes);
}

void PortApplyLineSettings(PortHandle port, const PortLineSettings& line) {
  DCB dcb{};
  dcb.DCBlength = sizeof dcb;
  GetCommState(AsHandle(port), &dcb);
  dcb.BaudRate = line.BaudRate;
  dcb.ByteSize = line.ByteSize;
  dcb.Parity = line.Parity;
  dcb.StopBits = line.StopBits;
  // The driver keeps what another program set: a handshake left on would hold
  // every write while the printer is off or after a stray XOFF byte.
  dcb.fOutxCtsFlow = FALSE;
  dcb.fOutxDsrFlow = FALSE;
  dcb.fDsrSensitivity = FALSE;
  dcb.fOutX = FALSE;
  dcb.fInX = FALSE;
  dcb.fDtrControl = DTR_CONTROL_ENABLE;
  dcb.fRtsControl = RTS_CONTROL_ENABLE;
  SetCommState(AsHandle(port), &dcb);
}

bool PortSetTimeouts(PortHandle port, const PortTimeoutSettings& t) {
  COMMTIMEOUTS ct{t.ReadIntervalTimeout, t.ReadTotalTimeoutMultiplier, t.ReadTotalTimeoutConstant,
                  t.WriteTotalTimeoutMultiplier, t.WriteTotalTimeoutConstant};
  return SetCommTimeouts(AsHandle(port), &ct) != 0;
}

void PortPurge(PortHandle port, bool abortTransfers) {
  DWORD flags = PURGE_TXCLEAR | PURGE_RXCLEAR;
  if (abortTransfers) flags |= PURGE_TXABORT | PURGE_RXABORT;
  PurgeComm(AsHandle(port), flags);
}

void PortFlush(PortHandle port) { FlushFileBuffers(AsHandle(port)); }

void PortWrite(PortHandle port, const uint8_t* bytes, size_t count) {
  DWORD written = 0;
  WriteFile(AsHandle(port), bytes, static_cast<DWORD>(count), &written, nullptr);
}

PortReadResult PortReadByte(PortHandle port, uint8_t& byte) {
  DWORD got = 0;
  if (!ReadFile(AsHandle(port), &byte, 1, &got, nullptr)) return PortReadResult::Failed;
  return got == 1 ? PortReadResult::Byte : PortReadResult::Nothing;
}

void PortClearError(PortHandle port) {
  DWORD errors = 0;
  ClearCommError(AsHandle(port), &errors, nullptr);
}

void PortClose(PortHandle port) { CloseHandle(AsHandle(port)); }

void LockInMemory(const void* start, size_t size) { VirtualLock(const_cast<void*>(start), size); }

}  // namespace devicelink
