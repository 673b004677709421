#pragma once
// The context menu: the commands of the function bar and its drop-down menus (but About, the web
// site and the mail) in one pop-up menu of the hidden form Form_PopupMenu. A right press on the
// main window's bare surfaces pops it up at the pointer; a chosen item runs its command under
// Direct_Command (no drop-down menu, no item click sound) before the pop-up returns; nothing runs
// while a panel slides.

#include "forms/forms.h"

namespace quillon {

// Never shown; made, hidden, the first time the menu is asked for.
forms::Form& Form_PopupMenu();
// The menu myPopupMenu of Form_PopupMenu.
forms::Menu_Item& myPopupMenu();
// The one opener: pops the menu up at the pointer over the main window.
void Show_Context_Menu(forms::Form& form);

}  // namespace quillon
