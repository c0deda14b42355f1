#pragma once
#include <cstdint>

namespace devicelink {

// A non-empty path switches the log on with that file, an empty one switches
// it off. Returns 0, or -1 when the path does not fit (nothing changes).
int32_t SetTraceLogPath(const char* path);
int32_t SetPacketLogPath(const char* path);

// 0: log off; 1: line written; -1: the file could not be opened or written.
int32_t WriteTraceLog(const char* message);
void WritePacketLog(const char* first, const char* second);

}  // namespace devicelink
