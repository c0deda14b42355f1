#pragma once
// TPortControl: one Windows serial port. Opening and configuring it, a
// session at real-time priority with the read and write code locked in
// memory, reads and writes, purges, escape functions, timeouts, and the UART
// FIFO settings kept in the port's device registry key. Every operation
// answers 0 (the FIFO queries: the value read) or a negative code of
// port_result.
#include <windows.h>

#include <cstdint>
#include <string>

// The five fields of COMMTIMEOUTS, in milliseconds.
struct T1CommTimeouts {
  int32_t ReadIntervalTimeout = 0;
  int32_t ReadTotalTimeoutMultiplier = 0;
  int32_t ReadTotalTimeoutConstant = 1000;
  int32_t WriteTotalTimeoutMultiplier = 0;
  int32_t WriteTotalTimeoutConstant = 0;
};

// Each enumerator's value is what it puts into the DCB.
enum class dtrcontrol : uint8_t { DTR_DISABLE = 0, DTR_ENABLE = 1, DTR_HANDSHAKE = 2 };
enum class rtscontrol : uint8_t { RTS_DISABLE = 0, RTS_ENABLE = 1, RTS_HANDSHAKE = 2 };
enum class databit : uint8_t { Bits5 = 5, Bits6 = 6, Bits7 = 7, Bits8 = 8 };
enum class speed : uint32_t {
  S256000 = 256000,
  S128000 = 128000,
  S115200 = 115200,
  S057600 = 57600,
  S056000 = 56000,
  S038400 = 38400,
  S019200 = 19200,
  S011400 = 11400,  // as named: 11400, not 14400
  S009600 = 9600,
  S004800 = 4800,
  S002400 = 2400,
  S001200 = 1200,
  S000600 = 600,
  S000300 = 300,
  S000110 = 110
};
enum class parity : uint8_t { NO = 0, EVEN = 2, MARK = 3, ODD = 1 };
enum class stopbits : uint8_t { ONE = 0, ONE5 = 1, TWO = 2 };

namespace port_result {
inline constexpr int32_t Success = 0;
inline constexpr int32_t NotOpen = -1;
inline constexpr int32_t OpenFailed = -2;
inline constexpr int32_t GetStateFailed = -3;
inline constexpr int32_t SetStateFailed = -4;
inline constexpr int32_t SetTimeoutsFailed = -5;
inline constexpr int32_t FlushFailed = -6;
inline constexpr int32_t CloseFailed = -7;
inline constexpr int32_t GetPriorityClassFailed = -8;
inline constexpr int32_t SetPriorityClassFailed = -9;
inline constexpr int32_t GetThreadPriorityFailed = -10;
inline constexpr int32_t SetThreadPriorityFailed = -11;
inline constexpr int32_t LockFailed = -12;
inline constexpr int32_t UnlockFailed = -13;
inline constexpr int32_t ClearErrorFailed = -14;
inline constexpr int32_t PurgeFailed = -15;
inline constexpr int32_t SessionAlreadyOpen = -16;
inline constexpr int32_t ReadFailed = -17;
inline constexpr int32_t WriteFailed = -18;
inline constexpr int32_t EndCharAbsent = -19;
inline constexpr int32_t AlreadyOpen = -20;
inline constexpr int32_t NoSession = -21;
inline constexpr int32_t EscapeFailed = -22;
inline constexpr int32_t ClearBuffersFailed = -23;
inline constexpr int32_t UnknownPlatform = -24;
inline constexpr int32_t DeviceKeyFailed = -25;
inline constexpr int32_t FifoSizeNotAllowed = -26;
inline constexpr int32_t EnumerationBusy = -27;
}  // namespace port_result

class TPortControl {
 public:
  // Also makes the port enumeration idle and resolves what it needs.
  TPortControl();
  // Neither closes an open port nor ends a session.
  virtual ~TPortControl();
  TPortControl(const TPortControl&) = delete;
  TPortControl& operator=(const TPortControl&) = delete;

  virtual int32_t OpenPort();
  virtual int32_t ClosePort();
  virtual int32_t StartSession(bool purge);
  virtual int32_t EndSession(bool purge);
  virtual int32_t WriteData(const char* data, unsigned long count, unsigned long* written);
  virtual int32_t ReadData(char* buffer, unsigned long size, unsigned long* read);
  virtual int32_t ClearError();
  virtual int32_t SetPortTimeouts();
  virtual int32_t EscapeCommFunction(unsigned long function);
  virtual int32_t ClearBuffers(unsigned long flags);
  virtual int32_t EnableFIFO(bool on);
  virtual int32_t SetFIFOSize(bool receive, unsigned long size);
  virtual int32_t IsFIFOEnable();
  virtual int32_t GetFIFOSize(bool receive);

  // Port: a name such as "COM3"; bad names and changes while open are ignored.
  const std::string& Port() const { return FPort; }
  void SetNumPort(const std::string& value);

  // Timeout: reaches the port at OpenPort or SetPortTimeouts.
  T1CommTimeouts& Timeout() { return FTimeout; }
  const T1CommTimeouts& Timeout() const { return FTimeout; }
  void SetTimeout(const T1CommTimeouts& value);

  // The open registry key of the device whose "portname" is `portName`
  // (any case), or nullptr; the caller closes it.
  HKEY GetDeviceKey(const std::string& portName);
  // Sets the error text to the system's message for `code`.
  void ErrorString(uint32_t code);

  uint32_t LastError() const { return FLastError; }
  const std::string& LastErrorText() const { return FLastErrorText; }

  bool Buffering = false;  // WriteData: one buffered write, else byte by byte
  dtrcontrol DTR = dtrcontrol::DTR_HANDSHAKE;
  rtscontrol RTS = rtscontrol::RTS_HANDSHAKE;
  databit DataBits = databit::Bits8;
  speed BaudRate = speed::S009600;
  parity Parity = parity::NO;
  stopbits StopBits = stopbits::ONE;
  char EndChar = 0;
  bool WaitEndChar = false;  // ReadData reads byte by byte up to EndChar
  bool EnableDescr = false;  // keep error texts

 protected:
  const void* FLockedCode = nullptr;
  bool FSessionOpen = false;
  DWORD FSavedPriorityClass = 0;
  int FSavedThreadPriority = 0;
  std::string FPort;
  DCB FDcb{};
  COMMTIMEOUTS FCommTimeouts{};
  HANDLE FHandle = nullptr;  // nullptr: closed
  uint32_t FLastError = 0;
  std::string FLastErrorText;
  COMSTAT FComStat{};
  DWORD FCommErrors = 0;
  HMODULE FCfgMgrModule = nullptr;
  T1CommTimeouts FTimeout;

 private:
  int32_t Succeeded();
  int32_t SystemFailure(int32_t code);
  int32_t Refusal(int32_t code, const char* text);
  int32_t ReleaseAfterFailure(int32_t code);
  int32_t AbandonSessionStart(int32_t code, bool threadRaised, bool locked);
  void ApplyTimeouts();
};
