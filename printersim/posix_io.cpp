#include "posix_io.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace printersim {

void ThrowErrno(const std::string& what) { throw std::system_error(errno, std::generic_category(), what); }

Fd& Fd::operator=(Fd&& other) noexcept {
  if (this != &other) {
    Reset();
    fd_ = std::exchange(other.fd_, -1);
  }
  return *this;
}

void Fd::Reset() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

WakePipe::WakePipe() {
  int fds[2];
  if (::pipe2(fds, O_NONBLOCK | O_CLOEXEC) != 0) ThrowErrno("pipe2");
  read_ = Fd(fds[0]);
  write_ = Fd(fds[1]);
}

void WakePipe::Signal() const {
  const char byte = 1;
  if (::write(write_.Get(), &byte, 1) < 0) {
    // Full: the reader has a wake-up pending already.
  }
}

void WakePipe::Drain() const {
  char buf[64];
  while (::read(read_.Get(), buf, sizeof buf) > 0) {
  }
}

}  // namespace printersim
