#include "installer/portcontrol/port_devices.h"

namespace portcontrol {
namespace {

// cfgmgr32's numbers for opening an existing hardware key.
constexpr DWORD ConfigSuccess = 0;              // CR_SUCCESS
constexpr DWORD DispositionOpenExisting = 1;    // RegDisposition_OpenExisting
constexpr ULONG HardwareKeyFlag = 0;            // CM_REGISTRY_HARDWARE

constexpr DWORD PortNameBufferBytes = 200;

}  // namespace

TPortDevices& PortDevices() {
  static TPortDevices devices;
  return devices;
}

bool MakePortDeviceSet() {
  TPortDevices& d = PortDevices();
  DestroyPortDeviceSet();
  DWORD reported = 0;
  if (!SetupDiClassGuidsFromNameA("Ports", d.ClassGuids, ARRAYSIZE(d.ClassGuids), &reported) &&
      GetLastError() != ERROR_INSUFFICIENT_BUFFER)
    return false;
  const DWORD count = reported < ARRAYSIZE(d.ClassGuids) ? reported : ARRAYSIZE(d.ClassGuids);
  for (DWORD i = 0; i < count; ++i) {
    HDEVINFO set = SetupDiGetClassDevsA(&d.ClassGuids[i], nullptr, nullptr, DIGCF_PRESENT);
    if (set == INVALID_HANDLE_VALUE) continue;
    DestroyPortDeviceSet();  // a later class's set takes the place of an earlier one's
    d.DeviceSet = set;
  }
  return d.DeviceSet != INVALID_HANDLE_VALUE;
}

void DestroyPortDeviceSet() {
  TPortDevices& d = PortDevices();
  if (d.DeviceSet == INVALID_HANDLE_VALUE) return;
  SetupDiDestroyDeviceInfoList(d.DeviceSet);
  d.DeviceSet = INVALID_HANDLE_VALUE;
}

bool FetchPortDevice() {
  TPortDevices& d = PortDevices();
  d.DeviceInfo = {};
  d.DeviceInfo.cbSize = sizeof d.DeviceInfo;
  return SetupDiEnumDeviceInfo(d.DeviceSet, d.DeviceIndex, &d.DeviceInfo) != FALSE;
}

HKEY OpenHardwareKey(REGSAM access) {
  TPortDevices& d = PortDevices();
  HKEY key = nullptr;
  if (d.OpenDevNodeKey != nullptr &&
      d.OpenDevNodeKey(d.DeviceInfo.DevInst, access, 0, DispositionOpenExisting, &key, HardwareKeyFlag) ==
          ConfigSuccess &&
      key != nullptr)
    return key;
  // Some configuration managers lack the export, or answer success without
  // a key; the Setup API opens the same key.
  key = SetupDiOpenDevRegKey(d.DeviceSet, &d.DeviceInfo, DICS_FLAG_GLOBAL, 0, DIREG_DEV, access);
  return key == INVALID_HANDLE_VALUE ? nullptr : key;
}

bool ReadPortName(HKEY key, std::string& name) {
  char buffer[PortNameBufferBytes] = {};
  DWORD size = sizeof buffer - 1;  // a full buffer would leave no room for the terminator
  if (RegQueryValueExA(key, "portname", nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size) !=
      ERROR_SUCCESS)
    return false;
  name = buffer;
  return true;
}

}  // namespace portcontrol
