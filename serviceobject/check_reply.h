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

// Calls a command wrapper with the operator password and FLinkError and keeps
// its reply in FLastReply, unchecked.
template <class Wrapper, class... Args>
void DeviceSend(Wrapper wrapper, Args&&... args) {
  TServiceState& s = ServiceState();
  s.FLastReply = wrapper(s.FOperatorPassword, std::forward<Args>(args)..., s.FLinkError);
}

// DeviceSend, then the check. A member stops when this is false.
template <class Wrapper, class... Args>
bool DeviceCall(Wrapper wrapper, Args&&... args) {
  DeviceSend(wrapper, std::forward<Args>(args)...);
  const TServiceState& s = ServiceState();
  return CheckReply(s.FLastReply, s.FLinkError);
}

bool LastReplyTimedOut();

// The last command went out and the printer answered it with a frame whose
// status bytes can be read: no link refusal, time-out, NAK or bad checksum.
bool LastReplyAnswered();

// Field n of FLastReply, counted from 0; "" for a field it does not have.
const char* LastReplyField(int32_t n);

}  // namespace service
