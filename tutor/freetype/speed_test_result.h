#pragma once
// The speed tests' result window Form_Speed_Test_Result ("速度测试结果"): a frameless skinned
// dialog with the test's speed, character count, right-or-wrong rate and time, a name box and
// three picture buttons: save to the records of the test on show, print the window, close.
// The tests fill it and show it modally over the main window.

#include <string>

#include "forms/forms.h"

namespace quillon {

// What a test hands to the window (the captions of its four labels).
struct Speed_Test_Result {
  std::string speed;   // Label_Speed_Test_Rate: "75.00字/分"
  std::string number;  // Label_Speed_Test_Char_Num
  std::string rate;    // Label_Speed_Test_RightWrong_Rate: "95.50%", "" for the free-text test
  std::string time;    // Label_Speed_Test_Type_Time: Get_Date_Week_Time at the end
};

// Characters per minute with two decimals and "字/分"; "0.00字/分" when no time was measured.
std::string Speed_Text(double chars, double elapsed_seconds);

forms::Form& Form_Speed_Test_Result();
// Loads the window, fills its labels and shows it modally; returns once it has closed.
void Show_Speed_Test_Result(const Speed_Test_Result& result);

// The window's keys (released), tried in this order: Ctrl+S and Ctrl+Y save while a name is
// typed, Ctrl+P prints, Ctrl+N, Alt+F4 and Alt+X close, Enter alone saves and closes while a name
// is typed.
enum class Result_Command { None, Save, Print, Close, Save_And_Close };
Result_Command Result_Key_Command(int key_code, int shift, bool has_name);

// Button 0 save, 1 print, 2 close: the click with its sound, pressed picture and short wait.
void Image_Speed_Test_Result_Click(int index);
// Stores the shown result in the record list of the test on show (Current_Panel).
void Save_To_Record();

}  // namespace quillon
