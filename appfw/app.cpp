#include "appfw/app.h"

#include "appfw/wnd.h"

namespace appfw {

namespace {

CWinApp* g_app = nullptr;
constexpr int kMsgfDdeManager = 0x8001;  // DDE manager loops are not the thread's own
thread_local CWinThread* t_thread = nullptr;

// Messages of modal loops that the system runs (dialog boxes, message boxes, menus) reach the
// thread's PreTranslateMessage through this filter hook.
LRESULT CALLBACK Msg_Filter(int code, WPARAM wParam, LPARAM lParam) {
  if (code >= 0 && t_thread && code != kMsgfDdeManager) {
    if (t_thread->PreTranslateMessage(reinterpret_cast<MSG*>(lParam))) return TRUE;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

// Makes `thread` the calling thread's thread object and hooks its modal loops for as long
// as the scope lasts.
class CWinThread::Msg_Filter_Scope {
 public:
  explicit Msg_Filter_Scope(CWinThread* thread) : previous_(t_thread) {
    t_thread = thread;
    hook_ = SetWindowsHookExA(WH_MSGFILTER, Msg_Filter, nullptr, GetCurrentThreadId());
  }
  ~Msg_Filter_Scope() {
    if (hook_) UnhookWindowsHookEx(hook_);
    t_thread = previous_;
  }
  Msg_Filter_Scope(const Msg_Filter_Scope&) = delete;
  Msg_Filter_Scope& operator=(const Msg_Filter_Scope&) = delete;

 private:
  CWinThread* previous_;
  HHOOK hook_;
};

CWinThread::CWinThread() = default;

CWinThread::~CWinThread() {
  if (m_hThread) CloseHandle(m_hThread);
}

int CWinThread::Run() {
  MSG msg{};
  BOOL got;
  while ((got = GetMessageA(&msg, nullptr, 0, 0)) != 0) {
    if (got == -1) break;
    if (!PreTranslateMessage(&msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  m_exitCode = got == 0 ? static_cast<int>(msg.wParam) : -1;
  return m_exitCode;
}

BOOL CWinThread::PreTranslateMessage(MSG* msg) {
  bool mainOffered = false;
  for (HWND h = msg->hwnd; h; h = GetParent(h)) {
    CWnd* wnd = CWnd::FromHandle(h);
    if (!wnd) continue;
    if (wnd->PreTranslateMessage(msg)) return TRUE;
    if (wnd == m_pMainWnd) mainOffered = true;
  }
  if (!mainOffered && m_pMainWnd && m_pMainWnd->m_hWnd &&
      m_pMainWnd->PreTranslateMessage(msg)) {
    return TRUE;
  }
  return FALSE;
}

int CWinThread::RunLife() {
  Msg_Filter_Scope scope(this);
  if (InitInstance()) Run();
  return ExitInstance();
}

DWORD WINAPI CWinThread::Thread_Start(LPVOID self) {
  auto* thread = static_cast<CWinThread*>(self);
  int code = thread->RunLife();
  if (thread->m_bAutoDelete) delete thread;
  return static_cast<DWORD>(code);
}

BOOL CWinThread::CreateThread(int priority) {
  m_hThread = ::CreateThread(nullptr, 0, Thread_Start, this, CREATE_SUSPENDED, &m_nThreadID);
  if (!m_hThread) return FALSE;
  SetThreadPriority(m_hThread, priority);
  ResumeThread(m_hThread);
  return TRUE;
}

CWinThread* AfxGetThread() { return t_thread; }

namespace {

class Worker_Thread : public CWinThread {
 public:
  Worker_Thread(ThreadFunction fn, LPVOID param) : fn_(fn), param_(param) {}
  BOOL InitInstance() override {
    m_exitCode = static_cast<int>(fn_(param_));
    return FALSE;
  }

 private:
  ThreadFunction fn_;
  LPVOID param_;
};

}  // namespace

CWinThread* AfxBeginThread(ThreadFunction fn, LPVOID param, int priority) {
  auto* thread = new Worker_Thread(fn, param);
  if (!thread->CreateThread(priority)) {
    delete thread;
    return nullptr;
  }
  return thread;
}

// --- application ---

CWinApp::CWinApp(const char* appName) {
  g_app = this;
  m_bAutoDelete = false;
  m_hInstance = GetModuleHandleA(nullptr);
  if (appName) {
    m_appName = appName;
  } else {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string p(path, n);
    size_t slash = p.find_last_of("\\/");
    if (slash != std::string::npos) p.erase(0, slash + 1);
    size_t dot = p.rfind('.');
    if (dot != std::string::npos) p.resize(dot);
    m_appName = p;
  }
}

CWinApp::~CWinApp() {
  if (g_app == this) g_app = nullptr;
}

int CWinApp::Main(HINSTANCE instance) {
  m_hInstance = instance;
  m_nThreadID = GetCurrentThreadId();
  return RunLife();
}

void CWinApp::SetRegistryKey(const char* key) { m_registryKey = key ? key : ""; }

void CWinApp::SetRegistryKey(UINT stringId) {
  CString key;
  key.LoadString(stringId);
  SetRegistryKey(key);
}

std::string CWinApp::ProfileKeyPath() const {
  if (m_registryKey.empty()) return std::string();
  return "Software\\" + m_registryKey + "\\" + m_appName;
}

namespace {

HKEY Open_Section(const std::string& base, const char* section, bool create) {
  if (base.empty() || !section) return nullptr;
  std::string path = base + "\\" + section;
  HKEY key = nullptr;
  LONG r = create ? RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0,
                                    KEY_READ | KEY_WRITE, nullptr, &key, nullptr)
                  : RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key);
  return r == ERROR_SUCCESS ? key : nullptr;
}

}  // namespace

int CWinApp::GetProfileInt(const char* section, const char* entry, int defaultValue) {
  HKEY key = Open_Section(ProfileKeyPath(), section, false);
  if (!key) return defaultValue;
  DWORD type = 0, value = 0, size = sizeof value;
  LONG r = RegQueryValueExA(key, entry, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
  RegCloseKey(key);
  if (r != ERROR_SUCCESS || type != REG_DWORD || size != sizeof value) return defaultValue;
  return static_cast<int>(value);
}

CString CWinApp::GetProfileString(const char* section, const char* entry,
                                  const char* defaultValue) {
  HKEY key = Open_Section(ProfileKeyPath(), section, false);
  if (!key) return CString(defaultValue);
  DWORD type = 0, size = 0;
  LONG r = RegQueryValueExA(key, entry, nullptr, &type, nullptr, &size);
  std::string text;
  if (r == ERROR_SUCCESS && type == REG_SZ) {
    text.resize(size + 1);
    r = RegQueryValueExA(key, entry, nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &size);
    text.resize(r == ERROR_SUCCESS ? strnlen(text.c_str(), size) : 0);
  }
  RegCloseKey(key);
  if (r != ERROR_SUCCESS || type != REG_SZ) return CString(defaultValue);
  return CString(text);
}

BOOL CWinApp::WriteProfileInt(const char* section, const char* entry, int value) {
  HKEY key = Open_Section(ProfileKeyPath(), section, true);
  if (!key) return FALSE;
  DWORD v = static_cast<DWORD>(value);
  LONG r = RegSetValueExA(key, entry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v), sizeof v);
  RegCloseKey(key);
  return r == ERROR_SUCCESS;
}

BOOL CWinApp::WriteProfileString(const char* section, const char* entry, const char* value) {
  HKEY key = Open_Section(ProfileKeyPath(), section, true);
  if (!key) return FALSE;
  LONG r;
  if (value) {
    r = RegSetValueExA(key, entry, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                       static_cast<DWORD>(strlen(value) + 1));
  } else {
    r = RegDeleteValueA(key, entry);
  }
  RegCloseKey(key);
  return r == ERROR_SUCCESS;
}

CWinApp* AfxGetApp() { return g_app; }

HINSTANCE AfxGetResourceHandle() {
  return g_app && g_app->m_hInstance ? g_app->m_hInstance : GetModuleHandleA(nullptr);
}

int AfxMessageBox(const char* text, UINT type) {
  CWinApp* app = AfxGetApp();
  HWND owner = app && app->m_pMainWnd ? app->m_pMainWnd->m_hWnd : nullptr;
  return MessageBoxA(owner, text, app ? app->m_appName.c_str() : "", type);
}

int AfxMessageBox(UINT stringId, UINT type) {
  CString text;
  text.LoadString(stringId);
  return AfxMessageBox(text, type);
}

BOOL CString::LoadString(UINT id) {
  char buffer[4096];
  int n = ::LoadStringA(AfxGetResourceHandle(), id, buffer, sizeof buffer);
  s_.assign(buffer, n > 0 ? n : 0);
  return n > 0;
}

}  // namespace appfw
