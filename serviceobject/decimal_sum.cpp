#include "serviceobject/decimal_sum.h"

#include <algorithm>

namespace service {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

void StripLeadingZeros(std::string& digits, size_t scale) {
  size_t keep = scale + 1;  // one integer digit at least
  size_t zeros = 0;
  while (digits.size() - zeros > keep && digits[zeros] == '0') ++zeros;
  digits.erase(0, zeros);
}

void Widen(std::string& digits, size_t size) {
  if (digits.size() < size) digits.insert(0, size - digits.size(), '0');
}

// Both of one width; a >= b.
std::string Subtract(const std::string& a, const std::string& b) {
  std::string out(a.size(), '0');
  int borrow = 0;
  for (size_t i = a.size(); i-- > 0;) {
    int d = (a[i] - '0') - (b[i] - '0') - borrow;
    borrow = d < 0;
    out[i] = static_cast<char>('0' + d + (borrow ? 10 : 0));
  }
  return out;
}

std::string AddDigits(const std::string& a, const std::string& b) {
  std::string out(a.size(), '0');
  int carry = 0;
  for (size_t i = a.size(); i-- > 0;) {
    int d = (a[i] - '0') + (b[i] - '0') + carry;
    carry = d >= 10;
    out[i] = static_cast<char>('0' + d % 10);
  }
  if (carry) out.insert(out.begin(), '1');
  return out;
}

}  // namespace

bool DecimalSum::Add(std::string_view figure, bool subtract) {
  size_t b = figure.find_first_not_of(' ');
  size_t e = figure.find_last_not_of(' ');
  if (b == std::string_view::npos) return false;
  figure = figure.substr(b, e - b + 1);
  bool negative = false;
  if (figure.front() == '+' || figure.front() == '-') {
    negative = figure.front() == '-';
    figure.remove_prefix(1);
  }
  const size_t point = figure.find('.');
  const std::string_view whole = figure.substr(0, point);
  const std::string_view decimals = point == std::string_view::npos ? std::string_view{} : figure.substr(point + 1);
  if (whole.empty() && decimals.empty()) return false;
  if (!std::all_of(whole.begin(), whole.end(), IsDigit) || !std::all_of(decimals.begin(), decimals.end(), IsDigit))
    return false;

  std::string other = std::string(whole) + std::string(decimals);
  size_t otherScale = decimals.size();
  const size_t scale = std::max(scale_, otherScale);
  other.append(scale - otherScale, '0');
  digits_.append(scale - scale_, '0');
  scale_ = scale;
  const size_t width = std::max(other.size(), digits_.size());
  Widen(other, width);
  Widen(digits_, width);

  const bool otherNegative = negative != subtract;
  if (otherNegative == negative_) {
    digits_ = AddDigits(digits_, other);
  } else if (digits_ >= other) {
    digits_ = Subtract(digits_, other);
  } else {
    digits_ = Subtract(other, digits_);
    negative_ = otherNegative;
  }
  StripLeadingZeros(digits_, scale_);
  if (digits_.find_first_not_of('0') == std::string::npos) negative_ = false;
  return true;
}

std::string DecimalSum::GeneralFormat() const {
  constexpr size_t Significant = 15;
  std::string digits = digits_;
  const size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return "0";
  if (digits.size() - first > Significant) {
    const size_t cut = first + Significant;
    const bool up = digits[cut] >= '5';
    std::fill(digits.begin() + static_cast<std::ptrdiff_t>(cut), digits.end(), '0');
    if (up) {
      size_t i = cut;
      while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
      if (i == 0)
        digits.insert(digits.begin(), '1');
      else
        ++digits[i - 1];
    }
  }
  std::string whole = digits.substr(0, digits.size() - scale_);
  std::string decimals = digits.substr(digits.size() - scale_);
  whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size() - 1));
  decimals.erase(decimals.find_last_not_of('0') + 1);
  return (negative_ ? "-" : "") + whole + (decimals.empty() ? "" : "." + decimals);
}

}  // namespace service
