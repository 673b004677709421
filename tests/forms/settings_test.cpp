// The settings store: values by application, section and key in the per-user registry.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "forms/errors.h"
#include "forms/settings.h"

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

// Each test writes under an application name of its own and removes it afterwards.
class Settings_Store : public ::testing::Test {
 protected:
  void SetUp() override {
    app_ = "QLTest" + std::to_string(GetCurrentProcessId()) + "_" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name();
  }
  void TearDown() override {
    forms::Delete_Setting(app_, "Setting");
    HKEY maker;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Larkmoor", 0, KEY_ALL_ACCESS, &maker) ==
        ERROR_SUCCESS) {
      RegDeleteKeyA(maker, app_.c_str());
      RegCloseKey(maker);
    }
  }
  std::string app_;
};

TEST_F(Settings_Store, ReadsItsDefaultUntilAValueIsWrittenThenTheValue) {
  EXPECT_EQ(forms::Get_Setting(app_, "Setting\\System", "Sound", "1"), "1");
  EXPECT_EQ(forms::Get_Setting(app_, "Setting\\System", "Sound"), "");
  forms::Save_Setting(app_, "Setting\\System", "Sound", "0");
  EXPECT_EQ(forms::Get_Setting(app_, "Setting\\System", "Sound", "1"), "0");
  forms::Save_Setting(app_, "Setting\\System", "Sound", "");
  EXPECT_EQ(forms::Get_Setting(app_, "Setting\\System", "Sound", "1"), "");
  // Chinese text keeps its bytes.
  forms::Save_Setting(app_, "Setting\\System\\Font", "1", "宋体");
  EXPECT_EQ(forms::Get_Setting(app_, "Setting\\System\\Font", "1"), "宋体");
}

TEST_F(Settings_Store, ValuesLiveUnderTheMakersKeyWithNestedSections) {
  forms::Save_Setting(app_, "Setting\\Game\\Police", "Speed Num", "40");
  std::string path = "Software\\Larkmoor\\" + app_ + "\\Setting\\Game\\Police";
  char value[64] = {};
  DWORD size = sizeof value;
  ASSERT_EQ(RegGetValueA(HKEY_CURRENT_USER, path.c_str(), "Speed Num", RRF_RT_REG_SZ, nullptr,
                         value, &size),
            ERROR_SUCCESS);
  EXPECT_STREQ(value, "40");
}

TEST_F(Settings_Store, ListsASectionInTheOrderItsValuesWereFirstWritten) {
  // Names chosen so that alphabetical order differs from the written one.
  const char* names[] = {"zeta", "Alpha", "5", "mid", "0"};
  for (const char* n : names) forms::Save_Setting(app_, "Setting\\Test\\Record", n, n);
  forms::Save_Setting(app_, "Setting\\Test\\Record", "Alpha", "again");  // rewrite keeps place
  Pairs expected{{"zeta", "zeta"}, {"Alpha", "again"}, {"5", "5"}, {"mid", "mid"}, {"0", "0"}};
  EXPECT_EQ(forms::Get_All_Settings(app_, "Setting\\Test\\Record"), expected);

  // A deleted value leaves the list; written again it comes last.
  forms::Delete_Setting(app_, "Setting\\Test\\Record", "5");
  forms::Save_Setting(app_, "Setting\\Test\\Record", "5", "back");
  expected = {{"zeta", "zeta"}, {"Alpha", "again"}, {"mid", "mid"}, {"0", "0"}, {"5", "back"}};
  EXPECT_EQ(forms::Get_All_Settings(app_, "Setting\\Test\\Record"), expected);
  // Nothing of the store's own bookkeeping shows.
  EXPECT_EQ(forms::Get_Setting(app_, "Setting\\Test\\Record", ":order", "none"), "none");
}

TEST_F(Settings_Store, ListOfAMissingSectionIsEmpty) {
  EXPECT_TRUE(forms::Get_All_Settings(app_, "Setting\\Nowhere").empty());
}

TEST_F(Settings_Store, DeletingASectionTakesItsSubsectionsAndLeavesTheRest) {
  forms::Save_Setting(app_, "Setting", "Top", "1");
  forms::Save_Setting(app_, "Setting\\Game", "A", "1");
  forms::Save_Setting(app_, "Setting\\Game\\Frog\\Remember", "Flag", "1");
  forms::Save_Setting(app_, "Setting\\Gamesome", "B", "2");  // a name that merely begins alike
  forms::Delete_Setting(app_, "Setting\\Game");
  EXPECT_EQ(forms::Get_Setting(app_, "Setting\\Game", "A", "gone"), "gone");
  EXPECT_EQ(forms::Get_Setting(app_, "Setting\\Game\\Frog\\Remember", "Flag", "gone"), "gone");
  EXPECT_EQ(forms::Get_Setting(app_, "Setting\\Gamesome", "B"), "2");
  EXPECT_EQ(forms::Get_Setting(app_, "Setting", "Top"), "1");
  // Deleting what is not there is no failure.
  EXPECT_NO_THROW(forms::Delete_Setting(app_, "Setting\\Game"));
  EXPECT_NO_THROW(forms::Delete_Setting(app_, "Setting", "No Such Value"));
  // The whole tree.
  forms::Delete_Setting(app_, "Setting");
  EXPECT_EQ(forms::Get_Setting(app_, "Setting\\Gamesome", "B", "gone"), "gone");
  EXPECT_TRUE(forms::Get_All_Settings(app_, "Setting").empty());
}

TEST_F(Settings_Store, EmptyNamesAreRefusedOnWriteAndGiveTheDefaultOnRead) {
  EXPECT_THROW(forms::Save_Setting(app_, "", "k", "v"), forms::Runtime_Error);
  EXPECT_THROW(forms::Save_Setting(app_, "Setting", "", "v"), forms::Runtime_Error);
  EXPECT_EQ(forms::Get_Setting(app_, "", "k", "d"), "d");
}

TEST(Tutor_Settings, UsesApplicationQlAndReadsNumbersWithADefault) {
  const std::string section = "Setting\\FormsTest" + std::to_string(GetCurrentProcessId());
  forms::Tutor_Settings::Save(section, "Lesson", 7);
  forms::Tutor_Settings::Save(section, "Text", "x7");
  EXPECT_EQ(forms::Get_Setting("QL", section, "Lesson"), "7");
  EXPECT_EQ(forms::Tutor_Settings::Get_Int(section, "Lesson", 5), 7);
  EXPECT_EQ(forms::Tutor_Settings::Get_Int(section, "Missing", 5), 5);
  EXPECT_EQ(forms::Tutor_Settings::Get_Int(section, "Text", 5), 5);
  EXPECT_EQ(forms::Tutor_Settings::Get_All(section).size(), 2u);
  forms::Tutor_Settings::Delete_Section(section);
  EXPECT_EQ(forms::Tutor_Settings::Get(section, "Lesson", "none"), "none");
}

}  // namespace
