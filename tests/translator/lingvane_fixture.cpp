#include "lingvane_fixture.h"

#include <commctrl.h>

#include <cstring>
#include <fstream>

namespace lingvane_fixture {

const char kOptionKey[] = "Software\\Larkmoor\\Lingvane\\Option";
const char kTitle[] = "青岚墨译";

Values Read_Options() {
  Values values;
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kOptionKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return values;
  }
  for (DWORD i = 0;; ++i) {
    char name[128];
    BYTE data[512] = {};
    DWORD nameSize = sizeof name, dataSize = sizeof data - 1, type = 0;
    if (RegEnumValueA(key, i, name, &nameSize, nullptr, &type, data, &dataSize) != ERROR_SUCCESS)
      break;
    values[name] = type == REG_DWORD
                       ? "n:" + std::to_string(static_cast<int>(*reinterpret_cast<DWORD*>(data)))
                       : "s:" + std::string(reinterpret_cast<char*>(data));
  }
  RegCloseKey(key);
  return values;
}

void Write_Number(const char* name, int value) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kOptionKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                            nullptr),
            ERROR_SUCCESS);
  DWORD v = static_cast<DWORD>(value);
  RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<BYTE*>(&v), sizeof v);
  RegCloseKey(key);
}

void Write_Text(const char* name, const char* text) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kOptionKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                            nullptr),
            ERROR_SUCCESS);
  RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                 static_cast<DWORD>(strlen(text) + 1));
  RegCloseKey(key);
}

namespace {

struct Found {
  DWORD notPid;
  const char* cls;
  const char* title;
  DWORD pid;
  HWND hwnd;
};

BOOL CALLBACK Match(HWND hwnd, LPARAM lp) {
  auto* f = reinterpret_cast<Found*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  char cls[64] = {}, title[128] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  GetWindowTextA(hwnd, title, sizeof title);
  bool pidOk = f->pid ? pid == f->pid : pid != f->notPid && pid != GetCurrentProcessId();
  if (pidOk && IsWindowVisible(hwnd) && (!f->cls || f->cls == std::string(cls)) &&
      (!f->title || f->title == std::string(title))) {
    f->hwnd = hwnd;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND Find(DWORD pid, const char* cls, const char* title, DWORD notPid) {
  Found f{notPid, cls, title, pid, nullptr};
  EnumWindows(Match, reinterpret_cast<LPARAM>(&f));
  return f.hwnd;
}

namespace {

struct Splash_Search {
  DWORD pid;
  HWND hwnd;
};

BOOL CALLBACK Match_Splash(HWND hwnd, LPARAM lp) {
  auto* s = reinterpret_cast<Splash_Search*>(lp);
  DWORD owner = 0;
  GetWindowThreadProcessId(hwnd, &owner);
  char cls[64] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  if (owner == s->pid && IsWindowVisible(hwnd) && GetWindowTextLengthA(hwnd) == 0 &&
      lstrcmpiA(cls, TOOLTIPS_CLASSA) != 0) {
    s->hwnd = hwnd;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND Find_Splash(DWORD pid) {
  Splash_Search search{pid, nullptr};
  EnumWindows(Match_Splash, reinterpret_cast<LPARAM>(&search));
  return search.hwnd;
}

HWND Wait_Bar(const testkit::Process& lingvane) {
  HWND bar = nullptr;
  testkit::Wait_Until([&] { return (bar = Find(lingvane.Id(), nullptr, kTitle)) != nullptr; });
  return bar;
}

void TranslatorProgramTest::SetUp() {
  folder_ = testkit::Translator_Folder();
  testkit::Delete_User_Key("Software\\Larkmoor\\Lingvane");
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  logDir_ = std::string(temp) + "lingvane-test-" + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(logDir_.c_str(), nullptr);
  DeleteFileA(Log_Path().c_str());
  DeleteFileA((logDir_ + "\\trhook95-state.log").c_str());
  SetEnvironmentVariableA("TRHOOK32_LOG_DIR", logDir_.c_str());
}

void TranslatorProgramTest::TearDown() {
  SetEnvironmentVariableA("TRHOOK32_LOG_DIR", nullptr);
  SetEnvironmentVariableA("TRHOOK32_FAIL_INIT", nullptr);
  DeleteFileA(Log_Path().c_str());
  DeleteFileA((logDir_ + "\\trhook95-state.log").c_str());
  RemoveDirectoryA(logDir_.c_str());
  testkit::Delete_User_Key("Software\\Larkmoor\\Lingvane");
}

namespace {

std::vector<std::string> Lines_Of(const std::string& path) { return testkit::Read_Lines(path); }

}  // namespace

std::vector<std::string> TranslatorProgramTest::Log() const {
  std::vector<std::string> lines = Lines_Of(Log_Path());
  for (std::string& line : lines) {
    if (line.rfind("InitHooks32 ", 0) == 0) line = "InitHooks32";
  }
  return lines;
}

std::vector<std::string> TranslatorProgramTest::Trhook95_Notes() const {
  return Lines_Of(logDir_ + "\\trhook95-state.log");
}

}  // namespace lingvane_fixture
