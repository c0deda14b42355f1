#include "barcode.h"

#include <cstddef>
#include <initializer_list>

#include "commands.h"
#include "data_text.h"

namespace devicelink {

std::array<int32_t, BarcodeModuleCount> BarcodeModules{};

namespace {

constexpr int ModulesPerDigit = 7;
constexpr int LeftHalfStart = 12;
constexpr int RightHalfStart = 59;
constexpr int DigitsPerHalf = 6;

// The 7 modules of each digit, first module in the highest bit (ISO/IEC 15420).
constexpr uint8_t EanCodes[3][10] = {
    // L
    {0b0001101, 0b0011001, 0b0010011, 0b0111101, 0b0100011, 0b0110001, 0b0101111, 0b0111011, 0b0110111, 0b0001011},
    // G
    {0b0100111, 0b0110011, 0b0011011, 0b0100001, 0b0011101, 0b0111001, 0b0000101, 0b0010001, 0b0001001, 0b0010111},
    // R
    {0b1110010, 0b1100110, 0b1101100, 0b1000010, 0b1011100, 0b1001110, 0b1010000, 0b1000100, 0b1001000, 0b1110100},
};

// Sets of digits 2 to 7, by digit 1.
constexpr char LeftParity[10][DigitsPerHalf + 1] = {
    "LLLLLL", "LLGLGG", "LLGGLG", "LLGGGL", "LGLLGG", "LGGLLG", "LGGGLL", "LGLGLG", "LGLGGL", "LGGLGL",
};

constexpr void (*EanPatterns[10])(std::string_view) = {
    EanPattern0, EanPattern1, EanPattern2, EanPattern3, EanPattern4,
    EanPattern5, EanPattern6, EanPattern7, EanPattern8, EanPattern9,
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

void PlaceLeftHalf(int firstDigit, std::string_view digits) {
  for (size_t i = 0; i < digits.size() && i < DigitsPerHalf; ++i) {
    const int32_t set = LeftParity[firstDigit][i] == 'G' ? EanSetG : EanSetL;
    EanPutDigit(digits[i], set, LeftHalfStart + static_cast<int32_t>(i) * ModulesPerDigit);
  }
}

void PutModules(int position, std::initializer_list<int32_t> modules) {
  for (int32_t module : modules) BarcodeModules[position++] = module;
}

void PutFixedModules() {
  PutModules(0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1});    // quiet zone, start guard
  PutModules(54, {0, 1, 0, 1, 0});                        // centre guard
  PutModules(101, {1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0});  // end guard, quiet zone
}

std::string PackedLine() {
  static constexpr char hex[] = "0123456789ABCDEF";
  std::string line(BarcodeModuleCount / 4, '0');
  for (size_t j = 0; j < line.size(); ++j) {
    int nibble = 0;
    for (size_t k = 0; k < 4; ++k) nibble = nibble << 1 | (BarcodeModules[4 * j + k] != 0);
    line[j] = hex[nibble];
  }
  return line;
}

}  // namespace

int32_t EanCheckDigit(std::string& digits) {
  int32_t sum = 0;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (!IsDigit(digits[i])) return -1;
    sum += (digits[i] - '0') * (i % 2 == 0 ? 1 : 3);  // positions counted from 1: even ones weigh 3
  }
  const int32_t check = (10 - sum % 10) % 10;
  digits += static_cast<char>('0' + check);
  return check;
}

void EanPutDigit(char digit, int32_t codeSet, int32_t position) {
  if (!IsDigit(digit) || codeSet < EanSetL || codeSet > EanSetR) return;
  if (position < 0 || position > BarcodeModuleCount - ModulesPerDigit) return;
  const uint8_t code = EanCodes[codeSet][digit - '0'];
  for (int k = 0; k < ModulesPerDigit; ++k) BarcodeModules[position + k] = code >> (ModulesPerDigit - 1 - k) & 1;
}

void EanPattern0(std::string_view digits) { PlaceLeftHalf(0, digits); }
void EanPattern1(std::string_view digits) { PlaceLeftHalf(1, digits); }
void EanPattern2(std::string_view digits) { PlaceLeftHalf(2, digits); }
void EanPattern3(std::string_view digits) { PlaceLeftHalf(3, digits); }
void EanPattern4(std::string_view digits) { PlaceLeftHalf(4, digits); }
void EanPattern5(std::string_view digits) { PlaceLeftHalf(5, digits); }
void EanPattern6(std::string_view digits) { PlaceLeftHalf(6, digits); }
void EanPattern7(std::string_view digits) { PlaceLeftHalf(7, digits); }
void EanPattern8(std::string_view digits) { PlaceLeftHalf(8, digits); }
void EanPattern9(std::string_view digits) { PlaceLeftHalf(9, digits); }

void EanEncodeLeft(std::string_view digits) {
  if (digits.empty() || !IsDigit(digits[0])) return;
  EanPatterns[digits[0] - '0'](digits.substr(1));
}

void EanEncodeRight(std::string_view digits) {
  for (size_t i = 0; i < digits.size() && i < DigitsPerHalf; ++i)
    EanPutDigit(digits[i], EanSetR, RightHalfStart + static_cast<int32_t>(i) * ModulesPerDigit);
}

std::optional<EanSymbol> MakeEanSymbol(std::string_view code) {
  if (code.size() != 12) return std::nullopt;
  EanSymbol symbol{std::string(code), {}};
  if (EanCheckDigit(symbol.Number) < 0) return std::nullopt;
  PutFixedModules();
  const std::string_view number = symbol.Number;
  EanEncodeLeft(number.substr(0, 1 + DigitsPerHalf));
  EanEncodeRight(number.substr(1 + DigitsPerHalf));
  symbol.Line = PackedLine();
  return symbol;
}

TDeviceReply* FpPrintBarcode(const char* password, int32_t barHeight, std::string& code, int32_t& outCode) {
  std::optional<EanSymbol> symbol = MakeEanSymbol(code);
  if (!symbol) return RefuseCommand(OutCodeBadBarcode, outCode);
  DataText data(password);
  data.Int(barHeight).Text(symbol->Line.c_str());
  if (data.Refusal() == OutCodeSent) code = symbol->Number;
  return SendDataText(0x6F, data, outCode);
}

}  // namespace devicelink
