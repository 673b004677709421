#pragma once

// Private messages of the stand-in game hookgame.exe, posted or sent to its main window.
//
// Command line: /ddraw (load ddraw.dll at start), /peek (look at each message without removing
// it before reading it), /title:<text> (main window title, default "hookgame"), /x:<n> /y:<n>.
// Extra windows are titled "hookgame extra <n>" (n from 1).

#include <windows.h>

namespace testgame {

constexpr UINT kPing = WM_APP + 1;          // counted; being posted, it follows earlier posts
constexpr UINT kQuery = WM_APP + 2;         // sent; wParam: what to return
constexpr UINT kCreateWindow = WM_APP + 3;  // posted; creates a visible extra window
constexpr UINT kActivate = WM_APP + 4;      // posted; wParam window (0: main) to the foreground
constexpr UINT kQuit = WM_APP + 5;          // posted; ends the program

enum Query : WPARAM {
  kKeyUps = 0,
  kPings = 1,
  kExtraWindows = 2,
  kDirectDrawLoaded = 3,
  kMainHasFocus = 4,  // the main window is active and has the keyboard focus
};

}  // namespace testgame
