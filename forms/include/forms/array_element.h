#pragma once
// A control-array element made while the program runs (the runtime's Load of an element): it
// takes the type, the container, the geometry and the enabled state of the array's lowest
// element (a picture box its back colour too) and starts hidden.

#include <string>

#include "forms/errors.h"
#include "forms/form.h"

namespace forms {

// The lowest element of the array; throws Runtime_Error 730 when there is no such control.
Control& Lowest_Array_Element(Form& form, const std::string& name);
// The design a new element takes from the lowest one.
void Take_Array_Design(Control& model, Control& made);

// Throws Runtime_Error 360 ("Object already loaded") when the element exists, 13 when the array
// is of another type.
template <typename T>
T& Load_Array_Element(Form& form, const std::string& name, int index) {
  Control& model = Lowest_Array_Element(form, name);
  if (!dynamic_cast<T*>(&model)) throw Runtime_Error(13, "Type mismatch");
  T& made = form.Add<T>(name, index, model.Container_Of());
  Take_Array_Design(model, made);
  return made;
}

}  // namespace forms
