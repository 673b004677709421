#pragma once
// The settings dialogs as the screen table opens them: the function-settings dialog (function-bar
// button 6, Ctrl+F, the context menu) and the system-settings dialog (other functions item 0,
// Ctrl+T, the context menu), each modal over the main window.

#include "settings/form_control.h"
#include "settings/system_set.h"
