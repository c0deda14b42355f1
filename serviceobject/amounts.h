#pragma once
// OPOS figures on their way to the device link, whose wrappers take a double
// and print it with two (amounts) or three (quantities) decimals.
#include <cstdint>

namespace service {

// Largest magnitude, in hundredths, that DeviceAmount hands over exactly.
inline constexpr int64_t MaxDeviceHundredths = 999'999'999'999'999;

// A CURRENCY value (four implied decimals), negated on request, as the double
// that the link prints as exactly that figure rounded to hundredths half away
// from zero, never as "-0.00". A figure beyond MaxDeviceHundredths becomes
// NaN, which every amount-taking wrapper refuses before sending anything.
double DeviceAmount(int64_t currency, bool negated = false);

// A quantity in thousandths as the double the link prints with three decimals.
double DeviceQuantity(int32_t thousandths);

}  // namespace service
