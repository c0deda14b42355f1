#include "base64.h"

namespace devicelink {

uint8_t Base64Index(char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<uint8_t>(c - 'A');
  if (c >= 'a' && c <= 'z') return static_cast<uint8_t>(c - 'a' + 26);
  if (c >= '0' && c <= '9') return static_cast<uint8_t>(c - '0' + 52);
  if (c == '+') return 62;
  if (c == '/') return 63;
  return Base64NotInAlphabet;
}

namespace {

// Collects groups of four characters (pads included) and writes the bytes
// their data characters carry: 2 give one byte, 3 two, 4 three.
class GroupDecoder {
 public:
  GroupDecoder(uint8_t* destination, size_t capacity) : destination_(destination), capacity_(capacity) {}

  void Add(uint32_t sixBits, bool isData) {
    if (isData && dataCount_ < charCount_) malformed_ = true;  // data after a pad
    bits_ = bits_ << 6 | sixBits;
    dataCount_ += isData;
    if (++charCount_ == 4) EndGroup();
  }

  // A short group is shifted as if '=' had filled it.
  void EndGroup() {
    if (charCount_ == 0) return;
    if (dataCount_ < 2) malformed_ = true;  // fewer than eight bits
    bits_ <<= 6 * (4 - charCount_);
    for (int k = 0; k + 1 < dataCount_; ++k) Put(static_cast<uint8_t>(bits_ >> (16 - 8 * k)));
    bits_ = 0;
    charCount_ = dataCount_ = 0;
  }

  uint16_t Finish() {
    EndGroup();
    if (capacity_ > 0) destination_[written_] = 0;
    return written_;
  }

  bool Malformed() const { return malformed_; }

 private:
  void Put(uint8_t byte) {
    if (size_t{written_} + 1 < capacity_) destination_[written_++] = byte;
  }

  uint8_t* destination_;
  size_t capacity_;
  uint16_t written_ = 0;
  uint32_t bits_ = 0;
  int charCount_ = 0;
  int dataCount_ = 0;
  bool malformed_ = false;
};

}  // namespace

bool Base64Decode(const char* source, int16_t length, uint8_t* destination, size_t capacity,
                  uint16_t& outLength) {
  outLength = 0;
  if (source == nullptr || Base64Index(source[0]) == Base64NotInAlphabet) return length <= 0;
  GroupDecoder decoder(destination, capacity);
  int16_t i = 0;
  for (; i < length; ++i) {
    if (source[i] == '=') {
      decoder.Add(0, false);
      continue;
    }
    const uint8_t value = Base64Index(source[i]);
    if (value == Base64NotInAlphabet) break;
    decoder.Add(value, true);
  }
  outLength = decoder.Finish();
  return i >= length && !decoder.Malformed();
}

}  // namespace devicelink
