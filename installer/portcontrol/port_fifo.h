#pragma once
// The UART FIFO settings in a port's device registry key. Windows NT keeps
// them as DWORD values; Windows 9x as bits of the byte array "settings",
// written back with the type and length it was read with. Each answers 0 or
// the value read, or a negative code of port_result.
#include <windows.h>

#include <cstdint>

#include "installer/portcontrol/port_platform.h"

namespace portcontrol {

int32_t EnableFifo(HKEY key, Platform platform, bool on);
int32_t SetFifoSize(HKEY key, Platform platform, bool receive, unsigned long size);
int32_t IsFifoEnabled(HKEY key, Platform platform);
int32_t GetFifoSize(HKEY key, Platform platform, bool receive);

}  // namespace portcontrol
