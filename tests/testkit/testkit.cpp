#include "testkit/testkit.h"

#include <cstddef>
#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>

#include <shlwapi.h>

namespace testkit {

// The build folder: the nearest folder above the test program that holds dist\.
std::string Build_Folder() {
  char path[MAX_PATH];
  DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string p(path, n);
  for (size_t cut; (cut = p.find_last_of("\\/")) != std::string::npos;) {
    p.resize(cut);
    if (GetFileAttributesA((p + "\\dist").c_str()) != INVALID_FILE_ATTRIBUTES) return p;
  }
  return ".";
}

std::string Tutor_Folder() { return Build_Folder() + "\\dist\\Quillon"; }
std::string Translator_Folder() { return Build_Folder() + "\\dist\\Lingvane"; }

void Pump_Thread_Queue() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

bool Wait_Until(const std::function<bool()>& done, std::chrono::milliseconds limit,
                const std::function<void()>& pump) {
  auto end = std::chrono::steady_clock::now() + limit;
  for (;;) {
    if (done()) return true;
    if (std::chrono::steady_clock::now() >= end) return done();
    pump();
    // A short nap that ends early when input arrives.
    MsgWaitForMultipleObjectsEx(0, nullptr, 5, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
}

void Pump_For(std::chrono::milliseconds time, const std::function<void()>& pump) {
  Wait_Until([] { return false; }, time, pump);
}

Process::Process(const std::string& exe, const std::string& args, const std::string& folder) {
  STARTUPINFOA si{};
  si.cb = sizeof si;
  std::string cmd = "\"" + exe + "\"";
  if (!args.empty()) cmd += " " + args;
  if (!CreateProcessA(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &si, &info_)) {
    info_ = {};
  }
}

Process::~Process() {
  if (!info_.hProcess) return;
  if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(info_.hProcess, 99);
    WaitForSingleObject(info_.hProcess, 5000);
  }
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

DWORD Process::Wait_Exit(std::chrono::milliseconds limit) {
  if (!info_.hProcess) return STILL_ACTIVE;
  if (WaitForSingleObject(info_.hProcess, static_cast<DWORD>(limit.count())) != WAIT_OBJECT_0)
    return STILL_ACTIVE;
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

namespace {

struct Window_Search {
  DWORD pid;
  const std::string* title;
  HWND found;
};

BOOL CALLBACK Match_Window(HWND hwnd, LPARAM lp) {
  auto* s = reinterpret_cast<Window_Search*>(lp);
  DWORD owner = 0;
  GetWindowThreadProcessId(hwnd, &owner);
  char text[512];
  GetWindowTextA(hwnd, text, sizeof text);
  if (owner == s->pid && IsWindowVisible(hwnd) && *s->title == text) {
    s->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND Find_Window_Of(DWORD pid, const std::string& title) {
  Window_Search s{pid, &title, nullptr};
  EnumWindows(Match_Window, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

void Delete_User_Key(const std::string& path) { SHDeleteKeyA(HKEY_CURRENT_USER, path.c_str()); }

std::string Sound_Output_File() {
  char out[MAX_PATH] = {};
  DWORD n = GetEnvironmentVariableA("QL_SOUND_OUT", out, sizeof out);
  if (n == 0 || n >= sizeof out) return "";
  return std::string("\\\\?\\unix") + out;
}

void Empty_Sound_Output() {
  std::string file = Sound_Output_File();
  if (file.empty()) return;
  HANDLE h = CreateFileA(file.c_str(), GENERIC_WRITE,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         TRUNCATE_EXISTING, 0, nullptr);
  if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
}

std::pair<unsigned long long, unsigned long long> Sound_Output_Stamp() {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  std::string file = Sound_Output_File();
  if (file.empty() || !GetFileAttributesExA(file.c_str(), GetFileExInfoStandard, &data))
    return {0, 0};
  return {(static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow,
          (static_cast<unsigned long long>(data.ftLastWriteTime.dwHighDateTime) << 32) |
              data.ftLastWriteTime.dwLowDateTime};
}

bool Save_Screen_Bitmap(const std::string& path, const RECT& area) {
  const int w = area.right - area.left, h = area.bottom - area.top;
  if (w <= 0 || h <= 0) return false;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = h;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bool saved = false;
  if (bitmap) {
    HGDIOBJ kept = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    SelectObject(memory, kept);
    const DWORD stride = ((w * 3 + 3) / 4) * 4;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + stride * h;
    HANDLE out = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (out != INVALID_HANDLE_VALUE) {
      DWORD written = 0;
      saved = WriteFile(out, &file, sizeof file, &written, nullptr) &&
              WriteFile(out, &info.bmiHeader, sizeof info.bmiHeader, &written, nullptr) &&
              WriteFile(out, bits, stride * h, &written, nullptr);
      CloseHandle(out);
    }
    DeleteObject(bitmap);
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return saved;
}

void Shot_Window(HWND window, const std::string& name) {
  char dir[MAX_PATH] = {};
  if (!GetEnvironmentVariableA("QL_SHOT_DIR", dir, sizeof dir)) return;
  RECT r;
  GetWindowRect(window, &r);
  Save_Screen_Bitmap(std::string(dir) + "\\" + name + ".bmp", r);
}

std::string Read_File(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

std::vector<std::string> Read_Lines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

bool Write_File(const std::string& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << bytes;
  return static_cast<bool>(file.flush());
}

}  // namespace testkit

namespace testkit {

void Send_Move(POINT at) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  in.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &in, sizeof in);
}

namespace {

bool Cursor_At(POINT at) {
  POINT now;
  GetCursorPos(&now);
  return now.x == at.x && now.y == at.y;
}

}  // namespace

void Mouse_To(POINT at, const std::function<void()>& pump) {
  using std::chrono::milliseconds;
  for (int attempt = 0; attempt < 6; ++attempt) {
    Send_Move(at);
    Pump_For(milliseconds(60), pump);
    if (!Cursor_At(at)) continue;
    Pump_For(milliseconds(60), pump);
    if (Cursor_At(at)) return;
  }
}

void Mouse_Button(int button, bool down) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  if (button == 2)
    in.mi.dwFlags = down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP;
  else
    in.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  SendInput(1, &in, sizeof in);
}

void Click_At(POINT at, int button, const std::function<void()>& pump) {
  Mouse_To(at, pump);
  Mouse_Button(button, true);
  Mouse_Button(button, false);
}

void Key(WORD vk, bool down) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
  SendInput(1, &in, sizeof in);
}

void Key_Stroke(std::initializer_list<WORD> keys) {
  std::vector<INPUT> in;
  for (WORD k : keys) {
    INPUT i{};
    i.type = INPUT_KEYBOARD;
    i.ki.wVk = k;
    in.push_back(i);
  }
  for (auto it = keys.end(); it != keys.begin();) {
    INPUT i{};
    i.type = INPUT_KEYBOARD;
    i.ki.wVk = *--it;
    i.ki.dwFlags = KEYEVENTF_KEYUP;
    in.push_back(i);
  }
  SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

namespace {

std::wstring Wide(const std::string& text) {
  std::wstring wide(text.size() + 1, L'\0');
  int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                              static_cast<int>(wide.size()));
  wide.resize(static_cast<size_t>(n > 0 ? n : 0));
  return wide;
}

}  // namespace

void Type_Characters(const std::string& text) {
  std::vector<INPUT> in;
  for (wchar_t c : Wide(text)) {
    INPUT i{};
    i.type = INPUT_KEYBOARD;
    i.ki.wScan = static_cast<WORD>(c);
    i.ki.dwFlags = KEYEVENTF_UNICODE;
    in.push_back(i);
    i.ki.dwFlags |= KEYEVENTF_KEYUP;
    in.push_back(i);
  }
  SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

std::vector<WPARAM> Double_Byte_Codes(const std::string& text) {
  std::vector<WPARAM> codes;
  for (size_t i = 0; i < text.size(); ++i) {
    const BYTE b = static_cast<BYTE>(text[i]);
    if (IsDBCSLeadByte(b) && i + 1 < text.size()) {
      codes.push_back((static_cast<WPARAM>(b) << 8) | static_cast<BYTE>(text[++i]));
    } else {
      codes.push_back(b);
    }
  }
  return codes;
}

bool Put_Clipboard_Text(const std::string& text) {
  const std::wstring wide = Wide(text);
  if (!OpenClipboard(nullptr)) return false;
  EmptyClipboard();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
  bool put = false;
  if (block) {
    memcpy(GlobalLock(block), wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(block);
    put = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
    if (!put) GlobalFree(block);
  }
  CloseClipboard();
  return put;
}

}  // namespace testkit

// The input records the tests hand to SendInput, as each architecture lays them out.
#ifdef _WIN64
static_assert(sizeof(INPUT) == 40 && offsetof(INPUT, ki) == 8);
#else
static_assert(sizeof(INPUT) == 28 && offsetof(INPUT, ki) == 4);
#endif

namespace testkit {

const IMAGE_SECTION_HEADER* Module_Section(HMODULE module, const char* name) {
  if (!module) return nullptr;
  auto* base = reinterpret_cast<const BYTE*>(module);
  auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
      base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
  const IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(nt);
  for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++section) {
    if (strncmp(reinterpret_cast<const char*>(section->Name), name, 8) == 0) return section;
  }
  return nullptr;
}

}  // namespace testkit
