#include "serviceobject/registry_values.h"

#include <cstring>

namespace service::registry {

bool ReadText(RegistryKey key, const char* name, char* buffer, size_t capacity, uint32_t& type) {
  if (capacity == 0) return false;
  buffer[0] = '\0';
  uint32_t size = static_cast<uint32_t>(capacity);
  if (!QueryValue(key, name, type, buffer, size)) return false;
  if (std::memchr(buffer, '\0', size) != nullptr) return true;
  if (size >= capacity) {
    buffer[0] = '\0';
    return false;
  }
  buffer[size] = '\0';
  return true;
}

bool ReadDword(RegistryKey key, const char* name, uint32_t& value, uint32_t& type) {
  uint8_t bytes[sizeof value] = {};
  uint32_t size = sizeof bytes;
  if (!QueryValue(key, name, type, bytes, size)) return false;
  std::memcpy(&value, bytes, sizeof value);
  return true;
}

}  // namespace service::registry
