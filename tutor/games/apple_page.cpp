#include "games/apple_page.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "games/game_frame.h"
#include "services/switch_picture.h"
#include "services/bitmaps.h"
#include "services/globals.h"
#include "services/main_window.h"
#include "services/picture_boxes.h"
#include "services/program_folder.h"
#include "services/sounds.h"
#include "services/tutor_settings.h"
#include "services/typing_boxes.h"
#include "services/utilities.h"

namespace quillon {

namespace {

constexpr int kSkyLeft = 990, kSkyTop = 855, kSkyWidth = 7350, kSkyHeight = 4545;
constexpr int kBalloonSize = 570;
constexpr int kBalloonLefts[kBalloonSlots] = {135, 840, 1545, 2235, 2970, 3720, 4455, 5220, 5985, 6705};
constexpr int kWolfLefts[kWolfSlots] = {7890, 7290, 6660, 6060, 5460, 4860, 4260};
constexpr int kWolfTop = 210, kWolfSize = 570;
constexpr int kStoneLeft = 8580, kStoneTop = 855, kStoneSize = 570;
constexpr int kStoneStartY = 840;
constexpr int kAnimalLeft = 8580, kAnimalTop = 4800, kAnimalWidth = 510, kAnimalHeight = 555;
constexpr int kRisePerHeight = 20;       // a balloon rises a twentieth of its height a pass
constexpr int kPassWaitMs = 20;
constexpr int kStartWaitMs = 500;
constexpr int kStoneSteps = 50;
constexpr int kStoneWaitMs = 20;
constexpr int kAnimalStruckMs = 200;

// Frames of the main window's image list.
constexpr int kAnimalFrames[2] = {1, 2};
constexpr int kWolfFrames[2] = {3, 4};

constexpr COLORREF kInk = RGB(36, 60, 64);
constexpr COLORREF kTealDark = RGB(20, 96, 100);

forms::Form& Main() { return Main_Window(); }
forms::Picture_Box& Sky() { return Main().Get<forms::Picture_Box>("Picture_Game_Apple_BG"); }
forms::Image& Balloon(int i) { return Main().Get<forms::Image>("Image_Char", i); }
forms::Image& Wolf(int i) { return Main().Get<forms::Image>("Image_Wolf", i); }
forms::Image& Stone() { return Main().Get<forms::Image>("Image_Stone"); }
forms::Image& Animal() { return Main().Get<forms::Image>("Image_Right_Down_Apple"); }
forms::Label& Label_Of(const char* name) { return Main().Get<forms::Label>(name); }
forms::Rich_Text_Box& Minutes_Box() { return Main().Get<forms::Rich_Text_Box>("RichText_Game_Pig_Time"); }
forms::Timer& Launch_Timer() { return Main_Timer("Timer_Game_Pig_Control"); }
forms::Timer& Move_Timer() { return Main_Timer("Timer_Game_Pig_Move"); }
const Game_Frame& Frame() { return Apple_Frame(); }

double Now_Ms() { return Game_Now_Ms(); }
bool On_Apple_Page() { return On_Game_Page(Frame()); }

void Set_Caption(const char* label, const std::string& text) {
  forms::Label& l = Label_Of(label);
  if (l.Caption() != text) l.Set_Caption(text);
}

// Sprite frames keep the sprite's design size.
void Set_Frame(forms::Image& image, int frame) {
  const int w = image.Width(), h = image.Height();
  image.Set_Picture(Switch_Picture(frame));
  if (image.Width() != w || image.Height() != h) image.Move(image.Left(), image.Top(), w, h);
}

void Focus_Minutes_Box() {
  forms::Rich_Text_Box& box = Minutes_Box();
  if (box.Visible() && box.Enabled() && Panel(Number(Panel_Id::Apple)).Visible()) box.Set_Focus();
}

// A slot back to the start, hidden.
void Park_Balloon(int i) {
  const Balloon_Record& b = Apple_Game().balloons[i];
  forms::Image& image = Balloon(i);
  image.Set_Visible(false);
  image.Move(static_cast<int>(b.start_left), static_cast<int>(b.start_top));
}

void Show_Apple_Game_Failure() {
  Launch_Timer().Set_Enabled(false);
  Apple_Game_Stop = true;
  Enable_Game_Buttons(Frame(), false, false, false);
  for (int i = 0; i < kWolfSlots; ++i) {
    Wolf(i).Set_Visible(false);
    forms::Do_Events();
  }
  const int x = Stone().Left();
  const int y1 = Main().Get<forms::Line>("Line_Game_Apple_Up").Y1;
  const int y2 = Animal().Top();
  const int step = std::max(1, (y2 - y1) / kStoneSteps);
  Load_Resource_Picture_To_Image(Stone(), "applex1");
  Stone().Set_Visible(true);
  for (int y = y1; y <= y2; y += step) {
    Stone().Move(x, y);
    Wait_Milliseconds(kStoneWaitMs);
  }
  Main_Timer("Timer_Move_Picture").Set_Enabled(false);
  Stone().Set_Visible(false);
  Load_Resource_Picture_To_Image(Animal(), "applea3");
  Wait_Milliseconds(kAnimalStruckMs);
  Load_Resource_Picture_To_Image(Animal(), "applea4");
  Enable_Game_Buttons(Frame(), true, false, false);
  Minutes_Box().Set_Enabled(true);
  Apple_Game_Paused = false;
  Clear_Game_Pause_Button(Frame());
  Focus_Minutes_Box();
}

void Apple_Lost() {
  Show_Apple_Game_Failure();
  Play_Sound(Program_Folder() + "\\Music\\Sound\\apple1.wav");
  Exercise_Running = false;
  Panel_Keys_Enabled = true;
  if (!On_Apple_Page()) return;
  Show_Form_Game_YesNo("applefailure");
  if (Dialog_Answer == 0 && On_Apple_Page()) Replay_By_Start_Button(Frame());
}

void Apple_Time_Up_End() {
  Apple_Game_State& s = Apple_Game();
  Apple_Game_Stop = true;
  Stop_Apple_Game(Main());
  Play_Win_Sound();
  Exercise_Running = false;
  Ask_After_Timed_Win(Frame(), s.options.speed_num, kAppleSpeedNum, "applewin");
}


}  // namespace

Apple_Game_State& Apple_Game() {
  static Apple_Game_State state;
  return state;
}

void Design_Apple_Game_Page(forms::Form& form) {
  forms::Picture_Box& page = form.Get<forms::Picture_Box>("Picture_BG", Number(Panel_Id::Apple));
  auto& sky = form.Add<forms::Picture_Box>("Picture_Game_Apple_BG", -1, &page);
  sky.Move(kSkyLeft, kSkyTop, kSkyWidth, kSkyHeight);
  Make_Game_Surface(Frame(), sky);  // the sky and the balloons are bare surfaces of the page
  for (int i = 0; i < kBalloonSlots; ++i) {
    auto& balloon = form.Add<forms::Image>("Image_Char", i, &sky);
    balloon.Move(kBalloonLefts[i], kSkyTop + kSkyHeight, kBalloonSize, kBalloonSize);
    balloon.Set_Visible(false);
    Make_Game_Surface(Frame(), balloon);
  }
  for (int i = 0; i < kWolfSlots; ++i) {
    auto& wolf = form.Add<forms::Image>("Image_Wolf", i, &page);
    wolf.Move(kWolfLefts[i], kWolfTop, kWolfSize, kWolfSize);
    wolf.Set_Visible(false);
  }
  auto& animal = form.Add<forms::Image>("Image_Right_Down_Apple", -1, &page);
  animal.Move(kAnimalLeft, kAnimalTop, kAnimalWidth, kAnimalHeight);
  auto& stone = form.Add<forms::Image>("Image_Stone", -1, &page);
  stone.Move(kStoneLeft, kStoneTop, kStoneSize, kStoneSize);
  stone.Set_Visible(false);
  auto& up = form.Add<forms::Line>("Line_Game_Apple_Up", -1, &page);
  up.Set_Ends(kStoneLeft, kStoneStartY, kStoneLeft + kStoneSize, kStoneStartY);
  up.Set_Visible(false);

  Add_Game_Minutes_Box(form, "RichText_Game_Pig_Time", page, 8505, 1200, 720);

  struct Info {
    const char* caption_name;
    const char* caption;
    const char* value;
    int top;
  };
  const Info infos[] = {{"Label_Game_Pig_Info_1", "剩余时间", "Label_Game_Pig_Info_4", 1800},
                        {"Label_Game_Pig_Info_2", "射中气球", "Label_Shoot_Down_Num_Info", 2640},
                        {"Label_Game_Pig_Info_3", "命中率", "Label_Game_Apple_Right", 3480}};
  for (const Info& info : infos) {
    auto& caption = form.Add<forms::Label>(info.caption_name, -1, &page);
    caption.Move(8400, info.top, 1000, 270);
    caption.Set_Font("宋体", 10.5);
    caption.Set_Fore_Color(kTealDark);
    caption.Set_Alignment(2);
    caption.Set_Caption(info.caption);
    auto& value = form.Add<forms::Label>(info.value, -1, &page);
    value.Move(8400, info.top + 285, 1000, 300);
    value.Set_Font("宋体", 10.5, true);
    value.Set_Fore_Color(kInk);
    value.Set_Alignment(2);
  }

  form.Get_Timer("Timer_Game_Pig_Control").On_Timer = [] { Launch_Apple_Balloon(Main()); };
  form.Get_Timer("Timer_Game_Pig_Move").On_Timer = [] { Move_Apple_Balloons(Main()); };
  Design_Game_Frame(form, Frame(), [](int index) {
    switch (index) {
      case 0: Start_Apple_Game(Main()); break;
      case 1: Pause_Apple_Game(Main()); break;
      case 2: Stop_Apple_Game(Main()); break;
      default: break;
    }
  });
}

void Load_Apple_Game_Panel(forms::Form&) {
  forms::Guarded([] {
    Load_Game_Panel(Frame());
    forms::Picture_Box& sky = Sky();
    if (!sky.Get_Picture()) Load_Resource_Picture_To_PictureBox(sky, "pg3");
    Set_Frame(Animal(), kAnimalFrames[0]);
    Minutes_Box().Set_Text(std::to_string(Clamp(Read(kAppleGameTime), 1, 999)));
  });
}

void Initialize_Apple_Game_Page(forms::Form&) {
  forms::Guarded([] {
    Game_Page_Setup(Frame());
    Minutes_Box().Set_Enabled(true);
    Focus_Minutes_Box();
  });
}

void Start_Apple_Game(forms::Form&) {
  try {
    Apple_Game_State& s = Apple_Game();
    forms::Rich_Text_Box& minutes = Minutes_Box();
    const std::string text = Apple_Minutes_At_Start(minutes.Text());
    if (text != minutes.Text()) minutes.Set_Text(text);
    Begin_Game_Start(Frame());
    const int generation = s.generation + 1;
    s = Apple_Game_State{};
    s.generation = generation;
    s.options = Read_Apple_Options();
    Game_Cover(Frame()).Set_Visible(false);
    minutes.Set_Enabled(false);
    if (Main().Hwnd()) SetFocus(Main().Hwnd());
    Apple_Game_Stop = false;
    s.move_pending = true;
    Apple_Game_Paused = false;
    Set_Caption("Label_Shoot_Down_Num_Info", "0");
    Set_Caption("Label_Game_Apple_Right", "0");
    Stone().Set_Visible(false);
    Clear_Game_Pause_Button(Frame());
    for (int i = 0; i < kBalloonSlots; ++i) {
      Balloon_Record& b = s.balloons[i];
      b.start_left = Balloon(i).Left();
      b.start_top = Sky().Top() + Sky().Height();
      b.rise_step = static_cast<double>(Balloon(i).Height()) / kRisePerHeight;
      Park_Balloon(i);
      forms::Do_Events();
    }
    for (int i = 0; i < kWolfSlots; ++i) {
      Wolf(i).Set_Visible(false);
      Set_Frame(Wolf(i), kWolfFrames[0]);
      forms::Do_Events();
    }
    Set_Frame(Animal(), kAnimalFrames[0]);
    Main_Timer("Timer_Move_Picture").Set_Enabled(true);
    Wait_Milliseconds(kStartWaitMs);
    // Stopped, left or started again during the wait: this start is over.
    if (Apple_Game_Stop || s.generation != generation || !Exercise_Running) return;
    s.start_tick = Now_Ms();
    Begin_Timed_Launches(Frame(), Launch_Timer(), s.options.speed_num);
  } catch (...) {
    Fail_Timed_Game_Start(Frame(), Apple_Game_Stop, Launch_Timer(), "RichText_Game_Pig_Time");
  }
}

void Pause_Apple_Game(forms::Form&) {
  forms::Guarded([] {
    Apple_Game_State& s = Apple_Game();
    if (!Exercise_Running) return;
    if (!Apple_Game_Paused) {
      Launch_Timer().Set_Enabled(false);
      s.move_pending = false;
      Apple_Game_Stop = true;
      s.pause_start = Now_Ms();
      Apple_Game_Paused = true;
      Panel_Keys_Enabled = false;
      Show_Game_Paused(Frame(), true);
    } else {
      s.pause_total += Now_Ms() - s.pause_start;
      s.move_pending = true;
      Apple_Game_Stop = false;
      Launch_Timer().Set_Enabled(true);
      Move_Timer().Set_Enabled(true);
      Apple_Game_Paused = false;
      Panel_Keys_Enabled = true;
      Show_Game_Paused(Frame(), false);
    }
  });
}

void Stop_Apple_Game(forms::Form&) {
  forms::Guarded([] {
    Exercise_Running = false;
    Panel_Keys_Enabled = true;
    Launch_Timer().Set_Enabled(false);
    Apple_Game_Stop = true;
    Main_Timer("Timer_Move_Picture").Set_Enabled(false);
    Enable_Game_Buttons(Frame(), true, false, false);
    Minutes_Box().Set_Enabled(true);
    Apple_Game_Paused = false;
    Show_Game_Paused(Frame(), false);
    Focus_Minutes_Box();
  });
}

void Apple_Game_Key_Down(forms::Form&, int key_code) {
  forms::Guarded([&] {
    Apple_Game_State& s = Apple_Game();
    if (!Exercise_Running || Apple_Game_Paused) return;
    ++s.keys;
    const int slot = Hit_Balloon(s.balloons, key_code, Now_Ms());
    if (slot >= 0) {
      Load_Resource_Picture_To_Image(Balloon(slot), "applel1");
      ++s.shot_down;
      Set_Caption("Label_Shoot_Down_Num_Info", std::to_string(s.shot_down));
    }
    Set_Caption("Label_Game_Apple_Right",
                forms::Format(static_cast<double>(s.shot_down) / s.keys, "0.00%"));
  });
}

void Launch_Apple_Balloon(forms::Form&) {
  forms::Guarded([] {
    Apple_Game_State& s = Apple_Game();
    if (!Exercise_Running || Apple_Game_Stop) return;
    const int slot = Launch_Balloon(s.balloons, s.last_launched, s.options.balloon_num, Game_Random);
    if (slot >= 0) {
      forms::Image& image = Balloon(slot);
      Load_Resource_Picture_To_Image(image, "apple" + std::to_string(s.balloons[slot].letter));
      image.Set_Visible(true);
    }
    if (s.move_pending) {
      s.move_pending = false;
      Move_Timer().Set_Enabled(true);
    }
  });
}

void Move_Apple_Balloons(forms::Form&) {
  Move_Timer().Set_Enabled(false);
  forms::Guarded([] {
    Apple_Game_State& s = Apple_Game();
    const int generation = s.generation;
    const int minutes = std::atoi(Minutes_Box().Text().c_str());
    auto over = [&] { return Apple_Game_Stop || s.generation != generation; };
    while (!over()) {
      const double elapsed = Now_Ms() - s.start_tick - s.pause_total;
      Set_Caption("Label_Game_Pig_Info_4",
                  Format_Time(static_cast<float>(Apple_Seconds_Left(minutes, elapsed))));
      if (Apple_Time_Up(minutes, elapsed)) {
        Apple_Time_Up_End();
        return;
      }
      for (int i = 0; i < kBalloonSlots && s.generation == generation; ++i) {
        forms::Image& image = Balloon(i);
        const Slot_Pass pass = Pass_Balloon(s.balloons[i], Now_Ms(), image.Height());
        if (pass.popped) {
          Play_Sound(Program_Folder() + "\\Music\\Sound\\apple2.wav");
          Park_Balloon(i);
        }
        if (pass.escaped) {
          Park_Balloon(i);
          ++s.escaped;
          if (s.escaped <= kWolfSlots) Show_Wolf(s.escaped);
          if (s.generation != generation) return;
          if (s.escaped == kWolfSlots) {
            Apple_Lost();
            return;
          }
        } else if (pass.moved) {
          image.Move(static_cast<int>(s.balloons[i].start_left), static_cast<int>(pass.top));
        }
        forms::Do_Events();
      }
      Wait_Milliseconds(kPassWaitMs);
    }
  });
}

void Show_Wolf(int escaped) {
  if (escaped < 1 || escaped > kWolfSlots) return;
  for (const Wolf_Move& move : Wolf_Moves(escaped)) {
    Wolf(move.hide).Set_Visible(false);
    Wait_Milliseconds(move.delay_ms);
    Wolf(move.show).Set_Visible(true);
    Wait_Milliseconds(move.delay_ms);
  }
  Wolf(kWolfSlots - 1).Set_Visible(true);
}

void Switch_Apple_Sprite(forms::Form&) {
  Apple_Game_State& s = Apple_Game();
  s.animal_frame = s.animal_frame == kAnimalFrames[0] ? kAnimalFrames[1] : kAnimalFrames[0];
  Set_Frame(Animal(), s.animal_frame);
  s.wolf_frame = s.wolf_frame == kWolfFrames[0] ? kWolfFrames[1] : kWolfFrames[0];
  for (int i = 0; i < kWolfSlots; ++i) {
    if (Wolf(i).Visible()) Set_Frame(Wolf(i), s.wolf_frame);
  }
}

void Reset_Apple_Button_Picture(forms::Form&) { Reset_Game_Button_Picture(Frame()); }

}  // namespace quillon
