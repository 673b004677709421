#include "forms/sendkeys.h"

#include <cctype>
#include <cstring>

#include "forms/errors.h"
#include "forms/pump.h"

namespace forms {

namespace {

struct Named_Key {
  const char* name;
  WORD vk;
};

constexpr Named_Key Named_Keys[] = {
    {"ENTER", VK_RETURN},  {"BS", VK_BACK},        {"BACKSPACE", VK_BACK}, {"BKSP", VK_BACK},
    {"DEL", VK_DELETE},    {"DELETE", VK_DELETE},  {"TAB", VK_TAB},        {"ESC", VK_ESCAPE},
    {"ESCAPE", VK_ESCAPE}, {"HOME", VK_HOME},      {"END", VK_END},        {"LEFT", VK_LEFT},
    {"RIGHT", VK_RIGHT},   {"UP", VK_UP},          {"DOWN", VK_DOWN},      {"PGUP", VK_PRIOR},
    {"PGDN", VK_NEXT},     {"INSERT", VK_INSERT},  {"INS", VK_INSERT},     {"BREAK", VK_CANCEL},
    {"CAPSLOCK", VK_CAPITAL}, {"NUMLOCK", VK_NUMLOCK}, {"SCROLLLOCK", VK_SCROLL},
    {"HELP", VK_HELP},     {"PRTSC", VK_SNAPSHOT},
};

bool Extended(WORD vk) {
  switch (vk) {
    case VK_DELETE: case VK_INSERT: case VK_HOME: case VK_END: case VK_LEFT: case VK_RIGHT:
    case VK_UP: case VK_DOWN: case VK_PRIOR: case VK_NEXT:
      return true;
  }
  return false;
}

INPUT Key_Event(WORD vk, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, 0));
  in.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (Extended(vk) ? KEYEVENTF_EXTENDEDKEY : 0);
  return in;
}

INPUT Unicode_Event(wchar_t ch, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wScan = ch;
  in.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
  return in;
}

const WORD Modifier_Keys[3] = {VK_SHIFT, VK_CONTROL, VK_MENU};

class Parser {
 public:
  explicit Parser(const std::string& keys) : s_(keys) {}

  std::vector<INPUT> Run() {
    while (at_ < s_.size()) Item(0);
    return out_;
  }

 private:
  [[noreturn]] void Bad() { throw Runtime_Error(5, "Invalid procedure call or argument"); }

  static int Modifier_Of(char c) {
    return c == '+' ? 1 : c == '^' ? 2 : c == '%' ? 4 : 0;
  }

  void Press(int mods) {
    for (int i = 0; i < 3; ++i)
      if (mods & (1 << i)) out_.push_back(Key_Event(Modifier_Keys[i], false));
  }
  void Release(int mods) {
    for (int i = 2; i >= 0; --i)
      if (mods & (1 << i)) out_.push_back(Key_Event(Modifier_Keys[i], true));
  }

  void Stroke(WORD vk, int mods) {
    Press(mods);
    out_.push_back(Key_Event(vk, false));
    out_.push_back(Key_Event(vk, true));
    Release(mods);
  }

  void Character(const std::string& ch, int mods) {
    if (ch.size() == 1) {
      SHORT scan = VkKeyScanA(ch[0]);
      if (scan != -1) {
        int need = (HIBYTE(scan) & 1 ? 1 : 0) | (HIBYTE(scan) & 2 ? 2 : 0) |
                   (HIBYTE(scan) & 4 ? 4 : 0);
        Stroke(LOBYTE(scan), mods | need);
        return;
      }
    }
    wchar_t wide[4] = {};
    int n = MultiByteToWideChar(CP_ACP, 0, ch.data(), static_cast<int>(ch.size()), wide, 4);
    Press(mods);
    for (int i = 0; i < n; ++i) {
      out_.push_back(Unicode_Event(wide[i], false));
      out_.push_back(Unicode_Event(wide[i], true));
    }
    Release(mods);
  }

  // One key, group or braced name, with the modifiers already held.
  void Item(int held) {
    char c = s_[at_];
    if (int m = Modifier_Of(c)) {
      ++at_;
      if (at_ >= s_.size()) {  // a lone modifier: its own key
        Stroke(Modifier_Keys[m == 1 ? 0 : m == 2 ? 1 : 2], held);
        return;
      }
      Item(held | m);
      return;
    }
    if (c == '(') {
      ++at_;
      Press(held);
      while (at_ < s_.size() && s_[at_] != ')') Item(0);
      if (at_ >= s_.size()) Bad();
      ++at_;
      Release(held);
      return;
    }
    if (c == ')' || c == '}') Bad();
    if (c == '~') {
      ++at_;
      Stroke(VK_RETURN, held);
      return;
    }
    if (c == '{') {
      Braced(held);
      return;
    }
    size_t len = IsDBCSLeadByte(static_cast<BYTE>(c)) && at_ + 1 < s_.size() ? 2 : 1;
    Character(s_.substr(at_, len), held);
    at_ += len;
  }

  void Braced(int held) {
    // {x} or {name} or {name n}; "{}}" is a literal brace.
    size_t start = at_ + 1;
    size_t close = s_.find('}', start + 1 <= s_.size() ? start + 1 : start);
    if (start < s_.size() && s_[start] == '}' ) close = start + 1 < s_.size() && s_[start + 1] == '}' ? start + 1 : std::string::npos;
    if (close == std::string::npos) Bad();
    std::string body = s_.substr(start, close - start);
    at_ = close + 1;
    int repeat = 1;
    size_t space = body.rfind(' ');
    if (space != std::string::npos && space > 0) {
      std::string count = body.substr(space + 1);
      if (count.empty() || count.find_first_not_of("0123456789") != std::string::npos) Bad();
      repeat = std::atoi(count.c_str());
      body = body.substr(0, space);
    }
    if (body.empty()) Bad();
    std::string upper = body;
    for (auto& ch : upper) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    WORD vk = 0;
    for (const auto& k : Named_Keys)
      if (upper == k.name) vk = k.vk;
    if (!vk && upper.size() >= 2 && upper[0] == 'F' &&
        upper.find_first_not_of("0123456789", 1) == std::string::npos) {
      int n = std::atoi(upper.c_str() + 1);
      if (n >= 1 && n <= 16) vk = static_cast<WORD>(VK_F1 + n - 1);
    }
    for (int i = 0; i < repeat; ++i) {
      if (vk) {
        Stroke(vk, held);
      } else {
        size_t len = IsDBCSLeadByte(static_cast<BYTE>(body[0])) ? 2 : 1;
        if (body.size() != len) Bad();
        Character(body, held);
      }
    }
  }

  std::string s_;
  size_t at_ = 0;
  std::vector<INPUT> out_;
};

}  // namespace

std::vector<INPUT> Parse_Keys(const std::string& keys) { return Parser(keys).Run(); }

void Send_Keys(const std::string& keys, bool wait) {
  std::vector<INPUT> inputs = Parse_Keys(keys);
  if (inputs.empty()) return;
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  if (wait) {
    const DWORD start = GetTickCount();
    do {
      if (!Do_Events()) return;
    } while (GetQueueStatus(QS_INPUT | QS_POSTMESSAGE) != 0 && GetTickCount() - start < 1000);
  }
}

}  // namespace forms
