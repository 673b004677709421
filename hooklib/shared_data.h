#pragma once

// The record every process that maps trhook95.dll shares (section ".gdata"), and the library's
// fixed game list.

#include <windows.h>

#include <cstddef>

namespace trhook95 {

constexpr int kGameCount = 12;
constexpr size_t kFolderSize = 256;

struct SharedHookData {
  HHOOK hKeyboardHook;
  HHOOK hGetMsgHook;
  HHOOK hCbtHook;
  DWORD dwTranslatorPid;
  DWORD dwDictHotKey;
  BOOL bGameActive;
  char szBaseDir[kFolderSize];
  char szPluginDir[kFolderSize];
  BOOL bGameEnabled[kGameCount];
  HWND hCompTarget;
  HWND hCompWnd;
};

// The layout is fixed per architecture: every process that maps the library must agree on it.
#ifdef _WIN64
static_assert(offsetof(SharedHookData, hKeyboardHook) == 0);
static_assert(offsetof(SharedHookData, hGetMsgHook) == 8);
static_assert(offsetof(SharedHookData, hCbtHook) == 16);
static_assert(offsetof(SharedHookData, dwTranslatorPid) == 24);
static_assert(offsetof(SharedHookData, dwDictHotKey) == 28);
static_assert(offsetof(SharedHookData, bGameActive) == 32);
static_assert(offsetof(SharedHookData, szBaseDir) == 36);
static_assert(offsetof(SharedHookData, szPluginDir) == 292);
static_assert(offsetof(SharedHookData, bGameEnabled) == 548);
static_assert(offsetof(SharedHookData, hCompTarget) == 600);
static_assert(offsetof(SharedHookData, hCompWnd) == 608);
static_assert(sizeof(SharedHookData) == 616);
#else
static_assert(offsetof(SharedHookData, hKeyboardHook) == 0);
static_assert(offsetof(SharedHookData, hGetMsgHook) == 4);
static_assert(offsetof(SharedHookData, hCbtHook) == 8);
static_assert(offsetof(SharedHookData, dwTranslatorPid) == 12);
static_assert(offsetof(SharedHookData, dwDictHotKey) == 16);
static_assert(offsetof(SharedHookData, bGameActive) == 20);
static_assert(offsetof(SharedHookData, szBaseDir) == 24);
static_assert(offsetof(SharedHookData, szPluginDir) == 280);
static_assert(offsetof(SharedHookData, bGameEnabled) == 536);
static_assert(offsetof(SharedHookData, hCompTarget) == 584);
static_assert(offsetof(SharedHookData, hCompWnd) == 588);
static_assert(sizeof(SharedHookData) == 592);
#endif

// Lower case, compared with the base name of a process's executable; the position is the
// index into bGameEnabled and into "TransList.cfg".
inline constexpr const char* kGameList[kGameCount] = {
    "civctp", "cm3",  "dune2000", "empires", "empiresx", "empires2",
    "game",   "heroes3", "homeworld", "kingdoms", "ra95", "rt2"};

}  // namespace trhook95
