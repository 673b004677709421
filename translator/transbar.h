#pragma once

#include <string>
#include <vector>

#include "appfw/menu.h"
#include "appfw/miniframe.h"
#include "appfw/toolbar.h"
#include "appfw/wnd.h"
#include "barlogic.h"
#include "comparewnd.h"
#include "navbar.h"
#include "picture.h"
#include "trayicon.h"

// The window the translation commands and the package hot key act on, or null. Set from the
// foreground window on mouse moves over the program's windows and on every hot key, and from
// the window that lost activation to the bar; never cleared.
extern HWND g_hTargetWnd;

// The file name of the executable whose process owns the window, as the process list holds
// it. False when the buffer is missing or not writable for `size` bytes, when the window or
// its process is not found, or when its name does not fit; the buffer is cleared first.
bool GetWindowExePath(HWND window, char* buffer, size_t size);

// The floating bar, Lingvane's main window: a small always-on-top strip at the top of the
// screen that owns the tray icon, the comparison window and the navigation bar, starts both
// hook libraries, registers the five hot keys and runs the translation commands.
// CTransBar is the shaped bar, CSimpleTransBar the compact one.
class CTransBar : public appfw::CWnd {
  DECLARE_MSG_MAP()

 public:
  CTransBar();
  ~CTransBar() override;

  // Creates the bar as a top-level popup tool window; 1 on success.
  virtual BOOL Create();
  virtual void SlideDown();
  virtual void SlideUp();
  // Shows the capture button pressed or not.
  virtual void SetDictButton(BOOL pressed);
  BOOL PreTranslateMessage(MSG* msg) override;

  // Turns the dictionary program's word capture on or off.
  void SetDictCapture(BOOL on);
  // Starts the dictionary program; FALSE (after telling the user) when it cannot be found.
  BOOL LaunchDictionary();
  // Replaces a program path by its translation package's path when that package opens.
  static BOOL FindPackageFile(char* path, size_t size);
  // Drops the records of the dictionary list whose dictionary file is missing; FALSE when
  // one was dropped.
  static BOOL ValidateDictList();
  static void RedrawAllMenuBars();
  static void RedrawThreadMenus(HWND window);
  // The program name (no folder, no extension) of the window's process; empty when unknown.
  static std::string GetWindowExeName(HWND window);
  BOOL LoadBackground(UINT bitmapId);
  void SnapToEdges();

  CTrayIconWnd& Tray_Icon() { return m_trayIcon; }
  // After a failed Create: the string that tells the user why the start ended, or 0 when
  // the failure is not the user's to act on.
  UINT Start_Failure_Message() const { return m_startFailureMessage; }
  CCompareWnd& Compare_Wnd() { return m_compareWnd; }

 protected:
  // The bar's look and its button strips.
  virtual SIZE Bar_Size() const { return SIZE{250, 45}; }
  virtual void Give_Shape();
  virtual void Make_Toolbars();
  virtual appfw::CToolBar& Dict_Toolbar() { return m_toolbarB; }
  virtual void Draw_Background(HDC dc);
  // How the bar slides out of sight: that many moves of that many pixels.
  virtual SIZE Slide_Steps() const { return SIZE{7, 4}; }
  // Slides up when it sits at the top edge; the watcher's end comes here.
  void Slide_Up_From_Top();
  void Draw_Slid_Edge();
  bool Is_Toolbar(HWND window) const;

  LRESULT OnCreate(WPARAM, LPARAM);
  LRESULT OnClose(WPARAM, LPARAM);
  LRESULT OnHotKey(WPARAM, LPARAM);
  LRESULT OnTimer(WPARAM, LPARAM);
  LRESULT OnContextMenu(WPARAM, LPARAM);
  LRESULT OnInitMenuPopup(WPARAM, LPARAM);
  LRESULT OnActivate(WPARAM, LPARAM);
  LRESULT OnActivateApp(WPARAM, LPARAM);
  LRESULT OnPaletteChanged(WPARAM, LPARAM);
  LRESULT OnEraseBkgnd(WPARAM, LPARAM);
  LRESULT OnNotify(WPARAM, LPARAM);
  LRESULT OnCommand(WPARAM, LPARAM);
  LRESULT OnMouseLeave(WPARAM, LPARAM);
  LRESULT OnNcHitTest(WPARAM, LPARAM);
  LRESULT OnSetCursor(WPARAM, LPARAM);
  LRESULT OnLButtonDown(WPARAM, LPARAM);
  LRESULT OnDisplayChange(WPARAM, LPARAM);

  // Commands.
  void OnMinimize();
  void OnBarClose();
  void OnAutoHide();
  void OnRestore();
  void OnAppAbout();
  void OnQuickTranslate();
  void OnRestoreEnglish();
  void OnLocalise();
  void OnDictCapture();
  void OnSettingsPopup();
  void OnToolsPopup();
  void OnCompareOff();
  void OnCompareLeftRight();
  void OnCompareUpDown();
  void OnNoProfDict();
  void OnSettingsSheet();
  void OnFullText();
  void OnPermanent();
  void OnDictionaryShow();
  void OnNavBar();
  void OnBilingualMenu();
  void OnBig5Interface();
  void OnGameTrans();
  void OnSimpleInterface();
  void OnHelpUsing();

  void Register_Hot_Keys();
  void Unregister_Hot_Keys();
  void Translate_Target(int mode);
  void Start_Comparison(int(__cdecl* start)());
  void Choose_Code(int code);
  void Choose_Prof_Dict(int index);
  void Open_Package_Editor();
  void Track_Button_Popup(int position, POINT at);
  // The buttons' tips are off while a button's menu is open: one would cover its first item.
  void Set_Tips_On(bool on);
  void Repaint();

  CDibPicture m_background;
  HCURSOR m_cursorMove = nullptr, m_cursorArrow = nullptr, m_cursorButton = nullptr;
  CTrayIconWnd m_trayIcon;
  appfw::CToolBar m_toolbarA, m_toolbarB;
  bool m_autoHideArmed = false;
  bool m_slidUp = false;
  bool m_minimised = false;
  bool m_comparing = false;
  volatile LONG m_watcherRunning = 0;
  int m_screenWidth = 0, m_screenHeight = 0;
  CNavBar m_navBar;
  CCompareWnd m_compareWnd;
  HWND m_hCompareWnd = nullptr;  // handed to trhook95, which copies it
  UINT m_startFailureMessage = 0;
};

// The compact bar: a flat strip with a gripper at its left end and one row of buttons.
class CSimpleTransBar : public CTransBar {
 protected:
  SIZE Bar_Size() const override { return SIZE{198, 27}; }
  void Give_Shape() override {}
  void Make_Toolbars() override;
  appfw::CToolBar& Dict_Toolbar() override { return m_toolbarA; }
  void Draw_Background(HDC dc) override;
  SIZE Slide_Steps() const override { return SIZE{8, 3}; }

  LRESULT OnNcHitTest(WPARAM, LPARAM);
  LRESULT OnSetCursor(WPARAM, LPARAM);
  LRESULT OnLButtonDown(WPARAM, LPARAM);
  LRESULT OnActivateApp(WPARAM, LPARAM);
  LRESULT OnExitSizeMove(WPARAM, LPARAM);

 private:
  DECLARE_MSG_MAP()
};
