// A probe the notepad tests hook into the program under test (on its thread only): sent the
// probe message, it writes the texts of the window's menu bar and all its popups, one per
// line as "<depth> <text>" in code page 936, to "C:\\menuprobe-<process id>.txt" (the program
// under test may have a temp folder of its own). Menus cannot be read from another process, so the tests read them this way.
#include <windows.h>

#include <string>

namespace {

void Walk(HMENU menu, int depth, std::string* out) {
  int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    wchar_t text[512];
    int n = GetMenuStringW(menu, static_cast<UINT>(i), text, 512, MF_BYPOSITION);
    char ansi[1100];
    int m = WideCharToMultiByte(936, 0, text, n, ansi, sizeof ansi, nullptr, nullptr);
    *out += std::to_string(depth) + " " + std::string(ansi, m > 0 ? m : 0) + "\r\n";
    if (HMENU sub = GetSubMenu(menu, i)) Walk(sub, depth + 1, out);
  }
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK Menu_Probe_Hook(int code, WPARAM wParam,
                                                                  LPARAM lParam) {
  static const UINT probe = RegisterWindowMessageA("Larkmoor menu probe");
  const CWPSTRUCT* m = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && m && m->message == probe) {
    std::string out;
    if (HMENU menu = GetMenu(m->hwnd)) Walk(menu, 0, &out);
    std::string path = "C:\\menuprobe-" + std::to_string(GetCurrentProcessId()) + ".txt";
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (f != INVALID_HANDLE_VALUE) {
      DWORD written;
      WriteFile(f, out.data(), static_cast<DWORD>(out.size()), &written, nullptr);
      CloseHandle(f);
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}
