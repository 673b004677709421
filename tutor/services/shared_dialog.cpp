#include "services/shared_dialog.h"

namespace quillon {

forms::Common_Dialog& CommonDialog_User() {
  static forms::Common_Dialog dialog;
  return dialog;
}

}  // namespace quillon
