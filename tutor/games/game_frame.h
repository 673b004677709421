#pragma once
// What the four games share on their panels of the main window: the three picture buttons
// (0 start "开始", 1 pause and continue "暂停"/"继续", 2 stop "结束") with their hover, pressed
// and paused looks ("pps1" to "pps6"), the cover over the play area, the panel's loading when the
// game is entered and the page set-up that leaves it ready to start.
//
// An idle button carries no picture: the panel's background shows its normal look. A click
// presses the button (buttons-normal flag false: no hover look until the pointer has passed over
// the panel); the reset takes the looks away again, keeping the paused look on button 1.

#include <functional>
#include <string>

#include "forms/forms.h"
#include "services/screen_ids.h"
#include "services/tutor_settings.h"

namespace quillon {

// The games' paused flags (the buttons-normal flags are the shell's globals).
extern bool Police_Game_Paused;
extern bool Apple_Game_Paused;
extern bool Mouse_Game_Paused;
extern bool Frog_Game_Paused;

enum class Game_Button : int { Start = 0, Pause = 1, Stop = 2 };
constexpr int kGameButtons = 3;

struct Game_Frame {
  Panel_Id panel;
  const char* buttons;        // the control array of the three buttons
  const char* cover;          // the cover picture box
  const char* background;     // the panel's bitmap
  const char* cover_picture;  // the cover's bitmap
  const char* music;          // under the program folder, played at start
  bool* buttons_normal;
  bool* paused;
  bool acts_after_wait;       // police: the click waits 100 ms and the pressed look goes after
};

const Game_Frame& Police_Frame();
const Game_Frame& Apple_Frame();
const Game_Frame& Mouse_Frame();
const Game_Frame& Frog_Frame();

// Design geometry of the frame, twips on the panel.
constexpr int kGameButtonLeft = 90, kGameButtonWidth = 735, kGameButtonHeight = 375;
constexpr int kGameButtonTops[kGameButtons] = {405, 1005, 1605};
constexpr int kGameCoverLeft = 960, kGameCoverTop = 165, kGameCoverWidth = 8280,
              kGameCoverHeight = 5295;

// Adds the buttons and the cover to the game's panel; `act` runs a button's action (start, pause,
// stop) for its index, `reset` is the game's button reset (for the cover's pointer moves).
void Design_Game_Frame(forms::Form& form, const Game_Frame& game, std::function<void(int)> act);

// The minutes box of a timed game (balloons, mouse): three digits at most, nothing else typed or
// pasted, Backspace doing nothing, with its tooltip; placed in twips on the game's panel.
forms::Rich_Text_Box& Add_Game_Minutes_Box(forms::Form& form, const char* name,
                                           forms::Picture_Box& page, int left, int top, int width);

// A bare surface of the game's page (sky, river, boats, flowers): a pointer move over it is a
// move over the background (the buttons' looks reset), a right press opens the context menu and
// a left press closes an open drop-down menu.
void Make_Game_Surface(const Game_Frame& game, forms::Control& surface);
forms::Image& Game_Button_Image(const Game_Frame& game, int index);
forms::Picture_Box& Game_Cover(const Game_Frame& game);

// The button pictures.
void Game_Button_Click_Picture(const Game_Frame& game, int index);
void Game_Button_Hover_Picture(const Game_Frame& game, int index);
void Reset_Game_Button_Picture(const Game_Frame& game);
void Clear_Other_Game_Buttons(const Game_Frame& game, int index);
// The bitmap names of button i's looks: hover "pps<2i+1>", pressed "pps<2i+2>".
std::string Game_Button_Look(int index, bool pressed);

// A button's click: the click sound, the pressed look, then the action (police: after 100 ms, and
// the pressed look goes again once the action is done).
void Game_Button_Click(const Game_Frame& game, int index, const std::function<void(int)>& act);

// Entering the game: the panel's pictures (read once), the hand cursors, the cover on top.
void Load_Game_Panel(const Game_Frame& game);
// The page ready to start: nothing running, start enabled, pause and stop greyed, no looks.
void Game_Page_Setup(const Game_Frame& game);
void Enable_Game_Buttons(const Game_Frame& game, bool start, bool pause, bool stop);
// The pause button's paused look and tooltip ("继续" while paused, "暂停" otherwise).
void Show_Game_Paused(const Game_Frame& game, bool paused);
// Button 1 without its picture.
void Clear_Game_Pause_Button(const Game_Frame& game);
// The frame's part of a start: running, start greyed, the music, the cover hidden.
void Begin_Game_Start(const Game_Frame& game);
// A timed game's launches begin (balloons, mouse): the launch timer at the level's interval, start
// greyed, pause and stop enabled.
void Begin_Timed_Launches(const Game_Frame& game, forms::Timer& launch, int speed_num);
// A timed game's start that failed, called from its handler: launches off, nothing running, start
// and the minutes box back, the error in the standard box.
void Fail_Timed_Game_Start(const Game_Frame& game, bool& game_stop, forms::Timer& launch,
                           const char* minutes_box);
// The game's panel is the one on show, not sliding.
bool On_Game_Page(const Game_Frame& game);
// The end of a timed game's clock (balloons, mouse), once the game is stopped and its win sound
// played: at the top level the level after the top is stored and `Form_Yes` shows; otherwise the
// game's win box asks, and yes stores the next level and plays again. Nothing shows once the
// player has left the page.
void Ask_After_Timed_Win(const Game_Frame& game, int speed_num, const Int_Setting& level,
                         const char* win_box);
// An end box's replay (balloons, mouse): a click on the start button, whose pressed look then
// goes.
void Replay_By_Start_Button(const Game_Frame& game);

}  // namespace quillon
