#include "appfw/miniframe.h"

namespace appfw {

BOOL CMiniFrameWnd::Create(const char* title, DWORD style, const RECT& rect, HWND parent,
                           UINT id) {
  m_rectCreate = rect;
  const char* cls = AfxRegisterWndClass(CS_DBLCLKS, LoadCursor(nullptr, IDC_ARROW),
                                        GetSysColorBrush(COLOR_BTNFACE));
  if (!CreateEx(WS_EX_TOOLWINDOW, cls, title, style, rect.left, rect.top,
                rect.right - rect.left, rect.bottom - rect.top, parent, nullptr)) {
    return FALSE;
  }
  if (id) SetWindowLongPtrA(m_hWnd, GWLP_ID, id);
  return TRUE;
}

}  // namespace appfw
