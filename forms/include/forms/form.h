#pragma once
// Forms: top-level windows with the event model the tutor is written against.
//
// A Form object lives as long as its owner keeps it (usually for the whole run); its window and
// controls exist while it is loaded. Life cycle:
//   Initialize  once, at the first Load (On_Initialize);
//   Load        window created hidden, On_Design adds the controls, then On_Load;
//   Show        Load if needed, show; each activation of the window fires On_Activate;
//   Unload      On_Query_Unload(cancel, mode) and On_Unload(cancel) may cancel; otherwise the
//               form is hidden and its timers stop at once, and its window and controls are
//               destroyed once no handler of the form is running any more (a form unloaded from
//               its own handler, or inside a nested pump, stays valid until that returns).
// Using Add/Get on an unloaded form loads it first (as the first use of a form loads it).
//
// Focus: a form that is activated again gives the focus back to the control that had it.
//
// Keys: with Key_Preview the form's On_Key_Down / On_Key_Press / On_Key_Up see every key first,
// system keys included (Alt+F4 arrives as key 115 with shift 4, Alt+F1 as 112 with shift 4),
// then the control that has the focus. A double-byte character makes one key press whose code is
// lead byte * 256 + trail byte (for example 0xD6D0 for "中"); a handler may change the code.
// Setting the key code (or character) to 0 swallows it:
// a swallowed key-down reaches no control, produces no key press and, for Alt+F4, no close.

#include <windows.h>

#include <bitset>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms/control.h"
#include "forms/errors.h"

namespace forms {

class Timer;

enum class Border_Style { None = 0, Fixed_Single = 1, Sizable = 2, Fixed_Dialog = 3, Tool = 4 };
enum class Start_Up_Position { Manual = 0, Center_Owner = 1, Center_Screen = 2 };
// Unload modes passed to On_Query_Unload.
constexpr int Unload_From_Close = 0;  // the window's close (system menu, Alt+F4, WM_CLOSE)
constexpr int Unload_From_Code = 1;   // Unload() called by the program

class Form : public Container {
 public:
  Form();
  ~Form() override;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  // Design properties: set before the first Load (or in On_Design, before the window shows).
  Border_Style Border = Border_Style::Fixed_Single;
  Start_Up_Position Position = Start_Up_Position::Manual;
  bool Key_Preview = false;
  bool Show_In_Taskbar = true;
  bool Control_Box = true;
  bool Min_Button = false;
  bool Max_Button = false;
  bool Topmost = false;
  // The form's On_Key_Up sees only the releases of keys whose press this form's window saw, so
  // that a key that closed one window and opened another acts in one window only.
  bool Own_Key_Ups = false;
  std::string Window_Class = "QLForm";  // registered by the runtime on first use

  // Events.
  std::function<void()> On_Initialize;
  std::function<void()> On_Design;  // add the controls (runs at every Load)
  std::function<void()> On_Load;
  std::function<void()> On_Activate;
  std::function<void()> On_Deactivate;
  std::function<void(int& cancel, int unload_mode)> On_Query_Unload;
  std::function<void(int& cancel)> On_Unload;
  std::function<void()> On_Resize;
  std::function<void()> On_Paint;  // after the surface and windowless controls were drawn
  std::function<void()> On_Click;
  std::function<void()> On_Dbl_Click;
  Mouse_Handler On_Mouse_Down, On_Mouse_Up, On_Mouse_Move;
  std::function<void()> On_Mouse_Leave;
  Key_Handler On_Key_Down, On_Key_Up;
  Key_Press_Handler On_Key_Press;

  // Life cycle.
  void Load();
  void Show(HWND owner = nullptr);        // modeless
  void Show_Modal(HWND owner = nullptr);  // returns once the form is unloaded or hidden
  void Hide();
  void Unload();                          // fires the unload events; may be cancelled
  bool Loaded() const { return hwnd_ != nullptr; }
  bool Visible() const;
  bool Is_Modal() const { return modal_depth_ > 0; }
  // The window that was active before this form's last activation (null when it belonged to
  // another program's thread or there was none); valid inside On_Activate.
  HWND Activated_From() const { return activated_from_; }
  HWND Hwnd() const { return hwnd_; }
  HWND Container_Hwnd() const override { return hwnd_; }

  // Caption, geometry (twips; the window's outer rectangle, in screen coordinates).
  void Set_Caption(const std::string& caption);
  std::string Caption() const;
  int Left() const;
  int Top() const;
  int Width() const;
  int Height() const;
  void Move(int left, int top, int width = -1, int height = -1);
  void Set_Client_Size(int width, int height);  // client area in twips
  void Center(HWND over = nullptr);             // over a window, or the screen when null
  void Set_Mouse_Icon(HCURSOR cursor);          // pointer over the form's own surface
  void Set_Icon(HICON icon);
  void Set_Focus();
  void Set_Enabled(bool enabled);
  // Window state: 0 normal, 1 minimised, 2 maximised.
  int Window_State() const;
  void Set_Window_State(int state);
  // Above all other windows (or not), now; the Topmost design property does it at load.
  void Set_Topmost(bool topmost);

  // Controls by name and index (control arrays). Add creates one; Get finds it or throws
  // Runtime_Error 340 ("Control array element 'n' doesn't exist") / 730 ("Control 'x' not found").
  template <typename T>
  T& Add(const std::string& name, int index = -1, Container* container = nullptr) {
    auto control = std::make_unique<T>();
    T& ref = *control;
    Adopt(std::move(control), name, index, container);
    return ref;
  }
  Control* Find(const std::string& name, int index = -1);
  template <typename T>
  T& Get(const std::string& name, int index = -1) {
    Control* c = Find_Or_Throw(name, index);
    T* t = dynamic_cast<T*>(c);
    if (!t) throw Runtime_Error(13, "Type mismatch");
    return *t;
  }
  std::vector<Control*> Array(const std::string& name);  // members in index order
  // Removes a control (and, for a picture box, the controls on it); it is destroyed once no
  // handler of the form runs any more. Nothing happens when it does not exist.
  void Remove(const std::string& name, int index = -1);
  Timer& Add_Timer(const std::string& name, int interval_ms = 0, bool enabled = false,
                   int index = -1);
  Timer& Get_Timer(const std::string& name, int index = -1);
  const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }
  Control* Active_Control() const;  // the control that has the focus, or null

  // Internal.
  void Enter_Handler();
  void Leave_Handler();
  int Busy() const { return busy_; }
  LRESULT Window_Message(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  bool Dispatch_Key(MSG& msg, Control* target);  // false: swallowed
  static Form* From_Window(HWND hwnd);            // the form whose window (or child) this is
  void Control_Removed(Control* c);
  void Remember_Focus(Control* c) { last_focus_ = c; }

 protected:
  Form& Owner_Form() override { return *this; }
  void Self_Mouse(int kind, int button, int shift, int x, int y) override;
  void Self_Mouse_Leave() override;
  HCURSOR Self_Cursor() const override { return cursor_; }

 private:
  void Adopt(std::unique_ptr<Control> control, const std::string& name, int index,
             Container* container);
  Control* Find_Or_Throw(const std::string& name, int index);
  bool Fire_Unload_Events(int mode);
  void Finish_Unload();
  void Apply_Start_Position(HWND owner);
  void Restore_Disabled();

  HWND hwnd_ = nullptr;
  bool initialized_ = false;
  bool loading_ = false;
  bool positioned_ = false;  // start-up position applied since the last load
  int busy_ = 0;
  int modal_depth_ = 0;
  bool unloading_ = false;
  HCURSOR cursor_ = nullptr;
  HWND activated_from_ = nullptr;
  Control* last_focus_ = nullptr;
  std::string caption_;
  int design_left_ = 0, design_top_ = 0, design_width_ = 4800, design_height_ = 3600;
  std::vector<HWND> disabled_;
  std::bitset<256> keys_pressed_;  // keys pressed in this form and not yet released
  std::vector<std::unique_ptr<Control>> controls_;
  struct Graveyard;
  std::vector<std::unique_ptr<Graveyard>> graves_;

 public:
  void Bury_Ready_Graves();  // internal
};

// The forms loaded now, in load order.
std::vector<Form*> Loaded_Forms();
// The tutor form of the active window, or null.
Form* Active_Form();
// Unload(form): the runtime's Unload statement.
inline void Unload(Form& form) { form.Unload(); }
// Destroys the windows and controls of unloaded forms whose handlers have all returned.
void Collect_Garbage();

}  // namespace forms
