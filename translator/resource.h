#pragma once

// Resource and command ids of the translator.

// Strings.
#define IDS_PROGRAM_NAME 102       // "青岚墨译", also the tray tip
#define IDS_REGISTRY_COMPANY 110   // "Larkmoor", the registry company key
#define IDS_CREDITS_FIRST 170      // the About box's credits, shown when it opens
#define IDS_CREDITS_SECOND 171     // ... after Ctrl+Shift+click
#define IDS_NO_DICTIONARY 57673
#define IDS_NO_FULLTEXT 57674
#define IDS_RESTART_QUESTION 57675
#define IDS_RESTART_LATER 57676
#define IDS_CLOSE_COMPARISON_FIRST 57677
#define IDS_HOOKS_REFUSED 57678   // the hook library would not start: the start ends

// Pictures.
#define IDI_LINGVANE 128           // program and tray icon
#define IDB_SPLASH 143             // splash and About background, 340 x 240, 256 colours
#define IDB_CREDITS_LOGO "LOGO"    // the logo the first credits script shows

// The floating bar's pictures, toolbars, cursor and menus.
#define IDB_COMPACT_BAR 129
#define IDB_COMPACT_BUTTONS 203
#define IDB_SHAPED_BAR 205
#define IDR_SHAPED_TOOLBAR_A 155
#define IDR_SHAPED_TOOLBAR_B 156
#define IDR_COMPACT_TOOLBAR_A 198
#define IDR_COMPACT_TOOLBAR_B 196
#define IDC_BUTTON_POINTER 14
#define IDW_BAR_TOOLBAR 59392  // the child id of the bar's button strips
#define IDR_BAR_MENU 130
#define IDR_TRAY_MENU 131
#define IDR_BUTTON_MENUS 138

// Dialogs and their controls.
#define IDD_ABOUTBOX 100
#define IDC_CREDITS 1000

// The settings sheet: its caption, pages, the word dialog and their controls.
#define IDS_SETTINGS_CAPTION 109   // "青岚墨译设置"
#define IDS_SAVE_USER_DICT 57672   // "用户词库已经修改，是否保存？"
#define IDD_TRANS_SETTING 110
#define IDD_DICT_SETTING 111
#define IDD_USER_WORD 188
#define IDD_USER_PAGE 190
#define IDB_DICT_BOOKS 164         // two 16-pixel books: closed, open
#define IDC_HOTKEY_DICT 1000
#define IDC_HOTKEY_TRANS 1001
#define IDC_HOTKEY_INTERFACE 1002
#define IDC_MENU_BILINGUAL 1003
#define IDC_MENU_CHINESE 1004      // the first of the menu-style radio pair
#define IDC_HOTKEY_RESTORE 1005
#define IDC_DEFAULT_HOTKEYS 1037
#define IDC_DICT_LIST 1008
#define IDC_DICT_ADD 1009
#define IDC_DICT_DELETE 1010
#define IDC_DICT_SELECT 1011
#define IDC_DICT_DESELECT 1012
#define IDC_USE_USER_DICT 1030
#define IDC_USER_LIST 1031
#define IDC_USER_MODIFY 1033
#define IDC_USER_ADD 1034
#define IDC_USER_DELETE 1035
#define IDC_WORD_TEXT 1034
#define IDC_WORD_PART 1035
#define IDC_WORD_MEANING 1036

// The outlook-bar control's cursors.
#define IDC_OUTBAR_HAND 3010
#define IDC_OUTBAR_DRAG 1320
#define IDC_OUTBAR_NODROP 268

// Tray icon.
#define IDC_TRAY_ICON_WND 9999
#define ID_TRAY_ICON 131

// Bar commands.
#define ID_BAR_MINIMIZE 32771
#define ID_BAR_CLOSE 32772
#define ID_BAR_AUTOHIDE 32773
#define ID_BAR_RESTORE 32774
#define ID_APP_ABOUT 32778
#define ID_QUICK_TRANSLATE 32779
#define ID_DICT_CAPTURE 32780
#define ID_SETTINGS_POPUP 32782
#define ID_RESTORE_ENGLISH 32789
#define ID_LOCALISE 32790
#define ID_COMPARE_OFF 32792
#define ID_COMPARE_LEFTRIGHT 32793
#define ID_COMPARE_UPDOWN 32794
#define ID_NO_PROF_DICT 32796
#define ID_SETTINGS_SHEET 32797
#define ID_PROF_DICT_FIRST 32800
#define ID_PROF_DICT_LAST 32831
#define ID_TOOLS_POPUP 32833
#define ID_FULLTEXT 32834
#define ID_PERMANENT 32835
#define ID_DICTIONARY_SHOW 32836
#define ID_NAV_BAR 32840
#define ID_CODE_GB 32841
#define ID_CODE_BIG5 32842
#define ID_CODE_AUTO 32843
#define ID_CODE_NONE 32844
#define ID_BILINGUAL_MENU 32846
#define ID_BIG5_INTERFACE 32848
#define ID_GAME_TRANS 32855
#define ID_WEB_COMPANY 32857
#define ID_WEB_SHOP 32858
#define ID_WEB_DICTIONARY 32859
#define ID_WEB_SCRIBORA 32860
#define ID_SIMPLE_INTERFACE 32872
#define ID_HELP_USING 57666

// Hot keys registered on the bar.
#define HOTKEY_DICT 1000
#define HOTKEY_TRANS 1001
#define HOTKEY_INTERFACE 1002
#define HOTKEY_RESTORE 1003
#define HOTKEY_PACKAGE 1004

// The outlook bars' icon strips: 32-pixel icons (grey see-through), 16-pixel icons (teal
// see-through).
#define IDB_OUTBAR_LARGE 132
#define IDB_OUTBAR_SMALL 133

// The navigation bar's context menu (the second popup of IDR_BAR_MENU) and its commands.
#define ID_NAV_STATUS_BAR 32845
#define ID_NAV_CLOSE 32847
