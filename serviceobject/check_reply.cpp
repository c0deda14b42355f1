#include "serviceobject/check_reply.h"

#include <cstring>
#include <string>

#include "devicelink/logs.h"
#include "serviceobject/device_errors.h"
#include "serviceobject/results.h"

namespace service {
namespace {

using devicelink::TDeviceReply;

constexpr int32_t KeepExtended = -1;

struct Verdict {
  int32_t code;
  int32_t extended;  // KeepExtended: the field stays as it was
  const char* text;  // nullptr: the reply passed
  bool codeIsFresh;  // the reply's error code belongs to this command
};

struct StatusRule {
  int byte;
  uint8_t bit;
  int32_t extended;
  const char* text;
};

// Paper before the cover: a tape that ran out is what the cashier must see.
constexpr StatusRule StatusRules[] = {
    {1, 0x08, ExtendedJournalEmpty, "Закончилась контрольная лента"},
    {1, 0x04, ExtendedReceiptEmpty, "Закончилась чековая лента"},
    {4, 0x08, ExtendedMemoryFull, "Фискальная память переполнена"},
    {4, 0x40, ExtendedMemoryError, "Возникла ошибка фискальной памяти"},
    {1, 0x10, ExtendedCoverOpen, "Открыта крышка принтера"},
    {0, 0x08, ExtendedMissingDevices, "Дисплей не подключен"},
};

constexpr const char* TextBadCommand = "Неправильный код команды";

// The verdict on a reply to a command that was sent.
Verdict JudgeReply(const TDeviceReply& reply) {
  if (reply.ErrorMask & devicelink::MaskTimeout)
    return {ResultTimeout, KeepExtended, "Таймаут устройства. Устройство не отвечает или выключено", true};
  // A refused or garbled frame carries no status or code worth reading.
  if (reply.ErrorMask & (devicelink::MaskNak | devicelink::MaskChecksumError))
    return {ResultExtended, ExtendedBadCommand, TextBadCommand, false};
  for (const StatusRule& rule : StatusRules)
    if (reply.StatusBytes[rule.byte] & rule.bit) return {ResultExtended, rule.extended, rule.text, true};
  if (std::strcmp(reply.ErrorCode, "0000") != 0) return {ResultExtended, ExtendedBadCommand, TextBadCommand, true};
  return {ResultSuccess, KeepExtended, nullptr, true};
}

void TraceDeviceError(const TDeviceReply& reply) {
  std::string text;
  if (!DecodeDeviceError(reply, text) && !text.empty()) devicelink::WriteTraceLog(text.c_str());
}

}  // namespace

bool CheckReply(const TDeviceReply* reply, int32_t linkError) {
  // Judged first: the record still holds the previous command's reply.
  Verdict verdict = linkError != 0 || reply == nullptr
                        ? Verdict{ResultExtended, ExtendedBadCommand, "Синтаксическая ошибка в команде", false}
                        : JudgeReply(*reply);
  if (verdict.text == nullptr) {
    Report(ResultSuccess, "");
    return true;
  }
  if (verdict.extended == KeepExtended)
    Report(verdict.code, verdict.text);
  else
    Report(verdict.code, verdict.extended, verdict.text);
  ++ServiceState().FReplyFailures;
  if (verdict.codeIsFresh) TraceDeviceError(*reply);
  return false;
}

bool LastReplyTimedOut() {
  const TDeviceReply* reply = ServiceState().FLastReply;
  return reply != nullptr && (reply->ErrorMask & devicelink::MaskTimeout) != 0;
}

bool LastReplyAnswered() {
  const TServiceState& s = ServiceState();
  constexpr uint32_t NoStatus = devicelink::MaskTimeout | devicelink::MaskNak | devicelink::MaskChecksumError;
  return s.FLinkError == 0 && s.FLastReply != nullptr && (s.FLastReply->ErrorMask & NoStatus) == 0;
}

const char* LastReplyField(int32_t n) {
  const TDeviceReply* reply = ServiceState().FLastReply;
  if (reply == nullptr || n < 0 || n >= reply->FieldCount || n >= devicelink::MaxReplyFields) return "";
  const char* field = reply->Fields[n];
  return field != nullptr ? field : "";
}

}  // namespace service
