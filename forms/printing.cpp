#include "forms/printing.h"

#include <windows.h>
#include <winspool.h>

#include <vector>

#include "forms/errors.h"
#include "forms/form.h"

namespace forms {

namespace {

[[noreturn]] void Printer_Error() { throw Runtime_Error(482, "Printer error"); }

// Deletes a GDI handle on every way out.
struct Dc_Guard {
  HDC dc;
  ~Dc_Guard() {
    if (dc) DeleteDC(dc);
  }
};

}  // namespace

std::string Default_Printer_Name() {
  DWORD size = 0;
  GetDefaultPrinterA(nullptr, &size);
  if (size == 0) return "";
  std::string name(size, '\0');
  if (!GetDefaultPrinterA(name.data(), &size)) return "";
  name.resize(lstrlenA(name.c_str()));
  return name;
}

void Print_Form(Form& form) {
  const HWND hwnd = form.Hwnd();
  if (!hwnd) throw Runtime_Error(91, "Object variable or With block variable not set");
  const std::string printer = Default_Printer_Name();
  if (printer.empty()) Printer_Error();

  // The window's image as it shows now, taken before the printer is opened.
  RECT client;
  GetClientRect(hwnd, &client);
  const int w = client.right, h = client.bottom;
  if (w <= 0 || h <= 0) Printer_Error();
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = h;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  std::vector<BYTE> pixels(static_cast<size_t>(((w * 3 + 3) & ~3) * h));
  {
    UpdateWindow(hwnd);
    HDC screen = GetDC(hwnd);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(h), pixels.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(hwnd, screen);
  }

  Dc_Guard printer_dc{CreateDCA(nullptr, printer.c_str(), nullptr, nullptr)};
  if (!printer_dc.dc) Printer_Error();
  HDC screen = GetDC(nullptr);
  const int screen_dpi_x = GetDeviceCaps(screen, LOGPIXELSX);
  const int screen_dpi_y = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  const int dpi_x = GetDeviceCaps(printer_dc.dc, LOGPIXELSX);
  const int dpi_y = GetDeviceCaps(printer_dc.dc, LOGPIXELSY);
  const int page_w = GetDeviceCaps(printer_dc.dc, HORZRES);
  int out_w = MulDiv(w, dpi_x, screen_dpi_x), out_h = MulDiv(h, dpi_y, screen_dpi_y);
  if (out_w > page_w && out_w > 0) {  // wider than the page: fitted to its width
    out_h = MulDiv(out_h, page_w, out_w);
    out_w = page_w;
  }
  const std::string title = form.Caption().empty() ? std::string("Quillon") : form.Caption();
  DOCINFOA doc{};
  doc.cbSize = sizeof doc;
  doc.lpszDocName = title.c_str();
  if (StartDocA(printer_dc.dc, &doc) <= 0) Printer_Error();
  bool ok = StartPage(printer_dc.dc) > 0;
  ok = ok && StretchDIBits(printer_dc.dc, (page_w - out_w) / 2, 0, out_w, out_h, 0, 0, w, h,
                           pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY) > 0;
  ok = ok && EndPage(printer_dc.dc) > 0;
  if (!ok) {
    AbortDoc(printer_dc.dc);
    Printer_Error();
  }
  if (EndDoc(printer_dc.dc) <= 0) Printer_Error();
}

}  // namespace forms
