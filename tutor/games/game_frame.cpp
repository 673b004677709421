#include "games/game_frame.h"

#include "games/game_rules.h"
#include "services/bitmaps.h"
#include "services/globals.h"
#include "services/main_window.h"
#include "services/picture_boxes.h"
#include "services/program_folder.h"
#include "services/sounds.h"
#include "services/typing_boxes.h"
#include "services/utilities.h"

namespace quillon {

bool Police_Game_Paused = false;
bool Apple_Game_Paused = false;
bool Mouse_Game_Paused = false;
bool Frog_Game_Paused = false;

namespace {

const char* const kButtonTips[kGameButtons] = {"开始", "暂停", "结束"};
constexpr const char* kPausedLook = "pps4";
constexpr int kPoliceClickWaitMs = 100;

}  // namespace

const Game_Frame& Police_Frame() {
  static const Game_Frame frame{Panel_Id::Police, "Image_Game_Police", "Picture_Front_Cover_Police",
                                "jc", "jc2", "\\Music\\bgpolice.wav", &Police_Buttons_Normal,
                                &Police_Game_Paused, true};
  return frame;
}
const Game_Frame& Apple_Frame() {
  static const Game_Frame frame{Panel_Id::Apple, "Image_Game_Apple", "Picture_Front_Cover_Pig",
                                "pg", "pg2", "\\Music\\bgapple.wav", &Apple_Buttons_Normal,
                                &Apple_Game_Paused, false};
  return frame;
}
const Game_Frame& Mouse_Frame() {
  static const Game_Frame frame{Panel_Id::Mouse, "Image_Game_Mouse", "Picture_Front_Cover_Mouse",
                                "ds", "ds2", "\\Music\\bgmouse.wav", &Mouse_Buttons_Normal,
                                &Mouse_Game_Paused, false};
  return frame;
}
const Game_Frame& Frog_Frame() {
  static const Game_Frame frame{Panel_Id::Frog, "Image_Game_Frog", "Picture_Front_Cover_Frog",
                                "qw", "qw2", "\\Music\\bgfrog.wav", &Frog_Buttons_Normal,
                                &Frog_Game_Paused, false};
  return frame;
}

forms::Image& Game_Button_Image(const Game_Frame& game, int index) {
  return Main_Window().Get<forms::Image>(game.buttons, index);
}

forms::Picture_Box& Game_Cover(const Game_Frame& game) {
  return Main_Window().Get<forms::Picture_Box>(game.cover);
}

std::string Game_Button_Look(int index, bool pressed) {
  return "pps" + std::to_string(2 * index + (pressed ? 2 : 1));
}

void Design_Game_Frame(forms::Form& form, const Game_Frame& game, std::function<void(int)> act) {
  forms::Picture_Box& page = form.Get<forms::Picture_Box>("Picture_BG", Number(game.panel));
  const Game_Frame* g = &game;
  for (int i = 0; i < kGameButtons; ++i) {
    auto& button = form.Add<forms::Image>(game.buttons, i, &page);
    button.Move(kGameButtonLeft, kGameButtonTops[i], kGameButtonWidth, kGameButtonHeight);
    button.Set_Tool_Tip_Text(kButtonTips[i]);
    button.Set_Enabled(i == 0);
    button.On_Click = [g, i, act] { Game_Button_Click(*g, i, act); };
    button.On_Mouse_Move = [g, i](int, int, int, int) {
      forms::Guarded([&] { Game_Button_Hover_Picture(*g, i); });
    };
    // A hover look goes with the pointer; a pressed look waits for the panel's reset.
    button.On_Mouse_Leave = [g] {
      if (*g->buttons_normal) forms::Guarded([&] { Reset_Game_Button_Picture(*g); });
    };
  }
  auto& cover = form.Add<forms::Picture_Box>(game.cover, -1, &page);
  cover.Move(kGameCoverLeft, kGameCoverTop, kGameCoverWidth, kGameCoverHeight);
  Make_Game_Surface(game, cover);
  // Wine may still send the cover a pointer move once a start has hidden it; only a cover on
  // show is the background under the pointer.
  cover.On_Mouse_Move = [g, move = cover.On_Mouse_Move](int b, int s, int x, int y) {
    if (Game_Cover(*g).Visible()) move(b, s, x, y);
  };
}

void Make_Game_Surface(const Game_Frame& game, forms::Control& surface) {
  const Game_Frame* g = &game;
  surface.On_Mouse_Move = [g](int, int, int, int) {
    Main_Surface_Mouse_Move();
    forms::Guarded([&] { Reset_Game_Button_Picture(*g); });
  };
  surface.On_Mouse_Down = [](int button, int, int, int) {
    if (button == forms::kRightButton) Main_Context_Menu();
    else Main_Close_PopMenu();
  };
}

void Clear_Other_Game_Buttons(const Game_Frame& game, int index) {
  for (int j = 0; j < kGameButtons; ++j) {
    if (j == index) continue;
    if (j == Number(Game_Button::Pause) && *game.paused) continue;
    forms::Image& button = Game_Button_Image(game, j);
    if (button.Get_Picture()) Clear_Look(button);
    forms::Do_Events();
  }
}

void Game_Button_Click_Picture(const Game_Frame& game, int index) {
  *game.buttons_normal = false;
  Clear_Other_Game_Buttons(game, index);
  Show_Look(Game_Button_Image(game, index), Game_Button_Look(index, true));
}

void Game_Button_Hover_Picture(const Game_Frame& game, int index) {
  if (!*game.buttons_normal) return;
  Clear_Other_Game_Buttons(game, index);
  Show_Look(Game_Button_Image(game, index), Game_Button_Look(index, false));
}

void Reset_Game_Button_Picture(const Game_Frame& game) {
  *game.buttons_normal = true;
  for (int j = 0; j < kGameButtons; ++j) {
    forms::Image& button = Game_Button_Image(game, j);
    if (j == Number(Game_Button::Pause) && *game.paused) Show_Look(button, kPausedLook);
    else if (button.Get_Picture()) Clear_Look(button);
    forms::Do_Events();
  }
  forms::Image& pause = Game_Button_Image(game, Number(Game_Button::Pause));
  if (!*game.paused && pause.Get_Picture()) Clear_Look(pause);
}

void Game_Button_Click(const Game_Frame& game, int index, const std::function<void(int)>& act) {
  forms::Guarded([&] {
    Play_Click_Sound();
    Game_Button_Click_Picture(game, index);
    if (game.acts_after_wait) Wait_Milliseconds(kPoliceClickWaitMs);
  });
  if (act) act(index);
  if (game.acts_after_wait) {
    forms::Guarded([&] {
      forms::Image& button = Game_Button_Image(game, index);
      // The pause button keeps its paused look; the others lose the pressed one.
      if (index == Number(Game_Button::Pause) && *game.paused) return;
      Clear_Look(button);
    });
  }
}

void Load_Game_Panel(const Game_Frame& game) {
  forms::Picture_Box& page = Panel(Number(game.panel));
  if (!page.Get_Picture()) Load_Resource_Picture_To_PictureBox(page, game.background);
  forms::Picture_Box& cover = Game_Cover(game);
  if (!cover.Get_Picture()) Load_Resource_Picture_To_PictureBox(cover, game.cover_picture);
  for (int i = 0; i < kGameButtons; ++i) {
    forms::Image& button = Game_Button_Image(game, i);
    if (!button.Mouse_Icon()) button.Set_Mouse_Icon(forms::Hand_Cursor());
  }
  cover.Set_Visible(true);
  cover.Z_Order(0);
}

void Enable_Game_Buttons(const Game_Frame& game, bool start, bool pause, bool stop) {
  Game_Button_Image(game, 0).Set_Enabled(start);
  Game_Button_Image(game, 1).Set_Enabled(pause);
  Game_Button_Image(game, 2).Set_Enabled(stop);
}

void Clear_Game_Pause_Button(const Game_Frame& game) {
  Clear_Look(Game_Button_Image(game, Number(Game_Button::Pause)));
}

void Show_Game_Paused(const Game_Frame& game, bool paused) {
  forms::Image& pause = Game_Button_Image(game, Number(Game_Button::Pause));
  if (paused) {
    Show_Look(pause, kPausedLook);
    pause.Set_Tool_Tip_Text("继续");
  } else {
    Clear_Look(pause);
    pause.Set_Tool_Tip_Text("暂停");
  }
}

void Game_Page_Setup(const Game_Frame& game) {
  Exercise_Running = false;
  Panel_Keys_Enabled = true;
  Enable_Game_Buttons(game, true, false, false);
  *game.paused = false;
  for (int i = 0; i < kGameButtons; ++i) Clear_Look(Game_Button_Image(game, i));
  Game_Button_Image(game, Number(Game_Button::Pause)).Set_Tool_Tip_Text("暂停");
}

void Begin_Game_Start(const Game_Frame& game) {
  Exercise_Running = true;
  Game_Button_Image(game, 0).Set_Enabled(false);
  Play_Music(Program_Folder() + game.music);
}

void Replay_By_Start_Button(const Game_Frame& game) {
  forms::Image& start = Game_Button_Image(game, Number(Game_Button::Start));
  start.On_Click();
  if (start.Get_Picture()) start.Set_Picture(forms::Picture());
  start.Tag.clear();
}

forms::Rich_Text_Box& Add_Game_Minutes_Box(forms::Form& form, const char* name,
                                           forms::Picture_Box& page, int left, int top, int width) {
  constexpr int kMinutesDigits = 3, kMinutesHeight = 330;
  auto& minutes = form.Add<forms::Rich_Text_Box>(name, -1, &page);
  minutes.Set_Multi_Line(false);
  minutes.Set_Scroll_Bars(0);
  minutes.Set_Auto_Verb_Menu(false);
  minutes.Move(left, top, width, kMinutesHeight);
  minutes.Set_Max_Length(kMinutesDigits);
  minutes.Set_Font("Arial", 12);
  minutes.Set_Tool_Tip_Text("游戏时间");
  minutes.On_Key_Down = [&minutes](int& key, int shift) {
    forms::Guarded([&] { Block_Paste_Keys(minutes, key, shift); });
    // Backspace does nothing here (the rich edit acts on its key-down, before any character).
    if (key == VK_BACK) key = 0;
  };
  minutes.On_Key_Press = [](int& ascii) {
    if (ascii < '0' || ascii > '9') ascii = 0;
  };
  return minutes;
}

bool On_Game_Page(const Game_Frame& game) {
  return Current_Panel == Number(game.panel) && !Panel_Moving;
}

void Ask_After_Timed_Win(const Game_Frame& game, int speed_num, const Int_Setting& level,
                         const char* win_box) {
  if (!On_Game_Page(game)) return;
  if (Judge_Win(speed_num, false).top_box) {
    Write(level, kLevelAfterTop);
    Show_Form_Yes();
    return;
  }
  Show_Form_Game_YesNo(win_box);
  if (Dialog_Answer == 0 && On_Game_Page(game)) {
    Write(level, Next_Level(speed_num));
    Replay_By_Start_Button(game);
  }
}

void Begin_Timed_Launches(const Game_Frame& game, forms::Timer& launch, int speed_num) {
  launch.Set_Interval(Apple_Launch_Interval(speed_num));
  launch.Set_Enabled(true);
  Enable_Game_Buttons(game, false, true, true);
}

void Fail_Timed_Game_Start(const Game_Frame& game, bool& game_stop, forms::Timer& launch,
                           const char* minutes_box) {
  const std::string text = forms::Current_Error_Text();
  game_stop = true;
  launch.Set_Enabled(false);
  Exercise_Running = false;
  forms::Silent([&] {
    Enable_Game_Buttons(game, true, false, false);
    Main_Window().Get<forms::Rich_Text_Box>(minutes_box).Set_Enabled(true);
  });
  forms::Show_Error_Box(text);
}

}  // namespace quillon
