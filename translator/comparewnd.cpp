#include "comparewnd.h"

#include "appfw/app.h"

BOOL CCompareWnd::Create() {
  return CreateEx(WS_EX_TOOLWINDOW, appfw::AfxRegisterWndClass(0), "CS_对照窗口II", WS_POPUP, 0,
                  0, 0, 0, GetDesktopWindow(), nullptr);
}
