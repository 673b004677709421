#pragma once

#include <windows.h>

#include <string>

#include "appfw/cstring.h"

namespace appfw {

class CWnd;

// A thread of the program. A user-interface thread overrides InitInstance (and returns TRUE
// to get a message loop); a worker returns FALSE from InitInstance after doing its work, or is
// started with BeginThread and a plain function. Every message the thread's loop takes, and
// every message of the modal loops it runs (dialogs, message boxes, menus), passes
// PreTranslateMessage first.
class CWinThread {
 public:
  CWinThread();
  virtual ~CWinThread();
  CWinThread(const CWinThread&) = delete;
  CWinThread& operator=(const CWinThread&) = delete;

  virtual BOOL InitInstance() { return FALSE; }
  virtual int Run();
  virtual int ExitInstance() { return m_exitCode; }
  // TRUE when the message was handled and must not be dispatched. The default offers it to
  // the framework windows from the message's window up through its parents, then to the
  // main window.
  virtual BOOL PreTranslateMessage(MSG* msg);

  // Starts the thread (InitInstance, Run when it returned TRUE, ExitInstance). With
  // m_bAutoDelete set the object deletes itself when the thread ends.
  BOOL CreateThread(int priority = THREAD_PRIORITY_NORMAL);

  CWnd* m_pMainWnd = nullptr;
  HANDLE m_hThread = nullptr;
  DWORD m_nThreadID = 0;
  bool m_bAutoDelete = true;

 protected:
  // Runs the thread's life on the calling thread: InitInstance, Run, ExitInstance.
  int RunLife();
  int m_exitCode = 0;

 private:
  static DWORD WINAPI Thread_Start(LPVOID self);
  class Msg_Filter_Scope;
};

// The thread object of the calling thread, or null.
CWinThread* AfxGetThread();

// Starts a worker thread that runs fn(param); the returned object deletes itself when the
// thread ends (read m_hThread only while it runs, or clear m_bAutoDelete first: then the
// caller deletes it).
using ThreadFunction = UINT (*)(LPVOID param);
CWinThread* AfxBeginThread(ThreadFunction fn, LPVOID param,
                           int priority = THREAD_PRIORITY_NORMAL);

// An application object: InitInstance builds the program's windows; Run pumps messages
// until WM_QUIT; ExitInstance runs afterwards, and also when InitInstance failed.
class CWinApp : public CWinThread {
 public:
  // Without a name the application is named after its executable's base name.
  explicit CWinApp(const char* appName = nullptr);
  ~CWinApp() override;

  BOOL InitInstance() override { return TRUE; }

  // Runs the whole life of the application and returns the process exit code.
  int Main(HINSTANCE instance);

  // Profile settings live under HKEY_CURRENT_USER\Software\<registry key>\<application
  // name>\<section>; without a registry key reads give the default and writes fail.
  void SetRegistryKey(const char* key);
  void SetRegistryKey(UINT stringId);
  virtual int GetProfileInt(const char* section, const char* entry, int defaultValue);
  virtual CString GetProfileString(const char* section, const char* entry,
                                   const char* defaultValue = "");
  virtual BOOL WriteProfileInt(const char* section, const char* entry, int value);
  virtual BOOL WriteProfileString(const char* section, const char* entry, const char* value);
  // The key the sections live under ("Software\<key>\<name>"), empty without a registry key.
  std::string ProfileKeyPath() const;

  HINSTANCE m_hInstance = nullptr;
  std::string m_appName;
  std::string m_registryKey;
  std::string m_helpFilePath;
};

// The one application object of the process (module), or null.
CWinApp* AfxGetApp();
// The module whose resources (dialogs, strings, bitmaps, icons) the framework loads.
HINSTANCE AfxGetResourceHandle();
// A message box captioned with the application name, owned by the main window.
int AfxMessageBox(const char* text, UINT type = MB_OK);
int AfxMessageBox(UINT stringId, UINT type = MB_OK);

}  // namespace appfw
