#pragma once
// The end of a soak: the printer's journal and registers against what the till
// was told, printed as the soak report.
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "printersim/control_client.h"
#include "till.h"

namespace faultsoak {

inline constexpr int64_t kLongestCallAllowedMicros = 65'000'000;
inline constexpr int64_t kWorkingSetGrowthAllowed = 10 << 20;
inline constexpr int kSettlingDocuments = 10;

struct Settings {
  uint64_t seed = 1;
  unsigned rate = 20;  // one request in `rate` meets a fault
  std::vector<std::string> faultKinds;
  int documents = 300;
  int maxAttempts = 10;  // ringings up of one document before the till gives it up
};

struct JournalEntry {
  uint64_t request = 0;  // the request whose command closed the document
  std::string kind;
  int64_t sum = 0;
};

// What the printer kept, read through its control connection.
struct PrinterRecord {
  std::vector<JournalEntry> journal;
  std::map<std::string, std::string, std::less<>> registers;
  std::vector<printersim::Request> faulted;
};
PrinterRecord ReadPrinterRecord(printersim::ControlClient& printer);

// The till process's memory in bytes: once the first documents have warmed
// it up, and at the end.
struct MemoryReading {
  int64_t workingSet = 0;  // the whole process, Lumero.dll included
  int64_t record = 0;      // of which the soak's own record of the calls
};
struct TillMemory {
  int documents = 0;  // rung up before `first`
  MemoryReading first;
  MemoryReading end;
};

struct Findings {
  int doneNotClosed = 0;    // reported done, yet the printer closed no such document
  int wrongSums = 0;        // reported done, closed with another sum or more than once
  int foreignClosures = 0;  // a document closed inside the calls of another one
  int comFailures = 0;      // a member call that failed as a COM call
  int closedButFailed = 0;  // the printer closed it, the till was told it failed
  int64_t longestMicros = 0;
  int64_t workingSetGrowth = 0;  // bytes, from TillMemory::first to its end, the record's growth left out
  bool registersAgree = false;  // the day's registers equal the closed documents
  bool Passed() const {
    return doneNotClosed == 0 && wrongSums == 0 && foreignClosures == 0 && comFailures == 0 &&
           longestMicros <= kLongestCallAllowedMicros && workingSetGrowth <= kWorkingSetGrowthAllowed &&
           registersAgree;
  }
};

using Print = std::function<void(const std::string& line)>;
Findings Assess(const Settings& settings, const std::vector<Attempt>& attempts, const PrinterRecord& printer,
                const TillMemory& memory, const Print& print);

}  // namespace faultsoak
