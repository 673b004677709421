#include "appfw/uithread.h"

#include "appfw/wnd.h"

namespace appfw {

CUiThread::CUiThread() {
  m_bAutoDelete = false;
  ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
}

CUiThread::~CUiThread() {
  // A thread still running is asked to end; the object outlives it.
  if (m_hThread && WaitForSingleObject(m_hThread, 0) == WAIT_TIMEOUT) Close(INFINITE);
  if (ready_) CloseHandle(ready_);
}

BOOL CUiThread::Start(int priority) { return CreateThread(priority); }

void CUiThread::Mark_Ready(bool ok) {
  if (ok) {
    mainWindow_ = m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr;
    InterlockedExchange(&ok_, 1);
  }
  if (ready_) SetEvent(ready_);
}

int CUiThread::Run() {
  Mark_Ready(true);
  return CWinThread::Run();
}

int CUiThread::ExitInstance() {
  Mark_Ready(false);  // no effect after a start that went well
  return CWinThread::ExitInstance();
}

BOOL CUiThread::Wait_Ready(DWORD milliseconds) {
  if (!ready_ || WaitForSingleObject(ready_, milliseconds) != WAIT_OBJECT_0) return FALSE;
  return ok_ ? TRUE : FALSE;
}

BOOL CUiThread::PostThreadMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  return m_nThreadID ? ::PostThreadMessageA(m_nThreadID, message, wParam, lParam) : FALSE;
}

BOOL CUiThread::Close(DWORD milliseconds) {
  if (!m_hThread) return TRUE;
  // Its window, once it has one; until it is ready there is nothing to close yet.
  Wait_Ready(milliseconds);
  if (mainWindow_ && IsWindow(mainWindow_)) {
    PostMessageA(mainWindow_, WM_CLOSE, 0, 0);
  } else {
    PostThreadMessage(WM_QUIT, 0, 0);
  }
  return WaitForSingleObject(m_hThread, milliseconds) == WAIT_OBJECT_0;
}

}  // namespace appfw
