#include "paper_roll.h"

#include "cp1251.h"

#include <fstream>
#include <utility>

namespace printersim {

bool PaperRoll::Load(std::string path) {
  if (!path.empty() && !std::ofstream(path, std::ios::binary | std::ios::trunc)) return false;
  path_ = std::move(path);
  return true;
}

void PaperRoll::Print(std::string_view cp1251Line) {
  if (path_.empty()) return;
  std::string line(cp1251Line);
  // Texts from the host may hold line breaks; on paper they stay one line.
  for (char& c : line)
    if (static_cast<unsigned char>(c) < 0x20) c = ' ';
  std::ofstream(path_, std::ios::binary | std::ios::app) << Cp1251ToUtf8(line) << '\n';
}

}  // namespace printersim
