// Drives the simulator as a host would: raw bytes through the pty slave.
#include "printersim_rig.h"

#include "printersim/control_client.h"
#include "printersim/control_server.h"

#include <future>
#include <thread>

namespace {

using namespace printersim_rig;

std::chrono::milliseconds Between(const Arrival& a, const Arrival& b) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(b.at - a.at);
}

TEST(PrintersimFrames, WorkedExampleGetsWellFormedReply) {
  Options options = Rig::Quick();
  options.checkPassword = false;
  options.linkPath = ::testing::TempDir() + "printersim_link" + std::to_string(::getpid());
  std::string slave;
  {
    Rig rig(options);
    slave = rig.sim.SlavePath();
    char target[256] = {};
    ASSERT_GT(::readlink(options.linkPath.c_str(), target, sizeof target - 1), 0);
    EXPECT_EQ(target, slave);

    const std::string request = Frame(0x21, 0x21, "abc");
    ASSERT_EQ(request, std::string("\x01\x27\x21\x21" "abc" "\x05" "0194" "\x03"));
    Port viaLink(options.linkPath);
    viaLink.Write(request);
    EXPECT_EQ(viaLink.Answer(), std::string("\x01\x30\x21\x21" "0000;" "\x04\x80\x80\x80\x80\x80\x80\x05" "0476" "\x03"));

    const auto log = rig.sim.Requests();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_TRUE(log[0].Valid());
    EXPECT_EQ(log[0].cmd, 0x21);
    EXPECT_EQ(log[0].seq, 0x21);
    EXPECT_EQ(log[0].data, "abc");
    EXPECT_EQ(rig.sim.GetCounters().bytesReceived, 13u);
    EXPECT_EQ(rig.sim.GetCounters().bytesSent, 22u);
  }
  EXPECT_NE(::access(options.linkPath.c_str(), F_OK), 0) << "link left behind";
}

TEST(PrintersimFrames, MalformedRequestsGetALoneNak) {
  Rig rig;
  const std::string good = Frame(0x30, 0x30, "000000;");
  auto with = [&](std::size_t pos, char byte) {
    std::string f = good;
    f[pos] = byte;
    return f;
  };
  std::string longLen = Frame(0x33, 0x30, "000000;");
  longLen[1] = static_cast<char>(longLen[1] + 1);
  std::string shortLen = Frame(0x34, 0x30, "000000;");
  shortLen[1] = static_cast<char>(shortLen[1] - 1);
  const struct {
    const char* what;
    std::string bytes;
    Verdict verdict;
  } cases[] = {
      {"checksum digit", with(good.size() - 2, static_cast<char>(good[good.size() - 2] ^ 1)), Verdict::BadChecksum},
      {"hex letter in checksum", with(good.size() - 2, 'A'), Verdict::BadChecksum},
      {"LEN too large", longLen, Verdict::BadLen},
      {"LEN too small", shortLen, Verdict::BadLen},
      {"no ETX", with(good.size() - 1, '\x00'), Verdict::NoEtx},
      {"SEQ above 7Eh", Frame(0x7F, 0x30, "000000;"), Verdict::BadSeq},
      {"short password", Frame(0x31, 0x30, "12345;"), Verdict::BadPassword},
      {"password not digits", Frame(0x32, 0x30, "12345a;"), Verdict::BadPassword},
      {"cut before ETX", good.substr(0, good.size() - 1), Verdict::Incomplete},
  };
  for (const auto& c : cases) {
    rig.sim.ClearRequests();
    EXPECT_EQ(rig.port.Exchange(c.bytes), "\x15") << c.what;
    const auto log = rig.sim.Requests();
    ASSERT_EQ(log.size(), 1u) << c.what;
    EXPECT_EQ(log[0].verdict, c.verdict) << c.what << ": " << VerdictName(log[0].verdict);
  }
  EXPECT_EQ(rig.port.Exchange(Frame(0x35, 0x30, "000000;")), ExpectedReply(0x35, 0x30, "0000", ""));

  rig.sim.SetPasswordCheck(false);
  EXPECT_EQ(rig.port.Exchange(Frame(0x36, 0x30, "x")), ExpectedReply(0x36, 0x30, "0000", ""));
}

TEST(PrintersimFrames, NoiseAndGapsAreTolerated) {
  Rig rig;
  const std::string request = Frame(0x40, 0x31, "123456;Hello;");
  rig.port.Write("\xFF\x00zz\x03");
  for (std::size_t pos = 0; pos < request.size(); pos += 6) {
    rig.port.Write(request.substr(pos, 6));
    std::this_thread::sleep_for(40ms);
  }
  EXPECT_EQ(rig.port.Answer(), ExpectedReply(0x40, 0x31, "0000", ""));
  const auto log = rig.sim.Requests();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].data, "123456;Hello;");
}

TEST(PrintersimFrames, SeqAnomaliesAreLoggedButAnswered) {
  Rig rig;
  const uint8_t seqs[] = {0x7D, 0x7E, 0x20, 0x21, 0x60, 0x61, 0x20, 0x22};
  const bool anomalies[] = {false, false, false, false, true, false, false, true};
  for (uint8_t seq : seqs) EXPECT_EQ(rig.port.Exchange(Frame(seq, 0x30, "000000;")), ExpectedReply(seq, 0x30, "0000", ""));
  const auto log = rig.sim.Requests();
  ASSERT_EQ(log.size(), std::size(seqs));
  for (std::size_t i = 0; i < log.size(); ++i) EXPECT_EQ(log[i].seqAnomaly, anomalies[i]) << "request " << i;
}

TEST(PrintersimScript, RepliesAreByteExactAndQueued) {
  Rig rig;
  auto ask = [&](uint8_t seq, uint8_t cmd) { return rig.port.Exchange(Frame(seq, cmd, "000000;")); };

  rig.sim.QueueReply(0x30, {.error = "0042", .data = "12;ab;", .status = {1, 2, 3, 4, 5, 6}});
  rig.sim.QueueReply(0x30, {.data = "x;", .status = {0x7F, 0, 0, 0, 0, 0x40}, .rawStatus = true});
  EXPECT_EQ(ask(0x21, 0x30), ExpectedReply(0x21, 0x30, "0042", "12;ab;", {0x81, 0x82, 0x83, 0x84, 0x85, 0x86}));
  EXPECT_EQ(ask(0x22, 0x30), ExpectedReply(0x22, 0x30, "0000", "x;", {0x7F, 0, 0, 0, 0, 0x40}));
  EXPECT_EQ(ask(0x23, 0x30), ExpectedReply(0x23, 0x30, "0000", ""));

  rig.sim.SetReply(0x30, {.error = "0001"});
  rig.sim.SetReply(kAnyCommand, {.data = "any;"});
  for (uint8_t seq : {0x24, 0x26}) {
    EXPECT_EQ(ask(seq, 0x30), ExpectedReply(seq, 0x30, "0001", ""));
    EXPECT_EQ(ask(seq + 1, 0x31), ExpectedReply(seq + 1, 0x31, "0000", "any;"));
  }

  const std::string raw("\x01\x00\x03garbage\x03", 11);
  rig.sim.SetReply(0x32, {.raw = raw});
  EXPECT_EQ(ask(0x28, 0x32), raw);

  rig.sim.ClearScript();
  EXPECT_EQ(ask(0x29, 0x30), ExpectedReply(0x29, 0x30, "0000", ""));
}

TEST(PrintersimFaults, SilenceOnceOrUntilCleared) {
  Rig rig;
  auto silent = [&](uint8_t seq, uint8_t cmd) {
    rig.port.Write(Frame(seq, cmd, "000000;"));
    return rig.port.Answer(150ms).empty();
  };
  rig.sim.InjectFault(0x30, Fault::Silence());
  EXPECT_TRUE(silent(0x21, 0x30));
  EXPECT_EQ(rig.port.Exchange(Frame(0x22, 0x30, "000000;")), ExpectedReply(0x22, 0x30, "0000", ""));

  rig.sim.InjectFault(kAnyCommand, Fault::Silence(), Use::Always);
  EXPECT_TRUE(silent(0x23, 0x30));
  EXPECT_TRUE(silent(0x24, 0x31));
  rig.sim.ClearScript();
  EXPECT_EQ(rig.port.Exchange(Frame(0x25, 0x31, "000000;")), ExpectedReply(0x25, 0x31, "0000", ""));
}

TEST(PrintersimFaults, FramesBreakExactlyAsAsked) {
  Rig rig;
  uint8_t seq = 0x20;
  auto faulty = [&](const Fault& fault) {
    rig.sim.InjectFault(0x30, fault);
    return rig.port.Exchange(Frame(++seq, 0x30, "000000;"));
  };
  rig.sim.SetReply(0x30, {.data = "12;"});
  auto good = [&] { return ExpectedReply(seq, 0x30, "0000", "12;"); };

  std::string r = faulty(Fault::Nak());
  EXPECT_EQ(r, "\x15");

  r = faulty(Fault::BadChecksum());
  ASSERT_EQ(r.size(), good().size());
  EXPECT_EQ(r.substr(0, r.size() - 2), good().substr(0, r.size() - 2));
  EXPECT_NE(r[r.size() - 2], good()[r.size() - 2]);
  EXPECT_EQ(r.back(), '\x03');

  r = faulty(Fault::EarlyEtx());
  EXPECT_EQ(r, good().substr(0, good().find('\x04')) + '\x03');
  r = faulty(Fault::EarlyEtx(3));
  EXPECT_EQ(r, good().substr(0, 3) + '\x03');

  r = faulty(Fault::BadTerminator(0x07));
  EXPECT_EQ(r, good().substr(0, r.size() - 1) + '\x07');

  r = faulty(Fault::ManyFields(30));
  std::string fields;
  for (int i = 0; i < 30; ++i) fields += std::to_string(i % 10) + ";";
  EXPECT_EQ(r, ExpectedReply(seq, 0x30, "0000", fields));

  r = faulty(Fault::LongErrorCode(12));
  EXPECT_EQ(r.substr(4, 13), "123456789123;");

  r = faulty(Fault::LongReply(300, 20));
  EXPECT_GT(r.size(), 305u);
  EXPECT_EQ(r.find('\x03'), r.size() - 21);
  EXPECT_EQ(r[1], static_cast<char>((0x30 + 300) & 0xFF));
}

TEST(PrintersimFaults, SynTrainKeepsItsInterval) {
  Rig rig;
  rig.sim.InjectFault(0x30, Fault::SynTrain(3, 60ms));
  rig.port.Write(Frame(0x21, 0x30, "000000;"));
  const auto got = rig.port.Timed();
  const std::string reply = ExpectedReply(0x21, 0x30, "0000", "");
  ASSERT_EQ(got.size(), 3 + reply.size());
  for (int i = 0; i < 3; ++i) EXPECT_EQ(got[i].byte, '\x16');
  EXPECT_EQ(got[3].byte, '\x01');
  for (int i = 0; i < 3; ++i) {
    EXPECT_GE(Between(got[i], got[i + 1]), 55ms) << i;
    EXPECT_LE(Between(got[i], got[i + 1]), 200ms) << i;
  }
}

TEST(PrintersimFaults, PauseSplitsTheFrame) {
  Rig rig;
  rig.sim.InjectFault(0x30, Fault::Pause(5, 150ms));
  rig.port.Write(Frame(0x21, 0x30, "000000;"));
  const auto got = rig.port.Timed();
  std::string bytes;
  for (const Arrival& a : got) bytes += a.byte;
  EXPECT_EQ(bytes, ExpectedReply(0x21, 0x30, "0000", ""));
  ASSERT_GT(got.size(), 5u);
  EXPECT_GE(Between(got[4], got[5]), 140ms);
}

TEST(PrintersimFaults, EndlessSynEndsOnNextRequestOrClear) {
  Rig rig;
  auto synsFor = [&](std::chrono::milliseconds span) {
    const std::string got = rig.port.Answer(span, span);
    EXPECT_EQ(got.find_first_not_of('\x16'), std::string::npos);
    return got.size();
  };
  rig.sim.InjectFault(0x30, Fault::EndlessSyn(20ms));
  rig.port.Write(Frame(0x21, 0x30, "000000;"));
  EXPECT_GE(synsFor(200ms), 5u);
  // Tail SYNs may precede the reply.
  std::string answer = rig.port.Exchange(Frame(0x22, 0x30, "000000;"));
  answer.erase(0, answer.find_first_not_of('\x16'));
  EXPECT_EQ(answer, ExpectedReply(0x22, 0x30, "0000", ""));
  EXPECT_EQ(rig.port.Answer(100ms), "");

  rig.sim.InjectFault(0x30, Fault::EndlessSyn(20ms));
  rig.port.Write(Frame(0x23, 0x30, "000000;"));
  EXPECT_GE(synsFor(100ms), 2u);
  rig.sim.ClearScript();
  rig.port.Answer(50ms);
  EXPECT_EQ(rig.port.Answer(100ms), "");
}

TEST(PrintersimLog, WaitClearAndCounters) {
  Rig rig;
  const auto before = Clock::now();
  EXPECT_FALSE(rig.sim.WaitForRequests(1, 50ms));
  EXPECT_LT(Clock::now() - before, 500ms);

  rig.port.Write(Frame(0x21, 0x30, "000000;") + Frame(0x22, 0x31, "000000;"));
  EXPECT_TRUE(rig.sim.WaitForRequests(2, 2s));
  rig.port.Answer();
  const auto log = rig.sim.Requests();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[1].cmd, 0x31);
  EXPECT_LE(log[0].at, log[1].at);
  EXPECT_EQ(rig.sim.GetCounters().bytesReceived, 34u);

  rig.sim.ClearRequests();
  rig.sim.ResetCounters();
  EXPECT_TRUE(rig.sim.Requests().empty());
  EXPECT_EQ(rig.sim.GetCounters().bytesSent, 0u);
}

TEST(PrintersimPacing, BaudRateStretchesBothDirections) {
  Options options = Rig::Quick();
  options.baud = 1200;  // 8.3 ms a byte
  Rig rig(options);
  const auto start = Clock::now();
  const std::string answer = rig.port.Exchange(Frame(0x21, 0x30, "000000;"));
  const auto elapsed = Clock::now() - start;
  EXPECT_EQ(answer, ExpectedReply(0x21, 0x30, "0000", ""));
  // 17 bytes in, 21 bytes out.
  EXPECT_GE(elapsed, 300ms);
  EXPECT_LT(elapsed, 1500ms);
}

// The benchmark compares against the wire time at 115200 baud, 87 us a byte:
// the pacing may neither round its waits up to milliseconds nor let late
// wake-ups add up.
TEST(PrintersimPacing, HoldsToTheWireTimeAtHighSpeed) {
  Options options = Rig::Quick();
  options.baud = 115200;
  Rig rig(options);
  rig.sim.SetReply(0x30, {.data = std::string(180, 'A')});
  const std::string request = Frame(0x21, 0x30, "000000;");
  const auto start = Clock::now();
  rig.port.Write(request);
  const std::vector<Arrival> reply = rig.port.Timed();
  ASSERT_EQ(reply.size(), ExpectedReply(0x21, 0x30, "0000", std::string(180, 'A')).size());
  const auto byteTime = std::chrono::nanoseconds(10'000'000'000LL / options.baud);
  EXPECT_GE(reply.front().at - start, byteTime * (request.size() + 1));
  const auto floor = byteTime * (request.size() + reply.size());
  EXPECT_GE(reply.back().at - start, floor);
  EXPECT_LT(reply.back().at - start, floor * 3 / 2);
}

TEST(PrintersimControl, TcpRoundTrip) {
  Rig rig;
  std::promise<void> quitAsked;
  ControlServer server(rig.sim, 0, [&] { quitAsked.set_value(); });
  {
    ControlClient client(server.Port());
    std::string everyByte;
    for (int b = 0; b < 256; ++b) everyByte += static_cast<char>(b);
    client.QueueReply(0x40, {.raw = everyByte});
    client.SetReply(0x41, {.error = "0003", .data = "a b\\;", .status = {0, 1, 0, 0, 0, 0x7F}});
    client.InjectFault(0x42, Fault::Nak(), Use::Always);
    EXPECT_EQ(client.Call("fault 42 nosuchfault")[0].rfind("ERR", 0), 0u);

    EXPECT_EQ(rig.port.Exchange(Frame(0x21, 0x40, "000000;")), everyByte);
    EXPECT_EQ(rig.port.Exchange(Frame(0x22, 0x41, "000000;")),
              ExpectedReply(0x22, 0x41, "0003", "a b\\;", {0x80, 0x81, 0x80, 0x80, 0x80, 0xFF}));
    EXPECT_EQ(rig.port.Exchange(Frame(0x23, 0x42, "000000;")), "\x15");
    EXPECT_EQ(rig.port.Exchange(Frame(0x24, 0x42, "000000;")), "\x15");
    EXPECT_EQ(rig.port.Exchange(Frame(0x25, 0x41, "12;")), "\x15");

    EXPECT_TRUE(client.WaitForRequests(5, 1s));
    EXPECT_FALSE(client.WaitForRequests(6, 50ms));
    const auto log = client.Requests();
    ASSERT_EQ(log.size(), 5u);
    EXPECT_EQ(log[1].cmd, 0x41);
    EXPECT_EQ(log[1].seq, 0x22);
    EXPECT_EQ(log[1].data, "000000;");
    EXPECT_EQ(log[1].frame, Frame(0x22, 0x41, "000000;"));
    EXPECT_EQ(log[4].verdict, Verdict::BadPassword);
    EXPECT_EQ(client.GetCounters().bytesReceived, rig.sim.GetCounters().bytesReceived);
    client.ClearRequests();
  }
  ControlClient again(server.Port());
  EXPECT_TRUE(again.Requests().empty());
  again.Quit();
  EXPECT_EQ(quitAsked.get_future().wait_for(1s), std::future_status::ready);
}

}  // namespace
