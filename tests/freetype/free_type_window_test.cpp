// The free-typing pad on the real main window: entered from the function bar, typed with real
// keys, its buttons clicked with the real pointer, its dialogs (open, save) answered through
// their own controls, the curve's pixels and saved bitmap read back, the hand-off to a stand-in
// word processor and the mail window through a stand-in mail system.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "forms/forms.h"
#include "freetype/free_type_screen.h"
#include "screen_table.h"
#include "shell/commands.h"
#include "services/globals.h"
#include "shell/main_form.h"
#include "services/scaling.h"
#include "services/utilities.h"
#include "services/sounds.h"
#include "shell/startup.h"
#include "testkit/testkit.h"

namespace quillon {
namespace {

void Forms_Pump() { forms::Do_Events(); }
bool Pump_Until(const std::function<bool()>& done,
                std::chrono::milliseconds limit = std::chrono::seconds(10)) {
  return testkit::Wait_Until(done, limit, Forms_Pump);
}
void Pump_For(int ms) { testkit::Pump_For(std::chrono::milliseconds(ms), Forms_Pump); }

forms::Form& Main() { return Form_Quillon(); }
std::string Caption(const char* label) { return Main().Get<forms::Label>(label).Caption(); }

POINT Center_Of(forms::Control& control) {
  RECT r = control.Pixel_Rect();
  POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  ClientToScreen(control.Container_Of()->Container_Hwnd(), &p);
  return p;
}
// A real click; the pad has handled it when this returns.
void Click(forms::Control& control) {
  testkit::Click_At(Center_Of(control), 1, Forms_Pump);
  Pump_For(200);
}

// Saves a picture of the screen when QL_SHOT_DIR names a folder.
void Shot(const std::string& name) {
  char dir[MAX_PATH] = {};
  if (!GetEnvironmentVariableA("QL_SHOT_DIR", dir, sizeof dir)) return;
  Pump_For(300);
  RECT r{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  testkit::Save_Screen_Bitmap(std::string(dir) + "\\" + name + ".bmp", r);
}

// Answers the next file dialog of this process with a file name (or cancels it), from a thread
// timer that runs inside the dialog's own loop.
std::string g_answer;
bool g_cancel = false, g_answered = false;
BOOL CALLBACK Find_Dialog(HWND hwnd, LPARAM found) {
  char cls[64] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid == GetCurrentProcessId() && std::string(cls) == "#32770" && IsWindowVisible(hwnd)) {
    *reinterpret_cast<HWND*>(found) = hwnd;
    return FALSE;
  }
  return TRUE;
}
void CALLBACK Answer_Tick(HWND, UINT, UINT_PTR id, DWORD) {
  HWND dialog = nullptr;
  EnumWindows(Find_Dialog, reinterpret_cast<LPARAM>(&dialog));
  if (!dialog) return;
  KillTimer(nullptr, id);
  g_answered = true;
  if (g_cancel) {
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    return;
  }
  constexpr int kFileNameCombo = 0x47c, kFileNameEdit = 0x480;
  if (!SetDlgItemTextA(dialog, kFileNameCombo, g_answer.c_str()))
    SetDlgItemTextA(dialog, kFileNameEdit, g_answer.c_str());
  PostMessageA(dialog, WM_COMMAND, IDOK, 0);
}
void Answer_Next_Dialog(const std::string& file, bool cancel = false) {
  g_answer = file;
  g_cancel = cancel;
  g_answered = false;
  SetTimer(nullptr, 0, 100, Answer_Tick);
}

void Set_Key(HKEY root, const std::string& key, const std::string& name, const std::string& value) {
  HKEY h;
  ASSERT_EQ(RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &h, nullptr),
            ERROR_SUCCESS);
  RegSetValueExA(h, name.empty() ? nullptr : name.c_str(), 0, REG_SZ,
                 reinterpret_cast<const BYTE*>(value.c_str()), static_cast<DWORD>(value.size() + 1));
  RegCloseKey(h);
}

std::string Windows_Path(const std::string& unix_or_windows) {
  // The build hands Unix paths to the compile definitions: Wine sees them under Z:.
  std::string p = unix_or_windows;
  if (!p.empty() && p[0] == '/') p = "Z:" + p;
  for (char& c : p)
    if (c == '/') c = '\\';
  return p;
}

class Free_Type_Pad : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    folder_ = std::string(temp) + "quillon-free-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder_.c_str(), nullptr);
    Set_Program_Folder(testkit::Tutor_Folder());
    Resource_Library_Path = testkit::Tutor_Folder() + "\\Lib\\artpack.dll";
    forms::Set_Message_Box_Function(
        [this](HWND, const std::string& text, const std::string& title, UINT) {
          boxes.push_back(title + ": " + text);
          return IDOK;
        });
    Set_Exit_Function([] {});
    Sound_Card_Present = false;
    Sound_On = 1;
    BG_Music_On = 0;
    Move_Step_Num = 3;
    forms::Tutor_Settings::Delete_Section("Setting\\Free Type");
    Register_All_Screens();
    Main().Show();
    SetForegroundWindow(Main().Hwnd());
    ASSERT_TRUE(Pump_Until([] { return GetForegroundWindow() == Main().Hwnd(); }));
  }
  void TearDown() override {
    Stop_Current_Exercise(Main());
    if (Form_SendMail().Loaded()) forms::Unload(Form_SendMail());
    forms::Tutor_Settings::Delete_Section("Setting\\Free Type");
    forms::Set_Message_Box_Function({});
    Set_Exit_Function({});
    for (const std::string& f : files_) DeleteFileA(f.c_str());
    RemoveDirectoryA(folder_.c_str());
  }

  void Enter_Pad() {
    Enter_Free_Type(Main());
    ASSERT_TRUE(Pump_Until([] { return Current_Panel == 2 && !Panel_Moving; }));
    SetForegroundWindow(Main().Hwnd());
    Main().Set_Focus();
    Pump_For(50);
  }
  void Type(std::initializer_list<WORD> keys) {
    testkit::Key_Stroke(keys);
    Pump_For(60);
  }
  void Type_Text(const std::string& text) {
    for (char c : text) Type({static_cast<WORD>(VkKeyScanA(c) & 0xFF)});
  }
  std::string File(const std::string& name) {
    files_.push_back(folder_ + "\\" + name);
    return files_.back();
  }

  std::string folder_;
  std::vector<std::string> files_;
  std::vector<std::string> boxes;
};

TEST_F(Free_Type_Pad, EnterStartsTimingRunsFromTheFirstChangeNetOfPausesAndEndDrawsTheCurve) {
  Enter_Pad();
  EXPECT_EQ(Caption("Label_Type_Time"), "");
  EXPECT_FALSE(RichText_Free_Type().Enabled());
  EXPECT_TRUE(Image_Free_Type(Free_Type_Button::Start).Enabled());
  EXPECT_FALSE(Image_Free_Type(Free_Type_Button::Pause).Enabled());
  Shot("free-type-idle");
  // Hovering a button shows its hover look and, after a moment, its tooltip.
  testkit::Mouse_To(Center_Of(Image_Free_Type(Free_Type_Button::Start)), Forms_Pump);
  Pump_For(1200);
  EXPECT_EQ(Image_Free_Type(Free_Type_Button::Start).Tag, "free1");
  Shot("free-type-tooltip");

  // Enter on the page starts an armed run: no line break, no clock yet.
  Type({VK_RETURN});
  ASSERT_TRUE(Exercise_Running);
  EXPECT_EQ(RichText_Free_Type().Text(), "");
  EXPECT_EQ(Caption("Label_Type_Time"), "00:00");
  EXPECT_FALSE(Timer_Free_Type().Enabled());
  EXPECT_TRUE(RichText_Free_Type().Has_Focus());

  Type_Text("abc");
  EXPECT_EQ(Caption("Label_Type_Num"), "3");
  EXPECT_TRUE(Timer_Free_Type().Enabled());
  EXPECT_TRUE(Image_Free_Type(Free_Type_Button::Pause).Enabled());
  Pump_For(1300);
  EXPECT_GE(Speed_Curve_Samples.Upper(), 3);  // samples at 0.5 and 1.0 s, the last one empty
  EXPECT_EQ(Speed_Curve_Samples(Speed_Curve_Samples.Upper()).Minutes, 0.0f);

  // A pause of 1.5 s stops the clock, keeps the text out and does not count.
  Click(Image_Free_Type(Free_Type_Button::Pause));
  ASSERT_TRUE(Free_Type_Paused);
  EXPECT_EQ(Image_Free_Type(Free_Type_Button::Pause).Tool_Tip_Text(), "继续");
  const std::string at_pause = Caption("Label_Type_Time");
  RichText_Free_Type().Set_Focus();
  Type_Text("zz");
  Pump_For(1500);
  EXPECT_EQ(RichText_Free_Type().Text(), "abc");
  EXPECT_EQ(Caption("Label_Type_Time"), at_pause);
  Shot("free-type-paused");
  Click(Image_Free_Type(Free_Type_Button::Pause));
  ASSERT_FALSE(Free_Type_Paused);
  RichText_Free_Type().Set_Focus();
  Type_Text("de");
  Pump_For(1000);
  const double elapsed = (Tick_Count_64() - Free_Type_Start_Tick - Free_Type_Paused_Total) / 1000;
  EXPECT_GE(Free_Type_Paused_Total, 1400);
  EXPECT_LT(elapsed, 3.5);

  // Ctrl+Enter ends: no line break, nothing deleted, the curve shows.
  Type({VK_CONTROL, VK_RETURN});
  ASSERT_TRUE(Pump_Until([] { return !Exercise_Running; }));
  EXPECT_EQ(RichText_Free_Type().Text(), "abcde");
  EXPECT_TRUE(Picture_Draw().Visible());
  EXPECT_FALSE(RichText_Free_Type().Visible());
  EXPECT_TRUE(Image_Free_Type(Free_Type_Button::Save).Enabled());
  EXPECT_EQ(Free_Type_Paused_Total, 0);
  EXPECT_EQ(Main().Get<forms::Label>("Label_Average_Speed").Caption().rfind("平均速度:", 0), 0u);

  // The curve is drawn in blue on the chart, the axes in black.
  HDC dc = Picture_Draw().Surface_Dc();
  int blue = 0, black = 0;
  for (int x = 0; x < 500; ++x)
    for (int y = 0; y < 370; ++y) {
      const COLORREF c = GetPixel(dc, x, y);
      if (c == RGB(0, 0, 255)) ++blue;
      if (c == RGB(0, 0, 0)) ++black;
    }
  EXPECT_GT(blue, 20);
  EXPECT_GT(black, 300);
  // The read-out follows the pointer over the plot.
  POINT in_plot{forms::Twips_To_Pixels_X(3000), forms::Twips_To_Pixels_Y(3000)};
  ClientToScreen(Picture_Draw().Hwnd(), &in_plot);
  testkit::Mouse_To(in_plot, Forms_Pump);
  ASSERT_TRUE(Pump_Until([] { return !Main().Get<forms::Label>("Label_Mouse_Move").Caption().empty(); },
                         std::chrono::seconds(3)));
  EXPECT_EQ(Main().Get<forms::Label>("Label_Mouse_Move").Caption().rfind("打字速度:", 0), 0u);
  Shot("free-type-curve");

  // Saved as a bitmap through the save dialog: a Windows bitmap of the chart's size.
  const std::string bmp = File("curve.bmp");
  Answer_Next_Dialog(bmp);
  Click(Image_PictureDraw_SPC(static_cast<int>(Curve_Button::Save)));
  ASSERT_TRUE(Pump_Until([&] { return testkit::Read_File(bmp).size() > 54; }));
  const std::string bytes = testkit::Read_File(bmp);
  EXPECT_EQ(bytes.substr(0, 2), "BM");
  const auto* info = reinterpret_cast<const BITMAPINFOHEADER*>(bytes.data() + 14);
  EXPECT_EQ(info->biWidth, forms::Twips_To_Pixels_X(7695));
  EXPECT_TRUE(boxes.empty()) << boxes.front();
}

TEST_F(Free_Type_Pad, ScaledByOneAndAHalfTheChartsAxesAndTicksScaleWithTheirLabels) {
  constexpr float kFactor = 1.5f;
  Scale_Form(Main(), kFactor);
  Main().Move(0, 0, Main().Width(), Main().Height());  // all of it on the screen
  Enter_Pad();
  Type({VK_RETURN});
  ASSERT_TRUE(Exercise_Running);
  Type_Text("abcabc");
  Pump_For(1200);
  Type({VK_CONTROL, VK_RETURN});
  ASSERT_TRUE(Pump_Until([] { return !Exercise_Running; }));
  ASSERT_TRUE(Picture_Draw().Visible());
  auto line = [](const char* name, int index = -1) -> forms::Line& {
    return Main().Get<forms::Line>(name, index);
  };
  auto scaled = [&](int twips) { return static_cast<int>(twips * kFactor + 0.5f); };
  // The axes meet in the scaled corner and reach the scaled arrow; the ticks stand under their
  // scaled labels.
  EXPECT_EQ(line("Line_X_Time").X1, scaled(825));
  EXPECT_EQ(line("Line_X_Time").Y1, scaled(4275));
  EXPECT_EQ(line("Line_X_Time").X2, scaled(6300));
  EXPECT_EQ(line("Line_Y_Speed").Y1, scaled(375));
  EXPECT_EQ(line("Line_Arrow_X_Down").X1, scaled(6375));
  for (int i : {0, 9}) {
    EXPECT_EQ(line("Line_X", i).X1, scaled(1350 + 525 * i)) << i;
    EXPECT_EQ(line("Line_X", i).Y2, scaled(4425)) << i;
    EXPECT_NEAR(Main().Get<forms::Label>("Label_X", i).Left(), scaled(1125 + 525 * i), 1) << i;
  }
  EXPECT_EQ(line("Line_Y", 6).Y1, scaled(3750 - 525 * 6));
  // Drawn so: black along the scaled time axis, right up to its scaled end.
  HDC dc = Picture_Draw().Surface_Dc();
  const int axis_y = forms::Twips_To_Pixels_Y(scaled(4275));
  int black = 0;
  const int from = forms::Twips_To_Pixels_X(scaled(1000));
  const int to = forms::Twips_To_Pixels_X(scaled(6200));
  for (int x = from; x < to; ++x) black += GetPixel(dc, x, axis_y) == RGB(0, 0, 0);
  EXPECT_GT(black, forms::Twips_To_Pixels_X(scaled(5000)));
  Shot("free-type-curve-scaled");
  EXPECT_TRUE(boxes.empty()) << boxes.front();
}

TEST_F(Free_Type_Pad, ALoadedFileIsNotCountedAndDeletingEverythingTypedArmsTheClockAfresh) {
  Enter_Pad();
  const std::string text = File("loaded.txt");
  ASSERT_TRUE(testkit::Write_File(text, std::string(100, 'x')));
  Answer_Next_Dialog(text);
  Click(Image_Free_Type(Free_Type_Button::Open));
  ASSERT_TRUE(Pump_Until([] { return Free_Type_Loaded_Length == 100; }));
  EXPECT_FALSE(Image_Free_Type(Free_Type_Button::Open).Enabled());
  EXPECT_EQ(File_Dialog_Folder[1], folder_);

  Click(Image_Free_Type(Free_Type_Button::Start));
  ASSERT_TRUE(Exercise_Running);
  EXPECT_EQ(RichText_Free_Type().Text_Length(), 100);  // the loaded text stays
  Type_Text("hello");
  EXPECT_EQ(Caption("Label_Type_Num"), "5");
  for (int i = 0; i < 6; ++i) Type({VK_BACK});
  EXPECT_EQ(Caption("Label_Type_Num"), "99");

  // A fresh run on the emptied pad forgets the file: deleting all it typed stops the clock.
  Type({VK_CONTROL, VK_RETURN});
  ASSERT_TRUE(Pump_Until([] { return !Exercise_Running; }));
  EXPECT_EQ(Free_Type_Loaded_Length, 0);
  if (Picture_Draw().Visible()) Back_To_Free_Type();
  Click(Image_Free_Type(Free_Type_Button::Start));
  EXPECT_EQ(RichText_Free_Type().Text(), "");
  Type_Text("ab");
  Pump_For(700);
  EXPECT_TRUE(Timer_Free_Type().Enabled());
  Type({VK_BACK});
  Type({VK_BACK});
  EXPECT_FALSE(Timer_Free_Type().Enabled());
  EXPECT_EQ(Caption("Label_Type_Time"), "00:00");
  EXPECT_EQ(Caption("Label_Type_Num"), "0");
  EXPECT_FALSE(Image_Free_Type(Free_Type_Button::Pause).Enabled());
  EXPECT_EQ(Speed_Curve_Samples.Upper(), 1);
  EXPECT_TRUE(Free_Type_Wait_First_Key);

  // Cancelling the dialog changes nothing.
  Type({VK_CONTROL, VK_RETURN});
  ASSERT_TRUE(Pump_Until([] { return !Exercise_Running; }));
  boxes.clear();
  Answer_Next_Dialog(folder_ + "\\missing.txt", true);
  Click(Image_Free_Type(Free_Type_Button::Open));
  EXPECT_TRUE(g_answered);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Free_Type_Pad, AFileThatCannotBeReadIsNamedInOneBoxAndNothingIsLoaded) {
  Enter_Pad();
  for (const char* name : {"held.txt", "held.rtf"}) {
    // There, but held open by another program that shares it with nobody.
    const std::string path = File(name);
    ASSERT_TRUE(testkit::Write_File(path, "never shown"));
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    boxes.clear();
    Answer_Next_Dialog(path);
    Click(Image_Free_Type(Free_Type_Button::Open));
    ASSERT_TRUE(Pump_Until([&] { return !boxes.empty(); })) << name;
    CloseHandle(held);
    EXPECT_TRUE(g_answered);
    ASSERT_EQ(boxes.size(), 1u) << name;
    EXPECT_NE(boxes[0].find("无法读取文件"), std::string::npos) << boxes[0];
    EXPECT_NE(boxes[0].find(path), std::string::npos) << boxes[0];
    EXPECT_EQ(boxes[0].substr(boxes[0].size() - 2), "！") << boxes[0];
    EXPECT_EQ(RichText_Free_Type().Text(), "");
    EXPECT_EQ(Free_Type_Loaded_Length, 0);
    EXPECT_TRUE(Image_Free_Type(Free_Type_Button::Open).Enabled());  // another file may be tried
    EXPECT_FALSE(Exercise_Running);
  }
}

TEST_F(Free_Type_Pad, OptionsForbidPastingWithoutUnlockingAndOpeningFiles) {
  forms::Tutor_Settings::Save("Setting\\Free Type", "Paste", "1");
  forms::Tutor_Settings::Save("Setting\\Free Type", "Open", "1");
  Enter_Pad();
  EXPECT_FALSE(Image_Free_Type(Free_Type_Button::Open).Enabled());
  EXPECT_FALSE(RichText_Free_Type().Auto_Verb_Menu());
  // Something to paste on the clipboard.
  ASSERT_TRUE(OpenClipboard(Main().Hwnd()));
  EmptyClipboard();
  HGLOBAL g = GlobalAlloc(GMEM_MOVEABLE, 8);
  memcpy(GlobalLock(g), "PASTED", 7);
  GlobalUnlock(g);
  SetClipboardData(CF_TEXT, g);
  CloseClipboard();

  Type({VK_RETURN});
  Type_Text("ab");
  Type({VK_CONTROL, 'V'});
  Type({VK_SHIFT, VK_INSERT});
  EXPECT_EQ(RichText_Free_Type().Text(), "ab");
  // Paused, a plain key after a paste key does not make the pad editable again.
  Click(Image_Free_Type(Free_Type_Button::Pause));
  RichText_Free_Type().Set_Focus();
  Type({VK_CONTROL, 'V'});
  Type_Text("c");
  EXPECT_EQ(RichText_Free_Type().Text(), "ab");
  EXPECT_TRUE(RichText_Free_Type().Locked());
  Click(Image_Free_Type(Free_Type_Button::End));
  ASSERT_FALSE(Exercise_Running);
  EXPECT_FALSE(Image_Free_Type(Free_Type_Button::Open).Enabled());
  EXPECT_EQ(Image_Free_Type(Free_Type_Button::Pause).Tool_Tip_Text(), "暂停");
}

TEST_F(Free_Type_Pad, SavingWritesRtfForDocAndRtfAndPlainTextOtherwise) {
  Enter_Pad();
  Type({VK_RETURN});
  Type_Text("save me");
  Pump_For(1100);
  Type({VK_CONTROL, VK_RETURN});
  ASSERT_TRUE(Pump_Until([] { return !Exercise_Running; }));
  Back_To_Free_Type();
  const struct {
    const char* name;
    bool rtf;
  } rows[] = {{"a.DOC", true}, {"b.Rtf", true}, {"c.txt", false}, {"d", false}};
  for (const auto& r : rows) {
    const std::string path = File(r.name);
    Answer_Next_Dialog(path);
    Click(Image_Free_Type(Free_Type_Button::Save));
    ASSERT_TRUE(Pump_Until([&] { return !testkit::Read_File(path).empty(); })) << r.name;
    const std::string bytes = testkit::Read_File(path);
    EXPECT_EQ(bytes.rfind("{\\rtf", 0) == 0, r.rtf) << r.name;
    if (!r.rtf) EXPECT_EQ(bytes, "save me") << r.name;
    else EXPECT_NE(bytes.find("save me"), std::string::npos) << r.name;
  }
  EXPECT_EQ(File_Dialog_Folder[2], folder_);
  // Cancelling changes nothing and says nothing.
  Answer_Next_Dialog("", true);
  Click(Image_Free_Type(Free_Type_Button::Save));
  EXPECT_TRUE(g_answered);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Free_Type_Pad, SendPanelHandsAQuotedCopyToTheRegisteredWordProcessor) {
  const std::string viewer = Windows_Path(QL_DOCVIEWER);
  const std::string log = viewer.substr(0, viewer.rfind('\\')) + "\\docviewer.log";
  DeleteFileA(log.c_str());
  Set_Key(HKEY_CLASSES_ROOT, "ScriboraFile\\DefaultIcon", "", viewer + ",1");
  Enter_Pad();
  Type({VK_RETURN});
  Type_Text("hand off");
  Pump_For(1100);
  Type({VK_CONTROL, VK_RETURN});
  ASSERT_TRUE(Pump_Until([] { return !Exercise_Running; }));
  Click(Image_Free_Type(Free_Type_Button::Send_Panel));
  ASSERT_TRUE(Picture_BG_Send().Visible());
  EXPECT_TRUE(Image_Free_Type(Free_Type_Button::Scribora).Enabled());
  Shot("free-type-send-panel");
  Click(Image_Free_Type(Free_Type_Button::Scribora));
  ASSERT_TRUE(Pump_Until([&] { return !testkit::Read_Lines(log).empty(); }, std::chrono::seconds(20)));
  const std::string line = testkit::Read_Lines(log).front();
  EXPECT_NE(line.find("\"" + Free_Type_Temp_File + "\""), std::string::npos) << line;
  EXPECT_EQ(Free_Type_Temp_File.substr(Free_Type_Temp_File.size() - 4), ".rtf");
  EXPECT_NE(testkit::Read_File(Free_Type_Temp_File).find("hand off"), std::string::npos);
  EXPECT_TRUE(Picture_BG_Send().Visible());  // hand-offs leave the panel open
  if (DWORD pid = Last_Hand_Off_Process_Id()) {
    HANDLE p = OpenProcess(PROCESS_TERMINATE, FALSE, pid);
    if (p) TerminateProcess(p, 0), CloseHandle(p);
  }
  files_.push_back(Free_Type_Temp_File);
  RegDeleteKeyA(HKEY_CLASSES_ROOT, "ScriboraFile\\DefaultIcon");
  RegDeleteKeyA(HKEY_CLASSES_ROOT, "ScriboraFile");
  // Without it registered the button is disabled the next time the panel opens.
  Click(Image_Free_Type(Free_Type_Button::Close_Send));
  EXPECT_TRUE(Picture_Draw().Visible());
  Click(Image_Free_Type(Free_Type_Button::Send_Panel));
  EXPECT_FALSE(Image_Free_Type(Free_Type_Button::Scribora).Enabled());
}

class Mail_Window : public Free_Type_Pad {
 protected:
  void SetUp() override {
    Free_Type_Pad::SetUp();
    const std::string dll = Windows_Path(QL_MAIL_STANDIN);
    log_ = dll.substr(0, dll.rfind('\\')) + "\\qlmail.log";
    refuse_ = dll.substr(0, dll.rfind('\\')) + "\\qlmail.refuse";
    DeleteFileA(log_.c_str());
    DeleteFileA(refuse_.c_str());
    Set_Key(HKEY_LOCAL_MACHINE, "Software\\Clients\\Mail", "", "Quillon Test Mail");
    Set_Key(HKEY_LOCAL_MACHINE, "Software\\Clients\\Mail\\Quillon Test Mail", "DLLPath", dll);
    Set_Key(HKEY_LOCAL_MACHINE, "Software\\Clients\\Mail\\Quillon Test Mail", "DLLPathEx", dll);
    Enter_Pad();
    Type({VK_RETURN});
    Type_Text("mail me");
    Pump_For(1100);
    Type({VK_CONTROL, VK_RETURN});
    ASSERT_TRUE(Pump_Until([] { return !Exercise_Running; }));
    Click(Image_Free_Type(Free_Type_Button::Send_Panel));
    Click(Image_Free_Type(Free_Type_Button::Mail));
    ASSERT_TRUE(Pump_Until([] { return Form_SendMail().Visible(); }));
    files_.push_back(Free_Type_Temp_File);
  }
  void TearDown() override {
    DeleteFileA(refuse_.c_str());
    Free_Type_Pad::TearDown();
  }
  forms::Rich_Text_Box& Box(int i) { return Form_SendMail().Get<forms::Rich_Text_Box>("RichText_Name", i); }
  std::string log_, refuse_;
};

TEST_F(Mail_Window, EachRecipientGetsAMessageOfItsOwnWithTheAttachment) {
  EXPECT_EQ(Main().Window_State(), 1);
  EXPECT_EQ(Box(2).Text(), Free_Type_Temp_File);
  EXPECT_EQ(Box(4).Text(), "自由录入文档已作该邮件的附件。");
  Shot("free-type-mail");
  // No recipients: the No Address box, no sign-on.
  Form_SendMail().Get<forms::Option_Picture>("Option_Click", 4).Set_Value(true);
  Box(0).Set_Focus();
  Type({VK_CONTROL, 'Y'});
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0], "No Address: 没有收件人邮件地址！");
  EXPECT_TRUE(testkit::Read_Lines(log_).empty());

  Box(0).Set_Text("a@x.cn; b@x.cn,c@x.cn;");
  Box(5).Set_Text("d@x.cn");
  Box(3).Set_Text("练习");
  Type({VK_CONTROL, 'Y'});
  ASSERT_TRUE(Pump_Until([] { return !Form_SendMail().Loaded() || !Form_SendMail().Visible(); }));
  const std::vector<std::string> lines = testkit::Read_Lines(log_);
  std::vector<std::string> to;
  int attachments = 0;
  for (const std::string& l : lines) {
    if (l.rfind("to ", 0) == 0) to.push_back(l);
    if (l.rfind("attachment ", 0) == 0 && l.find("present") != std::string::npos) ++attachments;
  }
  EXPECT_EQ(to, (std::vector<std::string>{"to 1 a@x.cn", "to 1 b@x.cn", "to 1 c@x.cn", "to 1 d@x.cn"}));
  EXPECT_EQ(attachments, 4);
  EXPECT_EQ(lines.front().rfind("logon ", 0), 0u);
  EXPECT_NE(lines.front().find("download 0"), std::string::npos);
  EXPECT_EQ(lines.back().rfind("logoff ", 0), 0u);
  EXPECT_TRUE(Pump_Until([] { return Main().Window_State() == 0; }));
}

TEST_F(Mail_Window, AFailedEntryStopsItsListAndARefusedSignOnSaysSo) {
  Box(0).Set_Text("a@x.cn;;b@x.cn");
  Box(0).Set_Focus();
  Type({VK_CONTROL, 'Y'});
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].rfind("错误: ", 0), 0u) << boxes[0];
  EXPECT_TRUE(Form_SendMail().Visible());  // the list failed: the window stays
  int sent = 0;
  for (const std::string& l : testkit::Read_Lines(log_)) sent += l.rfind("to ", 0) == 0;
  EXPECT_EQ(sent, 1);

  boxes.clear();
  ASSERT_TRUE(testkit::Write_File(refuse_, "1"));
  Type({VK_CONTROL, 'Y'});
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].rfind("无法发送邮件: Sorry，您的计算机系统无法遵循 MAPI 协议发送邮件！\r\r", 0), 0u)
      << boxes[0];
  // Ctrl+N closes and brings the main window back.
  Type({VK_CONTROL, 'N'});
  ASSERT_TRUE(Pump_Until([] { return !Form_SendMail().Visible(); }));
  EXPECT_TRUE(Pump_Until([] { return Main().Window_State() == 0; }));
}

// Chinese names, subject and note, typed as keyboard characters or handed over by the input
// method, read back from the boxes and reach the mail system in code page 936.
TEST_F(Mail_Window, ChineseTypedIntoEveryBoxIsSentAsTyped) {
  struct Entry {
    int box;
    const char* text;
    bool input_method;
  } entries[] = {{0, "张三", false}, {1, "李四", true}, {5, "王五", false},
                 {3, "练习报告", true}, {4, "谢谢您", false}};
  for (const Entry& e : entries) {
    SCOPED_TRACE(e.text);
    forms::Rich_Text_Box& box = Box(e.box);
    box.Set_Focus();
    box.Select(0, box.Text_Length());
    ASSERT_TRUE(Pump_Until([&] { return GetFocus() == box.Hwnd(); }));
    if (e.input_method) {
      for (WPARAM code : testkit::Double_Byte_Codes(e.text))
        PostMessageA(box.Hwnd(), WM_IME_CHAR, code, 1);
    } else {
      testkit::Type_Characters(e.text);
    }
    Pump_Until([&] { return box.Text() == e.text; });
    EXPECT_EQ(box.Text(), e.text);
  }
  Shot("free-type-mail-chinese");
  Type({VK_CONTROL, 'Y'});
  ASSERT_TRUE(Pump_Until([] { return !Form_SendMail().Loaded() || !Form_SendMail().Visible(); }));
  std::vector<std::string> to, subjects, notes;
  for (const std::string& l : testkit::Read_Lines(log_)) {
    if (l.rfind("to ", 0) == 0) to.push_back(l);
    if (l.rfind("subject ", 0) == 0) subjects.push_back(l);
    if (l.rfind("note ", 0) == 0) notes.push_back(l);
  }
  EXPECT_EQ(to, (std::vector<std::string>{"to 1 张三", "to 1 李四", "to 1 王五"}));
  EXPECT_EQ(subjects, std::vector<std::string>(3, "subject 练习报告"));
  EXPECT_EQ(notes, std::vector<std::string>(3, "note 谢谢您"));
}

TEST_F(Mail_Window, ResizingReLaysTheControlsInProportionWithoutDrift) {
  forms::Form& mail = Form_SendMail();
  forms::Control& to = Box(0);
  const int left = to.Left(), width = to.Width(), top = to.Top();
  const int w0 = mail.Width(), h0 = mail.Height();
  mail.Move(mail.Left(), mail.Top(), w0 * 3 / 2, h0);
  Pump_For(200);
  const double xr = static_cast<double>(mail.Width()) / w0;
  ASSERT_GT(xr, 1.3);
  EXPECT_NEAR(to.Left(), left * xr, 20);
  EXPECT_NEAR(to.Width(), width * xr, 20);
  EXPECT_NEAR(to.Top(), top, 20);
  Shot("free-type-mail-wide");
  mail.Move(mail.Left(), mail.Top(), w0, h0);
  Pump_For(200);
  EXPECT_NEAR(to.Left(), left, 15);
  EXPECT_NEAR(to.Width(), width, 15);
}

}  // namespace
}  // namespace quillon

namespace quillon {
namespace {

// This desktop has no printer: both prints say so in their own words, and a coefficient that is
// not a number is refused before any printer is asked.
TEST_F(Free_Type_Pad, PrintingWithoutAPrinterOrWithABadCoefficientSaysSo) {
  if (!forms::Default_Printer_Name().empty()) GTEST_SKIP() << "a printer is installed here";
  Enter_Pad();
  Type({VK_RETURN});
  Type_Text("print me");
  Pump_For(1100);
  Type({VK_CONTROL, VK_RETURN});
  ASSERT_TRUE(Pump_Until([] { return !Exercise_Running; }));
  const struct {
    const char* coefficient;
    const char* box;
  } rows[] = {{"2", "错误: Printer error!"}, {"x2", "错误: Type mismatch!"}};
  for (const auto& r : rows) {
    boxes.clear();
    forms::Tutor_Settings::Save("Setting\\Free Type", "PaintPicture Coefficient", r.coefficient);
    Click(Image_PictureDraw_SPC(static_cast<int>(Curve_Button::Print)));
    ASSERT_EQ(boxes.size(), 1u) << r.coefficient;
    EXPECT_EQ(boxes[0], r.box);
  }
  boxes.clear();
  Click(Image_Free_Type(Free_Type_Button::Send_Panel));
  Click(Image_Free_Type(Free_Type_Button::Print));
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0], "无法打印: Printer error !");
  EXPECT_TRUE(Picture_BG_Send().Visible());  // nothing printed: the panel stays
}

}  // namespace
}  // namespace quillon
