// The real Quillon.exe: the first line of the shipped keys lesson typed with real keys, and the
// place found again after the program is started anew.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "testkit/testkit.h"
#include "testkit/tutor_clicks.h"

namespace {

const char kTitle[] = "青岚键坊";
const char kChar[] = "Software\\Larkmoor\\QL\\Setting\\English\\Char";

void Set_Value(const std::string& key_path, const char* name, const char* value) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, key_path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &key, nullptr),
            ERROR_SUCCESS);
  RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                 static_cast<DWORD>(std::strlen(value) + 1));
  RegCloseKey(key);
}

std::string Value(const std::string& key_path, const char* name) {
  char text[64] = {};
  DWORD size = sizeof text - 1;
  if (RegGetValueA(HKEY_CURRENT_USER, key_path.c_str(), name, RRF_RT_REG_SZ, nullptr, text,
                   &size) != ERROR_SUCCESS)
    return "(none)";
  return text;
}

struct Tutor : testkit::Started_Tutor {
  bool Start() {
    if (!Wait_Main(kTitle)) return false;
    SetForegroundWindow(main);
    return testkit::Wait_Until([&] { return GetForegroundWindow() == main; });
  }
  void Click(int x_twips, int y_twips) { testkit::Post_Tutor_Click(main, x_twips, y_twips); }
  void Open_Keys_Page() { testkit::Open_Tutor_Keys_Page(main); }
  void Type(const std::string& keys) {
    for (char c : keys) {
      const WORD vk = c == '\r' ? WORD(VK_RETURN) : WORD(VkKeyScanA(c) & 0xFF);
      INPUT in[2] = {};
      in[0].type = in[1].type = INPUT_KEYBOARD;
      in[0].ki.wVk = in[1].ki.wVk = vk;
      in[1].ki.dwFlags = KEYEVENTF_KEYUP;
      SendInput(2, in, sizeof(INPUT));
      testkit::Wait_Until([] { return false; }, std::chrono::milliseconds(60));
    }
  }
  // True when the key image of the page at these pixels (left, top of the key in the page "jw")
  // shows the lit key's warm colour.
  bool Key_Lit(int left, int top) {
    POINT p{left + 5, 1590 / 15 + top + 21};
    ClientToScreen(main, &p);
    HDC screen = GetDC(nullptr);
    COLORREF c = GetPixel(screen, p.x, p.y);
    ReleaseDC(nullptr, screen);
    return int(GetRValue(c)) - int(GetBValue(c)) > 80;
  }
};

// Keys f (slot 5) and j (slot 9) on the keys page.
constexpr int kF[2] = {159, 195}, kJ[2] = {252, 195};

TEST(KeysProgram, TheFirstLineIsTypedAndThePlaceIsFoundAgainAfterARestart) {
  testkit::Delete_User_Key(kChar);
  Set_Value(std::string(kChar) + "\\Remember", "Flag", "1");
  const std::string line = "fff fff ggg ggg fgf gfg fgfg ffgg gfgf fg gf";  // line 1 of 0.txt
  {
    Tutor tutor;
    ASSERT_TRUE(tutor.Start());
    tutor.Open_Keys_Page();
    EXPECT_TRUE(tutor.Key_Lit(kF[0], kF[1]));
    EXPECT_FALSE(tutor.Key_Lit(kJ[0], kJ[1]));
    tutor.Type(line + "\r");  // the key drill, closed by Enter
    tutor.Type(line + "\r");  // the line typing, ended by Enter: the line's question
    HWND box = nullptr;
    ASSERT_TRUE(testkit::Wait_Until(
        [&] { return (box = testkit::Find_Window_Of(tutor.process.Id(), "YesRetryNo")); }));
    ASSERT_TRUE(testkit::Wait_Until([&] { return GetForegroundWindow() == box; }));
    tutor.Type("\r");  // next: on to line 2
    // The place and the score are stored one after the other.
    ASSERT_TRUE(testkit::Wait_Until(
        [] {
          return Value(std::string(kChar) + "\\Remember\\Line Num", "0") == "2" &&
                 Value(std::string(kChar) + "\\Remember\\Count Num", "0") != "(none)";
        },
        std::chrono::seconds(10)));
    // Every key right in the drill and the line typing, each with its Enter.
    EXPECT_EQ(Value(std::string(kChar) + "\\Remember\\Count Num", "0"),
              std::to_string(2 * 20 * (line.size() + 1)));
    // Line 2 begins with j (once the closed box's place is drawn again).
    EXPECT_TRUE(testkit::Wait_Until([&] { return tutor.Key_Lit(kJ[0], kJ[1]); },
                                    std::chrono::seconds(5)));
  }
  {
    Tutor tutor;
    ASSERT_TRUE(tutor.Start());
    tutor.Open_Keys_Page();
    EXPECT_TRUE(tutor.Key_Lit(kJ[0], kJ[1]));
    EXPECT_FALSE(tutor.Key_Lit(kF[0], kF[1]));
  }
  // Without the flag the lesson starts at its first line; the stored place stays.
  Set_Value(std::string(kChar) + "\\Remember", "Flag", "0");
  {
    Tutor tutor;
    ASSERT_TRUE(tutor.Start());
    tutor.Open_Keys_Page();
    EXPECT_TRUE(tutor.Key_Lit(kF[0], kF[1]));
    EXPECT_FALSE(tutor.Key_Lit(kJ[0], kJ[1]));
  }
  EXPECT_EQ(Value(std::string(kChar) + "\\Remember\\Line Num", "0"), "2");
  testkit::Delete_User_Key(kChar);
}

}  // namespace
