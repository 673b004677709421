#include "games/mouse_page.h"

#include <cstdlib>
#include <string>

#include "games/game_frame.h"
#include "services/bitmaps.h"
#include "services/globals.h"
#include "services/main_window.h"
#include "services/picture_boxes.h"
#include "services/program_folder.h"
#include "services/sounds.h"
#include "services/tutor_settings.h"
#include "services/utilities.h"

namespace quillon {

namespace {

// Design geometry in twips on the panel.
struct Place {
  int left, top;
};
constexpr Place kHoles[kMouseHoles] = {
    {1335, 2010}, {2955, 1875}, {4590, 1905}, {6285, 2055}, {8145, 2355},
    {1350, 3135}, {2880, 3075}, {4380, 3150}, {6030, 3180}, {7200, 3570},
    {1305, 4275}, {2835, 4305}, {4365, 4290}, {5910, 4275}, {8145, 4245}};
constexpr int kHoleWidth = 915, kHoleHeight = 1095;
constexpr int kCountdownWidth = 300, kCountdownHeight = 240;
constexpr int kWideCountdown = 4, kWideCountdownWidth = 315;
constexpr double kCountdownPoints = 12;
constexpr Place kFlowers[kMouseFlowers] = {{1035, 270}, {2100, 225}, {3000, 285}, {3975, 240},
                                           {5010, 315}, {6090, 255}, {7050, 300}, {8115, 240}};
constexpr int kFlowerSize = 630;

// The left column below the game buttons: the minutes box and the three figures.
constexpr int kColumnLeft = 30, kColumnWidth = 870;
constexpr int kMinutesTitleTop = 2130, kMinutesTop = 2400, kMinutesLeft = 150, kMinutesWidth = 480;
constexpr int kMinutesUnitLeft = 660;
constexpr int kFigureTops[3] = {2940, 3600, 4260};
constexpr int kCaptionHeight = 240, kValueHeight = 300;
constexpr double kCaptionPoints = 9, kValuePoints = 10.5;

constexpr int kComeUpStepMs = 100;  // each of the three steps of a mouse coming up
constexpr int kPassWaitMs = 10;

constexpr COLORREF kCountdownBlue = RGB(0, 0, 255);
constexpr COLORREF kCountdownRed = RGB(255, 0, 0);
constexpr COLORREF kInk = RGB(36, 60, 64);
constexpr COLORREF kTealDark = RGB(20, 96, 100);

forms::Form& Main() { return Main_Window(); }
forms::Image& Hole(int i) { return Main().Get<forms::Image>("Image_Mouse", i); }
forms::Label& Countdown(int i) { return Main().Get<forms::Label>("Label_Mouse_Time_Info", i); }
forms::Image& Flower(int i) { return Main().Get<forms::Image>("Image_Mouse_Miss", i); }
forms::Label& Label_Of(const char* name) { return Main().Get<forms::Label>(name); }
forms::Rich_Text_Box& Minutes_Box() {
  return Main().Get<forms::Rich_Text_Box>("RichText_Game_Mouse_Time");
}
forms::Timer& Launch_Timer() { return Main_Timer("Timer_Game_Mouse_Control"); }
forms::Timer& Show_Timer() { return Main_Timer("Timer_Game_Mouse_Show"); }
const Game_Frame& Frame() { return Mouse_Frame(); }

double Now_Ms() { return Game_Now_Ms(); }
bool On_Mouse_Page() { return On_Game_Page(Frame()); }

std::string Sound_File(const char* name) { return Program_Folder() + "\\Music\\Sound\\" + name; }

void Set_Caption(forms::Label& l, const std::string& text) {
  if (l.Caption() != text) l.Set_Caption(text);
}
// A countdown is painted again only when its text or its colour changes.
void Set_Countdown_Colour(forms::Label& l, COLORREF colour) {
  if (l.Fore_Color() != colour) l.Set_Fore_Color(colour);
}

void Focus_Minutes_Box() {
  forms::Rich_Text_Box& box = Minutes_Box();
  if (box.Visible() && box.Enabled() && Panel(Number(Panel_Id::Mouse)).Visible()) box.Set_Focus();
}


// A hole without its mouse: image and countdown hidden, the countdown blue again.
void Hide_Hole(int i, bool empty_countdown) {
  Hole(i).Set_Visible(false);
  forms::Label& label = Countdown(i);
  label.Set_Visible(false);
  if (empty_countdown) Set_Caption(label, "");
  Set_Countdown_Colour(label, kCountdownBlue);
}

// The come-up of a launch is over when the game it belongs to is: another start, a stop, the end
// or another exercise (a pause lets it finish).
bool Come_Up_Over(int generation) {
  return Mouse_Game().generation != generation || !Exercise_Running ||
         (Mouse_Game_Stop && !Mouse_Game_Paused) || !On_Mouse_Page();
}

// The mouse comes up: two frames, its lettered picture, a blink; then it counts down.
void Come_Up(int hole, int letter) {
  Mouse_Game_State& s = Mouse_Game();
  const int generation = s.generation;
  forms::Image& image = Hole(hole);
  forms::Label& label = Countdown(hole);
  s.coming_up = hole;
  struct Done {
    ~Done() {
      if (Mouse_Game().generation == generation) Mouse_Game().coming_up = -1;
    }
    int generation;
  } done{generation};
  Set_Caption(label, Mouse_Stay_Text(s.holes[hole].stay_seconds));
  Set_Countdown_Colour(label, kCountdownBlue);
  Load_Resource_Picture_To_Image(image, "mymousemouse1");
  image.Set_Visible(true);
  label.Set_Visible(true);
  Play_Sound(Sound_File("mouse1.wav"));
  Wait_Milliseconds(kComeUpStepMs);
  if (Come_Up_Over(generation)) return;
  Load_Resource_Picture_To_Image(image, "mymousemouse2");
  Wait_Milliseconds(kComeUpStepMs);
  if (Come_Up_Over(generation)) return;
  Load_Resource_Picture_To_Image(image, "mymouse" + std::to_string(letter));
  image.Set_Visible(false);
  label.Set_Visible(false);
  Wait_Milliseconds(kComeUpStepMs);
  if (Come_Up_Over(generation)) return;
  image.Set_Visible(true);
  label.Set_Visible(true);
  Mouse_Came_Up(s.holes[hole], letter, Now_Ms());
}

void Mouse_Lost() {
  Mouse_Game_Stop = true;
  Finish_Mouse_Game(Main());
  Exercise_Running = false;
  Panel_Keys_Enabled = true;
  if (!On_Mouse_Page()) return;
  Show_Form_Game_YesNo("mousefailure");
  if (Dialog_Answer == 0 && On_Mouse_Page()) Replay_By_Start_Button(Frame());
}

void Mouse_Time_Up() {
  Mouse_Game_State& s = Mouse_Game();
  Mouse_Game_Stop = true;
  Finish_Mouse_Game(Main());
  Play_Win_Sound();
  Exercise_Running = false;
  Panel_Keys_Enabled = true;
  Ask_After_Timed_Win(Frame(), s.options.speed_num, kMouseSpeedNum, "mousewin");
}

}  // namespace

Mouse_Game_State& Mouse_Game() {
  static Mouse_Game_State state;
  return state;
}

void Design_Mouse_Game_Page(forms::Form& form) {
  forms::Picture_Box& page = form.Get<forms::Picture_Box>("Picture_BG", Number(Panel_Id::Mouse));
  for (int i = 0; i < kMouseHoles; ++i) {
    auto& hole = form.Add<forms::Image>("Image_Mouse", i, &page);
    hole.Move(kHoles[i].left, kHoles[i].top, kHoleWidth, kHoleHeight);
    hole.Set_Visible(false);
    hole.On_Mouse_Move = [](int, int, int, int) { Main_Surface_Mouse_Move(); };
    auto& countdown = form.Add<forms::Label>("Label_Mouse_Time_Info", i, &page);
    countdown.Move(kHoles[i].left - kCountdownWidth, kHoles[i].top + kHoleHeight - kCountdownHeight,
                   i == kWideCountdown ? kWideCountdownWidth : kCountdownWidth, kCountdownHeight);
    countdown.Set_Font("宋体", kCountdownPoints, true);
    countdown.Set_Alignment(1);
    countdown.Set_Back_Style(0);
    countdown.Set_Fore_Color(kCountdownBlue);
    countdown.Set_Visible(false);
  }
  for (int i = 0; i < kMouseFlowers; ++i) {
    auto& flower = form.Add<forms::Image>("Image_Mouse_Miss", i, &page);
    flower.Move(kFlowers[i].left, kFlowers[i].top, kFlowerSize, kFlowerSize);
    flower.Set_Visible(false);
    Make_Game_Surface(Frame(), flower);  // a right press on a flower opens the context menu
  }

  auto add_label = [&](const char* name, int left, int top, int width, int height, double points,
                       bool bold, COLORREF colour, int alignment) -> forms::Label& {
    auto& label = form.Add<forms::Label>(name, -1, &page);
    label.Move(left, top, width, height);
    label.Set_Font("宋体", points, bold);
    label.Set_Fore_Color(colour);
    label.Set_Alignment(alignment);
    return label;
  };
  add_label("Label_Game_Mouse_Time_Title", kColumnLeft, kMinutesTitleTop, kColumnWidth,
            kCaptionHeight, kCaptionPoints, false, kTealDark, 2)
      .Set_Caption("游戏时间");
  forms::Rich_Text_Box& minutes =
      Add_Game_Minutes_Box(form, "RichText_Game_Mouse_Time", page, kMinutesLeft, kMinutesTop,
                           kMinutesWidth);
  minutes.On_Lost_Focus = [&minutes] {
    const std::string text = Mouse_Minutes_On_Leave(minutes.Text());
    if (text != minutes.Text()) minutes.Set_Text(text);
  };
  add_label("Label_Game_Mouse_Time_Unit", kMinutesUnitLeft, kMinutesTop + 60, 210, kCaptionHeight,
            kCaptionPoints, false, kTealDark, 0)
      .Set_Caption("分");
  struct Figure {
    const char* caption_name;
    const char* caption;
    const char* value;
  };
  const Figure figures[] = {{"Label_Game_Mouse_Info_1", "剩余时间", "Label_Game_Mouse_Info_4"},
                            {"Label_Game_Mouse_Info_2", "捉到老鼠", "Label_Game_Mouse_Click_Num"},
                            {"Label_Game_Mouse_Info_3", "命中率", "Label_Game_Mouse_Right"}};
  for (int i = 0; i < 3; ++i) {
    add_label(figures[i].caption_name, kColumnLeft, kFigureTops[i], kColumnWidth, kCaptionHeight,
              kCaptionPoints, false, kTealDark, 2)
        .Set_Caption(figures[i].caption);
    add_label(figures[i].value, kColumnLeft, kFigureTops[i] + kCaptionHeight, kColumnWidth,
              kValueHeight, kValuePoints, true, kInk, 2);
  }

  form.Get_Timer("Timer_Game_Mouse_Control").On_Timer = [] { Launch_Mouse(Main()); };
  form.Get_Timer("Timer_Game_Mouse_Show").On_Timer = [] { Show_Mouse_Holes(Main()); };
  Design_Game_Frame(form, Frame(), [](int index) {
    switch (index) {
      case 0: Start_Mouse_Game(Main()); break;
      case 1: Pause_Mouse_Game(Main()); break;
      case 2: Stop_Mouse_Game(Main()); break;
      default: break;
    }
  });
}

void Load_Mouse_Game_Panel(forms::Form&) {
  forms::Guarded([] {
    Load_Game_Panel(Frame());
    for (int i = 0; i < kMouseFlowers; ++i) {
      forms::Image& flower = Flower(i);
      if (!flower.Get_Picture())
        Load_Resource_Picture_To_Image(flower, "mymousehua" + std::to_string(i));
    }
    Minutes_Box().Set_Text(std::to_string(Clamp(Read(kMouseGameTime), 1, 999)));
  });
}

void Initialize_Mouse_Game_Page(forms::Form&) {
  forms::Guarded([] {
    Game_Page_Setup(Frame());
    Minutes_Box().Set_Enabled(true);
    Set_Caption(Label_Of("Label_Game_Mouse_Click_Num"), "0");
    Set_Caption(Label_Of("Label_Game_Mouse_Right"), "0");
    // Each countdown just left of its hole, its bottom on the hole's bottom edge.
    for (int i = 0; i < kMouseHoles; ++i) {
      forms::Image& hole = Hole(i);
      forms::Label& label = Countdown(i);
      label.Move(hole.Left() - label.Width(), hole.Top() + hole.Height() - label.Height());
    }
    Focus_Minutes_Box();
  });
}

void Start_Mouse_Game(forms::Form&) {
  try {
    Mouse_Game_State& s = Mouse_Game();
    forms::Rich_Text_Box& minutes = Minutes_Box();
    const std::string text = Apple_Minutes_At_Start(minutes.Text());
    if (text != minutes.Text()) minutes.Set_Text(text);
    Begin_Game_Start(Frame());
    const int generation = s.generation + 1;
    s = Mouse_Game_State{};
    s.generation = generation;
    s.options = Read_Mouse_Options();
    Game_Cover(Frame()).Set_Visible(false);
    minutes.Set_Enabled(false);
    if (Main().Hwnd()) SetFocus(Main().Hwnd());
    Mouse_Game_Stop = false;
    s.show_pending = true;
    Mouse_Game_Paused = false;
    Set_Caption(Label_Of("Label_Game_Mouse_Click_Num"), "0");
    Set_Caption(Label_Of("Label_Game_Mouse_Right"), "0");
    Clear_Game_Pause_Button(Frame());
    Reset_Mouse_Holes(s.holes, s.options.disappear_time);
    for (int i = 0; i < kMouseHoles; ++i) Hide_Hole(i, false);
    for (int i = 0; i < kMouseFlowers; ++i) Flower(i).Set_Visible(false);
    s.start_tick = Now_Ms();
    Begin_Timed_Launches(Frame(), Launch_Timer(), s.options.speed_num);
  } catch (...) {
    Fail_Timed_Game_Start(Frame(), Mouse_Game_Stop, Launch_Timer(), "RichText_Game_Mouse_Time");
  }
}

void Pause_Mouse_Game(forms::Form&) {
  forms::Silent([] {
    Mouse_Game_State& s = Mouse_Game();
    if (!Exercise_Running) return;
    if (!Mouse_Game_Paused) {
      Launch_Timer().Set_Enabled(false);
      s.show_pending = false;
      Mouse_Game_Stop = true;
      s.pause_start = Now_Ms();
      Mouse_Game_Paused = true;
      Panel_Keys_Enabled = false;
      Show_Game_Paused(Frame(), true);
    } else {
      const double now = Now_Ms();
      s.pause_total += now - s.pause_start;
      Take_Pause_Off_Holes(s.holes, s.pause_start, now);
      s.show_pending = true;
      Mouse_Game_Stop = false;
      Launch_Timer().Set_Enabled(true);
      Show_Timer().Set_Enabled(true);
      Mouse_Game_Paused = false;
      Panel_Keys_Enabled = true;
      Show_Game_Paused(Frame(), false);
    }
  });
}

void Stop_Mouse_Game(forms::Form& form) {
  Exercise_Running = false;
  Panel_Keys_Enabled = true;
  Finish_Mouse_Game(form);
}

void Finish_Mouse_Game(forms::Form&) {
  forms::Guarded([] {
    Launch_Timer().Set_Enabled(false);
    Mouse_Game_Stop = true;
    Enable_Game_Buttons(Frame(), true, false, false);
    Minutes_Box().Set_Enabled(true);
    Mouse_Game_Paused = false;
    Show_Game_Paused(Frame(), false);
    Focus_Minutes_Box();
  });
}

void Mouse_Game_Key_Down(forms::Form&, int key_code) {
  forms::Guarded([&] {
    Mouse_Game_State& s = Mouse_Game();
    if (!Exercise_Running || Mouse_Game_Paused) return;
    ++s.keys;
    const int hole = Catch_Mouse(s.holes, key_code, Now_Ms());
    if (hole >= 0) {
      Play_Sound(Sound_File("mouse2.wav"));
      Countdown(hole).Set_Visible(false);
      ++s.caught;
      Set_Caption(Label_Of("Label_Game_Mouse_Click_Num"), std::to_string(s.caught));
      Load_Resource_Picture_To_Image(Hole(hole), "mymousemouse3");
    } else {
      Play_Wrong_Sound();
    }
    Set_Caption(Label_Of("Label_Game_Mouse_Right"),
                forms::Format(static_cast<double>(s.caught) / s.keys, "0.00%"));
  });
}

void Launch_Mouse(forms::Form&) {
  forms::Guarded([] {
    Mouse_Game_State& s = Mouse_Game();
    if (!Exercise_Running || Mouse_Game_Stop) return;
    const Mouse_Launch launch =
        Choose_Mouse_Launch(s.holes, s.last_hole, s.options.mouse_num, Game_Random);
    const int generation = s.generation;
    if (launch.hole >= 0) {
      Come_Up(launch.hole, launch.letter);
      if (Come_Up_Over(generation)) return;
    }
    if (s.show_pending) {
      s.show_pending = false;
      Show_Timer().Set_Enabled(true);
    }
  });
}

bool Mouse_Show_Pass(int minutes) {
  Mouse_Game_State& s = Mouse_Game();
  const int generation = s.generation;
  const double elapsed = Now_Ms() - s.start_tick - s.pause_total;
  Set_Caption(Label_Of("Label_Game_Mouse_Info_4"),
              Format_Time(static_cast<float>(Apple_Seconds_Left(minutes, elapsed))));
  if (Apple_Time_Up(minutes, elapsed)) {
    Mouse_Time_Up();
    return false;
  }
  for (int i = 0; i < kMouseHoles; ++i) {
    if (s.generation != generation) return false;
    const Hole_Pass pass = Pass_Mouse_Hole(s.holes[i], Now_Ms());
    if (pass.caught_gone) Hide_Hole(i, true);
    if (pass.counting) {
      forms::Label& label = Countdown(i);
      if (pass.half_time) Set_Countdown_Colour(label, kCountdownRed);
      Set_Caption(label, pass.countdown);
    }
    if (pass.missed) {
      Play_Sound(Sound_File("mouse3.wav"));
      ++s.missed;
      const int flower = Flower_For_Miss(s.missed);
      if (flower >= 0) Flower(flower).Set_Visible(true);
      if (Mouse_Game_Lost(s.missed)) {
        Mouse_Lost();
        return false;
      }
      Hide_Hole(i, false);
    }
    forms::Do_Events();
  }
  return s.generation == generation;
}

void Show_Mouse_Holes(forms::Form&) {
  // Not inside a come-up (after a quick pause and continue): a loop started there would hold the
  // launch tick under it, and no mouse would come up until the next pause. The timer ticks again
  // once the come-up is over.
  if (Mouse_Game().coming_up >= 0) return;
  Show_Timer().Set_Enabled(false);
  forms::Guarded([] {
    Mouse_Game_State& s = Mouse_Game();
    const int generation = s.generation;
    struct Running {  // cleared on every way out, unless another game has started meanwhile
      explicit Running(int g) : generation(g) { Mouse_Game().show_running = true; }
      ~Running() {
        if (Mouse_Game().generation == generation) Mouse_Game().show_running = false;
      }
      int generation;
    } running(generation);
    const int minutes = std::atoi(Minutes_Box().Text().c_str());
    auto over = [&] { return Mouse_Game_Stop || s.generation != generation; };
    while (!over()) {
      if (!Mouse_Show_Pass(minutes)) return;
      Wait_Milliseconds(kPassWaitMs);
    }
  });
}

void Reset_Mouse_Button_Picture(forms::Form&) { Reset_Game_Button_Picture(Frame()); }

}  // namespace quillon
