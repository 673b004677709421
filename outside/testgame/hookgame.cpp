// Stand-in game: one main window, extra windows on request, counters a watcher can query; with
// /ddraw:<mode> a real DirectDraw game (testgame.h).
#include <windows.h>
#include <ddraw.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "testgame.h"

namespace {

HWND g_main = nullptr;
LONG g_keyUps = 0;
LONG g_pings = 0;
LONG g_extra = 0;
LONG g_withheld = 0;
LONG g_rButtonUps = 0;
LONG g_extraRButtonUps = 0;
bool g_ddraw = false;
const char kClass[] = "QuillonHookGame";
const char kMciClass[] = "MCIWndClass";

// --- DirectDraw play ----------------------------------------------------------------------------

struct Play {
  IDirectDraw* dd = nullptr;
  IDirectDrawSurface* primary = nullptr;
  IDirectDrawPalette* palette = nullptr;
  int bits = 0;
  bool windowed = false;
  bool held = false;
  LONG frames = 0;
  HANDLE counterThread = nullptr;
  HANDLE sleeperThread = nullptr;
};
Play g_play;
volatile LONG g_counter = 0;
constexpr UINT_PTR kFrameTimer = 7;

DWORD WINAPI Counter_Thread(LPVOID) {
  for (;;) {
    InterlockedIncrement(&g_counter);
    Sleep(5);
  }
}

DWORD WINAPI Sleeper_Thread(LPVOID) { return 0; }

// A rainbow that runs round the palette.
void Rainbow(PALETTEENTRY* entries) {
  for (int i = 0; i < 256; ++i) {
    int phase = i % 85, third = i / 85;
    BYTE up = static_cast<BYTE>(phase * 3), down = static_cast<BYTE>(255 - phase * 3);
    BYTE r = third == 0 ? down : third == 1 ? 0 : up;
    BYTE g = third == 0 ? up : third == 1 ? down : 0;
    BYTE b = third == 0 ? 0 : third == 1 ? up : down;
    entries[i] = PALETTEENTRY{r, g, b, 0};
  }
}

// The area the game draws in: the whole screen, or its window's client area in window mode.
RECT Play_Area(const DDSURFACEDESC& desc) {
  RECT area{0, 0, static_cast<LONG>(desc.dwWidth), static_cast<LONG>(desc.dwHeight)};
  if (g_play.windowed) {
    RECT client;
    GetClientRect(g_main, &client);
    POINT origin{0, 0};
    ClientToScreen(g_main, &origin);
    RECT window{origin.x, origin.y, origin.x + client.right, origin.y + client.bottom};
    IntersectRect(&area, &area, &window);
  }
  return area;
}

// Locks the whole primary surface; a surface lost to another program is restored first, as
// games do.
bool Lock_Primary(DDSURFACEDESC* desc) {
  *desc = DDSURFACEDESC{};
  desc->dwSize = sizeof *desc;
  HRESULT hr = g_play.primary->Lock(nullptr, desc, DDLOCK_WAIT, nullptr);
  if (hr == DDERR_SURFACELOST && SUCCEEDED(g_play.primary->Restore()))
    hr = g_play.primary->Lock(nullptr, desc, DDLOCK_WAIT, nullptr);
  return SUCCEEDED(hr);
}

// Stripes and a bouncing square, in colours that move with the frame.
void Draw_Frame() {
  if (!g_play.primary) return;
  DDSURFACEDESC desc;
  if (!Lock_Primary(&desc)) return;
  RECT area = Play_Area(desc);
  int f = g_play.frames;
  int w = area.right - area.left, h = area.bottom - area.top;
  int size = h / 4 > 0 ? h / 4 : 1;
  int sx = w > size ? (f * 7) % (w - size) : 0, sy = h > size ? (f * 5) % (h - size) : 0;
  for (int y = area.top; y < area.bottom; ++y) {
    BYTE* row = static_cast<BYTE*>(desc.lpSurface) + static_cast<size_t>(y) * desc.lPitch;
    for (int x = area.left; x < area.right; ++x) {
      int lx = x - area.left, ly = y - area.top;
      bool square = lx >= sx && lx < sx + size && ly >= sy && ly < sy + size;
      int v = square ? 255 - ((lx + f) & 63) : ((lx / 8 + ly / 16 + f) & 255);
      switch (g_play.bits) {
        case 8:
          row[x] = static_cast<BYTE>(v);
          break;
        case 16: {
          WORD r = static_cast<WORD>((v >> 3) & 31), g = static_cast<WORD>((ly * 63 / (h ? h : 1)) & 63),
               b = static_cast<WORD>(((255 - v) >> 3) & 31);
          reinterpret_cast<WORD*>(row)[x] = static_cast<WORD>((r << 11) | (g << 5) | b);
          break;
        }
        default: {
          DWORD r = static_cast<DWORD>(v), g = static_cast<DWORD>(ly * 255 / (h ? h : 1)),
                b = static_cast<DWORD>(square ? 40 : 255 - v);
          reinterpret_cast<DWORD*>(row)[x] = (r << 16) | (g << 8) | b;
          break;
        }
      }
    }
  }
  g_play.primary->Unlock(nullptr);
  ++g_play.frames;
}

LRESULT Screen_Sum() {
  if (!g_play.primary) return -1;
  DDSURFACEDESC desc;
  if (!Lock_Primary(&desc)) return -1;
  RECT area = Play_Area(desc);
  int bytes = g_play.bits / 8;
  DWORD sum = 2166136261u;
  for (int y = area.top; y < area.bottom; ++y) {
    const BYTE* row = static_cast<const BYTE*>(desc.lpSurface) + static_cast<size_t>(y) * desc.lPitch;
    for (int i = area.left * bytes; i < area.right * bytes; ++i) sum = (sum ^ row[i]) * 16777619u;
  }
  g_play.primary->Unlock(nullptr);
  return static_cast<LRESULT>(sum & 0x7FFFFFFF);
}

LRESULT Palette_Sum() {
  if (!g_play.palette) return 0;
  PALETTEENTRY entries[256];
  if (FAILED(g_play.palette->GetEntries(0, 0, 256, entries))) return 0;
  DWORD sum = 2166136261u;
  for (const PALETTEENTRY& e : entries)
    for (BYTE b : {e.peRed, e.peGreen, e.peBlue}) sum = (sum ^ b) * 16777619u;
  return static_cast<LRESULT>(sum & 0x7FFFFFFF);
}

// The suspend count a thread has, left as it was.
LRESULT Suspend_Count(HANDLE thread) {
  DWORD count = SuspendThread(thread);
  if (count == static_cast<DWORD>(-1)) return 255;
  ResumeThread(thread);
  return static_cast<LRESULT>(count);
}

LRESULT Cursor_Count() {
  ShowCursor(TRUE);
  return ShowCursor(FALSE);
}

LRESULT DirectDraw_Refs() {
  if (!g_play.dd) return -1;
  g_play.dd->AddRef();
  return static_cast<LRESULT>(g_play.dd->Release());
}

void Release_Play() {
  KillTimer(g_main, kFrameTimer);
  if (g_play.palette) g_play.palette->Release();
  if (g_play.primary) g_play.primary->Release();
  if (g_play.dd) g_play.dd->Release();
  g_play.palette = nullptr;
  g_play.primary = nullptr;
  g_play.dd = nullptr;
}

LRESULT Mci_Windows() {
  LRESULT n = 0;
  for (HWND w = FindWindowExA(nullptr, nullptr, kMciClass, nullptr); w;
       w = FindWindowExA(nullptr, w, kMciClass, nullptr)) {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid == GetCurrentProcessId()) ++n;
  }
  return n;
}

char g_mode[8] = "";

bool Start_Play(const char* mode) {
  using Create_Fn = HRESULT(WINAPI*)(GUID*, IDirectDraw**, IUnknown*);
  HMODULE ddraw = GetModuleHandleA("ddraw.dll");
  auto create = ddraw ? reinterpret_cast<Create_Fn>(GetProcAddress(ddraw, "DirectDrawCreate"))
                      : nullptr;
  if (!create || FAILED(create(nullptr, &g_play.dd, nullptr))) return false;
  g_play.windowed = std::strncmp(mode, "win", 3) == 0;
  if (g_play.windowed) {
    if (FAILED(g_play.dd->SetCooperativeLevel(g_main, DDSCL_NORMAL))) return false;
  } else {
    g_play.bits = std::atoi(mode);
    if (FAILED(g_play.dd->SetCooperativeLevel(g_main, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN)))
      return false;
    if (FAILED(g_play.dd->SetDisplayMode(GetSystemMetrics(SM_CXSCREEN),
                                         GetSystemMetrics(SM_CYSCREEN), g_play.bits)))
      return false;
  }
  DDSURFACEDESC desc{};
  desc.dwSize = sizeof desc;
  desc.dwFlags = DDSD_CAPS;
  desc.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE;
  if (FAILED(g_play.dd->CreateSurface(&desc, &g_play.primary, nullptr))) return false;
  DDSURFACEDESC mode_desc{};
  mode_desc.dwSize = sizeof mode_desc;
  g_play.primary->GetSurfaceDesc(&mode_desc);
  g_play.bits = static_cast<int>(mode_desc.ddpfPixelFormat.dwRGBBitCount);
  if (g_play.bits == 8 && std::strcmp(mode, "8n") != 0) {
    PALETTEENTRY entries[256];
    Rainbow(entries);
    if (SUCCEEDED(g_play.dd->CreatePalette(DDPCAPS_8BIT | DDPCAPS_ALLOW256, entries,
                                           &g_play.palette, nullptr)))
      g_play.primary->SetPalette(g_play.palette);
  }
  if (!g_play.windowed && !g_play.counterThread) ShowCursor(FALSE);
  if (!g_play.counterThread) {
    g_play.counterThread = CreateThread(nullptr, 0, Counter_Thread, nullptr, 0, nullptr);
    g_play.sleeperThread = CreateThread(nullptr, 0, Sleeper_Thread, nullptr, CREATE_SUSPENDED,
                                        nullptr);
  }
  Draw_Frame();
  SetTimer(g_main, kFrameTimer, 40, nullptr);
  return true;
}

// --- Window ----------------------------------------------------------------------------------------

LRESULT Answer(WPARAM what) {
  switch (what) {
    case testgame::kKeyUps: return g_keyUps;
    case testgame::kPings: return g_pings;
    case testgame::kExtraWindows: return g_extra;
    case testgame::kDirectDrawLoaded: return g_ddraw;
    case testgame::kMainHasFocus: return GetActiveWindow() == g_main && GetFocus() == g_main;
    case testgame::kFrames: return g_play.frames;
    case testgame::kCounter: return g_counter;
    case testgame::kWithheld: return g_withheld;
    case testgame::kScreenSum: return Screen_Sum();
    case testgame::kPaletteSum: return Palette_Sum();
    case testgame::kSuspendCounts:
      if (!g_play.counterThread) return -1;
      return Suspend_Count(g_play.counterThread) + 256 * Suspend_Count(g_play.sleeperThread);
    case testgame::kRButtonUps: return g_rButtonUps;
    case testgame::kCursorCount: return Cursor_Count();
    case testgame::kDepth: return g_play.primary ? g_play.bits : 0;
    case testgame::kDirectDrawRefs: return DirectDraw_Refs();
    case testgame::kMciWindows: return Mci_Windows();
    case testgame::kExtraRButtonUps: return g_extraRButtonUps;
    default: return -1;
  }
}

LRESULT CALLBACK Game_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_KEYUP:
    case WM_SYSKEYUP:
      ++g_keyUps;
      return 0;
    case WM_SYSKEYDOWN:
      return 0;
    case WM_SYSCOMMAND:
      if ((wp & 0xFFF0) == SC_KEYMENU) return 0;
      break;
    case WM_RBUTTONUP:
      if (wp == 0 && lp == 0) ++(hwnd == g_main ? g_rButtonUps : g_extraRButtonUps);
      return 0;
    case WM_TIMER:
      ++g_withheld;
      if (wp == kFrameTimer && !g_play.held) Draw_Frame();
      return 0;
    case WM_PAINT:
    case WM_ERASEBKGND:
    case WM_NCPAINT:
    case WM_SETCURSOR:
    case WM_ACTIVATE:
    case WM_ACTIVATEAPP:
      ++g_withheld;
      break;
    case testgame::kPing:
      ++g_pings;
      return 0;
    case testgame::kQuery:
      return Answer(wp);
    case testgame::kHold:
      g_play.held = wp != 0;
      return 0;
    case testgame::kReplay:
      Release_Play();
      return wp ? Start_Play(g_mode) : TRUE;
    case testgame::kCreateWindow: {
      char title[64];
      std::snprintf(title, sizeof title, "hookgame extra %ld", g_extra + 1);
      HWND w = CreateWindowExA(0, kClass, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                               40 + 20 * g_extra, 300, 240, 160, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
      if (w) ++g_extra;
      return 0;
    }
    case testgame::kActivate: {
      HWND w = wp ? reinterpret_cast<HWND>(wp) : g_main;
      // Like a user's click on a window in the background: the window really becomes active
      // again, even where its thread still counts it as its active window.
      if (GetActiveWindow() == w) SetActiveWindow(nullptr);
      SetForegroundWindow(w);
      SetActiveWindow(w);
      return 0;
    }
    case testgame::kQuit:
      PostQuitMessage(0);
      return 0;
    case WM_DESTROY:
      if (hwnd == g_main) PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

const char* Option(const char* cmd, const char* name) {
  const char* p = std::strstr(cmd, name);
  return p ? p + std::strlen(name) : nullptr;
}

// The word after an option ("/name:word"), cut to the buffer; empty when the option is absent.
template <size_t N>
void Option_Word(const char* cmd, const char* name, char (&out)[N]) {
  const char* v = Option(cmd, name);
  if (!v) return;
  size_t n = 0;
  while (v[n] && v[n] != ' ' && n + 1 < N) ++n;
  std::memcpy(out, v, n);
  out[n] = '\0';
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR cmd, int) {
  bool peek = Option(cmd, "/peek") != nullptr;
  if (Option(cmd, "/ddraw")) {
    if (!LoadLibraryA("ddraw.dll")) return 3;
    g_ddraw = true;
  }
  const char* mode = g_mode;
  Option_Word(cmd, "/ddraw:", g_mode);
  const bool fullScreen = mode[0] && std::strncmp(mode, "win", 3) != 0;
  char title[128] = "hookgame";
  Option_Word(cmd, "/title:", title);
  int x = 100, y = 100, w = 320, h = 200;
  if (const char* v = Option(cmd, "/x:")) x = std::atoi(v);
  if (const char* v = Option(cmd, "/y:")) y = std::atoi(v);
  if (fullScreen) {
    x = y = 0;
    w = GetSystemMetrics(SM_CXSCREEN);
    h = GetSystemMetrics(SM_CYSCREEN);
  }

  WNDCLASSA wc{};
  wc.lpfnWndProc = Game_Proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  // A DirectDraw game paints its window itself.
  wc.hbrBackground = mode[0] ? nullptr : reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = kClass;
  if (!RegisterClassA(&wc)) return 2;
  char mainClass[32] = "";
  Option_Word(cmd, "/class:", mainClass);
  if (mainClass[0]) {
    wc.lpszClassName = mainClass;
    if (!RegisterClassA(&wc)) return 2;
  }
  if (Option(cmd, "/mci")) {
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = kMciClass;
    if (!RegisterClassA(&wc) ||
        !CreateWindowExA(0, kMciClass, "hookgame movie", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 500, 100,
                         160, 120, nullptr, nullptr, instance, nullptr))
      return 2;
  }
  DWORD style = fullScreen ? WS_POPUP | WS_VISIBLE : WS_OVERLAPPEDWINDOW | WS_VISIBLE;
  g_main = CreateWindowExA(fullScreen ? WS_EX_TOPMOST : 0, mainClass[0] ? mainClass : kClass,
                           title, style, x, y, w, h,
                           nullptr, nullptr, instance, nullptr);
  if (!g_main) return 1;
  if (mode[0] && !Start_Play(mode)) return 4;

  MSG msg;
  if (peek) {
    // Looks at each message before reading it, as some game loops do.
    for (;;) {
      WaitMessage();
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
        if (GetMessageA(&msg, nullptr, 0, 0) <= 0) return static_cast<int>(msg.wParam);
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
      }
    }
  }
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}
