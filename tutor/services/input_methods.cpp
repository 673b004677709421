#include "services/input_methods.h"

#include <imm.h>

#include <cctype>
#include <utility>

#include "services/globals.h"
#include "services/picture_boxes.h"
#include "services/screen_ids.h"
#include "services/tutor_settings.h"
#include "services/utilities.h"

namespace quillon {

namespace {

// ---- Platform calls ----

std::vector<HKL> Real_Layout_List() {
  HKL layouts[25];
  int n = GetKeyboardLayoutList(25, layouts);
  return std::vector<HKL>(layouts, layouts + (n > 0 ? n : 0));
}

int Real_Platform_Id() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;  // 148 bytes
  if (!GetVersionExA(&info)) return 0;
  return static_cast<int>(info.dwPlatformId);
}

bool Real_NumLock_On() {
  BYTE state[256] = {};
  GetKeyboardState(state);
  return state[VK_NUMLOCK] != 0;
}

void Real_Set_NumLock_State() {
  BYTE state[256] = {};
  GetKeyboardState(state);
  state[VK_NUMLOCK] = 1;
  SetKeyboardState(state);
}

void Real_Press_NumLock() {
  keybd_event(VK_NUMLOCK, 0x45, KEYEVENTF_EXTENDEDKEY, 0);
  keybd_event(VK_NUMLOCK, 0x45, KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP, 0);
}

Layout_Platform Real_Platform() {
  Layout_Platform p;
  p.current_layout = [] { return GetKeyboardLayout(0); };
  p.is_ime = [](HKL layout) { return ImmIsIME(layout) == 1; };
  p.load_reordered = [](const std::string& id) { LoadKeyboardLayoutA(id.c_str(), KLF_REORDER); };
  p.layout_list = Real_Layout_List;
  p.activate = [](HKL layout) { ActivateKeyboardLayout(layout, 0); };
  p.shape_toggle = [](HWND window) { ImmSimulateHotKey(window, IME_THOTKEY_SHAPE_TOGGLE); };
  p.platform_id = Real_Platform_Id;
  p.numlock_on = Real_NumLock_On;
  p.set_numlock_state = Real_Set_NumLock_State;
  p.press_numlock = Real_Press_NumLock;
  return p;
}

Layout_Platform& Platform() {
  static Layout_Platform platform = Real_Platform();
  return platform;
}

// Loads the layout to the head of the list and activates the list's first entry; a layout that
// cannot be loaded leaves the list as it was, and its first entry is activated all the same.
void Activate_First_Layout_Of(const std::string& layout) {
  Platform().load_reordered(layout);
  std::vector<HKL> layouts = Platform().layout_list();
  if (!layouts.empty()) Platform().activate(layouts.front());
}

void Switch_To_Chinese_IME(const std::string& layout, const char* notice_face) {
  forms::Guarded([&] {
    if (layout.empty()) {
      Show_Form_WubiPin(notice_face);
      return;
    }
    Activate_First_Layout_Of(layout);
    Simulate_IME_Shape_Key();
  });
}

constexpr const char kPlainChinese[] = "00000804";
constexpr const char kUSEnglish[] = "00000409";

bool Contains(const std::string& text, const char* part) {
  return text.find(part) != std::string::npos;
}

// A layout for Chinese: eight hexadecimal digits whose language part (the last four) is 0804.
bool Is_Chinese_Layout(const std::string& id) {
  if (id.size() != 8) return false;
  for (char c : id)
    if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
  return id.compare(4, 4, "0804") == 0;
}

// Writes the entry into the table's last (empty) entry, swaps it to the front when it is the
// kind's favourite, and grows the table by one empty entry.
void Add_Method(std::vector<IME_Entry>& table, const IME_Entry& entry, bool favourite) {
  table.back() = entry;
  if (favourite && table.size() > 1) std::swap(table.front(), table.back());
  table.emplace_back();
}

}  // namespace

// ---- The installed Chinese input methods ----

IME_List Wubi_IME_List(1);
IME_List PinYin_IME_List(1);

int IME_Method_Count(const IME_List& list) {
  int n = 0;
  while (n < static_cast<int>(list.size()) && !list[static_cast<size_t>(n)].id.empty()) ++n;
  return n;
}

void Set_Layout_Platform(Layout_Platform platform) {
  Layout_Platform real = Real_Platform();
  if (!platform.current_layout) platform.current_layout = real.current_layout;
  if (!platform.is_ime) platform.is_ime = real.is_ime;
  if (!platform.load_reordered) platform.load_reordered = real.load_reordered;
  if (!platform.layout_list) platform.layout_list = real.layout_list;
  if (!platform.activate) platform.activate = real.activate;
  if (!platform.shape_toggle) platform.shape_toggle = real.shape_toggle;
  if (!platform.platform_id) platform.platform_id = real.platform_id;
  if (!platform.numlock_on) platform.numlock_on = real.numlock_on;
  if (!platform.set_numlock_state) platform.set_numlock_state = real.set_numlock_state;
  if (!platform.press_numlock) platform.press_numlock = real.press_numlock;
  Platform() = std::move(platform);
}

IME_Tables Sort_Chinese_IMEs(const std::vector<IME_Entry>& preloaded) {
  IME_Tables t{std::vector<IME_Entry>(1), std::vector<IME_Entry>(1)};
  for (const IME_Entry& layout : preloaded) {
    if (layout.id.empty()) break;
    if (layout.id == kPlainChinese || layout.id == kUSEnglish || !Is_Chinese_Layout(layout.id))
      continue;
    if (Contains(layout.text, "五笔"))
      Add_Method(t.wubi, layout, Contains(layout.text, "王码"));
    else
      Add_Method(t.pinyin, layout,
                 Contains(layout.text, "智能 ABC") || Contains(layout.text, "智能ABC"));
  }
  return t;
}

IME_Choice Choose_IME(const std::vector<IME_Entry>& table, const std::string& stored_value) {
  const int filled = static_cast<int>(table.size()) - 1;  // the last entry is the empty one
  if (filled < 1) return {};
  int chosen = 0;
  if (!stored_value.empty())
    for (int k = 0; k < filled; ++k)
      if (table[static_cast<size_t>(k)].id == stored_value) {
        chosen = k;
        break;
      }
  const IME_Entry& e = table[static_cast<size_t>(chosen)];
  return {chosen, e.id, e.text};
}

std::string Preloaded_Layout(const std::string& os_kind, int n) {
  const std::string number = std::to_string(n);
  if (os_kind == "Windows")
    return Trim_Right(
        Read_Registry_String(HKEY_CURRENT_USER, "keyboard layout\\preload\\" + number, ""));
  if (os_kind == "NT")
    return Trim_Right(Read_Registry_String(HKEY_CURRENT_USER, "keyboard layout\\preload", number));
  return std::string();
}

void Find_Chinese_IME() {
  forms::Guarded([] {
    const std::string os_kind = Get_OS_Kind();
    Wubi_IME_List.assign(1, IME_Entry{});
    PinYin_IME_List.assign(1, IME_Entry{});
    std::vector<IME_Entry> preloaded;
    for (int n = 1;; ++n) {
      IME_Entry layout{Preloaded_Layout(os_kind, n), ""};
      if (layout.id.empty()) break;
      // Only the layouts that can go into a table need their text; an unreadable text is empty.
      if (Is_Chinese_Layout(layout.id))
        layout.text = Trim_Right(Read_Registry_String(
            HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Control\\Keyboard Layouts\\" + layout.id,
            "layout text"));
      preloaded.push_back(std::move(layout));
    }
    IME_Tables tables = Sort_Chinese_IMEs(preloaded);
    Wubi_IME_List = std::move(tables.wubi);
    PinYin_IME_List = std::move(tables.pinyin);

    struct Kind {
      const std::vector<IME_Entry>& table;
      Int_Setting index;
      Text_Setting value, name;
      std::string& layout_id;
    };
    const Kind kinds[] = {
        {Wubi_IME_List, kWubiCodeIndex, kWubiCodeValue, kWubiCodeName, Wubi_Layout_ID},
        {PinYin_IME_List, kPinYinCodeIndex, kPinYinCodeValue, kPinYinCodeName, PinYin_Layout_ID}};
    for (const Kind& k : kinds) {
      IME_Choice choice = Choose_IME(k.table, Read(k.value));
      Write(k.index, choice.index);
      Write(k.value, choice.value);
      Write(k.name, choice.name);
      k.layout_id = choice.value;
    }
  });
}

// ---- Switching ----

void Switch_To_English_Layout() {
  forms::Guarded([] {
    if (Platform().is_ime(Platform().current_layout())) Activate_First_Layout_Of(kUSEnglish);
  });
}

void Switch_To_Wubi_IME() { Switch_To_Chinese_IME(Wubi_Layout_ID, "bgwubi"); }
void Switch_To_PinYin_IME() { Switch_To_Chinese_IME(PinYin_Layout_ID, "bgpinyin"); }

void Simulate_IME_Shape_Key() {
  forms::Guarded([] {
    if (!IME_Shape_Key_Pending) return;
    forms::Form* active = forms::Active_Form();
    if (!active || !active->Hwnd()) return;  // tried again at the next switch
    Platform().shape_toggle(active->Hwnd());
    IME_Shape_Key_Pending = false;
  });
}

void Set_NumLock_On() {
  forms::Guarded([] {
    if (Platform().numlock_on()) return;
    switch (Platform().platform_id()) {
      case VER_PLATFORM_WIN32_WINDOWS: Platform().set_numlock_state(); break;
      case VER_PLATFORM_WIN32_NT: Platform().press_numlock(); break;
      default: break;
    }
  });
}

// ---- The window hot key ----

namespace {

// Where the system has no window hot keys (WM_SETHOTKEY unanswered), the same combination is
// registered as a hot key of a hidden window that brings the form's window forward.
struct Activation_Key {
  HWND receiver = nullptr;
  HWND target = nullptr;
  int value = 0;  // shift flags * 256 + key code, 0 when none is registered
};

Activation_Key& Activation() {
  static Activation_Key key;
  return key;
}

LRESULT CALLBACK Activation_Key_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_HOTKEY && Activation().target && IsWindow(Activation().target)) {
    HWND target = Activation().target;
    ShowWindow(target, IsIconic(target) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(target);
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

void Unregister_Activation_Key() {
  Activation_Key& a = Activation();
  if (a.receiver && a.value) UnregisterHotKey(a.receiver, 1);
  a.value = 0;
  a.target = nullptr;
}

void Register_Activation_Key(HWND target, int shift, int key_code) {
  Activation_Key& a = Activation();
  Unregister_Activation_Key();
  if (key_code == 0) return;
  if (!a.receiver) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Activation_Key_Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "QuillonActivationKey";
    RegisterClassA(&wc);
    a.receiver = CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 wc.hInstance, nullptr);
  }
  UINT modifiers = ((shift & 1) ? MOD_SHIFT : 0) | ((shift & 2) ? MOD_CONTROL : 0) |
                   ((shift & 4) ? MOD_ALT : 0);
  if (a.receiver && RegisterHotKey(a.receiver, 1, modifiers, static_cast<UINT>(key_code))) {
    a.value = shift * 256 + key_code;
    a.target = target;
  }
}

}  // namespace

int Active_Hot_Key_Of(forms::Form& form) {
  if (!form.Hwnd()) return 0;
  LRESULT value = SendMessageA(form.Hwnd(), WM_GETHOTKEY, 0, 0);
  if (value > 0) return static_cast<int>(value);
  return Activation().target == form.Hwnd() ? Activation().value : 0;
}

void Set_Active_Hot_Key(forms::Form& form) {
  forms::Guarded([&] {
    Active_Shift = Read(kActiveShift);
    Active_Key_Code = Read(kActiveKeyCode);
    if (!form.Hwnd()) return;
    WPARAM value = static_cast<WPARAM>(Active_Shift * 256 + Active_Key_Code);
    if (SendMessageA(form.Hwnd(), WM_SETHOTKEY, value, 0) <= 0)
      Register_Activation_Key(form.Hwnd(), Active_Shift, Active_Key_Code);
  });
}

void Clear_Active_Hot_Key(forms::Form& form) {
  forms::Guarded([&] {
    if (form.Hwnd()) SendMessageA(form.Hwnd(), WM_SETHOTKEY, 0, 0);
    if (Activation().target == form.Hwnd()) Unregister_Activation_Key();
  });
}

namespace {

struct Key_Name {
  int code;
  const char* text;
};
constexpr Key_Name kPunctuationKeys[] = {
    {VK_OEM_1, ";"}, {VK_OEM_PLUS, "="}, {VK_OEM_COMMA, ","}, {VK_OEM_MINUS, "-"},
    {VK_OEM_PERIOD, "."}, {VK_OEM_2, "/"}, {VK_OEM_3, "`"}, {VK_OEM_4, "["},
    {VK_OEM_5, "\\"}, {VK_OEM_6, "]"}, {VK_OEM_7, "'"}};

struct Shift_Name {
  int flag;
  const char* text;
};
constexpr Shift_Name kShiftNames[] = {{kCtrlMask, "Ctrl+"}, {kShiftMask, "Shift+"},
                                      {kAltMask, "Alt+"}};

}  // namespace

std::string Get_Shift_Text(int shift_flags) {
  std::string text;
  for (const Shift_Name& s : kShiftNames)
    if (shift_flags & s.flag) text += s.text;
  return text;
}

std::string Get_Key_Text(int key_code) {
  if ((key_code >= '0' && key_code <= '9') || (key_code >= 'A' && key_code <= 'Z'))
    return std::string(1, static_cast<char>(key_code));
  if (key_code >= VK_F1 && key_code <= VK_F12) return "F" + std::to_string(key_code - VK_F1 + 1);
  for (const Key_Name& k : kPunctuationKeys)
    if (k.code == key_code) return k.text;
  return std::string();
}

}  // namespace quillon
