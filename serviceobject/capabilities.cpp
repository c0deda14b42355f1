#include "serviceobject/capabilities.h"

#include <algorithm>
#include <iterator>

#include "serviceobject/results.h"

namespace service {
namespace {

constexpr Cap Supported[] = {
    Cap::AdditionalHeader, Cap::AdditionalLines, Cap::AmountAdjustment, Cap::CoverSensor,
    Cap::DuplicateReceipt, Cap::EmptyReceiptIsVoidable, Cap::FiscalReceiptType, Cap::HasVatTable,
    Cap::ItemList, Cap::JrnEmptySensor, Cap::JrnPresent, Cap::NonFiscalMode, Cap::OnlyVoidLastItem,
    Cap::PercentAdjustment, Cap::PositiveAdjustment, Cap::PostPreLine, Cap::PredefinedPaymentLines,
    Cap::RecEmptySensor, Cap::RecPresent, Cap::RemainingFiscalMemory, Cap::SetHeader, Cap::SetPOSID,
    Cap::SetTrailer, Cap::SetVatTable, Cap::SubAmountAdjustment, Cap::SubPercentAdjustment, Cap::Subtotal,
    Cap::TotalizerType, Cap::TrainingMode, Cap::XReport,
};

}  // namespace

bool GetCapability(Cap cap, bool& value) {
  if (!RequireOpen()) return false;
  value = std::find(std::begin(Supported), std::end(Supported), cap) != std::end(Supported);
  return true;
}

bool GetCapPowerReporting(int32_t& value) {
  if (!RequireOpen()) return false;
  value = 0;
  return true;
}

}  // namespace service
