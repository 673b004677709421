#pragma once
// Helpers of the forms runtime's tests.

#include <windows.h>

#include <functional>
#include <string>

namespace forms_test {

// Runs the runtime's pump until done() holds or the limit (ms) passes; returns done().
bool Pump_Until(const std::function<bool()>& done, int limit_ms = 10000);
// Runs the pump for about that long.
void Pump_For(int ms);
// Posts a key down (and the character, when ch is given) and up to a window.
void Post_Key(HWND hwnd, int vk, bool alt = false);
void Post_Char(HWND hwnd, int ch);
// Posts a left click at client pixel (x, y).
void Post_Click(HWND hwnd, int x, int y);
void Post_Move(HWND hwnd, int x, int y);
// Colour of client pixel (x, y) as the window paints itself (WM_PRINTCLIENT).
COLORREF Painted_Pixel(HWND hwnd, int x, int y);

}  // namespace forms_test
