#include "till.h"

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

#include "../opos_client/dispatch.h"
#include "../opos_client/text.h"

namespace faultsoak {
namespace {

using Clock = std::chrono::steady_clock;
using oposclient::Access;
using oposclient::CallByName;
using oposclient::CallOutcome;

constexpr int kResetTries = 5;
const std::string kVoidReason = reinterpret_cast<const char*>(u8"Помилка касира");

int64_t HeapBytes(const std::string& text) {
  return text.capacity() > std::string().capacity() ? static_cast<int64_t>(text.capacity()) + 1 : 0;
}

int32_t LongOf(const CallOutcome& outcome) {
  return outcome.result->vt == VT_I4 ? outcome.result->lVal : -1;
}

std::string HresultText(HRESULT hr) {
  char text[24];
  std::snprintf(text, sizeof text, "HRESULT 0x%08lX", static_cast<unsigned long>(hr));
  return text;
}

}  // namespace

// A member that never returns would stop the run without a word: this ends it
// with one.
struct Till::Watchdog {
  explicit Watchdog(int seconds) : limit(seconds), thread([this] { Watch(); }) {}
  ~Watchdog() {
    {
      std::lock_guard lock(mutex);
      stopping = true;
    }
    wake.notify_all();
    thread.join();
  }
  void Enter(const std::string& name) {
    std::lock_guard lock(mutex);
    member = name;
    since = Clock::now();
    busy = true;
  }
  void Leave() {
    std::lock_guard lock(mutex);
    busy = false;
  }
  void Watch() {
    std::unique_lock lock(mutex);
    while (!stopping) {
      wake.wait_for(lock, std::chrono::seconds(1));
      if (busy && Clock::now() - since > limit) {
        std::fprintf(stderr, "fault-soak: %s has not returned after %d s: the call hangs\n", member.c_str(),
                     static_cast<int>(limit.count()));
        std::fflush(stderr);
        std::_Exit(3);
      }
    }
  }

  const std::chrono::seconds limit;
  std::mutex mutex;
  std::condition_variable wake;
  std::string member;
  Clock::time_point since;
  bool busy = false;
  bool stopping = false;
  std::thread thread;
};

int64_t RecordBytes(const std::vector<Attempt>& attempts) {
  int64_t bytes = static_cast<int64_t>(attempts.capacity() * sizeof(Attempt));
  for (const Attempt& attempt : attempts) {
    bytes += static_cast<int64_t>(attempt.calls.capacity() * sizeof(MemberCall));
    for (const MemberCall& call : attempt.calls)
      bytes += static_cast<int64_t>(call.requests.capacity() * sizeof(RequestSeen)) + HeapBytes(call.member) +
               HeapBytes(call.errorString) + HeapBytes(call.comFailure);
  }
  return bytes;
}

Till::Till(IDispatch* object, printersim::ControlClient& printer, int hangSeconds)
    : object_(object), printer_(printer), watchdog_(std::make_unique<Watchdog>(hangSeconds)) {}

Till::~Till() = default;

void Till::RingUp(const Document& document, int index, int maxAttempts) {
  for (int number = 1; number <= maxAttempts; ++number) {
    Attempt& attempt = attempts_.emplace_back(
        Attempt{.document = index, .number = number, .kind = document.kind, .sum = document.sum});
    attempt.done = true;
    for (const oposclient::Step& step : document.steps) {
      attempt.calls.push_back(Perform(step, false));
      if (attempt.calls.back().result != 0) {
        attempt.done = false;
        break;
      }
    }
    if (attempt.done) return;
    Recover(attempt);
  }
}

void Till::Recover(Attempt& attempt) {
  attempt.calls.push_back(Perform({.name = "PrintRecVoid", .arguments = {{.text = kVoidReason, .quoted = true}}}, true));
  for (int i = 0; i < kResetTries && attempt.calls.back().result != 0; ++i)
    attempt.calls.push_back(Perform({.name = "ResetPrinter"}, true));
}

MemberCall Till::Perform(const oposclient::Step& step, bool recovery) {
  MemberCall call{.member = step.name, .recovery = recovery};
  const std::wstring name = oposclient::Utf8ToWide(step.name);
  const bool put = step.verb == oposclient::Verb::Put;
  watchdog_->Enter(step.name);
  const Clock::time_point start = Clock::now();
  CallOutcome outcome = CallByName(object_, name, put ? Access::Put : Access::Method, step.arguments);
  if (put && SUCCEEDED(outcome.hr)) outcome = CallByName(object_, L"ResultCode", Access::Get);
  call.micros = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start).count();
  watchdog_->Leave();

  if (FAILED(outcome.hr)) {
    call.result = -1;
    call.comFailure = HresultText(outcome.hr);
  } else {
    call.result = LongOf(outcome);
  }
  if (call.result != 0) {
    const CallOutcome extended = CallByName(object_, L"ResultCodeExtended", Access::Get);
    const CallOutcome text = CallByName(object_, L"ErrorString", Access::Get);
    if (SUCCEEDED(extended.hr)) call.extended = LongOf(extended);
    if (SUCCEEDED(text.hr) && text.result->vt == VT_BSTR && text.result->bstrVal)
      call.errorString = oposclient::WideToUtf8(text.result->bstrVal);
  }
  for (const printersim::Request& request : printer_.Requests())
    call.requests.push_back({.number = request.number, .cmd = request.cmd, .fault = request.fault});
  printer_.ClearRequests();
  return call;
}

}  // namespace faultsoak
