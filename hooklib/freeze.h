#pragma once

// The game freeze started by a hotkey or mouse-chord trigger inside a DirectDraw program: a
// topmost picture of the game's last screen, the game's other threads suspended, and the
// dictionary program brought up over it until the user minimises or closes it.

#include <windows.h>

namespace trhook95 {

enum FreezeTrigger { kTriggerHotKey = 0, kTriggerMouseChord = 1 };

// Per-process state the triggers set for the freeze.
extern volatile LONG bInFreeze;                 // 1 while a freeze runs in this process
extern FARPROC volatile pfnDirectDrawCreate;    // DirectDrawCreate of the loaded ddraw.dll

// Runs the freeze in the thread that received the trigger; returns when it is over or was
// not started. Shows no message in any case.
void FreezeGame(DWORD processId, int triggerKind);

}  // namespace trhook95
