// Property accessors: guards, capabilities, constants, the printer polls and
// the setters' checks.
#include <algorithm>
#include <climits>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "serviceobject/results.h"
#include "service_fixture.h"

using namespace service_test;
using printersim::Fault;
using service::Cap;

namespace {

constexpr int32_t EarlierCode = 114;
constexpr int32_t EarlierExtended = 218;
constexpr const char* Earlier = "earlier";
constexpr const char* PropertyNotSupported = "Свойство не поддерживается объектом";
constexpr const char* TypeNotSupported = "Тип не поддерживается";

// What a refused getter must leave in its output.
std::vector<int32_t> Sentinels(int32_t) { return {12345}; }
std::vector<std::string> Sentinels(std::string) { return {"untouched"}; }
std::vector<bool> Sentinels(bool) { return {false, true}; }

std::string Text(int32_t value) { return std::to_string(value); }
std::string Text(bool value) { return value ? "true" : "false"; }
std::string Text(const std::string& value) { return value; }

// The value as text, or nullopt when the getter refused and left its output.
template <class T>
std::optional<std::string> Read(bool (*get)(T&)) {
  std::optional<std::string> answer;
  for (T sentinel : Sentinels(T{})) {
    T value = sentinel;
    if (get(value)) return Text(value);
    EXPECT_EQ(value, sentinel) << "a refused getter wrote its output";
  }
  return answer;
}

enum class Guard { Open, OpenObject, Enabled };

struct GuardedGetter {
  const char* name;
  Guard guard;
  std::optional<std::string> (*read)();
  const char* enabledValue;  // nullptr: a stored value, checked elsewhere
};

#define GETTER(name, guard, value) {#name, Guard::guard, [] { return Read(service::Get##name); }, value}

const GuardedGetter GuardedGetters[] = {
    GETTER(AmountDecimalPlaces, Open, "2"),
    GETTER(AsyncMode, Open, "false"),
    GETTER(BinaryConversion, Open, "0"),
    GETTER(ChangeDue, Open, ""),
    GETTER(Claimed, Open, "false"),
    GETTER(CountryCode, Open, "1024"),
    GETTER(DataEventEnabled, Open, "false"),
    GETTER(DescriptionLength, Open, "75"),
    GETTER(DeviceDescription, Open, "Vornik MR-62 Fiscal Printer, Ukrainian Version"),
    GETTER(DeviceEnabled, OpenObject, "true"),
    GETTER(DeviceName, Open, "Vornik MR-62 Fiscal Printer"),
    GETTER(DeviceServiceDescription, Open, nullptr),
    GETTER(DuplicateReceipt, Open, "false"),
    GETTER(ErrorLevel, Open, "1"),
    GETTER(ErrorState, Open, "0"),
    GETTER(ErrorStation, Open, "0"),
    GETTER(ErrorString, Open, Earlier),
    GETTER(FlagWhenIdle, Open, "false"),
    GETTER(FreezeEvents, Open, "false"),
    GETTER(MessageLength, Open, "34"),
    GETTER(NumHeaderLines, Open, "10"),
    GETTER(NumTrailerLines, Open, "4"),
    GETTER(NumVatRates, Open, "5"),
    GETTER(OpenResult, Open, "0"),
    GETTER(OutputID, Open, "0"),
    GETTER(PowerNotify, Open, "0"),
    GETTER(PowerState, Open, "2000"),
    GETTER(PredefinedPaymentLines, Open, "0,1,2,3,4"),
    GETTER(PrinterState, Open, "1"),
    GETTER(QuantityLength, Open, "9"),
    GETTER(ReservedWord, Open, ""),
    GETTER(ServiceObjectDescription, Open, nullptr),
    GETTER(State, Open, "0"),
    GETTER(ActualCurrency, Enabled, "12"),
    GETTER(ContractorId, Enabled, "3"),
    GETTER(CoverOpen, Enabled, "false"),
    GETTER(DateType, Enabled, "1"),
    GETTER(DayOpened, Enabled, "true"),
    GETTER(FiscalReceiptStation, Enabled, "0"),
    GETTER(FiscalReceiptType, Enabled, "0"),
    GETTER(JrnNearEnd, Enabled, "false"),
    GETTER(MessageType, Enabled, "24"),
    GETTER(PostLine, Enabled, ""),
    GETTER(PreLine, Enabled, ""),
    GETTER(RecNearEnd, Enabled, "false"),
    GETTER(RemainingFiscalMemory, Enabled, "1000"),
    GETTER(SlpEmpty, Enabled, "false"),
    GETTER(SlpNearEnd, Enabled, "false"),
    GETTER(TotalizerType, Enabled, "2"),
    GETTER(TrainingModeActive, Enabled, "false"),
    // Refused whatever the state; the open guard comes first.
    GETTER(ErrorOutID, Open, nullptr),
    // The polls, refused before they send anything.
    GETTER(JrnEmpty, Enabled, nullptr),
    GETTER(RecEmpty, Enabled, nullptr),
};

#undef GETTER

const Cap Supported[] = {
    Cap::AdditionalHeader, Cap::AdditionalLines, Cap::AmountAdjustment, Cap::CoverSensor,
    Cap::DuplicateReceipt, Cap::EmptyReceiptIsVoidable, Cap::FiscalReceiptType, Cap::HasVatTable,
    Cap::ItemList, Cap::JrnEmptySensor, Cap::JrnPresent, Cap::NonFiscalMode, Cap::OnlyVoidLastItem,
    Cap::PercentAdjustment, Cap::PositiveAdjustment, Cap::PostPreLine, Cap::PredefinedPaymentLines,
    Cap::RecEmptySensor, Cap::RecPresent, Cap::RemainingFiscalMemory, Cap::SetHeader, Cap::SetPOSID,
    Cap::SetTrailer, Cap::SetVatTable, Cap::SubAmountAdjustment, Cap::SubPercentAdjustment, Cap::Subtotal,
    Cap::TotalizerType, Cap::TrainingMode, Cap::XReport,
};

class PropertiesTest : public ServiceTest {
 protected:
  void LeaveEarlierResult() { service::Report(EarlierCode, EarlierExtended, Earlier); }

  void ExpectResult(int32_t code, int32_t extended, const std::string& text) {
    EXPECT_EQ(State().FResultCode, code);
    EXPECT_EQ(State().FResultCodeExtended, extended);
    EXPECT_EQ(State().FErrorString, text);
  }
  void ExpectEarlierResult() { ExpectResult(EarlierCode, EarlierExtended, Earlier); }

  // Every capability, the long one too, as text.
  std::vector<std::optional<std::string>> ReadCapabilities() {
    std::vector<std::optional<std::string>> answers;
    for (int i = 0; i < static_cast<int>(Cap::Count); ++i) {
      bool value = false;
      answers.push_back(service::GetCapability(static_cast<Cap>(i), value) ? std::optional(Text(value))
                                                                           : std::nullopt);
    }
    answers.push_back(Read(service::GetCapPowerReporting));
    return answers;
  }
};

TEST_F(PropertiesTest, GuardsRefuseWhileClosedOrDisabledAndKeepTheOutput) {
  struct Phase {
    const char* name;
    bool open;
  };
  for (const Phase phase : {Phase{"closed", false}, Phase{"open, disabled", true}}) {
    SCOPED_TRACE(phase.name);
    if (phase.open) {
      ASSERT_EQ(service::OpenService(), 0);
    }
    for (const GuardedGetter& getter : GuardedGetters) {
      SCOPED_TRACE(getter.name);
      if (phase.open && getter.guard != Guard::Enabled) continue;
      LeaveEarlierResult();
      EXPECT_EQ(getter.read(), std::nullopt);
      const bool enabledGuard = getter.guard == Guard::Enabled;
      ExpectResult(enabledGuard ? 105 : 101, EarlierExtended,
                   enabledGuard                          ? service::TextNotOpenOrNotEnabled
                   : getter.guard == Guard::OpenObject ? service::TextServiceObjectNotOpen
                                                         : service::TextServiceNotOpen);
    }
  }
  EXPECT_TRUE(sim_.Requests().empty());
}

TEST_F(PropertiesTest, EnabledGettersAnswerAndKeepTheEarlierResult) {
  OpenAndEnable();
  for (const GuardedGetter& getter : GuardedGetters) {
    if (getter.enabledValue == nullptr) continue;
    SCOPED_TRACE(getter.name);
    LeaveEarlierResult();
    EXPECT_EQ(getter.read(), getter.enabledValue);
    ExpectEarlierResult();
  }
  EXPECT_TRUE(sim_.Requests().empty());
}

TEST_F(PropertiesTest, CapabilitiesAreConstantsOfTheOpenService) {
  std::vector<std::optional<std::string>> expected;
  for (int i = 0; i < static_cast<int>(Cap::Count); ++i)
    expected.push_back(std::ranges::find(Supported, static_cast<Cap>(i)) != std::end(Supported) ? "true"
                                                                                                  : "false");
  expected.push_back("0");
  EXPECT_EQ(expected.size(), 60u);

  LeaveEarlierResult();
  for (const auto& answer : ReadCapabilities()) EXPECT_EQ(answer, std::nullopt);
  ExpectResult(101, EarlierExtended, service::TextServiceNotOpen);

  ASSERT_EQ(service::OpenService(), 0);
  LeaveEarlierResult();
  EXPECT_EQ(ReadCapabilities(), expected) << "opened, neither claimed nor enabled";
  ExpectEarlierResult();
  service::SetDeviceEnabled(true);
  EXPECT_EQ(ReadCapabilities(), expected) << "enabled";
  EXPECT_EQ(Commands(), (std::vector<int>{0x42, 0x80})) << "only enabling talks to the printer";
}

TEST_F(PropertiesTest, UnguardedGettersAnswerWhileClosed) {
  LeaveEarlierResult();
  EXPECT_EQ(service::GetResultCode(), EarlierCode);
  EXPECT_EQ(service::GetResultCodeExtended(), EarlierExtended);
  EXPECT_EQ(service::GetQuantityDecimalPlaces(), 3);
  EXPECT_EQ(service::GetDeviceServiceVersion(), 1011000);
  EXPECT_EQ(service::GetServiceObjectVersion(), 1011000);
  EXPECT_FALSE(service::GetCheckTotal());
  EXPECT_EQ(service::GetCheckHealthText(), "");
  EXPECT_EQ(service::GetAdditionalHeader(), "");
  ExpectEarlierResult();

  const std::pair<const char*, std::function<std::optional<std::string>()>> unsupported[] = {
      {"AdditionalTrailer", [] { return Read(service::GetAdditionalTrailer); }},
      {"SlipSelection", [] { return Read(service::GetSlipSelection); }},
  };
  for (const auto& [name, read] : unsupported) {
    SCOPED_TRACE(name);
    LeaveEarlierResult();
    EXPECT_EQ(read(), std::nullopt);
    ExpectResult(106, EarlierExtended, PropertyNotSupported);
  }
  ASSERT_EQ(service::OpenService(), 0);
  LeaveEarlierResult();
  EXPECT_EQ(Read(service::GetErrorOutID), std::nullopt);
  ExpectResult(106, EarlierExtended, PropertyNotSupported);
  EXPECT_TRUE(sim_.Requests().empty());
}

TEST_F(PropertiesTest, PaperPollsReadStatusByteS1) {
  struct Poll {
    const char* name;
    uint8_t s1;
    std::optional<Fault> fault;
    bool portClosed;
    bool jrnEmpty, recEmpty;
    int32_t code, extended;
    const char* text;
  };
  const Poll polls[] = {
      {"PaperIn", 0, {}, false, false, false, 0, EarlierExtended, ""},
      {"JournalOut", 0x08, {}, false, true, false, 114, 202, "Закончилась контрольная лента"},
      {"ReceiptOut", 0x04, {}, false, false, true, 114, 203, "Закончилась чековая лента"},
      {"BothOut", 0x0C, {}, false, true, true, 114, 202, "Закончилась контрольная лента"},
      {"CoverOpen", 0x10, {}, false, false, false, 114, 201, "Открыта крышка принтера"},
      // No status to read: the answer stays "paper out".
      {"Nak", 0, Fault::Nak(), false, true, true, 114, 221, "Неправильный код команды"},
      {"Silent", 0, {}, true, true, true, 112, EarlierExtended,
       "Таймаут устройства. Устройство не отвечает или выключено"},
  };
  const std::pair<const char*, bool (*)(bool&)> getters[] = {{"JrnEmpty", service::GetJrnEmpty},
                                                             {"RecEmpty", service::GetRecEmpty}};
  for (const Poll& poll : polls) {
    for (const auto& [name, get] : getters) {
      SCOPED_TRACE(std::string(poll.name) + " " + name);
      Reset();
      OpenAndEnable();
      sim_.SetReply(0x80, {.status = {0, poll.s1, 0, 0, 0, 0}});
      if (poll.fault) sim_.InjectFault(0x80, *poll.fault);
      if (poll.portClosed) devicelink::CloseLinkPort();
      LeaveEarlierResult();
      bool value = false;
      EXPECT_TRUE(get(value));
      EXPECT_EQ(value, get == service::GetJrnEmpty ? poll.jrnEmpty : poll.recEmpty);
      ExpectResult(poll.code, poll.extended, poll.text);
      EXPECT_EQ(Commands(), poll.portClosed ? std::vector<int>{} : std::vector<int>{0x80});
    }
  }
}

TEST_F(PropertiesTest, OpenDrawerPropOpensTheDrawerWithoutGuardOrValue) {
  OpenAndEnable();
  sim_.SetReply(0x83, {.status = {0, 0x04, 0, 0, 0, 0}});
  int32_t value = 12345;
  EXPECT_FALSE(service::GetOpenDrawerProp(value));
  EXPECT_EQ(value, 12345);
  EXPECT_EQ(Commands(), std::vector<int>{0x83});
  ExpectResult(114, 203, "Закончилась чековая лента");

  service::Close();
  LeaveEarlierResult();
  EXPECT_FALSE(service::GetOpenDrawerProp(value));
  EXPECT_EQ(State().FResultCode, 112) << "closed: the link has no port";
}

TEST_F(PropertiesTest, AdditionalHeaderSelectsAFieldOfTheLastReply) {
  struct Index {
    const char* text;
    std::optional<int32_t> number;  // nullopt: not an integer
  };
  const Index indexes[] = {
      {"1", 1},       {"  -12", -12},         {"+7", 7},          {"$1F", 31},    {"0x10", 16},
      {"0X10", 16},   {"x10", 16},            {"X1f", 31},        {"2147483647", INT_MAX},
      {"-2147483648", INT_MIN},               {"$7FFFFFFF", INT_MAX},
      {"", {}},       {"abc", {}},            {"12 ", {}},        {"1.5", {}},    {"--1", {}},
      {"+-1", {}},    {"-$10", {}},           {"$", {}},          {"0x-1", {}},   {"2147483648", {}},
      {"$80000000", {}},
  };
  for (const Index& index : indexes) {
    SCOPED_TRACE(index.text);
    State().FAdditionalHeaderIndex = 5;
    LeaveEarlierResult();
    if (index.number) {
      service::SetAdditionalHeader(index.text);
      EXPECT_EQ(State().FAdditionalHeaderIndex, *index.number);
    } else {
      try {
        service::SetAdditionalHeader(index.text);
        ADD_FAILURE() << "accepted";
      } catch (const service::ServiceError& error) {
        EXPECT_EQ(error.what(), "'" + std::string(index.text) + "' is not a valid integer value");
      }
      EXPECT_EQ(State().FAdditionalHeaderIndex, 5);
    }
    ExpectEarlierResult();
  }

  OpenAndEnable();  // the last reply is the device information
  const std::pair<int32_t, const char*> fields[] = {
      {0, "MR-62"}, {1, "ver 5.10"}, {-1, ""}, {20, ""}, {INT_MAX, ""}};
  for (const auto& [field, text] : fields) {
    State().FAdditionalHeaderIndex = field;
    EXPECT_EQ(service::GetAdditionalHeader(), text) << field;
  }
}

TEST_F(PropertiesTest, SettersCheckGuardStateAndValue) {
  constexpr int32_t Kept = -1;  // the earlier result stays
  struct Setting {
    const char* name;
    bool open, enabled;
    int32_t printerState;
    std::function<void()> set;
    int32_t code, extended;
    const char* text;
    std::function<bool()> stored;  // null: nothing to see
  };
  auto& s = State();
  const Setting settings[] = {
      {"BinaryConversion(0) closed", false, false, 0, [] { service::SetBinaryConversion(0); }, 0, EarlierExtended, ""},
      {"BinaryConversion(1)", false, false, 0, [] { service::SetBinaryConversion(1); }, 106, EarlierExtended,
       TypeNotSupported},
      {"SlipSelection closed", false, false, 0, [] { service::SetSlipSelection(1); }, 106, EarlierExtended,
       PropertyNotSupported},
      {"AdditionalTrailer closed", false, false, 0, [] { service::SetAdditionalTrailer("x"); }, 106,
       EarlierExtended, PropertyNotSupported},
      {"CheckTotal closed", false, false, 0, [] { service::SetCheckTotal(true); }, Kept, 0, nullptr,
       [&] { return s.FCheckTotal == 1; }},
      {"PowerNotify(0) closed", false, false, 0, [] { service::SetPowerNotify(0); }, 101, EarlierExtended,
       service::TextServiceNotOpen},
      {"DuplicateReceipt closed", false, false, 0, [] { service::SetDuplicateReceipt(true); }, 101,
       EarlierExtended, service::TextServiceNotOpen, [&] { return s.FDuplicateReceipt == 0; }},
      {"PreLine disabled", true, false, 0, [] { service::SetPreLine("x"); }, 105, EarlierExtended,
       service::TextNotOpenOrNotEnabled, [&] { return s.FPreLine.empty(); }},
      {"TotalizerType disabled", true, false, 0, [] { service::SetTotalizerType(3); }, 105, EarlierExtended,
       service::TextNotOpenOrNotEnabled},
      {"PowerNotify(0)", true, false, 0, [] { service::SetPowerNotify(0); }, 0, 0, ""},
      {"PowerNotify(1)", true, false, 0, [] { service::SetPowerNotify(1); }, 106, EarlierExtended,
       TypeNotSupported},
      {"AsyncMode(false)", true, false, 0, [] { service::SetAsyncMode(false); }, Kept, 0, nullptr},
      {"AsyncMode(true)", true, false, 0, [] { service::SetAsyncMode(true); }, 106, EarlierExtended,
       PropertyNotSupported},
      {"ChangeDue", true, false, 0, [] { service::SetChangeDue(""); }, 106, EarlierExtended, PropertyNotSupported},
      {"DataEventEnabled(true)", true, false, 0, [] { service::SetDataEventEnabled(true); }, 106,
       EarlierExtended, PropertyNotSupported, [&] { return s.FDataEventEnabled == 1; }},
      {"FlagWhenIdle(true)", true, false, 0, [] { service::SetFlagWhenIdle(true); }, Kept, 0, nullptr,
       [&] { return s.FFlagWhenIdle == 1; }},
      {"FreezeEvents(true)", true, false, 0, [] { service::SetFreezeEvents(true); }, Kept, 0, nullptr,
       [&] { return s.FFreezeEvents == 1; }},
      {"ContractorId", true, true, 1, [] { service::SetContractorId(3); }, 106, EarlierExtended,
       PropertyNotSupported},
      {"DateType(4)", true, true, 1, [] { service::SetDateType(4); }, Kept, 0, nullptr,
       [&] { return s.FDateType == 1; }},
      {"DateType(1)", true, true, 1, [&] {
         s.FDateType = 0;
         service::SetDateType(1);
       }, 106, EarlierExtended,
       "Неверныйи тип данных", [&] { return s.FDateType == 0; }},
      {"TotalizerType(1)", true, true, 1, [] { service::SetTotalizerType(1); }, 106, EarlierExtended,
       "Тип FPTR_TT_GRAND не поддерживается", [&] { return s.FTotalizerType == 2; }},
      {"TotalizerType(4)", true, true, 1, [] { service::SetTotalizerType(4); }, Kept, 0, nullptr,
       [&] { return s.FTotalizerType == 4; }},
      {"MessageType(7)", true, true, 1, [] { service::SetMessageType(7); }, Kept, 0, nullptr,
       [&] { return s.FMessageType == 7; }},
      {"PostLine", true, true, 1, [] { service::SetPostLine("после"); }, Kept, 0, nullptr,
       [&] { return s.FPostLine == "после"; }},
      {"FiscalReceiptStation(2)", true, true, 2, [] { service::SetFiscalReceiptStation(2); }, 106,
       EarlierExtended, "Подкладной бланк не поддерживается", [&] { return s.FFiscalReceiptStation == 0; }},
      {"FiscalReceiptStation(1) in 2", true, true, 2, [] { service::SetFiscalReceiptStation(1); }, 114, 207,
       "Неверное состояние регистратора", [&] { return s.FFiscalReceiptStation == 0; }},
      {"FiscalReceiptStation(1)", true, true, 1, [] { service::SetFiscalReceiptStation(1); }, Kept, 0, nullptr,
       [&] { return s.FFiscalReceiptStation == 1; }},
  };
  for (const Setting& setting : settings) {
    SCOPED_TRACE(setting.name);
    Reset();
    if (setting.enabled) {
      OpenAndEnable();
    } else if (setting.open) {
      ASSERT_EQ(service::OpenService(), 0);
    }
    if (setting.printerState) s.FPrinterState = setting.printerState;
    LeaveEarlierResult();
    setting.set();
    if (setting.code == Kept)
      ExpectEarlierResult();
    else
      ExpectResult(setting.code, setting.extended, setting.text);
    if (setting.stored) {
      EXPECT_TRUE(setting.stored());
    }
  }
}

}  // namespace
