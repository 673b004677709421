#pragma once
// The main window shown on the test desktop and driven with real pointer and key input.

#include <functional>
#include <string>
#include <vector>

#include "shell_fixture.h"

#include "shell/command_tables.h"
#include "shell/function_bar.h"
#include "shell/panel_slides.h"
#include "shell/skin.h"

namespace quillon {

// Screen point at the centre of a control (windowless or windowed), or of a rectangle in twips
// inside a window's client area.
POINT Center_Of(forms::Control& control);
POINT Client_Point(HWND window, int x_twips, int y_twips);

// The testkit's real input; the pointer moves pump through the forms runtime.
void Mouse_To(POINT at);
void Click_At(POINT at);
using testkit::Key;
using testkit::Key_Stroke;
using testkit::Mouse_Button;
using testkit::Send_Move;

// Runs steps from a thread timer while a modal loop (a box's) runs; each step returns true when
// it is done, false to be tried again at the next tick. After `limit` the script stops and posts
// a close to every visible box, so a test never hangs.
class Script {
 public:
  using Step = std::function<bool()>;
  explicit Script(std::vector<Step> steps, int limit_ms = 15000);
  ~Script();
  bool Finished() const { return next_ >= steps_.size(); }
  bool Timed_Out() const { return timed_out_; }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD);
  std::vector<Step> steps_;
  size_t next_ = 0;
  DWORD start_;
  int limit_;
  bool timed_out_ = false;
  UINT_PTR timer_ = 0;
};

// Saves the screen as a bitmap file build\look-shots\<name>.bmp (for a person to look at).
void Save_Screen(const std::string& name);

// True when the window shows the named bitmap at (x, y) pixels of its client area, checked at a
// grid of points of the rectangle (w x h pixels from there).
bool Shows_Bitmap(HWND window, const std::string& name, int x, int y, int w, int h);

class Look_Test : public Shell_Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  forms::Image& Button(int i) { return form().Get<forms::Image>("Image_Function_Module", i); }
  forms::Picture_Box& Outer(int m) { return form().Get<forms::Picture_Box>("Picture_BG_PopMenu_BG", m); }
  forms::Picture_Box& Inner(int m) { return form().Get<forms::Picture_Box>("Picture_BG_PopMenu", m); }
  forms::Picture_Box& Background() { return form().Get<forms::Picture_Box>("Picture_Background"); }
  // Clicks a function-bar button and waits until its menu has unrolled.
  void Open_Menu_By_Click(int button, int menu);
  // A point of the background away from every button and menu.
  POINT Bare_Background();
  int Visible_Menu_Count();
  int Visible_Panel_Count();
};

}  // namespace quillon
