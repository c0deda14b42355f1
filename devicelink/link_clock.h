#pragma once
#include <cstdint>

namespace devicelink {

struct LocalTimeStamp {
  int Day, Month, Year, Hour, Minute, Second;
};

using LocalTimeSource = LocalTimeStamp (*)();
// A 32-bit millisecond count that wraps after 49.7 days: take only
// differences of its values, in 32-bit unsigned arithmetic.
using MillisecondSource = uint32_t (*)();

// Replaces the platform clocks (tests); nullptr restores the platform's.
void SetLinkClocks(LocalTimeSource localTime, MillisecondSource monotonic);

LocalTimeStamp LinkLocalTime();
uint32_t LinkMillis();

// Platform backends.
LocalTimeStamp PlatformLocalTime();
uint32_t PlatformMillis();

}  // namespace devicelink
