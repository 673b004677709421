#include "shell/about_box.h"

#include "services/bitmaps.h"
#include "services/globals.h"
#include "services/main_window.h"
#include "services/program_folder.h"
#include "services/scaling.h"
#include "services/screen_ids.h"
#include "services/sounds.h"
#include "services/tutor_settings.h"
#include "services/utilities.h"
#include "shell/startup.h"

namespace quillon {

float About_Left = 0, About_Top = 0, About_Width = 0;

namespace {

// The state of one opening of the box.
struct About_State {
  bool closing = false;         // About_Closing: the close procedure has begun
  bool opened = false;          // the opening zoom and the credits loop have been started
  bool police_was_running = false;
  forms::Form* main = nullptr;
};

About_State& State() {
  static About_State state;
  return state;
}

bool Box_Gone(forms::Form& box) { return !box.Loaded() || !box.Visible(); }

// Moves the box keeping its height; left and width are read back by the callers.
void Place(forms::Form& box, float left, float width) {
  box.Move(static_cast<int>(left), static_cast<int>(About_Top), static_cast<int>(width));
}

void Bring_Main_Window_Back() {
  Write(kAboutFlag, "0");
  forms::Form* main = State().main;
  if (!main || !main->Loaded()) return;
  main->Show();
  SetForegroundWindow(main->Hwnd());
  if (State().police_was_running && Current_Panel == Number(Panel_Id::Police))
    Main_Timer("Timer_Game_Police").Set_Enabled(true);
  State().police_was_running = false;
}

void Form_Activate(forms::Form& box) {
  if (State().opened || State().closing) return;  // one opening zoom and one credits loop
  State().opened = true;
  forms::Guarded([&] {
    if (About_First_Activate) {
      About_Left = static_cast<float>(box.Left());
      About_Top = static_cast<float>(box.Top());
      About_Width = static_cast<float>(box.Width());
      About_First_Activate = false;
    }
    Show_Registered_User(box);
    Zoom_Form(box, false);
  });
  if (!State().closing && !Box_Gone(box)) forms::Guarded([&] { Scroll_About_Picture(box); });
}

// Enter, Esc or Space whatever the modifiers; Ctrl+Y and Alt+F4 with exactly that modifier.
bool Closes(int key, int shift) {
  if (key == VK_RETURN || key == VK_ESCAPE || key == VK_SPACE) return true;
  return (key == 'Y' && shift == kCtrlMask) || (key == VK_F4 && shift == kAltMask);
}

void Design(forms::Form& f) {
  f.Set_Caption("关于青岚键坊");
  f.Set_Client_Size(8085, 2820);
  auto& view = f.Add<forms::Picture_Box>("Picture_BG");
  view.Move(6285, 45, 1650, 2400);
  view.Set_Back_Color(RGB(255, 255, 255));
  auto& strip = f.Add<forms::Picture_Box>("Picture_BG_Move", -1, &view);
  strip.Move(0, 0, 1650, 9015);
  strip.Set_Back_Color(RGB(255, 255, 255));
  for (auto [name, top] : {std::pair{"Label_User_Name", 885}, std::pair{"Label_Company_Name", 1080}}) {
    auto& label = f.Add<forms::Label>(name, -1, &strip);
    label.Move(0, top, 1620, 195);
    label.Set_Alignment(2);
    label.Set_Back_Style(0);
    label.Set_Fore_Color(RGB(128, 128, 0));
    label.Set_Font("宋体", 9);
  }
  // The opening runs from the message loop once the activation is over, so that showing the box
  // returns at once (the box is not modal) and the zoom and credits run among other events.
  auto& opening = f.Add_Timer("Timer_Open", 1, false);
  opening.Tag = "not";
  opening.On_Timer = [&f, &opening] {
    opening.Set_Enabled(false);
    Form_Activate(f);
  };
  auto& ok = f.Add<forms::Command_Button>("Command_Close");
  ok.Move(6855, 2475, 570, 285);
  ok.Set_Text("OK");
  ok.On_Click = Command_Close_Click;
}

}  // namespace

void Zoom_Form(forms::Form& box, bool closing) {
  const float L = About_Left, W = About_Width, s = W / 100;
  if (s <= 0) return;
  if (!closing) {
    Place(box, L + W / 2, 0);
    for (int pass = 0; pass < 200 && !Box_Gone(box) && !State().closing; ++pass) {
      float x = static_cast<float>(box.Left()), w = static_cast<float>(box.Width());
      Place(box, x - s, w + s);
      x = static_cast<float>(box.Left());
      w = static_cast<float>(box.Width());
      Place(box, x, w + s);
      Wait_Milliseconds(1);
      if (Box_Gone(box) || State().closing) return;  // a close took over meanwhile
      if (!(static_cast<float>(box.Left()) > L)) break;
    }
    if (!Box_Gone(box) && !State().closing) Place(box, L, W);
    return;
  }
  Place(box, L, W);
  for (int pass = 0; pass < 200 && box.Loaded(); ++pass) {
    float d = static_cast<float>(box.Width()) - s;
    if (d < 0) break;
    Place(box, static_cast<float>(box.Left()) + s, d);
    d = static_cast<float>(box.Width()) - s;
    if (d < 0) break;
    Place(box, static_cast<float>(box.Left()), d);
    Wait_Milliseconds(1);
  }
  if (box.Loaded()) Place(box, L + W / 2, 0);
}

void Scroll_About_Picture(forms::Form& box) {
  auto& view = box.Get<forms::Picture_Box>("Picture_BG");
  auto& strip = box.Get<forms::Picture_Box>("Picture_BG_Move");
  const int x0 = strip.Left(), hs = strip.Height(), hv = view.Height();
  const int s = std::max(1, hv / 100);
  strip.Move(x0, 0);
  int t = 0;
  bool pause = true;
  auto gone = [&] { return State().closing || !box.Loaded(); };
  for (;;) {
    if (t <= 0 && pause) {
      Wait_Milliseconds(2000);
      pause = false;
      if (gone()) return;
    }
    const int n = t - s;
    if (n <= -hs) {
      strip.Move(x0, hv);
      pause = true;
    } else {
      strip.Move(x0, n);
    }
    t = strip.Top();
    Wait_Milliseconds(50);
    if (gone()) return;
  }
}

void Command_Close_Click() {
  forms::Form& box = Form_About();
  if (State().closing || !box.Loaded()) return;  // one close, however many paths ask for it
  State().closing = true;
  forms::Guarded([&] {
    Play_Click_Sound();
    Zoom_Form(box, true);
  });
  forms::Unload(box);
}

forms::Form& Form_About() {
  static forms::Form* about = [] {
    auto* f = new forms::Form();
    f->Border = forms::Border_Style::None;
    f->Position = forms::Start_Up_Position::Center_Screen;
    f->Key_Preview = true;
    f->Own_Key_Ups = true;
    f->Topmost = true;
    f->Window_Class = kFormClass;
    f->On_Design = [f] { Design(*f); };
    f->On_Load = [f] {
      State().closing = false;
      State().opened = false;
      forms::Guarded([f] {
        Load_Resource_Picture_To_Form(*f, "gy");
        Load_Resource_Picture_To_PictureBox(f->Get<forms::Picture_Box>("Picture_BG_Move"), "jch");
        f->Get<forms::Command_Button>("Command_Close").Set_Mouse_Icon(forms::Hand_Cursor());
        if (Scale_Factor != 1.0f) Scale_Form(*f, Scale_Factor);
        f->Set_Topmost(true);
      });
    };
    f->On_Activate = [f] {
      if (!State().opened && !State().closing) f->Get_Timer("Timer_Open").Set_Enabled(true);
    };
    f->On_Key_Down = [](int& key, int shift) {
      if (key == VK_F4 && shift == kAltMask) key = 0;  // closes on release, with the zoom
    };
    f->On_Key_Up = [](int& key, int shift) {
      if (Closes(key, shift)) Command_Close_Click();
    };
    f->On_Mouse_Up = [](int button, int, int, int) {
      if (button == forms::kLeftButton) Command_Close_Click();
    };
    f->On_Query_Unload = [](int& cancel, int mode) {
      // The window's own close goes through the close procedure, so the box closes once.
      if (mode == forms::Unload_From_Close && !State().closing) {
        cancel = 1;
        Command_Close_Click();
      }
    };
    f->On_Unload = [](int&) {
      State().closing = true;
      Bring_Main_Window_Back();
    };
    return f;
  }();
  return *about;
}

void Show_About_Box(forms::Form& main_form) {
  State().main = &main_form;
  bool shown = false;
  forms::Guarded([&] {
    main_form.Hide();
    Play_Music(Program_File("\\Music\\bg2.wav"));
    Write(kAboutFlag, "1");
    State().police_was_running = false;
    if (Current_Panel == Number(Panel_Id::Police)) {
      auto& police = Main_Timer("Timer_Game_Police");
      State().police_was_running = police.Enabled();
      police.Set_Enabled(false);
    }
    Form_About().Show();
    shown = Form_About().Visible();
  });
  if (!shown) {
    if (Form_About().Loaded()) forms::Unload(Form_About());
    else Bring_Main_Window_Back();
  }
}

}  // namespace quillon
