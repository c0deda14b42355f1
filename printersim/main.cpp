// printersim: the fiscal printer's side of the serial line on a pty, scripted over TCP.
#include "command_text.h"
#include "control_server.h"
#include "simulator.h"

#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <cstdio>
#include <exception>
#include <iostream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace {

constexpr const char* kUsage =
    "usage: printersim [--control-port N] [--link PATH] [--baud N] [--frame-timeout MS] [--no-password-check]\n"
    "                  [--paper PATH]\n";

bool ParseArgs(int argc, char** argv, printersim::Options& options, uint16_t& port, std::string& paper) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--no-password-check") {
      options.checkPassword = false;
      continue;
    }
    if (i + 1 >= argc) return false;
    const std::string_view value = argv[++i];
    const auto number = printersim::ParseNumber(value);
    if (arg == "--link") {
      options.linkPath = value;
    } else if (arg == "--paper") {
      paper = value;
    } else if (arg == "--control-port" && number && *number <= 65535) {
      port = static_cast<uint16_t>(*number);
    } else if (arg == "--baud" && number && *number <= 4'000'000) {
      options.baud = static_cast<unsigned>(*number);
    } else if (arg == "--frame-timeout" && number) {
      options.frameTimeout = std::chrono::milliseconds(*number);
    } else {
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  printersim::Options options;
  uint16_t port = 0;
  std::string paper;
  if (!ParseArgs(argc, argv, options, port, paper)) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  // Blocked before any thread starts, so only sigwait below sees them and the
  // destructors get to remove the symlink.
  sigset_t signals;
  sigemptyset(&signals);
  for (int s : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&signals, s);
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);
  // Paced bytes are 87 us apart at 115200 baud: the default 50 us slack of
  // every wait would show in the timings. The serving thread inherits it.
  prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
  try {
    printersim::Simulator simulator(options);
    // As a stand-alone printer it behaves like one unless told otherwise.
    simulator.SetModel(true);
    if (!simulator.LoadPaper(paper)) throw std::runtime_error("cannot write the paper roll " + paper);
    printersim::ControlServer server(simulator, port, [] { ::kill(::getpid(), SIGTERM); });
    std::cout << "PTY " << simulator.SlavePath() << " CONTROL 127.0.0.1:" << server.Port() << std::endl;
    int received;
    sigwait(&signals, &received);
  } catch (const std::exception& e) {
    std::cerr << "printersim: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
