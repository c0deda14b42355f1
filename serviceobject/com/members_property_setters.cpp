// Property setters, but DeviceEnabled's, which belongs to the life cycle.
#include "serviceobject/com/member_call.h"
#include "serviceobject/com/mr62_retail.h"

namespace lumero::com {

STDMETHODIMP TMR62RetailImpl::put_FiscalReceiptType(LONG Value) {
  return Put(Value, service::SetFiscalReceiptType);
}
STDMETHODIMP TMR62RetailImpl::put_FreezeEvents(VARIANT_BOOL Value) {
  return Put(Value, service::SetFreezeEvents);
}
STDMETHODIMP TMR62RetailImpl::put_AdditionalHeader(BSTR Value) {
  return Put(Value, service::SetAdditionalHeader);
}
STDMETHODIMP TMR62RetailImpl::put_AdditionalTrailer(BSTR Value) {
  return Put(Value, service::SetAdditionalTrailer);
}
STDMETHODIMP TMR62RetailImpl::put_AsyncMode(VARIANT_BOOL Value) { return Put(Value, service::SetAsyncMode); }
STDMETHODIMP TMR62RetailImpl::put_ChangeDue(BSTR Value) { return Put(Value, service::SetChangeDue); }
STDMETHODIMP TMR62RetailImpl::put_CheckTotal(VARIANT_BOOL Value) {
  return Put(Value, service::SetCheckTotal);
}
STDMETHODIMP TMR62RetailImpl::put_ContractorId(LONG Value) { return Put(Value, service::SetContractorId); }
STDMETHODIMP TMR62RetailImpl::put_DateType(LONG Value) { return Put(Value, service::SetDateType); }
STDMETHODIMP TMR62RetailImpl::put_DuplicateReceipt(VARIANT_BOOL Value) {
  return Put(Value, service::SetDuplicateReceipt);
}
STDMETHODIMP TMR62RetailImpl::put_FiscalReceiptStation(LONG Value) {
  return Put(Value, service::SetFiscalReceiptStation);
}
STDMETHODIMP TMR62RetailImpl::put_FlagWhenIdle(VARIANT_BOOL Value) {
  return Put(Value, service::SetFlagWhenIdle);
}
STDMETHODIMP TMR62RetailImpl::put_MessageType(LONG Value) { return Put(Value, service::SetMessageType); }
STDMETHODIMP TMR62RetailImpl::put_PostLine(BSTR Value) { return Put(Value, service::SetPostLine); }
STDMETHODIMP TMR62RetailImpl::put_PreLine(BSTR Value) { return Put(Value, service::SetPreLine); }
STDMETHODIMP TMR62RetailImpl::put_SlipSelection(LONG Value) { return Put(Value, service::SetSlipSelection); }
STDMETHODIMP TMR62RetailImpl::put_TotalizerType(LONG Value) { return Put(Value, service::SetTotalizerType); }
STDMETHODIMP TMR62RetailImpl::put_DataEventEnabled(VARIANT_BOOL Value) {
  return Put(Value, service::SetDataEventEnabled);
}
STDMETHODIMP TMR62RetailImpl::put_BinaryConversion(LONG Value) {
  return Put(Value, service::SetBinaryConversion);
}
STDMETHODIMP TMR62RetailImpl::put_PowerNotify(LONG Value) { return Put(Value, service::SetPowerNotify); }

}  // namespace lumero::com
