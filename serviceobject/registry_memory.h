#pragma once
// Test control of the in-memory registry backend. Paths are below
// HKEY_LOCAL_MACHINE; key paths and value names ignore ASCII case, as in
// the Win32 registry. Putting a value creates its key and the key's parents.
#include <cstdint>
#include <optional>
#include <string>

namespace service::registry::memory {

void Clear();
void PutKey(const std::string& path);
void PutString(const std::string& path, const std::string& name, const std::string& text);  // REG_SZ, terminated
void PutDword(const std::string& path, const std::string& name, uint32_t value);
void PutValue(const std::string& path, const std::string& name, uint32_t type, const std::string& bytes);
void RemoveKey(const std::string& path);  // with its sub-keys
void RemoveValue(const std::string& path, const std::string& name);
void SetKeyUnopenable(const std::string& path, bool unopenable);
void SetValueUnsettable(const std::string& path, const std::string& name, bool unsettable);

std::optional<uint32_t> DwordValue(const std::string& path, const std::string& name);
int OpenKeyCount();  // keys opened and not yet closed

}  // namespace service::registry::memory
