// Property getters.
#include "serviceobject/com/member_call.h"
#include "serviceobject/com/mr62_retail.h"

namespace lumero::com {

STDMETHODIMP TMR62RetailImpl::get_DeviceEnabled(VARIANT_BOOL* Value) {
  return Get(Value, service::GetDeviceEnabled);
}
STDMETHODIMP TMR62RetailImpl::get_ErrorString(BSTR* Value) { return Get(Value, service::GetErrorString); }
STDMETHODIMP TMR62RetailImpl::get_FiscalReceiptType(LONG* Value) {
  return Get(Value, service::GetFiscalReceiptType);
}
STDMETHODIMP TMR62RetailImpl::get_QuantityDecimalPlaces(LONG* Value) {
  return Get(Value, service::GetQuantityDecimalPlaces);
}
STDMETHODIMP TMR62RetailImpl::get_ServiceObjectVersion(LONG* Value) {
  return Get(Value, service::GetServiceObjectVersion);
}
STDMETHODIMP TMR62RetailImpl::get_FreezeEvents(VARIANT_BOOL* Value) {
  return Get(Value, service::GetFreezeEvents);
}
STDMETHODIMP TMR62RetailImpl::get_ActualCurrency(LONG* Value) {
  return Get(Value, service::GetActualCurrency);
}
STDMETHODIMP TMR62RetailImpl::get_AdditionalHeader(BSTR* Value) {
  return Get(Value, service::GetAdditionalHeader);
}
STDMETHODIMP TMR62RetailImpl::get_AdditionalTrailer(BSTR* Value) {
  return Get(Value, service::GetAdditionalTrailer);
}
STDMETHODIMP TMR62RetailImpl::get_AmountDecimalPlaces(LONG* Value) {
  return Get(Value, service::GetAmountDecimalPlaces);
}
STDMETHODIMP TMR62RetailImpl::get_AsyncMode(VARIANT_BOOL* Value) { return Get(Value, service::GetAsyncMode); }
STDMETHODIMP TMR62RetailImpl::get_ChangeDue(BSTR* Value) { return Get(Value, service::GetChangeDue); }
STDMETHODIMP TMR62RetailImpl::get_CheckTotal(VARIANT_BOOL* Value) {
  return Get(Value, service::GetCheckTotal);
}
STDMETHODIMP TMR62RetailImpl::get_ContractorId(LONG* Value) { return Get(Value, service::GetContractorId); }
STDMETHODIMP TMR62RetailImpl::get_CountryCode(LONG* Value) { return Get(Value, service::GetCountryCode); }
STDMETHODIMP TMR62RetailImpl::get_CoverOpen(VARIANT_BOOL* Value) { return Get(Value, service::GetCoverOpen); }
STDMETHODIMP TMR62RetailImpl::get_DateType(LONG* Value) { return Get(Value, service::GetDateType); }
STDMETHODIMP TMR62RetailImpl::get_DayOpened(VARIANT_BOOL* Value) { return Get(Value, service::GetDayOpened); }
STDMETHODIMP TMR62RetailImpl::get_DescriptionLength(LONG* Value) {
  return Get(Value, service::GetDescriptionLength);
}
STDMETHODIMP TMR62RetailImpl::get_DuplicateReceipt(VARIANT_BOOL* Value) {
  return Get(Value, service::GetDuplicateReceipt);
}
STDMETHODIMP TMR62RetailImpl::get_ErrorLevel(LONG* Value) { return Get(Value, service::GetErrorLevel); }
STDMETHODIMP TMR62RetailImpl::get_ErrorState(LONG* Value) { return Get(Value, service::GetErrorState); }
STDMETHODIMP TMR62RetailImpl::get_ErrorStation(LONG* Value) { return Get(Value, service::GetErrorStation); }
STDMETHODIMP TMR62RetailImpl::get_FiscalReceiptStation(LONG* Value) {
  return Get(Value, service::GetFiscalReceiptStation);
}
STDMETHODIMP TMR62RetailImpl::get_FlagWhenIdle(VARIANT_BOOL* Value) {
  return Get(Value, service::GetFlagWhenIdle);
}
STDMETHODIMP TMR62RetailImpl::get_JrnEmpty(VARIANT_BOOL* Value) { return Get(Value, service::GetJrnEmpty); }
STDMETHODIMP TMR62RetailImpl::get_JrnNearEnd(VARIANT_BOOL* Value) {
  return Get(Value, service::GetJrnNearEnd);
}
STDMETHODIMP TMR62RetailImpl::get_MessageLength(LONG* Value) { return Get(Value, service::GetMessageLength); }
STDMETHODIMP TMR62RetailImpl::get_MessageType(LONG* Value) { return Get(Value, service::GetMessageType); }
STDMETHODIMP TMR62RetailImpl::get_NumHeaderLines(LONG* Value) {
  return Get(Value, service::GetNumHeaderLines);
}
STDMETHODIMP TMR62RetailImpl::get_NumTrailerLines(LONG* Value) {
  return Get(Value, service::GetNumTrailerLines);
}
STDMETHODIMP TMR62RetailImpl::get_NumVatRates(LONG* Value) { return Get(Value, service::GetNumVatRates); }
STDMETHODIMP TMR62RetailImpl::get_PostLine(BSTR* Value) { return Get(Value, service::GetPostLine); }
STDMETHODIMP TMR62RetailImpl::get_PredefinedPaymentLines(BSTR* Value) {
  return Get(Value, service::GetPredefinedPaymentLines);
}
STDMETHODIMP TMR62RetailImpl::get_PreLine(BSTR* Value) { return Get(Value, service::GetPreLine); }
STDMETHODIMP TMR62RetailImpl::get_PrinterState(LONG* Value) { return Get(Value, service::GetPrinterState); }
STDMETHODIMP TMR62RetailImpl::get_QuantityLength(LONG* Value) {
  return Get(Value, service::GetQuantityLength);
}
STDMETHODIMP TMR62RetailImpl::get_RecEmpty(VARIANT_BOOL* Value) { return Get(Value, service::GetRecEmpty); }
STDMETHODIMP TMR62RetailImpl::get_RecNearEnd(VARIANT_BOOL* Value) {
  return Get(Value, service::GetRecNearEnd);
}
STDMETHODIMP TMR62RetailImpl::get_RemainingFiscalMemory(LONG* Value) {
  return Get(Value, service::GetRemainingFiscalMemory);
}
STDMETHODIMP TMR62RetailImpl::get_ReservedWord(BSTR* Value) { return Get(Value, service::GetReservedWord); }
STDMETHODIMP TMR62RetailImpl::get_SlpEmpty(VARIANT_BOOL* Value) { return Get(Value, service::GetSlpEmpty); }
STDMETHODIMP TMR62RetailImpl::get_SlpNearEnd(VARIANT_BOOL* Value) {
  return Get(Value, service::GetSlpNearEnd);
}
STDMETHODIMP TMR62RetailImpl::get_SlipSelection(LONG* Value) { return Get(Value, service::GetSlipSelection); }
STDMETHODIMP TMR62RetailImpl::get_TotalizerType(LONG* Value) { return Get(Value, service::GetTotalizerType); }
STDMETHODIMP TMR62RetailImpl::get_TrainingModeActive(VARIANT_BOOL* Value) {
  return Get(Value, service::GetTrainingModeActive);
}
STDMETHODIMP TMR62RetailImpl::get_ResultCode(LONG* Value) { return Get(Value, service::GetResultCode); }
STDMETHODIMP TMR62RetailImpl::get_ResultCodeExtended(LONG* Value) {
  return Get(Value, service::GetResultCodeExtended);
}
STDMETHODIMP TMR62RetailImpl::get_ServiceObjectDescription(BSTR* Value) {
  return Get(Value, service::GetServiceObjectDescription);
}
STDMETHODIMP TMR62RetailImpl::get_DeviceDescription(BSTR* Value) {
  return Get(Value, service::GetDeviceDescription);
}
STDMETHODIMP TMR62RetailImpl::get_DeviceName(BSTR* Value) { return Get(Value, service::GetDeviceName); }
STDMETHODIMP TMR62RetailImpl::get_OpenResult(LONG* Value) { return Get(Value, service::GetOpenResult); }
STDMETHODIMP TMR62RetailImpl::get_State(LONG* Value) { return Get(Value, service::GetState); }
STDMETHODIMP TMR62RetailImpl::get_Claimed(VARIANT_BOOL* Value) { return Get(Value, service::GetClaimed); }
STDMETHODIMP TMR62RetailImpl::get_DataEventEnabled(VARIANT_BOOL* Value) {
  return Get(Value, service::GetDataEventEnabled);
}
STDMETHODIMP TMR62RetailImpl::get_OutputID(LONG* Value) { return Get(Value, service::GetOutputID); }
STDMETHODIMP TMR62RetailImpl::get_BinaryConversion(LONG* Value) {
  return Get(Value, service::GetBinaryConversion);
}
STDMETHODIMP TMR62RetailImpl::get_PowerNotify(LONG* Value) { return Get(Value, service::GetPowerNotify); }
STDMETHODIMP TMR62RetailImpl::get_PowerState(LONG* Value) { return Get(Value, service::GetPowerState); }
STDMETHODIMP TMR62RetailImpl::get_CheckHealthText(BSTR* Value) {
  return Get(Value, service::GetCheckHealthText);
}
STDMETHODIMP TMR62RetailImpl::get_ErrorOutID(LONG* Value) { return Get(Value, service::GetErrorOutID); }
STDMETHODIMP TMR62RetailImpl::get_DeviceServiceDescription(BSTR* Value) {
  return Get(Value, service::GetDeviceServiceDescription);
}
STDMETHODIMP TMR62RetailImpl::get_DeviceServiceVersion(LONG* Value) {
  return Get(Value, service::GetDeviceServiceVersion);
}
STDMETHODIMP TMR62RetailImpl::get_OpenDrawerProp(LONG* Value) {
  return Get(Value, service::GetOpenDrawerProp);
}

}  // namespace lumero::com
