#include "services/program_folder.h"

#include <windows.h>

#include "forms/forms.h"

namespace quillon {

namespace {

std::string& Folder_Override() {
  static std::string folder;
  return folder;
}

// The platform's path limit counts characters, not bytes: a Chinese character is one.
size_t Path_Characters(const std::string& path) {
  int n = MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
  return n > 0 ? static_cast<size_t>(n) : path.size();
}

}  // namespace

std::string Program_Folder() {
  std::string folder = Folder_Override();
  if (folder.empty()) {
    // Room for any path the platform can give, so that a long one is seen whole, not cut short.
    std::string path(32768, '\0');
    DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0 || n >= path.size()) throw forms::Runtime_Error(5, "无法取得程序文件夹");
    path.resize(n);
    size_t slash = path.find_last_of("\\/");
    folder = slash == std::string::npos ? "." : path.substr(0, slash);
  }
  if (Path_Characters(folder) + kProgramFileRoom >= MAX_PATH)
    throw forms::Runtime_Error(75, "程序文件夹的路径太长，请把程序放到路径较短的文件夹中");
  return folder;
}

std::string Program_File(const std::string& relative) {
  std::string path = Program_Folder() + relative;
  if (Path_Characters(path) >= MAX_PATH) throw forms::Runtime_Error(75, "文件的路径太长：" + path);
  return path;
}

void Set_Program_Folder(const std::string& folder) { Folder_Override() = folder; }

}  // namespace quillon
