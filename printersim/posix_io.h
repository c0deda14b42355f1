#pragma once

#include <string>
#include <utility>

namespace printersim {

[[noreturn]] void ThrowErrno(const std::string& what);

class Fd {
 public:
  Fd() = default;
  explicit Fd(int fd) : fd_(fd) {}
  Fd(Fd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  Fd& operator=(Fd&& other) noexcept;
  ~Fd() { Reset(); }

  int Get() const { return fd_; }
  void Reset();

 private:
  int fd_ = -1;
};

// Lets one thread interrupt another's poll().
class WakePipe {
 public:
  WakePipe();
  int ReadEnd() const { return read_.Get(); }
  void Signal() const;
  void Drain() const;

 private:
  Fd read_;
  Fd write_;
};

}  // namespace printersim
