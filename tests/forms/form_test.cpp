// Forms: life cycle, modal showing, unloading inside handlers, controls by name, windowless
// controls and the persistent drawing surface.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "forms/forms.h"
#include "picture_data.h"
#include "support.h"

namespace {

using forms_test::Painted_Pixel;
using forms_test::Post_Click;
using forms_test::Post_Move;
using forms_test::Pump_Until;

class Forms_Base : public ::testing::Test {
 protected:
  void SetUp() override {
    forms::Set_Message_Box_Function([this](HWND, const std::string& text, const std::string&,
                                           UINT) {
      boxes_.push_back(text);
      return IDOK;
    });
  }
  void TearDown() override { forms::Set_Message_Box_Function({}); }
  std::vector<std::string> boxes_;
};

using Form_Life = Forms_Base;

TEST_F(Form_Life, EventsRunInOrderAndInitializeOnlyOnce) {
  std::vector<std::string> log;
  forms::Form form;
  form.On_Initialize = [&] { log.push_back("initialize"); };
  form.On_Design = [&] { log.push_back("design"); form.Add<forms::Image>("Image_A"); };
  form.On_Load = [&] { log.push_back("load"); };
  form.On_Activate = [&] { log.push_back("activate"); };
  form.On_Query_Unload = [&](int&, int mode) { log.push_back("query " + std::to_string(mode)); };
  form.On_Unload = [&](int&) { log.push_back("unload"); };
  form.Show();
  ASSERT_TRUE(Pump_Until([&] { return log.size() >= 4; }));
  EXPECT_TRUE(form.Visible());
  form.Unload();
  EXPECT_FALSE(form.Loaded());
  form.Show();  // loaded afresh
  Pump_Until([&] { return log.size() >= 9; });
  std::vector<std::string> expected{"initialize", "design", "load",   "activate", "query 1",
                                    "unload",     "design", "load",   "activate"};
  EXPECT_EQ(log, expected);
  form.Unload();
}

TEST_F(Form_Life, CloseRunsUnloadEventsWithCloseModeAndCanBeCancelled) {
  forms::Form form;
  int cancel_next = 1, mode_seen = -1;
  form.On_Query_Unload = [&](int& cancel, int mode) {
    mode_seen = mode;
    cancel = cancel_next;
  };
  form.Show();
  SendMessageA(form.Hwnd(), WM_CLOSE, 0, 0);
  EXPECT_EQ(mode_seen, forms::Unload_From_Close);
  EXPECT_TRUE(form.Loaded());
  cancel_next = 0;
  HWND old = form.Hwnd();
  SendMessageA(old, WM_CLOSE, 0, 0);
  EXPECT_FALSE(form.Loaded());
  EXPECT_FALSE(IsWindow(old));
}

TEST_F(Form_Life, FirstUseLoadsTheFormAndControlsAreFoundByNameAndIndex) {
  forms::Form form;
  int designs = 0;
  form.On_Design = [&] {
    ++designs;
    for (int i = 0; i < 12; ++i) {
      auto& panel = form.Add<forms::Picture_Box>("Picture_BG", i);
      panel.Move(0, 0, 9600, 7185);
    }
    form.Add<forms::Label>("Label_Time");
  };
  // Drawing on an unloaded form loads it (without showing it).
  form.Cls();
  EXPECT_TRUE(form.Loaded());
  EXPECT_FALSE(form.Visible());
  EXPECT_EQ(designs, 1);
  EXPECT_EQ(form.Array("picture_bg").size(), 12u);  // names are not case sensitive
  EXPECT_EQ(form.Get<forms::Picture_Box>("Picture_BG", 11).Index(), 11);
  EXPECT_NE(form.Find("Label_Time"), nullptr);
  try {
    form.Get<forms::Picture_Box>("Picture_BG", 12);
    ADD_FAILURE();
  } catch (const forms::Runtime_Error& e) {
    EXPECT_EQ(e.Number(), 340);
  }
  EXPECT_THROW(form.Get<forms::Image>("No_Such"), forms::Runtime_Error);
  EXPECT_THROW(form.Get<forms::Image>("Label_Time"), forms::Runtime_Error);  // wrong kind
  EXPECT_THROW(form.Add<forms::Image>("Picture_BG", 3), forms::Runtime_Error);
  form.Unload();
}

TEST_F(Form_Life, GeometryIsInTwipsAndCentringUsesTheScreen) {
  forms::Form form;
  form.Border = forms::Border_Style::None;
  form.Move(1500, 1500, 9600, 7185);
  form.On_Design = [&] {
    form.Add<forms::Picture_Box>("Picture_Panel").Move(1500, 750, 3000, 1500);
  };
  form.Load();
  RECT r;
  GetWindowRect(form.Hwnd(), &r);
  EXPECT_EQ(r.left, 100);
  EXPECT_EQ(r.right - r.left, 640);
  EXPECT_EQ(form.Scale_Width(), 9600);
  HWND panel = form.Get<forms::Picture_Box>("Picture_Panel").Hwnd();
  GetWindowRect(panel, &r);
  MapWindowPoints(nullptr, form.Hwnd(), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 100);
  EXPECT_EQ(r.top, 50);
  EXPECT_EQ(r.right - r.left, 200);
  EXPECT_EQ(r.bottom - r.top, 100);
  form.Center();
  GetWindowRect(form.Hwnd(), &r);
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 640) / 2);
  form.Set_Topmost(true);
  EXPECT_TRUE(GetWindowLongA(form.Hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  form.Show();
  form.Set_Window_State(1);
  EXPECT_EQ(form.Window_State(), 1);
  form.Set_Window_State(0);
  EXPECT_EQ(form.Window_State(), 0);
  form.Unload();
}

TEST_F(Form_Life, ACentredFormLoadedByDrawingIsCentredWhenFirstShown) {
  forms::Form box;
  box.Border = forms::Border_Style::None;
  box.Position = forms::Start_Up_Position::Center_Screen;
  box.Move(0, 0, 3000, 1500);  // 200 x 100
  box.Cls();                   // the caller draws first: loaded, not shown
  box.Show();
  RECT r;
  GetWindowRect(box.Hwnd(), &r);
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 200) / 2);
  EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 100) / 2);
  box.Unload();
}

TEST_F(Form_Life, ARemovedControlArrayMemberGoesWithWhatSitsOnItOnceItsHandlerReturns) {
  forms::Form form;
  form.Border = forms::Border_Style::None;
  form.Move(0, 0, 6000, 3000);
  forms::Picture_Box* panel = nullptr;
  form.On_Design = [&] {
    for (int i = 0; i < 3; ++i) {
      panel = &form.Add<forms::Picture_Box>("Picture_Miss", i);
      panel->Move(i * 1500, 0, 1500, 1500);
    }
    form.Add<forms::Rich_Text_Box>("RichText_On_Panel", -1, panel);  // on member 2
  };
  form.Show();
  HWND box = form.Get<forms::Rich_Text_Box>("RichText_On_Panel").Hwnd();
  bool alive_inside = false;
  panel->On_Click = [&] {
    form.Remove("Picture_Miss", 2);
    panel->Move(0, 1500);  // the handler may still touch it
    alive_inside = IsWindow(box) != FALSE;
  };
  Post_Click(panel->Hwnd(), 5, 5);
  ASSERT_TRUE(Pump_Until([&] { return alive_inside; }, 3000));
  forms_test::Pump_For(50);
  EXPECT_FALSE(IsWindow(box));
  EXPECT_EQ(form.Array("Picture_Miss").size(), 2u);
  EXPECT_EQ(form.Find("RichText_On_Panel"), nullptr);
  form.Remove("Picture_Miss", 7);  // nothing there: nothing happens
  form.Unload();
}

using Modal = Forms_Base;

TEST_F(Modal, ShowModalWaitsUntilTheBoxIsUnloadedAndDisablesTheOtherForms) {
  forms::Form main_form, box;
  main_form.Show();
  bool main_enabled_inside = true;
  box.On_Design = [&] {
    box.Add_Timer("Timer_Answer", 10, true).On_Timer = [&] {
      main_enabled_inside = IsWindowEnabled(main_form.Hwnd()) != FALSE;
      PostMessageA(box.Hwnd(), WM_CLOSE, 0, 0);  // handled by the box's own loop
    };
  };
  box.Show_Modal();
  EXPECT_FALSE(box.Loaded());
  EXPECT_FALSE(main_enabled_inside);
  EXPECT_TRUE(IsWindowEnabled(main_form.Hwnd()));
  main_form.Unload();
}

TEST_F(Modal, HidingTheBoxAlsoEndsTheModalShowAndAVisibleFormCannotGoModal) {
  forms::Form box, other;
  box.On_Design = [&] {
    box.Add_Timer("Timer_Hide", 10, true).On_Timer = [&] { box.Hide(); };
  };
  box.Show_Modal();
  EXPECT_TRUE(box.Loaded());
  EXPECT_FALSE(box.Visible());
  other.Show();
  try {
    other.Show_Modal();
    ADD_FAILURE();
  } catch (const forms::Runtime_Error& e) {
    EXPECT_EQ(e.Number(), 400);
  }
  box.Unload();
  other.Unload();
}

using Deferred_Destroy = Forms_Base;

// A button that unloads its own form and then goes on using the form's controls, waits and
// lets other events run: everything stays valid until the handler returns.
TEST_F(Deferred_Destroy, AFormUnloadedByItsOwnHandlerLivesUntilTheHandlerReturns) {
  forms::Form form;
  form.Border = forms::Border_Style::None;
  form.Move(0, 0, 3000, 3000);
  forms::Image* button = nullptr;
  forms::Label* label = nullptr;
  HWND window_during = nullptr;
  bool window_alive_during = false, loaded_during = true;
  std::string caption_after;
  form.On_Design = [&] {
    button = &form.Add<forms::Image>("Image_Button");
    button->Move(150, 150, 600, 600);
    label = &form.Add<forms::Label>("Label_Text");
    label->Move(1500, 1500);
  };
  form.Show();
  button->On_Click = [&] {
    window_during = form.Hwnd();
    forms::Unload(form);
    loaded_during = form.Loaded();
    forms::Wait_Milliseconds(50);  // a nested pump
    window_alive_during = IsWindow(window_during) != FALSE;
    label->Set_Caption("still here");
    button->Set_Picture(forms::Picture());
    caption_after = label->Caption();
  };
  Post_Click(form.Hwnd(), 20, 20);
  ASSERT_TRUE(Pump_Until([&] { return !caption_after.empty(); }, 3000))
      << (boxes_.empty() ? "" : boxes_.front());
  EXPECT_FALSE(loaded_during);
  EXPECT_TRUE(window_alive_during);
  EXPECT_EQ(caption_after, "still here");
  EXPECT_FALSE(IsWindow(window_during));  // gone once the handler returned
  EXPECT_TRUE(boxes_.empty());
}

// Another window's timer unloads the form while the form's own handler waits in a nested pump.
TEST_F(Deferred_Destroy, AFormUnloadedFromElsewhereDuringItsHandlersWaitIsKeptUntilItReturns) {
  forms::Form form, other;
  form.Border = forms::Border_Style::None;
  form.Move(0, 0, 3000, 3000);
  forms::Label* label = nullptr;
  form.On_Design = [&] {
    label = &form.Add<forms::Label>("Label_Caption");
    label->Move(1500, 1500);
  };
  form.Show();
  HWND window = form.Hwnd();
  bool unloaded = false, window_kept = false, done = false;
  auto& killer = other.Add_Timer("Timer_Kill", 10, false);
  killer.On_Timer = [&] {
    killer.Set_Enabled(false);
    forms::Unload(form);
    unloaded = true;
  };
  form.On_Click = [&] {
    killer.Set_Enabled(true);
    forms::Wait_Milliseconds(100);  // the timer fires in here
    window_kept = unloaded && IsWindow(window);
    label->Set_Caption("after");  // the label is still there to be used
    done = true;
  };
  Post_Click(window, 5, 5);
  ASSERT_TRUE(Pump_Until([&] { return done; }, 5000));
  EXPECT_TRUE(window_kept);
  EXPECT_FALSE(IsWindow(window));
  other.Unload();
}

TEST_F(Deferred_Destroy, AModalBoxUnloadedFromItsTimerInsideANestedWaitReturnsCleanly) {
  forms::Form box;
  int ticks = 0;
  box.On_Design = [&] {
    auto& t = box.Add_Timer("Timer_Close", 20, true);
    t.On_Timer = [&] {
      ++ticks;
      forms::Unload(box);
      forms::Wait_Milliseconds(30);  // the tick goes on after its form is gone
      box.Get_Timer("Timer_Close");  // would load the box again: take no notice
    };
  };
  box.Show_Modal();
  EXPECT_GE(ticks, 1);
  // The nested use loaded a fresh box; unloading it ends the story.
  box.Unload();
  forms_test::Pump_For(50);
  EXPECT_FALSE(box.Loaded());
}

using Windowless = Forms_Base;

TEST_F(Windowless, LabelsAreTransparentImagesDrawTheirPictureAndDrawingPersists) {
  forms::Form form;
  form.Border = forms::Border_Style::None;
  form.Move(0, 0, 3000, 3000);
  form.On_Design = [&] {
    auto& box = form.Add<forms::Picture_Box>("Picture_Temp");
    box.Move(0, 0, 1500, 1500);  // 100 x 100
    auto& label = form.Add<forms::Label>("Label_Over", -1, &box);
    label.Move(0, 0, 1500, 1500);
    label.Set_Caption(" ");
    auto& image = form.Add<forms::Image>("Image_Blue", -1, &box);
    image.Move(750, 750);
  };
  form.Show();
  auto& box = form.Get<forms::Picture_Box>("Picture_Temp");
  // Draw red on the box's surface.
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  RECT all{0, 0, 100, 100};
  FillRect(box.Surface_Dc(), &all, red);
  DeleteObject(red);
  box.Refresh();
  // A 10x10 blue picture for the image.
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP blue = CreateCompatibleBitmap(screen, 10, 10);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, blue);
  HBRUSH brush = CreateSolidBrush(RGB(0, 0, 255));
  RECT ten{0, 0, 10, 10};
  FillRect(dc, &ten, brush);
  DeleteObject(brush);
  SelectObject(dc, old);
  DeleteDC(dc);
  form.Get<forms::Image>("Image_Blue").Set_Picture(forms::Picture::From_Bitmap(blue));
  EXPECT_EQ(form.Get<forms::Image>("Image_Blue").Width(), 150);  // took the picture's size

  // Repainting shows the drawing again (it lives in the surface), the transparent label lets
  // it through and the image draws its picture at its place.
  InvalidateRect(box.Hwnd(), nullptr, TRUE);
  forms_test::Pump_For(50);
  EXPECT_EQ(Painted_Pixel(box.Hwnd(), 5, 5), RGB(255, 0, 0));
  EXPECT_EQ(Painted_Pixel(box.Hwnd(), 52, 52), RGB(0, 0, 255));
  EXPECT_EQ(Painted_Pixel(box.Hwnd(), 70, 70), RGB(255, 0, 0));
  // Cls clears the drawing to the back colour.
  box.Set_Back_Color(RGB(0, 255, 0));
  box.Cls();
  EXPECT_EQ(Painted_Pixel(box.Hwnd(), 5, 5), RGB(0, 255, 0));
  // A larger box keeps what was drawn.
  box.Move(0, 0, 3000, 3000);
  EXPECT_EQ(Painted_Pixel(box.Hwnd(), 5, 5), RGB(0, 255, 0));
  form.Unload();
}

// A picture with a mask colour is a sprite: its pixels of that colour show what lies behind.
TEST_F(Windowless, AnImageLeavesOutItsPicturesMaskColour) {
  forms::Form form;
  form.Border = forms::Border_Style::None;
  form.Move(0, 0, 3000, 3000);
  form.On_Design = [&] {
    auto& box = form.Add<forms::Picture_Box>("Picture_Ground");
    box.Move(0, 0, 1500, 1500);
    form.Add<forms::Image>("Image_Sprite", -1, &box).Move(150, 150);
  };
  form.Show();
  auto& box = form.Get<forms::Picture_Box>("Picture_Ground");
  box.Set_Back_Color(RGB(0, 255, 0));
  box.Cls();
  // A 20x20 magenta picture with a blue square in its middle.
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = 20;
  info.bmiHeader.biHeight = -20;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP sprite = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  ASSERT_TRUE(sprite && bits);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) {
      auto* px = static_cast<unsigned char*>(bits) + y * 60 + x * 3;
      bool blue = x >= 5 && x < 15 && y >= 5 && y < 15;
      px[0] = 255, px[1] = 0, px[2] = blue ? 0 : 255;
    }
  auto& image = form.Get<forms::Image>("Image_Sprite");
  forms::Picture picture = forms::Picture::From_Bitmap(sprite);
  EXPECT_FALSE(picture.Has_Mask_Color());
  image.Set_Picture(picture.With_Mask_Color(RGB(255, 0, 255)));
  EXPECT_EQ(image.Get_Picture().Handle(), picture.Handle());  // the same bitmap, shared
  InvalidateRect(box.Hwnd(), nullptr, TRUE);
  forms_test::Pump_For(50);
  EXPECT_EQ(Painted_Pixel(box.Hwnd(), 12, 12), RGB(0, 255, 0));   // mask: the ground shows
  EXPECT_EQ(Painted_Pixel(box.Hwnd(), 20, 20), RGB(0, 0, 255));   // the sprite itself
  // Without the mask colour the same picture covers its whole rectangle.
  image.Set_Picture(picture);
  InvalidateRect(box.Hwnd(), nullptr, TRUE);
  forms_test::Pump_For(50);
  EXPECT_EQ(Painted_Pixel(box.Hwnd(), 12, 12), RGB(255, 0, 255));
  form.Unload();
}

TEST_F(Windowless, AnErrorEscapingAnEventHandlerIsShownAndTheFormGoesOn) {
  forms::Form form;
  form.Border = forms::Border_Style::None;
  form.Move(0, 0, 3000, 3000);
  int clicks = 0;
  form.On_Click = [&] {
    ++clicks;
    throw forms::Runtime_Error(9, "Subscript out of range");
  };
  form.Show();
  Post_Click(form.Hwnd(), 10, 10);
  Post_Click(form.Hwnd(), 10, 10);
  ASSERT_TRUE(Pump_Until([&] { return clicks == 2; }));
  EXPECT_EQ(boxes_, (std::vector<std::string>{"Subscript out of range!", "Subscript out of range!"}));
  form.Unload();
}

TEST_F(Windowless, NativeControlsReportClicksAndChangesAndToolTipsFollowVisibility) {
  forms::Form form;
  form.Move(0, 0, 6000, 4000);
  int clicks = 0, changes = 0;
  form.On_Design = [&] {
    auto& ok = form.Add<forms::Command_Button>("Command_Close");
    ok.Move(150, 150, 1200, 450);
    ok.Set_Text("OK");
    ok.On_Click = [&] { ++clicks; };
    auto& combo = form.Add<forms::Native_Control>("Combo_Font");
    combo.Set_Class("COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL);
    combo.Move(150, 900, 2400, 3000);
    combo.On_Change = [&] { ++changes; };
    auto& image = form.Add<forms::Image>("Image_Link");
    image.Move(3000, 150, 900, 900);
    image.Set_Tool_Tip_Text("去看看");
  };
  form.Show();
  auto& ok = form.Get<forms::Command_Button>("Command_Close");
  EXPECT_EQ(ok.Text(), "OK");
  ok.Send(BM_CLICK);
  EXPECT_EQ(clicks, 1);
  auto& combo = form.Get<forms::Native_Control>("Combo_Font");
  combo.Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("宋体"));
  combo.Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Courier New"));
  // A selection by the user arrives as CBN_SELCHANGE.
  combo.Send(CB_SETCURSEL, 1);
  SendMessageA(form.Hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo.Hwnd()), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo.Hwnd()));
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(combo.Text(), "Courier New");
  // A slider reports its moves.
  auto& slider = form.Add<forms::Native_Control>("Slider_Speed");
  slider.Set_Class(TRACKBAR_CLASSA, TBS_HORZ);
  slider.Move(150, 2000, 2400, 450);
  int scrolls = 0;
  slider.On_Scroll = [&](int code) { scrolls += code == TB_THUMBPOSITION; };
  SendMessageA(form.Hwnd(), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 5),
               reinterpret_cast<LPARAM>(slider.Hwnd()));
  EXPECT_EQ(scrolls, 1);

  // The image's tooltip covers the image while it shows and nothing once it is hidden.
  HWND tip = nullptr;
  struct Find {
    static BOOL CALLBACK Tip(HWND w, LPARAM p) {
      char name[64];
      GetClassNameA(w, name, sizeof name);
      if (lstrcmpiA(name, TOOLTIPS_CLASSA) == 0) *reinterpret_cast<HWND*>(p) = w;
      return TRUE;
    }
  };
  EnumThreadWindows(GetCurrentThreadId(), &Find::Tip, reinterpret_cast<LPARAM>(&tip));
  ASSERT_NE(tip, nullptr);
  auto tool_rect = [&] {
    TOOLINFOA ti{};
    ti.cbSize = TTTOOLINFOA_V1_SIZE;
    ti.hwnd = form.Hwnd();
    ti.uId = reinterpret_cast<UINT_PTR>(&form.Get<forms::Image>("Image_Link"));
    SendMessageA(tip, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&ti));
    return ti.rect;
  };
  EXPECT_EQ(tool_rect().left, 200);
  EXPECT_EQ(tool_rect().right, 260);
  form.Get<forms::Image>("Image_Link").Set_Visible(false);
  EXPECT_EQ(tool_rect().right, 0);
  form.Unload();
}

TEST(Pictures, ABitmapFileLoadsAndAMissingOneIsFileNotFound) {
  char dir[MAX_PATH];
  GetTempPathA(MAX_PATH, dir);
  std::string path = std::string(dir) + "forms_pic_" + std::to_string(GetCurrentProcessId()) + ".bmp";
  // A 3 x 2 24-bit bitmap file.
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = 3;
  info.biHeight = 2;
  info.biPlanes = 1;
  info.biBitCount = 24;
  const int row = 12, pixels = row * 2;
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + pixels;
  std::string bytes(reinterpret_cast<char*>(&file), sizeof file);
  bytes.append(reinterpret_cast<char*>(&info), sizeof info);
  bytes.append(pixels, '\x40');
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(h);
  forms::Picture p = forms::Picture::Load_File(path);
  EXPECT_EQ(p.Width_Pixels(), 3);
  EXPECT_EQ(p.Height_Pixels(), 2);
  DeleteFileA(path.c_str());
  // JPEG and GIF pictures through the system's decoder.
  struct Sample {
    const char* ext;
    const unsigned char* data;
    unsigned size;
  } samples[] = {{".jpg", Blue_Jpeg, Blue_Jpeg_len}, {".gif", Blue_Gif, Blue_Gif_len}};
  for (const auto& sample : samples) {
    std::string file = path + sample.ext;
    HANDLE out = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    WriteFile(out, sample.data, sample.size, &written, nullptr);
    CloseHandle(out);
    forms::Picture picture = forms::Picture::Load_File(file);
    EXPECT_EQ(picture.Width_Pixels(), 4) << sample.ext;
    EXPECT_EQ(picture.Height_Pixels(), 3) << sample.ext;
    DeleteFileA(file.c_str());
  }
  try {
    forms::Picture::Load_File(path);
    ADD_FAILURE();
  } catch (const forms::Runtime_Error& e) {
    EXPECT_EQ(e.Number(), 53);
  }
}

}  // namespace
