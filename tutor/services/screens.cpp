#include "services/screens.h"

#include <windows.h>

#include <cstring>

namespace quillon {

Key_Action Route_Key_Down(const Key_Rules& rules, bool running, int key) {
  const bool enter = key == VK_RETURN;
  Screen_Keys keys = rules.running;
  if (!running) {
    if (rules.start == Start_Key::Any || (rules.start == Start_Key::Enter && enter))
      return Key_Action::Start;
    keys = rules.idle;
  }
  switch (keys) {
    case Screen_Keys::Note_Ctrl: return Key_Action::Note_Ctrl_Key_Down;
    case Screen_Keys::All_But_Enter: return enter ? Key_Action::None : Key_Action::Screen_Key;
    case Screen_Keys::All: return Key_Action::Screen_Key;
    case Screen_Keys::None: break;
  }
  return Key_Action::None;
}

std::vector<Screen>& Screens() {
  static std::vector<Screen> table;
  return table;
}

void Register_Screen(Screen screen) {
  if (Screen* old = Screen_Named(screen.name)) {
    *old = std::move(screen);
    return;
  }
  Screens().push_back(std::move(screen));
}

Screen* Screen_Named(const char* name) {
  for (Screen& s : Screens())
    if (std::strcmp(s.name, name) == 0) return &s;
  return nullptr;
}

const Screen* Screen_On(int panel) {
  if (panel == kNone) return nullptr;  // rows without a panel only answer commands
  const Screen* fallback = nullptr;
  for (const Screen& s : Screens()) {
    if (Number(s.panel) != panel) continue;
    if (s.claims_panel) {
      if (s.claims_panel()) return &s;
    } else if (!fallback) {
      fallback = &s;
    }
  }
  return fallback;
}

const Form_Entry* Page_Reset_Of(int panel) {
  for (const Screen& s : Screens())
    if (Number(s.panel) == panel && s.page_reset) return &s.page_reset;
  return nullptr;
}

const Screen* Screen_Opened_By(Menu_Entry item, const Screen_Opening** opening) {
  for (const Screen& s : Screens())
    for (const Screen_Opening& o : s.openings)
      if (o.item == item) {
        if (opening) *opening = &o;
        return &s;
      }
  return nullptr;
}

const Form_Entry* Screen_Command_Entry(Screen_Command command) {
  for (const Screen& s : Screens())
    for (const auto& [c, entry] : s.commands)
      if (c == command) return &entry;
  return nullptr;
}

}  // namespace quillon
