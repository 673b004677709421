#pragma once
// Where the tutor's files are: its program folder and the paths under it.

#include <cstddef>
#include <string>

namespace quillon {

// The program folder: the folder of the running executable, without a trailing backslash.
// Throws forms::Runtime_Error when it cannot be had, or when it is too long for the files the
// tutor opens under it (see Program_File).
std::string Program_Folder();
// Room (in characters) the tutor keeps after its folder for the names of its files ("\Music\Sound\MusicKB\57.wav"
// is the longest it ships, 27 characters).
constexpr size_t kProgramFileRoom = 40;
// The path of a file under the program folder (`relative` begins with "\"). Throws
// forms::Runtime_Error when the whole path does not fit the platform's path length (counted in
// characters, a Chinese character as one).
std::string Program_File(const std::string& relative);
// Tests run the tutor's code from another folder: they name the program folder here.
void Set_Program_Folder(const std::string& folder);

}  // namespace quillon
