#pragma once
// Sound effects through the system's one-shot player, and music and recordings through the main
// window's media control MMControl_Play_Record. What is heard follows Sound_On, BG_Music_On,
// Music_KB_On and Sound_Card_Present (services/globals.h).

#include <functional>
#include <string>

namespace quillon {

bool Has_Sound_Card();
void Stop_Sound();
void Play_Sound(const std::string& path);
void Play_Enter_Sound();
void Play_Key_Sound(int key_index);  // slot of Get_Key_Index, kNoKey for none
void Play_Wrong_Sound();
void Play_Click_Sound();
void Play_Win_Sound();
void Play_Music(const std::string& path);
void Play_Wave_File(const std::string& path);
void Close_Music();

// Tests watch the system beep (an empty function restores the beep).
void Set_Beep_Function(std::function<void()> beep);

}  // namespace quillon
