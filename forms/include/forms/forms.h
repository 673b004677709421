#pragma once
// The tutor's forms and controls runtime.
// Naming: names the tutor's own design gives keep their spelling (Form_Quillon, Picture_BG,
// Show_Modal). Our own names in forms/ and tutor/: Capitalized_Snake for types and functions,
// members ending in "_", constants kCamelCase.
#include "forms/check_box.h"
#include "forms/combo_box.h"
#include "forms/control.h"
#include "forms/dialogs.h"
#include "forms/errors.h"
#include "forms/flex_grid.h"
#include "forms/form.h"
#include "forms/format.h"
#include "forms/mapi.h"
#include "forms/media.h"
#include "forms/option_group.h"
#include "forms/picture.h"
#include "forms/printing.h"
#include "forms/popup_menu.h"
#include "forms/pump.h"
#include "forms/richtext.h"
#include "forms/sendkeys.h"
#include "forms/settings.h"
#include "forms/shapes.h"
#include "forms/slider.h"
#include "forms/tab_control.h"
#include "forms/timer.h"
#include "forms/units.h"
#include "forms/up_down.h"
