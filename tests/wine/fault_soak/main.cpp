// fault_soak [--seed N] [--rate N] [--documents N] [--max-attempts N]
//            [--kinds KIND,KIND...]: rings documents up through the service
// object that the OPOS registry names while the simulated printer (control
// port in LUMERO_SIM_CONTROL) misbehaves on one request in N, and prints the
// soak report. Exits 0 when it passes, 1 when it fails, 2 when it cannot run,
// 3 when a member call hangs.
#include <fcntl.h>
#include <io.h>
#include <objbase.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <optional>
#include <string>

#include "printersim/command_text.h"
#include "soak.h"

namespace {

void PrintTo(FILE* stream, const std::string& line) {
  std::fwrite(line.data(), 1, line.size(), stream);
  std::fputc('\n', stream);
  std::fflush(stream);
}

std::vector<std::string> Split(const std::string& list) {
  std::vector<std::string> words;
  for (size_t start = 0; start <= list.size();) {
    const size_t comma = std::min(list.find(',', start), list.size());
    if (comma > start) words.push_back(list.substr(start, comma - start));
    start = comma + 1;
  }
  return words;
}

bool ParseArguments(int argc, char** argv, faultsoak::Settings& settings) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string option = argv[i], value = argv[i + 1];
    const std::optional<unsigned long long> number = printersim::ParseNumber(value);
    if (option == "--kinds")
      settings.faultKinds = Split(value);
    else if (!number || *number > 1'000'000'000)
      return false;
    else if (option == "--seed")
      settings.seed = *number;
    else if (option == "--rate")
      settings.rate = static_cast<unsigned>(*number);
    else if (option == "--documents")
      settings.documents = static_cast<int>(*number);
    else if (option == "--max-attempts" && *number > 0)
      settings.maxAttempts = static_cast<int>(*number);
    else
      return false;
  }
  return argc % 2 == 1;
}

int Run(const faultsoak::Settings& settings) {
  const char* port = std::getenv("LUMERO_SIM_CONTROL");
  const auto number = port ? printersim::ParseNumber(port) : std::nullopt;
  if (!number || *number > 65535) {
    std::fprintf(stderr, "fault_soak: LUMERO_SIM_CONTROL names no control port\n");
    return 2;
  }
  printersim::ControlClient printer(static_cast<uint16_t>(*number));
  const faultsoak::Findings findings = faultsoak::RunSoak(
      settings, printer, [](const std::string& line) { PrintTo(stdout, line); },
      [](const std::string& line) { PrintTo(stderr, "fault_soak: " + line); });
  return findings.Passed() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  _setmode(_fileno(stdout), _O_BINARY);  // "\n" stays "\n" for Linux readers
  faultsoak::Settings settings;
  settings.faultKinds = faultsoak::kAllFaultKinds;
  if (!ParseArguments(argc, argv, settings)) {
    std::fprintf(stderr,
                 "usage: fault_soak [--seed N] [--rate N] [--documents N] [--max-attempts N] [--kinds K,K...]\n");
    return 2;
  }
  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 2;
  int status = 2;
  try {
    status = Run(settings);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "fault_soak: %s\n", error.what());
  }
  CoUninitialize();
  return status;
}
