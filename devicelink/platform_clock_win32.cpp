#include <windows.h>

#include "link_clock.h"

namespace devicelink {

LocalTimeStamp PlatformLocalTime() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  return {t.wDay, t.wMonth, t.wYear, t.wHour, t.wMinute, t.wSecond};
}

// GetTickCount: XP has no 64-bit count.
uint32_t PlatformMillis() { return GetTickCount(); }

}  // namespace devicelink
