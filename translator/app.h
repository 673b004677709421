#pragma once

#include "appfw/app.h"

// The translator's application object.
class CLingvaneApp : public appfw::CWinApp {
 public:
  BOOL InitInstance() override;

 private:
  HWND m_hBar = nullptr;
};
