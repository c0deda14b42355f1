#include "installer/portcontrol/port_enumeration.h"

#include "installer/portcontrol/port_control.h"
#include "installer/portcontrol/port_devices.h"
#include "installer/portcontrol/port_platform.h"

using namespace portcontrol;

int BeginEnumeratePorts() {
  TPortDevices& d = PortDevices();
  if (d.Busy) return port_result::EnumerationBusy;
  d.DeviceIndex = 0;
  d.Busy = MakePortDeviceSet();
  return d.Busy ? port_result::Success : port_result::EnumerationBusy;
}

std::string EnumeratePorts() {
  TPortDevices& d = PortDevices();
  if (d.DeviceSet == INVALID_HANDLE_VALUE) return std::string();
  for (;;) {
    if (!FetchPortDevice()) {
      DestroyPortDeviceSet();
      return std::string();
    }
    // "0" leaves the index on the device: the caller stops there.
    HKEY key = OpenHardwareKey(KEY_QUERY_VALUE);
    if (key == nullptr) return "0";
    std::string name;
    const bool named = ReadPortName(key, name);
    RegCloseKey(key);
    if (!named) return "0";
    ++d.DeviceIndex;
    if (StartsWithCom(name)) return name;  // printer ports and the like are passed over
  }
}

int EndEnumeratePorts() {
  TPortDevices& d = PortDevices();
  d.Busy = false;
  d.DeviceIndex = 0;
  DestroyPortDeviceSet();
  return port_result::Success;
}
