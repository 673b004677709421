#include "games_fixture.h"

#include "games/game_rules.h"
#include "screen_table.h"
#include "services/globals.h"
#include "services/program_folder.h"
#include "services/sounds.h"
#include "services/utilities.h"
#include "shell/commands.h"
#include "shell/main_form.h"
#include "shell/startup.h"
#include "testkit/course_seams.h"
#include "testkit/testkit.h"

namespace quillon {

namespace {
const char* const kSections[] = {"Setting\\Game\\Police", "Setting\\Game\\Police\\Remember",
                                 "Setting\\Game\\Apple", "Setting\\Game\\Mouse",
                                 "Setting\\Game\\Frog"};
}  // namespace


namespace {

struct Step_Player {
  std::deque<Step> steps;
  std::chrono::steady_clock::time_point since;
  std::chrono::milliseconds limit{0};
  bool busy = false;
  UINT_PTR timer = 0;
};
Step_Player& Player() {
  static Step_Player player;
  return player;
}

void CALLBACK Step_Tick(HWND, UINT, UINT_PTR, DWORD) {
  Step_Player& p = Player();
  if (p.busy || p.steps.empty()) return;
  p.busy = true;
  Step& step = p.steps.front();
  if (step.ready()) {
    Step done = std::move(step);
    p.steps.pop_front();
    done.act();
    p.since = std::chrono::steady_clock::now();
  } else if (std::chrono::steady_clock::now() - p.since > p.limit) {
    ADD_FAILURE() << "step not ready in time: " << step.name;
    p.steps.clear();
    Stop_Current_Exercise(Form_Quillon());
  }
  p.busy = false;
}

}  // namespace

void Play_Steps(std::vector<Step> steps, std::chrono::milliseconds step_limit) {
  Step_Player& p = Player();
  p.steps.assign(steps.begin(), steps.end());
  p.limit = step_limit;
  p.since = std::chrono::steady_clock::now();
  p.timer = SetTimer(nullptr, 0, 15, Step_Tick);
  Pump_Until([&p] { return p.steps.empty(); }, std::chrono::minutes(3));
  KillTimer(nullptr, p.timer);
}

forms::Form& Game_Window::Main() { return Form_Quillon(); }

void Game_Window::SetUp() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  folder = std::string(temp) + "quillon-games-" + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(folder.c_str(), nullptr);
  CreateDirectoryA((folder + "\\QLGame").c_str(), nullptr);
  CreateDirectoryA((folder + "\\QLGame\\Police").c_str(), nullptr);
  Set_Program_Folder(folder);
  Resource_Library_Path = testkit::Tutor_Folder() + "\\Lib\\artpack.dll";
  forms::Set_Message_Box_Function([this](HWND, const std::string& text, const std::string&, UINT) {
    error_boxes.push_back(text);
    return IDOK;
  });
  Set_Exit_Function([] {});
  Set_Beep_Function([this] { ++beeps; });
  Set_Picture_Box_Function([this](Picture_Box_Kind kind) {
    picture_boxes.push_back(kind);
    if (on_box) on_box();
    if (answers.empty()) return;
    const int answer = answers.front();
    answers.pop_front();
    if (kind == Picture_Box_Kind::Game_YesRetryNo) Retry_Dialog_Answer = answer;
    else Dialog_Answer = answer;
  });
  Set_Game_Clock([this] { return static_cast<double>(Tick_Count_64()) + clock_ahead; });
  Sound_Card_Present = false;
  Sound_On = 1;
  BG_Music_On = 0;
  Move_Step_Num = 3;
  for (const char* s : kSections) forms::Tutor_Settings::Delete_Section(s);
  Register_All_Screens();
  Main().Show();
  SetForegroundWindow(Main().Hwnd());
  ASSERT_TRUE(Pump_Until([this] { return GetForegroundWindow() == Main().Hwnd(); }));
}

void Game_Window::TearDown() {
  Stop_Current_Exercise(Main());
  Pump_For(100);
  Set_Game_Clock({});
  Set_Game_Random({});
  for (const char* s : kSections) forms::Tutor_Settings::Delete_Section(s);
  forms::Set_Message_Box_Function({});
  Set_Exit_Function({});
  Set_Beep_Function({});
  Set_Picture_Box_Function({});
  DeleteFileA((folder + "\\QLGame\\Police\\1.txt").c_str());
  RemoveDirectoryA((folder + "\\QLGame\\Police").c_str());
  RemoveDirectoryA((folder + "\\QLGame").c_str());
  RemoveDirectoryA(folder.c_str());
}

void Game_Window::Enter(Game_Item item) {
  Do_Menu_Item(Main(), item);
  const int panel = Number(item) + Number(Panel_Id::Police);
  ASSERT_TRUE(Pump_Until([panel] { return Current_Panel == panel && !Panel_Moving; }));
  SetForegroundWindow(Main().Hwnd());
  Pump_For(100);
}

void Game_Window::Press(WORD vk) {
  testkit::Key_Stroke({vk});
  Pump_For(40);
}

void Game_Window::Type(const std::string& text) {
  for (char c : text) {
    const SHORT scan = VkKeyScanA(c);
    const WORD vk = static_cast<WORD>(scan & 0xFF);
    if (scan & 0x100) testkit::Key_Stroke({VK_SHIFT, vk});
    else testkit::Key_Stroke({vk});
    Pump_For(25);
  }
}

POINT Game_Window::Center_Of(forms::Control& control) {
  RECT r = control.Pixel_Rect();
  POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  ClientToScreen(control.Container_Of()->Container_Hwnd(), &p);
  return p;
}

void Game_Window::Click(forms::Control& control, int button) {
  testkit::Click_At(Center_Of(control), button, Forms_Pump);
  Pump_For(250);
}

void Game_Window::Click_Only(forms::Control& control, int button) {
  testkit::Click_At(Center_Of(control), button, Forms_Pump);
}

void Game_Window::Point_At(forms::Control& control) {
  // From a point beside the target, so that the move is seen even when the pointer was there.
  POINT at = Center_Of(control);
  testkit::Mouse_To({at.x + 3, at.y + 2}, Forms_Pump);
  testkit::Mouse_To(at, Forms_Pump);
  Pump_For(150);
}

void Game_Window::Shot(const std::string& name) { Save_Window_Shot(Main().Hwnd(), name); }

void Game_Window::Write_Police_Text(const std::string& bytes, bool present) {
  const std::string path = folder + "\\QLGame\\Police\\1.txt";
  if (!present) {
    DeleteFileA(path.c_str());
    return;
  }
  testkit::Write_File(path, bytes);
}

void Game_Window::Set(const char* section, const char* key, const std::string& value) {
  forms::Tutor_Settings::Save(section, key, value);
}

std::string Game_Window::Stored(const char* section, const char* key) {
  return forms::Tutor_Settings::Get(section, key, "(none)");
}

}  // namespace quillon
