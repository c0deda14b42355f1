// GetData, GetTotalizer and GetVatEntry: figures read from the printer or
// answered from fixed tables.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "devicelink/commands.h"
#include "serviceobject/check_reply.h"
#include "serviceobject/decimal_sum.h"
#include "serviceobject/results.h"
#include "serviceobject/service.h"
#include "serviceobject/service_state.h"

namespace service {
namespace {

constexpr const char* TextBadInput = "Неправильные входные данные";
constexpr int32_t TotalizerDay = 2;
constexpr int32_t TotalizerReceipt = 3;
constexpr int32_t TotalizerGrand = 4;

// The common frame: the guard, then a clean result for the table to change.
bool Begin() {
  if (!RequireOpenAndEnabled()) return false;
  ReportSuccess();
  return true;
}

// One request; Data takes the reply's field 0 when it passes.
void FieldZero(bool passed, std::optional<std::string>& data) {
  if (passed) data = LastReplyField(0);
}

// Register fields 0;i;0; for i = 0..4 (sales; 1;i;0; refunds, subtracted).
// A figure that is no number ends the sum as a failure rather than counting
// as 0.
bool AddRegisters(DecimalSum& sum, int32_t kind, bool subtract) {
  for (int32_t i = 0; i < 5; ++i) {
    if (!DeviceCall(devicelink::FpCommandE0, kind, i, 0)) return false;
    const std::string figure = LastReplyField(0);
    if (!sum.Add(figure, subtract)) {
      ReportMethodFailure(("'" + figure + "' is not a valid floating point value").c_str());
      return false;
    }
  }
  return true;
}

// A fixed answer out of `texts` chosen by `key`, or 106 with `refusal`.
template <size_t N>
void FromTable(const std::pair<int32_t, const char*> (&texts)[N], int32_t key, const char* refusal,
               std::optional<std::string>& data) {
  for (const auto& [k, text] : texts) {
    if (k == key) {
      data = text;
      return;
    }
  }
  Report(ResultIllegal, refusal);
}

// A leading decimal integer: blanks, a sign, digits up to the first other
// character; none gives 0. False when it does not fit 32 bits.
bool LeadingInteger(const std::string& text, int32_t& value) {
  size_t i = text.find_first_not_of(' ');
  if (i == std::string::npos) i = text.size();
  const bool negative = i < text.size() && text[i] == '-';
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  int64_t magnitude = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    magnitude = magnitude * 10 + (text[i] - '0');
    if (magnitude > int64_t{INT32_MAX} + 1) return false;
  }
  const int64_t signedValue = negative ? -magnitude : magnitude;
  if (signedValue > INT32_MAX) return false;
  value = static_cast<int32_t>(signedValue);
  return true;
}

}  // namespace

int32_t GetData(int32_t dataItem, int32_t optArgs, std::optional<std::string>& data) {
  using namespace devicelink;
  if (!Begin()) return ResultDisabled;
  switch (dataItem) {
    case 1: FieldZero(DeviceCall(FpCommandE0, 3, 0, 0), data); break;
    case 2: {
      DecimalSum sum;
      if (AddRegisters(sum, 0, false)) data = sum.GeneralFormat();
      break;
    }
    case 3:
    case 20: FieldZero(DeviceCall(FpCommandE2, 1), data); break;
    case 4: FieldZero(DeviceCall(FpCommandE2, 2), data); break;
    case 7: FieldZero(DeviceCall(FpCommandE2, 0), data); break;
    case 9: FieldZero(DeviceCall(FpReadFiscalNumber), data); break;
    case 10:
      DeviceCall(FpDiagnosticInfo2);
      // A refused command leaves the record of an earlier one.
      if (ServiceState().FLinkError == 0) data = LastReplyField(1);
      break;
    case 26: {
      static const std::pair<int32_t, const char*> tenders[] = {{1, "0"}, {16, "1"}, {14, "2"}, {20, "3"}, {4, "4"}};
      FromTable(tenders, optArgs, "Неверный тип оплаты", data);
      break;
    }
    case 27:
      if (optArgs >= 1 && optArgs <= 15)
        data = std::string(1, "331111331111111"[optArgs - 1]);
      else
        Report(ResultIllegal, TextBadInput);
      break;
    case 28: {
      static const std::pair<int32_t, const char*> lengths[] = {{1, "75"}, {7, "75"}, {8, "75"}, {10, "75"},
                                                                {12, "75"}, {2, "0"},   {9, "0"}};
      FromTable(lengths, optArgs, TextBadInput, data);
      break;
    }
    default: Report(ResultIllegal, TextBadInput);
  }
  return ServiceState().FResultCode;
}

int32_t GetTotalizer(int32_t, int32_t optArgs, std::optional<std::string>& data) {
  using namespace devicelink;
  if (!Begin()) return ResultDisabled;
  const int32_t type = ServiceState().FTotalizerType;
  switch (optArgs) {
    case 1:
      if (type == TotalizerDay)
        FieldZero(DeviceCall(FpCashInOut, 1, 0.0), data);
      else if (type == TotalizerReceipt)
        FieldZero(DeviceCall(FpCommandE1, uint8_t{3}, 1), data);
      else if (type == TotalizerGrand && DeviceCall(FpCommandE0, 3, 0, 0))
        // The device offers no grand total: the current total, read once.
        data = *LastReplyField(0) ? LastReplyField(0) : "0";
      break;
    case 2:
      if (type == TotalizerDay) {
        DecimalSum sum;
        if (AddRegisters(sum, 0, false) && AddRegisters(sum, 1, true)) data = sum.GeneralFormat();
      } else {
        // Neither a receipt nor a grand net total can be read from the device.
        Report(ResultIllegal, "Неправильный тип данных");
      }
      break;
    case 3:
    case 8:
    case 14:
    case 16:
    case 17: break;
    default: Report(ResultIllegal, TextBadInput);
  }
  return ServiceState().FResultCode;
}

int32_t GetVatEntry(int32_t vatID, int32_t, int32_t& vatRate) {
  if (!RequireOpenAndEnabled()) return ResultDisabled;
  TServiceState& s = ServiceState();
  if (s.FResultCode != ResultSuccess) return s.FResultCode;
  s.FErrorString.clear();
  const int32_t index = vatID >= 192 ? vatID - 192 : vatID;
  if (index < 0 || index > 4) return Report(ResultIllegal, "Неверный тип налога");
  DeviceCall(devicelink::FpReadTaxRates, index);
  if (s.FLinkError != 0) return s.FResultCode;
  int32_t rate = 0;
  const std::string field = LastReplyField(1);
  if (!LeadingInteger(field, rate))
    return ReportMethodFailure(("'" + field + "' is not a valid integer value").c_str());
  vatRate = rate;
  return s.FResultCode;
}

}  // namespace service
