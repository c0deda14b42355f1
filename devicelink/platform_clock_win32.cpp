#include <windows.h>

#include "link_clock.h"

namespace devicelink {

LocalTimeStamp PlatformLocalTime() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  return {t.wDay, t.wMonth, t.wYear, t.wHour, t.wMinute, t.wSecond};
}

uint64_t PlatformMillis() { return GetTickCount64(); }

}  // namespace devicelink
