// The installer's serial-port component on COM12, whose peer is COM11 (a
// null-modem pair of scripts/wine-env), and on COM10, which names a plain file.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "installer/portcontrol/port_control.h"
#include "installer/portcontrol/port_platform.h"

namespace {

// Reaches the members a caller cannot see.
struct TProbedPort : TPortControl {
  using TPortControl::FHandle;
  using TPortControl::FLastError;
};

std::string Hex(uint32_t code) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%lx", static_cast<unsigned long>(code));
  return text;
}

class PortControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::getenv("LUMERO_NULL_MODEM_HIGH") == nullptr) GTEST_SKIP() << "not run through scripts/wine-env";
    port_.SetNumPort("COM12");
    port_.Timeout().ReadTotalTimeoutConstant = 200;
    port_.EnableDescr = true;
  }
  void TearDown() override {
    if (port_.FHandle != nullptr) {
      port_.EndSession(true);
      port_.ClosePort();
    }
    if (peer_ != INVALID_HANDLE_VALUE) CloseHandle(peer_);
  }

  void OpenPeer() {
    peer_ = CreateFileA("\\\\.\\COM11", GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(peer_, INVALID_HANDLE_VALUE) << GetLastError();
    COMMTIMEOUTS timeouts{0, 0, 200, 0, 0};
    ASSERT_TRUE(SetCommTimeouts(peer_, &timeouts));
    PurgeComm(peer_, PURGE_RXCLEAR | PURGE_TXCLEAR);
  }
  void OpenSession() {
    ASSERT_EQ(port_.OpenPort(), 0) << port_.LastErrorText();
    ASSERT_EQ(port_.StartSession(true), 0) << port_.LastErrorText();
    OpenPeer();
  }
  void PeerSends(const std::string& bytes) {
    DWORD sent = 0;
    ASSERT_TRUE(WriteFile(peer_, bytes.data(), static_cast<DWORD>(bytes.size()), &sent, nullptr));
  }
  std::string PeerReceives(size_t count) {
    std::string bytes(count, '\0');
    DWORD got = 0, total = 0;
    while (total < count && ReadFile(peer_, bytes.data() + total, static_cast<DWORD>(count - total), &got, nullptr) &&
           got > 0)
      total += got;
    bytes.resize(total);
    return bytes;
  }

  TProbedPort port_;
  HANDLE peer_ = INVALID_HANDLE_VALUE;
};

TEST_F(PortControlTest, OpenPortSetsItsLineFieldsKeepsTheOthersAndSetsTheTimeouts) {
  // A field of the port's own, left in its state by an earlier user.
  HANDLE earlier = CreateFileA("\\\\.\\COM12", GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(earlier, INVALID_HANDLE_VALUE);
  DCB dcb{};
  dcb.DCBlength = sizeof dcb;
  ASSERT_TRUE(GetCommState(earlier, &dcb));
  dcb.XonChar = 0x21;
  ASSERT_TRUE(SetCommState(earlier, &dcb));
  CloseHandle(earlier);

  // A pseudo-terminal keeps 8 data bits without parity whatever is set, and
  // Wine reports no DTR or RTS control of its own: speed and stop bits show.
  struct Row {
    speed baudRate;
    stopbits stopBits;
    DWORD dcbBaudRate;
    BYTE dcbStopBits;
  } rows[] = {{speed::S019200, stopbits::TWO, 19200, TWOSTOPBITS}, {speed::S115200, stopbits::ONE, 115200, ONESTOPBIT}};
  port_.SetTimeout(T1CommTimeouts{1, 2, 3, 4, 5});
  for (const Row& row : rows) {
    port_.BaudRate = row.baudRate;
    port_.StopBits = row.stopBits;
    ASSERT_EQ(port_.OpenPort(), 0) << port_.LastErrorText();
    dcb = {};
    dcb.DCBlength = sizeof dcb;
    ASSERT_TRUE(GetCommState(port_.FHandle, &dcb));
    EXPECT_EQ(dcb.BaudRate, row.dcbBaudRate);
    EXPECT_EQ(dcb.StopBits, row.dcbStopBits);
    EXPECT_EQ(dcb.XonChar, 0x21);
    COMMTIMEOUTS timeouts{};
    ASSERT_TRUE(GetCommTimeouts(port_.FHandle, &timeouts));
    EXPECT_EQ(timeouts.ReadIntervalTimeout, 1u);
    EXPECT_EQ(timeouts.ReadTotalTimeoutMultiplier, 2u);
    EXPECT_EQ(timeouts.ReadTotalTimeoutConstant, 3u);
    EXPECT_EQ(timeouts.WriteTotalTimeoutMultiplier, 4u);
    EXPECT_EQ(timeouts.WriteTotalTimeoutConstant, 5u);
    ASSERT_EQ(port_.ClosePort(), 0);
  }
  ASSERT_EQ(port_.OpenPort(), 0);
  port_.Timeout().ReadTotalTimeoutConstant = 7;
  EXPECT_EQ(port_.SetPortTimeouts(), 0);
  COMMTIMEOUTS timeouts{};
  ASSERT_TRUE(GetCommTimeouts(port_.FHandle, &timeouts));
  EXPECT_EQ(timeouts.ReadTotalTimeoutConstant, 7u);
}

struct Refusal {
  const char* operation;
  std::function<int32_t(TPortControl&)> call;
  int32_t code;
  const char* text;
};

void ExpectRefusal(TProbedPort& port, const Refusal& row) {
  port.FLastError = 5;
  EXPECT_EQ(row.call(port), row.code) << row.operation;
  EXPECT_EQ(port.LastErrorText(), row.text) << row.operation;
  EXPECT_EQ(port.LastError(), 0u) << row.operation;
}

TEST_F(PortControlTest, ClosedPortRefusesWithMinusOne) {
  char buffer[4];
  unsigned long count = 0;
  const Refusal rows[] = {
      {"ClosePort", [](TPortControl& p) { return p.ClosePort(); }, -1, "Port was not opened!\nError = -1"},
      {"StartSession", [](TPortControl& p) { return p.StartSession(false); }, -1, "Port was not opened!\nError = -1"},
      {"EndSession", [](TPortControl& p) { return p.EndSession(false); }, -1, "Port was not opened!\nError = -1"},
      {"WriteData", [&](TPortControl& p) { return p.WriteData("x", 1, &count); }, -1,
       "Port was not opened.\nError = -1"},
      {"ReadData", [&](TPortControl& p) { return p.ReadData(buffer, 4, &count); }, -1,
       "Port was not opened!\nError = -1"},
      {"ClearError", [](TPortControl& p) { return p.ClearError(); }, -1, "Port was not opened!\nError = -1"},
      {"SetPortTimeouts", [](TPortControl& p) { return p.SetPortTimeouts(); }, -1,
       "Port was not opened!\nError = -1"},
      {"EscapeCommFunction", [](TPortControl& p) { return p.EscapeCommFunction(SETDTR); }, -1,
       "Port was not opened!\nError = -1"},
      {"ClearBuffers", [](TPortControl& p) { return p.ClearBuffers(PURGE_RXCLEAR); }, -1,
       "Port was not opened!\nError = -1"},
  };
  for (const Refusal& row : rows) ExpectRefusal(port_, row);
}

TEST_F(PortControlTest, OpenPortWithoutSessionRefusesWithMinusTwentyOne) {
  ASSERT_EQ(port_.OpenPort(), 0);
  char buffer[4];
  unsigned long count = 0;
  const Refusal rows[] = {
      {"WriteData", [&](TPortControl& p) { return p.WriteData("x", 1, &count); }, -21,
       "Session was not opened.\nError = -21"},
      {"ReadData", [&](TPortControl& p) { return p.ReadData(buffer, 4, &count); }, -21,
       "Session was not opened!!\nError = -21"},
      {"EndSession", [](TPortControl& p) { return p.EndSession(false); }, -21,
       "Session was not opened!\nError = -21"},
      {"ClearError", [](TPortControl& p) { return p.ClearError(); }, -21, "Session was not opened\nError = -21"},
      {"EscapeCommFunction", [](TPortControl& p) { return p.EscapeCommFunction(SETDTR); }, -21,
       "Session was not opened.\nError = -21"},
      {"ClearBuffers", [](TPortControl& p) { return p.ClearBuffers(PURGE_RXCLEAR); }, -21,
       "Session was not opened.\nError = -21"},
  };
  for (const Refusal& row : rows) ExpectRefusal(port_, row);
  ASSERT_EQ(port_.StartSession(false), 0);
  ExpectRefusal(port_, {"StartSession", [](TPortControl& p) { return p.StartSession(false); }, -16,
                        "Session was opened!\nError = -16"});
}

TEST_F(PortControlTest, OpeningAnOpenPortKeepsTheLastError) {
  ASSERT_EQ(port_.OpenPort(), 0);
  EXPECT_EQ(port_.LastErrorText(), "");
  port_.FLastError = 5;
  EXPECT_EQ(port_.OpenPort(), -20);
  EXPECT_EQ(port_.LastError(), 5u);
  EXPECT_EQ(port_.LastErrorText(), "Port was opened!\nError = -20");
}

TEST_F(PortControlTest, RefusalWithoutDescriptionsLeavesTheText) {
  port_.SetNumPort("COM200");
  ASSERT_EQ(port_.OpenPort(), -2);  // a port this machine lacks
  const std::string text = port_.LastErrorText();
  EXPECT_NE(text.find("\nError = " + Hex(port_.LastError())), std::string::npos) << text;
  port_.EnableDescr = false;
  EXPECT_EQ(port_.ClosePort(), -1);
  EXPECT_EQ(port_.LastErrorText(), text);
  port_.SetNumPort("COM201");
  EXPECT_EQ(port_.OpenPort(), -2);
  EXPECT_NE(port_.LastError(), 0u);
  EXPECT_EQ(port_.LastErrorText(), text);
}

TEST(PortControlErrorString, SystemTextThenTheCodeInHex) {
  struct Row {
    uint32_t code, shown;
  } rows[] = {{ERROR_FILE_NOT_FOUND, ERROR_FILE_NOT_FOUND},
              {0x80080005, 0x5},  // facility 8 keeps its low 16 bits
              {0x80070005, 0x80070005},
              {0xDEAD, 0xDEAD}};  // no system text
  TPortControl port;
  for (const Row& row : rows) {
    char message[1024] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, row.shown, 0x400, message,
                   sizeof message, nullptr);
    port.ErrorString(row.code);
    EXPECT_EQ(port.LastErrorText(), std::string(message) + "\nError = " + Hex(row.shown)) << Hex(row.code);
  }
}

TEST(PortControlSetNumPort, AcceptsComAndANumberThePlatformHas) {
  using portcontrol::Platform;
  struct Row {
    const char* value;
    Platform platform;
    const char* accepted;  // nullptr: refused
  } rows[] = {
      {"com12", Platform::WindowsNT, "COM12"}, {"cOm3", Platform::WindowsNT, "COM3"},
      {"COM256", Platform::WindowsNT, "COM256"}, {"COM257", Platform::WindowsNT, nullptr},
      {"COM0", Platform::WindowsNT, nullptr},    {"COM", Platform::WindowsNT, nullptr},
      {"COMx", Platform::WindowsNT, nullptr},    {"COM1x", Platform::WindowsNT, nullptr},
      {"LPT1", Platform::WindowsNT, nullptr},    {"COM9", Platform::Windows9x, "COM9"},
      {"COM10", Platform::Windows9x, nullptr},   {"COM1", Platform::Other, nullptr},
  };
  for (const Row& row : rows) {
    auto accepted = portcontrol::AcceptedPortName(row.value, row.platform);
    EXPECT_EQ(accepted.value_or("refused"), row.accepted ? row.accepted : "refused") << row.value;
  }
  TPortControl port;
  port.SetNumPort("com7");
  port.SetNumPort("COM0");
  EXPECT_EQ(port.Port(), "COM7");  // this machine is of the NT family
}

TEST_F(PortControlTest, PortNameIsKeptWhileOpen) {
  ASSERT_EQ(port_.OpenPort(), 0);
  port_.SetNumPort("COM3");
  EXPECT_EQ(port_.Port(), "COM12");
}

TEST_F(PortControlTest, SessionRaisesPriorityAndWritesBufferedAndByteByByte) {
  const DWORD priorityClass = GetPriorityClass(GetCurrentProcess());
  const int threadPriority = GetThreadPriority(GetCurrentThread());
  OpenSession();
  EXPECT_EQ(GetPriorityClass(GetCurrentProcess()), static_cast<DWORD>(REALTIME_PRIORITY_CLASS));
  EXPECT_EQ(GetThreadPriority(GetCurrentThread()), THREAD_PRIORITY_TIME_CRITICAL);

  for (bool buffered : {true, false}) {
    port_.Buffering = buffered;
    unsigned long written = 0;
    ASSERT_EQ(port_.WriteData("\x02hello\xff", 7, &written), 0) << port_.LastErrorText();
    EXPECT_EQ(written, 7u);
    EXPECT_EQ(PeerReceives(7), "\x02hello\xff") << "buffered " << buffered;
  }
  EXPECT_EQ(port_.EndSession(false), 0);
  EXPECT_EQ(GetPriorityClass(GetCurrentProcess()), priorityClass);
  EXPECT_EQ(GetThreadPriority(GetCurrentThread()), threadPriority);
}

TEST_F(PortControlTest, ReadTakesWhatCameOrWaitsForTheEndCharacter) {
  OpenSession();
  struct Row {
    bool waitEndChar;
    const char* sent;
    unsigned long size;
    int32_t code;
    const char* read;
  } rows[] = {
      {false, "ab\n", 8, 0, "ab\n"},
      {false, "", 8, 0, ""},  // a timeout is no failure
      {true, "ab\n", 3, 0, "ab\n"},  // the end character as the last byte that fits
      {true, "a\nb", 8, 0, "a\n"},
      {true, "abc", 3, -19, "abc"},  // buffer full without it
      {true, "ab", 8, -19, "ab"},  // timeout before it
  };
  port_.EndChar = '\n';
  for (const Row& row : rows) {
    ASSERT_EQ(port_.ClearBuffers(PURGE_RXCLEAR), 0);
    port_.WaitEndChar = row.waitEndChar;
    PeerSends(row.sent);
    char buffer[8] = {};
    unsigned long read = 99;
    EXPECT_EQ(port_.ReadData(buffer, row.size, &read), row.code) << row.sent;
    EXPECT_EQ(std::string(buffer, read), row.read) << row.sent;
    EXPECT_EQ(port_.LastErrorText(), row.code ? "End character is absent.\nError = -19" : "") << row.sent;
    EXPECT_EQ(port_.LastError(), 0u) << row.sent;
  }
}

TEST_F(PortControlTest, FailedSessionStartRestoresThePriorities) {
  const DWORD priorityClass = GetPriorityClass(GetCurrentProcess());
  const int threadPriority = GetThreadPriority(GetCurrentThread());
  ASSERT_EQ(port_.OpenPort(), 0);
  CloseHandle(port_.FHandle);
  port_.FHandle = CreateEventA(nullptr, FALSE, FALSE, nullptr);  // the purge, after the priorities went up, fails
  EXPECT_EQ(port_.StartSession(true), -15);
  EXPECT_NE(port_.LastError(), 0u);
  EXPECT_EQ(GetPriorityClass(GetCurrentProcess()), priorityClass);
  EXPECT_EQ(GetThreadPriority(GetCurrentThread()), threadPriority);
  EXPECT_EQ(port_.EndSession(false), -21);
  EXPECT_EQ(port_.ClosePort(), -6);
}

TEST_F(PortControlTest, FailedCloseAnswersTheFirstFailureAndReleasesThePort) {
  ASSERT_EQ(port_.OpenPort(), 0);
  CloseHandle(port_.FHandle);
  port_.FHandle = CreateEventA(nullptr, FALSE, FALSE, nullptr);  // flush and purge fail
  EXPECT_EQ(port_.ClosePort(), -6);
  EXPECT_EQ(port_.FHandle, nullptr);
  port_.EnableDescr = false;
  EXPECT_EQ(port_.OpenPort(), 0);  // success clears the error whatever EnableDescr
  EXPECT_EQ(port_.LastError(), 0u);
  EXPECT_EQ(port_.LastErrorText(), "");
}

TEST_F(PortControlTest, FailedSetUpAfterOpeningReleasesThePort) {
  const char* portsDir = std::getenv("LUMERO_PORTS_DIR");
  ASSERT_NE(portsDir, nullptr);
  const std::string file = std::string("Z:") + portsDir + "/com10";
  HANDLE plain = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(plain, INVALID_HANDLE_VALUE) << file;
  CloseHandle(plain);

  port_.SetNumPort("COM10");
  EXPECT_EQ(port_.OpenPort(), -3);  // a file has no port state
  EXPECT_EQ(port_.FHandle, nullptr);
  EXPECT_EQ(port_.OpenPort(), -3);  // not -20: nothing is held
  DeleteFileA(file.c_str());
}

}  // namespace
