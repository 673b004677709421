#pragma once
// Per-user settings by application, section and key: string values in the registry under
//   HKEY_CURRENT_USER\Software\Larkmoor\<application>\<section>
// Sections may nest with "\" ("Setting\Game\Police" is a subkey of "Setting\Game").
// A section's values are listed in the order they were first written (the store keeps that
// order itself in a value named ":order", since the registry may enumerate alphabetically).
// Failures to write throw Runtime_Error; reading never fails (the default comes back).
//
// Tutor_Settings is the tutor's store: application "QL".

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace forms {

std::string Get_Setting(const std::string& application, const std::string& section,
                        const std::string& key, const std::string& default_value = "");
void Save_Setting(const std::string& application, const std::string& section,
                  const std::string& key, const std::string& value);
// Deletes one value; nothing happens when it is missing.
void Delete_Setting(const std::string& application, const std::string& section,
                    const std::string& key);
// Deletes a section with every value and subsection under it; nothing when missing.
void Delete_Setting(const std::string& application, const std::string& section);
// Key and value pairs of a section, in written order (empty when the section is missing).
std::vector<std::pair<std::string, std::string>> Get_All_Settings(const std::string& application,
                                                                  const std::string& section);
// Names of the sections directly under a section, in no particular order (empty when missing).
std::vector<std::string> Get_Setting_Sections(const std::string& application,
                                              const std::string& section);
// The registry path of an application's settings under HKEY_CURRENT_USER.
std::string Settings_Key_Path(const std::string& application);

// The one rule for an integer setting: blanks (spaces, tabs) around it aside, the text must be
// wholly a decimal number (an optional sign, then digits) within the range of int. True and the
// number in `value` when it is; false, `value` untouched, for anything else ("", "12abc",
// "1e3", an over-long number), which then reads as the setting's default.
bool Parse_Setting_Int(std::string_view text, int& value);

class Tutor_Settings {
 public:
  static constexpr const char* Application = "QL";
  static std::string Get(const std::string& section, const std::string& key,
                         const std::string& default_value = "") {
    return Get_Setting(Application, section, key, default_value);
  }
  // The value by Parse_Setting_Int; the default when missing or not wholly a number in range.
  static int Get_Int(const std::string& section, const std::string& key, int default_value);
  static void Save(const std::string& section, const std::string& key, const std::string& value) {
    Save_Setting(Application, section, key, value);
  }
  static void Save(const std::string& section, const std::string& key, long long value) {
    Save_Setting(Application, section, key, std::to_string(value));
  }
  static void Save(const std::string& section, const std::string& key, int value) {
    Save_Setting(Application, section, key, std::to_string(value));
  }
  static void Delete(const std::string& section, const std::string& key) {
    Delete_Setting(Application, section, key);
  }
  static void Delete_Section(const std::string& section) { Delete_Setting(Application, section); }
  static std::vector<std::pair<std::string, std::string>> Get_All(const std::string& section) {
    return Get_All_Settings(Application, section);
  }
  static std::vector<std::string> Get_Sections(const std::string& section) {
    return Get_Setting_Sections(Application, section);
  }
};

}  // namespace forms
