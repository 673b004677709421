#pragma once

// What the tests of the real Lingvane.exe share: its stored options, its windows and the
// stand-in companion library's record of the calls it got.

#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "testkit/testkit.h"

namespace lingvane_fixture {

extern const char kOptionKey[];
extern const char kTitle[];  // the bar's title

// The stored options by name: "n:<number>" or "s:<text>".
using Values = std::map<std::string, std::string>;
Values Read_Options();
void Write_Number(const char* name, int value);
void Write_Text(const char* name, const char* text);

// A visible top-level window of the process (or, with pid 0, of any other process but
// `notPid`) with that class and title (null: any).
HWND Find(DWORD pid, const char* cls, const char* title, DWORD notPid = 0);
// A visible untitled window of the process other than a tooltip (the bar's tips have no title
// and show whenever the pointer happens to rest on a button): the splash, while it is up.
HWND Find_Splash(DWORD pid);
// The bar of a started Lingvane, once it shows (null when it does not within the wait).
HWND Wait_Bar(const testkit::Process& lingvane);

// Starts with no stored options and an empty record of trhook32's calls.
class TranslatorProgramTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  std::string Log_Path() const { return logDir_ + "\\trhook32.log"; }
  // The recorded calls; InitHooks32's varying window handle is left out.
  std::vector<std::string> Log() const;
  // What the stand-in saw of trhook95 at each of those calls, line for line: "<name> hooks=..
  // game=.. hotkey=.. target=..".
  std::vector<std::string> Trhook95_Notes() const;
  std::string Exe() const { return folder_ + "\\Lingvane.exe"; }
  std::string folder_, logDir_;
};

}  // namespace lingvane_fixture
