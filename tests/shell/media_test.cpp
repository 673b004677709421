// Named bitmaps, sound effects and music, typing-box guards and fonts.
#include <algorithm>
#include "shell_fixture.h"

#include "services/bitmaps.h"
#include "services/switch_picture.h"
#include "services/typing_boxes.h"

namespace quillon {
namespace {

// ---- Sounds: what reaches the test desktop's wave-out device ----

class Sounds : public Shell_Test {
 protected:
  void SetUp() override {
    Shell_Test::SetUp();
    ASSERT_FALSE(testkit::Sound_Output_File().empty());
    Sound_Card_Present = Has_Sound_Card();
    ASSERT_TRUE(Sound_Card_Present);
  }
  // True when something is played within the time.
  bool Plays(const std::function<void()>& play, std::chrono::milliseconds limit) {
    Stop_Sound();
    Close_Music();
    Pump_Until([] { return false; }, std::chrono::milliseconds(300));  // let earlier sound end
    auto before = testkit::Sound_Output_Stamp();
    play();
    return Pump_Until([&] { return testkit::Sound_Output_Stamp() != before && testkit::Sound_Output_Stamp().first > 0; }, limit);
  }
};

TEST_F(Sounds, EffectsKeyNotesAndMusicReachTheDevice) {
  EXPECT_TRUE(Plays([] { Play_Click_Sound(); }, std::chrono::seconds(5)));
  EXPECT_TRUE(Plays([] { Play_Enter_Sound(); }, std::chrono::seconds(5)));
  EXPECT_TRUE(Plays([] { Play_Wrong_Sound(); }, std::chrono::seconds(5)));
  EXPECT_TRUE(Plays([] { Play_Win_Sound(); }, std::chrono::seconds(5)));
  Music_KB_On = 1;
  EXPECT_TRUE(Plays([] { Play_Key_Sound(5); }, std::chrono::seconds(5)));
  EXPECT_TRUE(Plays([] { Play_Key_Sound(-88); }, std::chrono::seconds(5)));
  EXPECT_TRUE(Plays([] { Play_Music(Program_Folder() + "\\Music\\bg1.wav"); },
                    std::chrono::seconds(5)));
  auto& media = form().Get<forms::Media_Control>("MMControl_Play_Record");
  EXPECT_TRUE(media.Is_Open());
  Close_Music();
  EXPECT_FALSE(media.Is_Open());
  EXPECT_EQ(beeps, 0);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Sounds, OptionsAreHonoured) {
  auto& media = form().Get<forms::Media_Control>("MMControl_Play_Record");
  Sound_On = 0;
  Music_KB_On = 1;
  const auto quiet = std::chrono::milliseconds(600);
  EXPECT_FALSE(Plays([] {
    Play_Click_Sound();
    Play_Key_Sound(5);
    Play_Wrong_Sound();
    Play_Win_Sound();
    Play_Enter_Sound();
  }, quiet));
  EXPECT_EQ(beeps, 0);  // with a sound card wrong input is silent

  // Music off: the media control is left alone, a recording on it keeps playing.
  BG_Music_On = 0;
  Play_Wave_File(Program_Folder() + "\\Music\\bg2.wav");  // recordings play whatever the options
  EXPECT_TRUE(media.Is_Open());
  EXPECT_EQ(media.File_Name(), Program_Folder() + "\\Music\\bg2.wav");
  Play_Music(Program_Folder() + "\\Music\\bg1.wav");
  EXPECT_EQ(media.File_Name(), Program_Folder() + "\\Music\\bg2.wav");
  // Music on: it replaces the recording.
  BG_Music_On = 1;
  Play_Music(Program_Folder() + "\\Music\\bg1.wav");
  EXPECT_EQ(media.File_Name(), Program_Folder() + "\\Music\\bg1.wav");
  EXPECT_TRUE(media.Is_Open());
  // A missing file leaves the control closed, without a word.
  Play_Music(Program_Folder() + "\\Music\\nothing-here.wav");
  EXPECT_FALSE(media.Is_Open());
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Sounds, WithoutASoundCardWrongInputBeepsAndNothingElseSounds) {
  Sound_Card_Present = false;
  Sound_On = 0;  // the beep does not depend on the sound option
  auto& media = form().Get<forms::Media_Control>("MMControl_Play_Record");
  EXPECT_FALSE(Plays([] {
    Play_Click_Sound();
    Play_Key_Sound(3);
    Play_Music(Program_Folder() + "\\Music\\bg1.wav");
  }, std::chrono::milliseconds(600)));
  EXPECT_FALSE(media.Is_Open());
  Play_Wrong_Sound();
  Sound_On = 1;
  Play_Wrong_Sound();
  EXPECT_EQ(beeps, 2);
}

// ---- Named bitmaps ----

COLORREF Pixel_Of_Resource(const std::string& name, int x, int y) {
  HMODULE library = LoadLibraryExA(Resource_Library_Path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  HBITMAP bitmap = LoadBitmapA(library, name.c_str());
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HGDIOBJ kept = SelectObject(memory, bitmap);
  COLORREF pixel = GetPixel(memory, x, y);
  SelectObject(memory, kept);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  DeleteObject(bitmap);
  FreeLibrary(library);
  return pixel;
}

using Bitmaps = Shell_Test;

TEST_F(Bitmaps, PictureBoxesImagesAndFormsGetTheNamedBitmap) {
  auto& box = Panel(0);
  const POINT points[] = {{0, 0}, {37, 21}, {200, 120}, {300, 200}};
  Load_Resource_Picture_To_PictureBox(box, "QD");  // any letter case
  for (POINT p : points)
    EXPECT_EQ(GetPixel(box.Surface_Dc(), p.x, p.y), Pixel_Of_Resource("qd", p.x, p.y));

  // An unknown name leaves the box cleared, without a word.
  Load_Resource_Picture_To_PictureBox(box, "no-such-picture");
  COLORREF back = GetPixel(box.Surface_Dc(), 0, 0);
  EXPECT_EQ(GetPixel(box.Surface_Dc(), 200, 120), back);

  auto& image = form().Get<forms::Image>("Image_Function_Module", 10);
  Load_Resource_Picture_To_Image(image, "qd");
  ASSERT_FALSE(image.Get_Picture().Empty());
  EXPECT_EQ(image.Get_Picture().Width_Pixels(), forms::Twips_To_Pixels_X(image.Width()));
  EXPECT_EQ(image.Get_Picture().Height_Pixels(), forms::Twips_To_Pixels_Y(image.Height()));
  EXPECT_EQ(Picture_Temp().Width(), image.Width());

  // A figure drawn on the sprite mask colour keeps it as its picture's mask; a face does not.
  EXPECT_FALSE(image.Get_Picture().Has_Mask_Color());
  Load_Resource_Picture_To_Image(image, "apple0");
  ASSERT_FALSE(image.Get_Picture().Empty());
  EXPECT_EQ(image.Get_Picture().Mask_Color(), quillon::kSprite_Mask_Color);

  auto& other = form().Get<forms::Image>("Image_Function_Module", 6);
  Fit_Picture_Temp(other);
  EXPECT_EQ(Picture_Temp().Width(), other.Width());
  EXPECT_EQ(Picture_Temp().Height(), other.Height());

  forms::Form& flash = Form_Flash();
  Load_Resource_Picture_To_Form(flash, "qd");
  EXPECT_EQ(GetPixel(flash.Surface_Dc(), 37, 21), Pixel_Of_Resource("qd", 37, 21));
  EXPECT_TRUE(boxes.empty());
}

// ---- Typing boxes ----

class Typing_Boxes : public Shell_Test {
 protected:
  void SetUp() override {
    Shell_Test::SetUp();
    test_form.On_Design = [this] {
      test_form.Set_Client_Size(6000, 3000);
      test_form.Add<forms::Rich_Text_Box>("RichText_Test").Move(100, 100, 5000, 1000);
      test_form.Add<forms::Native_Control>("Combo_Chinese_Font_Name")
          .Set_Class("COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL);
      test_form.Add<forms::Native_Control>("Combo_English_Font_Name")
          .Set_Class("COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL);
    };
    test_form.Load();
  }
  forms::Rich_Text_Box& box() { return test_form.Get<forms::Rich_Text_Box>("RichText_Test"); }
  forms::Form test_form;
};

TEST_F(Typing_Boxes, GuardsLockForForbiddenKeysAndUnlockAtTheNextKey) {
  Block_Paste_And_Delete_Keys(box(), 'V', 2);
  EXPECT_TRUE(box().Locked());
  Block_Paste_And_Delete_Keys(box(), 'A', 0);
  EXPECT_FALSE(box().Locked());
  Block_Paste_And_Delete_Keys(box(), VK_BACK, 0);
  EXPECT_FALSE(box().Locked());
  Block_Paste_Delete_And_Backspace_Keys(box(), VK_BACK, 0);
  EXPECT_TRUE(box().Locked());
  Block_Paste_Keys(box(), VK_DELETE, 0);
  EXPECT_FALSE(box().Locked());
  Block_Paste_Keys(box(), VK_INSERT, 1);
  EXPECT_TRUE(box().Locked());
}

TEST_F(Typing_Boxes, ResetFontEmptiesTheBoxAndGivesItTheDisplayFont) {
  box().Set_Text("abc");
  Reset_RichText_Font(box(), 1);
  EXPECT_EQ(box().Text(), "");
  EXPECT_EQ(box().Sel_Start(), 0);
  EXPECT_EQ(RichText_Font_Name(box()), "宋体");
  EXPECT_EQ(RichText_Sel_Font_Name(box()), "宋体");
  // A vertical face would show the English practice as boxes: the default serves instead.
  forms::Tutor_Settings::Save("Setting\\System\\Font", "0", "@Droid Sans Fallback");
  Reset_RichText_Font(box(), 0);
  EXPECT_EQ(RichText_Font_Name(box()), "Courier New");
  forms::Tutor_Settings::Save("Setting\\System\\Font", "0", "Tahoma");
  Reset_RichText_Font(box(), 0);
  forms::Tutor_Settings::Delete_Section("Setting\\System\\Font");
  EXPECT_EQ(RichText_Font_Name(box()), "Tahoma");
  box().Set_Text("xyz");
  Reset_RichText_Font(box(), 2);
  EXPECT_EQ(box().Text(), "");
  EXPECT_EQ(RichText_Font_Name(box()), "Tahoma");
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Typing_Boxes, FontCombosGetWesternAndChineseFonts) {
  auto& chinese = test_form.Get<forms::Native_Control>("Combo_Chinese_Font_Name");
  auto& english = test_form.Get<forms::Native_Control>("Combo_English_Font_Name");
  Fill_Font_Combo(chinese, english);
  auto names = [](forms::Native_Control& combo) {
    std::vector<std::string> list;
    int count = static_cast<int>(combo.Send(CB_GETCOUNT));
    for (int i = 0; i < count; ++i) {
      char name[LF_FACESIZE + 1] = {};
      combo.Send(CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(name));
      list.push_back(name);
    }
    return list;
  };
  const std::vector<std::string> western = names(english), chinese_names = names(chinese);
  // The defaults are real faces of the test prefix; no list offers a vertical "@" face.
  EXPECT_NE(std::find(western.begin(), western.end(), "Courier New"), western.end());
  EXPECT_NE(std::find(chinese_names.begin(), chinese_names.end(), "宋体"), chinese_names.end());
  for (const auto* list : {&western, &chinese_names})
    for (const std::string& name : *list) EXPECT_NE(name[0], '@') << name;
  // A face shows a practice's text or it is in neither list.
  EXPECT_TRUE(Font_Shows_Practice_Text("Courier New", 0));
  EXPECT_TRUE(Font_Shows_Practice_Text("宋体", 1));
  EXPECT_FALSE(Font_Shows_Practice_Text("Courier New", 1));
  EXPECT_FALSE(Font_Shows_Practice_Text("Marlett", 0));
  EXPECT_FALSE(Font_Shows_Practice_Text("@宋体", 1));
  EXPECT_EQ(std::find(western.begin(), western.end(), "Marlett"), western.end());
  EXPECT_TRUE(boxes.empty());
}

}  // namespace
}  // namespace quillon
