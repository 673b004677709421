#pragma once

// Private messages of the stand-in game hookgame.exe, posted or sent to its main window.
//
// Command line: /ddraw (load ddraw.dll at start), /peek (look at each message without removing
// it before reading it), /title:<text> (main window title, default "hookgame"), /x:<n> /y:<n>,
// /class:<name> (the main window's class), /mci (a movie window of class "MCIWndClass" beside
// the main window, in its thread). Extra windows are titled "hookgame extra <n>" (n from 1).
// kRButtonUps counts the main window's releases, kExtraRButtonUps those of extra windows.
//
// /ddraw:<mode> plays a real DirectDraw game: "8" full screen at the desktop's size in 8 bits
// with a palette, "8n" the same without a palette object, "16" and "32" in those depths, "win"
// a window of its own drawn on the desktop's primary surface. It draws a moving picture on a
// timer, hides the cursor in full screen, keeps a counter thread running and a second thread
// suspended once (their handles kept, as games do), and counts the messages a freeze withholds.

#include <windows.h>

namespace testgame {

constexpr UINT kPing = WM_APP + 1;          // counted; being posted, it follows earlier posts
constexpr UINT kQuery = WM_APP + 2;         // sent; wParam: what to return
constexpr UINT kCreateWindow = WM_APP + 3;  // posted; creates a visible extra window
constexpr UINT kActivate = WM_APP + 4;      // posted; wParam window (0: main) to the foreground
constexpr UINT kQuit = WM_APP + 5;          // posted; ends the program
constexpr UINT kHold = WM_APP + 6;          // sent; wParam 1 stops the picture, 0 moves it on
// sent; releases the DirectDraw object with its surfaces and palette, and with wParam 1 makes
// them anew in the same mode and plays on; with 0 the game goes on without DirectDraw
constexpr UINT kReplay = WM_APP + 7;

enum Query : WPARAM {
  kKeyUps = 0,
  kPings = 1,
  kExtraWindows = 2,
  kDirectDrawLoaded = 3,
  kMainHasFocus = 4,    // the main window is active and has the keyboard focus
  kFrames = 5,          // pictures drawn
  kCounter = 6,         // the counter thread's count
  kWithheld = 7,        // paint, erase, frame paint, timer, cursor and activation messages seen
  kScreenSum = 8,       // checksum of the visible pixels of the primary surface (-1: no lock)
  kPaletteSum = 9,      // checksum of the screen palette's entries (0: no palette)
  kSuspendCounts = 10,  // counter thread's suspend count, plus the second thread's times 256
  kRButtonUps = 11,     // WM_RBUTTONUP with wParam 0 and lParam 0
  kCursorCount = 12,    // the cursor display count of the main thread
  kDepth = 13,          // bits per pixel of the DirectDraw screen (0: none)
  kDirectDrawRefs = 14,  // references to the game's DirectDraw object (-1: none)
  kMciWindows = 15,      // movie windows ("MCIWndClass") still open
  kExtraRButtonUps = 16, // WM_RBUTTONUP with wParam 0 and lParam 0 on an extra window
};

}  // namespace testgame
