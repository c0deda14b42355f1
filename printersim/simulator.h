#pragma once

#include "fault.h"
#include "fiscal_model.h"
#include "line_io.h"
#include "pty.h"
#include "reply.h"
#include "request.h"
#include "script.h"
#include "transmission.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace printersim {

struct Options {
  std::string linkPath;                          // symlink to the slave, replaced if present
  unsigned baud = 0;                             // pacing at 10 bits a byte; 0: none
  bool checkPassword = true;                     // refuse data not opening with six digits and ';'
  std::chrono::milliseconds frameTimeout{1000};  // silence after which a partial request is refused
};

// The printer: answers requests on a pty as the script says, logs them, and
// misbehaves on demand. Thread-safe, except Stop and destruction, which belong
// to the owner.
class Simulator {
 public:
  explicit Simulator(Options options = {});  // starts serving; throws std::system_error
  ~Simulator();
  Simulator(const Simulator&) = delete;
  Simulator& operator=(const Simulator&) = delete;

  void Stop();
  const std::string& SlavePath() const { return pty_.SlavePath(); }

  // Makes `reply` the command's only reply, for every request from now on.
  void SetReply(int cmd, Reply reply);
  void QueueReply(int cmd, Reply reply, Use use = Use::Once);
  void InjectFault(int cmd, Fault fault, Use use = Use::Once);
  void SetRandomFaults(uint64_t seed, unsigned rate, std::vector<Fault> faults);
  // Drops every reply and fault, stops the random ones, and ends an endless SYN train.
  void ClearScript();
  void SetPasswordCheck(bool on) { checkPassword_ = on; }
  // The handshake the host's end of the line is set to.
  FlowControl HostFlowControl() const { return pty_.SlaveFlowControl(); }
  void SetHostFlowControl(const FlowControl& flow) { pty_.SetSlaveFlowControl(flow); }

  // The fiscal model answers requests that have no scripted reply; it is off
  // at first, so that a test scripts every reply it relies on. A fault still
  // shapes how the model's reply travels, and one that leaves no reply at
  // all keeps the request from the model.
  void SetModel(bool on);
  bool LoadPaper(std::string path);  // false when the file cannot be written
  void SetFirmwareVersion(std::string version);
  void SetLineWidth(unsigned width);
  std::string ModelSummary() const;  // "model=on|off" and the model's own summary

  // The documents the model closed and its day's registers.
  std::vector<JournalEntry> Journal() const;
  std::string Registers() const;

  std::vector<Request> Requests() const;
  void ClearRequests();
  // Every request a fault met since the start; the request log does not forget them.
  std::vector<Request> FaultedRequests() const;
  bool WaitForRequests(std::size_t n, std::chrono::milliseconds timeout) const;

  Counters GetCounters() const { return io_.Count(); }
  void ResetCounters() { io_.ResetCounts(); }

 private:
  using Clock = LineIo::Clock;

  void Serve();
  bool Handle(std::string frame);
  void NoteSeq(Request& request);
  bool Transmit(const Transmission& plan, uint64_t generation);
  bool SynUntilInterrupted(std::chrono::milliseconds interval, uint64_t generation);
  uint64_t Generation() const;

  const Options options_;
  const Clock::time_point start_ = Clock::now();
  std::atomic<bool> checkPassword_;
  Pty pty_;
  LineIo io_;

  mutable std::mutex mutex_;
  mutable std::condition_variable requestLogged_;
  Script script_;
  FiscalModel model_;
  bool modelOn_ = false;
  uint64_t generation_ = 0;  // bumped by ClearScript
  uint64_t handled_ = 0;
  std::vector<Request> requests_;
  std::vector<Request> faulted_;

  std::optional<uint8_t> lastSeq_;  // serving thread only
  std::thread thread_;
};

}  // namespace printersim
