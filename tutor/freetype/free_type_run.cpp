#include "freetype/free_type_screen.h"
#include "services/key_table.h"
#include "services/screen_ids.h"
#include "services/tutor_settings.h"
#include "services/screen_ids.h"
#include "services/globals.h"
#include "services/main_window.h"
#include "services/utilities.h"
#include "services/sounds.h"
#include "services/program_folder.h"

namespace quillon {

double Free_Type_Start_Tick = 0;
double Free_Type_Paused_Total = 0;
double Free_Type_Pause_Tick = 0;
bool Free_Type_Paused = false;
bool Free_Type_Wait_First_Key = false;
int Free_Type_Loaded_Length = 0;
int Free_Type_Next_Sample = 1;
int Free_Type_Paste_Option = 0;
int Free_Type_Open_Option = 0;

namespace {

constexpr Int_Setting kFreeTypePaste{"Setting\\Free Type", "Paste", 0};
constexpr Int_Setting kFreeTypeOpen{"Setting\\Free Type", "Open", 0};

// The Enter that started a run from the main window's keys is still on its way to the editor.
bool Start_Key_Pending = false;

double Now_Ms() { return static_cast<double>(Tick_Count_64()); }

void Set_Label(const char* name, const std::string& text) {
  forms::Label& label = Free_Type_Label(name);
  if (label.Caption() != text) label.Set_Caption(text);
}

void Enable(Free_Type_Button b, bool on) { Set_Free_Type_Button_Enabled(b, on); }

// The clock waits for the next change; the samples and the paused time start afresh.
void Arm_Clock() {
  Speed_Curve_Samples.Redim(1);
  Free_Type_Next_Sample = 1;
  Free_Type_Wait_First_Key = true;
  Free_Type_Paused_Total = 0;
}

void Set_Pause_Look(bool paused) {
  Free_Type_Paused = paused;
  if (!paused) Clear_Free_Type_Button_Picture(Free_Type_Button::Pause);
  Image_Free_Type(Free_Type_Button::Pause).Set_Tool_Tip_Text(paused ? "继续" : "暂停");
}

}  // namespace

void Read_Free_Type_Setting() {
  Free_Type_Paste_Option = Read(kFreeTypePaste);
  Free_Type_Open_Option = Read(kFreeTypeOpen);
  if (Free_Type_Paste_Option == 1) RichText_Free_Type().Set_Auto_Verb_Menu(false);
  else if (Free_Type_Paste_Option == 0) RichText_Free_Type().Set_Auto_Verb_Menu(true);
  if (Free_Type_Open_Option == 0) Enable(Free_Type_Button::Open, true);
  else if (Free_Type_Open_Option == 1) Enable(Free_Type_Button::Open, false);
}

void Start_Free_Type(forms::Form&) {
  try {
    Exercise_Running = true;
    Panel_Keys_Enabled = false;
    Enable(Free_Type_Button::Start, false);
    Read_Free_Type_Setting();
    Arm_Clock();
    forms::Rich_Text_Box& editor = RichText_Free_Type();
    if (Free_Type_Loaded_Length == 0) {
      editor.Set_Locked(true);  // the program's own emptying is not typing
      editor.Set_Text("");
    }
    Picture_Draw().Set_Visible(false);
    Picture_BG_Send().Set_Visible(false);
    editor.Set_Visible(true);
    editor.Set_Enabled(true);
    editor.Set_Locked(false);
    editor.Set_Sel_Start(editor.Text_Length());
    editor.Set_Sel_Color(RGB(0, 0, 0));
    Set_Label("Label_Type_Time", "00:00");
    Set_Label("Label_Type_Num", "0");
    Set_Label("Label_Type_Speed", "0");
    Set_Label("Label_Mouse_Move", "");
    Clear_Free_Type_Button_Picture(Free_Type_Button::Pause);
    for (Free_Type_Button b : {Free_Type_Button::Open, Free_Type_Button::Save,
                               Free_Type_Button::Send_Panel})
      Enable(b, false);
    for (Free_Type_Button b : {Free_Type_Button::Font, Free_Type_Button::Text_Color,
                               Free_Type_Button::Back_Color})
      Enable(b, true);
    Set_Pause_Look(false);
    Enable(Free_Type_Button::Pause, false);
    Enable(Free_Type_Button::End, true);
    // A hidden main window cannot give the editor the focus; its next activation does.
    if (IsWindowVisible(Free_Type_Form().Hwnd())) editor.Set_Focus();
  } catch (...) {
    forms::Show_Error_Box(forms::Current_Error_Text());
    forms::Silent([] { Enable(Free_Type_Button::Start, false); });
  }
}

void Start_Free_Type_By_Key(forms::Form& form) {
  Start_Key_Pending = RichText_Free_Type().Has_Focus();
  Start_Free_Type(form);
}

void RichText_Free_Type_Change() {
  forms::Guarded([] {
    forms::Rich_Text_Box& editor = RichText_Free_Type();
    if (editor.Locked() || !Exercise_Running) return;
    if (Free_Type_Wait_First_Key) {
      Free_Type_Start_Tick = Now_Ms();
      Free_Type_Wait_First_Key = false;
      Enable(Free_Type_Button::Pause, true);
      Enable(Free_Type_Button::End, true);
    }
    const int count = Typed_Count_On_Change(editor.Quick_Length(), Free_Type_Loaded_Length);
    Set_Label("Label_Type_Num", std::to_string(count));
    if (count != 0) {
      Timer_Free_Type().Set_Enabled(true);
      return;
    }
    Timer_Free_Type().Set_Enabled(false);
    Set_Label("Label_Type_Time", "00:00");
    Set_Label("Label_Type_Speed", "0");
    Set_Label("Label_Mouse_Move", "");
    Set_Pause_Look(false);
    Enable(Free_Type_Button::Pause, false);
    Enable(Free_Type_Button::End, true);
    Arm_Clock();
  });
}

void Timer_Free_Type_Timer() {
  forms::Guarded([] {
    const double t = (Now_Ms() - Free_Type_Start_Tick - Free_Type_Paused_Total) / 1000.0;
    Set_Label("Label_Type_Time", Free_Type_Time_Label(t));
    const int n = Typed_Count_On_Tick(RichText_Free_Type().Quick_Length(), Free_Type_Loaded_Length);
    const double minutes = t / 60;
    if (minutes <= 0) return;
    const double speed = n / minutes;
    Set_Label("Label_Type_Speed", Format_Speed(speed));
    const int mark = Half_Second_Mark(t);
    if (mark < Free_Type_Next_Sample) return;
    Free_Type_Next_Sample = mark + 1;
    const int upper = Speed_Curve_Samples.Upper();
    Speed_Curve_Samples(upper) = {static_cast<float>(minutes), static_cast<float>(speed)};
    Speed_Curve_Samples.Redim_Preserve(upper + 1);
  });
}

void Pause_Free_Type() {
  forms::Guarded([] {
    forms::Rich_Text_Box& editor = RichText_Free_Type();
    if (!Free_Type_Paused) {
      Timer_Free_Type().Set_Enabled(false);
      Free_Type_Pause_Tick = Now_Ms();
      editor.Set_Locked(true);
      Set_Pause_Look(true);
    } else {
      Free_Type_Paused_Total += Now_Ms() - Free_Type_Pause_Tick;
      // The clock runs on only while something is typed (an armed clock waits for a change).
      if (!Free_Type_Wait_First_Key) Timer_Free_Type().Set_Enabled(true);
      editor.Set_Locked(false);
      Set_Pause_Look(false);
    }
  });
}

bool Free_Type_Has_Typed_Text() {
  const int length = RichText_Free_Type().Quick_Length();
  return length > 0 && length > Free_Type_Loaded_Length;
}

std::vector<Curve_Point> Free_Type_Samples() {
  std::vector<Curve_Point> samples;
  for (int i = 1; i < Speed_Curve_Samples.Upper(); ++i)
    samples.push_back({Speed_Curve_Samples(i).Minutes, Speed_Curve_Samples(i).Speed});
  return samples;
}

void End_Free_Type() {
  forms::Guarded([] {
    Exercise_Running = false;
    Panel_Keys_Enabled = true;
    Enable(Free_Type_Button::Start, true);
    Enable(Free_Type_Button::Pause, false);
    Enable(Free_Type_Button::End, false);
    Play_Win_Sound();
    Timer_Free_Type().Set_Enabled(false);
    RichText_Free_Type().Set_Locked(true);
    Set_Pause_Look(false);
    Read_Free_Type_Setting();
    const bool typed = Free_Type_Has_Typed_Text();
    Enable(Free_Type_Button::Save, typed);
    Enable(Free_Type_Button::Send_Panel, typed);
    for (Free_Type_Button b : {Free_Type_Button::Font, Free_Type_Button::Text_Color,
                               Free_Type_Button::Back_Color})
      Enable(b, false);
    const bool timed = Free_Type_Label("Label_Type_Time").Caption() != "00:00";
    Free_Type_Loaded_Length = 0;
    Free_Type_Paused_Total = 0;
    if (typed && timed && Speed_Curve_Samples.Upper() > 1) Show_Curve_At_End();
  });
}

void Open_Free_Type_File() {
  forms::Guarded(
      [] {
        forms::Common_Dialog& dialog = CommonDialog_User();
        dialog.File_Name.clear();
        dialog.Init_Dir = File_Dialog_Folder[1];
        dialog.Filter = "*.txt|*.txt|*.rtf|*.rtf|All files (*.*)|*.*";
        dialog.Filter_Index = 1;
        dialog.Dialog_Title = "打开文件";
        dialog.Flags = OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
        dialog.Cancel_Error = false;
        dialog.Show_Open(Free_Type_Form().Hwnd());
        const std::string file = dialog.File_Name;
        if (file.empty()) return;
        File_Dialog_Folder[1] = Get_Parent_Path(file);
        Set_Label("Label_Type_Time", "00:00");
        Set_Label("Label_Type_Num", "0");
        Set_Label("Label_Type_Speed", "0");
        Picture_Draw().Set_Visible(false);
        Picture_BG_Send().Set_Visible(false);
        forms::Rich_Text_Box& editor = RichText_Free_Type();
        editor.Set_Visible(true);
        editor.Set_Locked(true);
        editor.Set_Enabled(true);
        if (Loads_As_Rtf(file)) editor.Load_Rich_File(file);
        else editor.Load_File(file);
        Free_Type_Loaded_Length = editor.Quick_Length();
        for (Free_Type_Button b : {Free_Type_Button::Open, Free_Type_Button::Save,
                                   Free_Type_Button::Send_Panel})
          Enable(b, false);
      },
      "！");
}

void RichText_Free_Type_KeyDown(int& key_code, int shift) {
  forms::Guarded([&] {
    if (key_code == VK_RETURN && Start_Key_Pending) {
      Start_Key_Pending = false;
      key_code = 0;  // the Enter that started the run types nothing
      return;
    }
    Start_Key_Pending = false;
    // Ctrl+Enter ends the run on its release: it leaves no line break behind.
    if (key_code == VK_RETURN && shift == kCtrlMask && Exercise_Running) {
      key_code = 0;
      return;
    }
    if (Free_Type_Paste_Option != 1) return;
    const bool paste_key = shift == kCtrlMask || shift == kAltMask ||
                           (key_code == VK_INSERT && shift == kShiftMask);
    if (paste_key) key_code = 0;  // swallowed: nothing is pasted, the run's state stays
  });
}

void RichText_Free_Type_KeyPress(int key_ascii) {
  if (key_ascii == VK_BACK) return;
  if (key_ascii == VK_RETURN) {
    Play_Enter_Sound();
    return;
  }
  Play_Key_Sound(Get_Key_Index(key_ascii));
}

void RichText_Free_Type_KeyUp(int key_code, int shift) {
  forms::Guarded([&] {
    if (key_code != VK_RETURN) return;
    if (!Exercise_Running) {
      Start_Free_Type(Free_Type_Form());
      return;
    }
    if (shift == kCtrlMask) End_Free_Type();
  });
}

void RichText_Free_Type_LostFocus() {
  forms::Silent([] {
    if (Free_Type_Form().Get<forms::Image>("Image_Main_Form_Up").Visible()) return;
    forms::Rich_Text_Box& editor = RichText_Free_Type();
    if (!editor.Visible() || !editor.Enabled()) return;
    // Only a focus that stayed in the main window comes back: the program's other windows
    // (the mail window, dialogs) keep theirs.
    const HWND focus = GetFocus();
    const HWND main = Free_Type_Form().Hwnd();
    if (focus && GetAncestor(focus, GA_ROOT) != main) return;
    if (GetForegroundWindow() != main) return;
    if (Current_Panel != Number(Panel_Id::Free_Type)) return;
    editor.Set_Focus();
  });
}

}  // namespace quillon
