#pragma once

// The dictionary program's window protocol and the freeze's private message.

#include <windows.h>

namespace trhook95 {

constexpr char kDictClass[] = "VORDEXWND";
constexpr char kDictTitle[] = "青岚墨典";             // word capture running
constexpr char kDictTitlePaused[] = "青岚墨典(暂停)";  // word capture paused

constexpr WORD VORDEX_CMD_SHOW = 40008;
constexpr WORD VORDEX_CMD_TOGGLE_PAUSE = 40012;
// The library sends the pause toggle with the command in both words.
constexpr WPARAM kTogglePauseBothWords =
    (static_cast<WPARAM>(VORDEX_CMD_TOGGLE_PAUSE) << 16) | VORDEX_CMD_TOGGLE_PAUSE;

// Posted by the freeze's worker to the freeze dialog once the dictionary is dismissed.
constexpr UINT WM_FREEZE_END = 0x2150;
// The freeze dialog's template.
constexpr UINT kFreezeDialogId = 157;
// The worker looks at the dictionary window this often while it is up.
constexpr DWORD kDictionaryPollMs = 1000;

}  // namespace trhook95
