#pragma once

#include <string>
#include <vector>

#include "appfw/wnd.h"
#include "credits_script.h"
#include "picture.h"

// A text control that scrolls a script of lines upwards through a band, over a colour or a
// tiled background picture.
class CCreditsStatic : public appfw::CStatic {
  DECLARE_MSG_MAP()

 public:
  static constexpr UINT kTickTimer = 150;
  // Tick periods: slow, medium, fast, and the About box's pace (index 3), which the three
  // classic speeds left without a period.
  static constexpr int kSpeedCount = 4;

  CCreditsStatic();
  ~CCreditsStatic() override;

  void SetScript(const char* text, char separator);
  // Stores the period in the speed table (unless it is 0) and makes the index the speed in
  // use. An index outside the table selects its nearest entry, so every speed has a period.
  void SetTickSpeed(int index, UINT period);
  void SetLineColour(int index, COLORREF colour);
  void SetLineHeight(int index, int height);
  void SetTransparentText(BOOL on) { transparent_ = on != FALSE; }
  BOOL SetBackgroundImage(UINT bitmapId);
  void SetTextBand(int top, int bottom);
  BOOL StartScroll();
  void StopScroll();

  // State, for the owner and for tests.
  bool Scrolling() const { return timer_ != 0; }
  UINT Tick_Period() const { return speeds_[speedIndex_]; }
  int Speed_Index() const { return speedIndex_; }
  const std::vector<std::string>& Script() const { return script_; }
  const Credits_Pacer& Pacer() const { return pacer_; }
  int Widest_Line() const { return widest_; }
  RECT Band() const;
  // Runs one tick as the timer does.
  void Tick();

 private:
  LRESULT OnTimer(WPARAM, LPARAM);
  LRESULT OnPaint(WPARAM, LPARAM);
  LRESULT OnEraseBkgnd(WPARAM, LPARAM);
  LRESULT OnDestroy(WPARAM, LPARAM);

  void DrawTick(HDC dc, bool fetched);
  void ComposeFrame(HDC dc);
  void LayOutStill(HDC dc);
  void Ensure_Work_Image(HDC dc);
  void Free_Work_Image();
  void Free_Line_Bitmap();
  COLORREF Fill_Colour() const;
  HFONT Make_Font(Credit_Kind kind, const char* face, int* height, COLORREF* colour) const;
  SIZE Client_Size() const;
  void Rewind();

  std::vector<std::string> script_;
  COLORREF colours_[5];
  int heights_[4];
  char markers_[4];
  UINT speeds_[kSpeedCount];
  int speedIndex_ = 1;
  int scrollStep_ = -1;
  bool transparent_ = false;
  int bandTop_ = -1;
  int bandBottom_ = -1;
  int lineHeight_ = 15;
  int pixelsShown_ = 0;
  int widest_ = 0;
  Credits_Pacer pacer_;
  Credit_Line current_;
  bool haveLine_ = false;

  HBITMAP lineBitmap_ = nullptr;
  int lineBitmapWidth_ = 0;
  int lineBitmapHeight_ = 0;
  bool bitmapInProgress_ = false;

  HBITMAP work_ = nullptr;
  CDibPicture background_;
  UINT_PTR timer_ = 0;
};
