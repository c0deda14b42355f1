// The fiscal day and the device: clock, programmed lines, identity, service
// cash, reports and the registers the host reads.
#include "device_error.h"
#include "fiscal_model.h"
#include "fiscal_text.h"

#include <cstdlib>

namespace printersim {
namespace {

constexpr const char* kModelName = "MR-62";
constexpr const char* kFirmwareDate = "010324";
constexpr const char* kDescription = "ФІСКАЛЬНИЙ РЕЄСТРАТОР";
constexpr const char* kSerialNumber = "ПН00012345";
constexpr const char* kFiscalNumber = "3000012345";
constexpr const char* kTaxId = "123456789012";
constexpr const char* kTaxRates[kTaxGroups] = {"20.00", "7.00", "0.00", "14.00", "0.00"};

std::optional<int> TwoDigits(std::string_view text) {
  if (text.size() != 2 || text[0] < '0' || text[0] > '9' || text[1] < '0' || text[1] > '9') return std::nullopt;
  return (text[0] - '0') * 10 + (text[1] - '0');
}

}  // namespace

std::string FiscalModel::SetDateTime(const Args& args) {
  Require(Idle(), kWrongState);
  const std::string_view date = args.Text("date");
  const std::string_view time = args.Text("time");
  Require(date.size() == 6, kBadDate);
  Require(time.size() == 4, kBadTime);
  const auto day = TwoDigits(date.substr(0, 2));
  const auto month = TwoDigits(date.substr(2, 2));
  const auto year = TwoDigits(date.substr(4, 2));
  Require(day && month && year &&
              std::chrono::year_month_day(std::chrono::year(2000 + *year), std::chrono::month(*month),
                                          std::chrono::day(*day)).ok(),
          kBadDate);
  const auto hour = TwoDigits(time.substr(0, 2));
  const auto minute = TwoDigits(time.substr(2, 2));
  Require(hour && minute && *hour < 24 && *minute < 60, kBadTime);
  std::tm wanted{};
  wanted.tm_mday = *day;
  wanted.tm_mon = *month - 1;
  wanted.tm_year = 100 + *year;
  wanted.tm_hour = *hour;
  wanted.tm_min = *minute;
  wanted.tm_isdst = -1;
  clockOffset_ = std::chrono::seconds(std::mktime(&wanted) - std::time(nullptr));
  return {};
}

std::string FiscalModel::ReadDateTime(const Args&) {
  const std::tm now = Now();
  char date[8];
  char time[8];
  std::strftime(date, sizeof date, "%d%m%y", &now);
  std::strftime(time, sizeof time, "%H%M", &now);
  return JoinFields({date, time});
}

std::string FiscalModel::ProgramLine(const Args& args) {
  Require(Idle(), kWrongState);
  const auto line = static_cast<std::size_t>(args.Number("line", 0, programmedLines_.size() - 1));
  args.Number("doubleWidth", 0, 1);
  programmedLines_[line] = args.Text("text");
  return {};
}

std::string FiscalModel::SerialNumber(const Args&) { return JoinFields({kSerialNumber}); }

std::string FiscalModel::FiscalNumber(const Args&) { return JoinFields({kFiscalNumber}); }

std::string FiscalModel::TaxRate(const Args& args) {
  const auto group = args.Number("taxNumber", 0, kTaxGroups - 1);
  return JoinFields({std::to_string(group), kTaxRates[group]});
}

// Fields as the host's enabling reads them: 0 model, 1 firmware version,
// 8 characters per line.
std::string FiscalModel::DeviceInfo(const Args&) {
  return JoinFields({kModelName, firmware_, kFirmwareDate, kDescription, kSerialNumber, kFiscalNumber, kTaxId,
                     std::to_string(kTaxGroups), std::to_string(lineWidth_)});
}

// Amount 0 only asks what the drawer holds.
std::string FiscalModel::CashInOut(const Args& args) {
  args.Number("operator", 0, 999999);
  const Money amount = args.Amount("amount");
  if (amount != 0) {
    Require(Idle(), kWrongState);
    Require(drawer_ + amount >= 0, kNoCash);
    drawer_ += amount;
    (amount > 0 ? day_.cashIn : day_.cashOut) += std::abs(amount);
    BeginDocument();
    Print(Labeled(amount > 0 ? "СЛУЖБОВЕ ВНЕСЕННЯ" : "СЛУЖБОВА ВИДАЧА", std::abs(amount)));
    EndDocument({}, amount > 0 ? "cashin" : "cashout", std::abs(amount));
  }
  return JoinFields({FormatMoney(drawer_), FormatMoney(day_.cashIn), FormatMoney(day_.cashOut)});
}

// 1 is the X report, 0 the Z report, which closes the fiscal day.
std::string FiscalModel::Report(const Args& args) {
  const bool z = args.Number("reportType", 0, 1) == 0;
  Require(Idle(), kWrongState);
  BeginDocument();
  Print(z ? "Z-ЗВІТ № " + std::to_string(zReports_ + 1) : std::string("X-ЗВІТ"));
  Print(Labeled("ПРОДАЖ", Sum(day_.sales)));
  Print(Labeled("ЧЕКІВ ПРОДАЖУ", std::to_string(day_.saleReceipts)));
  Print(Labeled("ПОВЕРНЕННЯ", Sum(day_.refunds)));
  Print(Labeled("ЧЕКІВ ПОВЕРНЕННЯ", std::to_string(day_.refundReceipts)));
  Print(Labeled("СЛУЖБОВЕ ВНЕСЕННЯ", day_.cashIn));
  Print(Labeled("СЛУЖБОВА ВИДАЧА", day_.cashOut));
  Print(Labeled("ГОТІВКА В КАСІ", drawer_));
  EndDocument({}, z ? "zreport" : "xreport");
  if (z) {
    ++zReports_;
    day_ = {};
    dayOpen_ = false;
  }
  return {};
}

// first: 0 the day's sales in tax group `second`, 1 its refunds, 3 the
// open receipt's total.
std::string FiscalModel::Register(const Args& args) {
  const int64_t first = args.Number("first", 0, 3);
  const int64_t group = args.Number("second", 0, kTaxGroups - 1);
  args.Number("third", 0, kMaxFixed);
  if (first == 2) args.OutOfRange("first");
  if (first == 3) return JoinFields({FormatMoney(receipt_ ? receipt_->Total() : 0)});
  return JoinFields({FormatMoney((first == 0 ? day_.sales : day_.refunds)[group])});
}

// Flag 03h asks for the open receipt's total.
std::string FiscalModel::ReceiptSum(const Args& args) {
  if (args.HexByte("flag") != 0x03) args.OutOfRange("flag");
  args.Number("number", 0, kMaxFixed);
  return JoinFields({FormatMoney(receipt_ ? receipt_->Total() : 0)});
}

// 0 Z reports, 1 sale receipts, 2 refund receipts, 3 and 5 the last document.
std::string FiscalModel::Counter(const Args& args) {
  const int64_t which = args.Number("number", 0, 5);
  const int counters[] = {zReports_, saleReceipts_, refundReceipts_, lastDocument_, -1, lastDocument_};
  if (counters[which] < 0) args.OutOfRange("number");
  return JoinFields({std::to_string(counters[which])});
}

}  // namespace printersim
