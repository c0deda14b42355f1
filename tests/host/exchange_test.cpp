// Whole exchanges over a pty with the simulated printer on the other end.
#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "devicelink/logs.h"
#include "file_text.h"
#include "link_fixture.h"
#include "reply_frames.h"

using namespace devicelink;
using namespace std::chrono_literals;
using printersim::Fault;
using printersim::Reply;
using Clock = std::chrono::steady_clock;

namespace {

std::string Bytes(std::initializer_list<int> values) {
  std::string s;
  for (int v : values) s += static_cast<char>(v);
  return s;
}

long long MillisSince(Clock::time_point start) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

long long MicrosSince(Clock::time_point start) {
  return std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start).count();
}

class ExchangeTest : public SimulatedPrinterTest {};

TEST_F(ExchangeTest, FirstRequestIsTheWorkedExampleFrame) {
  sim_.SetPasswordCheck(false);
  const TDeviceReply* reply = ExecuteCommand(0x21, "abc");
  const std::string frame = Bytes({0x01, 0x27, 0x21, 0x21, 0x61, 0x62, 0x63, 0x05, 0x30, 0x31, 0x39, 0x34, 0x03});
  EXPECT_EQ(std::string(reply->RequestFrame), frame);
  ASSERT_TRUE(sim_.WaitForRequests(1, 1s));
  EXPECT_EQ(sim_.Requests()[0].frame, frame);
  EXPECT_TRUE(sim_.Requests()[0].Valid());
  EXPECT_EQ(reply->ErrorMask, 0u);
  EXPECT_STREQ(reply->ErrorCode, "0000");
  EXPECT_STREQ(reply->SentData, "abc");
  EXPECT_EQ(reply->CommandCode, 0x21);
}

TEST_F(ExchangeTest, ScriptedReplyArrivesInTheRecord) {
  sim_.SetReply(0x42, Reply{.error = "0000", .data = "ПН123456;7;", .status = {0, 0x08, 0, 0, 0, 0}});
  const TDeviceReply* reply = ExecuteCommand(0x42, "730514;");
  ASSERT_EQ(reply->FieldCount, 2);
  EXPECT_STREQ(reply->Fields[0], "ПН123456");
  EXPECT_STREQ(reply->Fields[1], "7");
  EXPECT_EQ(reply->StatusBytes[1], 0x08);
  EXPECT_EQ(reply->ErrorMask, 1u << 7);
  EXPECT_STREQ(reply->CommandText, "Команда 42h: Чтение заводского номера");
}

TEST_F(ExchangeTest, SequenceRunsThroughItsRangeAndWrapsWithTheCounter) {
  std::vector<uint8_t> seqs;
  for (int i = 0; i < 258; ++i) seqs.push_back(static_cast<uint8_t>(ExecuteCommand(0x80, "730514;")->RequestFrame[2]));
  EXPECT_EQ(seqs[0], 0x21);
  EXPECT_EQ(seqs[1], 0x22);
  EXPECT_EQ(seqs[93], 0x7E);  // counter 94
  EXPECT_EQ(seqs[94], 0x20);  // counter 95
  EXPECT_EQ(seqs[253], 0x60);  // counter 254
  EXPECT_EQ(seqs[254], 0x61);  // counter 255
  EXPECT_EQ(seqs[255], 0x20);  // counter 0 after the 8-bit wrap
  EXPECT_EQ(seqs[256], 0x21);
  for (const auto& request : sim_.Requests()) EXPECT_TRUE(request.Valid());
}

TEST_F(ExchangeTest, FrameLengthAndChecksumDigitsAboveNine) {
  sim_.SetPasswordCheck(false);
  const TDeviceReply* reply = ExecuteCommand(0x21, "");
  EXPECT_EQ(std::strlen(reply->RequestFrame), 10u);
  EXPECT_EQ(static_cast<uint8_t>(reply->RequestFrame[1]), 0x24);

  // Data chosen so that every checksum digit lies in 10 to 15.
  const std::string data(219, '\xFF');
  reply = ExecuteCommand(0x7F, data.c_str());
  ASSERT_EQ(std::strlen(reply->RequestFrame), 229u);
  EXPECT_EQ(static_cast<uint8_t>(reply->RequestFrame[1]), 0xFF);
  unsigned sum = 0xFF + 0x22 + 0x7F + 219 * 0xFF + 0x05;
  std::string expected;
  for (int shift = 12; shift >= 0; shift -= 4) expected += static_cast<char>(0x30 + ((sum >> shift) & 0xF));
  EXPECT_EQ(std::string(reply->RequestFrame + 224, 4), expected);
  for (char digit : expected) EXPECT_TRUE(digit >= ':' && digit <= '?') << digit;
  ASSERT_TRUE(sim_.WaitForRequests(2, 1s));
  EXPECT_TRUE(sim_.Requests()[1].Valid());
}

TEST_F(ExchangeTest, OverlongDataIsRefusedWithoutSendingOrLogging) {
  const auto dir = std::filesystem::temp_directory_path() / "lumero-overlong";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  SetTraceLogPath((dir / "trace.log").string().c_str());
  SetPacketLogPath((dir / "Kavrix.dat").string().c_str());
  ExecuteCommand(0x80, "730514;");
  const auto traceSize = std::filesystem::file_size(dir / "trace.log");
  const auto packetSize = std::filesystem::file_size(dir / "Kavrix.dat");

  const std::string data(220, '1');
  EXPECT_EQ(TransmitPacket(0x61, data.c_str()), TransmitTooLong);
  const TDeviceReply* reply = ExecuteCommand(0x61, data.c_str());
  EXPECT_EQ(reply->CommandCode, 0x61);
  EXPECT_STRNE(reply->ErrorCode, "0000");
  EXPECT_EQ(reply->FieldCount, 0);
  EXPECT_STREQ(reply->RequestFrame, "");
  EXPECT_FALSE(sim_.WaitForRequests(2, 300ms));
  EXPECT_EQ(std::filesystem::file_size(dir / "trace.log"), traceSize);
  EXPECT_EQ(std::filesystem::file_size(dir / "Kavrix.dat"), packetSize);
  std::filesystem::remove_all(dir);
}

TEST_F(ExchangeTest, ReplyEndsTheExchangeAtItsEtx) {
  std::vector<long long> times;
  for (int i = 0; i < 21; ++i) {
    const auto start = Clock::now();
    ASSERT_EQ(ExecuteCommand(0x80, "730514;")->ErrorMask, 0u);
    times.push_back(MicrosSince(start));
  }
  std::sort(times.begin(), times.end());
  std::printf("round trip of one short command: median %lld us\n", times[times.size() / 2]);
  EXPECT_LT(times[times.size() / 2], 60000);  // no read time-out of 100 ms added
}

TEST_F(ExchangeTest, SilenceEndsAsTimeoutAfterFiftyEmptyReads) {
  sim_.InjectFault(0x80, Fault::Silence());
  const auto start = Clock::now();
  const TDeviceReply* reply = ExecuteCommand(0x80, "730514;");
  const auto elapsed = MillisSince(start);
  EXPECT_EQ(reply->ErrorMask, MaskTimeout);
  EXPECT_EQ(reply->FieldCount, 0);
  EXPECT_GE(elapsed, 4800);
  EXPECT_LT(elapsed, 6500);
}

TEST_F(ExchangeTest, NakEndsAtTheNextEmptyRead) {
  sim_.InjectFault(0x80, Fault::Nak());
  const auto start = Clock::now();
  const TDeviceReply* reply = ExecuteCommand(0x80, "730514;");
  const auto elapsed = MillisSince(start);
  EXPECT_EQ(reply->ErrorMask, MaskNak);
  EXPECT_GE(elapsed, 80);
  EXPECT_LT(elapsed, 400);
}

TEST_F(ExchangeTest, BadChecksumFromThePrinter) {
  sim_.InjectFault(0x80, Fault::BadChecksum());
  EXPECT_EQ(ExecuteCommand(0x80, "730514;")->ErrorMask, MaskChecksumError);
  EXPECT_EQ(ExecuteCommand(0x80, "730514;")->ErrorMask, 0u);
}

TEST_F(ExchangeTest, ByteOtherThanEtxAfterChecksumEndsAtOnceAsTimeout) {
  sim_.InjectFault(0x80, Fault::BadTerminator('Z'));
  const auto start = Clock::now();
  EXPECT_EQ(ExecuteCommand(0x80, "730514;")->ErrorMask, MaskTimeout);
  EXPECT_LT(MillisSince(start), 300);
}

TEST_F(ExchangeTest, EarlyEtxIsNeverAGoodReply) {
  sim_.SetReply(0x80, Reply{.data = "1;2;3;"});
  sim_.InjectFault(0x80, Fault::EarlyEtx());
  EXPECT_EQ(ExecuteCommand(0x80, "730514;")->ErrorMask, MaskChecksumError);
}

TEST_F(ExchangeTest, PauseInsideAFrameIsBridged) {
  sim_.SetReply(0x80, Reply{.data = "5;"});
  sim_.InjectFault(0x80, Fault::Pause(6, 250ms));
  const TDeviceReply* reply = ExecuteCommand(0x80, "730514;");
  EXPECT_EQ(reply->ErrorMask, 0u);
  EXPECT_STREQ(reply->Fields[0], "5");
}

TEST_F(ExchangeTest, HostileRepliesStayWithinTheRecord) {
  sim_.InjectFault(0x80, Fault::ManyFields(60));
  EXPECT_EQ(ExecuteCommand(0x80, "730514;")->FieldCount, MaxReplyFields);
  sim_.InjectFault(0x80, Fault::LongErrorCode(40));
  const TDeviceReply* reply = ExecuteCommand(0x80, "730514;");
  EXPECT_LT(std::strlen(reply->ErrorCode), sizeof reply->ErrorCode);
  EXPECT_STRNE(reply->ErrorCode, "0000");
  sim_.InjectFault(0x80, Fault::LongReply(207, 400));
  EXPECT_EQ(ExecuteCommand(0x80, "730514;")->ErrorMask, 0u);
  const std::string longFrame = testframes::ReplyFrame(std::string(100, '9'), std::string(207, 'd'), {0x80, 0x80, 0x80, 0x80, 0x80, 0x80}, 0x80, 0x24);
  sim_.QueueReply(0x80, Reply{.raw = longFrame});
  reply = ExecuteCommand(0x80, "730514;");
  EXPECT_EQ(std::strlen(reply->RawReply), sizeof reply->RawReply - 1);
}

TEST_F(ExchangeTest, SynKeepsTheWaitAliveBeyondFiveSeconds) {
  sim_.SetReply(0x80, Reply{.data = "ok;"});
  sim_.InjectFault(0x80, Fault::SynTrain(14, 400ms));
  const auto start = Clock::now();
  const TDeviceReply* reply = ExecuteCommand(0x80, "730514;");
  EXPECT_GE(MillisSince(start), 5500);
  EXPECT_EQ(reply->ErrorMask, 0u);
  EXPECT_STREQ(reply->Fields[0], "ok");
  EXPECT_EQ(std::string(reply->RawReply).find('\x16'), std::string::npos);
}

// Link time a thousand times faster than the wall clock (a minute in 60 ms),
// counted from a chosen tick count.
Clock::time_point gClockStart;
uint32_t gClockTick = 0;
uint32_t FastClock() { return gClockTick + static_cast<uint32_t>(MillisSince(gClockStart) * 1000); }

TEST_F(ExchangeTest, BusyPrinterIsWaitedForUpToTheWaitLimit) {
  const struct {
    Fault fault;
    uint32_t mask, startTick, waitedAtLeast;
  } rows[] = {
      {Fault::SynTrain(5, 100ms), 0, 0, 5 * 60 * 1000},  // busy for minutes, then the reply
      {Fault::EndlessSyn(5ms), MaskTimeout, 0, 30 * 60 * 1000},  // long enough for any report
      {Fault::EndlessSyn(5ms), MaskTimeout, 0xFFFFFFFFu - 10000u, 30 * 60 * 1000},  // across the wrap
  };
  sim_.SetReply(0x80, Reply{.data = "ok;"});
  SetLinkClocks(nullptr, FastClock);
  for (const auto& row : rows) {
    sim_.InjectFault(0x80, row.fault);
    gClockTick = row.startTick;
    gClockStart = Clock::now();
    EXPECT_EQ(ExecuteCommand(0x80, "730514;")->ErrorMask, row.mask);
    EXPECT_GE(static_cast<uint32_t>(FastClock() - row.startTick), row.waitedAtLeast);
  }
  sim_.ClearScript();
}

TEST_F(ExchangeTest, ReplyCutShortLeavesTheNextReplyWhole) {
  const std::string frame = testframes::ReplyFrame("0000", "ok;", {0x80, 0x80, 0x80, 0x80, 0x80, 0x80}, 0x80);
  for (size_t cut : {1, 3}) {  // before the ETX; inside the checksum
    sim_.QueueReply(0x80, Reply{.raw = frame.substr(0, frame.size() - cut)});
    sim_.QueueReply(0x80, Reply{.raw = "\x16\x16\x16" + frame});
    EXPECT_EQ(ExecuteCommand(0x80, "730514;")->ErrorMask, MaskTimeout);
    const TDeviceReply* reply = ExecuteCommand(0x80, "730514;");
    EXPECT_EQ(reply->ErrorMask, 0u) << cut;
    EXPECT_STREQ(reply->Fields[0], "ok") << cut;
  }
}

TEST_F(ExchangeTest, CommandAfterCloseDoesNoIoAndTimesOutAtOnce) {
  CloseLinkPort();
  sim_.ClearRequests();
  const auto start = Clock::now();
  const TDeviceReply* reply = ExecuteCommand(0x80, "730514;");
  EXPECT_EQ(reply->ErrorMask, MaskTimeout);
  EXPECT_LT(MillisSince(start), 50);
  EXPECT_FALSE(sim_.WaitForRequests(1, 200ms));
  ASSERT_GT(OpenLinkPort(ComPort, 115200), 0);
  EXPECT_EQ(ExecuteCommand(0x80, "730514;")->ErrorMask, 0u);
}

TEST_F(ExchangeTest, ExchangeWritesTraceAndPacketLogLines) {
  const auto dir = std::filesystem::temp_directory_path() / "lumero-exchange-logs";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  SetLinkClocks([] { return LocalTimeStamp{8, 12, 2026, 2, 5, 9}; }, nullptr);
  SetTraceLogPath((dir / "trace.log").string().c_str());
  SetPacketLogPath((dir / "Kavrix.dat").string().c_str());
  sim_.SetPasswordCheck(false);
  const std::string reply = testframes::ReplyFrame("0000", "1;", {0x80, 0x80, 0x80, 0x80, 0x80, 0x80}, 0x21, 0x21);
  sim_.SetReply(0x21, Reply{.raw = reply});
  ExecuteCommand(0x21, "abc");
  CloseLinkPort();

  std::string replyHex;
  for (unsigned char c : reply) {
    char hex[4];
    std::snprintf(hex, sizeof hex, "%02X ", c);
    replyHex += hex;
  }
  const std::string stamp = " 8-12-2026  2:05:09 ";
  EXPECT_EQ(ReadFile(dir / "trace.log"), stamp + "Отправка пакета, исходящие данные: \n" + stamp +
                                         "01 27 21 21 61 62 63 05 30 31 39 34 03  \n" + stamp + "Входящие данные: \n" +
                                         stamp + replyHex + " \n" + stamp + "Код ошибки: 0000 \n");
  EXPECT_EQ(ReadFile(dir / "Kavrix.dat"), "; 8-12-2026  2:05:09  21\n21abc\n; 8-12-2026  2:05:09  21\n" + reply +
                                         "\n;Конец Сеанса    8-12-2026  2:05:09 \n");
  std::filesystem::remove_all(dir);
}

TEST(LinkBeforeOpening, RefusesWithoutTouchingRecordOrLogs) {
  ResetLinkState();
  EXPECT_EQ(TransmitPacket(0x80, "730514;"), TransmitRefused);
  const TDeviceReply* reply = ExecuteCommand(0x80, "730514;");
  EXPECT_EQ(reply->CommandCode, 0);
  EXPECT_STREQ(reply->ErrorCode, "");
  EXPECT_EQ(reply->ErrorMask, 0u);
}

TEST(LinkOpening, MissingPortFailsAndLeavesNothingOpen) {
  ResetLinkState();
  SetPortDevicePath(7, "/nonexistent/lumero-port");
  EXPECT_EQ(OpenLinkPort(7, 9600), -1);
  EXPECT_FALSE(IsLinkPortOpen());
  SetPortDevicePath(7, "");
  ResetLinkState();
}

TEST(LinkOpening, FailedSetupReleasesThePort) {
  ResetLinkState();
  // Not a terminal: the time-outs cannot be applied, so opening must give the file back.
  const auto path = std::filesystem::temp_directory_path() / "lumero-not-a-port";
  std::ofstream(path) << "x";
  SetPortDevicePath(8, path.string().c_str());
  const auto before = std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {});
  EXPECT_EQ(OpenLinkPort(8, 9600), -1);
  EXPECT_FALSE(IsLinkPortOpen());
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {}), before);
  SetPortDevicePath(8, "");
  std::filesystem::remove(path);
  ResetLinkState();
}

}  // namespace
