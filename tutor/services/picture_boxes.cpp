#include "services/picture_boxes.h"

#include "services/bitmaps.h"
#include "services/globals.h"
#include "services/sounds.h"
#include "services/utilities.h"
#include "services/screen_ids.h"
#include "services/service_tables.h"
#include "services/main_window.h"
#include "services/scaling.h"

namespace quillon {

namespace {

struct Box_Button {
  int left, top, width, height;
  const char* pressed;
};

struct Box_Design {
  const char* title;
  int width, height;   // client area in twips
  const char* face;    // drawn by the box itself; nullptr: by the caller
  const char* buttons;
  int count;
  Box_Button button[3];
  int* answer;         // nullptr: no answer
  bool game;           // the pressed picture is loaded and the wait taken at every action
  bool space_answers;  // Space, released, is the first button's key too
};

const Box_Design& Design_Of(Picture_Box_Kind kind) {
  static const Box_Design kYes{"Yes", 4230, 1710, "yes", "Image_Yes", 1,
                               {{1935, 825, 480, 660, "yes1"}}, nullptr, false, false};
  static const Box_Design kYesNo{"YesNo", 4215, 1710, "yn", "Image_YesNo", 2,
                                 {{735, 840, 465, 615, "yn0"}, {3000, 840, 420, 630, "yn1"}},
                                 &Dialog_Answer, false, false};
  static const Box_Design kYesRetryNo{
      "YesRetryNo", 4230, 1710, "yrn", "Image_YesRetryNo", 3,
      {{690, 855, 570, 555, "yrn0"}, {1950, 855, 465, 555, "yrn1"}, {3015, 825, 420, 630, "yrn2"}},
      &Retry_Dialog_Answer, false, false};
  static const Box_Design kGameYesNo{
      "YesNo", 4200, 1710, nullptr, "Image_YesNo", 2,
      {{690, 870, 585, 600, "gamecontinue"}, {2940, 870, 585, 600, "gamecancel"}},
      &Dialog_Answer, true, false};
  static const Box_Design kGameYesRetryNo{"YesRetryNo", 4215, 1710, nullptr, "Image_YesRetryNo", 3,
                                          {{690, 855, 585, 600, "gamenext"},
                                           {1890, 855, 585, 600, "gamerepeat"},
                                           {2940, 855, 585, 600, "gamecancel"}},
                                          &Retry_Dialog_Answer, true, false};
  static const Box_Design kWubiPin{"五笔拼音", 4185, 1695, nullptr, "Image_Yes", 1,
                                   {{1470, 1140, 1215, 300, "bgwubi_pinyin_yes"}}, nullptr, false,
                                   true};
  switch (kind) {
    case Picture_Box_Kind::Yes: return kYes;
    case Picture_Box_Kind::YesNo: return kYesNo;
    case Picture_Box_Kind::YesRetryNo: return kYesRetryNo;
    case Picture_Box_Kind::Game_YesNo: return kGameYesNo;
    case Picture_Box_Kind::Game_YesRetryNo: return kGameYesRetryNo;
    case Picture_Box_Kind::WubiPin: return kWubiPin;
  }
  return kYes;
}

struct Box_State {
  forms::Form* form = nullptr;
  int showing = 0;  // counts the loads: an action that outlived its showing closes nothing
};

Box_State& State_Of(Picture_Box_Kind kind) {
  static Box_State states[6];
  return states[static_cast<int>(kind)];
}

Picture_Box_Function& Answerer() {
  static Picture_Box_Function answer;
  return answer;
}

// The answer of a close by any other means: the box's last button (no, cancel).
void Write_Cancel_Answer(const Box_Design& d) {
  if (d.answer) *d.answer = d.count - 1;
}

void Button_Action(Picture_Box_Kind kind, int index) {
  const Box_Design& d = Design_Of(kind);
  forms::Form& form = Picture_Box_Form(kind);
  forms::Guarded([&] {
    if (index < 0 || index >= d.count) return;
    if (!form.Loaded()) return;  // the box closed already
    const int showing = State_Of(kind).showing;
    Play_Click_Sound();
    auto& button = form.Get<forms::Image>(d.buttons, d.count > 1 ? index : -1);
    if (d.game || button.Get_Picture().Empty()) {
      Load_Resource_Picture_To_Image(button, d.button[index].pressed);
      Wait_Milliseconds(300);
    }
    if (d.answer) *d.answer = index;
    // The box may have been answered and closed (or even shown anew) during the wait.
    if (form.Loaded() && State_Of(kind).showing == showing) forms::Unload(form);
  });
}

void Design_Box(forms::Form& f, Picture_Box_Kind kind) {
  const Box_Design& d = Design_Of(kind);
  f.Set_Caption(d.title);
  f.Set_Client_Size(d.width, d.height);
  for (int i = 0; i < d.count; ++i) {
    auto& button = f.Add<forms::Image>(d.buttons, d.count > 1 ? i : -1);
    const Box_Button& b = d.button[i];
    button.Move(b.left, b.top, b.width, b.height);
    button.On_Click = [kind, i] { Button_Action(kind, i); };
  }
}

void Load_Box(forms::Form& f, Picture_Box_Kind kind) {
  const Box_Design& d = Design_Of(kind);
  ++State_Of(kind).showing;
  Write_Cancel_Answer(d);
  forms::Guarded([&] {
    if (d.face) Load_Resource_Picture_To_Form(f, d.face);
    for (forms::Control* c : f.Array(d.buttons)) c->Set_Mouse_Icon(forms::Hand_Cursor());
    if (Scale_Factor != 1.0f) Scale_Form(f, Scale_Factor);
  });
}

forms::Form& Make_Box(Picture_Box_Kind kind) {
  auto* f = new forms::Form();
  f->Border = forms::Border_Style::None;
  f->Position = forms::Start_Up_Position::Center_Screen;
  f->Key_Preview = true;
  f->Window_Class = kFormClass;
  f->On_Design = [f, kind] { Design_Box(*f, kind); };
  f->On_Load = [f, kind] { Load_Box(*f, kind); };
  f->On_Key_Down = [](int& key, int shift) {
    // Alt+F4 answers when it is released, like every key of the box: no close on its press.
    if (key == VK_F4 && shift == kAltMask) key = 0;
  };
  f->On_Key_Up = [kind](int& key, int shift) {
    const Box_Design& d = Design_Of(kind);
    int index = Picture_Box_Key_Button(d.count, key, shift, d.space_answers);
    if (index >= 0) Button_Action(kind, index);
  };
  f->On_Query_Unload = [kind](int&, int mode) {
    if (mode == forms::Unload_From_Close) Write_Cancel_Answer(Design_Of(kind));
  };
  return *f;
}

void Show_Box(Picture_Box_Kind kind, const std::string& face) {
  const Box_Design& d = Design_Of(kind);
  forms::Form& form = Picture_Box_Form(kind);
  if (Answerer()) {
    Write_Cancel_Answer(d);
    Answerer()(kind);
    return;
  }
  if (!face.empty()) Load_Resource_Picture_To_Form(form, face);
  form.Show_Modal();
}

}  // namespace

forms::Form& Picture_Box_Form(Picture_Box_Kind kind) {
  Box_State& s = State_Of(kind);
  if (!s.form) s.form = &Make_Box(kind);
  return *s.form;
}

forms::Form& Form_Yes() { return Picture_Box_Form(Picture_Box_Kind::Yes); }
forms::Form& Form_YesNo() { return Picture_Box_Form(Picture_Box_Kind::YesNo); }
forms::Form& Form_YesRetryNo() { return Picture_Box_Form(Picture_Box_Kind::YesRetryNo); }
forms::Form& Form_Game_YesNo() { return Picture_Box_Form(Picture_Box_Kind::Game_YesNo); }
forms::Form& Form_Game_YesRetryNo() { return Picture_Box_Form(Picture_Box_Kind::Game_YesRetryNo); }
forms::Form& Form_WubiPin() { return Picture_Box_Form(Picture_Box_Kind::WubiPin); }

void Show_Form_Yes() { Show_Box(Picture_Box_Kind::Yes, ""); }
void Show_Form_YesNo() { Show_Box(Picture_Box_Kind::YesNo, ""); }
void Show_Form_YesRetryNo() { Show_Box(Picture_Box_Kind::YesRetryNo, ""); }
void Show_Form_Game_YesNo(const std::string& face) { Show_Box(Picture_Box_Kind::Game_YesNo, face); }
void Show_Form_Game_YesRetryNo(const std::string& face) {
  Show_Box(Picture_Box_Kind::Game_YesRetryNo, face);
}

void Show_Form_WubiPin(const std::string& face) { Show_Box(Picture_Box_Kind::WubiPin, face); }

void Image_Yes_Click() { Button_Action(Picture_Box_Kind::Yes, 0); }
void Image_YesNo_Click(Picture_Box_Kind kind, int index) { Button_Action(kind, index); }
void Image_YesRetryNo_Click(Picture_Box_Kind kind, int index) { Button_Action(kind, index); }

void Set_Picture_Box_Function(Picture_Box_Function answer) { Answerer() = std::move(answer); }

}  // namespace quillon
