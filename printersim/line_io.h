#pragma once

#include "posix_io.h"
#include "request.h"

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace printersim {

// The printer's end of the serial line: reads and paced writes on the pty
// master, waits that Wake() and Stop() from other threads can interrupt, and
// byte counters. Used by one serving thread, apart from Wake/Stop/counters.
class LineIo {
 public:
  using Clock = std::chrono::steady_clock;
  enum class Event { Input, Woken, Timeout, Stopped };

  // baud 0: no pacing; otherwise each byte takes 10 bit times either way.
  LineIo(int masterFd, unsigned baud);

  Event WaitInput(std::optional<Clock::time_point> deadline);
  std::optional<std::size_t> Read(uint8_t* buffer, std::size_t size);  // nullopt: line is dead
  bool Send(std::string_view bytes);                                     // false: stopping
  bool SleepUntil(Clock::time_point deadline);                           // false: stopping
  // When the last byte read so far would have finished arriving at the configured baud.
  Clock::time_point ReceivedBy() const { return rxClock_; }

  void Wake() const { wake_.Signal(); }
  void Stop();

  Counters Count() const { return {received_.load(), sent_.load()}; }
  void ResetCounts();

 private:
  Event Poll(short masterEvents, std::optional<Clock::time_point> deadline);

  const int fd_;
  const Clock::duration byteTime_;
  Clock::time_point rxClock_{};
  Clock::time_point txClock_{};  // when the last paced byte sent is through
  WakePipe wake_;
  std::atomic<bool> stopping_{false};
  std::atomic<uint64_t> received_{0};
  std::atomic<uint64_t> sent_{0};
};

}  // namespace printersim
