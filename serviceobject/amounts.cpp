#include "serviceobject/amounts.h"

#include <limits>

namespace service {
namespace {

int64_t Hundredths(int64_t currency, bool negated) {
  int64_t hundredths = currency / 100;
  const int64_t rest = currency % 100;  // takes the sign of currency
  if (rest >= 50) ++hundredths;
  if (rest <= -50) --hundredths;
  return negated ? -hundredths : hundredths;
}

}  // namespace

// h / 100.0 is the double nearest to the figure. Below 2^46 its spacing is at
// most 2^-7, so it lies within 2^-8 of h/100 and prints back as h; the bound
// keeps well inside that.
double DeviceAmount(int64_t currency, bool negated) {
  const int64_t hundredths = Hundredths(currency, negated);
  if (hundredths > MaxDeviceHundredths || hundredths < -MaxDeviceHundredths)
    return std::numeric_limits<double>::quiet_NaN();
  return static_cast<double>(hundredths) / 100.0;  // 0 gives +0.0
}

double DeviceQuantity(int32_t thousandths) { return static_cast<double>(thousandths) / 1000.0; }

}  // namespace service
