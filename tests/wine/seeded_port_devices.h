#pragma once
// Serial port devices of the setup class "Ports", seeded in the registry
// where the system lists its devices. Programs that seed them hold the CTest
// lock ports_registry.
#include <windows.h>

#include <string>
#include <vector>

namespace lumero::test {

class SeededPortDevices {
 public:
  SeededPortDevices() = default;
  ~SeededPortDevices();  // removes every device it added
  SeededPortDevices(const SeededPortDevices&) = delete;
  SeededPortDevices& operator=(const SeededPortDevices&) = delete;

  // A device "Root\PORTS\<instance>" whose port name is `port_name`.
  void Add(const std::wstring& instance, const std::wstring& port_name);
  void Remove(const std::wstring& instance);

 private:
  std::vector<std::wstring> added_;
};

}  // namespace lumero::test
