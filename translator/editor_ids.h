#pragma once

// Resource and control ids of the package editor.

// Dialogs.
#define IDD_DICTUIEX 102          // the editor, "DictUIEx"
#define IDD_ENTRY_EDIT 133        // one translation, over the list
#define IDD_WAIT 135              // the wait window while a package is written

// Pictures.
#define IDB_EDITOR_BACKGROUND 150 // 600 x 420, the editor's and the entry dialog's background
#define IDB_INDEX_LARGE 132       // 32 x 32 letter cards, see-through grey
#define IDB_INDEX_SMALL 133       // 16 x 16 letter cards, see-through teal
#define IDB_ROW_IMAGES 134        // 16 x 16: pen, opened envelope (edited), flag (as loaded)
#define IDB_HEADER_IMAGES 135     // 11 x 11: arrow, flag
#define IDB_CRANK 102             // eight 32 x 32 frames of a turning crank

// Controls of the editor.
#define IDC_INDEX_BAR 1000
#define IDC_ENTRY_LIST 1001
#define IDC_INDEX_PLACE 1009
#define IDC_COMPILE 1019
#define IDC_FIND_LABEL 1020
#define IDC_FIND_COMBO 1021

// Controls of the entry dialog.
#define IDC_ENTRY_TRANSLATION 1011
#define IDC_ENTRY_SOURCE 1012

// Control of the wait window.
#define IDC_WAIT_TEXT 1013
