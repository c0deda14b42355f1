// The device's clock, receipt header and trailer lines, and the till and
// operator numbers.
#include <string>

#include "devicelink/commands.h"
#include "serviceobject/check_reply.h"
#include "serviceobject/integer_text.h"
#include "serviceobject/receipt_steps.h"
#include "serviceobject/results.h"
#include "serviceobject/service.h"
#include "serviceobject/service_state.h"
#include "serviceobject/text_cleaning.h"

namespace service {
namespace {

constexpr const char* TextWrongPrinterState = "Неверное состояние регистратора";
constexpr size_t MaxLineText = 36;

struct LineKind {
  int32_t lines;        // OPOS lines 1..lines
  int32_t firstDevice;  // device line of OPOS line 1
  const char* tooLong;
  const char* badNumber;
};

constexpr LineKind Header{10, 0, "Много символов в заголовке чека", "Номер строки заголовка чека неверен"};
constexpr LineKind Trailer{4, 10, "Много символов в строке рекламного текста",
                           "Неверный номер строки (разрешены 1,2,3,4)"};

bool IsDigits(const std::string& text, size_t count) { return text.size() == count && AllDigits(text); }

int32_t ProgramLine(const LineKind& kind, int32_t lineNumber, std::string text, bool doubleWidth) {
  if (!RequireOpenAndEnabled()) return ResultDisabled;
  if (ServiceState().FPrinterState != StateMonitor)
    return Report(ResultExtended, ExtendedWrongState, TextWrongPrinterState);
  if (text.size() > MaxLineText) return Report(ResultExtended, ExtendedBadText, kind.tooLong);
  if (lineNumber < 1 || lineNumber > kind.lines) return Report(ResultExtended, ExtendedBadText, kind.badNumber);
  ReportSuccess();
  CleanText(text);
  DeviceCall(devicelink::FpProgramHeaderTrailer, kind.firstDevice + lineNumber - 1, text.c_str(),
             doubleWidth ? 1 : 0);
  return CurrentResult();
}

}  // namespace

int32_t SetDate(const std::string& date) {
  if (!RequireOpenAndEnabled()) return ResultDisabled;
  if (ServiceState().FPrinterState != StateMonitor)
    return Report(ResultExtended, ExtendedWrongState, TextWrongPrinterState);
  // Digits only: a ';' would add a field to the command.
  if (!IsDigits(date, 12)) return Report(ResultExtended, ExtendedBadDate, TextBadDate);
  ReportSuccess();
  DeviceCall(devicelink::FpSetDateTime, DeviceDate(date).c_str(), date.substr(8, 4).c_str());
  return CurrentResult();
}

int32_t GetDate(std::string& date) {
  if (!RequireOpenAndEnabled()) return ResultDisabled;
  if (!DeviceCall(devicelink::FpReadDateTime)) return CurrentResult();
  const std::string day = LastReplyField(0);
  const std::string time = LastReplyField(1);
  // Anything but DDMMYY and HHMM would put the century in the wrong place.
  if (!IsDigits(day, 6) || !IsDigits(time, 4))
    return Report(ResultFailure, "Неверный формат даты/времени в ответе устройства");
  date = day.substr(0, 4) + "20" + day.substr(4) + time;
  return ResultSuccess;
}

int32_t SetHeaderLine(int32_t lineNumber, const std::string& text, bool doubleWidth) {
  return ProgramLine(Header, lineNumber, text, doubleWidth);
}

int32_t SetTrailerLine(int32_t lineNumber, const std::string& text, bool doubleWidth) {
  return ProgramLine(Trailer, lineNumber, text, doubleWidth);
}

// Both numbers or neither: a text that is no number leaves the old pair.
int32_t SetPOSID(const std::string& posID, const std::string& cashierID) {
  int32_t pos = 0;
  int32_t cashier = 0;
  if (!TryIntegerOf(posID, pos) || !TryIntegerOf(cashierID, cashier))
    return Report(ResultIllegal, "Номер кассы и кассира должны быть целыми числами");
  TServiceState& s = ServiceState();
  s.FPOSID = pos;
  s.FCashierID = cashier;
  return ReportSuccess();
}

}  // namespace service
