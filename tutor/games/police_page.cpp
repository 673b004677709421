#include "games/police_page.h"

#include <fstream>
#include <iterator>
#include <string>

#include "games/game_frame.h"
#include "services/switch_picture.h"
#include "services/bitmaps.h"
#include "services/globals.h"
#include "services/key_table.h"
#include "services/main_window.h"
#include "services/picture_boxes.h"
#include "services/program_folder.h"
#include "services/scaling.h"
#include "services/sounds.h"
#include "services/tutor_settings.h"
#include "services/typing_boxes.h"
#include "services/utilities.h"

namespace quillon {

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kLineBack = RGB(38, 52, 62);  // white, green and red read well on it

constexpr int kLineLeft = 990, kLineWidth = 8235, kLineHeight = 285;
constexpr int kLineTops[kPoliceLines] = {1110, 2400, 3720, 5040};
constexpr int kMarkerLefts[kPoliceLines] = {1080, 990, 990, 990};
constexpr int kMarkerTops[kPoliceLines] = {210, 1500, 2820, 4140};
constexpr int kFigureWidth = 780, kFigureHeight = 615;
constexpr int kHaltSignWidth = 120, kHaltSignHeight = 630;
constexpr int kEndAnimationMs = 300;

// Frames of the main window's image list.
constexpr int kPoliceFrames[2] = {5, 6};
constexpr int kThiefFrames[2] = {7, 8};
constexpr int kPoliceWonFrame = 9;

const char kTextFile[] = "\\QLGame\\Police\\1.txt";
constexpr size_t kLargestTextFile = 1 << 20;

forms::Form& Main() { return Main_Window(); }
forms::Rich_Text_Box& Line(int i) { return Main().Get<forms::Rich_Text_Box>("RichText_Game_Police", i); }
forms::Image& Marker(int i) { return Main().Get<forms::Image>("Image_Game_Police_Ini_Position", i); }
forms::Image& Police() { return Main().Get<forms::Image>("Image_Police"); }
forms::Image& Thief() { return Main().Get<forms::Image>("Image_Chief"); }
forms::Image& Halt_Sign() { return Main().Get<forms::Image>("Image_Game_Police_Stop"); }
forms::Timer& Step_Timer() { return Main_Timer("Timer_Game_Police"); }
const Game_Frame& Frame() { return Police_Frame(); }

double Now_Ms() { return Game_Now_Ms(); }

bool On_Police_Page() { return Current_Panel == Number(Panel_Id::Police) && !Panel_Moving; }

Police_Geometry Geometry() {
  Police_Geometry g;
  for (int i = 0; i < kPoliceLines; ++i) {
    g.marker_left[i] = Marker(i).Left();
    g.marker_top[i] = Marker(i).Top();
    g.line_width[i] = Line(i).Width();
  }
  g.figure_width = Marker(0).Width();
  return g;
}

int Line_Length(int line) {
  const Police_Game_State& s = Police_Game();
  if (line < 0 || line >= kPoliceLines) return 0;
  return static_cast<int>(s.text.lines[line].size());
}

std::string Line_Text(int line) {
  std::string text;
  for (const std::string& c : Police_Game().text.lines[line]) text += c;
  return text;
}

// The whole file, or a run-time error the start reports.
std::string Read_Text_File(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw forms::Runtime_Error(53, "找不到警察抓小偷的游戏文本 " + path);
  std::string bytes;
  bytes.resize(kLargestTextFile);
  file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<size_t>(file.gcount()));
  return bytes;
}

void Paint_Char(forms::Rich_Text_Box& box, int at, COLORREF color, bool bold) {
  box.Select(at, 1);
  forms::Rich_Text_Box::Char_Format format;
  format.color = color;
  format.bold = bold;
  format.known = CFM_COLOR | CFM_BOLD;
  box.Set_Sel_Format(format);
}

void Set_Figure(forms::Image& figure, const forms::Picture& picture) {
  figure.Set_Picture(picture);
  if (figure.Width() != kFigureWidth || figure.Height() != kFigureHeight)
    figure.Move(figure.Left(), figure.Top(), kFigureWidth, kFigureHeight);
}

void Stop_Police_Timers() {
  Step_Timer().Set_Enabled(false);
  Main_Timer("Timer_Check").Set_Enabled(false);
  Main_Timer("Timer_Move_Picture").Set_Enabled(false);
}

// A line takes the focus when it can (not while the window is hidden).
void Focus_Line(forms::Rich_Text_Box& box) {
  if (box.Hwnd() && IsWindowVisible(box.Hwnd()) && IsWindowEnabled(box.Hwnd())) box.Set_Focus();
}

// The main window takes the focus from the typing lines: its Enter starts the next game.
void Focus_Main_Window() {
  const HWND focus = GetFocus();
  for (int i = 0; i < kPoliceLines; ++i)
    if (focus && focus == Line(i).Hwnd() && Main().Hwnd()) SetFocus(Main().Hwnd());
}

// Only the player's line takes keys: the others, and all four once the game is over, are
// disabled (the main window first takes the focus from them).
void Disable_Police_Lines() {
  Focus_Main_Window();
  for (int i = 0; i < kPoliceLines; ++i) Line(i).Set_Enabled(false);
}

void Enable_Player_Line(int index) {
  forms::Rich_Text_Box& box = Line(index);
  box.Set_Enabled(true);
  box.Set_Sel_Start(0);
  if (!Main().Get<forms::Image>("Image_Main_Form_Up").Visible()) Focus_Line(box);
}

// The end of a game: start again possible, keys back to the main window.
void End_Police_Game() {
  Focus_Main_Window();
  Clear_Game_Pause_Button(Frame());
  Enable_Game_Buttons(Frame(), true, false, false);
  Police_Game_Paused = false;
  Exercise_Running = false;
  Panel_Keys_Enabled = true;
}

// Loads the text, paints it white and places the obstacles.
void Load_Police_Text() {
  Police_Game_State& s = Police_Game();
  const std::string path = Program_Folder() + kTextFile;
  const std::string file = Read_Text_File(path);
  s.text = Cut_Police_Text(file, s.options.begin_position);
  if (s.text.empty) throw forms::Runtime_Error(62, "警察抓小偷的游戏文本中没有文字 " + path);
  s.last_line = Last_Police_Line(s.text);
  for (int i = 0; i < kPoliceLines; ++i) {
    forms::Rich_Text_Box& box = Line(i);
    box.Set_Text(Line_Text(i));
    box.Select(0, box.Text_Length());
    forms::Rich_Text_Box::Char_Format white;
    white.color = kWhite;
    white.bold = false;
    white.known = CFM_COLOR | CFM_BOLD;
    box.Set_Sel_Format(white);
    box.Set_Sel_Start(0);
    forms::Do_Events();
  }
  for (int i = 0; i < kPoliceObstacleLines; ++i) {
    s.obstacles[i] = Draw_Police_Obstacle(s.text.lines[i], i, Game_Random);
    if (s.obstacles[i] >= 0) {
      Paint_Char(Line(i), s.obstacles[i], kRed, true);
      Line(i).Set_Sel_Start(0);
    }
  }
}

void Begin_Police_Game_Round() {
  Police_Game_State& s = Police_Game();
  s = Police_Game_State{};
  s.options = Read_Police_Options();
  const forms::Label& model = Main().Get<forms::Label>("Label_Game_Police");
  const double size = Scale_Factor == 1.0f ? model.Font_Size() : model.Font_Size() - 1;
  for (int i = 0; i < kPoliceLines; ++i) {
    forms::Rich_Text_Box& box = Line(i);
    box.Set_Enabled(false);
    box.Set_Locked(false);
    box.Set_Text("");
    box.Set_Font(model.Font_Name(), size);
  }
  s.step_delay = Police_Step_Delay(s.options.speed_num);
  Step_Timer().Set_Enabled(false);
  Step_Timer().Set_Interval(static_cast<int>(s.options.police_wait * 1000));
  Clear_Game_Pause_Button(Frame());
  Halt_Sign().Set_Visible(false);
  Load_Police_Text();

  Thief().Move(Marker(0).Left(), Marker(0).Top());
  Police().Move(Marker(0).Left(), Marker(0).Top());
  Set_Figure(Police(), Switch_Picture(kPoliceFrames[0]));
  Set_Figure(Thief(), Switch_Picture(kThiefFrames[0]));
  Police().Set_Visible(true);
  Thief().Set_Visible(true);

  Enable_Player_Line(0);
}

void Police_Lost(const Police_Step& step) {
  Stop_Police_Timers();
  Disable_Police_Lines();
  Enable_Game_Buttons(Frame(), false, false, false);
  Police().Move(step.left, step.top);
  Play_Sound(Program_Folder() + "\\Music\\Sound\\police.wav");
  Police().Set_Picture(forms::Picture());
  Thief().Set_Picture(forms::Picture());
  Wait_Milliseconds(kEndAnimationMs);
  Load_Resource_Picture_To_Image(Thief(), "pt3");
  Wait_Milliseconds(kEndAnimationMs);
  Thief().Set_Visible(false);
  Wait_Milliseconds(kEndAnimationMs);
  Thief().Set_Visible(true);
  Wait_Milliseconds(kEndAnimationMs);
  Load_Resource_Picture_To_Image(Thief(), "pt1");
  End_Police_Game();
  // Left for another exercise during the animation: no box over the other page.
  if (!On_Police_Page()) return;
  Show_Form_Game_YesNo("thieffailure");
  if (Dialog_Answer == 0 && On_Police_Page()) Start_Police_Game(Main());
}

void Police_Won() {
  Police_Game_State& s = Police_Game();
  Stop_Police_Timers();
  Disable_Police_Lines();
  Enable_Game_Buttons(Frame(), false, false, false);
  Play_Win_Sound();
  Set_Figure(Police(), Switch_Picture(kPoliceWonFrame));
  Load_Resource_Picture_To_Image(Thief(), "pt2");
  for (int i = 0; i < 4; ++i) {
    Thief().Set_Visible(i % 2 == 1);
    Wait_Milliseconds(kEndAnimationMs);
  }
  End_Police_Game();
  if (!On_Police_Page()) return;
  const Win_Outcome outcome = Judge_Win(s.options.speed_num, s.text.wrapped);
  if (outcome.top_box) {
    if (outcome.store_level_reset) Write(kPoliceSpeedNum, kLevelAfterTop);
    if (outcome.store_position_1) Write(kPoliceBeginPosition, 1);
    Show_Form_Yes();
    return;
  }
  Show_Form_Game_YesRetryNo("thiefwin");
  if (!On_Police_Page()) return;
  switch (Retry_Dialog_Answer) {
    case 0:
      Write(kPoliceSpeedNum, Next_Level(s.options.speed_num));
      Write(kPoliceBeginPosition, s.text.next_position);
      Start_Police_Game(Main());
      break;
    case 1: Start_Police_Game(Main()); break;
    default: break;
  }
}

// The typing core: one character typed into typing line `index`.
void Police_Key_Press(int index, int code) {
  Police_Game_State& s = Police_Game();
  forms::Rich_Text_Box& box = Line(index);
  if (code != VK_BACK && box.Locked()) box.Set_Locked(false);
  if (!Exercise_Running || Police_Game_Paused || index != s.player_line) return;
  if (box.Sel_Start() != s.typed_position) return;
  if (!s.started) {
    s.first_key = true;
    if (!s.halted) Step_Timer().Set_Enabled(true);
  }
  if (code == VK_BACK) return;
  if (code == VK_RETURN) {
    Play_Wrong_Sound();
    return;
  }
  const std::vector<std::string>& line = s.text.lines[index];
  std::string typed;
  if (code > 0xFF || code < 0) {
    typed += static_cast<char>((code >> 8) & 0xFF);
    typed += static_cast<char>(code & 0xFF);
  } else {
    typed = std::string(1, static_cast<char>(code));
  }
  if (s.typed_position >= static_cast<int>(line.size()) || line[s.typed_position] != typed) {
    box.Set_Sel_Length(0);
    Play_Wrong_Sound();
    return;
  }
  Play_Key_Sound(Get_Key_Index(static_cast<int16_t>(code)));
  const bool obstacle = index < kPoliceObstacleLines && s.obstacles[index] == s.typed_position;
  if (obstacle) {
    Step_Timer().Set_Enabled(false);
    Halt_Sign().Move(Police().Left() + Police().Width(), Police().Top());
    Halt_Sign().Set_Visible(true);
    s.halted = true;
    s.halt_start = Now_Ms();
  }
  Paint_Char(box, s.typed_position, kGreen, obstacle);
  box.Set_Sel_Start(s.typed_position + 1);
  s.typed_position = box.Sel_Start();

  if (s.typed_position >= static_cast<int>(line.size())) {
    ++s.player_line;
    if (s.player_line > s.last_line) {
      Police_Won();
      return;
    }
    s.typed_position = 0;
    Enable_Player_Line(s.player_line);
    box.Set_Enabled(false);
  }
  const Police_Geometry g = Geometry();
  Thief().Move(Thief_Left(g, s.player_line, s.typed_position, Line_Length(s.player_line)),
               g.marker_top[s.player_line]);
}

void RichText_Game_Police_KeyPress(int index, int& key_ascii) {
  const int code = key_ascii;
  key_ascii = 0;  // the line never inserts a key itself
  forms::Guarded([&] { Police_Key_Press(index, code); });
}

void RichText_Game_Police_KeyDown(int index, int& key_code, int shift) {
  forms::Guarded([&] { Block_Paste_Delete_And_Backspace_Keys(Line(index), key_code, shift); });
}

void RichText_Game_Police_LostFocus(int index) {
  forms::Silent([&] {
    forms::Rich_Text_Box& box = Line(index);
    // Only the player's line of a running game holds on to the focus.
    if (!Exercise_Running || Police_Game_Paused || index != Police_Game().player_line) return;
    if (!box.Visible() || !box.Enabled() || !Panel(Number(Panel_Id::Police)).Visible()) return;
    if (Main().Get<forms::Image>("Image_Main_Form_Up").Visible()) return;
    // Only while the tutor is in front and no modal box holds it.
    if (GetForegroundWindow() != Main().Hwnd() || !IsWindowEnabled(Main().Hwnd())) return;
    box.Set_Focus();
  });
}

void Police_Surface_Mouse_Move() {
  Main_Surface_Mouse_Move();
  forms::Guarded([] { Reset_Game_Button_Picture(Frame()); });
}

}  // namespace

Police_Game_State& Police_Game() {
  static Police_Game_State state;
  return state;
}

void Design_Police_Game_Page(forms::Form& form) {
  forms::Picture_Box& page = form.Get<forms::Picture_Box>("Picture_BG", Number(Panel_Id::Police));
  for (int i = 0; i < kPoliceLines; ++i) {
    auto& marker = form.Add<forms::Image>("Image_Game_Police_Ini_Position", i, &page);
    marker.Move(kMarkerLefts[i], kMarkerTops[i], kFigureWidth, kFigureHeight);
    marker.Set_Visible(false);
  }
  auto& police = form.Add<forms::Image>("Image_Police", -1, &page);
  police.Move(kMarkerLefts[0], kMarkerTops[0], kFigureWidth, kFigureHeight);
  auto& thief = form.Add<forms::Image>("Image_Chief", -1, &page);
  thief.Move(kMarkerLefts[0], kMarkerTops[0], kFigureWidth, kFigureHeight);
  auto& halt = form.Add<forms::Image>("Image_Game_Police_Stop", -1, &page);
  halt.Move(0, 0, kHaltSignWidth, kHaltSignHeight);
  halt.Set_Visible(false);
  for (int i = 0; i < kPoliceLines; ++i) {
    auto& line = form.Add<forms::Rich_Text_Box>("RichText_Game_Police", i, &page);
    line.Set_Multi_Line(false);
    line.Set_Scroll_Bars(0);
    line.Set_Border(false);
    line.Set_Auto_Verb_Menu(false);
    line.Move(kLineLeft, kLineTops[i], kLineWidth, kLineHeight);
    line.Set_Back_Color(kLineBack);
    line.On_Key_Press = [i](int& ascii) { RichText_Game_Police_KeyPress(i, ascii); };
    line.On_Key_Down = [i](int& key, int shift) { RichText_Game_Police_KeyDown(i, key, shift); };
    line.On_Lost_Focus = [i] { RichText_Game_Police_LostFocus(i); };
    line.On_Mouse_Move = [](int, int, int, int) { Police_Surface_Mouse_Move(); };
    line.On_Mouse_Down = [](int button, int, int, int) {
      if (button == forms::kRightButton) Main_Context_Menu();
    };
  }
  Design_Game_Frame(form, Frame(), [](int index) {
    switch (index) {
      case 0: Start_Police_Game(Main()); break;
      case 1: Pause_Police_Game(Main()); break;
      case 2: Stop_Police_Game(Main()); break;
      default: break;
    }
  });
  form.Get_Timer("Timer_Game_Police").On_Timer = [] { Move_Police(Main()); };
  auto& model = form.Add<forms::Label>("Label_Game_Police", -1, &Game_Cover(Frame()));
  model.Set_Font("宋体", 12);  // the lines are 19 pixels high
  model.Set_Visible(false);
}

void Load_Police_Game_Panel(forms::Form&) {
  forms::Guarded([] {
    Load_Game_Panel(Frame());
    if (!Halt_Sign().Get_Picture()) Load_Resource_Picture_To_Image(Halt_Sign(), "pt4");
  });
}

void Initialize_Police_Game_Page(forms::Form&) {
  forms::Guarded([] { Game_Page_Setup(Frame()); });
}

void Image_Game_Police_Click(forms::Form&, int index) {
  Game_Button_Image(Frame(), index).On_Click();
}

void Start_Police_Game(forms::Form&) {
  try {
    Begin_Game_Start(Frame());
    Panel_Keys_Enabled = false;
    Police_Game_Paused = false;
    Game_Cover(Frame()).Set_Visible(false);
    Begin_Police_Game_Round();
    Main_Timer("Timer_Check").Set_Enabled(true);
    Main_Timer("Timer_Move_Picture").Set_Enabled(true);
    Enable_Game_Buttons(Frame(), false, true, true);
  } catch (...) {
    const std::string text = forms::Current_Error_Text();
    Stop_Police_Timers();
    Exercise_Running = false;
    Panel_Keys_Enabled = true;
    forms::Silent([] { Enable_Game_Buttons(Frame(), true, false, false); });
    forms::Show_Error_Box(text);
  }
}

void Pause_Police_Game(forms::Form&) {
  forms::Guarded([] {
    Police_Game_State& s = Police_Game();
    if (!Exercise_Running) return;
    const bool has_line = s.player_line >= 0 && s.player_line < kPoliceLines;
    if (!Police_Game_Paused) {
      Main_Timer("Timer_Check").Set_Enabled(false);
      Step_Timer().Set_Enabled(false);
      s.pause_length = 0;
      s.pause_start = Now_Ms();
      if (has_line) {
        Focus_Main_Window();
        Line(s.player_line).Set_Enabled(false);
      }
      Police_Game_Paused = true;
      Show_Game_Paused(Frame(), true);
    } else {
      s.pause_length = Now_Ms() - s.pause_start;
      Main_Timer("Timer_Check").Set_Enabled(true);
      // The police walks on, or waits again for its first step once the player has begun.
      if (!s.halted && (s.started || s.first_key)) Step_Timer().Set_Enabled(true);
      Police_Game_Paused = false;
      if (has_line) {
        Line(s.player_line).Set_Enabled(true);
        Focus_Line(Line(s.player_line));
      }
      Show_Game_Paused(Frame(), false);
    }
  });
}

void Stop_Police_Game(forms::Form&) {
  forms::Guarded([] {
    Exercise_Running = false;
    Panel_Keys_Enabled = true;
    Police_Game_Paused = false;
    Show_Game_Paused(Frame(), false);
    Stop_Police_Timers();
    Enable_Game_Buttons(Frame(), true, false, false);
    Focus_Main_Window();
  });
}

void Move_Police(forms::Form&) {
  forms::Guarded([] {
    Police_Game_State& s = Police_Game();
    if (!Exercise_Running || Police_Game_Paused) {
      Step_Timer().Set_Enabled(false);
      return;
    }
    forms::Timer& timer = Step_Timer();
    if (timer.Interval() != s.step_delay) timer.Set_Interval(s.step_delay);
    s.started = true;
    const Police_Step step =
        Step_Police(Geometry(), s.police_line, s.step_count, s.player_line, Thief().Left());
    switch (step.kind) {
      case Police_Step::Caught: Police_Lost(step); break;
      case Police_Step::Stay: s.police_line = step.line; break;
      case Police_Step::Move:
        s.police_line = step.line;
        s.step_count = step.step_count;
        Police().Move(step.left, step.top);
        break;
    }
  });
}

void Update_Police_Balk_Wait(forms::Form&) {
  Police_Game_State& s = Police_Game();
  if (!Exercise_Running || s.player_line < 0 || s.player_line >= kPoliceLines) return;
  forms::Rich_Text_Box& box = Line(s.player_line);
  if (!box.Visible()) return;
  if (box.Sel_Start() != s.typed_position || box.Sel_Length() != 0)
    box.Set_Sel_Start(s.typed_position);
  if (s.halted && Police_Halt_Over(Now_Ms(), s.halt_start, s.pause_length, s.options.balk_wait)) {
    Halt_Sign().Set_Visible(false);
    s.halted = false;
    s.halt_start = 0;
    s.pause_length = 0;
    if (s.started || s.first_key) Step_Timer().Set_Enabled(true);
  }
}

void Switch_Police_Sprite(forms::Form&) {
  Police_Game_State& s = Police_Game();
  const int frame = s.sprite_frame;
  if (s.started) Set_Figure(Police(), Switch_Picture(kPoliceFrames[frame]));
  Set_Figure(Thief(), Switch_Picture(kThiefFrames[frame]));
  s.sprite_frame = 1 - frame;
}

void Reset_Police_Button_Picture(forms::Form&) { Reset_Game_Button_Picture(Frame()); }

}  // namespace quillon
