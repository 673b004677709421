// Entry point of the game freeze. The freeze itself (capture, dialog, dictionary) is not in
// place yet: a trigger is recorded into the watcher's shared memory, when there is one, and
// returns at once as a finished freeze.
#include "freeze.h"
#include "freeze_log.h"

namespace trhook95 {

void FreezeGame(DWORD processId, int triggerKind) {
  HANDLE map = OpenFileMappingA(FILE_MAP_WRITE, FALSE, kFreezeLogName);
  if (!map) return;
  auto* log = static_cast<FreezeLog*>(MapViewOfFile(map, FILE_MAP_WRITE, 0, 0, sizeof(FreezeLog)));
  if (log) {
    LONG slot = InterlockedIncrement(&log->count) - 1;
    if (slot >= 0 && slot < kFreezeLogCapacity) {
      FreezeLogEntry& e = log->entries[slot];
      e.processId = processId;
      e.threadId = GetCurrentThreadId();
      e.triggerKind = static_cast<DWORD>(triggerKind);
      e.hasDirectDrawCreate = pfnDirectDrawCreate != nullptr;
      e.inFreeze = static_cast<DWORD>(bInFreeze);
    }
    UnmapViewOfFile(log);
  }
  CloseHandle(map);
}

}  // namespace trhook95
