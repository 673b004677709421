// Finding the installed Chinese input methods from the registry's preloaded layouts (written into
// the test prefix and put back afterwards), the switches between them and US English, NumLock
// and the input-method notice of a Chinese practice without its method. Wine switches no Chinese
// input method, so the switches are watched through their platform calls.
#include "look_fixture.h"

#include "services/input_methods.h"
#include "services/tutor_settings.h"
#include "testkit/layout_registry.h"

namespace quillon {
namespace {

struct Stored {
  std::string index, value, name;
  bool operator==(const Stored&) const = default;
};
std::ostream& operator<<(std::ostream& o, const Stored& s) {
  return o << "{" << s.index << ", " << s.value << ", " << s.name << "}";
}
Stored Stored_In(const char* section) {
  using forms::Tutor_Settings;
  return {Tutor_Settings::Get(section, "Index", "?"), Tutor_Settings::Get(section, "Value", "?"),
          Tutor_Settings::Get(section, "Name", "?")};
}
const char kWubiCode[] = "Setting\\Chinese\\Wubi\\Code";
const char kPinYinCode[] = "Setting\\Chinese\\PinYin\\Code";

void Forget_Choices() {
  for (const char* section : {kWubiCode, kPinYinCode})
    for (const char* key : {"Index", "Value", "Name"}) forms::Tutor_Settings::Delete(section, key);
}

class Input_Methods : public Look_Test {
 protected:
  void SetUp() override {
    Look_Test::SetUp();
    Forget_Choices();
    Layout_Platform p;
    p.load_reordered = [this](const std::string& id) { layout_calls.push_back("load " + id); };
    p.layout_list = [] { return std::vector<HKL>{reinterpret_cast<HKL>(0x1111), reinterpret_cast<HKL>(0x2222)}; };
    p.activate = [this](HKL h) {
      layout_calls.push_back("activate " + std::to_string(reinterpret_cast<UINT_PTR>(h)));
    };
    p.shape_toggle = [this](HWND w) { toggles.push_back(w); };
    p.is_ime = [this](HKL) { return ime_active; };
    Set_Layout_Platform(std::move(p));
  }
  void TearDown() override {
    Set_Layout_Platform({});
    Forget_Choices();
    Look_Test::TearDown();
  }
  std::vector<std::string> layout_calls;
  std::vector<HWND> toggles;
  bool ime_active = false;
};

TEST_F(Input_Methods, TheScanFillsBothTablesAndStoresTheChoiceThatIsStillInstalled) {
  Layout_Registry registry;
  registry.Preload("1", "00000409");
  registry.Preload("2", "E0200804");
  registry.Preload("3", "E0210804  ");  // trailing blanks are trimmed
  registry.Preload("4", "00000407");    // German: neither table
  registry.Preload("5", "E0220804");    // no text at all: a PinYin-side method without a name
  registry.Preload("6", "E0230804");
  registry.Preload("8", "E0240804");    // after the gap: never read
  registry.Text("E0200804", "五笔型 A");
  registry.Text("E0210804", "王码五笔型 B");
  registry.Text("E0230804", "智能ABC输入法");
  registry.Text("E0240804", "五笔 C");
  registry.Text("00000407", "五笔 German");
  forms::Tutor_Settings::Save(kWubiCode, "Value", "E0200804");
  forms::Tutor_Settings::Save(kPinYinCode, "Value", "E0990804");  // no longer installed

  Find_Chinese_IME();
  EXPECT_EQ(Wubi_IME_List, (std::vector<IME_Entry>{
                               {"E0210804", "王码五笔型 B"}, {"E0200804", "五笔型 A"}, {}}));
  EXPECT_EQ(PinYin_IME_List, (std::vector<IME_Entry>{
                                 {"E0230804", "智能ABC输入法"}, {"E0220804", ""}, {}}));
  EXPECT_EQ(Stored_In(kWubiCode), (Stored{"1", "E0200804", "五笔型 A"}));
  EXPECT_EQ(Stored_In(kPinYinCode), (Stored{"0", "E0230804", "智能ABC输入法"}));
  EXPECT_EQ(Wubi_Layout_ID, "E0200804");
  EXPECT_EQ(PinYin_Layout_ID, "E0230804");

  // The next scan keeps both choices.
  Find_Chinese_IME();
  EXPECT_EQ(Stored_In(kWubiCode), (Stored{"1", "E0200804", "五笔型 A"}));
  EXPECT_EQ(Stored_In(kPinYinCode), (Stored{"0", "E0230804", "智能ABC输入法"}));
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Input_Methods, NoListBadValuesAndUnreadableTextsStoreNothingWrong) {
  struct Case {
    const char* what;
    std::function<void(Layout_Registry&)> fill;
    Stored wubi, pinyin;
  } const cases[] = {
      {"no preload list at all", [](Layout_Registry&) {}, {"0", "", ""}, {"0", "", ""}},
      {"the first value is a number, not a text",
       [](Layout_Registry& r) {
         r.Preload_Number("1", 0x804);
         r.Preload("2", "E0200804");
         r.Text("E0200804", "五笔");
       },
       {"0", "", ""}, {"0", "", ""}},
      {"garbage and too long identifiers go nowhere",
       [](Layout_Registry& r) {
         r.Preload("1", "not a layout");
         r.Preload("2", "E020080400");
         r.Preload("3", "E0200804");
         r.Text("E0200804", "五笔");
       },
       {"0", "E0200804", "五笔"}, {"0", "", ""}},
      {"a method whose text is missing is a PinYin one without a name",
       [](Layout_Registry& r) { r.Preload("1", "E0250804"); },
       {"0", "", ""}, {"0", "E0250804", ""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Forget_Choices();
    Wubi_Layout_ID = PinYin_Layout_ID = "stale";
    {
      Layout_Registry registry;
      c.fill(registry);
      Find_Chinese_IME();
    }
    EXPECT_EQ(Stored_In(kWubiCode), c.wubi);
    EXPECT_EQ(Stored_In(kPinYinCode), c.pinyin);
    EXPECT_EQ(Wubi_Layout_ID, c.wubi.value);
    EXPECT_EQ(PinYin_Layout_ID, c.pinyin.value);
    EXPECT_EQ(Wubi_IME_List.back(), IME_Entry{});
    EXPECT_EQ(PinYin_IME_List.back(), IME_Entry{});
  }
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Input_Methods, AChineseMethodIsActivatedAndTheShapeToggledOnceARun) {
  IME_Shape_Key_Pending = true;
  Wubi_Layout_ID = "E0200804";
  PinYin_Layout_ID = "E0230804";
  Switch_To_Wubi_IME();
  Switch_To_PinYin_IME();
  Switch_To_Wubi_IME();
  const std::string first = "activate " + std::to_string(0x1111);
  EXPECT_EQ(layout_calls, (std::vector<std::string>{"load E0200804", first, "load E0230804",
                                                    first, "load E0200804", first}));
  EXPECT_EQ(toggles, std::vector<HWND>{form().Hwnd()});
  EXPECT_FALSE(IME_Shape_Key_Pending);
  EXPECT_TRUE(picture_boxes.empty());
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Input_Methods, WithNoActiveTutorWindowTheToggleWaitsForTheNextSwitch) {
  IME_Shape_Key_Pending = true;
  Wubi_Layout_ID = "E0200804";
  HWND other = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                               nullptr, nullptr, nullptr);
  SetForegroundWindow(other);
  ASSERT_TRUE(Pump_Until([&] { return GetForegroundWindow() == other; }));
  Switch_To_Wubi_IME();
  EXPECT_TRUE(toggles.empty());
  EXPECT_TRUE(IME_Shape_Key_Pending);
  DestroyWindow(other);
  SetForegroundWindow(form().Hwnd());
  ASSERT_TRUE(Pump_Until([&] { return GetForegroundWindow() == form().Hwnd(); }));
  Switch_To_Wubi_IME();
  EXPECT_EQ(toggles, std::vector<HWND>{form().Hwnd()});
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Input_Methods, WithoutItsMethodAChinesePracticeShowsTheNoticeAndLeavesTheLayout) {
  Layout_Registry registry;
  registry.Preload("1", "E0220804");  // a PinYin-side method only
  IME_Shape_Key_Pending = true;
  Do_Menu_Item(form(), Chinese_Type_Item::Wubi);
  EXPECT_EQ(picture_boxes, std::vector<Picture_Box_Kind>{Picture_Box_Kind::WubiPin});
  EXPECT_EQ(Stored_In(kWubiCode), (Stored{"0", "", ""}));
  // Stopping the exercise before asked for US English only while a method was active.
  EXPECT_TRUE(layout_calls.empty());
  EXPECT_TRUE(toggles.empty());
  EXPECT_TRUE(IME_Shape_Key_Pending);
  // PinYin has its method: switched to it, no notice.
  picture_boxes.clear();
  Do_Menu_Item(form(), Chinese_Type_Item::PinYin);
  EXPECT_TRUE(picture_boxes.empty());
  EXPECT_EQ(layout_calls.front(), "load E0220804");
  EXPECT_FALSE(IME_Shape_Key_Pending);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(Input_Methods, BackToUSEnglishOnlyWhenAnInputMethodIsActive) {
  Switch_To_English_Layout();
  EXPECT_TRUE(layout_calls.empty());
  ime_active = true;
  Switch_To_English_Layout();
  EXPECT_EQ(layout_calls, (std::vector<std::string>{"load 00000409", "activate " + std::to_string(0x1111)}));
}

TEST_F(Input_Methods, NumLockIsSwitchedOnTheWayOfThePlatform) {
  struct Case {
    bool on;
    int platform;
    std::vector<std::string> calls;
  } const cases[] = {{true, VER_PLATFORM_WIN32_NT, {}},
                     {true, VER_PLATFORM_WIN32_WINDOWS, {}},
                     {false, VER_PLATFORM_WIN32_WINDOWS, {"state byte"}},
                     {false, VER_PLATFORM_WIN32_NT, {"press"}},
                     {false, VER_PLATFORM_WIN32s, {}}};
  for (const Case& c : cases) {
    std::vector<std::string> calls;
    Layout_Platform p;
    p.numlock_on = [&] { return c.on; };
    p.platform_id = [&] { return c.platform; };
    p.set_numlock_state = [&] { calls.push_back("state byte"); };
    p.press_numlock = [&] { calls.push_back("press"); };
    Set_Layout_Platform(std::move(p));
    Set_NumLock_On();
    EXPECT_EQ(calls, c.calls) << c.on << " " << c.platform;
  }
  // The real keyboard: off, then switched on by the synthesized press. The switch reads the
  // whole state byte, so each step waits until the key is up again as well (byte 0, then 1):
  // a byte of 0x80 (down, off) would read as on.
  Set_Layout_Platform({});
  auto numlock_byte = [] {
    BYTE state[256] = {};
    GetKeyboardState(state);
    return state[VK_NUMLOCK];
  };
  if (numlock_byte() & 1) Key_Stroke({VK_NUMLOCK});
  ASSERT_TRUE(Pump_Until([&] { return numlock_byte() == 0; }, std::chrono::seconds(30)));
  Set_NumLock_On();
  EXPECT_TRUE(Pump_Until([&] { return numlock_byte() == 1; }, std::chrono::seconds(30)));
}

}  // namespace
}  // namespace quillon
