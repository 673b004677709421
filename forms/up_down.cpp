#include "forms/up_down.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>

#include "internal.h"

namespace forms {

int Up_Down::Stepped(const std::string& text, int delta, int min, int max) {
  long number = min;
  if (!text.empty() && text.find_first_not_of("0123456789") == std::string::npos)
    number = text.size() > 9 ? max : std::strtol(text.c_str(), nullptr, 10);
  long next = std::clamp<long>(number, min, max) + delta;
  return static_cast<int>(std::clamp<long>(next, min, max));
}

void Up_Down::Create_Window() {
  Native_Control::Create_Window();
  Send(UDM_SETRANGE32, static_cast<WPARAM>(min_), static_cast<LPARAM>(max_));
}

void Up_Down::Set_Range(int min, int max) {
  min_ = min;
  max_ = max;
  value_ = std::clamp(value_, min_, max_);
  Send(UDM_SETRANGE32, static_cast<WPARAM>(min_), static_cast<LPARAM>(max_));
}

void Up_Down::Step(int delta) {
  value_ = Stepped(buddy_ ? buddy_->Text() : std::to_string(value_), delta, min_, max_);
  Send(UDM_SETPOS32, 0, value_);
  if (buddy_) buddy_->Set_Text(std::to_string(value_));
  if (On_Change) detail::Fire(On_Change);
}

LRESULT Up_Down::Handle_Notify(NMHDR* header) {
  if (header->code == UDN_DELTAPOS) {
    detail::Busy busy(form_);
    auto* change = reinterpret_cast<NMUPDOWN*>(header);
    const int delta = change->iDelta > 0 ? 1 : change->iDelta < 0 ? -1 : 0;
    if (delta) detail::Fire([&] { Step(delta); });
    return 1;  // the position is ours: the control keeps its own
  }
  return Native_Control::Handle_Notify(header);
}

}  // namespace forms
