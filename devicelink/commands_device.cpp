// Clock, header and trailer, device data, status, display, drawer, reports
// and registers (20h-48h, 80h-84h, A1h-A5h, E0h-E2h).
#include "commands.h"
#include "data_text.h"

namespace devicelink {

TDeviceReply* FpSetDateTime(const char* password, const char* date, const char* time, int32_t& outCode) {
  return SendDataText(0x20, DataText(password).Text(date).Text(time), outCode);
}

TDeviceReply* FpReadDateTime(const char* password, int32_t& outCode) {
  return SendDataText(0x21, DataText(password), outCode);
}

TDeviceReply* FpProgramHeaderTrailer(const char* password, int32_t lineNumber, const char* text,
                                     int32_t doubleWidth, int32_t& outCode) {
  if (lineNumber < 0 || lineNumber > 20) return RefuseCommand(OutCodeBadLineNumber, outCode);
  return SendDataText(0x22, DataText(password).Int(lineNumber).Text(text).Int(doubleWidth), outCode);
}

TDeviceReply* FpReadSerialNumber(const char* password, int32_t& outCode) {
  return SendDataText(0x42, DataText(password), outCode);
}

TDeviceReply* FpReadFiscalNumber(const char* password, int32_t& outCode) {
  return SendDataText(0x44, DataText(password), outCode);
}

TDeviceReply* FpReadTaxRates(const char* password, int32_t taxNumber, int32_t& outCode) {
  return SendDataText(0x48, DataText(password).Int(taxNumber), outCode);
}

TDeviceReply* FpDiagnosticInfo(const char* password, int32_t& outCode) {
  return SendDataText(0x80, DataText(password), outCode);
}

TDeviceReply* FpDiagnosticInfo2(const char* password, int32_t& outCode) {
  return FpDiagnosticInfo(password, outCode);
}

TDeviceReply* FpDiagnosticInfo3(const char* password, int32_t& outCode) {
  return FpDiagnosticInfo(password, outCode);
}

TDeviceReply* FpDisplayText(const char* password, const char* text, int32_t function, int32_t number,
                            int32_t& outCode) {
  return SendDataText(0x81, DataText(password).Int(function).Int(number).Text(text), outCode);
}

TDeviceReply* FpOpenCashDrawer(const char* password, int32_t& outCode) {
  return SendDataText(0x83, DataText(password), outCode);
}

TDeviceReply* FpCommand84(const char* password, int32_t number, int32_t& outCode) {
  return SendDataText(0x84, DataText(password).Int(number), outCode);
}

TDeviceReply* FpPrintReport(const char* password, int32_t reportType, int32_t& outCode) {
  return SendDataText(0xA1, DataText(password).Int(reportType), outCode);
}

TDeviceReply* FpFindReportByDate(const char* password, const char* first, const char* second, int32_t number,
                                 int32_t& outCode) {
  return SendDataText(0xA2, DataText(password).Text(first).Text(second).Int(number), outCode);
}

TDeviceReply* FpPrintPeriodicReport(const char* password, int32_t firstNumber, int32_t lastNumber, int32_t full,
                                    int32_t& outCode) {
  return SendDataText(0xA3, DataText(password).Int(firstNumber).Int(lastNumber).Int(full), outCode);
}

TDeviceReply* FpCommandA4(const char* password, int32_t first, int32_t second, int32_t& outCode) {
  return SendDataText(0xA4, DataText(password).Int(first).Int(second), outCode);
}

TDeviceReply* FpCommandA5(const char* password, int32_t first, int32_t second, int32_t& outCode) {
  return SendDataText(0xA5, DataText(password).Int(first).Int(second), outCode);
}

TDeviceReply* FpCommandE0(const char* password, int32_t first, int32_t second, int32_t third, int32_t& outCode) {
  return SendDataText(0xE0, DataText(password).Int(first).Int(second).Int(third), outCode);
}

TDeviceReply* FpCommandE1(const char* password, uint8_t flag, int32_t number, int32_t& outCode) {
  return SendDataText(0xE1, DataText(password).HexByte(flag).Int(number), outCode);
}

TDeviceReply* FpCommandE2(const char* password, int32_t number, int32_t& outCode) {
  return SendDataText(0xE2, DataText(password).Int(number), outCode);
}

}  // namespace devicelink
