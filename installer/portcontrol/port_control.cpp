#include "installer/portcontrol/port_control.h"

#include <cstdio>

#include "installer/portcontrol/port_devices.h"
#include "installer/portcontrol/port_platform.h"
#include "installer/portcontrol/port_shared.h"

using namespace portcontrol;

TPortControl::TPortControl() {
  FDcb.DCBlength = sizeof FDcb;
  TPortDevices& devices = PortDevices();
  devices.Busy = false;
  ++devices.Instances;
  FCfgMgrModule = LoadLibraryA("cfgmgr32");
  devices.OpenDevNodeKey =
      FCfgMgrModule == nullptr
          ? nullptr
          : reinterpret_cast<OpenDevNodeKeyFunction>(
                reinterpret_cast<void*>(GetProcAddress(FCfgMgrModule, "CM_Open_DevNode_Key")));
}

TPortControl::~TPortControl() {
  // A listing after the last instance falls back to the Setup API rather
  // than call into a module that may be unloaded.
  if (--PortDevices().Instances == 0) PortDevices().OpenDevNodeKey = nullptr;
  if (FCfgMgrModule != nullptr) FreeLibrary(FCfgMgrModule);
}

int32_t TPortControl::Succeeded() {
  FLastErrorText.clear();
  FLastError = 0;
  return port_result::Success;
}

int32_t TPortControl::SystemFailure(int32_t code) {
  FLastError = GetLastError();
  if (EnableDescr) ErrorString(FLastError);
  return code;
}

int32_t TPortControl::Refusal(int32_t code, const char* text) {
  if (code != port_result::AlreadyOpen) FLastError = 0;
  if (EnableDescr) FLastErrorText = text;
  return code;
}

int32_t TPortControl::ReleaseAfterFailure(int32_t code) {
  const int32_t result = SystemFailure(code);
  CloseHandle(FHandle);  // a port that is not set up must not stay held
  FHandle = nullptr;
  return result;
}

void TPortControl::ApplyTimeouts() {
  FCommTimeouts.ReadIntervalTimeout = static_cast<DWORD>(FTimeout.ReadIntervalTimeout);
  FCommTimeouts.ReadTotalTimeoutMultiplier = static_cast<DWORD>(FTimeout.ReadTotalTimeoutMultiplier);
  FCommTimeouts.ReadTotalTimeoutConstant = static_cast<DWORD>(FTimeout.ReadTotalTimeoutConstant);
  FCommTimeouts.WriteTotalTimeoutMultiplier = static_cast<DWORD>(FTimeout.WriteTotalTimeoutMultiplier);
  FCommTimeouts.WriteTotalTimeoutConstant = static_cast<DWORD>(FTimeout.WriteTotalTimeoutConstant);
}

void TPortControl::SetNumPort(const std::string& value) {
  if (FHandle != nullptr) return;
  if (std::optional<std::string> name = AcceptedPortName(value, CurrentPlatform())) FPort = *name;
}

void TPortControl::SetTimeout(const T1CommTimeouts& value) { FTimeout = value; }

void TPortControl::ErrorString(uint32_t code) {
  constexpr uint32_t WindowsFacility = 8;
  if (((code >> 16) & 0x1FFF) == WindowsFacility) code &= 0xFFFF;
  char message[1024] = {};
  // The text comes from the system: inserts are not ours to fill.
  if (FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0x400, message,
                     sizeof message, nullptr) == 0)
    message[0] = '\0';
  char text[1024];
  std::snprintf(text, sizeof text, "%s\nError = 0x%lx", message, static_cast<unsigned long>(code));
  FLastErrorText = text;
}

int32_t TPortControl::OpenPort() {
  if (FHandle != nullptr) return Refusal(port_result::AlreadyOpen, "Port was opened!\nError = -20");
  // The device namespace prefix is what opens COM10 and above.
  const std::string device = "\\\\.\\" + FPort;
  HANDLE handle = CreateFileA(device.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    FHandle = nullptr;
    return SystemFailure(port_result::OpenFailed);
  }
  FHandle = handle;
  if (!GetCommState(FHandle, &FDcb)) return ReleaseAfterFailure(port_result::GetStateFailed);
  FDcb.BaudRate = static_cast<DWORD>(BaudRate);
  FDcb.ByteSize = static_cast<BYTE>(DataBits);
  FDcb.Parity = static_cast<BYTE>(Parity);
  FDcb.StopBits = static_cast<BYTE>(StopBits);
  FDcb.fDtrControl = static_cast<DWORD>(DTR);
  FDcb.fRtsControl = static_cast<DWORD>(RTS);
  if (!SetCommState(FHandle, &FDcb)) return ReleaseAfterFailure(port_result::SetStateFailed);
  if (!GetCommState(FHandle, &FDcb)) return ReleaseAfterFailure(port_result::GetStateFailed);
  ApplyTimeouts();
  if (!SetCommTimeouts(FHandle, &FCommTimeouts)) return ReleaseAfterFailure(port_result::SetTimeoutsFailed);
  return Succeeded();
}

int32_t TPortControl::ClosePort() {
  if (FHandle == nullptr) return Refusal(port_result::NotOpen, PortNotOpenText);
  // The handle goes whatever fails before: the first failure is answered.
  int32_t result = port_result::Success;
  if (!FlushFileBuffers(FHandle)) result = SystemFailure(port_result::FlushFailed);
  if (!PurgeComm(FHandle, PurgeAll) && result == port_result::Success) result = SystemFailure(port_result::PurgeFailed);
  if (!CloseHandle(FHandle) && result == port_result::Success) result = SystemFailure(port_result::CloseFailed);
  FHandle = nullptr;
  return result == port_result::Success ? Succeeded() : result;
}

int32_t TPortControl::SetPortTimeouts() {
  if (FHandle == nullptr) return Refusal(port_result::NotOpen, PortNotOpenText);
  ApplyTimeouts();
  if (!SetCommTimeouts(FHandle, &FCommTimeouts)) return SystemFailure(port_result::SetTimeoutsFailed);
  return Succeeded();
}
