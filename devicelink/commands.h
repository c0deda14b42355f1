#pragma once
#include <cstdint>

#include "device_reply.h"

// The printer's command set: one function per command (a few commands have
// two that behave alike). Each returns the reply record and reports through
// `outCode` either OutCodeSent or why it refused its arguments; a refused
// call sends nothing and leaves the record as it was.
namespace devicelink {

inline constexpr int32_t OutCodeSent = 0;
inline constexpr int32_t OutCodeBadBarcode = -100;     // code text not 12 decimal digits
inline constexpr int32_t OutCodeBadLineNumber = -121;  // header or trailer line outside 0 to 20
inline constexpr int32_t OutCodeBadValue = -151;       // quantity not above 0, payment type out of range, amount not finite
inline constexpr int32_t OutCodeBadPrice = -152;       // price below 0 or not finite
inline constexpr int32_t OutCodeTooLong = -219;        // data text longer than one frame carries

// 20h-22h: clock and receipt header/trailer.
TDeviceReply* FpSetDateTime(const char* password, const char* date, const char* time, int32_t& outCode);
TDeviceReply* FpReadDateTime(const char* password, int32_t& outCode);
TDeviceReply* FpProgramHeaderTrailer(const char* password, int32_t lineNumber, const char* text,
                                     int32_t doubleWidth, int32_t& outCode);

// 24h: programs an article before it is sold.
TDeviceReply* FpAddArticle(const char* password, int32_t articleCode, const char* name, int32_t taxGroup,
                           int32_t number, uint8_t flag, const char* text, int32_t& outCode);

// 42h-48h: device data.
TDeviceReply* FpReadSerialNumber(const char* password, int32_t& outCode);
TDeviceReply* FpReadFiscalNumber(const char* password, int32_t& outCode);
TDeviceReply* FpReadTaxRates(const char* password, int32_t taxNumber, int32_t& outCode);

// 60h-6Eh, 73h, 74h, 78h: receipts, sales and payments.
TDeviceReply* FpOpenNonFiscalReceipt(const char* password, int32_t& outCode);
TDeviceReply* FpOpenNonFiscalReceipt2(const char* password, int32_t& outCode);
TDeviceReply* FpPrintText(const char* password, const char* text, int32_t& outCode);
TDeviceReply* FpPrintText2(const char* password, const char* text, int32_t& outCode);
TDeviceReply* FpOpenFiscalReceipt(const char* password, int32_t operatorNumber, int32_t tillNumber,
                                  int32_t returnReceipt, int32_t& outCode);
// Sends code, quantity, price in that order.
TDeviceReply* FpSellArticle(const char* password, int32_t articleCode, double price, double quantity,
                            int32_t& outCode);
TDeviceReply* FpCloseFiscalReceipt(const char* password, int32_t& outCode);
TDeviceReply* FpCloseFiscalReceipt2(const char* password, int32_t& outCode);
TDeviceReply* FpCloseFiscalReceiptEx(const char* password, int32_t number, int32_t& outCode);
TDeviceReply* FpPayment(const char* password, int32_t paymentType, double amount, int32_t& outCode);
TDeviceReply* FpItemDiscountPercent(const char* password, double value, int32_t& outCode);
TDeviceReply* FpItemDiscountAmount(const char* password, double value, int32_t& outCode);
TDeviceReply* FpVoid(const char* password, int32_t voidType, int32_t& outCode);
// Any non-zero flag is sent as 1.
TDeviceReply* FpPrintTotal(const char* password, int32_t flag, int32_t& outCode);
TDeviceReply* FpCashInOut(const char* password, int32_t operatorNumber, double amount, int32_t& outCode);
TDeviceReply* FpCommand73(const char* password, double amount, int32_t& outCode);
TDeviceReply* FpCommand74(const char* password, double amount, int32_t& outCode);
TDeviceReply* FpCommand78(const char* password, int32_t paymentType, double amount, const char* text,
                          int32_t& outCode);
// OutCodeSent when FpCommand78 would send a request for these fields, else
// the refusal it would report for them; nothing is sent.
int32_t Command78Refusal(const char* password, int32_t paymentType, double amount, const char* text);

// 80h-84h: status, customer display, drawer.
TDeviceReply* FpDiagnosticInfo(const char* password, int32_t& outCode);
TDeviceReply* FpDiagnosticInfo2(const char* password, int32_t& outCode);
TDeviceReply* FpDiagnosticInfo3(const char* password, int32_t& outCode);
// Sends function, number, text in that order.
TDeviceReply* FpDisplayText(const char* password, const char* text, int32_t function, int32_t number,
                            int32_t& outCode);
TDeviceReply* FpOpenCashDrawer(const char* password, int32_t& outCode);
TDeviceReply* FpCommand84(const char* password, int32_t number, int32_t& outCode);

// A1h-A5h: reports.
TDeviceReply* FpPrintReport(const char* password, int32_t reportType, int32_t& outCode);
TDeviceReply* FpFindReportByDate(const char* password, const char* first, const char* second, int32_t number,
                                 int32_t& outCode);
TDeviceReply* FpPrintPeriodicReport(const char* password, int32_t firstNumber, int32_t lastNumber, int32_t full,
                                    int32_t& outCode);
TDeviceReply* FpCommandA4(const char* password, int32_t first, int32_t second, int32_t& outCode);
TDeviceReply* FpCommandA5(const char* password, int32_t first, int32_t second, int32_t& outCode);

// E0h-E2h: registers.
TDeviceReply* FpCommandE0(const char* password, int32_t first, int32_t second, int32_t third, int32_t& outCode);
TDeviceReply* FpCommandE1(const char* password, uint8_t flag, int32_t number, int32_t& outCode);
TDeviceReply* FpCommandE2(const char* password, int32_t number, int32_t& outCode);

}  // namespace devicelink
