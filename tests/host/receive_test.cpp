// The receive state machine and the decoder, fed byte by byte without a port.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

#include "devicelink/link_state.h"
#include "reply_frames.h"

using namespace devicelink;
using testframes::ReplyFrame;

namespace {

class ReceiveTest : public ::testing::Test {
 protected:
  void SetUp() override { BeginExchange(0x21); }
  void TearDown() override { ResetLinkState(); }

  // What an exchange does to the receive side before its request goes out.
  static void BeginExchange(int32_t command) {
    TLinkState& s = LinkState();
    s.CurrentCommand = command;
    s.PendingErrorMask = 0;
    std::memset(s.RxStatus, 0, sizeof s.RxStatus);
    s.ReplyFlag = 0;
    s.FrameErrors = 0;
    s.ReplyData[0] = '\0';
    s.RawReplyCount = 0;
    LinkReply().RawReply[0] = '\0';
  }
  static void Feed(const std::string& bytes) {
    for (unsigned char b : bytes) HandleReceivedByte(b);
  }
  static const TDeviceReply& Decode(const std::string& bytes) {
    Feed(bytes);
    DecodeReply();
    return LinkReply();
  }
  // One exchange after another, as the link runs them.
  static const TDeviceReply& Exchange(int32_t command, const std::string& bytes) {
    BeginExchange(command);
    const TDeviceReply& reply = Decode(bytes);
    LinkState().ReplyFlag = 1;
    return reply;
  }
  static TLinkState& S() { return LinkState(); }
};

TEST_F(ReceiveTest, WalksEveryStateOfAFrameInOrder) {
  const std::string frame = ReplyFrame("0000", "7;", {0x80, 0x81, 0x80, 0x80, 0x80, 0x80});
  // SOH LEN SEQ CMD 0 0 0 0 ; 7 ; 04 S0..S5 05 c c c c ETX
  const uint8_t expected[] = {1, 2, 3, 4, 4, 4, 4, 4, 5, 5, 6, 7, 7, 7, 7, 7, 7, 8, 9, 9, 9, 9, 10, 0};
  ASSERT_EQ(frame.size(), sizeof expected);
  for (size_t i = 0; i < frame.size(); ++i) {
    HandleReceivedByte(static_cast<uint8_t>(frame[i]));
    EXPECT_EQ(S().RxState, expected[i]) << "after byte " << i;
  }
  EXPECT_EQ(S().ReplyFlag, 1);
  EXPECT_EQ(S().FrameDone, 1);
  EXPECT_EQ(S().FrameErrors, 0);
}

TEST_F(ReceiveTest, GoodFrameDecodesFieldsCodeAndStatus) {
  const TDeviceReply& r = Decode(ReplyFrame("0000", "12;34;", {0x80, 0x80, 0xA8, 0x80, 0x80, 0x80}));
  EXPECT_EQ(r.FieldCount, 2);
  EXPECT_STREQ(r.Fields[0], "12");
  EXPECT_STREQ(r.Fields[1], "34");
  EXPECT_STREQ(r.ReplyText, "12;34;");
  EXPECT_STREQ(r.ErrorCode, "0000");
  EXPECT_EQ(r.StatusBytes[2], 0x28);
  EXPECT_EQ(r.ErrorMask, (1u << 10) | (1u << 11));
  EXPECT_STREQ(r.CommandText, "Команда 21h: Чтение даты и времени");
}

TEST_F(ReceiveTest, SohInsideDataRestartsWithNextByteAsLength) {
  Feed("\x01\x38\x21\x21" "0000;ab");
  const TDeviceReply& r = Decode(ReplyFrame("0000", "xy;"));
  EXPECT_EQ(S().FrameErrors, 0);
  EXPECT_EQ(r.FieldCount, 1);
  EXPECT_STREQ(r.Fields[0], "xy");
}

TEST_F(ReceiveTest, LengthOrSequenceBelowTheirMinimumDropsTheFrame) {
  Feed("\x01\x2F");
  EXPECT_EQ(S().RxState, 0);
  Feed("\x01\x30\x1F");
  EXPECT_EQ(S().RxState, 0);
  EXPECT_EQ(S().ReplyFlag, 0);
}

TEST_F(ReceiveTest, NakOverridesAnyStateAndMarksTheReply) {
  Feed("\x01\x34\x21\x21" "0000;a");
  ASSERT_EQ(S().RxState, 5);
  const TDeviceReply& r = Decode("\x15");
  EXPECT_EQ(S().RxState, 0);
  EXPECT_EQ(r.ErrorMask, MaskNak);
}

TEST_F(ReceiveTest, EtxAfterNakTurnsItIntoAShortFrame) {
  const TDeviceReply& r = Decode("\x15\x03");
  EXPECT_EQ(S().FrameErrors & FrameMarkEarlyEtx, FrameMarkEarlyEtx);
  EXPECT_EQ(r.ErrorMask, MaskChecksumError);
}

TEST_F(ReceiveTest, EarlyEtxIsAChecksumFailureEvenWhenStaleSumsAgree) {
  Feed("\x01\x34\x21\x21" "0000;ab\x03");
  ASSERT_EQ(S().ReplyFlag, 1);
  ASSERT_EQ(S().FrameDone, 1);
  S().SumReceived = S().SumComputed & 0xFFFF;
  DecodeReply();
  EXPECT_EQ(LinkReply().ErrorMask, MaskChecksumError);
  EXPECT_STREQ(LinkReply().ReplyText, "ab");
}

TEST_F(ReceiveTest, WrongChecksumGivesOnlyTheChecksumBit) {
  std::string frame = ReplyFrame("0000", "1;", {0xBF, 0xBF, 0xBF, 0xBF, 0xBF, 0xBF});
  frame[frame.size() - 2] ^= 1;
  const TDeviceReply& r = Decode(frame);
  EXPECT_EQ(r.ErrorMask, MaskChecksumError);
  EXPECT_STREQ(r.Fields[0], "1");
}

TEST_F(ReceiveTest, ByteOtherThanEtxAfterChecksumEndsFrameWithoutReply) {
  std::string frame = ReplyFrame("0000", "1;");
  frame.back() = 'Z';
  const TDeviceReply& r = Decode(frame);
  EXPECT_EQ(S().FrameDone, 1);
  EXPECT_EQ(S().ReplyFlag, 0);
  EXPECT_EQ(r.ErrorMask, MaskTimeout);
}

TEST_F(ReceiveTest, TimeoutTakesPrecedenceOverEverything) {
  S().FrameErrors = FrameMarkNak | FrameMarkChecksum;
  S().RxStatus[0] = 0xFF;
  DecodeReply();
  EXPECT_EQ(LinkReply().ErrorMask, MaskTimeout);
}

TEST_F(ReceiveTest, NakTakesPrecedenceOverChecksum) {
  S().ReplyFlag = 1;
  S().FrameErrors = FrameMarkNak | FrameMarkChecksum;
  DecodeReply();
  EXPECT_EQ(LinkReply().ErrorMask, MaskNak);
}

TEST_F(ReceiveTest, SynIsLeftOutOfTheRawReplyButTakenInsideAFrame) {
  Feed("\x16\x16");
  EXPECT_EQ(S().RxState, 0);
  Feed("\x01\x30\x21\x21" "00\x16");
  EXPECT_STREQ(S().ErrorCodeText, "00\x16");
  EXPECT_EQ(std::string(LinkReply().RawReply).find('\x16'), std::string::npos);
  Feed("\x01\x30\x16");  // in state 2 a SYN drops the frame
  EXPECT_EQ(S().RxState, 0);
}

struct StatusBitCase {
  int Byte, Bit, MaskBit;
};

TEST_F(ReceiveTest, EachStatusBitMapsToItsMaskBit) {
  const StatusBitCase cases[] = {
      {0, 0, 0},   {0, 1, 1},   {0, 2, 2},   {0, 3, -1},  {0, 4, 3},   {0, 5, 27},  {1, 0, 4},
      {1, 1, 5},   {1, 2, 6},   {1, 3, 7},   {1, 4, 8},   {1, 5, 12},  {2, 0, 9},   {2, 1, -1},
      {2, 2, -1},  {2, 3, 10},  {2, 4, -1},  {2, 5, 11},  {3, 0, -1},  {3, 3, -1},  {3, 5, -1},
      {4, 0, 16},  {4, 1, -1},  {4, 2, 13},  {4, 3, 20},  {4, 4, 17},  {4, 5, 28},  {5, 0, 18},
      {5, 1, 21},  {5, 2, 19},  {5, 3, 22},  {5, 4, 23},  {5, 5, 14},  {0, 6, -1},  {5, 6, -1},
  };
  for (const StatusBitCase& c : cases) {
    std::array<uint8_t, 6> status = {0x80, 0x80, 0x80, 0x80, 0x80, 0x80};
    status[c.Byte] = static_cast<uint8_t>(0x80 | (1 << c.Bit));
    const TDeviceReply& r = Exchange(0x80, ReplyFrame("0000", "", status, 0x80));
    EXPECT_EQ(r.ErrorMask, c.MaskBit < 0 ? 0u : 1u << c.MaskBit) << "S" << c.Byte << " bit " << c.Bit;
    EXPECT_EQ(r.StatusBytes[c.Byte], status[c.Byte] & 0x7F);
  }
}

struct SplitCase {
  const char* Data;
  std::vector<std::string> Fields;
};

TEST_F(ReceiveTest, SplitFollowsTheFieldRules) {
  const SplitCase cases[] = {
      {"12;34;", {"12", "34"}}, {"a;;b", {"a", "", "b"}}, {"a;b;;", {"a", "b"}},
      {"a;;", {"a;"}},          {"x", {"x"}},             {";", {""}},
  };
  for (const SplitCase& c : cases) {
    const TDeviceReply& r = Exchange(0x21, ReplyFrame("0000", c.Data));
    ASSERT_EQ(r.FieldCount, static_cast<int32_t>(c.Fields.size())) << c.Data;
    for (size_t i = 0; i < c.Fields.size(); ++i) EXPECT_EQ(r.Fields[i], c.Fields[i]) << c.Data << " field " << i;
    EXPECT_STREQ(r.ReplyText, c.Data);
  }
}

TEST_F(ReceiveTest, EmptyReplyDataGivesNoFields) {
  Exchange(0x21, ReplyFrame("0000", "old;"));
  const TDeviceReply& r = Exchange(0x21, ReplyFrame("0000", ""));
  EXPECT_EQ(r.FieldCount, 0);
  EXPECT_STREQ(r.ReplyText, "");
}

struct TouchUpCase {
  int32_t Command;
  const char* Data;
  const char* Field0;
};

TEST_F(ReceiveTest, TouchUpsRestoreSeparatorsInFieldsOnly) {
  const TouchUpCase cases[] = {
      {0x32, "1234;", "1,234"},          {0x35, "56;", "5,6"},
      {0x35, "7", "7"},                  {0x3E, "12345678;", "12345678,"},
      {0x3E, "12345678", "12345678"},    {0x3E, "123456789", "12345678,"},
      {0x5A, "1 2 3", "1,2,3"},          {0x5A, "01234567890123456789 x", "01234567890123456789 x"},
      {0x21, "1 2", "1 2"},
  };
  for (const TouchUpCase& c : cases) {
    const TDeviceReply& r = Exchange(c.Command, ReplyFrame("0000", c.Data, {0x80, 0x80, 0x80, 0x80, 0x80, 0x80},
                                                           static_cast<uint8_t>(c.Command)));
    EXPECT_STREQ(r.Fields[0], c.Field0) << std::hex << c.Command << " " << c.Data;
    EXPECT_STREQ(r.ReplyText, c.Data);
  }
}

TEST_F(ReceiveTest, LastErrorCodeKeepsTheLastFailure) {
  const TDeviceReply& r = Exchange(0x21, ReplyFrame("0012", ""));
  EXPECT_STREQ(r.ErrorCode, "0012");
  EXPECT_STREQ(r.LastErrorCode, "0012");
  Exchange(0x21, ReplyFrame("0000", ""));
  EXPECT_STREQ(r.ErrorCode, "0000");
  EXPECT_STREQ(r.LastErrorCode, "0012");
}

TEST_F(ReceiveTest, FrameCutAfterItsCommandByteKeepsTheLastErrorCode) {
  Exchange(0x21, ReplyFrame("0012", ""));
  const TDeviceReply& r = Exchange(0x21, "\x01\x30\x21\x21");
  EXPECT_EQ(r.ErrorMask, MaskTimeout);
  EXPECT_STREQ(r.ErrorCode, "");
  EXPECT_STREQ(r.LastErrorCode, "0012");
}

TEST_F(ReceiveTest, TimeoutWithoutNewFrameKeepsThePreviousErrorCode) {
  Exchange(0x21, ReplyFrame("0034", "9;"));
  const TDeviceReply& r = Exchange(0x21, "");
  EXPECT_EQ(r.ErrorMask, MaskTimeout);
  EXPECT_STREQ(r.ErrorCode, "0034");
  EXPECT_EQ(r.FieldCount, 0);
}

TEST_F(ReceiveTest, OversizedPartsStopAtTheirLimits) {
  std::string manyFields;
  for (int i = 0; i < 30; ++i) manyFields += std::to_string(i) + ";";
  const TDeviceReply& r = Exchange(0x21, ReplyFrame("0123456789ABCDEF", manyFields));
  EXPECT_EQ(r.FieldCount, MaxReplyFields);
  EXPECT_STREQ(r.Fields[19], "19");
  EXPECT_STREQ(r.ErrorCode, "012345678");
  EXPECT_EQ(r.ErrorMask, 0u);  // the checksum covers every byte, kept or not

  BeginExchange(0x21);
  Feed(std::string(400, 'q'));
  EXPECT_EQ(std::strlen(LinkReply().RawReply), sizeof LinkReply().RawReply - 1);
}

TEST_F(ReceiveTest, CommandNamesCoverTheNamedRangeOnly) {
  EXPECT_STREQ(CommandName(0x21), "Команда 21h: Чтение даты и времени");
  EXPECT_STREQ(CommandName(0x65), "Команда 65h: Закрытие  фискального чека");
  EXPECT_STREQ(CommandName(0xA3), "Команда A3h: Печать периодического отчета");
  for (int32_t unnamed : {0x2A, 0x84, 0xA4, 0xFF, 0x100, 0x1F, -1})
    EXPECT_STREQ(CommandName(unnamed), "Неверная команда") << std::hex << unnamed;
}

// Random and mutated frames must never push the record or the receive
// buffers past their limits (the sanitizers watch every access).
TEST_F(ReceiveTest, SurvivesRandomAndMutatedFrames) {
  std::mt19937 random(20261208);
  const int32_t commands[] = {0x21, 0x32, 0x35, 0x3E, 0x5A, 0x80};
  for (int round = 0; round < 20000; ++round) {
    BeginExchange(commands[round % 6]);
    std::string bytes;
    if (round % 2 == 0) {
      std::string data;
      for (int i = random() % 200; i > 0; --i) data += static_cast<char>(random() % 3 == 0 ? ';' : 'a' + random() % 26);
      bytes = ReplyFrame(std::string(random() % 14, '0'), data);
      for (int m = random() % 4; m > 0; --m) bytes[random() % bytes.size()] = static_cast<char>(random());
    } else {
      for (int i = random() % 400; i > 0; --i) bytes += static_cast<char>(random() % 4 == 0 ? random() % 0x20 : random());
    }
    Feed(bytes);
    DecodeReply();
    const TDeviceReply& r = LinkReply();
    ASSERT_GE(r.FieldCount, 0);
    ASSERT_LE(r.FieldCount, MaxReplyFields);
    for (int i = 0; i < r.FieldCount; ++i) {
      ASSERT_GE(r.Fields[i], S().ReplyData);
      ASSERT_LT(r.Fields[i], S().ReplyData + sizeof S().ReplyData);
      ASSERT_LT(std::strlen(r.Fields[i]), sizeof S().ReplyData);
    }
    ASSERT_LT(std::strlen(r.ErrorCode), sizeof r.ErrorCode);
    ASSERT_LT(std::strlen(r.ReplyText), sizeof S().ReplyCopy);
    LinkState().ReplyFlag = 1;
  }
}

}  // namespace
