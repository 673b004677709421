// The trhook32 stand-in: its record of calls, its text code, its failing start and the
// comparison message.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "appfw/wnd.h"
#include "testkit/testkit.h"
#include "trhook32.h"

namespace {

class Trhook32StandIn : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    dir_ = std::string(temp) + "trhook32-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(dir_.c_str(), nullptr);
    DeleteFileA((dir_ + "\\trhook32.log").c_str());
    DeleteFileA((dir_ + "\\trhook95-state.log").c_str());
    SetEnvironmentVariableA("TRHOOK32_LOG_DIR", dir_.c_str());
  }
  void TearDown() override {
    SetEnvironmentVariableA("TRHOOK32_LOG_DIR", nullptr);
    SetEnvironmentVariableA("TRHOOK32_FAIL_INIT", nullptr);
    DeleteFileA((dir_ + "\\trhook32.log").c_str());
    DeleteFileA((dir_ + "\\trhook95-state.log").c_str());
    RemoveDirectoryA(dir_.c_str());
  }
  std::vector<std::string> Log() { return testkit::Read_Lines(dir_ + "\\trhook32.log"); }
  std::string dir_;
};

std::string H(HWND h) { return std::to_string(reinterpret_cast<ULONG_PTR>(h)); }

// A window that records the comparison messages it gets.
class Compare_Target : public appfw::CWnd {
  DECLARE_MSG_MAP()

 public:
  std::vector<std::pair<WPARAM, LPARAM>> got;
  LRESULT OnSetTarget(WPARAM wp, LPARAM lp) {
    got.emplace_back(wp, lp);
    return 0;
  }
};

BEGIN_MSG_MAP(Compare_Target, appfw::CWnd)
  ON_MSG(WM_COMPWND_SETTARGET, OnSetTarget)
END_MSG_MAP()

TEST_F(Trhook32StandIn, RecordsEveryCallWithItsArguments) {
  Compare_Target compare, target;
  const char* cls = appfw::AfxRegisterWndClass(0);
  ASSERT_TRUE(compare.CreateEx(0, cls, "compare", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr));
  ASSERT_TRUE(target.CreateEx(0, cls, "target", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr));

  EXPECT_EQ(InitHooks32(compare.m_hWnd), 1);
  SetProfDictID32(-1);
  SetUserDict32(1);
  SetChnEngMenu32(0);
  SetInterfaceType32(1);
  SetCode32(256);
  EXPECT_EQ(GetCode32(), 256);
  SetTransFlag32(target.m_hWnd, 4);
  SetCompatibleFlag32("D:\\DFKC\\pack", 7, 1);  // the length given counts
  LeftrightComptrans32();
  UpdownComptrans32();
  CancelComptrans32();
  ClearHooks32();

  EXPECT_EQ(Log(), (std::vector<std::string>{
                       "InitHooks32 " + H(compare.m_hWnd),
                       "SetProfDictID32 -1",
                       "SetUserDict32 1",
                       "SetChnEngMenu32 0",
                       "SetInterfaceType32 1",
                       "SetCode32 256",
                       "GetCode32",
                       "SetTransFlag32 " + H(target.m_hWnd) + " 4",
                       "SetCompatibleFlag32 \"D:\\DFKC\" 7 1",
                       "LeftrightComptrans32",
                       "UpdownComptrans32",
                       "CancelComptrans32",
                       "ClearHooks32",
                   }));
  // The comparison calls hand the comparison window its layout (left-right 2, then up-down 1) and
  // the window in front, never a window of the comparison window's own process: the test's own
  // target is not compared, whatever was passed with the translation flag.
  ASSERT_LE(compare.got.size(), 2u);
  WPARAM next_layout = 2;
  for (const auto& [layout, compared] : compare.got) {
    EXPECT_LE(layout, next_layout);
    next_layout = layout - 1;
    DWORD pid = 0;
    GetWindowThreadProcessId(reinterpret_cast<HWND>(compared), &pid);
    EXPECT_NE(pid, GetCurrentProcessId());
  }
  EXPECT_TRUE(target.got.empty());
}

TEST_F(Trhook32StandIn, KeepsTheTextCodeStartingWithNone) {
  EXPECT_EQ(GetCode32(), -1);
  for (int code : {1, 0, 256, -1}) {
    SetCode32(code);
    EXPECT_EQ(GetCode32(), code);
  }
}

TEST_F(Trhook32StandIn, CanBeToldToFailItsStart) {
  SetEnvironmentVariableA("TRHOOK32_FAIL_INIT", "1");
  EXPECT_EQ(InitHooks32(nullptr), 0);
  SetEnvironmentVariableA("TRHOOK32_FAIL_INIT", "0");
  EXPECT_EQ(InitHooks32(nullptr), 1);
  EXPECT_EQ(Log(), (std::vector<std::string>{"InitHooks32 0", "InitHooks32 0"}));
}

TEST_F(Trhook32StandIn, WithoutALogFolderNothingIsRecorded) {
  SetEnvironmentVariableA("TRHOOK32_LOG_DIR", nullptr);
  SetCode32(1);
  EXPECT_TRUE(Log().empty());
}

}  // namespace
