// What the scrolling river of a game needs from the runtime: the selection's size and boldness
// in a rich-text box, one picture box's surface painted onto another's, a control-array element
// made at run time, and child boxes moved over a picture box in one batch.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "forms/array_element.h"
#include "forms/child_moves.h"
#include "forms/forms.h"
#include "forms/surface_copy.h"
#include "support.h"

namespace {

class Surfaces : public ::testing::Test {
 protected:
  void SetUp() override {
    form_.Move(0, 0, 9000, 6000);
    form_.On_Design = [&] {
      river_ = &form_.Add<forms::Picture_Box>("Picture_River", 0);
      river_->Move(0, 0, 6000, 3000);
      river_->Set_Back_Color(RGB(0, 0, 255));
      other_ = &form_.Add<forms::Picture_Box>("Picture_Other");
      other_->Move(0, 3200, 6000, 1500);
      box_ = &form_.Add<forms::Rich_Text_Box>("RichText_Word");
      box_->Move(6200, 0, 2400, 400);
    };
    form_.Show();
    forms_test::Pump_For(50);
  }
  void TearDown() override { form_.Unload(); }
  // Fills a rectangle of a surface (pixels) with a colour.
  static void Fill(forms::Container& c, int left, int right, COLORREF color) {
    RECT r{left, 0, right, 200};
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(c.Surface_Dc(), &r, brush);
    DeleteObject(brush);
  }
  static COLORREF At(forms::Container& c, int x, int y) { return GetPixel(c.Surface_Dc(), x, y); }
  forms::Form form_;
  forms::Picture_Box* river_ = nullptr;
  forms::Picture_Box* other_ = nullptr;
  forms::Rich_Text_Box* box_ = nullptr;
};

TEST_F(Surfaces, TheSelectionsSizeAndBoldnessChangeOnlyTheSelection) {
  box_->Set_Font("Courier New", 10);
  box_->Set_Text("abcdef");
  struct Row {
    int start, length;
    double size;
    bool bold;
  };
  const Row rows[] = {{1, 2, 14, true}, {0, 1, 11, false}, {5, 1, 9.5, true}};
  for (const Row& r : rows) {
    box_->Select(r.start, r.length);
    box_->Set_Sel_Font_Size(r.size);
    box_->Set_Sel_Bold(r.bold);
  }
  const std::vector<std::pair<double, bool>> expected = {
      {11, false}, {14, true}, {14, true}, {10, false}, {10, false}, {9.5, true}};
  for (int i = 0; i < 6; ++i) {
    box_->Select(i, 1);
    EXPECT_EQ(box_->Sel_Font_Size(), expected[i].first) << i;
    EXPECT_EQ(box_->Sel_Bold(), expected[i].second) << i;
  }
  EXPECT_EQ(box_->Text(), "abcdef");
}

TEST_F(Surfaces, APartOfOneSurfaceIsPaintedOntoAnotherAtItsPlace) {
  // The source: red from pixel 0 to 100, green from 100 on. The copy is hidden, as a scroll's is.
  forms::Picture_Box& copy = forms::Load_Array_Element<forms::Picture_Box>(form_, "Picture_River", 1);
  ASSERT_FALSE(copy.Visible());
  Fill(*river_, 0, 100, RGB(255, 0, 0));
  Fill(*river_, 100, 400, RGB(0, 255, 0));
  forms::Paint_Surface(copy, 0, 0, *river_);
  EXPECT_EQ(At(copy, 50, 10), RGB(255, 0, 0));
  EXPECT_EQ(At(copy, 150, 10), RGB(0, 255, 0));
  // Pixels 0-99 of the copy to pixel 30 (450 twips) of the other box, 1500 twips wide.
  forms::Paint_Surface(*other_, 450, 0, copy, 0, 0, 1500, -1);
  EXPECT_NE(At(*other_, 29, 10), RGB(255, 0, 0));
  EXPECT_EQ(At(*other_, 30, 10), RGB(255, 0, 0));
  EXPECT_EQ(At(*other_, 129, 10), RGB(255, 0, 0));
  EXPECT_NE(At(*other_, 130, 10), RGB(255, 0, 0));
  // From an offset: pixels 100-109 of the copy to 0 of the river.
  forms::Paint_Surface(*river_, 0, 0, copy, 1500, 0, 150, -1);
  EXPECT_EQ(At(*river_, 5, 10), RGB(0, 255, 0));
  EXPECT_EQ(At(*river_, 12, 10), RGB(255, 0, 0));
  // The painted surface shows on the screen.
  river_->Refresh();
  EXPECT_EQ(forms_test::Painted_Pixel(river_->Hwnd(), 5, 10), RGB(0, 255, 0));
}

TEST_F(Surfaces, AnArrayElementMadeAtRunTimeTakesTheLowestElementsDesignAndStartsHidden) {
  forms::Picture_Box& made = forms::Load_Array_Element<forms::Picture_Box>(form_, "Picture_River", 3);
  EXPECT_FALSE(made.Visible());
  EXPECT_FALSE(IsWindowVisible(made.Hwnd()));
  EXPECT_EQ(made.Left(), river_->Left());
  EXPECT_EQ(made.Width(), river_->Width());
  EXPECT_EQ(made.Height(), river_->Height());
  EXPECT_EQ(made.Back_Color(), RGB(0, 0, 255));
  EXPECT_EQ(made.Container_Of(), river_->Container_Of());
  EXPECT_EQ(&form_.Get<forms::Picture_Box>("Picture_River", 3), &made);
  struct Row {
    const char* name;
    int index;
    int error;
  };
  const Row rows[] = {{"Picture_River", 3, 360}, {"Picture_Nothing", 1, 730}, {"RichText_Word", 1, 13}};
  for (const Row& r : rows) {
    try {
      forms::Load_Array_Element<forms::Picture_Box>(form_, r.name, r.index);
      ADD_FAILURE() << r.name;
    } catch (const forms::Runtime_Error& e) {
      EXPECT_EQ(e.Number(), r.error) << r.name;
    }
  }
}

TEST_F(Surfaces, ChildBoxesMoveOverAPictureBoxInOneBatch) {
  std::vector<forms::Picture_Box*> boats;
  for (int i = 0; i < 3; ++i) {
    auto& boat = form_.Add<forms::Picture_Box>("Picture_Boat", i, river_);
    boat.Move(0, 600 * i, 1500, 450);
    boats.push_back(&boat);
  }
  auto& frog = form_.Add<forms::Image>("Image_Frog", -1, river_);
  frog.Move(0, 2000, 300, 300);
  forms::Move_Controls({{boats[0], -750, 0}, {boats[1], 3000, 600}, {boats[2], 0, 1200},
                        {&frog, 4500, 2100}});
  const int expected_lefts[] = {-750, 3000, 0};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(boats[i]->Left(), expected_lefts[i]);
    RECT window;
    GetWindowRect(boats[i]->Hwnd(), &window);
    MapWindowPoints(HWND_DESKTOP, river_->Hwnd(), reinterpret_cast<POINT*>(&window), 2);
    const RECT stored = boats[i]->Pixel_Rect();
    EXPECT_EQ(window.left, stored.left) << i;
    EXPECT_EQ(window.top, stored.top) << i;
    EXPECT_EQ(window.right - window.left, stored.right - stored.left) << i;
  }
  EXPECT_EQ(frog.Left(), 4500);
  EXPECT_EQ(frog.Top(), 2100);
}

}  // namespace
