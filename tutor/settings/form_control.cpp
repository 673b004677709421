#include "settings/form_control.h"

#include "services/bitmaps.h"
#include "services/globals.h"
#include "services/input_methods.h"
#include "services/main_commands.h"
#include "services/main_window.h"
#include "services/scaling.h"
#include "services/sounds.h"
#include "services/typing_boxes.h"
#include "services/utilities.h"
#include "settings/function_options.h"

namespace quillon {

bool Control_Set_Changed = false;

namespace {

constexpr int kDialogWidth = 6810, kDialogHeight = 4680;
constexpr int kTabLeft = 165, kTabTop = 690, kTabWidth = 6420, kTabHeight = 3810;
constexpr int kTabRowHeight = 300;
constexpr int kButtonLefts[3] = {1860, 3510, 5160};
constexpr int kButtonTop = 255, kButtonWidth = 1215, kButtonHeight = 300;
constexpr char kFont[] = "宋体";
constexpr double kFontSize = 10.5;
constexpr char kButtons[] = "Image_Control_Set_Yes_Or_No";
constexpr char kTabs[] = "SSTab_Control_Set";

enum class Dialog_Button { OK = 0, Cancel = 1, Default = 2 };

forms::Form& Dialog() { return Form_Control(); }
template <class T>
T& Control(const char* name) {
  return Dialog().Get<T>(name);
}

// ---- Design ----

struct Designer {
  forms::Form& f;
  forms::Picture_Box* page = nullptr;

  void Label(const char* caption, int left, int top, int width = 1500) {
    static int count = 0;
    auto& l = f.Add<forms::Label>("Label_Caption", count++, page);
    l.Move(left, top + 30, width, 270);
    l.Set_Font(kFont, kFontSize);
    l.Set_Caption(caption);
  }
  forms::Check_Box& Check(const char* name, const char* caption, int left, int top,
                          int width = 2600) {
    auto& c = f.Add<forms::Check_Box>(name, -1, page);
    c.Move(left, top, width, 300);
    c.Set_Text(caption);
    c.Set_Font(kFont, kFontSize);
    c.Set_Value(Read(Option_Key_Of(name)->setting) == 1 ? 1 : 0);
    return c;
  }
  forms::Option_Group& Group(const char* name, const char* caption, int left, int top, int width,
                             std::initializer_list<const char*> options) {
    auto& g = f.Add<forms::Option_Group>(name, -1, page);
    const int height = 330 + 300 * static_cast<int>(options.size());
    g.Move(left, top, width, height);
    g.Set_Font(kFont, kFontSize);
    g.Set_Caption(caption);
    int y = 300;
    for (const char* o : options) {
      g.Add_Option(o, 180, y, width - 300, 285);
      y += 300;
    }
    g.Set_Value(Option_Key_Of(name)->setting.fallback);
    return g;
  }
  forms::Combo_Box& Combo(const char* name, const char* caption, int left, int top,
                          int width = 2400) {
    Label(caption, left, top, 1700);
    auto& c = f.Add<forms::Combo_Box>(name, -1, page);
    c.Move(left + 1700, top, width, 2400);
    c.Set_Font(kFont, kFontSize);
    return c;
  }
  forms::Slider& Slider(const char* name, const char* caption, int left, int top) {
    Label(caption, left, top + 60, 1500);
    auto& s = f.Add<forms::Slider>(name, -1, page);
    s.Move(left + 1500, top, 3000, 420);
    s.Set_Range(1, 100);
    s.Set_Small_Change(1);
    s.Set_Large_Change(5);
    s.Set_Value(Option_Key_Of(name)->setting.fallback);
    return s;
  }
  forms::Rich_Text_Box& Number(const char* name, const char* arrows, const char* caption,
                               const char* unit, int left, int top, bool click_sound) {
    const Option_Key& key = *Option_Key_Of(name);
    Label(caption, left, top, 1900);
    auto& box = f.Add<forms::Rich_Text_Box>(name, -1, page);
    box.Set_Multi_Line(false);
    box.Set_Scroll_Bars(0);
    box.Apply_Style();
    const int width = 180 + 135 * key.characters;
    box.Move(left + 1900, top, width, 300);
    box.Set_Font(kFont, kFontSize);
    box.Set_Text(std::to_string(key.setting.fallback));
    box.On_Key_Down = [&box](int& key_code, int shift) {
      Block_Paste_Keys(box, key_code, shift);
      if (key_code == VK_BACK) key_code = 0;  // the box deletes it on the press: no Backspace
    };
    // Digits only, and no more than the box holds (a selection is replaced).
    box.On_Key_Press = [&box, characters = key.characters](int& ascii) {
      if (ascii < '0' || ascii > '9' || box.Text_Length() - box.Sel_Length() >= characters)
        ascii = 0;
    };
    box.On_Lost_Focus = [&box] {
      const std::string text = box.Text();
      const std::string normal = Normalized_Number_Text(text);
      if (normal != text) box.Set_Text(normal);
    };
    auto& up = f.Add<forms::Up_Down>(arrows, -1, page);
    up.Move(left + 1900 + width, top, 240, 300);
    up.Set_Range(1, key.arrows_max);
    up.Set_Buddy(box);
    if (click_sound) up.On_Change = [] { Play_Click_Sound(); };
    if (*unit) Label(unit, left + 1900 + width + 300, top, 300);
    return box;
  }
};

void On_Click_Sound(forms::Control& c) { c.On_Click = [] { Play_Click_Sound(); }; }

void Design_Tabs(forms::Form& f) {
  auto& tabs = f.Add<forms::Tab_Control>(kTabs);
  tabs.Move(kTabLeft, kTabTop, kTabWidth, kTabHeight);
  tabs.Set_Tabs(12, 3, kTabRowHeight);
  Designer d{f};
  auto on = [&](Exercise_Kind tab) { d.page = &tabs.Page(Number(tab)); };

  on(Exercise_Kind::Keys);
  On_Click_Sound(d.Group("Option_Char_Type_Method", "键盘类型", 300, 200, 2700,
                         {"常规键盘练习", "数字键盘练习"}));
  On_Click_Sound(d.Check("Check_Char_Remember", "继续上次的练习", 3400, 400));
  On_Click_Sound(d.Check("Check_Char_Cursor_Prompt", "光标提示", 3400, 850));

  on(Exercise_Kind::Words);
  On_Click_Sound(d.Combo("Combo_Word", "选择课程:", 300, 200));
  On_Click_Sound(d.Check("Check_Word_Remember", "继续上次的练习", 300, 750));
  On_Click_Sound(d.Check("Check_Word_Cursor_Prompt", "光标提示", 300, 1150));
  d.Number("RichText_Word_One_Line_Words_Num", "UpDown_Word_One_Line_Words_Num", "每行的单词数",
           "", 3300, 750, true);
  d.Number("RichText_Word_Lines_Num", "UpDown_Word_Lines_Num", "每课的行数", "", 3300, 1150, true);

  on(Exercise_Kind::English_Article);
  auto& article = d.Group("Option_Article_Type_Method", "练习方式", 300, 150, 2700,
                          {"多行对照式", "覆盖式", "单行对照式"});
  On_Click_Sound(d.Combo("Combo_Article", "选择课程:", 3100, 200, 1500));
  On_Click_Sound(d.Check("Check_Article_Remember", "继续上次的练习", 3400, 750));
  auto& article_prompt = d.Check("Check_Article_Cursor_Prompt", "光标提示", 3400, 1150);
  On_Click_Sound(article_prompt);
  article.On_Click = [] { Play_Click_Sound(); };
  article.On_Change = [&article, &article_prompt] {
    article_prompt.Set_Enabled(article.Value() == 2);
  };
  article.On_Change();

  on(Exercise_Kind::Audition);
  d.Label("听打方式", 300, 200);
  On_Click_Sound(d.Check("Check_Audition_Show_Source", "显示原稿", 300, 550));
  On_Click_Sound(d.Check("Check_Audition_Remember", "继续上次的练习", 300, 950));
  d.Group("Option_Wubi_PinYin", "中文听打输入法", 3100, 150, 2700, {"五笔输入", "拼音输入"});
  auto& stop = f.Add<forms::Command_Button>("Command_Stop_Play_Record", -1, d.page);
  stop.Move(3400, 1500, 1500, 420);
  stop.Set_Text("停止播放");
  stop.Set_Font(kFont, kFontSize);

  on(Exercise_Kind::Wubi);
  auto& wubi = d.Group("Option_Wubi_Type_Method", "练习方式", 300, 150, 2900,
                       {"多行对照式", "覆盖式", "单行对照式(字根)"});
  auto& wubi_prompt = d.Check("Check_Wubi_Cursor_Prompt", "光标提示", 3400, 200);
  auto& wubi_info = d.Check("Check_Show_Wubi_Info", "显示五笔提示信息", 3400, 550);
  On_Click_Sound(d.Check("Check_Wubi_Remember", "继续上次的练习", 3400, 900));
  d.Combo("Combo_Wubi", "选择五笔输入法:", 300, 1700, 3000);
  wubi.On_Change = [&wubi, &wubi_prompt, &wubi_info] {
    wubi_prompt.Set_Enabled(wubi.Value() == 2);
    wubi_info.Set_Enabled(wubi.Value() == 2);
  };
  wubi.On_Click = [] { Play_Click_Sound(); };
  wubi.On_Change();

  on(Exercise_Kind::PinYin);
  On_Click_Sound(d.Group("Option_PinYin_Type_Method", "练习方式", 300, 150, 2700,
                         {"多行对照式", "覆盖式"}));
  On_Click_Sound(d.Check("Check_PinYin_Remember", "继续上次的练习", 3400, 400));
  d.Combo("Combo_PinYin", "选择拼音输入法:", 300, 1400, 3000);

  on(Exercise_Kind::Police);
  d.Slider("Slider_Game_Police_Speed_Num", "警察速度:", 300, 150);
  d.Number("RichText_Game_Police_Wait_Time", "UpDown_Game_Police_Wait_Time", "警察等待时间:", "秒",
           300, 750, false);
  d.Number("RichText_Balk_Wait_Time", "UpDown_Balk_Wait_Time", "障碍物停留时间:", "秒", 300, 1150,
           false);
  d.Check("Check_Game_Police_Remember", "继续上次的练习", 300, 1600);

  on(Exercise_Kind::Apple);
  d.Slider("Slider_Apple_Speed_Num", "游戏速度:", 300, 150);
  d.Number("RichText_Apple_Game_Time", "UpDown_Apple_Game_Time", "游戏时间:", "分", 300, 750, false);
  d.Number("RichText_Apple_Balloon_Num", "UpDown_Game_Apple_Balloon_Num", "气球个数:", "", 300,
           1150, false);

  on(Exercise_Kind::Mouse);
  d.Slider("Slider_Mouse_Speed_Num", "游戏速度:", 300, 150);
  d.Number("RichText_Mouse_Game_Time", "UpDown_Mouse_Game_Time", "游戏时间:", "分", 300, 750, false);
  d.Number("RichText_Mouse_Num", "UpDown_Mouse_Num", "地鼠个数:", "", 300, 1150, false);
  d.Number("RichText_Mouse_Disappear_Time", "UpDown_Mouse_Disappear_Time", "消失时间:", "秒", 300,
           1550, false);

  on(Exercise_Kind::Frog);
  d.Combo("Combo_Frog", "选择课程:", 300, 200);
  d.Slider("Slider_Game_Frog_Boat_Speed_Num", "木船速度", 300, 750);
  d.Check("Check_Game_Frog_Remember", "继续上次的练习", 300, 1350);

  on(Exercise_Kind::Speed_Test);
  On_Click_Sound(d.Check("Check_Test_Remember", "光标提示(内部测试)", 300, 300, 3000));
  d.Number("RichText_Test_Record", "UpDown_Test_Record", "记录的最大个数", "", 300, 800, false);

  on(Exercise_Kind::Free_Type);
  On_Click_Sound(d.Check("Check_Free_Type_Not_Paste", "禁止粘贴", 300, 300));
  On_Click_Sound(d.Check("Check_Free_Type_Not_Open_File", "禁止打开文件", 300, 700));
  d.Number("RichText_Free_Type_Coefficient", "UpDown_Free_Type_Coefficient", "图象打印比例", "",
           300, 1200, true);
}

void Design(forms::Form& f) {
  f.Set_Caption("功能设置");
  f.Set_Client_Size(kDialogWidth, kDialogHeight);
  for (int i = 0; i < 3; ++i) {
    auto& b = f.Add<forms::Image>(kButtons, i);
    b.Move(kButtonLefts[i], kButtonTop, kButtonWidth, kButtonHeight);
    b.Set_Stretch(true);
    b.On_Click = [i] { Image_Control_Set_Yes_Or_No_Click(i); };
  }
  Design_Tabs(f);
}

// ---- Pictures ----

std::string Suffix() { return Picture_Suffix(Scale_Factor); }

void Load_Control_BG_Picture() { Load_Resource_Picture_To_Form(Dialog(), "gnsz" + Suffix()); }

forms::Picture Tab_Picture(int tab, bool selected) {
  auto& temp = Dialog().Get<forms::Image>("Image_Temp");
  Load_Resource_Picture_To_Image(temp, "Control" + std::to_string(tab) + (selected ? "1" : "0"));
  return temp.Get_Picture();
}

void Load_TabPicture_And_Mouse_Icon() {
  auto& tabs = Control<forms::Tab_Control>(kTabs);
  for (int i = 0; i < tabs.Tabs(); ++i) tabs.Set_Tab_Picture(i, Tab_Picture(i, i == tabs.Tab()));
  for (forms::Control* b : Dialog().Array(kButtons)) b->Set_Mouse_Icon(forms::Hand_Cursor());
  Control<forms::Command_Button>("Command_Stop_Play_Record").Set_Mouse_Icon(forms::Hand_Cursor());
}

void Tab_Changed(int previous) {
  forms::Guarded([&] {
    auto& tabs = Control<forms::Tab_Control>(kTabs);
    tabs.Set_Tab_Picture(previous, Tab_Picture(previous, false));
    tabs.Set_Tab_Picture(tabs.Tab(), Tab_Picture(tabs.Tab(), true));
  });
}

void Clear_Button_Picture() {
  for (forms::Control* c : Dialog().Array(kButtons)) {
    auto* b = static_cast<forms::Image*>(c);
    if (!b->Get_Picture().Empty()) {
      b->Set_Picture(forms::Picture());
      forms::Do_Events();
    }
    if (!Dialog().Loaded()) return;
  }
}

void Load_Control_Click_Picture(int i) {
  Load_Resource_Picture_To_Image(Dialog().Get<forms::Image>(kButtons, i),
                                 "gnsz" + std::to_string(i) + Suffix());
}

// ---- Values of the controls ----

void Fill_Names(forms::Combo_Box& combo, const std::string* names, int count) {
  combo.Clear();
  for (int i = 0; i < count; ++i) {
    combo.Add_Item(names[i]);
    forms::Do_Events();
  }
}

void Fill_IME_Combo(forms::Combo_Box& combo, const IME_List& list) {
  combo.Clear();
  const int n = IME_Method_Count(list);
  if (n == 0) {
    combo.Add_Item("");
    return;
  }
  for (int i = 0; i < n; ++i) {
    combo.Add_Item(list[static_cast<size_t>(i)].text);
    forms::Do_Events();
  }
}

// Puts a value into its control: the stored one when the control can take it, else the default.
void Load_Key(const Option_Key& key) {
  const std::string stored = forms::Tutor_Settings::Get(key.setting.section, key.setting.key,
                                                       std::to_string(key.setting.fallback));
  forms::Control& c = *Dialog().Find(key.control);
  switch (key.kind) {
    case Option_Kind::Check: {
      int v = Control_Value_From(key.kind, stored, 2);
      static_cast<forms::Check_Box&>(c).Set_Value(v < 0 ? key.setting.fallback : v);
      break;
    }
    case Option_Kind::Option: {
      auto& g = static_cast<forms::Option_Group&>(c);
      int v = Control_Value_From(key.kind, stored, g.Count());
      g.Set_Value(v < 0 ? key.setting.fallback : v);
      break;
    }
    case Option_Kind::Combo: {
      auto& combo = static_cast<forms::Combo_Box&>(c);
      int v = Control_Value_From(key.kind, stored, combo.List_Count());
      if (v < 0) v = key.setting.fallback < combo.List_Count() ? key.setting.fallback : 0;
      combo.Set_List_Index(combo.List_Count() > 0 ? v : -1);
      break;
    }
    case Option_Kind::Slider: {
      auto& s = static_cast<forms::Slider&>(c);
      int v = Control_Value_From(key.kind, stored, 0);
      s.Set_Value(v < 0 ? key.setting.fallback : v);
      break;
    }
    case Option_Kind::Number: {
      std::string text = Number_Box_Text_From(stored, key.characters);
      static_cast<forms::Rich_Text_Box&>(c).Set_Text(
          text.empty() ? std::to_string(key.setting.fallback) : text);
      break;
    }
  }
}

void Set_Default_Key(const Option_Key& key) {
  forms::Control& c = *Dialog().Find(key.control);
  const int v = key.setting.fallback;
  switch (key.kind) {
    case Option_Kind::Check: static_cast<forms::Check_Box&>(c).Set_Value(v); break;
    case Option_Kind::Option: static_cast<forms::Option_Group&>(c).Set_Value(v); break;
    case Option_Kind::Combo: {
      auto& combo = static_cast<forms::Combo_Box&>(c);
      if (v < combo.List_Count()) combo.Set_List_Index(v);
      break;
    }
    case Option_Kind::Slider: static_cast<forms::Slider&>(c).Set_Value(v); break;
    case Option_Kind::Number:
      static_cast<forms::Rich_Text_Box&>(c).Set_Text(std::to_string(v));
      break;
  }
}

// The chosen input method's layout id and text, written after its list position.
void Save_IME_Choice(const char* combo, const IME_List& list, const Text_Setting& value,
                     const Text_Setting& name, std::string& layout_id) {
  int index = Control<forms::Combo_Box>(combo).List_Index();
  IME_Entry entry;
  if (index >= 0 && index < IME_Method_Count(list)) entry = list[static_cast<size_t>(index)];
  Write(value, entry.id);
  Write(name, entry.text);
  layout_id = entry.id;
}

}  // namespace

std::string Control_Value_Text(const char* control) {
  forms::Control* c = Dialog().Find(control);
  if (auto* check = dynamic_cast<forms::Check_Box*>(c)) return std::to_string(check->Value());
  if (auto* group = dynamic_cast<forms::Option_Group*>(c)) return std::to_string(group->Value());
  if (auto* combo = dynamic_cast<forms::Combo_Box*>(c))
    return std::to_string(combo->List_Index() < 0 ? 0 : combo->List_Index());
  if (auto* slider = dynamic_cast<forms::Slider*>(c)) return std::to_string(slider->Value());
  if (auto* box = dynamic_cast<forms::Rich_Text_Box*>(c)) return box->Text();
  throw forms::Runtime_Error(730, std::string("Control '") + control + "' not found");
}

void Initialize_Parameter() {
  forms::Guarded([] {
    Fill_Names(Control<forms::Combo_Box>("Combo_Article"), Article_Kind_Name, 6);
    Fill_Names(Control<forms::Combo_Box>("Combo_Word"), Word_Lesson_Name, 8);
    Fill_Names(Control<forms::Combo_Box>("Combo_Frog"), Word_Lesson_Name, 8);
    Control<forms::Command_Button>("Command_Stop_Play_Record").Set_Enabled(Audition_Playing);
    Find_Chinese_IME();
    Fill_IME_Combo(Control<forms::Combo_Box>("Combo_Wubi"), Wubi_IME_List);
    Fill_IME_Combo(Control<forms::Combo_Box>("Combo_PinYin"), PinYin_IME_List);
  });
  // Each key on its own: a value its control cannot take shows the default.
  for (const Option_Key& key : Option_Keys()) {
    if (!Dialog().Loaded()) return;
    forms::Guarded([&] { Load_Key(key); });
  }
}

void Set_Default_Item() {
  for (const Option_Key& key : Option_Keys()) forms::Guarded([&] { Set_Default_Key(key); });
}

void Set_Changed_Item_Initialize() {
  forms::Guarded([] {
    for (const Option_Key& key : Option_Keys()) {
      if (key.kind != Option_Kind::Number) continue;
      auto& box = Control<forms::Rich_Text_Box>(key.control);
      const std::string normal = Normalized_Number_Text(box.Text());
      if (normal != box.Text()) box.Set_Text(normal);
      forms::Do_Events();
      if (!Dialog().Loaded()) return;
    }
  });
  if (Current_Panel != kNone) Control_Set_Changed = Change_Flag(Current_Exercise_Kind);
}

bool Change_Flag(int tab) {
  bool changed = false;
  forms::Guarded([&] {
    for (const char* control : Compared_Controls(tab, Current_Language, Current_Panel)) {
      const Option_Key& key = *Option_Key_Of(control);
      const std::string stored = forms::Tutor_Settings::Get(
          key.setting.section, key.setting.key, std::to_string(key.setting.fallback));
      if (Option_Changed(key, stored, Control_Value_Text(control))) {
        changed = true;
        return;
      }
    }
  });
  return changed;
}

void Set_Changed_Item() {
  Set_Changed_Item_Initialize();
  forms::Guarded([] {
    for (const Option_Key& key : Option_Keys()) {
      forms::Tutor_Settings::Save(key.setting.section, key.setting.key,
                                  Control_Value_Text(key.control));
      if (std::string(key.control) == "Combo_Wubi")
        Save_IME_Choice(key.control, Wubi_IME_List, kWubiCodeValue, kWubiCodeName, Wubi_Layout_ID);
      if (std::string(key.control) == "Combo_PinYin")
        Save_IME_Choice(key.control, PinYin_IME_List, kPinYinCodeValue, kPinYinCodeName,
                        PinYin_Layout_ID);
    }
  });
}

void Deal_With_Change_Flag(int tab) {
  forms::Guarded([&] {
    Dialog_Answer = 1;
    Form_Control_Set_Change().Show_Modal(Main_Window().Hwnd());
    if (Dialog_Answer == 1) return;
    const Restart_Command r = Restart_For(tab, Current_Language, Current_Panel);
    if (r.kind == Restart_Command::Kind::Menu_Item) Run_Menu_Item(r.menu, r.item);
    if (r.kind == Restart_Command::Kind::Function_Module) Run_Function_Module(r.button);
  });
}

void Image_Control_Set_Yes_Or_No_Click(int index) {
  forms::Guarded([&] {
    if (!Dialog().Loaded()) return;
    Play_Click_Sound();
    Load_Control_Click_Picture(index);
    Wait_Milliseconds(100);
    if (!Dialog().Loaded()) return;
    switch (static_cast<Dialog_Button>(index)) {
      case Dialog_Button::OK:
        Set_Changed_Item();
        forms::Unload(Dialog());
        if (Control_Set_Changed) Deal_With_Change_Flag(Current_Exercise_Kind);
        break;
      case Dialog_Button::Cancel: forms::Unload(Dialog()); break;
      case Dialog_Button::Default: Set_Default_Item(); break;
    }
  });
}

namespace {

void Stop_Play_Record() {
  forms::Guarded([] {
    Play_Click_Sound();
    if (!Audition_Playing) return;
    Close_Music();
    Audition_Playing = false;
    Main_Window().Get<forms::Rich_Text_Box>("RichText_Audition", Current_Type_Method)
        .Set_Enabled(false);
    Control<forms::Command_Button>("Command_Stop_Play_Record").Set_Enabled(false);
  });
}

// The dialog's keys, on release: Enter or Ctrl+Y OK; Ctrl+N, Alt+F4 or Esc Cancel; Ctrl+D Default.
int Button_Of_Key(int key, int shift) {
  if (key == VK_RETURN) return Number(Dialog_Button::OK);
  if (key == VK_ESCAPE) return Number(Dialog_Button::Cancel);
  if (key == 'Y' && shift == kCtrlMask) return Number(Dialog_Button::OK);
  if (key == 'N' && shift == kCtrlMask) return Number(Dialog_Button::Cancel);
  if (key == VK_F4 && shift == kAltMask) return Number(Dialog_Button::Cancel);
  if (key == 'D' && shift == kCtrlMask) return Number(Dialog_Button::Default);
  return -1;
}

}  // namespace

forms::Form& Form_Control() {
  static forms::Form* dialog = [] {
    auto* f = New_Skinned_Dialog();
    f->On_Design = [f] {
      Design(*f);
      auto& temp = f->Add<forms::Image>("Image_Temp");
      temp.Move(0, 0, kTabWidth / 3, kTabRowHeight);  // the size of a tab's picture
      temp.Set_Visible(false);
      temp.Tag = "not";
      f->Get<forms::Command_Button>("Command_Stop_Play_Record").On_Click = Stop_Play_Record;
      f->Get<forms::Tab_Control>(kTabs).On_Tab_Change = Tab_Changed;
      f->Get<forms::Tab_Control>(kTabs).On_Mouse_Move = [](int, int, int, int) {
        Clear_Button_Picture();
      };
    };
    f->On_Load = [] {
      forms::Guarded([] {
        Load_Control_BG_Picture();
        Load_TabPicture_And_Mouse_Icon();
      });
      Initialize_Parameter();
      forms::Guarded([] {
        auto& tabs = Control<forms::Tab_Control>(kTabs);
        if (Current_Exercise_Kind >= 0 && Current_Exercise_Kind < tabs.Tabs())
          tabs.Set_Tab(Current_Exercise_Kind);
      });
      Control_Set_Changed = false;
    };
    f->On_Mouse_Move = [](int, int, int, int) { Clear_Button_Picture(); };
    f->On_Key_Up = [](int& key, int shift) {
      const int button = Button_Of_Key(key, shift);
      if (button >= 0) Image_Control_Set_Yes_Or_No_Click(button);
    };
    f->On_Key_Down = [](int& key, int shift) {
      // Alt+F4 acts on its release, as Cancel: the window's own close would not wait for it.
      if (key == VK_F4 && shift == kAltMask) key = 0;
    };
    return f;
  }();
  return *dialog;
}

void Show_Form_Control(forms::Form& owner) { Form_Control().Show_Modal(owner.Hwnd()); }

}  // namespace quillon
