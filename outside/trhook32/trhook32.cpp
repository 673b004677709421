/* Stand-in for the companion hook library trhook32, which comes from outside the suite.
 *
 * It translates other programs' interfaces inside their own processes. InitHooks32 sets three
 * system-wide hooks of its own (the window-procedure hook, its return hook and the get-message
 * hook), so the library is mapped into every GUI process; ClearHooks32 removes them. The hooks
 * only look at four things and pass everything on to the next hook unchanged:
 * - the library's command message, which SetTransFlag32 sends to the target window: the
 *   target's process then reads the package "\DIC\<its program>.lvd" of the translator's
 *   folder (the current folder at InitHooks32), and for quick translation the user dictionary
 *   (when on) and the chosen professional dictionary, anew, and localises (4), translates
 *   quickly (2) or restores (1) the texts of all its windows and menus, keeping the original
 *   of every text it changes so that restoring gives it back exactly;
 * - a dialog being initialised, a popup menu about to open, a top-level window made, a text
 *   the program sets: while the process is localised these are translated as they come;
 * - WM_COMPTRANS_UPDATE (6517, 1058) posted to a compared window: the window's texts are drawn,
 *   translated, at their places in the comparison window given to InitHooks32.
 * The hooks never end another program: every action is guarded, and a target that is gone is
 * ignored. Bilingual menus show "编辑 | Edit(&E)". Text codes, the Big5 interface and outside
 * packs are settings it keeps and reports (GetCode32).
 *
 * Every call is appended, with its arguments, as one line to trhook32.log in the folder named
 * by the environment variable TRHOOK32_LOG_DIR (when set): the function name, then the
 * arguments separated by spaces (windows as decimal handle values, texts in double quotes). It
 * fails InitHooks32 while TRHOOK32_FAIL_INIT is "1", and after LeftrightComptrans32 or
 * UpdownComptrans32 sends WM_COMPWND_SETTARGET to the window given to InitHooks32, with the
 * foreground window as the window to compare; when that window belongs to the translator
 * itself (the process of the window given to InitHooks32), nothing is sent. SetChnEngMenu32
 * tells every process at once, so that a localised program shows its menus in the new form
 * without another command.
 *
 * Beside that record it keeps a second one, trhook95-state.log in the same folder, of what it
 * sees of trhook95 in its process at each call, so that the order of the calls into both
 * libraries shows: one line per call, the function name, then "hooks=" 1 or 0 (whether
 * trhook95's hooks are installed), "game=" its game-translation flag, "hotkey=" its
 * dictionary hot key and "target=" the compared window it holds (decimal handle value). The
 * line is "<name> absent" when trhook95 is not loaded in the process. It reads trhook95's
 * shared record and changes nothing there. */
#define TRHOOK32_BUILD
#include "trhook32.h"

#include <stdarg.h>
#include <stdint.h>
#include <stdio.h>
#include <string.h>

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "standin_record.h"
#include "translate_logic.h"

/* The start of trhook95's shared record (its section ".gdata"), as that library lays it out. */
typedef struct {
  HHOOK keyboardHook, getMsgHook, cbtHook;
  DWORD translatorPid;
  DWORD dictHotKey;
  BOOL gameActive;
  char baseDir[256];
  char pluginDir[256];
  BOOL gameEnabled[12];
  HWND compTarget;
  HWND compWnd;
} Trhook95_Shared;

/* What every process that maps the library shares: the hooks, the comparison window, the
 * translator's folder and the settings the translator hands over. */
struct Shared_State {
  HHOOK callWndHook, callWndRetHook, getMsgHook;
  HWND compareWnd;
  char baseDir[MAX_PATH];
  LONG userDict, profDictId, bilingual, interfaceType;
  char packFolder[MAX_PATH];
};
static Shared_State g_shared __attribute__((section(".trshare"), shared)) = {
    NULL, NULL, NULL, NULL, {0}, 0, -1, 0, 0, {0}};

static HMODULE g_module;
/* The text code in force, as this process set it (the translator's own setting). */
static int g_code = -1;

/* Appends one line (CR LF added) to the file of that name in the log folder. */
static void append_line(const char* file, const char* text) {
  char dir[MAX_PATH], path[MAX_PATH + 32], line[1200];
  DWORD n = GetEnvironmentVariableA("TRHOOK32_LOG_DIR", dir, sizeof dir);
  if (n == 0 || n >= sizeof dir) return;
  snprintf(path, sizeof path, "%s\\%s", dir, file);
  int len = snprintf(line, sizeof line - 2, "%s", text);
  if (len < 0) return;
  if (len > (int)sizeof line - 3) len = (int)sizeof line - 3;
  line[len++] = '\r';
  line[len++] = '\n';
  standin_append(path, line, (DWORD)len);
}

/* trhook95's shared record as this process maps it, or NULL when the library is not loaded. */
static const volatile Trhook95_Shared* trhook95_shared(void) {
  BYTE* base = (BYTE*)GetModuleHandleA("trhook95.dll");
  if (!base) return NULL;
  IMAGE_DOS_HEADER* dos = (IMAGE_DOS_HEADER*)base;
  IMAGE_NT_HEADERS* nt = (IMAGE_NT_HEADERS*)(base + dos->e_lfanew);
  IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(nt);
  for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++section) {
    if (strncmp((const char*)section->Name, ".gdata", 8) == 0) {
      return (const volatile Trhook95_Shared*)(base + section->VirtualAddress);
    }
  }
  return NULL;
}

static void note_trhook95(const char* call) {
  char line[200];
  const volatile Trhook95_Shared* shared = trhook95_shared();
  if (!shared) {
    snprintf(line, sizeof line, "%s absent", call);
  } else {
    snprintf(line, sizeof line, "%s hooks=%d game=%d hotkey=%lu target=%lu", call,
             shared->keyboardHook != NULL, (int)shared->gameActive,
             (unsigned long)shared->dictHotKey, (unsigned long)(ULONG_PTR)shared->compTarget);
  }
  append_line("trhook95-state.log", line);
}

static void record(const char* format, ...) {
  char line[1200], call[64];
  va_list args;
  va_start(args, format);
  int len = vsnprintf(line, sizeof line, format, args);
  va_end(args);
  if (len < 0) return;
  append_line("trhook32.log", line);
  size_t name = strcspn(line, " ");
  if (name >= sizeof call) name = sizeof call - 1;
  memcpy(call, line, name);
  call[name] = 0;
  note_trhook95(call);
}

static unsigned long hwnd_value(HWND h) { return (unsigned long)(ULONG_PTR)h; }

/* ---- translating inside the target's process ---- */

#define WM_COMPTRANS_UPDATE 0x531
#define COMPTRANS_UPDATE_W 6517
#define COMPTRANS_UPDATE_L 1058
static const LPARAM kCommandMark = 0x54524833; /* "TRH3": our command, not a stray message */
static const UINT kCodePage = 936;               /* packages and dictionaries are GBK texts */
static const DWORD kCommandWait = 10000;         /* ms a command may take in the target */
static const WPARAM kRefreshMenus = 0x100;       /* command: the bilingual switch changed */

namespace {

using trhook32::Package_Table;
using trhook32::Word_Dictionary;

UINT Command_Message() {
  static UINT message = RegisterWindowMessageA("Larkmoor trhook32 command");
  return message;
}

std::string To_Ansi(const std::wstring& w) {
  if (w.empty()) return {};
  int n = WideCharToMultiByte(kCodePage, 0, w.data(), (int)w.size(), NULL, 0, NULL, NULL);
  std::string out((size_t)(n > 0 ? n : 0), '\0');
  if (n > 0) WideCharToMultiByte(kCodePage, 0, w.data(), (int)w.size(), &out[0], n, NULL, NULL);
  return out;
}

std::wstring To_Wide(const std::string& a) {
  if (a.empty()) return {};
  int n = MultiByteToWideChar(kCodePage, 0, a.data(), (int)a.size(), NULL, 0);
  std::wstring out((size_t)(n > 0 ? n : 0), L'\0');
  if (n > 0) MultiByteToWideChar(kCodePage, 0, a.data(), (int)a.size(), &out[0], n);
  return out;
}

std::string Read_Whole(const std::string& path) {
  std::string bytes;
  HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                         OPEN_EXISTING, 0, NULL);
  if (f == INVALID_HANDLE_VALUE) return bytes;
  LARGE_INTEGER size;
  if (GetFileSizeEx(f, &size) && size.QuadPart > 0 && size.QuadPart < (64LL << 20)) {
    bytes.resize((size_t)size.QuadPart);
    DWORD got = 0;
    if (!ReadFile(f, &bytes[0], (DWORD)bytes.size(), &got, NULL)) got = 0;
    bytes.resize(got);
  }
  CloseHandle(f);
  return bytes;
}

std::wstring Window_Text(HWND h) {
  int n = GetWindowTextLengthW(h);
  std::wstring text((size_t)(n > 0 ? n : 0) + 1, L'\0');
  n = GetWindowTextW(h, &text[0], (int)text.size());
  text.resize((size_t)(n > 0 ? n : 0));
  return text;
}

/* What one process keeps: its mode, the tables read at the last command and the originals of
 * every text changed. The lock guards all of it and is never held across a call that sends a
 * message: another thread of the process may be waiting for it in its own hook. Window texts
 * are therefore read before the lock is taken and set after it is let go. */
struct Process_State {
  CRITICAL_SECTION lock;
  volatile LONG mode = 0; /* 0 as the program made it, TRANS_MODE_LOCALISE or TRANS_MODE_QUICK */
  bool bilingual = false;
  Package_Table package;
  Word_Dictionary user, professional;
  bool useUser = false, useProfessional = false;
  std::map<HWND, std::wstring> windows;
  std::map<std::pair<HMENU, UINT>, std::wstring> menus;
  /* Windows whose text the library is setting now, from whichever thread: their WM_SETTEXT is
   * the library's own, not a new text of the program. */
  std::map<HWND, int> setting;
  Process_State() { InitializeCriticalSection(&lock); }
};

Process_State* State() {
  static Process_State* state = new Process_State;
  return state;
}

struct Locked {
  explicit Locked(Process_State* s) : state(s) { EnterCriticalSection(&s->lock); }
  ~Locked() { LeaveCriticalSection(&state->lock); }
  Locked(const Locked&) = delete;
  Locked& operator=(const Locked&) = delete;
  Process_State* state;
};

/* A window as seen before the lock was taken. */
struct Seen {
  HWND window;
  std::wstring text;
  RECT rect;
};

/* A text to give a window; a translation only while the window still shows the text it was
 * made from (the program may have set another one meanwhile). */
struct Text_Change {
  std::wstring to, from;
  bool onlyFrom;
};

/* What is done once the lock is let go: the texts to give windows (set only where they differ)
 * and the menu bars to draw anew. */
struct Pending {
  std::map<HWND, Text_Change> texts;
  std::vector<HWND> menuBars;
};

bool Translation_Of(Process_State* s, const std::wstring& original, bool menu, std::wstring* out) {
  const std::string text = To_Ansi(original);
  if (text.empty()) return false;
  std::string chinese;
  if (s->mode == TRANS_MODE_LOCALISE) {
    if (!s->package.Translate(text, &chinese)) return false;
    if (menu && s->bilingual) chinese = trhook32::Bilingual_Text(text, chinese);
  } else if (s->mode == TRANS_MODE_QUICK) {
    if (!trhook32::Quick_Translate(text, s->package, s->useUser ? &s->user : NULL,
                                   s->useProfessional ? &s->professional : NULL, &chinese)) {
      return false;
    }
  } else {
    return false;
  }
  *out = To_Wide(chinese);
  return true;
}

/* Windows whose text is interface text: top-level windows, dialogs, buttons and labels (never
 * an edit field: that is the user's own text). */
bool Interface_Window(HWND h) {
  char cls[64];
  if (!GetClassNameA(h, cls, sizeof cls)) return false;
  if (!(GetWindowLongPtrA(h, GWL_STYLE) & WS_CHILD)) {
    return lstrcmpiA(cls, "IME") != 0 && lstrcmpiA(cls, "tooltips_class32") != 0;
  }
  return lstrcmpiA(cls, "Button") == 0 || lstrcmpiA(cls, "Static") == 0 ||
         lstrcmpiA(cls, "#32770") == 0;
}

bool Is_Top_Level(HWND h) { return !(GetWindowLongPtrA(h, GWL_STYLE) & WS_CHILD); }

void Note_Window(HWND h, std::vector<Seen>* out) {
  if (!Interface_Window(h)) return;
  Seen seen = {h, Window_Text(h), {0, 0, 0, 0}};
  GetWindowRect(h, &seen.rect);
  out->push_back(seen);
}

BOOL CALLBACK Note_Child(HWND h, LPARAM out) {
  Note_Window(h, (std::vector<Seen>*)out);
  return TRUE;
}

/* A window and all its children, with their texts (read without the lock). */
void Collect_Tree(HWND top, std::vector<Seen>* out) {
  Note_Window(top, out);
  EnumChildWindows(top, Note_Child, (LPARAM)out);
}

BOOL CALLBACK Note_Top(HWND h, LPARAM out) {
  DWORD pid = 0;
  GetWindowThreadProcessId(h, &pid);
  if (pid == GetCurrentProcessId() && IsWindowVisible(h)) Collect_Tree(h, (std::vector<Seen>*)out);
  return TRUE;
}

/* The visible top-level windows of this process, of every thread, and their children. */
std::vector<Seen> Collect_Process() {
  std::vector<Seen> seen;
  EnumWindows(Note_Top, (LPARAM)&seen);
  return seen;
}

/* Decides the text of one window seen; `kept` holds the originals known before. */
void Translate_Seen(Process_State* s, const Seen& seen, const std::map<HWND, std::wstring>& kept,
                    Pending* out) {
  auto known = kept.find(seen.window);
  const std::wstring original = known != kept.end() ? known->second : seen.text;
  std::wstring chinese;
  if (!Translation_Of(s, original, false, &chinese)) return;
  s->windows[seen.window] = original;
  out->texts[seen.window] = Text_Change{chinese, seen.text, true};
}

void Translate_Menu(Process_State* s, HMENU menu, int depth) {
  if (!menu || depth > 8) return;
  int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_SUBMENU;
    if (!GetMenuItemInfoW(menu, (UINT)i, TRUE, &info)) continue;
    if (info.hSubMenu) Translate_Menu(s, info.hSubMenu, depth + 1);
    if (info.fType & (MFT_SEPARATOR | MFT_OWNERDRAW | MFT_BITMAP)) continue;
    std::wstring text(info.cch + 1, L'\0');
    info.fMask = MIIM_STRING;
    info.dwTypeData = &text[0];
    info.cch = (UINT)text.size();
    if (!GetMenuItemInfoW(menu, (UINT)i, TRUE, &info)) continue;
    text.resize(info.cch);
    const std::pair<HMENU, UINT> key(menu, (UINT)i);
    auto kept = s->menus.find(key);
    const std::wstring original = kept != s->menus.end() ? kept->second : text;
    std::wstring chinese;
    if (!Translation_Of(s, original, true, &chinese)) continue;
    s->menus[key] = original;
    if (chinese == text) continue;
    MENUITEMINFOW set = {};
    set.cbSize = sizeof set;
    set.fMask = MIIM_STRING;
    set.dwTypeData = &chinese[0];
    SetMenuItemInfoW(menu, (UINT)i, TRUE, &set);
  }
}

void Set_Menu_Text(HMENU menu, UINT position, std::wstring text) {
  MENUITEMINFOW set = {};
  set.cbSize = sizeof set;
  set.fMask = MIIM_STRING;
  set.dwTypeData = &text[0];
  SetMenuItemInfoW(menu, position, TRUE, &set);
}

/* Translates the menu bar of a top-level window seen; the bar is drawn after the lock. */
void Translate_Menu_Bar(Process_State* s, HWND top, Pending* out) {
  if (!Is_Top_Level(top)) return;
  HMENU menu = GetMenu(top);
  if (!menu || !IsMenu(menu)) return;
  Translate_Menu(s, menu, 0);
  out->menuBars.push_back(top);
}

/* Gives every changed text its original back, byte for byte: menus at once, windows through
 * `out`. */
void Restore_All(Process_State* s, Pending* out) {
  for (const auto& kept : s->windows) {
    DWORD pid = 0;
    if (!IsWindow(kept.first) || !GetWindowThreadProcessId(kept.first, &pid) ||
        pid != GetCurrentProcessId()) {
      continue;
    }
    out->texts[kept.first] = Text_Change{kept.second, std::wstring(), false};
  }
  for (const auto& kept : s->menus) {
    if (IsMenu(kept.first.first)) Set_Menu_Text(kept.first.first, kept.first.second, kept.second);
  }
  s->windows.clear();
  s->menus.clear();
}

BOOL CALLBACK Note_Menu_Bar(HWND h, LPARAM out) {
  DWORD pid = 0;
  GetWindowThreadProcessId(h, &pid);
  if (pid == GetCurrentProcessId() && GetMenu(h)) ((Pending*)out)->menuBars.push_back(h);
  return TRUE;
}

/* Sets the texts decided and draws the menu bars, with the lock let go: the windows may
 * belong to other threads of the process. */
void Apply(Process_State* s, const Pending& pending) {
  for (const auto& change : pending.texts) {
    HWND h = change.first;
    if (!IsWindow(h)) continue;
    const std::wstring now = Window_Text(h);
    if (now == change.second.to || (change.second.onlyFrom && now != change.second.from)) continue;
    {
      Locked lock(s);
      ++s->setting[h];
    }
    SetWindowTextW(h, change.second.to.c_str());
    {
      Locked lock(s);
      if (--s->setting[h] <= 0) s->setting.erase(h);
    }
  }
  for (HWND h : pending.menuBars) {
    if (IsWindow(h)) DrawMenuBar(h);
  }
}

/* Reads the package of this process's program and the chosen dictionaries from the
 * translator's folder, anew. */
void Load_Tables(Process_State* s) {
  char base[MAX_PATH];
  lstrcpynA(base, (const char*)g_shared.baseDir, sizeof base);
  wchar_t exeW[MAX_PATH];
  DWORD n = GetModuleFileNameW(NULL, exeW, MAX_PATH);
  std::string exe = To_Ansi(std::wstring(exeW, n < MAX_PATH ? n : 0));
  size_t slash = exe.find_last_of("\\/");
  if (slash != std::string::npos) exe.erase(0, slash + 1);
  size_t dot = exe.rfind('.');
  if (dot != std::string::npos) exe.erase(dot);
  const std::string folder = base;
  if (!s->package.Load(Read_Whole(folder + "\\DIC\\" + exe + ".lvd"))) s->package.Clear();

  s->user.Clear();
  s->useUser = g_shared.userDict != 0;
  if (s->useUser) s->user.Add_User(Read_Whole(folder + "\\lib\\User.dct"));

  s->professional.Clear();
  const LONG chosen = g_shared.profDictId;
  s->useProfessional = false;
  if (chosen >= 0) {
    const std::string list = Read_Whole(folder + "\\lib\\wbseclib.lst");
    const size_t kRecord = 36, kNameField = 16;
    if ((size_t)chosen * kRecord + kRecord <= list.size()) {
      std::string file(list.data() + (size_t)chosen * kRecord, kNameField);
      file.resize(strnlen(file.c_str(), kNameField));
      if (!file.empty()) {
        s->useProfessional = s->professional.Add_Dct(Read_Whole(folder + "\\lib\\" + file));
      }
    }
  }
  s->bilingual = g_shared.bilingual != 0;
}

void Run_Command(int mode) {
  Process_State* s = State();
  const bool translate = mode == TRANS_MODE_LOCALISE || mode == TRANS_MODE_QUICK;
  const std::vector<Seen> seen = translate ? Collect_Process() : std::vector<Seen>();
  Pending pending;
  {
    Locked lock(s);
    Load_Tables(s);
    const std::map<HWND, std::wstring> kept = s->windows;
    Restore_All(s, &pending);
    s->mode = 0;
    if (translate) {
      s->mode = mode;
      for (const Seen& one : seen) {
        Translate_Seen(s, one, kept, &pending);
        if (Is_Top_Level(one.window)) Translate_Menu_Bar(s, one.window, &pending);
      }
    }
  }
  if (!translate) EnumWindows(Note_Menu_Bar, (LPARAM)&pending);
  Apply(s, pending);
}

/* The bilingual switch changed: a localised process shows its menus in the new form at once. */
void Refresh_Menus() {
  Process_State* s = State();
  Pending pending;
  {
    Locked lock(s);
    s->bilingual = g_shared.bilingual != 0;
    if (s->mode != TRANS_MODE_LOCALISE) return;
    for (const auto& kept : s->menus) {
      std::wstring chinese;
      if (IsMenu(kept.first.first) && Translation_Of(s, kept.second, true, &chinese)) {
        Set_Menu_Text(kept.first.first, kept.first.second, chinese);
      }
    }
  }
  EnumWindows(Note_Menu_Bar, (LPARAM)&pending);
  Apply(s, pending);
}

/* The compared window's texts, translated, at their places in the comparison window. */
struct Label {
  std::wstring text;
  RECT rect; /* screen */
  UINT format;
};

std::wstring Shown_Original(Process_State* s, const Seen& seen) {
  auto kept = s->windows.find(seen.window);
  return kept != s->windows.end() ? kept->second : seen.text;
}

bool Compare_Translation(Process_State* s, const std::wstring& original, std::wstring* out) {
  std::string chinese;
  if (!trhook32::Quick_Translate(To_Ansi(original), s->package, s->useUser ? &s->user : NULL,
                                 s->useProfessional ? &s->professional : NULL, &chinese)) {
    return false;
  }
  *out = To_Wide(chinese);
  return true;
}

void Draw_Comparison(HWND compared) {
  HWND compareWnd = g_shared.compareWnd;
  HWND top = GetAncestor(compared, GA_ROOT);
  if (!compareWnd || !IsWindow(compareWnd) || !top) return;
  Process_State* s = State();

  /* What the window shows, read before the lock. */
  std::vector<Seen> seen;
  Collect_Tree(top, &seen);
  if (seen.empty() || seen[0].window != top) {
    Seen caption = {top, Window_Text(top), {0, 0, 0, 0}};
    seen.insert(seen.begin(), caption);
  }
  RECT window;
  GetWindowRect(top, &window);
  HMENU menu = GetMenu(top);
  struct Menu_Slot {
    UINT position;
    std::wstring text;
    RECT rect;
  };
  std::vector<Menu_Slot> slots;
  int count = menu ? GetMenuItemCount(menu) : 0;
  for (int i = 0; i < count; ++i) {
    Menu_Slot slot = {(UINT)i, L"", {0, 0, 0, 0}};
    wchar_t item[256];
    if (!GetMenuItemRect(top, menu, (UINT)i, &slot.rect)) continue;
    if (GetMenuStringW(menu, (UINT)i, item, 256, MF_BYPOSITION) > 0) slot.text = item;
    slots.push_back(slot);
  }

  /* Their translations, under the lock. */
  std::vector<Label> labels;
  {
    Locked lock(s);
    Load_Tables(s);
    std::wstring chinese;
    std::wstring caption = Shown_Original(s, seen[0]);
    if (Compare_Translation(s, caption, &chinese)) caption = chinese;
    RECT band = window;
    band.left += GetSystemMetrics(SM_CXFRAME) + 4;
    band.top += GetSystemMetrics(SM_CYFRAME);
    band.bottom = band.top + GetSystemMetrics(SM_CYCAPTION);
    labels.push_back({caption, band, DT_LEFT | DT_VCENTER | DT_SINGLELINE});
    for (const Menu_Slot& slot : slots) {
      auto kept = s->menus.find(std::make_pair(menu, slot.position));
      std::wstring text = kept != s->menus.end() ? kept->second : slot.text;
      if (Compare_Translation(s, text, &chinese)) text = chinese;
      /* A menu bar slot is as wide as the English title: the words alone fit it best. */
      const std::string words = trhook32::Split_Text(To_Ansi(text)).words;
      if (!words.empty()) text = To_Wide(words);
      labels.push_back({text, slot.rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX});
    }
    for (size_t i = 1; i < seen.size(); ++i) {
      if (!IsWindowVisible(seen[i].window)) continue;
      std::wstring text = Shown_Original(s, seen[i]);
      if (text.empty()) continue;
      if (Compare_Translation(s, text, &chinese)) text = chinese;
      labels.push_back({text, seen[i].rect, DT_LEFT | DT_WORDBREAK});
    }
  }

  /* Drawn with the lock let go. */
  HDC dc = GetDC(compareWnd);
  if (!dc) return;
  RECT client;
  GetClientRect(compareWnd, &client);
  FillRect(dc, &client, (HBRUSH)GetStockObject(WHITE_BRUSH));
  HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 128));
  for (const Label& label : labels) {
    RECT r = label.rect;
    OffsetRect(&r, -window.left, -window.top);
    DrawTextW(dc, label.text.c_str(), (int)label.text.size(), &r, label.format | DT_NOCLIP);
  }
  SelectObject(dc, oldFont);
  ReleaseDC(compareWnd, dc);
}

/* A window or menu the program shows while its process is translated. */
void On_Window_Message(HWND h, UINT message, WPARAM wParam) {
  Process_State* s = State();
  if (s->mode == 0) return;
  if (message == WM_INITMENUPOPUP) {
    Locked lock(s);
    Translate_Menu(s, (HMENU)wParam, 0);
    return;
  }
  /* WM_INITDIALOG: the dialog and its controls; WM_CREATE: a top-level window with its menu,
   * a control as it comes (the dialog manager makes a dialog's controls before the dialog is
   * initialised); WM_SETTEXT: the program changed a text, which is the new original. */
  std::vector<Seen> seen;
  if (message == WM_INITDIALOG || (message == WM_CREATE && Is_Top_Level(h))) {
    Collect_Tree(h, &seen);
  } else if (Interface_Window(h)) {
    Note_Window(h, &seen);
  }
  Pending pending;
  {
    Locked lock(s);
    if (message == WM_SETTEXT) {
      if (s->setting.count(h)) return; /* the library's own change */
      s->windows.erase(h);
    }
    for (const Seen& one : seen) Translate_Seen(s, one, s->windows, &pending);
    if (message != WM_SETTEXT) Translate_Menu_Bar(s, h, &pending);
  }
  Apply(s, pending);
}

LRESULT CALLBACK Call_Wnd_Proc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && lParam) {
    const CWPSTRUCT* m = (const CWPSTRUCT*)lParam;
    if (m->message == Command_Message() && m->lParam == kCommandMark) {
      try {
        if (m->wParam == kRefreshMenus) {
          Refresh_Menus();
        } else {
          Run_Command((int)m->wParam);
        }
      } catch (...) {
      }
    }
  }
  return CallNextHookEx(NULL, code, wParam, lParam);
}

LRESULT CALLBACK Call_Wnd_Ret_Proc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && lParam) {
    const CWPRETSTRUCT* m = (const CWPRETSTRUCT*)lParam;
    if (m->message == WM_INITDIALOG || m->message == WM_INITMENUPOPUP || m->message == WM_CREATE ||
        m->message == WM_SETTEXT) {
      try {
        On_Window_Message(m->hwnd, m->message, m->wParam);
      } catch (...) {
      }
    }
  }
  return CallNextHookEx(NULL, code, wParam, lParam);
}

LRESULT CALLBACK Get_Msg_Proc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && wParam == PM_REMOVE && lParam) {
    const MSG* m = (const MSG*)lParam;
    if (m->message == WM_COMPTRANS_UPDATE && m->wParam == COMPTRANS_UPDATE_W &&
        m->lParam == COMPTRANS_UPDATE_L && m->hwnd) {
      try {
        Draw_Comparison(m->hwnd);
      } catch (...) {
      }
    }
  }
  return CallNextHookEx(NULL, code, wParam, lParam);
}

void Remove_Hooks() {
  HHOOK* hooks[] = {&g_shared.callWndHook, &g_shared.callWndRetHook, &g_shared.getMsgHook};
  for (HHOOK* h : hooks) {
    if (*h) UnhookWindowsHookEx(*h);
    *h = NULL;
  }
}

/* Sends the refresh command to the first top-level window of each process met. */
BOOL CALLBACK Tell_Process(HWND h, LPARAM told) {
  DWORD pid = 0;
  GetWindowThreadProcessId(h, &pid);
  if (pid && ((std::set<DWORD>*)told)->insert(pid).second) {
    SendNotifyMessageA(h, Command_Message(), kRefreshMenus, kCommandMark);
  }
  return TRUE;
}

}  // namespace

/* ---- the thirteen functions ---- */

int __cdecl InitHooks32(HWND compareWnd) {
  char fail[8];
  DWORD n = GetEnvironmentVariableA("TRHOOK32_FAIL_INIT", fail, sizeof fail);
  int ok = !(n == 1 && fail[0] == '1');
  record("InitHooks32 %lu", hwnd_value(compareWnd));
  if (!ok) return 0;
  Remove_Hooks();
  DWORD dir = GetCurrentDirectoryA(sizeof g_shared.baseDir, g_shared.baseDir);
  if (dir == 0 || dir >= sizeof g_shared.baseDir) g_shared.baseDir[0] = 0;
  size_t len = strlen(g_shared.baseDir);
  if (len > 0 && g_shared.baseDir[len - 1] == '\\') g_shared.baseDir[len - 1] = 0;
  g_shared.callWndHook = SetWindowsHookExA(WH_CALLWNDPROC, Call_Wnd_Proc, g_module, 0);
  g_shared.callWndRetHook = SetWindowsHookExA(WH_CALLWNDPROCRET, Call_Wnd_Ret_Proc, g_module, 0);
  g_shared.getMsgHook = SetWindowsHookExA(WH_GETMESSAGE, Get_Msg_Proc, g_module, 0);
  if (!g_shared.callWndHook || !g_shared.callWndRetHook || !g_shared.getMsgHook) {
    Remove_Hooks();
    return 0;
  }
  g_shared.compareWnd = compareWnd;
  return 1;
}

int __cdecl ClearHooks32(void) {
  record("ClearHooks32");
  Remove_Hooks();
  g_shared.compareWnd = NULL;
  return 1;
}

int __cdecl SetTransFlag32(HWND target, int mode) {
  record("SetTransFlag32 %lu %d", hwnd_value(target), mode);
  /* A target that is gone, or one that does not answer, is left alone. */
  if (!target || !IsWindow(target)) return 0;
  DWORD_PTR result = 0;
  SendMessageTimeoutA(target, Command_Message(), (WPARAM)mode, kCommandMark,
                      SMTO_ABORTIFHUNG | SMTO_NORMAL, kCommandWait, &result);
  return 1;
}

int __cdecl SetCode32(int code) {
  record("SetCode32 %d", code);
  g_code = code;
  return 1;
}

int __cdecl GetCode32(void) {
  record("GetCode32");
  return g_code;
}

int __cdecl SetInterfaceType32(int type) {
  record("SetInterfaceType32 %d", type);
  g_shared.interfaceType = type;
  return 1;
}

int __cdecl SetChnEngMenu32(int bilingual) {
  record("SetChnEngMenu32 %d", bilingual);
  g_shared.bilingual = bilingual;
  /* Every process is told, without waiting for any: a localised one redraws its menus. */
  std::set<DWORD> told;
  EnumWindows(Tell_Process, (LPARAM)&told);
  return 1;
}

int __cdecl SetUserDict32(int use) {
  record("SetUserDict32 %d", use);
  g_shared.userDict = use;
  return 1;
}

int __cdecl SetProfDictID32(int index) {
  record("SetProfDictID32 %d", index);
  g_shared.profDictId = index;
  return 1;
}

int __cdecl SetCompatibleFlag32(const char* packFolder, int length, int flag) {
  char folder[MAX_PATH];
  folder[0] = 0;
  if (packFolder && length > 0) {
    int n = length < (int)sizeof folder - 1 ? length : (int)sizeof folder - 1;
    memcpy(folder, packFolder, (size_t)n);
    folder[n] = 0;
  }
  record("SetCompatibleFlag32 \"%s\" %d %d", folder, length, flag);
  lstrcpynA(g_shared.packFolder, folder, sizeof g_shared.packFolder);
  return 1;
}

static int start_comparison(const char* name, WPARAM layout) {
  record("%s", name);
  /* The window in front, never one of the translator's own (the comparison window's process):
   * the translator brings its target forward before it asks. */
  HWND compared = GetForegroundWindow();
  HWND compareWnd = g_shared.compareWnd;
  DWORD comparedPid = 0, translatorPid = 0;
  if (compared) GetWindowThreadProcessId(compared, &comparedPid);
  if (compareWnd) GetWindowThreadProcessId(compareWnd, &translatorPid);
  if (compared && comparedPid != translatorPid && IsWindow(compareWnd)) {
    SendMessageA(compareWnd, WM_COMPWND_SETTARGET, layout, (LPARAM)compared);
  }
  return 1;
}

int __cdecl LeftrightComptrans32(void) { return start_comparison("LeftrightComptrans32", 2); }
int __cdecl UpdownComptrans32(void) { return start_comparison("UpdownComptrans32", 1); }

int __cdecl CancelComptrans32(void) {
  record("CancelComptrans32");
  return 1;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  (void)reserved;
  if (reason == DLL_PROCESS_ATTACH) {
    g_module = instance;
    DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}
