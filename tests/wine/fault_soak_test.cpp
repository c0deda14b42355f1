// A short fault soak: 30 documents through Lumero.dll while the simulated
// printer meets one request in 20 with the faults that need no five-second
// wait (NAK, a garbled reply, SYN trains, a pause inside the reply, paper
// out). No document may be reported done that the printer did not close, no
// call may hang, and the registers must hold what the journal holds.
#include <string>
#include <vector>

#include "com_support.h"
#include "fault_soak/soak.h"
#include "sim_session.h"

namespace {

class FaultSoak : public lumero::test::ComTest {
 protected:
  void SetUp() override {
    ComTest::SetUp();
    lumero::test::WriteDeviceConfiguration(SimSession::PortName().c_str(), 115200);
  }
};

TEST_F(FaultSoak, NoDocumentIsReportedDoneThatThePrinterDidNotClose) {
  const faultsoak::Settings settings{
      .seed = 20240611, .rate = 20, .faultKinds = {"nak", "badsum", "syn", "pause", "paperout"}, .documents = 30};
  const auto printer = SimSession::ConnectClean();
  std::string report;
  const faultsoak::Findings findings = faultsoak::RunSoak(
      settings, *printer, [&report](const std::string& line) { report += line + "\n"; }, [](const std::string&) {});
  EXPECT_TRUE(findings.Passed()) << report;
  EXPECT_LT(findings.longestMicros, 2'000'000) << "no fault here waits out a time-out\n" << report;
}

}  // namespace
