#pragma once

#include "fault.h"
#include "reply.h"

#include <deque>
#include <map>
#include <optional>
#include <utility>

namespace printersim {

// Queues of replies and faults per command (or kAnyCommand). Not locked itself.
class Script {
 public:
  void SetReply(int cmd, Reply reply);
  void QueueReply(int cmd, Reply reply, Use use);
  void QueueFault(int cmd, Fault fault, Use use);
  void Clear();

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
};

}  // namespace printersim
