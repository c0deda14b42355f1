// What goes into an open fiscal receipt: articles, sales, adjustments, the
// total and the payments.
#include "device_error.h"
#include "fiscal_model.h"
#include "fiscal_text.h"

#include <cstdlib>
#include <utility>

namespace printersim {
namespace {

constexpr char kGroupLetters[] = "АБВГД";

std::string AdjustmentLine(Money value, bool percent, Money amount) {
  std::string label = amount < 0 ? "ЗНИЖКА" : "НАДБАВКА";
  if (percent) label += " " + FormatMoney(std::abs(value)) + "%";
  return Labeled(label, amount);
}

}  // namespace

// Reprogramming a code with the article it already holds is harmless;
// another article under that code would corrupt the day's records.
std::string FiscalModel::ProgramArticle(const Args& args) {
  const auto code = static_cast<uint64_t>(args.Number("article", 0, kMaxFixed));
  Article article{args.Text("name"), static_cast<int>(args.Number("taxGroup", 0, kTaxGroups - 1))};
  args.Number("number", 0, kMaxFixed);
  args.HexByte("flag");
  const auto it = articles_.find(code);
  if (it != articles_.end())
    Require(it->second.name == article.name && it->second.group == article.group, kArticleExists);
  articles_[code] = std::move(article);
  return {};
}

std::string FiscalModel::Sell(const Args& args) {
  Receipt& receipt = CurrentReceipt();
  const auto code = static_cast<uint64_t>(args.Number("article", 0, kMaxFixed));
  const int64_t quantity = args.Quantity("quantity");
  const Money price = args.Amount("price");
  const auto it = articles_.find(code);
  Require(it != articles_.end(), kNoArticle);
  const Article& article = it->second;
  const Money sum = receipt.Sell({code, article.group, quantity, price});
  Print((sum < 0 ? "СТОРНО " : "") + article.name + "  " + FormatFixed(quantity, 3) + " x " + FormatMoney(price) +
        " = " + FormatMoney(sum) + " " + kGroupLetters[article.group]);
  return {};
}

std::string FiscalModel::AdjustItemPercent(const Args& args) { return AdjustItem(args, true); }
std::string FiscalModel::AdjustItemAmount(const Args& args) { return AdjustItem(args, false); }
std::string FiscalModel::AdjustSubtotalPercent(const Args& args) { return AdjustSubtotal(args, true); }
std::string FiscalModel::AdjustSubtotalAmount(const Args& args) { return AdjustSubtotal(args, false); }

std::string FiscalModel::AdjustItem(const Args& args, bool percent) {
  Receipt& receipt = CurrentReceipt();
  const Money value = args.Amount("value");
  Print(AdjustmentLine(value, percent, receipt.AdjustItem(value, percent)));
  return {};
}

std::string FiscalModel::AdjustSubtotal(const Args& args, bool percent) {
  Receipt& receipt = CurrentReceipt();
  const Money value = args.Amount("amount");
  const Money subtotal = receipt.Total();
  const Money amount = receipt.AdjustSubtotal(value, percent);
  Print(Labeled("ПІДСУМОК", subtotal));
  Print(AdjustmentLine(value, percent, amount));
  return {};
}

std::string FiscalModel::PrintTotal(const Args& args) {
  Receipt& receipt = CurrentReceipt();
  const bool printed = args.Number("flag", 0, 1) == 1;
  receipt.PrintTotal();
  if (printed) Print(Labeled("СУМА", receipt.Total()));
  return {};
}

std::string FiscalModel::Pay(const Args& args) {
  return TakePayment(args, static_cast<int>(args.Number("paymentType", 0, 9)));
}

std::string FiscalModel::PayWithText(const Args& args) {
  const auto type = static_cast<int>(args.Number("paymentType", 1, 9));
  std::string data = TakePayment(args, type);
  Print(args.Text("text"));
  return data;
}

// A refund pays out: its amounts may come negative. Cash leaves the drawer
// only as far as it holds any.
std::string FiscalModel::TakePayment(const Args& args, int type) {
  Receipt& receipt = CurrentReceipt();
  Money amount = args.Amount("amount");
  if (amount < 0 && !receipt.IsRefund()) args.OutOfRange("amount");
  amount = std::abs(amount);
  const bool cash = type == 0;
  if (receipt.IsRefund() && cash) Require(receipt.Cash() + amount <= drawer_, kNoCash);
  const Money change = receipt.Pay(amount, cash);
  Print(Labeled(cash ? std::string("ГОТІВКА") : "ОПЛАТА " + std::to_string(type), amount));
  if (change > 0) Print(Labeled("РЕШТА", change));
  return JoinFields({FormatMoney(change), FormatMoney(receipt.Due())});
}

}  // namespace printersim
