/* Stand-in for one of the maker's programs that Lingvane starts (the full-text translation
 * program pagerunnerec.exe, the permanent-localisation program hanpatch.exe). It translates
 * nothing: it notes how it was started and ends at once.
 *
 * When the environment variable MAKERTOOL_START_LOG names a file, one line is appended to it:
 *   <program file>|<arguments>|<current folder>|<show state>
 * the program file as the system started it, the arguments as the command line gives them
 * after the program's own name, and the window show state that the starter asked for (-1 when
 * it asked for none). */
#include <windows.h>

#include <stdio.h>
#include <string.h>

#include "standin_record.h"

/* The command line after the program's own name and the blanks that follow it. */
static const char* arguments_of(const char* line) {
  if (*line == '"') {
    ++line;
    while (*line && *line != '"') ++line;
    if (*line == '"') ++line;
  } else {
    while (*line && *line != ' ' && *line != '\t') ++line;
  }
  while (*line == ' ' || *line == '\t') ++line;
  return line;
}

static void note_start(void) {
  char log[MAX_PATH], program[MAX_PATH], folder[MAX_PATH], line[3 * MAX_PATH + 1200];
  DWORD n = GetEnvironmentVariableA("MAKERTOOL_START_LOG", log, sizeof log);
  if (n == 0 || n >= sizeof log) return;
  if (!GetModuleFileNameA(NULL, program, sizeof program)) program[0] = 0;
  if (!GetCurrentDirectoryA(sizeof folder, folder)) folder[0] = 0;
  STARTUPINFOA start;
  memset(&start, 0, sizeof start);
  start.cb = sizeof start;
  GetStartupInfoA(&start);
  int show = (start.dwFlags & STARTF_USESHOWWINDOW) ? start.wShowWindow : -1;
  int len = snprintf(line, sizeof line, "%s|%.1000s|%s|%d\r\n", program,
                     arguments_of(GetCommandLineA()), folder, show);
  if (len < 0) return;
  if (len >= (int)sizeof line) len = (int)sizeof line - 1;
  standin_append(log, line, (DWORD)len);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
  (void)instance;
  (void)previous;
  (void)commandLine;
  (void)show;
  note_start();
  return 0;
}
