// OpenService against the registry: every check, its text, and the packet-log
// settings.
#include "serviceobject/registry.h"
#include "service_fixture.h"

using namespace service_test;

namespace {

constexpr const char* NotOpenText = "Service объект не открыт";
constexpr const char* BadRegistryText = "Неверная информация в реестре";

class OpenServiceTest : public ServiceTest {
 protected:
  // Opening must fail with 109, 302 and `text`, leave ResultCode alone and
  // close every key it opened.
  void ExpectRefused(const char* text) {
    State().FResultCode = 55;
    EXPECT_EQ(service::OpenService(), 109);
    EXPECT_FALSE(State().FOpened);
    EXPECT_EQ(State().FOpenResult, 302);
    EXPECT_EQ(State().FErrorString, text);
    EXPECT_EQ(State().FResultCode, 55);
    EXPECT_EQ(memory::OpenKeyCount(), 0);
  }

  // Opens with these packet-log settings; returns the file the log was
  // switched on with by this opening, or "" when it was not.
  std::string OpenWithPacketLog(uint32_t wanted, const std::string& folder) {
    memory::PutDword(LogFilesKey, "PrinterCommands", wanted);
    memory::PutString(LogFilesKey, "PrinterCommandsPath", folder);
    devicelink::SetPacketLogPath("");
    EXPECT_EQ(service::OpenService(), 0);
    service::Close();
    return State().FPrinterCommands ? devicelink::LinkState().PacketLogPath : "";
  }
};

TEST_F(OpenServiceTest, SuccessPutsTheStartingValuesAndLeavesResultCode) {
  State().FPOSID = 5;
  State().FMessageType = 3;
  State().FResultCode = 77;
  State().FResultCodeExtended = 207;
  EXPECT_EQ(service::OpenService(), 0);
  EXPECT_TRUE(State().FOpened);
  EXPECT_EQ(State().FBaudRate, 19200);
  EXPECT_EQ(State().FPrinterState, 1);
  EXPECT_EQ(State().FMessageType, 24);
  EXPECT_EQ(State().FPOSID, 0);
  EXPECT_EQ(State().FResultCode, 77);
  EXPECT_EQ(State().FResultCodeExtended, 0);
  EXPECT_EQ(memory::OpenKeyCount(), 0);

  EXPECT_EQ(service::OpenService(), 106);
  EXPECT_EQ(State().FOpenResult, 301);
  EXPECT_EQ(State().FErrorString, "Service объект уже открыт");
}

TEST_F(OpenServiceTest, EveryModelOpensUnderItsOwnKey) {
  const char* models[] = {"MR-20", "MR-41", "MR-62", "MR-73", "MR-84", "MR-95", "MK-16"};
  for (int model = 0; model < service::ModelCount; ++model) {
    std::string device = std::string("Vornik_") + models[model] + "_1.11";
    device.erase(device.find('-'), 1);
    memory::PutString(FiscalPrinterKey, "FiscPrinter", device);
    memory::PutString(FiscalPrinterKey + "\\" + device, "Port", "COM2");
    memory::PutDword(FiscalPrinterKey + "\\" + device, "BaudRate", 9600);
    ASSERT_EQ(service::OpenService(), 0) << device;
    std::string name;
    EXPECT_TRUE(service::GetDeviceName(name));
    EXPECT_EQ(name, std::string("Vornik ") + models[model] + " Fiscal Printer");
    service::Close();
  }
}

TEST_F(OpenServiceTest, PortIsTrimmedAndKeptInItsStoredCase) {
  const std::pair<std::string, std::string> ports[] = {
      {" com3 ", "com3"}, {"\tCoM3\r\n", "CoM3"}, {"COM1" + std::string(25, ' '), "COM1"},  // 29 bytes fit
      {std::string("COM7", 4), "COM7"}};  // stored without a terminator
  for (const auto& [stored, trimmed] : ports) {
    memory::PutValue(DeviceKey, "Port", service::registry::TypeString, stored);
    ASSERT_EQ(service::OpenService(), 0) << stored;
    EXPECT_EQ(State().FPortName, trimmed);
    service::Close();
  }
}

TEST_F(OpenServiceTest, UnusableConfigurationIsRefusedWithItsText) {
  using service::registry::TypeString;
  const std::pair<void (*)(), const char*> cases[] = {
      {[] { memory::RemoveKey(FiscalPrinterKey); }, NotOpenText},
      {[] { memory::SetKeyUnopenable(FiscalPrinterKey, true); }, NotOpenText},
      {[] { memory::PutString(FiscalPrinterKey, "FiscPrinter", "vornik_mr62_1.11"); }, NotOpenText},
      {[] { memory::PutString(FiscalPrinterKey, "FiscPrinter", "Vornik_MR38_1.11"); }, NotOpenText},
      {[] { memory::PutString(FiscalPrinterKey, "FiscPrinter", std::string(300, 'V')); }, NotOpenText},
      {[] { memory::PutDword(FiscalPrinterKey, "FiscPrinter", 2); }, NotOpenText},
      {[] { memory::SetKeyUnopenable(DeviceKey, true); }, BadRegistryText},
      {[] { memory::RemoveValue(DeviceKey, "Port"); }, BadRegistryText},
      {[] { memory::PutDword(DeviceKey, "Port", 1); }, BadRegistryText},
      {[] { memory::PutString(DeviceKey, "Port", "COM"); }, BadRegistryText},
      {[] { memory::PutString(DeviceKey, "Port", "LPT1"); }, BadRegistryText},
      {[] { memory::PutString(DeviceKey, "Port", ""); }, BadRegistryText},
      {[] { memory::PutString(DeviceKey, "Port", "   "); }, BadRegistryText},
      {[] { memory::PutString(DeviceKey, "Port", "CO"); }, BadRegistryText},
      // Filling the 30-byte buffer, with or without a terminator behind it.
      {[] { memory::PutString(DeviceKey, "Port", "COM1" + std::string(26, ' ')); }, BadRegistryText},
      {[] { memory::PutValue(DeviceKey, "Port", TypeString, "COM1" + std::string(26, '7')); }, BadRegistryText},
      {[] { memory::RemoveValue(DeviceKey, "BaudRate"); }, BadRegistryText},
      {[] { memory::PutString(DeviceKey, "BaudRate", "19200"); }, BadRegistryText},
      {[] { memory::PutDword(DeviceKey, "BaudRate", 38400); }, "Неверная информация в реестре (скорость устройства)"},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    Reset();
    cases[i].first();
    ExpectRefused(cases[i].second);
  }
  Reset();
  EXPECT_EQ(service::OpenService(), 0);  // mended
}

TEST_F(OpenServiceTest, PacketLogFileIsKavrixDatInTheFolder) {
  const std::string folder = (ScratchDir() / "logs").string();  // the file lands inside the scratch folder
  const std::string file = folder + "\\Kavrix.dat";
  EXPECT_EQ(OpenWithPacketLog(1, folder), file);
  EXPECT_EQ(OpenWithPacketLog(255, folder + "\\"), file);
  EXPECT_EQ(OpenWithPacketLog(256, folder), "");
  EXPECT_EQ(OpenWithPacketLog(0, folder), "");
  EXPECT_EQ(OpenWithPacketLog(1, "/nonexistent-lumero/folder"), "");

  // Not wanted: the log stays on with the earlier file.
  EXPECT_EQ(OpenWithPacketLog(1, folder), file);
  memory::PutDword(LogFilesKey, "PrinterCommands", 0);
  EXPECT_EQ(service::OpenService(), 0);
  EXPECT_EQ(std::string(devicelink::LinkState().PacketLogPath), file);
}

TEST_F(OpenServiceTest, MissingPacketLogValuesLeaveTheLogOff) {
  const std::string folder = (ScratchDir() / "logs").string();  // the file lands inside the scratch folder
  memory::RemoveKey(LogFilesKey);
  EXPECT_EQ(OpenWithPacketLog(1, folder), folder + "\\Kavrix.dat");
  memory::RemoveValue(LogFilesKey, "PrinterCommandsPath");
  EXPECT_EQ(service::OpenService(), 0);
  EXPECT_EQ(State().FPrinterCommands, 0);
  service::Close();
  memory::PutString(LogFilesKey, "PrinterCommandsPath", folder);
  memory::RemoveValue(LogFilesKey, "PrinterCommands");
  EXPECT_EQ(service::OpenService(), 0);
  EXPECT_EQ(State().FPrinterCommands, 0);
}

// The file name buffer holds 500 bytes: a folder of 488 characters is the
// longest that still takes "\Kavrix.dat" and the terminator.
TEST_F(OpenServiceTest, LongestFolderThatFitsIsUsedAndALongerOneIsRefused) {
  std::filesystem::path folder = ScratchDir();
  while (folder.string().size() < 488 - 120) folder /= std::string(100, 'd');
  folder /= std::string(488 - folder.string().size() - 1, 'e');
  std::filesystem::create_directories(folder.parent_path());
  const std::string exact = folder.string();
  ASSERT_EQ(exact.size(), 488u);

  EXPECT_EQ(OpenWithPacketLog(1, exact), exact + "\\Kavrix.dat");
  EXPECT_EQ(OpenWithPacketLog(1, exact + "f"), "");
  EXPECT_EQ(OpenWithPacketLog(1, exact + std::string(100, 'g')), "");  // too long even to read
}

}  // namespace
