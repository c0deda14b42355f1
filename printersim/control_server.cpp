// Control protocol: one command per line; each answered by one line "OK ..."
// or "ERR ...", except lists: "OK LIST n", n lines, "END".
//   set CMD [err=T] [data=T] [status=HEX12] [rawstatus=1] [raw=T]
//                     CMD's only reply from now on
//   queue CMD [use=once|always] [reply keys as for set]
//   fault CMD KIND [use=once|always] [count=N] [ms=N] [at=N] [byte=HH] [tail=N]
//       KIND: silence lostreply nak badsum earlyetx badetx syn synforever pause fields
//             longerr longreply paperout byteafter
//   faultrate SEED N KIND...   one request in N meets one of the KINDs (with their
//                      default parameters), drawn from SEED; N 0: none
//   clear              drop all replies and faults, random ones too
//   clearlog           drop the request log
//   log                list: n=N cmd=HH seq=HH [fault=KIND] verdict=V anomaly=0|1 at=MS
//                         data=T frame=T
//   faults             list: every request a fault met since the start, as in log
//   journal            list: n=N kind=K sum=X, a document the model closed and the
//                         request that closed it
//   registers          OK sales=X refunds=X salereceipts=N refundreceipts=N cashin=X
//                         cashout=X drawer=X
//   wait N MS          OK n, or ERR timeout n
//   counters           OK rx=N tx=N
//   resetcounters
//   flow [crtscts=0|1 ixon=0|1 ixoff=0|1]
//                      OK crtscts=0|1 ixon=0|1 ixoff=0|1: the handshake of the
//                         host's end of the line, after setting it if asked
//   password on|off
//   model on|off       the fiscal model answers requests without a scripted reply
//   paper T            a new, empty paper roll in file T
//   firmware T         firmware version the model reports
//   linewidth N        characters per line the model reports
//   state              OK model=on|off day=open|closed doc=none|sale|refund|nonfiscal
//                         stage=N total=X paid=X drawer=X documents=N z=N
//   quit
// CMD is two hex digits, or * for commands without entries of their own.
// In T, bytes outside 21h..7Eh and the backslash are written \xNN.
#include "control_server.h"

#include "command_text.h"
#include "simulator.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <system_error>
#include <utility>

namespace printersim {
namespace {

constexpr std::size_t kMaxLine = 1 << 20;

bool SendAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

}  // namespace

ControlServer::ControlServer(Simulator& simulator, uint16_t port, std::function<void()> onQuit)
    : simulator_(simulator), onQuit_(std::move(onQuit)), listener_(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
  if (listener_.Get() < 0) ThrowErrno("socket");
  const int on = 1;
  ::setsockopt(listener_.Get(), SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_port = htons(port);
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (::bind(listener_.Get(), reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) ThrowErrno("bind");
  if (::listen(listener_.Get(), 4) != 0) ThrowErrno("listen");
  socklen_t size = sizeof addr;
  if (::getsockname(listener_.Get(), reinterpret_cast<sockaddr*>(&addr), &size) != 0) ThrowErrno("getsockname");
  port_ = ntohs(addr.sin_port);
  thread_ = std::thread([this] { Run(); });
}

ControlServer::~ControlServer() {
  wake_.Signal();
  thread_.join();
}

void ControlServer::Run() {
  for (;;) {
    pollfd fds[2] = {{wake_.ReadEnd(), POLLIN, 0}, {listener_.Get(), POLLIN, 0}};
    if (::poll(fds, 2, -1) < 0 && errno != EINTR) return;
    if (fds[0].revents) return;
    if (!fds[1].revents) continue;
    const Fd client(::accept4(listener_.Get(), nullptr, nullptr, SOCK_CLOEXEC));
    if (client.Get() >= 0) Serve(client);
  }
}

void ControlServer::Serve(const Fd& client) {
  std::string pending;
  char buffer[4096];
  for (;;) {
    pollfd fds[2] = {{wake_.ReadEnd(), POLLIN, 0}, {client.Get(), POLLIN, 0}};
    if (::poll(fds, 2, -1) < 0 && errno != EINTR) return;
    if (fds[0].revents) return;  // the wake-up stays in the pipe for Run
    if (!fds[1].revents) continue;
    const ssize_t n = ::recv(client.Get(), buffer, sizeof buffer, 0);
    if (n <= 0) return;
    pending.append(buffer, static_cast<std::size_t>(n));
    for (std::size_t eol; (eol = pending.find('\n')) != std::string::npos;) {
      std::string line = pending.substr(0, eol);
      pending.erase(0, eol + 1);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      std::string answer;
      for (const std::string& part : Execute(line)) answer += part + "\n";
      if (!SendAll(client.Get(), answer)) return;
      // Only after "OK" is out: the owner may tear the server down at once.
      if (std::exchange(quitAsked_, false) && onQuit_) onQuit_();
    }
    if (pending.size() > kMaxLine) {
      SendAll(client.Get(), "ERR line too long\n");
      return;
    }
  }
}

std::vector<std::string> ControlServer::Execute(std::string_view text) {
  const CommandLine line = SplitCommandLine(text);
  if (line.words.empty()) return {"ERR empty line"};
  const std::string& verb = line.words[0];
  const std::size_t arity = line.words.size();
  const auto cmd = arity > 1 ? ParseCommand(line.words[1]) : std::nullopt;

  if (verb == "set" || verb == "queue") {
    const auto reply = ParseReply(line);
    const auto use = ParseUse(line, Use::Once);
    if (arity != 2 || !cmd || !reply || !use || (verb == "set" && line.params.count("use")))
      return {"ERR usage: " + verb + " CMD [err=T] [data=T] [status=HEX12] [rawstatus=1] [raw=T]"};
    if (verb == "set")
      simulator_.SetReply(*cmd, *reply);
    else
      simulator_.QueueReply(*cmd, *reply, *use);
    return {"OK"};
  }
  if (verb == "fault") {
    const auto fault = arity == 3 ? ParseFault(line.words[2], line) : std::nullopt;
    const auto use = ParseUse(line, Use::Once);
    if (!cmd || !fault || !use)
      return {"ERR usage: fault CMD KIND [use=once|always] [count=N] [ms=N] [at=N] [byte=HH] [tail=N]"};
    simulator_.InjectFault(*cmd, *fault, *use);
    return {"OK"};
  }
  if (verb == "faultrate") {
    const auto seed = arity >= 3 ? ParseNumber(line.words[1]) : std::nullopt;
    const auto rate = arity >= 3 ? ParseNumber(line.words[2]) : std::nullopt;
    std::vector<Fault> faults;
    for (std::size_t i = 3; i < arity; ++i)
      if (const auto fault = ParseFault(line.words[i], {})) faults.push_back(*fault);
    if (!seed || !rate || *rate > 1'000'000 || faults.size() != arity - 3 || !line.params.empty())
      return {"ERR usage: faultrate SEED N KIND..."};
    simulator_.SetRandomFaults(*seed, static_cast<unsigned>(*rate), std::move(faults));
    return {"OK"};
  }
  if (verb == "wait") {
    const auto n = arity == 3 ? ParseNumber(line.words[1]) : std::nullopt;
    const auto ms = arity == 3 ? ParseNumber(line.words[2]) : std::nullopt;
    if (!n || !ms) return {"ERR usage: wait N MS"};
    const bool ok = simulator_.WaitForRequests(*n, std::chrono::milliseconds(*ms));
    const std::string count = std::to_string(simulator_.Requests().size());
    return {ok ? "OK " + count : "ERR timeout " + count};
  }
  const bool onOff = arity == 2 && (line.words[1] == "on" || line.words[1] == "off");
  if (verb == "password" && onOff) {
    simulator_.SetPasswordCheck(line.words[1] == "on");
    return {"OK"};
  }
  if (verb == "model" && onOff) {
    simulator_.SetModel(line.words[1] == "on");
    return {"OK"};
  }
  if (verb == "paper" || verb == "firmware") {
    const auto text = arity == 2 ? UnescapeBytes(line.words[1]) : std::nullopt;
    if (!text) return {"ERR usage: " + verb + " T"};
    if (verb == "firmware")
      simulator_.SetFirmwareVersion(*text);
    else if (!simulator_.LoadPaper(*text))
      return {"ERR cannot write " + line.words[1]};
    return {"OK"};
  }
  if (verb == "linewidth") {
    const auto width = arity == 2 ? ParseNumber(line.words[1]) : std::nullopt;
    if (!width || *width > 255) return {"ERR usage: linewidth N"};
    simulator_.SetLineWidth(static_cast<unsigned>(*width));
    return {"OK"};
  }
  if (verb == "flow" && arity == 1) {
    const auto flow = ParseFlowControl(line);
    if (!line.params.empty() && !flow) return {"ERR usage: flow [crtscts=0|1 ixon=0|1 ixoff=0|1]"};
    try {
      if (!line.params.empty()) simulator_.SetHostFlowControl(*flow);
      return {"OK " + FormatFlowControl(simulator_.HostFlowControl())};
    } catch (const std::system_error& e) {
      return {std::string("ERR ") + e.what()};
    }
  }
  if (arity != 1) return {"ERR unknown command: " + verb};
  if (verb == "log" || verb == "faults") {
    const auto requests = verb == "log" ? simulator_.Requests() : simulator_.FaultedRequests();
    std::vector<std::string> out{"OK LIST " + std::to_string(requests.size())};
    for (const Request& request : requests) out.push_back(FormatRequest(request));
    out.emplace_back("END");
    return out;
  }
  if (verb == "journal") {
    const auto journal = simulator_.Journal();
    std::vector<std::string> out{"OK LIST " + std::to_string(journal.size())};
    for (const JournalEntry& entry : journal)
      out.push_back("n=" + std::to_string(entry.request) + " kind=" + entry.kind + " sum=" + FormatMoney(entry.sum));
    out.emplace_back("END");
    return out;
  }
  if (verb == "state") return {"OK " + simulator_.ModelSummary()};
  if (verb == "registers") return {"OK " + simulator_.Registers()};
  if (verb == "counters") {
    const Counters c = simulator_.GetCounters();
    return {"OK rx=" + std::to_string(c.bytesReceived) + " tx=" + std::to_string(c.bytesSent)};
  }
  if (verb == "clear") {
    simulator_.ClearScript();
  } else if (verb == "clearlog") {
    simulator_.ClearRequests();
  } else if (verb == "resetcounters") {
    simulator_.ResetCounters();
  } else if (verb == "quit") {
    quitAsked_ = true;
  } else {
    return {"ERR unknown command: " + verb};
  }
  return {"OK"};
}

}  // namespace printersim
