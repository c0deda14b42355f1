#pragma once
#include <cstddef>
#include <cstdint>

#include "device_reply.h"

// Builds a command's data text in the link's command buffer: the password,
// then each field, every one followed by ';'. Numbers are written by our own
// code, so the decimal point is '.' whatever the process locale says.
namespace devicelink {

class DataText {
 public:
  explicit DataText(const char* password);

  DataText& Text(const char* text);  // unchanged; null counts as empty
  DataText& Int(int32_t value);      // decimal
  DataText& HexByte(uint8_t value);  // two upper-case hexadecimal digits
  DataText& Amount(double value);    // two decimals
  DataText& Quantity(double value);  // three decimals

  // OutCodeSent, or the out code of the first field that could not be
  // written: OutCodeTooLong past one frame, OutCodeBadValue for a number
  // that is not finite. Later fields are then ignored.
  int32_t Refusal() const { return refusal_; }
  const char* Data() const { return buffer_; }

 private:
  // `write` fills [first, last) and returns the end of what it wrote, or
  // nullptr when it does not fit.
  template <class Writer>
  DataText& Field(Writer write);
  DataText& Fixed(double value, int decimals);

  char* buffer_;
  size_t length_ = 0;
  size_t limit_;
  int32_t refusal_;
};

// Sends the text with `command` unless it was refused; reports as the
// command functions do.
TDeviceReply* SendDataText(int32_t command, const DataText& text, int32_t& outCode);

// Refuses a call: reports `code` and returns the record untouched.
TDeviceReply* RefuseCommand(int32_t code, int32_t& outCode);

}  // namespace devicelink
