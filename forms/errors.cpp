#include "forms/errors.h"

namespace forms {
namespace {

Message_Box_Function& Box() {
  static Message_Box_Function box;
  return box;
}

}  // namespace

void Set_Message_Box_Function(Message_Box_Function box) { Box() = std::move(box); }

int Message_Box(HWND owner, const std::string& text, const std::string& title, UINT flags) {
  if (Box()) return Box()(owner, text, title, flags);
  return MessageBoxA(owner, text.c_str(), title.c_str(), flags);
}

void Show_Error_Box(const std::string& description, const char* mark) {
  Message_Box(nullptr, description + mark, "错误", MB_OK | MB_ICONSTOP);
}

std::string Current_Error_Text() {
  try {
    throw;
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return "Application-defined or object-defined error";
  }
}

}  // namespace forms
