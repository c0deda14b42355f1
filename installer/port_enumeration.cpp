#include "installer/port_enumeration.h"

// Interface first; the listing follows.
int BeginEnumeratePorts() { return -27; }
std::string EnumeratePorts() { return std::string(); }
int EndEnumeratePorts() { return 0; }
