#include "script.h"

namespace printersim {

void Script::SetReply(int cmd, Reply reply) {
  auto& queue = replies_[cmd];
  queue.clear();
  queue.push_back({std::move(reply), Use::Always});
}

void Script::QueueReply(int cmd, Reply reply, Use use) { replies_[cmd].push_back({std::move(reply), use}); }

void Script::QueueFault(int cmd, Fault fault, Use use) { faults_[cmd].push_back({fault, use}); }

void Script::Clear() {
  replies_.clear();
  faults_.clear();
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

std::pair<std::optional<Reply>, std::optional<Fault>> Script::Next(uint8_t cmd) {
  return {Take(replies_, cmd), Take(faults_, cmd)};
}

}  // namespace printersim
