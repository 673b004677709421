#pragma once
// Pop-up menus. A menu is a tree of items: an item with items of its own opens a sub-menu; items
// that share a name form an array, told apart by their index. Each item may print a shortcut text
// beside its caption (only printed: the keys act through the window's own key events).
//
// Popup_Menu shows a menu at the pointer over a shown form on behalf of a form that is never shown
// (the menu's owner) and returns once the menu has closed; a chosen item's On_Click has run by
// then. Cancelling the menu runs nothing.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace forms {

class Form;

class Menu_Item {
 public:
  Menu_Item() = default;
  Menu_Item(std::string name, std::string caption, std::string shortcut, int index)
      : name_(std::move(name)), caption_(std::move(caption)), shortcut_(std::move(shortcut)),
        index_(index) {}
  Menu_Item(const Menu_Item&) = delete;
  Menu_Item& operator=(const Menu_Item&) = delete;

  // Adds an item at the end of this item's sub-menu.
  Menu_Item& Add(const std::string& name, const std::string& caption,
                 const std::string& shortcut = "", int index = -1);
  const std::string& Name() const { return name_; }
  const std::string& Caption() const { return caption_; }
  const std::string& Shortcut() const { return shortcut_; }
  int Index() const { return index_; }
  const std::vector<std::unique_ptr<Menu_Item>>& Items() const { return items_; }
  // The item of that name and index anywhere below this one, or null.
  Menu_Item* Find(const std::string& name, int index = -1);
  // The caption as the menu prints it: the caption, then a tab and the shortcut text.
  std::string Menu_Text() const;

  bool Enabled = true;
  std::function<void()> On_Click;

 private:
  std::string name_, caption_, shortcut_;
  int index_ = -1;
  std::vector<std::unique_ptr<Menu_Item>> items_;
};

// Shows the items of `menu` at the pointer over `shown` (TPM_ flags: TPM_RIGHTBUTTON lets either
// button choose). Returns the chosen item, whose On_Click has run, or null when cancelled.
Menu_Item* Popup_Menu(Form& shown, Menu_Item& menu, UINT flags = TPM_RIGHTBUTTON);

}  // namespace forms
