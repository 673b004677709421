/* Stand-in game plug-in: appends "<process id>\r\n" to newlumo.log in its own folder on each
   load into a process. */
#include <windows.h>
#include <stdio.h>
#include <string.h>

static void Note_Load(HINSTANCE self) {
  char path[MAX_PATH];
  DWORD n = GetModuleFileNameA(self, path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return;
  char* cut = strrchr(path, '\\');
  if (!cut || (size_t)(cut - path) + 1 + sizeof "newlumo.log" > MAX_PATH) return;
  strcpy(cut + 1, "newlumo.log");
  HANDLE f = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                         OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
  if (f == INVALID_HANDLE_VALUE) return;
  char line[32];
  int len = snprintf(line, sizeof line, "%lu\r\n", (unsigned long)GetCurrentProcessId());
  DWORD put = 0;
  if (len > 0) WriteFile(f, line, (DWORD)len, &put, NULL);
  CloseHandle(f);
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  (void)reserved;
  if (reason == DLL_PROCESS_ATTACH) Note_Load(instance);
  return TRUE;
}
