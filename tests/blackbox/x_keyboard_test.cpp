// The real Quillon.exe typed at as a person's keyboard types: X key events made by the X server
// (xdotool, through the XTEST extension), with the mouse pointer resting outside the tutor's
// window. The X server sends such keys to the X window that has the X keyboard focus (or, inside
// it, to the one under the pointer); keys sent with SendInput skip that step, so they cannot show
// whether the tutor's window really has the X focus.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

#include "testkit/testkit.h"
#include "testkit/tutor_clicks.h"

namespace {

const char kTitle[] = "青岚键坊";
const char kChar[] = "Software\\Larkmoor\\QL\\Setting\\English\\Char";
const char kXdotool[] = "/usr/bin/xdotool";

std::string Windows_Path(const std::string& unix_path) {
  std::string path = "Z:" + unix_path;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

bool Have_Xdotool() {
  return GetFileAttributesA(Windows_Path(kXdotool).c_str()) != INVALID_FILE_ATTRIBUTES &&
         GetEnvironmentVariableA("DISPLAY", nullptr, 0) > 0;
}

// Runs xdotool with these arguments and waits until it is done. Wine starts a Linux program
// (CreateProcess of its Z: path) but hands back no process to wait for, so the program runs
// through /bin/sh, which writes xdotool's exit status into a mark file when it has finished.
bool Xdotool(const std::string& args, std::chrono::milliseconds limit = std::chrono::seconds(60)) {
  static int count = 0;
  const std::string mark = "/tmp/ql-xdotool-" + std::to_string(GetCurrentProcessId()) + "-" +
                           std::to_string(++count);
  const std::string mark_path = Windows_Path(mark);
  DeleteFileA(mark_path.c_str());
  std::string line =
      "/bin/sh -c \"" + std::string(kXdotool) + " " + args + "; echo $? > " + mark + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(Windows_Path("/bin/sh").c_str(), line.data(), nullptr, nullptr, FALSE, 0,
                      nullptr, nullptr, &startup, &info))
    return false;
  if (info.hThread) CloseHandle(info.hThread);
  if (info.hProcess) CloseHandle(info.hProcess);
  std::string status;
  testkit::Wait_Until(
      [&] { return (status = testkit::Read_File(mark_path)).find('\n') != std::string::npos; },
      limit);
  DeleteFileA(mark_path.c_str());
  return status.rfind("0\n", 0) == 0;
}

// The keys of a text as xdotool key names, one key press each.
std::string Key_Names(const std::string& text) {
  std::string names;
  for (char c : text) {
    if (!names.empty()) names += ' ';
    if (c == ' ') names += "space";
    else if (c == '\r') names += "Return";
    else names += c;
  }
  return names;
}

bool Type_X_Keys(const std::string& text) {
  return Xdotool("key --delay 60 " + Key_Names(text));
}

bool Press_X_Key(const std::string& key_name) { return Xdotool("key " + key_name); }

std::string Value(const std::string& key_path, const char* name) {
  char text[64] = {};
  DWORD size = sizeof text - 1;
  if (RegGetValueA(HKEY_CURRENT_USER, key_path.c_str(), name, RRF_RT_REG_SZ, nullptr, text,
                   &size) != ERROR_SUCCESS)
    return "(none)";
  return text;
}

void Set_Value(const std::string& key_path, const char* name, const char* value) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, key_path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &key, nullptr),
            ERROR_SUCCESS);
  RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                 static_cast<DWORD>(std::strlen(value) + 1));
  RegCloseKey(key);
}

struct Tutor : testkit::Started_Tutor {
  // Waits for the main window, in front, and for the splash to be gone: started as a user starts
  // it, nothing here activates it.
  bool Start() {
    if (!Wait_Main(kTitle)) return false;
    return testkit::Wait_Until([&] {
      return GetForegroundWindow() == main && !testkit::Find_Window_Of(process.Id(), "闪屏");
    });
  }
  void Click(int x_twips, int y_twips) { testkit::Post_Tutor_Click(main, x_twips, y_twips); }
  void Open_Keys_Page() { testkit::Open_Tutor_Keys_Page(main); }
  // True when the key image of the page at these pixels shows the lit key's warm colour.
  bool Key_Lit(int left, int top) {
    POINT p{left + 5, 1590 / 15 + top + 21};
    ClientToScreen(main, &p);
    HDC screen = GetDC(nullptr);
    COLORREF c = GetPixel(screen, p.x, p.y);
    ReleaseDC(nullptr, screen);
    return int(GetRValue(c)) - int(GetBValue(c)) > 80;
  }
};

// Keys f, h and j on the keys page (left, top of the key in the page's picture).
constexpr int kF[2] = {159, 195}, kH[2] = {221, 195}, kJ[2] = {252, 195};

// Puts the pointer where the splash and then the main window appear, as after a double click on
// the program: the splash's activation and the main window's then race for the X focus.
bool Pointer_To_Screen_Centre() {
  const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
  return Xdotool("mousemove " + std::to_string(cx / 2) + " " + std::to_string(cy / 2));
}

// Moves the pointer onto the desktop, above and left of the window; false when it is not there.
bool Pointer_Away_From(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  if (r.left <= 20 || r.top <= 20) return false;
  if (!Xdotool("mousemove " + std::to_string(r.left / 2) + " " + std::to_string(r.top / 2)))
    return false;
  // Wine learns where the pointer went from the X events of the window under it.
  return testkit::Wait_Until(
      [&] {
        POINT at;
        return GetCursorPos(&at) && !PtInRect(&r, at);
      },
      std::chrono::seconds(5));
}

// Right after the start, the close key (F12 by default) typed as X keys with the pointer on the
// desktop ends the tutor. Whether the main window won the X focus at its start depended on
// milliseconds: eight starts.
TEST(TutorXKeyboard, TheCloseKeyActsWithThePointerOutsideTheWindowRightAfterTheStart) {
  if (!Have_Xdotool()) GTEST_SKIP() << "no " << kXdotool << " or no DISPLAY: X keys cannot be typed";
  for (int start = 1; start <= 8; ++start) {
    ASSERT_TRUE(Pointer_To_Screen_Centre());
    Tutor tutor;
    ASSERT_TRUE(tutor.Start()) << "start " << start;
    ASSERT_TRUE(Pointer_Away_From(tutor.main)) << "start " << start;
    ASSERT_TRUE(Press_X_Key("F12"));
    EXPECT_EQ(tutor.process.Wait_Exit(std::chrono::seconds(10)), 0u)
        << "start " << start << ": the X key F12 was lost";
  }
}

TEST(TutorXKeyboard, KeysPracticeJudgesXKeysWithThePointerOutsideTheWindow) {
  if (!Have_Xdotool()) GTEST_SKIP() << "no " << kXdotool << " or no DISPLAY: X keys cannot be typed";
  testkit::Delete_User_Key(kChar);
  Set_Value(std::string(kChar) + "\\Remember", "Flag", "0");
  ASSERT_TRUE(Pointer_To_Screen_Centre());
  Tutor tutor;
  ASSERT_TRUE(tutor.Start());
  tutor.Open_Keys_Page();
  ASSERT_TRUE(tutor.Key_Lit(kF[0], kF[1]));
  tutor.Click((444 + 28) * 15, 1590 + (12 + 28) * 15);  // 开始 (start)
  ASSERT_TRUE(Pointer_Away_From(tutor.main));  // onto the desktop

  const std::string line = "fff fff ggg ggg fgf gfg fgfg ffgg gfgf fg gf";  // line 1 of 0.txt
  ASSERT_TRUE(Type_X_Keys(line + "\r"));  // the key drill, closed by Enter
  ASSERT_TRUE(Type_X_Keys(line + "\r"));  // the line typing, ended by Enter: the line's question
  HWND box = nullptr;
  ASSERT_TRUE(testkit::Wait_Until(
      [&] { return (box = testkit::Find_Window_Of(tutor.process.Id(), "YesRetryNo")); }))
      << "the keys of line 1 did not all arrive";
  ASSERT_TRUE(testkit::Wait_Until([&] { return GetForegroundWindow() == box; }));
  ASSERT_TRUE(Type_X_Keys("\r"));  // next: on to line 2, the question box goes
  ASSERT_TRUE(testkit::Wait_Until(
      [] {
        return Value(std::string(kChar) + "\\Remember\\Line Num", "0") == "2" &&
               Value(std::string(kChar) + "\\Remember\\Count Num", "0") != "(none)";
      },
      std::chrono::seconds(10)));
  // Every key judged right, in the drill and the line typing, each with its Enter: none lost.
  EXPECT_EQ(Value(std::string(kChar) + "\\Remember\\Count Num", "0"),
            std::to_string(2 * 20 * (line.size() + 1)));
  // After the question box the main window takes the keys again: line 2 begins "jjj jjj hhh".
  EXPECT_TRUE(testkit::Wait_Until([&] { return tutor.Key_Lit(kJ[0], kJ[1]); },
                                  std::chrono::seconds(5)));
  ASSERT_TRUE(Type_X_Keys("jjj jjj "));
  EXPECT_TRUE(testkit::Wait_Until(
      [&] { return tutor.Key_Lit(kH[0], kH[1]) && !tutor.Key_Lit(kJ[0], kJ[1]); },
      std::chrono::seconds(5)))
      << "the keys typed after the question box were lost";
  testkit::Delete_User_Key(kChar);
}

}  // namespace
