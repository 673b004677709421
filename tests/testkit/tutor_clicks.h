#pragma once

// The real tutor started from its program folder, and clicks on its main window, for the tests
// that start Quillon.exe and act as a user.

#include <windows.h>

#include <chrono>

#include "testkit/testkit.h"

namespace testkit {

// Quillon.exe started from its folder; asked to close (and its sound file emptied) at the end.
struct Started_Tutor {
  Started_Tutor() : process(Tutor_Folder() + "\\Quillon.exe", "", Tutor_Folder()) {}
  ~Started_Tutor() {
    if (main) PostMessageA(main, WM_CLOSE, 0, 0);
    process.Wait_Exit(std::chrono::seconds(10));
    Empty_Sound_Output();
  }
  // Waits for the main window with that title; false when it does not show.
  bool Wait_Main(const char* title) {
    Wait_Until([&] { return (main = Find_Window_Of(process.Id(), title)) != nullptr; });
    return main != nullptr;
  }
  Process process;
  HWND main = nullptr;
};

// A left click at a point of the main window's client area given in twips, posted to the
// window under it (the pointer stays where it is); then lets the program answer it.
inline void Post_Tutor_Click(HWND main, int x_twips, int y_twips) {
  POINT p{x_twips / 15, y_twips / 15};
  ClientToScreen(main, &p);
  HWND under = WindowFromPoint(p);
  ScreenToClient(under, &p);
  const LPARAM at = MAKELPARAM(p.x, p.y);
  PostMessageA(under, WM_MOUSEMOVE, 0, at);
  PostMessageA(under, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(under, WM_LBUTTONUP, 0, at);
  Wait_Until([] { return false; }, std::chrono::milliseconds(600));
}

// Opens the keys practice from the English menu and waits for the page's slide.
inline void Open_Tutor_Keys_Page(HWND main) {
  Post_Tutor_Click(main, 1575 + 200, 630 + 200);          // the function bar's English button
  Post_Tutor_Click(main, 1140 + 120 + 300, 1590 + 30 + 150);  // its first item: keys practice
  Wait_Until([] { return false; }, std::chrono::milliseconds(2500));
}

}  // namespace testkit
