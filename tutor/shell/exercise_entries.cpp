#include "shell/exercise_entries.h"

#include "courses/key_char_page.h"
#include "courses/neighbours_articles.h"
#include "courses/neighbours_course_pages.h"
#include "freetype/free_type_pages.h"
#include "games/game_pages.h"
#include "settings/settings_dialogs.h"

namespace quillon {

Exercise_Entries& Exercises() {
  static Exercise_Entries entries;
  return entries;
}

void Install_Exercise_Entries() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  Exercise_Entries& e = Exercises();
  Install_Key_Char_Entries(e);
  Install_Course_Page_Entries(e);
  Install_Article_Entries(e);
  Install_Free_Type_Entries(e);
  Install_Game_Entries(e);
  Install_Settings_Dialog_Entries(e);
}

}  // namespace quillon
