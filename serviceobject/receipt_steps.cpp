#include "serviceobject/receipt_steps.h"

#include <algorithm>
#include <cstring>

#include "devicelink/commands.h"
#include "devicelink/exchange.h"
#include "devicelink/logs.h"
#include "serviceobject/check_reply.h"
#include "serviceobject/results.h"
#include "serviceobject/service_state.h"
#include "serviceobject/text_cleaning.h"

namespace service {

bool IsCashInOrOut(int32_t receiptType) {
  return receiptType == ReceiptCashIn || receiptType == ReceiptCashOut;
}

int32_t CurrentResult() { return ServiceState().FResultCode; }

int ReceiptStage() {
  const devicelink::TDeviceReply* reply = ServiceState().FLastReply;
  return reply != nullptr ? reply->StatusBytes[2] & 0x0F : 0;
}

void PollDayOpened() {
  DeviceSend(devicelink::FpDiagnosticInfo);
  TServiceState& s = ServiceState();
  if (LastReplyAnswered()) s.FDayOpened = (s.FLastReply->StatusBytes[5] & 0x10) ? 1 : 0;
}

bool PrintComment(std::string& text, const char* traceBefore, const char* traceAfter) {
  if (text.empty()) return true;
  CleanText(text);
  TraceIf(traceBefore);
  const bool printed = DeviceCall(devicelink::FpPrintText, text.c_str());
  TraceIf(traceAfter);
  if (printed) text.clear();
  return printed;
}

size_t PrintTextRoom() {
  return static_cast<size_t>(devicelink::MaxRequestData) - std::strlen(ServiceState().FOperatorPassword) - 2;
}

bool RequireCommentsFit() {
  const TServiceState& s = ServiceState();
  if (s.FPreLine.size() <= PrintTextRoom() && s.FPostLine.size() <= PrintTextRoom()) return true;
  Report(ResultExtended, ExtendedBadText, TextCommentTooLong);
  return false;
}

std::string DeviceDate(const std::string& text) {
  std::string date = text.substr(0, 8);
  if (date.size() > 4) date.erase(4, 2);
  return date;
}

bool AllDigits(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void TraceIf(const char* line) {
  if (line != nullptr) devicelink::WriteTraceLog(line);
}

}  // namespace service
