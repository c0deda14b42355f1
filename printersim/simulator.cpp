#include "simulator.h"

#include "checksum.h"
#include "request_frame.h"

#include <utility>

namespace printersim {

using Event = LineIo::Event;

Simulator::Simulator(Options options)
    : options_(std::move(options)), checkPassword_(options_.checkPassword), io_(pty_.Master(), options_.baud) {
  if (!options_.linkPath.empty()) ReplaceSymlink(pty_.SlavePath(), options_.linkPath);
  thread_ = std::thread([this] { Serve(); });
}

Simulator::~Simulator() { Stop(); }

void Simulator::Stop() {
  if (!thread_.joinable()) return;
  io_.Stop();
  thread_.join();
  if (!options_.linkPath.empty()) RemoveSymlinkTo(pty_.SlavePath(), options_.linkPath);
}

void Simulator::SetReply(int cmd, Reply reply) {
  std::lock_guard lock(mutex_);
  script_.SetReply(cmd, std::move(reply));
}

void Simulator::QueueReply(int cmd, Reply reply, Use use) {
  std::lock_guard lock(mutex_);
  script_.QueueReply(cmd, std::move(reply), use);
}

void Simulator::InjectFault(int cmd, Fault fault, Use use) {
  std::lock_guard lock(mutex_);
  script_.QueueFault(cmd, fault, use);
}

void Simulator::SetRandomFaults(uint64_t seed, unsigned rate, std::vector<Fault> faults) {
  std::lock_guard lock(mutex_);
  script_.SetRandomFaults(seed, rate, std::move(faults));
}

void Simulator::ClearScript() {
  {
    std::lock_guard lock(mutex_);
    script_.Clear();
    ++generation_;
  }
  io_.Wake();
}

void Simulator::SetModel(bool on) {
  std::lock_guard lock(mutex_);
  modelOn_ = on;
}

bool Simulator::LoadPaper(std::string path) {
  std::lock_guard lock(mutex_);
  return model_.LoadPaper(std::move(path));
}

void Simulator::SetFirmwareVersion(std::string version) {
  std::lock_guard lock(mutex_);
  model_.SetFirmwareVersion(std::move(version));
}

void Simulator::SetLineWidth(unsigned width) {
  std::lock_guard lock(mutex_);
  model_.SetLineWidth(width);
}

std::string Simulator::ModelSummary() const {
  std::lock_guard lock(mutex_);
  return std::string("model=") + (modelOn_ ? "on " : "off ") + model_.Summary();
}

std::vector<JournalEntry> Simulator::Journal() const {
  std::lock_guard lock(mutex_);
  return model_.Journal();
}

std::string Simulator::Registers() const {
  std::lock_guard lock(mutex_);
  return model_.Registers();
}

std::vector<Request> Simulator::FaultedRequests() const {
  std::lock_guard lock(mutex_);
  return faulted_;
}

std::vector<Request> Simulator::Requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

void Simulator::ClearRequests() {
  std::lock_guard lock(mutex_);
  requests_.clear();
}

bool Simulator::WaitForRequests(std::size_t n, std::chrono::milliseconds timeout) const {
  std::unique_lock lock(mutex_);
  return requestLogged_.wait_for(lock, timeout, [&] { return requests_.size() >= n; });
}

uint64_t Simulator::Generation() const {
  std::lock_guard lock(mutex_);
  return generation_;
}

void Simulator::Serve() {
  RequestAssembler assembler;
  Clock::time_point lastByte;
  uint8_t buffer[256];
  for (;;) {
    std::optional<Clock::time_point> deadline;
    if (assembler.Pending()) deadline = lastByte + options_.frameTimeout;
    switch (io_.WaitInput(deadline)) {
      case Event::Stopped:
        return;
      case Event::Woken:
        continue;
      case Event::Timeout:
        if (!Handle(assembler.Abandon())) return;
        continue;
      case Event::Input:
        break;
    }
    const auto n = io_.Read(buffer, sizeof buffer);
    if (!n) return;
    lastByte = Clock::now();
    for (std::size_t i = 0; i < *n; ++i) {
      auto frame = assembler.Feed(buffer[i]);
      if (frame && !Handle(std::move(*frame))) return;
    }
  }
}

// Returns false once the simulator is stopping.
bool Simulator::Handle(std::string frame) {
  Request request = Examine(std::move(frame), checkPassword_);
  request.at = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start_);
  NoteSeq(request);
  Transmission plan;
  uint64_t generation;
  {
    std::lock_guard lock(mutex_);
    request.number = ++handled_;
    if (request.Valid()) {
      auto [scripted, fault] = script_.Next(request.cmd);
      Reply reply;
      if (scripted)
        reply = std::move(*scripted);
      else if (modelOn_ && (!fault || fault->CarriesOut()))
        reply = model_.Answer(request);
      plan = Plan(request.seq, request.cmd, std::move(reply), fault);
      if (fault) {
        request.fault = fault->kind;
        faulted_.push_back(request);
      }
    } else {
      plan.steps.push_back({{}, std::string(1, kNak)});
    }
    generation = generation_;
    requests_.push_back(request);
  }
  requestLogged_.notify_all();
  return io_.SleepUntil(io_.ReceivedBy()) && Transmit(plan, generation);
}

// Only frames that arrived intact say what SEQ the host meant.
void Simulator::NoteSeq(Request& request) {
  if (request.verdict != Verdict::Ok && request.verdict != Verdict::BadPassword) return;
  request.seqAnomaly = lastSeq_ && !SeqFollows(*lastSeq_, request.seq);
  lastSeq_ = request.seq;
}

bool Simulator::Transmit(const Transmission& plan, uint64_t generation) {
  for (const Step& step : plan.steps) {
    if (step.delay.count() > 0 && !io_.SleepUntil(Clock::now() + step.delay)) return false;
    if (!io_.Send(step.bytes)) return false;
  }
  return !plan.endlessSyn || SynUntilInterrupted(*plan.endlessSyn, generation);
}

// Stops at the host's next byte, which the serving loop then reads, or when
// the script is cleared.
bool Simulator::SynUntilInterrupted(std::chrono::milliseconds interval, uint64_t generation) {
  for (;;) {
    if (Generation() != generation) return true;
    if (!io_.Send(std::string_view(&kSyn, 1))) return false;
    const auto next = Clock::now() + interval;
    for (Event e = io_.WaitInput(next); e != Event::Timeout; e = io_.WaitInput(next)) {
      if (e == Event::Stopped) return false;
      if (e == Event::Input || Generation() != generation) return true;
    }
  }
}

}  // namespace printersim
