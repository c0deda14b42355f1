#pragma once
#include <string>

namespace service {

// Makes a text safe for one field of a command's data text: ';' separates
// fields and CR or LF would break the printed line, so every ';' becomes ','
// and every CR or LF a blank.
void CleanText(std::string& text);

}  // namespace service
