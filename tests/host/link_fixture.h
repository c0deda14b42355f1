#pragma once
// The device link opened on COM1, which is a simulated printer's pty.
#include <gtest/gtest.h>

#include "devicelink/exchange.h"
#include "devicelink/link_clock.h"
#include "devicelink/link_state.h"
#include "devicelink/serial_port_posix.h"
#include "printersim/simulator.h"

class SimulatedPrinterTest : public ::testing::Test {
 protected:
  static constexpr int32_t ComPort = 1;

  void SetUp() override {
    devicelink::SetPortDevicePath(ComPort, sim_.SlavePath().c_str());
    ASSERT_GT(devicelink::OpenLinkPort(ComPort, 115200), 0);
  }
  void TearDown() override {
    devicelink::CloseLinkPort();
    devicelink::SetLinkClocks(nullptr, nullptr);
    devicelink::ResetLinkState();
    devicelink::SetPortDevicePath(ComPort, "");
  }

  printersim::Simulator sim_;
};
