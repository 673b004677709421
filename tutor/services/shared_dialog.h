#pragma once
// CommonDialog_User: the main window's one common dialog, shared by free typing's open, save,
// font, colour, print and program dialogs, the speed curve's save dialog and the compare-text
// test's file dialog. What one caller does not set stays as the previous dialog left it.

#include "forms/dialogs.h"

namespace quillon {

forms::Common_Dialog& CommonDialog_User();

}  // namespace quillon
