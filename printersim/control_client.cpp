#include "control_client.h"

#include "command_text.h"

#include <stdexcept>

#ifdef _WIN32
#include <winsock2.h>
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace printersim {
namespace {

#ifdef _WIN32
using Socket = SOCKET;
constexpr int kSendFlags = 0;
void CloseSocket(Socket s) { ::closesocket(s); }
void NetUp() {
  WSADATA data;
  if (::WSAStartup(MAKEWORD(2, 2), &data) != 0) throw std::runtime_error("printersim control: WSAStartup failed");
}
void NetDown() { ::WSACleanup(); }
#else
using Socket = int;
constexpr int kSendFlags = MSG_NOSIGNAL;
void CloseSocket(Socket s) { ::close(s); }
void NetUp() {}
void NetDown() {}
#endif

constexpr auto kNoSocket = ~std::uintptr_t{0};

Socket Native(std::uintptr_t s) { return static_cast<Socket>(s); }

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

}  // namespace

ControlClient::ControlClient(uint16_t port) : socket_(kNoSocket) {
  NetUp();
  const Socket s = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_port = htons(port);
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (static_cast<std::uintptr_t>(s) == kNoSocket ||
      ::connect(s, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) != 0) {
    if (static_cast<std::uintptr_t>(s) != kNoSocket) CloseSocket(s);
    NetDown();
    throw std::runtime_error("printersim control: cannot connect to 127.0.0.1:" + std::to_string(port));
  }
  socket_ = static_cast<std::uintptr_t>(s);
}

ControlClient::~ControlClient() {
  CloseSocket(Native(socket_));
  NetDown();
}

std::string ControlClient::ReadLine() {
  for (;;) {
    if (const auto eol = pending_.find('\n'); eol != std::string::npos) {
      std::string line = pending_.substr(0, eol);
      pending_.erase(0, eol + 1);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      return line;
    }
    char buffer[4096];
    const auto n = ::recv(Native(socket_), buffer, static_cast<int>(sizeof buffer), 0);
    if (n <= 0) throw std::runtime_error("printersim control: connection lost");
    pending_.append(buffer, static_cast<std::size_t>(n));
  }
}

std::vector<std::string> ControlClient::Call(const std::string& line) {
  const std::string out = line + "\n";
  for (std::size_t done = 0; done < out.size();) {
    const auto n = ::send(Native(socket_), out.data() + done, static_cast<int>(out.size() - done), kSendFlags);
    if (n <= 0) throw std::runtime_error("printersim control: connection lost");
    done += static_cast<std::size_t>(n);
  }
  std::vector<std::string> answer{ReadLine()};
  if (StartsWith(answer[0], "OK LIST"))
    for (std::string item = ReadLine(); item != "END"; item = ReadLine()) answer.push_back(std::move(item));
  return answer;
}

std::vector<std::string> ControlClient::Expect(const std::string& line) {
  auto answer = Call(line);
  if (!StartsWith(answer[0], "OK")) throw std::runtime_error("printersim control: " + line + ": " + answer[0]);
  return answer;
}

void ControlClient::SetReply(int cmd, const Reply& reply) {
  Expect("set " + FormatCommand(cmd) + " " + FormatReply(reply));
}

void ControlClient::QueueReply(int cmd, const Reply& reply, Use use) {
  Expect("queue " + FormatCommand(cmd) + " use=" + FormatUse(use) + " " + FormatReply(reply));
}

void ControlClient::InjectFault(int cmd, const Fault& fault, Use use) {
  Expect("fault " + FormatCommand(cmd) + " " + FormatFault(fault) + " use=" + FormatUse(use));
}

void ControlClient::ClearScript() { Expect("clear"); }

void ControlClient::SetPasswordCheck(bool on) { Expect(on ? "password on" : "password off"); }

FlowControl ControlClient::HostFlowControl() {
  const auto flow = ParseFlowControl(SplitCommandLine(Expect("flow")[0]));
  if (!flow) throw std::runtime_error("printersim control: unreadable flow control");
  return *flow;
}

void ControlClient::SetHostFlowControl(const FlowControl& flow) { Expect("flow " + FormatFlowControl(flow)); }

std::vector<Request> ControlClient::Requests() { return RequestList("log"); }

std::vector<Request> ControlClient::FaultedRequests() { return RequestList("faults"); }

std::vector<Request> ControlClient::RequestList(const std::string& verb) {
  const auto answer = Expect(verb);
  std::vector<Request> requests;
  for (std::size_t i = 1; i < answer.size(); ++i) {
    auto request = ParseRequest(SplitCommandLine(answer[i]));
    if (!request) throw std::runtime_error("printersim control: unreadable log line: " + answer[i]);
    requests.push_back(std::move(*request));
  }
  return requests;
}

void ControlClient::ClearRequests() { Expect("clearlog"); }

bool ControlClient::WaitForRequests(std::size_t n, std::chrono::milliseconds timeout) {
  return StartsWith(Call("wait " + std::to_string(n) + " " + std::to_string(timeout.count()))[0], "OK");
}

Counters ControlClient::GetCounters() {
  const CommandLine line = SplitCommandLine(Expect("counters")[0]);
  Counters counters;
  const auto rx = line.params.find("rx");
  const auto tx = line.params.find("tx");
  const auto received = rx == line.params.end() ? std::nullopt : ParseNumber(rx->second);
  const auto sent = tx == line.params.end() ? std::nullopt : ParseNumber(tx->second);
  if (!received || !sent) throw std::runtime_error("printersim control: unreadable counters");
  counters.bytesReceived = *received;
  counters.bytesSent = *sent;
  return counters;
}

void ControlClient::ResetCounters() { Expect("resetcounters"); }

void ControlClient::Quit() { Expect("quit"); }

}  // namespace printersim
