// The device link through the real Win32 serial API, against the simulated
// printer on a COM port that Wine maps to its pty.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "devicelink/exchange.h"
#include "sim_session.h"

using namespace devicelink;
using namespace std::chrono_literals;
using printersim::Fault;
using printersim::Reply;
using Clock = std::chrono::steady_clock;

namespace {

long long MillisSince(Clock::time_point start) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

class WinLinkTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_GT(OpenLinkPort(SimSession::ComPort(), 115200), 0); }
  static void TearDownTestSuite() { CloseLinkPort(); }
  void SetUp() override {
    sim_ = SimSession::ConnectClean();
  }

  std::unique_ptr<printersim::ControlClient> sim_;
};

TEST_F(WinLinkTest, FullExchangeDecodesTheScriptedReply) {
  sim_->SetReply(0x42, Reply{.data = "ПН00012345;2;", .status = {0, 0, 0, 0, 0, 0x10}});
  const TDeviceReply* reply = ExecuteCommand(0x42, "730514;");
  EXPECT_EQ(reply->ErrorMask, 1u << 23);
  EXPECT_STREQ(reply->ErrorCode, "0000");
  ASSERT_EQ(reply->FieldCount, 2);
  EXPECT_STREQ(reply->Fields[0], "ПН00012345");
  EXPECT_STREQ(reply->Fields[1], "2");
  EXPECT_EQ(reply->StatusBytes[5], 0x10);
  const auto requests = sim_->Requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].cmd, 0x42);
  EXPECT_EQ(requests[0].data, "730514;");
  EXPECT_TRUE(requests[0].Valid());
}

TEST_F(WinLinkTest, RoundTripEndsAtTheEtx) {
  std::vector<long long> micros;
  for (int i = 0; i < 21; ++i) {
    const auto start = Clock::now();
    ASSERT_EQ(ExecuteCommand(0x80, "730514;")->ErrorMask, 0u);
    micros.push_back(std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start).count());
  }
  std::sort(micros.begin(), micros.end());
  std::printf("round trip of one short command under Wine: median %lld us\n", micros[micros.size() / 2]);
  EXPECT_LT(micros[micros.size() / 2], 90000);  // no 100 ms read time-out added
}

TEST_F(WinLinkTest, SilentPrinterTimesOutAfterAboutFiveSeconds) {
  sim_->InjectFault(0x80, Fault::Silence());
  const auto start = Clock::now();
  EXPECT_EQ(ExecuteCommand(0x80, "730514;")->ErrorMask, MaskTimeout);
  const auto elapsed = MillisSince(start);
  EXPECT_GE(elapsed, 4500);
  EXPECT_LT(elapsed, 7000);
}

TEST_F(WinLinkTest, NakEndsAtTheNextEmptyRead) {
  sim_->InjectFault(0x80, Fault::Nak());
  const auto start = Clock::now();
  EXPECT_EQ(ExecuteCommand(0x80, "730514;")->ErrorMask, MaskNak);
  EXPECT_LT(MillisSince(start), 500);
}

TEST_F(WinLinkTest, SynKeepsTheWaitAliveBeyondFiveSeconds) {
  sim_->SetReply(0x80, Reply{.data = "ok;"});
  sim_->InjectFault(0x80, Fault::SynTrain(14, 400ms));
  const auto start = Clock::now();
  const TDeviceReply* reply = ExecuteCommand(0x80, "730514;");
  EXPECT_GE(MillisSince(start), 5500);
  EXPECT_EQ(reply->ErrorMask, 0u);
  EXPECT_STREQ(reply->Fields[0], "ok");
}

// Wine's port is a pty: its termios is what the driver kept from before.
TEST_F(WinLinkTest, OpeningSwitchesHandshakeOffAndAStoppedLineCannotHoldARequest) {
  CloseLinkPort();
  sim_->SetHostFlowControl({.crtscts = true, .ixon = true, .ixoff = true});
  ASSERT_GT(OpenLinkPort(SimSession::ComPort(), 115200), 0);
  EXPECT_EQ(sim_->HostFlowControl(), printersim::FlowControl{});
  sim_->InjectFault(0x80, Fault::ByteAfter(0x13));
  EXPECT_EQ(ExecuteCommand(0x80, "730514;")->ErrorMask, 0u);
  EXPECT_EQ(ExecuteCommand(0x80, "730514;")->ErrorMask, 0u);  // the XOFF was only a stray byte

  // Output stopped after opening: the write gives up and the exchange times out.
  sim_->SetHostFlowControl({.ixon = true});
  sim_->InjectFault(0x80, Fault::ByteAfter(0x13));
  EXPECT_EQ(ExecuteCommand(0x80, "730514;")->ErrorMask, 0u);
  const auto start = Clock::now();
  EXPECT_EQ(ExecuteCommand(0x80, "730514;")->ErrorMask, MaskTimeout);
  EXPECT_LT(MillisSince(start), 9000);
  sim_->SetHostFlowControl({});
}

}  // namespace
