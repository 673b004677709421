#pragma once

// What the freeze entry point records of each trigger while the freeze itself is not in place:
// a watcher (a test) creates the named shared memory; the library only opens it.

#include <windows.h>

namespace trhook95 {

constexpr char kFreezeLogName[] = "trhook95.FreezeTriggers";
constexpr LONG kFreezeLogCapacity = 64;

struct FreezeLogEntry {
  DWORD processId;
  DWORD threadId;
  DWORD triggerKind;
  DWORD hasDirectDrawCreate;  // pfnDirectDrawCreate was set at the call
  DWORD inFreeze;             // bInFreeze was set at the call
};

struct FreezeLog {
  volatile LONG count;  // triggers seen; entries beyond the capacity are counted only
  FreezeLogEntry entries[kFreezeLogCapacity];
};

}  // namespace trhook95
