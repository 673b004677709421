#include "courses/audition_lesson.h"

#include "courses/article_files.h"

namespace quillon {

namespace {

constexpr int kRememberOn = 1, kRememberOff = 0;
constexpr int kFirstLesson = 1;
constexpr int kAnswerNext = 0, kAnswerRetry = 1;

}  // namespace

bool Is_Audition_Layout(int show_source) {
  return show_source == static_cast<int>(Audition_Layout::Hidden) ||
         show_source == static_cast<int>(Audition_Layout::Shown);
}

std::string Audition_Text_File(const std::string& folder, int number) {
  return folder + "t" + std::to_string(number) + ".txt";
}

std::string Audition_Sound_File(const std::string& folder, int number) {
  return folder + "s" + std::to_string(number) + ".wav";
}

bool Is_Last_Audition_Lesson(const std::string& folder, int number) {
  // The texts are numbered files like the articles, with "t" before the number.
  return Is_Last_Article(folder + "t", number);
}

std::string Audition_Progress_Name(int language, int layout) {
  return std::to_string(language) + " " + std::to_string(layout);
}

int Audition_Start_Lesson(int remember_flag, int stored, int current) {
  int lesson = current;
  if (remember_flag == kRememberOn) lesson = stored;
  else if (remember_flag == kRememberOff) lesson = kFirstLesson;
  return lesson < kFirstLesson ? kFirstLesson : lesson;
}

Letter_Case Audition_Letter_Case(int layout) {
  return layout == static_cast<int>(Audition_Layout::Hidden) ? Letter_Case::Ignored
                                                             : Letter_Case::Exact;
}

Audition_End_Step Audition_End_Of(bool last_lesson, int retry_answer) {
  if (last_lesson) return Audition_End_Step::Last_Lesson;
  if (retry_answer == kAnswerNext) return Audition_End_Step::Next;
  if (retry_answer == kAnswerRetry) return Audition_End_Step::Replay;
  return Audition_End_Step::Finish;
}

}  // namespace quillon
