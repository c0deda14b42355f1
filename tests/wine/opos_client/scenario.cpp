#include "scenario.h"

#include <charconv>
#include <limits>

namespace oposclient {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// What makes a line other than a step; the line's number is added by the caller.
struct LineError {
  std::string why;
};

[[noreturn]] void Fail(const std::string& why) { throw LineError{why}; }

// Position `i` is at the opening quote; leaves it after the closing one.
Argument QuotedText(const std::string& line, size_t& i) {
  Argument text{.quoted = true};
  for (++i;; ++i) {
    if (i == line.size()) Fail("a text has no closing quote");
    if (line[i] == '"') break;
    if (line[i] == '\\' && i + 1 < line.size() && (line[i + 1] == '"' || line[i + 1] == '\\')) ++i;
    text.text += line[i];
  }
  ++i;
  if (i < line.size() && !IsSpace(line[i])) Fail("a closing quote must end the argument");
  return text;
}

std::vector<Argument> Tokens(const std::string& line) {
  std::vector<Argument> tokens;
  for (size_t i = 0;;) {
    while (i < line.size() && IsSpace(line[i])) ++i;
    if (i == line.size()) return tokens;
    if (line[i] == '"') {
      tokens.push_back(QuotedText(line, i));
      continue;
    }
    Argument word;
    while (i < line.size() && !IsSpace(line[i])) word.text += line[i++];
    tokens.push_back(std::move(word));
  }
}

struct Shape {
  const char* word;
  Verb verb;
  size_t fewest, most;  // tokens after the verb
};

constexpr Shape kShapes[] = {
    {"open", Verb::Open, 1, 1},   {"call", Verb::Call, 1, std::numeric_limits<size_t>::max()},
    {"put", Verb::Put, 2, 2},     {"get", Verb::Get, 1, 1},
    {"close", Verb::Close, 0, 0},
};

Step ParseStep(std::vector<Argument> tokens, int number) {
  for (const Shape& shape : kShapes) {
    if (tokens[0].quoted || tokens[0].text != shape.word) continue;
    const size_t count = tokens.size() - 1;
    if (count < shape.fewest || count > shape.most)
      Fail(std::string("wrong number of words after ") + shape.word);
    Step step{.line = number, .verb = shape.verb};
    if (count == 0) return step;
    if (shape.verb != Verb::Open && tokens[1].quoted) Fail("a member name is not quoted");
    step.name = tokens[1].text;
    step.arguments.assign(tokens.begin() + 2, tokens.end());
    return step;
  }
  Fail("unknown step \"" + tokens[0].text + "\"");
}

}  // namespace

std::vector<Step> ParseScenario(const std::string& text, std::vector<Problem>& problems) {
  std::vector<Step> steps;
  const size_t start = text.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;  // a UTF-8 byte-order mark
  int number = 0;
  for (size_t begin = start; begin <= text.size();) {
    size_t end = text.find('\n', begin);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(begin, end - begin);
    begin = end + 1;
    ++number;
    const size_t first = line.find_first_not_of(" \t\r");
    if (first == std::string::npos || line[first] == '#') continue;
    try {
      steps.push_back(ParseStep(Tokens(line), number));
    } catch (const LineError& error) {
      problems.push_back({number, error.why});
    }
  }
  return steps;
}

std::vector<Step> ParseScenario(const std::string& text) {
  std::vector<Problem> problems;
  std::vector<Step> steps = ParseScenario(text, problems);
  if (!problems.empty())
    throw ScenarioError("line " + std::to_string(problems[0].line) + ": " + problems[0].what);
  return steps;
}

std::optional<int32_t> ParseLong(const std::string& text) {
  int32_t value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc{} || stop != end) return std::nullopt;
  return value;
}

std::optional<bool> ParseBool(const std::string& text) {
  if (text == "true" || text == "1") return true;
  if (text == "false" || text == "0") return false;
  return std::nullopt;
}

std::optional<bool> ParseDispatch(const std::string& text) {
  if (text == "control") return true;
  if (text == "null") return false;
  return std::nullopt;
}

std::optional<int64_t> ParseCurrency(const std::string& text) {
  const bool negative = !text.empty() && text[0] == '-';
  // The magnitude of INT64_MIN is one more than that of INT64_MAX.
  const uint64_t limit =
      static_cast<uint64_t>(std::numeric_limits<int64_t>::max()) + (negative ? 1 : 0);
  uint64_t value = 0;
  size_t whole_digits = 0, decimals = 0;
  bool point = false;
  for (size_t i = negative ? 1 : 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '.' && !point) {
      point = true;
      continue;
    }
    if (c < '0' || c > '9') return std::nullopt;
    if (!point)
      ++whole_digits;
    else if (++decimals > 4)
      return std::nullopt;
    const unsigned digit = static_cast<unsigned>(c - '0');
    if (value > (limit - digit) / 10) return std::nullopt;
    value = value * 10 + digit;
  }
  if (whole_digits == 0 || (point && decimals == 0)) return std::nullopt;
  for (; decimals < 4; ++decimals) {
    if (value > limit / 10) return std::nullopt;
    value *= 10;
  }
  // Two's complement wrap-around is defined in C++20: -2^63 comes out right.
  return negative ? static_cast<int64_t>(0 - value) : static_cast<int64_t>(value);
}

}  // namespace oposclient
