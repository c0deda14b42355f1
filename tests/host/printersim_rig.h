#pragma once
// A host's end of the simulator's pty: frames built by hand and a port that
// reads answers byte by byte.
#include "printersim/simulator.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace printersim_rig {

using namespace std::chrono_literals;
using namespace printersim;
using Clock = std::chrono::steady_clock;
using Status = std::array<uint8_t, 6>;

inline constexpr Status kIdle = {0x80, 0x80, 0x80, 0x80, 0x80, 0x80};

// Framing is rebuilt here rather than borrowed from the simulator, so that one
// mistake cannot sit on both sides of a comparison.
inline std::string SumDigits(std::string_view bytes) {
  unsigned sum = 0;
  for (unsigned char c : bytes) sum += c;
  std::string out;
  for (int shift = 12; shift >= 0; shift -= 4) out += static_cast<char>(0x30 + ((sum >> shift) & 0xF));
  return out;
}

inline std::string Frame(uint8_t seq, uint8_t cmd, std::string_view data) {
  std::string body{static_cast<char>(data.size() + 0x24), static_cast<char>(seq), static_cast<char>(cmd)};
  body += data;
  body += '\x05';
  return '\x01' + body + SumDigits(body) + '\x03';
}

inline std::string ExpectedReply(uint8_t seq, uint8_t cmd, std::string_view error, std::string_view data,
                                 const Status& wireStatus = kIdle) {
  std::string body{static_cast<char>(0x30 + data.size()), static_cast<char>(seq), static_cast<char>(cmd)};
  body += std::string(error) + ";" + std::string(data) + '\x04';
  for (uint8_t s : wireStatus) body += static_cast<char>(s);
  body += '\x05';
  return '\x01' + body + SumDigits(body) + '\x03';
}

struct Arrival {
  char byte;
  Clock::time_point at;
};

class Port {
 public:
  explicit Port(const std::string& path) : fd_(::open(path.c_str(), O_RDWR | O_NOCTTY)) {
    if (fd_ < 0) throw std::runtime_error("cannot open " + path);
  }
  ~Port() { ::close(fd_); }

  void Write(std::string_view bytes) {
    ASSERT_EQ(::write(fd_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  }

  // Bytes until the answer looks complete (lone NAK or ETX; then a short grace
  // for anything trailing), the line stays quiet for `quiet`, or `limit`.
  std::string Answer(std::chrono::milliseconds quiet = 300ms, std::chrono::milliseconds limit = 2s) {
    std::string out;
    for (const Arrival& a : Timed(quiet, limit)) out += a.byte;
    return out;
  }

  std::vector<Arrival> Timed(std::chrono::milliseconds quiet = 300ms, std::chrono::milliseconds limit = 2s) {
    std::vector<Arrival> out;
    const auto end = Clock::now() + limit;
    bool done = false;
    for (;;) {
      const auto wait = done ? 30ms : quiet;
      pollfd p{fd_, POLLIN, 0};
      if (Clock::now() >= end || ::poll(&p, 1, static_cast<int>(wait.count())) <= 0) return out;
      char buf[512];
      const ssize_t n = ::read(fd_, buf, sizeof buf);
      if (n <= 0) return out;
      for (ssize_t i = 0; i < n; ++i) out.push_back({buf[i], Clock::now()});
      done = out.back().byte == '\x03' || (out.size() == 1 && out[0].byte == '\x15');
    }
  }

  std::string Exchange(std::string_view request) {
    Write(request);
    return Answer();
  }

 private:
  int fd_;
};

struct Rig {
  explicit Rig(Options options = Quick()) : sim(std::move(options)), port(sim.SlavePath()) {}
  static Options Quick() {
    Options options;
    options.frameTimeout = 150ms;
    return options;
  }
  Simulator sim;
  Port port;
};

}  // namespace printersim_rig
