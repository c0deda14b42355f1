#pragma once
// Turning device replies into results: the reply checker and the standard
// device call every member uses.
#include <cstdint>
#include <utility>

#include "devicelink/device_reply.h"
#include "serviceobject/service_state.h"

namespace service {

// Sets the three result fields from one reply and counts a failure in
// FReplyFailures; true when the reply passed. `linkError` is the wrapper's
// out-code: when it is not 0 nothing was sent and the record is stale.
bool CheckReply(const devicelink::TDeviceReply* reply, int32_t linkError);

// Calls a command wrapper with the operator password and FLinkError, keeps
// its reply in FLastReply and checks it. A member stops when this is false.
template <class Wrapper, class... Args>
bool DeviceCall(Wrapper wrapper, Args&&... args) {
  TServiceState& s = ServiceState();
  s.FLastReply = wrapper(s.FOperatorPassword, std::forward<Args>(args)..., s.FLinkError);
  return CheckReply(s.FLastReply, s.FLinkError);
}

bool LastReplyTimedOut();

// Field n of FLastReply, counted from 0; "" for a field it does not have.
const char* LastReplyField(int32_t n);

}  // namespace service
