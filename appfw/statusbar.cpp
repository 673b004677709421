#include "appfw/statusbar.h"

#include <cstring>
#include <string>

#include "appfw/app.h"

namespace appfw {

BOOL CStatusBar::Create(CWnd* parent, DWORD style, UINT id) {
  if (!parent || !parent->m_hWnd) return FALSE;
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES};
  InitCommonControlsEx(&icc);
  // The frame does the placing: the control neither aligns nor sizes itself.
  HWND hwnd = CreateWindowExA(0, STATUSCLASSNAMEA, "", (style & ~SBARS_SIZEGRIP) | WS_CHILD |
                                  CCS_BOTTOM | CCS_NOPARENTALIGN | CCS_NORESIZE,
                              0, 0, 0, 0, parent->m_hWnd,
                              reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                              AfxGetResourceHandle(), nullptr);
  if (!hwnd) return FALSE;
  // One part across the whole bar: the text runs from its left end.
  int whole = -1;
  SendMessageA(hwnd, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(&whole));
  return SubclassWindow(hwnd);
}

BOOL CStatusBar::SetText(const char* text) {
  return static_cast<BOOL>(SendMessageA(m_hWnd, SB_SETTEXTA, 0,
                                        reinterpret_cast<LPARAM>(text ? text : "")));
}

CString CStatusBar::GetText() const {
  // The length may count characters, not bytes: room for double-byte text.
  auto n = LOWORD(SendMessageA(m_hWnd, SB_GETTEXTLENGTHA, 0, 0));
  std::string text(static_cast<size_t>(n) * 4 + 4, '\0');
  SendMessageA(m_hWnd, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text.data()));
  text.resize(strnlen(text.c_str(), text.size()));
  return CString(text);
}

int CStatusBar::Height() const {
  if (!m_hWnd) return 0;
  // The font's height with the control's borders above and below it.
  int borders[3] = {};
  SendMessageA(m_hWnd, SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
  HDC dc = GetDC(m_hWnd);
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
  HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  SelectObject(dc, old);
  ReleaseDC(m_hWnd, dc);
  int height = tm.tmHeight + 2 * borders[1] + 4 + 2 * GetSystemMetrics(SM_CYBORDER);
  return height < 20 ? 20 : height;
}

}  // namespace appfw
