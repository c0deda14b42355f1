// The simulator's fiscal model, driven through the pty as the service object
// drives a printer.
#include "printersim_rig.h"

#include "printersim/command_text.h"
#include "printersim/control_client.h"
#include "printersim/control_server.h"
#include "printersim/cp1251.h"
#include "printersim/money.h"

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace {

using namespace printersim_rig;

std::string U8(std::u8string_view text) { return std::string(text.begin(), text.end()); }

// A reply taken apart: error code, data fields, S0..S5 without bit 7.
struct Answer {
  std::string error;
  std::vector<std::string> fields;
  Status status{};
  int Stage() const { return status[2] & 0x0F; }
};

class PrintersimFiscal : public ::testing::Test {
 protected:
  PrintersimFiscal() {
    rig.sim.SetModel(true);
    EXPECT_TRUE(rig.sim.LoadPaper(paperPath));
  }
  ~PrintersimFiscal() override { std::filesystem::remove(paperPath); }

  uint8_t NextSeq() { return seq = seq == 0x7E ? 0x20 : seq + 1; }

  Answer Send(uint8_t cmd, std::string_view fields = "") {
    const uint8_t s = NextSeq();
    std::string raw = rig.port.Exchange(Frame(s, cmd, "730514;" + std::string(fields)));
    raw.erase(0, raw.find_first_not_of('\x16'));
    Answer a;
    const std::size_t semicolon = raw.find(';', 4);
    const std::size_t statusMark = raw.find('\x04', 4);
    if (raw.size() < 4 || semicolon == std::string::npos || statusMark == std::string::npos ||
        raw.size() < statusMark + 7) {
      ADD_FAILURE() << "no reply frame for command " << std::hex << int(cmd);
      return a;
    }
    a.error = raw.substr(4, semicolon - 4);
    const std::string data = raw.substr(semicolon + 1, statusMark - semicolon - 1);
    Status wire;
    for (int i = 0; i < 6; ++i) {
      wire[i] = static_cast<uint8_t>(raw[statusMark + 1 + i]);
      a.status[i] = wire[i] & 0x7F;
    }
    EXPECT_EQ(raw, ExpectedReply(s, cmd, a.error, data, wire));
    for (std::size_t at = 0, end; (end = data.find(';', at)) != std::string::npos; at = end + 1)
      a.fields.push_back(data.substr(at, end - at));
    return a;
  }

  Answer Ok(uint8_t cmd, std::string_view fields = "") {
    Answer a = Send(cmd, fields);
    EXPECT_EQ(a.error, "0000") << "command " << std::hex << int(cmd) << " " << fields;
    return a;
  }

  std::string Field0(uint8_t cmd, std::string_view fields) {
    const Answer a = Ok(cmd, fields);
    return a.fields.empty() ? "<none>" : a.fields[0];
  }

  // Tea at 10.00 in an open sales receipt.
  void OpenWithItem() {
    Ok(0x24, "1;Чай;0;1;01;;");
    Ok(0x63, "0;0;0;");
    Ok(0x64, "1;1.000;10.00;");
  }

  std::vector<std::string> Paper(const std::string& path = {}) const {
    std::ifstream in(path.empty() ? paperPath : path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }

  bool Printed(std::u8string_view line) const {
    const auto lines = Paper();
    return std::find(lines.begin(), lines.end(), U8(line)) != lines.end();
  }

  Rig rig;
  std::string paperPath = ::testing::TempDir() + "paper_" + std::to_string(::getpid()) + "_" +
                          ::testing::UnitTest::GetInstance()->current_test_info()->name();
  uint8_t seq = 0x20;
};

TEST_F(PrintersimFiscal, SaleReceiptRunsThroughItsStagesToPaper) {
  Answer a = Ok(0x80);
  EXPECT_EQ(a.Stage(), 0);
  EXPECT_EQ(a.status[5], 0) << "day open before any receipt";
  Ok(0x24, "101;Хліб;0;1;01;;");
  Ok(0x24, "202;Молоко;1;1;01;;");
  a = Ok(0x63, "3;2;0;");
  EXPECT_EQ(a.status[2], 0x08) << "items stage, fiscal flag";
  EXPECT_EQ(a.status[5], 0x10);
  Ok(0x64, "101;2.000;12.50;");
  Ok(0x64, "202;1.500;33.33;");  // 49.995 rounds to 50.00
  Ok(0x68, "-10.00;");
  EXPECT_EQ(Field0(0xE1, "03;1;"), "70.00");
  Ok(0x74, "-1.00;");
  EXPECT_EQ(Field0(0xE0, "3;0;0;"), "69.00");
  EXPECT_EQ(Ok(0x6D, "1;").Stage(), 3);
  a = Ok(0x67, "2;50.00;");
  EXPECT_EQ(a.Stage(), 3);
  EXPECT_EQ(a.fields, (std::vector<std::string>{"0.00", "19.00"}));
  a = Ok(0x67, "0;20.00;");
  EXPECT_EQ(a.Stage(), 4);
  EXPECT_EQ(a.fields, (std::vector<std::string>{"1.00", "0.00"}));
  a = Ok(0x65, "1;");
  EXPECT_EQ(a.Stage(), 0);
  EXPECT_EQ(a.status[5], 0x10);

  // The subtotal discount splits 70:45 minus rounding over the two groups.
  EXPECT_EQ(Field0(0xE0, "0;0;0;"), "24.65");
  EXPECT_EQ(Field0(0xE0, "0;1;0;"), "44.35");
  EXPECT_EQ(Field0(0xE2, "1;"), "1");
  EXPECT_EQ(Field0(0x6E, "1;0.00;"), "19.00") << "cash kept, change given";

  const std::vector<std::string> expected = {
      std::string(32, '-'),          U8(u8"КАСИР 3  КАСА 2"),     U8(u8"Хліб  2.000 x 12.50 = 25.00 А"),
      U8(u8"Молоко  1.500 x 33.33 = 50.00 Б"), U8(u8"ЗНИЖКА 10.00% = -5.00"), U8(u8"ПІДСУМОК = 70.00"),
      U8(u8"ЗНИЖКА = -1.00"),        U8(u8"СУМА = 69.00"),        U8(u8"ОПЛАТА 2 = 50.00"),
      U8(u8"ГОТІВКА = 20.00"),       U8(u8"РЕШТА = 1.00"),        U8(u8"ФІСКАЛЬНИЙ ЧЕК № 1")};
  const auto paper = Paper();
  ASSERT_EQ(paper.size(), expected.size() + 1);
  EXPECT_TRUE(std::equal(expected.begin(), expected.end(), paper.begin()));
  EXPECT_TRUE(std::regex_match(paper.back(), std::regex(R"(\d\d\.\d\d\.\d{4} \d\d:\d\d)"))) << paper.back();
}

TEST_F(PrintersimFiscal, DayOpensWithTheFirstReceiptAndClosesWithZ) {
  Ok(0xA1, "1;");
  EXPECT_EQ(Ok(0x80).status[5], 0) << "an X report opens no day";
  OpenWithItem();
  Ok(0x67, "0;10.00;");
  Ok(0x65, "1;");
  Ok(0xA1, "1;");
  EXPECT_EQ(Ok(0x80).status[5], 0x10);
  const Answer z = Ok(0xA1, "0;");
  EXPECT_EQ(z.status[5], 0);
  EXPECT_EQ(Field0(0xE2, "0;"), "1");
  EXPECT_EQ(Field0(0xE0, "0;0;0;"), "0.00") << "Z clears the day's registers";
  EXPECT_EQ(Field0(0xE2, "1;"), "1") << "receipt numbers run on";

  EXPECT_EQ(Ok(0x60).status[2], 0x25);
  Ok(0x61, "Рядок тексту;");
  EXPECT_EQ(Ok(0x65, "0;").status[2], 0);
  for (auto line : {u8"X-ЗВІТ", u8"Z-ЗВІТ № 1", u8"ПРОДАЖ = 10.00", u8"ЧЕКІВ ПРОДАЖУ = 1", u8"НЕФІСКАЛЬНИЙ ЧЕК",
                    u8"Рядок тексту"})
    EXPECT_TRUE(Printed(line)) << U8(line);
}

TEST_F(PrintersimFiscal, CommandsOutOfPlaceAreRefusedAndChangeNothing) {
  EXPECT_EQ(Send(0x64, "1;1.000;1.00;").error, "000B");
  EXPECT_EQ(Send(0x61, "text;").error, "000B");
  EXPECT_EQ(Send(0x65, "0;").error, "000B");
  EXPECT_EQ(Send(0x6B, "0;").error, "060B");
  OpenWithItem();
  for (auto [cmd, fields] : std::initializer_list<std::pair<uint8_t, std::string_view>>{
           {0x60, ""}, {0x63, "0;0;0;"}, {0xA1, "0;"}, {0x65, "1;"}, {0x20, "010125;1200;"}, {0x6E, "1;5.00;"}})
    EXPECT_EQ(Send(cmd, fields).error, "000B") << std::hex << int(cmd);
  Ok(0x6D, "1;");
  EXPECT_EQ(Send(0x6D, "1;").error, "000B");
  EXPECT_EQ(Send(0x64, "1;1.000;10.00;").error, "000B") << "sale after the total";
  EXPECT_EQ(Send(0x67, "1;20.00;").error, "0A0B") << "change from a card";
  EXPECT_EQ(Send(0x67, "0;-1.00;").error, "0304");
  EXPECT_EQ(Send(0x67, "10;1.00;").error, "0204");
  EXPECT_EQ(Send(0x67, "0;1,00;").error, "0303");
  EXPECT_EQ(Send(0x67, "0;").error, "0303");
  EXPECT_EQ(Send(0x78, "0;1.00;x;").error, "0204");
  EXPECT_EQ(Ok(0x80).Stage(), 3);
  EXPECT_EQ(Ok(0x78, "3;10.00;Visa 1234;").Stage(), 4);
  EXPECT_EQ(Send(0x67, "0;1.00;").error, "000B");
  EXPECT_TRUE(Printed(u8"Visa 1234"));
}

TEST_F(PrintersimFiscal, ArticleCodeHoldsOneArticle) {
  Ok(0x24, "7;Кава;0;1;01;;");
  Ok(0x24, "7;Кава;0;1;00;;");
  EXPECT_EQ(Send(0x24, "7;Какао;0;1;01;;").error, "040A");
  EXPECT_EQ(Send(0x24, "7;Кава;1;1;01;;").error, "040A");
  EXPECT_EQ(Send(0x24, "8;Кава;5;1;01;;").error, "0404");
  EXPECT_EQ(Send(0x24, "8;Кава;0;1;01;").error, "0703");
  Ok(0x63, "0;0;0;");
  EXPECT_EQ(Send(0x64, "9;1.000;1.00;").error, "020A");
  EXPECT_EQ(Send(0x64, "7;0.000;1.00;").error, "0F0B");
  EXPECT_EQ(Send(0x64, "7;1.000;-1.00;").error, "100B");
  Ok(0x64, "7;1.000;40.00;");
  EXPECT_TRUE(Printed(u8"Кава  1.000 x 40.00 = 40.00 А"));
}

TEST_F(PrintersimFiscal, ItemVoidTakesBackOnlyWhatWasSold) {
  OpenWithItem();
  EXPECT_EQ(Send(0x6B, "2;").error, "050B");
  Ok(0x6B, "1;");
  EXPECT_EQ(Send(0x6D, "1;").error, "050B");
  EXPECT_EQ(Send(0x64, "1;2.000;10.00;").error, "040B");
  Ok(0x6B, "3;");
  Ok(0x6B, "1;");
  Ok(0x64, "1;1.000;10.00;");
  EXPECT_EQ(Send(0x6B, "3;").error, "000B") << "too late to abandon";
  Ok(0x6B, "2;");
  EXPECT_EQ(Field0(0xE1, "03;1;"), "0.00");
  EXPECT_EQ(Send(0x68, "-5.00;").error, "000B") << "no sale to adjust";
  EXPECT_TRUE(Printed(u8"СТОРНО Чай  1.000 x 10.00 = -10.00 А"));

  EXPECT_EQ(Ok(0x6B, "0;").Stage(), 0);
  EXPECT_TRUE(Printed(u8"ЧЕК АНУЛЬОВАНО"));
  EXPECT_EQ(Field0(0xE2, "1;"), "0");
  EXPECT_EQ(Field0(0xE2, "3;"), "1");
}

TEST_F(PrintersimFiscal, RefundPaysOutOfTheDrawer) {
  EXPECT_EQ(Ok(0x6E, "1;30.00;").fields, (std::vector<std::string>{"30.00", "30.00", "0.00"}));
  Ok(0x24, "1;Чай;0;1;01;;");
  Ok(0x63, "0;0;1;");
  Ok(0x64, "1;5.000;10.00;");
  EXPECT_EQ(Send(0x67, "0;-50.00;").error, "080B");
  Ok(0x67, "1;-20.00;");
  EXPECT_EQ(Send(0x67, "0;-31.00;").error, "080B");
  EXPECT_EQ(Ok(0x67, "0;-30.00;").Stage(), 4);
  Ok(0x65, "1;");
  EXPECT_EQ(Field0(0xE0, "1;0;0;"), "50.00");
  EXPECT_EQ(Field0(0xE2, "2;"), "1");
  EXPECT_EQ(Field0(0x6E, "1;0.00;"), "0.00");
  EXPECT_EQ(Send(0x6E, "1;-0.01;").error, "080B");
  EXPECT_TRUE(Printed(u8"ВИДАТКОВИЙ ЧЕК № 1"));
  EXPECT_TRUE(Printed(u8"СЛУЖБОВЕ ВНЕСЕННЯ = 30.00"));
}

TEST_F(PrintersimFiscal, DeviceInformationAndClock) {
  rig.sim.SetFirmwareVersion("4.20");
  rig.sim.SetLineWidth(42);
  const Answer info = Ok(0x80);
  ASSERT_EQ(info.fields.size(), 9u);
  EXPECT_EQ(info.fields[0], "MR-62");
  EXPECT_EQ(info.fields[1], "4.20");
  EXPECT_EQ(info.fields[8], "42");
  EXPECT_EQ(Ok(0x42).fields, (std::vector<std::string>{info.fields[4]}));
  EXPECT_EQ(Ok(0x48, "1;").fields, (std::vector<std::string>{"1", "7.00"}));

  Ok(0x20, "150625;1200;");
  const Answer now = Ok(0x21);
  ASSERT_EQ(now.fields.size(), 2u);
  EXPECT_EQ(now.fields[0], "150625");
  EXPECT_TRUE(now.fields[1] == "1200" || now.fields[1] == "1201") << now.fields[1];
  EXPECT_EQ(Send(0x20, "310225;1200;").error, "0C05");
  EXPECT_EQ(Send(0x20, "150625;2460;").error, "0D05");
  EXPECT_EQ(Send(0x20, "1;1200;").error, "0C05");
  EXPECT_EQ(Send(0x20, "150625;12;").error, "0D05");
}

TEST_F(PrintersimFiscal, ScriptAndFaultsComeFirst) {
  rig.sim.SetReply(0x80, {.data = "scripted;"});
  EXPECT_EQ(Ok(0x80).fields, (std::vector<std::string>{"scripted"}));
  rig.sim.ClearScript();
  OpenWithItem();

  rig.sim.InjectFault(0x64, Fault::Silence());
  rig.port.Write(Frame(NextSeq(), 0x64, "730514;1;1.000;10.00;"));
  EXPECT_EQ(rig.port.Answer(150ms), "");
  EXPECT_EQ(Field0(0xE1, "03;1;"), "10.00") << "a silent printer sold nothing";
  rig.sim.InjectFault(0x64, Fault::SynTrain(2, 20ms));
  EXPECT_EQ(Ok(0x64, "1;1.000;10.00;").Stage(), 8);
  EXPECT_EQ(Field0(0xE1, "03;1;"), "20.00");

  rig.sim.SetModel(false);
  const Answer off = Ok(0x80);
  EXPECT_TRUE(off.fields.empty());
  EXPECT_EQ(off.Stage(), 0);
}

// A lost reply and paper out still do the work: the journal shows what the
// printer closed, whatever reached the host.
TEST_F(PrintersimFiscal, CarriedOutFaultsStillCloseAndJournalTheDocument) {
  ControlServer server(rig.sim, 0);
  ControlClient client(server.Port());
  OpenWithItem();
  Ok(0x6D, "1;");
  rig.sim.InjectFault(0x67, Fault::LostReply());
  rig.port.Write(Frame(NextSeq(), 0x67, "730514;0;10.00;"));
  EXPECT_EQ(rig.port.Answer(150ms), "");
  rig.sim.InjectFault(0x65, Fault::PaperOut());
  const Answer closed = Send(0x65, "1;");
  EXPECT_EQ(closed.error, "0000");
  EXPECT_EQ(closed.status[1], 0x04);
  EXPECT_EQ(closed.Stage(), 0);
  Ok(0x6E, "0;5.00;");

  const auto journal = client.Call("journal");
  ASSERT_EQ(journal.size(), 3u);
  EXPECT_EQ(journal[1], "n=" + std::to_string(rig.sim.Requests()[5].number) + " kind=sale sum=10.00");
  EXPECT_EQ(journal[2].substr(journal[2].find(' ')), " kind=cashin sum=5.00");
  EXPECT_EQ(client.Call("registers")[0],
            "OK sales=10.00 refunds=0.00 salereceipts=1 refundreceipts=0 cashin=5.00 cashout=0.00 drawer=15.00");
}

// The same seed meets the same requests with the same faults, and the record
// of them outlives the request log.
TEST_F(PrintersimFiscal, RandomFaultsFollowTheSeed) {
  ControlServer server(rig.sim, 0);
  ControlClient client(server.Port());
  const auto draws = [&] {
    rig.sim.ClearRequests();
    EXPECT_EQ(client.Call("faultrate 7 3 nak paperout")[0], "OK");
    std::string seen;
    for (int i = 0; i < 30; ++i) {
      const std::string answer = rig.port.Exchange(Frame(NextSeq(), 0x80, "730514;"));
      const bool paperOut = answer.size() > 12 && (answer[answer.find('\x04') + 2] & 0x04);
      seen += answer == "\x15" ? 'n' : paperOut ? 'p' : '.';
    }
    return seen;
  };
  const std::string first = draws();
  EXPECT_EQ(first, draws());
  EXPECT_NE(first.find('n'), std::string::npos);
  EXPECT_NE(first.find('p'), std::string::npos);
  EXPECT_EQ(client.Call("faultrate 7 3 nosuchfault")[0].rfind("ERR", 0), 0u);

  rig.sim.ClearRequests();
  const auto faults = client.Call("faults");
  EXPECT_EQ(faults.size(), 2 * std::count_if(first.begin(), first.end(), [](char c) { return c != '.'; }) + 1);
  EXPECT_NE(faults[1].find(" cmd=80 "), std::string::npos) << faults[1];
  EXPECT_NE(faults[1].find(first[first.find_first_not_of('.')] == 'n' ? " fault=nak " : " fault=paperout "),
            std::string::npos) << faults[1];
  client.ClearScript();
  EXPECT_GT(rig.port.Exchange(Frame(NextSeq(), 0x80, "730514;")).size(), 1u) << "clear stops them";
}

TEST_F(PrintersimFiscal, ControlLinesSwitchAndInspectTheModel) {
  ControlServer server(rig.sim, 0);
  ControlClient client(server.Port());
  const std::string otherRoll = paperPath + "_other";
  EXPECT_EQ(client.Call("model off")[0], "OK");
  EXPECT_EQ(client.Call("state")[0].rfind("OK model=off day=closed doc=none stage=0 ", 0), 0u);
  for (const std::string& line : {std::string("model on"), std::string("firmware 3.20"),
                                  std::string("linewidth 48"), "paper " + EscapeBytes(otherRoll)})
    EXPECT_EQ(client.Call(line)[0], "OK") << line;
  EXPECT_EQ(client.Call("linewidth x")[0].rfind("ERR", 0), 0u);
  EXPECT_EQ(client.Call("paper /nonexistent/roll")[0].rfind("ERR", 0), 0u);

  const Answer info = Ok(0x80);
  ASSERT_EQ(info.fields.size(), 9u);
  EXPECT_EQ(info.fields[1], "3.20");
  EXPECT_EQ(info.fields[8], "48");
  Ok(0x60);
  EXPECT_EQ(client.Call("state")[0],
            "OK model=on day=closed doc=nonfiscal stage=5 total=0.00 paid=0.00 drawer=0.00 documents=0 z=0");
  EXPECT_EQ(Paper(otherRoll), (std::vector<std::string>{std::string(48, '-'), U8(u8"НЕФІСКАЛЬНИЙ ЧЕК")}));
  std::filesystem::remove(otherRoll);
}

TEST(PrintersimFiscalText, MoneyIsExactDecimal) {
  EXPECT_EQ(ParseFixed("12.50", 2), 1250);
  EXPECT_EQ(ParseFixed("12.5", 2), 1250);
  EXPECT_EQ(ParseFixed("-0.01", 2), -1);
  EXPECT_EQ(ParseFixed("7", 3), 7000);
  EXPECT_EQ(ParseFixed("9999999999.99", 2), kMaxFixed);
  for (const char* bad : {"", "-", "1.", ".5", "1,5", "+1", "1.234", "1e3", "10000000000.00"})
    EXPECT_EQ(ParseFixed(bad, 2), std::nullopt) << bad;
  EXPECT_EQ(FormatFixed(-5, 2), "-0.05");
  EXPECT_EQ(FormatFixed(1500, 3), "1.500");
  EXPECT_EQ(FormatFixed(0, 2), "0.00");
  EXPECT_EQ(ScaleRounded(15, 1, 10), 2);
  EXPECT_EQ(ScaleRounded(-15, 1, 10), -2);
  EXPECT_EQ(ScaleRounded(14, 1, 10), 1);
  EXPECT_EQ(ScaleRounded(kMaxFixed, kMaxFixed, 1000), std::nullopt);
}

TEST(PrintersimFiscalText, Cp1251BecomesUtf8) {
  EXPECT_EQ(Cp1251ToUtf8("Ґанок, їжак, Єва, №5 — «ok»"), U8(u8"Ґанок, їжак, Єва, №5 — «ok»"));
  EXPECT_EQ(Cp1251ToUtf8("\x98"), U8(u8"\uFFFD"));
}

}  // namespace
