// The getters that read the last device reply or send a command of their own.
#include "devicelink/commands.h"
#include "serviceobject/check_reply.h"
#include "serviceobject/results.h"
#include "serviceobject/service.h"
#include "serviceobject/service_state.h"

namespace service {
namespace {

// True (paper out) unless the printer's answer says otherwise: a reply whose
// status cannot be read proves nothing about the paper.
bool PollPaperOut(uint8_t s1Bit, bool& value) {
  if (!RequireOpenAndEnabled()) return false;
  value = true;
  DeviceCall(devicelink::FpDiagnosticInfo);
  if (LastReplyAnswered()) value = (ServiceState().FLastReply->StatusBytes[1] & s1Bit) != 0;
  return true;
}

}  // namespace

bool GetJrnEmpty(bool& value) { return PollPaperOut(0x08, value); }
bool GetRecEmpty(bool& value) { return PollPaperOut(0x04, value); }

bool GetOpenDrawerProp(int32_t&) {
  DeviceCall(devicelink::FpOpenCashDrawer);
  return false;
}

std::string GetAdditionalHeader() { return LastReplyField(ServiceState().FAdditionalHeaderIndex); }

}  // namespace service
