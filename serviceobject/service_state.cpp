#include "serviceobject/service_state.h"

#include "serviceobject/service.h"

namespace service {

TServiceState& ServiceState() {
  static TServiceState state;
  return state;
}

void ResetServiceState() { ServiceState() = TServiceState{}; }

std::recursive_mutex& ServiceMutex() {
  static std::recursive_mutex mutex;
  return mutex;
}

}  // namespace service
