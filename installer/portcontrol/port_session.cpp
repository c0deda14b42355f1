#include "installer/portcontrol/port_control.h"
#include "installer/portcontrol/port_io.h"
#include "installer/portcontrol/port_shared.h"

using namespace portcontrol;

namespace {
constexpr const char* SessionNotOpenText = "Session was not opened.\nError = -21";
}  // namespace

int32_t TPortControl::StartSession(bool purge) {
  if (FHandle == nullptr) return Refusal(port_result::NotOpen, PortNotOpenText);
  if (FSessionOpen) return Refusal(port_result::SessionAlreadyOpen, "Session was opened!\nError = -16");
  HANDLE process = GetCurrentProcess();
  HANDLE thread = GetCurrentThread();
  FSavedPriorityClass = GetPriorityClass(process);
  if (FSavedPriorityClass == 0) return SystemFailure(port_result::GetPriorityClassFailed);
  FSavedThreadPriority = GetThreadPriority(thread);
  if (FSavedThreadPriority == THREAD_PRIORITY_ERROR_RETURN)
    return SystemFailure(port_result::GetThreadPriorityFailed);
  if (!SetPriorityClass(process, REALTIME_PRIORITY_CLASS)) return SystemFailure(port_result::SetPriorityClassFailed);
  if (!SetThreadPriority(thread, THREAD_PRIORITY_TIME_CRITICAL))
    return AbandonSessionStart(port_result::SetThreadPriorityFailed, false, false);
  FLockedCode = PortIoCodeStart();
  if (!VirtualLock(const_cast<void*>(FLockedCode), LockedCodeBytes))
    return AbandonSessionStart(port_result::LockFailed, true, false);
  if (purge && !PurgeComm(FHandle, PurgeAll)) return AbandonSessionStart(port_result::PurgeFailed, true, true);
  FSessionOpen = true;
  return Succeeded();
}

int32_t TPortControl::AbandonSessionStart(int32_t code, bool threadRaised, bool locked) {
  // A session that did not begin leaves the process as it found it.
  const int32_t result = SystemFailure(code);
  if (locked) VirtualUnlock(const_cast<void*>(FLockedCode), LockedCodeBytes);
  if (threadRaised) SetThreadPriority(GetCurrentThread(), FSavedThreadPriority);
  SetPriorityClass(GetCurrentProcess(), FSavedPriorityClass);
  return result;
}

int32_t TPortControl::EndSession(bool purge) {
  if (FHandle == nullptr) return Refusal(port_result::NotOpen, PortNotOpenText);
  if (!FSessionOpen) return Refusal(port_result::NoSession, "Session was not opened!\nError = -21");
  if (!SetPriorityClass(GetCurrentProcess(), FSavedPriorityClass))
    return SystemFailure(port_result::SetPriorityClassFailed);
  if (!SetThreadPriority(GetCurrentThread(), FSavedThreadPriority))
    return SystemFailure(port_result::SetThreadPriorityFailed);
  if (!VirtualUnlock(const_cast<void*>(FLockedCode), LockedCodeBytes)) return SystemFailure(port_result::UnlockFailed);
  if (purge && !PurgeComm(FHandle, PurgeAll)) return SystemFailure(port_result::PurgeFailed);
  FSessionOpen = false;
  return Succeeded();
}

int32_t TPortControl::WriteData(const char* data, unsigned long count, unsigned long* written) {
  if (FHandle == nullptr) return Refusal(port_result::NotOpen, "Port was not opened.\nError = -1");
  if (!FSessionOpen) return Refusal(port_result::NoSession, SessionNotOpenText);
  unsigned long sent = 0;
  const bool ok = WritePortData(FHandle, data, count, Buffering, sent);
  if (written != nullptr) *written = sent;
  if (!ok) return SystemFailure(port_result::WriteFailed);
  if (!FlushFileBuffers(FHandle)) return SystemFailure(port_result::FlushFailed);
  return Succeeded();
}

int32_t TPortControl::ReadData(char* buffer, unsigned long size, unsigned long* read) {
  if (FHandle == nullptr) return Refusal(port_result::NotOpen, PortNotOpenText);
  if (!FSessionOpen) return Refusal(port_result::NoSession, "Session was not opened!!\nError = -21");
  unsigned long received = 0;
  const ReadOutcome outcome = ReadPortData(FHandle, buffer, size, WaitEndChar, EndChar, received);
  if (read != nullptr) *read = received;
  switch (outcome) {
    case ReadOutcome::Failed: return SystemFailure(port_result::ReadFailed);
    case ReadOutcome::EndCharAbsent:
      return Refusal(port_result::EndCharAbsent, "End character is absent.\nError = -19");
    case ReadOutcome::Done: break;
  }
  return Succeeded();
}

int32_t TPortControl::ClearError() {
  if (FHandle == nullptr) return Refusal(port_result::NotOpen, PortNotOpenText);
  if (!FSessionOpen) return Refusal(port_result::NoSession, "Session was not opened\nError = -21");
  if (!ClearCommError(FHandle, &FCommErrors, &FComStat)) return SystemFailure(port_result::ClearErrorFailed);
  if (!PurgeComm(FHandle, PurgeAll)) return SystemFailure(port_result::PurgeFailed);
  return Succeeded();
}

int32_t TPortControl::EscapeCommFunction(unsigned long function) {
  if (FHandle == nullptr) return Refusal(port_result::NotOpen, PortNotOpenText);
  if (!FSessionOpen) return Refusal(port_result::NoSession, SessionNotOpenText);
  if (!::EscapeCommFunction(FHandle, function)) return SystemFailure(port_result::EscapeFailed);
  return Succeeded();
}

int32_t TPortControl::ClearBuffers(unsigned long flags) {
  if (FHandle == nullptr) return Refusal(port_result::NotOpen, PortNotOpenText);
  if (!FSessionOpen) return Refusal(port_result::NoSession, SessionNotOpenText);
  if (!PurgeComm(FHandle, flags)) return SystemFailure(port_result::ClearBuffersFailed);
  return Succeeded();
}
