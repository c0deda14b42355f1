// The 33 methods this service object answers "not supported" (106).
#include "serviceobject/com/member_call.h"
#include "serviceobject/com/mr62_retail.h"

namespace lumero::com {

STDMETHODIMP TMR62RetailImpl::BeginFiscalDocument(LONG, LONG* Result) {
  return Method(service::NotSupported, Result);
}
STDMETHODIMP TMR62RetailImpl::BeginFixedOutput(LONG, LONG, LONG* Result) {
  return Method(service::NotSupported, Result);
}
STDMETHODIMP TMR62RetailImpl::BeginInsertion(LONG, LONG* Result) {
  return Method(service::NotSupported, Result);
}
STDMETHODIMP TMR62RetailImpl::BeginRemoval(LONG, LONG* Result) {
  return Method(service::NotSupported, Result);
}
STDMETHODIMP TMR62RetailImpl::BeginTraining(LONG* Result) {
  return Method(service::NotSupported, Result);
}
STDMETHODIMP TMR62RetailImpl::EndFiscalDocument(LONG* Result) {
  return Method(service::NotSupported, Result);
}
STDMETHODIMP TMR62RetailImpl::EndFixedOutput(LONG* Result) {
  return Method(service::NotSupported, Result);
}
STDMETHODIMP TMR62RetailImpl::EndInsertion(LONG* Result) {
  return Method(service::NotSupported, Result);
}
STDMETHODIMP TMR62RetailImpl::EndRemoval(LONG* Result) {
  return Method(service::NotSupported, Result);
}
STDMETHODIMP TMR62RetailImpl::EndTraining(LONG* Result) {
  return Method(service::NotSupported, Result);
}
STDMETHODIMP TMR62RetailImpl::PrintFiscalDocumentLine(BSTR, LONG* Result) {
  return Method(service::NotSupported, Result);
}
STDMETHODIMP TMR62RetailImpl::PrintFixedOutput(LONG, LONG, BSTR, LONG* Result) {
  return Method(service::PrintFixedOutputNotSupported, Result);
}
STDMETHODIMP TMR62RetailImpl::PrintPowerLossReport(LONG* Result) {
  return Method(service::NotSupported, Result);
}
STDMETHODIMP TMR62RetailImpl::PrintRecNotPaid(BSTR, CURRENCY, LONG* Result) {
  return Method(service::NotSupported, Result);
}
STDMETHODIMP TMR62RetailImpl::PrintRecRefund(BSTR, CURRENCY, LONG, LONG* Result) {
  return Method(service::NotSupported, Result);
}
STDMETHODIMP TMR62RetailImpl::PrintRecVoidItem(BSTR, CURRENCY, LONG, LONG, CURRENCY, LONG, LONG* Result) {
  return Method(service::NotSupported, Result);
}
STDMETHODIMP TMR62RetailImpl::SetStoreFiscalID(BSTR, LONG* Result) {
  return Method(service::NotSupported, Result);
}
STDMETHODIMP TMR62RetailImpl::SetVatTable(LONG* Result) {
  return Method(service::NotSupported, Result);
}
STDMETHODIMP TMR62RetailImpl::SetVatValue(LONG, BSTR, LONG* Result) {
  return Method(service::NotSupported, Result);
}
STDMETHODIMP TMR62RetailImpl::PrintRecItemFuel(BSTR, CURRENCY, LONG, LONG, CURRENCY, BSTR, CURRENCY, BSTR, LONG* Result) {
  return Method(service::NotSupported, Result);
}
STDMETHODIMP TMR62RetailImpl::PrintRecItemFuelVoid(BSTR, CURRENCY, LONG, CURRENCY, LONG* Result) {
  return Method(service::NotSupported, Result);
}
STDMETHODIMP TMR62RetailImpl::PrintRecPackageAdjustment(LONG, BSTR, BSTR, LONG* Result) {
  return Method(service::NotSupported, Result);
}
STDMETHODIMP TMR62RetailImpl::PrintRecPackageAdjustVoid(LONG, BSTR, LONG* Result) {
  return Method(service::NotSupported, Result);
}
STDMETHODIMP TMR62RetailImpl::PrintRecRefundVoid(BSTR, CURRENCY, LONG, LONG* Result) {
  return Method(service::NotSupported, Result);
}
STDMETHODIMP TMR62RetailImpl::PrintRecTaxID(BSTR, LONG* Result) {
  return Method(service::NotSupported, Result);
}
STDMETHODIMP TMR62RetailImpl::SetCurrency(LONG, LONG* Result) {
  return Method(service::NotSupported, Result);
}
STDMETHODIMP TMR62RetailImpl::ResetStatistics(BSTR, LONG* Result) {
  return Method(service::NotSupported, Result);
}
STDMETHODIMP TMR62RetailImpl::RetrieveStatistics(BSTR* pStatisticsBuffer, LONG* Result) {
  return Method(service::NotSupported, Result, pStatisticsBuffer);
}
STDMETHODIMP TMR62RetailImpl::UpdateStatistics(BSTR, LONG* Result) {
  return Method(service::NotSupported, Result);
}
STDMETHODIMP TMR62RetailImpl::CompareFirmwareVersion(BSTR, LONG* pResult, LONG* Result) {
  return Method(service::NotSupported, Result, pResult);
}
STDMETHODIMP TMR62RetailImpl::UpdateFirmware(BSTR, LONG* Result) {
  return Method(service::NotSupported, Result);
}
STDMETHODIMP TMR62RetailImpl::PrintRecSubtotalAdjustVoid(LONG, CURRENCY, LONG* Result) {
  return Method(service::NotSupported, Result);
}
STDMETHODIMP TMR62RetailImpl::PrintRecItemAdjustmentVoid(LONG, BSTR, CURRENCY, LONG, LONG* Result) {
  return Method(service::NotSupported, Result);
}

}  // namespace lumero::com
