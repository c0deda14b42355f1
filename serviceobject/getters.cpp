// Getters of constants and stored values. The value is taken before the
// guard runs; none of them has a side effect.
#include <cstring>

#include "serviceobject/configuration.h"
#include "serviceobject/results.h"
#include "serviceobject/service.h"
#include "serviceobject/service_state.h"

namespace service {
namespace {

constexpr int32_t Version = 1011000;  // 1.11.000

template <class T, class V>
bool WhenOpen(T& out, const V& value) {
  if (!RequireOpen()) return false;
  out = value;
  return true;
}

template <class T, class V>
bool WhenEnabled(T& out, const V& value) {
  if (!RequireOpenAndEnabled()) return false;
  out = value;
  return true;
}

bool Unsupported() {
  RefuseProperty();
  return false;
}

bool DescribeModel(const char* suffix, std::string& value) {
  return WhenOpen(value, std::string(CurrentDisplayName()) + suffix);
}

const TServiceState& S() { return ServiceState(); }

}  // namespace

int32_t GetResultCode() { return S().FResultCode; }
int32_t GetResultCodeExtended() { return S().FResultCodeExtended; }
int32_t GetQuantityDecimalPlaces() { return 3; }
int32_t GetDeviceServiceVersion() { return Version; }
int32_t GetServiceObjectVersion() { return Version; }
bool GetCheckTotal() { return S().FCheckTotal != 0; }
std::string GetCheckHealthText() { return S().FCheckHealthText; }
bool GetAdditionalTrailer(std::string&) { return Unsupported(); }
bool GetSlipSelection(int32_t&) { return Unsupported(); }

bool GetAmountDecimalPlaces(int32_t& value) { return WhenOpen(value, 2); }
bool GetAsyncMode(bool& value) { return WhenOpen(value, false); }
bool GetBinaryConversion(int32_t& value) { return WhenOpen(value, 0); }
bool GetChangeDue(std::string& value) { return WhenOpen(value, std::string()); }
bool GetClaimed(bool& value) { return WhenOpen(value, S().FClaimed != 0); }
bool GetCountryCode(int32_t& value) { return WhenOpen(value, 1024); }  // Ukraine
bool GetDataEventEnabled(bool& value) { return WhenOpen(value, S().FDataEventEnabled != 0); }
bool GetDescriptionLength(int32_t& value) { return WhenOpen(value, 75); }
bool GetDeviceDescription(std::string& value) { return DescribeModel(" Fiscal Printer, Ukrainian Version", value); }
bool GetDeviceEnabled(bool& value) {
  if (!RequireOpen(TextServiceObjectNotOpen)) return false;
  value = S().FDeviceEnabled != 0;
  return true;
}
bool GetDeviceName(std::string& value) { return DescribeModel(" Fiscal Printer", value); }
bool GetDeviceServiceDescription(std::string& value) {
  return DescribeModel(" Compatible Service Driver, Vornik Ukraine", value);
}
bool GetDuplicateReceipt(bool& value) { return WhenOpen(value, S().FDuplicateReceipt != 0); }
bool GetErrorLevel(int32_t& value) { return WhenOpen(value, S().FErrorLevel); }
bool GetErrorOutID(int32_t&) { return RequireOpen() && Unsupported(); }
bool GetErrorState(int32_t& value) { return WhenOpen(value, S().FErrorState); }
bool GetErrorStation(int32_t& value) { return WhenOpen(value, S().FErrorStation); }
bool GetErrorString(std::string& value) { return WhenOpen(value, S().FErrorString); }
bool GetFlagWhenIdle(bool& value) { return WhenOpen(value, S().FFlagWhenIdle != 0); }
bool GetFreezeEvents(bool& value) { return WhenOpen(value, S().FFreezeEvents != 0); }
bool GetMessageLength(int32_t& value) { return WhenOpen(value, 34); }
bool GetNumHeaderLines(int32_t& value) { return WhenOpen(value, 10); }
bool GetNumTrailerLines(int32_t& value) { return WhenOpen(value, 4); }
bool GetNumVatRates(int32_t& value) { return WhenOpen(value, 5); }
bool GetOpenResult(int32_t& value) { return WhenOpen(value, S().FOpenResult); }
bool GetOutputID(int32_t& value) { return WhenOpen(value, S().FOutputID); }
bool GetPowerNotify(int32_t& value) { return WhenOpen(value, 0); }
bool GetPowerState(int32_t& value) { return WhenOpen(value, 2000); }  // cannot be determined
bool GetPredefinedPaymentLines(std::string& value) { return WhenOpen(value, std::string("0,1,2,3,4")); }
bool GetPrinterState(int32_t& value) { return WhenOpen(value, S().FPrinterState); }
bool GetQuantityLength(int32_t& value) { return WhenOpen(value, 9); }
bool GetReservedWord(std::string& value) {
  return WhenOpen(value, std::string(S().FReservedWord, strnlen(S().FReservedWord, ReservedWordBytes)));
}
bool GetServiceObjectDescription(std::string& value) {
  return WhenOpen(value, std::string("MR62 Fiscal Printer OPOS Service Driver, Lumero for Vornik Ukraine"));
}
bool GetState(int32_t& value) { return WhenOpen(value, S().FState); }

bool GetActualCurrency(int32_t& value) { return WhenEnabled(value, 12); }  // hryvnia
bool GetContractorId(int32_t& value) { return WhenEnabled(value, 3); }     // single contractor
bool GetCoverOpen(bool& value) { return WhenEnabled(value, false); }
bool GetDateType(int32_t& value) { return WhenEnabled(value, int32_t{S().FDateType}); }
bool GetDayOpened(bool& value) { return WhenEnabled(value, S().FDayOpened != 0); }
bool GetFiscalReceiptStation(int32_t& value) { return WhenEnabled(value, S().FFiscalReceiptStation); }
bool GetFiscalReceiptType(int32_t& value) { return WhenEnabled(value, S().FFiscalReceiptType); }
bool GetJrnNearEnd(bool& value) { return WhenEnabled(value, false); }
bool GetMessageType(int32_t& value) { return WhenEnabled(value, S().FMessageType); }
bool GetPostLine(std::string& value) { return WhenEnabled(value, S().FPostLine); }
bool GetPreLine(std::string& value) { return WhenEnabled(value, S().FPreLine); }
bool GetRecNearEnd(bool& value) { return WhenEnabled(value, false); }
bool GetRemainingFiscalMemory(int32_t& value) { return WhenEnabled(value, 1000); }
bool GetSlpEmpty(bool& value) { return WhenEnabled(value, false); }
bool GetSlpNearEnd(bool& value) { return WhenEnabled(value, false); }
bool GetTotalizerType(int32_t& value) { return WhenEnabled(value, S().FTotalizerType); }
bool GetTrainingModeActive(bool& value) { return WhenEnabled(value, false); }

}  // namespace service
