#pragma once
// The tutor's numbered things by name: panels, exercise kinds, drop-down menus and their items,
// function-bar buttons, and "none". The values are the numbers the program has always used
// (stored settings, Current_Panel, Current_Exercise_Kind and Screen_Function_Module hold them),
// so they never change. The only spelled-out 88 and -88 of the tutor are here and in
// courses/key_table.h (kNoKey).

namespace quillon {

// "None" in every index global (Current_Panel, Open_PopMenu, the hover indexes).
constexpr int kNone = 88;

// The panels Picture_BG(0 to 11) of the main window.
enum class Panel_Id : int {
  Keys = 0,
  Article = 1,  // articles, PinYin, dictation and Wubi on whole articles
  Free_Type = 2,
  Police = 3,
  Apple = 4,
  Mouse = 5,
  Frog = 6,
  Out_Test = 7,  // speed test of a text on paper
  In_Test = 8,   // speed test of a text on the computer
  Words = 9,
  Wubi_Lines = 10,
  Records = 11,
  None = kNone,
};

// The open exercise, numbered as the tabs of the function-settings dialog.
enum class Exercise_Kind : int {
  Keys = 0,
  Words = 1,
  English_Article = 2,
  Audition = 3,
  Wubi = 4,
  PinYin = 5,
  Police = 6,
  Apple = 7,
  Mouse = 8,
  Frog = 9,
  Speed_Test = 10,  // both speed tests and the records
  Free_Type = 11,
  None = kNone,
};

// The buttons Image_Function_Module(0 to 10) of the function bar; Screen_Function_Module holds
// the button of the screen on show (Other_Functions for the records).
enum class Function_Button : int {
  English_Type = 0,
  Chinese_Type = 1,
  Free_Type = 2,
  Game = 3,
  Speed_Test = 4,
  Other_Functions = 5,
  Function_Settings = 6,
  Help = 7,
  About = 8,
  Minimise = 9,
  Exit = 10,
};

// The five drop-down menus (Open_PopMenu).
enum class Menu : int {
  English_Type = 0,
  Chinese_Type = 1,
  Game = 2,
  Speed_Test = 3,
  Other_Function = 4,
  None = kNone,
};

// The items of each drop-down menu.
enum class English_Type_Item : int { Keys = 0, Words = 1, Article = 2, Audition = 3 };
enum class Chinese_Type_Item : int { Wubi = 0, PinYin = 1, Audition = 2 };
enum class Game_Item : int { Police = 0, Apple = 1, Mouse = 2, Frog = 3 };
enum class Speed_Test_Item : int { Out_Test = 0, In_Test = 1 };
enum class Other_Function_Item : int {
  System_Settings = 0,
  Records = 1,
  Tutorial = 2,
  Web_Site = 3,
  Mail = 4,
};

// One item of one drop-down menu, made from any of the item names above.
struct Menu_Entry {
  Menu menu = Menu::None;
  int item = 0;
  constexpr Menu_Entry() = default;
  constexpr Menu_Entry(Menu m, int i) : menu(m), item(i) {}
  constexpr Menu_Entry(English_Type_Item i) : menu(Menu::English_Type), item(static_cast<int>(i)) {}
  constexpr Menu_Entry(Chinese_Type_Item i) : menu(Menu::Chinese_Type), item(static_cast<int>(i)) {}
  constexpr Menu_Entry(Game_Item i) : menu(Menu::Game), item(static_cast<int>(i)) {}
  constexpr Menu_Entry(Speed_Test_Item i) : menu(Menu::Speed_Test), item(static_cast<int>(i)) {}
  constexpr Menu_Entry(Other_Function_Item i)
      : menu(Menu::Other_Function), item(static_cast<int>(i)) {}
  constexpr bool operator==(const Menu_Entry&) const = default;
};

// The number a named value stands for (for the globals and the control arrays).
template <class E>
constexpr int Number(E value) {
  return static_cast<int>(value);
}

// Shift states of the key events: added together.
constexpr int kShiftMask = 1, kCtrlMask = 2, kAltMask = 4;

}  // namespace quillon
