// PrintRecVoid and ResetPrinter: the cancel sequence brings the device back
// to no open document, whatever it has open.
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

constexpr int32_t DisplayStatusFunction = 3;
constexpr int32_t AnnulReceipt = 0;

struct CancelTraces {
  const char* closeNonFiscal;
  const char* annul;
};

// A reply without status (no answer, NAK, garbled) neither shows the stage
// nor proves a close: the sequence ends with that reply's result and leaves
// PrinterState alone rather than report a cancel that may not have happened.
void CancelOpenDocument(const CancelTraces& traces) {
  TServiceState& s = ServiceState();
  DeviceCall(devicelink::FpDisplayText, "", DisplayStatusFunction, 0);
  if (!LastReplyAnswered()) return;
  const int stage = ReceiptStage();
  if (stage == StageNonFiscal) {
    TraceIf(traces.closeNonFiscal);
    DeviceCall(devicelink::FpCloseFiscalReceipt);  // a refusal still counts as closed
    if (!LastReplyAnswered()) return;
  } else if (stage != StageNone) {
    TraceIf(traces.annul);
    // Past a failed annulment the receipt may still be open, and the close
    // below would issue a paid one instead of cancelling it.
    if (!DeviceCall(devicelink::FpVoid, AnnulReceipt)) return;
    if (!DeviceCall(devicelink::FpOpenNonFiscalReceipt)) {
      s.FPrinterState = StateNonFiscal;
      s.FDuplicateReceipt = 0;
    }
    DeviceSend(devicelink::FpPrintText, "Cancel receipt");
    if (!DeviceCall(devicelink::FpCloseFiscalReceipt)) {
      if (LastReplyAnswered()) s.FPrinterState = StateNonFiscal;
      s.FDuplicateReceipt = 0;
      return;
    }
  }
  s.FPrinterState = StateMonitor;
  ReportSuccess();
  s.FDuplicateReceipt = 0;
}

}  // namespace

int32_t PrintRecVoid(const std::string&) {
  TServiceState& s = ServiceState();
  if (RequireOpenAndEnabled()) {
    if (s.FPrinterState != StateReceipt)
      Report(ResultExtended, ExtendedWrongState, TextReceiptNotOpen);
    else
      CancelOpenDocument({nullptr, nullptr});
  }
  s.FDuplicateReceipt = 0;
  return CurrentResult();
}

int32_t ResetPrinter() {
  if (!RequireOpenAndEnabled()) {
    devicelink::WriteTraceLog("ResetPrinter.Service объект не открыт или устр. не разрешено.");
    ServiceState().FDuplicateReceipt = 0;
    return CurrentResult();
  }
  if (DeviceCall(devicelink::FpDiagnosticInfo)) {
    CancelOpenDocument(
        {"ResetPrinter.Закрытие нефискального чека.", "ResetPrinter.Аннулирование фискального чека."});
  }
  return CurrentResult();
}

}  // namespace service
