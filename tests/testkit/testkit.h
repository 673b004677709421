#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace testkit {

// The built program folders (dist\Quillon, dist\Lingvane), found from the test program's own
// place in the build tree.
std::string Tutor_Folder();
std::string Translator_Folder();
// The build folder itself (the one that holds dist\).
std::string Build_Folder();

// Handles the messages queued for this thread: the pump of a test without the forms runtime.
void Pump_Thread_Queue();
// The one wait of the tests: looks at `done` until it holds or the time runs out and runs the
// caller's `pump` between looks (forms::Do_Events where the forms runtime is in play).
bool Wait_Until(const std::function<bool()>& done,
                std::chrono::milliseconds limit = std::chrono::seconds(20),
                const std::function<void()>& pump = Pump_Thread_Queue);
// Keeps pumping for that long.
void Pump_For(std::chrono::milliseconds time, const std::function<void()>& pump = Pump_Thread_Queue);

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

// A whole file's bytes ("" when it cannot be read); writes a file whole, replacing it.
std::string Read_File(const std::string& path);
bool Write_File(const std::string& path, const std::string& bytes);
// A text file's lines without their CR LF ends (none when it cannot be read).
std::vector<std::string> Read_Lines(const std::string& path);

// Saves the part of the screen inside `area` (screen pixels) as a 24-bit bitmap file.
bool Save_Screen_Bitmap(const std::string& path, const RECT& area);
// Saves a picture of a window (as the screen shows it) as <name>.bmp in the folder that
// QL_SHOT_DIR names; nothing when it names none. Any thread.
void Shot_Window(HWND window, const std::string& name);

// The test desktop's sound device writes what it plays into a file (QL_SOUND_OUT). Its Windows
// path, or "" when the run has no such device.
std::string Sound_Output_File();
// Empties the file, leaving the device as it started.
void Empty_Sound_Output();
// The file's size and last write time: the device rewrites the file each time a player opens
// it, so a new sound shows as a change of this stamp, not always as growth.
std::pair<unsigned long long, unsigned long long> Sound_Output_Stamp();

// The section of that name (at most 8 characters, ".gdata") of a loaded module: its header,
// or null when the module has none. Its bytes start at the module's base plus VirtualAddress.
const IMAGE_SECTION_HEADER* Module_Section(HMODULE module, const char* name);

// Deletes a registry key of the current user with everything under it (no error when it is
// missing).
void Delete_User_Key(const std::string& path);

}  // namespace testkit

namespace testkit {

// Real input through the desktop. The display echoes each pointer move a little later, and a
// late echo of an earlier move can put the pointer back where it was, so a move is sent again
// until the pointer stays put; the caller's `pump` runs meanwhile.
void Mouse_To(POINT at, const std::function<void()>& pump = Pump_Thread_Queue);
// Only sends the move (for another thread while this one is held in a system loop).
void Send_Move(POINT at);
// Button 1 left, 2 right.
void Mouse_Button(int button, bool down);
void Click_At(POINT at, int button = 1, const std::function<void()>& pump = Pump_Thread_Queue);
// One key down or up.
void Key(WORD vk, bool down);
// Presses the keys in order and lets them go in reverse order.
void Key_Stroke(std::initializer_list<WORD> keys);
// Types a code-page-936 text as characters from the keyboard (KEYEVENTF_UNICODE), as an input
// method or xdotool hands them over.
void Type_Characters(const std::string& text);
// The double-byte codes of a code-page-936 text, one a character (lead byte * 256 + trail
// byte): what WM_IME_CHAR carries.
std::vector<WPARAM> Double_Byte_Codes(const std::string& text);
// Puts a code-page-936 text on the clipboard as Unicode text (as another program copies it).
bool Put_Clipboard_Text(const std::string& text);

}  // namespace testkit
