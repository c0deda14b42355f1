#include "seeded_port_devices.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace lumero::test {
namespace {

const std::wstring kPortsRoot = L"System\\CurrentControlSet\\Enum\\Root\\PORTS\\";
constexpr wchar_t kPortsClass[] = L"{4D36E978-E325-11CE-BFC1-08002BE10318}";

void SetText(const std::wstring& key, const wchar_t* name, const std::wstring& text) {
  ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, key.c_str(), name, REG_SZ, text.c_str(),
                            static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))),
            ERROR_SUCCESS)
      << "cannot write " << std::string(key.begin(), key.end());
}

}  // namespace

SeededPortDevices::~SeededPortDevices() {
  for (const std::wstring& instance : std::vector<std::wstring>(added_)) Remove(instance);
}

void SeededPortDevices::Add(const std::wstring& instance, const std::wstring& port_name) {
  const std::wstring key = kPortsRoot + instance;
  SetText(key, L"ClassGUID", kPortsClass);
  SetText(key + L"\\Device Parameters", L"PortName", port_name);
  added_.push_back(instance);
}

void SeededPortDevices::Remove(const std::wstring& instance) {
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, (kPortsRoot + instance).c_str());
  RegDeleteKeyW(HKEY_LOCAL_MACHINE, (kPortsRoot + instance).c_str());
  added_.erase(std::remove(added_.begin(), added_.end(), instance), added_.end());
}

}  // namespace lumero::test
