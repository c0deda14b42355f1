#include "pty.h"

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace printersim {

Pty::Pty() : master_(::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC)) {
  if (master_.Get() < 0) ThrowErrno("posix_openpt");
  if (::grantpt(master_.Get()) != 0 || ::unlockpt(master_.Get()) != 0) ThrowErrno("grantpt/unlockpt");
  char name[128];
  if (const int err = ::ptsname_r(master_.Get(), name, sizeof name); err != 0)
    throw std::system_error(err, std::generic_category(), "ptsname_r");
  slavePath_ = name;
  slave_ = Fd(::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC));
  if (slave_.Get() < 0) ThrowErrno("open " + slavePath_);
  // No echo, no line editing, no CR/LF translation: bytes pass as they are.
  termios tio{};
  if (::tcgetattr(slave_.Get(), &tio) != 0) ThrowErrno("tcgetattr");
  ::cfmakeraw(&tio);
  if (::tcsetattr(slave_.Get(), TCSANOW, &tio) != 0) ThrowErrno("tcsetattr");
  const int flags = ::fcntl(master_.Get(), F_GETFL);
  if (flags < 0 || ::fcntl(master_.Get(), F_SETFL, flags | O_NONBLOCK) != 0) ThrowErrno("fcntl");
}

FlowControl Pty::SlaveFlowControl() const {
  termios tio{};
  if (::tcgetattr(slave_.Get(), &tio) != 0) ThrowErrno("tcgetattr");
  return {.crtscts = (tio.c_cflag & CRTSCTS) != 0, .ixon = (tio.c_iflag & IXON) != 0,
          .ixoff = (tio.c_iflag & IXOFF) != 0};
}

void Pty::SetSlaveFlowControl(const FlowControl& flow) {
  termios tio{};
  if (::tcgetattr(slave_.Get(), &tio) != 0) ThrowErrno("tcgetattr");
  auto setFlag = [](tcflag_t& flags, tcflag_t flag, bool on) { flags = on ? flags | flag : flags & ~flag; };
  setFlag(tio.c_cflag, CRTSCTS, flow.crtscts);
  setFlag(tio.c_iflag, IXON, flow.ixon);
  setFlag(tio.c_iflag, IXOFF, flow.ixoff);
  if (::tcsetattr(slave_.Get(), TCSANOW, &tio) != 0) ThrowErrno("tcsetattr");
}

void ReplaceSymlink(const std::string& target, const std::string& link) {
  const std::string temp = link + ".tmp" + std::to_string(::getpid());
  ::unlink(temp.c_str());
  if (::symlink(target.c_str(), temp.c_str()) != 0) ThrowErrno("symlink " + temp);
  if (::rename(temp.c_str(), link.c_str()) != 0) {
    const int err = errno;
    ::unlink(temp.c_str());
    throw std::system_error(err, std::generic_category(), "rename to " + link);
  }
}

void RemoveSymlinkTo(const std::string& target, const std::string& link) {
  char buf[256];
  const ssize_t n = ::readlink(link.c_str(), buf, sizeof buf);
  if (n > 0 && std::string(buf, static_cast<std::size_t>(n)) == target) ::unlink(link.c_str());
}

}  // namespace printersim
