// Property setters.
#include "serviceobject/integer_text.h"
#include "serviceobject/results.h"
#include "serviceobject/service.h"
#include "serviceobject/service_state.h"

namespace service {
namespace {

constexpr const char* TextTypeNotSupported = "Тип не поддерживается";
constexpr int32_t DateTypeRealTimeClock = 4;
constexpr int32_t StationSlip = 2;

void StoreWhenOpen(uint8_t& field, bool value) {
  if (RequireOpen()) field = value ? 1 : 0;
}

void StoreWhenEnabled(std::string& field, const std::string& text) {
  if (RequireOpenAndEnabled()) field = text;
}

bool InMonitorState(const char* text) {
  if (ServiceState().FPrinterState == StateMonitor) return true;
  Report(ResultExtended, ExtendedWrongState, text);
  return false;
}

}  // namespace

// Converted before anything is stored: a text that is no number keeps the index.
void SetAdditionalHeader(const std::string& text) { ServiceState().FAdditionalHeaderIndex = IntegerOf(text); }

void SetAdditionalTrailer(const std::string&) { RefuseProperty(); }
void SetSlipSelection(int32_t) { RefuseProperty(); }

void SetChangeDue(const std::string&) {
  if (RequireOpen()) RefuseProperty();
}

void SetContractorId(int32_t) {
  if (RequireOpenAndEnabled()) RefuseProperty();
}

void SetAsyncMode(bool value) {
  if (RequireOpen() && value) RefuseProperty();
}

void SetBinaryConversion(int32_t value) {
  if (value == 0)
    Report(ResultSuccess, "");
  else
    Report(ResultIllegal, TextTypeNotSupported);
}

void SetPowerNotify(int32_t value) {
  if (!RequireOpen()) return;
  if (value == 0)
    ReportSuccess();
  else
    Report(ResultIllegal, TextTypeNotSupported);
}

void SetCheckTotal(bool value) { ServiceState().FCheckTotal = value ? 1 : 0; }

// Stored although no data event is ever fired, and reported as not supported.
void SetDataEventEnabled(bool value) {
  if (!RequireOpen()) return;
  ServiceState().FDataEventEnabled = value ? 1 : 0;
  RefuseProperty();
}

void SetDuplicateReceipt(bool value) { StoreWhenOpen(ServiceState().FDuplicateReceipt, value); }
void SetFlagWhenIdle(bool value) { StoreWhenOpen(ServiceState().FFlagWhenIdle, value); }
void SetFreezeEvents(bool value) { StoreWhenOpen(ServiceState().FFreezeEvents, value); }
void SetPostLine(const std::string& text) { StoreWhenEnabled(ServiceState().FPostLine, text); }
void SetPreLine(const std::string& text) { StoreWhenEnabled(ServiceState().FPreLine, text); }

void SetMessageType(int32_t value) {
  if (RequireOpenAndEnabled()) ServiceState().FMessageType = value;
}

// The real-time clock is the only date type; it reads back as 1.
void SetDateType(int32_t value) {
  if (!RequireOpenAndEnabled()) return;
  if (value == DateTypeRealTimeClock)
    ServiceState().FDateType = 1;
  else
    Report(ResultIllegal, "Неверныйи тип данных");
}

void SetTotalizerType(int32_t value) {
  if (!RequireOpenAndEnabled()) return;
  if (value >= 2 && value <= 4)  // day, receipt, grand total
    ServiceState().FTotalizerType = value;
  else
    Report(ResultIllegal, "Тип FPTR_TT_GRAND не поддерживается");
}

// The slip is refused in every printer state, so it is tested first.
void SetFiscalReceiptStation(int32_t station) {
  if (!RequireOpenAndEnabled()) return;
  if (station == StationSlip) {
    Report(ResultIllegal, "Подкладной бланк не поддерживается");
    return;
  }
  if (InMonitorState("Неверное состояние регистратора")) ServiceState().FFiscalReceiptStation = station;
}

// The printer state is tested before the value: an open receipt refuses
// every type alike.
void SetFiscalReceiptType(int32_t type) {
  if (!RequireOpenAndEnabled() || !InMonitorState("Открыт чек либо устр. в неверном состоянии")) return;
  switch (type) {
    case ReceiptCashIn:
    case ReceiptCashOut:
    case ReceiptGeneric:
    case ReceiptSales:
    case ReceiptRefund:
      ServiceState().FFiscalReceiptType = type;
      return;
    default:
      Report(ResultIllegal, "Неверный тип чека");
  }
}

}  // namespace service
