// GetTickCount64 for the static winpthread linked into the deliverables: its
// timed waits import it, and Windows before Vista has no such export, so the
// import alone would keep the file from loading there. Defining the import's
// address slot here takes the place of kernel32's: the waits then run on the
// system's GetTickCount64 where there is one, on a widened GetTickCount
// otherwise.
#include <windows.h>

#include <atomic>
#include <cstdint>

namespace {

using TickCount64 = ULONGLONG(WINAPI*)();

std::atomic<uint64_t> gLastWidened{0};

// Each wrap of the 32-bit count seen adds 2^32. The count is read after the
// last value, so a smaller reading can only be a wrap; a wrap goes unseen
// only if no call comes for 49.7 days, and the value still never falls.
ULONGLONG WINAPI WidenedTickCount() {
  uint64_t last = gLastWidened.load();
  for (;;) {
    uint64_t ticks = (last & ~uint64_t{0xFFFFFFFF}) | GetTickCount();
    if (ticks < last) ticks += uint64_t{1} << 32;
    if (gLastWidened.compare_exchange_weak(last, ticks)) return ticks;
  }
}

std::atomic<TickCount64> gSource{nullptr};

ULONGLONG WINAPI TickCountForImport() {
  TickCount64 source = gSource.load(std::memory_order_acquire);
  if (source == nullptr) {
    source = reinterpret_cast<TickCount64>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetTickCount64")));
    if (source == nullptr) source = WidenedTickCount;
    gSource.store(source, std::memory_order_release);
  }
  return source();
}

}  // namespace

#if defined(__i386__)
#define TICK_COUNT64_IMPORT "__imp__GetTickCount64@0"
#else
#define TICK_COUNT64_IMPORT "__imp_GetTickCount64"
#endif

extern "C" __attribute__((used)) const TickCount64 TickCount64Import asm(TICK_COUNT64_IMPORT) = TickCountForImport;
