#include "appfw/tooltip.h"

#include <cstring>
#include <vector>

#include "appfw/app.h"

namespace appfw {

BOOL CToolTipCtrl::Create(CWnd* owner, DWORD style) {
  if (!owner || !owner->m_hWnd) return FALSE;
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  HWND hwnd = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | style,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                              nullptr, nullptr, AfxGetResourceHandle(), nullptr);
  if (!hwnd) return FALSE;
  m_hOwner = owner->m_hWnd;
  if (SubclassWindow(hwnd)) return TRUE;
  ::DestroyWindow(hwnd);
  return FALSE;
}

BOOL CToolTipCtrl::AddWindowTool(HWND tool) {
  TTTOOLINFOA info{};
  info.cbSize = sizeof info;
  info.uFlags = TTF_IDISHWND;
  info.hwnd = m_hOwner;
  info.uId = reinterpret_cast<UINT_PTR>(tool);
  info.lpszText = LPSTR_TEXTCALLBACKA;
  return static_cast<BOOL>(SendMessageA(m_hWnd, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)));
}

void CToolTipCtrl::RelayEvent(const MSG* msg) {
  if (m_hWnd && msg) SendMessageA(m_hWnd, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg));
}

int CToolTipCtrl::SetMaxTipWidth(int width) {
  return static_cast<int>(SendMessageA(m_hWnd, TTM_SETMAXTIPWIDTH, 0, width));
}

void CToolTipCtrl::Pop() { SendMessageA(m_hWnd, TTM_POP, 0, 0); }

void CToolTipCtrl::Update() { SendMessageA(m_hWnd, TTM_UPDATE, 0, 0); }

std::string CToolTipCtrl::Current_Text() const {
  TTTOOLINFOW info{};
  info.cbSize = sizeof info;
  if (!SendMessageW(m_hWnd, TTM_GETCURRENTTOOLW, 0, reinterpret_cast<LPARAM>(&info))) {
    return std::string();
  }
  // The wide form copies as much as the buffer it is told of holds.
  std::vector<wchar_t> text(4096, L'\0');
  info.lpszText = text.data();
  SendMessageW(m_hWnd, TTM_GETTEXTW, static_cast<WPARAM>(text.size()),
               reinterpret_cast<LPARAM>(&info));
  text.back() = L'\0';
  int n = WideCharToMultiByte(CP_ACP, 0, text.data(), -1, nullptr, 0, nullptr, nullptr);
  if (n <= 1) return std::string();
  std::string ansi(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), -1, ansi.data(), n, nullptr, nullptr);
  ansi.resize(static_cast<size_t>(n - 1));
  return ansi;
}

BOOL Answer_Tip_Request(NMHDR* request, const std::string& text, std::string& keep,
                        std::wstring& wideKeep) {
  if (!request) return FALSE;
  if (request->code == TTN_GETDISPINFOA) {
    auto* info = reinterpret_cast<NMTTDISPINFOA*>(request);
    info->hinst = nullptr;
    if (text.size() < sizeof info->szText) {
      memcpy(info->szText, text.c_str(), text.size() + 1);
      info->lpszText = info->szText;
    } else {
      keep = text;
      info->lpszText = keep.data();
    }
    return TRUE;
  }
  if (request->code == TTN_GETDISPINFOW) {
    auto* info = reinterpret_cast<NMTTDISPINFOW*>(request);
    info->hinst = nullptr;
    int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    wideKeep.assign(n > 0 ? static_cast<size_t>(n) : 1, L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wideKeep.data(), n);
    wideKeep.resize(wcslen(wideKeep.c_str()));
    const size_t room = sizeof info->szText / sizeof info->szText[0];
    if (wideKeep.size() < room) {
      memcpy(info->szText, wideKeep.c_str(), (wideKeep.size() + 1) * sizeof(wchar_t));
      info->lpszText = info->szText;
    } else {
      info->lpszText = wideKeep.data();
    }
    return TRUE;
  }
  return FALSE;
}

}  // namespace appfw
