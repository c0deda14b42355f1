#include "fiscal_receipt.h"

#include "device_error.h"

#include <algorithm>

namespace printersim {

Money Receipt::Total() const { return Sum(groups_); }

Money Receipt::Due() const { return std::max<Money>(0, Total() - paid_); }

void Receipt::RequireItems() const {
  Require(phase_ == Phase::Items, kWrongState);
  Require(void_ == Void::None, kVoidIncomplete);
}

int64_t Receipt::SoldQuantity(const Sale& sale) const {
  int64_t quantity = 0;
  for (const Line& line : lines_)
    if (line.sale.article == sale.article && line.sale.price == sale.price) quantity += line.sale.quantity;
  return quantity;
}

Money Receipt::Sell(const Sale& sale) {
  Require(phase_ == Phase::Items, kWrongState);
  Require(void_ != Void::Sold, kVoidIncomplete);
  Require(sale.quantity > 0, kBadQuantity);
  Require(sale.price >= 0, kBadPrice);
  const auto amount = ScaleRounded(sale.quantity, sale.price, 1000);
  Require(amount && *amount + Total() <= kMaxFixed, kTotalOverflow);
  const bool taking = void_ == Void::Begun;
  if (taking) {
    Require(SoldQuantity(sale) >= sale.quantity && groups_[sale.group] >= *amount, kVoidNotFound);
    lines_.push_back({{sale.article, sale.group, -sale.quantity, sale.price}, -*amount});
    void_ = Void::Sold;
    adjustable_.reset();
  } else {
    lines_.push_back({sale, *amount});
    adjustable_ = lines_.size() - 1;
  }
  groups_[sale.group] += lines_.back().sum;
  return lines_.back().sum;
}

Money Receipt::Adjustment(Money base, Money value, bool percent) {
  const auto amount = percent ? ScaleRounded(base, value, 10000) : std::optional<Money>(value);
  Require(amount && base + *amount >= 0 && base + *amount <= kMaxFixed, kAdjustmentRange);
  return *amount;
}

Money Receipt::AdjustItem(Money value, bool percent) {
  RequireItems();
  Require(adjustable_.has_value(), kWrongState);
  const Line& line = lines_[*adjustable_];
  const Money amount = Adjustment(line.sum, value, percent);
  Require(Total() + amount <= kMaxFixed, kTotalOverflow);
  groups_[line.sale.group] += amount;
  adjustable_.reset();
  return amount;
}

// The tax groups share the adjustment in proportion to their sums; the last
// of them takes what rounding leaves.
Money Receipt::AdjustSubtotal(Money value, bool percent) {
  RequireItems();
  const Money total = Total();
  Require(total > 0, kAdjustmentRange);
  const Money amount = Adjustment(total, value, percent);
  Money left = amount;
  int last = 0;
  for (int g = 0; g < kTaxGroups; ++g)
    if (groups_[g] != 0) last = g;
  for (int g = 0; g < last; ++g) {
    const Money share = static_cast<Money>(static_cast<__int128>(groups_[g]) * amount / total);
    groups_[g] += share;
    left -= share;
  }
  groups_[last] += left;
  adjustable_.reset();
  return amount;
}

void Receipt::BeginVoid() {
  RequireItems();
  Require(!lines_.empty(), kNothingToVoid);
  void_ = Void::Begun;
}

void Receipt::EndVoid() {
  Require(void_ == Void::Sold, kVoidIncomplete);
  void_ = Void::None;
}

void Receipt::AbandonVoid() {
  Require(void_ == Void::Begun, kWrongState);
  void_ = Void::None;
}

void Receipt::PrintTotal() {
  RequireItems();
  phase_ = Phase::Paying;
}

Money Receipt::Pay(Money amount, bool cash) {
  Require(phase_ != Phase::Paid, kWrongState);
  Require(void_ == Void::None, kVoidIncomplete);
  Require(amount <= Due() || (cash && !refund_), kNoChange);
  paid_ += amount;
  const Money change = std::max<Money>(0, paid_ - Total());
  if (cash) cash_ += amount - change;
  phase_ = paid_ >= Total() ? Phase::Paid : Phase::Paying;
  return change;
}

}  // namespace printersim
