#include "app.h"

#include <shellapi.h>

#include <algorithm>
#include <cstring>

#include "options.h"
#include "resource.h"
#include "splash.h"
#include "transbar.h"

char g_szAppDir[MAX_PATH];
BOOL g_bRestart = FALSE;

std::string App_Path(const char* tail) { return std::string(g_szAppDir) + tail; }

std::string Read_File_Bytes(const std::string& path, bool* opened, size_t limit) {
  HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (opened) *opened = f != INVALID_HANDLE_VALUE;
  if (f == INVALID_HANDLE_VALUE) return std::string();
  std::string bytes;
  char buffer[65536];
  DWORD got = 0;
  while (bytes.size() < limit) {
    DWORD want = static_cast<DWORD>(std::min<size_t>(sizeof buffer, limit - bytes.size()));
    if (!ReadFile(f, buffer, want, &got, nullptr) || got == 0) break;
    bytes.append(buffer, got);
  }
  CloseHandle(f);
  return bytes;
}

bool Write_File_Bytes(const std::string& path, const std::string& bytes) {
  HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  BOOL ok = WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(f);
  return ok && written == bytes.size();
}

const char kSingleInstanceMutex[] = "Larkmoor Wordbridge";

CLingvaneApp::CLingvaneApp(const char* appName, const char* mutexName)
    : appfw::CWinApp(appName), m_mutexName(mutexName ? mutexName : kSingleInstanceMutex) {}

CLingvaneApp::~CLingvaneApp() = default;

BOOL CLingvaneApp::InitInstance() {
  // One instance at a time: a second start ends here, silently.
  m_hMutex = CreateMutexA(nullptr, TRUE, m_mutexName.c_str());
  if (!m_hMutex) return FALSE;
  if (GetLastError() == ERROR_ALREADY_EXISTS) return FALSE;
  m_ownsMutex = true;

  CSplashWnd splash;
  splash.Create(IDB_SPLASH);

  SetRegistryKey(IDS_REGISTRY_COMPANY);
  LoadSettings();

  DWORD n = GetCurrentDirectoryA(sizeof g_szAppDir, g_szAppDir);
  if (n == 0 || n >= sizeof g_szAppDir) g_szAppDir[0] = 0;
  size_t len = strlen(g_szAppDir);
  if (len > 0 && g_szAppDir[len - 1] == '\\') g_szAppDir[len - 1] = 0;
  m_helpFilePath = std::string(g_szAppDir) + "\\Lingvane.hlp";

  // Loading leaves only the two styles; any other reads as the compact bar.
  if (g_TransOptions.InterfaceStyle == kShapedBarStyle) {
    g_TransOptions.BackgroundImageID = kShapedBarBackground;
    m_bar = std::make_unique<CTransBar>();
  } else {
    g_TransOptions.InterfaceStyle = kCompactBarStyle;
    g_TransOptions.BackgroundImageID = kCompactBarBackground;
    m_bar = std::make_unique<CSimpleTransBar>();
  }
  if (m_bar->Create() != 1) {
    splash.DestroyWindow();
    if (UINT why = m_bar->Start_Failure_Message()) appfw::AfxMessageBox(why);
    return FALSE;
  }
  m_pMainWnd = m_bar.get();
  splash.DestroyWindow();
  return TRUE;
}

int CLingvaneApp::ExitInstance() {
  // Options that were never loaded are not written: the stored ones stay as they are.
  if (m_settingsLoaded) SaveSettings();
  if (m_hMutex) {
    if (m_ownsMutex) ReleaseMutex(m_hMutex);
    CloseHandle(m_hMutex);
    m_hMutex = nullptr;
    m_ownsMutex = false;
  }
  m_bar.reset();
  if (g_bRestart) ShellExecuteA(nullptr, nullptr, "Lingvane.exe", "", "", SW_SHOWNORMAL);
  return appfw::CWinApp::ExitInstance();
}

BOOL CLingvaneApp::LoadSettings() {
  Load_Trans_Options(*this, g_TransOptions);
  m_settingsLoaded = true;
  return TRUE;
}

BOOL CLingvaneApp::SaveSettings() {
  Save_Trans_Options(*this, g_TransOptions);
  return TRUE;
}
