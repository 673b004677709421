#pragma once
// What a course page's window tests put in place of the program's surroundings: the test's own
// program folder, message boxes and beeps recorded instead of shown, no exit, no sound card and
// quick slides; Remove_Course_Seams puts the program's own back. Also a picture of the main window
// when QL_SHOT_DIR names a folder. For tests that link the tutor.
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "forms/forms.h"
#include "services/globals.h"
#include "services/picture_boxes.h"
#include "services/program_folder.h"
#include "services/sounds.h"
#include "shell/startup.h"
#include "testkit/testkit.h"

namespace quillon {

// Waits that keep the tutor's forms answering.
inline void Forms_Pump() { forms::Do_Events(); }
inline bool Pump_Until(const std::function<bool()>& done,
                       std::chrono::milliseconds limit = std::chrono::seconds(10)) {
  return testkit::Wait_Until(done, limit, Forms_Pump);
}
inline void Pump_For(int ms) { testkit::Pump_For(std::chrono::milliseconds(ms), Forms_Pump); }

inline void Install_Course_Seams(const std::string& folder, std::vector<std::string>& messages,
                                 int& beeps) {
  Set_Program_Folder(folder);
  Resource_Library_Path = testkit::Tutor_Folder() + "\\Lib\\artpack.dll";
  forms::Set_Message_Box_Function([&messages](HWND, const std::string& text, const std::string&,
                                              UINT) {
    messages.push_back(text);
    return IDOK;
  });
  Set_Beep_Function([&beeps] { ++beeps; });
  Set_Exit_Function([] {});
  Sound_Card_Present = false;
  Sound_On = 1;
  BG_Music_On = 0;
  Move_Step_Num = 3;
}

inline void Remove_Course_Seams() {
  Set_Picture_Box_Function({});
  forms::Set_Message_Box_Function({});
  Set_Beep_Function({});
  Set_Exit_Function({});
}

// A key typed into the window with the focus; the change it makes is judged before this returns.
inline void Type_Key(WORD vk) {
  testkit::Key_Stroke({vk});
  Pump_For(120);
}
inline void Type_Shifted(WORD vk) {
  testkit::Key_Stroke({VK_SHIFT, vk});
  Pump_For(120);
}
// An input method commits one Chinese character (its two code-page-936 bytes) into the box.
inline void Commit_Character(forms::Rich_Text_Box& box, const char* character) {
  const HWND hwnd = box.Hwnd();
  PostMessageA(hwnd, WM_KEYDOWN, VK_PROCESSKEY, 1);
  const unsigned code = (static_cast<unsigned char>(character[0]) << 8) |
                        static_cast<unsigned char>(character[1]);
  PostMessageA(hwnd, WM_IME_CHAR, code, 1);
  PostMessageA(hwnd, WM_KEYUP, VK_PROCESSKEY, 0xC0000001);
  Pump_For(120);
}
// The colour of one character of a box; the box's selection stays as it was.
inline COLORREF Character_Color(forms::Rich_Text_Box& box, int offset) {
  const int start = box.Sel_Start(), length = box.Sel_Length();
  box.Select(offset, 1);
  const COLORREF color = box.Sel_Color();
  box.Select(start, length);
  return color;
}

namespace detail {
inline bool& Context_Menu_Seen() {
  static bool seen = false;
  return seen;
}
inline BOOL CALLBACK Find_Context_Menu(HWND hwnd, LPARAM) {
  char cls[16] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  if (std::string(cls) == "#32768" && IsWindowVisible(hwnd)) Context_Menu_Seen() = true;
  return TRUE;
}
// Runs inside the context menu's own loop: notes the menu and closes it.
inline void CALLBACK Close_Context_Menu_Tick(HWND, UINT, UINT_PTR id, DWORD) {
  EnumWindows(Find_Context_Menu, 0);
  if (!Context_Menu_Seen()) return;
  KillTimer(nullptr, id);
  EndMenu();
}
}  // namespace detail

// True when `press` (a right press, say) opens a pop-up menu of this thread (the main window's
// context menu); the menu is closed again.
inline bool Opens_Context_Menu(const std::function<void()>& press) {
  detail::Context_Menu_Seen() = false;
  const UINT_PTR timer = SetTimer(nullptr, 0, 100, detail::Close_Context_Menu_Tick);
  press();
  const bool seen = Pump_Until([] { return detail::Context_Menu_Seen(); }, std::chrono::seconds(3));
  KillTimer(nullptr, timer);
  return seen;
}

// A press and release of a button (1 left, 2 right) posted at a point in twips of a window's
// client area; the pointer stays where it is.
inline void Post_Press(HWND window, int x_twips, int y_twips, int button) {
  const LPARAM at =
      MAKELPARAM(forms::Twips_To_Pixels_X(x_twips), forms::Twips_To_Pixels_Y(y_twips));
  const UINT down = button == 2 ? WM_RBUTTONDOWN : WM_LBUTTONDOWN;
  PostMessageA(window, down, button == 2 ? MK_RBUTTON : MK_LBUTTON, at);
  PostMessageA(window, down + 1, 0, at);
}

inline void Save_Window_Shot(HWND window, const std::string& name) {
  if (!GetEnvironmentVariableA("QL_SHOT_DIR", nullptr, 0)) return;
  Pump_For(300);
  testkit::Shot_Window(window, name);
}

}  // namespace quillon
