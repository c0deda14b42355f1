#include "assessment.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <utility>

#include "printersim/command_text.h"

namespace faultsoak {
namespace {

struct CallPlace {
  size_t attempt;
  size_t call;
};

struct Sums {
  int64_t sum = 0;
  int count = 0;
  void Add(int64_t value) {
    sum += value;
    ++count;
  }
};

constexpr const char* kRegisterKinds[][3] = {
    {"sale", "sales", "salereceipts"}, {"refund", "refunds", "refundreceipts"},
    {"cashin", "cashin", nullptr},     {"cashout", "cashout", nullptr},
};

std::string Line(const std::string& label, const std::string& value) {
  std::string line = label;
  line.resize(std::max<size_t>(line.size() + 1, 46), ' ');
  return line + value;
}

std::string Seconds(int64_t micros) {
  char text[32];
  std::snprintf(text, sizeof text, "%" PRId64 ".%03" PRId64 " s", micros / 1000000, micros % 1000000 / 1000);
  return text;
}

std::string Megabytes(int64_t bytes) {
  const int64_t tenths = bytes * 10 / (1 << 20);
  char text[32];
  std::snprintf(text, sizeof text, "%s%" PRId64 ".%" PRId64 " MB", tenths < 0 ? "-" : "", std::abs(tenths) / 10,
                std::abs(tenths) % 10);
  return text;
}

std::string Growth(int64_t bytes) { return (bytes < 0 ? "" : "+") + Megabytes(bytes); }

std::string CommandText(uint8_t cmd) {
  char text[8];
  std::snprintf(text, sizeof text, "%02Xh", cmd);
  return text;
}

std::string FaultsOf(const MemberCall& call) {
  std::string faults;
  for (const RequestSeen& request : call.requests)
    if (request.fault)
      faults += (faults.empty() ? "" : ", ") + std::string(printersim::FaultKindName(*request.fault)) + " on " +
                CommandText(request.cmd);
  return faults.empty() ? "no fault on its requests" : faults;
}

std::string Outcome(const MemberCall& call) {
  std::string text = call.member + " -> " + std::to_string(call.result);
  if (call.result != 0) text += "/" + std::to_string(call.extended);
  if (!call.comFailure.empty()) text += " " + call.comFailure;
  return text;
}

std::string Describe(const Attempt& attempt) {
  return "document " + std::to_string(attempt.document) + " " + KindName(attempt.kind) + " " +
         Hundredths(attempt.sum) + ", ringing up " + std::to_string(attempt.number);
}

const MemberCall* FirstFailure(const Attempt& attempt) {
  for (const MemberCall& call : attempt.calls)
    if (!call.recovery && call.result != 0) return &call;
  return nullptr;
}

uint8_t CommandOf(const MemberCall& call, uint64_t request) {
  for (const RequestSeen& r : call.requests)
    if (r.number == request) return r.cmd;
  return 0;
}

}  // namespace

PrinterRecord ReadPrinterRecord(printersim::ControlClient& printer) {
  PrinterRecord record;
  const std::vector<std::string> journal = printer.Call("journal");
  for (size_t i = 1; i < journal.size(); ++i) {
    const printersim::CommandLine line = printersim::SplitCommandLine(journal[i]);
    JournalEntry entry;
    const auto n = line.params.find("n"), kind = line.params.find("kind"), sum = line.params.find("sum");
    const auto number = n == line.params.end() ? std::nullopt : printersim::ParseNumber(n->second);
    if (!number || kind == line.params.end() || sum == line.params.end() || !ParseHundredths(sum->second, entry.sum))
      throw std::runtime_error("unreadable journal line: " + journal[i]);
    entry.request = *number;
    entry.kind = kind->second;
    record.journal.push_back(std::move(entry));
  }
  record.registers = printersim::SplitCommandLine(printer.Call("registers")[0]).params;
  record.faulted = printer.FaultedRequests();
  return record;
}

Findings Assess(const Settings& settings, const std::vector<Attempt>& attempts, const PrinterRecord& printer,
                const TillMemory& memory, const Print& print) {
  Findings findings;
  std::map<uint64_t, CallPlace> owners;
  size_t calls = 0;
  const MemberCall* longest = nullptr;
  const Attempt* longestAttempt = nullptr;
  std::map<std::string, int> documentKinds;
  int documents = 0, done = 0;
  for (size_t a = 0; a < attempts.size(); ++a) {
    const Attempt& attempt = attempts[a];
    if (attempt.number == 1) {
      ++documents;
      ++documentKinds[KindName(attempt.kind)];
    }
    done += attempt.done;
    for (size_t c = 0; c < attempt.calls.size(); ++c) {
      const MemberCall& call = attempt.calls[c];
      ++calls;
      findings.comFailures += !call.comFailure.empty();
      if (!longest || call.micros > longest->micros) {
        longest = &call;
        longestAttempt = &attempt;
      }
      for (const RequestSeen& request : call.requests) owners[request.number] = {a, c};
    }
  }
  findings.longestMicros = longest ? longest->micros : 0;

  std::map<std::string, int> faultKinds;
  int faults = 0;
  for (const printersim::Request& request : printer.faulted)
    if (owners.count(request.number)) {
      ++faults;
      ++faultKinds[std::string(printersim::FaultKindName(*request.fault))];
    }

  // Each journal entry belongs to the call whose request closed it.
  std::vector<std::vector<const JournalEntry*>> closed(attempts.size());
  std::vector<std::string> foreign, failedButClosed, doneButNot;
  std::map<std::string, int> causes, rungUpAgain;
  int registeredTwice = 0, annulled = 0, cancelNotes = 0, closedByPrinter = 0;
  for (const JournalEntry& entry : printer.journal) {
    const auto owner = owners.find(entry.request);
    if (owner == owners.end()) continue;  // before the run
    const Attempt& attempt = attempts[owner->second.attempt];
    const MemberCall& call = attempt.calls[owner->second.call];
    if (entry.kind == KindName(attempt.kind)) {
      closed[owner->second.attempt].push_back(&entry);
      ++closedByPrinter;
      if (attempt.done) continue;
      const MemberCall* failure = FirstFailure(attempt);
      const std::string cause = failure ? Outcome(*failure) + " (" + FaultsOf(*failure) + ")" : "no member failed";
      const std::string memberAndFault = failure ? failure->member + ", " + FaultsOf(*failure) : cause;
      ++causes[memberAndFault + (call.recovery ? ", closed by " + call.member : "")];
      // Registered, and the till's next ringing up registers it once more.
      const size_t next = owner->second.attempt + 1;
      if (attempt.kind != DocumentKind::NonFiscal && next < attempts.size() &&
          attempts[next].document == attempt.document) {
        ++registeredTwice;
        ++rungUpAgain[memberAndFault];
      }
      failedButClosed.push_back("  " + Describe(attempt) + ": closed by " + call.member + " at " +
                                CommandText(CommandOf(call, entry.request)) + "; failed " + cause);
    } else if (entry.kind == "annulled" && call.recovery) {
      ++annulled;
    } else if (entry.kind == "nonfiscal" && call.recovery) {
      ++cancelNotes;
    } else {
      foreign.push_back("  " + entry.kind + " " + Hundredths(entry.sum) + " closed by " + call.member + " of " +
                        Describe(attempt));
    }
  }
  findings.foreignClosures = static_cast<int>(foreign.size());
  findings.closedButFailed = static_cast<int>(failedButClosed.size());
  const int64_t recordGrowth = memory.end.record - memory.first.record;
  findings.workingSetGrowth = memory.end.workingSet - memory.first.workingSet - recordGrowth;

  std::map<std::string, Sums> told;
  for (size_t a = 0; a < attempts.size(); ++a) {
    const Attempt& attempt = attempts[a];
    if (!attempt.done) continue;
    told[KindName(attempt.kind)].Add(attempt.sum);
    const auto& mine = closed[a];
    if (mine.empty()) {
      ++findings.doneNotClosed;
      doneButNot.push_back("  " + Describe(attempt) + ": reported done, the printer closed nothing");
    } else if (mine.size() > 1 || mine[0]->sum != attempt.sum) {
      ++findings.wrongSums;
      doneButNot.push_back("  " + Describe(attempt) + ": reported done, the printer closed " +
                           std::to_string(mine.size()) + " with " + Hundredths(mine[0]->sum));
    }
  }

  // The registers against every document in the journal, and against what
  // the till was told.
  std::map<std::string, Sums> journal;
  for (const JournalEntry& entry : printer.journal) journal[entry.kind].Add(entry.sum);
  findings.registersAgree = true;
  std::string registers, beyond;
  for (const auto& kind : kRegisterKinds) {
    const auto sum = printer.registers.find(kind[1]);
    int64_t registered = 0;
    bool agree = sum != printer.registers.end() && ParseHundredths(sum->second, registered) &&
                 registered == journal[kind[0]].sum;
    if (kind[2]) {
      const auto count = printer.registers.find(kind[2]);
      agree = agree && count != printer.registers.end() && count->second == std::to_string(journal[kind[0]].count);
    }
    findings.registersAgree = findings.registersAgree && agree;
    registers += std::string(registers.empty() ? "" : ", ") + kind[0] + " " + Hundredths(registered) + " in " +
                 std::to_string(journal[kind[0]].count);
    beyond += std::string(beyond.empty() ? "" : ", ") + kind[0] + " " +
              Hundredths(registered - told[kind[0]].sum) + " in " +
              std::to_string(journal[kind[0]].count - told[kind[0]].count);
  }

  std::string kinds, faultList, documentList;
  for (const std::string& kind : settings.faultKinds) kinds += " " + kind;
  for (const auto& [kind, count] : faultKinds) faultList += (faultList.empty() ? "" : ", ") + kind + " " + std::to_string(count);
  for (const auto& [kind, count] : documentKinds)
    documentList += (documentList.empty() ? "" : ", ") + kind + " " + std::to_string(count);

  print("Fault soak: seed " + std::to_string(settings.seed) + ", one request in " + std::to_string(settings.rate) +
        " meets a fault, kinds" + kinds);
  print(Line("documents", std::to_string(documents) + " (" + documentList + ")"));
  print(Line("ringings up", std::to_string(attempts.size())));
  print(Line("member calls", std::to_string(calls)));
  print(Line("requests", std::to_string(owners.size())));
  print(Line("faults injected", std::to_string(faults) + " (" + faultList + ")"));
  print(Line("documents reported done", std::to_string(done)));
  print(Line("documents given up", std::to_string(documents - done)));
  print(Line("documents the printer closed", std::to_string(closedByPrinter)));
  print(Line("reported done, not closed", std::to_string(findings.doneNotClosed)));
  print(Line("reported done, closed otherwise", std::to_string(findings.wrongSums)));
  for (const std::string& line : doneButNot) print(line);
  print(Line("closed, reported failed", std::to_string(findings.closedButFailed)));
  for (const std::string& line : failedButClosed) print(line);
  for (const auto& [cause, count] : causes) print("  " + std::to_string(count) + " x " + cause);
  print(Line("annulled by the recovery", std::to_string(annulled)));
  print(Line("non-fiscal notes of the recovery", std::to_string(cancelNotes)));
  print(Line("closed inside another document", std::to_string(findings.foreignClosures)));
  for (const std::string& line : foreign) print(line);
  print(Line("member calls failed as COM calls", std::to_string(findings.comFailures)));
  if (longest)
    print(Line("longest member call", longest->member + " " + Seconds(longest->micros) + " (" +
                                          Describe(*longestAttempt) + ")"));
  print(Line("registers equal the closed documents", std::string(findings.registersAgree ? "yes" : "NO") + " (" +
                                                          registers + ")"));
  print(Line("registers beyond what the till was told", beyond));
  print(Line("registered but reported failed, rung up again",
             std::to_string(registeredTwice) + (registeredTwice ? ", by member and fault:" : "")));
  for (const auto& [cause, count] : rungUpAgain) print("  " + std::to_string(count) + " x " + cause);
  print(Line("the till's working set",
             Megabytes(memory.first.workingSet) + " after " + std::to_string(memory.documents) + " documents, " +
                 Megabytes(memory.end.workingSet) + " at the end; the soak's record " + Growth(recordGrowth) +
                 ", the rest " + Growth(findings.workingSetGrowth) + " (at most " +
                 Growth(kWorkingSetGrowthAllowed) + ")"));
  print(Line("verdict", findings.Passed() ? "PASS" : "FAIL"));
  return findings;
}

}  // namespace faultsoak
