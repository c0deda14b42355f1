#include "command_text.h"

#include <charconv>
#include <cstdio>
#include <initializer_list>
#include <utility>

namespace printersim {
namespace {

// Indexed by Fault::Kind.
constexpr std::pair<std::string_view, Fault> kFaults[] = {
    {"silence", Fault::Silence()},      {"lostreply", Fault::LostReply()},
    {"nak", Fault::Nak()},
    {"badsum", Fault::BadChecksum()},   {"earlyetx", Fault::EarlyEtx()},
    {"badetx", Fault::BadTerminator()}, {"syn", Fault::SynTrain()},
    {"synforever", Fault::EndlessSyn()}, {"pause", Fault::Pause()},
    {"fields", Fault::ManyFields()},    {"longerr", Fault::LongErrorCode()},
    {"longreply", Fault::LongReply()},  {"paperout", Fault::PaperOut()},
    {"byteafter", Fault::ByteAfter()},
};

constexpr bool InKindOrder() {
  for (std::size_t i = 0; i < std::size(kFaults); ++i)
    if (static_cast<std::size_t>(kFaults[i].second.kind) != i) return false;
  return true;
}
static_assert(InKindOrder());

std::string Hex(const uint8_t* bytes, std::size_t n) {
  std::string out;
  char buf[3];
  for (std::size_t i = 0; i < n; ++i) {
    std::snprintf(buf, sizeof buf, "%02X", bytes[i]);
    out += buf;
  }
  return out;
}

bool ParseHexBytes(std::string_view text, uint8_t* out, std::size_t n) {
  if (text.size() != 2 * n) return false;
  for (std::size_t i = 0; i < n; ++i) {
    const auto v = ParseNumber(text.substr(2 * i, 2), 16);
    if (!v) return false;
    out[i] = static_cast<uint8_t>(*v);
  }
  return true;
}

bool OnlyKeys(const CommandLine& line, std::initializer_list<std::string_view> keys) {
  for (const auto& [key, value] : line.params) {
    bool known = false;
    for (std::string_view k : keys) known = known || key == k;
    if (!known) return false;
  }
  return true;
}

const std::string* Find(const CommandLine& line, std::string_view key) {
  const auto it = line.params.find(key);
  return it == line.params.end() ? nullptr : &it->second;
}

// Leaves `out` alone when the key is absent; false when present but malformed.
template <class T>
bool ReadNumber(const CommandLine& line, std::string_view key, T& out, int base = 10) {
  const std::string* text = Find(line, key);
  if (!text) return true;
  const auto v = ParseNumber(*text, base);
  if (!v || *v > static_cast<unsigned long long>(static_cast<T>(~T{}))) return false;
  out = static_cast<T>(*v);
  return true;
}

bool ReadBytes(const CommandLine& line, std::string_view key, std::string& out) {
  const std::string* text = Find(line, key);
  if (!text) return true;
  auto bytes = UnescapeBytes(*text);
  if (!bytes) return false;
  out = std::move(*bytes);
  return true;
}

}  // namespace

std::string EscapeBytes(std::string_view bytes) {
  std::string out;
  for (unsigned char c : bytes) {
    if (c > 0x20 && c < 0x7F && c != '\\') {
      out += static_cast<char>(c);
    } else {
      out += "\\x";
      out += Hex(&c, 1);
    }
  }
  return out;
}

std::optional<std::string> UnescapeBytes(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      out += text[i];
      continue;
    }
    uint8_t byte;
    if (text.substr(i + 1, 1) != "x" || !ParseHexBytes(text.substr(i + 2, 2), &byte, 1)) return std::nullopt;
    out += static_cast<char>(byte);
    i += 3;
  }
  return out;
}

CommandLine SplitCommandLine(std::string_view line) {
  CommandLine out;
  std::size_t i = 0;
  while (i < line.size()) {
    if (line[i] == ' ' || line[i] == '\t') {
      ++i;
      continue;
    }
    std::size_t end = line.find_first_of(" \t", i);
    if (end == std::string_view::npos) end = line.size();
    const std::string_view token = line.substr(i, end - i);
    if (const auto eq = token.find('='); eq != std::string_view::npos)
      out.params[std::string(token.substr(0, eq))] = std::string(token.substr(eq + 1));
    else
      out.words.emplace_back(token);
    i = end;
  }
  return out;
}

std::optional<unsigned long long> ParseNumber(std::string_view text, int base) {
  unsigned long long v = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, v, base);
  if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
  return v;
}

std::string FormatCommand(int cmd) {
  if (cmd == kAnyCommand) return "*";
  const auto byte = static_cast<uint8_t>(cmd);
  return Hex(&byte, 1);
}

std::optional<int> ParseCommand(std::string_view text) {
  if (text == "*") return kAnyCommand;
  uint8_t byte;
  if (!ParseHexBytes(text, &byte, 1)) return std::nullopt;
  return byte;
}

std::string FormatUse(Use use) { return use == Use::Once ? "once" : "always"; }

std::optional<Use> ParseUse(const CommandLine& line, Use fallback) {
  const std::string* text = Find(line, "use");
  if (!text) return fallback;
  if (*text == "once") return Use::Once;
  if (*text == "always") return Use::Always;
  return std::nullopt;
}

std::string FormatReply(const Reply& reply) {
  std::string out = "err=" + EscapeBytes(reply.error) + " data=" + EscapeBytes(reply.data) +
                    " status=" + Hex(reply.status.data(), reply.status.size());
  if (reply.rawStatus) out += " rawstatus=1";
  if (reply.raw) out += " raw=" + EscapeBytes(*reply.raw);
  return out;
}

std::optional<Reply> ParseReply(const CommandLine& line) {
  Reply reply;
  if (!OnlyKeys(line, {"err", "data", "status", "rawstatus", "raw", "use"})) return std::nullopt;
  if (!ReadBytes(line, "err", reply.error) || !ReadBytes(line, "data", reply.data)) return std::nullopt;
  if (const std::string* status = Find(line, "status");
      status && !ParseHexBytes(*status, reply.status.data(), reply.status.size()))
    return std::nullopt;
  unsigned rawStatus = 0;
  if (!ReadNumber(line, "rawstatus", rawStatus) || rawStatus > 1) return std::nullopt;
  reply.rawStatus = rawStatus == 1;
  if (Find(line, "raw")) {
    reply.raw.emplace();
    if (!ReadBytes(line, "raw", *reply.raw)) return std::nullopt;
  }
  return reply;
}

std::string FormatFlowControl(const FlowControl& flow) {
  auto flag = [](bool on) { return on ? "1" : "0"; };
  return std::string("crtscts=") + flag(flow.crtscts) + " ixon=" + flag(flow.ixon) + " ixoff=" + flag(flow.ixoff);
}

std::optional<FlowControl> ParseFlowControl(const CommandLine& line) {
  unsigned flags[3] = {2, 2, 2};  // a flag left out stays 2 and is refused
  if (!OnlyKeys(line, {"crtscts", "ixon", "ixoff"}) || !ReadNumber(line, "crtscts", flags[0]) ||
      !ReadNumber(line, "ixon", flags[1]) || !ReadNumber(line, "ixoff", flags[2]))
    return std::nullopt;
  for (unsigned flag : flags)
    if (flag > 1) return std::nullopt;
  return FlowControl{.crtscts = flags[0] == 1, .ixon = flags[1] == 1, .ixoff = flags[2] == 1};
}

std::string_view FaultKindName(Fault::Kind kind) { return kFaults[static_cast<std::size_t>(kind)].first; }

std::optional<Fault::Kind> ParseFaultKind(std::string_view name) {
  for (const auto& [word, defaults] : kFaults)
    if (word == name) return defaults.kind;
  return std::nullopt;
}

std::string FormatFault(const Fault& fault) {
  return std::string(FaultKindName(fault.kind)) +
         " count=" + std::to_string(fault.count) + " ms=" + std::to_string(fault.ms.count()) +
         " at=" + std::to_string(fault.at) + " byte=" + Hex(&fault.byte, 1) +
         " tail=" + std::to_string(fault.tail);
}

std::optional<Fault> ParseFault(std::string_view kind, const CommandLine& line) {
  const auto known = ParseFaultKind(kind);
  if (!known) return std::nullopt;
  Fault fault = kFaults[static_cast<std::size_t>(*known)].second;
  unsigned long long ms = static_cast<unsigned long long>(fault.ms.count());
  if (!OnlyKeys(line, {"count", "ms", "at", "byte", "tail", "use"}) ||
      !ReadNumber(line, "count", fault.count) || !ReadNumber(line, "ms", ms) ||
      !ReadNumber(line, "at", fault.at) || !ReadNumber(line, "byte", fault.byte, 16) ||
      !ReadNumber(line, "tail", fault.tail))
    return std::nullopt;
  fault.ms = std::chrono::milliseconds(ms);
  return fault;
}

std::string FormatRequest(const Request& request) {
  return "n=" + std::to_string(request.number) + " cmd=" + FormatCommand(request.cmd) +
         " seq=" + Hex(&request.seq, 1) +
         (request.fault ? " fault=" + std::string(FaultKindName(*request.fault)) : std::string()) +
         " verdict=" + VerdictName(request.verdict) + " anomaly=" + (request.seqAnomaly ? "1" : "0") +
         " at=" + std::to_string(request.at.count()) + " data=" + EscapeBytes(request.data) +
         " frame=" + EscapeBytes(request.frame);
}

std::optional<Request> ParseRequest(const CommandLine& line) {
  Request request;
  unsigned anomaly = 0;
  unsigned long long at = 0;
  if (const std::string* fault = Find(line, "fault")) {
    request.fault = ParseFaultKind(*fault);
    if (!request.fault) return std::nullopt;
  }
  if (!ReadNumber(line, "n", request.number) || !ReadNumber(line, "cmd", request.cmd, 16) ||
      !ReadNumber(line, "seq", request.seq, 16) ||
      !ReadNumber(line, "anomaly", anomaly) || !ReadNumber(line, "at", at) ||
      !ReadBytes(line, "data", request.data) || !ReadBytes(line, "frame", request.frame))
    return std::nullopt;
  request.seqAnomaly = anomaly != 0;
  request.at = std::chrono::milliseconds(at);
  const std::string* verdict = Find(line, "verdict");
  if (!verdict) return std::nullopt;
  for (std::size_t i = 0; i < kVerdictNames.size(); ++i)
    if (*verdict == kVerdictNames[i]) {
      request.verdict = static_cast<Verdict>(i);
      return request;
    }
  return std::nullopt;
}

}  // namespace printersim
