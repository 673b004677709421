#pragma once

// Helpers of the hook library tests: a private copy of trhook95.dll in a fresh folder (so its
// shared data starts from the library's initial values), its exports and shared record, a
// comparison window, the dictionary stand-in, and stand-in games in processes of their own.

#include <windows.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "shared_data.h"
#include "testgame.h"
#include "testkit/testkit.h"
#include "trhook95.h"

namespace hookkit {

// A folder of its own for one test, under build\tests\hooklib\runs\: the base folder of the
// library, with trhook95.dll and Plug_in\newlumo.idx copied in.
class Run_Folder {
 public:
  Run_Folder();
  ~Run_Folder();
  Run_Folder(const Run_Folder&) = delete;
  Run_Folder& operator=(const Run_Folder&) = delete;
  const std::string& Path() const { return path_; }
  std::string Plugin_Dir() const { return path_ + "\\Plug_in"; }
  void Write_File(const std::string& relative, const std::string& bytes) const;
  void Remove_File(const std::string& relative) const;
  // Process ids noted by the stand-in plug-in, in load order.
  std::vector<DWORD> Plugin_Loads() const;

 private:
  std::string path_;
};

// The library copy of a run folder, loaded into the test process.
class Library {
 public:
  explicit Library(const Run_Folder& folder);
  ~Library();
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;

  bool Loaded() const { return module_ != nullptr; }
  HMODULE Module() const { return module_; }
  std::string Path() const { return path_; }
  // The shared record, as this process maps it (null when there is no ".gdata" section).
  volatile trhook95::SharedHookData* Shared() const { return shared_; }
  DWORD Gdata_Characteristics() const { return gdataFlags_; }
  DWORD Gdata_Size() const { return gdataSize_; }

  decltype(&ClearWinHooks) ClearWinHooks = nullptr;
  decltype(&EnableHook) EnableHook = nullptr;
  decltype(&InitWinHooks) InitWinHooks = nullptr;
  decltype(&SetLexomarHotKey) SetLexomarHotKey = nullptr;
  decltype(&SetCompWnd) SetCompWnd = nullptr;
  decltype(&SetExePath) SetExePath = nullptr;
  decltype(&SetGameActiveFlag) SetGameActiveFlag = nullptr;

 private:
  std::string path_;
  HMODULE module_ = nullptr;
  volatile trhook95::SharedHookData* shared_ = nullptr;
  DWORD gdataFlags_ = 0;
  DWORD gdataSize_ = 0;
};

// The dictionary stand-in vordex.exe, started hidden (as the translator starts it), recording
// what it receives. Every freeze that reaches it sends it one "command 40008".
class Dictionary {
 public:
  // `paused`: word capture starts paused. `dismiss`: a watcher minimises the window whenever
  // a freeze has brought it up, as a user would, so that each freeze ends by itself.
  Dictionary(const Run_Folder& folder, bool paused, bool dismiss);
  ~Dictionary();
  Dictionary(const Dictionary&) = delete;
  Dictionary& operator=(const Dictionary&) = delete;
  HWND Window();  // waits
  std::vector<std::string> Record() const;
  int Shows() const;  // freezes that brought it up
  bool Wait_Shows(int n) const;
  // The user's minimise and close.
  void Minimise();
  void Close();

 private:
  std::string record_;
  std::unique_ptr<testkit::Process> process_;
  HWND window_ = nullptr;
  std::atomic<bool> stop_{false};
  std::thread watcher_;
};

// A freeze dialog of the process is on the screen.
bool Freeze_Showing(DWORD pid);
// Waits for a freeze of the process to be over (its dialog gone and the game answering).
bool Wait_Freeze_Over(DWORD pid);

// A visible window of the test process playing the translator's comparison window: counts
// WM_COMPWND_TARGETGONE.
class Comp_Window {
 public:
  Comp_Window(int x, int y, int w, int h);
  ~Comp_Window();
  HWND Handle() const { return hwnd_; }
  HWND* Handle_Slot() { return &hwnd_; }
  int Target_Gone_Count() const;
  // Processes what is queued for this thread.
  static void Pump();

 private:
  HWND hwnd_ = nullptr;
};

// The stand-in game, copied under `exeName` into the run folder and started with `args`.
class Game {
 public:
  Game(const Run_Folder& folder, const std::string& exeName, const std::string& args,
       const std::string& title = "hookgame");
  bool Started() const { return process_->Started(); }
  DWORD Id() const { return process_->Id(); }
  // The main window, once shown (waits).
  HWND Main();
  // An extra window titled "hookgame extra <n>", once shown (waits).
  HWND Extra(int n);
  LRESULT Query(testgame::Query what) const;
  // Returns once the game has handled everything posted to it before.
  bool Sync();
  bool Post(UINT msg, WPARAM wp = 0, LPARAM lp = 0);
  // Waits for the game's main window to be the foreground window with the keyboard focus.
  bool Bring_To_Front();
  // A DirectDraw game: waits until it has drawn a few more pictures (the library then knows
  // its DirectDraw object).
  bool Wait_Drawing();
  testkit::Process& Process() { return *process_; }

 private:
  std::string title_;
  std::unique_ptr<testkit::Process> process_;
  HWND main_ = nullptr;
  LONG pings_ = 0;
};

// Real mouse input: the cursor to a screen point, a button down or up.
void Mouse_Move(int x, int y);
void Mouse_Button(bool left, bool down);

// Real keyboard input.
void Key(WORD vk, bool down);
// A typist's pause between holding modifiers and striking a key (other processes may see the
// asynchronous key state up to a few hundredths of a second late under Wine).
void Typing_Pause();
// Waits until the game has seen `keyUps` key releases in all.
bool Wait_Key_Ups(const Game& game, LRESULT keyUps);

// The text of the message box's text control.
std::string Box_Text(HWND box);

// The stand-in driver: runs hookdriver.exe with the library and the command, returns its exit
// code (STILL_ACTIVE when it did not end in time).
DWORD Run_Driver(const Library& lib, const std::string& args);
std::string Driver_Path();

}  // namespace hookkit
