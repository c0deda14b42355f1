#pragma once
// The registry as the service object needs it, below HKEY_LOCAL_MACHINE.
// Two backends: the Win32 registry (the product) and an in-memory one for
// host tests (registry_memory.h). Numbers are those of the Win32 API.
#include <cstdint>

namespace service::registry {

using RegistryKey = uintptr_t;
inline constexpr RegistryKey NoKey = 0;

// Access rights.
inline constexpr uint32_t RightQueryValue = 0x0001;  // KEY_QUERY_VALUE
inline constexpr uint32_t RightSetValue = 0x0002;    // KEY_SET_VALUE
inline constexpr uint32_t RightRead = 0x20019;       // KEY_READ

// Value types.
inline constexpr uint32_t TypeString = 1;  // REG_SZ
inline constexpr uint32_t TypeDword = 4;   // REG_DWORD

// HKEY_LOCAL_MACHINE: a parent for OpenKey, never closed.
RegistryKey MachineKey();

// Opens `path` below `parent`; NoKey when it is missing or refuses `rights`.
RegistryKey OpenKey(RegistryKey parent, const char* path, uint32_t rights);

// Copies value `name` into `buffer` of `size` bytes. False when the value is
// missing or larger than the buffer; otherwise `type` is its type and `size`
// the number of bytes written (a string may come without its terminator).
bool QueryValue(RegistryKey key, const char* name, uint32_t& type, void* buffer, uint32_t& size);

bool SetDwordValue(RegistryKey key, const char* name, uint32_t value);

void CloseKey(RegistryKey key);

// A key that is closed when it goes out of scope.
class ScopedKey {
 public:
  ScopedKey(RegistryKey parent, const char* path, uint32_t rights) : key_(OpenKey(parent, path, rights)) {}
  ~ScopedKey() { Close(); }
  ScopedKey(const ScopedKey&) = delete;
  ScopedKey& operator=(const ScopedKey&) = delete;

  explicit operator bool() const { return key_ != NoKey; }
  RegistryKey Get() const { return key_; }
  void Close() {
    if (key_ != NoKey) CloseKey(key_);
    key_ = NoKey;
  }

 private:
  RegistryKey key_;
};

}  // namespace service::registry
