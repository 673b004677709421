// The real programs, started as a user would start them.
#include <gtest/gtest.h>

#include "testkit/testkit.h"

namespace {

TEST(TutorProgram, StartsShowsItsWindowAndClosesCleanly) {
  std::string folder = testkit::Tutor_Folder();
  testkit::Process tutor(folder + "\\Quillon.exe", "", folder);
  ASSERT_TRUE(tutor.Started());
  HWND main = nullptr;
  ASSERT_TRUE(testkit::Wait_Until([&] { return (main = testkit::Find_Window_Of(tutor.Id(), "青岚键坊")); }));
  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(tutor.Wait_Exit(), 0u);
}

TEST(TranslatorProgram, StartsFromItsFolderAndClosesCleanly) {
  std::string folder = testkit::Translator_Folder();
  testkit::Process translator(folder + "\\Lingvane.exe", "", folder);
  ASSERT_TRUE(translator.Started());
  HWND bar = nullptr;
  ASSERT_TRUE(testkit::Wait_Until([&] { return (bar = testkit::Find_Window_Of(translator.Id(), "青岚墨译")); }));
  PostMessageA(bar, WM_CLOSE, 0, 0);
  EXPECT_EQ(translator.Wait_Exit(), 0u);
}

}  // namespace
