// Proves the Wine test bed: the code pages of a Ukrainian Windows, a display
// for windows, and COM ports that reach a pseudo-terminal byte for byte.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

class Port {
public:
  explicit Port(const std::string& name)
      : handle_(CreateFileA(("\\\\.\\" + name).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                            nullptr, OPEN_EXISTING, 0, nullptr)) {}
  ~Port() {
    if (is_open()) CloseHandle(handle_);
  }
  Port(const Port&) = delete;
  Port& operator=(const Port&) = delete;

  bool is_open() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE handle() const { return handle_; }

private:
  HANDLE handle_;
};

bool configure(HANDLE port) {
  DCB dcb{};
  dcb.DCBlength = sizeof dcb;
  if (!GetCommState(port, &dcb)) return false;
  dcb.BaudRate = CBR_115200;
  dcb.ByteSize = 8;
  dcb.Parity = NOPARITY;
  dcb.StopBits = ONESTOPBIT;
  dcb.fBinary = TRUE;
  dcb.fOutX = dcb.fInX = FALSE;
  COMMTIMEOUTS timeouts{0, 0, 100, 0, 0};
  return SetCommState(port, &dcb) && SetCommTimeouts(port, &timeouts);
}

}  // namespace

// A run under another ANSI code page names it, so that it cannot pass without
// having had it.
TEST(WineBed, AnsiAndOemCodePagesAreCyrillic) {
  if (const char* asked = std::getenv("LUMERO_WINE_ACP")) {
    EXPECT_EQ(GetACP(), std::strtoul(asked, nullptr, 10));
    return;
  }
  EXPECT_EQ(GetACP(), 1251u);
  EXPECT_EQ(GetOEMCP(), 866u);
}

TEST(WineBed, WindowsCanBeCreated) {
  HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr,
                                nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr) << "error " << GetLastError();
  DestroyWindow(window);
}

TEST(WineBed, NullModemPairCarriesEveryByteValue) {
  const char* pair = std::getenv("LUMERO_NULL_MODEM");
  if (pair == nullptr) GTEST_SKIP() << "not run through scripts/wine-env";
  std::string near_name, far_name;
  std::istringstream(pair) >> near_name >> far_name;

  Port near_end(near_name), far_end(far_name);
  ASSERT_TRUE(near_end.is_open()) << near_name << " error " << GetLastError();
  ASSERT_TRUE(far_end.is_open()) << far_name << " error " << GetLastError();
  ASSERT_TRUE(configure(near_end.handle()));
  ASSERT_TRUE(configure(far_end.handle()));

  std::vector<unsigned char> sent(256);
  for (size_t i = 0; i < sent.size(); ++i) sent[i] = static_cast<unsigned char>(i);
  DWORD written = 0;
  ASSERT_TRUE(WriteFile(near_end.handle(), sent.data(), static_cast<DWORD>(sent.size()),
                        &written, nullptr));
  ASSERT_EQ(written, sent.size());

  std::vector<unsigned char> received;
  for (int empty_reads = 0; received.size() < sent.size() && empty_reads < 20;) {
    unsigned char buffer[256];
    DWORD got = 0;
    ASSERT_TRUE(ReadFile(far_end.handle(), buffer, sizeof buffer, &got, nullptr));
    if (got == 0) ++empty_reads;
    received.insert(received.end(), buffer, buffer + got);
  }
  EXPECT_EQ(received, sent);
}
