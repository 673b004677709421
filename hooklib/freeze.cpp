// The game freeze: runs in the game's process, in the thread that received the trigger.
//
// That thread runs the freeze dialog, which covers the screen with the captured picture; a
// worker thread suspends the game's other threads, brings the dictionary program up over the
// picture and waits until the user minimises or closes it. Everything that allocates or calls
// DirectDraw happens before the worker suspends anything or after it has resumed everything:
// a suspended thread may hold the heap or a drawing lock.
#include "freeze.h"

#include <cstring>
#include <new>
#include <vector>

#include "appfw/app.h"
#include "appfw/wnd.h"
#include "capture_logic.h"
#include "ddraw_watch.h"
#include "freeze_protocol.h"
#include "screen_capture.h"

namespace trhook95 {

namespace {

// Per-process state of the freeze.
HWND hGameWnd = nullptr;  // the game window of the current or last freeze; never reset
WNDPROC pfnOldGameWndProc = nullptr;
IDirectDraw* pGameDirectDraw = nullptr;  // held by the freeze while it runs
HWND volatile hFreezeDlg = nullptr;
HANDLE volatile hDialogThread = nullptr;
PALETTEENTRY SavedPalette[kPaletteSize] = {};

CSurfaceSaver theSurfaceSaver;

// The worker thread of a freeze.
class CLexomarApp : public appfw::CWinThread {
 public:
  BOOL InitInstance() override;

 private:
  void CollectThreadHandles();
  void Suspend_Others();
  void Resume_Kept();

  std::vector<HANDLE> m_kept;        // threads this worker suspended and must resume
  std::vector<HANDLE> m_candidates;  // live thread handles of the process
};

class CFreezeDlg : public appfw::CDialog {
 public:
  CFreezeDlg() : CDialog(kFreezeDialogId) {}
  BOOL OnInitDialog() override;
  void OnOK() override {}
  void OnCancel() override {}

  // Repaints the whole dialog window with the capture.
  void Repaint();

 private:
  LRESULT OnEraseBkgnd(WPARAM dc, LPARAM);
  LRESULT OnFreezeEnd(WPARAM, LPARAM);
  LRESULT OnActivate(WPARAM, LPARAM);
  LRESULT OnMouseButton(WPARAM, LPARAM) { return 0; }
  LRESULT OnGetMinMaxInfo(WPARAM, LPARAM) { return Default(); }
  LRESULT OnShowWindow(WPARAM shown, LPARAM);
  void EnterFreeze();
  void LeaveFreeze();
  void Start_Worker();
  void Cover_Screen();

  int m_nSavedCursorCount = 0;
  POINT m_ptSavedCursor{};
  CScreenBitmap m_screen;
  CLexomarApp* m_pWorker = nullptr;
  BOOL m_bCaptured = FALSE;
  int m_cxScreen = 0;
  int m_cyScreen = 0;

  DECLARE_MSG_MAP()
};

CFreezeDlg theFreezeDlg;

BEGIN_MSG_MAP(CFreezeDlg, appfw::CDialog)
  ON_MSG(WM_ERASEBKGND, OnEraseBkgnd)
  ON_MSG(WM_FREEZE_END, OnFreezeEnd)
  ON_MSG(WM_ACTIVATEAPP, OnActivate)
  ON_MSG(WM_ACTIVATE, OnActivate)
  ON_MSG(WM_LBUTTONDOWN, OnMouseButton)
  ON_MSG(WM_LBUTTONUP, OnMouseButton)
  ON_MSG(WM_LBUTTONDBLCLK, OnMouseButton)
  ON_MSG(WM_RBUTTONDOWN, OnMouseButton)
  ON_MSG(WM_RBUTTONUP, OnMouseButton)
  ON_MSG(WM_RBUTTONDBLCLK, OnMouseButton)
  ON_MSG(WM_GETMINMAXINFO, OnGetMinMaxInfo)
  ON_MSG(WM_SHOWWINDOW, OnShowWindow)
END_MSG_MAP()

// --- The game window ------------------------------------------------------------------------

BOOL CALLBACK Close_Mci_Window(HWND window, LPARAM) {
  char name[32];
  if (GetClassNameA(window, name, sizeof name) && std::strcmp(name, "MCIWndClass") == 0)
    SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  return TRUE;
}

void CloseMciWindows() { EnumThreadWindows(GetCurrentThreadId(), Close_Mci_Window, 0); }

// A game whose main window has the class "KMYC" keeps that window from one freeze to the next
// and has its movie windows closed; for any other program it is the foreground window.
HWND FindGameWindow() {
  if (!hGameWnd) hGameWnd = GetForegroundWindow();
  if (!hGameWnd) return nullptr;
  char name[16];
  if (GetClassNameA(hGameWnd, name, sizeof name) && std::strcmp(name, "KMYC") == 0) {
    CloseMciWindows();
    return hGameWnd;
  }
  return GetForegroundWindow();
}

// The game window's procedure while frozen: no painting, timers, activation or cursor.
LRESULT CALLBACK GameWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ACTIVATE:
    case WM_PAINT:
    case WM_ERASEBKGND:
    case WM_ACTIVATEAPP:
    case WM_SETCURSOR:
    case WM_NCPAINT:
    case WM_TIMER:
      return 0;
    default:
      break;
  }
  return pfnOldGameWndProc ? CallWindowProcA(pfnOldGameWndProc, hwnd, message, wParam, lParam)
                           : 0;
}

// The game's screen can be locked now.
bool Screen_Lockable(IDirectDraw* dd) {
  IDirectDrawSurface* gdi = nullptr;
  if (FAILED(dd->GetGDISurface(&gdi)) || !gdi) return false;
  DDSURFACEDESC desc{};
  desc.dwSize = sizeof desc;
  bool lockable = SUCCEEDED(gdi->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr));
  if (lockable) lockable = SUCCEEDED(gdi->Unlock(nullptr));
  gdi->Release();
  return lockable;
}

// --- The dictionary ---------------------------------------------------------------------------

void Repaint_Freeze_Dialog(HWND dialog) {
  if (HDC dc = GetWindowDC(dialog)) {
    SendMessageA(dialog, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    ReleaseDC(dialog, dc);
  }
}

// Brings the dictionary window up over the freeze dialog and waits until it is minimised or
// closed. The dictionary stays a top-level window of its own: made the child of the freeze
// dialog, even for a moment, it would share its input with the game's thread, and under Wine
// the game's thread then stops answering.
void Bring_Up_And_Wait(HWND dict, HWND dialog) {
  SendMessageA(dict, WM_SYSCOMMAND, SC_RESTORE, 0);
  SetWindowPos(dict, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW);
  SetForegroundWindow(dict);
  RedrawWindow(dict, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
  Repaint_Freeze_Dialog(dialog);
  while (IsWindow(dict) && !IsIconic(dict)) Sleep(kDictionaryPollMs);
}

void ShowDictionaryOverGame(HWND dialog) {
  if (HWND dict = FindWindowA(nullptr, kDictTitlePaused)) {
    SendMessageA(dict, WM_COMMAND, VORDEX_CMD_SHOW, 0);
    Bring_Up_And_Wait(dict, dialog);
  } else if (HWND running = FindWindowA(nullptr, kDictTitle)) {
    SendMessageA(running, WM_COMMAND, VORDEX_CMD_SHOW, 0);
    SendMessageA(running, WM_COMMAND, kTogglePauseBothWords, 0);
    Bring_Up_And_Wait(running, dialog);
    PostMessageA(running, WM_COMMAND, kTogglePauseBothWords, 0);
  }
}

// --- The worker ---------------------------------------------------------------------------------

BOOL CLexomarApp::InitInstance() {
  CollectThreadHandles();
  m_kept.clear();
  m_kept.reserve(m_candidates.size());  // nothing allocates while threads are suspended
  HANDLE dialogThread = hDialogThread;
  if (dialogThread) Suspend_Others();
  ShowDictionaryOverGame(hFreezeDlg);
  if (dialogThread) {
    Resume_Kept();
    hDialogThread = nullptr;
    CloseHandle(dialogThread);
  }
  PostMessageA(hFreezeDlg, WM_FREEZE_END, 0, 0);
  return FALSE;
}

// A thread the system runs for the game (a drawing service's own thread, say): it started in
// a library of the system folders. The game's DirectDraw work waits for such threads, so they
// keep running; the game's own threads are the ones that stop.
bool Is_System_Thread(HANDLE thread) {
  using Query_Fn = LONG(WINAPI*)(HANDLE, int, PVOID, ULONG, PULONG);
  static const auto query = reinterpret_cast<Query_Fn>(
      GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationThread"));
  const int kStartAddress = 9;  // the address the thread was started at
  void* start = nullptr;
  if (!query || query(thread, kStartAddress, &start, sizeof start, nullptr) != 0 || !start)
    return false;
  HMODULE module = nullptr;
  if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                              GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                          static_cast<LPCSTR>(start), &module))
    return false;
  char path[MAX_PATH], folder[MAX_PATH];
  DWORD n = GetModuleFileNameA(module, path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return false;
  UINT length = GetSystemDirectoryA(folder, MAX_PATH);
  if (length > 0 && length < MAX_PATH && Is_In_Folder(path, folder)) return true;
  length = GetSystemWow64DirectoryA(folder, MAX_PATH);
  return length > 0 && length < MAX_PATH && Is_In_Folder(path, folder);
}

// Every live thread of the game reachable through a handle value below the worker's own.
void CLexomarApp::CollectThreadHandles() {
  m_candidates.clear();
  const UINT_PTR own = reinterpret_cast<UINT_PTR>(m_hThread);
  // Handle values are multiples of 4; the two low bits do not name another handle.
  for (UINT_PTR value = 4; value < own; value += 4) {
    HANDLE handle = reinterpret_cast<HANDLE>(value);
    DWORD code = 0;
    if (GetExitCodeThread(handle, &code) && code == STILL_ACTIVE && !Is_System_Thread(handle))
      m_candidates.push_back(handle);
  }
}

// Suspends every candidate but the dialog thread, which the worker recognises by the count
// of 30 suspensions it gives it first.
void CLexomarApp::Suspend_Others() {
  HANDLE dialogThread = hDialogThread;
  DWORD dialogCount = static_cast<DWORD>(-1);
  DWORD given = 0;
  for (; given < kDialogSuspensions; ++given) {
    dialogCount = SuspendThread(dialogThread);
    if (Suspension_Failed(dialogCount)) break;
  }
  if (given == kDialogSuspensions) {
    for (HANDLE candidate : m_candidates) {
      DWORD count = SuspendThread(candidate);
      if (Suspension_Failed(count)) continue;
      if (Is_Dialog_Thread(dialogCount, count))
        ResumeThread(candidate);
      else
        m_kept.push_back(candidate);
    }
  }
  for (DWORD i = 0; i < given; ++i) ResumeThread(dialogThread);
}

void CLexomarApp::Resume_Kept() {
  for (HANDLE kept : m_kept) ResumeThread(kept);
}

// --- The freeze dialog ----------------------------------------------------------------------------

BOOL CFreezeDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  EnterFreeze();
  m_bCaptured = m_screen.Capture();
  Cover_Screen();
  hFreezeDlg = m_hWnd;
  HANDLE real = nullptr;
  if (DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &real, 0,
                      FALSE, DUPLICATE_SAME_ACCESS))
    hDialogThread = real;
  Start_Worker();
  return TRUE;
}

// Covers the screen with the capture, topmost; without a capture the dialog has no size.
void CFreezeDlg::Cover_Screen() {
  const UINT flags = SWP_NOACTIVATE;
  if (!m_bCaptured) {
    SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, flags);
    return;
  }
  m_cxScreen = GetSystemMetrics(SM_CXSCREEN);
  m_cyScreen = GetSystemMetrics(SM_CYSCREEN);
  SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, m_cxScreen, m_cyScreen, flags);
  if (HDC dc = GetDC(m_hWnd)) {
    m_screen.Draw(dc, RECT{0, 0, m_cxScreen, m_cyScreen});
    ReleaseDC(m_hWnd, dc);
    GdiFlush();
  }
}

// The worker keeps its object and handle until OnFreezeEnd has waited for it. A worker that
// cannot start ends the freeze at once.
void CFreezeDlg::Start_Worker() {
  auto* worker = new (std::nothrow) CLexomarApp;
  if (worker) {
    worker->m_bAutoDelete = false;
    if (worker->CreateThread(THREAD_PRIORITY_NORMAL)) {
      m_pWorker = worker;
      return;
    }
    delete worker;
  }
  if (HANDLE dialogThread = hDialogThread) {
    hDialogThread = nullptr;
    CloseHandle(dialogThread);
  }
  PostMessageA(m_hWnd, WM_FREEZE_END, 0, 0);
}

void CFreezeDlg::Repaint() { Repaint_Freeze_Dialog(m_hWnd); }

LRESULT CFreezeDlg::OnEraseBkgnd(WPARAM dc, LPARAM) {
  if (!m_bCaptured) return Default();
  m_screen.Draw(reinterpret_cast<HDC>(dc), RECT{0, 0, m_cxScreen, m_cyScreen});
  return 1;
}

LRESULT CFreezeDlg::OnActivate(WPARAM, LPARAM) {
  HWND dict = FindWindowA(kDictClass, nullptr);
  if (!dict || !IsWindowVisible(dict)) return Default();
  // To the top without waiting for the dictionary's thread: it may be busy activating itself
  // and waiting for this one.
  SetWindowPos(dict, HWND_TOP, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
  Repaint();
  return 0;
}

LRESULT CFreezeDlg::OnShowWindow(WPARAM shown, LPARAM) {
  if (shown)
    SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, m_cxScreen, m_cyScreen, SWP_NOACTIVATE);
  return Default();
}

LRESULT CFreezeDlg::OnFreezeEnd(WPARAM, LPARAM) {
  if (m_pWorker) {
    WaitForSingleObject(m_pWorker->m_hThread, INFINITE);
    delete m_pWorker;  // closes its handle
    m_pWorker = nullptr;
  }
  EndDialog(IDCANCEL);
  m_bCaptured = FALSE;
  m_cxScreen = 0;
  m_cyScreen = 0;
  m_screen.m_bitmap.DeleteObject();
  m_screen.m_palette.DeleteObject();
  LeaveFreeze();
  return 0;
}

void CFreezeDlg::EnterFreeze() {
  const DWORD pid = GetCurrentProcessId();
  CDDrawFinder finder;
  if (IDirectDraw* dd = finder.FindGameDirectDraw(pid)) {
    dd->FlipToGDISurface();
    GetDirectDrawPalette(dd, 0, kPaletteSize, SavedPalette);
    theSurfaceSaver.SavePixels(pid);
  }
  SetCursor(LoadCursor(nullptr, IDC_ARROW));
  int count = ShowCursor(TRUE);
  m_nSavedCursorCount = Count_Before_Show(count);
  if (count > 0) count = ShowCursor(FALSE);
  while (count < 0) count = ShowCursor(TRUE);
  GetCursorPos(&m_ptSavedCursor);
}

void CFreezeDlg::LeaveFreeze() {
  // The game has its screen again before it is written back: a full-screen game that the
  // system minimised while the dictionary had the foreground comes back to the front.
  if (IsWindow(hGameWnd)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(hGameWnd, &owner);
    if (owner == GetCurrentProcessId()) {
      if (IsIconic(hGameWnd)) ShowWindow(hGameWnd, SW_RESTORE);
      SetForegroundWindow(hGameWnd);
    }
  }
  const DWORD pid = GetCurrentProcessId();
  CDDrawFinder finder;
  if (IDirectDraw* dd = finder.FindGameDirectDraw(pid)) {
    dd->FlipToGDISurface();
    static const PALETTEENTRY kBlack[kPaletteSize] = {};
    SetDirectDrawPalette(dd, 0, kPaletteSize, kBlack);
    theSurfaceSaver.RestorePixels(pid);
    SetDirectDrawPalette(dd, 0, kPaletteSize, SavedPalette);
  }
  int count = ShowCursor(FALSE);
  for (int steps = Cursor_Steps(count, m_nSavedCursorCount); steps < 0; ++steps)
    ShowCursor(FALSE);
  for (int steps = Cursor_Steps(count, m_nSavedCursorCount); steps > 0; --steps)
    ShowCursor(TRUE);
  SetCursorPos(m_ptSavedCursor.x, m_ptSavedCursor.y);
}

INT_PTR RunFreezeDialog() { return theFreezeDlg.DoModal(); }

}  // namespace

void FreezeGame(DWORD processId, int triggerKind) {
  if (processId == 0 || processId == static_cast<DWORD>(-1)) return;
  HWND game = FindGameWindow();
  if (!game || !IsWindow(game)) return;
  hGameWnd = game;
  CDDrawFinder finder;
  pGameDirectDraw = finder.FindGameDirectDraw(processId);
  if (!pGameDirectDraw) return;
  // The freeze holds the object until it is over, whatever the game does meanwhile.
  pGameDirectDraw->AddRef();
  if (Screen_Lockable(pGameDirectDraw)) {
    pfnOldGameWndProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        hGameWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&GameWndProc)));
    RunFreezeDialog();
    if (triggerKind == kTriggerMouseChord) PostMessageA(hGameWnd, WM_RBUTTONUP, 0, 0);
    if (pfnOldGameWndProc) {
      SetWindowLongPtrA(hGameWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pfnOldGameWndProc));
      pfnOldGameWndProc = nullptr;
    }
  }
  IDirectDraw* held = pGameDirectDraw;
  pGameDirectDraw = nullptr;
  held->Release();
}

}  // namespace trhook95
