#pragma once
// The code that moves bytes during a session. A session keeps it resident:
// TPortControl's WriteData and ReadData only check their state and call here.
#include <windows.h>

namespace portcontrol {

// Bytes locked from PortIoCodeStart() on.
inline constexpr SIZE_T LockedCodeBytes = 2000;

// The lower of the two entry addresses below.
const void* PortIoCodeStart();

// Buffered: one write of `count` bytes; otherwise one transmit-character
// call per byte, stopping at the first that fails. `written` counts the bytes
// that went out. False when the system refused.
bool WritePortData(HANDLE port, const char* data, unsigned long count, bool buffered, unsigned long& written);

enum class ReadOutcome { Done, Failed, EndCharAbsent };

// Without `waitEndChar`: one read of up to `size` bytes, bounded by the
// port's timeouts. With it: byte by byte until `endChar` (kept and counted)
// or a timeout or a full buffer, the latter two EndCharAbsent. `read` counts
// the bytes stored.
ReadOutcome ReadPortData(HANDLE port, char* buffer, unsigned long size, bool waitEndChar, char endChar,
                         unsigned long& read);

}  // namespace portcontrol
