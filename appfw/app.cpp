#include "appfw/app.h"

namespace appfw {

namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp() { g_app = this; }

CWinApp::~CWinApp() {
  if (g_app == this) g_app = nullptr;
}

int CWinApp::Run() {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  m_exitCode = static_cast<int>(msg.wParam);
  return m_exitCode;
}

int CWinApp::Main(HINSTANCE instance) {
  m_hInstance = instance;
  if (InitInstance()) Run();
  return ExitInstance();
}

CWinApp* AfxGetApp() { return g_app; }

}  // namespace appfw
