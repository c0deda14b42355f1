#pragma once

#include "money.h"

#include <array>
#include <cstdint>
#include <numeric>
#include <optional>
#include <vector>

namespace printersim {

inline constexpr int kTaxGroups = 5;
using GroupSums = std::array<Money, kTaxGroups>;

inline Money Sum(const GroupSums& sums) { return std::accumulate(sums.begin(), sums.end(), Money{0}); }

// The arithmetic of one fiscal receipt, sale or refund, from its first item
// to full payment. A refusal throws DeviceError and changes nothing.
class Receipt {
 public:
  enum class Phase : uint8_t { Items, Paying, Paid };
  struct Sale {
    uint64_t article = 0;
    int group = 0;
    int64_t quantity = 0;  // thousandths
    Money price = 0;
  };

  explicit Receipt(bool refund) : refund_(refund) {}

  bool IsRefund() const { return refund_; }
  Phase CurrentPhase() const { return phase_; }
  Money Total() const;
  Money Paid() const { return paid_; }
  Money Due() const;
  Money Cash() const { return cash_; }  // cash that changed hands, change deducted
  const GroupSums& Groups() const { return groups_; }

  // Returns the line's sum, negative while an item void is under way.
  Money Sell(const Sale& sale);
  // `value` is an amount, or with `percent` hundredths of a percent; negative
  // for a discount. Returns the adjustment made.
  Money AdjustItem(Money value, bool percent);
  Money AdjustSubtotal(Money value, bool percent);
  // An item void: begun, one sale taken back, then ended; abandoned only
  // before that sale.
  void BeginVoid();
  void EndVoid();
  void AbandonVoid();
  void PrintTotal();
  // Returns the change. Only cash gives change, and a refund none at all.
  Money Pay(Money amount, bool cash);

 private:
  enum class Void : uint8_t { None, Begun, Sold };
  struct Line {
    Sale sale;
    Money sum = 0;
  };

  void RequireItems() const;
  int64_t SoldQuantity(const Sale& sale) const;
  static Money Adjustment(Money base, Money value, bool percent);

  bool refund_;
  Phase phase_ = Phase::Items;
  Void void_ = Void::None;
  std::vector<Line> lines_;
  std::optional<std::size_t> adjustable_;  // the last sale, until anything follows it
  GroupSums groups_{};
  Money paid_ = 0;
  Money cash_ = 0;
};

}  // namespace printersim
