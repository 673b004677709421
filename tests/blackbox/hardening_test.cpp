// The real tutor started where its files or settings are in a bad state: one clear box and a
// clean end, or the default, never a blank window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testkit/testkit.h"

namespace {

const char kTitle[] = "青岚键坊";

// The text of a message box's label.
std::string Box_Text(HWND box) {
  char text[512] = {};
  HWND label = FindWindowExA(box, nullptr, "Static", nullptr);
  while (label && !GetWindowTextA(label, text, sizeof text))
    label = FindWindowExA(box, label, "Static", nullptr);
  return text;
}

struct Window_List {
  DWORD pid;
  std::vector<HWND> found;
};

BOOL CALLBACK Add_Window_Of(HWND window, LPARAM data) {
  auto* list = reinterpret_cast<Window_List*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == list->pid && IsWindowVisible(window)) list->found.push_back(window);
  return TRUE;
}

// Every visible top-level window of the process.
std::vector<HWND> Windows_Of(DWORD pid) {
  Window_List list{pid, {}};
  EnumWindows(Add_Window_Of, reinterpret_cast<LPARAM>(&list));
  return list.found;
}

// Waits for the one box the start-up shows, checks that nothing else of the program is on the
// screen, answers it and waits for the end.
void Expect_One_Box_Then_The_End(HANDLE process, DWORD pid, const char* title,
                                 const std::string& text) {
  HWND box = nullptr;
  ASSERT_TRUE(testkit::Wait_Until([&] { return (box = testkit::Find_Window_Of(pid, title)); }));
  EXPECT_EQ(Box_Text(box), text);
  Sleep(300);
  EXPECT_EQ(Windows_Of(pid), std::vector<HWND>{box});  // no splash, no main window
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(WaitForSingleObject(process, 20000), WAIT_OBJECT_0);
}

TEST(TutorHardening, ADamagedResourceLibraryIsReportedAndTheStartEnds) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "quillon-damaged-lib";
  CreateDirectoryA(folder.c_str(), nullptr);
  CreateDirectoryA((folder + "\\Lib").c_str(), nullptr);
  ASSERT_TRUE(CopyFileA((testkit::Tutor_Folder() + "\\Quillon.exe").c_str(),
                        (folder + "\\Quillon.exe").c_str(), FALSE));
  for (const char* bytes : {"", "MZ not a library"}) {
    ASSERT_TRUE(testkit::Write_File(folder + "\\Lib\\artpack.dll", bytes));
    testkit::Process tutor(folder + "\\Quillon.exe", "", folder);
    ASSERT_TRUE(tutor.Started());
    {
      SCOPED_TRACE(bytes);
      HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, tutor.Id());
      Expect_One_Box_Then_The_End(process, tutor.Id(), "严重错误", "Damaged artpack.dll !!!");
      CloseHandle(process);
    }
  }
  for (const char* file : {"\\Lib\\artpack.dll", "\\Quillon.exe", "\\index.txt"})
    DeleteFileA((folder + file).c_str());
  RemoveDirectoryA((folder + "\\Lib").c_str());
  RemoveDirectoryA(folder.c_str());
}

// A program folder under the temporary folder, `depth` characters long (about), made of
// components of `part`; the tutor copied into it. Removed with everything in it when destroyed.
class Deep_Folder {
 public:
  Deep_Folder(const std::wstring& part, size_t depth) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    std::wstring folder = std::wstring(temp) + L"quillon-deep";
    CreateDirectoryW(folder.c_str(), nullptr);
    made_.push_back(folder);
    while (folder.size() + part.size() + 1 <= depth) {
      folder += L"\\" + part;
      CreateDirectoryW(folder.c_str(), nullptr);
      made_.push_back(folder);
    }
    folder_ = folder;
    exe_ = folder + L"\\Quillon.exe";
    CreateDirectoryW((folder + L"\\Lib").c_str(), nullptr);
    copied_ = Copy("\\Quillon.exe") && Copy("\\Lib\\artpack.dll");
  }
  ~Deep_Folder() {
    if (info_.hProcess) {
      if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(info_.hProcess, 99);
        WaitForSingleObject(info_.hProcess, 5000);
      }
      CloseHandle(info_.hThread);
      CloseHandle(info_.hProcess);
    }
    DeleteFileW(exe_.c_str());
    DeleteFileW((folder_ + L"\\index.txt").c_str());
    DeleteFileW((folder_ + L"\\Lib\\artpack.dll").c_str());
    RemoveDirectoryW((folder_ + L"\\Lib").c_str());
    for (auto it = made_.rbegin(); it != made_.rend(); ++it) RemoveDirectoryW(it->c_str());
  }
  // Starts the copy; false when it was not copied or does not start.
  bool Start() {
    if (!copied_) return false;
    STARTUPINFOW si{};
    si.cb = sizeof si;
    std::wstring command = L"\"" + exe_ + L"\"";
    return CreateProcessW(exe_.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder_.c_str(), &si, &info_) != FALSE;
  }
  // Copies a file of the built tutor to the same place under this folder.
  bool Copy(const std::string& relative) {
    wchar_t source[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, (testkit::Tutor_Folder() + relative).c_str(), -1, source,
                        MAX_PATH);
    wchar_t name[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, relative.c_str(), -1, name, MAX_PATH);
    return CopyFileW(source, (folder_ + name).c_str(), FALSE) != FALSE;
  }
  size_t Characters() const { return folder_.size(); }
  size_t Bytes() const {
    return static_cast<size_t>(
        WideCharToMultiByte(CP_ACP, 0, folder_.c_str(), -1, nullptr, 0, nullptr, nullptr) - 1);
  }
  const PROCESS_INFORMATION& Info() const { return info_; }

 private:
  std::vector<std::wstring> made_;
  std::wstring folder_, exe_;
  bool copied_ = false;
  PROCESS_INFORMATION info_{};
};

TEST(TutorHardening, AFolderOfChineseNamesLongerThanThePathLimitInBytesStartsAsUsual) {
  // About 290 bytes, but fewer than 200 characters: every path the tutor makes fits.
  Deep_Folder deep(L"练习文件夹练习文件夹练习文件夹练习文件夹", 180);
  ASSERT_GT(deep.Bytes(), 280u);
  ASSERT_LT(deep.Characters(), 200u);
  ASSERT_TRUE(deep.Start()) << GetLastError();
  HWND main = nullptr;
  ASSERT_TRUE(testkit::Wait_Until(
      [&] { return (main = testkit::Find_Window_Of(deep.Info().dwProcessId, kTitle)); }));
  EXPECT_FALSE(testkit::Find_Window_Of(deep.Info().dwProcessId, "错误"));
  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForSingleObject(deep.Info().hProcess, 20000), WAIT_OBJECT_0);
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(deep.Info().hProcess, &code);
  EXPECT_EQ(code, 0u);
  testkit::Empty_Sound_Output();
}

TEST(TutorHardening, AProgramFolderTooLongForItsFilesGivesOneBoxAndNothingElse) {
  // Long enough that the tutor's own files would not fit under it, short enough to start from.
  Deep_Folder deep(std::wstring(40, L'd'), 240);
  ASSERT_GT(deep.Characters(), 220u);
  ASSERT_TRUE(deep.Start()) << GetLastError();
  Expect_One_Box_Then_The_End(deep.Info().hProcess, deep.Info().dwProcessId, "错误",
                              "程序文件夹的路径太长，请把程序放到路径较短的文件夹中！");
}

TEST(TutorHardening, AnOverlongCloseKeySettingReadsAsItsDefault) {
  // A "Shift" of ten thousand digits for the close key: F12 still ends the tutor.
  const std::string section = "Software\\Larkmoor\\QL\\Setting\\System\\Close System";
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, section.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &key, nullptr),
            ERROR_SUCCESS);
  const std::string shift(10000, '9');
  RegSetValueExA(key, "Shift", 0, REG_SZ, reinterpret_cast<const BYTE*>(shift.c_str()),
                 static_cast<DWORD>(shift.size() + 1));
  RegCloseKey(key);

  testkit::Process tutor(testkit::Tutor_Folder() + "\\Quillon.exe", "", testkit::Tutor_Folder());
  HWND main = nullptr;
  ASSERT_TRUE(testkit::Wait_Until([&] { return (main = testkit::Find_Window_Of(tutor.Id(), kTitle)); }));
  SetForegroundWindow(main);
  ASSERT_TRUE(testkit::Wait_Until([&] { return GetForegroundWindow() == main; }));
  INPUT keys[2] = {};
  keys[0].type = keys[1].type = INPUT_KEYBOARD;
  keys[0].ki.wVk = keys[1].ki.wVk = VK_F12;
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, keys, sizeof(INPUT));
  EXPECT_EQ(tutor.Wait_Exit(), 0u);
  testkit::Empty_Sound_Output();

  if (RegOpenKeyExA(HKEY_CURRENT_USER, section.c_str(), 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
    RegDeleteValueA(key, "Shift");
    RegCloseKey(key);
  }
}

}  // namespace
