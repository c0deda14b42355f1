#pragma once
// The process-wide state that the port listing and the device-key search
// share: the device set of the setup class "Ports", the device at hand, and
// the configuration manager's key opener that TPortControl resolves by name.
#include <windows.h>
#include <setupapi.h>

#include <string>

namespace portcontrol {

// CM_Open_DevNode_Key of "cfgmgr32", loaded at run time.
using OpenDevNodeKeyFunction = DWORD(WINAPI*)(DWORD devInst, REGSAM access, ULONG hardwareProfile,
                                              DWORD disposition, HKEY* key, ULONG flags);

struct TPortDevices {
  GUID ClassGuids[20]{};
  HDEVINFO DeviceSet = INVALID_HANDLE_VALUE;
  SP_DEVINFO_DATA DeviceInfo{};
  DWORD DeviceIndex = 0;
  bool Busy = false;  // a listing runs
  OpenDevNodeKeyFunction OpenDevNodeKey = nullptr;
  int Instances = 0;  // the opener's module may go with the last of them
};

TPortDevices& PortDevices();

// Replaces the held set by the present devices of class "Ports"; false when
// none could be made.
bool MakePortDeviceSet();
void DestroyPortDeviceSet();
// Fills DeviceInfo with the device at DeviceIndex; false past the last one.
bool FetchPortDevice();
// The hardware key of the device at hand opened with `access`, or nullptr.
HKEY OpenHardwareKey(REGSAM access);
// The "portname" value of `key`; false when it is missing or fills the
// buffer that the system's port names fit in.
bool ReadPortName(HKEY key, std::string& name);

}  // namespace portcontrol
