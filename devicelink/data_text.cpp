#include "data_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

#include "commands.h"
#include "exchange.h"
#include "link_state.h"

namespace devicelink {

DataText::DataText(const char* password)
    : buffer_(LinkState().CommandBuffer),
      limit_(std::min(sizeof LinkState().CommandBuffer - 1, static_cast<size_t>(MaxRequestData))),
      refusal_(OutCodeSent) {
  buffer_[0] = '\0';
  Text(password);
}

template <class Writer>
DataText& DataText::Field(Writer write) {
  if (refusal_ != OutCodeSent) return *this;
  char* const last = buffer_ + limit_;
  char* end = write(buffer_ + length_, last);
  if (end == nullptr || end == last) {  // no room left for the ';'
    buffer_[length_] = '\0';
    refusal_ = OutCodeTooLong;
    return *this;
  }
  *end++ = ';';
  *end = '\0';
  length_ = static_cast<size_t>(end - buffer_);
  return *this;
}

DataText& DataText::Text(const char* text) {
  if (text == nullptr) text = "";
  return Field([text](char* first, char* last) -> char* {
    const size_t n = std::strlen(text);
    if (n > static_cast<size_t>(last - first)) return nullptr;
    std::memcpy(first, text, n);
    return first + n;
  });
}

DataText& DataText::Int(int32_t value) {
  return Field([value](char* first, char* last) -> char* {
    auto [end, error] = std::to_chars(first, last, value);
    return error == std::errc{} ? end : nullptr;
  });
}

DataText& DataText::HexByte(uint8_t value) {
  return Field([value](char* first, char* last) -> char* {
    static constexpr char digits[] = "0123456789ABCDEF";
    if (last - first < 2) return nullptr;
    first[0] = digits[value >> 4];
    first[1] = digits[value & 0x0F];
    return first + 2;
  });
}

DataText& DataText::Amount(double value) { return Fixed(value, 2); }
DataText& DataText::Quantity(double value) { return Fixed(value, 3); }

// std::to_chars ignores the locale and rounds exactly as printf "%.*f" does
// in the C locale; with a precision above 0 the point is always written.
DataText& DataText::Fixed(double value, int decimals) {
  if (refusal_ == OutCodeSent && !std::isfinite(value)) refusal_ = OutCodeBadValue;
  return Field([value, decimals](char* first, char* last) -> char* {
    auto [end, error] = std::to_chars(first, last, value, std::chars_format::fixed, decimals);
    return error == std::errc{} ? end : nullptr;
  });
}

TDeviceReply* SendDataText(int32_t command, const DataText& text, int32_t& outCode) {
  if (text.Refusal() != OutCodeSent) return RefuseCommand(text.Refusal(), outCode);
  outCode = OutCodeSent;
  return ExecuteCommand(command, text.Data());
}

TDeviceReply* RefuseCommand(int32_t code, int32_t& outCode) {
  outCode = code;
  return &LinkReply();
}

}  // namespace devicelink
