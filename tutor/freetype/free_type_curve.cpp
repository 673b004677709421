#include <string>

#include "freetype/free_type_screen.h"
#include "services/main_window.h"
#include "services/tutor_settings.h"
#include "services/bitmaps.h"
#include "services/globals.h"
#include "services/utilities.h"
#include "services/sounds.h"

namespace quillon {

namespace {

constexpr Text_Setting kPaintCoefficient{"Setting\\Free Type", "PaintPicture Coefficient", "1"};
constexpr int kColumns = 10, kRows = 7;
// Every text of the chart: the shipped Song font, large enough to read.
constexpr const char* kChartFont = "宋体";
constexpr double kChartPoints = 9;

struct Line_Template {
  const char* name;
  int index;
  int x1, y1, x2, y2;
};

struct Label_Template {
  const char* name;
  int index;
  int left, top, width;
  const char* caption;
  int alignment;  // 0 left, 1 right, 2 centre
};

std::vector<Line_Template> Line_Templates() {
  std::vector<Line_Template> lines = {
      {"Line_X_Time", -1, 825, 4275, 6300, 4275},
      {"Line_Y_Speed", -1, 825, 375, 825, 4275},
      {"Line_Arrow_X_Up", -1, 6225, 4200, 6375, 4275},
      {"Line_Arrow_X_Down", -1, 6375, 4275, 6225, 4350},
      {"Line_Arrow_Y_Left", -1, 825, 300, 750, 450},
      {"Line_Arrow_Y_Right", -1, 825, 300, 900, 450}};
  for (int i = 0; i < kColumns; ++i) lines.push_back({"Line_X", i, 1350 + 525 * i, 4275, 1350 + 525 * i, 4425});
  for (int i = 0; i < kRows; ++i) lines.push_back({"Line_Y", i, 675, 3750 - 525 * i, 825, 3750 - 525 * i});
  return lines;
}

std::vector<Label_Template> Label_Templates() {
  std::vector<Label_Template> labels;
  for (int i = 0; i < kColumns; ++i)
    labels.push_back({"Label_X", i, 1125 + 525 * i, 4440, i >= 8 ? 615 : 540, "", 2});
  for (int i = 0; i < kRows; ++i) labels.push_back({"Label_Y", i, 30, 3660 - 525 * i, 615, "", 1});
  labels.push_back({"Label_00", -1, 525, 4440, 450, "(0,0)", 0});
  labels.push_back({"Label_X_Time", -1, 6450, 4170, 420, "时间", 0});
  labels.push_back({"Label_Minute_Unit", -1, 6840, 4170, 480, "(分)", 0});
  // The speed axis title stands right of the axis's arrow, clear of it.
  labels.push_back({"Label_Y_Speed", -1, 975, 60, 1800, "打字速度 (字/分)", 0});
  return labels;
}

// The plot of the templates as they lie now.
Plot Plot_Now() {
  forms::Line& x_axis = Chart_Line("Line_X_Time");
  forms::Line& y_axis = Chart_Line("Line_Y_Speed");
  return {static_cast<double>(x_axis.X1), static_cast<double>(x_axis.Y1),
          static_cast<double>(Chart_Line("Line_X", 0).X1 - x_axis.X1),
          static_cast<double>(y_axis.Y2 - Chart_Line("Line_Y", 0).Y2), kColumns, kRows};
}

HFONT Chart_Font(double points, bool bold = false) {
  HDC screen = GetDC(nullptr);
  const int height = -static_cast<int>(points * GetDeviceCaps(screen, LOGPIXELSY) / 72.0 + 0.5);
  ReleaseDC(nullptr, screen);
  return CreateFontA(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, 0, 0, 0, GB2312_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, kChartFont);
}

// A label's caption drawn into the surface inside the label's box, in its alignment.
void Draw_Label_Text(HDC dc, const forms::Label& label, COLORREF color, double points, bool bold) {
  if (label.Caption().empty()) return;
  HFONT font = Chart_Font(points, bold);
  HGDIOBJ old = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, color);
  RECT r{forms::Twips_To_Pixels_X(label.Left()), forms::Twips_To_Pixels_Y(label.Top()),
         forms::Twips_To_Pixels_X(label.Left() + label.Width()),
         forms::Twips_To_Pixels_Y(label.Top()) + 40};
  const UINT align = label.Alignment() == 1 ? DT_RIGHT : label.Alignment() == 2 ? DT_CENTER : DT_LEFT;
  DrawTextA(dc, label.Caption().c_str(), -1, &r, align | DT_NOPREFIX | DT_SINGLELINE | DT_NOCLIP);
  SelectObject(dc, old);
  DeleteObject(font);
}

void Draw_Line(HDC dc, const forms::Line& line) {
  MoveToEx(dc, forms::Twips_To_Pixels_X(line.X1), forms::Twips_To_Pixels_Y(line.Y1), nullptr);
  LineTo(dc, forms::Twips_To_Pixels_X(line.X2), forms::Twips_To_Pixels_Y(line.Y2));
}

void Show_Curve_Button_Hover(int index) {
  forms::Guarded([&] {
    if (!Free_Type_Hover_Enabled) return;
    for (int j = 0; j < 3; ++j) {
      forms::Image& other = Image_PictureDraw_SPC(j);
      if (j != index && other.Get_Picture()) {
        other.Set_Picture(forms::Picture());
        other.Tag.clear();
      }
    }
    forms::Image& button = Image_PictureDraw_SPC(index);
    const std::string name = "switch" + std::to_string(2 * index + 20);
    if (button.Tag == name && button.Get_Picture()) return;
    Load_Resource_Picture_To_Image(button, name);
    button.Tag = name;
  });
}

void Curve_Button_Click(int index) {
  forms::Guarded([&] {
    Play_Click_Sound();
    Curve_Button_Click_Picture(index);
    switch (static_cast<Curve_Button>(index)) {
      case Curve_Button::Save: Save_Speed_Curve(); break;
      case Curve_Button::Print: Print_Speed_Curve(); break;
      case Curve_Button::Back: Back_To_Free_Type(); break;
    }
  });
}

}  // namespace

forms::Line& Chart_Line(const char* name, int index) {
  return Free_Type_Form().Get<forms::Line>(name, index);
}
forms::Label& Chart_Label(const char* name, int index) {
  return Free_Type_Form().Get<forms::Label>(name, index);
}

void Design_Speed_Curve(forms::Form& form, forms::Picture_Box& draw) {
  draw.On_Mouse_Move = [](int, int, int x, int y) { Picture_Draw_MouseMove(x, y); };
  draw.On_Mouse_Down = [](int button, int, int, int) {
    if (button == forms::kRightButton) Pop_Up_Context_Menu();
  };
  const char* const tips[3] = {"保存图像", "打印图像", "关闭"};
  for (int i = 0; i < 3; ++i) {
    auto& button = form.Add<forms::Image>("Image_PictureDraw_SPC", i, &draw);
    button.Move(6105 + 450 * i, 180, 330, 330);
    button.Set_Tool_Tip_Text(tips[i]);
    button.On_Click = [i] { Curve_Button_Click(i); };
    button.On_Mouse_Move = [i](int, int, int, int) { Show_Curve_Button_Hover(i); };
  }
  auto& read_out = form.Add<forms::Label>("Label_Mouse_Move", -1, &draw);
  read_out.Move(2850, 330, 3210, 240);
  read_out.Set_Font(kChartFont, kChartPoints);
  read_out.Set_Fore_Color(RGB(0, 64, 128));
  for (const Line_Template& t : Line_Templates()) {
    auto& line = form.Add<forms::Line>(t.name, t.index, &draw);
    line.Set_Ends(t.x1, t.y1, t.x2, t.y2);
    line.Set_Visible(false);
  }
  for (const Label_Template& t : Label_Templates()) {
    auto& label = form.Add<forms::Label>(t.name, t.index, &draw);
    label.Move(t.left, t.top, t.width, 240);
    label.Set_Caption(t.caption);
    label.Set_Alignment(t.alignment);
    label.Set_Font(kChartFont, kChartPoints);
    label.Set_Visible(false);
  }
  auto& info = form.Add<forms::Label>("Label_Time_Info", -1, &draw);
  info.Move(2700, 4725, 2790, 240);
  info.Set_Fore_Color(RGB(0, 64, 0));
  info.Set_Font(kChartFont, kChartPoints);
  info.Set_Visible(false);
  auto& average = form.Add<forms::Label>("Label_Average_Speed", -1, &draw);
  average.Move(2850, 0, 3150, 300);
  average.Set_Fore_Color(GetSysColor(COLOR_HIGHLIGHT));
  average.Set_Font(kChartFont, 12);
  average.Set_Visible(false);
}

double Get_Average_Speed() {
  return forms::Guarded(
      [] {
        const std::vector<Curve_Point> samples = Free_Type_Samples();
        if (samples.empty()) throw forms::Runtime_Error(11, "Division by zero");
        return Average_Speed(samples);
      },
      0.0);
}

void Show_Curve_At_End() {
  RichText_Free_Type().Set_Visible(false);
  Picture_Draw().Set_Visible(true);
  Picture_Draw().Z_Order(0);
  // The axes meet in a corner: the time axis starts where the speed axis ends.
  forms::Line& x_axis = Chart_Line("Line_X_Time");
  forms::Line& y_axis = Chart_Line("Line_Y_Speed");
  x_axis.Set_Ends(y_axis.X2, y_axis.Y2, x_axis.X2, y_axis.Y2);
  y_axis.Set_Ends(y_axis.X2, y_axis.Y1, y_axis.X2, y_axis.Y2);
  Chart_Label("Label_Average_Speed")
      .Set_Caption("平均速度:" + Format_Speed(Get_Average_Speed()) + "字/分");
  const Plot plot = Plot_Now();
  Draw_Speed_Curve(Picture_Draw(), plot.x0, plot.y0, plot.cell_width, plot.cell_height, kColumns,
                   kRows);
  Draw_Speed_Chart_To_Picture(Picture_Draw());
}

void Draw_Speed_Curve(forms::Picture_Box& box, double x0, double y0, double cell_width,
                      double cell_height, int columns, int rows) {
  forms::Guarded([&] {
    box.Cls();
    // A copy: a run started while the chart is drawn cannot shrink what is being read.
    const std::vector<Curve_Point> samples = Free_Type_Samples();
    if (samples.empty()) throw forms::Runtime_Error(9, "Subscript out of range");
    const Curve_Ranges ranges = Ranges_Of(samples);
    const std::vector<std::string> times = Tick_Values(ranges.minutes, columns);
    const std::vector<std::string> speeds = Tick_Values(ranges.speed, rows);
    for (int i = 0; i < columns && i < kColumns; ++i) Chart_Label("Label_X", i).Set_Caption(times[i]);
    for (int i = 0; i < rows && i < kRows; ++i) Chart_Label("Label_Y", i).Set_Caption(speeds[i]);
    HDC dc = box.Surface_Dc();
    HPEN pen = CreatePen(PS_SOLID, 2, RGB(0, 0, 255));
    HGDIOBJ old = SelectObject(dc, pen);
    const Plot plot{x0, y0, cell_width, cell_height, columns, rows};
    for (size_t i = 0; i + 1 < samples.size(); ++i) {
      const Plot_Point a = Point_Of(plot, ranges, samples[i]);
      const Plot_Point b = Point_Of(plot, ranges, samples[i + 1]);
      MoveToEx(dc, forms::Twips_To_Pixels_X(static_cast<int>(a.x)),
               forms::Twips_To_Pixels_Y(static_cast<int>(a.y)), nullptr);
      LineTo(dc, forms::Twips_To_Pixels_X(static_cast<int>(b.x)),
             forms::Twips_To_Pixels_Y(static_cast<int>(b.y)));
    }
    SelectObject(dc, old);
    DeleteObject(pen);
    box.Refresh();
  });
}

void Draw_Speed_Chart_To_Picture(forms::Picture_Box& box) {
  forms::Guarded([&] {
    HDC dc = box.Surface_Dc();
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    HGDIOBJ old = SelectObject(dc, pen);
    for (const Line_Template& t : Line_Templates()) Draw_Line(dc, Chart_Line(t.name, t.index));
    SelectObject(dc, old);
    DeleteObject(pen);
    for (const Label_Template& t : Label_Templates())
      Draw_Label_Text(dc, Chart_Label(t.name, t.index), RGB(0, 0, 0), kChartPoints, false);
    forms::Label& info = Chart_Label("Label_Time_Info");
    info.Set_Caption(Get_Date_Week_Time());
    Draw_Label_Text(dc, info, info.Fore_Color(), kChartPoints, false);
    forms::Label& average = Chart_Label("Label_Average_Speed");
    Draw_Label_Text(dc, average, average.Fore_Color(), 12, true);
    box.Refresh();
  });
}

void Picture_Draw_MouseMove(int x, int y) {
  forms::Guarded([&] {
    Main_Surface_Mouse_Move();
    Reset_Free_Type_Button_Picture();
    const std::vector<Curve_Point> samples = Free_Type_Samples();
    const Plot plot = Plot_Now();
    const std::string text = Read_Out(plot, Chart_Line("Line_X", kColumns - 1).X1,
                                      Chart_Line("Line_Y", kRows - 1).Y1, Ranges_Of(samples),
                                      static_cast<int>(samples.size()), x, y);
    HWND hwnd = Picture_Draw().Hwnd();
    if (!text.empty()) {
      if (GetCapture() != hwnd) SetCapture(hwnd);
    } else if (GetCapture() == hwnd) {
      ReleaseCapture();
    }
    forms::Label& read_out = Chart_Label("Label_Mouse_Move");
    if (read_out.Caption() != text) read_out.Set_Caption(text);
  });
}

void Back_To_Free_Type() {
  forms::Guarded([] {
    Picture_Draw().Set_Visible(false);
    Picture_BG_Send().Set_Visible(false);
    RichText_Free_Type().Set_Visible(true);
    forms::Silent([] { RichText_Free_Type().Set_Focus(); });
  });
}

void Show_Speed_Curve() {
  forms::Guarded([] {
    Picture_BG_Send().Set_Visible(false);
    RichText_Free_Type().Set_Visible(false);
    Picture_Draw().Set_Visible(true);
    Picture_Draw().Z_Order(0);
  });
}

void Print_Speed_Curve() {
  forms::Guarded([] {
    const std::string text = Trim(Read(kPaintCoefficient));
    char* end = nullptr;
    const double coefficient = std::strtod(text.c_str(), &end);
    if (text.empty() || (end && *end) || coefficient <= 0)
      throw forms::Runtime_Error(13, "Type mismatch");
    HDC printer = forms::Default_Printer_Dc();
    struct Dc_Guard {
      HDC dc;
      ~Dc_Guard() { DeleteDC(dc); }
    } guard{printer};
    DOCINFOA doc{};
    doc.cbSize = sizeof doc;
    doc.lpszDocName = "青岚键坊 - 录入曲线";
    if (StartDocA(printer, &doc) <= 0 || StartPage(printer) <= 0)
      throw forms::Runtime_Error(482, "Printer error");
    // The picture's size in twips, times the coefficient, in the printer's units.
    forms::Picture_Box& box = Picture_Draw();
    const int w = static_cast<int>(box.Width() * coefficient * GetDeviceCaps(printer, LOGPIXELSX) / 1440.0);
    const int h = static_cast<int>(box.Height() * coefficient * GetDeviceCaps(printer, LOGPIXELSY) / 1440.0);
    box.Draw_Surface_To(printer, 0, 0, w, h);
    if (EndPage(printer) <= 0 || EndDoc(printer) <= 0) throw forms::Runtime_Error(482, "Printer error");
  });
}

void Save_Speed_Curve() {
  forms::Guarded([] {
    forms::Common_Dialog& dialog = CommonDialog_User();
    dialog.Cancel_Error = false;
    dialog.Dialog_Title = "图象另存为";
    dialog.File_Name.clear();
    dialog.Init_Dir = File_Dialog_Folder[3];
    dialog.Filter = "*.bmp|*.bmp|All files (*.*)|*.*";
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
    dialog.Show_Save(Free_Type_Form().Hwnd());
    if (dialog.File_Name.empty()) return;
    File_Dialog_Folder[3] = Get_Parent_Path(dialog.File_Name);
    Picture_Draw().Save_Surface_Bitmap(dialog.File_Name);
  });
}

}  // namespace quillon
