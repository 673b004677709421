#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>

namespace testkit {

// The built program folders (dist\Quillon, dist\Lingvane), found from the test program's own
// place in the build tree.
std::string Tutor_Folder();
std::string Translator_Folder();
// The build folder itself (the one that holds dist\).
std::string Build_Folder();

// Waits, pumping this thread's messages, until `done` holds or the time runs out.
bool Wait_Until(const std::function<bool()>& done,
                std::chrono::milliseconds limit = std::chrono::seconds(20));

// A program started for a test; ended (killed if it is still running) when destroyed.
class Process {
 public:
  Process() = default;
  Process(const std::string& exe, const std::string& args, const std::string& folder);
  ~Process();
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  bool Started() const { return info_.hProcess != nullptr; }
  DWORD Id() const { return info_.dwProcessId; }
  // Waits for the exit; returns the exit code, or STILL_ACTIVE when it did not end in time.
  DWORD Wait_Exit(std::chrono::milliseconds limit = std::chrono::seconds(20));

 private:
  PROCESS_INFORMATION info_{};
};

// The first visible top-level window of the process with that title, or null.
HWND Find_Window_Of(DWORD pid, const std::string& title);

// Deletes a registry key of the current user with everything under it (no error when it is
// missing).
void Delete_User_Key(const std::string& path);

}  // namespace testkit
