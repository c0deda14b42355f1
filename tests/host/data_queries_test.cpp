// GetData, GetTotalizer and GetVatEntry: the request each sends, the reply
// field it returns, exact sums, and the refusals that send nothing.
#include <optional>

#include "receipt_fixture.h"

using namespace service_test;

namespace {

using Data = std::optional<std::string>;
constexpr const char* BadInput = "Неправильные входные данные";

class DataQueryTest : public ReceiptTest {
 protected:
  void Queue(int cmd, const std::vector<std::string>& fields) {
    for (const auto& field : fields) sim_.QueueReply(cmd, {.data = field + ";"});
  }
};

// Each device item: its request, and field 0 (item 10: field 1) on success;
// a refused reply leaves Data alone except for item 10.
TEST_F(DataQueryTest, DeviceItemsReturnTheirField) {
  const std::tuple<int32_t, int, const char*, const char*, const char*> cases[] = {
      {1, 0xE0, "12.30;7;", "E0 3;0;0;", "12.30"},
      {3, 0xE2, "17;", "E2 1;", "17"},
      {20, 0xE2, "17;", "E2 1;", "17"},
      {4, 0xE2, "3;", "E2 2;", "3"},
      {7, 0xE2, "250;", "E2 0;", "250"},
      {9, 0x44, "ПН123456;", "44 ", "ПН123456"},
      {10, 0x80, "MR-62;ver 5.10;2;", "80 ", "ver 5.10"}};
  for (const auto& [item, cmd, reply, wire, field] : cases) {
    sim_.SetReply(cmd, {.data = reply});
    Data data;
    EXPECT_EQ(service::GetData(item, 0, data), 0) << item;
    EXPECT_EQ(data, field) << item;
    EXPECT_EQ(Sent(), Wire{wire}) << item;
    sim_.ClearRequests();

    sim_.SetReply(cmd, {.error = "0201", .data = reply});
    data.reset();
    EXPECT_EQ(service::GetData(item, 0, data), 114) << item;
    ExpectResult(114, 221, "Неправильный код команды");
    EXPECT_EQ(data.has_value(), item == 10) << item;
    sim_.ClearRequests();
  }
}

// The items answered from tables; nothing is sent for any of them.
TEST_F(DataQueryTest, TableItemsAnswerWithoutTheDevice) {
  const std::tuple<int32_t, int32_t, const char*, const char*> cases[] = {
      {26, 1, "0", nullptr},  {26, 16, "1", nullptr}, {26, 14, "2", nullptr},  {26, 20, "3", nullptr},
      {26, 4, "4", nullptr},  {26, 2, nullptr, "Неверный тип оплаты"},          {26, 0, nullptr, "Неверный тип оплаты"},
      {27, 1, "3", nullptr},  {27, 2, "3", nullptr},  {27, 3, "1", nullptr},   {27, 6, "1", nullptr},
      {27, 7, "3", nullptr},  {27, 8, "3", nullptr},  {27, 9, "1", nullptr},   {27, 15, "1", nullptr},
      {27, 0, nullptr, BadInput}, {27, 16, nullptr, BadInput}, {27, -1, nullptr, BadInput},
      {28, 1, "75", nullptr}, {28, 7, "75", nullptr}, {28, 8, "75", nullptr},  {28, 10, "75", nullptr},
      {28, 12, "75", nullptr}, {28, 2, "0", nullptr}, {28, 9, "0", nullptr},   {28, 11, nullptr, BadInput},
      {28, 3, nullptr, BadInput}};
  for (const auto& [item, opt, text, refusal] : cases) {
    Data data;
    const std::string note = std::to_string(item) + "/" + std::to_string(opt);
    EXPECT_EQ(service::GetData(item, opt, data), text ? 0 : 106) << note;
    EXPECT_EQ(data, text ? Data{text} : Data{}) << note;
    EXPECT_EQ(State().FErrorString, text ? "" : refusal) << note;
  }
  for (int32_t item : {0, 5, 6, 8, 11, 19, 21, 24, 25, 29, -1}) {
    Data data;
    EXPECT_EQ(service::GetData(item, 1, data), 106) << item;
    EXPECT_FALSE(data) << item;
    EXPECT_EQ(State().FErrorString, BadInput);
  }
  EXPECT_EQ(Sent(), Wire{});
}

// Five sales registers, summed exactly and written in general format.
TEST_F(DataQueryTest, DailyTotalIsAnExactSum) {
  const std::pair<std::vector<std::string>, const char*> cases[] = {
      {{"100.50", "0.00", "20.00", "0.00", "0.00"}, "120.5"},
      {{"100", "200", "0", "0", "0"}, "300"},
      {{"1000", "234.50", "0", "0", "0.00"}, "1234.5"},
      {{"0.00", "0", "0.0", "-0", "0"}, "0"},
      {{"0.1", "0.2", "0", "0", "0"}, "0.3"},
      {{"-5.25", "5.25", "0", "0", "0"}, "0"},
      {{"-7.5", "2", "0", "0", "0"}, "-5.5"},
      {{" 1.5", "+2 ", "3.", ".25", "0"}, "6.75"},
      {{"999999999999.99", "999999999999.99", "0", "0", "0"}, "1999999999999.98"},
      {{"99999999999999.99", "99999999999999.99", "99999999999999.99", "99999999999999.99", "99999999999999.99"},
       "500000000000000"},
      {{"12345678901234567890", "0", "0", "0", "0"}, "12345678901234600000"},
      {{"0.123456789012345678", "0", "0", "0", "0"}, "0.123456789012346"},
      {{"0.00000000000000000001", "0", "0", "0", "0"}, "0.00000000000000000001"},
      {{"-0.9999999999999999", "0", "0", "0", "0"}, "-1"}};
  for (const auto& [fields, sum] : cases) {
    Queue(0xE0, fields);
    Data data;
    EXPECT_EQ(service::GetData(2, 0, data), 0) << sum;
    EXPECT_EQ(data, sum);
    EXPECT_EQ(Sent(), (Wire{"E0 0;0;0;", "E0 0;1;0;", "E0 0;2;0;", "E0 0;3;0;", "E0 0;4;0;"})) << sum;
    sim_.ClearRequests();
  }
}

// A register that is no number fails the member instead of counting as 0; a
// refused register ends the sum at once.
TEST_F(DataQueryTest, SumsStopAtABadRegister) {
  for (const char* figure : {"12,50", "", "1e3", "1.2.3", "-", "."}) {
    Queue(0xE0, {"1", figure, "1", "1", "1"});
    Data data;
    EXPECT_EQ(service::GetData(2, 0, data), 111) << figure;
    EXPECT_EQ(State().FErrorString, "'" + std::string(figure) + "' is not a valid floating point value");
    EXPECT_FALSE(data);
    EXPECT_EQ(Sent().size(), 2u) << figure;
    sim_.ClearScript();
    sim_.ClearRequests();
  }
  sim_.QueueReply(0xE0, {.data = "1;"});
  sim_.QueueReply(0xE0, {.error = "0201"});
  Data data;
  EXPECT_EQ(service::GetTotalizer(0, 2, data), 114);
  EXPECT_FALSE(data);
  EXPECT_EQ(Sent().size(), 2u);
}

// Each kind of totalizer under each TotalizerType; VatID plays no part.
TEST_F(DataQueryTest, TotalizerByKindAndType) {
  const std::tuple<int32_t, int32_t, Wire, int32_t, Data> cases[] = {
      {1, 2, {"6E 1;0.00;"}, 0, "55.10"},
      {1, 3, {"E1 03;1;"}, 0, "55.10"},
      {1, 4, {"E0 3;0;0;"}, 0, "55.10"},
      {2, 3, {}, 106, {}},
      {2, 4, {}, 106, {}},
      {3, 2, {}, 0, {}},
      {8, 3, {}, 0, {}},
      {14, 4, {}, 0, {}},
      {16, 2, {}, 0, {}},
      {17, 2, {}, 0, {}},
      {0, 2, {}, 106, {}},
      {4, 2, {}, 106, {}},
      {15, 2, {}, 106, {}},
      {18, 2, {}, 106, {}},
      {-1, 2, {}, 106, {}}};
  for (int cmd : {0x6E, 0xE1, 0xE0}) sim_.SetReply(cmd, {.data = "55.10;9;"});
  for (const auto& [opt, type, wire, result, expected] : cases) {
    for (int32_t vatID : {0, 7}) {
      State().FTotalizerType = type;
      Data data;
      const std::string note = std::to_string(opt) + "/" + std::to_string(type);
      EXPECT_EQ(service::GetTotalizer(vatID, opt, data), result) << note;
      EXPECT_EQ(data, expected) << note;
      EXPECT_EQ(Sent(), wire) << note;
      if (result == 106) {
        EXPECT_EQ(State().FErrorString, opt == 2 ? "Неправильный тип данных" : BadInput) << note;
      }
      sim_.ClearRequests();
    }
  }
  sim_.SetReply(0xE0, {.data = ";"});
  State().FTotalizerType = 4;
  Data data;
  EXPECT_EQ(service::GetTotalizer(0, 1, data), 0);
  EXPECT_EQ(data, "0");
}

// Sales registers less refund registers, ten requests in order.
TEST_F(DataQueryTest, NetDayTotalSubtractsRefunds) {
  Queue(0xE0, {"100.50", "0.25", "0", "0", "0", "0.50", "0", "0", "0.25", "0.10"});
  Data data;
  EXPECT_EQ(service::GetTotalizer(0, 2, data), 0);
  EXPECT_EQ(data, "99.9");
  Wire wire;
  for (int kind : {0, 1})
    for (int i = 0; i < 5; ++i) wire.push_back("E0 " + std::to_string(kind) + ";" + std::to_string(i) + ";0;");
  EXPECT_EQ(Sent(), wire);
}

TEST_F(DataQueryTest, VatEntryReadsTheRateOfItsIndex) {
  const std::pair<int32_t, const char*> ids[] = {{0, "48 0;"},   {1, "48 1;"},   {4, "48 4;"},   {192, "48 0;"},
                                                 {194, "48 2;"}, {196, "48 4;"}, {5, nullptr},   {197, nullptr},
                                                 {191, nullptr}, {-1, nullptr},  {100, nullptr}};
  sim_.SetReply(0x48, {.data = "2;20.00;"});
  for (const auto& [vatID, wire] : ids) {
    State().FResultCode = 0;
    int32_t rate = -9;
    EXPECT_EQ(service::GetVatEntry(vatID, 0, rate), wire ? 0 : 106) << vatID;
    EXPECT_EQ(rate, wire ? 20 : -9) << vatID;
    EXPECT_EQ(Sent(), wire ? Wire{wire} : Wire{}) << vatID;
    if (!wire) {
      EXPECT_EQ(State().FErrorString, "Неверный тип налога");
    }
    sim_.ClearRequests();
  }
  const std::pair<const char*, int32_t> rates[] = {{"7", 7}, {"  -7x", -7}, {"+15.5", 15}, {"", 0}, {"abc", 0},
                                                    {"2147483647", 2147483647}, {"-2147483648", INT32_MIN}};
  State().FResultCode = 0;
  for (const auto& [field, rate] : rates) {
    sim_.SetReply(0x48, {.data = "0;" + std::string(field) + ";"});
    int32_t value = -9;
    EXPECT_EQ(service::GetVatEntry(0, 0, value), 0) << field;
    EXPECT_EQ(value, rate) << field;
  }
  sim_.SetReply(0x48, {.data = "0;2147483648;"});
  int32_t value = -9;
  EXPECT_EQ(service::GetVatEntry(0, 0, value), 111);
  EXPECT_EQ(value, -9);
}

// The rate is written even from a refused reply; a previous failure stops
// the member before anything is sent.
TEST_F(DataQueryTest, VatEntryAfterAFailure) {
  sim_.SetReply(0x48, {.error = "0201", .data = "0;20.00;"});
  int32_t rate = -9;
  EXPECT_EQ(service::GetVatEntry(0, 0, rate), 114);
  EXPECT_EQ(rate, 20);
  rate = -9;
  State().FErrorString = "kept";
  EXPECT_EQ(service::GetVatEntry(0, 0, rate), 114);
  EXPECT_EQ(rate, -9);
  EXPECT_EQ(State().FErrorString, "kept");
  EXPECT_EQ(Sent().size(), 1u);
}

TEST_F(DataQueryTest, DisabledServiceSendsNothing) {
  State().FDeviceEnabled = 0;
  State().FResultCodeExtended = 207;
  Data data;
  int32_t rate = -9;
  EXPECT_EQ(service::GetData(1, 0, data), 105);
  EXPECT_EQ(service::GetTotalizer(0, 1, data), 105);
  EXPECT_EQ(service::GetVatEntry(0, 0, rate), 105);
  ExpectResult(105, 207, "Service объект не открыт или устр. не разрешено");
  EXPECT_FALSE(data);
  EXPECT_EQ(rate, -9);
  EXPECT_EQ(Sent(), Wire{});
}

}  // namespace
