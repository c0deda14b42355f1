// Members not built yet. Each answers E_NOTIMPL until its behaviour is
// implemented; then its line moves to the file of its kind. This list only
// shrinks.
#include "serviceobject/com/mr62_retail.h"

namespace lumero::com {

STDMETHODIMP TMR62RetailImpl::get_FiscalReceiptType(LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_QuantityDecimalPlaces(LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::GetData(LONG, LONG*, BSTR*, LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::GetTotalizer(LONG, LONG, BSTR*, LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::PrintXReport(LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::PrintZReport(LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::DirectIO(LONG, LONG*, BSTR*, LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::GetPropertyNumber(LONG, LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::GetPropertyString(LONG, BSTR*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::SetPropertyString(LONG, BSTR) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::GetDate(BSTR*, LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::GetVatEntry(LONG, LONG, LONG*, LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::PrintDuplicateReceipt(LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::PrintNormal(LONG, BSTR, LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::PrintReport(LONG, BSTR, BSTR, LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::SetDate(BSTR, LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::SetHeaderLine(LONG, BSTR, VARIANT_BOOL, LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::SetPOSID(BSTR, BSTR, LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::SetTrailerLine(LONG, BSTR, VARIANT_BOOL, LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::PrintPeriodicTotalsReport(BSTR, BSTR, LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_ServiceObjectVersion(LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_FreezeEvents(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::put_FreezeEvents(VARIANT_BOOL) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_ActualCurrency(LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_AdditionalHeader(BSTR*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::put_AdditionalHeader(BSTR) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_AdditionalTrailer(BSTR*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::put_AdditionalTrailer(BSTR) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_AmountDecimalPlaces(LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_AsyncMode(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::put_AsyncMode(VARIANT_BOOL) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapAdditionalHeader(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapAdditionalLines(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapAdditionalTrailer(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapAmountAdjustment(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapAmountNotPaid(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapChangeDue(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapCheckTotal(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapCoverSensor(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapDoubleWidth(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapDuplicateReceipt(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapEmptyReceiptIsVoidable(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapFiscalReceiptStation(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapFiscalReceiptType(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapFixedOutput(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapHasVatTable(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapIndependentHeader(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapItemList(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapJrnEmptySensor(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapJrnNearEndSensor(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapJrnPresent(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapMultiContractor(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapNonFiscalMode(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapOnlyVoidLastItem(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapOrderAdjustmentFirst(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapPackageAdjustment(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapPercentAdjustment(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapPositiveAdjustment(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapPostPreLine(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapPowerLossReport(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapPredefinedPaymentLines(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapReceiptNotPaid(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapRecEmptySensor(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapRecNearEndSensor(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapRecPresent(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapRemainingFiscalMemory(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapReservedWord(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapSetCurrency(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapSetHeader(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapSetPOSID(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapSetStoreFiscalID(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapSetTrailer(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapSetVatTable(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapSlpEmptySensor(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapSlpFiscalDocument(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapSlpFullSlip(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapSlpNearEndSensor(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapSlpPresent(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapSlpValidation(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapSubAmountAdjustment(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapSubPercentAdjustment(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapSubtotal(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapTotalizerType(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapTrainingMode(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapValidateJournal(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapXReport(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_ChangeDue(BSTR*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::put_ChangeDue(BSTR) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CheckTotal(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::put_CheckTotal(VARIANT_BOOL) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_ContractorId(LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::put_ContractorId(LONG) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CountryCode(LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CoverOpen(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_DateType(LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::put_DateType(LONG) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_DayOpened(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_DescriptionLength(LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_DuplicateReceipt(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::put_DuplicateReceipt(VARIANT_BOOL) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_ErrorLevel(LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_ErrorState(LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_ErrorStation(LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_FiscalReceiptStation(LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::put_FiscalReceiptStation(LONG) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_FlagWhenIdle(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::put_FlagWhenIdle(VARIANT_BOOL) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_JrnEmpty(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_JrnNearEnd(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_MessageLength(LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_MessageType(LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::put_MessageType(LONG) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_NumHeaderLines(LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_NumTrailerLines(LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_NumVatRates(LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_PostLine(BSTR*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::put_PostLine(BSTR) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_PredefinedPaymentLines(BSTR*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_PreLine(BSTR*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::put_PreLine(BSTR) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_PrinterState(LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_QuantityLength(LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_RecEmpty(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_RecNearEnd(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_RemainingFiscalMemory(LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_ReservedWord(BSTR*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_SlpEmpty(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_SlpNearEnd(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_SlipSelection(LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::put_SlipSelection(LONG) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_TotalizerType(LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::put_TotalizerType(LONG) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_TrainingModeActive(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_ServiceObjectDescription(BSTR*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_State(LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_DataEventEnabled(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::put_DataEventEnabled(VARIANT_BOOL) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_OutputID(LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_BinaryConversion(LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::put_BinaryConversion(LONG) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapPowerReporting(LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_PowerNotify(LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::put_PowerNotify(LONG) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_PowerState(LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapStatisticsReporting(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapUpdateStatistics(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapCompareFirmwareVersion(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CapUpdateFirmware(VARIANT_BOOL*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_CheckHealthText(BSTR*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_ErrorOutID(LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::SetPropertyNumber(LONG, LONG) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_DeviceServiceVersion(LONG*) { return E_NOTIMPL; }
STDMETHODIMP TMR62RetailImpl::get_OpenDrawerProp(LONG*) { return E_NOTIMPL; }

}  // namespace lumero::com
