#pragma once

#include "fault.h"
#include "reply.h"

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <random>
#include <utility>
#include <vector>

namespace printersim {

// Queues of replies and faults per command (or kAnyCommand), and faults at
// random for requests that no queued fault serves. Not locked itself.
class Script {
 public:
  void SetReply(int cmd, Reply reply);
  void QueueReply(int cmd, Reply reply, Use use);
  void QueueFault(int cmd, Fault fault, Use use);
  // One request in `rate` on average meets one of `faults`, chosen evenly;
  // a seed gives the same draws on every platform. Rate 0: none.
  void SetRandomFaults(uint64_t seed, unsigned rate, std::vector<Fault> faults);
  void Clear();  // random faults stop too

  // What to do for a request of `cmd`; uses up one-shot entries.
  std::pair<std::optional<Reply>, std::optional<Fault>> Next(uint8_t cmd);

 private:
  template <class T>
  struct Entry {
    T value;
    Use use;
  };
  template <class T>
  using Queues = std::map<int, std::deque<Entry<T>>>;

  template <class T>
  static std::optional<T> Take(Queues<T>& queues, uint8_t cmd);

  Queues<Reply> replies_;
  Queues<Fault> faults_;
  std::mt19937_64 dice_;
  unsigned rate_ = 0;
  std::vector<Fault> randomFaults_;
};

}  // namespace printersim
