#include "serviceobject/text_cleaning.h"

namespace service {

void CleanText(std::string& text) {
  for (char& c : text) {
    if (c == ';') c = ',';
    if (c == '\r' || c == '\n') c = ' ';
  }
}

}  // namespace service
