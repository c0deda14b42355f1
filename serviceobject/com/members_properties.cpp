// Property accessors built so far.
#include "serviceobject/com/member_call.h"
#include "serviceobject/com/mr62_retail.h"

namespace lumero::com {

STDMETHODIMP TMR62RetailImpl::get_ResultCode(LONG* Value) {
  return Get(Value, service::GetResultCode);
}
STDMETHODIMP TMR62RetailImpl::get_ResultCodeExtended(LONG* Value) {
  return Get(Value, service::GetResultCodeExtended);
}
STDMETHODIMP TMR62RetailImpl::get_ErrorString(BSTR* Value) {
  return Get(Value, service::GetErrorString);
}
STDMETHODIMP TMR62RetailImpl::get_DeviceEnabled(VARIANT_BOOL* Value) {
  return Get(Value, service::GetDeviceEnabled);
}
STDMETHODIMP TMR62RetailImpl::get_Claimed(VARIANT_BOOL* Value) {
  return Get(Value, service::GetClaimed);
}
STDMETHODIMP TMR62RetailImpl::get_DeviceName(BSTR* Value) {
  return Get(Value, service::GetDeviceName);
}
STDMETHODIMP TMR62RetailImpl::get_DeviceDescription(BSTR* Value) {
  return Get(Value, service::GetDeviceDescription);
}
STDMETHODIMP TMR62RetailImpl::get_DeviceServiceDescription(BSTR* Value) {
  return Get(Value, service::GetDeviceServiceDescription);
}
STDMETHODIMP TMR62RetailImpl::get_OpenResult(LONG* Value) {
  return Get(Value, service::GetOpenResult);
}
STDMETHODIMP TMR62RetailImpl::put_FiscalReceiptType(LONG Value) {
  return Put(Value, service::SetFiscalReceiptType);
}

}  // namespace lumero::com
