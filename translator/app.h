#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "appfw/app.h"

class CTransBar;

// The program folder: the current directory at start-up, without a trailing backslash.
extern char g_szAppDir[MAX_PATH];
// A path under the program folder: the folder followed by `tail` ("\\lib\\User.dct").
std::string App_Path(const char* tail);
// The first `limit` bytes of a file (all of them without a limit); empty when it cannot be
// read, and then *opened (when given) is false.
std::string Read_File_Bytes(const std::string& path, bool* opened = nullptr,
                            size_t limit = static_cast<size_t>(-1));
// Writes a file whole, replacing it; false when it cannot be written.
bool Write_File_Bytes(const std::string& path, const std::string& bytes);
// Set when the user accepted a restart for the new bar style; read once at exit.
extern BOOL g_bRestart;

// The single-instance guard's name.
extern const char kSingleInstanceMutex[];

// The translator's application object: one instance at a time, a splash while it starts,
// the options loaded before the bar is made and written back after it is gone.
class CLingvaneApp : public appfw::CWinApp {
 public:
  // Without a name the application is named after its executable; tests give their own
  // application and guard names.
  explicit CLingvaneApp(const char* appName = nullptr,
                        const char* mutexName = kSingleInstanceMutex);
  ~CLingvaneApp() override;

  BOOL InitInstance() override;
  int ExitInstance() override;

  BOOL LoadSettings();
  BOOL SaveSettings();

  bool Settings_Loaded() const { return m_settingsLoaded; }
  bool Owns_Instance_Guard() const { return m_ownsMutex; }
  CTransBar* Bar() const { return m_bar.get(); }

 private:
  std::string m_mutexName;
  HANDLE m_hMutex = nullptr;
  bool m_ownsMutex = false;
  bool m_settingsLoaded = false;
  std::unique_ptr<CTransBar> m_bar;
};
