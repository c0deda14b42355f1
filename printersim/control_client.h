#pragma once

#include "fault.h"
#include "flow_control.h"
#include "reply.h"
#include "request.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace printersim {

// Scripts a printersim process from another one (Linux or Windows) through its
// control port on 127.0.0.1. Errors throw std::runtime_error.
class ControlClient {
 public:
  explicit ControlClient(uint16_t port);
  ~ControlClient();
  ControlClient(const ControlClient&) = delete;
  ControlClient& operator=(const ControlClient&) = delete;

  // Sends one command line; returns the answer line, then the lines of a list.
  std::vector<std::string> Call(const std::string& line);

  void SetReply(int cmd, const Reply& reply);
  void QueueReply(int cmd, const Reply& reply, Use use = Use::Once);
  void InjectFault(int cmd, const Fault& fault, Use use = Use::Once);
  void ClearScript();
  void SetPasswordCheck(bool on);
  FlowControl HostFlowControl();
  void SetHostFlowControl(const FlowControl& flow);

  std::vector<Request> Requests();
  void ClearRequests();
  std::vector<Request> FaultedRequests();  // every request a fault met since the start
  bool WaitForRequests(std::size_t n, std::chrono::milliseconds timeout);

  Counters GetCounters();
  void ResetCounters();
  void Quit();

 private:
  std::vector<std::string> Expect(const std::string& line);  // throws unless "OK"
  std::vector<Request> RequestList(const std::string& verb);
  std::string ReadLine();

  std::uintptr_t socket_;  // SOCKET on Windows, a descriptor elsewhere
  std::string pending_;
};

}  // namespace printersim
