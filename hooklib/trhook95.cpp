#define TRHOOK95_BUILD
#include "trhook95.h"

// The hooks themselves come with the hook procedures; until then the exports keep the shared
// values and report success.
namespace {
DWORD g_hotKey __attribute__((section(".gdata"), shared)) = 0;
BOOL g_gameActive __attribute__((section(".gdata"), shared)) = 1;
HWND g_compTarget __attribute__((section(".gdata"), shared)) = nullptr;
}  // namespace

extern "C" {

BOOL WINAPI ClearWinHooks() { return TRUE; }
void WINAPI EnableHook(int, BOOL) {}
BOOL WINAPI InitWinHooks(DWORD, HWND* compWnd) { return compWnd && IsWindow(*compWnd); }
BOOL WINAPI SetLexomarHotKey(DWORD hotKey) {
  g_hotKey = hotKey;
  return TRUE;
}
BOOL WINAPI SetCompWnd(HWND target) {
  if (target && !IsWindow(target)) return FALSE;
  g_compTarget = target;
  return TRUE;
}
BOOL WINAPI SetGameActiveFlag(BOOL active) {
  BOOL previous = g_gameActive;
  g_gameActive = active;
  return previous;
}

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
}
