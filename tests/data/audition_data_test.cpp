// Every shipped dictation lesson in the built program folder: its text read with the course's
// own article reader, and its recording a PCM wave the wave-audio device opens, long enough to
// type the text at the course's lowest speed, really spoken, and ending soon after the last
// phrase.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "courses/article_files.h"
#include "forms/forms.h"
#include "services/globals.h"
#include "services/key_table.h"
#include "testkit/testkit.h"

namespace quillon {
namespace {

constexpr int kLeastLessons = 8;
constexpr double kWindowSeconds = 0.05;  // loudness is measured over windows of this length
constexpr double kSpeechLevel = 1000;    // a window this loud (RMS of 16-bit samples) is speech
constexpr double kMostTailSeconds = 4;   // silence allowed after the last phrase
constexpr double kMostLeadSeconds = 3;   // silence allowed before the first phrase
constexpr long kLengthToleranceMs = 100; // the device's length against the header's
constexpr int kPcmFormat = 1;            // the format tag of uncompressed PCM

struct Language_Row {
  const char* name;
  const char* folder;        // under the program folder
  int typing_per_minute;     // the lowest typing speed the recording leaves time for
  int least_chars, most_chars;
  bool chinese;              // double-byte text with full-width punctuation
  double most_spoken_per_second;  // faster than this, the speech cannot hold the whole text
};

const Language_Row kLanguages[] = {
    {"English", "\\English\\Audition\\", 120, 150, 400, false, 30},
    {"Chinese", "\\Chinese\\Audition\\", 30, 50, 150, true, 10},
};

void PrintTo(const Language_Row& row, std::ostream* out) { *out << row.name; }

std::string Lesson_File(const Language_Row& row, char kind, int n, const char* extension) {
  return testkit::Tutor_Folder() + row.folder + kind + std::to_string(n) + extension;
}

bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

int Count_Files(const std::string& pattern) {
  int count = 0;
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA(pattern.c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return 0;
  do ++count;
  while (FindNextFileA(find, &found));
  FindClose(find);
  return count;
}

// The lessons of a folder: t1.txt on until the first missing number; every t*.txt and s*.wav of
// the folder must belong to one of them.
int Lesson_Count(const Language_Row& row) {
  int n = 0;
  while (Exists(Lesson_File(row, 't', n + 1, ".txt"))) ++n;
  const std::string folder = testkit::Tutor_Folder() + row.folder;
  EXPECT_EQ(Count_Files(folder + "t*.txt"), n) << folder << ": a gap in the lesson numbers";
  EXPECT_EQ(Count_Files(folder + "s*.wav"), n) << folder << ": recordings without their texts";
  return n;
}

bool Crlf_Only(const std::string& bytes) {
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n')) return false;
    if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) return false;
  }
  return true;
}

// ---- The wave file ----

struct Wave {
  std::string fault;  // empty when the file is a PCM wave the device plays
  int channels = 0, rate = 0, bits = 0;
  std::vector<double> levels;  // RMS of each window, on the 16-bit scale
  double seconds = 0;
};

uint32_t Le32(const std::string& b, size_t at) {
  return static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8 |
         static_cast<uint8_t>(b[at + 2]) << 16 | static_cast<uint32_t>(static_cast<uint8_t>(b[at + 3])) << 24;
}
uint16_t Le16(const std::string& b, size_t at) {
  return static_cast<uint16_t>(static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8);
}

// Reads a RIFF wave: a "fmt " chunk of uncompressed PCM (8 or 16 bits, one or two channels, a
// rate the wave-audio device knows) and a "data" chunk that lies inside the file.
Wave Read_Wave(const std::string& bytes) {
  Wave wave;
  if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0) {
    wave.fault = "not a RIFF WAVE file";
    return wave;
  }
  if (Le32(bytes, 4) + 8 != bytes.size()) wave.fault = "RIFF size differs from the file size";
  size_t at = 12, data = 0, data_size = 0;
  bool format_seen = false;
  int block_align = 0;
  while (at + 8 <= bytes.size()) {
    const std::string id = bytes.substr(at, 4);
    const size_t size = Le32(bytes, at + 4);
    if (at + 8 + size > bytes.size()) {
      wave.fault = "chunk '" + id + "' runs past the end of the file";
      return wave;
    }
    if (id == "fmt " && size >= 16) {
      format_seen = true;
      const int format = Le16(bytes, at + 8);
      wave.channels = Le16(bytes, at + 10);
      wave.rate = static_cast<int>(Le32(bytes, at + 12));
      const uint32_t byte_rate = Le32(bytes, at + 16);
      block_align = Le16(bytes, at + 20);
      wave.bits = Le16(bytes, at + 22);
      if (format != kPcmFormat) wave.fault = "not PCM (format " + std::to_string(format) + ")";
      else if (wave.channels < 1 || wave.channels > 2) wave.fault = "channels not 1 or 2";
      else if (wave.bits != 8 && wave.bits != 16) wave.fault = "bits not 8 or 16";
      else if (wave.rate != 8000 && wave.rate != 11025 && wave.rate != 16000 &&
               wave.rate != 22050 && wave.rate != 44100)
        wave.fault = "unusual rate " + std::to_string(wave.rate);
      else if (block_align != wave.channels * wave.bits / 8 ||
               byte_rate != static_cast<uint32_t>(wave.rate * block_align))
        wave.fault = "block align or byte rate does not fit the format";
    } else if (id == "data") {
      data = at + 8;
      data_size = size;
    }
    at += 8 + size + (size & 1);
  }
  if (!wave.fault.empty()) return wave;
  if (!format_seen || !data) {
    wave.fault = "no format or no data chunk";
    return wave;
  }
  if (data_size % block_align) {
    wave.fault = "data is not whole sample frames";
    return wave;
  }
  const size_t frames = data_size / block_align;
  wave.seconds = static_cast<double>(frames) / wave.rate;
  const size_t window = static_cast<size_t>(kWindowSeconds * wave.rate);
  for (size_t first = 0; first + window <= frames; first += window) {
    double sum = 0;
    for (size_t f = first; f < first + window; ++f) {
      for (int c = 0; c < wave.channels; ++c) {
        const size_t p = data + f * block_align + c * (wave.bits / 8);
        const double s = wave.bits == 16 ? static_cast<int16_t>(Le16(bytes, p))
                                         : (static_cast<uint8_t>(bytes[p]) - 128) * 256.0;
        sum += s * s;
      }
    }
    wave.levels.push_back(std::sqrt(sum / (window * wave.channels)));
  }
  return wave;
}

class Shipped_Dictation : public ::testing::TestWithParam<Language_Row> {
 protected:
  void SetUp() override {
    Initialize_Key_Table();
    forms::Set_Message_Box_Function([this](HWND, const std::string& text, const std::string&, UINT) {
      errors.push_back(text);
      return IDOK;
    });
  }
  void TearDown() override { forms::Set_Message_Box_Function({}); }
  std::vector<std::string> errors;
};

TEST_P(Shipped_Dictation, TextsReadWithTheArticleReaderAsOneLineOfTheRightLength) {
  const Language_Row& row = GetParam();
  const int lessons = Lesson_Count(row);
  EXPECT_GE(lessons, kLeastLessons);
  int previous = 0;
  for (int n = 1; n <= lessons; ++n) {
    const std::string path = Lesson_File(row, 't', n, ".txt");
    SCOPED_TRACE(path);
    const std::string bytes = testkit::Read_File(path);
    EXPECT_TRUE(Crlf_Only(bytes));
    EXPECT_TRUE(bytes.size() >= 2 && bytes.compare(bytes.size() - 2, 2, "\r\n") == 0);
    Text_Length = Load_Article_File(path);
    EXPECT_GE(Text_Length, row.least_chars);
    EXPECT_LE(Text_Length, row.most_chars);
    EXPECT_GE(Text_Length, previous) << "easier (shorter) lessons come first";
    previous = Text_Length;
    for (int i = 1; i <= Text_Length; ++i) {
      const std::string& c = Article_Char(i);
      ASSERT_TRUE(c != "\r" && c != "\n") << "a line break at " << i << " (a listener cannot hear it)";
      if (row.chinese) {
        EXPECT_EQ(c.size(), 2u) << "single-byte '" << c << "' at " << i;
      } else {
        ASSERT_EQ(c.size(), 1u) << "at " << i;
        EXPECT_TRUE(c[0] >= 32 && c[0] < 127) << "at " << i;
        EXPECT_NE(Get_Key_Index(Ansi_Code(c)), kNoKey) << "'" << c << "' at " << i;
      }
    }
    EXPECT_EQ(errors, std::vector<std::string>{});
    errors.clear();
  }
}

TEST_P(Shipped_Dictation, RecordingsArePcmWavesSpokenForTheTypingTime) {
  const Language_Row& row = GetParam();
  const int lessons = Lesson_Count(row);
  ASSERT_GE(lessons, kLeastLessons);
  forms::Form form;
  forms::Media_Control* device = nullptr;
  form.On_Design = [&] { device = &form.Add<forms::Media_Control>("MMControl_Play_Record"); };
  form.Load();
  for (int n = 1; n <= lessons; ++n) {
    const std::string path = Lesson_File(row, 's', n, ".wav");
    SCOPED_TRACE(path);
    Text_Length = Load_Article_File(Lesson_File(row, 't', n, ".txt"));
    const Wave wave = Read_Wave(testkit::Read_File(path));
    ASSERT_EQ(wave.fault, "");

    // Long enough to type the whole text at the lowest speed.
    const double typing_seconds = Text_Length * 60.0 / row.typing_per_minute;
    EXPECT_GE(wave.seconds, typing_seconds);

    // Spoken: loud windows enough for the whole text, the first soon after the start, the last
    // soon before the end.
    std::vector<size_t> loud;
    for (size_t w = 0; w < wave.levels.size(); ++w)
      if (wave.levels[w] >= kSpeechLevel) loud.push_back(w);
    ASSERT_FALSE(loud.empty()) << "silent";
    EXPECT_GE(loud.size() * kWindowSeconds, Text_Length / row.most_spoken_per_second)
        << "too little speech for the text";
    EXPECT_LE(loud.front() * kWindowSeconds, kMostLeadSeconds);
    EXPECT_LE(wave.seconds - (loud.back() + 1) * kWindowSeconds, kMostTailSeconds);

    // The wave-audio device opens it and finds the same length.
    device->Command("Close");
    device->Set_File_Name(path);
    device->Command("Open");
    ASSERT_EQ(device->Error(), 0) << device->Error_Message();
    EXPECT_NEAR(device->Length(), wave.seconds * 1000, kLengthToleranceMs);
    device->Command("Close");
  }
  form.Unload();
}

INSTANTIATE_TEST_SUITE_P(Languages, Shipped_Dictation, ::testing::ValuesIn(kLanguages),
                         [](const ::testing::TestParamInfo<Language_Row>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace quillon
