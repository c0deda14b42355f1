#include "installer/port_control.h"

// Interface first; the operations follow.
TPortControl::TPortControl() = default;
TPortControl::~TPortControl() = default;
int32_t TPortControl::OpenPort() { return port_result::OpenFailed; }
int32_t TPortControl::ClosePort() { return port_result::NotOpen; }
int32_t TPortControl::StartSession(bool) { return port_result::NotOpen; }
int32_t TPortControl::EndSession(bool) { return port_result::NotOpen; }
int32_t TPortControl::WriteData(const char*, unsigned long, unsigned long*) { return port_result::NotOpen; }
int32_t TPortControl::ReadData(char*, unsigned long, unsigned long*) { return port_result::NotOpen; }
int32_t TPortControl::ClearError() { return port_result::NotOpen; }
int32_t TPortControl::SetPortTimeouts() { return port_result::NotOpen; }
int32_t TPortControl::EscapeCommFunction(unsigned long) { return port_result::NotOpen; }
int32_t TPortControl::ClearBuffers(unsigned long) { return port_result::NotOpen; }
int32_t TPortControl::EnableFIFO(bool) { return port_result::DeviceKeyFailed; }
int32_t TPortControl::SetFIFOSize(bool, unsigned long) { return port_result::DeviceKeyFailed; }
int32_t TPortControl::IsFIFOEnable() { return port_result::DeviceKeyFailed; }
int32_t TPortControl::GetFIFOSize(bool) { return port_result::DeviceKeyFailed; }
void TPortControl::SetNumPort(const std::string&) {}
void TPortControl::SetTimeout(const T1CommTimeouts& value) { FTimeout = value; }
HKEY TPortControl::GetDeviceKey(const std::string&) { return nullptr; }
void TPortControl::ErrorString(uint32_t) {}
