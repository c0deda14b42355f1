// The port listing, the device-key search and the FIFO settings, over "Ports"
// devices that each test seeds under Enum\Root\PORTS and removes again.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "installer/portcontrol/port_control.h"
#include "installer/portcontrol/port_enumeration.h"
#include "installer/portcontrol/port_fifo.h"
#include "seeded_ports.h"

namespace {

std::vector<std::string> ListPorts() {
  std::vector<std::string> names;
  EXPECT_EQ(BeginEnumeratePorts(), 0);
  for (std::string name = EnumeratePorts(); !name.empty(); name = EnumeratePorts()) {
    names.push_back(name);
    if (name == "0") break;
  }
  EXPECT_EQ(EndEnumeratePorts(), 0);
  return names;
}

using Names = std::vector<std::string>;

TEST(PortListing, ComPortsInDeviceOrderAsStored) {
  TPortControl control;
  SeededPorts seeded({"COM3", "LPT1", "com5", "COM12"});
  // Wine's CM_Open_DevNode_Key answers success without a key.
  EXPECT_EQ(ListPorts(), (Names{"COM3", "com5", "COM12"}));
}

TEST(PortListing, OneListingAtATime) {
  TPortControl control;
  SeededPorts seeded({"COM3"});
  ASSERT_EQ(BeginEnumeratePorts(), 0);
  EXPECT_EQ(BeginEnumeratePorts(), -27);
  EXPECT_EQ(control.GetDeviceKey("COM3"), nullptr);
  EXPECT_EQ(EnumeratePorts(), "COM3");
  EXPECT_EQ(EndEnumeratePorts(), 0);
}

TEST(PortListing, UnreadableNameEndsTheListWithZero) {
  TPortControl control;
  const std::string longest(198, 'x'), tooLong(199, 'x');  // 199 and 200 bytes with the terminator
  struct Row {
    std::optional<std::string> name;
    Names listed;
  } rows[] = {
      {std::nullopt, {"COM3", "0"}},
      {"COM" + tooLong.substr(3), {"COM3", "0"}},
      {"COM" + longest.substr(3), {"COM3", "COM" + longest.substr(3), "COM4"}},
  };
  for (const Row& row : rows) {
    SeededPorts seeded({"COM3", row.name, "COM4"});
    EXPECT_EQ(ListPorts(), row.listed) << row.name.value_or("(none)").size();
  }
  SeededPorts seeded({std::nullopt});
  ASSERT_EQ(BeginEnumeratePorts(), 0);
  EXPECT_EQ(EnumeratePorts(), "0");
  EXPECT_EQ(EnumeratePorts(), "0");  // the same device again
  EndEnumeratePorts();
}

TEST(PortDeviceKey, FindsTheWholeNameInAnyCase) {
  TPortControl control;
  SeededPorts seeded({"COM3", "com5"});
  HKEY key = control.GetDeviceKey("COM5");
  ASSERT_NE(key, nullptr);
  char name[16] = {};
  DWORD size = sizeof name - 1;
  EXPECT_EQ(RegQueryValueExA(key, "PortName", nullptr, nullptr, reinterpret_cast<BYTE*>(name), &size), 0);
  EXPECT_STREQ(name, "com5");
  RegCloseKey(key);
  EXPECT_EQ(control.GetDeviceKey("COM"), nullptr);
  EXPECT_EQ(control.GetDeviceKey("COM4"), nullptr);
}

TEST(PortFifo, WindowsNtKeepsDwordValuesOfAllowedSizes) {
  TPortControl control;
  SeededPorts seeded({"COM3"});
  control.SetNumPort("COM3");
  EXPECT_EQ(control.IsFIFOEnable(), -25);  // no value yet
  EXPECT_EQ(control.EnableFIFO(true), 0);
  EXPECT_EQ(control.IsFIFOEnable(), 1);
  EXPECT_EQ(control.EnableFIFO(false), 0);
  EXPECT_EQ(control.IsFIFOEnable(), 0);
  struct Row {
    bool receive;
    unsigned long size;
    int32_t code;
  } rows[] = {{true, 1, 0}, {true, 14, 0}, {true, 2, -26}, {true, 16, -26},
              {false, 16, 0}, {false, 5, 0}, {false, 0, -26}, {false, 17, -26}};
  for (const Row& row : rows) {
    const int32_t before = control.GetFIFOSize(row.receive);
    EXPECT_EQ(control.SetFIFOSize(row.receive, row.size), row.code) << row.receive << " " << row.size;
    EXPECT_EQ(control.GetFIFOSize(row.receive), row.code ? before : static_cast<int32_t>(row.size));
  }
  control.SetNumPort("COM4");
  EXPECT_EQ(control.SetFIFOSize(true, 16), -25);  // the key comes first
}

// Windows 9x keeps the settings in bytes of one value; this machine is of
// the NT family, so its operations run on a scratch key.
class Fifo9xTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\LumeroPortTest", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &key_, nullptr),
              ERROR_SUCCESS);
  }
  void TearDown() override {
    RegCloseKey(key_);
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\LumeroPortTest");
  }
  void Store(const std::vector<BYTE>& bytes) {
    RegSetValueExA(key_, "settings", 0, REG_BINARY, bytes.data(), static_cast<DWORD>(bytes.size()));
  }
  std::vector<BYTE> Stored() {
    std::vector<BYTE> bytes(100);
    DWORD size = 100, type = 0;
    RegQueryValueExA(key_, "settings", nullptr, &type, bytes.data(), &size);
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    bytes.resize(size);
    return bytes;
  }

  HKEY key_ = nullptr;
  static constexpr portcontrol::Platform Win9x = portcontrol::Platform::Windows9x;
};

TEST_F(Fifo9xTest, SettingsBytesCarryEnableAndSizes) {
  using namespace portcontrol;
  Store({0x81, 0, 0x55, 0, 0x77});
  EXPECT_EQ(EnableFifo(key_, Win9x, true), 0);
  EXPECT_EQ(IsFifoEnabled(key_, Win9x), -25);  // more than the enable bit set
  EXPECT_EQ(EnableFifo(key_, Win9x, false), 0);
  EXPECT_EQ(SetFifoSize(key_, Win9x, true, 8), 0);
  EXPECT_EQ(SetFifoSize(key_, Win9x, false, 4), 0);
  EXPECT_EQ(SetFifoSize(key_, Win9x, false, 5), -26);
  EXPECT_EQ(SetFifoSize(key_, Win9x, true, 16), -26);
  EXPECT_EQ(Stored(), (std::vector<BYTE>{0x81, 6, 0x55, 0x80, 0x77}));
  EXPECT_EQ(GetFifoSize(key_, Win9x, true), 8);
  EXPECT_EQ(GetFifoSize(key_, Win9x, false), 4);
  Store({0x02});
  EXPECT_EQ(IsFifoEnabled(key_, Win9x), 1);
  EXPECT_EQ(IsFifoEnabled(key_, Platform::Other), -24);
}

TEST_F(Fifo9xTest, ShortSettingsAnswerMinusTwentyFiveAndStayAsTheyWere) {
  using namespace portcontrol;
  Store({0x02, 6});
  EXPECT_EQ(GetFifoSize(key_, Win9x, true), -25);
  EXPECT_EQ(SetFifoSize(key_, Win9x, true, 4), -25);
  EXPECT_EQ(GetFifoSize(key_, Win9x, false), 4);
  EXPECT_EQ(Stored(), (std::vector<BYTE>{0x02, 6}));
  RegDeleteValueA(key_, "settings");
  EXPECT_EQ(EnableFifo(key_, Win9x, true), -25);
}

}  // namespace
