#pragma once
// The till's documents: drawn from a seed, each a list of OPOS calls and the
// sum the printer must end up with when the document closes. The till works
// out that sum itself, apart from the printer, in kopecks.
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "../opos_client/scenario.h"

namespace faultsoak {

enum class DocumentKind { Sale, Refund, CashIn, CashOut, NonFiscal };
inline constexpr int kDocumentKinds = 5;

// The journal's word for the kind: sale refund cashin cashout nonfiscal.
const char* KindName(DocumentKind kind);

struct Document {
  DocumentKind kind = DocumentKind::Sale;
  std::vector<oposclient::Step> steps;  // property puts and method calls, in order
  int64_t sum = 0;                      // kopecks: a receipt's total, a cash amount, else 0
};

// "12.34" for 1234; also hundredths of a percent.
std::string Hundredths(int64_t value);
// "12.34" as 1234; false for any other form.
bool ParseHundredths(const std::string& text, int64_t& value);

// value * factor / divisor rounded half away from zero, as the printer rounds.
int64_t Rounded(int64_t value, int64_t factor, int64_t divisor);

// Sales with 1 to 20 items, discounts, surcharges, item voids and split
// payments; refunds; cash in and out; non-fiscal text. The first document puts
// a float into the drawer for the refunds and cash outs to draw on.
class DocumentSource {
 public:
  explicit DocumentSource(uint64_t seed) : dice_(seed) {}
  Document Next();

 private:
  int64_t Between(int64_t low, int64_t high);  // both included
  bool OneIn(int64_t n) { return Between(1, n) == 1; }
  Document Receipt(DocumentKind kind);
  Document Cash(DocumentKind kind, int64_t amount);
  Document NonFiscal();
  int64_t AddItems(Document& document, int items);
  int64_t Adjust(Document& document, const char* member, int64_t base, bool itemLevel);
  void AddPayments(Document& document, int64_t total);

  std::mt19937_64 dice_;  // raw output only: the same documents on every platform
  int count_ = 0;
};

}  // namespace faultsoak
