#pragma once

#include "appfw/wnd.h"
#include "credits.h"
#include "picture.h"

// The About box: the program's picture with the credits scrolling over it. A click closes
// it; Ctrl+Shift+click shows the second script.
class CAboutDlg : public appfw::CDialog {
  DECLARE_MSG_MAP()

 public:
  explicit CAboutDlg(appfw::CWnd* parent = nullptr);

  BOOL OnInitDialog() override;
  void DoDataExchange() override;

  CCreditsStatic& Credits() { return credits_; }

 private:
  LRESULT OnLButtonDown(WPARAM, LPARAM);

  CCreditsStatic credits_;
  CDibPicture picture_;
};
