// Discounts and surcharges on the last item or on the subtotal, and the
// printed subtotal.
#include <string>

#include "devicelink/commands.h"
#include "devicelink/logs.h"
#include "serviceobject/amounts.h"
#include "serviceobject/check_reply.h"
#include "serviceobject/receipt_steps.h"
#include "serviceobject/results.h"
#include "serviceobject/service.h"
#include "serviceobject/service_state.h"

namespace service {
namespace {

using devicelink::WriteTraceLog;

// UnifiedPOS adjustment types: 1 amount discount, 2 amount surcharge,
// 3 percentage discount, 4 percentage surcharge. A discount goes out negated.
bool IsAdjustmentType(int32_t type) { return type >= 1 && type <= 4; }
bool IsDiscount(int32_t type) { return type == 1 || type == 3; }
bool IsPercentage(int32_t type) { return type == 3 || type == 4; }

constexpr const char* TextBadAmount = "Неверное количество";
constexpr size_t SubtotalSumWidth = 26;

}  // namespace

int32_t PrintRecItemAdjustment(int32_t adjustmentType, const std::string&, int64_t amount, int32_t) {
  TServiceState& s = ServiceState();
  if (!RequireOpenAndEnabled()) {
    WriteTraceLog("PrintRecItemAdjustment. Service объект не открыт или устр. не разрешено");
    s.FDuplicateReceipt = 0;
    return CurrentResult();
  }
  if (s.FPrinterState != StateReceipt) return Report(ResultExtended, ExtendedWrongState, TextReceiptNotOpen);
  if (amount < 0) return Report(ResultExtended, ExtendedBadAmount, TextBadAmount);
  if (!IsAdjustmentType(adjustmentType)) return Report(ResultIllegal, "Неверный тип надбавки/скидки");
  Report(ResultSuccess, "");
  WriteTraceLog("PrintRecItemAdjustment. Выполнения надбавки-скидки на товар");
  const double value = DeviceAmount(amount, IsDiscount(adjustmentType));
  const bool passed = IsPercentage(adjustmentType) ? DeviceCall(devicelink::FpItemDiscountPercent, value)
                                                   : DeviceCall(devicelink::FpItemDiscountAmount, value);
  if (passed) ReportSuccess();
  s.FDuplicateReceipt = 0;
  return CurrentResult();
}

// The printed sum is the device's own; Amount is only checked.
int32_t PrintRecSubtotal(int64_t amount) {
  const TServiceState& s = ServiceState();
  if (!RequireOpenAndEnabled()) {
    WriteTraceLog("PrintRecSubtotal.Service объект не открыт или устр. не разрешено.");
    return CurrentResult();
  }
  if (s.FPrinterState != StateReceipt)
    return Report(ResultExtended, ExtendedWrongState, "Неверное состояние регистратора");
  if (amount < 0) return Report(ResultExtended, ExtendedBadAmount, "Отрицательная сумма");
  WriteTraceLog("PrintRecSubtotal.Получить информацию по суммам.");
  if (!DeviceCall(devicelink::FpCommandE1, 0x03, 1)) return CurrentResult();
  // Flush right in 34 characters; a longer sum simply follows the label.
  const std::string sum = LastReplyField(0);
  const size_t blanks = sum.size() < SubtotalSumWidth ? SubtotalSumWidth - sum.size() : 0;
  const std::string line = "Пiдсумок" + std::string(blanks, ' ') + sum;  // the second letter is a Latin i
  if (DeviceCall(devicelink::FpPrintText, line.c_str())) ReportSuccess();
  return CurrentResult();
}

int32_t PrintRecSubtotalAdjustment(int32_t adjustmentType, const std::string&, int64_t amount) {
  TServiceState& s = ServiceState();
  if (!RequireOpenAndEnabled()) {
    WriteTraceLog("PrintRecSubtotalAdjustment.Service объект не открыт или устр. не разрешено.");
    return CurrentResult();
  }
  ReportSuccess();
  if (s.FPrinterState != StateReceipt) return Report(ResultExtended, ExtendedWrongState, TextReceiptNotOpen);
  if (amount < 0) return Report(ResultExtended, ExtendedBadAmount, TextBadAmount);
  if (!RequireCommentsFit() || !PrintComment(s.FPreLine)) return CurrentResult();
  WriteTraceLog("PrintRecSubtotalAdjustment.Надбавка-скидка на подсумму.");
  // Checked only now: the PreLine is already on paper.
  if (!IsAdjustmentType(adjustmentType)) return Report(ResultExtended, ExtendedWrongState, "Тип скидки неверен");
  const double value = DeviceAmount(amount, IsDiscount(adjustmentType));
  const bool passed = IsPercentage(adjustmentType) ? DeviceCall(devicelink::FpCommand73, value)
                                                   : DeviceCall(devicelink::FpCommand74, value);
  if (passed) PrintComment(s.FPostLine);
  return CurrentResult();
}

}  // namespace service
