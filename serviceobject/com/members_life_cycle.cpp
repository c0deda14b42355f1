// Opening, claiming, enabling, closing and the housekeeping members.
#include "serviceobject/com/member_call.h"
#include "serviceobject/com/mr62_retail.h"

namespace lumero::com {

// The arguments name nothing the core needs: the model comes from the registry.
STDMETHODIMP TMR62RetailImpl::OpenService(BSTR, BSTR, IDispatch*, LONG* pRC) {
  return Method([] { return service::OpenService(); }, pRC);
}
STDMETHODIMP TMR62RetailImpl::Claim(LONG Timeout, LONG* Result) {
  return Method([=] { return service::Claim(Timeout); }, Result);
}
STDMETHODIMP TMR62RetailImpl::ClaimDevice(LONG Timeout, LONG* Result) {
  return Method([=] { return service::ClaimDevice(Timeout); }, Result);
}
STDMETHODIMP TMR62RetailImpl::put_DeviceEnabled(VARIANT_BOOL Value) {
  return Put(Value, service::SetDeviceEnabled);
}
STDMETHODIMP TMR62RetailImpl::ReleaseDevice(LONG* Result) {
  return Method(service::ReleaseDevice, Result);
}
STDMETHODIMP TMR62RetailImpl::Close(LONG* Result) { return Method(service::Close, Result); }
STDMETHODIMP TMR62RetailImpl::CloseService(LONG* Result) {
  return Method(service::CloseService, Result);
}
STDMETHODIMP TMR62RetailImpl::ClearOutput(LONG* Result) {
  return Method(service::ClearOutput, Result);
}
STDMETHODIMP TMR62RetailImpl::ClearError(LONG* Result) {
  return Method(service::ClearError, Result);
}
STDMETHODIMP TMR62RetailImpl::CheckHealth(LONG Level, LONG* Result) {
  return Method([=] { return service::CheckHealth(Level); }, Result);
}
STDMETHODIMP TMR62RetailImpl::COFreezeEvents(VARIANT_BOOL Freeze) {
  return Procedure([=] { service::COFreezeEvents(ToBool(Freeze)); });
}

}  // namespace lumero::com
