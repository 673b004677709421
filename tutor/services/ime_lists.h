#pragma once
// The installed Chinese input methods as the last scan (Find_Chinese_IME) listed them, one list
// for the Wubi methods and one for the others. Entry k of the scan is element k - 1; after the
// installed methods each list ends with one empty entry, so a list without a method holds a single
// empty entry. The function-settings dialog shows element k at list position k.

#include <string>
#include <vector>

namespace quillon {

struct IME_Entry {
  std::string layout_id;    // eight hexadecimal digits; "" for the closing empty entry
  std::string layout_text;  // the layout's display text
};
using IME_List = std::vector<IME_Entry>;

extern IME_List Wubi_IME_List;
extern IME_List PinYin_IME_List;

// The number of installed methods the list holds (its entries before the closing empty one).
int IME_Method_Count(const IME_List& list);

}  // namespace quillon
