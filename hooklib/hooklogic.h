#pragma once

// The hook library's decisions, free of window and process work: hotkey and mouse-chord tests,
// folder and path composition, the game switches of "TransList.cfg" and the game list match.
// Everything here works on caller-supplied bounded buffers and never allocates.

#include <windows.h>

#include <cstddef>

namespace trhook95 {

// Modifier bits of a hotkey value's high word.
constexpr DWORD kModAlt = 1;
constexpr DWORD kModCtrl = 2;
constexpr DWORD kModShift = 4;

// The key of a keyboard-hook call is the hotkey's key (low word) and is being released
// (bit 31 of the keystroke flags).
bool Is_Hotkey_Key_Released(DWORD hotKey, WPARAM virtualKey, LPARAM keyFlags);
// A key counts as held only while its asynchronous state reports it down now (high bit); the
// low bit (pressed since the last query) does not count.
inline bool Is_Key_Down_Now(SHORT asyncState) { return (asyncState & 0x8000) != 0; }
DWORD Modifier_Mask(bool ctrlDown, bool altDown, bool shiftDown);
// The modifiers held equal the hotkey's high word exactly.
inline bool Modifiers_Match(DWORD hotKey, DWORD mask) { return mask == HIWORD(hotKey); }

// The mouse chord: left button released while only the right button is held.
bool Is_Mouse_Chord(const MSG* msg);

// out = dir + name; false (out untouched) when the result with its NUL exceeds outSize.
bool Join_Path(const char* dir, const char* name, char* out, size_t outSize);
// out = base, a backslash when base does not end in one, then "Plug_in\"; false (out untouched)
// when base is empty or the result does not fit into outSize.
bool Compose_Plugin_Dir(const char* base, char* out, size_t outSize);

// Applies the text of "TransList.cfg" (at most `size` bytes read, up to the first NUL): position
// i of the switches becomes 1 for "1", else 0; positions beyond the text keep their value.
void Apply_Trans_List(const char* text, size_t size, BOOL* switches, int count);

// The base name of a program file (no folder, no extension), lower-cased (ASCII letters;
// double-byte characters of the ANSI code page are kept whole). False when it is empty or
// does not fit into outSize.
bool Program_Base_Name(const char* path, char* out, size_t outSize);
// The position in the game list of the program file's base name whose switch is on, or -1.
int Find_Listed_Game(const char* programPath, const BOOL* switches);

// Installs hooks in order, storing each handle in its slot as soon as it is given. When one is
// refused, the ones already installed are removed again (last first) and every slot is 0, so
// that nothing half-installed is left behind. True when all went in.
using Hook_Install_Fn = HHOOK (*)(int kind, void* context);
using Hook_Remove_Fn = void (*)(HHOOK hook, void* context);
bool Install_In_Order(HHOOK volatile* const* slots, const int* kinds, int count,
                      Hook_Install_Fn install, Hook_Remove_Fn remove, void* context);

}  // namespace trhook95
