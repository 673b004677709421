#include "shell/function_bar.h"

#include <map>
#include <string>

#include "services/bitmaps.h"
#include "services/globals.h"
#include "services/sounds.h"
#include "services/utilities.h"
#include "shell/command_tables.h"
#include "shell/startup.h"

namespace quillon {

namespace {

Animation_Watcher& Watcher() {
  static Animation_Watcher watcher;
  return watcher;
}

// The bitmap each button or item shows now (absent: none), so that a picture put in through the
// scratch box is not put in again while the control already shows it.
std::map<const forms::Image*, std::string>& Shown() {
  static std::map<const forms::Image*, std::string> shown;
  return shown;
}

bool Has_Picture(const forms::Image& image) { return !image.Get_Picture().Empty(); }

void Empty_Picture(forms::Image& image) {
  image.Set_Picture(forms::Picture());
  Shown().erase(&image);
}

void Put_Directly(forms::Image& image, const std::string& name) {
  Load_Resource_Picture_To_Image(image, name);
  Shown()[&image] = name;
}

// Through Picture_Temp: false when the control already showed that very picture.
bool Put_Through_Temp(forms::Image& image, const std::string& name) {
  auto it = Shown().find(&image);
  if (it != Shown().end() && it->second == name && Has_Picture(image)) return false;
  Fit_Picture_Temp(image);
  Load_Resource_Picture_To_Image(image, name);
  Shown()[&image] = name;
  return true;
}

forms::Image& Button(forms::Form& form, int i) {
  return form.Get<forms::Image>("Image_Function_Module", i);
}

std::string Hover_Name(int i) { return "m" + std::to_string(2 * i + 1); }
std::string Selected_Name(int i) { return "m" + std::to_string(2 * i + 2); }

forms::Picture_Box& Outer_Box(forms::Form& form, int menu) {
  return form.Get<forms::Picture_Box>("Picture_BG_PopMenu_BG", menu);
}

forms::Picture_Box& Inner_Box(forms::Form& form, int menu) {
  return form.Get<forms::Picture_Box>("Picture_BG_PopMenu", menu);
}

struct Menu_Items {
  const char* array;
  const char* prefix;
  int* hover;
};

Menu_Items Items_Of(int menu) {
  switch (menu) {
    case 0: return {"Image_English_Type", "menue", &Hover_English_Type};
    case 1: return {"Image_Chinese_Type", "menuc", &Hover_Chinese_Type};
    case 2: return {"Image_Game", "menuy", &Hover_Game};
    case 3: return {"Image_Speed_Test", "menuce", &Hover_Speed_Test};
    case 4: return {"Image_Other_Function", "menuq", &Hover_Other_Function};
  }
  return {nullptr, nullptr, nullptr};
}

// Number of the opening running last: an opening that another one started inside its waits
// stops unrolling and only finishes its own menu's size.
int g_opening = 0;

}  // namespace

void Set_Animation_Watcher(Animation_Watcher watcher) { Watcher() = std::move(watcher); }

void Watch_Animation(const char* what, int value) {
  if (Watcher()) Watcher()(what, value);
}

const char* PopMenu_Item_Array(int menu) { return Items_Of(menu).array; }

void Select_Function_Module(forms::Form& form, int i) {
  forms::Guarded([&] {
    Function_Module_Hover_Enabled = false;
    if (Hover_Function_Module != i && Hover_Function_Module != kNone)
      Empty_Picture(Button(form, Hover_Function_Module));
    if (Selected_Function_Module != i && Selected_Function_Module != kNone)
      Empty_Picture(Button(form, Selected_Function_Module));
    Put_Directly(Button(form, i), Selected_Name(i));
    Selected_Function_Module = i;
  });
}

void Show_Function_Module_Hover(forms::Form& form, int i) {
  forms::Guarded([&] {
    if (!Function_Module_Hover_Enabled) return;
    int h = Hover_Function_Module;
    if (h != i && h != kNone && h != Selected_Function_Module && Has_Picture(Button(form, h)))
      Empty_Picture(Button(form, h));
    if (Put_Through_Temp(Button(form, i), Hover_Name(i))) Hover_Function_Module = i;
    Redraw_Selected_Module = true;
  });
}

void Reset_Function_Module_Picture(forms::Form& form) {
  forms::Guarded([&] {
    Function_Module_Hover_Enabled = true;
    int h = Hover_Function_Module;
    if (h != kNone && h != Selected_Function_Module && Has_Picture(Button(form, h)))
      Empty_Picture(Button(form, h));
    int s = Selected_Function_Module;
    if (s != kNone && Redraw_Selected_Module) {
      Put_Through_Temp(Button(form, s), Selected_Name(s));
      Redraw_Selected_Module = false;
    }
  });
}

void Prepare_Function_Module_Click(forms::Form& form, int i) {
  forms::Guarded([&] {
    Play_Click_Sound();
    if (Open_PopMenu != kNone && !Direct_Command) Outer_Box(form, Open_PopMenu).Set_Visible(false);
    Redraw_Selected_Module = i != 2;
    Select_Function_Module(form, i);
  });
}

void Restore_Function_Module_Picture(forms::Form& form, int i) {
  forms::Guarded([&] {
    Empty_Picture(Button(form, i));
    if (Screen_Function_Module == kNone) {
      Hover_Function_Module = Selected_Function_Module = kNone;
    } else {
      Hover_Function_Module = Selected_Function_Module = Screen_Function_Module;
      Put_Directly(Button(form, Screen_Function_Module), Selected_Name(Screen_Function_Module));
    }
  });
}

void Show_PopMenu(forms::Form& form) {
  const int mine = ++g_opening;
  forms::Guarded([&] {
    if (Direct_Command) return;
    const int m = Open_PopMenu;
    if (!Items_Of(m).array) throw forms::Runtime_Error(340, "Control array element '" +
                                                                std::to_string(m) +
                                                                "' doesn't exist");
    PopMenu_Opening = true;
    Play_Sound(Program_Folder() + "\\Music\\Sound\\glide.wav");
    auto& outer = Outer_Box(form, m);
    auto& inner = Inner_Box(form, m);
    outer.Z_Order(0);
    Clear_PopMenu_Item_Picture(form);
    const int h = inner.Height();
    const int w = outer.Width(), l = outer.Left(), t = outer.Top();
    if (g_opening != mine) {  // another opening ran during the clearing: it owns the screen
      outer.Move(l, t, w, h);
      inner.Move(0, 0, w, h);
      return;
    }
    outer.Move(l, t, w, 0);
    inner.Move(0, -h);
    if (inner.Tag.empty()) {  // each menu's face is drawn at its first opening only
      inner.Tag = "cd" + std::to_string(m);
      Load_Resource_Picture_To_PictureBox(inner, inner.Tag);
    }
    outer.Set_Visible(true);
    for (int y : Unroll_Heights(h, Move_Step_Num)) {
      outer.Move(l, t, w, y);
      inner.Move(0, y - h);
      Watch_Animation("menu", y);
      Wait_Milliseconds(10);
      if (g_opening != mine) break;  // another opening took over the screen
    }
    outer.Move(l, t, w, h);
    inner.Move(0, 0, w, h);
  });
  // Also after a failure: a flag left set would keep every menu from closing.
  PopMenu_Opening = false;
}

void Clear_PopMenu_Item_Picture(forms::Form& form) {
  forms::Guarded([&] {
    const char* array = Items_Of(Open_PopMenu).array;
    if (!array) return;
    for (forms::Control* c : form.Array(array)) {
      auto* item = dynamic_cast<forms::Image*>(c);
      if (item && Has_Picture(*item)) Empty_Picture(*item);
      forms::Do_Events();
    }
  });
}

void Show_PopMenu_Item_Hover(forms::Form& form, int menu, int item) {
  forms::Guarded([&] {
    Menu_Items m = Items_Of(menu);
    if (!m.array) return;
    Mouse_In_PopMenu = true;
    if (*m.hover != kNone) {
      auto& last = form.Get<forms::Image>(m.array, *m.hover);
      if (Has_Picture(last)) Empty_Picture(last);
    }
    *m.hover = item;
    auto& image = form.Get<forms::Image>(m.array, item);
    if (!Has_Picture(image)) Put_Directly(image, m.prefix + std::to_string(item));
  });
}

void Close_PopMenu_On_Leave(forms::Form& form) {
  forms::Guarded([&] {
    if (!Mouse_In_PopMenu) return;
    Mouse_In_PopMenu = false;
    Close_PopMenu(form);
  });
}

void Close_PopMenu(forms::Form& form) {
  forms::Guarded([&] {
    if (Open_PopMenu == kNone || PopMenu_Opening) return;
    Outer_Box(form, Open_PopMenu).Set_Visible(false);
    if (Current_Panel == kNone) {
      if (Hover_Function_Module != kNone) {
        Empty_Picture(Button(form, Hover_Function_Module));
        Hover_Function_Module = kNone;
      }
      if (Selected_Function_Module == kNone) {
        Open_PopMenu = kNone;
        return;
      }
      Empty_Picture(Button(form, Selected_Function_Module));
      Selected_Function_Module = kNone;
    } else if (Selected_Function_Module != kNone && Screen_Function_Module != kNone) {
      Selected_Function_Module = Screen_Function_Module;
      Put_Through_Temp(Button(form, Screen_Function_Module), Selected_Name(Screen_Function_Module));
    }
    Open_PopMenu = kNone;
  });
}

}  // namespace quillon
