#pragma once
// The MCI multimedia control (MMControl_Play_Record): one open file at a time.
//   Set_Device_Type("WaveAudio"); Set_File_Name(path); Command("Close"); Command("Open");
//   Command("Play");
// Play never waits for the end. While Notify is true, when playback ends (or is stopped or
// superseded) On_Done fires on the user-interface thread with the MCI notify code (1 successful,
// 2 superseded, 4 aborted, 8 failure); a Play made while Notify is false gives no notice at all.
// Only the current playback notifies: after Close, or a new Play, the notice of the earlier
// playback is dropped (Stop does notify, with code 4).
// Commands: "Open", "Close", "Play", "Stop", "Pause", "Prev" (seek to start), "Seek" (to To()).
// Failures don't throw: Error() holds the MCI error number (0 none), Error_Message() its text.

#include <functional>
#include <string>

#include "forms/control.h"

namespace forms {

class Media_Control : public Control {
 public:
  ~Media_Control() override;

  void Set_Device_Type(const std::string& type) { device_type_ = type; }
  const std::string& Device_Type() const { return device_type_; }
  void Set_File_Name(const std::string& file) { file_name_ = file; }
  const std::string& File_Name() const { return file_name_; }
  // Whether the next Play notifies its end through On_Done. Wait and Shareable are kept for the
  // design settings the tutor makes; Play never waits whatever Wait says.
  bool Notify = false;
  bool Wait = true;
  bool Shareable = false;
  void Set_To(long position) { to_ = position; }

  void Command(const std::string& command);
  bool Is_Open() const { return device_ != 0; }
  std::string Mode() const;  // "not open", "stopped", "playing", "paused", ...
  long Length() const;       // milliseconds
  long Position() const;
  int Error() const { return error_; }
  std::string Error_Message() const;
  unsigned Device_Id() const { return device_; }

  std::function<void(int notify_code)> On_Done;

  // Internal.
  void Notified(unsigned device, int code);
  void Set_Visible(bool) override {}

 private:
  std::string device_type_ = "WaveAudio";
  std::string file_name_;
  void Drop_Notify_Window();
  unsigned device_ = 0;
  HWND notify_window_ = nullptr;
  int error_ = 0;
  long to_ = 0;
};

}  // namespace forms
