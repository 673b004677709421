#include "hooklogic.h"

#include <cstring>

#include "shared_data.h"

namespace trhook95 {

namespace {

size_t Bounded_Length(const char* text, size_t limit) {
  size_t n = 0;
  while (n < limit && text[n]) ++n;
  return n;
}

}  // namespace

bool Is_Hotkey_Key_Released(DWORD hotKey, WPARAM virtualKey, LPARAM keyFlags) {
  if (virtualKey != LOWORD(hotKey)) return false;
  return (static_cast<DWORD>(keyFlags) & 0x80000000u) != 0;
}

DWORD Modifier_Mask(bool ctrlDown, bool altDown, bool shiftDown) {
  DWORD mask = 0;
  if (ctrlDown) mask |= kModCtrl;
  if (altDown) mask |= kModAlt;
  if (shiftDown) mask |= kModShift;
  return mask;
}

bool Is_Mouse_Chord(const MSG* msg) {
  if (!msg) return false;
  return msg->message == WM_LBUTTONUP && msg->wParam == MK_RBUTTON;
}

bool Join_Path(const char* dir, const char* name, char* out, size_t outSize) {
  if (!dir || !name || !out || outSize == 0) return false;
  size_t a = Bounded_Length(dir, outSize);
  size_t b = Bounded_Length(name, outSize);
  if (a + b + 1 > outSize) return false;
  std::memcpy(out, dir, a);
  std::memcpy(out + a, name, b);
  out[a + b] = '\0';
  return true;
}

bool Compose_Plugin_Dir(const char* base, char* out, size_t outSize) {
  static const char kPlugin[] = "Plug_in\\";
  if (!base || !out || outSize == 0) return false;
  size_t a = Bounded_Length(base, outSize);
  if (a == 0 || a >= outSize) return false;
  // The last character is a backslash only when it is not the second byte of a double-byte
  // character.
  bool endsInSlash = false;
  for (size_t i = 0; i < a; ++i) {
    if (IsDBCSLeadByte(static_cast<BYTE>(base[i])) && i + 1 < a) {
      endsInSlash = false;
      ++i;
    } else {
      endsInSlash = base[i] == '\\';
    }
  }
  size_t slash = endsInSlash ? 0 : 1;
  size_t b = sizeof kPlugin - 1;
  if (a + slash + b + 1 > outSize) return false;
  std::memcpy(out, base, a);
  if (slash) out[a] = '\\';
  std::memcpy(out + a + slash, kPlugin, b + 1);
  return true;
}

void Apply_Trans_List(const char* text, size_t size, BOOL* switches, int count) {
  if (!text || !switches) return;
  size_t n = Bounded_Length(text, size);
  for (size_t i = 0; i < n && i < static_cast<size_t>(count); ++i)
    switches[i] = text[i] == '1' ? TRUE : FALSE;
}

bool Program_Base_Name(const char* path, char* out, size_t outSize) {
  if (!path || !out || outSize == 0) return false;
  size_t len = Bounded_Length(path, MAX_PATH);
  // Find the start of the file name and its last dot, stepping over double-byte characters
  // (whose second byte may look like a backslash).
  size_t start = 0, dot = static_cast<size_t>(-1);
  for (size_t i = 0; i < len; ++i) {
    BYTE c = static_cast<BYTE>(path[i]);
    if (IsDBCSLeadByte(c) && i + 1 < len) {
      ++i;
      continue;
    }
    if (c == '\\' || c == '/' || c == ':') {
      start = i + 1;
      dot = static_cast<size_t>(-1);
    } else if (c == '.') {
      dot = i;
    }
  }
  size_t end = (dot != static_cast<size_t>(-1) && dot >= start) ? dot : len;
  size_t n = end - start;
  if (n == 0 || n + 1 > outSize) return false;
  for (size_t i = 0; i < n; ++i) {
    BYTE c = static_cast<BYTE>(path[start + i]);
    if (IsDBCSLeadByte(c) && i + 1 < n) {
      out[i] = static_cast<char>(c);
      out[i + 1] = path[start + i + 1];
      ++i;
      continue;
    }
    out[i] = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  }
  out[n] = '\0';
  return true;
}

int Find_Listed_Game(const char* programPath, const BOOL* switches) {
  char name[MAX_PATH];
  if (!switches || !Program_Base_Name(programPath, name, sizeof name)) return -1;
  for (int i = 0; i < kGameCount; ++i) {
    if (std::strcmp(name, kGameList[i]) == 0 && switches[i]) return i;
  }
  return -1;
}

bool Install_In_Order(HHOOK volatile* const* slots, const int* kinds, int count,
                      Hook_Install_Fn install, Hook_Remove_Fn remove, void* context) {
  int installed = 0;
  for (; installed < count; ++installed) {
    HHOOK hook = install(kinds[installed], context);
    *slots[installed] = hook;
    if (!hook) break;
  }
  if (installed == count) return true;
  for (int i = installed - 1; i >= 0; --i) {
    HHOOK hook = *slots[i];
    *slots[i] = nullptr;
    remove(hook, context);
  }
  return false;
}

}  // namespace trhook95
