#include "serviceobject/port_control.h"

#include <charconv>

#include "devicelink/exchange.h"
#include "serviceobject/configuration.h"
#include "serviceobject/registry.h"
#include "serviceobject/service.h"
#include "serviceobject/service_state.h"

namespace service {

int32_t PortNumberOf(const std::string& portName) {
  // OpenService has made sure the name starts with "COM".
  const std::string digits = portName.size() > 3 ? portName.substr(3) : std::string();
  int32_t number = 0;
  const char* end = digits.data() + digits.size();
  auto [stop, error] = std::from_chars(digits.data(), end, number);
  if (digits.empty() || digits[0] == '-' || error != std::errc{} || stop != end)
    throw ServiceError("'" + digits + "' is not a valid integer value");
  return number;
}

bool OpenServicePort(int32_t portNumber) {
  CloseServicePort();  // the link holds one port; opening it twice would fail
  TServiceState& s = ServiceState();
  s.FPortHandle = devicelink::OpenLinkPort(portNumber, s.FBaudRate);
  if (s.FPortHandle != 0 && s.FPortHandle != -1) return true;
  s.FPortHandle = 0;
  return false;
}

void CloseServicePort() {
  if (devicelink::IsLinkPortOpen()) devicelink::CloseLinkPort();
  ServiceState().FPortHandle = 0;
}

PortHandleWrite WritePortHandleEntry(int32_t handle) {
  using namespace registry;
  ScopedKey fiscalPrinter(MachineKey(), FiscalPrinterKeyPath, RightSetValue);
  if (!fiscalPrinter) return PortHandleWrite::KeyNotOpened;
  ScopedKey device(fiscalPrinter.Get(), CurrentDeviceName(), RightSetValue);
  fiscalPrinter.Close();
  if (!device) return PortHandleWrite::KeyNotOpened;
  return SetDwordValue(device.Get(), "PortHandle", static_cast<uint32_t>(handle)) ? PortHandleWrite::Written
                                                                                   : PortHandleWrite::ValueNotSet;
}

}  // namespace service
