#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/mman.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <map>
#include <string>

#include "serial_port.h"
#include "serial_port_posix.h"

namespace devicelink {
namespace {

std::map<int32_t, std::string>& DevicePaths() {
  static std::map<int32_t, std::string> paths;
  return paths;
}

int AsFd(PortHandle port) { return static_cast<int>(port); }

speed_t SpeedOf(uint32_t baud) {
  switch (baud) {
    case 1200: return B1200;
    case 2400: return B2400;
    case 4800: return B4800;
    case 9600: return B9600;
    case 19200: return B19200;
    case 38400: return B38400;
    case 57600: return B57600;
    case 115200: return B115200;
    default: return B9600;
  }
}

}  // namespace

void SetPortDevicePath(int32_t number, const char* path) {
  if (path == nullptr || *path == '\0')
    DevicePaths().erase(number);
  else
    DevicePaths()[number] = path;
}

PortHandle PortOpen(int32_t number) {
  auto it = DevicePaths().find(number);
  std::string path = it != DevicePaths().end() ? it->second : "/dev/ttyS" + std::to_string(number - 1);
  int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return InvalidPort;
  ::ioctl(fd, TIOCEXCL);
  return fd;
}

void PortSetupQueues(PortHandle, uint32_t, uint32_t) {}

void PortApplyLineSettings(PortHandle port, const PortLineSettings& line) {
  termios t{};
  if (::tcgetattr(AsFd(port), &t) != 0) return;
  ::cfmakeraw(&t);
  t.c_iflag &= ~(IXOFF | IXANY);  // cfmakeraw clears IXON only
  t.c_cflag &= ~(CSIZE | PARENB | CSTOPB | CRTSCTS);
  t.c_cflag |= CS8 | CLOCAL | CREAD;
  ::cfsetispeed(&t, SpeedOf(line.BaudRate));
  ::cfsetospeed(&t, SpeedOf(line.BaudRate));
  ::tcsetattr(AsFd(port), TCSANOW, &t);
}

// Only a whole-read time-out is offered: VTIME in tenths of a second.
bool PortSetTimeouts(PortHandle port, const PortTimeoutSettings& timeouts) {
  termios t{};
  if (::tcgetattr(AsFd(port), &t) != 0) return false;
  t.c_cc[VMIN] = 0;
  t.c_cc[VTIME] = static_cast<cc_t>((timeouts.ReadTotalTimeoutConstant + 99) / 100);
  return ::tcsetattr(AsFd(port), TCSANOW, &t) == 0;
}

void PortPurge(PortHandle port, bool) { ::tcflush(AsFd(port), TCIOFLUSH); }

void PortFlush(PortHandle port) { ::tcdrain(AsFd(port)); }

void PortWrite(PortHandle port, const uint8_t* bytes, size_t count) {
  while (count > 0) {
    ssize_t n = ::write(AsFd(port), bytes, count);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    bytes += n;
    count -= static_cast<size_t>(n);
  }
}

PortReadResult PortReadByte(PortHandle port, uint8_t& byte) {
  ssize_t n = ::read(AsFd(port), &byte, 1);
  if (n == 1) return PortReadResult::Byte;
  if (n == 0 || errno == EINTR || errno == EAGAIN) return PortReadResult::Nothing;
  return PortReadResult::Failed;
}

void PortClearError(PortHandle) {}

void PortClose(PortHandle port) { ::close(AsFd(port)); }

void LockInMemory(const void* start, size_t size) { ::mlock(start, size); }

}  // namespace devicelink
