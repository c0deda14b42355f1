// The registry for host tests: a map of keys, with handles that remember the
// rights they were opened with so that a member using the wrong rights fails
// here as it would on Windows.
#include <cstring>
#include <iterator>
#include <map>
#include <set>

#include "serviceobject/registry.h"
#include "serviceobject/registry_memory.h"

namespace service::registry {
namespace {

struct Value {
  uint32_t type;
  std::string bytes;
};

struct Key {
  bool unopenable = false;
  std::map<std::string, Value> values;
  std::set<std::string> unsettable;
};

struct Handle {
  std::string path;
  uint32_t rights;
};

constexpr RegistryKey MachineHandle = 1;

struct Store {
  std::map<std::string, Key> keys;
  std::map<RegistryKey, Handle> handles;
  RegistryKey nextHandle = MachineHandle + 1;
};

Store& TheStore() {
  static Store store;
  return store;
}

std::string Lower(const std::string& text) {
  std::string lower = text;
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return lower;
}

Key& PutKeyPath(const std::string& path) {
  const std::string lower = Lower(path);
  for (size_t cut = lower.find('\\'); cut != std::string::npos; cut = lower.find('\\', cut + 1))
    TheStore().keys[lower.substr(0, cut)];
  return TheStore().keys[lower];
}

Key* FindKey(const std::string& path) {
  auto it = TheStore().keys.find(Lower(path));
  return it == TheStore().keys.end() ? nullptr : &it->second;
}

const Handle* FindHandle(RegistryKey key) {
  auto it = TheStore().handles.find(key);
  return it == TheStore().handles.end() ? nullptr : &it->second;
}

// The key behind an open handle that carries `right`, or nullptr.
Key* KeyWithRight(RegistryKey key, uint32_t right) {
  const Handle* handle = FindHandle(key);
  if (handle == nullptr || (handle->rights & right) == 0) return nullptr;
  return FindKey(handle->path);
}

}  // namespace

RegistryKey MachineKey() { return MachineHandle; }

RegistryKey OpenKey(RegistryKey parent, const char* path, uint32_t rights) {
  std::string full;
  if (parent == MachineHandle) {
    full = path;
  } else {
    const Handle* handle = FindHandle(parent);
    if (handle == nullptr) return NoKey;
    full = handle->path + "\\" + path;
  }
  const Key* key = FindKey(full);
  if (key == nullptr || key->unopenable) return NoKey;
  Store& store = TheStore();
  store.handles[store.nextHandle] = {Lower(full), rights};
  return store.nextHandle++;
}

bool QueryValue(RegistryKey key, const char* name, uint32_t& type, void* buffer, uint32_t& size) {
  const Key* found = KeyWithRight(key, RightQueryValue);
  if (found == nullptr) return false;
  auto it = found->values.find(Lower(name));
  if (it == found->values.end() || it->second.bytes.size() > size) return false;
  std::memcpy(buffer, it->second.bytes.data(), it->second.bytes.size());
  type = it->second.type;
  size = static_cast<uint32_t>(it->second.bytes.size());
  return true;
}

bool SetDwordValue(RegistryKey key, const char* name, uint32_t value) {
  Key* found = KeyWithRight(key, RightSetValue);
  if (found == nullptr || found->unsettable.count(Lower(name)) != 0) return false;
  std::string bytes(sizeof value, '\0');
  std::memcpy(bytes.data(), &value, sizeof value);
  found->values[Lower(name)] = {TypeDword, bytes};
  return true;
}

void CloseKey(RegistryKey key) { TheStore().handles.erase(key); }

namespace memory {

void Clear() { TheStore() = Store{}; }

void PutKey(const std::string& path) { PutKeyPath(path); }

void PutString(const std::string& path, const std::string& name, const std::string& text) {
  PutValue(path, name, TypeString, text + '\0');
}

void PutDword(const std::string& path, const std::string& name, uint32_t value) {
  std::string bytes(sizeof value, '\0');
  std::memcpy(bytes.data(), &value, sizeof value);
  PutValue(path, name, TypeDword, bytes);
}

void PutValue(const std::string& path, const std::string& name, uint32_t type, const std::string& bytes) {
  PutKeyPath(path).values[Lower(name)] = {type, bytes};
}

void RemoveKey(const std::string& path) {
  const std::string lower = Lower(path);
  auto& keys = TheStore().keys;
  for (auto it = keys.begin(); it != keys.end();) {
    const bool below = it->first.size() > lower.size() && it->first.compare(0, lower.size(), lower) == 0 &&
                       it->first[lower.size()] == '\\';
    it = it->first == lower || below ? keys.erase(it) : std::next(it);
  }
}

void RemoveValue(const std::string& path, const std::string& name) {
  if (Key* key = FindKey(path)) key->values.erase(Lower(name));
}

void SetKeyUnopenable(const std::string& path, bool unopenable) { PutKeyPath(path).unopenable = unopenable; }

void SetValueUnsettable(const std::string& path, const std::string& name, bool unsettable) {
  std::set<std::string>& names = PutKeyPath(path).unsettable;
  if (unsettable)
    names.insert(Lower(name));
  else
    names.erase(Lower(name));
}

std::optional<uint32_t> DwordValue(const std::string& path, const std::string& name) {
  const Key* key = FindKey(path);
  if (key == nullptr) return std::nullopt;
  auto it = key->values.find(Lower(name));
  if (it == key->values.end() || it->second.type != TypeDword || it->second.bytes.size() != sizeof(uint32_t))
    return std::nullopt;
  uint32_t value;
  std::memcpy(&value, it->second.bytes.data(), sizeof value);
  return value;
}

int OpenKeyCount() { return static_cast<int>(TheStore().handles.size()); }

}  // namespace memory
}  // namespace service::registry
