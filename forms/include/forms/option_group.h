#pragma once
// Option group: a frame with a caption holding option buttons, of which one at most is selected.
// Value is the index of the selected button (-1: none). A click by the user on a button fires
// On_Click; every change of the selection, by the user or by Set_Value, fires On_Change.

#include <string>
#include <vector>

#include "forms/control.h"

namespace forms {

class Option_Group;

// One button of a group; its index in the group is its control index.
class Option_Button : public Native_Control {
 public:
  Option_Button() { Set_Class("BUTTON", BS_RADIOBUTTON | WS_TABSTOP); }
  bool Handle_Command(int code) override;

 private:
  friend class Option_Group;
  Option_Group* group_ = nullptr;
};

class Option_Group : public Picture_Box {
 public:
  void Set_Caption(const std::string& caption);
  const std::string& Caption() const { return caption_; }
  void Set_Font(const std::string& name, double point_size);
  double Font_Size() const override { return font_size_; }
  void Set_Font_Size(double points) override { Set_Font(font_name_, points); }
  // Adds the next button (named after the group with "_Option") at a place in the frame, twips.
  Option_Button& Add_Option(const std::string& caption, int left, int top, int width,
                            int height = 270);
  int Count() const { return static_cast<int>(buttons_.size()); }
  Option_Button& Button(int index) const { return *buttons_.at(static_cast<size_t>(index)); }
  int Value() const { return value_; }
  // -1 to Count() - 1; any other index throws Runtime_Error 380 and changes nothing.
  void Set_Value(int index);
  void Set_Enabled(bool enabled) override;
  void Create_Window() override;

  std::function<void()> On_Change;

 private:
  friend class Option_Button;
  void Chosen_By_User(Option_Button& button);
  void Show_Checks();
  void Draw_Frame();
  std::vector<Option_Button*> buttons_;
  std::string caption_;
  std::string font_name_ = "宋体";
  double font_size_ = 9;
  int value_ = -1;
};

}  // namespace forms
