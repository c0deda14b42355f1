#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "device_reply.h"

// EAN-13 barcodes, printed by command 6Fh from a line of 128 bar (1) and
// space (0) modules sent as 32 hexadecimal digits.
namespace devicelink {

inline constexpr int BarcodeModuleCount = 128;
inline constexpr int32_t EanSetL = 0;  // left half, odd parity
inline constexpr int32_t EanSetG = 1;  // left half, even parity
inline constexpr int32_t EanSetR = 2;  // right half

// The module line of the last barcode; positions 113 to 127 are never written.
extern std::array<int32_t, BarcodeModuleCount> BarcodeModules;

// Appends the check digit of `digits` as a character and returns it (0 to 9);
// -1, with `digits` unchanged, when it holds anything but decimal digits.
int32_t EanCheckDigit(std::string& digits);

// Copies the 7 modules of `digit` in code set `codeSet` to `position` on;
// anything outside the digits, the three sets or the line copies nothing.
void EanPutDigit(char digit, int32_t codeSet, int32_t position);

// Each places the six left-half digits (digits 2 to 7) at 12, 19, ... 47
// with the parity pattern that digit 1 selects.
void EanPattern0(std::string_view digits);
void EanPattern1(std::string_view digits);
void EanPattern2(std::string_view digits);
void EanPattern3(std::string_view digits);
void EanPattern4(std::string_view digits);
void EanPattern5(std::string_view digits);
void EanPattern6(std::string_view digits);
void EanPattern7(std::string_view digits);
void EanPattern8(std::string_view digits);
void EanPattern9(std::string_view digits);

// Digit 1 followed by digits 2 to 7; a first character that is not a digit
// places nothing.
void EanEncodeLeft(std::string_view digits);
// Digits 8 to 13, with set R at 59, 66, ... 94.
void EanEncodeRight(std::string_view digits);

struct EanSymbol {
  std::string Number;  // the 12 digits and the check digit
  std::string Line;    // 32 upper-case hexadecimal digits
};

// Lays out the symbol of a 12-digit code in BarcodeModules and packs it;
// nothing when the code is not exactly 12 decimal digits.
std::optional<EanSymbol> MakeEanSymbol(std::string_view code);

// Prints the barcode of the 12 digits in `code` and then appends the check
// digit to it. On a refusal (OutCodeBadBarcode, OutCodeTooLong) `code` is
// left as it was and nothing is sent.
TDeviceReply* FpPrintBarcode(const char* password, int32_t barHeight, std::string& code, int32_t& outCode);

}  // namespace devicelink
