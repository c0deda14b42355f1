#include "logs.h"

#include <cstdio>
#include <cstring>

#include "link_clock.h"
#include "link_state.h"

namespace devicelink {
namespace {

int32_t SetLogPath(const char* path, int32_t& on, char (&storage)[1000]) {
  if (path == nullptr || *path == '\0') {
    on = 0;
    return 0;
  }
  size_t length = std::strlen(path);
  if (length >= sizeof storage) return -1;
  std::memcpy(storage, path, length + 1);
  on = 1;
  return 0;
}

}  // namespace

int32_t SetTraceLogPath(const char* path) {
  TLinkState& s = LinkState();
  return SetLogPath(path, s.TraceLogOn, s.TraceLogPath);
}

int32_t SetPacketLogPath(const char* path) {
  TLinkState& s = LinkState();
  return SetLogPath(path, s.PacketLogOn, s.PacketLogPath);
}

int32_t WriteTraceLog(const char* message) {
  TLinkState& s = LinkState();
  if (s.TraceLogOn == 0) return 0;
  std::FILE* file = std::fopen(s.TraceLogPath, "at+");
  if (file == nullptr) return -1;
  LocalTimeStamp t = LinkLocalTime();
  char stamp[64];
  std::snprintf(stamp, sizeof stamp, "%2d-%02d-%4d %2d:%02d:%02d ", t.Day, t.Month, t.Year, t.Hour, t.Minute,
                t.Second);
  bool written = std::fputs(stamp, file) >= 0 && std::fputs(message ? message : "", file) >= 0 &&
                 std::fputs(" \n", file) >= 0;
  if (std::fclose(file) != 0) written = false;
  return written ? 1 : -1;
}

void WritePacketLog(const char* first, const char* second) {
  TLinkState& s = LinkState();
  if (s.PacketLogOn == 0) return;
  std::FILE* file = std::fopen(s.PacketLogPath, "at+");
  if (file == nullptr) return;
  LocalTimeStamp t = LinkLocalTime();
  if (first == nullptr || *first == '\0') {
    std::fprintf(file, ";Начало сеанса   %2d-%02d-%4d %2d:%02d:%02d \n", t.Day, t.Month, t.Year, t.Hour,
                 t.Minute, t.Second);
  } else if (second == nullptr || *second == '\0') {
    std::fprintf(file, ";Конец Сеанса   %2d-%02d-%4d %2d:%02d:%02d \n", t.Day, t.Month, t.Year, t.Hour,
                 t.Minute, t.Second);
  } else {
    char head[100];
    std::snprintf(head, sizeof head, ";%2d-%02d-%4d %2d:%02d:%02d  %s", t.Day, t.Month, t.Year, t.Hour, t.Minute,
                  t.Second, first);
    std::fputs(head, file);
    std::fputs("\n", file);
    std::fputs(second, file);
    std::fputs("\n", file);
  }
  std::fclose(file);
}

}  // namespace devicelink
