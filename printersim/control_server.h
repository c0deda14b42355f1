#pragma once

#include "posix_io.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace printersim {

class Simulator;

// Lets another process (a test under Wine) script the simulator over TCP on
// 127.0.0.1. Clients are served one after another on the server's own thread.
class ControlServer {
 public:
  // port 0: any free port. onQuit runs on the server thread when a client says "quit".
  ControlServer(Simulator& simulator, uint16_t port, std::function<void()> onQuit = {});
  ~ControlServer();
  ControlServer(const ControlServer&) = delete;
  ControlServer& operator=(const ControlServer&) = delete;

  uint16_t Port() const { return port_; }

 private:
  void Run();
  void Serve(const Fd& client);
  std::vector<std::string> Execute(std::string_view line);

  Simulator& simulator_;
  std::function<void()> onQuit_;
  Fd listener_;
  uint16_t port_ = 0;
  WakePipe wake_;
  bool quitAsked_ = false;  // server thread only
  std::thread thread_;
};

}  // namespace printersim
