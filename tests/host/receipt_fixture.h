#pragma once
// An enabled, claimed service with a sales receipt open, over a simulator
// whose replies the tests script.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "service_fixture.h"

namespace service_test {

using Wire = std::vector<std::string>;
using Replies = std::vector<std::pair<int, printersim::Reply>>;

// A good reply whose S2 shows a receipt stage; S5 shows the day open.
inline printersim::Reply StageReply(uint8_t stage) { return {.status = {0, 0, stage, 0, 0, 0x10}}; }
inline const printersim::Reply Refused{.error = "0201"};

class ReceiptTest : public ServiceTest {
 protected:
  void SetUp() override {
    ServiceTest::SetUp();
    OpenAndEnable();
    State().FClaimed = 1;
    InState(2);
  }

  void InState(int32_t state, int32_t receiptType = 4) {
    State().FPrinterState = state;
    State().FFiscalReceiptType = receiptType;
  }

  void Script(const Replies& replies) {
    for (const auto& [cmd, reply] : replies) sim_.SetReply(cmd, reply);
  }

  // Every request as "CC data", the command in hex and the password left out.
  Wire Sent() const {
    Wire wire;
    for (const auto& request : sim_.Requests()) {
      const char hex[] = "0123456789ABCDEF";
      const std::string data = request.data.substr(std::min<size_t>(7, request.data.size()));
      wire.push_back(std::string{hex[request.cmd >> 4], hex[request.cmd & 15], ' '} + data);
    }
    return wire;
  }

  void ExpectResult(int32_t result, int32_t extended, const std::string& text) {
    EXPECT_EQ(State().FResultCode, result);
    EXPECT_EQ(State().FResultCodeExtended, extended);
    EXPECT_EQ(State().FErrorString, text);
  }
};

}  // namespace service_test
