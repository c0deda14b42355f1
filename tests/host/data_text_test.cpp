// Data texts of the command functions, built without a port.
#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <cstdio>
#include <limits>
#include <locale>
#include <sstream>
#include <string>

#include "devicelink/commands.h"
#include "devicelink/data_text.h"
#include "devicelink/exchange.h"

using namespace devicelink;

namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

std::string Printf(const char* format, double value) {
  char text[400];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

TEST(DataTextTest, FieldsInOrderEachFollowedBySemicolon) {
  DataText text("730514");
  text.Int(-17).HexByte(0x03).HexByte(0xAB).Text("x y").Text(nullptr).Amount(12.5).Quantity(1);
  text.Int(std::numeric_limits<int32_t>::min());
  EXPECT_EQ(text.Refusal(), OutCodeSent);
  EXPECT_STREQ(text.Data(), "730514;-17;03;AB;x y;;12.50;1.000;-2147483648;");
}

// The wire format is defined by printf "%-#.2f" and "%-#.3f" in the C locale.
TEST(DataTextTest, NumbersRoundAsPrintfDoes) {
  for (double value : {0.0, -0.0, 0.005, 0.015, 2.675, 1.0005, -1.005, 0.1, 123456.785, 99999999.995, 1e15 + 0.125,
                       -2.5, 1e-9}) {
    EXPECT_EQ(std::string(DataText("1").Amount(value).Data()), "1;" + Printf("%-#.2f", value) + ";") << value;
    EXPECT_EQ(std::string(DataText("1").Quantity(value).Data()), "1;" + Printf("%-#.3f", value) + ";") << value;
  }
}

TEST(DataTextTest, NonFiniteNumbersRefuseTheText) {
  for (double value : {NaN, Inf, -Inf}) {
    EXPECT_EQ(DataText("1").Amount(value).Refusal(), OutCodeBadValue) << value;
    EXPECT_EQ(DataText("1").Quantity(value).Refusal(), OutCodeBadValue) << value;
  }
}

TEST(DataTextTest, OneFrameFitsOneByteMoreIsRefused) {
  const std::string filler(MaxRequestData - 5, 'x');  // with its ';', leaves room for 3 characters and ';'
  EXPECT_EQ(DataText(filler.c_str()).Int(123).Refusal(), OutCodeSent);
  EXPECT_EQ(std::strlen(DataText(filler.c_str()).Int(123).Data()), static_cast<size_t>(MaxRequestData));
  EXPECT_EQ(DataText(filler.c_str()).Int(1234).Refusal(), OutCodeTooLong);
  EXPECT_EQ(DataText(filler.c_str()).Text("abcd").Refusal(), OutCodeTooLong);
  EXPECT_EQ(DataText(filler.c_str()).Amount(1).Refusal(), OutCodeTooLong);
  EXPECT_EQ(DataText(filler.c_str()).Text("abc").Text("").Refusal(), OutCodeTooLong);  // no room for the ';'
  EXPECT_EQ(DataText("1").Amount(1e300).Refusal(), OutCodeTooLong);
  EXPECT_EQ(DataText(std::string(MaxRequestData, '7').c_str()).Refusal(), OutCodeTooLong);
}

TEST(DataTextTest, FirstRefusalWins) {
  const std::string tooLong(MaxRequestData, 'x');
  EXPECT_EQ(DataText("1").Text(tooLong.c_str()).Amount(NaN).Refusal(), OutCodeTooLong);
  EXPECT_EQ(DataText("1").Amount(NaN).Text(tooLong.c_str()).Refusal(), OutCodeBadValue);
}

// A process locale whose decimal point is ',': through the C library when
// such a locale is installed, else through a C++ global locale (std::to_chars
// ignores both).
class CommaDecimalPoint : public std::numpunct<char> {
 protected:
  char do_decimal_point() const override { return ','; }
};

class CommaLocaleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"uk_UA.UTF-8", "ru_RU.UTF-8", "de_DE.UTF-8", "ru_RU.CP1251", "de_DE"}) {
      if (std::setlocale(LC_ALL, name) != nullptr && *std::localeconv()->decimal_point == ',') {
        cLocale_ = name;
        break;
      }
    }
    if (cLocale_ == nullptr) std::setlocale(LC_ALL, "C");
    std::locale::global(std::locale(std::locale::classic(), new CommaDecimalPoint));
    std::ostringstream probe;
    probe << 2.5;
    if (probe.str() != "2,5") GTEST_SKIP() << "no locale with a decimal comma can be set";
  }
  void TearDown() override {
    std::locale::global(std::locale::classic());
    std::setlocale(LC_ALL, "C");
  }

  const char* cLocale_ = nullptr;
};

TEST_F(CommaLocaleTest, AmountsAndQuantitiesKeepThePoint) {
  if (cLocale_ != nullptr) {
    EXPECT_EQ(Printf("%.2f", 12.5), "12,50") << cLocale_;
  }
  DataText text("730514");
  text.Amount(12.5).Quantity(1.25).Amount(-0.5);
  EXPECT_STREQ(text.Data(), "730514;12.50;1.250;-0.50;");
}

}  // namespace
