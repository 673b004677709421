// The courses' progress goes to the tutor's settings store.
#include <gtest/gtest.h>

#include "courses/course_settings.h"
#include "forms/settings.h"

namespace quillon {
namespace {

TEST(TutorCourseSettings, ReadsBackWhatItWroteAndDefaultsWhatIsMissing) {
  const std::string section = "Setting\\English\\Char\\Remember\\Test Only";
  forms::Tutor_Settings::Delete_Section(section);
  Tutor_Course_Settings settings;
  EXPECT_EQ(settings.Read(section, "0", "1"), "1");
  settings.Write(section, "0", "12");
  EXPECT_EQ(settings.Read(section, "0", "1"), "12");
  EXPECT_EQ(forms::Tutor_Settings::Get(section, "0", ""), "12");
  forms::Tutor_Settings::Delete_Section(section);
}

}  // namespace
}  // namespace quillon
