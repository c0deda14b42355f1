// DirectIO over the simulated printer: the service functions of the negative
// command numbers, raw commands, and what each refuses.
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <string>

#include "service_fixture.h"
#include "serviceobject/results.h"

namespace service_test {
namespace {

class DirectIOTest : public ServiceTest {
 protected:
  int32_t Call(int32_t command, int32_t data = 0, std::string text = "") {
    data_ = data;
    text_ = std::move(text);
    return service::DirectIO(command, data_, text_);
  }

  int32_t data_ = 0;
  std::string text_;
};

TEST_F(DirectIOTest, TraceLogOnWritesTheFiveLinesAndOffStopsIt) {
  const auto cwd = std::filesystem::current_path();
  std::filesystem::current_path(ScratchDir());
  for (const std::string& name : {std::string(), (ScratchDir() / "named.log").string()}) {
    SCOPED_TRACE(name);
    const std::filesystem::path file = name.empty() ? ScratchDir() / "C:OrvanaOPOS.log" : std::filesystem::path(name);
    State().FDuplicateReceipt = 1;
    EXPECT_EQ(Call(-20, 0, name), 0);  // closed service
    EXPECT_EQ(State().FDuplicateReceipt, 0);
    EXPECT_EQ(Call(-21), 0);
    const std::string log = ReadFile(file);
    const char* lines[] = {"Log файл открыт --------------------------------",
                           "OPOS(UnifiedPOS) драйвер \"Компания \"Orvana\" (Quellan Ukraine)",
                           "Quellan OPOS для Vornik MR41/MR-62/MR-84/MR-20/MR-73/MR-95/MK-16",
                           "Версия 2.0.0   28.07.2015"};
    size_t at = 0;
    for (const char* line : lines) {
      at = log.find(line, at);
      EXPECT_NE(at, std::string::npos) << line;
    }
    EXPECT_EQ(log.find("DirectIO"), std::string::npos);  // written after -21
    EXPECT_EQ(Call(-2), 105);
    EXPECT_EQ(ReadFile(file), log);
  }
  std::filesystem::current_path(cwd);
  EXPECT_EQ(Call(-20, 0, std::string(1000, 'a')), 106);  // a path that does not fit
}

// Both set the result code and text only: the extended code stays.
TEST_F(DirectIOTest, TraceLogOnAndOffKeepTheExtendedCode) {
  for (int32_t command : {-20, -21}) {
    service::Report(114, 203, "earlier");
    EXPECT_EQ(Call(command, 0, command == -20 ? (ScratchDir() / "kept.log").string() : ""), 0) << command;
    EXPECT_EQ(State().FResultCodeExtended, 203) << command;
    EXPECT_EQ(State().FErrorString, "") << command;
  }
}

TEST_F(DirectIOTest, EveryOtherCommandNeedsAnOpenEnabledService) {
  for (int32_t command : {-2, -1, -3, -4, -6, -100, 0x80}) {
    State().FDuplicateReceipt = 1;
    EXPECT_EQ(Call(command, command == -1 ? -1 : 0, "590123412345"), 105) << command;
    EXPECT_EQ(State().FErrorString, "Service объект не открыт или устр. не разрешено");
    EXPECT_EQ(State().FDuplicateReceipt, 0);
  }
  EXPECT_TRUE(sim_.Requests().empty());
}

TEST_F(DirectIOTest, ArticleOptionIsKeptWhileTheDayIsOpen) {
  OpenAndEnable();
  struct Case { uint8_t dayOpened; int32_t expected; } cases[] = {{1, 1}, {0, 5}};
  for (const auto& c : cases) {
    State().FDayOpened = c.dayOpened;
    State().FResultCode = 114;
    EXPECT_EQ(Call(-2, 5), 114);
    EXPECT_EQ(State().FArticleMode, c.expected);
  }
  EXPECT_TRUE(sim_.Requests().empty());
}

TEST_F(DirectIOTest, LastErrorCodeIsReadThenReset) {
  OpenAndEnable();
  sim_.SetReply(0x80, {.error = "0032"});
  EXPECT_EQ(Call(0x80, 0, "730514;"), 114);
  sim_.ClearRequests();
  EXPECT_EQ(Call(-1, -1), 114);
  EXPECT_EQ(text_, "0032");
  Call(-1, -1);
  EXPECT_EQ(text_, "0000");
  EXPECT_TRUE(sim_.Requests().empty());
}

TEST_F(DirectIOTest, BarcodeSendsTheCodeWithItsCheckDigit) {
  OpenAndEnable();
  sim_.SetReply(0x6F, {.data = "OK;"});
  State().FDuplicateReceipt = 1;
  EXPECT_EQ(Call(-3, 0, "400638133393"), 0);
  ASSERT_EQ(sim_.Requests().size(), 1u);
  EXPECT_EQ(sim_.Requests()[0].cmd, 0x6F);
  EXPECT_EQ(sim_.Requests()[0].data, "730514;50;0051A9D7BD12CD50A142E90B35000000;");
  EXPECT_EQ(text_.substr(0, 2), "OK");
  EXPECT_EQ(State().FDuplicateReceipt, 1);

  sim_.SetReply(0x6F, {.error = "0032"});
  EXPECT_EQ(Call(-3, 0, "400638133393"), 114);
  EXPECT_EQ(text_, "0032");
}

TEST_F(DirectIOTest, BarcodeRefusesTextsThatAreNoCode) {
  OpenAndEnable();
  // The last reply passed: a refused code must not be answered by it.
  ASSERT_EQ(Call(0x80, 0, "730514;"), 0);
  sim_.ClearRequests();
  for (const char* text : {"40063", "4006381333931", "40063813339O"}) {
    EXPECT_EQ(Call(-3, 0, text), 106) << text;
    EXPECT_EQ(State().FErrorString, "Неверный аргумент метода");
    EXPECT_EQ(text_, text);
  }
  EXPECT_TRUE(sim_.Requests().empty());
}

TEST_F(DirectIOTest, StatusBytesGoToDataOrState) {
  OpenAndEnable();
  sim_.SetReply(0x80, {.error = "0032", .status = {0x01, 0x02, 0x04, 0x20, 0x21, 0x22}});
  const uint8_t status[] = {0x01, 0x02, 0x04, 0x20, 0x21, 0x22};
  for (int32_t i = 0; i < 6; ++i) {
    State().FResultCode = 7;
    EXPECT_EQ(Call(-5 - i), 7);  // the reply is not checked
    EXPECT_EQ(State().FState, status[i]) << i;
    EXPECT_EQ(Call(-4, i), 7);
    EXPECT_EQ(data_, status[i]) << i;
  }
  EXPECT_EQ(sim_.Requests().size(), 12u);
  sim_.ClearRequests();
  for (int32_t i : {-1, 6}) EXPECT_EQ(Call(-4, i), 106);
  EXPECT_TRUE(sim_.Requests().empty());
}

TEST_F(DirectIOTest, DownloadWritesTheDecodedPieces) {
  OpenAndEnable();
  struct Case {
    std::vector<std::string> replies;
    std::string file;
  } cases[] = {
      {{"0;QUJD;"}, ""},
      {{"1;YQpi;", "2;QUJD;", "0;REVG;"}, "a\r\nbABC"},
      {{"1;QUJD;", "0 ;"}, "ABC"},
  };
  const auto path = ScratchDir() / "download.bin";
  for (const auto& c : cases) {
    sim_.ClearRequests();
    for (const auto& reply : c.replies) sim_.QueueReply(0xA7, {.data = reply});
    EXPECT_EQ(Call(-100, 0, path.string()), 0);
    EXPECT_EQ(ReadFile(path), c.file);
    ASSERT_EQ(sim_.Requests().size(), c.replies.size());
    for (size_t n = 0; n < c.replies.size(); ++n)
      EXPECT_EQ(sim_.Requests()[n].data, "730514;0;0;" + std::to_string(n) + ";");
  }
}

TEST_F(DirectIOTest, DownloadRefusalsWriteNoFile) {
  OpenAndEnable();
  const auto path = ScratchDir() / "refused.bin";
  const std::string piece(200, 'Q');
  struct Case {
    std::string name;
    printersim::Reply reply;
    int32_t result;
    bool sends;
    std::string firstPiece = "";  // sent before `reply` when not empty
  } cases[] = {
      {path.string(), {.error = "0032"}, 114, true},
      {path.string(), {.data = "1;" + piece + ";"}, 111, true},  // Base64 past the buffer
      {(ScratchDir() / "missing" / "x.bin").string(), {.data = "0;;"}, 111, true},
      {std::string(300, 'a'), {.data = "0;;"}, 106, false},
      {"", {.data = "0;;"}, 106, false},
      {path.string(), {.data = "0;;"}, 111, true, "QU-J"},  // not Base64
      {path.string(), {.data = "0;;"}, 111, true, "QUJDR"},  // six bits left over
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.result);
    sim_.ClearRequests();
    sim_.ClearScript();
    if (!c.firstPiece.empty()) sim_.QueueReply(0xA7, {.data = "1;" + c.firstPiece + ";"});
    sim_.QueueReply(0xA7, c.reply, printersim::Use::Always);
    EXPECT_EQ(Call(-100, 0, c.name), c.result);
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(sim_.Requests().empty(), !c.sends);
  }
}

// A file limit of two bytes makes the third byte fail to write; what was
// written must not stay behind as if it were the file.
TEST_F(DirectIOTest, DownloadThatCannotBeWrittenLeavesNoFile) {
  OpenAndEnable();
  const auto path = ScratchDir() / "partial.bin";
  sim_.QueueReply(0xA7, {.data = "1;QUJDREVG;"});
  sim_.QueueReply(0xA7, {.data = "0;;"});
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto savedSignal = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 2;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const int32_t result = Call(-100, 0, path.string());
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, savedSignal);
  EXPECT_EQ(result, 111);
  EXPECT_EQ(State().FErrorString, "Невозможно записать файл");
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(DirectIOTest, RawCommandPassesTextAndKeepsTheField) {
  OpenAndEnable();
  sim_.SetReply(0x80, {.data = "MR-62;ver 5.10;"});
  sim_.SetReply(0xFF, {.data = "X;"});
  struct Case {
    int32_t command, field;
    std::string text, sent, reserved;
  } cases[] = {
      {0x80, 1, "730514;\r\n", "730514;  ", "ver 5.10"},
      {-1, 0, "730514;", "730514;", "X"},
  };
  for (const auto& c : cases) {
    sim_.ClearRequests();
    EXPECT_EQ(Call(c.command, c.field, c.text), 0);
    ASSERT_EQ(sim_.Requests().size(), 1u);
    EXPECT_EQ(sim_.Requests()[0].cmd, c.command & 0xFF);
    EXPECT_EQ(sim_.Requests()[0].data, c.sent);
    EXPECT_EQ(State().FReservedWord, c.reserved);
    EXPECT_EQ(text_.find(c.reserved) != std::string::npos, true) << text_;
  }
}

TEST_F(DirectIOTest, RawCommandFailuresKeepTextAndField) {
  OpenAndEnable();
  ASSERT_EQ(Call(0x80, 0, "730514;"), 0);  // a passed reply the refusals must not reuse
  std::strcpy(State().FReservedWord, "kept");
  sim_.SetReply(0x80, {.error = "0032"});
  struct Case {
    int32_t field;
    std::string text;
    int32_t result;
    bool sends;
  } cases[] = {
      {0, "730514;", 114, true},
      {0, "730514;" + std::string(300, 'a'), 114, false},  // longer than a frame
      {20, "730514;", 106, false},
      {-1, "730514;", 106, false},
  };
  for (const auto& c : cases) {
    sim_.ClearRequests();
    EXPECT_EQ(Call(0x80, c.field, c.text), c.result) << c.field;
    EXPECT_EQ(text_, c.text);
    EXPECT_STREQ(State().FReservedWord, "kept");
    EXPECT_EQ(sim_.Requests().empty(), !c.sends);
  }
}

}  // namespace
}  // namespace service_test
