// Property setters.
#include "serviceobject/results.h"
#include "serviceobject/service.h"
#include "serviceobject/service_state.h"

namespace service {

// The printer state is tested before the value: an open receipt refuses
// every type alike.
void SetFiscalReceiptType(int32_t type) {
  TServiceState& s = ServiceState();
  if (!RequireOpenAndEnabled()) return;
  if (s.FPrinterState != StateMonitor) {
    Report(ResultExtended, ExtendedWrongState, "Открыт чек либо устр. в неверном состоянии");
    return;
  }
  switch (type) {
    case ReceiptCashIn:
    case ReceiptCashOut:
    case ReceiptGeneric:
    case ReceiptSales:
    case ReceiptRefund:
      s.FFiscalReceiptType = type;
      return;
    default:
      Report(ResultIllegal, "Неверный тип чека");
  }
}

}  // namespace service
