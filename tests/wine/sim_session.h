#pragma once
// A Windows test's view of the simulated printer that scripts/with-printersim
// started on the Linux side: its control connection and the COM port it is on.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "printersim/control_client.h"

struct SimSession {
  static int ComPort() { return std::atoi(Env("LUMERO_SIM_COM")); }
  static std::unique_ptr<printersim::ControlClient> Connect() {
    return std::make_unique<printersim::ControlClient>(static_cast<uint16_t>(std::atoi(Env("LUMERO_SIM_CONTROL"))));
  }

 private:
  static const char* Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "0";
  }
};
