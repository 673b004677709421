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

// Dialogs and their controls.
#define IDD_ABOUTBOX 100
#define IDC_CREDITS 1000

// Tray icon.
#define IDC_TRAY_ICON_WND 9999
#define ID_TRAY_ICON 131

// Bar commands.
#define ID_BAR_MINIMIZE 32771
#define ID_BAR_CLOSE 32772
#define ID_BAR_AUTOHIDE 32773
#define ID_BAR_RESTORE 32774
#define ID_APP_ABOUT 32778
#define ID_SIMPLE_INTERFACE 32872
