#pragma once
// The runtime's key-sending call: keystrokes in the classic SendKeys notation, injected with
// SendInput into the window that has the keyboard focus (they go through the event pump, so
// key preview and key events see them).
//   letters and digits type themselves; + Shift, ^ Ctrl, % Alt apply to the next key or (group);
//   ~ or {ENTER} Enter; {BS} {BACKSPACE} {DEL} {TAB} {ESC} {HOME} {END} {LEFT} {RIGHT} {UP} {DOWN}
//   {PGUP} {PGDN} {INSERT} {F1}..{F16}; {+} {^} {%} {~} {(} {)} {{} {}} literal; {x n} repeats.
// A lone "+" (or "^", "%") sends that modifier's own key-down and key-up.

#include <windows.h>

#include <string>
#include <vector>

namespace forms {

// Parses keys into key events (pure; throws Runtime_Error 5 for bad notation).
std::vector<INPUT> Parse_Keys(const std::string& keys);
// Sends them; with wait, handles events until they have been processed.
void Send_Keys(const std::string& keys, bool wait = false);

}  // namespace forms
