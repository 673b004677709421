#pragma once
// The tutor's error convention. A procedure that traps its errors shows the error's text followed
// by "!" in a message box with the critical icon and the title "错误", then returns its neutral
// value; some procedures instead skip a failing statement silently and go on.
//
//   int Count_Lines() { return forms::Guarded([&] { ...; return n; }, 0); }
//   forms::Guarded([&] { ... });                // void procedure
//   forms::Silent([&] { Close_Music(); });       // failure skipped without a word
//
// Failures are C++ exceptions: Runtime_Error (a numbered run-time error) or any std::exception.

#include <windows.h>

#include <exception>
#include <functional>
#include <stdexcept>
#include <string>

namespace forms {

// A run-time error with a number and a description (the text the error box shows).
class Runtime_Error : public std::runtime_error {
 public:
  Runtime_Error(int number, const std::string& description)
      : std::runtime_error(description), number_(number) {}
  int Number() const { return number_; }

 private:
  int number_;
};

// The message box every box of the runtime goes through. Tests replace it to see what would be
// shown (and to answer it). Set_Message_Box_Function({}) restores MessageBoxA.
using Message_Box_Function =
    std::function<int(HWND owner, const std::string& text, const std::string& title, UINT flags)>;
void Set_Message_Box_Function(Message_Box_Function box);
int Message_Box(HWND owner, const std::string& text, const std::string& title, UINT flags);

// The error box: text + mark ("!"; a few procedures end with the full-width "！"), critical icon
// (MB_ICONSTOP), title "错误", no owner.
void Show_Error_Box(const std::string& description, const char* mark = "!");

// The description of the exception being handled (call inside a catch block).
std::string Current_Error_Text();

// Runs f; on an exception shows the error box and returns neutral (or nothing for void f).
template <typename F, typename R = std::invoke_result_t<F&>>
R Guarded(F&& f, R neutral = R{}, const char* mark = "!") {
  try {
    return f();
  } catch (...) {
    Show_Error_Box(Current_Error_Text(), mark);
    return neutral;
  }
}

template <typename F>
  requires std::is_void_v<std::invoke_result_t<F&>>
void Guarded(F&& f, const char* mark = "!") {
  try {
    f();
  } catch (...) {
    Show_Error_Box(Current_Error_Text(), mark);
  }
}

// Runs f; on an exception returns neutral without a word.
template <typename F, typename R = std::invoke_result_t<F&>>
R Silent(F&& f, R neutral = R{}) {
  try {
    return f();
  } catch (...) {
    return neutral;
  }
}

template <typename F>
  requires std::is_void_v<std::invoke_result_t<F&>>
void Silent(F&& f) {
  try {
    f();
  } catch (...) {
  }
}

}  // namespace forms
