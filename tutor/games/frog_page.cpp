#include "games/frog_page.h"

#include <windows.h>

#include <cmath>
#include <fstream>
#include <string>

#include "forms/array_element.h"
#include "forms/child_moves.h"
#include "forms/surface_copy.h"
#include "games/game_frame.h"
#include "services/bitmaps.h"
#include "services/globals.h"
#include "services/key_table.h"
#include "services/main_window.h"
#include "services/picture_boxes.h"
#include "services/program_folder.h"
#include "services/sounds.h"
#include "services/switch_picture.h"
#include "services/tutor_settings.h"
#include "services/typing_boxes.h"
#include "services/utilities.h"

namespace quillon {

namespace {

// Design geometry, twips. The river and the boats on it:
constexpr int kRiverLeft = 960, kRiverTop = 840, kRiverWidth = 8265, kRiverHeight = 3975;
constexpr int kBoatWidth = 2040, kBoatHeight = 555;
constexpr int kRowTops[kFrogBoats + 1] = {0, 2925, 2925, 1650, 1650, 480, 480};  // by boat
// The word lies on the boat's plate; a word of ten letters fits it at the larger size.
constexpr int kWordLeft = 585, kWordTop = 120, kWordWidth = 1185, kWordHeight = 300;
constexpr int kBoatFrogLeft = 0, kBoatFrogTop = 15, kBoatFrogWidth = 480, kBoatFrogHeight = 525;
// The far-bank board and its word and frog, on the panel:
constexpr int kBoardLeft = 5070, kBoardTop = 180, kBoardWidth = 3870, kBoardHeight = 630;
constexpr int kBoardWordLeft = 1635, kBoardWordTop = 75, kBoardWordWidth = 1245,
              kBoardWordHeight = 285;
constexpr int kBoardFrogLeft = 930, kBoardFrogTop = 0, kBoardFrogWidth = 555,
              kBoardFrogHeight = 525;
// The start point, the waiting frogs and the crossed frogs:
constexpr int kStartLeft = 2865, kStartTop = 4785, kStartWidth = 2385, kStartHeight = 675;
constexpr int kWaitingLefts[kFrogs] = {5760, 6465, 7185, 7845, 8535};
constexpr int kWaitingTop = 4860, kWaitingWidth = 525, kWaitingHeight = 570;
constexpr int kArrivedLefts[kFrogs] = {1155, 1815, 2505, 3180, 3855};
constexpr int kArrivedTop = 195, kArrivedWidth = 480, kArrivedHeight = 525;

constexpr double kWordFontSize = 9;  // a plain word; the words within reach one point larger
constexpr COLORREF kWordInk = RGB(0, 0, 0);
constexpr COLORREF kTypedInk = RGB(0, 0, 255);
constexpr COLORREF kDeck = RGB(236, 214, 168);  // the word's ground where no boat is drawn
constexpr int kRiverScrollParts = 200;          // the water moves a 200th of its width a tick
constexpr size_t kLargestWordList = 1 << 20;

// Frames of the main window's image list.
constexpr int kBoatFrames[2] = {12, 13};
constexpr int kArrivedFrames[2] = {14, 15};
constexpr int kBoardFrames[2] = {16, 17};
constexpr int kStartFrames[2] = {18, 19};

// The geometry taken at the first page set-up.
struct Frog_Geometry {
  double river_width = kRiverWidth;
  int scroll_step = kRiverWidth / kRiverScrollParts;
  int scroll_rest = kRiverWidth - kRiverWidth / kRiverScrollParts;
  double boat_width = kBoatWidth;
  double word_font_size = kWordFontSize;
};
Frog_Geometry& Geometry() {
  static Frog_Geometry g;
  return g;
}

forms::Form& Main() { return Main_Window(); }
const Game_Frame& Frame() { return Frog_Frame(); }
forms::Picture_Box& River(int i = 0) {
  return Main().Get<forms::Picture_Box>("Picture_Game_Frog_BG", i);
}
forms::Picture_Box& Boat(int i) { return Main().Get<forms::Picture_Box>("Picture_Boat", i); }
forms::Rich_Text_Box& Word_Box(int i) {
  return Main().Get<forms::Rich_Text_Box>("RichText_Frog", i);
}
forms::Image& Frog_Image(int i) { return Main().Get<forms::Image>("Image_Frog", i); }
forms::Image& Waiting(int i) { return Main().Get<forms::Image>("Image_RightDown_Frog", i); }
forms::Image& Arrived(int i) { return Main().Get<forms::Image>("Image_LeftUp_Frog", i); }
forms::Image& Start_Point() { return Main().Get<forms::Image>("Image_Game_Frog_Down"); }
forms::Timer& Move_Timer() { return Main_Timer("Timer_Move_Picture"); }

bool On_Frog_Page() { return Current_Panel == Number(Panel_Id::Frog) && !Panel_Moving; }

// Sprite frames keep the sprite's design size; the tag names the look shown.
void Set_Frame(forms::Image& image, int frame) {
  const int w = image.Width(), h = image.Height();
  image.Set_Picture(Switch_Picture(frame));
  image.Tag.clear();
  if (image.Width() != w || image.Height() != h) image.Move(image.Left(), image.Top(), w, h);
}
// The other frame of a pair (the first when it shows neither).
void Toggle_Frame(forms::Image& image, const int (&pair)[2]) {
  const int shown = Switch_Picture_Index(image.Get_Picture());
  Set_Frame(image, shown == pair[0] ? pair[1] : pair[0]);
}
void Set_Bitmap(forms::Image& image, const char* name) {
  if (image.Tag == name) return;
  const int w = image.Width(), h = image.Height();
  Load_Resource_Picture_To_Image(image, name);
  image.Tag = name;
  if (image.Width() != w || image.Height() != h) image.Move(image.Left(), image.Top(), w, h);
}

void Format_Selection(forms::Rich_Text_Box& box, COLORREF ink, bool bold, double size) {
  forms::Rich_Text_Box::Char_Format f;
  f.color = ink;
  f.bold = bold;
  f.size = size;
  f.known = CFM_COLOR | CFM_BOLD | CFM_SIZE;
  box.Set_Sel_Format(f);
}

// A word box: the game writes it, the player never types into it.
forms::Rich_Text_Box& Add_Word_Box(forms::Form& form, int index, forms::Picture_Box& on, int left,
                                   int top, int width, int height) {
  auto& box = form.Add<forms::Rich_Text_Box>("RichText_Frog", index, &on);
  box.Set_Multi_Line(false);
  box.Set_Scroll_Bars(0);
  box.Set_Border(false);
  box.Set_Auto_Verb_Menu(false);
  box.Apply_Style();
  box.Move(left, top, width, height);
  box.Set_Font("Courier New", kWordFontSize);
  box.Set_Back_Color(kDeck);
  box.Set_Locked(true);
  box.On_Key_Down = [](int& key, int) { key = 0; };
  box.On_Key_Press = [](int& ascii) { ascii = 0; };
  box.On_Got_Focus = [] {
    if (Main().Hwnd()) SetFocus(Main().Hwnd());
  };
  return box;
}

// The river, the boats, the words and the board are bare surfaces of the page.
void Frog_Surface(forms::Control& c) { Make_Game_Surface(Frame(), c); }

// The word's ground: the boat's own colour under it.
void Match_Word_Ground(int boat) {
  forms::Picture_Box& b = Boat(boat);
  forms::Rich_Text_Box& box = Word_Box(boat);
  HDC dc = b.Surface_Dc();
  if (!dc) return;
  const RECT r = box.Pixel_Rect();
  const COLORREF ground = GetPixel(dc, (r.left + r.right) / 2, r.top + 1);
  if (ground != CLR_INVALID && ground != box.Back_Color()) box.Set_Back_Color(ground);
}

class Page_View : public Frog_View {
 public:
  void Clear_Word(int boat) override {
    forms::Rich_Text_Box& box = Word_Box(boat);
    Reset_RichText_Font(box, 0);
    Format_Selection(box, kWordInk, false, Geometry().word_font_size);
  }
  void Set_Word(int boat, const std::string& word) override {
    forms::Rich_Text_Box& box = Word_Box(boat);
    box.Set_Text(word);
    box.Select(0, box.Text_Length());
    Format_Selection(box, kWordInk, false, Geometry().word_font_size);
    box.Set_Sel_Start(0);
  }
  void Paint_Word(int boat, bool highlighted) override {
    forms::Silent([&] {
      forms::Rich_Text_Box& box = Word_Box(boat);
      box.Select(0, box.Text_Length());
      Format_Selection(box, kWordInk, false,
                       Geometry().word_font_size + (highlighted ? 1 : 0));
      box.Set_Sel_Start(0);
    });
  }
  void Mark_Letter(int boat, int position) override {
    forms::Rich_Text_Box& box = Word_Box(boat);
    box.Select(position, 1);
    box.Set_Sel_Color(kTypedInk);
    box.Set_Sel_Bold(true);
    box.Set_Sel_Start(position + 1);
  }
  void Put_Caret(int boat, int position) override {
    if (boat >= 0 && boat < kFrogWords) Word_Box(boat).Set_Sel_Start(position);
  }
  void Show_Frog(int boat, bool shown) override {
    if (boat < 0 || boat >= kFrogWords) return;
    forms::Image& frog = Frog_Image(boat);
    if (shown && !frog.Get_Picture())
      Set_Frame(frog, boat == kFarBank ? kBoardFrames[0] : kBoatFrames[0]);
    frog.Set_Visible(shown);
  }
  void Show_Arrived(int index, bool shown) override {
    if (index < 0 || index >= kFrogs) return;
    forms::Image& frog = Arrived(index);
    if (shown && !frog.Get_Picture()) Set_Frame(frog, kArrivedFrames[0]);
    frog.Set_Visible(shown);
  }
  void Show_Waiting(int index, bool shown) override {
    if (index >= 0 && index < kFrogs) Waiting(index).Set_Visible(shown);
  }
  void Scroll_River() override {
    const Frog_Geometry& g = Geometry();
    forms::Picture_Box& river = River(0);
    forms::Picture_Box& copy = River(1);
    forms::Paint_Surface(copy, 0, 0, river);
    forms::Paint_Surface(river, g.scroll_step, 0, copy, 0, 0, g.scroll_rest, -1);
    forms::Paint_Surface(river, 0, 0, copy, g.scroll_rest, 0, g.scroll_step, -1);
  }
  void Move_Boats(const Frog_Boat_Records& boats) override {
    std::vector<forms::Control_Place> places;
    for (int i = 1; i <= kFrogBoats; ++i)
      places.push_back({&Boat(i), static_cast<int>(std::lround(boats[i].x)), Boat(i).Top()});
    forms::Move_Controls(places);
  }
  void Animate(const Frog_Sprites& s) override {
    if (s.on_start_bank) Toggle_Frame(Start_Point(), kStartFrames);
    else Set_Bitmap(Start_Point(), "frog4");
    if (s.on_boat) {
      for (int i = 0; i < kFrogWords; ++i)
        if (Frog_Image(i).Visible()) Toggle_Frame(Frog_Image(i), kBoatFrames);
    }
    if (s.on_far_bank) Toggle_Frame(Frog_Image(kFarBank), kBoardFrames);
    if (s.arrivals_shown) {
      for (int i = 0; i < kFrogs; ++i)
        if (Arrived(i).Visible()) Toggle_Frame(Arrived(i), kArrivedFrames);
    }
  }
  void Play_Key_Sound(int key_code) override {
    quillon::Play_Key_Sound(Get_Key_Index(static_cast<int16_t>(key_code)));
  }
  void Play_Wrong_Sound() override { quillon::Play_Wrong_Sound(); }
  void Play_Frog_Sound() override { Play_Sound(Program_Folder() + "\\Music\\Sound\\frog.wav"); }
  void Play_Win_Sound() override { quillon::Play_Win_Sound(); }
  bool Wait(int milliseconds) override {
    Wait_Milliseconds(static_cast<float>(milliseconds));
    return On_Frog_Page();
  }
  void End_Pause() override {
    Move_Timer().Set_Enabled(true);
    Show_Game_Paused(Frame(), false);
  }
  void Enable_Buttons(bool start, bool pause, bool stop) override {
    Enable_Game_Buttons(Frame(), start, pause, stop);
  }
  int Ask_Win_Box() override {
    constexpr int kEnd = 2;
    if (!On_Frog_Page()) return kEnd;
    Show_Form_Game_YesRetryNo("frogwin");
    return On_Frog_Page() ? Retry_Dialog_Answer : kEnd;
  }
  void Show_Top_Box() override {
    if (On_Frog_Page()) Show_Form_Yes();
  }
  void Store_Level(int level) override { Write(kFrogSpeedNum, level); }
  void Store_Begin_Position(int lesson, int position) override {
    Write(Frog_Begin_Position_Setting(lesson), position);
  }
  void Start_Game() override { Start_Frog_Game(Main()); }
};

Page_View& View() {
  static Page_View view;
  return view;
}

// The lesson's words from the begin position; the error box when the list is missing or holds
// no whole game (the game then plays the words it had).
Frog_Word_Game Load_Frog_Game_Words(const std::string& path, const Frog_Options& options) {
  Frog_Word_Game kept = Frog_Play().Words();
  kept.wrapped = false;
  kept.from_start = false;
  kept.next_position = options.begin_position;
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    forms::Show_Error_Box("找不到青蛙过河的单词表 " + path);
    return kept;
  }
  std::string bytes(kLargestWordList, '\0');
  file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<size_t>(file.gcount()));
  Frog_Word_Game game = Read_Frog_Game_Words(bytes, options.begin_position);
  if (!game.complete) {
    forms::Show_Error_Box("青蛙过河的单词表 " + path + " 不到一局的 " +
                          std::to_string(kFrogGameWords) + " 个单词");
    return kept;
  }
  return game;
}

// A wait of the start: false when the start is over (stopped, started again, page left).
bool Start_Wait(int generation, int milliseconds) {
  Wait_Milliseconds(static_cast<float>(milliseconds));
  return Frog_Play().Generation() == generation && On_Frog_Page() && Exercise_Running;
}

}  // namespace

Frog_Game& Frog_Play() {
  static Frog_Game game(View(), Frog_Flags{Exercise_Running, Panel_Keys_Enabled, Frog_Game_Paused});
  return game;
}

void Design_Frog_Game_Page(forms::Form& form) {
  forms::Picture_Box& page = form.Get<forms::Picture_Box>("Picture_BG", Number(Panel_Id::Frog));
  auto& river = form.Add<forms::Picture_Box>("Picture_Game_Frog_BG", 0, &page);
  river.Move(kRiverLeft, kRiverTop, kRiverWidth, kRiverHeight);
  Frog_Surface(river);
  for (int i = 1; i <= kFrogBoats; ++i) {
    auto& boat = form.Add<forms::Picture_Box>("Picture_Boat", i, &river);
    boat.Move(Boat_Moves_Right(i) ? -kBoatWidth : kRiverWidth, kRowTops[i], kBoatWidth,
              kBoatHeight);
    boat.Set_Back_Color(kDeck);
    boat.Set_Visible(false);
    Frog_Surface(boat);
  }
  auto& board = form.Add<forms::Picture_Box>("Picture_Boat", kFarBank, &page);
  board.Move(kBoardLeft, kBoardTop, kBoardWidth, kBoardHeight);
  board.Set_Back_Color(kDeck);
  board.Set_Visible(false);
  Frog_Surface(board);
  for (int i = 0; i <= kFrogBoats; ++i) {
    forms::Picture_Box& on = form.Get<forms::Picture_Box>("Picture_Boat", i);
    auto& word = i == kFarBank ? Add_Word_Box(form, i, on, kBoardWordLeft, kBoardWordTop,
                                              kBoardWordWidth, kBoardWordHeight)
                               : Add_Word_Box(form, i, on, kWordLeft, kWordTop, kWordWidth,
                                              kWordHeight);
    Frog_Surface(word);
    auto& frog = form.Add<forms::Image>("Image_Frog", i, &on);
    if (i == kFarBank) frog.Move(kBoardFrogLeft, kBoardFrogTop, kBoardFrogWidth, kBoardFrogHeight);
    else frog.Move(kBoatFrogLeft, kBoatFrogTop, kBoatFrogWidth, kBoatFrogHeight);
    frog.Set_Visible(false);
  }
  auto& start = form.Add<forms::Image>("Image_Game_Frog_Down", -1, &page);
  start.Move(kStartLeft, kStartTop, kStartWidth, kStartHeight);
  start.Set_Visible(false);
  for (int i = 0; i < kFrogs; ++i) {
    auto& waiting = form.Add<forms::Image>("Image_RightDown_Frog", i, &page);
    waiting.Move(kWaitingLefts[i], kWaitingTop, kWaitingWidth, kWaitingHeight);
    waiting.Set_Visible(false);
    auto& arrived = form.Add<forms::Image>("Image_LeftUp_Frog", i, &page);
    arrived.Move(kArrivedLefts[i], kArrivedTop, kArrivedWidth, kArrivedHeight);
    arrived.Set_Visible(false);
  }
  Design_Game_Frame(form, Frame(), [](int index) {
    switch (index) {
      case 0: Start_Frog_Game(Main()); break;
      case 1: Pause_Frog_Game(Main()); break;
      case 2: Stop_Frog_Game(Main()); break;
      default: break;
    }
  });
}

void Load_Frog_Game_Panel(forms::Form&) {
  forms::Guarded([] {
    Load_Game_Panel(Frame());
    forms::Picture_Box& river = River(0);
    if (!river.Get_Picture()) Load_Resource_Picture_To_PictureBox(river, "qw3");
  });
}

void Initialize_Frog_Game_Page(forms::Form& form) {
  forms::Guarded([&] {
    Game_Page_Setup(Frame());
    Frog_Play().Stop();
    // The river's hidden copy for the scroll, made at run time (again after a reload).
    if (!form.Find("Picture_Game_Frog_BG", 1))
      forms::Load_Array_Element<forms::Picture_Box>(form, "Picture_Game_Frog_BG", 1);
    if (!Frog_Page_First) return;
    // Once a run: the sizes the game counts with.
    Frog_Geometry& g = Geometry();
    g.river_width = River(0).Width();
    g.scroll_step = static_cast<int>(g.river_width / kRiverScrollParts);
    g.scroll_rest = static_cast<int>(g.river_width) - g.scroll_step;
    g.word_font_size = Word_Box(kFarBank).Font_Size();
    g.boat_width = Boat(1).Width();
    Frog_Page_First = false;
  });
}

void Start_Frog_Game(forms::Form&) {
  try {
    Frog_Game& game = Frog_Play();
    Page_View& view = View();
    Begin_Game_Start(Frame());
    Panel_Keys_Enabled = true;
    Frog_Game_Paused = false;
    Show_Game_Paused(Frame(), false);
    const Frog_Options options = Read_Frog_Options();
    Game_Cover(Frame()).Set_Visible(false);
    for (int i = 0; i < kFrogWords; ++i) {
      Boat(i).Set_Visible(false);
      Frog_Image(i).Set_Visible(false);
      view.Clear_Word(i);
    }
    for (int i = 0; i < kFrogs; ++i) {
      Arrived(i).Set_Visible(false);
      Waiting(i).Set_Visible(false);
    }
    Start_Point().Set_Visible(false);
    game.Begin(options, Geometry().river_width, Geometry().boat_width);
    const int generation = game.Generation();
    view.Move_Boats(game.Boats());
    for (int i = 0; i < kFrogWords; ++i) {
      Load_Resource_Picture_To_PictureBox(Boat(i), i == kFarBank ? "frog2" : "frog1");
      Match_Word_Ground(i);
      Boat(i).Set_Visible(true);
    }
    Start_Point().Tag.clear();
    Set_Bitmap(Start_Point(), "frog4");
    Start_Point().Set_Visible(true);
    for (int i = 0; i < kFrogs; ++i) {
      Waiting(i).Tag.clear();
      Set_Bitmap(Waiting(i), "frog3");
      Waiting(i).Set_Visible(true);
      if (!Start_Wait(generation, kFrogLineUpMs)) return;
    }
    // The first frog blinks away to the start point.
    for (int half = 0; half < 4; ++half) {
      Waiting(0).Set_Visible(half % 2 == 1);
      if (!Start_Wait(generation, kFrogBlinkMs)) return;
    }
    Waiting(0).Set_Visible(false);
    const Frog_Word_Game words =
        Load_Frog_Game_Words(Frog_Lesson_File(Program_Folder(), options.lesson), options);
    if (game.Generation() != generation || !On_Frog_Page() || !Exercise_Running) return;
    game.Set_Off(words);
    Enable_Game_Buttons(Frame(), false, true, true);
    Move_Timer().Set_Enabled(true);
  } catch (...) {
    const std::string text = forms::Current_Error_Text();
    Exercise_Running = false;
    forms::Silent([] {
      Move_Timer().Set_Enabled(false);
      Enable_Game_Buttons(Frame(), true, false, false);
    });
    forms::Show_Error_Box(text);
  }
}

void Pause_Frog_Game(forms::Form&) {
  forms::Guarded([] {
    if (!Exercise_Running) return;
    const bool pausing = !Frog_Game_Paused;
    Move_Timer().Set_Enabled(!pausing);
    Frog_Game_Paused = pausing;
    Panel_Keys_Enabled = !pausing;
    Show_Game_Paused(Frame(), pausing);
  });
}

void Stop_Frog_Game(forms::Form&) {
  forms::Guarded([] {
    Exercise_Running = false;
    Panel_Keys_Enabled = true;
    Enable_Game_Buttons(Frame(), true, false, false);
    Move_Timer().Set_Enabled(false);
    Frog_Game_Paused = false;
    Show_Game_Paused(Frame(), false);
    Frog_Play().Stop();
  });
}

void Frog_Game_Key_Down(forms::Form&, int key_code) {
  forms::Silent([&] {
    if (!Exercise_Running || Frog_Game_Paused || !On_Frog_Page()) return;
    Frog_Play().Key_Down(key_code);
  });
}

void Switch_Frog_Sprite(forms::Form&) {
  forms::Guarded([] {
    if (!Main().Find("Picture_Game_Frog_BG", 1)) return;
    Frog_Play().Tick();
  });
}

void Reset_Frog_Button_Picture(forms::Form&) { Reset_Game_Button_Picture(Frame()); }

}  // namespace quillon
