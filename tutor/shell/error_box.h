#pragma once
// The tutor's common error box, as the shell's procedures use it: a procedure that fails shows
// the error's text followed by "!" (or the full-width "！" where a procedure says so), with the
// critical icon and the title "错误", and returns its neutral value.

#include <functional>
#include <stdexcept>
#include <string>

namespace quillon {

// A failure inside a procedure; its text is the description shown in the box.
struct Tutor_Error : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Shows the common error box with `description` followed by `ending`.
void Show_Error_Box(const std::string& description, const char* ending = "!");

// Tests replace the box by a recorder (an empty function restores the box).
void Set_Error_Box_Handler(std::function<void(const std::string& message)> handler);

// Runs `work`; a failure is reported with the error box. Returns false when it failed.
template <class F>
bool Guarded(F&& work, const char* ending = "!") {
  try {
    work();
    return true;
  } catch (const std::exception& e) {
    Show_Error_Box(e.what(), ending);
  } catch (...) {
    Show_Error_Box("未知错误", ending);
  }
  return false;
}

}  // namespace quillon
