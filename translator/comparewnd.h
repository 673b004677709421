#pragma once

#include "appfw/wnd.h"

// Messages of comparison translation. WM_COMPWND_SETTARGET comes from trhook32 (wParam the
// layout, lParam the window to compare); WM_COMPWND_TARGETGONE from trhook95.
#define WM_COMPWND_LAYOUT 0xBD0    // posted by the comparison window to itself: tile now
#define WM_COMPTRANS_UPDATE 0x531  // posted to the compared window: translate the view afresh
#define COMPTRANS_UPDATE_WPARAM 6517
#define COMPTRANS_UPDATE_LPARAM 1058

#define COMPARE_UPDOWN 1     // compared window above, comparison window below
#define COMPARE_LEFTRIGHT 2  // compared window left, comparison window right

#define IDC_COMPARE_WND 1998

// Where the two windows go in a layout on a screen of the given size. False for a layout that
// tiles nothing.
struct Compare_Tiling {
  RECT compared;
  RECT comparison;
};
bool Tile_For_Layout(int layout, int screenWidth, int screenHeight, Compare_Tiling* out);

// The comparison window: hidden until comparison translation tiles it beside the compared
// window, where trhook32 draws the translated view. It paints nothing of its own. Both hook
// libraries address it by its handle.
class CCompareWnd : public appfw::CWnd {
  DECLARE_MSG_MAP()

 public:
  // Creates the window hidden at zero size: a tool window without caption or frame, titled
  // "CS_对照窗口II", with the desktop as parent and id 1998.
  virtual BOOL Create();

  // Asks the compared window for a fresh translated view.
  void RequestUpdate();

  HWND Compared_Window() const { return compared_; }
  int Layout() const { return layout_; }

 private:
  LRESULT OnSetTarget(WPARAM, LPARAM);
  LRESULT OnLayout(WPARAM, LPARAM);
  LRESULT OnTargetGone(WPARAM, LPARAM);
  LRESULT OnLButtonUp(WPARAM, LPARAM);

  HWND compared_ = nullptr;
  int layout_ = 0;
};
