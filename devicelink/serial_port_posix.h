#pragma once
#include <cstdint>

namespace devicelink {

// Where "COM<number>" lives on a POSIX system; by default /dev/ttyS<number-1>.
// An empty path restores the default.
void SetPortDevicePath(int32_t number, const char* path);

}  // namespace devicelink
