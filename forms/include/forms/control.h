#pragma once
// Controls. Every control belongs to one form, has a name and an index (control arrays such as
// Picture_BG(0..11); -1 when not an array member) and sits on a container: the form itself or a
// picture box. Geometry is in twips relative to the container's client area.
//
// Windowed controls (Picture_Box, Rich_Text_Box, Native_Control) are child windows. Windowless
// controls (Image, Label) are drawn by their container over its persistent surface, in z-order;
// they are transparent where they draw nothing, and the container routes mouse events to the
// topmost visible, enabled windowless control under the pointer (hover: Mouse_Move; when the
// pointer moves on to something else: Mouse_Leave).
//
// Controls are created by Form::Add<T>() (usually in the form's On_Design) and live until the
// form is unloaded; a reload designs fresh controls.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "forms/picture.h"

namespace forms {

class Form;
class Container;

// Mouse event: button 1 left, 2 right, 4 middle; shift mask 1 Shift, 2 Ctrl, 4 Alt; x, y in
// twips relative to the control.
using Mouse_Handler = std::function<void(int button, int shift, int x, int y)>;
constexpr int kLeftButton = 1, kRightButton = 2, kMiddleButton = 4;
// Key events: key code (virtual key) or character code, by reference: set to 0 to swallow.
using Key_Handler = std::function<void(int& key_code, int shift)>;
using Key_Press_Handler = std::function<void(int& key_ascii)>;

class Control {
 public:
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& Name() const { return name_; }
  int Index() const { return index_; }
  Form& Parent_Form() const { return *form_; }
  Container* Container_Of() const { return container_; }

  // Geometry in twips. Move with -1 keeps that value.
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void Move(int left, int top, int width = -1, int height = -1);
  void Set_Left(int v) { Move(v, top_); }
  void Set_Top(int v) { Move(left_, v); }
  void Set_Width(int v) { Move(left_, top_, v, height_); }
  void Set_Height(int v) { Move(left_, top_, width_, v); }
  RECT Pixel_Rect() const;  // in the container's client pixels

  bool Visible() const { return visible_; }
  virtual void Set_Visible(bool visible);
  bool Enabled() const { return enabled_; }
  virtual void Set_Enabled(bool enabled);

  // Z-order: 0 to the front, 1 to the back (among the container's controls of the same kind).
  void Z_Order(int position = 0);

  // Pointer shape over the control (null: the default one). Usually Hand_Cursor().
  void Set_Mouse_Icon(HCURSOR cursor);
  HCURSOR Mouse_Icon() const { return cursor_; }

  void Set_Tool_Tip_Text(const std::string& text);
  const std::string& Tool_Tip_Text() const { return tooltip_; }

  std::string Tag;

  // The size in points of the font the control shows its text in; 0 for a control without text.
  virtual double Font_Size() const { return 0; }
  // Gives the control's font that size (any size: the font is scaled to it). Throws
  // Runtime_Error 438 for a control without a font.
  virtual void Set_Font_Size(double points);

  virtual bool Windowless() const { return false; }
  virtual HWND Hwnd() const { return hwnd_; }
  virtual void Refresh();

  // Events.
  std::function<void()> On_Click;
  std::function<void()> On_Dbl_Click;
  Mouse_Handler On_Mouse_Down, On_Mouse_Up, On_Mouse_Move;
  std::function<void()> On_Mouse_Leave;
  Key_Handler On_Key_Down, On_Key_Up;
  Key_Press_Handler On_Key_Press;
  std::function<void()> On_Got_Focus, On_Lost_Focus;

  // Internal: called by the runtime.
  virtual void Create_Window() {}
  virtual void Paint(HDC dc) {}  // windowless controls: draw at Pixel_Rect() on dc
  virtual bool Clicks_From_Mouse() const { return true; }
  virtual void Before_Click() {}  // a windowless control's own part of a click
  // A double-byte character typed into the control; true when the control took it itself.
  virtual bool Type_Double_Byte(unsigned code) { return false; }
  virtual bool Handle_Command(int code) { return false; }
  virtual LRESULT Handle_Notify(NMHDR* header) { return 0; }
  virtual void Handle_Scroll(int code) {}
  void Bind(Form* form, Container* container, const std::string& name, int index);
  // The stored position only, for a batch that moves the windows itself (forms/child_moves.h).
  void Set_Place(int left, int top) {
    left_ = left;
    top_ = top;
  }

 protected:
  Control() = default;
  void Apply_Geometry();
  void Invalidate();
  // Windowed controls: adopt hwnd (subclassed; key, mouse, focus and cursor events handled).
  void Attach_Window(HWND hwnd);
  HWND Container_Window() const;

  Form* form_ = nullptr;
  Container* container_ = nullptr;
  std::string name_;
  int index_ = -1;
  int left_ = 0, top_ = 0, width_ = 1200, height_ = 600;
  bool visible_ = true, enabled_ = true;
  HCURSOR cursor_ = nullptr;
  std::string tooltip_;
  HWND hwnd_ = nullptr;
  bool tracking_ = false;

 public:
  static LRESULT CALLBACK Subclass_Proc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
};

// A surface that keeps what is drawn on it (a backing bitmap: drawing survives repaints) and
// draws windowless controls over it. The form and picture boxes are containers.
class Container {
 public:
  virtual ~Container();

  // The persistent surface. Set_Picture clears the surface to the back colour and draws the
  // picture at its top-left corner (the picture stays the background that Cls restores).
  void Set_Picture(const Picture& picture);
  const Picture& Get_Picture() const { return picture_; }
  void Set_Back_Color(COLORREF color);
  COLORREF Back_Color() const { return back_color_; }
  void Cls();
  // Draws a picture onto the surface; twips; width/height -1: the picture's own size.
  void Paint_Picture(const Picture& picture, int x, int y, int width = -1, int height = -1);
  // Memory DC of the surface: draw on it, then Refresh(). Valid while the container exists.
  HDC Surface_Dc();
  void Refresh_Surface();

  // The surface as a 24-bit Windows bitmap file; throws Runtime_Error 75 when it cannot be
  // written.
  void Save_Surface_Bitmap(const std::string& path);
  // Copies the whole surface onto another device context at (x, y), stretched to w x h of its
  // units (a printer's page, for example).
  void Draw_Surface_To(HDC dc, int x, int y, int w, int h);

  // Width and height of the client area in twips.
  int Scale_Width() const;
  int Scale_Height() const;

  virtual HWND Container_Hwnd() const = 0;
  const std::vector<Control*>& Children() const { return children_; }

  // Internal.
  void Add_Child(Control* c) { children_.push_back(c); }
  void Remove_Child(Control* c);
  void Raise_Child(Control* c, bool front);
  Control* Hit_Test(POINT pixel) const;  // topmost visible, enabled windowless control
  LRESULT Container_Message(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, bool& handled);
  void Ensure_Surface();
  void Paint_All(HDC dc, const RECT& clip);
  void Mouse_Leave_All();
  void Update_Tool(Control* c);
  void Drop_Surface();
  // Kinds of mouse events on the container itself.
  enum Mouse_Kind { Mouse_Move, Mouse_Down, Mouse_Up, Mouse_Click, Mouse_Dbl_Click };

 protected:
  virtual Form& Owner_Form() = 0;
  // Mouse events on the container itself (no windowless control hit).
  virtual void Self_Mouse(int kind, int button, int shift, int x, int y) = 0;
  virtual void Self_Mouse_Leave() {}
  virtual HCURSOR Self_Cursor() const = 0;

  std::vector<Control*> children_;
  Picture picture_;
  COLORREF back_color_ = GetSysColor(COLOR_BTNFACE);
  HDC surface_dc_ = nullptr;
  HBITMAP surface_bitmap_ = nullptr;
  HGDIOBJ surface_old_ = nullptr;
  int surface_w_ = 0, surface_h_ = 0;
  Control* hover_ = nullptr;
  Control* pressed_ = nullptr;
  bool pressed_self_ = false;
  int pressed_button_ = 0;
  bool tracking_ = false;
  HWND tooltip_ = nullptr;

  friend class Control;
};

// Windowless picture control: shows its picture (stretched to its size with Stretch, else it
// takes the picture's size); shows nothing without a picture.
class Image : public Control {
 public:
  void Set_Picture(const Picture& picture);
  const Picture& Get_Picture() const { return picture_; }
  void Set_Stretch(bool stretch);
  bool Stretch() const { return stretch_; }
  bool Windowless() const override { return true; }
  void Paint(HDC dc) override;

 private:
  Picture picture_;
  bool stretch_ = false;
};

// Windowless text: caption drawn in its font and colour; transparent (Back_Style 0) or opaque
// (1); alignment 0 left, 1 right, 2 centre; word wrap inside its width.
class Label : public Control {
 public:
  void Set_Caption(const std::string& caption);
  const std::string& Caption() const { return caption_; }
  void Set_Font(const std::string& name, double point_size, bool bold = false);
  void Set_Fore_Color(COLORREF color);
  void Set_Back_Color(COLORREF color);
  void Set_Back_Style(int style);
  void Set_Alignment(int alignment);
  COLORREF Fore_Color() const { return fore_; }
  const std::string& Font_Name() const { return font_name_; }
  double Font_Size() const override { return font_size_; }
  void Set_Font_Size(double points) override { Set_Font(font_name_, points, bold_); }
  bool Font_Bold() const { return bold_; }
  int Alignment() const { return alignment_; }
  bool Windowless() const override { return true; }
  void Paint(HDC dc) override;
  ~Label() override;

 private:
  std::string caption_;
  std::string font_name_ = "宋体";
  double font_size_ = 9;
  bool bold_ = false;
  HFONT font_ = nullptr;
  COLORREF fore_ = RGB(0, 0, 0), back_ = GetSysColor(COLOR_BTNFACE);
  int back_style_ = 0, alignment_ = 0;
};

// Windowed picture box with a persistent surface; a container for other controls.
class Picture_Box : public Control, public Container {
 public:
  void Create_Window() override;
  HWND Container_Hwnd() const override { return hwnd_; }
  void Refresh() override { Refresh_Surface(); }
  void Set_Border(bool border);

 protected:
  Form& Owner_Form() override { return *form_; }
  void Self_Mouse(int kind, int button, int shift, int x, int y) override;
  void Self_Mouse_Leave() override;
  HCURSOR Self_Cursor() const override { return cursor_; }

 private:
  bool border_ = false;
  static LRESULT CALLBACK Create_Proc(HWND, UINT, WPARAM, LPARAM);

 public:
  static LRESULT CALLBACK Subclass_Proc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
};

// Any other Win32 child control ("BUTTON", "EDIT", "COMBOBOX", common controls ...): created
// with the class and style given before the form designs it (Set_Class). Notifications arrive
// as On_Command (WM_COMMAND code) and On_Notify (WM_NOTIFY); BN_CLICKED also fires On_Click and
// EN_CHANGE / CBN_SELCHANGE / CBN_EDITCHANGE fire On_Change; a slider's or scroll bar's
// WM_HSCROLL / WM_VSCROLL fires On_Scroll (the scroll code) and then On_Change.
class Native_Control : public Control {
 public:
  void Set_Class(const std::string& window_class, DWORD style, DWORD ex_style = 0);
  void Set_Text(const std::string& text);
  std::string Text() const;
  void Set_Font(const std::string& name, double point_size, bool bold = false);
  double Font_Size() const override { return font_size_; }
  void Set_Font_Size(double points) override { Set_Font(font_name_, points, bold_); }
  LRESULT Send(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const;
  void Create_Window() override;
  bool Handle_Command(int code) override;
  LRESULT Handle_Notify(NMHDR* header) override;
  bool Clicks_From_Mouse() const override { return false; }
  ~Native_Control() override;

  std::function<void()> On_Change;
  std::function<void(int code)> On_Command;
  std::function<LRESULT(NMHDR*)> On_Notify;
  std::function<void(int code)> On_Scroll;
  void Handle_Scroll(int code) override;

 private:
  std::string class_ = "BUTTON";
  DWORD style_ = BS_PUSHBUTTON, ex_style_ = 0;
  std::string text_;
  HFONT font_ = nullptr;
  std::string font_name_ = "宋体";  // the system's GUI font until Set_Font
  double font_size_ = 9;
  bool bold_ = false;
};

// Push button (a Native_Control of class BUTTON, BS_PUSHBUTTON) with a caption.
class Command_Button : public Native_Control {
 public:
  Command_Button() { Set_Class("BUTTON", BS_PUSHBUTTON | WS_TABSTOP); }
};

}  // namespace forms
