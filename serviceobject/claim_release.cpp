// Claiming and releasing. Claimed and enabled are independent flags here:
// claiming fails while enabled, and releasing clears both without touching
// the port.
#include "serviceobject/results.h"
#include "serviceobject/service.h"
#include "serviceobject/service_state.h"

namespace service {
namespace {

struct ClaimTexts {
  const char* claimed;
  const char* closed;
};

// A failed claim always leaves the device unclaimed.
int32_t ClaimWith(const ClaimTexts& texts) {
  TServiceState& s = ServiceState();
  int32_t result;
  if (s.FDeviceEnabled)
    result = Report(ResultIllegal, "Устройство уже разрешено");
  else if (s.FClaimed)
    result = Report(ResultClaimed, texts.claimed);
  else if (!s.FOpened)
    result = Report(ResultClosed, texts.closed);
  else
    result = ReportSuccess();
  s.FClaimed = result == ResultSuccess ? 1 : 0;
  return result;
}

}  // namespace

int32_t Claim(int32_t) { return ClaimWith({"Устройство присоединено", TextServiceNotOpen}); }

int32_t ClaimDevice(int32_t) { return ClaimWith({"Устройство уже присоединено", TextServiceObjectNotOpen}); }

int32_t ReleaseDevice() {
  if (!RequireOpen(TextServiceObjectNotOpen)) return ResultClosed;
  TServiceState& s = ServiceState();
  s.FDeviceEnabled = 0;
  s.FClaimed = 0;
  return ReportSuccess();
}

}  // namespace service
