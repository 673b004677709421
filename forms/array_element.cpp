#include "forms/array_element.h"

namespace forms {

Control& Lowest_Array_Element(Form& form, const std::string& name) {
  const std::vector<Control*> members = form.Array(name);
  if (members.empty()) throw Runtime_Error(730, "Control '" + name + "' not found");
  return *members.front();
}

void Take_Array_Design(Control& model, Control& made) {
  made.Set_Visible(false);
  made.Move(model.Left(), model.Top(), model.Width(), model.Height());
  made.Set_Enabled(model.Enabled());
  const auto* from = dynamic_cast<const Container*>(&model);
  auto* to = dynamic_cast<Container*>(&made);
  if (from && to) to->Set_Back_Color(from->Back_Color());
}

}  // namespace forms
