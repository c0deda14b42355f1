// set_DeviceEnabled: enabling opens the port and makes the first contact
// with the printer (serial number, device information); disabling closes it.
#include <cstdint>
#include <cstring>
#include <string>

#include "devicelink/commands.h"
#include "devicelink/logs.h"
#include "serviceobject/check_reply.h"
#include "serviceobject/port_control.h"
#include "serviceobject/results.h"
#include "serviceobject/service.h"
#include "serviceobject/service_state.h"

namespace service {
namespace {

using devicelink::WriteTraceLog;

constexpr const char* TextCannotConnect = "Невозможно подключить устройство";

void Trace(const std::string& line) { WriteTraceLog(line.c_str()); }

// Leading decimal digits; 0 when there are none. A figure too large for
// the type stops growing rather than wrapping.
int32_t LeadingDecimal(const char* text) {
  int32_t value = 0;
  for (; *text >= '0' && *text <= '9'; ++text) {
    const int digit = *text - '0';
    if (value > (INT32_MAX - digit) / 10) return INT32_MAX;
    value = value * 10 + digit;
  }
  return value;
}

// Firmware whose version mentions 4.2 or 5.2 takes no payment text.
bool TakesPaymentText(const char* firmware) {
  return std::strstr(firmware, "5.2") == nullptr && std::strstr(firmware, "4.2") == nullptr;
}

void Disable() {
  CloseServicePort();
  WriteTraceLog("DeviceEnabled = false. Порт закрыт - связь разована.");
  ServiceState().FDeviceEnabled = 0;
  ReportSuccess();
}

void Enable() {
  TServiceState& s = ServiceState();
  Trace("Открытие COM-порта " + s.FPortName + " " + std::to_string(s.FBaudRate));
  if (!OpenServicePort(PortNumberOf(s.FPortName))) {
    Report(ResultNoHardware, TextCannotConnect);
    WriteTraceLog(TextCannotConnect);
    return;
  }
  s.FReplyFailures = 0;
  ReportSuccess();

  DeviceCall(devicelink::FpReadSerialNumber);
  if (LastReplyTimedOut()) {
    WriteTraceLog("GetSerialNumber заводской номер - таймаут");
    Report(ResultNoHardware, TextCannotConnect);
    return;
  }
  Trace(std::string("GetSerialNumber заводской номер: ") + LastReplyField(0));
  if (s.FReplyFailures > 0) return;

  DeviceCall(devicelink::FpDiagnosticInfo2);
  // The width, the firmware and the day come only from a reply that arrived
  // whole: a NAK or a garbled frame ends the enable as silence does.
  if (!LastReplyAnswered()) {
    WriteTraceLog("GetDeviceInfo, информация об устройстве - таймаут");
    Report(ResultNoHardware, "Устройство не отвечает!");
    return;
  }
  const devicelink::TDeviceReply& info = *s.FLastReply;
  s.FLineWidth = LeadingDecimal(LastReplyField(8));
  Trace(std::string("Модель - ") + LastReplyField(0));
  Trace(std::string("Версия - ") + LastReplyField(1));
  WriteTraceLog(LastReplyField(3));
  s.FPaymentTextCapable = TakesPaymentText(LastReplyField(1)) ? 1 : 0;

  if (WritePortHandleEntry(s.FPortHandle) != PortHandleWrite::Written) {
    Report(ResultNoHardware, TextCannotConnect);
    return;
  }
  // The result fields keep what the device-information check left: a device
  // error there does not stop the enable.
  s.FPrinterState = StateMonitor;
  s.FTotalizerType = 2;
  s.FPostLine.clear();
  s.FPreLine.clear();
  s.FDateType = 1;
  s.FCheckTotal = 1;
  s.FDayOpened = (info.StatusBytes[5] & 0x10) ? 1 : 0;
  s.FDeviceEnabled = 1;
}

}  // namespace

void SetDeviceEnabled(bool enabled) {
  WriteTraceLog("set_DeviceEnabled");
  if (!ServiceState().FOpened) {
    WriteTraceLog("DeviceEnabled. Сервис объект не открыт, выход");
    Report(ResultClosed, TextServiceObjectNotOpen);
  } else if (!enabled) {
    Disable();
  } else if (ServiceState().FDeviceEnabled) {
    ReportSuccess();
  } else {
    Enable();
  }
}

}  // namespace service
