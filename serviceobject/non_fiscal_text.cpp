// PrintNormal: free text in a non-fiscal receipt, one device line per command.
#include <algorithm>
#include <string>

#include "devicelink/commands.h"
#include "devicelink/exchange.h"
#include "serviceobject/check_reply.h"
#include "serviceobject/receipt_steps.h"
#include "serviceobject/results.h"
#include "serviceobject/service.h"
#include "serviceobject/service_state.h"

namespace service {
namespace {

constexpr int32_t StationReceipt = 2;

// Splits the text into lines of at most `width` characters (no limit when the
// device gave none) and prints each; false when a print failed.
bool PrintLines(const std::string& data, size_t width) {
  std::string line;
  for (const char c : data) {
    if (c == '\r') {
      if (line.empty()) continue;  // empty lines are dropped
      // A padded line longer than a frame is refused anyway: never pad past
      // that, whatever width the device reported.
      const size_t padTo = std::min(width, static_cast<size_t>(devicelink::MaxRequestData) + 1);
      if (width != std::string::npos && line.size() < padTo) line.append(padTo - line.size(), ' ');
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
    if (!PrintLines(data, s.FLineWidth > 0 ? static_cast<size_t>(s.FLineWidth) : std::string::npos))
      return CurrentResult();
  }
  s.FDuplicateReceipt = 0;
  return CurrentResult();
}

}  // namespace service
