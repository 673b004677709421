#pragma once
// What every course says of a file it cannot use, naming it.

#include <string>

namespace quillon {

// "文件未找到：<path>" for a file that is not there.
inline std::string File_Missing_Message(const std::string& path) { return "文件未找到：" + path; }
// "无法读取文件：<path>" for one that is there but cannot be read.
inline std::string File_Unreadable_Message(const std::string& path) {
  return "无法读取文件：" + path;
}

}  // namespace quillon
