// The key images of the keys page lie where the keyboard pictures draw their keys: each slot's
// highlight and wrong-key pictures have exactly its image's size.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "courses/key_char_page.h"
#include "services/key_table.h"
#include "testkit/testkit.h"

namespace quillon {
namespace {

TEST(KeysPageArt, EveryKeySlotHasItsHighlightAndWrongMarkAtTheSizeOfItsImage) {
  HMODULE art = LoadLibraryExA((testkit::Tutor_Folder() + "\\Lib\\artpack.dll").c_str(), nullptr,
                               LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(art, nullptr);
  Initialize_Key_Table();
  for (int slot = 0; slot <= kLastKeypadSlot; ++slot) {
    const Key_Image_Place place = Key_Image_Place_Of(slot);
    // A slot has a key on the page exactly when the key table gives it a character.
    EXPECT_EQ(place.width > 0, Key_Table[slot][0] != 0) << slot;
    if (place.width == 0) continue;
    for (const char* name : {"mychar", "mycharwrong"}) {
      const std::string bitmap_name = name + std::to_string(slot);
      HBITMAP bitmap = static_cast<HBITMAP>(
          LoadImageA(art, bitmap_name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
      ASSERT_NE(bitmap, nullptr) << bitmap_name;
      BITMAP bm{};
      GetObjectA(bitmap, sizeof bm, &bm);
      EXPECT_EQ(bm.bmWidth * 15, place.width) << bitmap_name;
      EXPECT_EQ(bm.bmHeight * 15, place.height) << bitmap_name;
      DeleteObject(bitmap);
    }
  }
  FreeLibrary(art);
}

}  // namespace
}  // namespace quillon
