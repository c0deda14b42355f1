#pragma once
// TMR62RetailImpl, the COM object of MR62Retail. It keeps no device state:
// every member adapts its COM arguments and calls the process-wide service
// core. It can be aggregated; its connection point never fires.
#include <atomic>

#include "serviceobject/com/com_interface.h"
#include "serviceobject/com/connection_point.h"

namespace lumero::com {

class TMR62RetailImpl final : public IMR62Retail, public IConnectionPointContainer {
 public:
  // For the class factory: `outer` is null or the aggregating object.
  static HRESULT Create(IUnknown* outer, REFIID riid, void** ppv);

  TMR62RetailImpl(const TMR62RetailImpl&) = delete;
  TMR62RetailImpl& operator=(const TMR62RetailImpl&) = delete;

  // IUnknown, delegating to the controlling unknown.
  STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;

  // IDispatch, from the registered type library.
  STDMETHODIMP GetTypeInfoCount(UINT* count) override;
  STDMETHODIMP GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
  STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid,
                             DISPID* ids) override;
  STDMETHODIMP Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params,
                      VARIANT* result, EXCEPINFO* exception, UINT* bad_argument) override;

  // IConnectionPointContainer
  STDMETHODIMP EnumConnectionPoints(IEnumConnectionPoints** points) override;
  STDMETHODIMP FindConnectionPoint(REFIID riid, IConnectionPoint** point) override;

  // IMR62Retail, in vtable order.
  STDMETHODIMP get_DeviceEnabled(VARIANT_BOOL* Value) override;
  STDMETHODIMP put_DeviceEnabled(VARIANT_BOOL Value) override;
  STDMETHODIMP get_ErrorString(BSTR* Value) override;
  STDMETHODIMP get_FiscalReceiptType(LONG* Value) override;
  STDMETHODIMP put_FiscalReceiptType(LONG Value) override;
  STDMETHODIMP get_QuantityDecimalPlaces(LONG* Value) override;
  STDMETHODIMP BeginFiscalReceipt(VARIANT_BOOL PrintHeader, LONG* Result) override;
  STDMETHODIMP BeginItemList(LONG VatID, LONG* Result) override;
  STDMETHODIMP VerifyItem(BSTR ItemName, LONG VatID, LONG* Result) override;
  STDMETHODIMP EndItemList(LONG* Result) override;
  STDMETHODIMP EndFiscalReceipt(VARIANT_BOOL PrintHeader, LONG* Result) override;
  STDMETHODIMP GetData(LONG DataItem, LONG* OptArgs, BSTR* Data, LONG* Result) override;
  STDMETHODIMP GetTotalizer(LONG VatID, LONG OptArgs, BSTR* Data, LONG* Result) override;
  STDMETHODIMP PrintRecCash(CURRENCY Amount, LONG* Result) override;
  STDMETHODIMP PrintRecItem(BSTR Description, CURRENCY Price, LONG Quantity, LONG VatInfo, CURRENCY UnitPrice, BSTR UnitName, LONG* Result) override;
  STDMETHODIMP PrintRecSubtotalAdjustment(LONG AdjustmentType, BSTR Description, CURRENCY Amount, LONG* Result) override;
  STDMETHODIMP PrintRecTotal(CURRENCY Total, CURRENCY Payment, BSTR Description, LONG* Result) override;
  STDMETHODIMP ResetPrinter(LONG* Result) override;
  STDMETHODIMP PrintXReport(LONG* Result) override;
  STDMETHODIMP PrintZReport(LONG* Result) override;
  STDMETHODIMP Close(LONG* Result) override;
  STDMETHODIMP ClaimDevice(LONG Timeout, LONG* Result) override;
  STDMETHODIMP ReleaseDevice(LONG* Result) override;
  STDMETHODIMP CheckHealth(LONG Level, LONG* Result) override;
  STDMETHODIMP ClearOutput(LONG* Result) override;
  STDMETHODIMP DirectIO(LONG Command, LONG* pData, BSTR* pString, LONG* Result) override;
  STDMETHODIMP OpenService(BSTR DeviceClass, BSTR DeviceName, IDispatch* pDispatch, LONG* pRC) override;
  STDMETHODIMP GetPropertyNumber(LONG PropIndex, LONG* pNumber) override;
  STDMETHODIMP GetPropertyString(LONG PropIndex, BSTR* StrData) override;
  STDMETHODIMP SetPropertyString(LONG PropIndex, BSTR StrData) override;
  STDMETHODIMP CloseService(LONG* Result) override;
  STDMETHODIMP BeginFiscalDocument(LONG DocumentAmount, LONG* Result) override;
  STDMETHODIMP BeginFixedOutput(LONG Station, LONG DocumentType, LONG* Result) override;
  STDMETHODIMP BeginInsertion(LONG Timeout, LONG* Result) override;
  STDMETHODIMP BeginNonFiscal(LONG* Result) override;
  STDMETHODIMP BeginRemoval(LONG Timeout, LONG* Result) override;
  STDMETHODIMP BeginTraining(LONG* Result) override;
  STDMETHODIMP ClearError(LONG* Result) override;
  STDMETHODIMP EndFiscalDocument(LONG* Result) override;
  STDMETHODIMP EndFixedOutput(LONG* Result) override;
  STDMETHODIMP EndInsertion(LONG* Result) override;
  STDMETHODIMP EndNonFiscal(LONG* Result) override;
  STDMETHODIMP EndRemoval(LONG* Result) override;
  STDMETHODIMP EndTraining(LONG* Result) override;
  STDMETHODIMP GetDate(BSTR* Date, LONG* Result) override;
  STDMETHODIMP GetVatEntry(LONG VatID, LONG OptArgs, LONG* VatRate, LONG* Result) override;
  STDMETHODIMP PrintDuplicateReceipt(LONG* Result) override;
  STDMETHODIMP PrintFiscalDocumentLine(BSTR DocumentLine, LONG* Result) override;
  STDMETHODIMP PrintFixedOutput(LONG DocumentType, LONG LineNumber, BSTR Data, LONG* Result) override;
  STDMETHODIMP PrintNormal(LONG Station, BSTR Data, LONG* Result) override;
  STDMETHODIMP PrintPowerLossReport(LONG* Result) override;
  STDMETHODIMP PrintRecItemAdjustment(LONG AdjustmentType, BSTR Description, CURRENCY Amount, LONG VatInfo, LONG* Result) override;
  STDMETHODIMP PrintRecMessage(BSTR Message, LONG* Result) override;
  STDMETHODIMP PrintRecNotPaid(BSTR Description, CURRENCY Amount, LONG* Result) override;
  STDMETHODIMP PrintRecRefund(BSTR Description, CURRENCY Amount, LONG VatInfo, LONG* Result) override;
  STDMETHODIMP PrintRecVoid(BSTR Description, LONG* Result) override;
  STDMETHODIMP PrintRecVoidItem(BSTR Description, CURRENCY Amount, LONG Quantity, LONG AdjustmentType, CURRENCY Adjustment, LONG VatInfo, LONG* Result) override;
  STDMETHODIMP PrintReport(LONG ReportType, BSTR StartNum, BSTR EndNum, LONG* Result) override;
  STDMETHODIMP SetDate(BSTR Date, LONG* Result) override;
  STDMETHODIMP SetHeaderLine(LONG LineNumber, BSTR Text, VARIANT_BOOL DoubleWidth, LONG* Result) override;
  STDMETHODIMP SetPOSID(BSTR POSID, BSTR CashierID, LONG* Result) override;
  STDMETHODIMP SetStoreFiscalID(BSTR ID, LONG* Result) override;
  STDMETHODIMP SetTrailerLine(LONG LineNumber, BSTR Text, VARIANT_BOOL DoubleWidth, LONG* Result) override;
  STDMETHODIMP SetVatTable(LONG* Result) override;
  STDMETHODIMP SetVatValue(LONG VatID, BSTR VatValue, LONG* Result) override;
  STDMETHODIMP PrintRecItemFuel(BSTR Description, CURRENCY Param3, LONG Quantity, LONG VatInfo, CURRENCY UnitPrice, BSTR UnitName, CURRENCY SpecialTax, BSTR SpecialTaxName, LONG* Result) override;
  STDMETHODIMP PrintRecItemFuelVoid(BSTR Description, CURRENCY Price, LONG VatInfo, CURRENCY SpecialTax, LONG* Result) override;
  STDMETHODIMP PrintRecPackageAdjustment(LONG AdjustmentType, BSTR Description, BSTR VatAdjustment, LONG* Result) override;
  STDMETHODIMP PrintRecPackageAdjustVoid(LONG AdjustmentType, BSTR VatAdjustment, LONG* Result) override;
  STDMETHODIMP PrintRecRefundVoid(BSTR Description, CURRENCY Amount, LONG VatInfo, LONG* Result) override;
  STDMETHODIMP PrintRecTaxID(BSTR TaxID, LONG* Result) override;
  STDMETHODIMP SetCurrency(LONG NewCurrency, LONG* Result) override;
  STDMETHODIMP ResetStatistics(BSTR StatisticsBuffe, LONG* Result) override;
  STDMETHODIMP RetrieveStatistics(BSTR* pStatisticsBuffer, LONG* Result) override;
  STDMETHODIMP UpdateStatistics(BSTR StatisticsBuffe, LONG* Result) override;
  STDMETHODIMP CompareFirmwareVersion(BSTR FirmwareFileName, LONG* pResult, LONG* Result) override;
  STDMETHODIMP UpdateFirmware(BSTR FirmwareFileName, LONG* Result) override;
  STDMETHODIMP PrintPeriodicTotalsReport(BSTR Date1, BSTR Date2, LONG* Result) override;
  STDMETHODIMP PrintRecSubtotal(CURRENCY Amount, LONG* Result) override;
  STDMETHODIMP PrintRecSubtotalAdjustVoid(LONG AdjustmentType, CURRENCY Amount, LONG* Result) override;
  STDMETHODIMP get_ServiceObjectVersion(LONG* Value) override;
  STDMETHODIMP get_FreezeEvents(VARIANT_BOOL* Value) override;
  STDMETHODIMP put_FreezeEvents(VARIANT_BOOL Value) override;
  STDMETHODIMP COFreezeEvents(VARIANT_BOOL Freeze) override;
  STDMETHODIMP get_ActualCurrency(LONG* Value) override;
  STDMETHODIMP get_AdditionalHeader(BSTR* Value) override;
  STDMETHODIMP put_AdditionalHeader(BSTR Value) override;
  STDMETHODIMP get_AdditionalTrailer(BSTR* Value) override;
  STDMETHODIMP put_AdditionalTrailer(BSTR Value) override;
  STDMETHODIMP get_AmountDecimalPlaces(LONG* Value) override;
  STDMETHODIMP get_AsyncMode(VARIANT_BOOL* Value) override;
  STDMETHODIMP put_AsyncMode(VARIANT_BOOL Value) override;
  STDMETHODIMP get_CapAdditionalHeader(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapAdditionalLines(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapAdditionalTrailer(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapAmountAdjustment(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapAmountNotPaid(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapChangeDue(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapCheckTotal(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapCoverSensor(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapDoubleWidth(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapDuplicateReceipt(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapEmptyReceiptIsVoidable(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapFiscalReceiptStation(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapFiscalReceiptType(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapFixedOutput(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapHasVatTable(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapIndependentHeader(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapItemList(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapJrnEmptySensor(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapJrnNearEndSensor(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapJrnPresent(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapMultiContractor(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapNonFiscalMode(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapOnlyVoidLastItem(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapOrderAdjustmentFirst(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapPackageAdjustment(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapPercentAdjustment(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapPositiveAdjustment(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapPostPreLine(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapPowerLossReport(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapPredefinedPaymentLines(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapReceiptNotPaid(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapRecEmptySensor(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapRecNearEndSensor(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapRecPresent(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapRemainingFiscalMemory(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapReservedWord(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapSetCurrency(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapSetHeader(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapSetPOSID(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapSetStoreFiscalID(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapSetTrailer(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapSetVatTable(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapSlpEmptySensor(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapSlpFiscalDocument(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapSlpFullSlip(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapSlpNearEndSensor(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapSlpPresent(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapSlpValidation(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapSubAmountAdjustment(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapSubPercentAdjustment(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapSubtotal(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapTotalizerType(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapTrainingMode(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapValidateJournal(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapXReport(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_ChangeDue(BSTR* Value) override;
  STDMETHODIMP put_ChangeDue(BSTR Value) override;
  STDMETHODIMP get_CheckTotal(VARIANT_BOOL* Value) override;
  STDMETHODIMP put_CheckTotal(VARIANT_BOOL Value) override;
  STDMETHODIMP get_ContractorId(LONG* Value) override;
  STDMETHODIMP put_ContractorId(LONG Value) override;
  STDMETHODIMP get_CountryCode(LONG* Value) override;
  STDMETHODIMP get_CoverOpen(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_DateType(LONG* Value) override;
  STDMETHODIMP put_DateType(LONG Value) override;
  STDMETHODIMP get_DayOpened(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_DescriptionLength(LONG* Value) override;
  STDMETHODIMP get_DuplicateReceipt(VARIANT_BOOL* Value) override;
  STDMETHODIMP put_DuplicateReceipt(VARIANT_BOOL Value) override;
  STDMETHODIMP get_ErrorLevel(LONG* Value) override;
  STDMETHODIMP get_ErrorState(LONG* Value) override;
  STDMETHODIMP get_ErrorStation(LONG* Value) override;
  STDMETHODIMP get_FiscalReceiptStation(LONG* Value) override;
  STDMETHODIMP put_FiscalReceiptStation(LONG Value) override;
  STDMETHODIMP get_FlagWhenIdle(VARIANT_BOOL* Value) override;
  STDMETHODIMP put_FlagWhenIdle(VARIANT_BOOL Value) override;
  STDMETHODIMP get_JrnEmpty(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_JrnNearEnd(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_MessageLength(LONG* Value) override;
  STDMETHODIMP get_MessageType(LONG* Value) override;
  STDMETHODIMP put_MessageType(LONG Value) override;
  STDMETHODIMP get_NumHeaderLines(LONG* Value) override;
  STDMETHODIMP get_NumTrailerLines(LONG* Value) override;
  STDMETHODIMP get_NumVatRates(LONG* Value) override;
  STDMETHODIMP get_PostLine(BSTR* Value) override;
  STDMETHODIMP put_PostLine(BSTR Value) override;
  STDMETHODIMP get_PredefinedPaymentLines(BSTR* Value) override;
  STDMETHODIMP get_PreLine(BSTR* Value) override;
  STDMETHODIMP put_PreLine(BSTR Value) override;
  STDMETHODIMP get_PrinterState(LONG* Value) override;
  STDMETHODIMP get_QuantityLength(LONG* Value) override;
  STDMETHODIMP get_RecEmpty(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_RecNearEnd(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_RemainingFiscalMemory(LONG* Value) override;
  STDMETHODIMP get_ReservedWord(BSTR* Value) override;
  STDMETHODIMP get_SlpEmpty(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_SlpNearEnd(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_SlipSelection(LONG* Value) override;
  STDMETHODIMP put_SlipSelection(LONG Value) override;
  STDMETHODIMP get_TotalizerType(LONG* Value) override;
  STDMETHODIMP put_TotalizerType(LONG Value) override;
  STDMETHODIMP get_TrainingModeActive(VARIANT_BOOL* Value) override;
  STDMETHODIMP Claim(LONG Timeout, LONG* Result) override;
  STDMETHODIMP get_ResultCode(LONG* Value) override;
  STDMETHODIMP get_ResultCodeExtended(LONG* Value) override;
  STDMETHODIMP get_ServiceObjectDescription(BSTR* Value) override;
  STDMETHODIMP get_DeviceDescription(BSTR* Value) override;
  STDMETHODIMP get_DeviceName(BSTR* Value) override;
  STDMETHODIMP get_OpenResult(LONG* Value) override;
  STDMETHODIMP get_State(LONG* Value) override;
  STDMETHODIMP get_Claimed(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_DataEventEnabled(VARIANT_BOOL* Value) override;
  STDMETHODIMP put_DataEventEnabled(VARIANT_BOOL Value) override;
  STDMETHODIMP get_OutputID(LONG* Value) override;
  STDMETHODIMP get_BinaryConversion(LONG* Value) override;
  STDMETHODIMP put_BinaryConversion(LONG Value) override;
  STDMETHODIMP get_CapPowerReporting(LONG* Value) override;
  STDMETHODIMP get_PowerNotify(LONG* Value) override;
  STDMETHODIMP put_PowerNotify(LONG Value) override;
  STDMETHODIMP get_PowerState(LONG* Value) override;
  STDMETHODIMP get_CapStatisticsReporting(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapUpdateStatistics(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapCompareFirmwareVersion(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CapUpdateFirmware(VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CheckHealthText(BSTR* Value) override;
  STDMETHODIMP get_ErrorOutID(LONG* Value) override;
  STDMETHODIMP SetPropertyNumber(LONG PropIndex, LONG Number) override;
  STDMETHODIMP get_DeviceServiceDescription(BSTR* Value) override;
  STDMETHODIMP get_DeviceServiceVersion(LONG* Value) override;
  STDMETHODIMP get_OpenDrawerProp(LONG* Value) override;
  STDMETHODIMP PrintRecItemAdjustmentVoid(LONG adjustmentType, BSTR Description, CURRENCY Amount, LONG VatInfo, LONG* Result) override;
  STDMETHODIMP PrintRecItemVoid(BSTR Description, CURRENCY Price, LONG Quantity, LONG VatInfo, CURRENCY UnitPrice, BSTR UnitName, LONG* Result) override;

 private:
  // The non-delegating IUnknown that owns the reference count.
  class Inner final : public IUnknown {
   public:
    explicit Inner(TMR62RetailImpl& owner) : owner_(owner) {}
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

   private:
    TMR62RetailImpl& owner_;
  };

  explicit TMR62RetailImpl(IUnknown* outer);
  ~TMR62RetailImpl();
  HRESULT LoadTypeInfo();

  Inner inner_{*this};
  const bool aggregated_;
  IUnknown* const controlling_;
  std::atomic<ULONG> references_{1};
  TEventsConnectionPoint events_;
  ITypeInfo* type_info_ = nullptr;
};

}  // namespace lumero::com
