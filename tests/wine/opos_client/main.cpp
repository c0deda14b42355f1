// oposclient [--expect-success] [--time] SCENARIO_FILE: runs a scenario
// against the service object the OPOS registry names, as the Control Object
// would. --time starts each line with its step's start (from the first
// step's) and length, in microseconds.
#include <fcntl.h>
#include <io.h>
#include <objbase.h>

#include <cinttypes>
#include <cstdio>
#include <exception>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "runner.h"
#include "scenario.h"
#include "text.h"

namespace {

// A console shows UTF-16; anything else gets the UTF-8 bytes.
void PrintLine(const std::string& line) {
  const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD mode = 0;
  if (GetConsoleMode(out, &mode)) {
    const std::wstring text = oposclient::Utf8ToWide(line) + L"\n";
    DWORD written = 0;
    WriteConsoleW(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    return;
  }
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

int Usage() {
  std::fprintf(stderr, "usage: oposclient [--expect-success] [--time] SCENARIO_FILE\n");
  return oposclient::kScenarioError;
}

int Main(int argc, char** argv) {
  bool expect_success = false, timed = false;
  const char* path = nullptr;
  for (int i = 1; i < argc; ++i) {
    if (std::string(argv[i]) == "--expect-success")
      expect_success = true;
    else if (std::string(argv[i]) == "--time")
      timed = true;
    else if (path == nullptr)
      path = argv[i];
    else
      return Usage();
  }
  if (path == nullptr) return Usage();

  std::ifstream file(path, std::ios::binary);
  if (!file) {
    std::fprintf(stderr, "oposclient: cannot read %s\n", path);
    return oposclient::kScenarioError;
  }
  std::ostringstream text;
  text << file.rdbuf();
  std::vector<oposclient::Step> steps;
  try {
    steps = oposclient::ParseScenario(text.str());
  } catch (const oposclient::ScenarioError& error) {
    std::fprintf(stderr, "oposclient: %s: %s\n", path, error.what());
    return oposclient::kScenarioError;
  }

  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return oposclient::kScenarioError;
  int status = oposclient::kScenarioError;
  {
    // A step's lines wait for its timing, so printing stays out of it.
    std::vector<std::string> pending;
    oposclient::Runner::Print print = PrintLine;
    oposclient::Runner::Timed on_timed;
    if (timed) {
      print = [&pending](const std::string& line) { pending.push_back(line); };
      on_timed = [&pending](int64_t start, int64_t elapsed) {
        char head[48];
        std::snprintf(head, sizeof head, "%10" PRId64 " %9" PRId64 "  ", start, elapsed);
        for (const std::string& line : pending) PrintLine(head + line);
        pending.clear();
      };
    }
    oposclient::Runner runner(print, expect_success, on_timed);
    status = runner.Run(steps);
    for (const std::string& line : pending) PrintLine(line);
  }
  CoUninitialize();
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  _setmode(_fileno(stdout), _O_BINARY);  // "\n" stays "\n" for Linux readers
  try {
    return Main(argc, argv);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "oposclient: %s\n", error.what());
    return oposclient::kScenarioError;
  }
}
