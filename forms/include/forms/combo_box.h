#pragma once
// Drop-down list that cannot be typed into. List_Index is the selected item (-1: none). A choice
// by the user fires On_Click and then On_Change; Set_List_Index fires On_Change when the
// selection changes. The height given at design is the height of the opened list.

#include <string>

#include "forms/control.h"

namespace forms {

class Combo_Box : public Native_Control {
 public:
  Combo_Box() { Set_Class("COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP); }
  // Before the control is made: keep the items in alphabetical order.
  void Set_Sorted(bool sorted);
  void Add_Item(const std::string& item);
  void Clear();
  int List_Count() const;
  std::string List(int index) const;  // "" outside the list
  int List_Index() const;
  // -1 to List_Count() - 1; any other index throws Runtime_Error 380 and changes nothing.
  void Set_List_Index(int index);
  std::string Text() const;  // the selected item's text, "" when none
  bool Handle_Command(int code) override;
};

}  // namespace forms
