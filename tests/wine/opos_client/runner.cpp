#include "runner.h"

#include <chrono>
#include <cstdio>

#include "service_object.h"
#include "text.h"

namespace oposclient {
namespace {

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string Format(const VARIANT& value) {
  switch (value.vt) {
    case VT_EMPTY:
      return "done";
    case VT_I4:
      return std::to_string(value.lVal);
    case VT_BOOL:
      return value.boolVal ? "true" : "false";
    case VT_BSTR:
      return Quoted(value.bstrVal ? WideToUtf8(value.bstrVal) : "");
  }
  Variant text;
  if (FAILED(VariantChangeType(text.get(), const_cast<VARIANT*>(&value), 0, VT_BSTR)) ||
      text->bstrVal == nullptr)
    return "(type " + std::to_string(value.vt) + ")";
  return WideToUtf8(text->bstrVal);
}

std::string HresultText(const CallOutcome& outcome) {
  if (outcome.hr == E_NOTIMPL) return "not implemented";
  if (outcome.hr == DISP_E_UNKNOWNNAME) return "unknown name";
  char code[24];
  std::snprintf(code, sizeof code, "HRESULT 0x%08lX", static_cast<unsigned long>(outcome.hr));
  std::string text = code;
  if (!outcome.description.empty()) text += ' ' + Quoted(WideToUtf8(outcome.description));
  return text;
}

bool Failed(const VARIANT& result) { return result.vt == VT_I4 && result.lVal != 0; }

}  // namespace

int Runner::Run(const std::vector<Step>& steps) {
  using Clock = std::chrono::steady_clock;
  const auto micros = [](Clock::duration span) {
    return static_cast<int64_t>(std::chrono::duration_cast<std::chrono::microseconds>(span).count());
  };
  const Clock::time_point origin = Clock::now();
  for (const Step& step : steps) {
    bool succeeded = false;
    const Clock::time_point start = Clock::now();
    try {
      succeeded = RunStep(step);
    } catch (const std::exception& error) {
      print_("line " + std::to_string(step.line) + ": " + step.name + ": " + error.what());
      return kScenarioError;
    }
    if (timed_) timed_(micros(start - origin), micros(Clock::now() - start));
    if (!succeeded && expect_success_) return kStepFailed;
  }
  return kAllRan;
}

bool Runner::RunStep(const Step& step) {
  switch (step.verb) {
    case Verb::Open:
      return Open(step);
    case Verb::Close:
      return Close();
    case Verb::Get:
      return Get(step);
    case Verb::Put:
      return Put(step);
    case Verb::Call:
      break;
  }
  const std::wstring name = Utf8ToWide(step.name);
  return ReportMethod(name, CallByName(Object(), name, Access::Method, step.arguments));
}

bool Runner::Open(const Step& step) {
  object_.reset();
  try {
    object_ = CreateServiceObject(Utf8ToWide(step.name));
  } catch (const std::runtime_error& error) {
    print_("open " + step.name + ": " + error.what());
    return false;
  }
  const std::vector<Argument> arguments = {{.text = "FiscalPrinter", .quoted = true},
                                           {.text = step.name, .quoted = true},
                                           {.text = "control"}};
  if (!ReportMethod(L"OpenService",
                    CallByName(object_.get(), L"OpenService", Access::Method, arguments)))
    return false;
  // The Control Object's own check: it refuses a service object of another major version.
  const CallOutcome version =
      CallByName(object_.get(), L"GetPropertyNumber", Access::Method, {{.text = "8"}});
  if (SUCCEEDED(version.hr) && version.result->vt == VT_I4 && version.result->lVal / 1000000 == 1)
    return true;
  print_("open " + step.name + ": ServiceObjectVersion " +
         (FAILED(version.hr) ? HresultText(version) : Format(*version.result)));
  return false;
}

// Close the way the Control Object closes: CloseService, then let go.
bool Runner::Close() {
  const bool succeeded =
      ReportMethod(L"CloseService", CallByName(Object(), L"CloseService", Access::Method));
  object_.reset();
  return succeeded;
}

bool Runner::Get(const Step& step) {
  const CallOutcome outcome = CallByName(Object(), Utf8ToWide(step.name), Access::Get);
  print_(step.name + " = " + (FAILED(outcome.hr) ? HresultText(outcome) : Format(*outcome.result)));
  return SUCCEEDED(outcome.hr);
}

bool Runner::Put(const Step& step) {
  const Argument& value = step.arguments.at(0);
  const std::string head =
      step.name + " = " + (value.quoted ? Quoted(value.text) : value.text) + " -> ";
  const CallOutcome outcome =
      CallByName(Object(), Utf8ToWide(step.name), Access::Put, step.arguments);
  if (FAILED(outcome.hr)) {
    print_(head + HresultText(outcome));
    return false;
  }
  const CallOutcome code = CallByName(object_.get(), L"ResultCode", Access::Get);
  if (FAILED(code.hr)) {
    print_(head + "ResultCode " + HresultText(code));
    return false;
  }
  const bool failed = Failed(*code.result);
  print_(head + Format(*code.result) + (failed ? FailureDetails() : ""));
  return !failed;
}

bool Runner::ReportMethod(const std::wstring& name, const CallOutcome& outcome) {
  std::string line = WideToUtf8(name) + " -> ";
  if (FAILED(outcome.hr)) {
    print_(line + HresultText(outcome));
    return false;
  }
  line += Format(*outcome.result);
  for (const Output& output : outcome.outputs)
    line += ", " + WideToUtf8(output.name) + " = " + Format(*output.value);
  const bool failed = Failed(*outcome.result);
  print_(line + (failed ? FailureDetails() : ""));
  return !failed;
}

std::string Runner::FailureDetails() {
  return ", ResultCodeExtended = " + PropertyText(L"ResultCodeExtended") +
         ", ErrorString = " + PropertyText(L"ErrorString");
}

std::string Runner::PropertyText(const wchar_t* name) {
  const CallOutcome outcome = CallByName(object_.get(), name, Access::Get);
  return FAILED(outcome.hr) ? HresultText(outcome) : Format(*outcome.result);
}

IDispatch* Runner::Object() const {
  if (!object_) throw ScenarioError("no service object is open");
  return object_.get();
}

}  // namespace oposclient
