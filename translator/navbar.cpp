#include "navbar.h"

#include <windowsx.h>

#include "app.h"
#include "appfw/app.h"
#include "appfw/menu.h"
#include "appfw/treectrl.h"
#include "resource.h"

namespace {

const char kOtherLinksFolder[] = "其他网址";
const char kFavoritesFolder[] = "收藏夹";
const char kReadyText[] = "就绪";
constexpr int kLinkImage = 0;
constexpr int kNavMenuPopup = 1;  // the second popup of the bar menu
constexpr COLORREF kLargeMask = RGB(128, 128, 128);
constexpr COLORREF kSmallMask = RGB(0, 128, 128);
constexpr int kLargeIcon = 32, kSmallIcon = 16;

DWORD_PTR Value_Of_Index(size_t index) { return static_cast<DWORD_PTR>(index); }

RECT Window_Rect(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return r;
}

bool Is_Left_Or_Right(Dock_Edge edge) { return edge == Dock_Edge::Left || edge == Dock_Edge::Right; }

}  // namespace

// --- the outlook bar ---

BEGIN_MSG_MAP(CNavOutBarCtrl, CGfxOutBarCtrl)
  ON_MSG(WM_NOTIFY, OnNotify)
  ON_MSG(WM_SIZE, OnSize)
END_MSG_MAP()

LRESULT CNavOutBarCtrl::OnSize(WPARAM wp, LPARAM lp) {
  LRESULT result = CGfxOutBarCtrl::OnSize(wp, lp);
  // The bar is sized at its inner border: its centred folder names move with the width.
  InvalidateRect(m_hWnd, nullptr, TRUE);
  return result;
}

void CNavOutBarCtrl::PreCreateStyles(DWORD& exStyle, DWORD& style) {
  exStyle |= WS_EX_CLIENTEDGE;
  style &= ~WS_BORDER;
}

LRESULT CNavOutBarCtrl::OnNotify(WPARAM wp, LPARAM lp) {
  LRESULT result = 0;
  if (appfw::Reflect_Notify(wp, lp, &result)) return result;
  return Default();
}

// --- the navigation bar ---

BEGIN_MSG_MAP(CNavBar, appfw::CMiniFrameWnd)
  ON_MSG(WM_CREATE, OnCreate)
  ON_MSG(WM_DESTROY, OnDestroy)
  ON_MSG(WM_OUTBAR_EVENT, OnOutBarEvent)
  ON_MSG(WM_NOTIFY, OnNotify)
  ON_MSG(WM_GETMINMAXINFO, OnGetMinMaxInfo)
  ON_MSG(WM_ACTIVATE, OnActivate)
  ON_MSG(WM_NCHITTEST, OnNcHitTest)
  ON_MSG(WM_MOVING, OnMoving)
  ON_MSG(WM_SIZING, OnSizing)
  ON_MSG(WM_ENTERSIZEMOVE, OnEnterSizeMove)
  ON_MSG(WM_EXITSIZEMOVE, OnExitSizeMove)
  ON_MSG(WM_WINDOWPOSCHANGED, OnWindowPosChanged)
  ON_MSG(WM_DISPLAYCHANGE, OnDisplayChange)
  ON_MSG(WM_TIMER, OnTimer)
  ON_MSG(WM_CONTEXTMENU, OnContextMenu)
  ON_MSG(kNavBarTopmostMessage, OnMakeTopmost)
  ON_CMD(ID_BAR_AUTOHIDE, OnAutoHide)
  ON_CMD(ID_NAV_CLOSE, OnCloseBar)
  ON_CMD(ID_NAV_STATUS_BAR, OnShowStatusBar)
END_MSG_MAP()

CNavBar::CNavBar() {
  m_largeImages.Create(IDB_OUTBAR_LARGE, kLargeIcon, 0, kLargeMask);
  m_smallImages.Create(IDB_OUTBAR_SMALL, kSmallIcon, 0, kSmallMask);
}

CNavBar::~CNavBar() { DestroyWindow(); }

LRESULT CNavBar::OnCreate(WPARAM, LPARAM) {
  LRESULT created = Default();
  if (created == -1) return -1;
  m_screenWidth = GetSystemMetrics(SM_CXSCREEN);
  m_screenHeight = GetSystemMetrics(SM_CYSCREEN);
  m_slidOut = false;
  m_hoverItem = -1;

  RECT client;
  GetClientRect(m_hWnd, &client);
  m_pOutBar = std::make_unique<CNavOutBarCtrl>();
  if (m_pOutBar->Create(WS_CHILD | WS_VISIBLE, client, this, AFX_IDW_PANE_FIRST, kNavOutBarFlags)) {
    ShowWindow(m_pOutBar->m_hWnd, SW_SHOW);
    m_pOutBar->SetIconList(m_largeImages.m_hImageList, 2);
    m_pOutBar->SetIconList(m_smallImages.m_hImageList, 1);
    LoadUrlList();
    if (m_otherTree.Create(m_pOutBar->m_hWnd)) {
      m_pOutBar->AppendWindowFolder(kOtherLinksFolder, m_otherTree.m_hWnd, 0);
    }
    if (m_favoritesTree.Create(m_pOutBar->m_hWnd) && m_favoritesTree.Fill()) {
      m_pOutBar->AppendWindowFolder(kFavoritesFolder, m_favoritesTree.m_hWnd, 0);
    }
    m_pOutBar->SelectFolder(0);
    m_pOutBar->SetSmallIcons(TRUE);
    if (m_toolTip.Create(this, TTS_ALWAYSTIP | TTS_NOPREFIX)) {
      m_toolTip.AddWindowTool(m_pOutBar->m_hWnd);
      m_toolTip.SetMaxTipWidth(kNavBarTipWidth);
    }
  } else {
    m_pOutBar.reset();
  }
  m_statusBar.Create(this, WS_CHILD | WS_VISIBLE, AFX_IDW_STATUS_BAR);
  Show_Status(kReadyText);
  RecalcLayout();

  m_appBar.Init(m_hWnd, Dock_Edge::Left, kNavBarFirstRect, 0, kNavBarAppBarMessage);
  m_appBar.Register();
  m_appBar.Set_Edge(Dock_Edge::Left);
  m_appBar.SetAutoHide(m_autoHide);
  m_docked = true;
  DockTo(Creation_Rect(), TRUE);
  if (!m_autoHide) m_appBar.SetPos();
  SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  // Made again once the window is complete: the system may set the order it was created with.
  PostMessageA(m_hWnd, kNavBarTopmostMessage, 0, 0);
  SetTimer(m_hWnd, kNavBarTimer, kNavBarTimerPeriod, nullptr);
  return created;
}

LRESULT CNavBar::OnMakeTopmost(WPARAM, LPARAM) {
  SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return 0;
}

LRESULT CNavBar::OnDestroy(WPARAM, LPARAM) {
  m_appBar.Remove();
  m_toolTip.DestroyWindow();
  if (m_pOutBar) {
    m_otherTree.DestroyWindow();
    m_favoritesTree.DestroyWindow();
    m_pOutBar->DestroyWindow();
    m_pOutBar.reset();
  }
  KillTimer(m_hWnd, kNavBarTimer);
  m_urls.clear();
  m_tips.clear();
  return Default();
}

void CNavBar::LoadUrlList() {
  if (!m_pOutBar) return;
  bool opened = false;
  std::string bytes = Read_File_Bytes(App_Path("\\urls.lst"), &opened);
  if (!opened) return;
  for (const Link_Group& group : Parse_Link_List(bytes)) {
    int folder = m_pOutBar->AppendFolder(group.name.c_str(), 0);
    for (const Link_Item& link : group.items) {
      m_tips.push_back(link.tip);
      m_urls.push_back(link.address);
      // Each new link goes on top: a folder lists its links in the reverse of the file.
      m_pOutBar->InsertFolderItem(folder, 0, link.caption.c_str(), kLinkImage,
                                  Value_Of_Index(m_urls.size() - 1));
    }
  }
}

// --- links and tips ---

LRESULT CNavBar::OnOutBarEvent(WPARAM code, LPARAM value) {
  if (code == OUTBAR_ITEM_CLICKED) {
    if (!m_pOutBar) return 0;
    DWORD_PTR index = m_pOutBar->GetItemValue(static_cast<int>(value));
    if (index < m_urls.size()) Open_Link(m_urls[index]);
    return 0;
  }
  if (code == OUTBAR_MOVE_ITEM) return 1;
  return 0;
}

std::string CNavBar::Tip_At(POINT client) {
  if (!m_pOutBar || !m_pOutBar->m_hWnd) return std::string();
  int item = -1;
  if (m_pOutBar->HitTestPoint(client, &item) != OUTBAR_HIT_ITEM) return std::string();
  DWORD_PTR index = m_pOutBar->GetItemValue(item);
  if (index >= m_urls.size()) return std::string();
  return Link_Tip(m_tips[index], m_urls[index]);
}

LRESULT CNavBar::OnNotify(WPARAM, LPARAM lp) {
  auto* header = reinterpret_cast<NMHDR*>(lp);
  if (header->hwndFrom != m_toolTip.m_hWnd ||
      (header->code != TTN_GETDISPINFOA && header->code != TTN_GETDISPINFOW)) {
    return Default();
  }
  POINT cursor;
  GetCursorPos(&cursor);
  if (m_pOutBar) ScreenToClient(m_pOutBar->m_hWnd, &cursor);
  // A long tip goes by pointer, within a sane length.
  std::string tip = Fit_Buffer(Tip_At(cursor), kLongTipLimit);
  appfw::Answer_Tip_Request(header, tip, m_tipKeep, m_wideTipKeep);
  // The information bar shows the address of the link under the mouse.
  if (!tip.empty()) {
    size_t lineBreak = tip.rfind('\n');
    Show_Status(lineBreak == std::string::npos ? tip : tip.substr(lineBreak + 1));
  }
  return 0;
}

void CNavBar::Follow_Hover(const MSG& msg) {
  if (!m_pOutBar || msg.hwnd != m_pOutBar->m_hWnd || msg.message != WM_MOUSEMOVE) return;
  POINT at{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
  int item = -1;
  if (m_pOutBar->HitTestPoint(at, &item) != OUTBAR_HIT_ITEM) item = -1;
  if (item == m_hoverItem) return;
  m_hoverItem = item;
  // The tool covers the whole outlook bar: the tip starts over for the new item, as if the
  // mouse had come in afresh.
  MSG away = msg;
  away.hwnd = m_hWnd;
  m_toolTip.RelayEvent(&away);
  if (item < 0) Show_Status(kReadyText);
}

BOOL CNavBar::PreTranslateMessage(MSG* msg) {
  if (m_toolTip.m_hWnd) {
    Follow_Hover(*msg);
    m_toolTip.RelayEvent(msg);
  }
  return appfw::CMiniFrameWnd::PreTranslateMessage(msg);
}

void CNavBar::Show_Status(const std::string& text) {
  if (m_statusBar.m_hWnd) m_statusBar.SetText(text.c_str());
}

// --- frame ---

LRESULT CNavBar::OnGetMinMaxInfo(WPARAM, LPARAM lp) {
  Default();
  auto* info = reinterpret_cast<MINMAXINFO*>(lp);
  info->ptMinTrackSize = POINT{kNavBarSmallestTrack.cx, kNavBarSmallestTrack.cy};
  int screenWidth = m_screenWidth ? m_screenWidth : GetSystemMetrics(SM_CXSCREEN);
  info->ptMaxTrackSize.x = screenWidth / 3;
  return 0;
}

LRESULT CNavBar::OnActivate(WPARAM, LPARAM) {
  LRESULT result = Default();
  RedrawWindow(m_hWnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
  return result;
}

// --- docking ---

void CNavBar::DockTo(const RECT& rect, BOOL move) {
  const Dock_Edge edge = m_appBar.Edge();
  Dock_Query query = Dock_Query_Rect(edge, rect, m_screenWidth, m_screenHeight);
  m_appBar.Set_Rect(query.asked);
  m_appBar.QueryPos();
  RECT answered = m_appBar.Rect();
  // A shell that answers with nothing leaves the asked rectangle.
  if (answered.right <= answered.left && answered.bottom <= answered.top) answered = query.asked;
  RECT docked = Dock_Cut(edge, answered, query.keep);
  m_appBar.Set_Rect(docked);
  if (move && m_hWnd) {
    SetWindowPos(m_hWnd, nullptr, docked.left, docked.top, docked.right - docked.left,
                 docked.bottom - docked.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

LRESULT CNavBar::OnNcHitTest(WPARAM, LPARAM) {
  LRESULT hit = Default();
  return m_docked ? Docked_Hit(m_appBar.Edge(), hit) : hit;
}

LRESULT CNavBar::OnMoving(WPARAM, LPARAM lp) {
  auto* dragged = reinterpret_cast<RECT*>(lp);
  POINT cursor;
  GetCursorPos(&cursor);
  *dragged = Moving_Rect(*dragged, Window_Rect(m_hWnd), cursor.x, m_screenWidth);
  return TRUE;
}

LRESULT CNavBar::OnSizing(WPARAM side, LPARAM lp) {
  auto* proposed = reinterpret_cast<RECT*>(lp);
  POINT cursor;
  GetCursorPos(&cursor);
  *proposed = Sizing_Rect(static_cast<int>(side), *proposed, Window_Rect(m_hWnd), cursor.x,
                          m_screenWidth);
  return TRUE;
}

LRESULT CNavBar::OnEnterSizeMove(WPARAM, LPARAM) { return 0; }

LRESULT CNavBar::OnExitSizeMove(WPARAM, LPARAM) {
  RECT r = Window_Rect(m_hWnd);
  Dock_Edge edge = Edge_After_Move(r, m_screenWidth);
  if (edge != Dock_Edge::None) {
    m_appBar.Set_Edge(edge);
    m_docked = true;
    DockTo(r, TRUE);
    if (!m_autoHide) m_appBar.SetPos();
    m_appBar.Activate();
  } else {
    m_appBar.Set_Edge(Dock_Edge::None);
    DockTo(RECT{0, 0, 0, 0}, FALSE);
    if (!m_autoHide) m_appBar.SetPos();
    m_docked = false;
  }
  return Default();
}

LRESULT CNavBar::OnWindowPosChanged(WPARAM, LPARAM) {
  m_appBar.WindowPosChanged();
  return Default();
}

LRESULT CNavBar::OnDisplayChange(WPARAM, LPARAM lp) {
  m_screenWidth = LOWORD(lp);
  m_screenHeight = HIWORD(lp);
  if (!m_docked) return 0;
  if (std::optional<RECT> r = Display_Change_Rect(m_appBar.Edge(), Window_Rect(m_hWnd),
                                                  m_screenWidth, m_screenHeight)) {
    m_slidOut = false;
    DockTo(*r, TRUE);
  }
  return 0;
}

// --- auto-hide ---

LRESULT CNavBar::OnTimer(WPARAM id, LPARAM) {
  if (id == kNavBarTimer) Check_Auto_Hide();
  return 0;
}

void CNavBar::Check_Auto_Hide() {
  if (!m_autoHide || m_menuOpen) return;
  POINT cursor;
  GetCursorPos(&cursor);
  RECT r = Window_Rect(m_hWnd);
  HWND capture = GetCapture();
  bool held = capture && (capture == m_hWnd || IsChild(m_hWnd, capture));
  if (PtInRect(&r, cursor) || held) {
    if (m_slidOut) Slide_Back();
  } else if (!m_slidOut) {
    Slide_Out();
  }
}

void CNavBar::Slide_Out() {
  const Dock_Edge edge = m_appBar.Edge();
  // Only a bar at the left or right edge has an edge to hide behind.
  if (!m_docked || !Is_Left_Or_Right(edge)) return;
  m_toolTip.Pop();
  RECT r = Window_Rect(m_hWnd);
  std::vector<int> steps = Slide_Out_Steps(edge, r.right - r.left, m_screenWidth);
  for (size_t i = 0; i < steps.size(); ++i) {
    if (i < static_cast<size_t>(kSlideSteps)) Sleep(kSlidePauseMs);
    SetWindowPos(m_hWnd, nullptr, steps[i], 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  m_slidOut = true;
}

void CNavBar::Slide_Back() {
  RECT r = Window_Rect(m_hWnd);
  SetWindowPos(m_hWnd, nullptr, Slide_Back_X(m_appBar.Edge(), r.right - r.left, m_screenWidth),
               0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  m_slidOut = false;
}

// --- context menu and commands ---

LRESULT CNavBar::OnContextMenu(WPARAM, LPARAM lp) {
  POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
  if (at.x == -1 && at.y == -1) {  // from the keyboard: at the bar's top-left corner
    RECT r = Window_Rect(m_hWnd);
    at = POINT{r.left, r.top};
  }
  appfw::CMenu menu;
  if (!menu.LoadMenu(IDR_BAR_MENU)) return 0;
  HMENU popup = menu.GetSubMenu(kNavMenuPopup);
  if (!popup) return 0;
  appfw::Set_Menu_Item_Marks(popup, ID_BAR_AUTOHIDE, m_autoHide, true);
  appfw::Set_Menu_Item_Marks(popup, ID_NAV_STATUS_BAR,
                             IsControlBarVisible(AFX_IDW_STATUS_BAR) != FALSE, true);
  m_toolTip.Pop();
  m_menuOpen = true;
  appfw::Track_Popup_Menu(popup, TPM_RIGHTBUTTON, at, m_hWnd);
  m_menuOpen = false;
  return 0;
}

void CNavBar::OnAutoHide() {
  m_autoHide = !m_autoHide;
  if (m_autoHide) {
    m_appBar.Remove();
    return;
  }
  // Back in full view before the strip is reserved for it.
  if (m_slidOut) Slide_Back();
  m_appBar.Register();
  m_appBar.SetPos();
}

void CNavBar::OnCloseBar() { PostMessageA(m_hWnd, WM_SYSCOMMAND, SC_CLOSE, 0); }

void CNavBar::OnShowStatusBar() {
  ShowControlBar(AFX_IDW_STATUS_BAR, !IsControlBarVisible(AFX_IDW_STATUS_BAR));
}
