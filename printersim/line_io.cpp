#include "line_io.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace printersim {

LineIo::LineIo(int masterFd, unsigned baud)
    : fd_(masterFd),
      byteTime_(baud ? std::chrono::duration_cast<Clock::duration>(std::chrono::nanoseconds(10'000'000'000LL / baud))
                     : Clock::duration::zero()) {}

LineIo::Event LineIo::Poll(short masterEvents, std::optional<Clock::time_point> deadline) {
  for (;;) {
    if (stopping_) return Event::Stopped;
    // Nanoseconds, not poll()'s milliseconds: at 115200 baud a byte takes 87 us.
    timespec timeout{};
    if (deadline) {
      const auto left = std::max<long long>(
          0, std::chrono::duration_cast<std::chrono::nanoseconds>(*deadline - Clock::now()).count());
      timeout = {static_cast<time_t>(left / 1'000'000'000), static_cast<long>(left % 1'000'000'000)};
    }
    pollfd fds[2] = {{wake_.ReadEnd(), POLLIN, 0}, {fd_, masterEvents, 0}};
    const int n = ::ppoll(fds, masterEvents ? 2 : 1, deadline ? &timeout : nullptr, nullptr);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 || stopping_) return Event::Stopped;
    if (fds[0].revents) {
      wake_.Drain();
      return Event::Woken;
    }
    if (masterEvents && fds[1].revents) return Event::Input;
    if (n == 0) return Event::Timeout;
  }
}

LineIo::Event LineIo::WaitInput(std::optional<Clock::time_point> deadline) { return Poll(POLLIN, deadline); }

std::optional<std::size_t> LineIo::Read(uint8_t* buffer, std::size_t size) {
  const ssize_t n = ::read(fd_, buffer, size);
  if (n < 0) {
    if (errno == EAGAIN || errno == EINTR) return 0;
    return std::nullopt;
  }
  received_ += static_cast<uint64_t>(n);
  rxClock_ = std::max(rxClock_, Clock::now()) + byteTime_ * n;
  return static_cast<std::size_t>(n);
}

// A paced byte reaches the pty when its last bit would be through. Each
// wake-up writes every byte due by then, so a late wake-up does not stretch
// the line.
bool LineIo::Send(std::string_view bytes) {
  const bool paced = byteTime_ != Clock::duration::zero();
  Clock::time_point due = std::max(txClock_, Clock::now()) + byteTime_;
  while (!bytes.empty()) {
    std::size_t count = bytes.size();
    if (paced) {
      if (!SleepUntil(due)) return false;
      const long long owed = 1 + (Clock::now() - due) / byteTime_;
      count = std::min(count, static_cast<std::size_t>(std::max(owed, 1LL)));
    }
    const ssize_t n = ::write(fd_, bytes.data(), count);
    if (n < 0) {
      // A full pty buffer means nobody reads the slave; wait for a reader or Stop.
      if (errno != EAGAIN && errno != EINTR) return false;
      if (Poll(POLLOUT, std::nullopt) == Event::Stopped) return false;
      continue;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
    sent_ += static_cast<uint64_t>(n);
    if (paced) {
      txClock_ = due + byteTime_ * (n - 1);
      due = txClock_ + byteTime_;
    }
  }
  return true;
}

bool LineIo::SleepUntil(Clock::time_point deadline) {
  for (;;) {
    switch (Poll(0, deadline)) {
      case Event::Stopped:
        return false;
      case Event::Timeout:
        return true;
      default:
        break;
    }
  }
}

void LineIo::Stop() {
  stopping_ = true;
  wake_.Signal();
}

void LineIo::ResetCounts() {
  received_ = 0;
  sent_ = 0;
}

}  // namespace printersim
