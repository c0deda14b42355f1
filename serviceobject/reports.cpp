// X, Z and periodic reports, and the duplicate of the last document.
#include <algorithm>
#include <string>

#include "devicelink/commands.h"
#include "serviceobject/check_reply.h"
#include "serviceobject/integer_text.h"
#include "serviceobject/receipt_steps.h"
#include "serviceobject/results.h"
#include "serviceobject/service.h"
#include "serviceobject/service_state.h"

namespace service {
namespace {

constexpr const char* TextWrongPrinterState = "Неверное состояние регистратора";
constexpr const char* TextNoDiagnostics = "Диагностическая информация недоступна";
constexpr const char* TextNoDocumentNumber = "Номер чека недоступен";

constexpr int32_t ReportZ = 0;
constexpr int32_t ReportX = 1;

int32_t DailyReport(int32_t reportType) {
  TServiceState& s = ServiceState();
  s.FDuplicateReceipt = 0;
  if (!RequireOpenAndEnabled()) return ResultDisabled;
  if (s.FPrinterState != StateMonitor)
    return Report(ResultExtended, ExtendedWrongState, "Ошибочное состояние регистратора");
  const bool passed = DeviceCall(devicelink::FpPrintReport, reportType);
  // A refused or silent link leaves a stale record, which says nothing of the day.
  if (reportType == ReportZ && LastReplyAnswered()) s.FDayOpened = (s.FLastReply->StatusBytes[5] & 0x10) ? 1 : 0;
  if (passed) s.FPrinterState = StateMonitor;
  return CurrentResult();
}

// "3.21..." gives 321: the first four characters less their first '.'.
bool FirmwareNumber(std::string version, int32_t& number) {
  version.resize(std::min<size_t>(version.size(), 4));
  if (const size_t dot = version.find('.'); dot != std::string::npos) version.erase(dot, 1);
  return TryIntegerOf(version, number);
}

// Steps 3 to 8 of the duplicate; an early end leaves the non-fiscal receipt open.
void Duplicate() {
  TServiceState& s = ServiceState();
  if (!DeviceCall(devicelink::FpOpenNonFiscalReceipt)) return;
  s.FPrinterState = StateNonFiscal;
  int32_t version = 0;
  if (!DeviceCall(devicelink::FpDiagnosticInfo) || !FirmwareNumber(LastReplyField(1), version)) {
    Report(ResultExtended, ExtendedWrongState, TextNoDiagnostics);
    return;
  }
  int32_t last = 0;
  if (!DeviceCall(devicelink::FpCommandE2, version > 320 ? 5 : 3) || !TryIntegerOf(LastReplyField(0), last)) {
    Report(ResultExtended, ExtendedWrongState, TextNoDocumentNumber);
    return;
  }
  if (!DeviceCall(devicelink::FpCommandA5, last, last)) {
    Report(ResultExtended, ExtendedWrongState, "Невозможно сделать дупликат чека");
    return;
  }
  if (DeviceCall(devicelink::FpCloseFiscalReceiptEx, 0)) s.FPrinterState = StateMonitor;
}

// A report by dates sends both dates as fields: digits only, as SetDate
// takes them, and at least the ddmmyyyy that the device's date is made of.
bool IsReportDate(const std::string& text) { return text.size() >= 8 && AllDigits(text); }

bool RequireReportDates(const std::string& first, const std::string& last) {
  if (IsReportDate(first) && IsReportDate(last)) return true;
  Report(ResultExtended, ExtendedBadDate, TextBadDate);
  return false;
}

}  // namespace

int32_t PrintXReport() { return DailyReport(ReportX); }
int32_t PrintZReport() { return DailyReport(ReportZ); }

int32_t PrintReport(int32_t reportType, const std::string& startNum, const std::string& endNum) {
  TServiceState& s = ServiceState();
  if (!RequireOpenAndEnabled()) return ResultDisabled;
  if (s.FPrinterState != StateNonFiscal)
    return Report(ResultExtended, ExtendedWrongState, "Неверное состояние для отчета");
  if (reportType < 1 || reportType > 3) return Report(ResultExtended, ExtendedWrongState, "Тип отчета неправильный");
  s.FDuplicateReceipt = 0;
  if (reportType == 2) {
    if (!RequireReportDates(startNum, endNum)) return CurrentResult();
    ReportSuccess();
    DeviceCall(devicelink::FpFindReportByDate, DeviceDate(startNum).c_str(), DeviceDate(endNum).c_str(), 0);
    return CurrentResult();
  }
  int32_t first = 0;
  int32_t last = 0;
  if (!TryIntegerOf(startNum, first) || !TryIntegerOf(endNum, last))
    return Report(ResultIllegal, "Номера отчетов должны быть целыми числами");
  ReportSuccess();
  DeviceCall(devicelink::FpPrintPeriodicReport, first, last, reportType == 1 ? 1 : 0);
  return CurrentResult();
}

int32_t PrintPeriodicTotalsReport(const std::string& date1, const std::string& date2) {
  TServiceState& s = ServiceState();
  if (!RequireOpenAndEnabled()) return ResultDisabled;
  if (s.FPrinterState != StateNonFiscal) return Report(ResultExtended, ExtendedWrongState, TextWrongPrinterState);
  s.FDuplicateReceipt = 0;
  if (!RequireReportDates(date1, date2)) return CurrentResult();
  ReportSuccess();
  DeviceCall(devicelink::FpFindReportByDate, DeviceDate(date1).c_str(), DeviceDate(date2).c_str(), 1);
  return CurrentResult();
}

int32_t PrintDuplicateReceipt() {
  TServiceState& s = ServiceState();
  s.FDuplicateReceipt = 0;
  if (!RequireOpenAndEnabled()) return ResultDisabled;
  if (s.FPrinterState != StateMonitor) return Report(ResultExtended, ExtendedWrongState, TextWrongPrinterState);
  Duplicate();
  return CurrentResult();
}

}  // namespace service
