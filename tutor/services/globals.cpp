#include "services/globals.h"

#include "services/screen_ids.h"

namespace quillon {

float Scale_Factor = 1.0f;
bool Sound_Card_Present = false;
std::string BG_Music_File;
std::string Resource_Library_Path;
int BG_Music_On = 0;
int Sound_On = 0;
int Music_KB_On = 0;
std::string English_Font_File;
std::string Chinese_Font_File;
float Move_Step_Num = 15.0f;
bool English_Font_Added = false;
bool Chinese_Font_Added = false;

bool IME_Shape_Key_Pending = false;
int Current_Panel = kNone;
int Screen_Function_Module = kNone;
bool Function_Module_Hover_Enabled = false;
int Selected_Function_Module = kNone;
int Hover_Function_Module = kNone;
bool Free_Type_Hover_Enabled = false;
bool Police_Buttons_Normal = false;
bool Apple_Buttons_Normal = false;
bool Mouse_Buttons_Normal = false;
bool Frog_Buttons_Normal = false;
bool Frog_Page_First = false;
int Hover_English_Type = kNone;
int Hover_Chinese_Type = kNone;
int Hover_Game = kNone;
int Hover_Speed_Test = kNone;
int Hover_Other_Function = kNone;
int Open_PopMenu = kNone;
bool PopMenu_Opening = false;
bool Mouse_In_PopMenu = false;
bool About_First_Activate = false;
bool Key_Char_Page_First = false;
bool Word_Page_First = false;
bool Article_Page_First = false;
std::string Word_Lesson_Name[8];
std::string Article_Kind_Name[6];
std::string File_Dialog_Folder[5];
std::string Samples_Folder;

Session_Array<Speed_Sample> Speed_Curve_Samples;
Session_Array<std::string> In_Test_Source_Chars;
Session_Array<std::string> Word_Char;
Session_Array<std::string> Word_Explain_Char;
Session_Array<std::string> Article_Char;
Session_Array<std::string> Article_Line_Char;
Session_Array<bool> Char_Right_Mark;

int Current_Exercise_Kind = 0;
int Current_Type_Method = 0;
int Current_Language = 0;
int Article_Lesson = 0;
std::string Lesson_Folder;
bool Panel_Keys_Enabled = false;
bool Exercise_Running = false;
bool Ignore_Text_Change = false;
bool Direct_Command = false;
bool Panel_Moving = false;
bool No_Move_Sound = false;
bool Redraw_Selected_Module = false;
bool Ctrl_Key_Down = false;
bool Key_Char_Paused = false;
bool Key_Char_Miss_Limit = false;
bool Audition_Playing = false;
bool Text_End_Reached = false;
double Text_End_Time = 0;
int Audition_IME_Index = 0;
bool Apple_Game_Stop = false;
bool Mouse_Game_Stop = false;
int Current_Remember_Flag = 0;
double Practice_Start_Time = 0;
bool Line_End_Entered = false;

int Char_Position = 0;
int Text_Length = 0;
int Typed_Char_Count = 0;
int Right_Char_Count = 0;
float Accuracy_Ratio = 1.0f;
float Progress_Ratio = 0.0f;

int Dialog_Answer = 0;
int Retry_Dialog_Answer = 0;

std::string Wubi_Layout_ID;
std::string PinYin_Layout_ID;
int Active_Shift = 0;
int Active_Key_Code = 120;

}  // namespace quillon
