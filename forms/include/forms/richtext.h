#pragma once
// The rich-text box of the typing boxes, on riched32.dll's "RichEdit" class. Positions count
// characters (a Chinese character is one; a CR LF line break is two). Text() and the selected
// text are in the ANSI code page.
//
// On_Change fires only when the text really changed (typing, pasting, Set_Text, Set_Sel_Text),
// never for a colour or selection change; it fires once per change, also for changes made by
// the program.

#include <windows.h>
#include <richedit.h>

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
  // The selection's font size in points and its boldness (of its first character); setting them
  // changes only that of the selection (richtext_selection.cpp).
  double Sel_Font_Size() const;
  void Set_Sel_Font_Size(double points);
  bool Sel_Bold() const;
  void Set_Sel_Bold(bool bold);
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

  // The selection's character format. `known` holds the CFM_ bits whose value is the same all
  // over the selection (a selection that mixes fonts has no one face, for example).
  struct Char_Format {
    std::string name;
    double size = 0;  // points
    bool bold = false, italic = false, strike_thru = false, underline = false;
    COLORREF color = 0;
    DWORD known = 0;
  };
  Char_Format Sel_Format() const;
  // Applies the fields whose CFM_ bit is in `format.known` to the selection.
  void Set_Sel_Format(const Char_Format& format);
  COLORREF Back_Color() const { return back_color_; }

  // The whole content to a file as RTF or as plain text (the text as Text() gives it); throws
  // Runtime_Error 75 "Path/File access error" when the file cannot be written.
  void Save_File(const std::string& path, bool rtf) const;
  // Loads an RTF file (or any file through the box's RTF reader); throws 53 when missing.
  void Load_Rich_File(const std::string& path);
  // Prints the selection, or the whole content when nothing is selected, to a printer device
  // context as one document, page after page; throws Runtime_Error 482 "Printer error".
  void Sel_Print(HDC printer, const std::string& document_name = "Document");

  // The right-button edit menu (undo, cut, copy, paste, delete, select all); on by default.
  void Set_Auto_Verb_Menu(bool on) { auto_verb_menu_ = on; }
  bool Auto_Verb_Menu() const { return auto_verb_menu_; }
  // Characters of the text as the box counts them (a line break two), without reading it.
  int Quick_Length() const;

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
  bool auto_verb_menu_ = true;
  COLORREF back_color_ = GetSysColor(COLOR_WINDOW);
  void Show_Verb_Menu(int x, int y);
  static LRESULT CALLBACK Menu_Proc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  HFONT font_ = nullptr;
  std::string font_name_ = "宋体";
  double font_size_ = 9;
};

}  // namespace forms
