#pragma once
// Reading registry values into fixed buffers without trusting their length.
#include <cstddef>
#include <cstdint>

#include "serviceobject/registry.h"

namespace service::registry {

// Reads a text of at most `capacity` - 1 bytes and always terminates it.
// False when the value is missing, or when it fills the buffer with no room
// left for the terminator (a longer text, never a cut one). `type` is the
// value's type, for the caller to judge.
bool ReadText(RegistryKey key, const char* name, char* buffer, size_t capacity, uint32_t& type);

// Reads a value of at most four bytes; false when it is missing or longer.
bool ReadDword(RegistryKey key, const char* name, uint32_t& value, uint32_t& type);

}  // namespace service::registry
