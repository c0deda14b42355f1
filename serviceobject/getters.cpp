// Getters of the result and life-cycle properties. One refused by its guard
// reports 101 and leaves the caller's value as it was.
#include "serviceobject/configuration.h"
#include "serviceobject/results.h"
#include "serviceobject/service.h"
#include "serviceobject/service_state.h"

namespace service {
namespace {

bool DescribeModel(const char* suffix, std::string& value) {
  if (!RequireOpen()) return false;
  value = std::string(CurrentDisplayName()) + suffix;
  return true;
}

}  // namespace

int32_t GetResultCode() { return ServiceState().FResultCode; }

int32_t GetResultCodeExtended() { return ServiceState().FResultCodeExtended; }

bool GetErrorString(std::string& value) {
  if (!RequireOpen()) return false;
  value = ServiceState().FErrorString;
  return true;
}

bool GetDeviceEnabled(bool& value) {
  if (!RequireOpen(TextServiceObjectNotOpen)) return false;
  value = ServiceState().FDeviceEnabled != 0;
  return true;
}

bool GetClaimed(bool& value) {
  if (!RequireOpen()) return false;
  value = ServiceState().FClaimed != 0;
  return true;
}

bool GetDeviceName(std::string& value) { return DescribeModel(" Fiscal Printer", value); }

bool GetDeviceDescription(std::string& value) {
  return DescribeModel(" Fiscal Printer, Ukrainian Version", value);
}

bool GetDeviceServiceDescription(std::string& value) {
  return DescribeModel(" Compatible Service Driver, Vornik Ukraine", value);
}

bool GetOpenResult(int32_t& value) {
  if (!RequireOpen()) return false;
  value = ServiceState().FOpenResult;
  return true;
}

}  // namespace service
