#include "script.h"

namespace printersim {

void Script::SetReply(int cmd, Reply reply) {
  auto& queue = replies_[cmd];
  queue.clear();
  queue.push_back({std::move(reply), Use::Always});
}

void Script::QueueReply(int cmd, Reply reply, Use use) { replies_[cmd].push_back({std::move(reply), use}); }

void Script::QueueFault(int cmd, Fault fault, Use use) { faults_[cmd].push_back({fault, use}); }

void Script::SetRandomFaults(uint64_t seed, unsigned rate, std::vector<Fault> faults) {
  dice_.seed(seed);
  rate_ = faults.empty() ? 0 : rate;
  randomFaults_ = std::move(faults);
}

void Script::Clear() {
  replies_.clear();
  faults_.clear();
  rate_ = 0;
}

template <class T>
std::optional<T> Script::Take(Queues<T>& queues, uint8_t cmd) {
  for (int key : {static_cast<int>(cmd), kAnyCommand}) {
    const auto it = queues.find(key);
    if (it == queues.end() || it->second.empty()) continue;
    auto& queue = it->second;
    T value = queue.front().value;
    if (queue.front().use == Use::Once) queue.pop_front();
    return value;
  }
  return std::nullopt;
}

// The engine's raw output, not a distribution: only that is the same everywhere.
std::pair<std::optional<Reply>, std::optional<Fault>> Script::Next(uint8_t cmd) {
  std::optional<Reply> reply = Take(replies_, cmd);
  std::optional<Fault> fault = Take(faults_, cmd);
  if (!fault && rate_ != 0 && dice_() % rate_ == 0) fault = randomFaults_[dice_() % randomFaults_.size()];
  return {std::move(reply), fault};
}

}  // namespace printersim
