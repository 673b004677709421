#include "look_fixture.h"

#include "services/prompts.h"

#include "services/bitmaps.h"
#include "services/picture_boxes.h"

namespace quillon {

POINT Center_Of(forms::Control& control) {
  RECT r = control.Pixel_Rect();
  HWND host = control.Container_Of() ? control.Container_Of()->Container_Hwnd() : nullptr;
  POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  if (host) ClientToScreen(host, &p);
  return p;
}

POINT Client_Point(HWND window, int x_twips, int y_twips) {
  POINT p{forms::Twips_To_Pixels_X(x_twips), forms::Twips_To_Pixels_Y(y_twips)};
  ClientToScreen(window, &p);
  return p;
}

namespace {
void Forms_Pump() { forms::Do_Events(); }
}  // namespace

void Mouse_To(POINT at) { testkit::Mouse_To(at, Forms_Pump); }

void Click_At(POINT at) { testkit::Click_At(at, 1, Forms_Pump); }

namespace {
Script* g_script = nullptr;

void Close_Every_Box() {
  for (auto kind : {Picture_Box_Kind::Yes, Picture_Box_Kind::YesNo, Picture_Box_Kind::YesRetryNo,
                    Picture_Box_Kind::Game_YesNo, Picture_Box_Kind::Game_YesRetryNo,
                    Picture_Box_Kind::WubiPin}) {
    forms::Form& box = Picture_Box_Form(kind);
    if (box.Loaded()) PostMessageA(box.Hwnd(), WM_CLOSE, 0, 0);
  }
  // The ready prompt refuses every close but its own Enter: unloaded by the program instead.
  if (Form_Begin_Type().Loaded()) forms::Unload(Form_Begin_Type());
  // And every other window of the tutor that is up over the main window (dialogs, About box).
  for (forms::Form* f : forms::Loaded_Forms())
    if (f != &Form_Quillon() && f->Visible()) PostMessageA(f->Hwnd(), WM_CLOSE, 0, 0);
}
}  // namespace

Script::Script(std::vector<Step> steps, int limit_ms)
    : steps_(std::move(steps)), start_(GetTickCount()), limit_(limit_ms) {
  g_script = this;
  timer_ = SetTimer(nullptr, 0, 30, &Script::Tick);
}

Script::~Script() {
  if (timer_) KillTimer(nullptr, timer_);
  g_script = nullptr;
}

void CALLBACK Script::Tick(HWND, UINT, UINT_PTR, DWORD) {
  Script* s = g_script;
  if (!s || s->Finished()) return;
  if (static_cast<int>(GetTickCount() - s->start_) > s->limit_) {
    s->timed_out_ = true;
    s->next_ = s->steps_.size();
    Close_Every_Box();
    return;
  }
  static bool running = false;  // a step's own waits must not run the next step
  if (running) return;
  running = true;
  if (s->steps_[s->next_]()) ++s->next_;
  running = false;
}

void Save_Screen(const std::string& name) {
  std::string folder = testkit::Build_Folder() + "\\look-shots";
  CreateDirectoryA(folder.c_str(), nullptr);
  RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  testkit::Save_Screen_Bitmap(folder + "\\" + name + ".bmp", screen);
}

bool Shows_Bitmap(HWND window, const std::string& name, int x, int y, int w, int h) {
  HDC screen = GetDC(nullptr);
  HDC expected = CreateCompatibleDC(screen);
  HBITMAP canvas = CreateCompatibleBitmap(screen, w, h);
  HGDIOBJ kept = SelectObject(expected, canvas);
  ReleaseDC(nullptr, screen);
  bool drawn = Copy_Resource_Bitmap(expected, Resource_Library_Path, name);
  // What the window shows: taken from the screen where the window is.
  POINT origin{x, y};
  ClientToScreen(window, &origin);
  HDC shown = GetDC(nullptr);
  int same = 0, total = 0;
  for (int i = 1; i < 8; ++i)
    for (int j = 1; j < 8; ++j) {
      int px = w * i / 8, py = h * j / 8;
      ++total;
      if (GetPixel(expected, px, py) == GetPixel(shown, origin.x + px, origin.y + py)) ++same;
    }
  ReleaseDC(nullptr, shown);
  SelectObject(expected, kept);
  DeleteObject(canvas);
  DeleteDC(expected);
  return drawn && same == total;
}

void Look_Test::SetUp() {
  Shell_Test::SetUp();
  Move_Step_Num = 5;
  Load_Main_Form_Picture_and_Mouse_Icon(form());
  form().Show();
  SetForegroundWindow(form().Hwnd());
  Pump_Until([&] { return GetForegroundWindow() == form().Hwnd(); }, std::chrono::seconds(3));
  Mouse_To(Bare_Background());
  Pump_Until([] { return false; }, std::chrono::milliseconds(100));
  calls.clear();
}

void Look_Test::TearDown() {
  Set_Animation_Watcher({});
  Shell_Test::TearDown();
}

void Look_Test::Open_Menu_By_Click(int button, int menu) {
  Click_At(Center_Of(Button(button)));
  ASSERT_TRUE(Pump_Until([&] { return Open_PopMenu == menu && !PopMenu_Opening &&
                                      Outer(menu).Visible() && Outer(menu).Height() > 0; }))
      << "menu " << menu;
}

POINT Look_Test::Bare_Background() { return Client_Point(Background().Hwnd(), 4500, 1350); }

int Look_Test::Visible_Menu_Count() {
  int n = 0;
  for (int m = 0; m < 5; ++m) n += Outer(m).Visible() ? 1 : 0;
  return n;
}

int Look_Test::Visible_Panel_Count() {
  int n = 0;
  for (int i = 0; i < kPanelCount; ++i) n += Panel(i).Visible() ? 1 : 0;
  return n;
}

}  // namespace quillon
