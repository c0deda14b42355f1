#pragma once

#include "fault.h"
#include "flow_control.h"
#include "reply.h"
#include "request.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Text forms shared by the control server and its client.
namespace printersim {

// Bytes outside 21h..7Eh, and the backslash, become \xNN, so a value never holds a space.
std::string EscapeBytes(std::string_view bytes);
std::optional<std::string> UnescapeBytes(std::string_view text);

// A control line: bare words in order, then key=value parameters.
struct CommandLine {
  std::vector<std::string> words;
  std::map<std::string, std::string, std::less<>> params;
};
CommandLine SplitCommandLine(std::string_view line);

std::string FormatCommand(int cmd);  // "21", or "*" for kAnyCommand
std::optional<int> ParseCommand(std::string_view text);

std::string FormatUse(Use use);
std::optional<Use> ParseUse(const CommandLine& line, Use fallback);

std::string FormatReply(const Reply& reply);
std::optional<Reply> ParseReply(const CommandLine& line);

std::string FormatFlowControl(const FlowControl& flow);  // "crtscts=0 ixon=1 ixoff=0"
std::optional<FlowControl> ParseFlowControl(const CommandLine& line);

std::string_view FaultKindName(Fault::Kind kind);  // "silence", "nak", ...
std::optional<Fault::Kind> ParseFaultKind(std::string_view name);
std::string FormatFault(const Fault& fault);  // kind word, then parameters
std::optional<Fault> ParseFault(std::string_view kind, const CommandLine& line);

std::string FormatRequest(const Request& request);
std::optional<Request> ParseRequest(const CommandLine& line);

std::optional<unsigned long long> ParseNumber(std::string_view text, int base = 10);

}  // namespace printersim
