#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>

namespace printersim {

// One way for the printer to misbehave on a request. Only the fields a kind
// names in its factory matter to it.
struct Fault {
  enum class Kind : uint8_t {
    Silence,        // no answer at all, nothing carried out
    LostReply,      // carried out, but no answer at all
    Nak,            // a lone NAK instead of the reply
    BadChecksum,    // last checksum digit off by one
    EarlyEtx,       // frame cut at `at` (0: where the data ends), then ETX
    BadTerminator,  // `byte` instead of the final ETX
    SynTrain,       // `count` SYN bytes, `ms` apart, then the reply
    EndlessSyn,     // SYN every `ms` until the host sends again or the script is cleared
    Pause,          // `ms` of silence after the first `at` bytes of the frame
    ManyFields,     // data replaced by `count` one-character fields
    LongErrorCode,  // error code of `count` characters
    LongReply,      // `count` data bytes, then `tail` bytes after the ETX
    PaperOut,       // carried out; the reply's S1 says the receipt paper ran out
    ByteAfter,      // the reply, then `byte` (by default XOFF)
  };

  Kind kind = Kind::Silence;
  unsigned count = 0;
  std::chrono::milliseconds ms{0};
  std::size_t at = 0;
  uint8_t byte = 0;
  std::size_t tail = 0;

  // A printer that stays silent or NAKs is taken not to have carried the
  // command out, unless the silence is a reply lost after the work was done.
  constexpr bool CarriesOut() const {
    return kind != Kind::Silence && kind != Kind::Nak && kind != Kind::EndlessSyn;
  }

  static constexpr Fault Silence() { return {.kind = Kind::Silence}; }
  static constexpr Fault LostReply() { return {.kind = Kind::LostReply}; }
  static constexpr Fault PaperOut() { return {.kind = Kind::PaperOut}; }
  static constexpr Fault ByteAfter(uint8_t byte = 0x13) { return {.kind = Kind::ByteAfter, .byte = byte}; }
  static constexpr Fault Nak() { return {.kind = Kind::Nak}; }
  static constexpr Fault BadChecksum() { return {.kind = Kind::BadChecksum}; }
  static constexpr Fault EarlyEtx(std::size_t at = 0) { return {.kind = Kind::EarlyEtx, .at = at}; }
  static constexpr Fault BadTerminator(uint8_t byte = 0x00) {
    return {.kind = Kind::BadTerminator, .byte = byte};
  }
  static constexpr Fault SynTrain(unsigned count = 3,
                                  std::chrono::milliseconds interval = std::chrono::milliseconds(100)) {
    return {.kind = Kind::SynTrain, .count = count, .ms = interval};
  }
  static constexpr Fault EndlessSyn(std::chrono::milliseconds interval = std::chrono::milliseconds(100)) {
    return {.kind = Kind::EndlessSyn, .ms = interval};
  }
  static constexpr Fault Pause(std::size_t at = 4,
                               std::chrono::milliseconds length = std::chrono::milliseconds(200)) {
    return {.kind = Kind::Pause, .ms = length, .at = at};
  }
  static constexpr Fault ManyFields(unsigned count = 30) { return {.kind = Kind::ManyFields, .count = count}; }
  static constexpr Fault LongErrorCode(unsigned length = 12) {
    return {.kind = Kind::LongErrorCode, .count = length};
  }
  static constexpr Fault LongReply(unsigned dataBytes = 300, std::size_t tail = 64) {
    return {.kind = Kind::LongReply, .count = dataBytes, .tail = tail};
  }
};

}  // namespace printersim
