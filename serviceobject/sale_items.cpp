// PrintRecItem and PrintRecItemVoid: program the item as an article of the
// device, then sell it, or take it back inside an annulment.
#include <cstring>
#include <optional>
#include <string>

#include "devicelink/article_hash.h"
#include "devicelink/commands.h"
#include "serviceobject/amounts.h"
#include "serviceobject/check_reply.h"
#include "serviceobject/receipt_steps.h"
#include "serviceobject/results.h"
#include "serviceobject/service.h"
#include "serviceobject/service_state.h"
#include "serviceobject/text_cleaning.h"

namespace service {
namespace {

constexpr size_t MaxNameBytes = 75;
constexpr int MaxArticleAttempts = 300;
constexpr int32_t CyrillicTaxBase = 192;  // 'А' in Windows-1251
constexpr int32_t VoidBegin = 1;
constexpr int32_t VoidEnd = 2;
constexpr int32_t VoidAbandon = 3;

// Tax codes taken: 0 to lowLast and 192 to highLast.
struct TaxCodes {
  int32_t lowLast;
  int32_t highLast;
};

struct ItemKind {
  TaxCodes taxCodes;
  bool voiding;  // the void writes no trace lines
};

constexpr ItemKind Sale{{9, 201}, false};
constexpr ItemKind Void{{5, 196}, true};

const char* TraceLine(const ItemKind& kind, const char* line) { return kind.voiding ? nullptr : line; }

std::optional<int32_t> TaxGroup(int32_t code, TaxCodes codes) {
  if (code >= 0 && code <= codes.lowLast) return code % 5;
  if (code >= CyrillicTaxBase && code <= codes.highLast) return (code - CyrillicTaxBase) % 5;
  return std::nullopt;
}

// The device refuses a code that another article holds, so the code steps up
// until one is accepted. A reply without status ends the search, and so does
// a device that refuses every code; either reply is reported.
bool ProgramArticle(const ItemKind& kind, const std::string& name, int32_t group, int32_t& code) {
  TServiceState& s = ServiceState();
  const uint8_t flag = s.FArticleMode != 0 ? 0x00 : 0x01;
  for (int attempt = 1;; ++attempt, ++code) {
    TraceIf(TraceLine(kind, "PrintRecItem. Программирование товара."));
    DeviceSend(devicelink::FpAddArticle, code, name.c_str(), group, 1, flag, "");
    const bool answered = LastReplyAnswered();
    if (answered && std::strcmp(s.FLastReply->ErrorCode, "0000") == 0) return true;
    if (!answered || attempt == MaxArticleAttempts) {
      CheckReply(s.FLastReply, s.FLinkError);
      return false;
    }
  }
}

int32_t RecordItem(const ItemKind& kind, const std::string& description, int64_t price, int32_t quantity,
                   int32_t vatInfo, int64_t unitPrice) {
  TServiceState& s = ServiceState();
  if (!RequireOpenAndEnabled()) {
    TraceIf(TraceLine(kind, "PrintRecItem. Service объект не открыт или устр. не разрешено"));
    return CurrentResult();
  }
  // Only counts a failure: the later commands' replies decide.
  DeviceCall(devicelink::FpDiagnosticInfo);
  s.FResultCode = ResultSuccess;
  s.FResultCodeExtended = 0;

  if (s.FPrinterState != StateReceipt) return Report(ResultExtended, ExtendedWrongState, TextReceiptNotOpen);
  if (price < 0 || unitPrice < 0) return Report(ResultExtended, ExtendedBadPrice, "Отрицательная цена");
  if (quantity < 0) return Report(ResultExtended, ExtendedBadAmount, "Отрицательное количество");
  if (description.size() > MaxNameBytes)
    return Report(ResultExtended, ExtendedBadText, "Название товара > 75 символов");
  const std::optional<int32_t> group = TaxGroup(vatInfo, kind.taxCodes);
  if (!group) return Report(ResultExtended, ExtendedBadTaxCode, "Тип налога неправильный");
  ReportSuccess();
  std::string name = description;
  CleanText(name);
  if (price == 0 && unitPrice == 0) return Report(ResultExtended, ExtendedBadPrice, "Цена неверная");
  if (!RequireCommentsFit()) return CurrentResult();

  const double amount = DeviceAmount(unitPrice != 0 ? unitPrice : price);
  const double count = DeviceQuantity(quantity == 0 ? 1000 : quantity);
  int32_t code = devicelink::ArticleCodeHash((name + static_cast<char>('0' + *group)).c_str());
  if (!ProgramArticle(kind, name, *group, code)) return CurrentResult();
  if (!PrintComment(s.FPreLine, TraceLine(kind, "PrintRecItem. Печать предваряющего комментария.")))
    return CurrentResult();
  ReportSuccess();

  if (kind.voiding && !DeviceCall(devicelink::FpVoid, VoidBegin)) return CurrentResult();
  const bool sold = DeviceCall(devicelink::FpSellArticle, code, amount, count);
  TraceIf(TraceLine(kind, "PrintRecItem. Продажа товара."));
  if (!sold) {
    if (kind.voiding) DeviceSend(devicelink::FpVoid, VoidAbandon);
    return CurrentResult();
  }
  if (kind.voiding && !DeviceCall(devicelink::FpVoid, VoidEnd)) return CurrentResult();
  PrintComment(s.FPostLine, nullptr, TraceLine(kind, "PrintRecItem. Печать завершающего комментария."));
  return CurrentResult();
}

}  // namespace

int32_t PrintRecItem(const std::string& description, int64_t price, int32_t quantity, int32_t vatInfo,
                     int64_t unitPrice, const std::string&) {
  return RecordItem(Sale, description, price, quantity, vatInfo, unitPrice);
}

int32_t PrintRecItemVoid(const std::string& description, int64_t price, int32_t quantity, int32_t vatInfo,
                         int64_t unitPrice, const std::string&) {
  return RecordItem(Void, description, price, quantity, vatInfo, unitPrice);
}

}  // namespace service
