#include "link_clock.h"

namespace devicelink {
namespace {
LocalTimeSource gLocalTime = nullptr;
MillisecondSource gMillis = nullptr;
}  // namespace

void SetLinkClocks(LocalTimeSource localTime, MillisecondSource monotonic) {
  gLocalTime = localTime;
  gMillis = monotonic;
}

LocalTimeStamp LinkLocalTime() { return gLocalTime ? gLocalTime() : PlatformLocalTime(); }

uint32_t LinkMillis() { return gMillis ? gMillis() : PlatformMillis(); }

}  // namespace devicelink
