#pragma once

#include <string>
#include <string_view>

namespace printersim {

// What the printer prints, as UTF-8 lines in a file that a person or a test
// can read while the simulator runs: every line is appended and flushed.
class PaperRoll {
 public:
  // Starts a new roll: the file is emptied. An empty path prints nowhere.
  bool Load(std::string path);
  void Print(std::string_view cp1251Line);

 private:
  std::string path_;
};

}  // namespace printersim
