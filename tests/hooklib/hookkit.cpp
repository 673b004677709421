#include "hookkit.h"

#include <chrono>
#include <fstream>
#include <sstream>

namespace hookkit {

namespace {

std::string Own_Folder() {
  char path[MAX_PATH];
  DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string p(path, n);
  return p.substr(0, p.find_last_of("\\/"));
}

bool Copy(const std::string& from, const std::string& to) {
  return CopyFileA(from.c_str(), to.c_str(), FALSE) != 0;
}

// Deletes a folder and what it holds, as far as it can: library copies that other processes
// of the desktop still map stay until those processes end.
void Remove_Tree(const std::string& folder) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      std::string path = folder + "\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        Remove_Tree(path);
      else
        DeleteFileA(path.c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(folder.c_str());
}

}  // namespace

// --- Run_Folder ---------------------------------------------------------------------------

Run_Folder::Run_Folder() {
  std::string runs = Own_Folder() + "\\runs";
  CreateDirectoryA(runs.c_str(), nullptr);
  // Folders of earlier runs whose files are free by now.
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((runs + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      std::string name = found.cFileName;
      if (name != "." && name != ".." && (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        Remove_Tree(runs + "\\" + name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  path_ = runs + "\\" + std::to_string(GetCurrentProcessId()) + "-" +
          std::to_string(GetTickCount());
  CreateDirectoryA(path_.c_str(), nullptr);
  CreateDirectoryA(Plugin_Dir().c_str(), nullptr);
  std::string dist = testkit::Translator_Folder();
  Copy(dist + "\\trhook95.dll", path_ + "\\trhook95.dll");
  Copy(dist + "\\Plug_in\\newlumo.idx", Plugin_Dir() + "\\newlumo.idx");
}

Run_Folder::~Run_Folder() { Remove_Tree(path_); }

void Run_Folder::Write_File(const std::string& relative, const std::string& bytes) const {
  std::ofstream out(path_ + "\\" + relative, std::ios::binary | std::ios::trunc);
  out << bytes;
}

void Run_Folder::Remove_File(const std::string& relative) const {
  DeleteFileA((path_ + "\\" + relative).c_str());
}

std::vector<DWORD> Run_Folder::Plugin_Loads() const {
  std::vector<DWORD> pids;
  std::ifstream in(Plugin_Dir() + "\\newlumo.log");
  unsigned long pid;
  while (in >> pid) pids.push_back(pid);
  return pids;
}

// --- Library ------------------------------------------------------------------------------

Library::Library(const Run_Folder& folder) : path_(folder.Path() + "\\trhook95.dll") {
  module_ = LoadLibraryA(path_.c_str());
  if (!module_) return;
  auto get = [&](const char* name) { return GetProcAddress(module_, name); };
  ClearWinHooks = reinterpret_cast<decltype(ClearWinHooks)>(get("ClearWinHooks"));
  EnableHook = reinterpret_cast<decltype(EnableHook)>(get("EnableHook"));
  InitWinHooks = reinterpret_cast<decltype(InitWinHooks)>(get("InitWinHooks"));
  SetLexomarHotKey = reinterpret_cast<decltype(SetLexomarHotKey)>(get("SetLexomarHotKey"));
  SetCompWnd = reinterpret_cast<decltype(SetCompWnd)>(get("SetCompWnd"));
  SetExePath = reinterpret_cast<decltype(SetExePath)>(get("SetExePath"));
  SetGameActiveFlag = reinterpret_cast<decltype(SetGameActiveFlag)>(get("SetGameActiveFlag"));

  if (const IMAGE_SECTION_HEADER* section = testkit::Module_Section(module_, ".gdata")) {
    shared_ = reinterpret_cast<trhook95::SharedHookData*>(reinterpret_cast<BYTE*>(module_) +
                                                          section->VirtualAddress);
    gdataFlags_ = section->Characteristics;
    gdataSize_ = section->Misc.VirtualSize;
  }
}

Library::~Library() {
  // The hooks never outlive a test: removed here whatever the test left behind.
  if (ClearWinHooks) ClearWinHooks();
}

// --- Dictionary --------------------------------------------------------------------------

Dictionary::Dictionary(const Run_Folder& folder, bool paused, bool dismiss)
    : record_(folder.Path() + "\\dictionary.log") {
  DeleteFileA(record_.c_str());
  std::string exe = testkit::Translator_Folder() + "\\lexomarmini\\vordex.exe";
  std::string args = std::string("-s ") + (paused ? "-p " : "") + "/record:" + record_;
  process_ = std::make_unique<testkit::Process>(exe, args, folder.Path());
  Window();
  if (dismiss) {
    watcher_ = std::thread([this] {
      while (!stop_) {
        HWND w = window_;
        if (w && IsWindowVisible(w) && !IsIconic(w)) Minimise();
        Sleep(100);
      }
    });
  }
}

Dictionary::~Dictionary() {
  stop_ = true;
  if (watcher_.joinable()) watcher_.join();
  Close();
  process_->Wait_Exit(std::chrono::seconds(5));
}

namespace {

struct Class_Search {
  DWORD pid;
  const char* className;
  bool visibleOnly;
  HWND found;
};

BOOL CALLBACK Find_Class_Of(HWND w, LPARAM lp) {
  auto* search = reinterpret_cast<Class_Search*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  char name[64];
  if (pid == search->pid && GetClassNameA(w, name, sizeof name) &&
      std::string(name) == search->className && (!search->visibleOnly || IsWindowVisible(w))) {
    search->found = w;
    return FALSE;
  }
  return TRUE;
}

HWND Window_Of_Class(DWORD pid, const char* className, bool visibleOnly) {
  Class_Search search{pid, className, visibleOnly, nullptr};
  EnumWindows(Find_Class_Of, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

HWND Dictionary::Window() {
  if (!window_)
    testkit::Wait_Until(
        [&] { return (window_ = Window_Of_Class(process_->Id(), "VORDEXWND", false)) != nullptr; });
  return window_;
}

std::vector<std::string> Dictionary::Record() const { return testkit::Read_Lines(record_); }

int Dictionary::Shows() const {
  int shows = 0;
  for (const std::string& line : Record())
    if (line.rfind("command 40008 ", 0) == 0) ++shows;
  return shows;
}

bool Dictionary::Wait_Shows(int n) const {
  return testkit::Wait_Until([&] { return Shows() >= n; });
}

void Dictionary::Minimise() {
  if (window_) PostMessageA(window_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void Dictionary::Close() {
  if (window_) PostMessageA(window_, WM_CLOSE, 0, 0);
}

bool Freeze_Showing(DWORD pid) { return Window_Of_Class(pid, "#32770", true) != nullptr; }

bool Wait_Freeze_Over(DWORD pid) {
  return testkit::Wait_Until([&] { return !Freeze_Showing(pid); });
}

// --- Comp_Window --------------------------------------------------------------------------

namespace {

int g_targetGone = 0;

LRESULT CALLBACK Comp_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_COMPWND_TARGETGONE) {
    ++g_targetGone;
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

Comp_Window::Comp_Window(int x, int y, int w, int h) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = Comp_Proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = "QuillonTestCompWnd";
  RegisterClassA(&wc);
  g_targetGone = 0;
  hwnd_ = CreateWindowExA(WS_EX_TOOLWINDOW, wc.lpszClassName, "comparison", WS_POPUP | WS_VISIBLE,
                          x, y, w, h, nullptr, nullptr, wc.hInstance, nullptr);
}

Comp_Window::~Comp_Window() {
  if (hwnd_) DestroyWindow(hwnd_);
}

int Comp_Window::Target_Gone_Count() const {
  Pump();
  return g_targetGone;
}

void Comp_Window::Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

// --- Game ---------------------------------------------------------------------------------

Game::Game(const Run_Folder& folder, const std::string& exeName, const std::string& args,
           const std::string& title)
    : title_(title) {
  std::string source = testkit::Build_Folder() + "\\outside\\testgame\\hookgame.exe";
  std::string exe = folder.Path() + "\\" + exeName;
  Copy(source, exe);
  std::string all = args;
  if (title != "hookgame") all += " /title:" + title;
  process_ = std::make_unique<testkit::Process>(exe, all, folder.Path());
}

HWND Game::Main() {
  if (!main_) testkit::Wait_Until([&] { return (main_ = testkit::Find_Window_Of(Id(), title_)) != nullptr; });
  return main_;
}

HWND Game::Extra(int n) {
  HWND w = nullptr;
  testkit::Wait_Until(
      [&] { return (w = testkit::Find_Window_Of(Id(), "hookgame extra " + std::to_string(n))) != nullptr; });
  return w;
}

LRESULT Game::Query(testgame::Query what) const {
  DWORD_PTR result = static_cast<DWORD_PTR>(-1);
  if (!main_) return -1;
  if (!SendMessageTimeoutA(main_, testgame::kQuery, what, 0, SMTO_NORMAL, 10000, &result))
    return -1;
  return static_cast<LRESULT>(result);
}

bool Game::Post(UINT msg, WPARAM wp, LPARAM lp) {
  return Main() && PostMessageA(main_, msg, wp, lp);
}

bool Game::Sync() {
  if (!Post(testgame::kPing)) return false;
  LONG expected = ++pings_;
  return testkit::Wait_Until([&] { return Query(testgame::kPings) >= expected; });
}

bool Game::Bring_To_Front() {
  if (!Main()) return false;
  return testkit::Wait_Until([&] {
    if (GetForegroundWindow() == main_ && Query(testgame::kMainHasFocus) == 1) return true;
    if (GetForegroundWindow() != main_) SetForegroundWindow(main_);
    return false;
  });
}

bool Game::Wait_Drawing() {
  if (!Main()) return false;
  LRESULT frames = Query(testgame::kFrames);
  return frames >= 0 && testkit::Wait_Until([&] { return Query(testgame::kFrames) >= frames + 10; });
}

// --- Input and windows ----------------------------------------------------------------------

void Key(WORD vk, bool down) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, 0));
  in.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
  SendInput(1, &in, sizeof in);
}

void Mouse_Move(int x, int y) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  in.mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &in, sizeof in);
}

void Mouse_Button(bool left, bool down) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = left ? (down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP)
                       : (down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP);
  SendInput(1, &in, sizeof in);
}

void Typing_Pause() {
  auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(150);
  testkit::Wait_Until([&] { return std::chrono::steady_clock::now() >= end; });
}

bool Wait_Key_Ups(const Game& game, LRESULT keyUps) {
  return testkit::Wait_Until([&] { return game.Query(testgame::kKeyUps) >= keyUps; });
}

namespace {

BOOL CALLBACK Longest_Static(HWND child, LPARAM lp) {
  auto* best = reinterpret_cast<std::string*>(lp);
  char cls[32];
  GetClassNameA(child, cls, sizeof cls);
  if (lstrcmpiA(cls, "Static") != 0) return TRUE;
  char text[1024];
  GetWindowTextA(child, text, sizeof text);
  if (strlen(text) > best->size()) *best = text;
  return TRUE;
}

}  // namespace

std::string Box_Text(HWND box) {
  std::string text;
  EnumChildWindows(box, Longest_Static, reinterpret_cast<LPARAM>(&text));
  return text;
}

std::string Driver_Path() { return Own_Folder() + "\\hookdriver.exe"; }

DWORD Run_Driver(const Library& lib, const std::string& args) {
  testkit::Process driver(Driver_Path(), "\"" + lib.Path() + "\" " + args, Own_Folder());
  if (!driver.Started()) return static_cast<DWORD>(-1);
  return driver.Wait_Exit();
}

}  // namespace hookkit
