// ClearOutput, ClearError, CheckHealth and COFreezeEvents.
#include "devicelink/commands.h"
#include "serviceobject/check_reply.h"
#include "serviceobject/port_control.h"
#include "serviceobject/results.h"
#include "serviceobject/service.h"
#include "serviceobject/service_state.h"

namespace service {

int32_t ClearOutput() {
  TServiceState& s = ServiceState();
  if (!RequireOpenAndEnabled()) {
    s.FDuplicateReceipt = 0;
    return ResultDisabled;
  }
  constexpr const char* TextNoPort = "Невозможно подключить последовательный порт";
  int32_t portNumber = 0;
  try {
    portNumber = PortNumberOf(s.FPortName);
  } catch (const ServiceError&) {
    // A method reports through its result; the held port stays as it is.
    return Report(ResultNoHardware, TextNoPort);
  }
  CloseServicePort();
  ReportSuccess();
  if (!OpenServicePort(portNumber)) return Report(ResultNoHardware, TextNoPort);
  s.FDuplicateReceipt = 0;
  return ResultSuccess;
}

int32_t ClearError() { return ReportSuccess(); }

// Command 60h goes out for every level, even one that is then refused.
int32_t CheckHealth(int32_t level) {
  if (!RequireOpenAndEnabled()) return ResultDisabled;
  TServiceState& s = ServiceState();
  s.FDuplicateReceipt = 0;
  ReportSuccess();
  s.FLinkError = 0;
  DeviceCall(devicelink::FpOpenNonFiscalReceipt2);
  switch (level) {
    case 1:
      DeviceCall(devicelink::FpCommand84, 0);
      break;
    case 2:
      DeviceCall(devicelink::FpCommand84, 2);
      break;
    case 3:
      Report(ResultIllegal, "Интерактивная проверка не поддерживается");
      break;
    default:
      Report(ResultIllegal, "Неверный тип проверки");
      break;
  }
  return s.FResultCode;
}

void COFreezeEvents(bool freeze) {
  if (!RequireOpenAndEnabled() || freeze) return;
  Report(ResultIllegal, "Поддержка событий отсутствует");
}

}  // namespace service
