#include "services/sounds.h"

#include <windows.h>
#include <mmsystem.h>

#include "forms/forms.h"
#include "services/globals.h"
#include "services/main_window.h"
#include "services/program_folder.h"
#include "services/service_tables.h"

namespace quillon {

namespace {

constexpr UINT kAsyncNoDefault = SND_ASYNC | SND_NODEFAULT;  // 3

std::function<void()>& Beep_Function() {
  static std::function<void()> beep;
  return beep;
}

void System_Beep() {
  if (Beep_Function())
    Beep_Function()();
  else
    MessageBeep(MB_OK);
}

forms::Media_Control& Media() {
  return Main_Window().Get<forms::Media_Control>("MMControl_Play_Record");
}

// Close, file name, Open, Play: each step runs even when the one before failed. Only a play that
// asks for it (a dictation recording) tells of its end; music ends without a notice.
void Open_And_Play(const std::string& path, bool notify = false) {
  forms::Silent([] { Media().Command("Close"); });
  forms::Silent([&] { Media().Set_File_Name(path); });
  forms::Silent([] { Media().Command("Open"); });
  forms::Silent([&] {
    Media().Notify = notify;
    Media().Command("Play");
  });
}

void Play_Fixed_Effect(const char* file) {
  forms::Guarded([&] { Play_Sound(Program_Folder() + "\\Music\\Sound\\" + file); });
}

}  // namespace

void Set_Beep_Function(std::function<void()> beep) { Beep_Function() = std::move(beep); }

bool Has_Sound_Card() {
  return forms::Guarded([] { return static_cast<short>(waveOutGetNumDevs()) > 0; }, false);
}

void Stop_Sound() {
  forms::Silent([] {
    if (Sound_Card_Present) sndPlaySoundA(nullptr, kAsyncNoDefault);
  });
}

void Play_Sound(const std::string& path) {
  forms::Silent([&] {
    if (Sound_On != 1 || !Sound_Card_Present) return;
    sndPlaySoundA(nullptr, kAsyncNoDefault);
    sndPlaySoundA(path.c_str(), kAsyncNoDefault);
  });
}

void Play_Enter_Sound() { Play_Fixed_Effect("enter.wav"); }
void Play_Click_Sound() { Play_Fixed_Effect("click.wav"); }
void Play_Win_Sound() { Play_Fixed_Effect("win.wav"); }

void Play_Wrong_Sound() {
  forms::Guarded([] {
    Play_Sound(Program_Folder() + "\\Music\\Sound\\cw.wav");
    if (!Sound_Card_Present) System_Beep();
  });
}

void Play_Key_Sound(int key_index) {
  forms::Guarded([&] {
    if (Sound_On != 1) return;
    Play_Sound(Program_Folder() + Key_Sound_Path(key_index, Music_KB_On));
  });
}

void Play_Music(const std::string& path) {
  forms::Silent([&] {
    if (BG_Music_On != 1 || !Sound_Card_Present) return;
    Open_And_Play(path);
  });
}

void Play_Wave_File(const std::string& path) {
  Stop_Sound();
  Open_And_Play(path, true);
}

void Close_Music() {
  forms::Silent([] { Media().Command("Close"); });
}

}  // namespace quillon
