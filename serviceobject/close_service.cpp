// Close and CloseService: twins that differ in their texts. The service is
// closed even when "PortHandle" cannot be reset; only the result fields say so.
#include "devicelink/logs.h"
#include "serviceobject/port_control.h"
#include "serviceobject/results.h"
#include "serviceobject/service.h"
#include "serviceobject/service_state.h"

namespace service {
namespace {

struct CloseTexts {
  const char* closedTrace;
  const char* closedText;
  const char* closingTrace;
  const char* valueNotSetText;
};

int32_t CloseWith(const CloseTexts& texts) {
  if (!ServiceState().FOpened) {
    devicelink::WriteTraceLog(texts.closedTrace);
    return Report(ResultClosed, texts.closedText);
  }
  devicelink::WriteTraceLog(texts.closingTrace);
  CloseServicePort();
  TServiceState& s = ServiceState();
  s.FClaimed = 0;
  s.FDeviceEnabled = 0;
  s.FOpened = 0;
  ReportSuccess();
  switch (WritePortHandleEntry(0)) {
    case PortHandleWrite::Written:
      break;
    case PortHandleWrite::KeyNotOpened:
      Report(ResultNoHardware, "Невозможно подключить устройство");
      break;
    case PortHandleWrite::ValueNotSet:
      Report(ResultNoHardware, texts.valueNotSetText);
      break;
  }
  return ResultSuccess;
}

}  // namespace

int32_t Close() {
  return CloseWith({"Close.Service объект не открыт", TextServiceObjectNotOpen,
                    "Close. Закрытие OPOS(UnifiedPOS) объекта.", "Невозможно подключить устройство"});
}

int32_t CloseService() {
  return CloseWith({"CloseService. Сервис не открыт.", TextServiceNotOpen,
                    "CloseService. Закрытие OPOS(UnifiedPOS) объекта.", "Невозможно отключить устройство"});
}

}  // namespace service
