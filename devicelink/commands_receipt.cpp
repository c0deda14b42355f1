// Receipts, sales and payments (24h, 60h-6Eh, 73h, 74h, 78h).
#include <cmath>

#include "commands.h"
#include "data_text.h"

namespace devicelink {
namespace {

// 78h takes the payment types 1 to 9; cash (0) goes out as 67h.
bool IsTextPaymentType(int32_t paymentType) { return paymentType >= 1 && paymentType <= 9; }

DataText Command78Data(const char* password, int32_t paymentType, double amount, const char* text) {
  return DataText(password).Int(paymentType).Amount(amount).Text(text);
}

}  // namespace

TDeviceReply* FpAddArticle(const char* password, int32_t articleCode, const char* name, int32_t taxGroup,
                           int32_t number, uint8_t flag, const char* text, int32_t& outCode) {
  return SendDataText(
      0x24, DataText(password).Int(articleCode).Text(name).Int(taxGroup).Int(number).HexByte(flag).Text(text),
      outCode);
}

TDeviceReply* FpOpenNonFiscalReceipt(const char* password, int32_t& outCode) {
  return SendDataText(0x60, DataText(password), outCode);
}

TDeviceReply* FpOpenNonFiscalReceipt2(const char* password, int32_t& outCode) {
  return FpOpenNonFiscalReceipt(password, outCode);
}

TDeviceReply* FpPrintText(const char* password, const char* text, int32_t& outCode) {
  return SendDataText(0x61, DataText(password).Text(text), outCode);
}

TDeviceReply* FpPrintText2(const char* password, const char* text, int32_t& outCode) {
  return FpPrintText(password, text, outCode);
}

TDeviceReply* FpOpenFiscalReceipt(const char* password, int32_t operatorNumber, int32_t tillNumber,
                                  int32_t returnReceipt, int32_t& outCode) {
  return SendDataText(0x63, DataText(password).Int(operatorNumber).Int(tillNumber).Int(returnReceipt), outCode);
}

TDeviceReply* FpSellArticle(const char* password, int32_t articleCode, double price, double quantity,
                            int32_t& outCode) {
  if (!std::isfinite(quantity) || quantity <= 0) return RefuseCommand(OutCodeBadValue, outCode);
  if (!std::isfinite(price) || price < 0) return RefuseCommand(OutCodeBadPrice, outCode);
  return SendDataText(0x64, DataText(password).Int(articleCode).Quantity(quantity).Amount(price), outCode);
}

TDeviceReply* FpCloseFiscalReceipt(const char* password, int32_t& outCode) {
  return FpCloseFiscalReceiptEx(password, 0, outCode);
}

TDeviceReply* FpCloseFiscalReceipt2(const char* password, int32_t& outCode) {
  return FpCloseFiscalReceipt(password, outCode);
}

TDeviceReply* FpCloseFiscalReceiptEx(const char* password, int32_t number, int32_t& outCode) {
  return SendDataText(0x65, DataText(password).Int(number), outCode);
}

TDeviceReply* FpPayment(const char* password, int32_t paymentType, double amount, int32_t& outCode) {
  if (paymentType < 0 || paymentType > 9) return RefuseCommand(OutCodeBadValue, outCode);
  return SendDataText(0x67, DataText(password).Int(paymentType).Amount(amount), outCode);
}

TDeviceReply* FpItemDiscountPercent(const char* password, double value, int32_t& outCode) {
  return SendDataText(0x68, DataText(password).Amount(value), outCode);
}

TDeviceReply* FpItemDiscountAmount(const char* password, double value, int32_t& outCode) {
  return SendDataText(0x69, DataText(password).Amount(value), outCode);
}

TDeviceReply* FpVoid(const char* password, int32_t voidType, int32_t& outCode) {
  return SendDataText(0x6B, DataText(password).Int(voidType), outCode);
}

TDeviceReply* FpPrintTotal(const char* password, int32_t flag, int32_t& outCode) {
  return SendDataText(0x6D, DataText(password).Int(flag != 0 ? 1 : 0), outCode);
}

TDeviceReply* FpCashInOut(const char* password, int32_t operatorNumber, double amount, int32_t& outCode) {
  return SendDataText(0x6E, DataText(password).Int(operatorNumber).Amount(amount), outCode);
}

TDeviceReply* FpCommand73(const char* password, double amount, int32_t& outCode) {
  return SendDataText(0x73, DataText(password).Amount(amount), outCode);
}

TDeviceReply* FpCommand74(const char* password, double amount, int32_t& outCode) {
  return SendDataText(0x74, DataText(password).Amount(amount), outCode);
}

TDeviceReply* FpCommand78(const char* password, int32_t paymentType, double amount, const char* text,
                          int32_t& outCode) {
  if (!IsTextPaymentType(paymentType)) return RefuseCommand(OutCodeBadValue, outCode);
  return SendDataText(0x78, Command78Data(password, paymentType, amount, text), outCode);
}

int32_t Command78Refusal(const char* password, int32_t paymentType, double amount, const char* text) {
  if (!IsTextPaymentType(paymentType)) return OutCodeBadValue;
  return Command78Data(password, paymentType, amount, text).Refusal();
}

}  // namespace devicelink
