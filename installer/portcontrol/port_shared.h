#pragma once
// What TPortControl's operations share.
#include <windows.h>

namespace portcontrol {

inline constexpr const char* PortNotOpenText = "Port was not opened!\nError = -1";

// Abort and clear of transmit and receive.
inline constexpr DWORD PurgeAll = PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR;

}  // namespace portcontrol
