#include "forms/popup_menu.h"

#include "forms/errors.h"
#include "forms/form.h"
#include "internal.h"

namespace forms {

Menu_Item& Menu_Item::Add(const std::string& name, const std::string& caption,
                          const std::string& shortcut, int index) {
  items_.push_back(std::make_unique<Menu_Item>(name, caption, shortcut, index));
  return *items_.back();
}

Menu_Item* Menu_Item::Find(const std::string& name, int index) {
  for (auto& item : items_) {
    if (item->index_ == index && lstrcmpiA(item->name_.c_str(), name.c_str()) == 0)
      return item.get();
    if (Menu_Item* below = item->Find(name, index)) return below;
  }
  return nullptr;
}

std::string Menu_Item::Menu_Text() const {
  return shortcut_.empty() ? caption_ : caption_ + "\t" + shortcut_;
}

namespace {

// Builds the platform's menu of an item's items; `ids` receives the item of each command id
// (id = position + 1).
HMENU Build(const Menu_Item& menu, std::vector<Menu_Item*>& ids) {
  HMENU handle = CreatePopupMenu();
  for (const auto& item : menu.Items()) {
    const std::string text = item->Menu_Text();
    UINT flags = MF_STRING | (item->Enabled ? MF_ENABLED : MF_GRAYED);
    if (!item->Items().empty()) {
      AppendMenuA(handle, flags | MF_POPUP,
                  reinterpret_cast<UINT_PTR>(Build(*item, ids)), text.c_str());
    } else {
      ids.push_back(item.get());
      AppendMenuA(handle, flags, ids.size(), text.c_str());
    }
  }
  return handle;
}

}  // namespace

Menu_Item* Popup_Menu(Form& shown, Menu_Item& menu, UINT flags) {
  if (!shown.Hwnd()) throw Runtime_Error(364, "Object was unloaded");
  std::vector<Menu_Item*> ids;
  HMENU handle = Build(menu, ids);
  POINT at;
  GetCursorPos(&at);
  const UINT id = static_cast<UINT>(TrackPopupMenu(
      handle, (flags & ~TPM_NONOTIFY) | TPM_RETURNCMD | TPM_NONOTIFY, at.x, at.y, 0,
      shown.Hwnd(), nullptr));
  DestroyMenu(handle);
  if (id == 0 || id > ids.size()) return nullptr;
  Menu_Item* chosen = ids[id - 1];
  if (chosen->On_Click) detail::Fire(chosen->On_Click);
  return chosen;
}

}  // namespace forms
