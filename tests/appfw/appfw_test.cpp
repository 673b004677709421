// The application framework: message maps, pre-translation in every loop, dialogs, profile
// settings, threads and the application's life.
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <functional>
#include <memory>
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

// --- Dialog procedure results ---------------------------------------------------------------

const COLORREF kDialogColour = RGB(200, 30, 40);

// Answers the messages whose value the dialog procedure returns itself, and one ordinary
// message, then asks itself each of them and ends.
class Answering_Dialog : public appfw::CDialog {
  DECLARE_MSG_MAP()

 public:
  Answering_Dialog() : appfw::CDialog(100), brush_(CreateSolidBrush(kDialogColour)) {}
  ~Answering_Dialog() override { DeleteObject(brush_); }
  HBRUSH Brush() const { return brush_; }
  std::vector<std::pair<UINT, LRESULT>> answers;
  COLORREF erased = CLR_INVALID;

  BOOL OnInitDialog() override {
    appfw::CDialog::OnInitDialog();
    PostMessageA(m_hWnd, WM_APP + 3, 0, 0);
    return TRUE;
  }
  LRESULT OnColour(WPARAM, LPARAM) { return reinterpret_cast<LRESULT>(brush_); }
  LRESULT OnCompare(WPARAM, LPARAM) { return -1; }
  LRESULT OnVKey(WPARAM, LPARAM) { return -2; }
  LRESULT OnChar(WPARAM, LPARAM) { return 5; }
  LRESULT OnDragIcon(WPARAM, LPARAM) { return reinterpret_cast<LRESULT>(LoadIcon(nullptr, IDI_ASTERISK)); }
  LRESULT OnPing(WPARAM, LPARAM) { return 11; }
  LRESULT OnAsk(WPARAM, LPARAM) {
    HWND label = GetDlgItem(m_hWnd, 1000);
    HDC screen = GetDC(m_hWnd);
    for (UINT m : {static_cast<UINT>(WM_CTLCOLORDLG), static_cast<UINT>(WM_CTLCOLORSTATIC),
                   static_cast<UINT>(WM_COMPAREITEM), static_cast<UINT>(WM_VKEYTOITEM),
                   static_cast<UINT>(WM_CHARTOITEM), static_cast<UINT>(WM_QUERYDRAGICON), kPing}) {
      WPARAM wp = m == WM_CTLCOLORDLG || m == WM_CTLCOLORSTATIC ? reinterpret_cast<WPARAM>(screen) : 0;
      LPARAM lp = m == WM_CTLCOLORSTATIC ? reinterpret_cast<LPARAM>(label) : 0;
      answers.emplace_back(m, SendMessageA(m_hWnd, m, wp, lp));
    }
    ReleaseDC(m_hWnd, screen);
    // The dialog manager erases the background with the brush the dialog gives it.
    HDC memory = CreateCompatibleDC(nullptr);
    HDC screenDc = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screenDc, 8, 8);
    ReleaseDC(nullptr, screenDc);
    HGDIOBJ old = SelectObject(memory, bitmap);
    SendMessageA(m_hWnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory), 0);
    erased = GetPixel(memory, 2, 2);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    EndDialog(1);
    return 0;
  }

 private:
  HBRUSH brush_;
};

BEGIN_MSG_MAP(Answering_Dialog, appfw::CDialog)
  ON_MSG(WM_CTLCOLORDLG, OnColour)
  ON_MSG(WM_CTLCOLORSTATIC, OnColour)
  ON_MSG(WM_COMPAREITEM, OnCompare)
  ON_MSG(WM_VKEYTOITEM, OnVKey)
  ON_MSG(WM_CHARTOITEM, OnChar)
  ON_MSG(WM_QUERYDRAGICON, OnDragIcon)
  ON_MSG(kPing, OnPing)
  ON_MSG(WM_APP + 3, OnAsk)
END_MSG_MAP()

TEST(FrameworkDialog, ColoursItemAnswersAndDragIconAreReturnedOthersGoThroughTheResultSlot) {
  Recording_App app;
  Answering_Dialog dlg;
  app.init = [&] {
    Loop_Guard guard;
    dlg.DoModal();
    return FALSE;
  };
  app.Main(GetModuleHandleA(nullptr));
  const LRESULT brush = reinterpret_cast<LRESULT>(dlg.Brush());
  EXPECT_EQ(dlg.answers,
            (std::vector<std::pair<UINT, LRESULT>>{
                {WM_CTLCOLORDLG, brush},
                {WM_CTLCOLORSTATIC, brush},
                {WM_COMPAREITEM, -1},
                {WM_VKEYTOITEM, -2},
                {WM_CHARTOITEM, 5},
                {WM_QUERYDRAGICON, reinterpret_cast<LRESULT>(LoadIcon(nullptr, IDI_ASTERISK))},
                {kPing, 11}}));
  EXPECT_EQ(dlg.erased, kDialogColour);
}

// --- Objects that delete themselves -------------------------------------------------------

// Window objects live in a fixed slot: a deletion fills the slot with a pattern, so that
// anything the framework writes into the object afterwards shows.
struct Slot {
  static void* Take(size_t size) {
    EXPECT_LE(size, sizeof bytes);
    deletedSize = 0;
    return bytes;
  }
  static void Free(void* p, size_t size) {
    volatile unsigned char* b = static_cast<unsigned char*>(p);
    for (size_t i = 0; i < size; ++i) b[i] = kFreed;
    deletedSize = size;
  }
  // The object was deleted, and the slot still holds the pattern its deletion left.
  static bool Untouched_Since_Deletion() {
    if (deletedSize == 0) return false;
    for (size_t i = 0; i < deletedSize; ++i)
      if (bytes[i] != kFreed) return false;
    return true;
  }
  static constexpr unsigned char kFreed = 0xDD;
  alignas(std::max_align_t) static inline unsigned char bytes[2048];
  static inline size_t deletedSize = 0;
};

class Self_Deleting_Wnd : public Base_Wnd {
  DECLARE_MSG_MAP()

 public:
  enum class Way { Destroy_In_Handler, Delete_In_Handler };
  explicit Self_Deleting_Wnd(Way way) : way_(way) {}
  static void* operator new(size_t size) { return Slot::Take(size); }
  static void operator delete(void* p, size_t size) { Slot::Free(p, size); }

 protected:
  void PostNcDestroy() override { delete this; }
  // The close arrives inside another message, so two messages of the object are under way.
  LRESULT OnPingClose(WPARAM, LPARAM) { return SendMessageA(m_hWnd, WM_CLOSE, 0, 0); }
  LRESULT OnClose(WPARAM, LPARAM) {
    if (way_ == Way::Destroy_In_Handler) DestroyWindow();
    else delete this;
    return 0;
  }

 private:
  Way way_;
};

BEGIN_MSG_MAP(Self_Deleting_Wnd, Base_Wnd)
  ON_MSG(kPing, OnPingClose)
  ON_MSG(WM_CLOSE, OnClose)
END_MSG_MAP()

// A dialog that ends by destroying its window from a handler and deletes itself at the end.
class Self_Deleting_Dialog : public appfw::CDialog {
  DECLARE_MSG_MAP()

 public:
  Self_Deleting_Dialog() : appfw::CDialog(100) {}
  static void* operator new(size_t size) { return Slot::Take(size); }
  static void operator delete(void* p, size_t size) { Slot::Free(p, size); }
  BOOL OnInitDialog() override {
    appfw::CDialog::OnInitDialog();
    PostMessageA(m_hWnd, kPing, 0, 0);
    return TRUE;
  }

 protected:
  void PostNcDestroy() override { delete this; }
  LRESULT OnPing(WPARAM, LPARAM) {
    ::DestroyWindow(m_hWnd);
    return 1;
  }
};

BEGIN_MSG_MAP(Self_Deleting_Dialog, appfw::CDialog)
  ON_MSG(kPing, OnPing)
END_MSG_MAP()

TEST(FrameworkSelfDeletion, NothingIsWrittenIntoAWindowObjectThatDeletedItself) {
  for (auto way : {Self_Deleting_Wnd::Way::Destroy_In_Handler,
                   Self_Deleting_Wnd::Way::Delete_In_Handler}) {
    SCOPED_TRACE(way == Self_Deleting_Wnd::Way::Destroy_In_Handler ? "destroyed in a handler"
                                                                  : "deleted in a handler");
    auto* w = new Self_Deleting_Wnd(way);
    ASSERT_TRUE(w->Create());
    HWND h = w->m_hWnd;
    SendMessageA(h, kPing, 0, 0);
    EXPECT_FALSE(IsWindow(h));
    EXPECT_EQ(appfw::CWnd::FromHandle(h), nullptr);
    EXPECT_TRUE(Slot::Untouched_Since_Deletion());
  }
  {
    SCOPED_TRACE("dialog destroyed in a handler");
    auto* dlg = new Self_Deleting_Dialog;
    Loop_Guard guard;
    dlg->DoModal();
    EXPECT_TRUE(Slot::Untouched_Since_Deletion());
  }
}

// --- Taken-over controls ---------------------------------------------------------------------

// A control class of its own that counts its final destroy messages.
int g_controlFinalDestroys = 0;
LRESULT CALLBACK Counting_Control_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCDESTROY) ++g_controlFinalDestroys;
  return DefWindowProcA(hwnd, msg, wp, lp);
}

class Final_Destroy_Wnd : public Base_Wnd {
  DECLARE_MSG_MAP()

 public:
  explicit Final_Destroy_Wnd(bool callDefault) : callDefault_(callDefault) {}
  LRESULT OnNcDestroy(WPARAM, LPARAM) { return callDefault_ ? Default() : 0; }

 private:
  bool callDefault_;
};

BEGIN_MSG_MAP(Final_Destroy_Wnd, Base_Wnd)
  ON_MSG(WM_NCDESTROY, OnNcDestroy)
END_MSG_MAP()

TEST(FrameworkMessageMap, TakenOverControlGetsItsFinalDestroyOnce) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = Counting_Control_Proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "FrameworkCountingControl";
  RegisterClassA(&wc);
  struct Case {
    const char* what;
    std::function<appfw::CWnd*()> make;
  } cases[] = {
      {"not in the map", [] { return new Base_Wnd; }},
      {"handled with the default", [] { return new Final_Destroy_Wnd(true); }},
      {"handled alone", [] { return new Final_Destroy_Wnd(false); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    HWND control = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 10, 10, nullptr,
                                   nullptr, wc.hInstance, nullptr);
    ASSERT_TRUE(control);
    std::unique_ptr<appfw::CWnd> w(c.make());
    ASSERT_TRUE(w->SubclassWindow(control));
    g_controlFinalDestroys = 0;
    EXPECT_TRUE(w->DestroyWindow());
    EXPECT_EQ(g_controlFinalDestroys, 1);
    EXPECT_EQ(w->m_hWnd, nullptr);
  }
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
