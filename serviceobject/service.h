#pragma once
// The portable service core: what every member of the COM object does, on
// plain C++ values. Texts are single-byte text in the ANSI code page (1251).
// The COM layer converts arguments, takes ServiceMutex() for the whole call,
// and turns results back into COM.
#include <cstdint>
#include <mutex>
#include <stdexcept>
#include <string>

namespace service {

// A text that is not a number where one is converted (a port name such as
// "COMX", a figure of a device reply). Accessors report it through COM error
// information; methods report a failure result.
class ServiceError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One lock for all members of all objects of the process.
std::recursive_mutex& ServiceMutex();

// Opening and the device life cycle. Each returns the member's Result.
int32_t OpenService();  // pRC: 0, 106 or 109
int32_t Claim(int32_t timeout);
int32_t ClaimDevice(int32_t timeout);
void SetDeviceEnabled(bool enabled);  // may throw ServiceError
int32_t ReleaseDevice();
int32_t Close();
int32_t CloseService();
int32_t ClearOutput();
int32_t ClearError();
int32_t CheckHealth(int32_t level);
void COFreezeEvents(bool freeze);

// The methods answered "not supported"; PrintFixedOutput also clears the
// duplicate-receipt flag.
int32_t NotSupported();
int32_t PrintFixedOutputNotSupported();

// Getters that a getter's guard may refuse return false and leave `value`.
int32_t GetResultCode();
int32_t GetResultCodeExtended();
bool GetErrorString(std::string& value);
bool GetDeviceEnabled(bool& value);
bool GetClaimed(bool& value);
bool GetDeviceName(std::string& value);
bool GetDeviceDescription(std::string& value);
bool GetDeviceServiceDescription(std::string& value);
bool GetOpenResult(int32_t& value);

}  // namespace service
