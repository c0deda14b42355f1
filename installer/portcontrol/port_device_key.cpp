#include "installer/portcontrol/port_control.h"
#include "installer/portcontrol/port_devices.h"
#include "installer/portcontrol/port_fifo.h"
#include "installer/portcontrol/port_platform.h"

using namespace portcontrol;

namespace {

// Read control, query value, set value, create sub-key.
constexpr REGSAM DeviceKeyAccess = 0x20007;

// Runs `operation` on the device key of `port`, then closes the key.
template <typename Operation>
int32_t OnDeviceKey(TPortControl& control, const std::string& port, Operation operation) {
  HKEY key = control.GetDeviceKey(port);
  if (key == nullptr) return port_result::DeviceKeyFailed;
  const int32_t result = operation(key, CurrentPlatform());
  RegCloseKey(key);
  return result;
}

}  // namespace

HKEY TPortControl::GetDeviceKey(const std::string& portName) {
  TPortDevices& d = PortDevices();
  if (d.Busy) return nullptr;  // the listing owns the device set
  d.DeviceIndex = 0;
  if (!MakePortDeviceSet()) return nullptr;
  HKEY found = nullptr;
  while (FetchPortDevice()) {
    HKEY key = OpenHardwareKey(DeviceKeyAccess);
    if (key == nullptr) break;
    std::string name;
    const bool named = ReadPortName(key, name);
    if (named && EqualIgnoringCase(name, portName)) {
      found = key;  // the caller closes it
      break;
    }
    RegCloseKey(key);
    if (!named) break;
    ++d.DeviceIndex;
  }
  DestroyPortDeviceSet();
  return found;
}

int32_t TPortControl::EnableFIFO(bool on) {
  return OnDeviceKey(*this, FPort, [on](HKEY key, Platform platform) { return EnableFifo(key, platform, on); });
}

int32_t TPortControl::SetFIFOSize(bool receive, unsigned long size) {
  return OnDeviceKey(*this, FPort, [receive, size](HKEY key, Platform platform) {
    return SetFifoSize(key, platform, receive, size);
  });
}

int32_t TPortControl::IsFIFOEnable() {
  return OnDeviceKey(*this, FPort, [](HKEY key, Platform platform) { return IsFifoEnabled(key, platform); });
}

int32_t TPortControl::GetFIFOSize(bool receive) {
  return OnDeviceKey(*this, FPort,
                     [receive](HKEY key, Platform platform) { return GetFifoSize(key, platform, receive); });
}
