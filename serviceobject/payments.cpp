// PrintRecTotal (payment) and PrintRecCash (service cash in and out).
#include <string>

#include "devicelink/commands.h"
#include "devicelink/logs.h"
#include "serviceobject/amounts.h"
#include "serviceobject/check_reply.h"
#include "serviceobject/receipt_steps.h"
#include "serviceobject/results.h"
#include "serviceobject/service.h"
#include "serviceobject/service_state.h"
#include "serviceobject/text_cleaning.h"

namespace service {
namespace {

using devicelink::WriteTraceLog;

// The description's first character minus '0', as a signed byte: only '0'
// to '9' give 0 to 9.
int32_t PaymentType(char first) { return static_cast<int8_t>(static_cast<uint8_t>(first) - 0x30); }

// How the description makes the payment go out. 78h carries the text after
// the first ';' as well, and takes only the form "d;text" with d from 1 to 9;
// 67h carries the type alone.
struct PaymentRequest {
  int32_t type = 0;
  bool withText = false;  // 78h
  bool wellFormed = false;
  std::string text;  // of a well-formed 78h, cleaned: one field
};

PaymentRequest PaymentOf(const std::string& description) {
  PaymentRequest request;
  if (description.empty()) return request;
  request.type = PaymentType(description[0]);
  request.withText = ServiceState().FPaymentTextCapable && request.type != 0;
  request.wellFormed = description.find(';') == 1 && request.type >= 1 && request.type <= 9;
  if (request.withText && request.wellFormed) {
    request.text = description.substr(2);
    CleanText(request.text);
  }
  return request;
}

// A 78h request too long for a frame is refused as the link would refuse it,
// but before the first command, so that no PreLine is used up for it.
bool RequirePaymentFits(const PaymentRequest& request, double amount) {
  if (!request.withText || !request.wellFormed) return true;
  const TServiceState& s = ServiceState();
  const int32_t refusal =
      devicelink::Command78Refusal(s.FOperatorPassword, request.type, amount, request.text.c_str());
  if (refusal == devicelink::OutCodeSent) return true;
  CheckReply(s.FLastReply, refusal);
  return false;
}

}  // namespace

int32_t PrintRecTotal(int64_t total, int64_t payment, const std::string& description) {
  TServiceState& s = ServiceState();
  if (!RequireOpenAndEnabled()) {
    WriteTraceLog("PrintRecTotal.Service объект не открыт или устр. не разрешено.");
    return CurrentResult();
  }
  if (IsCashInOrOut(s.FFiscalReceiptType)) return Report(ResultSuccess, "");
  if (s.FPrinterState != StateReceipt && s.FPrinterState != StatePaying)
    return Report(ResultExtended, ExtendedWrongState, "Чек не открыт или уже полностью оплачен");
  if (total < 0 || payment < 0) return Report(ResultExtended, ExtendedBadAmount, "Неверная сумма");
  const PaymentRequest request = PaymentOf(description);
  const double amount = DeviceAmount(payment, s.FFiscalReceiptType == ReceiptRefund);
  if (!RequireCommentsFit() || !RequirePaymentFits(request, amount)) return CurrentResult();
  ReportSuccess();
  if (!DeviceCall(devicelink::FpDiagnosticInfo)) return CurrentResult();
  const int stage = ReceiptStage();
  if (stage != StagePaying && stage != StagePaidInFull && !DeviceCall(devicelink::FpPrintTotal, 1))
    return CurrentResult();
  if (!PrintComment(s.FPreLine)) return CurrentResult();
  if (description.empty()) return Report(ResultExtended, ExtendedBadText, "Неверный тип оплаты");
  if (request.withText && !request.wellFormed)
    return Report(ResultExtended, ExtendedBadTaxCode, "Неверный тип налога");
  bool paid;
  if (request.withText) {
    paid = DeviceCall(devicelink::FpCommand78, request.type, amount, request.text.c_str());
  } else {
    WriteTraceLog("PrintRecTotal.Оплата товаров.");
    paid = DeviceCall(devicelink::FpPayment, request.type >= 0 && request.type <= 9 ? request.type : 0, amount);
  }
  if (!paid) {
    s.FPrinterState = StatePaying;
    return CurrentResult();
  }
  s.FPrinterState = ReceiptStage() == StagePaidInFull ? StatePaid : StatePaying;
  PrintComment(s.FPostLine);
  return CurrentResult();
}

int32_t PrintRecCash(int64_t amount) {
  TServiceState& s = ServiceState();
  if (!RequireOpenAndEnabled()) {
    WriteTraceLog("PrintRecCash. Service объект не открыт или устр. не разрешено");
    return CurrentResult();
  }
  if (s.FPrinterState != StateReceipt) return Report(ResultExtended, ExtendedWrongState, TextReceiptNotOpen);
  const int32_t type = s.FFiscalReceiptType;
  if (IsCashInOrOut(type) && amount < 0) {
    constexpr const char* text = "Служебный внос-вынос с неверными параметрами";
    WriteTraceLog((std::string("PrintRecCash. ") + text).c_str());
    return Report(ResultExtended, ExtendedWrongState, text);
  }
  if (type == ReceiptCashIn) WriteTraceLog("PrintRecCash. Служебный внос денег.");
  if (type == ReceiptCashOut) WriteTraceLog("PrintRecCash. Служебный вынос денег.");
  ReportSuccess();
  if (DeviceCall(devicelink::FpCashInOut, s.FCashierID, DeviceAmount(amount, type == ReceiptCashOut)))
    PollDayOpened();
  return CurrentResult();
}

}  // namespace service
