// The function-settings and system-settings dialogs over the real main window, driven with real
// keys and clicks: tabs and pictures, loading (also of bad stored values), defaults, saving, the
// number boxes, the restart question and the hot-key captures.
#include "look_fixture.h"

#include "services/input_methods.h"
#include "services/tutor_settings.h"
#include "settings/function_options.h"
#include "settings/settings_dialogs.h"
#include "testkit/layout_registry.h"

namespace quillon {
namespace {

std::string Stored(const Int_Setting& s) {
  return forms::Tutor_Settings::Get(s.section, s.key, "<missing>");
}
std::string Stored(const Text_Setting& s) {
  return forms::Tutor_Settings::Get(s.section, s.key, "<missing>");
}
void Store(const Int_Setting& s, const std::string& text) {
  forms::Tutor_Settings::Save(s.section, s.key, text);
}
void Store(const Text_Setting& s, const std::string& text) {
  forms::Tutor_Settings::Save(s.section, s.key, text);
}

class Settings_Dialogs : public Look_Test {
 protected:
  void SetUp() override {
    Look_Test::SetUp();
    testkit::Delete_User_Key("Software\\Larkmoor\\QL\\Setting");
    Current_Exercise_Kind = 0;
    Current_Panel = kNone;
    Current_Language = 0;
  }
  void TearDown() override {
    for (forms::Form* f : {&Form_Control_Set_Change(), &Form_Control(), &Form_System_Set()})
      if (f->Loaded()) forms::Unload(*f);
    Wubi_IME_List = PinYin_IME_List = IME_List{IME_Entry{}};
    Look_Test::TearDown();
  }
  forms::Form& dialog() { return Form_Control(); }
  template <class T>
  T& in_dialog(const char* name) {
    return dialog().Get<T>(name);
  }
  // Shows the function-settings dialog and runs the steps while it (and what it opens) is up.
  Script Run_Control(std::vector<Script::Step> steps) {
    steps.insert(steps.begin(), [&] { return dialog().Visible(); });
    return Script(std::move(steps));
  }
  static bool After(int ms) {
    static DWORD since = 0;
    if (since == 0) since = GetTickCount();
    if (GetTickCount() - since < static_cast<DWORD>(ms)) return false;
    since = 0;
    return true;
  }
};

TEST_F(Settings_Dialogs, OpensOnTheOpenExercisesTabWithItsPictures) {
  Current_Exercise_Kind = Number(Exercise_Kind::Police);
  bool checked = false;
  auto script = Run_Control({[&] {
    auto& tabs = in_dialog<forms::Tab_Control>("SSTab_Control_Set");
    EXPECT_EQ(tabs.Tab(), 6);
    EXPECT_TRUE(Shows_Bitmap(dialog().Hwnd(), "gnsz_", 0, 0, 110, 40));
    // The selected tab shows its selected picture, tab 0 its unselected one.
    EXPECT_TRUE(Shows_Bitmap(tabs.Hwnd(), "Control61", 0, 40, 140, 18));
    EXPECT_TRUE(Shows_Bitmap(tabs.Hwnd(), "Control00", 0, 0, 140, 18));
    // Without an installed input method each list holds one empty item.
    auto& wubi = in_dialog<forms::Combo_Box>("Combo_Wubi");
    EXPECT_EQ(wubi.List_Count(), 1);
    EXPECT_EQ(wubi.Text(), "");
    for (int t = 0; t < 12; ++t) {
      tabs.Set_Tab(t);
      Pump_Until([] { return false; }, std::chrono::milliseconds(150));
      Save_Screen("function-settings-tab-" + std::to_string(t));
    }
    EXPECT_TRUE(Shows_Bitmap(tabs.Hwnd(), "Control111", 285, 60, 140, 18));
    EXPECT_TRUE(Shows_Bitmap(tabs.Hwnd(), "Control60", 0, 40, 140, 18));
    checked = true;
    Key_Stroke({VK_ESCAPE});
    return true;
  }});
  Show_Form_Control(form());
  EXPECT_TRUE(checked);
  EXPECT_FALSE(script.Timed_Out());
  EXPECT_FALSE(dialog().Loaded());
  EXPECT_EQ(Stored(kPoliceSpeedNum), "<missing>");  // Esc saved nothing
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Settings_Dialogs, DefaultThenCancelSavesNothingDefaultThenOKSavesEveryDefault) {
  Store(kWordWordsNum, "7");
  Store(kPoliceSpeedNum, "80");
  Store(kFreeTypeNoPaste, "1");
  for (bool ok : {false, true}) {
    auto script = Run_Control({[&] {
                                 Key_Stroke({VK_CONTROL, 'D'});
                                 return true;
                               },
                               [&] {
                                 if (!After(400)) return false;
                                 EXPECT_EQ(in_dialog<forms::Rich_Text_Box>(
                                               "RichText_Word_One_Line_Words_Num").Text(), "5");
                                 Key_Stroke({static_cast<WORD>(ok ? VK_RETURN : VK_ESCAPE)});
                                 return true;
                               }});
    Show_Form_Control(form());
    EXPECT_FALSE(script.Timed_Out());
    if (!ok) {
      EXPECT_EQ(Stored(kWordWordsNum), "7");
      EXPECT_EQ(Stored(kPoliceSpeedNum), "80");
    }
  }
  for (const Option_Key& k : Option_Keys())
    EXPECT_EQ(Stored(k.setting), std::to_string(k.setting.fallback)) << k.control;
  EXPECT_EQ(Stored(kWubiCodeValue), "");
  EXPECT_EQ(Stored(kPinYinCodeName), "");
  EXPECT_EQ(Wubi_Layout_ID, "");
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Settings_Dialogs, TheStopButtonEndsAPlayingRecordingAndCtrlYAndCtrlNAnswerAsTheButtons) {
  Current_Exercise_Kind = Number(Exercise_Kind::Audition);  // opens on the dictation tab
  Current_Type_Method = 0;
  forms::Control* found = form().Find("RichText_Audition", 0);
  auto& dictation = found ? *static_cast<forms::Rich_Text_Box*>(found)
                          : form().Add<forms::Rich_Text_Box>("RichText_Audition", 0);
  struct Row {
    WORD key;
    const char* stored;  // "Words Num" after the dialog closed
  };
  const Row rows[] = {{'N', "7"}, {'Y', "5"}};
  for (const Row& r : rows) {
    Store(kWordWordsNum, "7");
    dictation.Set_Enabled(true);
    Audition_Playing = true;
    auto stop = [&]() -> forms::Command_Button& {
      return in_dialog<forms::Command_Button>("Command_Stop_Play_Record");
    };
    auto script = Run_Control({[&] {
                                 EXPECT_TRUE(stop().Enabled());
                                 Click_At(Center_Of(stop()));
                                 return true;
                               },
                               [&] {
                                 if (!After(400)) return false;
                                 EXPECT_FALSE(Audition_Playing);
                                 EXPECT_FALSE(dictation.Enabled());
                                 EXPECT_FALSE(stop().Enabled());
                                 // Ctrl with Shift is not Ctrl alone: nothing happens.
                                 Key_Stroke({VK_CONTROL, VK_SHIFT, r.key});
                                 Key_Stroke({VK_CONTROL, 'D'});
                                 return true;
                               },
                               [&] {
                                 if (!After(400)) return false;
                                 EXPECT_TRUE(dialog().Visible());
                                 EXPECT_EQ(in_dialog<forms::Rich_Text_Box>(
                                               "RichText_Word_One_Line_Words_Num").Text(), "5");
                                 Key_Stroke({VK_CONTROL, r.key});
                                 return true;
                               }});
    Show_Form_Control(form());
    EXPECT_FALSE(script.Timed_Out()) << static_cast<char>(r.key);
    EXPECT_FALSE(dialog().Loaded()) << static_cast<char>(r.key);
    EXPECT_EQ(Stored(kWordWordsNum), r.stored) << static_cast<char>(r.key);
  }
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Settings_Dialogs, BadStoredValuesShowTheirDefaultsEachKeyOnItsOwn) {
  struct Seed { Int_Setting setting; const char* stored; const char* saved; };
  const Seed seeds[] = {
      {kEnglishArticleTypeMethod, "7", "0"}, {kArticleLesson, "-1", "5"},
      {kCharRemember, "5", "1"},             {kWordLesson, "12", "3"},
      {kWordWordsNum, "abc", "5"},           {kPoliceSpeedNum, "0", "50"},
      {kWubiCodeIndex, "4", "0"},
      // Good values after the bad ones load as they are.
      {kFrogLesson, "6", "6"},               {kTestMaxRecord, "250", "250"},
      {kMouseGameTime, "05", "05"},          {kAuditionIndex, "0", "0"},
  };
  for (const Seed& s : seeds) Store(s.setting, s.stored);
  auto script = Run_Control({[&] {
    EXPECT_EQ(in_dialog<forms::Combo_Box>("Combo_Frog").List_Index(), 6);
    EXPECT_EQ(in_dialog<forms::Combo_Box>("Combo_Word").List_Index(), 3);
    EXPECT_EQ(in_dialog<forms::Combo_Box>("Combo_Word").List_Count(), 8);
    EXPECT_EQ(in_dialog<forms::Option_Group>("Option_Wubi_PinYin").Value(), 0);
    Key_Stroke({VK_RETURN});
    return true;
  }});
  Show_Form_Control(form());
  EXPECT_FALSE(script.Timed_Out());
  for (const Seed& s : seeds) EXPECT_EQ(Stored(s.setting), s.saved) << s.setting.key;
  for (const Option_Key& k : Option_Keys()) EXPECT_NE(Stored(k.setting), "-1") << k.control;
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Settings_Dialogs, NumberBoxesTakeDigitsUpToTheirWidthAndNeverStayEmptyOrZero) {
  Current_Exercise_Kind = Number(Exercise_Kind::Apple);
  auto script = Run_Control({
      [&] {
        auto& box = in_dialog<forms::Rich_Text_Box>("RichText_Apple_Game_Time");
        box.Set_Focus();
        box.Select(0, box.Text_Length());
        // Chinese, as keyboard characters and from the input method, is no digit either.
        testkit::Type_Characters("五");
        for (WPARAM code : testkit::Double_Byte_Codes("六"))
          PostMessageA(box.Hwnd(), WM_IME_CHAR, code, 1);
        for (WORD k : {WORD('2'), WORD('5'), WORD('0'), WORD('7'), WORD('A'), WORD(VK_BACK)})
          Key_Stroke({k});
        Key_Stroke({VK_CONTROL, 'V'});
        Key_Stroke({VK_SHIFT, VK_INSERT});
        return true;
      },
      [&] {
        if (!After(400)) return false;
        auto& box = in_dialog<forms::Rich_Text_Box>("RichText_Apple_Game_Time");
        EXPECT_EQ(box.Text(), "250");  // no fourth digit, letter or Chinese; Backspace does nothing
        // The arrows start from the typed number and stop at their maximum.
        auto& arrows = in_dialog<forms::Up_Down>("UpDown_Apple_Game_Time");
        POINT up = Center_Of(arrows);
        up.y -= forms::Twips_To_Pixels_Y(arrows.Height()) / 4;  // the upper arrow
        Click_At(up);
        return true;
      },
      [&] {
        if (!After(400)) return false;
        auto& box = in_dialog<forms::Rich_Text_Box>("RichText_Apple_Game_Time");
        EXPECT_EQ(box.Text(), "99");
        // Emptied with Delete and left: "1".
        auto& balloons = in_dialog<forms::Rich_Text_Box>("RichText_Apple_Balloon_Num");
        balloons.Set_Focus();
        balloons.Set_Sel_Start(0);
        Key_Stroke({VK_DELETE});
        Click_At(Center_Of(in_dialog<forms::Rich_Text_Box>("RichText_Apple_Game_Time")));  // leaves it
        return true;
      },
      [&] {
        if (!After(400)) return false;
        EXPECT_EQ(in_dialog<forms::Rich_Text_Box>("RichText_Apple_Balloon_Num").Text(), "1");
        // "0" typed and confirmed at once: saved as "1".
        auto& mice = in_dialog<forms::Rich_Text_Box>("RichText_Mouse_Num");
        mice.Set_Text("0");
        Key_Stroke({VK_RETURN});
        return true;
      }});
  Show_Form_Control(form());
  EXPECT_FALSE(script.Timed_Out());
  EXPECT_EQ(Stored(kAppleGameTime), "99");
  EXPECT_EQ(Stored(kAppleBalloonNum), "1");
  EXPECT_EQ(Stored(kMouseNum), "1");
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Settings_Dialogs, ChangedOptionsOfTheOpenPracticeAskAndYesRestartsIt) {
  struct Case { const char* name; WORD answer; bool change_own_tab; bool restarted; };
  const Case cases[] = {{"yes", VK_RETURN, true, true},
                        {"no", VK_ESCAPE, true, false},
                        {"other tab only", 0, false, false}};
  for (const Case& c : cases) {
    calls.clear();
    testkit::Delete_User_Key("Software\\Larkmoor\\QL\\Setting");
    Current_Panel = Number(Panel_Id::Police);
    Current_Exercise_Kind = Number(Exercise_Kind::Police);
    bool asked = false;
    auto script = Run_Control({
        [&] {
          if (c.change_own_tab)
            in_dialog<forms::Rich_Text_Box>("RichText_Game_Police_Wait_Time").Set_Text("7");
          else
            in_dialog<forms::Slider>("Slider_Apple_Speed_Num").Set_Value(70);
          Key_Stroke({VK_RETURN});
          return true;
        },
        [&] {
          if (!c.answer) return true;
          if (!Form_Control_Set_Change().Visible() || !After(600)) return false;
          // The Enter that confirmed the settings did not answer the question.
          asked = Form_Control_Set_Change().Visible();
          EXPECT_TRUE(Shows_Bitmap(Form_Control_Set_Change().Hwnd(), "bgcontrol_set", 0, 0, 270, 60));
          Save_Screen("restart-question");
          Key_Stroke({c.answer});
          return true;
        }});
    Show_Form_Control(form());
    EXPECT_FALSE(script.Timed_Out()) << c.name;
    EXPECT_EQ(asked, c.answer != 0) << c.name;
    EXPECT_EQ(Dialog_Answer, c.restarted ? 0 : 1) << c.name;
    const bool entered = std::find(calls.begin(), calls.end(), "Load_Police_Game_Panel") != calls.end();
    EXPECT_EQ(entered, c.restarted) << c.name;
    EXPECT_EQ(Stored(kPoliceWaitTime), c.change_own_tab ? "7" : "5") << c.name;
  }
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Settings_Dialogs, InputMethodListsFillFromTheScanAndTheChoiceIsSaved) {
  // The dialog scans the preloaded layouts as it opens; the stored choice is still installed.
  Layout_Registry registry;
  registry.Preload("1", "E0010804");
  registry.Preload("2", "E0030804");
  registry.Preload("3", "E0040804");
  registry.Text("E0010804", "王码五笔型输入法");
  registry.Text("E0030804", "五笔字型");
  registry.Text("E0040804", "智能ABC输入法");
  Store(kWubiCodeIndex, "1");
  Store(kWubiCodeValue, "E0030804");
  auto script = Run_Control({[&] {
    auto& wubi = in_dialog<forms::Combo_Box>("Combo_Wubi");
    EXPECT_EQ(wubi.List_Count(), 2);
    EXPECT_EQ(wubi.List(0), "王码五笔型输入法");
    EXPECT_EQ(in_dialog<forms::Combo_Box>("Combo_PinYin").Text(), "智能ABC输入法");
    Key_Stroke({VK_RETURN});
    return true;
  }});
  Show_Form_Control(form());
  EXPECT_FALSE(script.Timed_Out());
  EXPECT_EQ(Stored(kWubiCodeIndex), "1");
  EXPECT_EQ(Stored(kWubiCodeValue), "E0030804");
  EXPECT_EQ(Stored(kWubiCodeName), "五笔字型");
  EXPECT_EQ(Wubi_Layout_ID, "E0030804");
  EXPECT_EQ(PinYin_Layout_ID, "E0040804");
}

// ---- System settings ----

TEST_F(Settings_Dialogs, SystemSettingsCaptureHotKeysRefuseClashesAndStoreOnOK) {
  Set_Active_Hot_Key(form());
  ASSERT_EQ(Active_Hot_Key_Of(form()), VK_F9);
  forms::Form& sys = Form_System_Set();
  int hot_key_while_open = -1;
  auto box = [&](const char* name) -> forms::Rich_Text_Box& {
    return sys.Get<forms::Rich_Text_Box>(name);
  };
  Script script({
      [&] { return sys.Visible(); },
      [&] {
        hot_key_while_open = Active_Hot_Key_Of(form());
        EXPECT_TRUE(Shows_Bitmap(sys.Hwnd(), "xtsz", 0, 0, 60, 30));
        EXPECT_EQ(box("RichText_System_Set_Active_System").Text(), "F9");
        EXPECT_EQ(box("RichText_System_Set_Close_System").Text(), "F12");
        // Without a sound card the three boxes are greyed.
        EXPECT_FALSE(sys.Get<forms::Check_Box>("Check_Sound").Enabled());
        Save_Screen("system-settings");
        Click_At(Center_Of(box("RichText_System_Set_Active_System")));
        Key_Stroke({VK_CONTROL, VK_F5});
        return true;
      },
      [&] {
        if (!After(300)) return false;
        EXPECT_EQ(box("RichText_System_Set_Active_System").Text(), "Ctrl+F5");
        Key_Stroke({VK_F12});  // the close key's own: refused, and the front key keeps F9 ...
        return true;
      },
      [&] {
        if (!After(300)) return false;
        EXPECT_EQ(box("RichText_System_Set_Active_System").Text(), "Ctrl+F5");
        EXPECT_FALSE(Active_Hot_Key_Box().has_capture);
        Key_Stroke({VK_CONTROL, VK_F5});  // ... until Ctrl+F5 is taken again
        Click_At(Center_Of(box("RichText_System_Set_Close_System")));
        Key_Stroke({VK_F9});   // free now that the front key moves to Ctrl+F5
        return true;
      },
      [&] {
        if (!After(300)) return false;
        EXPECT_EQ(box("RichText_System_Set_Active_System").Text(), "Ctrl+F5");
        EXPECT_EQ(box("RichText_System_Set_Close_System").Text(), "F9");
        // A nameless key sends the front key back to its stored F9: OK must not store F9 twice.
        Click_At(Center_Of(box("RichText_System_Set_Active_System")));
        Key_Stroke({VK_SPACE});
        return true;
      },
      [&] {
        if (!After(300)) return false;
        Click_At(Center_Of(sys.Get<forms::Image>("Image_System_Set_Yes_Or_No", 0)));
        return true;
      }});
  Show_Form_System_Set(form());
  EXPECT_FALSE(script.Timed_Out());
  EXPECT_EQ(hot_key_while_open, 0);
  EXPECT_EQ(Read(kActiveKeyCode), VK_F9);
  EXPECT_EQ(Read(kCloseKeyCode), VK_F12);
  EXPECT_EQ(Stored(kCloseKeyCodeString), "<missing>");
  EXPECT_EQ(Active_Hot_Key_Of(form()), VK_F9);
  EXPECT_EQ(Stored(kSoundOn), "1");
  EXPECT_EQ(Stored(kMusicKBOn), "0");
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Settings_Dialogs, SystemSettingsOpenWithTheFocusInTheFrontKeyBoxSoAKeyAtOnceIsTaken) {
  forms::Form& sys = Form_System_Set();
  auto box = [&](const char* name) -> forms::Rich_Text_Box& {
    return sys.Get<forms::Rich_Text_Box>(name);
  };
  Script script({
      [&] { return sys.Visible() && GetForegroundWindow() == sys.Hwnd(); },
      [&] {
        EXPECT_EQ(GetFocus(), box("RichText_System_Set_Active_System").Hwnd());
        Key_Stroke({VK_CONTROL, VK_F6});  // no click first
        return true;
      },
      [&] {
        if (!After(300)) return false;
        EXPECT_EQ(box("RichText_System_Set_Active_System").Text(), "Ctrl+F6");
        EXPECT_EQ(box("RichText_System_Set_Close_System").Text(), "F12");
        Click_At(Center_Of(sys.Get<forms::Image>("Image_System_Set_Yes_Or_No", 1)));
        return true;
      }});
  Show_Form_System_Set(form());
  EXPECT_FALSE(script.Timed_Out());
  EXPECT_EQ(Read(kActiveKeyCode), VK_F9);  // cancelled: nothing stored
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Settings_Dialogs, SystemSettingsStoreACaptureFontsAndSoundsInOrder) {
  Sound_Card_Present = true;
  // A stored face that is not installed but drawn by a substitute stays; a vertical face, which
  // cannot show the practice text, gives way to the default.
  forms::Tutor_Settings::Save("Setting\\System\\Font", "0", "No Such Font");
  forms::Tutor_Settings::Save("Setting\\System\\Font", "1", "@宋体");
  forms::Form& sys = Form_System_Set();
  std::string shown_english, shown_chinese;
  Script script({
      [&] { return sys.Visible(); },
      [&] {
        auto& english = sys.Get<forms::Combo_Box>("Combo_English_Font_Name");
        auto& chinese = sys.Get<forms::Combo_Box>("Combo_Chinese_Font_Name");
        shown_english = english.Text();
        shown_chinese = chinese.Text();
        std::cout << "English faces: " << english.List_Count() << ", Chinese faces: "
                  << chinese.List_Count() << ", 宋体 selected: " << (chinese.Text() == "宋体")
                  << std::endl;
        auto& sound = sys.Get<forms::Check_Box>("Check_Sound");
        Click_At(Center_Of(sound));  // off: the notes box greys and keeps its value
        return true;
      },
      [&] {
        if (!After(300)) return false;
        EXPECT_FALSE(sys.Get<forms::Check_Box>("Check_Music_KB").Enabled());
        Click_At(Center_Of(sys.Get<forms::Rich_Text_Box>("RichText_System_Set_Close_System")));
        Key_Stroke({VK_CONTROL, VK_SHIFT, 'Q'});
        return true;
      },
      [&] {
        if (!After(300)) return false;
        Key_Stroke({VK_RETURN});  // nameless in the box, then OK on release
        return true;
      }});
  Show_Form_System_Set(form());
  EXPECT_FALSE(script.Timed_Out());
  EXPECT_EQ(Stored(kSoundOn), "0");
  EXPECT_EQ(Sound_On, 0);
  // Enter emptied the close box's capture first: the stored close key stays.
  EXPECT_EQ(Read(kCloseKeyCode), VK_F12);
  EXPECT_EQ(shown_english, "No Such Font");
  EXPECT_EQ(shown_chinese, "宋体");
  EXPECT_EQ(Read(kEnglishFont), "No Such Font");
  EXPECT_EQ(Read(kChineseFont), "宋体");
  EXPECT_TRUE(boxes.empty());
}

}  // namespace
}  // namespace quillon
