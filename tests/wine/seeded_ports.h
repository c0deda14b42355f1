#pragma once
// Port devices of the setup class "Ports", seeded where the system lists its
// devices and removed again. Programs that seed them hold the CTest lock
// ports_registry.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

// Port devices Root\PORTS\<first>, <first + 1>, ... with these names;
// nullopt: a device without a "PortName".
class SeededPorts {
 public:
  explicit SeededPorts(const std::vector<std::optional<std::string>>& names, unsigned first = 0) {
    for (const std::optional<std::string>& name : names) {
      char instance[8];
      std::snprintf(instance, sizeof instance, "%04u", first + static_cast<unsigned>(instances_.size()));
      const std::string path = std::string(SeedRoot) + "\\" + instance;
      instances_.push_back(path);
      HKEY key = nullptr;
      EXPECT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                &key, nullptr),
                ERROR_SUCCESS);
      const char classGuid[] = "{4D36E978-E325-11CE-BFC1-08002BE10318}";
      RegSetValueExA(key, "ClassGUID", 0, REG_SZ, reinterpret_cast<const BYTE*>(classGuid), sizeof classGuid);
      HKEY parameters = nullptr;
      RegCreateKeyExA(key, "Device Parameters", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &parameters, nullptr);
      if (name)
        RegSetValueExA(parameters, "PortName", 0, REG_SZ, reinterpret_cast<const BYTE*>(name->c_str()),
                       static_cast<DWORD>(name->size() + 1));
      RegCloseKey(parameters);
      RegCloseKey(key);
    }
  }
  ~SeededPorts() {
    for (const std::string& path : instances_) {
      RegDeleteTreeA(HKEY_LOCAL_MACHINE, path.c_str());
      RegDeleteKeyA(HKEY_LOCAL_MACHINE, path.c_str());
    }
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, SeedRoot);  // only when nothing else is left in it
  }
  SeededPorts(const SeededPorts&) = delete;
  SeededPorts& operator=(const SeededPorts&) = delete;

 private:
  static constexpr const char* SeedRoot = "System\\CurrentControlSet\\Enum\\Root\\PORTS";
  std::vector<std::string> instances_;
};
