// PrintRecMessage: a free comment line inside a receipt.
#include <string>

#include "devicelink/commands.h"
#include "devicelink/logs.h"
#include "serviceobject/check_reply.h"
#include "serviceobject/receipt_steps.h"
#include "serviceobject/results.h"
#include "serviceobject/service.h"
#include "serviceobject/service_state.h"
#include "serviceobject/text_cleaning.h"

namespace service {
namespace {

constexpr size_t PieceLength = 34;
constexpr int MaxPieces = 3;

// Two pieces of 34 characters, then the rest uncut in a third; an empty
// message is one empty piece. A failed piece stops the rest.
void PrintPieces(const std::string& text) {
  if (text.size() > PieceLength * (MaxPieces - 1)) devicelink::WriteTraceLog("PrintRecMessage.Печать комментария.");
  size_t start = 0;
  for (int piece = 1;; ++piece) {
    const size_t length = piece < MaxPieces ? PieceLength : std::string::npos;
    if (!DeviceCall(devicelink::FpPrintText, text.substr(start, length).c_str())) return;
    start += PieceLength;
    if (start >= text.size() || piece == MaxPieces) return;
  }
}

}  // namespace

int32_t PrintRecMessage(const std::string& message) {
  TServiceState& s = ServiceState();
  if (!RequireOpenAndEnabled()) {
    devicelink::WriteTraceLog("PrintRecMessage.Service объект не открыт или устр. не разрешено.");
  } else if (s.FPrinterState != StateReceipt && s.FPrinterState != StatePaying && s.FPrinterState != StatePaid) {
    Report(ResultExtended, ExtendedWrongState, TextReceiptNotOpen);
  } else {
    std::string text = message;
    CleanText(text);
    // The third piece is the rest uncut: one that no print command carries is
    // refused before the first piece is on paper.
    if (text.size() > PieceLength * (MaxPieces - 1) + PrintTextRoom())
      Report(ResultExtended, ExtendedBadText, TextCommentTooLong);
    else
      PrintPieces(text);
  }
  s.FDuplicateReceipt = 0;
  return CurrentResult();
}

}  // namespace service
