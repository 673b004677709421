#include "forms/child_moves.h"

namespace forms {

void Move_Controls(const std::vector<Control_Place>& places) {
  std::vector<const Control_Place*> windows;
  for (const Control_Place& p : places) {
    if (!p.control || (p.control->Left() == p.left && p.control->Top() == p.top)) continue;
    if (p.control->Windowless() || !p.control->Hwnd()) p.control->Move(p.left, p.top);
    else windows.push_back(&p);
  }
  if (windows.empty()) return;
  constexpr UINT kFlags = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
  HDWP batch = BeginDeferWindowPos(static_cast<int>(windows.size()));
  for (const Control_Place* p : windows) {
    p->control->Set_Place(p->left, p->top);
    const RECT r = p->control->Pixel_Rect();
    if (batch) batch = DeferWindowPos(batch, p->control->Hwnd(), nullptr, r.left, r.top, 0, 0, kFlags);
  }
  if (batch && EndDeferWindowPos(batch)) return;
  // The batch failed: each window on its own.
  for (const Control_Place* p : windows) {
    const RECT r = p->control->Pixel_Rect();
    SetWindowPos(p->control->Hwnd(), nullptr, r.left, r.top, 0, 0, kFlags);
  }
}

}  // namespace forms
