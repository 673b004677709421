#include "trayicon.h"

#include <cstddef>
#include <cstring>

#include "appfw/app.h"
#include "resource.h"

BEGIN_MSG_MAP(CTrayIconWnd, appfw::CWnd)
  ON_MSG(WM_TRAYICON_NOTIFY, OnTrayNotify)
END_MSG_MAP()

namespace {
// The record as the first shells knew it: size, window, id, flags, callback, icon, 64-byte tip
// (window and icon are pointer-sized).
#ifdef _WIN64
constexpr DWORD kIconRecordSize = 104;
static_assert(offsetof(NOTIFYICONDATAA, hIcon) == 32);
#else
constexpr DWORD kIconRecordSize = 88;
static_assert(offsetof(NOTIFYICONDATAA, hIcon) == 20);
#endif
static_assert(NOTIFYICONDATAA_V1_SIZE == kIconRecordSize);
}  // namespace

CTrayIconWnd::~CTrayIconWnd() { ShowIcon(FALSE); }

BOOL CTrayIconWnd::Create(appfw::CWnd* parent, UINT iconId, HICON icon, const char* tip) {
  HWND parentWnd = parent ? parent->m_hWnd : nullptr;
  if (!CreateEx(0, appfw::AfxRegisterWndClass(0), "", WS_CHILD, 0, 0, 0, 0, parentWnd,
                reinterpret_cast<HMENU>(static_cast<UINT_PTR>(IDC_TRAY_ICON_WND)))) {
    return FALSE;
  }
  target_ = parentWnd;
  if (!icon && parentWnd) {
    icon = reinterpret_cast<HICON>(SendMessageA(parentWnd, WM_GETICON, ICON_BIG, 0));
  }
  data_ = {};
  data_.cbSize = kIconRecordSize;
  data_.hWnd = m_hWnd;
  data_.uID = iconId;
  data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data_.uCallbackMessage = WM_TRAYICON_NOTIFY;
  data_.hIcon = icon;
  if (tip) {
    strncpy(data_.szTip, tip, 63);
    data_.szTip[63] = 0;
  }
  return ShowIcon(TRUE);
}

BOOL CTrayIconWnd::ShowIcon(BOOL show) {
  if (!data_.hWnd) return FALSE;
  if (show) {
    shown_ = Shell_NotifyIconA(NIM_ADD, &data_) != FALSE;
    return shown_;
  }
  if (!shown_) return TRUE;
  shown_ = false;
  return Shell_NotifyIconA(NIM_DELETE, &data_);
}

void CTrayIconWnd::ShowContextMenu() {
  POINT pt;
  GetCursorPos(&pt);
  SendMessageA(target_, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_hWnd), MAKELPARAM(pt.x, pt.y));
}

LRESULT CTrayIconWnd::OnTrayNotify(WPARAM wParam, LPARAM lParam) {
  if (!target_) return 0;
  switch (static_cast<UINT>(lParam)) {
    case WM_LBUTTONDOWN:
      ShowWindow(target_, SW_SHOW);
      SetForegroundWindow(target_);
      ShowWindow(target_, SW_SHOWNORMAL);
      PostMessageA(target_, WM_COMMAND, ID_BAR_RESTORE, 0);
      break;
    case WM_RBUTTONDOWN:
      if (wParam == data_.uID && data_.uID != 0) ShowContextMenu();
      break;
    default:
      break;
  }
  return 0;
}
