// The resource library is a real DLL whose bitmaps are found by name, whatever the case.
#include <gtest/gtest.h>

#include "testkit/testkit.h"

#include <mmsystem.h>

namespace {

class ResourceLibrary : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string path = testkit::Tutor_Folder() + "\\Lib\\artpack.dll";
    module_ = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module_, nullptr) << path;
  }
  void TearDown() override {
    if (module_) FreeLibrary(module_);
  }
  SIZE Bitmap_Size(const char* name) {
    HBITMAP bmp = static_cast<HBITMAP>(LoadImageA(module_, name, IMAGE_BITMAP, 0, 0, 0));
    if (!bmp) return {0, 0};
    BITMAP bm{};
    GetObjectA(bmp, sizeof bm, &bm);
    DeleteObject(bmp);
    return {bm.bmWidth, bm.bmHeight};
  }
  HMODULE module_ = nullptr;
};

TEST_F(ResourceLibrary, FindsSplashByNameInAnyCase) {
  for (const char* name : {"qd", "QD", "Qd"}) {
    SIZE s = Bitmap_Size(name);
    EXPECT_EQ(s.cx, 425) << name;
    EXPECT_EQ(s.cy, 240) << name;
  }
}

TEST_F(ResourceLibrary, UnknownNameIsNotFound) {
  EXPECT_EQ(FindResourceA(module_, "no-such-picture", MAKEINTRESOURCEA(2)), nullptr);
}

TEST(Platform, AnsiCodePageIsChinese) {
  EXPECT_EQ(GetACP(), 936u);
  EXPECT_EQ(PRIMARYLANGID(GetSystemDefaultLangID()), LANG_CHINESE);
  EXPECT_EQ(SUBLANGID(GetSystemDefaultLangID()), SUBLANG_CHINESE_SIMPLIFIED);
}

}  // namespace

namespace {

// The test desktop gives Wine one wave-out device whose sound is written to a file.
TEST(Platform, TestDesktopHasAWaveOutDeviceThatRecords) {
  ASSERT_EQ(waveOutGetNumDevs(), 1u);
  ASSERT_FALSE(testkit::Sound_Output_File().empty());
  auto before = testkit::Sound_Output_Stamp();
  std::string click = testkit::Tutor_Folder() + "\\Music\\Sound\\click.wav";
  ASSERT_TRUE(PlaySoundA(click.c_str(), nullptr, SND_FILENAME | SND_SYNC | SND_NODEFAULT));
  EXPECT_TRUE(testkit::Wait_Until([&] { return testkit::Sound_Output_Stamp() != before; }, std::chrono::seconds(5)));
}

}  // namespace
