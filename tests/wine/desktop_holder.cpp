// Test equipment, not a test: scripts/wine-env keeps this running so that
// Wine's desktop process starts once per run, detached from CTest's pipes.
#include <windows.h>

#include <cstdio>

int main() {
  GetDesktopWindow();  // returns once the desktop process is up
  std::puts("ready");
  std::fflush(stdout);
  Sleep(INFINITE);
}
