// The typing boxes of the article panel on the shown main window, typed into with real keys (a
// Chinese character as the input method hands it over, WM_IME_CHAR): the refusals at and off line
// breaks, the end of the text, the typing over an article with its colours, counts and stored
// position, the focus kept while the tutor is in front, the hover reset and the end of a
// dictation recording.
#include "look_fixture.h"

#include "services/article_boxes.h"
#include "services/overwrite_typing.h"
#include "services/sounds.h"
#include "services/tutor_settings.h"

namespace quillon {
namespace {

const char kPositions[] = "Setting\\Article\\Remember\\TextLen Index";

class Article_Boxes : public Look_Test {
 protected:
  void SetUp() override {
    Look_Test::SetUp();
    // The workers of the practices, reduced to what the rules read: the position follows the box.
    Article_Box_Workers w;
    w.article_change = [this](forms::Form&) { Follow(Box("RichText_Article_User")); };
    w.audition_change = [this](forms::Form&) { Follow(Audition_Box_In_Use(form())); };
    w.replay_audition = [this](forms::Form&) { calls.push_back("Replay_Audition_Lesson"); };
    w.finish_audition = [this](forms::Form&) { calls.push_back("Finish_Audition_Lesson"); };
    Set_Article_Box_Workers(std::move(w));
    Panel(Number(Panel_Id::Article)).Set_Visible(true);
    Current_Panel = Number(Panel_Id::Article);
  }
  void TearDown() override {
    Set_Article_Box_Workers({});
    Audition_Playing = false;
    forms::Tutor_Settings::Delete(kPositions, "0 5 1");
    Look_Test::TearDown();
  }
  forms::Rich_Text_Box& Box(const char* name, int index = -1) {
    return form().Get<forms::Rich_Text_Box>(name, index);
  }
  static void Follow(forms::Rich_Text_Box& box) { Char_Position = box.Text_Length(); }
  // Loads a text as the practices do and gives its typing box the focus.
  void Start_Text(forms::Rich_Text_Box& box, const std::string& text) {
    Article_Char.Redim(static_cast<int>(text.size()));
    int n = 0;
    for (size_t i = 0; i < text.size(); ++n) {
      size_t len = IsDBCSLeadByte(static_cast<BYTE>(text[i])) ? 2 : 1;
      Article_Char(n + 1) = text.substr(i, len);
      i += len;
    }
    Text_Length = n;
    Char_Position = 0;
    Text_End_Reached = false;
    Text_End_Time = 0;
    Ignore_Text_Change = true;
    box.Set_Text("");
    box.Set_Locked(false);
    box.Set_Enabled(true);
    box.Set_Visible(true);
    box.Set_Focus();
    ASSERT_TRUE(Pump_Until([&] { return box.Has_Focus(); }));
  }
  void Type(std::initializer_list<WORD> keys) {
    Key_Stroke(keys);
    Pump_Until([] { return false; }, std::chrono::milliseconds(120));
  }
  void Type_Chinese(forms::Rich_Text_Box& box, int code) {
    PostMessageA(box.Hwnd(), WM_IME_CHAR, static_cast<WPARAM>(code), 1);
    Pump_Until([] { return false; }, std::chrono::milliseconds(120));
  }
};

struct Stroke_Case {
  std::vector<WORD> keys;  // a chord; a key code above 0xFF is a Chinese character
  const char* text;        // the box's text afterwards
  int beeps;               // error sounds so far (no sound card: the wrong sound beeps)
};

void Run_Strokes(Article_Boxes& t, forms::Rich_Text_Box& box, const std::vector<Stroke_Case>& cases,
                 int* beeps) {
  for (const Stroke_Case& c : cases) {
    SCOPED_TRACE(std::string("after ") + std::to_string(c.keys.back()));
    if (c.keys.front() > 0xFF) {
      PostMessageA(box.Hwnd(), WM_IME_CHAR, c.keys.front(), 1);
      Pump_Until([] { return false; }, std::chrono::milliseconds(120));
    } else {
      for (WORD k : c.keys) Key(k, true);
      for (auto it = c.keys.rbegin(); it != c.keys.rend(); ++it) Key(*it, false);
      Pump_Until([] { return false; }, std::chrono::milliseconds(150));
    }
    EXPECT_EQ(box.Text(), c.text);
    EXPECT_EQ(*beeps, c.beeps);
  }
}

TEST_F(Article_Boxes, TheMultiLineAndDictationBoxesRefuseWhatTheTextDoesNotAllow) {
  struct Layout {
    const char* name;
    int index, type_method;
    bool sound;
  } const layouts[] = {{"RichText_Article_User", -1, 0, true},
                       {"RichText_Audition", 1, 1, false},
                       {"RichText_Audition", 0, 0, false}};
  for (const Layout& l : layouts) {
    SCOPED_TRACE(std::string(l.name) + " " + std::to_string(l.index));
    Current_Type_Method = l.type_method;
    if (l.index == 0) form().Get<forms::Picture_Box>("Picture_Article_BG_1").Set_Visible(true);
    else form().Get<forms::Picture_Box>("Picture_Article_BG_1").Set_Visible(false);
    forms::Rich_Text_Box& box = Box(l.name, l.index);
    Start_Text(box, "ab\r\n中d");
    beeps = 0;
    const int s = l.sound ? 1 : 0;
    Run_Strokes(*this, box,
                {{{VK_RETURN}, "", 1 * s},              // Enter mid-line
                 {{'A'}, "a", 1 * s},
                 {{'B'}, "ab", 1 * s},
                 {{'C'}, "ab", 2 * s},                  // a letter at the line break
                 {{VK_BACK}, "ab", 3 * s},              // Backspace there too
                 {{VK_SPACE}, "ab", 4 * s},
                 {{VK_RETURN}, "ab\r\n", 4 * s},        // Enter passes it
                 {{0xD6D0}, "ab\r\n中", 4 * s},          // 中
                 {{VK_BACK}, "ab\r\n", 4 * s},          // Backspace mid-line is the box's own
                 {{0xD6D0}, "ab\r\n中", 4 * s},
                 {{'D'}, "ab\r\n中d", 4 * s}},
                &beeps);
    EXPECT_EQ(Char_Position, Text_Length);
    EXPECT_FALSE(Text_End_Reached);
    // After the end: the first key locks the box and notes the time, later ones are swallowed.
    Type({'X'});
    EXPECT_TRUE(Text_End_Reached);
    EXPECT_TRUE(box.Locked());
    const double end_time = Text_End_Time;
    EXPECT_GT(end_time, 0);
    Pump_Until([] { return false; }, std::chrono::milliseconds(1100));
    Type({'Y'});
    Type({VK_BACK});
    Type({VK_RETURN});
    EXPECT_EQ(Text_End_Time, end_time);
    EXPECT_EQ(box.Text(), "ab\r\n中d");
    EXPECT_EQ(beeps, 4 * s);
    box.Set_Visible(false);
  }
  form().Get<forms::Picture_Box>("Picture_Article_BG_1").Set_Visible(true);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Article_Boxes, TypingOverAnArticleColoursCountsAndStoresThePosition) {
  Current_Language = 0;
  Article_Lesson = 5;
  Current_Type_Method = 1;
  form().Get<forms::Picture_Box>("Picture_Article_BG_1").Set_Visible(true);
  forms::Rich_Text_Box& box = Box("RichText_Overwrite");
  box.Set_Visible(true);
  box.Set_Enabled(true);
  box.Set_Locked(false);
  box.Set_Text("Ab\r\n中文z");
  Text_Length = box.Text_Length();
  ASSERT_EQ(Text_Length, 7);
  Char_Position = Typed_Char_Count = Right_Char_Count = 0;
  Char_Right_Mark.Redim(Text_Length);
  Text_End_Reached = false;
  box.Select(0, 0);
  box.Set_Focus();
  ASSERT_TRUE(Pump_Until([&] { return box.Has_Focus(); }));
  beeps = 0;

  struct Step {
    const char* what;
    std::function<void()> key;
    int position, typed, right, beeps;
    const char* accuracy;
    const char* progress;
  };
  const int kZhong = 0xD6D0, kZi = 0xD7D6;  // 中 字
  const Step steps[] = {
      {"Backspace at the start", [&] { Type({VK_BACK}); }, 0, 0, 0, 0, "100.00%", "0.00%"},
      {"A right", [&] { Type({VK_SHIFT, 'A'}); }, 1, 1, 1, 0, "100.00%", "14.29%"},
      {"x wrong", [&] { Type({'X'}); }, 2, 2, 1, 1, "50.00%", "28.57%"},
      {"Backspace", [&] { Type({VK_BACK}); }, 1, 1, 1, 1, "100.00%", "14.29%"},
      {"b right", [&] { Type({'B'}); }, 2, 2, 2, 1, "100.00%", "28.57%"},
      {"a letter at the line break", [&] { Type({'C'}); }, 2, 2, 2, 2, "100.00%", "28.57%"},
      {"Enter at the line break", [&] { Type({VK_RETURN}); }, 4, 4, 4, 2, "100.00%", "57.14%"},
      {"Backspace over the line break", [&] { Type({VK_BACK}); }, 2, 2, 2, 2, "100.00%", "28.57%"},
      {"Enter again", [&] { Type({VK_RETURN}); }, 4, 4, 4, 2, "100.00%", "57.14%"},
      {"中 right", [&] { Type_Chinese(box, kZhong); }, 5, 5, 5, 2, "100.00%", "71.43%"},
      {"字 where 文 stands", [&] { Type_Chinese(box, kZi); }, 6, 6, 5, 3, "83.33%", "85.71%"},
      {"Esc is ignored", [&] { Type({VK_ESCAPE}); }, 6, 6, 5, 3, "83.33%", "85.71%"},
      {"Enter mid-line", [&] { Type({VK_RETURN}); }, 6, 6, 5, 4, "83.33%", "85.71%"},
      {"z right, the end", [&] { Type({'Z'}); }, 7, 7, 6, 4, "85.71%", "100.00%"},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.what);
    s.key();
    EXPECT_EQ(Char_Position, s.position);
    EXPECT_EQ(box.Sel_Start(), s.position);
    EXPECT_EQ(Typed_Char_Count, s.typed);
    EXPECT_EQ(Right_Char_Count, s.right);
    EXPECT_EQ(beeps, s.beeps);
    EXPECT_EQ(form().Get<forms::Label>("Label_Article_Right_or_Wrong_Rate_1").Caption(), s.accuracy);
    EXPECT_EQ(form().Get<forms::Label>("Label_Article_Process_Speed_1", 1).Caption(), s.progress);
    EXPECT_EQ(forms::Tutor_Settings::Get(kPositions, "0 5 1", "?"), std::to_string(s.position));
    // Backspace's key-down locks the box; a step back lifts the lock with a Shift stroke, a
    // Backspace with nothing to take back leaves it for the next key.
    EXPECT_EQ(box.Locked(), s.position == 0);
  }
  EXPECT_EQ(box.Text(), "Ab\r\n中文z");
  EXPECT_NEAR(form().Get<forms::Label>("Label_Article_Process_Speed_1", 0).Width(), 3135, 16);
  Save_Screen("overwrite-typing");
  // Colours: blue right, red wrong, the rest black.
  const COLORREF kColors[] = {kRightColor, kRightColor, kRightColor, kRightColor,
                              kRightColor, kWrongColor, kRightColor};
  for (int i = 0; i < 7; ++i) {
    if (i == 2 || i == 3) continue;  // the line break's own colour does not show
    box.Select(i, 1);
    EXPECT_EQ(box.Sel_Color(), kColors[i]) << "character " << i;
  }
  box.Select(7, 0);
  // After the end: locked once, the time noted once.
  Type({'Q'});
  EXPECT_TRUE(Text_End_Reached);
  EXPECT_TRUE(box.Locked());
  const double end_time = Text_End_Time;
  Pump_Until([] { return false; }, std::chrono::milliseconds(1100));
  Type({'Q'});
  EXPECT_EQ(Text_End_Time, end_time);
  EXPECT_EQ(Char_Position, 7);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Article_Boxes, AKeyWithTheCaretMovedElsewhereIsLost) {
  Current_Type_Method = 1;
  form().Get<forms::Picture_Box>("Picture_Article_BG_1").Set_Visible(true);
  forms::Rich_Text_Box& box = Box("RichText_Overwrite");
  box.Set_Visible(true);
  box.Set_Text("abc");
  Text_Length = 3;
  Char_Position = 1;
  Typed_Char_Count = Right_Char_Count = 1;
  Char_Right_Mark.Redim(3);
  box.Select(2, 0);  // the mouse moved the caret
  box.Set_Focus();
  ASSERT_TRUE(Pump_Until([&] { return box.Has_Focus(); }));
  beeps = 0;
  Type({'B'});
  EXPECT_EQ(Char_Position, 1);
  EXPECT_EQ(Typed_Char_Count, 1);
  EXPECT_EQ(beeps, 0);
  box.Select(1, 1);
  EXPECT_EQ(box.Sel_Color(), kUntypedColor);
  EXPECT_EQ(box.Text(), "abc");
}

TEST_F(Article_Boxes, ABoxKeepsTheFocusWhileTheTutorIsInFront) {
  Current_Type_Method = 0;
  form().Get<forms::Picture_Box>("Picture_Article_BG_1").Set_Visible(false);
  forms::Rich_Text_Box& box = Box("RichText_Article_User");
  Start_Text(box, "abc");
  // A click elsewhere in the tutor: the focus comes straight back.
  Box("RichText_Article_Source").Set_Focus();
  EXPECT_TRUE(Pump_Until([&] { return box.Has_Focus(); }, std::chrono::seconds(2)));
  // Another program in front: the box lets it be.
  HWND other = CreateWindowExA(0, "EDIT", "", WS_POPUP | WS_VISIBLE | WS_BORDER, 10, 10, 200, 40,
                               nullptr, nullptr, nullptr, nullptr);
  SetForegroundWindow(other);
  SetFocus(other);
  ASSERT_TRUE(Pump_Until([&] { return GetForegroundWindow() == other; }));
  Pump_Until([] { return false; }, std::chrono::milliseconds(700));
  EXPECT_EQ(GetFocus(), other);
  DestroyWindow(other);
}

TEST_F(Article_Boxes, APointerMoveOverAnyBoxClearsTheFunctionBarsHover) {
  const struct {
    const char* name;
    int index;
    const char* sub_panel;  // shown for the box; nullptr: the article panel itself
  } kBoxes[] = {{"RichText_Article_Source", -1, nullptr},
                {"RichText_Article_User", -1, nullptr},
                {"RichText_Audition", 1, nullptr},
                {"RichText_Overwrite", -1, "Picture_Article_BG_1"},
                {"RichText_Audition", 0, "Picture_Article_BG_1"},
                {"RichText_Article_Source_2", -1, "Picture_Article_BG_2"},
                {"RichText_Article_User_2", -1, "Picture_Article_BG_2"}};
  for (const auto& b : kBoxes) {
    SCOPED_TRACE(b.name);
    for (const char* sub : {"Picture_Article_BG_1", "Picture_Article_BG_2"})
      form().Get<forms::Picture_Box>(sub).Set_Visible(b.sub_panel && std::string(sub) == b.sub_panel);
    forms::Rich_Text_Box& box = Box(b.name, b.index);
    box.Set_Visible(true);
    Mouse_To(Center_Of(Button(0)));
    ASSERT_TRUE(Pump_Until([&] { return !Button(0).Get_Picture().Empty(); }));
    Mouse_To(Center_Of(box));
    EXPECT_TRUE(Pump_Until([&] { return Button(0).Get_Picture().Empty(); }, std::chrono::seconds(2)));
  }
}

TEST_F(Article_Boxes, TheEndOfADictationRecordingStopsTheAttemptAndMayOfferAReplay) {
  struct Case {
    bool playing;
    int code;
    int answer;  // of the yes/no box
    std::vector<std::string> calls;
    bool asked;
  } const cases[] = {{true, 1, 0, {"Replay_Audition_Lesson"}, true},
                     {true, 1, 1, {"Finish_Audition_Lesson"}, true},
                     {true, 2, 0, {}, false},
                     {true, 4, 0, {}, false},
                     {true, 8, 0, {}, false},
                     {false, 1, 0, {}, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.code) + (c.playing ? " playing" : " stopped by the program"));
    Current_Type_Method = 1;
    forms::Rich_Text_Box& box = Audition_Box_In_Use(form());
    box.Set_Enabled(true);
    Main_Timer("Timer_Check").Set_Enabled(true);
    Audition_Playing = c.playing;
    calls.clear();
    picture_boxes.clear();
    Set_Picture_Box_Function([&](Picture_Box_Kind kind) {
      picture_boxes.push_back(kind);
      Dialog_Answer = c.answer;
    });
    MMControl_Play_Record_Done(form(), c.code);
    EXPECT_FALSE(Audition_Playing);
    EXPECT_EQ(calls, c.calls);
    EXPECT_EQ(picture_boxes.size(), c.asked ? 1u : 0u);
    if (c.asked) {
      EXPECT_EQ(picture_boxes[0], Picture_Box_Kind::YesNo);
    }
    EXPECT_EQ(box.Enabled(), !c.playing);
    EXPECT_EQ(Main_Timer("Timer_Check").Enabled(), !c.playing);
  }
  // A real recording that plays through reaches the same end through the media control.
  Sound_Card_Present = true;
  calls.clear();
  Set_Picture_Box_Function([](Picture_Box_Kind) { Dialog_Answer = 1; });
  Audition_Playing = true;
  Main_Timer("Timer_Check").Set_Enabled(false);  // the dictation's tick is a recorder here
  Play_Wave_File(Program_Folder() + "\\Music\\Sound\\click.wav");
  EXPECT_TRUE(Pump_Until([&] { return !calls.empty(); }, std::chrono::seconds(20)));
  EXPECT_EQ(calls, std::vector<std::string>{"Finish_Audition_Lesson"});
  EXPECT_FALSE(Audition_Box_In_Use(form()).Enabled());
  EXPECT_TRUE(boxes.empty());
}

}  // namespace
}  // namespace quillon
