#include "forms/option_group.h"

#include "forms/errors.h"
#include "forms/form.h"
#include "forms/units.h"
#include "internal.h"

namespace forms {

bool Option_Button::Handle_Command(int code) {
  if (code == BN_CLICKED && group_) {
    detail::Busy busy(form_);
    group_->Chosen_By_User(*this);
    return true;
  }
  return Native_Control::Handle_Command(code);
}

void Option_Group::Create_Window() {
  Picture_Box::Create_Window();
  Draw_Frame();
}

void Option_Group::Set_Caption(const std::string& caption) {
  caption_ = caption;
  Draw_Frame();
}

void Option_Group::Set_Font(const std::string& name, double point_size) {
  font_name_ = name;
  font_size_ = point_size;
  for (Option_Button* b : buttons_) b->Set_Font(name, point_size);
  Draw_Frame();
}

Option_Button& Option_Group::Add_Option(const std::string& caption, int left, int top, int width,
                                        int height) {
  Option_Button& b = form_->Add<Option_Button>(name_ + "_Option", Count(), this);
  b.group_ = this;
  b.Move(left, top, width, height);
  b.Set_Text(caption);
  b.Set_Font(font_name_, font_size_);
  b.Set_Enabled(enabled_);
  buttons_.push_back(&b);
  return b;
}

void Option_Group::Show_Checks() {
  for (int i = 0; i < Count(); ++i)
    buttons_[static_cast<size_t>(i)]->Send(BM_SETCHECK, i == value_ ? BST_CHECKED : BST_UNCHECKED);
}

void Option_Group::Set_Value(int index) {
  if (index < -1 || index >= Count()) throw Runtime_Error(380, "Invalid property value");
  if (index == value_) return;
  value_ = index;
  Show_Checks();
  if (On_Change) detail::Fire(On_Change);
}

void Option_Group::Chosen_By_User(Option_Button& button) {
  const int index = button.Index();
  const bool changed = index != value_;
  value_ = index;
  Show_Checks();
  if (button.On_Click) detail::Fire(button.On_Click);
  if (On_Click) detail::Fire(On_Click);
  if (changed && detail::Control_Alive(this) && On_Change) detail::Fire(On_Change);
}

void Option_Group::Set_Enabled(bool enabled) {
  Picture_Box::Set_Enabled(enabled);
  for (Option_Button* b : buttons_) b->Set_Enabled(enabled);
  Draw_Frame();
}

void Option_Group::Draw_Frame() {
  if (!Hwnd()) return;
  Cls();
  HDC dc = Surface_Dc();
  if (!dc) return;
  RECT client;
  GetClientRect(Hwnd(), &client);
  HFONT font = detail::Make_Font(font_name_, font_size_, false);
  HGDIOBJ old = SelectObject(dc, font);
  SIZE text{0, 0};
  if (!caption_.empty())
    GetTextExtentPoint32A(dc, caption_.c_str(), static_cast<int>(caption_.size()), &text);
  RECT frame{0, text.cy / 2, client.right, client.bottom};
  DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
  if (!caption_.empty()) {
    RECT label{6, 0, 6 + text.cx + 4, text.cy};
    HBRUSH brush = CreateSolidBrush(back_color_);
    FillRect(dc, &label, brush);
    DeleteObject(brush);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(enabled_ ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    TextOutA(dc, 8, 0, caption_.c_str(), static_cast<int>(caption_.size()));
  }
  SelectObject(dc, old);
  DeleteObject(font);
  Refresh_Surface();
}

}  // namespace forms
