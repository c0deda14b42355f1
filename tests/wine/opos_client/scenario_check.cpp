#include "scenario_check.h"

#include <algorithm>
#include <string_view>

namespace oposclient {
namespace {

// As IDispatch::GetIDsOfNames takes them: the names are ASCII.
bool SameName(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
  return std::ranges::equal(a, b, {}, lower, lower);
}

const InterfaceMember* Find(const std::vector<InterfaceMember>& members, const std::string& name,
                            Access access) {
  for (const InterfaceMember& member : members)
    if (member.access == access && SameName(member.name, name)) return &member;
  return nullptr;
}

// Well-formed sequences of one to four bytes, as the client's conversion takes them.
bool IsUtf8(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    const size_t length = lead < 0x80   ? 1
                          : lead < 0xC2 ? 0
                          : lead < 0xE0 ? 2
                          : lead < 0xF0 ? 3
                          : lead < 0xF5 ? 4
                                        : 0;
    if (length == 0 || length > text.size() - i) return false;
    for (size_t k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    i += length;
  }
  return true;
}

// What the argument must be when it is not what `kind` takes; nullptr when it is.
const char* Mismatch(ArgumentKind kind, const std::string& text) {
  switch (kind) {
    case ArgumentKind::Long:
      return ParseLong(text) ? nullptr : "a whole number";
    case ArgumentKind::Bool:
      return ParseBool(text) ? nullptr : "true or false";
    case ArgumentKind::Amount:
      return ParseCurrency(text) ? nullptr : "an amount with up to 4 decimals";
    case ArgumentKind::Text:
      return IsUtf8(text) ? nullptr : "UTF-8 text";
    case ArgumentKind::Dispatch:
      return ParseDispatch(text) ? nullptr : "control or null";
  }
  return nullptr;
}

std::string Absent(const std::vector<InterfaceMember>& members, const std::string& name,
                   Access access) {
  if (access == Access::Method)
    return Find(members, name, Access::Get) ? name + " is a property, not a method"
                                            : "unknown member " + name;
  if (Find(members, name, Access::Method)) return name + " is a method, not a property";
  if (Find(members, name, access == Access::Get ? Access::Put : Access::Get))
    return "property " + name + (access == Access::Get ? " cannot be read" : " cannot be set");
  return "unknown property " + name;
}

}  // namespace

std::vector<Problem> CheckScenario(const std::string& text,
                                   const std::vector<InterfaceMember>& members) {
  std::vector<Problem> problems;
  for (const Step& step : ParseScenario(text, problems)) {
    if (step.verb == Verb::Open || step.verb == Verb::Close) continue;
    const Access access = step.verb == Verb::Get   ? Access::Get
                          : step.verb == Verb::Put ? Access::Put
                                                   : Access::Method;
    const InterfaceMember* member = Find(members, step.name, access);
    if (member == nullptr) {
      problems.push_back({step.line, Absent(members, step.name, access)});
      continue;
    }
    if (step.arguments.size() != member->parameters.size()) {
      problems.push_back(
          {step.line, step.name + " takes " + std::to_string(member->parameters.size()) +
                          " arguments, not " + std::to_string(step.arguments.size())});
      continue;
    }
    for (size_t i = 0; i < step.arguments.size(); ++i) {
      const std::string& argument = step.arguments[i].text;
      if (const char* wanted = Mismatch(member->parameters[i], argument)) {
        // Bytes that are not UTF-8 would garble the report.
        const std::string shown =
            member->parameters[i] == ArgumentKind::Text ? "" : " \"" + argument + "\"";
        problems.push_back({step.line, step.name + " argument " + std::to_string(i + 1) + shown +
                                           " is not " + wanted});
      }
    }
  }
  std::ranges::stable_sort(problems, {}, &Problem::line);
  return problems;
}

}  // namespace oposclient
