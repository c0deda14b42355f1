#pragma once
// The capability properties: constants of the service object, read while
// open. The enumerators follow the type library; the COM layer names them.
#include <cstdint>

namespace service {

enum class Cap : uint8_t {
  AdditionalHeader, AdditionalLines, AdditionalTrailer, AmountAdjustment, AmountNotPaid, ChangeDue,
  CheckTotal, CoverSensor, DoubleWidth, DuplicateReceipt, EmptyReceiptIsVoidable, FiscalReceiptStation,
  FiscalReceiptType, FixedOutput, HasVatTable, IndependentHeader, ItemList, JrnEmptySensor,
  JrnNearEndSensor, JrnPresent, MultiContractor, NonFiscalMode, OnlyVoidLastItem, OrderAdjustmentFirst,
  PackageAdjustment, PercentAdjustment, PositiveAdjustment, PostPreLine, PowerLossReport,
  PredefinedPaymentLines, ReceiptNotPaid, RecEmptySensor, RecNearEndSensor, RecPresent,
  RemainingFiscalMemory, ReservedWord, SetCurrency, SetHeader, SetPOSID, SetStoreFiscalID, SetTrailer,
  SetVatTable, SlpEmptySensor, SlpFiscalDocument, SlpFullSlip, SlpNearEndSensor, SlpPresent,
  SlpValidation, SubAmountAdjustment, SubPercentAdjustment, Subtotal, TotalizerType, TrainingMode,
  ValidateJournal, XReport, StatisticsReporting, UpdateStatistics, CompareFirmwareVersion, UpdateFirmware,
  Count
};

// Open guard (101); the result fields stay as they were when it passes.
bool GetCapability(Cap cap, bool& value);
bool GetCapPowerReporting(int32_t& value);  // 0: no power reporting

// One getter per capability, for the COM adapters.
template <Cap C>
bool GetCap(bool& value) {
  return GetCapability(C, value);
}

}  // namespace service
