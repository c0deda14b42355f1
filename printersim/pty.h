#pragma once

#include "flow_control.h"
#include "posix_io.h"

#include <string>

namespace printersim {

// A raw pseudo-terminal pair. One slave descriptor stays open here for the
// pair's whole life, so the master sees no hang-up between client sessions.
class Pty {
 public:
  Pty();  // throws std::system_error
  int Master() const { return master_.Get(); }  // non-blocking
  const std::string& SlavePath() const { return slavePath_; }
  // The slave's termios is the host's too: whoever opens the slave sees it.
  FlowControl SlaveFlowControl() const;            // throws std::system_error
  void SetSlaveFlowControl(const FlowControl& flow);  // throws std::system_error

 private:
  Fd master_;
  Fd slave_;
  std::string slavePath_;
};

// Points `link` at `target`, atomically replacing whatever was there.
void ReplaceSymlink(const std::string& target, const std::string& link);
// Removes `link` unless something else has taken it over since.
void RemoveSymlinkTo(const std::string& target, const std::string& link);

}  // namespace printersim
