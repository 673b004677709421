// The yardstick of the hook benchmark: a keyboard, get-message and CBT hook for the whole
// desktop whose procedures only pass the call on.
#include <windows.h>

namespace {

HINSTANCE g_module = nullptr;
HHOOK g_hooks[3] = {};

LRESULT CALLBACK Pass_On(int code, WPARAM wParam, LPARAM lParam) {
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

extern "C" __declspec(dllexport) BOOL Bare_Hooks_Install() {
  const int kinds[] = {WH_KEYBOARD, WH_GETMESSAGE, WH_CBT};
  for (int i = 0; i < 3; ++i) {
    g_hooks[i] = SetWindowsHookExA(kinds[i], Pass_On, g_module, 0);
    if (!g_hooks[i]) return FALSE;
  }
  return TRUE;
}

extern "C" __declspec(dllexport) void Bare_Hooks_Remove() {
  for (HHOOK& hook : g_hooks) {
    if (hook) UnhookWindowsHookEx(hook);
    hook = nullptr;
  }
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) g_module = instance;
  return TRUE;
}
