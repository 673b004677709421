#pragma once

#include "appfw/wnd.h"
#include "picture.h"

// The start-up picture: a borderless popup showing one bitmap, centred on the screen.
class CSplashWnd : public appfw::CWnd {
  DECLARE_MSG_MAP()

 public:
  // Loads the bitmap, creates the popup at its size with the desktop as parent, centres it,
  // shows it and paints it at once.
  virtual BOOL Create(UINT bitmapId);
  // Dispatches every message waiting in the thread's queue, then destroys the window.
  BOOL DestroyWindow() override;

  const CDibPicture& Picture() const { return picture_; }

 private:
  LRESULT OnPaint(WPARAM, LPARAM);
  LRESULT OnEraseBkgnd(WPARAM, LPARAM);

  CDibPicture picture_;
};
