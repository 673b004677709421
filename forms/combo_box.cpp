#include "forms/combo_box.h"

#include <vector>

#include "forms/errors.h"
#include "internal.h"

namespace forms {

void Combo_Box::Set_Sorted(bool sorted) {
  DWORD style = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | (sorted ? CBS_SORT : 0);
  Set_Class("COMBOBOX", style);
}

void Combo_Box::Add_Item(const std::string& item) {
  if (!Hwnd()) throw Runtime_Error(364, "Object was unloaded");
  Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

void Combo_Box::Clear() { Send(CB_RESETCONTENT); }

int Combo_Box::List_Count() const {
  LRESULT n = Send(CB_GETCOUNT);
  return n < 0 ? 0 : static_cast<int>(n);
}

std::string Combo_Box::List(int index) const {
  if (index < 0 || index >= List_Count()) return "";
  LRESULT n = Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
  if (n <= 0) return "";
  std::vector<char> buffer(static_cast<size_t>(n) + 1, '\0');
  Send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
  return std::string(buffer.data());
}

int Combo_Box::List_Index() const {
  LRESULT i = Send(CB_GETCURSEL);
  return i < 0 ? -1 : static_cast<int>(i);
}

void Combo_Box::Set_List_Index(int index) {
  if (index < -1 || index >= List_Count()) throw Runtime_Error(380, "Invalid property value");
  if (index == List_Index()) return;
  Send(CB_SETCURSEL, static_cast<WPARAM>(index));
  if (On_Change) detail::Fire(On_Change);
}

std::string Combo_Box::Text() const { return List(List_Index()); }

bool Combo_Box::Handle_Command(int code) {
  if (code == CBN_SELCHANGE) {
    detail::Busy busy(form_);
    if (On_Command) detail::Fire([&] { On_Command(code); });
    if (detail::Control_Alive(this) && On_Click) detail::Fire(On_Click);
    if (detail::Control_Alive(this) && On_Change) detail::Fire(On_Change);
    return true;
  }
  return Native_Control::Handle_Command(code);
}

}  // namespace forms
