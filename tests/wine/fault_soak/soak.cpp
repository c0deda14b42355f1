#include "soak.h"

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <stdexcept>

#include "../opos_client/runner.h"
#include "../opos_client/scenario.h"

namespace faultsoak {
namespace {

void Expect(printersim::ControlClient& printer, const std::string& line) {
  const std::string answer = printer.Call(line)[0];
  if (answer.rfind("OK", 0) != 0) throw std::runtime_error("printer: " + line + ": " + answer);
}

// Every step must answer 0.
void Steps(oposclient::Runner& runner, std::vector<std::string>& lines, const char* scenario) {
  lines.clear();
  if (runner.Run(oposclient::ParseScenario(scenario)) == oposclient::kAllRan) return;
  std::string text;
  for (const std::string& line : lines) text += "\n" + line;
  throw std::runtime_error(std::string("the till could not set up or close:") + text);
}

MemoryReading ReadMemory(const std::vector<Attempt>& record) {
  PROCESS_MEMORY_COUNTERS counters{};
  if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
    throw std::runtime_error("the till's working set cannot be read");
  return {.workingSet = static_cast<int64_t>(counters.WorkingSetSize), .record = RecordBytes(record)};
}

}  // namespace

Findings RunSoak(const Settings& settings, printersim::ControlClient& printer, const Print& report,
                 const Print& progress) {
  Expect(printer, "model on");
  std::vector<std::string> lines;
  oposclient::Runner runner([&lines](const std::string& line) { lines.push_back(line); }, true);
  Steps(runner, lines,
        "open Vornik_MR62_1.11\n"
        "call ClaimDevice 1000\n"
        "put DeviceEnabled true\n"
        "call ResetPrinter\n");

  std::string faultRate = "faultrate " + std::to_string(settings.seed) + " " + std::to_string(settings.rate);
  for (const std::string& kind : settings.faultKinds) faultRate += " " + kind;
  printer.ClearRequests();
  Expect(printer, faultRate);
  std::vector<Attempt> attempts;
  TillMemory memory{.documents = std::min(settings.documents, kSettlingDocuments), .first = ReadMemory({})};
  {
    Till till(runner.Object(), printer);
    DocumentSource documents(settings.seed);
    for (int i = 0; i < settings.documents; ++i) {
      till.RingUp(documents.Next(), i, settings.maxAttempts);
      if (i + 1 == memory.documents) memory.first = ReadMemory(till.Attempts());
      if ((i + 1) % 25 == 0)
        progress(std::to_string(i + 1) + " documents, " + std::to_string(till.Attempts().size()) + " ringings up");
    }
    memory.end = ReadMemory(till.Attempts());
    attempts = till.Attempts();
  }
  Expect(printer, "faultrate 0 0");
  const PrinterRecord record = ReadPrinterRecord(printer);
  Steps(runner, lines,
        "call ResetPrinter\n"
        "put DeviceEnabled false\n"
        "call ReleaseDevice\n"
        "close\n");
  return Assess(settings, attempts, record, memory, report);
}

}  // namespace faultsoak
