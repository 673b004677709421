#pragma once

// The navigation bar "导航条": a mini frame at the left or right edge of the screen, held
// there as a desktop application bar, that hides by sliding off the screen. Its outlook bar
// shows the link folders of "\urls.lst", the other links of "\others.lst" and the user's
// Internet Favorites; a click opens a link with the shell in a maximised window.
//
// Life cycle: the floating bar owns the object for the program's run; its window is made
// (Create, from the floating bar's command) and destroyed many times. The image lists, the
// trees' objects and the auto-hide state live with the object.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "appbar.h"
#include "appfw/controls.h"
#include "appfw/miniframe.h"
#include "appfw/statusbar.h"
#include "appfw/tooltip.h"
#include "navlogic.h"
#include "navtrees.h"
#include "outbar.h"

// The outlook bar of the navigation bar: a sunken edge instead of a border; it passes its
// trees' notifications back to them.
class CNavOutBarCtrl : public CGfxOutBarCtrl {
  DECLARE_MSG_MAP()

 protected:
  void PreCreateStyles(DWORD& exStyle, DWORD& style) override;
  LRESULT OnNotify(WPARAM, LPARAM);
  LRESULT OnSize(WPARAM, LPARAM);
};

// Numbers of the navigation bar.
constexpr UINT kNavBarAppBarMessage = 0x7F2;  // the application bar's callback message
constexpr UINT_PTR kNavBarTimer = 0x1000;
constexpr UINT kNavBarTopmostMessage = WM_APP + 0x107;  // posted to itself after creation
constexpr UINT kNavBarTimerPeriod = 500;
constexpr DWORD kNavOutBarFlags = 0x140;  // OUTBAR_ANIMATE; no dragging, no kept selection
constexpr SIZE kNavBarSmallestTrack{100, 240};
constexpr int kNavBarTipWidth = 500;
constexpr RECT kNavBarFirstRect{0, 0, 100, 400};

class CNavBar : public appfw::CMiniFrameWnd {
  DECLARE_MSG_MAP()

 public:
  CNavBar();
  ~CNavBar() override;

  BOOL PreTranslateMessage(MSG* msg) override;
  // Docks to a rectangle at the record's edge (as far as the shell allows); moves the window
  // there when asked.
  void DockTo(const RECT& rect, BOOL move);
  // Reads "\urls.lst" into link folders of the outlook bar.
  void LoadUrlList();

  // What the tests and the floating bar read.
  CNavOutBarCtrl* Out_Bar() const { return m_pOutBar.get(); }
  COtherUrlTreeCtrl& Other_Tree() { return m_otherTree; }
  CFavoritesTreeCtrl& Favorites_Tree() { return m_favoritesTree; }
  appfw::CStatusBar& Status_Bar() { return m_statusBar; }
  appfw::CToolTipCtrl& Tool_Tip() { return m_toolTip; }
  const CAppBarHelper& App_Bar() const { return m_appBar; }
  const std::vector<std::string>& Link_Addresses() const { return m_urls; }
  const std::vector<std::string>& Link_Tips() const { return m_tips; }
  bool Docked() const { return m_docked; }
  bool Auto_Hide() const { return m_autoHide; }
  bool Slid_Out() const { return m_slidOut; }
  // The tool tip of the outlook bar at a point of its client area (empty: none).
  std::string Tip_At(POINT client);

 protected:
  LRESULT OnCreate(WPARAM, LPARAM);
  LRESULT OnDestroy(WPARAM, LPARAM);
  LRESULT OnOutBarEvent(WPARAM, LPARAM);
  LRESULT OnNotify(WPARAM, LPARAM);
  LRESULT OnGetMinMaxInfo(WPARAM, LPARAM);
  LRESULT OnActivate(WPARAM, LPARAM);
  LRESULT OnNcHitTest(WPARAM, LPARAM);
  LRESULT OnMoving(WPARAM, LPARAM);
  LRESULT OnSizing(WPARAM, LPARAM);
  LRESULT OnEnterSizeMove(WPARAM, LPARAM);
  LRESULT OnExitSizeMove(WPARAM, LPARAM);
  LRESULT OnWindowPosChanged(WPARAM, LPARAM);
  LRESULT OnDisplayChange(WPARAM, LPARAM);
  LRESULT OnTimer(WPARAM, LPARAM);
  LRESULT OnContextMenu(WPARAM, LPARAM);
  LRESULT OnMakeTopmost(WPARAM, LPARAM);
  void OnAutoHide();
  void OnCloseBar();
  void OnShowStatusBar();

 private:
  void Check_Auto_Hide();
  void Slide_Out();
  void Slide_Back();
  // Shows a new tip when the mouse moves to another item of the outlook bar.
  void Follow_Hover(const MSG& msg);
  void Show_Status(const std::string& text);

  std::unique_ptr<CNavOutBarCtrl> m_pOutBar;
  appfw::CImageList m_largeImages, m_smallImages;
  std::vector<std::string> m_urls;  // a link item's value is its index here
  std::vector<std::string> m_tips;
  appfw::CToolTipCtrl m_toolTip;
  COtherUrlTreeCtrl m_otherTree;
  CFavoritesTreeCtrl m_favoritesTree;
  appfw::CStatusBar m_statusBar;
  CAppBarHelper m_appBar;
  int m_screenWidth = 0, m_screenHeight = 0;
  bool m_docked = true;
  bool m_autoHide = true;
  bool m_slidOut = false;
  bool m_menuOpen = false;  // the context menu is up: the bar stays where it is
  int m_hoverItem = -1;     // the outlook bar's link item under the mouse, -1 none
  std::string m_tipKeep;    // a long tip handed over by pointer
  std::wstring m_wideTipKeep;
};
