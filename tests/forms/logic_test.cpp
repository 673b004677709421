// The error convention, the key notation of the key-sending call and twips.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "forms/errors.h"
#include "forms/sendkeys.h"
#include "forms/units.h"

namespace {

struct Shown {
  std::string text, title;
  UINT flags;
};

// Captures the boxes the runtime would show.
class Error_Box : public ::testing::Test {
 protected:
  void SetUp() override {
    forms::Set_Message_Box_Function([this](HWND, const std::string& text, const std::string& title,
                                           UINT flags) {
      shown_.push_back({text, title, flags});
      return IDOK;
    });
  }
  void TearDown() override { forms::Set_Message_Box_Function({}); }
  std::vector<Shown> shown_;
};

TEST_F(Error_Box, AFailingProcedureShowsTheTextWithBangCriticalIconAndReturnsNeutral) {
  int r = forms::Guarded([]() -> int { throw forms::Runtime_Error(53, "File not found"); }, -1);
  EXPECT_EQ(r, -1);
  ASSERT_EQ(shown_.size(), 1u);
  EXPECT_EQ(shown_[0].text, "File not found!");
  EXPECT_EQ(shown_[0].title, "错误");
  EXPECT_EQ(shown_[0].flags & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP));

  // Any exception, a void procedure, the full-width mark some procedures use.
  forms::Guarded([] { throw std::runtime_error("Path not found"); }, "！");
  ASSERT_EQ(shown_.size(), 2u);
  EXPECT_EQ(shown_[1].text, "Path not found！");
}

TEST_F(Error_Box, SucceedingAndSilentProceduresShowNothing) {
  EXPECT_EQ(forms::Guarded([] { return std::string("ok"); }, std::string("neutral")), "ok");
  EXPECT_EQ(forms::Silent([]() -> int { throw forms::Runtime_Error(5, "x"); }, 9), 9);
  int after = 0;
  forms::Silent([] { throw std::logic_error("skipped"); });
  after = 1;
  EXPECT_EQ(after, 1);
  EXPECT_TRUE(shown_.empty());
}

// Key events of a parsed notation, as (key, up) pairs.
std::vector<std::pair<int, bool>> Keys_Of(const std::string& notation) {
  std::vector<std::pair<int, bool>> out;
  for (const INPUT& in : forms::Parse_Keys(notation)) {
    bool up = (in.ki.dwFlags & KEYEVENTF_KEYUP) != 0;
    int key = (in.ki.dwFlags & KEYEVENTF_UNICODE) ? -static_cast<int>(in.ki.wScan) : in.ki.wVk;
    out.emplace_back(key, up);
  }
  return out;
}

TEST(Send_Keys_Notation, ParsesModifiersGroupsNamesAndRepeats) {
  using K = std::vector<std::pair<int, bool>>;
  const int A = LOBYTE(VkKeyScanA('a')), B = LOBYTE(VkKeyScanA('b'));
  struct Case {
    const char* keys;
    K expected;
  } cases[] = {
      {"+", {{VK_SHIFT, false}, {VK_SHIFT, true}}},  // a lone Shift keystroke
      {"a", {{A, false}, {A, true}}},
      {"+a", {{VK_SHIFT, false}, {A, false}, {A, true}, {VK_SHIFT, true}}},
      {"A", {{VK_SHIFT, false}, {A, false}, {A, true}, {VK_SHIFT, true}}},
      {"^(ab)", {{VK_CONTROL, false}, {A, false}, {A, true}, {B, false}, {B, true},
                 {VK_CONTROL, true}}},
      {"%{F4}", {{VK_MENU, false}, {VK_F4, false}, {VK_F4, true}, {VK_MENU, true}}},
      {"~", {{VK_RETURN, false}, {VK_RETURN, true}}},
      {"{enter}", {{VK_RETURN, false}, {VK_RETURN, true}}},
      {"{BS 2}", {{VK_BACK, false}, {VK_BACK, true}, {VK_BACK, false}, {VK_BACK, true}}},
      {"{LEFT}", {{VK_LEFT, false}, {VK_LEFT, true}}},
  };
  for (const auto& c : cases) EXPECT_EQ(Keys_Of(c.keys), c.expected) << c.keys;

  // Braced specials type themselves.
  EXPECT_EQ(Keys_Of("{+}"), Keys_Of("+="));
  EXPECT_FALSE(Keys_Of("{}}").empty());
  EXPECT_FALSE(Keys_Of("{{}").empty());
  // A Chinese character goes as its Unicode code.
  auto chinese = Keys_Of("中");
  ASSERT_EQ(chinese.size(), 2u);
  EXPECT_EQ(chinese[0].first, -0x4E2D);
}

TEST(Send_Keys_Notation, BadNotationIsARuntimeError) {
  for (const char* bad : {"{NOSUCHKEY}", "(ab", "{F99}", "{BS x}", ")", "{"})
    EXPECT_THROW(forms::Parse_Keys(bad), forms::Runtime_Error) << bad;
}

TEST(Twips, FifteenToAPixelOnTheNormalDisplay) {
  ASSERT_EQ(forms::Twips_Per_Pixel_X(), 15);
  EXPECT_EQ(forms::Twips_To_Pixels_X(9600), 640);
  EXPECT_EQ(forms::Twips_To_Pixels_Y(7185), 479);
  EXPECT_EQ(forms::Pixels_To_Twips_X(640), 9600);
  EXPECT_EQ(forms::Twips_To_Pixels_X(7), 0);
  EXPECT_EQ(forms::Twips_To_Pixels_X(8), 1);
  EXPECT_EQ(forms::Screen_Width(), GetSystemMetrics(SM_CXSCREEN) * 15);
  EXPECT_NE(forms::Hand_Cursor(), nullptr);
}

}  // namespace
