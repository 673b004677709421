#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

namespace appfw {

// A toolbar resource (type 241): version 1, the image width and height, the button count and
// the command id of each button, 0 for a separator, all 16-bit.
#define RT_TOOLBAR MAKEINTRESOURCE(241)

struct Toolbar_Layout {
  int imageWidth = 0, imageHeight = 0;
  std::vector<UINT> ids;  // 0 separators
};
// Reads a toolbar resource's bytes; false when they are short or of another version.
bool Parse_Toolbar_Resource(const void* data, size_t size, Toolbar_Layout* out);

// A common-controls toolbar filled from a toolbar resource: its buttons in the resource's
// order and their pictures from a bitmap whose light grey (192,192,192) is see-through. The
// toolbar reports its buttons' commands and its tooltips' text requests (WM_NOTIFY,
// TTN_GETDISPINFO with the command id) to its parent. The window dies with its parent.
class CToolBar {
 public:
  CToolBar() = default;
  ~CToolBar();
  CToolBar(const CToolBar&) = delete;
  CToolBar& operator=(const CToolBar&) = delete;

  // style: TBSTYLE_ flags added to a visible child without divider or parent alignment.
  // The pictures come from bitmap `bitmapId`, or from bitmap `resourceId` when it is 0.
  BOOL Create(HWND parent, DWORD style, UINT id, UINT resourceId, UINT bitmapId = 0);
  // Makes a button a check button.
  void SetCheckStyle(UINT command);
  void SetCheck(UINT command, BOOL checked);
  BOOL IsChecked(UINT command) const;
  // Tooltips that show even while the window is not active.
  void SetTipsAlways();
  HWND GetToolTips() const;
  // Takes down a tip on show and lets none show until the tips are on again (while a popup
  // menu is open over the buttons).
  void SetTipsOn(bool on) const;
  // The command of the button under a point of the toolbar's client area, or 0.
  UINT CommandAt(POINT client) const;
  const Toolbar_Layout& Layout() const { return layout_; }

  HWND m_hWnd = nullptr;

 private:
  Toolbar_Layout layout_;
  HIMAGELIST images_ = nullptr;
};

}  // namespace appfw
