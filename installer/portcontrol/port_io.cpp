#include "installer/portcontrol/port_io.h"

#include <algorithm>
#include <cstdint>

namespace portcontrol {

const void* PortIoCodeStart() {
  // Member functions have no portable code address; these two free
  // functions hold the whole of WriteData's and ReadData's traffic.
  const auto write = reinterpret_cast<uintptr_t>(&WritePortData);
  const auto read = reinterpret_cast<uintptr_t>(&ReadPortData);
  return reinterpret_cast<const void*>(std::min(write, read));
}

bool WritePortData(HANDLE port, const char* data, unsigned long count, bool buffered, unsigned long& written) {
  if (buffered) {
    DWORD sent = 0;
    const BOOL ok = WriteFile(port, data, count, &sent, nullptr);
    written = sent;
    return ok != FALSE;
  }
  for (written = 0; written < count; ++written)
    if (!TransmitCommChar(port, data[written])) return false;
  return true;
}

ReadOutcome ReadPortData(HANDLE port, char* buffer, unsigned long size, bool waitEndChar, char endChar,
                         unsigned long& read) {
  read = 0;
  DWORD got = 0;
  if (!waitEndChar) {
    const BOOL ok = ReadFile(port, buffer, size, &got, nullptr);
    read = got;
    return ok ? ReadOutcome::Done : ReadOutcome::Failed;
  }
  while (read < size) {
    if (!ReadFile(port, buffer + read, 1, &got, nullptr)) return ReadOutcome::Failed;
    if (got == 0) return ReadOutcome::EndCharAbsent;  // timed out
    if (buffer[read++] == endChar) return ReadOutcome::Done;
  }
  return ReadOutcome::EndCharAbsent;
}

}  // namespace portcontrol
