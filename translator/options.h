#pragma once

#include "appfw/app.h"
#include "appfw/cstring.h"

// The translator's options: one field per value of the registry section "Option", read once
// at start-up and written back once at exit; the rest of the program changes them in memory.
struct TransOptions {
  int UseDictionary = 0;
  int UseSystemFont = 0;
  int AutoHideBar = 0;
  int CurrentCode = 0;
  int ProfDictID = 0;
  int TransHotkey = 0;
  int RestoreEnglishHotkey = 0;
  int InterfaceHotkey = 0;
  int DictHotkey = 0;
  int PackageHotkey = 0;
  int BackgroundImageID = 0;
  int UseDFKC = 0;
  appfw::CString DFKCPath;
  int UseUserDict = 0;
  int UseChnEngMenu = 0;
  int InterfaceType = 0;
  int UseGameTrans = 0;
  int InterfaceStyle = 0;
  int ShowNavBar = 0;
};

// The hot keys' defaults: the key in the low word, the modifier mask (Alt 1, Ctrl 2, Shift 4)
// in the high word.
constexpr int kDefaultTransHotkey = (2 << 16) | VK_F9;
constexpr int kDefaultRestoreEnglishHotkey = (2 << 16) | VK_F10;
constexpr int kDefaultInterfaceHotkey = (2 << 16) | VK_F11;
constexpr int kDefaultDictHotkey = (6 << 16) | VK_F1;
constexpr int kDefaultPackageHotkey = (2 << 16) | VK_F8;

// The two bar styles ("InterfaceStyle") and their backgrounds ("BackgroundImageID").
constexpr int kCompactBarStyle = 0;
constexpr int kShapedBarStyle = 1;
constexpr int kCompactBarBackground = 129;
constexpr int kShapedBarBackground = 205;

// The program's options; zero (and an empty DFKCPath) until they are loaded.
extern TransOptions g_TransOptions;

// The section that holds them.
extern const char kOptionSection[];

// Reads every option from the profile in the load order. A value that is missing, of another
// type or outside what the option can be reads as the option's default (and is so replaced at
// exit); well-formed values read as stored.
void Load_Trans_Options(appfw::CWinApp& app, TransOptions& options);
// Writes all nineteen options in the save order: integers as numbers, DFKCPath as text.
void Save_Trans_Options(appfw::CWinApp& app, const TransOptions& options);
