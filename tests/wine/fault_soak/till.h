#pragma once
// A till that rings documents up through IDispatch with one recovery rule: a
// member that fails ends the document with PrintRecVoid (ResetPrinter when
// that fails too), and the document is rung up again. Every call is timed and
// keeps the requests the printer saw during it, with the faults they met.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "../com_holders.h"
#include "documents.h"
#include "printersim/control_client.h"
#include "printersim/request.h"

namespace faultsoak {

// A request the printer saw, without its bytes: thousands of calls must not
// grow the till's memory, which the soak measures.
struct RequestSeen {
  uint64_t number = 0;
  uint8_t cmd = 0;
  std::optional<printersim::Fault::Kind> fault;
};

struct MemberCall {
  std::string member;
  bool recovery = false;
  int32_t result = 0;
  int32_t extended = 0;
  std::string errorString;  // UTF-8, after a result other than 0
  std::string comFailure;   // when the call itself failed: a member must never let that happen
  int64_t micros = 0;
  std::vector<RequestSeen> requests;
};

struct Attempt {
  int document = 0;  // counted from 0 in the run
  int number = 1;    // 1 for the first ringing up of the document
  DocumentKind kind = DocumentKind::Sale;
  int64_t sum = 0;
  bool done = false;  // every member answered 0
  std::vector<MemberCall> calls;
};

// The heap bytes the attempts hold, the allocator's overhead left out: the
// soak's own share of the till's memory.
int64_t RecordBytes(const std::vector<Attempt>& attempts);

class Till {
 public:
  // The object must be open, claimed and enabled. A call that has not
  // returned after `hangSeconds` ends the process with status 3.
  Till(IDispatch* object, printersim::ControlClient& printer, int hangSeconds = 130);
  ~Till();
  Till(const Till&) = delete;
  Till& operator=(const Till&) = delete;

  // Until it is done or `maxAttempts` ringings up have failed.
  void RingUp(const Document& document, int index, int maxAttempts);
  const std::vector<Attempt>& Attempts() const { return attempts_; }

 private:
  MemberCall Perform(const oposclient::Step& step, bool recovery);
  void Recover(Attempt& attempt);

  IDispatch* object_;
  printersim::ControlClient& printer_;
  std::vector<Attempt> attempts_;
  struct Watchdog;
  std::unique_ptr<Watchdog> watchdog_;
};

}  // namespace faultsoak
