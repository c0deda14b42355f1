#pragma once
// A Windows test's view of the simulated printer that scripts/with-printersim
// started on the Linux side: its control connection and the COM port it is on.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "printersim/control_client.h"

struct SimSession {
  static int ComPort() { return std::atoi(Env("LUMERO_SIM_COM")); }
  static std::wstring PortName() { return L"COM" + std::to_wstring(ComPort()); }
  static std::unique_ptr<printersim::ControlClient> Connect() {
    return std::make_unique<printersim::ControlClient>(static_cast<uint16_t>(std::atoi(Env("LUMERO_SIM_CONTROL"))));
  }
  // A connection to a printer with no script and an empty request log.
  static std::unique_ptr<printersim::ControlClient> ConnectClean() {
    auto sim = Connect();
    sim->ClearScript();
    sim->ClearRequests();
    return sim;
  }

 private:
  static const char* Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "0";
  }
};

// The requests the printer logged, as `42h "730514;", 80h "730514;"`, then
// forgotten; one it refused is marked so.
inline std::string TakeRequestLog(printersim::ControlClient& sim) {
  std::string log;
  for (const printersim::Request& request : sim.Requests()) {
    char command[8];
    std::snprintf(command, sizeof command, "%02Xh", request.cmd);
    log += (log.empty() ? "" : ", ") + std::string(command) + " \"" + request.data + "\"" +
           (request.Valid() ? "" : " (refused)");
  }
  sim.ClearRequests();
  return log;
}
