// PrintNormal: free text in a non-fiscal receipt, one device line per command.
#include <algorithm>
#include <string>

#include "devicelink/commands.h"
#include "serviceobject/check_reply.h"
#include "serviceobject/receipt_steps.h"
#include "serviceobject/results.h"
#include "serviceobject/service.h"
#include "serviceobject/service_state.h"

namespace service {
namespace {

constexpr int32_t StationReceipt = 2;

// Splits the text into lines of the device's width and prints each; false
// when a print failed. No width, or one wider than a print command carries,
// gives lines of that room, so every line fits; without a width no line is
// padded.
bool PrintLines(const std::string& data, int32_t deviceWidth) {
  const size_t room = PrintTextRoom();
  const size_t padTo = deviceWidth > 0 ? std::min(static_cast<size_t>(deviceWidth), room) : 0;
  const size_t width = padTo > 0 ? padTo : room;
  std::string line;
  for (const char c : data) {
    if (c == '\r') {
      if (line.empty()) continue;  // empty lines are dropped
      if (line.size() < padTo) line.append(padTo - line.size(), ' ');
    } else if (static_cast<unsigned char>(c) < 0x20) {
      continue;
    } else {
      line.push_back(c == ';' ? ',' : c);
      if (line.size() != width) continue;
    }
    if (!DeviceCall(devicelink::FpPrintText, line.c_str())) return false;
    line.clear();
  }
  return line.empty() || DeviceCall(devicelink::FpPrintText, line.c_str());
}

}  // namespace

int32_t PrintNormal(int32_t station, const std::string& data) {
  TServiceState& s = ServiceState();
  if (!RequireOpenAndEnabled()) {
  } else if (station != StationReceipt) {
    Report(ResultIllegal, "Неверная станция");
  } else if (s.FPrinterState != StateNonFiscal) {
    Report(ResultExtended, ExtendedWrongState, TextReceiptNotOpen);
  } else {
    // A text that yields no line succeeds without a command.
    Report(ResultSuccess, "");
    if (!PrintLines(data, s.FLineWidth)) return CurrentResult();
  }
  s.FDuplicateReceipt = 0;
  return CurrentResult();
}

}  // namespace service
