// DirectIO: the service functions behind negative command numbers, and raw
// device commands for every other number.
#include <cstdio>
#include <cstring>
#include <string>

#include "devicelink/barcode.h"
#include "devicelink/base64.h"
#include "devicelink/commands.h"
#include "devicelink/data_text.h"
#include "devicelink/exchange.h"
#include "devicelink/link_state.h"
#include "devicelink/logs.h"
#include "serviceobject/check_reply.h"
#include "serviceobject/results.h"
#include "serviceobject/service.h"
#include "serviceobject/service_state.h"

namespace service {
namespace {

using devicelink::WriteTraceLog;

constexpr int32_t TraceOn = -20;
constexpr int32_t TraceOff = -21;
constexpr int32_t ArticleOption = -2;
constexpr int32_t LastError = -1;
constexpr int32_t Barcode = -3;
constexpr int32_t StatusByte = -4;
constexpr int32_t FirstStateByte = -5;
constexpr int32_t LastStateByte = -10;
constexpr int32_t Download = -100;

constexpr int StatusByteCount = 6;
constexpr size_t DownloadBytes = 5000;
// Longest file name the platform's file functions take (MAX_PATH less the null).
constexpr size_t MaxFileName = 259;

constexpr const char* TextBadArgument = "Неверный аргумент метода";

int32_t Refuse() {
  ServiceState().FDuplicateReceipt = 0;
  return Report(ResultIllegal, TextBadArgument);
}

int32_t Finish() {
  TServiceState& s = ServiceState();
  s.FDuplicateReceipt = 0;
  return s.FResultCode;
}

const char* ReplyText() {
  const devicelink::TDeviceReply* reply = ServiceState().FLastReply;
  return reply != nullptr && reply->ReplyText != nullptr ? reply->ReplyText : "";
}

// The status read is not checked: the bytes are those the record holds.
uint8_t ReadStatusByte(int index) {
  DeviceSend(devicelink::FpDiagnosticInfo);
  return ServiceState().FLastReply->StatusBytes[index];
}

int32_t TraceLogOn(const std::string& name) {
  if (devicelink::SetTraceLogPath(name.empty() ? "C:OrvanaOPOS.log" : name.c_str()) != 0) return Refuse();
  WriteTraceLog("Log файл открыт --------------------------------");
  WriteTraceLog("OPOS(UnifiedPOS) драйвер \"Компания \"Orvana\" (Quellan Ukraine)");
  WriteTraceLog("Quellan OPOS для Vornik MR41/MR-62/MR-84/MR-20/MR-73/MR-95/MK-16");
  WriteTraceLog("Lumero: служба поддержки Orvana");
  WriteTraceLog("Версия 2.0.0   28.07.2015");
  Report(ResultSuccess, "");  // the extended code stays
  return Finish();
}

int32_t PrintBarcode(std::string& text) {
  TServiceState& s = ServiceState();
  if (text.size() != 12) return Refuse();
  std::string code = text;
  int32_t refusal = devicelink::OutCodeSent;
  s.FLastReply = devicelink::FpPrintBarcode(s.FOperatorPassword, 50, code, refusal);
  // Twelve characters that are not all digits send nothing: the record is an
  // older command's, so it must not answer for this one.
  if (refusal != devicelink::OutCodeSent) return Refuse();
  text = s.FLastReply->LastErrorCode;
  if (!CheckReply(s.FLastReply, 0)) return Finish();
  text = ReplyText();
  s.FErrorString.clear();
  return s.FResultCode;
}

// Field 0 read as its leading decimal digits is 0 exactly when every one of
// them is '0' (or there are none); no number is built, so none can overflow.
bool MorePieces(const char* field) {
  for (; *field >= '0' && *field <= '9'; ++field)
    if (*field != '0') return true;
  return false;
}

int32_t DownloadFile(const std::string& fileName) {
  TServiceState& s = ServiceState();
  if (fileName.empty() || fileName.size() > MaxFileName || fileName.find('\0') != std::string::npos)
    return Refuse();
  auto requestPiece = [](const char* password, int32_t n, int32_t& outCode) {
    return devicelink::SendDataText(0xA7, devicelink::DataText(password).Int(0).Int(0).Int(n), outCode);
  };
  char base64[DownloadBytes] = {};
  uint8_t bytes[DownloadBytes] = {};
  size_t length = 0;
  for (int32_t n = 0;; ++n) {
    if (!DeviceCall(requestPiece, n)) return s.FResultCode;
    if (!MorePieces(LastReplyField(0))) break;
    const char* piece = LastReplyField(1);
    size_t pieceLength = std::strlen(piece);
    // Also ends a printer that keeps sending empty pieces.
    if (pieceLength > sizeof base64 - 1 - length || static_cast<size_t>(n) >= sizeof base64 - 1)
      return Report(ResultFailure, "Файл не помещается в буфер");
    std::memcpy(base64 + length, piece, pieceLength);
    length += pieceLength;
  }
  uint16_t decoded = 0;
  if (!devicelink::Base64Decode(base64, static_cast<int16_t>(length), bytes, sizeof bytes, decoded))
    return Report(ResultFailure, "Неверные данные файла");

  // Binary mode with our own CR before each LF: text mode does this only on
  // Windows, and the file must come out the same everywhere.
  std::FILE* file = std::fopen(fileName.c_str(), "wb");
  if (file == nullptr) return Report(ResultFailure, "Невозможно создать файл");
  bool written = true;
  for (size_t i = 0; i < sizeof bytes && bytes[i] != 0 && written; ++i) {
    if (bytes[i] == '\n') written = std::fputc('\r', file) != EOF;
    if (written) written = std::fputc(bytes[i], file) != EOF;
  }
  if (std::fclose(file) != 0) written = false;
  if (!written) {
    std::remove(fileName.c_str());  // a part of the file is no file
    return Report(ResultFailure, "Невозможно записать файл");
  }
  return Finish();
}

int32_t RawCommand(int32_t command, int32_t field, std::string& text) {
  TServiceState& s = ServiceState();
  if (field < 0 || field >= devicelink::MaxReplyFields) return Refuse();
  std::string data = text.substr(0, text.find('\0'));
  for (char& c : data)
    if (c == '\r' || c == '\n') c = ' ';
  s.FLastReply = devicelink::ExecuteCommand(command, data.c_str());
  // The link sends nothing for a text longer than a frame; the check must
  // see that as a refusal, not pass the cleared record.
  s.FLinkError = data.size() > static_cast<size_t>(devicelink::MaxRequestData) ? devicelink::OutCodeTooLong
                                                                               : devicelink::OutCodeSent;
  if (CheckReply(s.FLastReply, s.FLinkError)) {
    text = ReplyText();
    s.FErrorString.clear();
    std::snprintf(s.FReservedWord, sizeof s.FReservedWord, "%s", LastReplyField(field));
  }
  return Finish();
}

}  // namespace

bool DirectIOTakesPath(int32_t command) { return command == TraceOn || command == Download; }

int32_t DirectIO(int32_t command, int32_t& data, std::string& text) {
  TServiceState& s = ServiceState();
  if (command == TraceOn) return TraceLogOn(text);
  if (command == TraceOff) {
    devicelink::SetTraceLogPath("");
    Report(ResultSuccess, "");
    return Finish();
  }
  if (!RequireOpenAndEnabled()) {
    WriteTraceLog("DirectIO.Service объект не открыт или устр. не разрешено.");
    s.FDuplicateReceipt = 0;
    return ResultDisabled;
  }
  WriteTraceLog("DirectIO. Прямой доступ к устройству.");
  switch (command) {
    case ArticleOption:
      if (!s.FDayOpened) s.FArticleMode = data;
      return Finish();
    case LastError:
      if (data != -1) break;
      {
        char* last = devicelink::LinkReply().LastErrorCode;
        text = last;
        std::snprintf(last, sizeof devicelink::TDeviceReply::LastErrorCode, "%s", "0000");
      }
      return Finish();
    case Barcode:
      return PrintBarcode(text);
    case StatusByte:
      if (data < 0 || data >= StatusByteCount) return Refuse();
      data = ReadStatusByte(data);
      return Finish();
    case Download:
      return DownloadFile(text);
    default:
      if (command <= FirstStateByte && command >= LastStateByte) {
        s.FState = ReadStatusByte(FirstStateByte - command);
        return Finish();
      }
      break;
  }
  return RawCommand(command, data, text);
}

}  // namespace service
