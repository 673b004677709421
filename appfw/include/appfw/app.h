#pragma once

#include <windows.h>

namespace appfw {

// An application object: InitInstance builds the program's windows; Run pumps messages
// until WM_QUIT; ExitInstance runs afterwards, and also when InitInstance failed.
class CWinApp {
 public:
  CWinApp();
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  virtual BOOL InitInstance() { return TRUE; }
  virtual int Run();
  virtual int ExitInstance() { return m_exitCode; }

  // Runs the whole life of the application and returns the process exit code.
  int Main(HINSTANCE instance);

  HINSTANCE m_hInstance = nullptr;

 protected:
  int m_exitCode = 0;
};

// The one application object of the process, or null.
CWinApp* AfxGetApp();

}  // namespace appfw
