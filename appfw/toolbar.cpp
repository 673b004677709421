#include "appfw/toolbar.h"

#include "appfw/app.h"

namespace appfw {

bool Parse_Toolbar_Resource(const void* data, size_t size, Toolbar_Layout* out) {
  const auto* w = static_cast<const WORD*>(data);
  if (!data || size < 8 || w[0] != 1) return false;
  size_t count = w[3];
  if (size < (4 + count) * sizeof(WORD)) return false;
  out->imageWidth = w[1];
  out->imageHeight = w[2];
  out->ids.assign(w + 4, w + 4 + count);
  return true;
}

CToolBar::~CToolBar() {
  if (m_hWnd && IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
  if (images_) ImageList_Destroy(images_);
}

BOOL CToolBar::Create(HWND parent, DWORD style, UINT id, UINT resourceId, UINT bitmapId) {
  HINSTANCE module = AfxGetResourceHandle();
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(resourceId), RT_TOOLBAR);
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  if (!loaded || !Parse_Toolbar_Resource(LockResource(loaded), SizeofResource(module, found),
                                         &layout_)) {
    return FALSE;
  }
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES};
  InitCommonControlsEx(&icc);
  m_hWnd = CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr,
                           WS_CHILD | WS_VISIBLE | CCS_NODIVIDER | CCS_NOPARENTALIGN |
                               CCS_NORESIZE | style,
                           0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                           module, nullptr);
  if (!m_hWnd) return FALSE;
  SendMessageA(m_hWnd, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  images_ = ImageList_LoadImageA(module, MAKEINTRESOURCEA(bitmapId ? bitmapId : resourceId),
                                 layout_.imageWidth, 0, RGB(192, 192, 192), IMAGE_BITMAP,
                                 LR_CREATEDIBSECTION);
  SendMessageA(m_hWnd, TB_SETBITMAPSIZE, 0, MAKELPARAM(layout_.imageWidth, layout_.imageHeight));
  SendMessageA(m_hWnd, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_));
  std::vector<TBBUTTON> buttons;
  int image = 0;
  for (UINT command : layout_.ids) {
    TBBUTTON b{};
    if (command == 0) {
      b.fsStyle = BTNS_SEP;
    } else {
      b.iBitmap = image++;
      b.idCommand = static_cast<int>(command);
      b.fsState = TBSTATE_ENABLED;
      b.fsStyle = BTNS_BUTTON;
    }
    buttons.push_back(b);
  }
  SendMessageA(m_hWnd, TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
  return TRUE;
}

void CToolBar::SetCheckStyle(UINT command) {
  TBBUTTONINFOA info{};
  info.cbSize = sizeof info;
  info.dwMask = TBIF_STYLE;
  SendMessageA(m_hWnd, TB_GETBUTTONINFOA, command, reinterpret_cast<LPARAM>(&info));
  info.fsStyle |= BTNS_CHECK;
  SendMessageA(m_hWnd, TB_SETBUTTONINFOA, command, reinterpret_cast<LPARAM>(&info));
}

void CToolBar::SetCheck(UINT command, BOOL checked) {
  SendMessageA(m_hWnd, TB_CHECKBUTTON, command, MAKELPARAM(checked ? TRUE : FALSE, 0));
}

BOOL CToolBar::IsChecked(UINT command) const {
  return SendMessageA(m_hWnd, TB_ISBUTTONCHECKED, command, 0) ? TRUE : FALSE;
}

HWND CToolBar::GetToolTips() const {
  return reinterpret_cast<HWND>(SendMessageA(m_hWnd, TB_GETTOOLTIPS, 0, 0));
}

void CToolBar::SetTipsOn(bool on) const {
  HWND tips = GetToolTips();
  if (!tips) return;
  if (!on) SendMessageA(tips, TTM_POP, 0, 0);
  SendMessageA(tips, TTM_ACTIVATE, on ? TRUE : FALSE, 0);
}

void CToolBar::SetTipsAlways() {
  HWND tips = GetToolTips();
  if (!tips) return;
  SetWindowLongPtrA(tips, GWL_STYLE, GetWindowLongPtrA(tips, GWL_STYLE) | TTS_ALWAYSTIP);
  // Tips of more than one line.
  SendMessageA(tips, TTM_SETMAXTIPWIDTH, 0, 400);
}

UINT CToolBar::CommandAt(POINT client) const {
  int index = static_cast<int>(SendMessageA(m_hWnd, TB_HITTEST, 0,
                                            reinterpret_cast<LPARAM>(&client)));
  if (index < 0) return 0;
  TBBUTTON b{};
  if (!SendMessageA(m_hWnd, TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&b))) return 0;
  return b.fsStyle & BTNS_SEP ? 0 : static_cast<UINT>(b.idCommand);
}

}  // namespace appfw
