// Every picture the tutor asks of its resource library is there, found by its name, at the size of
// the control or window it is drawn into, and is a real picture rather than a flat fill.
#include <gtest/gtest.h>

#include "testkit/testkit.h"

#include <set>
#include <string>

namespace {

struct Expected_Bitmap {
  const char* name;
  int width;
  int height;
};

// Sizes in pixels (15 twips each) of the controls and windows the pictures fill.
const Expected_Bitmap kBitmaps[] = {
    // Start-up and the main window's face
    {"qd", 425, 240}, {"myjm", 640, 477}, {"jmhui", 350, 39}, {"LarkmoorNet1", 150, 25},
    {"LarkmoorNet2", 150, 25}, {"LarkmoorNet3", 150, 25}, {"LarkmoorNet4", 150, 25},
    // Function bar: hover (odd) and selected (even) looks of buttons 0 to 10
    {"m1", 27, 36}, {"m2", 27, 36}, {"m3", 27, 36}, {"m4", 27, 36}, {"m5", 27, 36}, {"m6", 27, 36},
    {"m7", 27, 36}, {"m8", 27, 36}, {"m9", 27, 36}, {"m10", 27, 36}, {"m11", 27, 36},
    {"m12", 27, 36}, {"m13", 40, 41}, {"m14", 40, 41}, {"m15", 28, 35}, {"m16", 28, 35},
    {"m17", 34, 32}, {"m18", 34, 32}, {"m19", 34, 32}, {"m20", 34, 32}, {"m21", 34, 32},
    {"m22", 34, 32},
    // Drop-down menus and their items' hover looks
    {"cd0", 87, 132}, {"menue0", 70, 27}, {"menue1", 70, 27}, {"menue2", 70, 27},
    {"menue3", 70, 27}, {"cd1", 92, 101}, {"menuc0", 70, 26}, {"menuc1", 70, 26},
    {"menuc2", 70, 26}, {"cd2", 88, 132}, {"menuy0", 70, 27}, {"menuy1", 70, 27},
    {"menuy2", 70, 27}, {"menuy3", 70, 27}, {"cd3", 88, 72}, {"menuce0", 69, 26},
    {"menuce1", 69, 26}, {"cd4", 88, 162}, {"menuq0", 70, 26}, {"menuq1", 70, 26},
    {"menuq2", 70, 26}, {"menuq3", 70, 26}, {"menuq4", 70, 26},
    // Picture message boxes and their pressed buttons
    {"yes", 282, 114}, {"yes1", 32, 44}, {"yn", 281, 114}, {"yn0", 31, 41}, {"yn1", 28, 42},
    {"yrn", 282, 114}, {"yrn0", 38, 37}, {"yrn1", 31, 37}, {"yrn2", 28, 42},
    // Game boxes: faces drawn by the games, shared pressed buttons
    {"thiefwin", 281, 114}, {"thieffailure", 280, 114}, {"mousewin", 280, 114},
    {"mousefailure", 280, 114}, {"applewin", 280, 114}, {"applefailure", 280, 114},
    {"frogwin", 281, 114}, {"gamecontinue", 39, 40}, {"gamenext", 39, 40}, {"gamerepeat", 39, 40},
    {"gamecancel", 39, 40},
    // Input-method notice, ready prompt, About box
    {"bgwubi", 279, 113}, {"bgpinyin", 279, 113}, {"bgwubi_pinyin_yes", 81, 20}, {"zbcs", 282, 43},
    {"begin2", 282, 43}, {"gy", 539, 188}, {"jch", 110, 601},
    // Keys practice: page, keypad, line-typing panel, buttons, misses
    {"jw", 631, 369}, {"jp2", 133, 169}, {"wd", 633, 87}, {"mycharchar1", 56, 56},
    {"mycharchar2", 56, 56}, {"mycharchar3", 56, 56}, {"mycharchar4", 56, 56},
    {"mycharchar5", 56, 56}, {"mycharchar6", 56, 56}, {"mycharku0", 22, 22}, {"mycharku1", 22, 22},
    {"mycharku2", 22, 22}, {"mycharku3", 22, 22}, {"mycharku4", 22, 22}, {"mycharku5", 22, 22},
    {"mycharku6", 22, 22}, {"mycharku7", 22, 22}, {"mycharku8", 22, 22}, {"mycharku9", 22, 22},
    // The words and Wubi pages, with the same keyboard as the keys page
    {"dc", 631, 369}, {"wbkeyboard", 631, 369},
    // Key highlights, one per key slot
    {"mychar0", 28, 28}, {"mychar1", 28, 28}, {"mychar2", 28, 28}, {"mychar3", 28, 28},
    {"mychar4", 28, 28}, {"mychar5", 28, 28}, {"mychar6", 28, 28}, {"mychar7", 28, 28},
    {"mychar8", 28, 28}, {"mychar9", 28, 28}, {"mychar10", 28, 28}, {"mychar11", 28, 28},
    {"mychar12", 28, 28}, {"mychar13", 28, 28}, {"mychar14", 28, 28}, {"mychar15", 28, 28},
    {"mychar16", 28, 28}, {"mychar17", 28, 28}, {"mychar18", 28, 28}, {"mychar19", 28, 28},
    {"mychar20", 28, 28}, {"mychar21", 28, 28}, {"mychar22", 28, 28}, {"mychar23", 28, 28},
    {"mychar24", 28, 28}, {"mychar25", 28, 28}, {"mychar26", 276, 28}, {"mychar27", 28, 28},
    {"mychar28", 28, 28}, {"mychar29", 28, 28}, {"mychar30", 28, 28}, {"mychar31", 67, 28},
    {"mychar32", 43, 28}, {"mychar40", 28, 28}, {"mychar41", 28, 28}, {"mychar42", 28, 28},
    {"mychar43", 28, 28}, {"mychar44", 28, 28}, {"mychar45", 28, 28}, {"mychar46", 28, 28},
    {"mychar47", 28, 28}, {"mychar48", 28, 28}, {"mychar49", 28, 28}, {"mychar50", 28, 28},
    {"mychar51", 28, 28}, {"mychar52", 28, 28}, {"mychar53", 59, 28}, {"mychar54", 43, 28},
    {"mychar55", 28, 28}, {"mychar56", 28, 28}, {"mychar57", 28, 28}, {"mychar58", 59, 28},
    {"mychar59", 28, 28}, {"mychar60", 28, 28}, {"mychar61", 28, 28}, {"mychar62", 28, 28},
    {"mychar63", 28, 28}, {"mychar64", 28, 28}, {"mychar65", 28, 28}, {"mychar66", 28, 28},
    {"mychar67", 28, 28}, {"mychar68", 28, 28}, {"mychar69", 28, 28}, {"mychar70", 28, 28},
    {"mychar71", 28, 59}, {"mychar72", 28, 59}, {"mychar73", 28, 28},
    // Page backgrounds; the games' pages with their covers
    {"wz", 629, 373}, {"wz2", 633, 371}, {"wz3", 631, 369}, {"zylr", 630, 376}, {"fs", 133, 217}, {"sd1", 629, 373},
    {"sd2", 629, 373}, {"bgrecord", 631, 369}, {"bgrecord0", 201, 28}, {"bgrecord1", 198, 28},
    {"bgrecord2", 197, 28}, {"jc", 631, 372}, {"pg", 629, 371}, {"pg3", 490, 303}, {"ds", 631, 371},
    {"qw", 629, 373}, {"qw3", 551, 265},
    {"jc2", 552, 353}, {"pg2", 552, 353}, {"ds2", 552, 353}, {"qw2", 552, 353},
    // Free typing: the toolbar looks, the curve buttons and the mail window
    {"free1", 30, 31}, {"free2", 30, 31}, {"free3", 30, 31}, {"free4", 30, 31}, {"free5", 30, 31},
    {"free6", 30, 31}, {"free7", 85, 27}, {"free8", 85, 27}, {"free9", 85, 27}, {"free10", 85, 27},
    {"free11", 85, 27}, {"free12", 85, 27}, {"free13", 85, 27}, {"free14", 85, 27},
    {"free15", 85, 27}, {"free16", 85, 27}, {"free17", 85, 27}, {"free18", 85, 27},
    {"free19", 16, 17}, {"free20", 16, 17}, {"free21", 86, 27}, {"free22", 86, 27},
    {"free23", 86, 27}, {"free24", 86, 27}, {"free25", 86, 27}, {"free26", 86, 27},
    {"free27", 86, 27}, {"free28", 86, 27}, {"free29", 86, 27}, {"free30", 86, 27},
    {"free31", 86, 27}, {"free32", 86, 27}, {"free33", 86, 27}, {"free34", 86, 27},
    {"mailbcc", 90, 30}, {"mailcancel", 107, 35}, {"mailcc", 90, 30}, {"mailclip", 90, 30},
    {"mailsend", 107, 35}, {"mailsubject", 32, 19}, {"mailto", 90, 30}, {"switch20", 22, 22},
    {"switch21", 22, 22}, {"switch22", 22, 22}, {"switch23", 22, 22}, {"switch24", 22, 22},
    {"switch25", 22, 22},
    // Games: the buttons' hover and pressed looks, the thief's end pictures and the halt sign,
    // the lettered balloons, the pop, the stone and the struck piglet
    {"pps1", 49, 25}, {"pps2", 49, 25}, {"pps3", 49, 25}, {"pps4", 49, 25}, {"pps5", 49, 25},
    {"pps6", 49, 25}, {"pt1", 52, 41}, {"pt2", 52, 41}, {"pt3", 52, 41}, {"pt4", 8, 42},
    {"apple0", 38, 38}, {"apple1", 38, 38}, {"apple2", 38, 38}, {"apple3", 38, 38},
    {"apple4", 38, 38}, {"apple5", 38, 38}, {"apple6", 38, 38}, {"apple7", 38, 38},
    {"apple8", 38, 38}, {"apple9", 38, 38}, {"apple10", 38, 38}, {"apple11", 38, 38},
    {"apple12", 38, 38}, {"apple13", 38, 38}, {"apple14", 38, 38}, {"apple15", 38, 38},
    {"apple16", 38, 38}, {"apple17", 38, 38}, {"apple18", 38, 38}, {"apple19", 38, 38},
    {"apple20", 38, 38}, {"apple21", 38, 38}, {"apple22", 38, 38}, {"apple23", 38, 38},
    {"apple24", 38, 38}, {"apple25", 38, 38}, {"applel1", 38, 38}, {"applex1", 38, 38},
    {"applea3", 34, 37}, {"applea4", 34, 37},
    // Mouse catching: the mouse coming up, caught and with each letter (the holes' images), the
    // flowers along the top
    {"mymousemouse1", 61, 73}, {"mymousemouse2", 61, 73}, {"mymousemouse3", 61, 73},
    {"mymouse0", 61, 73}, {"mymouse1", 61, 73}, {"mymouse2", 61, 73}, {"mymouse3", 61, 73},
    {"mymouse4", 61, 73}, {"mymouse5", 61, 73}, {"mymouse6", 61, 73}, {"mymouse7", 61, 73},
    {"mymouse8", 61, 73}, {"mymouse9", 61, 73}, {"mymouse10", 61, 73}, {"mymouse11", 61, 73},
    {"mymouse12", 61, 73}, {"mymouse13", 61, 73}, {"mymouse14", 61, 73}, {"mymouse15", 61, 73},
    {"mymouse16", 61, 73}, {"mymouse17", 61, 73}, {"mymouse18", 61, 73}, {"mymouse19", 61, 73},
    {"mymouse20", 61, 73}, {"mymouse21", 61, 73}, {"mymouse22", 61, 73}, {"mymouse23", 61, 73},
    {"mymouse24", 61, 73}, {"mymouse25", 61, 73}, {"mymousehua0", 42, 42}, {"mymousehua1", 42, 42},
    {"mymousehua2", 42, 42}, {"mymousehua3", 42, 42}, {"mymousehua4", 42, 42},
    {"mymousehua5", 42, 42}, {"mymousehua6", 42, 42}, {"mymousehua7", 42, 42},
};

// The figures that move over the game pages stand on the sprite mask colour, magenta, which the
// tutor leaves out where they are shown.
const char* const kSprites[] = {"pt1", "pt2", "pt3", "pt4", "applel1", "applex1", "applea3",
                                "applea4", "apple0", "apple12", "apple25", "mymousemouse1",
                                "mymousemouse2", "mymousemouse3", "mymouse0", "mymouse25",
                                "mymousehua0", "mymousehua7"};

class Artpack : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    std::string path = testkit::Tutor_Folder() + "\\Lib\\artpack.dll";
    module_ = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  }
  static void TearDownTestSuite() {
    if (module_) FreeLibrary(module_);
    module_ = nullptr;
  }
  void SetUp() override { ASSERT_NE(module_, nullptr); }

  static HBITMAP Load(const std::string& name) {
    return static_cast<HBITMAP>(
        LoadImageA(module_, name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  }
  static HMODULE module_;
};
HMODULE Artpack::module_ = nullptr;

// How many different colours a bitmap holds, counting up to `enough`.
int Colour_Count(HBITMAP bmp, int enough) {
  DIBSECTION dib{};
  if (GetObjectA(bmp, sizeof dib, &dib) != sizeof dib || !dib.dsBm.bmBits) return 0;
  const BITMAP& bm = dib.dsBm;
  std::set<unsigned> colours;
  const int bytes = bm.bmBitsPixel / 8;
  for (int y = 0; y < bm.bmHeight; ++y) {
    const auto* row = static_cast<const unsigned char*>(bm.bmBits) + y * bm.bmWidthBytes;
    for (int x = 0; x < bm.bmWidth; ++x) {
      unsigned c = 0;
      for (int b = 0; b < bytes && b < 4; ++b) c |= unsigned(row[x * bytes + b]) << (8 * b);
      colours.insert(c);
      if (static_cast<int>(colours.size()) >= enough) return enough;
    }
  }
  return static_cast<int>(colours.size());
}

TEST_F(Artpack, EveryNamedPictureIsFoundAtItsSize) {
  for (const auto& e : kBitmaps) {
    HBITMAP bmp = Load(e.name);
    ASSERT_NE(bmp, nullptr) << e.name;
    BITMAP bm{};
    GetObjectA(bmp, sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidth, e.width) << e.name;
    EXPECT_EQ(bm.bmHeight, e.height) << e.name;
    DeleteObject(bmp);
  }
}

TEST_F(Artpack, NamesAreFoundWhateverTheLetterCase) {
  for (const char* name : {"larkmoornet1", "LARKMOORNET4", "MyJm", "MYCHAR26", "BgWubi_PinYin_Yes"}) {
    HBITMAP bmp = Load(name);
    EXPECT_NE(bmp, nullptr) << name;
    if (bmp) DeleteObject(bmp);
  }
}

// A picture of one or two colours is a blank or a placeholder, not a drawing.
TEST_F(Artpack, EveryPictureIsDrawn) {
  for (const auto& e : kBitmaps) {
    HBITMAP bmp = Load(e.name);
    ASSERT_NE(bmp, nullptr) << e.name;
    EXPECT_GE(Colour_Count(bmp, 8), 8) << e.name;
    DeleteObject(bmp);
  }
}

// The key table has no key in slots 33 to 39 and 74 to 100, so no highlight exists for them.
TEST_F(Artpack, EmptyKeySlotsHaveNoHighlight) {
  for (int slot : {33, 36, 39, 74, 100}) {
    std::string name = "mychar" + std::to_string(slot);
    EXPECT_EQ(FindResourceA(module_, name.c_str(), MAKEINTRESOURCEA(2)), nullptr) << name;
  }
}

// The pressed and hover looks of a button lie over the same place of their window: each look
// differs from the face around it, and hover differs from selected.
TEST_F(Artpack, ButtonLooksDiffer) {
  const char* pairs[][2] = {{"m1", "m2"}, {"m21", "m22"}, {"mycharchar3", "mycharchar4"},
                            {"LarkmoorNet1", "LarkmoorNet2"}, {"zbcs", "begin2"},
                            {"pps1", "pps2"}, {"pps3", "pps4"}, {"pps5", "pps6"},
                            {"pps1", "pps3"}, {"pps4", "pps6"}};
  for (auto& p : pairs) {
    HBITMAP a = Load(p[0]);
    HBITMAP b = Load(p[1]);
    ASSERT_TRUE(a && b) << p[0];
    DIBSECTION da{}, db{};
    GetObjectA(a, sizeof da, &da);
    GetObjectA(b, sizeof db, &db);
    ASSERT_EQ(da.dsBm.bmWidthBytes * da.dsBm.bmHeight, db.dsBm.bmWidthBytes * db.dsBm.bmHeight);
    EXPECT_NE(memcmp(da.dsBm.bmBits, db.dsBm.bmBits, da.dsBm.bmWidthBytes * da.dsBm.bmHeight), 0)
        << p[0] << " and " << p[1];
    DeleteObject(a);
    DeleteObject(b);
  }
}

// Pixel (x, y) of a bitmap as 0xRRGGBB.
unsigned Pixel(HBITMAP bmp, int x, int y) {
  DIBSECTION dib{};
  GetObjectA(bmp, sizeof dib, &dib);
  const BITMAP& bm = dib.dsBm;
  int row = bm.bmHeight > 0 ? bm.bmHeight - 1 - y : y;  // bottom-up unless the height is negative
  const auto* p = static_cast<const unsigned char*>(bm.bmBits) + row * bm.bmWidthBytes +
                  x * (bm.bmBitsPixel / 8);
  return (unsigned(p[2]) << 16) | (unsigned(p[1]) << 8) | p[0];
}

TEST_F(Artpack, MovingFiguresStandOnTheMaskColour) {
  for (const char* name : kSprites) {
    HBITMAP bmp = Load(name);
    ASSERT_NE(bmp, nullptr) << name;
    BITMAP bm{};
    GetObjectA(bmp, sizeof bm, &bm);
    int masked = 0;
    for (int y = 0; y < bm.bmHeight; ++y)
      for (int x = 0; x < bm.bmWidth; ++x) masked += Pixel(bmp, x, y) == 0xFF00FF;
    EXPECT_EQ(Pixel(bmp, 0, 0), 0xFF00FFu) << name;
    // The figure itself is a good part of the picture, not a speck on the mask.
    EXPECT_LT(masked, bm.bmWidth * bm.bmHeight * 9 / 10) << name;
    EXPECT_GT(masked, bm.bmWidth * bm.bmHeight / 5) << name;
    DeleteObject(bmp);
  }
}

// Each letter has a balloon of its own: no two of the 26 are alike.
TEST_F(Artpack, EveryLetterHasItsOwnBalloon) {
  std::set<std::string> seen;
  for (int k = 0; k < 26; ++k) {
    std::string name = "apple" + std::to_string(k);
    HBITMAP bmp = Load(name);
    ASSERT_NE(bmp, nullptr) << name;
    DIBSECTION dib{};
    GetObjectA(bmp, sizeof dib, &dib);
    const auto* bits = static_cast<const char*>(dib.dsBm.bmBits);
    EXPECT_TRUE(seen.insert(std::string(bits, dib.dsBm.bmWidthBytes * dib.dsBm.bmHeight)).second)
        << name;
    DeleteObject(bmp);
  }
}

}  // namespace
