#pragma once

#include "fiscal_args.h"
#include "fiscal_receipt.h"
#include "money.h"
#include "paper_roll.h"
#include "reply.h"
#include "request.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace printersim {

// S2 carries the receipt stage in its low four bits. 08h is also the flag
// "fiscal receipt open", so it is the stage while items are sold; once the
// total is printed the stage says how far payment has come. 20h flags an
// open non-fiscal receipt.
inline constexpr uint8_t kStageNone = 0x00;
inline constexpr uint8_t kStageItems = 0x08;
inline constexpr uint8_t kStagePaying = 0x03;
inline constexpr uint8_t kStagePaid = 0x04;
inline constexpr uint8_t kStageNonFiscal = 0x05;
inline constexpr uint8_t kNonFiscalFlag = 0x20;
inline constexpr uint8_t kDayOpenBit = 0x10;  // in S5

// A document the printer closed, and the request whose command closed it.
struct JournalEntry {
  uint64_t request = 0;
  std::string kind;  // sale refund annulled nonfiscal cashin cashout xreport zreport
  Money sum = 0;     // a receipt's total, a cash operation's amount, else 0
};

// A fiscal printer as far as the service object can tell: its documents and
// their stages, the fiscal day, articles, receipts, payments, registers,
// reports and clock, and the paper roll it prints on. Commands it does not
// model are accepted and do nothing. Not locked itself.
class FiscalModel {
 public:
  Reply Answer(const Request& request);
  std::string Summary() const;  // key=value pairs on one line
  const std::vector<JournalEntry>& Journal() const { return journal_; }
  std::string Registers() const;  // the fiscal day's sums and counts, key=value pairs

  bool LoadPaper(std::string path) { return paper_.Load(std::move(path)); }
  void SetFirmwareVersion(std::string version) { firmware_ = std::move(version); }
  void SetLineWidth(unsigned width) { lineWidth_ = width; }

 private:
  using Handler = std::string (FiscalModel::*)(const Args&);
  struct Article {
    std::string name;
    int group = 0;
  };
  struct DayTotals {
    GroupSums sales{};
    GroupSums refunds{};
    int saleReceipts = 0;
    int refundReceipts = 0;
    Money cashIn = 0;
    Money cashOut = 0;
  };

  static Handler Find(uint8_t cmd);
  std::array<uint8_t, 6> Status() const;
  uint8_t Stage() const;
  bool Idle() const { return !receipt_ && !nonFiscal_; }
  Receipt& CurrentReceipt();
  std::tm Now() const;
  void Print(std::string_view line) { paper_.Print(line); }
  void BeginDocument();
  void EndDocument(std::string_view title, std::string kind, Money sum = 0);

  // Documents.
  std::string OpenNonFiscal(const Args& args);
  std::string PrintText(const Args& args);
  std::string OpenReceipt(const Args& args);
  std::string CloseDocument(const Args& args);
  std::string Void(const Args& args);
  void CloseReceipt();

  // Receipt content.
  std::string ProgramArticle(const Args& args);
  std::string Sell(const Args& args);
  std::string AdjustItemPercent(const Args& args);
  std::string AdjustItemAmount(const Args& args);
  std::string AdjustSubtotalPercent(const Args& args);
  std::string AdjustSubtotalAmount(const Args& args);
  std::string AdjustItem(const Args& args, bool percent);
  std::string AdjustSubtotal(const Args& args, bool percent);
  std::string PrintTotal(const Args& args);
  std::string Pay(const Args& args);
  std::string PayWithText(const Args& args);
  std::string TakePayment(const Args& args, int type);

  // The day, the registers and the device.
  std::string SetDateTime(const Args& args);
  std::string ReadDateTime(const Args& args);
  std::string ProgramLine(const Args& args);
  std::string SerialNumber(const Args& args);
  std::string FiscalNumber(const Args& args);
  std::string TaxRate(const Args& args);
  std::string DeviceInfo(const Args& args);
  std::string CashInOut(const Args& args);
  std::string Report(const Args& args);
  std::string Register(const Args& args);
  std::string ReceiptSum(const Args& args);
  std::string Counter(const Args& args);

  PaperRoll paper_;
  std::string firmware_ = "5.10";
  unsigned lineWidth_ = 32;
  std::chrono::seconds clockOffset_{0};
  std::map<uint64_t, Article> articles_;
  std::array<std::string, 14> programmedLines_;  // header 0..9, trailer 10..13
  std::optional<Receipt> receipt_;
  bool nonFiscal_ = false;
  bool dayOpen_ = false;
  DayTotals day_;
  Money drawer_ = 0;
  int lastDocument_ = 0;
  int saleReceipts_ = 0;
  int refundReceipts_ = 0;
  int zReports_ = 0;
  uint64_t answering_ = 0;  // number of the request being answered
  std::vector<JournalEntry> journal_;
};

}  // namespace printersim
