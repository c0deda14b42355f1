#pragma once
// The scenario file of the scripted OPOS client, one step a line:
//   open DEVICE_NAME         create the object the registry names, OpenService
//   call MEMBER [ARG...]     a method
//   put PROPERTY VALUE       a property set
//   get PROPERTY             a property get
//   close                    CloseService, then the object is released
// Blank lines and lines starting with '#' are skipped. An argument is a bare
// word (a number, true or false) or a UTF-8 text in double quotes, inside
// which \" and \\ stand for " and \. Numbers have a "." before decimals.
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace oposclient {

enum class Verb { Open, Call, Put, Get, Close };

struct Argument {
  std::string text;  // UTF-8, without the quotes
  bool quoted = false;
};

struct Step {
  int line = 0;
  Verb verb = Verb::Call;
  std::string name;  // the member, or the device name of open
  std::vector<Argument> arguments;
};

class ScenarioError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Problem {
  int line = 0;
  std::string what;
};

// The steps of the lines that are steps, and a problem for each other line.
std::vector<Step> ParseScenario(const std::string& text, std::vector<Problem>& problems);
// Throws ScenarioError, naming the line, for the first line that is not a step.
std::vector<Step> ParseScenario(const std::string& text);

// Exact readings of an argument; nullopt when it is not one.
std::optional<int32_t> ParseLong(const std::string& text);
std::optional<bool> ParseBool(const std::string& text);
// A dispatch: true for the control's own ("control"), false for none ("null").
std::optional<bool> ParseDispatch(const std::string& text);
// A CURRENCY in ten-thousandths: at most four decimals, no rounding.
std::optional<int64_t> ParseCurrency(const std::string& text);

}  // namespace oposclient
