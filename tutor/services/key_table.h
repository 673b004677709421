#pragma once

// The tutor's one key table: which key of the keyboard types a character. Every typing mode uses
// it to light a key on an on-screen keyboard, to flash a wrongly pressed key and to pick the key's
// own note. The slot number is a key's identity everywhere: the key image index, the highlight
// picture "mychar<slot>" and the note "\Music\Sound\MusicKB\<slot>.wav".
//
// Plain logic, no window code.

#include <cstdint>
#include <string_view>

namespace quillon {

// Slots 0 to 100; slots 0 to 57 the main keyboard (33 to 39 empty), 58 to 73 the numeric keypad,
// 74 to 100 empty.
constexpr int kKeySlotCount = 101;
constexpr int kFirstKeypadSlot = 58;
constexpr int kLastKeypadSlot = 73;
constexpr int kLastMainKeySlot = 57;

// Result of a lookup that finds no key.
constexpr int16_t kNoKey = -88;

// Column 0: the ANSI character code the key types without Shift; column 1: with Shift; 0 = none.
// A single-byte character has the code 0 to 255; a double-byte character (code page 936) has its
// two bytes as a negative 16-bit code and is never in the table. All zero until
// Initialize_Key_Table fills it; nothing writes it afterwards.
extern int16_t Key_Table[kKeySlotCount][2];

// The part of the keyboard the keys practice drills ("Setting\English\Char" "Type Method"):
// 0 the main keyboard, 1 the numeric keypad. Read by Get_Key_Index_By_Method(code).
extern int16_t Key_Char_Type_Method;

// Fills Key_Table. Called once at start-up, before any practice runs; calling it again is harmless.
void Initialize_Key_Table();

// The main-keyboard slot (0 to 57) whose unshifted or shifted character has this code, the lowest
// slot when several do; kNoKey when none does (or for code 0, which means no character). Keypad
// slots are never searched, so a keypad character gives the main-keyboard key of the same
// character (keypad 7 gives 47, "*" 48, "+" 52, "." 29, Enter 31).
int16_t Get_Key_Index(int16_t code);

// The same question restricted to one part of the keyboard: type method 0 as Get_Key_Index;
// type method 1 the keypad slots 58 to 73, unshifted column only; any other method kNoKey.
int16_t Get_Key_Index_By_Method(int16_t code, int16_t type_method);
// The same with the shared Key_Char_Type_Method.
int16_t Get_Key_Index_By_Method(int16_t code);

// The ANSI code of one character given as its code-page-936 bytes: a single byte gives 0 to 255,
// a double-byte character its lead byte times 256 plus its trail byte, as a signed 16-bit value
// (negative); an empty text gives 0.
int16_t Ansi_Code(std::string_view character);

}  // namespace quillon
