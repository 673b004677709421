#pragma once

// The courses' view of the tutor's settings store (forms::Tutor_Settings, application "QL").

#include "courses/key_char_practice.h"

namespace quillon {

class Tutor_Course_Settings : public Course_Settings {
 public:
  std::string Read(const std::string& section, const std::string& name,
                   const std::string& default_value) override;
  // Throws forms::Runtime_Error when the store cannot be written.
  void Write(const std::string& section, const std::string& name,
             const std::string& value) override;
};

}  // namespace quillon
