// The doubles handed to the link's amount fields print back as exactly the
// intended hundredths, as far as the bound; beyond it they are not numbers.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>

#include "serviceobject/amounts.h"

namespace {

using service::DeviceAmount;
using service::MaxDeviceHundredths;

// What the link prints (two decimals), read back as hundredths.
int64_t PrintedHundredths(double value) {
  char text[64];
  std::string digits(text, std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 2).ptr);
  digits.erase(digits.size() - 3, 1);
  return std::stoll(digits);
}

// Doubles first fail to print k/100 back just above 100 * 2^46.
TEST(DeviceAmount, PrintsBackExactlyUpToTheBound) {
  std::vector<int64_t> figures = {0, 1, 99, MaxDeviceHundredths};
  std::mt19937_64 random(11);
  for (int i = 0; i < 100000; ++i)
    figures.push_back(static_cast<int64_t>(random() % (MaxDeviceHundredths + 1)) >> (random() % 50));
  for (int64_t h : figures) {
    EXPECT_EQ(PrintedHundredths(DeviceAmount(h * 100)), h) << h;
    EXPECT_EQ(PrintedHundredths(DeviceAmount(h * 100, true)), -h) << h;
  }
  for (int64_t currency : {(MaxDeviceHundredths + 1) * 100, INT64_MAX, INT64_MIN})
    EXPECT_TRUE(std::isnan(DeviceAmount(currency))) << currency;
}

}  // namespace
