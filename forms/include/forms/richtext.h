#pragma once
// The rich-text box of the typing boxes, on riched32.dll's "RichEdit" class. Positions count
// characters (a Chinese character is one; a CR LF line break is two). Text() and the selected
// text are in the ANSI code page.
//
// On_Change fires only when the text really changed (typing, pasting, Set_Text, Set_Sel_Text),
// never for a colour or selection change; it fires once per change, also for changes made by
// the program.

#include <functional>
#include <string>

#include "forms/control.h"

namespace forms {

class Rich_Text_Box : public Control {
 public:
  ~Rich_Text_Box() override;

  std::string Text() const;
  void Set_Text(const std::string& text);
  int Text_Length() const;  // in positions

  int Sel_Start() const;
  void Set_Sel_Start(int start);  // collapses the selection
  int Sel_Length() const;
  void Set_Sel_Length(int length);
  std::string Sel_Text() const;
  void Set_Sel_Text(const std::string& text);  // replaces the selection
  COLORREF Sel_Color() const;                  // colour of the selection's first character
  void Set_Sel_Color(COLORREF color);
  void Select(int start, int length);

  bool Locked() const { return locked_; }
  void Set_Locked(bool locked);  // read-only for the user; the program still writes
  int Max_Length() const { return max_length_; }
  void Set_Max_Length(int length);  // 0: no limit (beyond the box's own)
  void Set_Enabled(bool enabled) override;
  void Set_Focus();
  bool Has_Focus() const;

  // Plain-text load: the file's bytes become the text. Throws Runtime_Error 53 when missing.
  void Load_File(const std::string& path);
  // First occurrence of text from position start (case not regarded unless match_case);
  // selects it and returns its position, or -1.
  int Find(const std::string& text, int start = 0, bool match_case = false);

  void Set_Font(const std::string& name, double point_size, bool bold = false);
  const std::string& Font_Name() const { return font_name_; }
  double Font_Size() const override { return font_size_; }
  void Set_Font_Size(double points) override { Set_Font(font_name_, points); }
  std::string Sel_Font_Name() const;  // face of the selection's first character
  void Set_Sel_Font_Name(const std::string& name);
  void Set_Fore_Color(COLORREF color);  // colour of the whole text
  void Set_Back_Color(COLORREF color);
  void Set_Multi_Line(bool multi_line) { multi_line_ = multi_line; }  // before creation
  void Set_Scroll_Bars(int bars) { scroll_bars_ = bars; }  // 0 none, 1 h, 2 v, 3 both
  void Set_Hide_Selection(bool hide) { hide_selection_ = hide; }
  void Set_Border(bool border) { border_ = border; }
  // The four settings above shape the box's window when it is made; a box made already takes them
  // here (its window is made again, keeping its text, limit and font).
  void Apply_Style();

  std::function<void()> On_Change;

  // Internal.
  void Create_Window() override;
  bool Handle_Command(int code) override;
  bool Type_Double_Byte(unsigned code) override;
  void Check_Change();
  LRESULT Send(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const;

 private:
  std::string last_text_;
  bool locked_ = false;
  int max_length_ = 0;
  bool multi_line_ = true, hide_selection_ = true, border_ = true;
  int scroll_bars_ = 2;
  HFONT font_ = nullptr;
  std::string font_name_ = "宋体";
  double font_size_ = 9;
};

}  // namespace forms
