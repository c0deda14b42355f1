// Receipts end to end: the scripted OPOS client runs scenarios through
// Lumero.dll against the simulator's fiscal model, which keeps the documents,
// the drawer and a paper roll in the build tree.
#include <algorithm>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "com_support.h"
#include "opos_client/runner.h"
#include "printersim/command_text.h"
#include "sim_session.h"

namespace oposclient {
namespace {

using printersim::Reply;

// Narrow literals are CP1251 here; scenarios and the paper roll are UTF-8.
std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

// "174.00" as 17400; the model writes money with two decimals.
long long Kopecks(std::string money) {
  money.erase(std::remove(money.begin(), money.end(), '.'), money.end());
  return std::stoll(money);
}

class Receipts : public lumero::test::ComTest {
 protected:
  using ModelState = std::map<std::string, std::string, std::less<>>;

  void SetUp() override {
    ComTest::SetUp();
    lumero::test::WriteDeviceConfiguration(SimSession::PortName().c_str(), 115200);
    sim_ = SimSession::ConnectClean();
    ASSERT_EQ(sim_->Call("model on")[0], "OK");
    ASSERT_EQ(sim_->Call("paper " + printersim::EscapeBytes(LUMERO_PAPER_ROLL))[0], "OK");
    // ResetPrinter: a document an earlier failure left open is gone.
    Steps(
        "open Vornik_MR62_1.11\n"
        "call ClaimDevice 1000\n"
        "put DeviceEnabled true\n"
        "call ResetPrinter\n");
    sim_->ClearRequests();
    before_ = State();
  }
  void TearDown() override {
    runner_.Run(ParseScenario("close"));
    ComTest::TearDown();
  }

  // Every step must answer 0.
  void Steps(const std::string& scenario) {
    lines_.clear();
    ASSERT_EQ(runner_.Run(ParseScenario(scenario)), kAllRan) << Joined(lines_);
  }

  ModelState State() { return printersim::SplitCommandLine(sim_->Call("state")[0]).params; }
  // The model's document and receipt figures, as "doc stage total paid".
  std::string Document() {
    ModelState now = State();
    return now["doc"] + " " + now["stage"] + " " + now["total"] + " " + now["paid"];
  }
  int DocumentsPrinted() { return std::stoi(State()["documents"]) - std::stoi(before_["documents"]); }
  long long DrawerChange() { return Kopecks(State()["drawer"]) - Kopecks(before_["drawer"]); }

  static std::string PaperRoll() {
    std::ifstream in(lumero::test::ThroughDriveZ(LUMERO_PAPER_ROLL).c_str(), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  std::unique_ptr<printersim::ControlClient> sim_;
  std::vector<std::string> lines_;
  Runner runner_{[this](const std::string& line) { lines_.push_back(line); }, true};
  ModelState before_;
};

TEST_F(Receipts, SaleWithDiscountSubtotalAndTwoPaymentsGivesChange) {
  Steps(Utf8(u8"put FiscalReceiptType 4\n"
             u8"call BeginFiscalReceipt true\n"
             u8"call PrintRecItem \"Хліб житній\" 24.50 2000 0 0 \"шт\"\n"
             u8"call PrintRecItem \"Сир твердий\" 89.90 1000 1 0 \"\"\n"
             u8"call PrintRecItemAdjustment 1 \"Знижка\" 9.90 1\n"
             u8"call PrintRecItem \"Яблука\" 0 1500 2 30.00 \"кг\"\n"
             u8"call PrintRecSubtotal 174.00\n"
             u8"call PrintRecTotal 174.00 100.00 \"1;Картка\"\n"
             u8"call PrintRecTotal 174.00 100.00 \"0\"\n"));
  EXPECT_EQ(Document(), "sale 4 174.00 200.00");

  const std::vector<printersim::Request> requests = sim_->Requests();
  const auto bread = std::find_if(requests.begin(), requests.end(), [](const auto& request) {
    return request.cmd == 0x24 &&
           request.data.find("\xD5\xEB\xB3\xE1 \xE6\xE8\xF2\xED\xB3\xE9;") != std::string::npos;
  });
  EXPECT_NE(bread, requests.end()) << "no 24h with the name in code page 1251";

  Steps("call EndFiscalReceipt false\n");
  EXPECT_EQ(Document(), "none 0 0.00 0.00");
  EXPECT_EQ(State()["day"], "open");
  EXPECT_EQ(DocumentsPrinted(), 1);
  EXPECT_EQ(DrawerChange(), 7400) << "100.00 in cash, 26.00 back";

  const std::string paper = PaperRoll();
  for (const char8_t* line :
       {u8"Хліб житній  2.000 x 24.50 = 49.00 А\n", u8"Сир твердий  1.000 x 89.90 = 89.90 Б\n",
        u8"ЗНИЖКА = -9.90\n", u8"Яблука  1.500 x 30.00 = 45.00 В\n", u8"СУМА = 174.00\n",
        u8"ОПЛАТА 1 = 100.00\nКартка\n",
        u8"ГОТІВКА = 100.00\nРЕШТА = 26.00\n", u8"ФІСКАЛЬНИЙ ЧЕК № "})
    EXPECT_NE(paper.find(Utf8(line)), std::string::npos) << Utf8(line) << "\nin\n" << paper;
  // The device's own sum, flush right; the second letter is a Latin i.
  const std::string subtotal = Utf8(u8"П") + "i" + Utf8(u8"дсумок") + std::string(20, ' ') + "174.00\n";
  EXPECT_NE(paper.find(subtotal), std::string::npos) << paper;
}

TEST_F(Receipts, RefundPaysOutWhatACashInPutIntoTheDrawer) {
  Steps(Utf8(u8"put FiscalReceiptType 1\n"
             u8"call BeginFiscalReceipt true\n"
             u8"call PrintRecCash 50.00\n"
             u8"call EndFiscalReceipt false\n"
             u8"put FiscalReceiptType 7\n"
             u8"call BeginFiscalReceipt true\n"
             u8"call PrintRecItem \"Молоко\" 32.40 1000 1 0 \"\"\n"
             u8"call PrintRecTotal 32.40 32.40 \"0\"\n"));
  EXPECT_EQ(Document(), "refund 4 32.40 32.40");
  Steps("call EndFiscalReceipt false\n");
  EXPECT_EQ(Document(), "none 0 0.00 0.00");
  EXPECT_EQ(DocumentsPrinted(), 2);
  EXPECT_EQ(DrawerChange(), 5000 - 3240);
  const std::string wire = TakeRequestLog(*sim_);
  EXPECT_NE(wire.find("6Eh \"730514;0;50.00;\""), std::string::npos) << wire;
  EXPECT_NE(wire.find("63h \"730514;0;0;1;\""), std::string::npos) << wire;
  EXPECT_NE(wire.find("67h \"730514;0;-32.40;\""), std::string::npos) << wire;

  const std::string paper = PaperRoll();
  for (const char8_t* line : {u8"СЛУЖБОВЕ ВНЕСЕННЯ = 50.00\n", u8"Молоко  1.000 x 32.40 = 32.40 Б\n",
                              u8"ВИДАТКОВИЙ ЧЕК № "})
    EXPECT_NE(paper.find(Utf8(line)), std::string::npos) << Utf8(line) << "\nin\n" << paper;
}

TEST_F(Receipts, NonFiscalDocumentOpensAndCloses) {
  Steps("call BeginNonFiscal\n");
  EXPECT_EQ(Document(), "nonfiscal 5 0.00 0.00");
  Steps("call EndNonFiscal\n");
  EXPECT_EQ(Document(), "none 0 0.00 0.00");
  EXPECT_EQ(DocumentsPrinted(), 1);
  EXPECT_EQ(TakeRequestLog(*sim_), "80h \"730514;\", 60h \"730514;\", 65h \"730514;0;\"");
  EXPECT_NE(PaperRoll().find(Utf8(u8"НЕФІСКАЛЬНИЙ ЧЕК\n")), std::string::npos);
}

TEST_F(Receipts, VoidAnnulsTheOpenReceipt) {
  Steps(Utf8(u8"put FiscalReceiptType 4\n"
             u8"call BeginFiscalReceipt true\n"
             u8"call PrintRecItem \"Кава мелена\" 120.00 1000 0 0 \"\"\n"));
  sim_->ClearRequests();
  Steps(Utf8(u8"call PrintRecVoid \"Помилка касира\"\n"));
  EXPECT_EQ(TakeRequestLog(*sim_),
            "81h \"730514;3;0;;\", 6Bh \"730514;0;\", 60h \"730514;\", 61h \"730514;Cancel receipt;\", "
            "65h \"730514;0;\"");
  EXPECT_EQ(Document(), "none 0 0.00 0.00");
  EXPECT_EQ(DocumentsPrinted(), 2) << "the annulled receipt and the cancel note";
  EXPECT_EQ(DrawerChange(), 0);
  const std::string paper = PaperRoll();
  EXPECT_NE(paper.find(Utf8(u8"ЧЕК АНУЛЬОВАНО\n")), std::string::npos) << paper;
  EXPECT_NE(paper.find("Cancel receipt\n"), std::string::npos) << paper;
}

// S1 04h on a poll whose reply is otherwise good: the payment stops before
// anything is printed, and goes through once the paper is back.
TEST_F(Receipts, PaperOutAtTheStatusPollStopsThePayment) {
  Steps(Utf8(u8"put FiscalReceiptType 4\n"
             u8"call BeginFiscalReceipt true\n"
             u8"call PrintRecItem \"Чай зелений\" 45.00 1000 0 0 \"\"\n"));
  sim_->ClearRequests();
  sim_->QueueReply(0x80, Reply{.status = {0, 0x04, 0x08, 0, 0, 0x10}});
  const char* const payment = "call PrintRecTotal 45.00 50.00 \"0\"\n";
  lines_.clear();
  EXPECT_EQ(runner_.Run(ParseScenario(payment)), kStepFailed);
  EXPECT_EQ(Joined(lines_),
            Utf8(u8"PrintRecTotal -> 114, ResultCodeExtended = 203, "
                 u8"ErrorString = \"Закончилась чековая лента\"\n"));
  EXPECT_EQ(TakeRequestLog(*sim_), "80h \"730514;\"");
  EXPECT_EQ(Document(), "sale 8 45.00 0.00");

  Steps(payment);
  Steps("call EndFiscalReceipt false\n");
  EXPECT_EQ(Document(), "none 0 0.00 0.00");
  EXPECT_EQ(DrawerChange(), 4500);
}

}  // namespace
}  // namespace oposclient
