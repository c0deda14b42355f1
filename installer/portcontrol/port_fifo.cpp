#include "installer/portcontrol/port_fifo.h"

#include <cstdint>
#include <optional>
#include <span>

#include "installer/portcontrol/port_control.h"

namespace portcontrol {
namespace {

// Where Windows 9x keeps each setting in "settings".
constexpr size_t EnableByte = 0;
constexpr BYTE EnableBit = 0x02;
constexpr size_t TransmitSizeByte = 1;
constexpr size_t ReceiveSizeByte = 3;

// The sizes allowed, with their codes in "settings" on Windows 9x; Windows NT
// also takes every transmit size between.
struct FifoSize {
  unsigned long Size;
  BYTE SettingsByte;
};
constexpr FifoSize ReceiveSizes[] = {{1, 0x00}, {4, 0x40}, {8, 0x80}, {14, 0xC0}};
constexpr FifoSize TransmitSizes9x[] = {{1, 1}, {4, 6}, {8, 11}, {16, 16}};
constexpr unsigned long LargestTransmitSizeNT = 16;

const char* SizeValueName(bool receive) { return receive ? "RxFIFO" : "TxFIFO"; }

std::span<const FifoSize> SizeCodes(bool receive) {
  return receive ? std::span<const FifoSize>(ReceiveSizes) : std::span<const FifoSize>(TransmitSizes9x);
}

std::optional<FifoSize> BySize(bool receive, unsigned long size) {
  for (const FifoSize& s : SizeCodes(receive))
    if (s.Size == size) return s;
  return std::nullopt;
}

std::optional<FifoSize> ByCode(bool receive, BYTE code) {
  for (const FifoSize& s : SizeCodes(receive))
    if (s.SettingsByte == code) return s;
  return std::nullopt;
}

std::optional<DWORD> ReadDword(HKEY key, const char* name) {
  DWORD value = 0, size = sizeof value;
  if (RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
      size != sizeof value)
    return std::nullopt;
  return value;
}

int32_t WriteDword(HKEY key, const char* name, DWORD value) {
  return RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value) ==
                 ERROR_SUCCESS
             ? port_result::Success
             : port_result::DeviceKeyFailed;
}

// The Windows 9x "settings" value as read; only its first `Length` bytes are
// the device's.
struct Settings9x {
  BYTE Bytes[100]{};
  DWORD Length = sizeof Bytes;
  DWORD Type = 0;
};

// "settings" when it holds byte `index`.
std::optional<Settings9x> ReadSettings(HKEY key, size_t index) {
  Settings9x settings;
  if (RegQueryValueExA(key, "settings", nullptr, &settings.Type, settings.Bytes, &settings.Length) !=
          ERROR_SUCCESS ||
      settings.Length <= index)
    return std::nullopt;
  return settings;
}

// Sets byte `index` of "settings" to what `change` makes of it.
template <typename Change>
int32_t ChangeSettingsByte(HKEY key, size_t index, Change change) {
  std::optional<Settings9x> settings = ReadSettings(key, index);
  if (!settings) return port_result::DeviceKeyFailed;
  settings->Bytes[index] = change(settings->Bytes[index]);
  return RegSetValueExA(key, "settings", 0, settings->Type, settings->Bytes, settings->Length) == ERROR_SUCCESS
             ? port_result::Success
             : port_result::DeviceKeyFailed;
}

}  // namespace

int32_t EnableFifo(HKEY key, Platform platform, bool on) {
  switch (platform) {
    case Platform::WindowsNT: return WriteDword(key, "ForceFifoEnable", on ? 1 : 0);
    case Platform::Windows9x:
      return ChangeSettingsByte(key, EnableByte, [on](BYTE b) -> BYTE {
        return on ? b | EnableBit : b & static_cast<BYTE>(~EnableBit);
      });
    default: return port_result::UnknownPlatform;
  }
}

int32_t SetFifoSize(HKEY key, Platform platform, bool receive, unsigned long size) {
  switch (platform) {
    case Platform::WindowsNT: {
      const bool allowed =
          receive ? BySize(receive, size).has_value() : size >= 1 && size <= LargestTransmitSizeNT;
      if (!allowed) return port_result::FifoSizeNotAllowed;
      return WriteDword(key, SizeValueName(receive), size);
    }
    case Platform::Windows9x: {
      std::optional<FifoSize> allowed = BySize(receive, size);
      if (!allowed) return port_result::FifoSizeNotAllowed;
      return ChangeSettingsByte(key, receive ? ReceiveSizeByte : TransmitSizeByte,
                                [code = allowed->SettingsByte](BYTE) { return code; });
    }
    default: return port_result::UnknownPlatform;
  }
}

int32_t IsFifoEnabled(HKEY key, Platform platform) {
  switch (platform) {
    case Platform::WindowsNT: {
      std::optional<DWORD> value = ReadDword(key, "ForceFifoEnable");
      return value ? static_cast<int32_t>(*value) : port_result::DeviceKeyFailed;
    }
    case Platform::Windows9x: {
      std::optional<Settings9x> settings = ReadSettings(key, EnableByte);
      if (!settings) return port_result::DeviceKeyFailed;
      const BYTE b = settings->Bytes[EnableByte];
      return b == EnableBit ? 1 : b == 0 ? 0 : port_result::DeviceKeyFailed;
    }
    default: return port_result::UnknownPlatform;
  }
}

int32_t GetFifoSize(HKEY key, Platform platform, bool receive) {
  switch (platform) {
    case Platform::WindowsNT: {
      std::optional<DWORD> value = ReadDword(key, SizeValueName(receive));
      return value ? static_cast<int32_t>(*value) : port_result::DeviceKeyFailed;
    }
    case Platform::Windows9x: {
      const size_t index = receive ? ReceiveSizeByte : TransmitSizeByte;
      std::optional<Settings9x> settings = ReadSettings(key, index);
      if (!settings) return port_result::DeviceKeyFailed;
      std::optional<FifoSize> size = ByCode(receive, settings->Bytes[index]);
      return size ? static_cast<int32_t>(size->Size) : port_result::DeviceKeyFailed;
    }
    default: return port_result::UnknownPlatform;
  }
}

}  // namespace portcontrol
