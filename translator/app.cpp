#include "app.h"

#include <shellapi.h>

#include <cstring>

#include "options.h"
#include "resource.h"
#include "splash.h"
#include "transbar.h"

char g_szAppDir[MAX_PATH];
BOOL g_bRestart = FALSE;

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
