// The capability getters: constants of the service object, read while open.
#include "serviceobject/com/member_call.h"
#include "serviceobject/com/mr62_retail.h"

namespace lumero::com {

using service::Cap;
using service::GetCap;

STDMETHODIMP TMR62RetailImpl::get_CapAdditionalHeader(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::AdditionalHeader>);
}
STDMETHODIMP TMR62RetailImpl::get_CapAdditionalLines(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::AdditionalLines>);
}
STDMETHODIMP TMR62RetailImpl::get_CapAdditionalTrailer(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::AdditionalTrailer>);
}
STDMETHODIMP TMR62RetailImpl::get_CapAmountAdjustment(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::AmountAdjustment>);
}
STDMETHODIMP TMR62RetailImpl::get_CapAmountNotPaid(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::AmountNotPaid>);
}
STDMETHODIMP TMR62RetailImpl::get_CapChangeDue(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::ChangeDue>);
}
STDMETHODIMP TMR62RetailImpl::get_CapCheckTotal(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::CheckTotal>);
}
STDMETHODIMP TMR62RetailImpl::get_CapCoverSensor(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::CoverSensor>);
}
STDMETHODIMP TMR62RetailImpl::get_CapDoubleWidth(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::DoubleWidth>);
}
STDMETHODIMP TMR62RetailImpl::get_CapDuplicateReceipt(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::DuplicateReceipt>);
}
STDMETHODIMP TMR62RetailImpl::get_CapEmptyReceiptIsVoidable(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::EmptyReceiptIsVoidable>);
}
STDMETHODIMP TMR62RetailImpl::get_CapFiscalReceiptStation(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::FiscalReceiptStation>);
}
STDMETHODIMP TMR62RetailImpl::get_CapFiscalReceiptType(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::FiscalReceiptType>);
}
STDMETHODIMP TMR62RetailImpl::get_CapFixedOutput(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::FixedOutput>);
}
STDMETHODIMP TMR62RetailImpl::get_CapHasVatTable(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::HasVatTable>);
}
STDMETHODIMP TMR62RetailImpl::get_CapIndependentHeader(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::IndependentHeader>);
}
STDMETHODIMP TMR62RetailImpl::get_CapItemList(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::ItemList>);
}
STDMETHODIMP TMR62RetailImpl::get_CapJrnEmptySensor(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::JrnEmptySensor>);
}
STDMETHODIMP TMR62RetailImpl::get_CapJrnNearEndSensor(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::JrnNearEndSensor>);
}
STDMETHODIMP TMR62RetailImpl::get_CapJrnPresent(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::JrnPresent>);
}
STDMETHODIMP TMR62RetailImpl::get_CapMultiContractor(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::MultiContractor>);
}
STDMETHODIMP TMR62RetailImpl::get_CapNonFiscalMode(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::NonFiscalMode>);
}
STDMETHODIMP TMR62RetailImpl::get_CapOnlyVoidLastItem(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::OnlyVoidLastItem>);
}
STDMETHODIMP TMR62RetailImpl::get_CapOrderAdjustmentFirst(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::OrderAdjustmentFirst>);
}
STDMETHODIMP TMR62RetailImpl::get_CapPackageAdjustment(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::PackageAdjustment>);
}
STDMETHODIMP TMR62RetailImpl::get_CapPercentAdjustment(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::PercentAdjustment>);
}
STDMETHODIMP TMR62RetailImpl::get_CapPositiveAdjustment(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::PositiveAdjustment>);
}
STDMETHODIMP TMR62RetailImpl::get_CapPostPreLine(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::PostPreLine>);
}
STDMETHODIMP TMR62RetailImpl::get_CapPowerLossReport(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::PowerLossReport>);
}
STDMETHODIMP TMR62RetailImpl::get_CapPredefinedPaymentLines(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::PredefinedPaymentLines>);
}
STDMETHODIMP TMR62RetailImpl::get_CapReceiptNotPaid(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::ReceiptNotPaid>);
}
STDMETHODIMP TMR62RetailImpl::get_CapRecEmptySensor(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::RecEmptySensor>);
}
STDMETHODIMP TMR62RetailImpl::get_CapRecNearEndSensor(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::RecNearEndSensor>);
}
STDMETHODIMP TMR62RetailImpl::get_CapRecPresent(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::RecPresent>);
}
STDMETHODIMP TMR62RetailImpl::get_CapRemainingFiscalMemory(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::RemainingFiscalMemory>);
}
STDMETHODIMP TMR62RetailImpl::get_CapReservedWord(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::ReservedWord>);
}
STDMETHODIMP TMR62RetailImpl::get_CapSetCurrency(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::SetCurrency>);
}
STDMETHODIMP TMR62RetailImpl::get_CapSetHeader(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::SetHeader>);
}
STDMETHODIMP TMR62RetailImpl::get_CapSetPOSID(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::SetPOSID>);
}
STDMETHODIMP TMR62RetailImpl::get_CapSetStoreFiscalID(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::SetStoreFiscalID>);
}
STDMETHODIMP TMR62RetailImpl::get_CapSetTrailer(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::SetTrailer>);
}
STDMETHODIMP TMR62RetailImpl::get_CapSetVatTable(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::SetVatTable>);
}
STDMETHODIMP TMR62RetailImpl::get_CapSlpEmptySensor(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::SlpEmptySensor>);
}
STDMETHODIMP TMR62RetailImpl::get_CapSlpFiscalDocument(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::SlpFiscalDocument>);
}
STDMETHODIMP TMR62RetailImpl::get_CapSlpFullSlip(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::SlpFullSlip>);
}
STDMETHODIMP TMR62RetailImpl::get_CapSlpNearEndSensor(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::SlpNearEndSensor>);
}
STDMETHODIMP TMR62RetailImpl::get_CapSlpPresent(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::SlpPresent>);
}
STDMETHODIMP TMR62RetailImpl::get_CapSlpValidation(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::SlpValidation>);
}
STDMETHODIMP TMR62RetailImpl::get_CapSubAmountAdjustment(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::SubAmountAdjustment>);
}
STDMETHODIMP TMR62RetailImpl::get_CapSubPercentAdjustment(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::SubPercentAdjustment>);
}
STDMETHODIMP TMR62RetailImpl::get_CapSubtotal(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::Subtotal>);
}
STDMETHODIMP TMR62RetailImpl::get_CapTotalizerType(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::TotalizerType>);
}
STDMETHODIMP TMR62RetailImpl::get_CapTrainingMode(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::TrainingMode>);
}
STDMETHODIMP TMR62RetailImpl::get_CapValidateJournal(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::ValidateJournal>);
}
STDMETHODIMP TMR62RetailImpl::get_CapXReport(VARIANT_BOOL* Value) { return Get(Value, GetCap<Cap::XReport>); }
STDMETHODIMP TMR62RetailImpl::get_CapPowerReporting(LONG* Value) {
  return Get(Value, service::GetCapPowerReporting);
}
STDMETHODIMP TMR62RetailImpl::get_CapStatisticsReporting(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::StatisticsReporting>);
}
STDMETHODIMP TMR62RetailImpl::get_CapUpdateStatistics(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::UpdateStatistics>);
}
STDMETHODIMP TMR62RetailImpl::get_CapCompareFirmwareVersion(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::CompareFirmwareVersion>);
}
STDMETHODIMP TMR62RetailImpl::get_CapUpdateFirmware(VARIANT_BOOL* Value) {
  return Get(Value, GetCap<Cap::UpdateFirmware>);
}

}  // namespace lumero::com
