#include "serviceobject/results.h"

#include "serviceobject/service.h"
#include "serviceobject/service_state.h"

namespace service {

int32_t Report(int32_t code, const char* text) {
  TServiceState& s = ServiceState();
  s.FResultCode = code;
  s.FErrorString = text;
  return code;
}

int32_t Report(int32_t code, int32_t extended, const char* text) {
  ServiceState().FResultCodeExtended = extended;
  return Report(code, text);
}

int32_t ReportSuccess() { return Report(ResultSuccess, 0, ""); }

int32_t ReportMethodFailure(const char* message) { return Report(ResultFailure, message ? message : ""); }

bool RequireOpen(const char* closedText) {
  if (ServiceState().FOpened) return true;
  Report(ResultClosed, closedText);
  return false;
}

bool RequireOpenAndEnabled() {
  const TServiceState& s = ServiceState();
  if (s.FOpened && s.FDeviceEnabled) return true;
  Report(ResultDisabled, TextNotOpenOrNotEnabled);
  return false;
}

}  // namespace service
