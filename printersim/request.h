#pragma once

#include "fault.h"

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace printersim {

// Why a request was refused, in the order the checks run.
enum class Verdict : uint8_t { Ok, BadLen, No05h, BadChecksum, NoEtx, BadSeq, BadPassword, Incomplete };

inline constexpr std::array<const char*, 8> kVerdictNames = {
    "ok", "bad-len", "no-05h", "bad-checksum", "no-etx", "bad-seq", "bad-password", "incomplete"};

inline const char* VerdictName(Verdict v) { return kVerdictNames[static_cast<std::size_t>(v)]; }

// A request as the printer saw it. Fields a broken frame lacks stay empty.
struct Request {
  uint64_t number = 0;  // counts the frames handled since the simulator started, from 1
  uint8_t cmd = 0;
  uint8_t seq = 0;
  std::string data;
  std::string frame;  // every byte from SOH on
  Verdict verdict = Verdict::Incomplete;
  bool seqAnomaly = false;        // SEQ neither followed the previous one nor wrapped 61h->20h
  std::chrono::milliseconds at{}; // since the simulator started
  std::optional<Fault::Kind> fault{};  // how the printer misbehaved on it

  bool Valid() const { return verdict == Verdict::Ok; }
};

struct Counters {
  uint64_t bytesReceived = 0;
  uint64_t bytesSent = 0;
};

}  // namespace printersim
