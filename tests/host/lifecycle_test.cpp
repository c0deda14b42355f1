// Claim, enable, release and close against a simulated printer, and the
// housekeeping members.
#include "serviceobject/results.h"
#include "service_fixture.h"

using namespace service_test;
using printersim::Fault;

namespace {

constexpr const char* CannotConnect = "Невозможно подключить устройство";
constexpr const char* NoSerialPort = "Невозможно подключить последовательный порт";

class LifecycleTest : public ServiceTest {
 protected:
  std::optional<uint32_t> RegisteredPortHandle() { return memory::DwordValue(DeviceKey, "PortHandle"); }
};

TEST_F(LifecycleTest, EnableReadsTheDeviceAndRecordsThePortHandle) {
  const auto trace = StartTraceLog();
  ASSERT_EQ(service::OpenService(), 0);
  service::SetDeviceEnabled(true);

  EXPECT_EQ(State().FResultCode, 0);
  EXPECT_TRUE(State().FDeviceEnabled);
  EXPECT_FALSE(State().FClaimed);  // no claim needed
  EXPECT_EQ(Commands(), (std::vector<int>{0x42, 0x80}));
  EXPECT_GT(State().FPortHandle, 0);
  EXPECT_EQ(RegisteredPortHandle(), static_cast<uint32_t>(State().FPortHandle));
  EXPECT_EQ(memory::OpenKeyCount(), 0);
  EXPECT_EQ(State().FLineWidth, 32);
  EXPECT_EQ(State().FPaymentTextCapable, 1);
  EXPECT_EQ(State().FDayOpened, 1);
  const std::string log = ReadFile(trace);
  for (const char* line : {"set_DeviceEnabled \n", "Открытие COM-порта COM1 19200 \n",
                           "GetSerialNumber заводской номер: ПН123456 \n", "Модель - MR-62 \n",
                           "Версия - ver 5.10 \n", " Україна \n"})
    EXPECT_NE(log.find(line), std::string::npos) << line;
}

TEST_F(LifecycleTest, FirmwareVersionDecidesThePaymentText) {
  const std::pair<const char*, int> versions[] = {{"ver 4.20", 0}, {"5.2", 0}, {"5.10", 1}};
  for (const auto& [version, capable] : versions) {
    sim_.SetReply(0x80, {.data = std::string("MR-62;") + version + ";"});  // too few fields for a width
    OpenAndEnable();
    EXPECT_EQ(State().FPaymentTextCapable, capable) << version;
    EXPECT_EQ(State().FLineWidth, 0);
    EXPECT_EQ(State().FDayOpened, 0);
    service::Close();
  }
}

TEST_F(LifecycleTest, PortNumberComesFromTheTrimmedNameInAnyCase) {
  devicelink::SetPortDevicePath(3, sim_.SlavePath().c_str());
  memory::PutString(DeviceKey, "Port", " com3 ");
  OpenAndEnable();
  devicelink::SetPortDevicePath(3, "");
}

TEST_F(LifecycleTest, PortNameWithoutANumberThrowsOnEnableAndFailsClearOutput) {
  memory::PutString(DeviceKey, "Port", "COMX");
  ASSERT_EQ(service::OpenService(), 0);
  service::Report(114, 207, "earlier");
  EXPECT_THROW(service::SetDeviceEnabled(true), service::ServiceError);
  EXPECT_FALSE(State().FDeviceEnabled);
  EXPECT_FALSE(devicelink::IsLinkPortOpen());
  EXPECT_EQ(State().FErrorString, "earlier");
  EXPECT_TRUE(sim_.Requests().empty());

  // Only reachable when the name changes under an enabled device.
  Reset();
  OpenAndEnable();
  const int32_t handle = State().FPortHandle;
  State().FPortName = "COMX";
  EXPECT_EQ(service::ClearOutput(), 107);
  EXPECT_EQ(State().FErrorString, NoSerialPort);
  EXPECT_EQ(State().FPortHandle, handle);
  EXPECT_TRUE(devicelink::IsLinkPortOpen());
}

TEST_F(LifecycleTest, SilentPrinterGives107AndTheNextEnableStillGetsThePort) {
  ASSERT_EQ(service::OpenService(), 0);
  sim_.InjectFault(0x42, Fault::Silence());
  service::SetDeviceEnabled(true);
  EXPECT_EQ(State().FResultCode, 107);
  EXPECT_EQ(State().FErrorString, CannotConnect);
  EXPECT_FALSE(State().FDeviceEnabled);
  EXPECT_TRUE(devicelink::IsLinkPortOpen());  // held until disabled or closed
  EXPECT_FALSE(RegisteredPortHandle().has_value());

  service::SetDeviceEnabled(true);
  EXPECT_TRUE(State().FDeviceEnabled);
  EXPECT_EQ(State().FResultCode, 0);
}

// Only a whole reply tells the width, the firmware and the day.
TEST_F(LifecycleTest, DeviceInformationThatDidNotArriveWholeIsNoAnswer) {
  for (const Fault& fault : {Fault::Silence(), Fault::Nak(), Fault::BadChecksum()}) {
    Reset();
    ASSERT_EQ(service::OpenService(), 0);
    sim_.InjectFault(0x80, fault);
    service::SetDeviceEnabled(true);
    EXPECT_EQ(State().FResultCode, 107);
    EXPECT_EQ(State().FErrorString, "Устройство не отвечает!");
    EXPECT_FALSE(State().FDeviceEnabled);
    EXPECT_TRUE(devicelink::IsLinkPortOpen());
  }
}

TEST_F(LifecycleTest, DeviceErrorsStopAtTheSerialNumberButNotAtTheDeviceInformation) {
  sim_.SetReply(0x42, {.error = "0201"});
  ASSERT_EQ(service::OpenService(), 0);
  service::SetDeviceEnabled(true);
  EXPECT_EQ(State().FResultCodeExtended, 221);
  EXPECT_FALSE(State().FDeviceEnabled);
  EXPECT_EQ(Commands(), std::vector<int>{0x42});

  sim_.SetReply(0x42, {});
  sim_.SetReply(0x80, {.data = "MR-62;5.10;", .status = {0, 0x04}});
  service::SetDeviceEnabled(true);
  EXPECT_TRUE(State().FDeviceEnabled);
  EXPECT_EQ(State().FResultCode, 114);
  EXPECT_EQ(State().FResultCodeExtended, 203);
}

TEST_F(LifecycleTest, PortThatCannotBeOpenedOrRecordedGives107) {
  const std::pair<void (*)(), int32_t> cases[] = {
      {[] { devicelink::SetPortDevicePath(ComPort, "/nonexistent-lumero-port"); }, 0},
      {[] { memory::SetValueUnsettable(DeviceKey, "PortHandle", true); }, 2},
      {[] { memory::SetKeyUnopenable(DeviceKey, true); }, 2},
  };
  for (const auto& [breakIt, commands] : cases) {
    Reset();
    ASSERT_EQ(service::OpenService(), 0);
    breakIt();
    service::SetDeviceEnabled(true);
    EXPECT_EQ(State().FResultCode, 107);
    EXPECT_EQ(State().FErrorString, CannotConnect);
    EXPECT_FALSE(State().FDeviceEnabled);
    EXPECT_EQ(static_cast<int>(sim_.Requests().size()), commands);
    EXPECT_EQ(memory::OpenKeyCount(), 0);
  }
}

TEST_F(LifecycleTest, EnableWhileEnabledSendsNothingAndDisableKeepsTheClaim) {
  service::SetDeviceEnabled(true);
  EXPECT_EQ(State().FResultCode, 101);
  EXPECT_EQ(State().FErrorString, "Service объект не открыт");
  ASSERT_EQ(service::OpenService(), 0);
  service::SetDeviceEnabled(false);  // nothing open: still a success
  EXPECT_EQ(State().FResultCode, 0);
  ASSERT_EQ(service::ClaimDevice(0), 0);
  service::SetDeviceEnabled(true);
  sim_.ClearRequests();
  service::Report(112, "earlier");
  service::SetDeviceEnabled(true);
  EXPECT_EQ(State().FErrorString, "");
  EXPECT_TRUE(sim_.Requests().empty());

  service::SetDeviceEnabled(false);
  EXPECT_FALSE(State().FDeviceEnabled);
  EXPECT_TRUE(State().FClaimed);
  EXPECT_EQ(State().FPortHandle, 0);
  EXPECT_FALSE(devicelink::IsLinkPortOpen());
}

TEST_F(LifecycleTest, ClaimRulesAndTexts) {
  EXPECT_EQ(service::Claim(0), 101);
  EXPECT_EQ(State().FErrorString, "Сервис не открыт");
  EXPECT_EQ(service::ClaimDevice(0), 101);
  EXPECT_EQ(State().FErrorString, "Service объект не открыт");
  ASSERT_EQ(service::OpenService(), 0);

  EXPECT_EQ(service::Claim(0), 0);
  EXPECT_EQ(service::Claim(0), 102);
  EXPECT_EQ(State().FErrorString, "Устройство присоединено");
  EXPECT_FALSE(State().FClaimed);
  EXPECT_EQ(service::ClaimDevice(0), 0);
  EXPECT_EQ(service::ClaimDevice(0), 102);
  EXPECT_EQ(State().FErrorString, "Устройство уже присоединено");

  service::SetDeviceEnabled(true);
  EXPECT_EQ(service::Claim(0), 106);
  EXPECT_EQ(State().FErrorString, "Устройство уже разрешено");
  EXPECT_FALSE(State().FClaimed);
  EXPECT_TRUE(State().FDeviceEnabled);
}

TEST_F(LifecycleTest, ReleaseKeepsThePortThatTheNextEnableOrCloseCloses) {
  EXPECT_EQ(service::ReleaseDevice(), 101);
  OpenAndEnable();
  EXPECT_EQ(service::ReleaseDevice(), 0);
  EXPECT_FALSE(State().FDeviceEnabled);
  EXPECT_TRUE(devicelink::IsLinkPortOpen());
  service::SetDeviceEnabled(true);
  EXPECT_TRUE(State().FDeviceEnabled);
  EXPECT_EQ(Commands(), (std::vector<int>{0x42, 0x80}));

  service::ReleaseDevice();
  EXPECT_EQ(service::Close(), 0);
  EXPECT_FALSE(State().FOpened);
  EXPECT_FALSE(devicelink::IsLinkPortOpen());
  EXPECT_EQ(RegisteredPortHandle(), 0u);
}

TEST_F(LifecycleTest, CloseTwinsDifferInTheirTexts) {
  const auto trace = StartTraceLog();
  EXPECT_EQ(service::Close(), 101);
  EXPECT_EQ(State().FErrorString, "Service объект не открыт");
  EXPECT_EQ(service::CloseService(), 101);
  EXPECT_EQ(State().FErrorString, "Сервис не открыт");
  for (const char* line : {"Close.Service объект не открыт \n", "CloseService. Сервис не открыт. \n"})
    EXPECT_NE(ReadFile(trace).find(line), std::string::npos) << line;

  const std::tuple<bool, int32_t (*)(), const char*> cases[] = {
      {false, service::Close, CannotConnect},
      {false, service::CloseService, "Невозможно отключить устройство"},
      {true, service::CloseService, CannotConnect},
  };
  for (const auto& [keyUnopenable, member, text] : cases) {
    Reset();
    OpenAndEnable();
    if (keyUnopenable)
      memory::SetKeyUnopenable(DeviceKey, true);
    else
      memory::SetValueUnsettable(DeviceKey, "PortHandle", true);
    EXPECT_EQ(member(), 0);  // closed all the same
    EXPECT_EQ(State().FResultCode, 107);
    EXPECT_EQ(State().FErrorString, text);
    EXPECT_FALSE(State().FOpened);
    EXPECT_FALSE(devicelink::IsLinkPortOpen());
  }
}

TEST_F(LifecycleTest, ClearOutputReopensThePortAndAFailedReopenLeavesNone) {
  ASSERT_EQ(service::OpenService(), 0);
  State().FDuplicateReceipt = 1;
  EXPECT_EQ(service::ClearOutput(), 105);
  EXPECT_EQ(State().FDuplicateReceipt, 0);

  service::SetDeviceEnabled(true);
  State().FDuplicateReceipt = 1;
  EXPECT_EQ(service::ClearOutput(), 0);
  EXPECT_EQ(State().FDuplicateReceipt, 0);
  EXPECT_EQ(service::CheckHealth(1), 0);  // the new port talks

  sim_.ClearRequests();
  devicelink::SetPortDevicePath(ComPort, "/nonexistent-lumero-port");
  EXPECT_EQ(service::ClearOutput(), 107);
  EXPECT_EQ(State().FErrorString, NoSerialPort);
  EXPECT_TRUE(State().FDeviceEnabled);
  EXPECT_EQ(State().FPortHandle, 0);
  EXPECT_FALSE(devicelink::IsLinkPortOpen());
  EXPECT_EQ(service::CheckHealth(1), 112);  // no I/O on a port that is gone
  EXPECT_TRUE(sim_.Requests().empty());
}

TEST_F(LifecycleTest, CheckHealthSendsOpenNonFiscalThenTheLevelCommand) {
  EXPECT_EQ(service::CheckHealth(1), 105);
  EXPECT_TRUE(sim_.Requests().empty());
  const std::tuple<int32_t, const char*, std::vector<std::string>> cases[] = {
      {1, "", {"730514;", "730514;0;"}},
      {2, "", {"730514;", "730514;2;"}},
      {3, "Интерактивная проверка не поддерживается", {"730514;"}},
      {7, "Неверный тип проверки", {"730514;"}},
  };
  OpenAndEnable();
  for (const auto& [level, text, data] : cases) {
    sim_.ClearRequests();
    EXPECT_EQ(service::CheckHealth(level), *text ? 106 : 0);
    EXPECT_EQ(State().FErrorString, text);
    std::vector<std::string> sent;
    for (const auto& request : sim_.Requests()) sent.push_back(request.data);
    EXPECT_EQ(sent, data) << level;
    EXPECT_EQ(Commands().front(), 0x60);
  }
}

TEST_F(LifecycleTest, FreezeEventsAndClearError) {
  service::COFreezeEvents(true);
  EXPECT_EQ(State().FResultCode, 105);
  OpenAndEnable();
  service::Report(114, 203, "earlier");
  service::COFreezeEvents(true);
  EXPECT_EQ(State().FResultCode, 114);
  service::COFreezeEvents(false);
  EXPECT_EQ(State().FResultCode, 106);
  EXPECT_EQ(State().FErrorString, "Поддержка событий отсутствует");
  EXPECT_EQ(service::ClearError(), 0);
  EXPECT_EQ(State().FResultCodeExtended, 0);
  EXPECT_EQ(State().FErrorString, "");
}

}  // namespace
