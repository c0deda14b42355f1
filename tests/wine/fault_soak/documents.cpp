#include "documents.h"

#include <cinttypes>
#include <cstdio>
#include <utility>

namespace faultsoak {
namespace {

using oposclient::Argument;
using oposclient::Step;
using oposclient::Verb;

struct Product {
  const char8_t* name;
  int64_t price;  // kopecks, per unit or per kilogram
  int32_t vatInfo;
  bool weighed;
};

constexpr Product kProducts[] = {
    {u8"Хліб пшеничний", 2850, 0, false},  {u8"Молоко 2,5%", 3240, 1, false},
    {u8"Сир твердий", 38990, 1, true},     {u8"Яблука", 3450, 2, true},
    {u8"Кава мелена", 18900, 0, false},    {u8"Чай зелений", 7490, 0, false},
    {u8"Ковбаса варена", 27850, 3, true},  {u8"Вода мінеральна", 1995, 4, false},
    {u8"Цукор", 3399, 2, true},            {u8"Олія соняшникова", 6710, 1, false},
    {u8"Шоколад чорний", 5625, 0, false},  {u8"Банани", 5290, 2, true},
    {u8"Масло вершкове", 9475, 1, false},  {u8"Гречка", 5830, 3, true},
    {u8"Сік яблучний", 4415, 4, false},    {u8"Печиво вівсяне", 3105, 0, false},
};

constexpr const char8_t* kPaymentNames[] = {u8"1;Картка", u8"2;Сертифікат", u8"3;Кредит"};
constexpr const char8_t* kCash = u8"0;Готівка";

constexpr const char8_t* kNotes[] = {
    u8"Акція тижня: знижка 10%",  u8"Графік роботи 8:00-22:00", u8"Дякуємо за покупку!",
    u8"Інвентаризація 15 числа",  u8"Каса № 2 зачинена",        u8"Приймаємо картки",
};

std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }
Argument Word(std::string text) { return {.text = std::move(text)}; }
Argument Quoted(std::string text) { return {.text = std::move(text), .quoted = true}; }
Argument Quoted(const char8_t* text) { return Quoted(Utf8(text)); }

void Add(Document& document, Verb verb, const char* name, std::vector<Argument> arguments = {}) {
  document.steps.push_back({.line = static_cast<int>(document.steps.size()) + 1,
                            .verb = verb,
                            .name = name,
                            .arguments = std::move(arguments)});
}

}  // namespace

const char* KindName(DocumentKind kind) {
  static constexpr const char* names[kDocumentKinds] = {"sale", "refund", "cashin", "cashout", "nonfiscal"};
  return names[static_cast<int>(kind)];
}

std::string Hundredths(int64_t value) {
  const uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  char text[32];
  std::snprintf(text, sizeof text, "%s%" PRIu64 ".%02" PRIu64, value < 0 ? "-" : "", magnitude / 100,
                magnitude % 100);
  return text;
}

bool ParseHundredths(const std::string& text, int64_t& value) {
  const bool negative = !text.empty() && text[0] == '-';
  const size_t start = negative ? 1 : 0, point = text.find('.');
  if (point == std::string::npos || point == start || text.size() != point + 3 || point - start > 15) return false;
  int64_t result = 0;
  for (size_t i = start; i < text.size(); ++i) {
    if (i == point) continue;
    if (text[i] < '0' || text[i] > '9') return false;
    result = result * 10 + (text[i] - '0');
  }
  value = negative ? -result : result;
  return true;
}

int64_t Rounded(int64_t value, int64_t factor, int64_t divisor) {
  const int64_t product = value * factor;
  return product >= 0 ? (product + divisor / 2) / divisor : (product - divisor / 2) / divisor;
}

int64_t DocumentSource::Between(int64_t low, int64_t high) {
  return low + static_cast<int64_t>(dice_() % static_cast<uint64_t>(high - low + 1));
}

Document DocumentSource::Next() {
  if (count_++ == 0) return Cash(DocumentKind::CashIn, 2000000);
  const int64_t draw = Between(1, 100);
  if (draw <= 55) return Receipt(DocumentKind::Sale);
  if (draw <= 67) return Receipt(DocumentKind::Refund);
  if (draw <= 75) return Cash(DocumentKind::CashIn, Between(1000, 100000));
  if (draw <= 83) return Cash(DocumentKind::CashOut, Between(1000, 30000));
  return NonFiscal();
}

Document DocumentSource::Receipt(DocumentKind kind) {
  Document document{.kind = kind};
  Add(document, Verb::Put, "FiscalReceiptType", {Word(kind == DocumentKind::Sale ? "4" : "7")});
  Add(document, Verb::Call, "BeginFiscalReceipt", {Word("true")});
  int64_t total = AddItems(document, static_cast<int>(Between(1, 20)));
  if (OneIn(5)) Add(document, Verb::Call, "PrintRecMessage", {Quoted(kNotes[Between(0, 5)])});
  if (OneIn(5)) Add(document, Verb::Call, "PrintRecSubtotal", {Word(Hundredths(total))});
  if (OneIn(6)) total += Adjust(document, "PrintRecSubtotalAdjustment", total, false);
  AddPayments(document, total);
  Add(document, Verb::Call, "EndFiscalReceipt", {Word("false")});
  document.sum = total;
  return document;
}

// The first item is never voided, so a receipt always has something to pay.
int64_t DocumentSource::AddItems(Document& document, int items) {
  int64_t total = 0;
  for (int i = 0; i < items; ++i) {
    const Product& product = kProducts[Between(0, std::size(kProducts) - 1)];
    const int64_t quantity = product.weighed ? Between(100, 2500) : Between(1, 3) * 1000;
    const int64_t line = Rounded(quantity, product.price, 1000);
    const std::vector<Argument> item = {Quoted(product.name),
                                        Word(Hundredths(product.price)),
                                        Word(std::to_string(quantity)),
                                        Word(std::to_string(product.vatInfo)),
                                        Word("0"),
                                        Quoted(product.weighed ? u8"кг" : u8"шт")};
    Add(document, Verb::Call, "PrintRecItem", item);
    total += line;
    if (i > 0 && OneIn(15)) {
      Add(document, Verb::Call, "PrintRecItemVoid", item);
      total -= line;
    } else if (OneIn(6)) {
      total += Adjust(document, "PrintRecItemAdjustment", line, true);
    }
  }
  return total;
}

// Types 1 and 2 take an amount, 3 and 4 a percentage; 1 and 3 are discounts.
// Returns what the adjustment changes the total by.
int64_t DocumentSource::Adjust(Document& document, const char* member, int64_t base, bool itemLevel) {
  const int64_t type = Between(1, 4);
  const bool percent = type >= 3, discount = type == 1 || type == 3;
  const int64_t value = percent ? Between(100, itemLevel ? 5000 : 1000) : Between(1, base / (itemLevel ? 2 : 4));
  const int64_t change = percent ? Rounded(base, value, 10000) : value;
  std::vector<Argument> arguments = {Word(std::to_string(type)), Quoted(discount ? u8"Знижка" : u8"Надбавка"),
                                     Word(Hundredths(value))};
  if (itemLevel) arguments.push_back(Word("0"));
  Add(document, Verb::Call, member, std::move(arguments));
  return discount ? -change : change;
}

// Up to two payments by card leave something due; the last one settles it,
// a sale's in cash possibly with change. Refunds give no change, and pay cash
// out only in small sums.
void DocumentSource::AddPayments(Document& document, int64_t total) {
  const bool sale = document.kind == DocumentKind::Sale;
  const auto pay = [&](int64_t amount, const char8_t* description) {
    Add(document, Verb::Call, "PrintRecTotal", {Word(Hundredths(total)), Word(Hundredths(amount)), Quoted(description)});
  };
  int64_t due = total;
  for (int64_t split = Between(1, 3); split > 1 && due >= 200; --split) {
    const int64_t amount = Between(1, due - 100);
    pay(amount, kPaymentNames[Between(0, 2)]);
    due -= amount;
  }
  if (sale && OneIn(2))
    pay(OneIn(2) ? due : (due / 1000 + 1) * 1000, kCash);
  else if (!sale && due <= 10000 && OneIn(2))
    pay(due, kCash);
  else
    pay(due, kPaymentNames[Between(0, 2)]);
}

Document DocumentSource::Cash(DocumentKind kind, int64_t amount) {
  Document document{.kind = kind, .sum = amount};
  Add(document, Verb::Put, "FiscalReceiptType", {Word(kind == DocumentKind::CashIn ? "1" : "2")});
  Add(document, Verb::Call, "BeginFiscalReceipt", {Word("true")});
  Add(document, Verb::Call, "PrintRecCash", {Word(Hundredths(amount))});
  Add(document, Verb::Call, "EndFiscalReceipt", {Word("false")});
  return document;
}

Document DocumentSource::NonFiscal() {
  Document document{.kind = DocumentKind::NonFiscal};
  Add(document, Verb::Call, "BeginNonFiscal");
  for (int64_t block = Between(1, 4); block > 0; --block) {
    std::string text;
    for (int64_t line = Between(1, 3); line > 0; --line) text += Utf8(kNotes[Between(0, 5)]) + "\r";
    Add(document, Verb::Call, "PrintNormal", {Word("2"), Quoted(text)});
  }
  Add(document, Verb::Call, "EndNonFiscal");
  return document;
}

}  // namespace faultsoak
