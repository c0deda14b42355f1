#pragma once
#include <cstdint>

namespace devicelink {

struct LocalTimeStamp {
  int Day, Month, Year, Hour, Minute, Second;
};

using LocalTimeSource = LocalTimeStamp (*)();
using MillisecondSource = uint64_t (*)();

// Replaces the platform clocks (tests); nullptr restores the platform's.
void SetLinkClocks(LocalTimeSource localTime, MillisecondSource monotonic);

LocalTimeStamp LinkLocalTime();
uint64_t LinkMillis();

// Platform backends.
LocalTimeStamp PlatformLocalTime();
uint64_t PlatformMillis();

}  // namespace devicelink
