#pragma once

// User-interface threads: a thread with windows of its own and a message loop, started and
// ended from another thread. It is ended by closing its main window (which ends its loop),
// never by killing it.

#include <windows.h>

#include "appfw/app.h"

namespace appfw {

// A user-interface thread. A derived class makes its windows in InitInstance (setting
// m_pMainWnd) and returns TRUE; the loop then runs until the main window is gone. The object
// is kept after the thread ends (m_bAutoDelete is false): the starting thread waits for the
// end and deletes it.
class CUiThread : public CWinThread {
 public:
  CUiThread();
  ~CUiThread() override;

  // Starts the thread; TRUE once it runs.
  BOOL Start(int priority = THREAD_PRIORITY_NORMAL);
  // Waits until InitInstance returned; TRUE when it returned TRUE within the time.
  BOOL Wait_Ready(DWORD milliseconds);
  // The main window the thread made, or null (valid once ready).
  HWND Main_Window() const { return mainWindow_; }
  // Closes the main window (WM_CLOSE posted to it; a thread without one is asked to quit)
  // and waits for the thread's end; TRUE when it ended within the time.
  BOOL Close(DWORD milliseconds);
  BOOL PostThreadMessage(UINT message, WPARAM wParam, LPARAM lParam) const;

  int Run() override;
  int ExitInstance() override;

 private:
  void Mark_Ready(bool ok);
  HANDLE ready_ = nullptr;
  volatile LONG ok_ = 0;
  HWND mainWindow_ = nullptr;
};

// Starts a user-interface thread of class T (made with new T); null when it cannot start.
// The caller ends it with Close and deletes it.
template <class T>
T* AfxBeginUiThread(int priority = THREAD_PRIORITY_NORMAL) {
  T* thread = new T;
  if (thread->Start(priority)) return thread;
  delete thread;
  return nullptr;
}

}  // namespace appfw
