#include "settings/system_set.h"

#include "services/bitmaps.h"
#include "services/globals.h"
#include "services/input_methods.h"
#include "services/main_window.h"
#include "services/scaling.h"
#include "services/service_tables.h"
#include "services/screen_ids.h"
#include "services/sounds.h"
#include "services/tutor_settings.h"
#include "services/typing_boxes.h"
#include "services/utilities.h"

namespace quillon {

namespace {

constexpr char kButtons[] = "Image_System_Set_Yes_Or_No";
constexpr char kActiveBox[] = "RichText_System_Set_Active_System";
constexpr char kCloseBox[] = "RichText_System_Set_Close_System";
constexpr int kButtonTops[3] = {570, 990, 1410};

enum class Dialog_Button { OK = 0, Cancel = 1, Default = 2 };

forms::Form& Dialog() { return Form_System_Set(); }
template <class T>
T& Control(const char* name) {
  return Dialog().Get<T>(name);
}

// A statement of the loading: a failure is passed over.
template <class F>
void Skipping(F&& f) {
  try {
    f();
  } catch (...) {
  }
}

Hot_Key Stored_Hot_Key(const Int_Setting& shift, const Int_Setting& code,
                       const Text_Setting& shift_text, const Text_Setting& key_text) {
  return Hot_Key{Read(shift), Read(code), Read(shift_text), Read(key_text)};
}

void Show_Box(const char* name, const Hot_Key_Box& box) {
  auto& rich = Control<forms::Rich_Text_Box>(name);
  rich.Set_Text(box.shown);
  rich.Set_Sel_Start(static_cast<int>(box.shown.size()));
}

void Capture(const char* name, Hot_Key_Box& box, const Hot_Key_Box& other, int& key, int shift) {
  auto& rich = Control<forms::Rich_Text_Box>(name);
  Block_Paste_Delete_And_Backspace_Keys(rich, key, shift);
  const std::string before = box.shown;
  Capture_Key(box, other, key, shift);
  if (box.shown != before || rich.Text() != box.shown) Show_Box(name, box);
}

void Initialize_Parameter() {
  auto& music = Control<forms::Check_Box>("Check_BG_Music");
  auto& sound = Control<forms::Check_Box>("Check_Sound");
  auto& notes = Control<forms::Check_Box>("Check_Music_KB");
  Skipping([&] { music.Set_Value(Read(kBGMusicOn) == 1 ? 1 : 0); });
  Skipping([&] { sound.Set_Value(Read(kSoundOn) == 1 ? 1 : 0); });
  Skipping([&] { notes.Set_Enabled(sound.Value() == 1); });
  Skipping([&] { notes.Set_Value(Read(kMusicKBOn) == 1 ? 1 : 0); });
  if (!Sound_Card_Present)
    for (forms::Check_Box* c : {&music, &sound, &notes}) c->Set_Enabled(false);
  Hot_Key_Box& active = Active_Hot_Key_Box();
  Hot_Key_Box& close = Close_Hot_Key_Box();
  active = Hot_Key_Box{};
  close = Hot_Key_Box{};
  Skipping([&] {
    active.stored = Stored_Hot_Key(kActiveShift, kActiveKeyCode, kActiveShiftString,
                                   kActiveKeyCodeString);
    active.Show_Stored();
    Show_Box(kActiveBox, active);
  });
  Skipping([&] {
    close.stored = Stored_Hot_Key(kCloseShift, kCloseKeyCode, kCloseShiftString,
                                  kCloseKeyCodeString);
    close.Show_Stored();
    Show_Box(kCloseBox, close);
  });
  auto& chinese = Control<forms::Combo_Box>("Combo_Chinese_Font_Name");
  auto& english = Control<forms::Combo_Box>("Combo_English_Font_Name");
  Skipping([&] { Fill_Font_Combo(chinese, english); });
  Skipping([&] { Ini_Font_Combo(english, Read(kEnglishFont), 0); });
  Skipping([&] { Ini_Font_Combo(chinese, Read(kChineseFont), 1); });
}

void Save_Hot_Key(const Hot_Key_Box& box, const Int_Setting& shift, const Int_Setting& code,
                  const Text_Setting& shift_text, const Text_Setting& key_text) {
  if (!box.has_capture) return;
  Write(code, box.captured.key_code);
  Write(shift, box.captured.shift);
  Write(key_text, box.captured.key_text);
  Write(shift_text, box.captured.shift_text);
}

void Set_Changed_Item() {
  forms::Guarded([] {
    const int music = Control<forms::Check_Box>("Check_BG_Music").Value();
    const int sound = Control<forms::Check_Box>("Check_Sound").Value();
    const int notes = Control<forms::Check_Box>("Check_Music_KB").Value();
    Write(kBGMusicOn, music);
    Write(kSoundOn, sound);
    Write(kMusicKBOn, notes);
    BG_Music_On = music;
    Sound_On = sound;
    Music_KB_On = notes;
    Hot_Key_Box& active = Active_Hot_Key_Box();
    Hot_Key_Box& close = Close_Hot_Key_Box();
    Drop_Clashing_Capture(active, close);
    Save_Hot_Key(active, kActiveShift, kActiveKeyCode, kActiveShiftString, kActiveKeyCodeString);
    Clear_Active_Hot_Key(Main_Window());
    Set_Active_Hot_Key(Main_Window());
    Save_Hot_Key(close, kCloseShift, kCloseKeyCode, kCloseShiftString, kCloseKeyCodeString);
    // A list without a selection (no installed face shows the practice text) keeps the store.
    const std::string english = Control<forms::Combo_Box>("Combo_English_Font_Name").Text();
    const std::string chinese = Control<forms::Combo_Box>("Combo_Chinese_Font_Name").Text();
    if (!english.empty()) Write(kEnglishFont, english);
    if (!chinese.empty()) Write(kChineseFont, chinese);
  });
}

void Set_Default_Item() {
  forms::Guarded([] {
    Control<forms::Check_Box>("Check_BG_Music").Set_Value(1);
    Control<forms::Check_Box>("Check_Sound").Set_Value(1);
    Control<forms::Check_Box>("Check_Music_KB").Set_Value(0);
    Capture_Default(Active_Hot_Key_Box(), kActiveKeyCode.fallback);
    Capture_Default(Close_Hot_Key_Box(), kCloseKeyCode.fallback);
    Show_Box(kActiveBox, Active_Hot_Key_Box());
    Show_Box(kCloseBox, Close_Hot_Key_Box());
    struct List {
      const char* name;
      std::string font;
      int kind;
    };
    for (const List& list : {List{"Combo_Chinese_Font_Name", kChineseFont.fallback, 1},
                             List{"Combo_English_Font_Name", kEnglishFont.fallback, 0}}) {
      auto& combo = Control<forms::Combo_Box>(list.name);
      if (combo.Text() != list.font) Ini_Font_Combo(combo, list.font, list.kind);
    }
  });
}

void Clear_Button_Picture() {
  for (forms::Control* c : Dialog().Array(kButtons)) {
    auto* b = static_cast<forms::Image*>(c);
    if (!b->Get_Picture().Empty()) b->Set_Picture(forms::Picture());
  }
}

void Design(forms::Form& f) {
  f.Set_Caption("系统设置");
  f.Set_Client_Size(5565, 2715);
  // In tab order: the capture boxes, the font lists, the check boxes.
  Hot_Key_Box* boxes[2] = {&Active_Hot_Key_Box(), &Close_Hot_Key_Box()};
  const char* names[2] = {kActiveBox, kCloseBox};
  const int places[2][2] = {{1425, 1800}, {1410, 2205}};
  for (int i = 0; i < 2; ++i) {
    auto& box = f.Add<forms::Rich_Text_Box>(names[i]);
    box.Set_Multi_Line(false);
    box.Set_Scroll_Bars(0);
    box.Apply_Style();
    box.Move(places[i][0], places[i][1], 1140, 270);
    box.Set_Font("宋体", 9);
    const char* name = names[i];
    Hot_Key_Box* own = boxes[i];
    Hot_Key_Box* other = boxes[1 - i];
    box.On_Key_Down = [name, own, other](int& key, int shift) {
      Capture(name, *own, *other, key, shift);
    };
    box.On_Key_Press = [](int& ascii) { ascii = 0; };
  }
  auto& chinese = f.Add<forms::Combo_Box>("Combo_Chinese_Font_Name");
  chinese.Set_Sorted(true);
  chinese.Move(1485, 645, 2115, 3000);
  chinese.Set_Font("宋体", 9);
  auto& english = f.Add<forms::Combo_Box>("Combo_English_Font_Name");
  english.Set_Sorted(true);
  english.Move(1485, 1035, 2115, 3000);
  english.Set_Font("宋体", 9);
  const char* checks[3] = {"Check_BG_Music", "Check_Sound", "Check_Music_KB"};
  const int check_places[3][2] = {{3540, 1815}, {3540, 2220}, {4080, 2235}};
  for (int i = 0; i < 3; ++i) {
    auto& c = f.Add<forms::Check_Box>(checks[i]);
    c.Move(check_places[i][0], check_places[i][1], 240, 240);
    c.Set_Mouse_Icon(forms::Hand_Cursor());
  }
  auto& sound = f.Get<forms::Check_Box>("Check_Sound");
  sound.On_Change = [&sound, &f] {
    f.Get<forms::Check_Box>("Check_Music_KB").Set_Enabled(sound.Value() == 1 && Sound_Card_Present);
  };
  for (int i = 0; i < 3; ++i) {
    auto& b = f.Add<forms::Image>(kButtons, i);
    b.Move(4080, kButtonTops[i], 1215, 300);
    b.Set_Mouse_Icon(forms::Hand_Cursor());
    b.On_Click = [i] { Image_System_Set_Yes_Or_No_Click(i); };
  }
}

}  // namespace

Hot_Key_Box& Active_Hot_Key_Box() {
  static Hot_Key_Box box;
  return box;
}

Hot_Key_Box& Close_Hot_Key_Box() {
  static Hot_Key_Box box;
  return box;
}

void Ini_Font_Combo(forms::Combo_Box& combo, const std::string& font_name, int font_kind) {
  Skipping([&] {
    auto select = [&combo](const std::string& name) {
      for (int i = 0; i < combo.List_Count(); ++i)
        if (combo.List(i) == name) {
          combo.Set_List_Index(i);
          return true;
        }
      return false;
    };
    if (select(font_name)) return;
    // A font that is not installed stays as it is while the face the platform draws for it
    // shows the practice text; otherwise the list offers the default face, or its first one.
    if (Font_Shows_Practice_Text(font_name, font_kind)) {
      combo.Add_Item(font_name);
      if (select(font_name)) return;
    }
    std::string key, default_name;
    if (Display_Font_Setting(font_kind, &key, &default_name) && select(default_name)) return;
    combo.Set_List_Index(combo.List_Count() > 0 ? 0 : -1);
  });
}

void Image_System_Set_Yes_Or_No_Click(int index) {
  forms::Guarded([&] {
    if (!Dialog().Loaded()) return;
    Play_Click_Sound();
    auto& button = Dialog().Get<forms::Image>(kButtons, index);
    if (button.Get_Picture().Empty()) {
      Load_Resource_Picture_To_Image(button, "xtsz" + std::to_string(index));
      Wait_Milliseconds(100);
    }
    if (!Dialog().Loaded()) return;
    switch (static_cast<Dialog_Button>(index)) {
      case Dialog_Button::OK:
        Set_Changed_Item();
        forms::Unload(Dialog());
        break;
      case Dialog_Button::Cancel: forms::Unload(Dialog()); break;
      case Dialog_Button::Default: Set_Default_Item(); break;
    }
  });
}

forms::Form& Form_System_Set() {
  static forms::Form* dialog = [] {
    auto* f = New_Skinned_Dialog();
    f->On_Design = [f] { Design(*f); };
    f->On_Load = [f] {
      forms::Guarded([f] { Load_Resource_Picture_To_Form(*f, "xtsz"); });
      if (Scale_Factor != 1.0f) Scale_Form(*f, Scale_Factor);
      Initialize_Parameter();
      Clear_Active_Hot_Key(Main_Window());
    };
    // Opened, the dialog puts the focus in the first capture box, so a key pressed at once is
    // taken; activated again, it keeps the control that had the focus.
    f->On_Activate = [f] {
      forms::Silent([f] {
        if (GetFocus() == f->Hwnd() || !GetFocus())
          f->Get<forms::Rich_Text_Box>(kActiveBox).Set_Focus();
      });
    };
    f->On_Mouse_Move = [](int, int, int, int) { Clear_Button_Picture(); };
    f->On_Key_Up = [](int& key, int) {
      if (key == VK_RETURN) Image_System_Set_Yes_Or_No_Click(Number(Dialog_Button::OK));
      else if (key == VK_ESCAPE) Image_System_Set_Yes_Or_No_Click(Number(Dialog_Button::Cancel));
    };
    // However the dialog closes, the main window has its front hot key again from the store.
    f->On_Unload = [](int&) { Set_Active_Hot_Key(Main_Window()); };
    return f;
  }();
  return *dialog;
}

void Show_Form_System_Set(forms::Form& owner) { Form_System_Set().Show_Modal(owner.Hwnd()); }

}  // namespace quillon
