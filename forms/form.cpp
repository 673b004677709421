#include "forms/form.h"

#include <algorithm>

#include "forms/media.h"
#include "forms/pump.h"
#include "forms/timer.h"
#include "forms/units.h"
#include "internal.h"

namespace forms {

using detail::Busy;
using detail::Fire;

namespace {

std::vector<Form*>& All_Forms() {
  static std::vector<Form*> forms;
  return forms;
}

std::vector<Form*>& Load_Order() {
  static std::vector<Form*> order;
  return order;
}

bool Same_Name(const std::string& a, const std::string& b) {
  return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

}  // namespace

// What an unloaded form leaves behind until its handlers have returned.
struct Form::Graveyard {
  HWND hwnd = nullptr;
  std::vector<std::unique_ptr<Control>> controls;
  HDC surface_dc = nullptr;
  HBITMAP surface_bitmap = nullptr;
  HGDIOBJ surface_old = nullptr;
  HWND tooltip = nullptr;

  ~Graveyard() {
    if (hwnd && IsWindow(hwnd)) {
      detail::Unbind_Form_Window(hwnd);
      DestroyWindow(hwnd);
    }
    if (tooltip && IsWindow(tooltip)) DestroyWindow(tooltip);
    // Children before their containers.
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) it->reset();
    controls.clear();
    if (surface_dc) {
      SelectObject(surface_dc, surface_old);
      DeleteDC(surface_dc);
    }
    if (surface_bitmap) DeleteObject(surface_bitmap);
  }
};

Form::Form() { All_Forms().push_back(this); }

Form::~Form() {
  auto& all = All_Forms();
  all.erase(std::remove(all.begin(), all.end(), this), all.end());
  auto& order = Load_Order();
  order.erase(std::remove(order.begin(), order.end(), this), order.end());
  if (hwnd_) {
    busy_ = 0;
    Finish_Unload();
  }
  graves_.clear();
}

void Form::Enter_Handler() {
  ++busy_;
  detail::Depth_Enter();
}

void Form::Leave_Handler() {
  --busy_;
  detail::Depth_Leave();
  if (busy_ == 0 && !graves_.empty()) Bury_Ready_Graves();
}

void Form::Bury_Ready_Graves() {
  if (busy_ != 0 || graves_.empty()) return;
  // Destroying windows sends messages that mark the form busy again: take the graves out first.
  auto graves = std::move(graves_);
  graves_.clear();
  ++busy_;
  graves.clear();
  --busy_;
}

void Collect_Garbage() {
  const std::vector<Form*> forms = All_Forms();  // burying may create or end forms
  for (Form* f : forms) {
    auto& all = All_Forms();
    if (std::find(all.begin(), all.end(), f) != all.end()) f->Bury_Ready_Graves();
  }
}

std::vector<Form*> Loaded_Forms() {
  std::vector<Form*> out;
  for (Form* f : Load_Order())
    if (f->Loaded()) out.push_back(f);
  return out;
}

Form* Active_Form() { return Form::From_Window(GetActiveWindow()); }

Form* Form::From_Window(HWND hwnd) {
  if (!hwnd) return nullptr;
  HWND root = GetAncestor(hwnd, GA_ROOT);
  if (!root) root = hwnd;
  Form* f = detail::Form_Window_Object(root);
  if (!f) return nullptr;
  auto& all = All_Forms();
  if (std::find(all.begin(), all.end(), f) == all.end()) return nullptr;
  return f->hwnd_ == root ? f : nullptr;
}

// ---------------------------------------------------------------------------------------------
// Window

namespace {

LRESULT CALLBACK Form_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTA*>(lp);
    detail::Bind_Form_Window(hwnd, static_cast<Form*>(cs->lpCreateParams));
  }
  Form* form = detail::Form_Window_Object(hwnd);
  if (msg == WM_NCDESTROY) detail::Unbind_Form_Window(hwnd);
  if (!form) {
    if (msg == WM_PAINT) {
      PAINTSTRUCT ps;
      BeginPaint(hwnd, &ps);
      EndPaint(hwnd, &ps);
      return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
  }
  return form->Window_Message(hwnd, msg, wp, lp);
}

}  // namespace

LRESULT Form::Window_Message(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) hwnd_ = hwnd;
  if (hwnd != hwnd_) return DefWindowProcA(hwnd, msg, wp, lp);
  detail::Busy busy(this);
  switch (msg) {
    case WM_ACTIVATE:
      if (LOWORD(wp) != WA_INACTIVE) {
        activated_from_ = reinterpret_cast<HWND>(lp);
        LRESULT r = DefWindowProcA(hwnd, msg, wp, lp);
        // Back to the control that had the focus when the form was last active.
        Control* last = last_focus_;
        if (last && detail::Control_Alive(last) && &last->Parent_Form() == this && last->Hwnd() &&
            IsWindowVisible(last->Hwnd()) && IsWindowEnabled(last->Hwnd()) && !IsIconic(hwnd))
          SetFocus(last->Hwnd());
        if (On_Activate && !loading_) Fire(On_Activate);
        return r;
      }
      if (On_Deactivate) Fire(On_Deactivate);
      break;
    case WM_CLOSE:
      if (Fire_Unload_Events(Unload_From_Close)) Finish_Unload();
      return 0;
    case WM_SIZE:
      Ensure_Surface();
      if (On_Resize && !loading_) Fire(On_Resize);
      return 0;
    case WM_PAINT: {
      bool handled = false;
      LRESULT r = Container_Message(hwnd, msg, wp, lp, handled);
      if (On_Paint) Fire(On_Paint);
      return r;
    }
  }
  bool handled = false;
  LRESULT r = Container_Message(hwnd, msg, wp, lp, handled);
  if (handled) return r;
  return DefWindowProcA(hwnd, msg, wp, lp);
}

void Form::Self_Mouse(int kind, int button, int shift, int x, int y) {
  detail::Fire_Mouse_Event(*this, kind, button, shift, x, y);
}

void Form::Self_Mouse_Leave() {
  if (On_Mouse_Leave) Fire(On_Mouse_Leave);
}

// ---------------------------------------------------------------------------------------------
// Life cycle

void Form::Load() {
  if (hwnd_ || loading_) return;
  detail::Busy busy(this);
  if (!initialized_) {
    initialized_ = true;
    if (On_Initialize) Fire(On_Initialize);
    if (hwnd_) return;
  }
  loading_ = true;
  detail::Register_Class(Window_Class, Form_Proc);
  DWORD style = WS_CLIPCHILDREN;
  DWORD ex = 0;
  switch (Border) {
    case Border_Style::None:
      style |= WS_POPUP;
      break;
    case Border_Style::Fixed_Single:
      style |= WS_POPUP | WS_CAPTION;
      break;
    case Border_Style::Sizable:
      style |= WS_OVERLAPPEDWINDOW & ~(WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_SYSMENU);
      break;
    case Border_Style::Fixed_Dialog:
      style |= WS_POPUP | WS_CAPTION | DS_MODALFRAME;
      ex |= WS_EX_DLGMODALFRAME;
      break;
    case Border_Style::Tool:
      style |= WS_POPUP | WS_CAPTION;
      ex |= WS_EX_TOOLWINDOW;
      break;
  }
  if (Border != Border_Style::None && Control_Box) style |= WS_SYSMENU;
  if (Border != Border_Style::None && Min_Button) style |= WS_MINIMIZEBOX;
  if (Border != Border_Style::None && Max_Button) style |= WS_MAXIMIZEBOX;
  if (Show_In_Taskbar) ex |= WS_EX_APPWINDOW;
  else if (Border != Border_Style::Tool) ex |= WS_EX_TOOLWINDOW;
  if (Topmost) ex |= WS_EX_TOPMOST;
  int x = Twips_To_Pixels_X(design_left_), y = Twips_To_Pixels_Y(design_top_);
  int w = Twips_To_Pixels_X(design_width_), h = Twips_To_Pixels_Y(design_height_);
  HWND hwnd = CreateWindowExA(ex, Window_Class.c_str(), caption_.c_str(), style, x, y, w, h,
                              nullptr, nullptr, detail::Instance(), this);
  if (!hwnd) {
    loading_ = false;
    throw Runtime_Error(7, "Out of memory");
  }
  hwnd_ = hwnd;
  positioned_ = false;
  keys_pressed_.reset();
  Ensure_Surface();
  auto& order = Load_Order();
  order.erase(std::remove(order.begin(), order.end(), this), order.end());
  order.push_back(this);
  if (On_Design) Fire(On_Design);
  loading_ = false;
  if (!hwnd_) return;
  if (On_Load) Fire(On_Load);
}

void Form::Apply_Start_Position(HWND owner) {
  if (Position == Start_Up_Position::Center_Screen) Center(nullptr);
  else if (Position == Start_Up_Position::Center_Owner) Center(owner);
}

bool Form::Visible() const { return hwnd_ && IsWindowVisible(hwnd_); }

void Form::Show(HWND owner) {
  detail::Busy busy(this);
  Load();
  if (!hwnd_) return;
  if (owner) SetWindowLongPtrA(hwnd_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
  if (!positioned_) {
    positioned_ = true;
    Apply_Start_Position(owner);
  }
  // The keys must reach the window that is activated here wherever the pointer rests. In
  // Wine's virtual desktop no window is "managed", so every activation and focus change asks
  // the X server for the keyboard focus on the window (winex11.drv: X11DRV_SetFocus,
  // set_input_focus, XSetInputFocus), stamped with the time of the last message this thread
  // took from its queue. After a long load (this form's, or the splash's wait) that time can be
  // older than the X server's last focus change (the splash's activation): the X server then
  // ignores the request, and once the window that had the X focus goes, the focus falls back to
  // the desktop's X window. Keys typed with the pointer outside this window then land on the
  // desktop window, whose keys Wine drops (the desktop window has no thread to queue them to).
  // A fresh message makes the stamp "now". Harmless on Windows.
  detail::Take_Fresh_Message();
  ShowWindow(hwnd_, SW_SHOW);
  if (hwnd_ && IsWindowEnabled(hwnd_)) SetActiveWindow(hwnd_);
  if (hwnd_) UpdateWindow(hwnd_);
}

void Form::Show_Modal(HWND owner) {
  if (Visible() && modal_depth_ == 0)
    throw Runtime_Error(400, "Form already displayed; can't show modally");
  if (modal_depth_ > 0) return;
  HWND previous = GetActiveWindow();
  Load();
  if (!hwnd_) return;
  // Every other window of the thread waits while the form is up.
  struct Enum_State {
    HWND self;
    std::vector<HWND>* list;
  } state{hwnd_, &disabled_};
  disabled_.clear();
  struct Enum {
    static BOOL CALLBACK Disable(HWND w, LPARAM p) {
      auto* s = reinterpret_cast<Enum_State*>(p);
      if (w != s->self && IsWindowVisible(w) && IsWindowEnabled(w)) {
        EnableWindow(w, FALSE);
        s->list->push_back(w);
      }
      return TRUE;
    }
  };
  EnumThreadWindows(GetCurrentThreadId(), &Enum::Disable, reinterpret_cast<LPARAM>(&state));
  ++modal_depth_;
  if (owner) SetWindowLongPtrA(hwnd_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
  if (!positioned_) {
    positioned_ = true;
    Apply_Start_Position(owner ? owner : previous);
  }
  detail::Take_Fresh_Message();  // as in Show: the X keyboard focus follows the activation
  ShowWindow(hwnd_, SW_SHOW);
  SetActiveWindow(hwnd_);
  UpdateWindow(hwnd_);
  MSG msg;
  bool quit = false;
  while (hwnd_ && IsWindowVisible(hwnd_)) {
    Collect_Garbage();
    BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got <= 0) {
      quit = got == 0;
      break;
    }
    Process_Message(msg);
  }
  --modal_depth_;
  Restore_Disabled();
  if (previous && IsWindow(previous) && IsWindowVisible(previous) && IsWindowEnabled(previous))
    SetActiveWindow(previous);
  if (quit) PostQuitMessage(static_cast<int>(msg.wParam));
  Collect_Garbage();
}

void Form::Restore_Disabled() {
  auto list = std::move(disabled_);
  disabled_.clear();
  for (HWND w : list)
    if (IsWindow(w)) EnableWindow(w, TRUE);
}

void Form::Hide() {
  if (!hwnd_) Load();
  if (!hwnd_) return;
  if (modal_depth_ > 0) Restore_Disabled();
  ShowWindow(hwnd_, SW_HIDE);
}

void Form::Unload() {
  if (!hwnd_ || unloading_) return;
  detail::Busy busy(this);
  if (!Fire_Unload_Events(Unload_From_Code)) return;
  Finish_Unload();
}

bool Form::Fire_Unload_Events(int mode) {
  if (unloading_) return false;
  unloading_ = true;
  int cancel = 0;
  if (On_Query_Unload) Fire([&] { On_Query_Unload(cancel, mode); });
  if (cancel == 0 && On_Unload) Fire([&] { On_Unload(cancel); });
  unloading_ = false;
  return cancel == 0 && hwnd_ != nullptr;
}

void Form::Finish_Unload() {
  if (!hwnd_) return;
  HWND hwnd = hwnd_;
  for (auto& c : controls_) {
    if (auto* t = dynamic_cast<Timer*>(c.get())) t->Stop_For_Unload();
    if (auto* m = dynamic_cast<Media_Control*>(c.get())) {
      if (m->Is_Open()) m->Command("Close");
    }
  }
  if (modal_depth_ > 0) Restore_Disabled();
  if (GetCapture() && GetAncestor(GetCapture(), GA_ROOT) == hwnd) ReleaseCapture();
  ShowWindow(hwnd, SW_HIDE);
  detail::Unbind_Form_Window(hwnd);
  auto grave = std::make_unique<Graveyard>();
  grave->hwnd = hwnd;
  for (auto& c : controls_) detail::Control_Died(c.get());
  grave->controls = std::move(controls_);
  controls_.clear();
  children_.clear();
  hover_ = pressed_ = nullptr;
  last_focus_ = nullptr;
  pressed_self_ = false;
  pressed_button_ = 0;
  tracking_ = false;
  grave->surface_dc = surface_dc_;
  grave->surface_bitmap = surface_bitmap_;
  grave->surface_old = surface_old_;
  grave->tooltip = tooltip_;
  surface_dc_ = nullptr;
  surface_bitmap_ = nullptr;
  surface_old_ = nullptr;
  surface_w_ = surface_h_ = 0;
  tooltip_ = nullptr;
  picture_ = Picture();
  hwnd_ = nullptr;
  graves_.push_back(std::move(grave));
  auto& order = Load_Order();
  order.erase(std::remove(order.begin(), order.end(), this), order.end());
  Bury_Ready_Graves();
}

// ---------------------------------------------------------------------------------------------
// Properties

void Form::Set_Caption(const std::string& caption) {
  caption_ = caption;
  if (hwnd_) SetWindowTextA(hwnd_, caption.c_str());
}

std::string Form::Caption() const { return caption_; }

int Form::Left() const {
  if (!hwnd_) return design_left_;
  RECT r;
  GetWindowRect(hwnd_, &r);
  return Pixels_To_Twips_X(r.left);
}

int Form::Top() const {
  if (!hwnd_) return design_top_;
  RECT r;
  GetWindowRect(hwnd_, &r);
  return Pixels_To_Twips_Y(r.top);
}

int Form::Width() const {
  if (!hwnd_) return design_width_;
  RECT r;
  GetWindowRect(hwnd_, &r);
  return Pixels_To_Twips_X(r.right - r.left);
}

int Form::Height() const {
  if (!hwnd_) return design_height_;
  RECT r;
  GetWindowRect(hwnd_, &r);
  return Pixels_To_Twips_Y(r.bottom - r.top);
}

void Form::Move(int left, int top, int width, int height) {
  if (width < 0) width = Width();
  if (height < 0) height = Height();
  design_left_ = left;
  design_top_ = top;
  design_width_ = width;
  design_height_ = height;
  if (hwnd_) {
    MoveWindow(hwnd_, Twips_To_Pixels_X(left), Twips_To_Pixels_Y(top), Twips_To_Pixels_X(width),
               Twips_To_Pixels_Y(height), TRUE);
  }
}

void Form::Set_Client_Size(int width, int height) {
  RECT r{0, 0, Twips_To_Pixels_X(width), Twips_To_Pixels_Y(height)};
  if (hwnd_) {
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrA(hwnd_, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(hwnd_, GWL_EXSTYLE)));
  } else {
    DWORD style = Border == Border_Style::None ? WS_POPUP : WS_POPUP | WS_CAPTION;
    if (Border == Border_Style::Sizable) style |= WS_THICKFRAME;
    if (Border == Border_Style::Fixed_Dialog) style |= DS_MODALFRAME;
    AdjustWindowRectEx(&r, style, FALSE,
                       Border == Border_Style::Fixed_Dialog ? WS_EX_DLGMODALFRAME : 0);
  }
  Move(Left(), Top(), Pixels_To_Twips_X(r.right - r.left), Pixels_To_Twips_Y(r.bottom - r.top));
}

void Form::Center(HWND over) {
  RECT area;
  if (over && IsWindow(over) && IsWindowVisible(over) && !IsIconic(over)) {
    GetWindowRect(over, &area);
  } else {
    area = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  }
  int w = Twips_To_Pixels_X(Width()), h = Twips_To_Pixels_Y(Height());
  int x = area.left + (area.right - area.left - w) / 2;
  int y = area.top + (area.bottom - area.top - h) / 2;
  Move(Pixels_To_Twips_X(x), Pixels_To_Twips_Y(y));
}

void Form::Set_Mouse_Icon(HCURSOR cursor) { cursor_ = cursor; }

void Form::Set_Icon(HICON icon) {
  if (!hwnd_) Load();
  if (!hwnd_) return;
  SendMessageA(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  SendMessageA(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

void Form::Set_Focus() {
  if (!hwnd_ || !IsWindowVisible(hwnd_) || !IsWindowEnabled(hwnd_))
    throw Runtime_Error(5, "Invalid procedure call or argument");
  SetFocus(hwnd_);
}

int Form::Window_State() const {
  if (!hwnd_) return 0;
  if (IsIconic(hwnd_)) return 1;
  if (IsZoomed(hwnd_)) return 2;
  return 0;
}

void Form::Set_Window_State(int state) {
  if (!hwnd_) Load();
  if (!hwnd_) return;
  ShowWindow(hwnd_, state == 1 ? SW_MINIMIZE : state == 2 ? SW_MAXIMIZE : SW_RESTORE);
}

void Form::Set_Topmost(bool topmost) {
  Topmost = topmost;
  if (hwnd_)
    SetWindowPos(hwnd_, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Form::Set_Enabled(bool enabled) {
  if (!hwnd_) Load();
  if (hwnd_) EnableWindow(hwnd_, enabled);
}

// ---------------------------------------------------------------------------------------------
// Controls

void Form::Adopt(std::unique_ptr<Control> control, const std::string& name, int index,
                 Container* container) {
  if (!hwnd_) Load();
  if (!hwnd_) throw Runtime_Error(364, "Object was unloaded");
  if (index >= 0 && Find(name, index))
    throw Runtime_Error(360, "Object already loaded");
  Control* c = control.get();
  controls_.push_back(std::move(control));
  c->Bind(this, container ? container : this, name, index);
  c->Create_Window();
  if (c->Windowless()) c->Refresh();
}

Control* Form::Find(const std::string& name, int index) {
  if (!hwnd_) Load();
  for (auto& c : controls_)
    if (c->Index() == index && Same_Name(c->Name(), name)) return c.get();
  return nullptr;
}

Control* Form::Find_Or_Throw(const std::string& name, int index) {
  if (Control* c = Find(name, index)) return c;
  for (auto& c : controls_)
    if (Same_Name(c->Name(), name))
      throw Runtime_Error(340, "Control array element '" + std::to_string(index) +
                                   "' doesn't exist");
  throw Runtime_Error(730, "Control '" + name + "' not found");
}

std::vector<Control*> Form::Array(const std::string& name) {
  if (!hwnd_) Load();
  std::vector<Control*> out;
  for (auto& c : controls_)
    if (Same_Name(c->Name(), name)) out.push_back(c.get());
  std::sort(out.begin(), out.end(),
            [](Control* a, Control* b) { return a->Index() < b->Index(); });
  return out;
}

void Form::Remove(const std::string& name, int index) {
  if (!hwnd_) return;
  Control* victim = nullptr;
  for (auto& c : controls_)
    if (c->Index() == index && Same_Name(c->Name(), name)) victim = c.get();
  if (!victim) return;
  // The victim and everything that sits on it.
  std::vector<Control*> doomed{victim};
  for (size_t i = 0; i < doomed.size(); ++i) {
    auto* box = dynamic_cast<Container*>(doomed[i]);
    if (!box) continue;
    for (auto& c : controls_)
      if (c->Container_Of() == box) doomed.push_back(c.get());
  }
  auto grave = std::make_unique<Graveyard>();
  for (Control* c : doomed) {
    if (auto* t = dynamic_cast<Timer*>(c)) t->Stop_For_Unload();
    if (auto* m = dynamic_cast<Media_Control*>(c)) {
      if (m->Is_Open()) m->Command("Close");
    }
    if (c->Hwnd()) ShowWindow(c->Hwnd(), SW_HIDE);
    if (c->Container_Of()) c->Container_Of()->Remove_Child(c);
    if (hover_ == c) hover_ = nullptr;
    if (pressed_ == c) pressed_ = nullptr;
    if (last_focus_ == c) last_focus_ = nullptr;
    detail::Control_Died(c);
  }
  if (victim->Windowless()) {
    RECT r = victim->Pixel_Rect();
    if (HWND host = victim->Container_Of() ? victim->Container_Of()->Container_Hwnd() : nullptr)
      InvalidateRect(host, &r, FALSE);
  }
  for (auto it = controls_.begin(); it != controls_.end();) {
    if (std::find(doomed.begin(), doomed.end(), it->get()) != doomed.end()) {
      grave->controls.push_back(std::move(*it));
      it = controls_.erase(it);
    } else {
      ++it;
    }
  }
  graves_.push_back(std::move(grave));
  Bury_Ready_Graves();
}

Timer& Form::Add_Timer(const std::string& name, int interval_ms, bool enabled, int index) {
  Timer& t = Add<Timer>(name, index);
  t.Set_Interval(interval_ms);
  t.Set_Enabled(enabled);
  return t;
}

Timer& Form::Get_Timer(const std::string& name, int index) { return Get<Timer>(name, index); }

Control* Form::Active_Control() const {
  Control* c = detail::Control_Of(GetFocus());
  return c && &c->Parent_Form() == this ? c : nullptr;
}

void Form::Control_Removed(Control* c) {
  if (c->Container_Of()) c->Container_Of()->Remove_Child(c);
}

// ---------------------------------------------------------------------------------------------
// Keys

bool Form::Dispatch_Key(MSG& msg, Control* target) {
  detail::Busy busy(this);
  int shift = Shift_State();
  if ((msg.message == WM_SYSKEYDOWN || msg.message == WM_SYSKEYUP) && (msg.lParam & (1 << 29)))
    shift |= 4;  // the key's own record says Alt was held
  const bool to_form = Key_Preview || (target == nullptr && msg.hwnd == hwnd_);
  switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      const bool down = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
      int key = static_cast<int>(msg.wParam);
      auto& form_handler = down ? On_Key_Down : On_Key_Up;
      bool own = true;
      if (key >= 0 && key < 256) {
        own = down || keys_pressed_.test(static_cast<size_t>(key));
        keys_pressed_.set(static_cast<size_t>(key), down);
      }
      if (to_form && form_handler && (own || !Own_Key_Ups)) Fire([&] { form_handler(key, shift); });
      if (key == 0) return false;
      if (target && detail::Control_Alive(target)) {
        auto& handler = down ? target->On_Key_Down : target->On_Key_Up;
        if (handler) Fire([&] { handler(key, shift); });
        if (key == 0) return false;
      }
      return true;
    }
    case WM_CHAR:
    case WM_IME_CHAR: {
      int ascii = static_cast<int>(msg.wParam);
      if (to_form && On_Key_Press) Fire([&] { On_Key_Press(ascii); });
      if (ascii == 0) return false;
      if (target && detail::Control_Alive(target) && target->On_Key_Press) {
        Fire([&] { target->On_Key_Press(ascii); });
        if (ascii == 0) return false;
      }
      msg.wParam = static_cast<WPARAM>(ascii);
      return true;
    }
  }
  return true;
}

}  // namespace forms
