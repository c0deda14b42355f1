#include <ctime>

#include "link_clock.h"

namespace devicelink {

LocalTimeStamp PlatformLocalTime() {
  std::time_t now = std::time(nullptr);
  std::tm t{};
  localtime_r(&now, &t);
  return {t.tm_mday, t.tm_mon + 1, t.tm_year + 1900, t.tm_hour, t.tm_min, t.tm_sec};
}

uint32_t PlatformMillis() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  const uint64_t millis = static_cast<uint64_t>(ts.tv_sec) * 1000u + static_cast<uint64_t>(ts.tv_nsec) / 1000000u;
  return static_cast<uint32_t>(millis);  // wraps as the Windows tick count does
}

}  // namespace devicelink
