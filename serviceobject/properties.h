#pragma once
// The property accessors of the core (the capabilities are in
// capabilities.h). A getter that returns bool may be refused: by its guard
// (101 or 105) or as not supported (106); it then returns false and leaves
// `value`. A getter that succeeds, and a setter that accepts its value, leave
// the result fields as the previous member left them unless noted.
#include <cstdint>
#include <string>

namespace service {

// Answered even while closed.
int32_t GetResultCode();
int32_t GetResultCodeExtended();
int32_t GetQuantityDecimalPlaces();
int32_t GetDeviceServiceVersion();
int32_t GetServiceObjectVersion();
bool GetCheckTotal();
std::string GetCheckHealthText();
std::string GetAdditionalHeader();  // field FAdditionalHeaderIndex of FLastReply; "" without one
bool GetAdditionalTrailer(std::string& value);
bool GetSlipSelection(int32_t& value);
bool GetOpenDrawerProp(int32_t& value);  // opens the drawer; never writes `value`

// Open guard.
bool GetAmountDecimalPlaces(int32_t& value);
bool GetAsyncMode(bool& value);
bool GetBinaryConversion(int32_t& value);
bool GetChangeDue(std::string& value);
bool GetClaimed(bool& value);
bool GetCountryCode(int32_t& value);
bool GetDataEventEnabled(bool& value);
bool GetDescriptionLength(int32_t& value);
bool GetDeviceDescription(std::string& value);
bool GetDeviceEnabled(bool& value);
bool GetDeviceName(std::string& value);
bool GetDeviceServiceDescription(std::string& value);
bool GetDuplicateReceipt(bool& value);
bool GetErrorLevel(int32_t& value);
bool GetErrorOutID(int32_t& value);
bool GetErrorState(int32_t& value);
bool GetErrorStation(int32_t& value);
bool GetErrorString(std::string& value);
bool GetFlagWhenIdle(bool& value);
bool GetFreezeEvents(bool& value);
bool GetMessageLength(int32_t& value);
bool GetNumHeaderLines(int32_t& value);
bool GetNumTrailerLines(int32_t& value);
bool GetNumVatRates(int32_t& value);
bool GetOpenResult(int32_t& value);
bool GetOutputID(int32_t& value);
bool GetPowerNotify(int32_t& value);
bool GetPowerState(int32_t& value);
bool GetPredefinedPaymentLines(std::string& value);
bool GetPrinterState(int32_t& value);
bool GetQuantityLength(int32_t& value);
bool GetReservedWord(std::string& value);
bool GetServiceObjectDescription(std::string& value);
bool GetState(int32_t& value);

// Open-and-enabled guard. JrnEmpty and RecEmpty poll the printer and set the
// result fields from its reply.
bool GetActualCurrency(int32_t& value);
bool GetContractorId(int32_t& value);
bool GetCoverOpen(bool& value);
bool GetDateType(int32_t& value);
bool GetDayOpened(bool& value);
bool GetFiscalReceiptStation(int32_t& value);
bool GetFiscalReceiptType(int32_t& value);
bool GetJrnEmpty(bool& value);
bool GetJrnNearEnd(bool& value);
bool GetMessageType(int32_t& value);
bool GetPostLine(std::string& value);
bool GetPreLine(std::string& value);
bool GetRecEmpty(bool& value);
bool GetRecNearEnd(bool& value);
bool GetRemainingFiscalMemory(int32_t& value);
bool GetSlpEmpty(bool& value);
bool GetSlpNearEnd(bool& value);
bool GetTotalizerType(int32_t& value);
bool GetTrainingModeActive(bool& value);

// Setters. A refused value is not stored.
void SetAdditionalHeader(const std::string& text);  // throws ServiceError for a text that is no integer
void SetAdditionalTrailer(const std::string& text);
void SetAsyncMode(bool value);
void SetBinaryConversion(int32_t value);  // 0 clears FResultCode and FErrorString
void SetChangeDue(const std::string& text);
void SetCheckTotal(bool value);
void SetContractorId(int32_t value);
void SetDataEventEnabled(bool value);  // stores, and reports 106 all the same
void SetDateType(int32_t value);
void SetDuplicateReceipt(bool value);
void SetFiscalReceiptStation(int32_t station);
void SetFiscalReceiptType(int32_t type);
void SetFlagWhenIdle(bool value);
void SetFreezeEvents(bool value);
void SetMessageType(int32_t value);
void SetPostLine(const std::string& text);
void SetPowerNotify(int32_t value);  // 0 clears all three result fields
void SetPreLine(const std::string& text);
void SetSlipSelection(int32_t value);
void SetTotalizerType(int32_t value);

}  // namespace service
