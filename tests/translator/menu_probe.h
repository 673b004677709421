#pragma once

// Reads the menus of a window of another process through the menu probe (menuprobe.dll,
// beside the test): menus cannot be read from another process, so the probe, hooked into the
// window's thread for the moment, writes them out from inside.

#include <windows.h>

#include <string>
#include <vector>

#include "testkit/testkit.h"

namespace menu_probe {

// The menu bar and all its popups, one line per item, "<depth> <text>" in code page 936; none
// when the window does not answer.
inline std::vector<std::string> Menu_Texts(HWND window, DWORD pid) {
  HMODULE probe = LoadLibraryA("menuprobe.dll");
  auto proc = reinterpret_cast<HOOKPROC>(GetProcAddress(probe, "Menu_Probe_Hook"));
  if (!proc) return {};
  const std::string path = "C:\\menuprobe-" + std::to_string(pid) + ".txt";
  DeleteFileA(path.c_str());
  HHOOK hook =
      SetWindowsHookExA(WH_CALLWNDPROC, proc, probe, GetWindowThreadProcessId(window, nullptr));
  DWORD_PTR result;
  SendMessageTimeoutA(window, RegisterWindowMessageA("Larkmoor menu probe"), 0, 0,
                      SMTO_ABORTIFHUNG, 10000, &result);
  UnhookWindowsHookEx(hook);
  std::vector<std::string> lines = testkit::Read_Lines(path);
  DeleteFileA(path.c_str());
  return lines;
}

}  // namespace menu_probe
