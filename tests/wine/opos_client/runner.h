#pragma once
// Runs a scenario's steps as the Control Object runs an application's calls,
// and reports one UTF-8 line for each: "ClaimDevice -> 0", "ResultCode = 0",
// "DeviceEnabled = true -> 0" (the ResultCode after the set), and after a
// result other than 0 also ResultCodeExtended and ErrorString.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "dispatch.h"
#include "scenario.h"

namespace oposclient {

// Exit statuses of the client.
inline constexpr int kAllRan = 0;
inline constexpr int kStepFailed = 1;     // only when expecting success
inline constexpr int kScenarioError = 2;  // the scenario does not fit the object

class Runner {
 public:
  using Print = std::function<void(const std::string& line)>;
  // After each step that ran to its end: when it started, counted from the
  // first step's start, and how long it took, in microseconds.
  using Timed = std::function<void(int64_t start, int64_t elapsed)>;
  // expect_success: stop at the first step whose result is not 0.
  Runner(Print print, bool expect_success, Timed timed = nullptr)
      : print_(std::move(print)), expect_success_(expect_success), timed_(std::move(timed)) {}
  int Run(const std::vector<Step>& steps);
  // The object an open step created; throws ScenarioError when none is open.
  IDispatch* Object() const;

 private:
  // Each returns false when the step's result is not 0.
  bool RunStep(const Step& step);
  bool Open(const Step& step);
  bool Close();
  bool Get(const Step& step);
  bool Put(const Step& step);
  bool ReportMethod(const std::wstring& name, const CallOutcome& outcome);
  std::string FailureDetails();
  std::string PropertyText(const wchar_t* name);

  Print print_;
  bool expect_success_;
  Timed timed_;
  Ptr<IDispatch> object_;
};

}  // namespace oposclient
