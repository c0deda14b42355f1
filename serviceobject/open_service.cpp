// OpenService: the configuration from the registry, then the starting values
// of an opened service. Nothing is sent to the printer.
#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>

#include "devicelink/logs.h"
#include "serviceobject/configuration.h"
#include "serviceobject/registry_values.h"
#include "serviceobject/results.h"
#include "serviceobject/service.h"
#include "serviceobject/service_state.h"

namespace service {
namespace {

using namespace registry;

constexpr int32_t OpenResultAlreadyOpen = 301;
constexpr int32_t OpenResultBadRegistry = 302;

constexpr const char* TextBadRegistry = "Неверная информация в реестре";
constexpr size_t FiscPrinterBytes = 300;

int32_t FailOpening(const char* text) {
  TServiceState& s = ServiceState();
  s.FOpened = 0;
  s.FOpenResult = OpenResultBadRegistry;
  s.FErrorString = text;
  return ResultBadConfiguration;
}

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= 0x20; }

std::string Trimmed(const char* text) {
  std::string trimmed = text;
  size_t last = trimmed.size();
  while (last > 0 && IsBlankOrControl(trimmed[last - 1])) --last;
  size_t first = 0;
  while (first < last && IsBlankOrControl(trimmed[first])) ++first;
  return trimmed.substr(first, last - first);
}

// At least one character after "COM", which may be in any case.
bool StartsWithComAnyCase(const std::string& name) {
  if (name.size() < 4) return false;
  for (int i = 0; i < 3; ++i)
    if (std::toupper(static_cast<unsigned char>(name[i])) != "COM"[i]) return false;
  return true;
}

bool IsSupportedSpeed(uint32_t baud) { return baud == 9600 || baud == 19200 || baud == 57600 || baud == 115200; }

// Appends to `path` of `capacity` bytes; false, with `path` unchanged, when
// it does not fit.
bool Append(char* path, size_t capacity, const char* tail) {
  const size_t used = std::strlen(path);
  const size_t extra = std::strlen(tail);
  if (used + extra >= capacity) return false;
  std::memcpy(path + used, tail, extra + 1);
  return true;
}

bool CanAppendTo(const char* path) {
  std::FILE* file = std::fopen(path, "at+");
  if (file == nullptr) return false;
  std::fclose(file);
  return true;
}

// Switches the packet log on when the device's LogFiles key asks for it.
// Missing, over-long or unusable settings leave the log as it was.
void ReadPacketLogSettings(RegistryKey deviceKey) {
  TServiceState& s = ServiceState();
  s.FPrinterCommands = 0;
  s.FPrinterCommandsPath[0] = '\0';
  const std::string logFilesPath = std::string(CurrentDeviceName()) + "\\LogFiles";
  ScopedKey logFiles(deviceKey, logFilesPath.c_str(), RightQueryValue);
  if (!logFiles) return;

  uint32_t wanted = 0, type = 0;
  if (!ReadDword(logFiles.Get(), "PrinterCommands", wanted, type) || (wanted & 0xFF) == 0) return;
  char* path = s.FPrinterCommandsPath;
  if (!ReadText(logFiles.Get(), "PrinterCommandsPath", path, PrinterCommandsPathBytes, type)) return;
  const size_t length = std::strlen(path);
  const bool endsInBackslash = length > 0 && path[length - 1] == '\\';
  if ((!endsInBackslash && !Append(path, PrinterCommandsPathBytes, "\\")) ||
      !Append(path, PrinterCommandsPathBytes, "Kavrix.dat")) {
    path[0] = '\0';
    return;
  }
  if (!CanAppendTo(path)) return;
  s.FPrinterCommands = 1;
  devicelink::SetPacketLogPath(path);
}

void PutOpenedValues() {
  TServiceState& s = ServiceState();
  s.FCheckTotal = 1;
  s.FOpened = 1;
  s.FClaimed = 0;
  s.FDeviceEnabled = 0;
  s.FDuplicateReceipt = 0;
  s.FErrorLevel = 1;
  s.FErrorState = 0;
  s.FErrorStation = 0;
  s.FDataEventEnabled = 0;
  s.FFreezeEvents = 0;
  s.FFlagWhenIdle = 0;
  s.FMessageType = 24;
  s.FPrinterState = StateMonitor;
  s.FOpenResult = 0;
  s.FResultCodeExtended = 0;
  s.FErrorString.clear();
}

}  // namespace

int32_t OpenService() {
  TServiceState& s = ServiceState();
  s.FPOSID = 0;
  s.FCashierID = 0;
  if (s.FOpened) {
    s.FOpenResult = OpenResultAlreadyOpen;
    s.FErrorString = "Service объект уже открыт";
    return ResultIllegal;
  }

  ScopedKey fiscalPrinter(MachineKey(), FiscalPrinterKeyPath, RightRead | RightSetValue);
  if (!fiscalPrinter) return FailOpening(TextServiceObjectNotOpen);
  char deviceName[FiscPrinterBytes];
  uint32_t type = 0;
  if (!ReadText(fiscalPrinter.Get(), "FiscPrinter", deviceName, sizeof deviceName, type) || type != TypeString)
    return FailOpening(TextServiceObjectNotOpen);
  int32_t model = 0;
  while (model < ModelCount && std::strcmp(deviceName, s.FModelDeviceNames[model]) != 0) ++model;
  if (model == ModelCount) return FailOpening(TextServiceObjectNotOpen);
  s.FModelIndex = model;

  ScopedKey device(fiscalPrinter.Get(), CurrentDeviceName(), RightRead | RightSetValue);
  fiscalPrinter.Close();
  if (!device) return FailOpening(TextBadRegistry);

  char port[PortNameBytes];
  if (!ReadText(device.Get(), "Port", port, sizeof port, type) || type != TypeString)
    return FailOpening(TextBadRegistry);
  s.FPortName = Trimmed(port);
  if (!StartsWithComAnyCase(s.FPortName)) return FailOpening(TextBadRegistry);

  uint32_t baud = 0;
  if (!ReadDword(device.Get(), "BaudRate", baud, type) || type != TypeDword) return FailOpening(TextBadRegistry);
  s.FBaudRate = static_cast<int32_t>(baud);
  if (!IsSupportedSpeed(baud)) return FailOpening("Неверная информация в реестре (скорость устройства)");

  ReadPacketLogSettings(device.Get());
  PutOpenedValues();
  return ResultSuccess;
}

}  // namespace service
