#pragma once

// The settings sheet's decisions, apart from its windows: the hot-key conversion between the
// stored value and the hot-key control, the header of a professional dictionary, the records
// of the dictionary list and the user dictionary's file.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "barlogic.h"

// --- hot keys ---

// A stored hot key: the key in the low word, the registration's modifier mask in the high word
// (Alt 1, Ctrl 2, Shift 4). The hot-key control's value: the key in the low byte, the
// control's flags in the high byte (Shift 1, Ctrl 2, Alt 4, extended key 8).
constexpr int kStoredAlt = 1, kStoredCtrl = 2, kStoredShift = 4;
// Exchanges bits 0 and 2 of a modifier mask, the other bits unchanged: the same rule turns
// the control's flags into the stored mask and back.
int Exchange_Shift_Alt(int mask);
// Keys the control marks as extended (the navigation block, the keypad's divide, ...).
bool Is_Extended_Key(BYTE virtualKey);
// The control's value for a stored hot key: its Alt, Ctrl and Shift converted and the
// extended flag set from the key.
WORD Hot_Key_To_Control(int stored);
// The stored value for the control's value: Alt, Ctrl and Shift only (the extended flag is the
// key's own, not a modifier to register).
int Hot_Key_From_Control(WORD control);

// --- professional dictionaries ---

constexpr size_t kDictHeaderSize = 148;
constexpr uint32_t kDictMagic = 0x04935343;
struct Dict_Header_Text {
  std::string name;         // the first ";"-field
  std::string description;  // the second, empty when there is none
};
// The name and description of a dictionary from its first bytes (up to 148): false when the
// text at offset 20 has no first field. The text ends at its zero byte or at the last byte
// read. With `needMagic` the first int32 must be the dictionary magic too.
bool Read_Dict_Header(const std::string& head, bool needMagic, Dict_Header_Text* out);
// The most bytes the list keeps of a name or a file name.
constexpr size_t kListFieldBytes = 14;
// A list record; names and file names are cut to 14 bytes on character boundaries.
DictListRecord Make_Dict_Record(const std::string& fileName, const std::string& name,
                                bool selected);
// Whether a dictionary file's bare name fits the list whole.
bool Fits_Dict_List(const std::string& fileName);
// The file name without its folder.
std::string Bare_File_Name(const std::string& path);
// The index of the last record in use, or -1.
int Last_Selected(const std::vector<DictListRecord>& records);

// --- user dictionary ---

struct User_Word {
  std::string word, part, meaning;
  bool operator==(const User_Word& o) const {
    return word == o.word && part == o.part && meaning == o.meaning;
  }
};
constexpr size_t kUserHeaderSize = 148;
// A record with its three terminators holds at most this many bytes.
constexpr size_t kMaxUserRecord = 1023;
// The word dialog's limits, in characters: a double-byte character takes two bytes, so a
// record stays within kMaxUserRecord whatever the fields hold.
constexpr int kMaxWordChars = 60;
constexpr int kMaxMeaningChars = 440;
// The parts of speech the word dialog offers, the first the default.
extern const char* const kPartsOfSpeech[4];
// The whole file in list order.
std::string User_Dict_Bytes(const std::vector<User_Word>& words);
// The sound words of a file's bytes: a count or offset past the file, or a record without
// its three terminators within its 1023 bytes and the file, is left out.
std::vector<User_Word> Parse_User_Dict(const std::string& bytes);
