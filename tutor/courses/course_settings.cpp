#include "courses/course_settings.h"

#include "forms/settings.h"

namespace quillon {

std::string Tutor_Course_Settings::Read(const std::string& section, const std::string& name,
                                        const std::string& default_value) {
  return forms::Tutor_Settings::Get(section, name, default_value);
}

void Tutor_Course_Settings::Write(const std::string& section, const std::string& name,
                                  const std::string& value) {
  forms::Tutor_Settings::Save(section, name, value);
}

}  // namespace quillon
