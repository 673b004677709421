// The freeze's arithmetic: pixel and colour-table conversions, row sizes and turned row copies,
// the capture's description, the cursor count and the dialog thread's recognition.
#include <gtest/gtest.h>

#include <vector>

#include "capture_logic.h"

namespace {

using namespace trhook95;

TEST(CaptureLogic, Rgb565BecomesRgb555) {
  struct Case {
    WORD in, out;
  } cases[] = {
      {0xFFFF, 0x7FFF},  // white
      {0x07E0, 0x03E0},  // pure green
      {0x0020, 0x0000},  // only the lowest green bit: dropped
      {0xF800, 0x7C00},  // pure red
      {0x001F, 0x001F},  // pure blue stays
      {0x0000, 0x0000},
  };
  std::vector<WORD> pixels;
  for (const Case& c : cases) {
    EXPECT_EQ(Rgb565_To_555(c.in), c.out) << std::hex << c.in;
    pixels.push_back(c.in);
  }
  Convert_Rgb565_To_555(pixels.data(), pixels.size());
  for (size_t i = 0; i < pixels.size(); ++i) EXPECT_EQ(pixels[i], cases[i].out) << i;
}

TEST(CaptureLogic, RowsAreTheBitmapsAlignedRowSizeAtEveryDepth) {
  struct Case {
    int bits, width, bytes;
  } cases[] = {
      {8, 638, 640}, {16, 637, 1276}, {24, 637, 1912}, {32, 637, 2548},
      {8, 1024, 1024}, {32, 1024, 4096}, {4, 3, 4}, {1, 33, 8}, {8, 0, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Dib_Row_Bytes(c.bits, c.width), c.bytes) << c.bits << " bits, width " << c.width;
}

TEST(CaptureLogic, RowsAreTurnedOverWhateverTheSurfacePitch) {
  // Three rows of 3 pixels at 32 bits (12 bytes), the surface's pitch 16: the four bytes past
  // each row's pixels never reach the bitmap, whose rows are 12 bytes.
  const int pitch = 16, stride = 12, height = 3;
  std::vector<BYTE> surface(pitch * height);
  for (int y = 0; y < height; ++y)
    for (int i = 0; i < pitch; ++i) surface[y * pitch + i] = static_cast<BYTE>(i < 12 ? y * 16 + i : 0xEE);
  std::vector<BYTE> bitmap(stride * height, 0xCC);
  Copy_Rows_Turned(surface.data(), pitch, bitmap.data(), stride, 12, height);
  for (int row = 0; row < height; ++row)
    for (int i = 0; i < stride; ++i)
      EXPECT_EQ(bitmap[row * stride + i], (height - 1 - row) * 16 + i) << row << "," << i;

  // A bitmap row longer than the pixels (8 bits, width 3, stride 4): the pad byte is zero.
  std::vector<BYTE> narrow = {1, 2, 3, 9, 4, 5, 6, 9};
  std::vector<BYTE> out(8, 0xCC);
  Copy_Rows_Turned(narrow.data(), 4, out.data(), 4, 3, 2);
  EXPECT_EQ(out, (std::vector<BYTE>{4, 5, 6, 0, 1, 2, 3, 0}));
}

TEST(CaptureLogic, PaletteAndColourTablesSwapRedAndBlue) {
  PALETTEENTRY entries[2] = {{10, 20, 30, PC_NOCOLLAPSE}, {255, 0, 128, 0}};
  RGBQUAD colours[2];
  Palette_To_Colour_Table(entries, colours, 2);
  EXPECT_EQ(colours[0].rgbBlue, 30);
  EXPECT_EQ(colours[0].rgbGreen, 20);
  EXPECT_EQ(colours[0].rgbRed, 10);
  EXPECT_EQ(colours[0].rgbReserved, 0);
  EXPECT_EQ(colours[1].rgbBlue, 128);
  EXPECT_EQ(colours[1].rgbRed, 255);
  PALETTEENTRY back[2];
  Colour_Table_To_Palette(colours, back, 2);
  EXPECT_EQ(back[0].peRed, 10);
  EXPECT_EQ(back[0].peBlue, 30);
  EXPECT_EQ(back[0].peFlags, 0);
  EXPECT_EQ(back[1].peBlue, 128);
}

TEST(CaptureLogic, CaptureIsDescribedBottomUpUncompressed) {
  BITMAPINFOHEADER h = Describe_Capture(1024, 768, 16);
  EXPECT_EQ(h.biSize, 40u);
  EXPECT_EQ(h.biWidth, 1024);
  EXPECT_EQ(h.biHeight, 768);  // positive: rows bottom-up
  EXPECT_EQ(h.biPlanes, 1);
  EXPECT_EQ(h.biBitCount, 16);
  EXPECT_EQ(h.biCompression, static_cast<DWORD>(BI_RGB));
  EXPECT_EQ(h.biSizeImage, 0u);
  EXPECT_EQ(h.biClrUsed, 0u);
}

TEST(CaptureLogic, CursorCountArithmetic) {
  // Shown once from a count of -1 the count is 0: the count before was -1.
  EXPECT_EQ(Count_Before_Show(0), -1);
  EXPECT_EQ(Count_Before_Show(1), 0);
  EXPECT_EQ(Count_Before_Show(-2), -3);
  // Back from the count now to the saved one: positive shows, negative hides.
  EXPECT_EQ(Cursor_Steps(-1, -3), -2);
  EXPECT_EQ(Cursor_Steps(-1, 0), 1);
  EXPECT_EQ(Cursor_Steps(0, 0), 0);
}

TEST(CaptureLogic, DialogThreadIsTheOneSuspendedThirtyTimesAlready) {
  struct Case {
    DWORD dialogCount, candidateCount;
    bool dialog;
  } cases[] = {
      {29, 30, true},   // the dialog thread, through another handle
      {29, 0, false},   // a running thread
      {29, 1, false},   // a thread the game keeps suspended
      {30, 31, true},   // a dialog thread that was suspended once before the freeze
      {29, 29, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Is_Dialog_Thread(c.dialogCount, c.candidateCount), c.dialog)
        << c.dialogCount << " " << c.candidateCount;
  EXPECT_TRUE(Suspension_Failed(static_cast<DWORD>(-1)));
  EXPECT_FALSE(Suspension_Failed(0));
}

TEST(CaptureLogic, SystemFolderMembership) {
  struct Case {
    const char* path;
    const char* folder;
    bool inside;
  } cases[] = {
      {"C:\\windows\\system32\\wined3d.dll", "C:\\windows\\system32", true},
      {"c:\\WINDOWS\\System32\\ddraw.dll", "C:\\windows\\system32\\", true},
      {"C:\\windows\\system32x\\a.dll", "C:\\windows\\system32", false},
      {"C:\\Games\\game.exe", "C:\\windows\\system32", false},
      {"C:\\windows\\system32", "C:\\windows\\system32", false},
      {"C:\\a.dll", "", false},
  };
  for (const Case& c : cases) EXPECT_EQ(Is_In_Folder(c.path, c.folder), c.inside) << c.path;
}

}  // namespace
