#pragma once
// The free-typing pad on panel 2 of the main window: its controls, its run state and the
// procedures its buttons, keys, editor and timer call. The modules:
//   free_type_page.cpp       the controls, the page set-up and the toolbar's pictures and clicks
//   free_type_run.cpp        start, pause, end, opening a file, the editor's events, the tick
//   free_type_curve.cpp      the speed curve: drawing, read-out, printing and saving it
//   free_type_documents.cpp  saving, fonts and colours, printing, the send panel's hand-offs
//   free_type_mail.cpp       the mail window Form_SendMail
// The pure rules are in free_type_logic.h.

#include <string>
#include <vector>

#include "forms/forms.h"
#include "freetype/free_type_logic.h"
#include "services/shared_dialog.h"

namespace quillon {

// ---- Run state (Free_Type_Paused is read by the toolbar's looks) ----
extern double Free_Type_Start_Tick;    // milliseconds of the first change
extern double Free_Type_Paused_Total;  // milliseconds paused since the clock was armed
extern double Free_Type_Pause_Tick;
extern bool Free_Type_Paused;
extern bool Free_Type_Wait_First_Key;
extern int Free_Type_Loaded_Length;
extern int Free_Type_Next_Sample;
extern int Free_Type_Paste_Option;  // 1: pasting forbidden
extern int Free_Type_Open_Option;   // 1: opening files forbidden
extern std::string Free_Type_Temp_File;

// The toolbar's buttons by role.
enum class Free_Type_Button : int {
  Start = 0, Pause = 1, End = 2, Open = 3, Save = 4, Send_Panel = 5, Font = 6, Text_Color = 7,
  Back_Color = 8, Close_Send = 9, Notepad = 10, Wordpad = 11, Scribora = 12, Word = 13,
  Mail = 14, Print = 15, Other_Program = 16,
};
constexpr int kFreeTypeButtons = 17;
enum class Curve_Button : int { Save = 0, Print = 1, Back = 2 };

// ---- Controls ----
forms::Form& Free_Type_Form();  // the main window
forms::Rich_Text_Box& RichText_Free_Type();
forms::Image& Image_Free_Type(int index);
inline forms::Image& Image_Free_Type(Free_Type_Button b) { return Image_Free_Type(static_cast<int>(b)); }
forms::Image& Image_PictureDraw_SPC(int index);
forms::Picture_Box& Picture_Draw();
forms::Picture_Box& Picture_BG_Send();
forms::Label& Free_Type_Label(const char* name);
forms::Timer& Timer_Free_Type();
forms::Line& Chart_Line(const char* name, int index = -1);
forms::Label& Chart_Label(const char* name, int index = -1);

// ---- Page and toolbar ----
void Design_Free_Type_Page(forms::Form& form);
void Initialize_Free_Type_Page(forms::Form& form);
void Image_Free_Type_Click(int index);
void Image_Free_Type_MouseMove(int index);
void Free_Type_Button_Click_Picture(int index);
void Curve_Button_Click_Picture(int index);
void Clear_Other_Free_Type_Buttons(int index);
void Reset_Free_Type_Button_Picture();
void Set_Free_Type_Button_Enabled(Free_Type_Button button, bool enabled);
void Clear_Free_Type_Button_Picture(Free_Type_Button button);
// The main window's context menu at the pointer.
void Pop_Up_Context_Menu();

// ---- Run ----
void Read_Free_Type_Setting();
void Start_Free_Type(forms::Form& form);
// The start by Enter from the main window's keys (that Enter must not reach the editor).
void Start_Free_Type_By_Key(forms::Form& form);
void Pause_Free_Type();
void End_Free_Type();
void Open_Free_Type_File();
void Timer_Free_Type_Timer();
void RichText_Free_Type_Change();
void RichText_Free_Type_KeyDown(int& key_code, int shift);
void RichText_Free_Type_KeyPress(int key_ascii);
void RichText_Free_Type_KeyUp(int key_code, int shift);
void RichText_Free_Type_LostFocus();
// Whether the editor holds typed text beyond the loaded text.
bool Free_Type_Has_Typed_Text();
// The samples as the curve reads them (elements 1 to upper bound - 1, copied).
std::vector<Curve_Point> Free_Type_Samples();

// ---- Curve ----
double Get_Average_Speed();
void Draw_Speed_Curve(forms::Picture_Box& box, double x0, double y0, double cell_width,
                      double cell_height, int columns, int rows);
void Draw_Speed_Chart_To_Picture(forms::Picture_Box& box);
void Show_Curve_At_End();
void Back_To_Free_Type();
void Print_Speed_Curve();
void Save_Speed_Curve();
void Show_Speed_Curve();
void Picture_Draw_MouseMove(int x, int y);
void Design_Speed_Curve(forms::Form& form, forms::Picture_Box& draw);

// ---- Documents ----
void Save_Free_Type_File();
void Show_Send_Panel();
void Set_Free_Type_Font();
void Set_Free_Type_Text_Color();
void Set_Free_Type_Back_Color();
void Open_With_Notepad();
void Open_With_Wordpad();
void Open_With_Scribora();
void Open_With_Word();
void Open_With_Other_Program();
void Print_Free_Type_Text();
std::string Get_Time_Stamp();
// The system's whole folder for temporary files, with its closing "\".
std::string Whole_Temp_Folder();
// Writes the editor's content to a fresh temporary copy with that extension (".txt" plain,
// ".rtf" RTF) and returns its path.
std::string Write_Free_Type_Temp_File(const std::string& extension);
// The process started by the last hand-off (0 when none started).
unsigned long Last_Hand_Off_Process_Id();

// ---- Mail ----
forms::Form& Form_SendMail();
void Send_Free_Type_Mail();

}  // namespace quillon
