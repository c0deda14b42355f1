#pragma once

namespace printersim {

// Handshake flags of the host's end of the line (the pty slave's termios),
// which a host's serial driver reads back and may keep.
struct FlowControl {
  bool crtscts = false;  // RTS/CTS
  bool ixon = false;     // XON/XOFF stops the host's output
  bool ixoff = false;    // XON/XOFF sent by the host
  bool operator==(const FlowControl&) const = default;
};

}  // namespace printersim
