#pragma once
// The settings store of the courses kept in memory: what a practice reads and, in order, what it
// writes; a read-only store throws like a registry that refuses the write.

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "courses/key_char_practice.h"

namespace quillon {

class Memory_Settings : public Course_Settings {
 public:
  std::string Read(const std::string& section, const std::string& name,
                   const std::string& default_value) override {
    auto it = values.find(section + "|" + name);
    return it == values.end() ? default_value : it->second;
  }
  void Write(const std::string& section, const std::string& name,
             const std::string& value) override {
    if (read_only) throw std::runtime_error("拒绝访问");
    values[section + "|" + name] = value;
    written.push_back(section + "|" + name + "=" + value);
    ++writes;
  }
  std::string Get(const std::string& section, const std::string& name) {
    auto it = values.find(section + "|" + name);
    return it == values.end() ? "<none>" : it->second;
  }
  void Set(const std::string& section, const std::string& name, const std::string& value) {
    values[section + "|" + name] = value;
  }
  std::map<std::string, std::string> values;
  std::vector<std::string> written;  // "section|name=value", in order
  int writes = 0;
  bool read_only = false;
};

}  // namespace quillon
