// The picture message boxes answered with the mouse, with keys (on release) and closed by other
// means, shown modally with no owner as their callers show them.
#include "look_fixture.h"

#include "services/bitmaps.h"
#include "services/picture_boxes.h"

namespace quillon {
namespace {

// The real boxes, not the fixture's recorder.
class Boxes : public Look_Test {
 protected:
  void SetUp() override {
    Look_Test::SetUp();
    Set_Picture_Box_Function({});
  }
};
using K = Picture_Box_Kind;

struct Box_Info {
  K kind;
  const char* name;
  const char* face;      // the face the box shows (the game boxes: the one the test draws)
  const char* buttons;   // image array, or the single image
  int count;
  const char* pressed[3];
};

const Box_Info kInfo[] = {
    {K::Yes, "yes", "yes", "Image_Yes", 1, {"yes1"}},
    {K::YesNo, "yesno", "yn", "Image_YesNo", 2, {"yn0", "yn1"}},
    {K::YesRetryNo, "yesretryno", "yrn", "Image_YesRetryNo", 3, {"yrn0", "yrn1", "yrn2"}},
    {K::Game_YesNo, "game-yesno", "mousewin", "Image_YesNo", 2, {"gamecontinue", "gamecancel"}},
    {K::Game_YesRetryNo, "game-yesretryno", "frogwin", "Image_YesRetryNo", 3,
     {"gamenext", "gamerepeat", "gamecancel"}},
    {K::WubiPin, "wubipin", "bgwubi", "Image_Yes", 1, {"bgwubi_pinyin_yes"}},
};

const Box_Info& Info(K kind) {
  for (const Box_Info& i : kInfo)
    if (i.kind == kind) return i;
  return kInfo[0];
}

forms::Form& Box(K kind) { return Picture_Box_Form(kind); }

forms::Image& Box_Button(K kind, int i) {
  const Box_Info& info = Info(kind);
  return Box(kind).Get<forms::Image>(info.buttons, info.count > 1 ? i : -1);
}

// The answer global of a box (a dummy for Form_Yes).
int& Answer(K kind) {
  static int none = 0;
  if (kind == K::YesNo || kind == K::Game_YesNo) return Dialog_Answer;
  if (kind == K::YesRetryNo || kind == K::Game_YesRetryNo) return Retry_Dialog_Answer;
  return none;
}

void Show(K kind) {
  switch (kind) {
    case K::Yes: Show_Form_Yes(); break;
    case K::YesNo: Show_Form_YesNo(); break;
    case K::YesRetryNo: Show_Form_YesRetryNo(); break;
    case K::Game_YesNo: Show_Form_Game_YesNo(Info(kind).face); break;
    case K::Game_YesRetryNo: Show_Form_Game_YesRetryNo(Info(kind).face); break;
    case K::WubiPin: Show_Form_WubiPin(Info(kind).face); break;
  }
}

bool Up(K kind) {
  forms::Form& box = Box(kind);
  return box.Loaded() && box.Visible() && GetForegroundWindow() == box.Hwnd();
}

bool Image_Shows(forms::Image& image, const std::string& name) {
  RECT r = image.Pixel_Rect();
  return !image.Get_Picture().Empty() &&
         Shows_Bitmap(image.Container_Of()->Container_Hwnd(), name, r.left, r.top,
                      r.right - r.left, r.bottom - r.top);
}

Script::Step Pause(int ms) {
  auto until = std::make_shared<DWORD>(0);
  return [until, ms] {
    if (*until == 0) *until = GetTickCount() + ms;
    if (static_cast<int>(GetTickCount() - *until) < 0) return false;
    *until = 0;
    return true;
  };
}

TEST_F(Boxes, EachButtonAnswersItsIndexAfterShowingItsPressedLook) {
  for (const Box_Info& info : kInfo) {
    for (int i = 0; i < info.count; ++i) {
      SCOPED_TRACE(std::string(info.name) + " button " + std::to_string(i));
      Answer(info.kind) = 7;
      bool face = false, pressed = false, centred = false;
      Script script({[&] { return Up(info.kind); },
                     Pause(150),
                     [&] {
                       RECT r;
                       GetWindowRect(Box(info.kind).Hwnd(), &r);
                       int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
                       centred = std::abs(r.left + r.right - w) <= 2 && std::abs(r.top + r.bottom - h) <= 2;
                       face = Shows_Bitmap(Box(info.kind).Hwnd(), info.face, 0, 0, 280, 114);
                       if (i == 0) Save_Screen(std::string("box-") + info.name);
                       Click_At(Center_Of(Box_Button(info.kind, i)));
                       return true;
                     },
                     [&] {
                       if (!Box(info.kind).Loaded()) return true;  // too late to look
                       if (Box_Button(info.kind, i).Get_Picture().Empty()) return false;
                       Pump_Until([] { return false; }, std::chrono::milliseconds(40));
                       pressed = Box(info.kind).Loaded() &&
                                 Image_Shows(Box_Button(info.kind, i), info.pressed[i]);
                       return true;
                     }});
      Show(info.kind);
      EXPECT_FALSE(script.Timed_Out());
      EXPECT_TRUE(face);
      EXPECT_TRUE(centred);
      EXPECT_TRUE(pressed);
      EXPECT_FALSE(Box(info.kind).Loaded());
      if (info.kind != K::Yes && info.kind != K::WubiPin) {
        EXPECT_EQ(Answer(info.kind), i);
      }
    }
  }
  EXPECT_TRUE(boxes.empty());
}

struct Key_Case {
  K kind;
  std::vector<std::vector<WORD>> ignored;  // strokes that must leave the box open
  std::vector<WORD> modifiers;             // held around the answering key
  WORD key;
  int answer;
};

TEST_F(Boxes, KeysAnswerWhenReleasedWithTheirExactModifiers) {
  const Key_Case cases[] = {
      {K::YesNo, {{VK_SPACE}, {VK_CONTROL, 'R'}, {VK_CONTROL, VK_SHIFT, 'Y'}, {VK_SHIFT, VK_F4}},
       {}, VK_RETURN, 0},
      {K::YesNo, {{'N'}, {VK_CONTROL, VK_MENU, 'N'}}, {VK_CONTROL}, 'N', 1},
      {K::YesNo, {}, {VK_CONTROL}, VK_ESCAPE, 1},
      {K::YesRetryNo, {{'R'}, {VK_MENU, 'Y'}}, {VK_CONTROL}, 'R', 1},
      {K::YesRetryNo, {}, {VK_SHIFT}, VK_RETURN, 0},
      {K::YesRetryNo, {}, {VK_MENU}, VK_F4, 2},
      {K::Yes, {{VK_CONTROL, 'N'}, {VK_CONTROL, 'R'}, {VK_SPACE}}, {VK_CONTROL}, 'Y', 0},
      {K::Game_YesNo, {{VK_CONTROL, 'R'}}, {VK_MENU}, VK_F4, 1},
      {K::Game_YesRetryNo, {}, {VK_CONTROL}, 'R', 1},
      {K::WubiPin, {{VK_CONTROL, 'N'}, {VK_CONTROL, 'R'}, {VK_SHIFT, 'Y'}}, {}, VK_SPACE, 0},
      {K::WubiPin, {}, {VK_CONTROL, VK_SHIFT}, VK_SPACE, 0},
      {K::WubiPin, {{VK_CONTROL, VK_MENU, VK_F4}}, {VK_MENU}, VK_F4, 0},
      {K::WubiPin, {}, {VK_SHIFT}, VK_ESCAPE, 0},
  };
  for (const Key_Case& c : cases) {
    SCOPED_TRACE(std::string(Info(c.kind).name) + " key " + std::to_string(c.key));
    Answer(c.kind) = 7;
    bool open_after_ignored = false, open_while_held = false;
    std::vector<Script::Step> steps{[&] { return Up(c.kind); }};
    for (const auto& stroke : c.ignored)
      steps.push_back([&stroke] {
        for (WORD k : stroke) Key(k, true);
        for (auto it = stroke.rbegin(); it != stroke.rend(); ++it) Key(*it, false);
        return true;
      });
    steps.push_back(Pause(300));
    steps.push_back([&] {
      open_after_ignored = Up(c.kind);
      for (WORD m : c.modifiers) Key(m, true);
      Key(c.key, true);
      return true;
    });
    steps.push_back(Pause(300));
    steps.push_back([&] {
      open_while_held = Up(c.kind) && Box(c.kind).Loaded();
      Key(c.key, false);
      for (auto it = c.modifiers.rbegin(); it != c.modifiers.rend(); ++it) Key(*it, false);
      return true;
    });
    Script script(std::move(steps));
    Show(c.kind);
    EXPECT_FALSE(script.Timed_Out());
    EXPECT_TRUE(open_after_ignored);
    EXPECT_TRUE(open_while_held) << "the box acted before the key was released";
    if (c.kind != K::Yes && c.kind != K::WubiPin) {
      EXPECT_EQ(Answer(c.kind), c.answer);
    }
    EXPECT_FALSE(Box(c.kind).Loaded());
  }
  // The main window saw none of these keys as its own commands.
  EXPECT_EQ(exits, 0);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Boxes, ABoxClosedByOtherMeansAnswersItsCancelNotAnEarlierAnswer) {
  struct Case {
    K kind;
    bool system_close;  // the taskbar's close; else WM_CLOSE
    int answer;
  } const cases[] = {{K::YesNo, false, 1},      {K::YesNo, true, 1},
                     {K::YesRetryNo, false, 2}, {K::YesRetryNo, true, 2},
                     {K::Game_YesNo, true, 1},  {K::Game_YesRetryNo, false, 2},
                     {K::Yes, true, 0},         {K::WubiPin, false, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(Info(c.kind).name) + (c.system_close ? " system close" : " WM_CLOSE"));
    Answer(c.kind) = 0;  // an earlier box's yes
    Script script({[&] { return Up(c.kind); }, [&] {
                     HWND box = Box(c.kind).Hwnd();
                     if (c.system_close)
                       PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0);
                     else
                       PostMessageA(box, WM_CLOSE, 0, 0);
                     return true;
                   }});
    Show(c.kind);
    EXPECT_FALSE(script.Timed_Out());
    EXPECT_FALSE(Box(c.kind).Loaded());
    if (c.kind != K::Yes && c.kind != K::WubiPin) {
      EXPECT_EQ(Answer(c.kind), c.answer);
    }
  }
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Boxes, SecondActionsDuringTheWaitTouchNoClosedWindow) {
  struct Case {
    const char* what;
    K kind;
    int first, second;  // button indexes; -1: a close request
    int answer;
  } const cases[] = {
      {"same button twice", K::YesNo, 0, 0, 0},
      {"yes then no", K::YesNo, 0, 1, 0},
      {"retry twice", K::YesRetryNo, 1, 1, 1},
      {"game next then repeat", K::Game_YesRetryNo, 0, 1, 0},
      {"game continue twice", K::Game_YesNo, 0, 0, 0},
      {"yes then a close", K::YesNo, 0, -1, 0},
      {"the one button twice", K::Yes, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Answer(c.kind) = 7;
    Script script({[&] { return Up(c.kind); },
                   [&] {
                     Click_At(Center_Of(Box_Button(c.kind, c.first)));
                     return true;
                   },
                   [&] {
                     // Once the first action shows its pressed look, its wait has begun.
                     if (Box_Button(c.kind, c.first).Get_Picture().Empty()) return false;
                     if (c.second < 0)
                       PostMessageA(Box(c.kind).Hwnd(), WM_CLOSE, 0, 0);
                     else
                       Click_At(Center_Of(Box_Button(c.kind, c.second)));
                     return true;
                   }});
    Show(c.kind);
    EXPECT_FALSE(script.Timed_Out());
    EXPECT_FALSE(Box(c.kind).Loaded());
    if (c.kind != K::Yes && c.kind != K::WubiPin) {
      EXPECT_EQ(Answer(c.kind), c.answer);
    }
    // Nothing is left of the box: the next showing starts bare.
    Script again({[&] { return Up(c.kind); },
                  [&] {
                    for (int i = 0; i < Info(c.kind).count; ++i)
                      EXPECT_TRUE(Box_Button(c.kind, i).Get_Picture().Empty());
                    PostMessageA(Box(c.kind).Hwnd(), WM_CLOSE, 0, 0);
                    return true;
                  }});
    Show(c.kind);
    EXPECT_FALSE(again.Timed_Out());
  }
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Boxes, AGameBoxShowsOnlyTheFaceDrawnForThatShowing) {
  for (const char* face : {"applewin", "applefailure"}) {
    SCOPED_TRACE(face);
    bool shows = false;
    Load_Resource_Picture_To_Form(Form_Game_YesNo(), face);
    Script script({[] { return Up(K::Game_YesNo); }, Pause(150), [&] {
                     shows = Shows_Bitmap(Form_Game_YesNo().Hwnd(), face, 0, 0, 280, 114);
                     Key_Stroke({VK_RETURN});
                     return true;
                   }});
    Form_Game_YesNo().Show_Modal();
    EXPECT_TRUE(shows);
    EXPECT_EQ(Dialog_Answer, 0);
  }
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Boxes, ThePoliceGamesEndBoxesShowTheThiefsEscapeAndCatch) {
  struct Row {
    K kind;
    const char* face;
    int width;
  };
  const Row rows[] = {{K::Game_YesRetryNo, "thiefwin", 281}, {K::Game_YesNo, "thieffailure", 280}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.face);
    forms::Form& form = r.kind == K::Game_YesNo ? Form_Game_YesNo() : Form_Game_YesRetryNo();
    bool shows = false;
    Load_Resource_Picture_To_Form(form, r.face);
    Script script({[&] { return Up(r.kind); }, Pause(150), [&] {
                     shows = Shows_Bitmap(form.Hwnd(), r.face, 0, 0, r.width, 114);
                     Save_Screen(std::string("box-") + r.face);
                     Key_Stroke({VK_ESCAPE});
                     return true;
                   }});
    form.Show_Modal();
    EXPECT_TRUE(shows);
  }
  EXPECT_TRUE(boxes.empty());
}

}  // namespace
}  // namespace quillon
