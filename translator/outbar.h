#pragma once

// The outlook bar: a stack of folder bars over the area of the current folder, which shows the
// folder's items (icons with labels, in a large- or small-icon view) or one child window the
// owner gives for the folder. It reports to its owner with WM_OUTBAR_EVENT.

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "appfw/wnd.h"
#include "outbar_layout.h"

#define WM_OUTBAR_EVENT (WM_USER + 1)
// WM_OUTBAR_EVENT's codes (wParam).
#define OUTBAR_ITEM_CLICKED 1    // lParam: the item's index in the current folder
#define OUTBAR_MOVE_ITEM 4       // lParam: Outbar_Move_Record*; nonzero lets the item move
#define OUTBAR_FOLDER_CHANGED 5  // lParam: the folder now current

// The flag word's bits.
#define OUTBAR_SMALL_ICONS 0x0001
#define OUTBAR_DRAG_ITEMS 0x0080
#define OUTBAR_ANIMATE 0x0100
#define OUTBAR_SHOW_SELECTION 0x0200

// HitTestPoint's answers.
#define OUTBAR_HIT_NONE -1
#define OUTBAR_HIT_FOLDER 0
#define OUTBAR_HIT_ITEM 1
#define OUTBAR_HIT_UP 2
#define OUTBAR_HIT_DOWN 3

// What OUTBAR_MOVE_ITEM points at: the third value is the current folder, the fourth the
// dragged item; the first two carry nothing.
struct Outbar_Move_Record {
  int32_t unused[2];
  int32_t folder;
  int32_t item;
};

struct COutBarItem {
  int image = -1;  // in the image list of the view; negative: no icon
  std::string text;
  bool hasText = false;
  DWORD_PTR value = 0;
};

struct COutBarFolder {
  std::string name;
  bool hasName = false;
  DWORD_PTR value = 0;
  std::vector<COutBarItem> items;
  HWND child = nullptr;  // not owned
};

class CGfxOutBarCtrl : public appfw::CWnd {
  DECLARE_MSG_MAP()
  DECLARE_DYNCREATE(CGfxOutBarCtrl)

 public:
  CGfxOutBarCtrl();
  ~CGfxOutBarCtrl() override;

  BOOL Create(DWORD style, const RECT& rect, appfw::CWnd* parent, UINT id, DWORD flags);
  int AppendFolder(const char* name, DWORD_PTR value);
  int AppendWindowFolder(const char* name, HWND child, DWORD_PTR value);
  int InsertFolderItem(int folder, int position, const char* text, int image, DWORD_PTR value);
  void SelectFolder(int index);
  void SetSmallIcons(BOOL small);
  // which: 1 small, 2 large; the previous list, or null for any other value.
  HIMAGELIST SetIconList(HIMAGELIST list, int which);
  int HitTestPoint(POINT client, int* index);
  DWORD_PTR GetItemValue(int item) const;

  // What the tests and owners read.
  int Current_Folder() const { return m_current; }
  int Folder_Count() const { return static_cast<int>(m_folders.size()); }
  const COutBarFolder& Folder(int i) const { return *m_folders.at(static_cast<size_t>(i)); }
  int First_Visible() const { return m_firstVisible; }
  int Selected_Item() const { return m_selected; }
  int Hovered_Folder() const { return m_hoverFolder; }
  int Hovered_Item() const { return m_hoverItem; }
  DWORD Flags() const { return m_flags; }
  bool Up_Arrow_Shown() const { return m_upShown; }
  bool Down_Arrow_Shown() const { return m_downShown; }
  RECT Up_Arrow() const { return m_upRect; }
  RECT Down_Arrow() const { return m_downRect; }
  int Drop_Position() const { return m_dropPos; }
  // Where the control last saw the mouse move (client coordinates).
  POINT Last_Mouse_Point() const { return POINT{m_lastMouse[0], m_lastMouse[1]}; }
  // The current folder's item layout in client coordinates.
  outbar::Item_Layout Items_Layout() const;
  RECT Client_Item_Area() const;
  RECT Folder_Bar(int i) const;

  COLORREF m_crBackground = RGB(180, 180, 220);
  COLORREF m_crEdge = RGB(180, 180, 220);
  COLORREF m_crText = RGB(0, 0, 0);
  COLORREF m_crBar = RGB(140, 140, 255);
  COLORREF m_crHighlight;
  COLORREF m_crDarkShadow;
  int m_slidePause = 10;

 protected:
  // Lets a derived bar change the window's styles before the window is made.
  virtual void PreCreateStyles(DWORD& /*exStyle*/, DWORD& /*style*/) {}
  LRESULT OnPaint(WPARAM, LPARAM);
  LRESULT OnEraseBkgnd(WPARAM, LPARAM);
  LRESULT OnTimer(WPARAM, LPARAM);
  LRESULT OnMouseMove(WPARAM, LPARAM);
  LRESULT OnLButtonDown(WPARAM, LPARAM);
  LRESULT OnRButtonDown(WPARAM, LPARAM);
  LRESULT OnSetCursor(WPARAM, LPARAM);
  LRESULT OnSize(WPARAM, LPARAM);

 private:
  LRESULT Notify(WPARAM code, LPARAM value);
  bool Has_Folder(int i) const { return i >= 0 && i < Folder_Count(); }
  HWND Current_Child() const;
  HIMAGELIST View_Images() const;
  std::vector<outbar::Item_Size> Measure(int folder, int areaWidth) const;
  outbar::Item_Layout Layout_Of(int folder, const RECT& area, int first) const;
  bool Focus_In_Child() const;

  void Draw_Folder(HDC dc, int i, const RECT& r, bool pressed) const;
  void Draw_Items(HDC dc, const outbar::Item_Layout& l, int folder, int last) const;
  void Draw_Contents(HDC dc, int folder, const RECT& area, int first, int shiftY) const;
  void Draw_Folder_Hover(HDC dc, int i, bool on) const;
  void Set_Folder_Hover(int i);
  void Set_Item_Hover(int item, bool pressed);
  void Draw_Drop_Mark(int position);
  void Repaint_Icon(int item);
  void Animate(int from, int to);

  void Track_Folder(int folder);
  void Track_Item(int item, POINT start);
  void Track_Arrow(int which);
  bool Scroll_Step(int which);

  DWORD m_flags = 0x3FC;
  std::vector<std::unique_ptr<COutBarFolder>> m_folders;
  int m_current = -1;  // none until the owner selects a folder
  int m_firstVisible = 0;
  int m_selected = -1;
  int m_hoverFolder = -1;
  int m_hoverItem = -1;
  bool m_hoverPressed = false;
  int m_dropPos = -1;
  int m_dropKind = 0;
  bool m_upShown = false, m_downShown = false;
  bool m_upPressed = false, m_downPressed = false;
  RECT m_upRect{}, m_downRect{};
  volatile LONG m_lastMouse[2] = {-1, -1};
  HIMAGELIST m_largeImages = nullptr, m_smallImages = nullptr;
  HCURSOR m_hand = nullptr, m_drag = nullptr, m_noDrop = nullptr;
  HPEN m_markPen = nullptr;
};
