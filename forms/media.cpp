#include "forms/media.h"

#include <mmsystem.h>

#include "forms/form.h"
#include "internal.h"

namespace forms {

namespace {

// Each playback gets its own message-only window for its end notification, so the notice of a
// playback that was closed or replaced since cannot be taken for the current one.
// The window is bound to its player through comctl32's subclass chain, like every control's.
LRESULT CALLBACK Notify_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self) {
  if (msg == WM_NCDESTROY) RemoveWindowSubclass(hwnd, Notify_Proc, 0);
  if (msg == MM_MCINOTIFY) {
    auto* c = static_cast<Media_Control*>(reinterpret_cast<Control*>(self));
    if (detail::Control_Alive(c)) c->Notified(static_cast<unsigned>(lp), static_cast<int>(wp));
    return 0;
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

HWND New_Notify_Window(Media_Control* owner) {
  detail::Register_Class("QLFormsMciNotify", DefWindowProcA, 0);
  HWND h = CreateWindowExA(0, "QLFormsMciNotify", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                           detail::Instance(), nullptr);
  if (h)
    SetWindowSubclass(h, Notify_Proc, 0, reinterpret_cast<DWORD_PTR>(static_cast<Control*>(owner)));
  return h;
}

}  // namespace

Media_Control::~Media_Control() {
  if (device_) mciSendCommandA(device_, MCI_CLOSE, 0, 0);
  if (notify_window_) DestroyWindow(notify_window_);
}

void Media_Control::Drop_Notify_Window() {
  if (notify_window_) {
    RemoveWindowSubclass(notify_window_, Notify_Proc, 0);
    DestroyWindow(notify_window_);
    notify_window_ = nullptr;
  }
}

void Media_Control::Command(const std::string& command) {
  error_ = 0;
  MCIERROR e = 0;
  auto is = [&](const char* name) { return lstrcmpiA(command.c_str(), name) == 0; };
  if (is("Open")) {
    if (device_) Command("Close");
    MCI_OPEN_PARMSA open{};
    open.lpstrDeviceType = device_type_.c_str();
    open.lpstrElementName = file_name_.c_str();
    DWORD flags = MCI_OPEN_ELEMENT | MCI_WAIT;
    if (!device_type_.empty()) flags |= MCI_OPEN_TYPE;
    if (Shareable) flags |= MCI_OPEN_SHAREABLE;
    e = mciSendCommandA(0, MCI_OPEN, flags, reinterpret_cast<DWORD_PTR>(&open));
    if (!e) {
      device_ = open.wDeviceID;
      MCI_SET_PARMS set{};
      set.dwTimeFormat = MCI_FORMAT_MILLISECONDS;
      mciSendCommandA(device_, MCI_SET, MCI_SET_TIME_FORMAT | MCI_WAIT,
                      reinterpret_cast<DWORD_PTR>(&set));
    }
  } else if (is("Close")) {
    Drop_Notify_Window();
    if (device_) {
      MCI_GENERIC_PARMS generic{};
      e = mciSendCommandA(device_, MCI_CLOSE, MCI_WAIT, reinterpret_cast<DWORD_PTR>(&generic));
      device_ = 0;
    }
  } else if (!device_) {
    e = MCIERR_INVALID_DEVICE_ID;
  } else if (is("Play")) {
    // From the start again when a previous playback ran to the end.
    if (Length() > 0 && Position() >= Length()) {
      MCI_SEEK_PARMS seek{};
      mciSendCommandA(device_, MCI_SEEK, MCI_SEEK_TO_START | MCI_WAIT,
                      reinterpret_cast<DWORD_PTR>(&seek));
    }
    Drop_Notify_Window();
    MCI_PLAY_PARMS play{};
    DWORD flags = 0;
    // Only a control that asks for notices hears of the end of its playback.
    if (Notify) {
      notify_window_ = New_Notify_Window(this);
      play.dwCallback = reinterpret_cast<DWORD_PTR>(notify_window_);
      flags = MCI_NOTIFY;
    }
    e = mciSendCommandA(device_, MCI_PLAY, flags, reinterpret_cast<DWORD_PTR>(&play));
  } else if (is("Stop")) {
    MCI_GENERIC_PARMS generic{};
    e = mciSendCommandA(device_, MCI_STOP, MCI_WAIT, reinterpret_cast<DWORD_PTR>(&generic));
  } else if (is("Pause")) {
    MCI_GENERIC_PARMS generic{};
    e = mciSendCommandA(device_, MCI_PAUSE, MCI_WAIT, reinterpret_cast<DWORD_PTR>(&generic));
  } else if (is("Prev") || is("Next")) {
    MCI_SEEK_PARMS seek{};
    e = mciSendCommandA(device_, MCI_SEEK,
                        (is("Prev") ? MCI_SEEK_TO_START : MCI_SEEK_TO_END) | MCI_WAIT,
                        reinterpret_cast<DWORD_PTR>(&seek));
  } else if (is("Seek")) {
    MCI_SEEK_PARMS seek{};
    seek.dwTo = static_cast<DWORD>(to_);
    e = mciSendCommandA(device_, MCI_SEEK, MCI_TO | MCI_WAIT, reinterpret_cast<DWORD_PTR>(&seek));
  } else {
    e = MCIERR_UNSUPPORTED_FUNCTION;
  }
  error_ = static_cast<int>(e);
}

namespace {

DWORD_PTR Status(unsigned device, DWORD item) {
  if (!device) return 0;
  MCI_STATUS_PARMS status{};
  status.dwItem = item;
  if (mciSendCommandA(device, MCI_STATUS, MCI_STATUS_ITEM | MCI_WAIT,
                      reinterpret_cast<DWORD_PTR>(&status)))
    return 0;
  return status.dwReturn;
}

}  // namespace

std::string Media_Control::Mode() const {
  if (!device_) return "not open";
  switch (Status(device_, MCI_STATUS_MODE)) {
    case MCI_MODE_STOP: return "stopped";
    case MCI_MODE_PLAY: return "playing";
    case MCI_MODE_PAUSE: return "paused";
    case MCI_MODE_RECORD: return "recording";
    case MCI_MODE_SEEK: return "seeking";
    case MCI_MODE_OPEN: return "open";
    case MCI_MODE_NOT_READY: return "not ready";
  }
  return "unknown";
}

long Media_Control::Length() const { return static_cast<long>(Status(device_, MCI_STATUS_LENGTH)); }

long Media_Control::Position() const {
  return static_cast<long>(Status(device_, MCI_STATUS_POSITION));
}

std::string Media_Control::Error_Message() const {
  if (!error_) return "";
  char text[256] = {};
  if (!mciGetErrorStringA(static_cast<MCIERROR>(error_), text, sizeof text)) return "";
  return text;
}

void Media_Control::Notified(unsigned device, int code) {
  if (!device_ || device != device_) return;
  detail::Busy busy(form_);
  if (On_Done) detail::Fire([&] { On_Done(code); });
}

}  // namespace forms
