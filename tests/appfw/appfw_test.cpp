// The application framework: message maps, pre-translation in every loop, dialogs, profile
// settings, threads and the application's life.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "appfw/app.h"
#include "appfw/wnd.h"
#include "testkit/testkit.h"

namespace {

constexpr UINT kPing = WM_APP + 1;
constexpr UINT kSwallowed = WM_APP + 2;

class Base_Wnd : public appfw::CWnd {
  DECLARE_MSG_MAP()

 public:
  std::vector<std::string> calls;
  BOOL Create() {
    return CreateEx(0, appfw::AfxRegisterWndClass(0), "base", WS_POPUP, 0, 0, 10, 10, nullptr,
                    nullptr);
  }

 protected:
  LRESULT OnPing(WPARAM wp, LPARAM) {
    calls.push_back("base ping " + std::to_string(wp));
    return 11;
  }
  LRESULT OnSwallowed(WPARAM, LPARAM) {
    calls.push_back("swallowed dispatched");
    return 0;
  }
  void OnCommandA() { calls.push_back("base command 100"); }
};

BEGIN_MSG_MAP(Base_Wnd, appfw::CWnd)
  ON_MSG(kPing, OnPing)
  ON_MSG(kSwallowed, OnSwallowed)
  ON_CMD(100, OnCommandA)
END_MSG_MAP()

class Derived_Wnd : public Base_Wnd {
  DECLARE_MSG_MAP()

 public:
  LRESULT OnPingDerived(WPARAM wp, LPARAM lp) {
    calls.push_back("derived ping " + std::to_string(wp));
    return lp == 1 ? Default() : 22;
  }
  void OnCommandB() { calls.push_back("derived command 200"); }
};

BEGIN_MSG_MAP(Derived_Wnd, Base_Wnd)
  ON_MSG(kPing, OnPingDerived)
  ON_CMD(200, OnCommandB)
END_MSG_MAP()

TEST(FrameworkMessageMap, DerivedEntriesComeFirstBaseAndDefaultHandleTheRest) {
  Derived_Wnd w;
  ASSERT_TRUE(w.Create());
  EXPECT_EQ(appfw::CWnd::FromHandle(w.m_hWnd), &w);
  EXPECT_EQ(SendMessageA(w.m_hWnd, kPing, 5, 0), 22);
  SendMessageA(w.m_hWnd, WM_COMMAND, 100, 0);
  SendMessageA(w.m_hWnd, WM_COMMAND, 200, 0);
  SendMessageA(w.m_hWnd, WM_COMMAND, 300, 0);  // nobody's: default handling
  char text[16] = {};
  GetWindowTextA(w.m_hWnd, text, sizeof text);  // not in any map: the default procedure
  EXPECT_STREQ(text, "base");
  // Default() from a handler runs the default window procedure, which answers 0.
  EXPECT_EQ(SendMessageA(w.m_hWnd, kPing, 6, 1), 0);
  EXPECT_EQ(w.calls, (std::vector<std::string>{"derived ping 5", "base command 100",
                                               "derived command 200", "derived ping 6"}));
  HWND h = w.m_hWnd;
  EXPECT_TRUE(w.DestroyWindow());
  EXPECT_EQ(w.m_hWnd, nullptr);
  EXPECT_EQ(appfw::CWnd::FromHandle(h), nullptr);
}

TEST(FrameworkMessageMap, SubclassedControlKeepsItsOwnBehaviour) {
  HWND edit = CreateWindowExA(0, "EDIT", "typed", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
  ASSERT_TRUE(edit);
  Base_Wnd w;
  ASSERT_TRUE(w.SubclassWindow(edit));
  EXPECT_EQ(SendMessageA(edit, kPing, 3, 0), 11);
  char text[16] = {};
  GetWindowTextA(edit, text, sizeof text);
  EXPECT_STREQ(text, "typed");
  EXPECT_TRUE(w.DestroyWindow());
}

// Seen inside a modal loop: ends that loop (this thread's dialog boxes, or its menu).
BOOL CALLBACK Close_Box(HWND hwnd, LPARAM) {
  char cls[16] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  if (std::string(cls) == "#32770") PostMessageA(hwnd, WM_COMMAND, IDOK, 0);
  return TRUE;
}

void End_Modal_Loops() {
  EnumThreadWindows(GetCurrentThreadId(), Close_Box, 0);
  EndMenu();
}

// Ends a modal loop that did not end by itself within 10 s, so that a fault fails the test
// instead of hanging it.
class Loop_Guard {
 public:
  Loop_Guard() : timer_(SetTimer(nullptr, 0, 10000, Time_Up)) {}
  ~Loop_Guard() { KillTimer(nullptr, timer_); }
  Loop_Guard(const Loop_Guard&) = delete;
  Loop_Guard& operator=(const Loop_Guard&) = delete;

 private:
  static void CALLBACK Time_Up(HWND, UINT, UINT_PTR, DWORD) { End_Modal_Loops(); }
  UINT_PTR timer_;
};

// An application whose pre-translation records what passes it and swallows kSwallowed.
class Recording_App : public appfw::CWinApp {
 public:
  Recording_App() : appfw::CWinApp("FrameworkTest") {}
  std::vector<UINT> seen;
  std::function<BOOL()> init = [] { return FALSE; };
  bool exitRan = false;
  BOOL PreTranslateMessage(MSG* msg) override {
    if (msg->message >= WM_APP) seen.push_back(msg->message);
    if (msg->message == kPing) End_Modal_Loops();
    if (msg->message == kSwallowed) return TRUE;
    return appfw::CWinApp::PreTranslateMessage(msg);
  }
  BOOL InitInstance() override { return init(); }
  int ExitInstance() override {
    exitRan = true;
    return appfw::CWinApp::ExitInstance();
  }
};

TEST(FrameworkApplication, ExitRunsAlsoWhenInitialisationFails) {
  Recording_App app;
  app.init = [] { return FALSE; };
  app.Main(GetModuleHandleA(nullptr));
  EXPECT_TRUE(app.exitRan);
}

TEST(FrameworkApplication, MainWindowEndEndsTheLoopAndEveryMessagePassesPreTranslation) {
  Recording_App app;
  Base_Wnd w;
  app.init = [&] {
    if (!w.Create()) return FALSE;
    app.m_pMainWnd = &w;
    PostMessageA(w.m_hWnd, kSwallowed, 0, 0);
    PostMessageA(w.m_hWnd, WM_CLOSE, 0, 0);
    return TRUE;
  };
  EXPECT_EQ(app.Main(GetModuleHandleA(nullptr)), 0);
  EXPECT_TRUE(app.exitRan);
  EXPECT_EQ(app.m_pMainWnd, nullptr);
  EXPECT_EQ(app.seen, std::vector<UINT>{kSwallowed});
  EXPECT_TRUE(w.calls.empty());  // the swallowed message was not dispatched
}

TEST(FrameworkApplication, MessagesOfAMessageBoxLoopPassPreTranslation) {
  Recording_App app;
  Base_Wnd w;
  int answer = 0;
  app.init = [&] {
    if (!w.Create()) return FALSE;
    PostMessageA(w.m_hWnd, kSwallowed, 0, 0);
    PostMessageA(w.m_hWnd, kPing, 0, 0);  // its pre-translation closes the box
    Loop_Guard guard;
    answer = MessageBoxA(nullptr, "loop", "FrameworkTest", MB_OK);
    return FALSE;
  };
  app.Main(GetModuleHandleA(nullptr));
  EXPECT_EQ(answer, IDOK);
  EXPECT_EQ(app.seen, (std::vector<UINT>{kSwallowed, kPing}));
  EXPECT_EQ(w.calls, std::vector<std::string>{"base ping 0"});
}

TEST(FrameworkApplication, MessagesOfAMenuLoopPassPreTranslation) {
  Recording_App app;
  Base_Wnd w;
  app.init = [&] {
    if (!w.Create()) return FALSE;
    ShowWindow(w.m_hWnd, SW_SHOW);
    SetForegroundWindow(w.m_hWnd);
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, 1, "item");
    PostMessageA(w.m_hWnd, kSwallowed, 0, 0);
    PostMessageA(w.m_hWnd, kPing, 0, 0);  // its pre-translation ends the menu
    Loop_Guard guard;
    TrackPopupMenu(menu, TPM_RETURNCMD, 10, 10, 0, w.m_hWnd, nullptr);
    DestroyMenu(menu);
    return FALSE;
  };
  app.Main(GetModuleHandleA(nullptr));
  EXPECT_EQ(app.seen, (std::vector<UINT>{kSwallowed, kPing}));
}

class Test_Dialog : public appfw::CDialog {
  DECLARE_MSG_MAP()

 public:
  Test_Dialog() : appfw::CDialog(100) {}
  Base_Wnd label;
  bool initialised = false;
  BOOL OnInitDialog() override {
    appfw::CDialog::OnInitDialog();
    initialised = true;
    PostMessageA(m_hWnd, kSwallowed, 0, 0);
    PostMessageA(m_hWnd, WM_APP + 3, 0, 0);
    return TRUE;
  }
  void DoDataExchange() override { label.SubclassDlgItem(1000, this); }
  LRESULT OnFinish(WPARAM, LPARAM) {
    EndDialog(42);
    return 0;
  }
};

BEGIN_MSG_MAP(Test_Dialog, appfw::CDialog)
  ON_MSG(WM_APP + 3, OnFinish)
END_MSG_MAP()

TEST(FrameworkDialog, ModalDialogFromItsTemplateBindsControlsAndPassesPreTranslation) {
  Recording_App app;
  Test_Dialog dlg;
  INT_PTR result = 0;
  app.init = [&] {
    Loop_Guard guard;
    result = dlg.DoModal();
    return FALSE;
  };
  app.Main(GetModuleHandleA(nullptr));
  EXPECT_TRUE(dlg.initialised);
  EXPECT_EQ(result, 42);
  EXPECT_EQ(dlg.m_hWnd, nullptr);
  EXPECT_EQ(dlg.label.m_hWnd, nullptr);
  EXPECT_EQ(app.seen, (std::vector<UINT>{kSwallowed, WM_APP + 3}));
}

TEST(FrameworkStrings, LoadStringFromTheStringTable) {
  appfw::CString s;
  EXPECT_TRUE(s.LoadString(7));
  EXPECT_EQ(s.str(), "Larkmoor Test");
  EXPECT_FALSE(s.LoadString(8));
  EXPECT_TRUE(s.IsEmpty());
}

class FrameworkProfile : public ::testing::Test {
 protected:
  void SetUp() override {
    app.SetRegistryKey(7);  // "Larkmoor Test"
    testkit::Delete_User_Key(app.ProfileKeyPath());
  }
  void TearDown() override { testkit::Delete_User_Key(app.ProfileKeyPath()); }
  appfw::CWinApp app{"ProfileTest"};
};

TEST_F(FrameworkProfile, ValuesLiveUnderCompanyAppAndSectionWithTheirTypes) {
  EXPECT_EQ(app.ProfileKeyPath(), "Software\\Larkmoor Test\\ProfileTest");
  EXPECT_EQ(app.GetProfileInt("Option", "Missing", -7), -7);
  EXPECT_EQ(app.GetProfileString("Option", "Missing", "dflt").str(), "dflt");
  EXPECT_TRUE(app.WriteProfileInt("Option", "Number", -1));
  EXPECT_TRUE(app.WriteProfileString("Option", "Text", "青岚"));
  EXPECT_EQ(app.GetProfileInt("Option", "Number", 5), -1);
  EXPECT_EQ(app.GetProfileString("Option", "Text").str(), "青岚");

  HKEY key;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Larkmoor Test\\ProfileTest\\Option", 0,
                          KEY_READ, &key),
            ERROR_SUCCESS);
  DWORD type = 0, value = 0, size = sizeof value;
  RegQueryValueExA(key, "Number", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(value, 0xFFFFFFFFu);
  RegQueryValueExA(key, "Text", nullptr, &type, nullptr, &size);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  RegCloseKey(key);
  // A value of the wrong type reads as missing.
  EXPECT_EQ(app.GetProfileInt("Option", "Text", 9), 9);
}

TEST(FrameworkProfileWithoutKey, ReadsGiveDefaultsAndWritesFail) {
  appfw::CWinApp app("NoKeyTest");
  EXPECT_EQ(app.GetProfileInt("Option", "A", 3), 3);
  EXPECT_FALSE(app.WriteProfileInt("Option", "A", 4));
}

TEST(FrameworkThreads, WorkerRunsItsFunctionAndUiThreadRunsItsLoop) {
  static std::atomic<int> ran{0};
  HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  struct Args {
    HANDLE done;
  } args{done};
  appfw::CWinThread* worker = appfw::AfxBeginThread(
      [](LPVOID p) -> UINT {
        ran = 1;
        SetEvent(static_cast<Args*>(p)->done);
        return 0;
      },
      &args);
  ASSERT_NE(worker, nullptr);
  EXPECT_EQ(WaitForSingleObject(done, 10000), WAIT_OBJECT_0);
  EXPECT_EQ(ran.load(), 1);

  class Ui_Thread : public appfw::CWinThread {
   public:
    std::atomic<int> pings{0};
    std::atomic<bool> exited{false};
    BOOL InitInstance() override { return TRUE; }
    BOOL PreTranslateMessage(MSG* msg) override {
      if (msg->message == kPing) ++pings;
      return FALSE;
    }
    int ExitInstance() override {
      exited = true;
      return 7;
    }
  };
  auto* ui = new Ui_Thread;
  ui->m_bAutoDelete = false;
  ASSERT_TRUE(ui->CreateThread());
  for (int i = 0; i < 500 && !PostThreadMessageA(ui->m_nThreadID, kPing, 0, 0); ++i) Sleep(10);
  PostThreadMessageA(ui->m_nThreadID, WM_QUIT, 0, 0);
  ASSERT_EQ(WaitForSingleObject(ui->m_hThread, 10000), WAIT_OBJECT_0);
  DWORD code = 0;
  GetExitCodeThread(ui->m_hThread, &code);
  EXPECT_EQ(code, 7u);
  EXPECT_TRUE(ui->exited);
  EXPECT_EQ(ui->pings.load(), 1);
  delete ui;
  CloseHandle(done);
}

}  // namespace
