/* What the stand-ins of outside components share: appending one line to a record file. */
#pragma once

#include <windows.h>

/* Appends `len` bytes to the file at `path`, made when missing. Several processes may write the
 * same record: each line is one open, one write and one close, tried again for a while when
 * another writer holds the file. */
static void standin_append(const char* path, const char* bytes, DWORD len) {
  for (int attempt = 0; attempt < 50; ++attempt) {
    HANDLE f = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ, NULL, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, NULL);
    if (f != INVALID_HANDLE_VALUE) {
      DWORD written;
      WriteFile(f, bytes, len, &written, NULL);
      CloseHandle(f);
      return;
    }
    Sleep(10);
  }
}
