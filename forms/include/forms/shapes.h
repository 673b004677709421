#pragma once
// Two windowless controls drawn by their container:
//   Line            a straight line from (X1, Y1) to (X2, Y2), twips of the container; a hidden
//                   line is a template whose ends the program reads.
//   Option_Picture  a graphical option button: its picture on a button face; a click leaves it
//                   pressed (Value true) until the program sets Value false.

#include <windows.h>

#include "forms/control.h"

namespace forms {

class Line : public Control {
 public:
  int X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
  COLORREF Border_Color = RGB(0, 0, 0);
  int Border_Width = 1;  // pixels
  void Set_Ends(int x1, int y1, int x2, int y2);
  bool Windowless() const override { return true; }
  void Paint(HDC dc) override;
  bool Clicks_From_Mouse() const override { return false; }
};

class Option_Picture : public Control {
 public:
  void Set_Picture(const Picture& picture);
  const Picture& Get_Picture() const { return picture_; }
  bool Value() const { return value_; }
  void Set_Value(bool value);
  bool Windowless() const override { return true; }
  void Paint(HDC dc) override;
  // The click presses the button before On_Click runs.
  void Before_Click() override { Set_Value(true); }

 private:
  Picture picture_;
  bool value_ = false;
};

}  // namespace forms
