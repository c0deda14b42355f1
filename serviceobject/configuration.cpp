#include "serviceobject/configuration.h"

#include "serviceobject/service_state.h"

namespace service {

const char* CurrentDeviceName() {
  const TServiceState& s = ServiceState();
  return s.FModelDeviceNames[s.FModelIndex];
}

const char* CurrentDisplayName() {
  const TServiceState& s = ServiceState();
  return s.FModelDisplayNames[s.FModelIndex];
}

}  // namespace service
