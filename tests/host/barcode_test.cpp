// EAN-13 symbols and their module line.
#include <gtest/gtest.h>

#include <string>

#include "devicelink/barcode.h"
#include "devicelink/commands.h"
#include "link_fixture.h"
#include "printersim/command_layouts.h"

using namespace devicelink;

namespace {

TEST(EanSymbolTest, KnownNumbersAndLines) {
  struct Case {
    const char* code;
    const char* number;
    const char* line;
  };
  for (const Case& c : {
           Case{"400638133393", "4006381333931", "0051A9D7BD12CD50A142E90B35000000"},
           Case{"590123412345", "5901234123457", "005169D9937A7559B642B93A25000000"},
           Case{"978020137962", "9780201379624", "00576253934E6550A274A1B2E5000000"},
           Case{"871234567890", "8712345678906", "00576CC9A13AC5542248E9CA85000000"},
           Case{"187265432100", "1872654321003", "0056EECDAF727550B666E5CA15000000"},
           Case{"646790123458", "6467901234585", "00546148971A655B215C9D2275000000"},
           Case{"400638133390", "4006381333900", "0051A9D7BD12CD50A142E9CB95000000"},  // check digit 0
       }) {
    const auto symbol = MakeEanSymbol(c.code);
    ASSERT_TRUE(symbol.has_value()) << c.code;
    EXPECT_EQ(symbol->Number, c.number);
    EXPECT_EQ(symbol->Line, c.line);
  }
}

TEST(EanSymbolTest, GuardsQuietZonesAndUnusedTail) {
  for (const char* code : {"000000000000", "999999999999", "123456789012"}) {
    const std::string line = MakeEanSymbol(code)->Line;
    ASSERT_EQ(line.size(), 32u);
    EXPECT_EQ(line.substr(0, 3), "005") << code;
    EXPECT_EQ(line[25], '5') << code;
    EXPECT_EQ(line.substr(26), "000000") << code;
  }
}

// In the left half L codes have an odd number of bars, G codes an even one;
// digit 1 is carried only by that parity pattern.
TEST(EanSymbolTest, FirstDigitSelectsTheLeftParity) {
  const char* const patterns[10] = {"LLLLLL", "LLGLGG", "LLGGLG", "LLGGGL", "LGLLGG",
                                    "LGGLLG", "LGGGLL", "LGLGLG", "LGLGGL", "LGGLGL"};
  for (char first = '0'; first <= '9'; ++first) {
    ASSERT_TRUE(MakeEanSymbol(std::string(1, first) + "12345678901").has_value());
    std::string parity;
    for (int digit = 0; digit < 6; ++digit) {
      int bars = 0;
      for (int k = 0; k < 7; ++k) bars += BarcodeModules[12 + 7 * digit + k];
      parity += bars % 2 == 1 ? 'L' : 'G';
    }
    EXPECT_EQ(parity, patterns[first - '0']) << first;
  }
}

TEST(EanSymbolTest, RefusesAnythingButTwelveDigits) {
  for (const char* code : {"40063813339", "4006381333931", "", "40063813339A", "4006381333 3", "-00638133393",
                           "4006381333\x39\xB3"}) {
    EXPECT_FALSE(MakeEanSymbol(code).has_value()) << code;
  }
}

TEST(EanCheckDigitTest, RefusesNonDigits) {
  std::string digits = "59012341234:";  // ':' follows '9'
  EXPECT_EQ(EanCheckDigit(digits), -1);
  EXPECT_EQ(digits, "59012341234:");
}

TEST(EanPutDigitTest, NothingOutsideTheDigitsSetsOrLine) {
  ASSERT_TRUE(MakeEanSymbol("400638133393").has_value());
  const auto before = BarcodeModules;
  EanPutDigit('/', EanSetL, 12);
  EanPutDigit(':', EanSetR, 59);
  EanPutDigit('8', -1, 12);
  EanPutDigit('8', 3, 12);
  EanPutDigit('8', EanSetL, -1);
  EanPutDigit('8', EanSetL, BarcodeModuleCount - 6);
  EanEncodeLeft("x123456");
  EanEncodeLeft("");
  EXPECT_EQ(BarcodeModules, before);

  EanPutDigit('8', EanSetR, BarcodeModuleCount - 7);  // the last place a digit fits
  EXPECT_EQ(BarcodeModules[BarcodeModuleCount - 7], 1);
  EXPECT_EQ(BarcodeModules[BarcodeModuleCount - 1], 0);
  EXPECT_EQ(BarcodeModules[BarcodeModuleCount - 4], 1);
  BarcodeModules = before;  // the encoder never clears the tail
}

class PrintBarcodeTest : public SimulatedPrinterTest {};

TEST_F(PrintBarcodeTest, SendsHeightAndLineAndCompletesTheCode) {
  std::string code = "400638133393";
  int32_t outCode = -1;
  EXPECT_EQ(FpPrintBarcode("730514", 50, code, outCode), &LinkReply());
  EXPECT_EQ(outCode, OutCodeSent);
  EXPECT_EQ(code, "4006381333931");
  ASSERT_EQ(sim_.Requests().size(), 1u);
  EXPECT_TRUE(sim_.Requests()[0].Valid());
  EXPECT_EQ(sim_.Requests()[0].cmd, 0x6F);
  const auto fields = printersim::SplitFields(sim_.Requests()[0]);
  ASSERT_TRUE(fields.has_value());
  EXPECT_EQ(fields->at("password"), "730514");
  EXPECT_EQ(fields->at("height"), "50");
  EXPECT_EQ(fields->at("line"), "0051A9D7BD12CD50A142E90B35000000");
}

TEST_F(PrintBarcodeTest, RefusedCodeIsLeftAsItWasAndNothingIsSent) {
  for (const char* text : {"40063813339", "4006381333931", "40063813339O", ""}) {
    std::string code = text;
    int32_t outCode = 0;
    FpPrintBarcode("730514", 50, code, outCode);
    EXPECT_EQ(outCode, OutCodeBadBarcode) << text;
    EXPECT_EQ(code, text);
  }
  std::string code = "590123412345";
  const std::string longPassword(MaxRequestData, '7');
  int32_t outCode = 0;
  FpPrintBarcode(longPassword.c_str(), 50, code, outCode);
  EXPECT_EQ(outCode, OutCodeTooLong);
  EXPECT_EQ(code, "590123412345");
  EXPECT_TRUE(sim_.Requests().empty());
}

}  // namespace
