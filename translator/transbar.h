#pragma once

#include "appfw/wnd.h"
#include "comparewnd.h"
#include "trayicon.h"

// The floating bar, Lingvane's main window: a small always-on-top strip at the top of the
// screen that owns the tray icon and the comparison window and starts both hook libraries.
// CTransBar is the shaped bar, CSimpleTransBar the compact one.
class CTransBar : public appfw::CWnd {
  DECLARE_MSG_MAP()

 public:
  // Creates the bar as a top-level popup tool window; 1 on success.
  virtual BOOL Create();

  CTrayIconWnd& Tray_Icon() { return m_trayIcon; }
  // After a failed Create: the string that tells the user why the start ended, or 0 when
  // the failure is not the user's to act on.
  UINT Start_Failure_Message() const { return m_startFailureMessage; }
  CCompareWnd& Compare_Wnd() { return m_compareWnd; }

 protected:
  virtual SIZE Bar_Size() const { return SIZE{250, 45}; }
  // Creation shared by both bars: placement, tray icon, comparison window, both hook
  // libraries with their settings. 0 on success, -1 when a step fails.
  virtual int OnCreateBar();

  LRESULT OnCreate(WPARAM, LPARAM);
  LRESULT OnClose(WPARAM, LPARAM);
  LRESULT OnPaint(WPARAM, LPARAM);
  void OnBarClose();
  void OnRestore();
  void OnAppAbout();
  void OnSimpleInterface();

  CTrayIconWnd m_trayIcon;
  CCompareWnd m_compareWnd;
  HWND m_hCompareWnd = nullptr;  // handed to trhook95, which copies it
  bool m_minimised = false;
  UINT m_startFailureMessage = 0;
};

class CSimpleTransBar : public CTransBar {
 protected:
  SIZE Bar_Size() const override { return SIZE{198, 27}; }
};
