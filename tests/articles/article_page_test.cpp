// The article course on the real main window, opened from its menus with fixture articles:
// the layouts driven with real keys (Chinese characters as an input method hands them over),
// the end of a text with its three answers and the last article, the stored progress with the
// remember flag 1 and 0, and broken articles, stale positions and bad options.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "courses/article_files.h"
#include "courses/article_page.h"
#include "forms/forms.h"
#include "screen_table.h"
#include "services/globals.h"
#include "services/picture_boxes.h"
#include "services/program_folder.h"
#include "services/sounds.h"
#include "shell/commands.h"
#include "shell/main_form.h"
#include "shell/standins.h"
#include "shell/startup.h"
#include "testkit/course_seams.h"
#include "testkit/testkit.h"

namespace quillon {
namespace {

const char kEnglish[] = "Setting\\English\\Article";
const char kEnglishRemember[] = "Setting\\English\\Article\\Remember";
const char kPinYin[] = "Setting\\Chinese\\PinYin";
const char kPinYinRemember[] = "Setting\\Chinese\\PinYin\\Remember";
const char kWubi[] = "Setting\\Chinese\\Wubi";
const char kWubiRemember[] = "Setting\\Chinese\\Wubi\\Remember";
const char kArticle[] = "Setting\\Article";
const char kTextLen[] = "Setting\\Article\\Remember\\TextLen Index";
const char kLession[] = "Setting\\Article\\Remember\\Lession Index";
const char kLastLines[] = "Setting\\Article\\Remember\\Last Lines Char Num";
const char* const kSections[] = {kEnglish, kEnglishRemember, kPinYin, kPinYinRemember, kWubi,
                                 kWubiRemember, kArticle, kTextLen, kLession, kLastLines};

// English category 5: article 1 "ab", line break, "cd"; article 2 "xy"; nothing after.
const char kEnglish1[] = "ab\r\ncd\r\n";
const char kEnglish2[] = "xy\r\n";
// Chinese category 5: 人之 / 初 and 性本善.
const char kChinese1[] = "\xC8\xCB\xD6\xAE\r\n\xB3\xF5\r\n";
const char kChinese2[] = "\xD0\xD4\xB1\xBE\xC9\xC6\r\n";
const char kRen[] = "\xC8\xCB", kZhi[] = "\xD6\xAE", kChu[] = "\xB3\xF5", kXing[] = "\xD0\xD4";

int Preset_Retry_Answer = 0;
std::vector<Picture_Box_Kind> Shown_Boxes;

forms::Form& Main() { return Form_Quillon(); }
forms::Rich_Text_Box& Box(const char* name) { return Main().Get<forms::Rich_Text_Box>(name); }
forms::Rich_Text_Box& Source() { return Box("RichText_Article_Source"); }
forms::Rich_Text_Box& User() { return Box("RichText_Article_User"); }
std::string Caption(const char* name, int index = -1) {
  return Main().Get<forms::Label>(name, index).Caption();
}
std::string Stored(const char* section, const char* name) {
  return forms::Tutor_Settings::Get(section, name, "(none)");
}
void Store(const char* section, const char* name, const std::string& value) {
  forms::Tutor_Settings::Save(section, name, value);
}

void Shot_Main(const std::string& name) { Save_Window_Shot(Main().Hwnd(), name); }

class Article_Page : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    folder_ = std::string(temp) + "quillon-articles-" + std::to_string(GetCurrentProcessId());
    for (const char* sub : {"", "\\English", "\\English\\Article", "\\English\\Article\\5",
                            "\\Chinese", "\\Chinese\\Article", "\\Chinese\\Article\\5"})
      CreateDirectoryA((folder_ + sub).c_str(), nullptr);
    Write("English", 1, kEnglish1);
    Write("English", 2, kEnglish2);
    Write("Chinese", 1, kChinese1);
    Write("Chinese", 2, kChinese2);
    Install_Course_Seams(folder_, errors, beeps);
    Preset_Retry_Answer = 0;
    Shown_Boxes.clear();
    Set_Picture_Box_Function([](Picture_Box_Kind kind) {
      Shown_Boxes.push_back(kind);
      if (kind == Picture_Box_Kind::YesRetryNo) Retry_Dialog_Answer = Preset_Retry_Answer;
    });
    for (const char* s : kSections) forms::Tutor_Settings::Delete_Section(s);
    Register_All_Screens();
    Main().Show();
    SetForegroundWindow(Main().Hwnd());
    ASSERT_TRUE(Pump_Until([] { return GetForegroundWindow() == Main().Hwnd(); }));
  }
  void TearDown() override {
    Stop_Current_Exercise(Main());
    Remove_Course_Seams();
    for (const char* s : kSections) forms::Tutor_Settings::Delete_Section(s);
    for (const std::string& f : written_) DeleteFileA(f.c_str());
    for (const char* sub : {"\\English\\Article\\5", "\\English\\Article", "\\English",
                            "\\Chinese\\Article\\5", "\\Chinese\\Article", "\\Chinese", ""})
      RemoveDirectoryA((folder_ + sub).c_str());
  }
  void Write(const char* language, int number, const std::string& bytes) {
    const std::string path = folder_ + "\\" + language + "\\Article\\5\\" +
                             std::to_string(number) + ".txt";
    ASSERT_TRUE(testkit::Write_File(path, bytes)) << path;
    written_.push_back(path);
  }
  void Open(Menu_Entry item) {
    Do_Menu_Item(Main(), item);
    ASSERT_TRUE(Pump_Until([] { return Current_Panel != kNone && !Panel_Moving; }));
    SetForegroundWindow(Main().Hwnd());
    Pump_For(50);
  }
  void Open_English() { Open(English_Type_Item::Article); }
  void Open_PinYin() { Open(Chinese_Type_Item::PinYin); }
  // Waits until the end of the text has been handled (the answer box or Form_Yes shown).
  void Wait_For_Box(size_t count) {
    ASSERT_TRUE(Pump_Until([&] { return Shown_Boxes.size() >= count; })) << "no box";
    Pump_For(50);
  }

  std::string folder_;
  std::vector<std::string> written_;
  std::vector<std::string> errors;
  int beeps = 0;
};

// ================= Layout 0 =================

TEST_F(Article_Page, LayoutZeroJudgesEachKeyAndRemembersEachLineBreak) {
  Open_English();
  EXPECT_EQ(Current_Panel, Number(Panel_Id::Article));
  EXPECT_EQ(Current_Type_Method, 0);
  EXPECT_EQ(Source().Text(), "ab\r\ncd");
  EXPECT_EQ(Source().Sel_Start(), 0);
  EXPECT_EQ(Source().Sel_Length(), 1);
  EXPECT_EQ(Caption("Label_Article_Course_Name"), "课程1");
  EXPECT_EQ(Caption("Label_Article_Process_Speed", 1), "0.00%");
  EXPECT_EQ(Caption("Label_Article_Right_or_Wrong_Rate"), "");
  EXPECT_EQ(Main().Get<forms::Label>("Label_Article_Process_Speed", 0).Width(), 0);
  EXPECT_TRUE(Main_Timer("Timer_Check").Enabled());
  EXPECT_TRUE(User().Enabled());
  EXPECT_EQ(User().Tool_Tip_Text(), "用户区，行末回车换行");

  Type_Shifted('A');  // wrong: red, the error sound
  EXPECT_EQ(beeps, 1);
  EXPECT_EQ(Character_Color(User(), 0), RGB(255, 0, 0));
  EXPECT_EQ(Caption("Label_Article_Right_or_Wrong_Rate"), "0.00%");
  EXPECT_EQ(Source().Sel_Start(), 1);
  Type_Key(VK_BACK);  // taken back
  EXPECT_EQ(User().Text(), "");
  EXPECT_EQ(Source().Sel_Start(), 0);
  EXPECT_EQ(Caption("Label_Article_Process_Speed", 1), "0.00%");
  Type_Key('A');
  EXPECT_EQ(User().Text(), "a");
  EXPECT_EQ(Character_Color(User(), 0), RGB(0, 0, 0));
  EXPECT_EQ(Caption("Label_Article_Process_Speed", 1), "16.67%");
  EXPECT_EQ(Caption("Label_Article_Right_or_Wrong_Rate"), "100.00%");
  EXPECT_EQ(Source().Sel_Start(), 1);
  EXPECT_GT(Main().Get<forms::Label>("Label_Article_Process_Speed", 0).Width(), 0);
  Type_Key(VK_RETURN);  // refused: the source has no line break here
  EXPECT_EQ(beeps, 2);
  EXPECT_EQ(User().Text(), "a");
  Type_Key('B');
  EXPECT_EQ(Stored(kTextLen, "0 5 0"), "(none)");
  Type_Key('C');  // refused: the source breaks the line here
  EXPECT_EQ(beeps, 3);
  EXPECT_EQ(User().Text(), "ab");
  Type_Key(VK_RETURN);
  EXPECT_EQ(User().Text(), "ab\r\n");
  EXPECT_EQ(Stored(kTextLen, "0 5 0"), "4");
  EXPECT_EQ(Caption("Label_Article_Process_Speed", 1), "66.67%");
  EXPECT_EQ(Source().Sel_Start(), 4);
  Type_Key('C');
  Shot_Main("article-layout0");
  // The last character: the text ends at the next tick, "next" opens article 2.
  Preset_Retry_Answer = 0;
  Type_Key('D');
  Wait_For_Box(1);
  EXPECT_EQ(Shown_Boxes, std::vector<Picture_Box_Kind>{Picture_Box_Kind::YesRetryNo});
  ASSERT_TRUE(Pump_Until([] { return Source().Text() == "xy"; }));
  EXPECT_EQ(Stored(kLession, "0 5 0"), "2");
  EXPECT_EQ(Stored(kTextLen, "0 5 0"), "0");
  EXPECT_EQ(Caption("Label_Article_Course_Name"), "课程2");
  EXPECT_EQ(Caption("Label_Article_Process_Speed", 1), "0.00%");
  EXPECT_EQ(Caption("Label_Article_Right_or_Wrong_Rate"), "");
  EXPECT_EQ(User().Text(), "");
  EXPECT_TRUE(User().Enabled());
  EXPECT_FALSE(Caption("Label_Article_Time_Info").empty());
  // Article 2 is the last: its end stores "0" and "1" and shows Form_Yes alone.
  Type_Key('X');
  Type_Key('Y');
  Wait_For_Box(2);
  EXPECT_EQ(Shown_Boxes.back(), Picture_Box_Kind::Yes);
  EXPECT_EQ(Stored(kLession, "0 5 0"), "1");
  EXPECT_EQ(Stored(kTextLen, "0 5 0"), "0");
  EXPECT_FALSE(User().Enabled());
  EXPECT_FALSE(Main_Timer("Timer_Check").Enabled());
  EXPECT_TRUE(errors.empty());
}

TEST_F(Article_Page, LayoutZeroResumesAfterTheLastLineBreakWithAnEmptyBox) {
  Store(kTextLen, "0 5 0", "4");
  Store(kLession, "0 5 0", "1");
  Open_English();
  EXPECT_EQ(User().Text(), "");
  EXPECT_EQ(Source().Sel_Start(), 4);
  EXPECT_EQ(Caption("Label_Article_Process_Speed", 1), "66.67%");
  EXPECT_EQ(Caption("Label_Article_Right_or_Wrong_Rate"), "");
  Type_Key('C');
  Type_Key(VK_BACK);
  Type_Key(VK_BACK);  // the resumed part is not in the box: nothing more to take back
  EXPECT_EQ(Source().Sel_Start(), 4);
  Type_Key('C');
  // A late key after the last character is swallowed; retry opens the article anew.
  Preset_Retry_Answer = 1;
  testkit::Key_Stroke({'D'});
  testkit::Key_Stroke({'E'});
  Wait_For_Box(1);
  ASSERT_TRUE(Pump_Until([] { return User().Text().empty() && User().Enabled(); }));
  EXPECT_EQ(Source().Sel_Start(), 0);
  EXPECT_EQ(Caption("Label_Article_Course_Name"), "课程1");
  EXPECT_EQ(Stored(kTextLen, "0 5 0"), "0");
  EXPECT_EQ(Stored(kLession, "0 5 0"), "1");
  // The answer no stores nothing: the next start resumes at the last line break typed.
  Type_Key('A');
  Type_Key('B');
  Type_Key(VK_RETURN);
  Type_Key('C');
  Preset_Retry_Answer = 2;
  Type_Key('D');
  Wait_For_Box(3);
  EXPECT_EQ(Shown_Boxes[1], Picture_Box_Kind::YesRetryNo);
  EXPECT_EQ(Shown_Boxes[2], Picture_Box_Kind::Yes);
  EXPECT_EQ(Stored(kTextLen, "0 5 0"), "4");
  EXPECT_EQ(Stored(kLession, "0 5 0"), "1");
  EXPECT_FALSE(User().Enabled());
}

TEST_F(Article_Page, WithTheFlagZeroTheCourseOpensArticleOneYetStoresItsProgress) {
  Store(kTextLen, "0 5 0", "4");
  Store(kLession, "0 5 0", "2");
  Store(kEnglishRemember, "Flag", "0");
  Open_English();
  EXPECT_EQ(Source().Text(), "ab\r\ncd");
  EXPECT_EQ(Source().Sel_Start(), 0);
  Type_Key('A');
  Type_Key('B');
  Type_Key(VK_RETURN);
  EXPECT_EQ(Stored(kTextLen, "0 5 0"), "4");
  EXPECT_EQ(Stored(kLession, "0 5 0"), "2");
}

TEST_F(Article_Page, PinYinTypesTheChineseArticlesApartAndWubiGoesOnWhereItStopped) {
  Store(kTextLen, "0 5 0", "4");
  Open_PinYin();
  Shown_Boxes.clear();  // the notice that no PinYin input method is installed here
  EXPECT_EQ(Current_Language, 1);
  EXPECT_EQ(Source().Text(), std::string(kRen) + kZhi + "\r\n" + kChu);
  Commit_Character(User(), kXing);  // wrong
  EXPECT_EQ(Character_Color(User(), 0), RGB(255, 0, 0));
  EXPECT_EQ(beeps, 1);
  Type_Key(VK_BACK);
  EXPECT_EQ(User().Text(), "");
  Commit_Character(User(), kRen);  // right: painted black again
  EXPECT_EQ(Character_Color(User(), 0), RGB(0, 0, 0));
  EXPECT_EQ(Caption("Label_Article_Process_Speed", 1), "20.00%");
  Commit_Character(User(), kZhi);
  EXPECT_EQ(Caption("Label_Article_Right_or_Wrong_Rate"), "100.00%");
  Type_Key(VK_RETURN);
  EXPECT_EQ(Stored(kTextLen, "1 5 0"), "4");
  EXPECT_EQ(Stored(kTextLen, "0 5 0"), "4");  // the English progress stays apart
  Shot_Main("article-pinyin-layout0");

  // Wubi in layout 0 shares the PinYin progress: it resumes after the line break.
  Store(kWubi, "Type Method", "0");
  Open(Chinese_Type_Item::Wubi);
  Shown_Boxes.clear();
  EXPECT_EQ(Current_Panel, Number(Panel_Id::Article));
  EXPECT_EQ(User().Text(), "");
  EXPECT_EQ(Source().Sel_Start(), 4);
  Commit_Character(User(), kChu);
  Wait_For_Box(1);
  EXPECT_EQ(Shown_Boxes.back(), Picture_Box_Kind::YesRetryNo);
}

TEST_F(Article_Page, BrokenArticlesStalePositionsAndBadOptionsGiveOneMessageAndNoStart) {
  // A remembered article that no longer exists.
  Store(kLession, "0 5 0", "9");
  Open_English();
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], "文件未找到：" + folder_ + "\\English\\Article\\5\\9.txt!");
  EXPECT_FALSE(Main_Timer("Timer_Check").Enabled());
  EXPECT_FALSE(User().Enabled());
  EXPECT_EQ(Stored(kLession, "0 5 0"), "9");  // the keys stay as stored

  // A position beyond the article (it was shortened since): the article starts anew.
  errors.clear();
  Store(kLession, "0 5 0", "1");
  Store(kTextLen, "0 5 0", "99");
  Open_English();
  EXPECT_TRUE(errors.empty());
  EXPECT_EQ(Source().Sel_Start(), 0);
  EXPECT_EQ(Caption("Label_Article_Process_Speed", 1), "0.00%");
  EXPECT_TRUE(User().Enabled());

  // An empty article.
  Write("English", 1, "");
  Open_English();
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], "Input past end of file!");
  EXPECT_FALSE(Main_Timer("Timer_Check").Enabled());

  // Longer than the boxes' positions allow.
  errors.clear();
  Write("English", 1, std::string(32768, 'a'));
  Open_English();
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], "Overflow!");
  EXPECT_FALSE(Main_Timer("Timer_Check").Enabled());

  // Layouts that do not exist set up nothing and say nothing.
  errors.clear();
  Store(kPinYin, "Type Method", "2");
  Open_PinYin();
  EXPECT_TRUE(errors.empty());
  EXPECT_FALSE(Main_Timer("Timer_Check").Enabled());
  Store(kEnglish, "Type Method", "7");
  Open_English();
  EXPECT_TRUE(errors.empty());
  EXPECT_FALSE(Main_Timer("Timer_Check").Enabled());
}


TEST_F(Article_Page, TheNextCharacterOfALongArticleIsScrolledIntoView) {
  std::string text;
  for (int i = 0; i < 60; ++i) text += "line " + std::to_string(i) + "\r\n";
  Write("English", 1, text);
  Store(kTextLen, "0 5 0", std::to_string(text.size() - 12));
  Open_English();
  EXPECT_GT(Source().Send(EM_GETFIRSTVISIBLELINE), 30);
  Type_Key('L');
  EXPECT_GT(Source().Send(EM_GETFIRSTVISIBLELINE), 30);
}

// ================= Layout 1 =================

TEST_F(Article_Page, LayoutOneColoursTheTextTypedOverAndStoresThePositionAfterEveryKey) {
  Store(kEnglish, "Type Method", "1");
  Open_English();
  forms::Rich_Text_Box& box = Box("RichText_Overwrite");
  EXPECT_TRUE(Main().Get<forms::Picture_Box>("Picture_Article_BG_1").Visible());
  EXPECT_EQ(box.Text(), "ab\r\ncd");
  EXPECT_EQ(box.Sel_Start(), 0);
  EXPECT_EQ(Caption("Label_Article_Course_Name_1"), "课程1");
  EXPECT_EQ(Caption("Label_Article_Process_Speed_1", 1), "0.00%");
  EXPECT_EQ(Caption("Label_Article_Right_or_Wrong_Rate_1"), "");
  Type_Key('A');
  EXPECT_EQ(Character_Color(box, 0), RGB(0, 0, 255));
  EXPECT_EQ(box.Sel_Start(), 1);
  EXPECT_EQ(Stored(kTextLen, "0 5 1"), "1");
  Type_Shifted('B');  // wrong: the source character turns red
  EXPECT_EQ(Character_Color(box, 1), RGB(255, 0, 0));
  EXPECT_EQ(beeps, 1);
  EXPECT_EQ(Caption("Label_Article_Right_or_Wrong_Rate_1"), "50.00%");
  EXPECT_EQ(Stored(kTextLen, "0 5 1"), "2");
  Type_Key(VK_BACK);
  ASSERT_TRUE(Pump_Until([&] { return box.Sel_Start() == 1; }));
  EXPECT_EQ(Character_Color(box, 1), RGB(0, 0, 0));
  EXPECT_EQ(Stored(kTextLen, "0 5 1"), "1");
  Type_Key('B');
  Type_Key('C');  // refused at the line break
  EXPECT_EQ(beeps, 2);
  EXPECT_EQ(Stored(kTextLen, "0 5 1"), "2");
  Type_Key(VK_RETURN);
  EXPECT_EQ(box.Sel_Start(), 4);
  EXPECT_EQ(Stored(kTextLen, "0 5 1"), "4");
  EXPECT_EQ(Caption("Label_Article_Process_Speed_1", 1), "66.67%");
  Type_Key('C');
  Shot_Main("article-layout1");
  // The answer no stores the next article at its beginning.
  Preset_Retry_Answer = 2;
  Type_Key('D');
  Wait_For_Box(2);
  EXPECT_EQ(Shown_Boxes, (std::vector<Picture_Box_Kind>{Picture_Box_Kind::YesRetryNo,
                                                         Picture_Box_Kind::Yes}));
  EXPECT_EQ(Stored(kTextLen, "0 5 1"), "0");
  EXPECT_EQ(Stored(kLession, "0 5 1"), "2");
  EXPECT_FALSE(box.Enabled());
  EXPECT_EQ(Stored(kTextLen, "0 5 0"), "(none)");  // each layout keeps its own progress
}

TEST_F(Article_Page, LayoutOneResumesWithTheTypedPartBlueAndGoesOnToTheLastArticle) {
  Store(kEnglish, "Type Method", "1");
  Store(kTextLen, "0 5 1", "4");
  Open_English();
  forms::Rich_Text_Box& box = Box("RichText_Overwrite");
  for (int i = 0; i < 4; ++i) EXPECT_EQ(Character_Color(box, i), RGB(0, 0, 255)) << i;
  EXPECT_EQ(Character_Color(box, 4), RGB(0, 0, 0));
  EXPECT_EQ(box.Sel_Start(), 4);
  EXPECT_EQ(Caption("Label_Article_Process_Speed_1", 1), "66.67%");
  EXPECT_EQ(Caption("Label_Article_Right_or_Wrong_Rate_1"), "");
  Type_Key('C');
  EXPECT_EQ(Caption("Label_Article_Right_or_Wrong_Rate_1"), "100.00%");
  Preset_Retry_Answer = 0;
  Type_Key('D');
  Wait_For_Box(1);
  ASSERT_TRUE(Pump_Until([&] { return box.Text() == "xy" && box.Enabled(); }));
  EXPECT_EQ(Stored(kLession, "0 5 1"), "2");
  EXPECT_EQ(Stored(kTextLen, "0 5 1"), "0");
  EXPECT_EQ(Caption("Label_Article_Course_Name_1"), "课程2");
  EXPECT_EQ(Character_Color(box, 0), RGB(0, 0, 0));
  Type_Key('X');
  Type_Key('Y');
  Wait_For_Box(2);
  EXPECT_EQ(Shown_Boxes.back(), Picture_Box_Kind::Yes);
  EXPECT_EQ(Stored(kLession, "0 5 1"), "1");
  EXPECT_EQ(Stored(kTextLen, "0 5 1"), "0");

  // A stored position beyond the article: it starts from its beginning.
  Store(kTextLen, "0 5 1", "60");
  Open_English();
  EXPECT_EQ(Box("RichText_Overwrite").Sel_Start(), 0);
  EXPECT_EQ(Character_Color(Box("RichText_Overwrite"), 0), RGB(0, 0, 0));
  EXPECT_TRUE(errors.empty());
}

TEST_F(Article_Page, PinYinAndWubiTypeOverTheSameChineseArticle) {
  Store(kPinYin, "Type Method", "1");
  Open_PinYin();
  forms::Rich_Text_Box& box = Box("RichText_Overwrite");
  EXPECT_EQ(box.Text(), std::string(kRen) + kZhi + "\r\n" + kChu);
  Commit_Character(box, kRen);
  EXPECT_EQ(Character_Color(box, 0), RGB(0, 0, 255));
  Commit_Character(box, kXing);
  EXPECT_EQ(Character_Color(box, 1), RGB(255, 0, 0));
  EXPECT_EQ(Stored(kTextLen, "1 5 1"), "2");
  Type_Key(VK_RETURN);
  EXPECT_EQ(Stored(kTextLen, "1 5 1"), "4");
  Store(kWubi, "Type Method", "1");
  Open(Chinese_Type_Item::Wubi);
  EXPECT_EQ(Box("RichText_Overwrite").Sel_Start(), 4);
  EXPECT_EQ(Current_Exercise_Kind, Number(Exercise_Kind::Wubi));
}

// ================= Layout 2 =================

// The screen pixels of a key image against the named bitmap of the resource library: a lit key
// shows its highlight whole.
bool Image_Shows_Bitmap(forms::Image& image, const char* name, int* checked) {
  const HWND page = Main().Get<forms::Picture_Box>("Picture_Article_BG_2").Hwnd();
  POINT at{forms::Twips_To_Pixels_X(image.Left()), forms::Twips_To_Pixels_Y(image.Top())};
  ClientToScreen(page, &at);
  HMODULE library = LoadLibraryA(Resource_Library_Path.c_str());
  HBITMAP bitmap = library ? LoadBitmapA(library, name) : nullptr;
  if (!bitmap) return false;
  BITMAP info{};
  GetObjectA(bitmap, sizeof info, &info);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HGDIOBJ kept = SelectObject(memory, bitmap);
  bool same = info.bmWidth == forms::Twips_To_Pixels_X(image.Width()) &&
              info.bmHeight == forms::Twips_To_Pixels_Y(image.Height());
  *checked = 0;
  for (int y = 0; same && y < info.bmHeight; y += 3)
    for (int x = 0; same && x < info.bmWidth; x += 3) {
      same = GetPixel(memory, x, y) == GetPixel(screen, at.x + x, at.y + y);
      ++*checked;
    }
  SelectObject(memory, kept);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  DeleteObject(bitmap);
  FreeLibrary(library);
  return same;
}

std::vector<int> Lit_Keys() {
  std::vector<int> lit;
  for (int slot = 0; slot <= 57; ++slot)
    if (Main().Get<forms::Image>("Image_Article_Character", slot).Get_Picture()) lit.push_back(slot);
  return lit;
}

TEST_F(Article_Page, LayoutTwoKeyImagesOpenTheContextMenuOnARightPressOnly) {
  Store(kEnglish, "Type Method", "2");
  Open_English();
  forms::Picture_Box& page = Main().Get<forms::Picture_Box>("Picture_Article_BG_2");
  ASSERT_TRUE(page.Visible());
  for (int slot : {0, 20, 40}) {
    forms::Image& key = Main().Get<forms::Image>("Image_Article_Character", slot);
    const int x = key.Left() + key.Width() / 2, y = key.Top() + key.Height() / 2;
    EXPECT_TRUE(Opens_Context_Menu([&] { Post_Press(page.Hwnd(), x, y, 2); })) << slot;
    EXPECT_FALSE(Opens_Context_Menu([&] { Post_Press(page.Hwnd(), x, y, 1); })) << slot;
  }
  EXPECT_TRUE(errors.empty());
}

TEST_F(Article_Page, LayoutTwoTypesLineByLineWithTheExpectedKeyLit) {
  // Line 2 holds a character that no key types; a blank line is skipped.
  Write("English", 1, "ab\r\n\r\nc\xD6\xD0\r\n");
  Store(kEnglish, "Type Method", "2");
  Open_English();
  forms::Rich_Text_Box& source = Box("RichText_Article_Source_2");
  forms::Rich_Text_Box& user = Box("RichText_Article_User_2");
  EXPECT_TRUE(Main().Get<forms::Picture_Box>("Picture_Article_BG_2").Visible());
  EXPECT_EQ(source.Text(), "ab");
  EXPECT_EQ(source.Sel_Start(), 0);
  EXPECT_EQ(source.Sel_Length(), 1);
  EXPECT_EQ(Caption("Label_Article_Course_Name_2"), "课程1");
  EXPECT_EQ(Caption("Label_Article_Process_Speed_2"), "0.00%");
  EXPECT_EQ(Caption("Label_Article_Right_or_Wrong_Rate_2"), "0.00%");
  EXPECT_EQ(Lit_Keys(), std::vector<int>{0});
  EXPECT_EQ(user.Tool_Tip_Text(), "用户输入区，行末回车换行");
  Pump_For(200);
  int checked = 0;
  EXPECT_TRUE(Image_Shows_Bitmap(Main().Get<forms::Image>("Image_Article_Character", 0), "mychar0",
                                 &checked));
  EXPECT_GT(checked, 50);

  Type_Key('A');
  EXPECT_EQ(Lit_Keys(), std::vector<int>{1});
  EXPECT_EQ(source.Sel_Start(), 1);
  EXPECT_EQ(Caption("Label_Article_Right_or_Wrong_Rate_2"), "100.00%");
  EXPECT_EQ(Caption("Label_Article_Process_Speed_2"), "25.00%");
  Type_Key(VK_RETURN);  // before the line end: the error sound only
  EXPECT_EQ(beeps, 1);
  Type_Shifted('B');
  EXPECT_EQ(beeps, 2);
  EXPECT_EQ(Character_Color(user, 1), RGB(255, 0, 0));
  EXPECT_EQ(Lit_Keys(), std::vector<int>{31});
  EXPECT_EQ(Caption("Label_Article_Right_or_Wrong_Rate_2"), "50.00%");
  Type_Key(VK_BACK);
  EXPECT_EQ(Lit_Keys(), std::vector<int>{1});
  EXPECT_EQ(Caption("Label_Article_Right_or_Wrong_Rate_2"), "100.00%");
  Type_Key('B');
  ASSERT_TRUE(Pump_Until([] {
    return Main().Get<forms::Label>("Label_Article_Speed").Width() > 0;
  }));
  Shot_Main("article-layout2");
  Type_Key(VK_RETURN);  // the next line on release
  ASSERT_TRUE(Pump_Until([&] { return source.Text() == "c\xD6\xD0"; }));
  EXPECT_EQ(user.Text(), "");
  EXPECT_EQ(Stored(kTextLen, "0 5 2"), "2");
  EXPECT_EQ(Stored(kLastLines, "0 5 2"), "2");
  EXPECT_EQ(Caption("Label_Article_Process_Speed_2"), "50.00%");
  Type_Key('C');
  EXPECT_TRUE(Lit_Keys().empty());  // no key types the next character
  Commit_Character(user, "\xD6\xD0");
  EXPECT_EQ(Lit_Keys(), std::vector<int>{31});
  // The last line: the answer no keeps this line of this article.
  Preset_Retry_Answer = 2;
  Type_Key(VK_RETURN);
  Wait_For_Box(2);
  EXPECT_EQ(Shown_Boxes, (std::vector<Picture_Box_Kind>{Picture_Box_Kind::YesRetryNo,
                                                         Picture_Box_Kind::Yes}));
  EXPECT_EQ(Stored(kTextLen, "0 5 2"), "2");
  EXPECT_EQ(Stored(kLastLines, "0 5 2"), "2");
  EXPECT_EQ(Stored(kLession, "0 5 2"), "1");
  EXPECT_FALSE(user.Enabled());
  EXPECT_TRUE(Lit_Keys().empty());

  // A new start resumes at that line with the finished lines' share.
  Open_English();
  EXPECT_EQ(Box("RichText_Article_Source_2").Text(), "c\xD6\xD0");
  EXPECT_EQ(Caption("Label_Article_Process_Speed_2"), "50.00%");
  EXPECT_TRUE(errors.empty());
}

TEST_F(Article_Page, LayoutTwoNextRetryTheLastArticleAndTheFlagZero) {
  Store(kEnglish, "Type Method", "2");
  Store(kEnglishRemember, "Flag", "0");
  Store(kTextLen, "0 5 2", "2");
  Store(kLession, "0 5 2", "2");
  Store(kLastLines, "0 5 2", "2");
  Open_English();
  forms::Rich_Text_Box& source = Box("RichText_Article_Source_2");
  EXPECT_EQ(source.Text(), "ab");
  EXPECT_EQ(Stored(kTextLen, "0 5 2"), "1");
  EXPECT_EQ(Stored(kLession, "0 5 2"), "1");
  EXPECT_EQ(Stored(kLastLines, "0 5 2"), "0");
  for (int k : std::initializer_list<int>{'A', 'B', VK_RETURN, 'C', 'D'}) Type_Key(static_cast<WORD>(k));
  Preset_Retry_Answer = 1;  // retry
  Type_Key(VK_RETURN);
  Wait_For_Box(1);
  ASSERT_TRUE(Pump_Until([&] { return source.Text() == "ab"; }));
  EXPECT_EQ(Caption("Label_Article_Right_or_Wrong_Rate_2"), "0.00%");
  for (int k : std::initializer_list<int>{'A', 'B', VK_RETURN, 'C', 'D'}) Type_Key(static_cast<WORD>(k));
  Preset_Retry_Answer = 0;  // next
  Type_Key(VK_RETURN);
  ASSERT_TRUE(Pump_Until([&] { return source.Text() == "xy"; }));
  EXPECT_EQ(Stored(kLession, "0 5 2"), "2");
  EXPECT_EQ(Stored(kTextLen, "0 5 2"), "1");
  EXPECT_EQ(Caption("Label_Article_Course_Name_2"), "课程2");
  // Article 2 is the last: back to line 1 of article 1, no answer box.
  for (int k : std::initializer_list<int>{'X', 'Y', VK_RETURN}) Type_Key(static_cast<WORD>(k));
  Wait_For_Box(3);
  EXPECT_EQ(Shown_Boxes.back(), Picture_Box_Kind::Yes);
  EXPECT_EQ(Shown_Boxes.size(), 3u);
  EXPECT_EQ(Stored(kLession, "0 5 2"), "1");
  EXPECT_EQ(Stored(kTextLen, "0 5 2"), "1");
  EXPECT_EQ(Stored(kLastLines, "0 5 2"), "0");

  // A line of 400 characters: one message, the page stays idle.
  Write("English", 1, "ab\r\n" + std::string(400, 'z') + "\r\n");
  Open_English();
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_FALSE(Main_Timer("Timer_Check").Enabled());
  EXPECT_FALSE(Box("RichText_Article_User_2").Enabled());
}

}  // namespace
}  // namespace quillon
