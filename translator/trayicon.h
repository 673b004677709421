#pragma once

#include <windows.h>
#include <shellapi.h>

#include "appfw/wnd.h"

// The notification icon's callback message: wParam the icon id, lParam the mouse message.
#define WM_TRAYICON_NOTIFY 0x7E8

// A hidden child window of its parent (control id 9999) that owns one notification-area icon
// and passes the icon's clicks to its notify target.
class CTrayIconWnd : public appfw::CWnd {
  DECLARE_MSG_MAP()

 public:
  ~CTrayIconWnd() override;

  // Creates the hidden window, takes the parent as notify target, uses the icon given (or
  // the parent's big icon) and registers the icon; returns the system's answer.
  virtual BOOL Create(appfw::CWnd* parent, UINT iconId, HICON icon, const char* tip);
  // Adds the icon again (TRUE) or removes it (FALSE).
  BOOL ShowIcon(BOOL show);
  void ShowContextMenu();

  // The record registered with the shell.
  const NOTIFYICONDATAA& Icon_Data() const { return data_; }
  HWND Notify_Target() const { return target_; }

 private:
  LRESULT OnTrayNotify(WPARAM, LPARAM);

  NOTIFYICONDATAA data_{};
  HWND target_ = nullptr;
  bool shown_ = false;
};
