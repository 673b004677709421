#include "shell/error_box.h"

#include <windows.h>

namespace quillon {

namespace {
std::function<void(const std::string&)>& Handler() {
  static std::function<void(const std::string&)> handler;
  return handler;
}
}  // namespace

void Set_Error_Box_Handler(std::function<void(const std::string& message)> handler) {
  Handler() = std::move(handler);
}

void Show_Error_Box(const std::string& description, const char* ending) {
  std::string text = description + ending;
  if (Handler()) {
    Handler()(text);
    return;
  }
  MessageBoxA(GetActiveWindow(), text.c_str(), "错误", MB_OK | MB_ICONSTOP);
}

}  // namespace quillon
