#include "outbar.h"

#include <windowsx.h>

#include <algorithm>

#include "appfw/app.h"
#include "resource.h"

using outbar::Item_Layout;
using outbar::kFolderHeight;

namespace {

constexpr UINT_PTR kHoverTimer = 1;
constexpr UINT_PTR kScrollTimer = 2;
constexpr UINT kHoverPeriod = 100;
constexpr UINT kScrollPeriod = 300;

HFONT Gui_Font() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

void Fill(HDC dc, const RECT& r, COLORREF colour) {
  SetBkColor(dc, colour);
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

// A one-pixel frame: `topLeft` on the upper and left edges, `bottomRight` on the others.
void Frame(HDC dc, const RECT& r, COLORREF topLeft, COLORREF bottomRight) {
  int w = r.right - r.left, h = r.bottom - r.top;
  Fill(dc, RECT{r.left, r.top, r.left + w - 1, r.top + 1}, topLeft);
  Fill(dc, RECT{r.left, r.top, r.left + 1, r.top + h - 1}, topLeft);
  Fill(dc, RECT{r.right - 1, r.top, r.right, r.bottom}, bottomRight);
  Fill(dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
}

RECT Grown(RECT r, int by) {
  InflateRect(&r, by, by);
  return r;
}

POINT Point_Of(LPARAM lp) { return POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}; }

// Runs the press-tracking loop: `step` gets each message taken while the mouse is captured and
// answers false to end. WM_QUIT is put back for the outer loop. The last mouse position seen
// goes to lastMouse[0] and [1].
template <typename Step>
void Capture_Loop(HWND hwnd, volatile LONG* lastMouse, Step step) {
  SetCapture(hwnd);
  MSG msg;
  while (GetCapture() == hwnd) {
    BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (got == -1) break;
    if (msg.message == WM_MOUSEMOVE && msg.hwnd == hwnd) {
      lastMouse[0] = GET_X_LPARAM(msg.lParam);
      lastMouse[1] = GET_Y_LPARAM(msg.lParam);
    }
    if (!step(msg)) break;
  }
  if (GetCapture() == hwnd) ReleaseCapture();
}

void Dispatch(const MSG& msg) {
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
}

}  // namespace

IMPLEMENT_DYNCREATE(CGfxOutBarCtrl)

BEGIN_MSG_MAP(CGfxOutBarCtrl, appfw::CWnd)
  ON_MSG(WM_PAINT, OnPaint)
  ON_MSG(WM_ERASEBKGND, OnEraseBkgnd)
  ON_MSG(WM_TIMER, OnTimer)
  ON_MSG(WM_MOUSEMOVE, OnMouseMove)
  ON_MSG(WM_LBUTTONDOWN, OnLButtonDown)
  ON_MSG(WM_RBUTTONDOWN, OnRButtonDown)
  ON_MSG(WM_SETCURSOR, OnSetCursor)
  ON_MSG(WM_SIZE, OnSize)
END_MSG_MAP()

CGfxOutBarCtrl::CGfxOutBarCtrl()
    : m_crHighlight(GetSysColor(COLOR_BTNHIGHLIGHT)), m_crDarkShadow(GetSysColor(COLOR_3DDKSHADOW)) {
  HINSTANCE res = appfw::AfxGetResourceHandle();
  m_hand = LoadCursorA(res, MAKEINTRESOURCEA(IDC_OUTBAR_HAND));
  m_drag = LoadCursorA(res, MAKEINTRESOURCEA(IDC_OUTBAR_DRAG));
  m_noDrop = LoadCursorA(res, MAKEINTRESOURCEA(IDC_OUTBAR_NODROP));
  m_markPen = CreatePen(PS_SOLID, 1, RGB(128, 128, 128));
}

CGfxOutBarCtrl::~CGfxOutBarCtrl() {
  DestroyWindow();
  if (m_markPen) DeleteObject(m_markPen);
}

BOOL CGfxOutBarCtrl::Create(DWORD style, const RECT& rect, appfw::CWnd* parent, UINT id,
                            DWORD flags) {
  m_flags = flags;
  const char* cls = appfw::AfxRegisterWndClass(CS_DBLCLKS, LoadCursorA(nullptr, IDC_ARROW));
  DWORD exStyle = WS_EX_STATICEDGE;
  style |= WS_CHILD;
  PreCreateStyles(exStyle, style);
  return CreateEx(exStyle, cls, "", style, rect.left, rect.top,
                  rect.right - rect.left, rect.bottom - rect.top, parent ? parent->m_hWnd : nullptr,
                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)));
}

// --- folders and items ---

int CGfxOutBarCtrl::AppendFolder(const char* name, DWORD_PTR value) {
  return AppendWindowFolder(name, nullptr, value);
}

int CGfxOutBarCtrl::AppendWindowFolder(const char* name, HWND child, DWORD_PTR value) {
  auto f = std::make_unique<COutBarFolder>();
  f->hasName = name != nullptr;
  f->name = name ? name : "";
  f->value = value;
  f->child = child;
  m_folders.push_back(std::move(f));
  return Folder_Count() - 1;
}

int CGfxOutBarCtrl::InsertFolderItem(int folder, int position, const char* text, int image,
                                     DWORD_PTR value) {
  if (!Has_Folder(folder)) return -1;
  auto& items = m_folders[static_cast<size_t>(folder)]->items;
  if (position < 0 || position >= static_cast<int>(items.size())) {
    position = static_cast<int>(items.size());
  }
  COutBarItem item;
  item.image = image;
  item.hasText = text != nullptr;
  item.text = text ? text : "";
  item.value = value;
  items.insert(items.begin() + position, item);
  return position;
}

DWORD_PTR CGfxOutBarCtrl::GetItemValue(int item) const {
  if (!Has_Folder(m_current)) return 0;
  const auto& items = m_folders[static_cast<size_t>(m_current)]->items;
  if (item < 0 || item >= static_cast<int>(items.size())) return 0;
  return items[static_cast<size_t>(item)].value;
}

HIMAGELIST CGfxOutBarCtrl::SetIconList(HIMAGELIST list, int which) {
  HIMAGELIST old = nullptr;
  if (which == 1) {
    old = m_smallImages;
    m_smallImages = list;
  } else if (which == 2) {
    old = m_largeImages;
    m_largeImages = list;
  }
  return old;
}

HWND CGfxOutBarCtrl::Current_Child() const {
  return Has_Folder(m_current) ? m_folders[static_cast<size_t>(m_current)]->child : nullptr;
}

HIMAGELIST CGfxOutBarCtrl::View_Images() const {
  return (m_flags & OUTBAR_SMALL_ICONS) ? m_smallImages : m_largeImages;
}

// --- geometry ---

RECT CGfxOutBarCtrl::Client_Item_Area() const {
  RECT client;
  GetClientRect(m_hWnd, &client);
  return outbar::Item_Area(client, Folder_Count(), m_current);
}

RECT CGfxOutBarCtrl::Folder_Bar(int i) const {
  RECT client;
  GetClientRect(m_hWnd, &client);
  return outbar::Folder_Rect(client, Folder_Count(), m_current, i);
}

std::vector<outbar::Item_Size> CGfxOutBarCtrl::Measure(int folder, int areaWidth) const {
  std::vector<outbar::Item_Size> sizes;
  if (!Has_Folder(folder)) return sizes;
  const bool small = (m_flags & OUTBAR_SMALL_ICONS) != 0;
  HIMAGELIST images = View_Images();
  HDC dc = GetDC(m_hWnd);
  HGDIOBJ oldFont = SelectObject(dc, Gui_Font());
  for (const COutBarItem& it : m_folders[static_cast<size_t>(folder)]->items) {
    outbar::Item_Size s{};
    int cx = 0, cy = 0;
    if (it.image >= 0 && images && ImageList_GetIconSize(images, &cx, &cy)) s.icon = SIZE{cx, cy};
    if (small) {
      GetTextExtentPoint32A(dc, it.text.c_str(), static_cast<int>(it.text.size()), &s.label);
    } else {
      RECT r{0, 0, areaWidth, 0};
      DrawTextA(dc, it.text.c_str(), static_cast<int>(it.text.size()), &r,
                DT_CALCRECT | DT_WORDBREAK | DT_CENTER);
      s.label = SIZE{r.right - r.left, r.bottom - r.top};
    }
    sizes.push_back(s);
  }
  SelectObject(dc, oldFont);
  ReleaseDC(m_hWnd, dc);
  return sizes;
}

Item_Layout CGfxOutBarCtrl::Layout_Of(int folder, const RECT& area, int first) const {
  Item_Layout l;
  l.area = area;
  l.small = (m_flags & OUTBAR_SMALL_ICONS) != 0;
  l.firstVisible = first;
  l.items = Measure(folder, area.right - area.left);
  return l;
}

Item_Layout CGfxOutBarCtrl::Items_Layout() const {
  return Layout_Of(m_current, Client_Item_Area(), m_firstVisible);
}

int CGfxOutBarCtrl::HitTestPoint(POINT client, int* index) {
  RECT c;
  GetClientRect(m_hWnd, &c);
  Item_Layout l = Items_Layout();
  outbar::Hit_Input in{c, Folder_Count(), m_current, m_upShown, m_downShown, m_upRect,
                       m_downRect, Current_Child() ? nullptr : &l};
  int found = 0;
  int hit = outbar::Hit_Test(in, client, &found);
  if (hit == OUTBAR_HIT_FOLDER || hit == OUTBAR_HIT_ITEM) *index = found;
  return hit;
}

bool CGfxOutBarCtrl::Focus_In_Child() const {
  HWND focus = GetFocus();
  return focus && focus != m_hWnd && IsChild(m_hWnd, focus);
}

// --- painting ---

void CGfxOutBarCtrl::Draw_Folder(HDC dc, int i, const RECT& r, bool pressed) const {
  // The line across the top, then the framed face one pixel lower.
  Fill(dc, RECT{r.left + (pressed ? 1 : 0), r.top, r.right, r.top + 1}, m_crEdge);
  RECT face{r.left, r.top + 1, r.right, r.bottom};
  if (pressed) {
    Frame(dc, face, m_crDarkShadow, m_crHighlight);
    InflateRect(&face, -1, -1);
    Frame(dc, face, m_crEdge, m_crBar);
  } else {
    Frame(dc, face, m_crHighlight, m_crEdge);
  }
  InflateRect(&face, -1, -1);
  Fill(dc, face, m_crBar);
  const COutBarFolder& f = *m_folders[static_cast<size_t>(i)];
  HGDIOBJ oldFont = SelectObject(dc, Gui_Font());
  int oldMode = SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  RECT text = face;
  DrawTextA(dc, f.name.c_str(), static_cast<int>(f.name.size()), &text,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SetBkMode(dc, oldMode);
  SelectObject(dc, oldFont);
}

void CGfxOutBarCtrl::Draw_Items(HDC dc, const Item_Layout& l, int folder, int last) const {
  HIMAGELIST images = View_Images();
  if (!images || !Has_Folder(folder)) return;
  const auto& items = m_folders[static_cast<size_t>(folder)]->items;
  HGDIOBJ oldFont = SelectObject(dc, Gui_Font());
  int oldMode = SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, m_crText);
  for (int k = l.firstVisible; k <= last && k < static_cast<int>(items.size()); ++k) {
    outbar::Item_Boxes b = outbar::Boxes(l, k);
    if (b.item.top > l.area.bottom) break;
    const COutBarItem& it = items[static_cast<size_t>(k)];
    const outbar::Item_Size& s = l.items[static_cast<size_t>(k)];
    if (l.small) {
      if (it.image >= 0) {
        ImageList_Draw(images, it.image, dc, b.item.left + 2,
                       b.item.top + (b.item.bottom - b.item.top - s.icon.cy) / 2, ILD_NORMAL);
      }
      TextOutA(dc, b.item.left + s.icon.cx + outbar::kSmallLabelGap, b.item.top, it.text.c_str(),
               static_cast<int>(it.text.size()));
    } else {
      if (it.image >= 0) ImageList_Draw(images, it.image, dc, b.icon.left, b.item.top, ILD_NORMAL);
      RECT text{b.item.left, b.item.top + s.icon.cy + outbar::kLargeLabelGap, b.item.right,
                b.item.bottom};
      DrawTextA(dc, it.text.c_str(), static_cast<int>(it.text.size()), &text,
                DT_CENTER | DT_WORDBREAK);
    }
    if ((m_flags & OUTBAR_SHOW_SELECTION) && k == m_selected && folder == m_current) {
      Frame(dc, Grown(b.icon, 1), m_crDarkShadow, m_crBar);
    }
  }
  SetBkMode(dc, oldMode);
  SelectObject(dc, oldFont);
}

LRESULT CGfxOutBarCtrl::OnEraseBkgnd(WPARAM, LPARAM) { return 1; }

LRESULT CGfxOutBarCtrl::OnPaint(WPARAM, LPARAM) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(m_hWnd, &ps);
  RECT client;
  GetClientRect(m_hWnd, &client);
  HDC mem = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, std::max<LONG>(client.right, 1),
                                          std::max<LONG>(client.bottom, 1));
  HGDIOBJ oldBitmap = SelectObject(mem, bitmap);
  RECT area = Client_Item_Area();
  const bool itemFolder = !Current_Child();
  if (itemFolder) {
    Fill(mem, area, m_crBackground);
  } else {
    m_upShown = m_downShown = false;
  }
  for (int i = 0; i < Folder_Count(); ++i) Draw_Folder(mem, i, Folder_Bar(i), false);
  if (itemFolder) {
    Item_Layout l = Items_Layout();
    int last = outbar::Last_Visible(l);
    int side = GetSystemMetrics(SM_CXVSCROLL);
    m_upRect = RECT{area.right - 5 - side, area.top + 5, area.right - 5, area.top + 5 + side};
    m_downRect = RECT{area.right - 5 - side, area.bottom - 5 - side, area.right - 5,
                      area.bottom - 5};
    m_upShown = m_firstVisible > 0;
    m_downShown = last < static_cast<int>(l.items.size()) - 1;
    HRGN clip = CreateRectRgnIndirect(&area);
    if (m_upShown) {
      DrawFrameControl(mem, &m_upRect, DFC_SCROLL,
                       DFCS_SCROLLUP | (m_upPressed ? DFCS_PUSHED : 0));
      HRGN arrow = CreateRectRgnIndirect(&m_upRect);
      CombineRgn(clip, clip, arrow, RGN_DIFF);
      DeleteObject(arrow);
    }
    if (m_downShown) {
      DrawFrameControl(mem, &m_downRect, DFC_SCROLL,
                       DFCS_SCROLLDOWN | (m_downPressed ? DFCS_PUSHED : 0));
      HRGN arrow = CreateRectRgnIndirect(&m_downRect);
      CombineRgn(clip, clip, arrow, RGN_DIFF);
      DeleteObject(arrow);
    }
    SelectClipRgn(mem, clip);
    // Items partly hidden at the bottom are drawn too, up to the area's edge.
    Draw_Items(mem, l, m_current, static_cast<int>(l.items.size()) - 1);
    SelectClipRgn(mem, nullptr);
    DeleteObject(clip);
  }
  BitBlt(dc, 0, 0, client.right, client.bottom, mem, 0, 0, SRCCOPY);
  SelectObject(mem, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(mem);
  // The hover marks go straight onto the window.
  if (m_hoverFolder >= 0 && Has_Folder(m_hoverFolder)) Draw_Folder_Hover(dc, m_hoverFolder, true);
  EndPaint(m_hWnd, &ps);
  if (m_hoverItem >= 0) {
    int item = m_hoverItem;
    m_hoverItem = -1;
    Set_Item_Hover(item, m_hoverPressed);
  }
  return 0;
}

// --- hover marks ---

void CGfxOutBarCtrl::Draw_Folder_Hover(HDC dc, int i, bool on) const {
  RECT r = Folder_Bar(i);
  RECT face{r.left, r.top + 1, r.right, r.bottom};
  COLORREF outer = on ? m_crDarkShadow : m_crEdge;
  COLORREF inner = on ? m_crEdge : m_crBar;
  Fill(dc, RECT{face.right - 1, face.top, face.right, face.bottom}, outer);
  Fill(dc, RECT{face.left, face.bottom - 1, face.right, face.bottom}, outer);
  Fill(dc, RECT{face.right - 2, face.top + 1, face.right - 1, face.bottom - 1}, inner);
  Fill(dc, RECT{face.left + 1, face.bottom - 2, face.right - 1, face.bottom - 1}, inner);
}

void CGfxOutBarCtrl::Set_Folder_Hover(int i) {
  if (i == m_hoverFolder) return;
  HDC dc = GetDC(m_hWnd);
  if (Has_Folder(m_hoverFolder)) Draw_Folder_Hover(dc, m_hoverFolder, false);
  m_hoverFolder = Has_Folder(i) ? i : -1;
  if (m_hoverFolder >= 0) Draw_Folder_Hover(dc, m_hoverFolder, true);
  ReleaseDC(m_hWnd, dc);
}

void CGfxOutBarCtrl::Set_Item_Hover(int item, bool pressed) {
  if ((m_flags & OUTBAR_SHOW_SELECTION) && item == m_selected) item = -1;
  if (item == m_hoverItem && pressed == m_hoverPressed) return;
  Item_Layout l = Items_Layout();
  const int count = static_cast<int>(l.items.size());
  HDC dc = GetDC(m_hWnd);
  IntersectClipRect(dc, l.area.left, l.area.top, l.area.right, l.area.bottom);
  if (m_hoverItem >= 0 && m_hoverItem < count) {
    Frame(dc, Grown(outbar::Boxes(l, m_hoverItem).icon, 1), m_crBackground, m_crBackground);
  }
  m_hoverItem = item >= 0 && item < count ? item : -1;
  m_hoverPressed = pressed;
  if (m_hoverItem >= 0) {
    RECT r = Grown(outbar::Boxes(l, m_hoverItem).icon, 1);
    if (pressed) {
      Frame(dc, r, m_crDarkShadow, m_crBar);
    } else {
      Frame(dc, r, m_crBar, m_crDarkShadow);
    }
  }
  ReleaseDC(m_hWnd, dc);
}

void CGfxOutBarCtrl::Repaint_Icon(int item) {
  Item_Layout l = Items_Layout();
  if (item < 0 || item >= static_cast<int>(l.items.size())) return;
  RECT r = Grown(outbar::Boxes(l, item).icon, 1);
  InvalidateRect(m_hWnd, &r, FALSE);
}

LRESULT CGfxOutBarCtrl::OnMouseMove(WPARAM, LPARAM lp) {
  m_lastMouse[0] = GET_X_LPARAM(lp);
  m_lastMouse[1] = GET_Y_LPARAM(lp);
  if (Focus_In_Child()) return 0;
  int index = -1;
  int hit = HitTestPoint(Point_Of(lp), &index);
  if (hit != OUTBAR_HIT_FOLDER) Set_Folder_Hover(-1);
  if (hit != OUTBAR_HIT_ITEM) Set_Item_Hover(-1, false);
  if (hit == OUTBAR_HIT_FOLDER) Set_Folder_Hover(index);
  if (hit == OUTBAR_HIT_ITEM) Set_Item_Hover(index, false);
  if (hit == OUTBAR_HIT_FOLDER || hit == OUTBAR_HIT_ITEM) {
    SetTimer(m_hWnd, kHoverTimer, kHoverPeriod, nullptr);
  }
  return 0;
}

LRESULT CGfxOutBarCtrl::OnTimer(WPARAM id, LPARAM) {
  if (id != kHoverTimer) return 0;
  DWORD pos = GetMessagePos();
  POINT p{GET_X_LPARAM(pos), GET_Y_LPARAM(pos)};
  ScreenToClient(m_hWnd, &p);
  RECT client;
  GetClientRect(m_hWnd, &client);
  if (!PtInRect(&client, p)) {
    if (!Focus_In_Child()) {
      Set_Folder_Hover(-1);
      Set_Item_Hover(-1, false);
    }
    KillTimer(m_hWnd, kHoverTimer);
  }
  return 0;
}

LRESULT CGfxOutBarCtrl::OnSetCursor(WPARAM wp, LPARAM lp) {
  POINT p;
  GetCursorPos(&p);
  ScreenToClient(m_hWnd, &p);
  int index = -1;
  if (HitTestPoint(p, &index) == OUTBAR_HIT_FOLDER && m_hand) {
    SetCursor(m_hand);
    return TRUE;
  }
  return DefWindowProc(WM_SETCURSOR, wp, lp);
}

LRESULT CGfxOutBarCtrl::OnRButtonDown(WPARAM, LPARAM) { return 0; }

LRESULT CGfxOutBarCtrl::OnSize(WPARAM wp, LPARAM lp) {
  LRESULT r = DefWindowProc(WM_SIZE, wp, lp);
  RECT area = Client_Item_Area();
  for (const auto& f : m_folders) {
    if (f->child) {
      SetWindowPos(f->child, nullptr, area.left, area.top, area.right - area.left,
                   area.bottom - area.top, SWP_NOZORDER);
    }
  }
  m_upShown = m_downShown = false;
  return r;
}

// --- notifications and selection ---

LRESULT CGfxOutBarCtrl::Notify(WPARAM code, LPARAM value) {
  HWND owner = GetWindow(m_hWnd, GW_OWNER);
  if (!owner) owner = GetParent(m_hWnd);
  return owner ? SendMessageA(owner, WM_OUTBAR_EVENT, code, value) : 0;
}

void CGfxOutBarCtrl::SelectFolder(int index) {
  // An index that names no folder changes nothing.
  if (!Has_Folder(index)) return;
  if (HWND child = Current_Child()) ShowWindow(child, SW_HIDE);
  // Only a folder that exists slides away.
  if (index != m_current && Has_Folder(m_current) && (m_flags & OUTBAR_ANIMATE) && m_hWnd) {
    Animate(m_current, index);
  }
  m_current = index;
  m_firstVisible = 0;
  m_selected = -1;
  if (HWND child = Current_Child()) {
    RECT area = Client_Item_Area();
    MoveWindow(child, area.left, area.top, area.right - area.left, area.bottom - area.top, TRUE);
    ShowWindow(child, SW_SHOW);
  }
  Notify(OUTBAR_FOLDER_CHANGED, index);
  InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CGfxOutBarCtrl::SetSmallIcons(BOOL small) {
  m_firstVisible = 0;
  bool now = (m_flags & OUTBAR_SMALL_ICONS) != 0;
  if (now == (small != FALSE)) return;
  m_flags ^= OUTBAR_SMALL_ICONS;
  RECT area = Client_Item_Area();
  InvalidateRect(m_hWnd, &area, FALSE);
}

// --- the slide ---

void CGfxOutBarCtrl::Draw_Contents(HDC dc, int folder, const RECT& area, int first,
                                   int shiftY) const {
  const COutBarFolder& f = *m_folders[static_cast<size_t>(folder)];
  if (f.child) {
    bool visible = IsWindowVisible(f.child) != FALSE;
    if (!visible) ShowWindow(f.child, SW_SHOWNOACTIVATE);
    POINT old;
    SetViewportOrgEx(dc, 0, shiftY, &old);
    SendMessageA(f.child, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    SendMessageA(f.child, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    SetViewportOrgEx(dc, old.x, old.y, nullptr);
    if (!visible) ShowWindow(f.child, SW_HIDE);
    return;
  }
  // The items as they stand in an area of the same size at the bitmap's row shiftY.
  RECT local{0, shiftY, area.right - area.left, shiftY + area.bottom - area.top};
  Item_Layout l = Layout_Of(folder, local, first);
  Draw_Items(dc, l, folder, static_cast<int>(l.items.size()) - 1);
}

void CGfxOutBarCtrl::Animate(int from, int to) {
  const int b = kFolderHeight;
  RECT area = Client_Item_Area();
  const int w = area.right - area.left, h = area.bottom - area.top;
  if (w <= 0 || h <= 0) return;
  RECT fromBar = Folder_Bar(from), toBar = Folder_Bar(to);
  HDC dc = GetDC(m_hWnd);
  HDC a = CreateCompatibleDC(dc), bm = CreateCompatibleDC(dc);
  HBITMAP bitmapA = CreateCompatibleBitmap(dc, w, h + 2 * b);
  HBITMAP bitmapB = CreateCompatibleBitmap(dc, w, h + 2 * b);
  HGDIOBJ oldA = SelectObject(a, bitmapA), oldB = SelectObject(bm, bitmapB);
  RECT whole{0, 0, w, h + 2 * b};
  Fill(a, whole, m_crBackground);
  Fill(bm, whole, m_crBackground);
  if (to > from) {
    // The new bar rises from below, its folder's contents under it.
    Draw_Contents(a, from, area, m_firstVisible, b);
    Draw_Folder(bm, to, RECT{0, 0, w, b}, false);
    Draw_Contents(bm, to, area, 0, b);
    for (int y = toBar.top - b; y > fromBar.bottom; y -= b) {
      BitBlt(dc, area.left, fromBar.bottom + 1, w, std::max(0, static_cast<int>(y - 1 - fromBar.bottom)), a, 0, b,
             SRCCOPY);
      BitBlt(dc, area.left, y, w, area.bottom - y + b, bm, 0, 0, SRCCOPY);
      Sleep(static_cast<DWORD>(m_slidePause));
    }
  } else {
    // The old bar sinks, uncovering the new folder's contents above it.
    Draw_Folder(a, from, RECT{0, 0, w, b}, false);
    Draw_Contents(a, from, area, m_firstVisible, b);
    Draw_Contents(bm, to, area, 0, 2 * b);
    for (int y = fromBar.top + 1; y < area.bottom - b; y += b) {
      BitBlt(dc, area.left, fromBar.top, w, std::max(0, static_cast<int>(y - 1 - fromBar.top)), bm, 0, 2 * b,
             SRCCOPY);
      BitBlt(dc, area.left, y, w, area.bottom - y, a, 0, 0, SRCCOPY);
      Sleep(static_cast<DWORD>(m_slidePause));
    }
  }
  SelectObject(a, oldA);
  SelectObject(bm, oldB);
  DeleteObject(bitmapA);
  DeleteObject(bitmapB);
  DeleteDC(a);
  DeleteDC(bm);
  ReleaseDC(m_hWnd, dc);
}

// --- presses ---

LRESULT CGfxOutBarCtrl::OnLButtonDown(WPARAM, LPARAM lp) {
  if (GetFocus() != m_hWnd) SetFocus(m_hWnd);
  POINT p = Point_Of(lp);
  int index = -1;
  int hit = HitTestPoint(p, &index);
  m_dropPos = -1;
  switch (hit) {
    case OUTBAR_HIT_FOLDER: Track_Folder(index); break;
    case OUTBAR_HIT_ITEM: Track_Item(index, p); break;
    case OUTBAR_HIT_UP:
    case OUTBAR_HIT_DOWN: Track_Arrow(hit); break;
    default: Set_Item_Hover(-1, false); break;
  }
  return 0;
}

void CGfxOutBarCtrl::Track_Folder(int folder) {
  RECT bar = Folder_Bar(folder);
  auto draw = [&](bool pressed) {
    HDC dc = GetDC(m_hWnd);
    Draw_Folder(dc, folder, bar, pressed);
    ReleaseDC(m_hWnd, dc);
  };
  draw(true);
  bool pressed = true;
  Capture_Loop(m_hWnd, m_lastMouse, [&](const MSG& msg) {
    if (msg.message == WM_MOUSEMOVE && msg.hwnd == m_hWnd) {
      int i = -1;
      bool over = HitTestPoint(Point_Of(msg.lParam), &i) == OUTBAR_HIT_FOLDER && i == folder;
      if (over != pressed) draw(over);
      pressed = over;
      return true;
    }
    if (msg.message == WM_LBUTTONUP && msg.hwnd == m_hWnd) {
      draw(false);
      pressed = false;
      int i = -1;
      // The bar under the release point counts.
      if (HitTestPoint(Point_Of(msg.lParam), &i) == OUTBAR_HIT_FOLDER && i != m_current) {
        SelectFolder(i);
      }
      return false;
    }
    if (msg.message == WM_KEYDOWN && msg.wParam != VK_ESCAPE) return true;
    Dispatch(msg);
    return true;
  });
  if (pressed) InvalidateRect(m_hWnd, &bar, FALSE);
  Set_Item_Hover(-1, false);
}

void CGfxOutBarCtrl::Draw_Drop_Mark(int position) {
  Item_Layout l = Items_Layout();
  if (m_dropPos >= 0) {
    int kind = 0;
    RECT old = outbar::Drop_Mark_Rect(l, m_dropPos, &kind);
    InflateRect(&old, 1, 1);
    InvalidateRect(m_hWnd, &old, TRUE);
    UpdateWindow(m_hWnd);
  }
  m_dropPos = position;
  if (position < 0) return;
  RECT r = outbar::Drop_Mark_Rect(l, position, &m_dropKind);
  HDC dc = GetDC(m_hWnd);
  HGDIOBJ oldPen = SelectObject(dc, m_markPen);
  MoveToEx(dc, r.left, r.top, nullptr);
  LineTo(dc, r.right, r.top);
  // Wedges at both ends, pointing inward: below the line for kinds 0 and 1, above it for
  // kinds 1 and 2.
  static const int kLeftRows[] = {7, 5, 3, 1};
  static const int kRightRows[] = {6, 4, 2};
  for (int side = 0; side < 2; ++side) {
    bool below = side == 0 ? m_dropKind <= 1 : false;
    bool above = side == 1 ? m_dropKind >= 1 : false;
    if (!below && !above) continue;
    int dir = below ? 1 : -1;
    for (int i = 0; i < 4; ++i) {
      int y = r.top + dir * (i + 1);
      MoveToEx(dc, r.left, y, nullptr);
      LineTo(dc, r.left + kLeftRows[i], y);
      if (i < 3) {
        MoveToEx(dc, r.right, y, nullptr);
        LineTo(dc, r.right - kRightRows[i], y);
      }
    }
  }
  SelectObject(dc, oldPen);
  ReleaseDC(m_hWnd, dc);
}

void CGfxOutBarCtrl::Track_Item(int item, POINT start) {
  (void)start;
  Set_Item_Hover(item, true);
  bool dragging = false;
  HCURSOR cursor = nullptr;
  Capture_Loop(m_hWnd, m_lastMouse, [&](const MSG& msg) {
    if (msg.message == WM_MOUSEMOVE && msg.hwnd == m_hWnd) {
      POINT p = Point_Of(msg.lParam);
      int i = -1;
      int hit = HitTestPoint(p, &i);
      if (!dragging) {
        if (hit == OUTBAR_HIT_ITEM) {
          Set_Item_Hover(item, i == item);
          if (i != item) Set_Item_Hover(i, false);
        } else if (m_flags & OUTBAR_DRAG_ITEMS) {
          dragging = true;
          Set_Item_Hover(item, true);
          cursor = m_drag;
          SetCursor(cursor);
        }
        if (!dragging) return true;
      }
      Item_Layout l = Items_Layout();
      const int count = static_cast<int>(l.items.size());
      int bottom = count > 0 ? outbar::Boxes(l, count - 1).item.bottom : l.area.top;
      if (hit == OUTBAR_HIT_ITEM) {
        if (i != m_dropPos) Draw_Drop_Mark(i);
        cursor = m_drag;
      } else if (p.y > bottom && p.y < l.area.bottom && p.x >= l.area.left &&
                 p.x < l.area.right) {
        if (m_dropPos != count) Draw_Drop_Mark(count);
        cursor = m_drag;
      } else {
        if (m_dropPos >= 0) Draw_Drop_Mark(-1);
        cursor = m_noDrop;
      }
      SetCursor(cursor);
      return true;
    }
    if (msg.message == WM_SETCURSOR && cursor) {
      SetCursor(cursor);
      return true;
    }
    if (msg.message == WM_LBUTTONUP && msg.hwnd == m_hWnd) {
      Set_Item_Hover(-1, false);
      POINT p = Point_Of(msg.lParam);
      int i = -1;
      int hit = HitTestPoint(p, &i);
      if (!dragging) {
        if (hit == OUTBAR_HIT_ITEM && i == item) {
          if (m_flags & OUTBAR_SHOW_SELECTION) {
            int old = m_selected;
            m_selected = item;
            Repaint_Icon(old);
            Repaint_Icon(item);
          } else {
            m_selected = item;
          }
          Notify(OUTBAR_ITEM_CLICKED, item);
        }
        return false;
      }
      auto& items = m_folders[static_cast<size_t>(m_current)]->items;
      const int count = static_cast<int>(items.size());
      int target = -1;
      if (hit == OUTBAR_HIT_ITEM && i != item) target = i;
      if (hit != OUTBAR_HIT_ITEM && m_dropPos == count) target = count;
      if (target >= 0) {
        Outbar_Move_Record record{{0, 0}, m_current, item};
        if (Notify(OUTBAR_MOVE_ITEM, reinterpret_cast<LPARAM>(&record))) {
          COutBarItem moved = items[static_cast<size_t>(item)];
          items.erase(items.begin() + item);
          int at = target > item ? target - 1 : target;
          items.insert(items.begin() + std::min(at, static_cast<int>(items.size())), moved);
        }
      }
      return false;
    }
    if (msg.message == WM_KEYDOWN && msg.wParam != VK_ESCAPE) return true;
    Dispatch(msg);
    return true;
  });
  m_dropPos = -1;
  if (dragging) InvalidateRect(m_hWnd, nullptr, FALSE);
  bool wasPressed = m_hoverPressed && m_hoverItem == item;
  m_hoverPressed = false;
  if (wasPressed) Repaint_Icon(item);
}

bool CGfxOutBarCtrl::Scroll_Step(int which) {
  Item_Layout l = Items_Layout();
  const int count = static_cast<int>(l.items.size());
  if (which == OUTBAR_HIT_DOWN) {
    if (count == 0 || outbar::Boxes(l, count - 1).item.bottom <= l.area.bottom) return false;
    ++m_firstVisible;
  } else {
    if (m_firstVisible <= 0) return false;
    --m_firstVisible;
  }
  InvalidateRect(m_hWnd, &l.area, FALSE);
  return true;
}

void CGfxOutBarCtrl::Track_Arrow(int which) {
  bool& pressed = which == OUTBAR_HIT_UP ? m_upPressed : m_downPressed;
  const RECT arrow = which == OUTBAR_HIT_UP ? m_upRect : m_downRect;
  const UINT look = which == OUTBAR_HIT_UP ? DFCS_SCROLLUP : DFCS_SCROLLDOWN;
  auto draw = [&](bool down) {
    pressed = down;
    HDC dc = GetDC(m_hWnd);
    RECT r = arrow;
    DrawFrameControl(dc, &r, DFC_SCROLL, look | (down ? DFCS_PUSHED : 0));
    ReleaseDC(m_hWnd, dc);
  };
  draw(true);
  SetTimer(m_hWnd, kScrollTimer, kScrollPeriod, nullptr);
  Capture_Loop(m_hWnd, m_lastMouse, [&](const MSG& msg) {
    if (msg.message == WM_TIMER) {
      if (msg.hwnd != m_hWnd || msg.wParam != kScrollTimer) return true;
      POINT p;
      GetCursorPos(&p);
      ScreenToClient(m_hWnd, &p);
      if (PtInRect(&arrow, p)) {
        if (!Scroll_Step(which)) return false;
        UpdateWindow(m_hWnd);
        draw(true);
      }
      return true;
    }
    if (msg.message == WM_MOUSEMOVE && msg.hwnd == m_hWnd) {
      draw(PtInRect(&arrow, Point_Of(msg.lParam)) != FALSE);
      return true;
    }
    if (msg.message == WM_LBUTTONUP && msg.hwnd == m_hWnd) {
      draw(false);
      if (PtInRect(&arrow, Point_Of(msg.lParam))) Scroll_Step(which);
      return false;
    }
    if (msg.message == WM_KEYDOWN && msg.wParam != VK_ESCAPE) return true;
    Dispatch(msg);
    return true;
  });
  KillTimer(m_hWnd, kScrollTimer);
  m_upPressed = m_downPressed = false;
  m_upShown = m_downShown = false;
  RECT area = Client_Item_Area();
  InvalidateRect(m_hWnd, &area, FALSE);
}
