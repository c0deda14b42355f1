#include "fiscal_model.h"

#include "device_error.h"
#include "fiscal_text.h"

#include <algorithm>

namespace printersim {

FiscalModel::Handler FiscalModel::Find(uint8_t cmd) {
  static const std::map<uint8_t, Handler> handlers = {
      {0x20, &FiscalModel::SetDateTime},
      {0x21, &FiscalModel::ReadDateTime},
      {0x22, &FiscalModel::ProgramLine},
      {0x24, &FiscalModel::ProgramArticle},
      {0x42, &FiscalModel::SerialNumber},
      {0x44, &FiscalModel::FiscalNumber},
      {0x48, &FiscalModel::TaxRate},
      {0x60, &FiscalModel::OpenNonFiscal},
      {0x61, &FiscalModel::PrintText},
      {0x63, &FiscalModel::OpenReceipt},
      {0x64, &FiscalModel::Sell},
      {0x65, &FiscalModel::CloseDocument},
      {0x67, &FiscalModel::Pay},
      {0x68, &FiscalModel::AdjustItemPercent},
      {0x69, &FiscalModel::AdjustItemAmount},
      {0x6B, &FiscalModel::Void},
      {0x6D, &FiscalModel::PrintTotal},
      {0x6E, &FiscalModel::CashInOut},
      {0x73, &FiscalModel::AdjustSubtotalPercent},
      {0x74, &FiscalModel::AdjustSubtotalAmount},
      {0x78, &FiscalModel::PayWithText},
      {0x80, &FiscalModel::DeviceInfo},
      {0xA1, &FiscalModel::Report},
      {0xE0, &FiscalModel::Register},
      {0xE1, &FiscalModel::ReceiptSum},
      {0xE2, &FiscalModel::Counter},
  };
  const auto it = handlers.find(cmd);
  return it == handlers.end() ? nullptr : it->second;
}

Reply FiscalModel::Answer(const Request& request) {
  Reply reply;
  answering_ = request.number;
  if (const Handler handler = Find(request.cmd)) {
    try {
      reply.data = (this->*handler)(Args(request));
    } catch (const DeviceError& refusal) {
      reply.error = refusal.code;
    }
  }
  reply.status = Status();
  return reply;
}

uint8_t FiscalModel::Stage() const {
  if (nonFiscal_) return kStageNonFiscal;
  if (!receipt_) return kStageNone;
  switch (receipt_->CurrentPhase()) {
    case Receipt::Phase::Items:
      return kStageItems;
    case Receipt::Phase::Paying:
      return kStagePaying;
    case Receipt::Phase::Paid:
      break;
  }
  return kStagePaid;
}

std::array<uint8_t, 6> FiscalModel::Status() const {
  std::array<uint8_t, 6> status{};
  status[2] = static_cast<uint8_t>(Stage() | (nonFiscal_ ? kNonFiscalFlag : 0));
  status[5] = dayOpen_ ? kDayOpenBit : 0;
  return status;
}

std::string FiscalModel::Registers() const {
  return "sales=" + FormatMoney(Sum(day_.sales)) + " refunds=" + FormatMoney(Sum(day_.refunds)) +
         " salereceipts=" + std::to_string(day_.saleReceipts) +
         " refundreceipts=" + std::to_string(day_.refundReceipts) + " cashin=" + FormatMoney(day_.cashIn) +
         " cashout=" + FormatMoney(day_.cashOut) + " drawer=" + FormatMoney(drawer_);
}

std::string FiscalModel::Summary() const {
  const char* doc = nonFiscal_ ? "nonfiscal" : !receipt_ ? "none" : receipt_->IsRefund() ? "refund" : "sale";
  return std::string("day=") + (dayOpen_ ? "open" : "closed") + " doc=" + doc +
         " stage=" + std::to_string(Stage()) + " total=" + FormatMoney(receipt_ ? receipt_->Total() : 0) +
         " paid=" + FormatMoney(receipt_ ? receipt_->Paid() : 0) + " drawer=" + FormatMoney(drawer_) +
         " documents=" + std::to_string(lastDocument_) + " z=" + std::to_string(zReports_);
}

Receipt& FiscalModel::CurrentReceipt() {
  Require(receipt_.has_value(), kWrongState);
  return *receipt_;
}

std::tm FiscalModel::Now() const {
  const std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now() + clockOffset_);
  std::tm local{};
  localtime_r(&t, &local);
  return local;
}

void FiscalModel::BeginDocument() { Print(std::string(std::max(lineWidth_, 1u), '-')); }

void FiscalModel::EndDocument(std::string_view title, std::string kind, Money sum) {
  if (!title.empty()) Print(title);
  const std::tm now = Now();
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%d.%m.%Y %H:%M", &now);
  Print(stamp);
  ++lastDocument_;
  journal_.push_back({answering_, std::move(kind), sum});
}

std::string FiscalModel::OpenNonFiscal(const Args&) {
  Require(Idle(), kWrongState);
  BeginDocument();
  Print("НЕФІСКАЛЬНИЙ ЧЕК");
  nonFiscal_ = true;
  return {};
}

std::string FiscalModel::PrintText(const Args& args) {
  Require(!Idle(), kWrongState);
  Print(args.Text("text"));
  return {};
}

std::string FiscalModel::OpenReceipt(const Args& args) {
  Require(Idle(), kWrongState);
  const int64_t cashier = args.Number("operator", 0, 999999);
  const int64_t till = args.Number("till", 0, 999999);
  const bool refund = args.Number("returnReceipt", 0, 1) == 1;
  BeginDocument();
  for (std::size_t line = 0; line < 10; ++line)
    if (!programmedLines_[line].empty()) Print(programmedLines_[line]);
  Print("КАСИР " + std::to_string(cashier) + "  КАСА " + std::to_string(till));
  receipt_.emplace(refund);
  dayOpen_ = true;
  return {};
}

std::string FiscalModel::CloseDocument(const Args& args) {
  args.Number("number", 0, 1);
  if (nonFiscal_) {
    EndDocument({}, "nonfiscal");
    nonFiscal_ = false;
  } else {
    Require(receipt_ && receipt_->CurrentPhase() == Receipt::Phase::Paid, kWrongState);
    CloseReceipt();
  }
  return {};
}

void FiscalModel::CloseReceipt() {
  const Receipt& receipt = *receipt_;
  GroupSums& registers = receipt.IsRefund() ? day_.refunds : day_.sales;
  for (int g = 0; g < kTaxGroups; ++g) registers[g] += receipt.Groups()[g];
  drawer_ += receipt.IsRefund() ? -receipt.Cash() : receipt.Cash();
  for (std::size_t line = 10; line < programmedLines_.size(); ++line)
    if (!programmedLines_[line].empty()) Print(programmedLines_[line]);
  if (receipt.IsRefund()) {
    ++day_.refundReceipts;
    EndDocument("ВИДАТКОВИЙ ЧЕК № " + std::to_string(++refundReceipts_), "refund", receipt.Total());
  } else {
    ++day_.saleReceipts;
    EndDocument("ФІСКАЛЬНИЙ ЧЕК № " + std::to_string(++saleReceipts_), "sale", receipt.Total());
  }
  receipt_.reset();
}

// 0 annuls the receipt; 1, 2 and 3 begin, end and abandon an item void.
std::string FiscalModel::Void(const Args& args) {
  const int64_t type = args.Number("voidType", 0, 3);
  if (type == 0) {
    Require(receipt_.has_value(), kNothingToVoid);
    EndDocument("ЧЕК АНУЛЬОВАНО", "annulled", receipt_->Total());
    receipt_.reset();
  } else if (type == 1) {
    CurrentReceipt().BeginVoid();
  } else if (type == 2) {
    CurrentReceipt().EndVoid();
  } else {
    CurrentReceipt().AbandonVoid();
  }
  return {};
}

}  // namespace printersim
