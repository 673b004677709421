#include "credits.h"

#include <cstdlib>

#include "appfw/app.h"

BEGIN_MSG_MAP(CCreditsStatic, appfw::CStatic)
  ON_MSG(WM_TIMER, OnTimer)
  ON_MSG(WM_PAINT, OnPaint)
  ON_MSG(WM_ERASEBKGND, OnEraseBkgnd)
  ON_MSG(WM_DESTROY, OnDestroy)
END_MSG_MAP()

namespace {

const COLORREF kLightGrey = RGB(192, 192, 192);

void Fill(HDC dc, const RECT& r, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &r, brush);
  DeleteObject(brush);
}

// Copies w x h pixels, leaving out those of the key colour when `keyed`.
void Copy_Pixels(HDC to, int x, int y, int w, int h, HDC from, int fx, int fy, bool keyed,
                 COLORREF key) {
  if (w <= 0 || h <= 0) return;
  if (keyed) {
    TransparentBlt(to, x, y, w, h, from, fx, fy, w, h, key);
  } else {
    BitBlt(to, x, y, w, h, from, fx, fy, SRCCOPY);
  }
}

}  // namespace

CCreditsStatic::CCreditsStatic()
    : colours_{RGB(0, 0, 0), RGB(255, 0, 0), RGB(255, 255, 0), RGB(0, 255, 255),
               RGB(255, 255, 255)},
      heights_{21, 19, 17, 15},
      markers_{'\t', '\n', '\r', '^'},
      speeds_{70, 40, 10, 30} {}

CCreditsStatic::~CCreditsStatic() {
  Free_Work_Image();
  Free_Line_Bitmap();
}

void CCreditsStatic::Rewind() {
  pacer_.Rewind();
  pixelsShown_ = 0;
  haveLine_ = false;
  Free_Line_Bitmap();
}

void CCreditsStatic::SetScript(const char* text, char separator) {
  script_ = Split_Credits(text ? text : "", separator);
  Rewind();
}

void CCreditsStatic::SetTickSpeed(int index, UINT period) {
  if (index < 0) index = 0;
  if (index >= kSpeedCount) index = kSpeedCount - 1;
  if (period != 0) speeds_[index] = period;
  speedIndex_ = index;
}

void CCreditsStatic::SetLineColour(int index, COLORREF colour) {
  if (index >= 0 && index < 5) colours_[index] = colour;
}

void CCreditsStatic::SetLineHeight(int index, int height) {
  if (index >= 0 && index < 4) heights_[index] = height;
}

BOOL CCreditsStatic::SetBackgroundImage(UINT bitmapId) {
  return background_.Load(appfw::AfxGetResourceHandle(), MAKEINTRESOURCEA(bitmapId));
}

void CCreditsStatic::SetTextBand(int top, int bottom) {
  bandTop_ = top;
  bandBottom_ = bottom;
}

BOOL CCreditsStatic::StartScroll() {
  if (script_.empty() || !m_hWnd) return FALSE;
  Free_Work_Image();
  if (timer_) KillTimer(m_hWnd, kTickTimer);
  timer_ = SetTimer(m_hWnd, kTickTimer, speeds_[speedIndex_], nullptr);
  Rewind();
  return timer_ != 0;
}

void CCreditsStatic::StopScroll() {
  if (timer_ && m_hWnd) KillTimer(m_hWnd, kTickTimer);
  timer_ = 0;
  Free_Work_Image();
}

SIZE CCreditsStatic::Client_Size() const {
  RECT r{};
  if (m_hWnd) GetClientRect(m_hWnd, &r);
  return SIZE{r.right, r.bottom};
}

RECT CCreditsStatic::Band() const {
  SIZE cs = Client_Size();
  RECT band;
  band.top = bandTop_ == -1 ? 0 : bandTop_;
  band.bottom = bandBottom_ == -1 ? cs.cy : bandBottom_;
  band.left = (cs.cx - widest_) / 2;
  band.right = band.left + widest_;
  return band;
}

COLORREF CCreditsStatic::Fill_Colour() const {
  return transparent_ && !background_.Empty() ? kLightGrey : colours_[0];
}

HFONT CCreditsStatic::Make_Font(Credit_Kind kind, const char* face, int* height,
                                COLORREF* colour) const {
  int weight = 100;
  int h = heights_[3];
  COLORREF c = colours_[4];
  if (kind >= kCreditKind1 && kind <= kCreditKind3) {
    weight = 700;
    h = heights_[kind - 1];
    c = colours_[kind];
  }
  if (height) *height = h;
  if (colour) *colour = c;
  HFONT font = CreateFontA(h, 0, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY, 6, face);
  // A system without the face would give an ANSI font without Chinese glyphs; the same face
  // asked for in any character set finds one that has them.
  HDC probe = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(probe, font);
  char got[LF_FACESIZE] = {};
  GetTextFaceA(probe, sizeof got, got);
  SelectObject(probe, old);
  DeleteDC(probe);
  if (lstrcmpiA(got, face) != 0) {
    DeleteObject(font);
    font = CreateFontA(h, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY, 6, face);
  }
  return font;
}

void CCreditsStatic::Ensure_Work_Image(HDC dc) {
  if (work_) return;
  SIZE cs = Client_Size();
  work_ = CreateCompatibleBitmap(dc, cs.cx > 0 ? cs.cx : 1, cs.cy > 0 ? cs.cy : 1);
  HDC mem = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(mem, work_);
  Fill(mem, RECT{0, 0, cs.cx, cs.cy}, Fill_Colour());
  SelectObject(mem, old);
  DeleteDC(mem);
}

void CCreditsStatic::Free_Work_Image() {
  if (work_) DeleteObject(work_);
  work_ = nullptr;
}

void CCreditsStatic::Free_Line_Bitmap() {
  if (lineBitmap_) DeleteObject(lineBitmap_);
  lineBitmap_ = nullptr;
  lineBitmapWidth_ = lineBitmapHeight_ = 0;
  bitmapInProgress_ = false;
}

void CCreditsStatic::Tick() {
  if (!m_hWnd) return;
  bool fetched = false;
  if (!bitmapInProgress_) {
    fetched = pacer_.Tick(script_.size(), lineHeight_);
    if (fetched) {
      pixelsShown_ = 0;
      current_ = Classify_Credit_Line(script_[pacer_.Current()], markers_);
      haveLine_ = true;
    }
  }
  HDC dc = GetDC(m_hWnd);
  DrawTick(dc, fetched);
  ComposeFrame(dc);
  ReleaseDC(m_hWnd, dc);
}

void CCreditsStatic::DrawTick(HDC dc, bool fetched) {
  Ensure_Work_Image(dc);
  SIZE cs = Client_Size();
  COLORREF fill = Fill_Colour();
  HDC mem = CreateCompatibleDC(dc);
  HGDIOBJ oldWork = SelectObject(mem, work_);

  // Scroll the band's content up and refill the uncovered strip.
  int step = std::abs(scrollStep_);
  RECT band = Band();
  RECT strip;
  if (band.right > band.left) {
    BitBlt(mem, band.left, band.top, band.right - band.left, band.bottom - band.top - step, mem,
           band.left, band.top + step, SRCCOPY);
    strip = RECT{band.left, band.bottom - step, band.right, band.bottom};
  } else {
    strip = RECT{0, cs.cy - step, cs.cx, cs.cy};
  }
  Fill(mem, strip, fill);
  pixelsShown_ += step;

  if (haveLine_ && current_.kind == kCreditBitmap) {
    if (!bitmapInProgress_) {
      lineBitmap_ = static_cast<HBITMAP>(LoadImageA(appfw::AfxGetResourceHandle(),
                                                    current_.text.c_str(), IMAGE_BITMAP, 0, 0,
                                                    LR_CREATEDIBSECTION));
      if (lineBitmap_) {
        BITMAP bm{};
        GetObjectA(lineBitmap_, sizeof bm, &bm);
        lineBitmapWidth_ = bm.bmWidth;
        lineBitmapHeight_ = bm.bmHeight;
        bitmapInProgress_ = true;
      } else {
        haveLine_ = false;  // a picture that cannot be loaded shows as an empty line
      }
    }
    if (bitmapInProgress_) {
      if (fetched && pacer_.Fetched_In_First_Pass() && lineBitmapWidth_ > widest_) {
        widest_ = lineBitmapWidth_ < cs.cx ? lineBitmapWidth_ : cs.cx;
        band = Band();
      }
      int rows = pixelsShown_ < lineBitmapHeight_ ? pixelsShown_ : lineBitmapHeight_;
      int left = band.left + (band.right - band.left - lineBitmapWidth_) / 2;
      HDC pic = CreateCompatibleDC(dc);
      HGDIOBJ oldPic = SelectObject(pic, lineBitmap_);
      Copy_Pixels(mem, left, band.bottom - rows, lineBitmapWidth_, rows, pic, 0, 0,
                  transparent_ && background_.Empty(), kLightGrey);
      SelectObject(pic, oldPic);
      DeleteDC(pic);
      if (pixelsShown_ >= lineBitmapHeight_) {
        Free_Line_Bitmap();
        haveLine_ = false;
        pixelsShown_ = 0;
        pacer_.Bitmap_Done();
      }
    }
  } else if (haveLine_ && !current_.text.empty()) {
    COLORREF colour;
    HFONT font = Make_Font(current_.kind, "宋体", &lineHeight_, &colour);
    HGDIOBJ oldFont = SelectObject(mem, font);
    if (fetched && pacer_.Fetched_In_First_Pass()) {
      SIZE size{};
      GetTextExtentPoint32A(mem, current_.text.c_str(), static_cast<int>(current_.text.size()),
                            &size);
      if (size.cx > widest_) {
        widest_ = size.cx < cs.cx ? size.cx : cs.cx;
        band = Band();
      }
    }
    SetBkMode(mem, TRANSPARENT);
    SetTextColor(mem, colour);
    RECT r{band.left, band.bottom - pixelsShown_, band.right, band.bottom};
    DrawTextA(mem, current_.text.c_str(), static_cast<int>(current_.text.size()), &r,
              DT_CENTER | DT_SINGLELINE | DT_TOP | DT_NOPREFIX);
    SelectObject(mem, oldFont);
    DeleteObject(font);
  }

  SelectObject(mem, oldWork);
  DeleteDC(mem);
}

void CCreditsStatic::ComposeFrame(HDC dc) {
  if (!work_) return;
  SIZE cs = Client_Size();
  HDC work = CreateCompatibleDC(dc);
  HGDIOBJ oldWork = SelectObject(work, work_);
  if (background_.Empty()) {
    BitBlt(dc, 0, 0, cs.cx, cs.cy, work, 0, 0, SRCCOPY);
  } else {
    HPALETTE oldPalette = background_.Use_Palette(dc);
    HBITMAP frameBitmap = CreateCompatibleBitmap(dc, cs.cx, cs.cy);
    HDC frame = CreateCompatibleDC(dc);
    HGDIOBJ oldFrame = SelectObject(frame, frameBitmap);
    HDC pic = CreateCompatibleDC(dc);
    HGDIOBJ oldPic = SelectObject(pic, background_.Bitmap());
    for (int y = 0; y < cs.cy; y += background_.Height()) {
      for (int x = 0; x < cs.cx; x += background_.Width()) {
        BitBlt(frame, x, y, background_.Width(), background_.Height(), pic, 0, 0, SRCCOPY);
      }
    }
    SelectObject(pic, oldPic);
    DeleteDC(pic);
    RECT band = Band();
    Copy_Pixels(frame, band.left, band.top, band.right - band.left, band.bottom - band.top, work,
                band.left, band.top, true, Fill_Colour());
    BitBlt(dc, 0, 0, cs.cx, cs.cy, frame, 0, 0, SRCCOPY);
    SelectObject(frame, oldFrame);
    DeleteDC(frame);
    DeleteObject(frameBitmap);
    if (oldPalette) SelectPalette(dc, oldPalette, FALSE);
  }
  SelectObject(work, oldWork);
  DeleteDC(work);
}

void CCreditsStatic::LayOutStill(HDC dc) {
  Ensure_Work_Image(dc);
  SIZE cs = Client_Size();
  RECT band = Band();
  if (band.right <= band.left) band.left = 0, band.right = cs.cx;
  HDC mem = CreateCompatibleDC(dc);
  HGDIOBJ oldWork = SelectObject(mem, work_);
  SetBkMode(mem, TRANSPARENT);
  int y = band.top;
  int lastHeight = heights_[3];
  for (const std::string& raw : script_) {
    if (y >= band.bottom) break;
    Credit_Line line = Classify_Credit_Line(raw, markers_);
    if (line.kind == kCreditBitmap) {
      HBITMAP bmp = static_cast<HBITMAP>(LoadImageA(appfw::AfxGetResourceHandle(),
                                                    line.text.c_str(), IMAGE_BITMAP, 0, 0,
                                                    LR_CREATEDIBSECTION));
      if (!bmp) continue;
      BITMAP bm{};
      GetObjectA(bmp, sizeof bm, &bm);
      HDC pic = CreateCompatibleDC(dc);
      HGDIOBJ oldPic = SelectObject(pic, bmp);
      int h = bm.bmHeight < band.bottom - y ? bm.bmHeight : band.bottom - y;
      Copy_Pixels(mem, band.left + (band.right - band.left - bm.bmWidth) / 2, y, bm.bmWidth, h,
                  pic, 0, 0, transparent_ && background_.Empty(), kLightGrey);
      SelectObject(pic, oldPic);
      DeleteDC(pic);
      DeleteObject(bmp);
      y += bm.bmHeight;
      lastHeight = bm.bmHeight;
    } else if (line.text.empty()) {
      SIZE w{};
      GetTextExtentPoint32A(mem, "W", 1, &w);
      y += w.cy > 0 ? w.cy : lastHeight;
    } else {
      int h;
      COLORREF colour;
      HFONT font = Make_Font(line.kind, "Arial", &h, &colour);
      HGDIOBJ oldFont = SelectObject(mem, font);
      SetTextColor(mem, colour);
      RECT r{band.left, y, band.right, band.bottom};
      DrawTextA(mem, line.text.c_str(), static_cast<int>(line.text.size()), &r,
                DT_CENTER | DT_SINGLELINE | DT_TOP | DT_NOPREFIX);
      SelectObject(mem, oldFont);
      DeleteObject(font);
      y += h;
      lastHeight = h;
    }
  }
  SelectObject(mem, oldWork);
  DeleteDC(mem);
}

LRESULT CCreditsStatic::OnTimer(WPARAM wParam, LPARAM) {
  if (wParam != kTickTimer) return Default();
  Tick();
  return 0;
}

LRESULT CCreditsStatic::OnPaint(WPARAM, LPARAM) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(m_hWnd, &ps);
  if (!timer_) {
    if (!work_) LayOutStill(dc);
    ComposeFrame(dc);
  }
  EndPaint(m_hWnd, &ps);
  return 0;
}

LRESULT CCreditsStatic::OnEraseBkgnd(WPARAM, LPARAM) { return TRUE; }

LRESULT CCreditsStatic::OnDestroy(WPARAM, LPARAM) {
  timer_ = 0;
  script_.clear();
  Rewind();
  return Default();
}
