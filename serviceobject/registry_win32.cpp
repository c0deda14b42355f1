#include <windows.h>

#include "serviceobject/registry.h"

namespace service::registry {
namespace {

static_assert(RightQueryValue == KEY_QUERY_VALUE && RightSetValue == KEY_SET_VALUE && RightRead == KEY_READ);
static_assert(TypeString == REG_SZ && TypeDword == REG_DWORD);

HKEY AsHkey(RegistryKey key) { return reinterpret_cast<HKEY>(key); }

}  // namespace

RegistryKey MachineKey() { return reinterpret_cast<RegistryKey>(HKEY_LOCAL_MACHINE); }

RegistryKey OpenKey(RegistryKey parent, const char* path, uint32_t rights) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(AsHkey(parent), path, 0, rights, &key) != ERROR_SUCCESS) return NoKey;
  return reinterpret_cast<RegistryKey>(key);
}

bool QueryValue(RegistryKey key, const char* name, uint32_t& type, void* buffer, uint32_t& size) {
  DWORD valueType = 0;
  DWORD valueSize = size;
  if (RegQueryValueExA(AsHkey(key), name, nullptr, &valueType, static_cast<BYTE*>(buffer), &valueSize) !=
      ERROR_SUCCESS)
    return false;
  type = valueType;
  size = valueSize;
  return true;
}

bool SetDwordValue(RegistryKey key, const char* name, uint32_t value) {
  const DWORD data = value;
  return RegSetValueExA(AsHkey(key), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data) ==
         ERROR_SUCCESS;
}

void CloseKey(RegistryKey key) { RegCloseKey(AsHkey(key)); }

}  // namespace service::registry
