// Trace and packet log lines, byte for byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "devicelink/link_clock.h"
#include "file_text.h"
#include "devicelink/link_state.h"
#include "devicelink/logs.h"

using namespace devicelink;

namespace {

LocalTimeStamp FifthOfMarch() { return {5, 3, 2026, 9, 7, 3}; }
LocalTimeStamp EighthOfDecember() { return {8, 12, 2026, 14, 25, 59}; }

class LogsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("lumero-logs-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
    SetLinkClocks(FifthOfMarch, nullptr);
  }
  void TearDown() override {
    SetLinkClocks(nullptr, nullptr);
    ResetLinkState();
    std::filesystem::remove_all(dir_);
  }
  std::string PathOf(const char* name) const { return (dir_ / name).string(); }

  std::filesystem::path dir_;
};

TEST_F(LogsTest, TraceLogOffWritesNothing) {
  EXPECT_EQ(WriteTraceLog("x"), 0);
  EXPECT_TRUE(std::filesystem::is_empty(dir_));
}

TEST_F(LogsTest, TraceLineHasPaddedStampMessageAndBlank) {
  ASSERT_EQ(SetTraceLogPath(PathOf("trace.log").c_str()), 0);
  EXPECT_EQ(WriteTraceLog("Входящие данные:"), 1);
  SetLinkClocks(EighthOfDecember, nullptr);
  EXPECT_EQ(WriteTraceLog("two"), 1);
  EXPECT_EQ(ReadFile(PathOf("trace.log")), " 5-03-2026  9:07:03 Входящие данные: \n 8-12-2026 14:25:59 two \n");
}

TEST_F(LogsTest, EmptyPathSwitchesOffAndNewPathSwitchesOnAgain) {
  SetTraceLogPath(PathOf("first.log").c_str());
  WriteTraceLog("one");
  EXPECT_EQ(SetTraceLogPath(""), 0);
  EXPECT_EQ(WriteTraceLog("dropped"), 0);
  SetTraceLogPath(PathOf("second.log").c_str());
  WriteTraceLog("two");
  EXPECT_EQ(ReadFile(PathOf("first.log")), " 5-03-2026  9:07:03 one \n");
  EXPECT_EQ(ReadFile(PathOf("second.log")), " 5-03-2026  9:07:03 two \n");
}

TEST_F(LogsTest, OverlongPathIsRefusedAndTheLogKept) {
  SetTraceLogPath(PathOf("kept.log").c_str());
  const std::string longPath(1000, 'x');
  EXPECT_EQ(SetTraceLogPath(longPath.c_str()), -1);
  EXPECT_EQ(SetPacketLogPath(longPath.c_str()), -1);
  EXPECT_EQ(LinkState().PacketLogOn, 0);
  WriteTraceLog("still here");
  EXPECT_EQ(ReadFile(PathOf("kept.log")), " 5-03-2026  9:07:03 still here \n");
  EXPECT_EQ(SetTraceLogPath(std::string(999, 'y').c_str()), 0);
}

TEST_F(LogsTest, UnopenableTraceFileReportsFailure) {
  SetTraceLogPath(PathOf("missing-dir/trace.log").c_str());
  EXPECT_EQ(WriteTraceLog("lost"), -1);
  EXPECT_EQ(WriteTraceLog("lost again"), -1);
}

TEST_F(LogsTest, PacketLogBeginEntryAndEndLines) {
  SetPacketLogPath(PathOf("Kavrix.dat").c_str());
  WritePacketLog("", "START");
  WritePacketLog("21", "21730514;");
  WritePacketLog("", "");
  WritePacketLog("END", "");
  EXPECT_EQ(ReadFile(PathOf("Kavrix.dat")),
            ";Начало сеанса    5-03-2026  9:07:03 \n"
            "; 5-03-2026  9:07:03  21\n21730514;\n"
            ";Начало сеанса    5-03-2026  9:07:03 \n"
            ";Конец Сеанса    5-03-2026  9:07:03 \n");
}

TEST_F(LogsTest, PacketLogOffWritesNothing) {
  WritePacketLog("", "START");
  EXPECT_TRUE(std::filesystem::is_empty(dir_));
}

}  // namespace
