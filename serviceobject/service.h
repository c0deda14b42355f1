#pragma once
// The portable service core: what every member of the COM object does, on
// plain C++ values. Texts are single-byte text in code page 1251; file paths
// are in the ANSI code page.
// The COM layer converts arguments, takes ServiceMutex() for the whole call,
// and turns results back into COM.
#include <cstdint>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <string>

#include "serviceobject/capabilities.h"
#include "serviceobject/properties.h"

namespace service {

// A text that is not a number where one is converted (a port name such as
// "COMX", a figure of a device reply). Accessors report it through COM error
// information; methods report a failure result.
class ServiceError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One lock for all members of all objects of the process.
std::recursive_mutex& ServiceMutex();

// Opening and the device life cycle. Each returns the member's Result.
int32_t OpenService();  // pRC: 0, 106 or 109
int32_t Claim(int32_t timeout);
int32_t ClaimDevice(int32_t timeout);
void SetDeviceEnabled(bool enabled);  // may throw ServiceError
int32_t ReleaseDevice();
int32_t Close();
int32_t CloseService();
int32_t ClearOutput();
int32_t ClearError();
int32_t CheckHealth(int32_t level);
void COFreezeEvents(bool freeze);

// The methods answered "not supported"; PrintFixedOutput also clears the
// duplicate-receipt flag.
int32_t NotSupported();
int32_t PrintFixedOutputNotSupported();
// A property index no accessor serves: 106, the extended code kept.
void RefuseProperty();

// A method that could not finish (an exception inside the core): reports
// failure in the result fields, with the exception's text, and returns it.
int32_t ReportMethodFailure(const char* message);

// Receipts and documents. Ignored arguments are kept for the COM layer.
int32_t BeginFiscalReceipt(bool printHeader);
int32_t EndFiscalReceipt(bool printHeader);
int32_t BeginNonFiscal();
int32_t EndNonFiscal();
int32_t BeginItemList(int32_t vatID);
int32_t VerifyItem(const std::string& itemName, int32_t vatID);
int32_t EndItemList();
int32_t PrintRecVoid(const std::string& description);
int32_t ResetPrinter();

// Items, adjustments, subtotal, total, cash and messages. CURRENCY values
// are int64_t with four implied decimals; quantities are in thousandths.
int32_t PrintRecItem(const std::string& description, int64_t price, int32_t quantity, int32_t vatInfo,
                     int64_t unitPrice, const std::string& unitName);
int32_t PrintRecItemVoid(const std::string& description, int64_t price, int32_t quantity, int32_t vatInfo,
                         int64_t unitPrice, const std::string& unitName);
int32_t PrintRecItemAdjustment(int32_t adjustmentType, const std::string& description, int64_t amount,
                               int32_t vatInfo);
int32_t PrintRecSubtotal(int64_t amount);
int32_t PrintRecSubtotalAdjustment(int32_t adjustmentType, const std::string& description, int64_t amount);
int32_t PrintRecTotal(int64_t total, int64_t payment, const std::string& description);
int32_t PrintRecCash(int64_t amount);
int32_t PrintRecMessage(const std::string& message);

// Service functions for negative commands, raw device commands otherwise;
// `data` and `text` are read and written as the command says.
int32_t DirectIO(int32_t command, int32_t& data, std::string& text);
// Whether the command's text is a file path rather than a text of the device.
bool DirectIOTakesPath(int32_t command);

// Reports, free text in a non-fiscal receipt, the duplicate, and device
// set-up. Dates are ddmmyyyyhhnn texts.
int32_t PrintXReport();
int32_t PrintZReport();
int32_t PrintReport(int32_t reportType, const std::string& startNum, const std::string& endNum);
int32_t PrintPeriodicTotalsReport(const std::string& date1, const std::string& date2);
int32_t PrintNormal(int32_t station, const std::string& data);
int32_t PrintDuplicateReceipt();
int32_t SetDate(const std::string& date);
int32_t GetDate(std::string& date);  // `date` is written only on success
int32_t SetHeaderLine(int32_t lineNumber, const std::string& text, bool doubleWidth);
int32_t SetTrailerLine(int32_t lineNumber, const std::string& text, bool doubleWidth);
int32_t SetPOSID(const std::string& posID, const std::string& cashierID);

// Data queries. `data` and `vatRate` are set only where the member writes
// its output; otherwise the caller's value stays.
int32_t GetData(int32_t dataItem, int32_t optArgs, std::optional<std::string>& data);
int32_t GetTotalizer(int32_t vatID, int32_t optArgs, std::optional<std::string>& data);
int32_t GetVatEntry(int32_t vatID, int32_t optArgs, int32_t& vatRate);

}  // namespace service
