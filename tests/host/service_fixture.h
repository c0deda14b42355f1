#pragma once
// The service core over a simulated printer on COM1 and an in-memory registry
// that holds a working configuration for model MR-62.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "file_text.h"
#include "devicelink/exchange.h"
#include "devicelink/link_state.h"
#include "devicelink/logs.h"
#include "devicelink/serial_port_posix.h"
#include "printersim/simulator.h"
#include "serviceobject/registry_memory.h"
#include "serviceobject/service.h"
#include "serviceobject/service_state.h"

namespace service_test {

namespace memory = service::registry::memory;

inline const std::string FiscalPrinterKey = "SOFTWARE\\OLEforRetail\\ServiceOPOS\\FiscalPrinter";
inline const std::string DeviceKey = FiscalPrinterKey + "\\Vornik_MR62_1.11";
inline const std::string LogFilesKey = DeviceKey + "\\Vornik_MR62_1.11\\LogFiles";

// A folder of its own for each test process.
inline std::filesystem::path ScratchDir() {
  auto dir = std::filesystem::temp_directory_path() / ("lumero_service_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  return dir;
}

class ServiceTest : public ::testing::Test {
 protected:
  static constexpr int32_t ComPort = 1;

  void SetUp() override { Reset(); }

  void TearDown() override {
    devicelink::CloseLinkPort();
    devicelink::ResetLinkState();
    devicelink::SetPortDevicePath(ComPort, "");
    std::filesystem::remove_all(ScratchDir());
  }

  void Reset() {
    devicelink::CloseLinkPort();
    devicelink::ResetLinkState();
    service::ResetServiceState();
    memory::Clear();
    memory::PutString(FiscalPrinterKey, "FiscPrinter", "Vornik_MR62_1.11");
    memory::PutString(DeviceKey, "Port", "COM1");
    memory::PutDword(DeviceKey, "BaudRate", 19200);
    devicelink::SetPortDevicePath(ComPort, sim_.SlavePath().c_str());
    sim_.ClearScript();
    sim_.ClearRequests();
    sim_.SetReply(0x42, {.data = "ПН123456;"});
    sim_.SetReply(0x80, {.data = "MR-62;ver 5.10;2;Україна;4;5;6;7;32;", .status = {0, 0, 0, 0, 0, 0x10}});
  }

  service::TServiceState& State() { return service::ServiceState(); }

  void OpenAndEnable() {
    ASSERT_EQ(service::OpenService(), 0);
    service::SetDeviceEnabled(true);
    ASSERT_TRUE(State().FDeviceEnabled) << State().FErrorString;
    sim_.ClearRequests();
  }

  std::vector<int> Commands() const {
    std::vector<int> commands;
    for (const auto& request : sim_.Requests()) commands.push_back(request.cmd);
    return commands;
  }

  std::filesystem::path StartTraceLog() {
    auto path = ScratchDir() / "trace.log";
    devicelink::SetTraceLogPath(path.c_str());
    return path;
  }

  printersim::Simulator sim_;
};

}  // namespace service_test
