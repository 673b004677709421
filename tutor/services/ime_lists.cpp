#include "services/ime_lists.h"

namespace quillon {

IME_List Wubi_IME_List{IME_Entry{}};
IME_List PinYin_IME_List{IME_Entry{}};

int IME_Method_Count(const IME_List& list) {
  int n = 0;
  while (n < static_cast<int>(list.size()) && !list[static_cast<size_t>(n)].layout_id.empty()) ++n;
  return n;
}

}  // namespace quillon
