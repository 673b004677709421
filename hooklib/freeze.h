#pragma once

// The game freeze started by a hotkey or mouse-chord trigger inside a DirectDraw program.

#include <windows.h>

namespace trhook95 {

enum FreezeTrigger { kTriggerHotKey = 0, kTriggerMouseChord = 1 };

// Per-process state the triggers set for the freeze.
extern volatile LONG bInFreeze;                 // 1 while a freeze runs in this process
extern FARPROC volatile pfnDirectDrawCreate;    // DirectDrawCreate of the loaded ddraw.dll

// Runs the freeze in the thread that received the trigger; returns when it is over.
void FreezeGame(DWORD processId, int triggerKind);

}  // namespace trhook95
