#include "services/article_boxes.h"

#include "services/globals.h"
#include "services/input_methods.h"
#include "services/main_window.h"
#include "services/overwrite_typing.h"
#include "services/picture_boxes.h"
#include "services/screen_ids.h"
#include "services/sounds.h"
#include "services/typing_boxes.h"
#include "services/utilities.h"

namespace quillon {

namespace {

Article_Box_Workers& Workers() {
  static Article_Box_Workers workers;
  return workers;
}

constexpr int kPlayedThrough = 1;  // the media control's notify code of a play that completed

constexpr char kUserTip[] = "用户区，行末回车换行";

enum class Holder { Panel, Sub_Panel_1, Sub_Panel_2 };
enum class Box_Role { Source, Article_User, Line_Source, Line_User, Overwrite, Audition };

struct Box_Row {
  const char* name;
  int index;
  Holder holder;
  Box_Role role;
  int left, top, width, height;
  const char* tip;
  bool visible;
};
constexpr Box_Row kBoxes[] = {
    {"RichText_Article_Source", -1, Holder::Panel, Box_Role::Source, 765, 225, 7845, 1980, "原稿",
     true},
    {"RichText_Article_User", -1, Holder::Panel, Box_Role::Article_User, 780, 2700, 7845, 2265,
     kUserTip, true},
    {"RichText_Article_Source_2", -1, Holder::Sub_Panel_2, Box_Role::Line_Source, 540, 255, 8445,
     345, "", true},
    {"RichText_Article_User_2", -1, Holder::Sub_Panel_2, Box_Role::Line_User, 540, 585, 8460, 345,
     "用户输入区，行末回车换行", true},
    {"RichText_Overwrite", -1, Holder::Sub_Panel_1, Box_Role::Overwrite, 795, 300, 7830, 4665,
     kUserTip, true},
    {"RichText_Audition", 0, Holder::Sub_Panel_1, Box_Role::Audition, 795, 300, 7830, 4665,
     kUserTip, false},
    {"RichText_Audition", 1, Holder::Panel, Box_Role::Audition, 780, 2700, 7845, 2265, kUserTip,
     false},
};

struct Label_Row {
  const char* name;
  int index;
  int left, top, width, height;
  int alignment;  // 0 left, 2 centred
  bool bar;       // a filled bar in the desktop colour rather than blue text
  bool large;     // Times New Roman 12
};
// The overwrite page (Picture_Article_BG_1).
constexpr Label_Row kOverwriteLabels[] = {
    {"Label_Article_Course_Name_1", -1, 495, 5235, 630, 240, 0, false, false},
    {"Label_Article_Right_or_Wrong_Rate_1", -1, 1980, 5235, 1065, 240, 0, false, false},
    {"Label_Article_Process_Speed_1", 0, 4800, 5250, 3135, 150, 0, true, false},
    {"Label_Article_Process_Speed_1", 1, 6000, 5190, 1065, 240, 2, false, true},
    {"Label_Article_Time_Info_1", -1, 8085, 5205, 1110, 240, 2, false, false},
};

void Call_Worker(const Form_Entry& worker) { Call(worker, Main_Window()); }

// The box that lost the focus takes it back while the tutor is the foreground window (its title
// cover hidden); every failing statement is passed over. The cover follows the foreground only
// every 300 ms, and a box also loses the focus when another program comes to the front: the
// foreground window itself is asked too, so that the box never pulls the focus back from there.
void Keep_Focus(forms::Rich_Text_Box& box) {
  forms::Silent([&] {
    if (!box.Enabled() || !box.Visible()) return;
    if (Main_Window().Get<forms::Image>("Image_Main_Form_Up").Visible()) return;
    if (GetForegroundWindow() != Main_Window().Hwnd()) return;
    box.Set_Focus();
  });
}

bool Expected_Is_Line_Break() {
  const int next = Char_Position + 1;
  return next >= 1 && next <= Article_Char.Upper() && Article_Char(next) == "\r";
}

// The rules of the multi-line box (with the error sound) and the dictation box for one key.
void Apply_Key_Rules(forms::Rich_Text_Box& typing_box, int& key_ascii, bool wrong_sound) {
  switch (Judge_Text_Box_Key(key_ascii, Char_Position, Text_Length, Expected_Is_Line_Break(),
                             Text_End_Reached)) {
    case Text_Box_Key::Take: return;
    case Text_Box_Key::Refuse:
      key_ascii = 0;
      if (wrong_sound) Play_Wrong_Sound();
      return;
    case Text_Box_Key::End_First:
      key_ascii = 0;
      Text_End_Reached = true;
      typing_box.Set_Locked(true);
      Text_End_Time = Tick_Seconds();
      return;
    case Text_Box_Key::End_Again: key_ascii = 0; return;
  }
}

// The key press of those boxes: Backspace was judged at its key-down already (see Judge_Backspace).
void Text_Box_Key_Press(forms::Rich_Text_Box& typing_box, int& key_ascii, bool wrong_sound) {
  if (key_ascii == VK_BACK) return;
  Apply_Key_Rules(typing_box, key_ascii, wrong_sound);
}

// The rich-text box deletes on Backspace's key-down, before its key press: the rules judge
// Backspace there, and a refused one goes no further.
void Judge_Backspace(forms::Rich_Text_Box& typing_box, int& key_code, bool wrong_sound) {
  if (key_code != VK_BACK) return;
  int ascii = VK_BACK;
  Apply_Key_Rules(typing_box, ascii, wrong_sound);
  if (ascii == 0) key_code = 0;
}

void Bind_Box(forms::Form& form, forms::Rich_Text_Box& box, Box_Role role) {
  box.On_Mouse_Move = [](int, int, int, int) { forms::Guarded([] { Main_Surface_Mouse_Move(); }); };
  forms::Rich_Text_Box* b = &box;
  forms::Form* f = &form;
  switch (role) {
    case Box_Role::Source:
    case Box_Role::Line_Source:
      return;
    case Box_Role::Article_User:
      box.On_Change = [] { forms::Guarded([] { Call_Worker(Workers().article_change); }); };
      box.On_Key_Down = [b](int& key, int shift) {
        forms::Guarded([&] {
          Block_Paste_And_Delete_Keys(*b, key, shift);
          Ignore_Text_Change = false;
          Judge_Backspace(*b, key, true);
        });
      };
      box.On_Key_Press = [b](int& key) { forms::Guarded([&] { Text_Box_Key_Press(*b, key, true); }); };
      break;
    case Box_Role::Line_User:
      box.On_Change = [] { forms::Silent([] { Call_Worker(Workers().line_change); }); };
      box.On_Key_Down = [b, f](int& key, int shift) {
        forms::Silent([&] {
          Block_Paste_And_Delete_Keys(*b, key, shift);
          if (Workers().line_key_down) Workers().line_key_down(*f, key, shift);
        });
      };
      box.On_Key_Up = [](int&, int) { Call_Worker(Workers().line_key_up); };
      break;
    case Box_Role::Overwrite:
      box.On_Key_Down = [b](int& key, int shift) {
        forms::Guarded([&] { Block_Paste_Delete_And_Backspace_Keys(*b, key, shift); });
      };
      box.On_Key_Press = [f](int& key) { RichText_Overwrite_KeyPress(*f, key); };
      break;
    case Box_Role::Audition:
      box.On_Change = [] { forms::Guarded([] { Call_Worker(Workers().audition_change); }); };
      box.On_Key_Down = [b, f](int& key, int shift) {
        forms::Guarded([&] {
          Block_Paste_And_Delete_Keys(*b, key, shift);
          Ignore_Text_Change = false;
          Judge_Backspace(Audition_Box_In_Use(*f), key, false);
        });
      };
      box.On_Key_Press = [f](int& key) {
        forms::Guarded([&] { Text_Box_Key_Press(Audition_Box_In_Use(*f), key, false); });
      };
      break;
  }
  box.On_Lost_Focus = [b] { Keep_Focus(*b); };
}

}  // namespace

void Set_Article_Box_Workers(Article_Box_Workers workers) { Workers() = std::move(workers); }

Text_Box_Key Judge_Text_Box_Key(int key_ascii, int char_position, int text_length,
                                bool expected_is_line_break, bool end_reached) {
  if (char_position >= text_length) return end_reached ? Text_Box_Key::End_Again : Text_Box_Key::End_First;
  const bool enter = key_ascii == VK_RETURN;
  if (enter != expected_is_line_break) return Text_Box_Key::Refuse;
  return Text_Box_Key::Take;
}

forms::Rich_Text_Box& Audition_Box_In_Use(forms::Form& form) {
  return form.Get<forms::Rich_Text_Box>("RichText_Audition", Current_Type_Method);
}

void Design_Article_Typing_Boxes(forms::Form& form) {
  forms::Picture_Box* holders[] = {
      &form.Get<forms::Picture_Box>("Picture_BG", Number(Panel_Id::Article)),
      &form.Get<forms::Picture_Box>("Picture_Article_BG_1"),
      &form.Get<forms::Picture_Box>("Picture_Article_BG_2")};
  for (const Box_Row& r : kBoxes) {
    auto& box = form.Add<forms::Rich_Text_Box>(r.name, r.index, holders[static_cast<int>(r.holder)]);
    box.Move(r.left, r.top, r.width, r.height);
    if (*r.tip) box.Set_Tool_Tip_Text(r.tip);
    box.Set_Visible(r.visible);
    switch (r.role) {
      case Box_Role::Source:
        box.Set_Hide_Selection(false);  // the next expected character stays marked
        box.Set_Locked(true);
        break;
      case Box_Role::Line_Source:
        box.Set_Multi_Line(false);
        box.Set_Hide_Selection(false);
        box.Set_Locked(true);
        box.Set_Font("宋体", 15.75);
        break;
      case Box_Role::Line_User:
        box.Set_Multi_Line(false);
        box.Set_Font("宋体", 15.75);
        break;
      default: break;
    }
    Bind_Box(form, box, r.role);
  }
  for (const Label_Row& r : kOverwriteLabels) {
    auto& label = form.Add<forms::Label>(r.name, r.index, holders[1]);
    label.Move(r.left, r.top, r.width, r.height);
    label.Set_Alignment(r.alignment);
    if (r.bar) {
      label.Set_Back_Style(1);
      label.Set_Back_Color(GetSysColor(COLOR_DESKTOP));
    } else {
      label.Set_Fore_Color(RGB(0, 0, 255));
      if (r.large) label.Set_Font("Times New Roman", 12);
    }
  }
  form.Get<forms::Media_Control>("MMControl_Play_Record").On_Done = [&form](int code) {
    MMControl_Play_Record_Done(form, code);
  };
}

void MMControl_Play_Record_Done(forms::Form& form, int notify_code) {
  forms::Silent([&] {
    if (!Audition_Playing) return;  // stopped by the program, or another sound of the control
    Audition_Playing = false;
    Switch_To_English_Layout();
    Main_Timer("Timer_Check").Set_Enabled(false);
    Audition_Box_In_Use(form).Set_Enabled(false);
    if (notify_code != kPlayedThrough) return;
    Show_Form_YesNo();
    Call(Dialog_Answer == 0 ? Workers().replay_audition : Workers().finish_audition, form);
  });
}

}  // namespace quillon
