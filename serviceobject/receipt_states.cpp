// Opening and ending fiscal receipts, non-fiscal receipts and the article
// report (item list).
#include <string>

#include "devicelink/commands.h"
#include "devicelink/logs.h"
#include "serviceobject/check_reply.h"
#include "serviceobject/receipt_steps.h"
#include "serviceobject/results.h"
#include "serviceobject/service.h"
#include "serviceobject/service_state.h"

namespace service {
namespace {

using devicelink::WriteTraceLog;

constexpr uint32_t MaskFiscalReceiptOpen = 0x400;     // S2 bit 3
constexpr uint32_t MaskNonFiscalReceiptOpen = 0x800;  // S2 bit 5
constexpr int32_t CloseNonFiscal = 0;
constexpr int32_t CloseFiscal = 1;

constexpr const char* TextNoItemList = "Отчет по артикулам не был открыт";

// Type 4: the device must give its serial number before a sales receipt
// opens. The status poll before it is checked, but only the serial number's
// reply can refuse the receipt.
void OpenSalesReceipt() {
  TServiceState& s = ServiceState();
  DeviceCall(devicelink::FpDiagnosticInfo);
  if (!DeviceCall(devicelink::FpReadSerialNumber)) {
    Report(ResultIllegal, TextWrongReceiptType);
    return;
  }
  DeviceCall(devicelink::FpOpenFiscalReceipt, s.FCashierID, s.FPOSID, 0);
  WriteTraceLog("BeginFiscalReceipt. Открыт фискальный чек.");
  s.FPrinterState = StateReceipt;  // even when the device refused the receipt
}

}  // namespace

int32_t BeginFiscalReceipt(bool) {
  TServiceState& s = ServiceState();
  if (!s.FOpened || !s.FClaimed || !s.FDeviceEnabled) {
    WriteTraceLog("BeginFiscalReceipt. Service объект не открыт");
    return Report(ResultDisabled, TextServiceObjectNotOpen);
  }
  if (s.FPrinterState != StateMonitor) {
    constexpr const char* text = "Чек уже открыт или объект в неверном состоянии";
    WriteTraceLog((std::string("BeginFiscalReceipt. ") + text).c_str());
    return Report(ResultExtended, ExtendedWrongState, text);
  }
  ReportSuccess();
  switch (s.FFiscalReceiptType) {
    case ReceiptCashIn:
    case ReceiptCashOut:
      break;
    case ReceiptGeneric:
      DeviceCall(devicelink::FpOpenNonFiscalReceipt);
      break;
    case ReceiptSales:
      OpenSalesReceipt();
      break;
    case ReceiptRefund:
      DeviceSend(devicelink::FpOpenFiscalReceipt, s.FCashierID, s.FPOSID, 1);
      WriteTraceLog("BeginFiscalReceipt. Открыт чек возврата.");
      CheckReply(s.FLastReply, s.FLinkError);
      break;
    default:
      Report(ResultIllegal, TextWrongReceiptType);
      break;
  }
  if (s.FResultCode == ResultSuccess) {
    s.FPrinterState = StateReceipt;
    s.FDuplicateReceipt = 0;
    PollDayOpened();
  }
  return CurrentResult();
}

// The status poll comes before the guard: a receipt the device reports paid
// in full (stage 4) may be ended even if the application lost count.
int32_t EndFiscalReceipt(bool) {
  TServiceState& s = ServiceState();
  if (!DeviceCall(devicelink::FpDiagnosticInfo)) return CurrentResult();
  if (ReceiptStage() == StagePaidInFull) s.FPrinterState = StatePaid;
  ReportSuccess();
  if (!RequireOpenAndEnabled()) {
    WriteTraceLog("EndFiscalReceipt.Service объект не открыт или устр. не разрешено.");
    return CurrentResult();
  }
  if (IsCashInOrOut(s.FFiscalReceiptType)) {
    PollDayOpened();
    s.FPrinterState = StateMonitor;
    return CurrentResult();
  }
  if (s.FPrinterState != StatePaid) return Report(ResultExtended, ExtendedWrongState, "Чек не может быть закрыт");
  switch (s.FFiscalReceiptType) {
    case ReceiptGeneric:
      WriteTraceLog("EndFiscalReceipt.Закрытие нефискального чека.");
      DeviceCall(devicelink::FpCloseFiscalReceiptEx, CloseNonFiscal);
      break;
    case ReceiptSales:
    case ReceiptRefund:
      WriteTraceLog("EndFiscalReceipt.Закрытие фискального чека.");
      DeviceCall(devicelink::FpCloseFiscalReceiptEx, CloseFiscal);
      break;
    default:
      Report(ResultIllegal, TextWrongReceiptType);
      break;
  }
  if (s.FResultCode == ResultSuccess) {
    PollDayOpened();
    s.FPrinterState = StateMonitor;
    if (s.FFiscalReceiptType == ReceiptSales) s.FDuplicateReceipt = 1;
  }
  return CurrentResult();
}

// The device, not PrinterState, decides whether a non-fiscal receipt may open.
int32_t BeginNonFiscal() {
  TServiceState& s = ServiceState();
  if (!RequireOpenAndEnabled()) {
    WriteTraceLog(TextNotOpenOrNotEnabled);
    return CurrentResult();
  }
  WriteTraceLog("GetDeviceInfo");
  DeviceCall(devicelink::FpDiagnosticInfo);
  const uint32_t mask = s.FLastReply->ErrorMask;
  s.FPrinterState = (mask & MaskFiscalReceiptOpen) ? StateReceipt : StateMonitor;
  if (mask & MaskNonFiscalReceiptOpen) s.FPrinterState = StateNonFiscal;
  if (s.FPrinterState != StateMonitor) {
    WriteTraceLog("BeginNonFiscal. Ошибка открытия нефискального чека.");
    return Report(ResultExtended, ExtendedWrongState, "Ошибочное состояние регистратора");
  }
  s.FDuplicateReceipt = 0;
  if (DeviceCall(devicelink::FpOpenNonFiscalReceipt)) {
    s.FPrinterState = StateNonFiscal;
    WriteTraceLog("BeginNonFiscal. Открыт нефискальный чек.");
  }
  return CurrentResult();
}

int32_t EndNonFiscal() {
  TServiceState& s = ServiceState();
  s.FDuplicateReceipt = 0;
  if (!RequireOpenAndEnabled()) {
    WriteTraceLog("EndNonFiscal.Service объект не открыт или устр. не разрешено.");
    return CurrentResult();
  }
  if (s.FPrinterState != StateNonFiscal)
    return Report(ResultExtended, ExtendedWrongState, "Неверное состояние регистратора");
  WriteTraceLog("EndNonFiscal.Закрытие нефискального чека.");
  if (DeviceCall(devicelink::FpCloseFiscalReceiptEx, CloseNonFiscal)) s.FPrinterState = StateMonitor;
  return CurrentResult();
}

int32_t BeginItemList(int32_t) {
  TServiceState& s = ServiceState();
  if (!RequireOpenAndEnabled()) return CurrentResult();
  if (s.FPrinterState != StateMonitor)
    return Report(ResultExtended, ExtendedWrongState, "Открыт чек или объект в неверном состоянии");
  if (DeviceCall(devicelink::FpOpenNonFiscalReceipt)) {
    PollDayOpened();
    s.FPrinterState = StateItemList;
    s.FDuplicateReceipt = 0;
  }
  return CurrentResult();
}

int32_t VerifyItem(const std::string&, int32_t) {
  TServiceState& s = ServiceState();
  if (!RequireOpenAndEnabled()) return CurrentResult();
  if (s.FPrinterState != StateItemList) return Report(ResultExtended, ExtendedWrongState, TextNoItemList);
  if (DeviceCall(devicelink::FpCommandA4, 0, 999999999)) s.FDuplicateReceipt = 0;
  return CurrentResult();
}

int32_t EndItemList() {
  TServiceState& s = ServiceState();
  if (!RequireOpenAndEnabled()) return CurrentResult();
  if (s.FPrinterState != StateItemList) return Report(ResultExtended, ExtendedWrongState, TextNoItemList);
  if (DeviceCall(devicelink::FpCloseFiscalReceiptEx, CloseNonFiscal)) {
    s.FPrinterState = StateMonitor;
    s.FDuplicateReceipt = 0;
  }
  return CurrentResult();
}

}  // namespace service
