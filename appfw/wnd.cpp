#include "appfw/wnd.h"

#include <cstdio>
#include <set>
#include <cstring>
#include <string>
#include <vector>

#include "appfw/app.h"

namespace appfw {

namespace {

const char kWndProp[] = "appfw.CWnd";

// Messages whose value a dialog procedure returns itself instead of through DWLP_MSGRESULT.
constexpr UINT kDialogReturnsValue[] = {
    WM_CTLCOLORMSGBOX, WM_CTLCOLOREDIT,  WM_CTLCOLORLISTBOX, WM_CTLCOLORBTN,
    WM_CTLCOLORDLG,    WM_CTLCOLORSCROLLBAR, WM_CTLCOLORSTATIC, WM_COMPAREITEM,
    WM_VKEYTOITEM,     WM_CHARTOITEM,    WM_QUERYDRAGICON,   WM_INITDIALOG};

bool Dialog_Returns_Value(UINT message) {
  for (UINT m : kDialogReturnsValue)
    if (m == message) return true;
  return false;
}

// A dialog's edit boxes (those of its combo boxes too) take typed text as Unicode windows: an
// ANSI edit window takes the two bytes of a Chinese character as two characters under some
// systems. Setting a window procedure through the Unicode call makes the window a Unicode one;
// the program's ANSI calls still read and write its text in code page 936.
BOOL CALLBACK Take_Unicode_Typing(HWND child, LPARAM) {
  char name[16] = {};
  GetClassNameA(child, name, sizeof name);
  if (lstrcmpiA(name, "Edit") == 0 && !IsWindowUnicode(child))
    SetWindowLongPtrW(child, GWLP_WNDPROC, GetWindowLongPtrW(child, GWLP_WNDPROC));
  return TRUE;
}

}  // namespace

CWnd::Msg_Frame::Msg_Frame(CWnd* w, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    : wnd(w), msg{hwnd, message, wParam, lParam, 0, {0, 0}}, outer(w->m_frame) {
  wnd->m_frame = this;
}

void CWnd::Msg_Frame::Leave() {
  if (left) return;
  left = true;
  if (!deleted) wnd->m_frame = outer;
}

CWnd::CWnd() = default;

CWnd::~CWnd() {
  Mark_Deleted();
  // A window in its final destruction is not destroyed again.
  if (m_hWnd && IsWindow(m_hWnd) && !Window_Ending()) ::DestroyWindow(m_hWnd);
  Detach();
}

void CWnd::Mark_Deleted() {
  for (Msg_Frame* f = m_frame; f; f = f->outer) f->deleted = true;
}

bool CWnd::Window_Ending() const {
  for (const Msg_Frame* f = m_frame; f; f = f->outer) {
    if (f->msg.message == WM_DESTROY || f->msg.message == WM_NCDESTROY) return true;
  }
  return false;
}

const MsgMap* CWnd::ThisMsgMap() {
  static const MsgMapEntry entries[] = {{0, 0, nullptr, nullptr}};
  static const MsgMap map{nullptr, entries};
  return &map;
}

CWnd* CWnd::FromHandle(HWND hwnd) {
  if (!hwnd) return nullptr;
  // Only windows of this process are bound to objects of this process.
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid != GetCurrentProcessId()) return nullptr;
  return static_cast<CWnd*>(GetPropA(hwnd, kWndProp));
}

void CWnd::Attach(HWND hwnd) {
  m_hWnd = hwnd;
  SetPropA(hwnd, kWndProp, this);
}

void CWnd::Detach() {
  if (!m_hWnd) return;
  if (IsWindow(m_hWnd)) {
    if (m_oldProc) {
      SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_oldProc));
    }
    RemovePropA(m_hWnd, kWndProp);
  }
  m_oldProc = nullptr;
  m_hWnd = nullptr;
}

BOOL CWnd::CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, int x,
                    int y, int width, int height, HWND parent, HMENU menuOrId) {
  HWND hwnd = CreateWindowExA(exStyle, className, title, style, x, y, width, height, parent,
                              menuOrId, AfxGetResourceHandle(), this);
  if (!hwnd) return FALSE;
  if (!m_hWnd) Attach(hwnd);  // a class of its own window procedure: bound, not routed
  if (m_hWnd != hwnd) return FALSE;
  return TRUE;
}

BOOL CWnd::SubclassWindow(HWND hwnd) {
  if (!hwnd || m_hWnd || FromHandle(hwnd)) return FALSE;
  Attach(hwnd);
  m_oldProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
  return parent && SubclassWindow(GetDlgItem(parent->m_hWnd, static_cast<int>(id)));
}

BOOL CWnd::DestroyWindow() {
  if (!m_hWnd) return FALSE;
  return ::DestroyWindow(m_hWnd);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  for (const MsgMap* map = GetMsgMap(); map; map = map->base ? map->base() : nullptr) {
    for (const MsgMapEntry* e = map->entries; e->message; ++e) {
      if (e->message != message) continue;
      if (e->onCommand) {
        if (LOWORD(wParam) != e->id) continue;
        (this->*(e->onCommand))();
        *result = 0;
      } else {
        *result = (this->*(e->onMessage))(wParam, lParam);
      }
      return TRUE;
    }
  }
  return FALSE;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (OnWndMsg(message, wParam, lParam, &result)) return result;
  return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_frame && m_frame->msg.message == message) m_frame->defaultRan = true;
  if (m_oldProc) return CallWindowProcA(m_oldProc, m_hWnd, message, wParam, lParam);
  return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
  if (!m_frame) return DefWindowProc(0, 0, 0);
  return DefWindowProc(m_frame->msg.message, m_frame->msg.wParam, m_frame->msg.lParam);
}

LRESULT CALLBACK AfxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* wnd = CWnd::FromHandle(hwnd);
  if (!wnd && message == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
    wnd = static_cast<CWnd*>(cs->lpCreateParams);
    if (wnd) wnd->Attach(hwnd);
  }
  if (!wnd) return DefWindowProcA(hwnd, message, wParam, lParam);

  WNDPROC old = wnd->m_oldProc;
  CWnd::Msg_Frame frame(wnd, hwnd, message, wParam, lParam);
  LRESULT result = wnd->WindowProc(message, wParam, lParam);
  if (message != WM_NCDESTROY) return result;

  // The window's last message. A handler may have deleted the object: from here on it is
  // only compared, never touched, unless it is still there.
  frame.Leave();
  if (!frame.deleted) wnd->Detach();
  // The main window's end ends its thread's message loop.
  CWinThread* thread = AfxGetThread();
  if (thread && thread->m_pMainWnd == wnd) {
    thread->m_pMainWnd = nullptr;
    PostQuitMessage(0);
  }
  // A taken-over control's own procedure sees its last message once: here, unless the
  // default handling already passed it on.
  if (old && !frame.defaultRan) CallWindowProcA(old, hwnd, message, wParam, lParam);
  if (!frame.deleted) wnd->PostNcDestroy();
  return result;
}

const char* AfxRegisterWndClass(UINT classStyle, HCURSOR cursor, HBRUSH background,
                                HICON icon) {
  static std::set<std::string> names;
  char name[96];
  snprintf(name, sizeof name, "appfw:%p:%x:%p:%p:%p", static_cast<void*>(AfxGetResourceHandle()),
           classStyle, static_cast<void*>(cursor), static_cast<void*>(background),
           static_cast<void*>(icon));
  auto it = names.find(name);
  if (it != names.end()) return it->c_str();
  WNDCLASSA wc{};
  wc.style = classStyle;
  wc.lpfnWndProc = AfxWndProc;
  wc.hInstance = AfxGetResourceHandle();
  wc.hCursor = cursor;
  wc.hbrBackground = background;
  wc.hIcon = icon;
  wc.lpszClassName = name;
  if (!RegisterClassA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return nullptr;
  return names.insert(name).first->c_str();
}

// --- run-time classes ---

namespace {

std::vector<const CRuntimeClass*>& Runtime_Classes() {
  static std::vector<const CRuntimeClass*> records;
  return records;
}

}  // namespace

Runtime_Class_Entry::Runtime_Class_Entry(const CRuntimeClass* record) {
  Runtime_Classes().push_back(record);
}

const CRuntimeClass* CRuntimeClass::FromName(const char* name) {
  for (const CRuntimeClass* r : Runtime_Classes()) {
    if (name && strcmp(r->m_lpszClassName, name) == 0) return r;
  }
  return nullptr;
}

// --- dialogs ---

CDialog::CDialog(UINT templateId, CWnd* parent) : m_templateId(templateId), m_pParent(parent) {}

INT_PTR CDialog::DoModal() {
  HWND owner = m_pParent ? m_pParent->m_hWnd : nullptr;
  if (!owner) {
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd) owner = app->m_pMainWnd->m_hWnd;
  }
  return DialogBoxParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_templateId), owner,
                         Dialog_Proc, reinterpret_cast<LPARAM>(this));
}

void CDialog::EndDialog(INT_PTR result) {
  if (m_hWnd) ::EndDialog(m_hWnd, result);
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
  bool outer = m_bSaveAndValidate;
  m_bSaveAndValidate = saveAndValidate != FALSE;
  DoDataExchange();
  m_bSaveAndValidate = outer;
  return TRUE;
}

LRESULT CDialog::DefWindowProc(UINT, WPARAM, LPARAM) {
  // The dialog manager does the default handling once the dialog procedure says "not handled".
  if (m_frame) m_frame->wantsDefault = true;
  return 0;
}

INT_PTR CALLBACK CDialog::Dialog_Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* dlg = static_cast<CDialog*>(CWnd::FromHandle(hwnd));
  if (message == WM_INITDIALOG) {
    dlg = reinterpret_cast<CDialog*>(lParam);
    dlg->Attach(hwnd);
    EnumChildWindows(hwnd, Take_Unicode_Typing, 0);
    return dlg->OnInitDialog();
  }
  if (!dlg) return FALSE;

  Msg_Frame frame(dlg, hwnd, message, wParam, lParam);
  LRESULT result = 0;
  bool handled = dlg->OnWndMsg(message, wParam, lParam, &result) && !frame.wantsDefault;
  if (!handled && !frame.deleted && message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    if (LOWORD(wParam) == IDOK) dlg->OnOK(), handled = true;
    else if (LOWORD(wParam) == IDCANCEL) dlg->OnCancel(), handled = true;
  }
  frame.Leave();

  if (message == WM_NCDESTROY) {
    if (!frame.deleted) {
      dlg->Detach();
      dlg->PostNcDestroy();
    }
    return FALSE;
  }
  if (!handled) return FALSE;
  if (Dialog_Returns_Value(message)) return static_cast<INT_PTR>(result);
  SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, result);
  return TRUE;
}

}  // namespace appfw
