#include <string>

#include "freetype/free_type_screen.h"
#include "services/screen_ids.h"
#include "services/bitmaps.h"
#include "services/globals.h"
#include "services/main_window.h"
#include "services/utilities.h"
#include "services/sounds.h"
#include "services/input_methods.h"
#include "services/program_folder.h"
#include "services/typing_boxes.h"

namespace quillon {

namespace {

struct Place {
  int left, top, width, height;
};

// The toolbar: buttons 0 to 8 on the page, 9 to 16 on the send panel (twips).
constexpr Place kButtonPlaces[kFreeTypeButtons] = {
    {135, 135, 450, 465},    {570, 135, 450, 465},    {1020, 135, 450, 465},
    {150, 2880, 1275, 405},  {150, 3330, 1275, 405},  {150, 3780, 1275, 405},
    {150, 4230, 1275, 405},  {150, 4680, 1275, 405},  {150, 5130, 1275, 405},
    {1680, 90, 240, 255},    {360, 225, 1290, 405},   {360, 645, 1290, 405},
    {360, 1065, 1290, 405},  {360, 1485, 1290, 405},  {360, 1905, 1290, 405},
    {360, 2325, 1290, 405},  {360, 2760, 1290, 405}};
const char* const kButtonTips[kFreeTypeButtons] = {"开始", "暂停", "结束", "", "", "", "", "", "",
                                                   "关闭", "", "", "", "", "", "", ""};
constexpr int kFirstSendButton = 9;

// What each button does (the click dispatcher's table).
using Button_Action = void (*)();
void Do_Start() { Start_Free_Type(Free_Type_Form()); }
constexpr Button_Action kButtonActions[kFreeTypeButtons] = {
    Do_Start,           Pause_Free_Type,        End_Free_Type,          Open_Free_Type_File,
    Save_Free_Type_File, Show_Send_Panel,       Set_Free_Type_Font,     Set_Free_Type_Text_Color,
    Set_Free_Type_Back_Color, Show_Speed_Curve, Open_With_Notepad,      Open_With_Wordpad,
    Open_With_Scribora, Open_With_Word,         Send_Free_Type_Mail,    Print_Free_Type_Text,
    Open_With_Other_Program};

std::string Hover_Bitmap(int i) { return "free" + std::to_string(2 * i + 1); }
std::string Pressed_Bitmap(int i) { return "free" + std::to_string(2 * i + 2); }
constexpr const char* kPausedBitmap = "free4";

// Draws a named look into a button unless it shows it already (the Tag remembers the look).
void Show_Fitted_Look(forms::Image& image, const std::string& name) {
  if (image.Tag == name && image.Get_Picture()) return;
  Fit_Picture_Temp(image);
  Load_Resource_Picture_To_Image(image, name);
  image.Tag = name;
}

// Mouse movement over the page's surfaces: the shell's leave reset, then the toolbar's.
void Surface_Move() {
  Main_Surface_Mouse_Move();
  Reset_Free_Type_Button_Picture();
}

}  // namespace

forms::Form& Free_Type_Form() { return Main_Window(); }
forms::Rich_Text_Box& RichText_Free_Type() {
  return Free_Type_Form().Get<forms::Rich_Text_Box>("RichText_Free_Type");
}
forms::Image& Image_Free_Type(int index) {
  return Free_Type_Form().Get<forms::Image>("Image_Free_Type", index);
}
forms::Image& Image_PictureDraw_SPC(int index) {
  return Free_Type_Form().Get<forms::Image>("Image_PictureDraw_SPC", index);
}
forms::Picture_Box& Picture_Draw() { return Free_Type_Form().Get<forms::Picture_Box>("Picture_Draw"); }
forms::Picture_Box& Picture_BG_Send() {
  return Free_Type_Form().Get<forms::Picture_Box>("Picture_BG_Send");
}
forms::Label& Free_Type_Label(const char* name) { return Free_Type_Form().Get<forms::Label>(name); }
forms::Timer& Timer_Free_Type() { return Main_Timer("Timer_Free_Type"); }

void Design_Free_Type_Page(forms::Form& form) {
  forms::Picture_Box& page = form.Get<forms::Picture_Box>("Picture_BG", Number(Panel_Id::Free_Type));
  page.On_Mouse_Move = [](int, int, int, int) { Surface_Move(); };

  for (int i = 0; i < 3; ++i) {
    auto& label = form.Add<forms::Label>(i == 0 ? "Label_Type_Time" : i == 1 ? "Label_Type_Num"
                                                                            : "Label_Type_Speed",
                                         -1, &page);
    label.Move(240, 900 + 720 * i, 1140, 240);
    label.Set_Alignment(2);
    label.Set_Font("宋体", 12, true);
    label.Set_Fore_Color(RGB(0, 0, 255));
    label.Set_Back_Color(RGB(255, 255, 255));
    label.Set_Back_Style(1);
  }
  form.Get<forms::Label>("Label_Type_Time").Set_Caption("00:00");
  form.Get<forms::Label>("Label_Type_Num").Set_Caption("0");
  form.Get<forms::Label>("Label_Type_Speed").Set_Caption("0");

  auto& editor = form.Add<forms::Rich_Text_Box>("RichText_Free_Type", -1, &page);
  editor.Move(1560, 0, 7935, 5580);
  editor.Set_Font("宋体", 14.25);
  editor.On_Change = [] { RichText_Free_Type_Change(); };
  editor.On_Key_Down = [](int& key, int shift) { RichText_Free_Type_KeyDown(key, shift); };
  editor.On_Key_Press = [](int& ascii) { RichText_Free_Type_KeyPress(ascii); };
  editor.On_Key_Up = [](int& key, int shift) { RichText_Free_Type_KeyUp(key, shift); };
  editor.On_Lost_Focus = [] { RichText_Free_Type_LostFocus(); };
  editor.On_Mouse_Down = [](int, int, int, int) { Main_Close_PopMenu(); };
  editor.On_Mouse_Move = [](int, int, int, int) { Surface_Move(); };

  auto& draw = form.Add<forms::Picture_Box>("Picture_Draw", -1, &page);
  draw.Move(1710, 180, 7695, 5595);
  draw.Set_Visible(false);
  draw.Set_Back_Color(RGB(255, 255, 255));
  Design_Speed_Curve(form, draw);

  auto& send = form.Add<forms::Picture_Box>("Picture_BG_Send", -1, &page);
  send.Move(4500, 1200, 1995, 3255);
  send.Set_Visible(false);
  send.Set_Back_Color(RGB(192, 192, 192));
  send.On_Mouse_Move = [](int, int, int, int) { Surface_Move(); };
  send.On_Mouse_Down = [](int button, int, int, int) {
    if (button == forms::kRightButton) Pop_Up_Context_Menu();
  };

  for (int i = 0; i < kFreeTypeButtons; ++i) {
    forms::Container* host = i >= kFirstSendButton ? static_cast<forms::Container*>(&send) : &page;
    auto& button = form.Add<forms::Image>("Image_Free_Type", i, host);
    const Place& p = kButtonPlaces[i];
    button.Move(p.left, p.top, p.width, p.height);
    if (*kButtonTips[i]) button.Set_Tool_Tip_Text(kButtonTips[i]);
    button.On_Click = [i] { Image_Free_Type_Click(i); };
    button.On_Mouse_Move = [i](int, int, int, int) { Image_Free_Type_MouseMove(i); };
  }

  // The run's clock ticks as often as the system lets it.
  form.Get_Timer("Timer_Free_Type").Set_Interval(1);
  form.Get_Timer("Timer_Free_Type").On_Timer = [] { Timer_Free_Type_Timer(); };
}

void Initialize_Free_Type_Page(forms::Form& form) {
  forms::Guarded([&] {
    Exercise_Running = false;
    Panel_Keys_Enabled = true;
    forms::Picture_Box& page = Panel(Number(Panel_Id::Free_Type));
    if (!page.Get_Picture()) Load_Resource_Picture_To_PictureBox(page, "zylr");
    if (!Picture_Draw().Get_Picture())
      Picture_Draw().Set_Picture(forms::Picture::Load_File(Program_Folder() + "\\Lib\\zylr2.jpg"));
    if (!Picture_BG_Send().Get_Picture()) Load_Resource_Picture_To_PictureBox(Picture_BG_Send(), "fs");
    for (const char* array : {"Image_Free_Type", "Image_PictureDraw_SPC"})
      for (forms::Control* c : form.Array(array))
        if (!c->Mouse_Icon()) c->Set_Mouse_Icon(forms::Hand_Cursor());
    Read_Free_Type_Setting();
    Free_Type_Hover_Enabled = true;
    Free_Type_Paused = false;
    Free_Type_Loaded_Length = 0;  // the editor is emptied next: no loaded text is left
    forms::Rich_Text_Box& editor = RichText_Free_Type();
    editor.Set_Locked(true);
    Reset_RichText_Font(editor, 1);
    editor.Set_Visible(true);
    editor.Set_Enabled(false);
    for (const char* name : {"Label_Type_Time", "Label_Type_Num", "Label_Type_Speed"})
      Free_Type_Label(name).Set_Caption("");
    Picture_Draw().Set_Visible(false);
    Picture_BG_Send().Set_Visible(false);
    for (int i = 0; i < kFreeTypeButtons; ++i) Clear_Look(Image_Free_Type(i));
    for (Free_Type_Button b : {Free_Type_Button::Start, Free_Type_Button::Font,
                               Free_Type_Button::Text_Color, Free_Type_Button::Back_Color})
      Set_Free_Type_Button_Enabled(b, true);
    for (Free_Type_Button b : {Free_Type_Button::Pause, Free_Type_Button::End,
                               Free_Type_Button::Save, Free_Type_Button::Send_Panel})
      Set_Free_Type_Button_Enabled(b, false);
    Image_Free_Type(Free_Type_Button::Pause).Set_Tool_Tip_Text("暂停");
  });
}

void Set_Free_Type_Button_Enabled(Free_Type_Button button, bool enabled) {
  forms::Image& image = Image_Free_Type(button);
  if (image.Enabled() != enabled) image.Set_Enabled(enabled);
}

void Clear_Free_Type_Button_Picture(Free_Type_Button button) {
  Clear_Look(Image_Free_Type(button));
}

void Image_Free_Type_MouseMove(int index) {
  forms::Guarded([&] {
    if (!Free_Type_Hover_Enabled) return;
    if (index <= static_cast<int>(Free_Type_Button::End)) {
      Clear_Other_Free_Type_Buttons(index);
    } else {
      for (int j = static_cast<int>(Free_Type_Button::Open); j < kFreeTypeButtons; ++j)
        if (j != index) Clear_Look(Image_Free_Type(j));
    }
    Show_Fitted_Look(Image_Free_Type(index), Hover_Bitmap(index));
    if (index == static_cast<int>(Free_Type_Button::End))
      Image_Free_Type(index).Set_Tool_Tip_Text(Free_Type_Has_Typed_Text() ? "结束并绘制录入曲线"
                                                                          : "结束");
  });
}

void Clear_Other_Free_Type_Buttons(int index) {
  for (int j = 0; j < kFreeTypeButtons; ++j) {
    if (j == index) continue;
    if (j == static_cast<int>(Free_Type_Button::Pause) && Free_Type_Paused) continue;
    Clear_Look(Image_Free_Type(j));
  }
}

void Free_Type_Button_Click_Picture(int index) {
  Free_Type_Hover_Enabled = false;
  Clear_Other_Free_Type_Buttons(index);
  Show_Fitted_Look(Image_Free_Type(index), Pressed_Bitmap(index));
  Wait_Milliseconds(50);
}

void Curve_Button_Click_Picture(int index) {
  Free_Type_Hover_Enabled = false;
  Show_Fitted_Look(Image_PictureDraw_SPC(index), "switch" + std::to_string(2 * index + 21));
  Wait_Milliseconds(50);
}

void Image_Free_Type_Click(int index) {
  if (index < 0 || index >= kFreeTypeButtons) return;
  forms::Guarded([&] {
    Play_Click_Sound();
    Free_Type_Button_Click_Picture(index);
    kButtonActions[index]();
    forms::Rich_Text_Box& editor = RichText_Free_Type();
    if (editor.Enabled() && editor.Visible() && !Picture_BG_Send().Visible() &&
        !Picture_Draw().Visible())
      forms::Silent([&] { editor.Set_Focus(); });
  });
}

void Reset_Free_Type_Button_Picture() {
  forms::Guarded([&] {
    Free_Type_Hover_Enabled = true;
    for (int i = 0; i <= static_cast<int>(Free_Type_Button::End); ++i) {
      if (i == static_cast<int>(Free_Type_Button::Pause) && Free_Type_Paused)
        Show_Fitted_Look(Image_Free_Type(i), kPausedBitmap);
      else
        Clear_Look(Image_Free_Type(i));
    }
    for (int i = static_cast<int>(Free_Type_Button::Open); i < kFreeTypeButtons; ++i)
      Clear_Look(Image_Free_Type(i));
    for (int i = 0; i < 3; ++i) Clear_Look(Image_PictureDraw_SPC(i));
  });
}

void Pop_Up_Context_Menu() { Main_Context_Menu(); }

}  // namespace quillon
