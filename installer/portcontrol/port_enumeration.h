#pragma once
// The machine's COM ports, one name at a time, from the devices of the setup
// class "Ports". One listing at a time in the process; a TPortControl must
// exist while listing. Calling order: BeginEnumeratePorts, EnumeratePorts
// until it answers "" (no more devices) or "0" (a device whose name cannot
// be read: stop there), EndEnumeratePorts.
#include <string>

// 0, or -27 when a listing is already running or no device set could be made.
int BeginEnumeratePorts();
// The next name beginning with "com" in any case, as stored ("COM3").
std::string EnumeratePorts();
// Always 0.
int EndEnumeratePorts();
