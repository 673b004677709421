// Free typing's pure rules: the time label, the counts, the sampling, the curve's ranges, ticks,
// points and read-out, the Chinese duration, the recipient lists, the stamp, the saved kind and
// the command lines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "freetype/free_type_logic.h"

namespace quillon {
namespace {

TEST(FreeTypeRun, TimeLabelHasTwoDigitPartsAndTwoDigitHoursFromOneHour) {
  const struct {
    double seconds;
    const char* label;
  } rows[] = {{0, "00:00"},      {9, "00:09"},         {9.99, "00:09"},     {61, "01:01"},
              {3599, "59:59"},   {3599.999, "59:59"},  {3600, "01:00:00"},  {3661, "01:01:01"},
              {36000, "10:00:00"}};
  for (const auto& r : rows) EXPECT_EQ(Free_Type_Time_Label(r.seconds), r.label) << r.seconds;
}

TEST(FreeTypeRun, CountsLeaveTheLoadedTextOutOnlyWhileTheTextReachesBeyondIt) {
  const struct {
    int length, loaded, on_change, on_tick;
  } rows[] = {{0, 0, 0, 0},   {5, 0, 5, 5},      {105, 100, 5, 5},
              {100, 100, 0, 100}, {99, 100, 99, 99}, {1, 100, 1, 1}};
  for (const auto& r : rows) {
    EXPECT_EQ(Typed_Count_On_Change(r.length, r.loaded), r.on_change) << r.length << "/" << r.loaded;
    EXPECT_EQ(Typed_Count_On_Tick(r.length, r.loaded), r.on_tick) << r.length << "/" << r.loaded;
  }
}

TEST(FreeTypeRun, SamplesFallDueAtEachHalfSecondMarkAndLateTicksSkipMarks) {
  // (seconds of a tick, the next mark before it) -> a sample taken, the next mark after it.
  const struct {
    double seconds;
    int next_before;
    bool sample;
    int next_after;
  } rows[] = {{0.1, 1, false, 1}, {0.499, 1, false, 1}, {0.5, 1, true, 2}, {0.7, 2, false, 2},
              {1.0, 2, true, 3},  {2.6, 3, true, 6},     {2.9, 6, false, 6}};
  for (const auto& r : rows) {
    const int mark = Half_Second_Mark(r.seconds);
    EXPECT_EQ(mark >= r.next_before, r.sample) << r.seconds;
    EXPECT_EQ(r.sample ? mark + 1 : r.next_before, r.next_after) << r.seconds;
  }
  EXPECT_EQ(Format_Speed(123.456), "123.46");
  EXPECT_EQ(Format_Speed(0), "0.00");
}

TEST(SpeedCurve, RangesTicksAverageAndPointsOfThreeSamples) {
  const std::vector<Curve_Point> samples = {{0.5, 40}, {1.0, 60}, {1.5, 50}};
  const Curve_Ranges r = Ranges_Of(samples);
  EXPECT_DOUBLE_EQ(r.minutes, 1.5);
  EXPECT_DOUBLE_EQ(r.speed, 60);
  EXPECT_EQ(Tick_Values(r.minutes, 10),
            (std::vector<std::string>{"0.15", "0.30", "0.45", "0.60", "0.75", "0.90", "1.05",
                                      "1.20", "1.35", "1.50"}));
  EXPECT_EQ(Tick_Values(r.speed, 7), (std::vector<std::string>{"8.57", "17.14", "25.71", "34.29",
                                                               "42.86", "51.43", "60.00"}));
  EXPECT_EQ(Format_Speed(Average_Speed(samples)), "51.67");
  const Plot plot{825, 4275, 525, 525, 10, 7};
  const struct {
    Curve_Point sample;
    double x, y;
  } points[] = {{{1.5, 60}, 6075, 600}, {{0.75, 30}, 3450, 2437.5}, {{0, 0}, 825, 4275}};
  for (const auto& p : points) {
    const Plot_Point at = Point_Of(plot, r, p.sample);
    EXPECT_DOUBLE_EQ(at.x, p.x);
    EXPECT_DOUBLE_EQ(at.y, p.y);
  }
  // No samples, or all at zero speed: no division by zero.
  EXPECT_EQ(Average_Speed({}), 0);
  const Plot_Point flat = Point_Of(plot, Ranges_Of({{0.5, 0}, {1, 0}}), {1, 0});
  EXPECT_DOUBLE_EQ(flat.y, 4275);
}

TEST(SpeedCurve, ReadOutAtTheOriginTheEndsAndOutside) {
  const Plot plot{825, 4275, 525, 525, 10, 7};
  const Curve_Ranges r{1.5, 60};
  const struct {
    double x, y;
    int samples;
    const char* text;
  } rows[] = {
      {825, 4275, 3, "打字速度:0.00字/分，所花时间:0秒"},
      {6075, 4275, 3, "打字速度:0.00字/分，所花时间:1分30秒"},
      {825, 600, 3, "打字速度:60.00字/分，所花时间:0秒"},
      {824, 4000, 3, ""},
      {6076, 4000, 3, ""},
      {2000, 599, 3, ""},
      {2000, 4276, 3, ""},
      {2000, 2000, 0, ""},
  };
  for (const auto& row : rows)
    EXPECT_EQ(Read_Out(plot, 6075, 600, r, row.samples, row.x, row.y), row.text)
        << row.x << "," << row.y;
}

TEST(SpeedCurve, ChineseDurations) {
  const struct {
    double seconds;
    const char* text;
  } rows[] = {{0, "0秒"},       {65, "1分5秒"},         {120, "2分"},      {3605, "1小时5秒"},
              {3661, "1小时1分1秒"}, {3600, "1小时"}, {59.99, "59秒"},  {7320, "2小时2分"}};
  for (const auto& r : rows) EXPECT_EQ(Format_Time_Chinese(r.seconds), r.text) << r.seconds;
}

TEST(MailWindow, RecipientListsSplitAtSemicolonsAndCommas) {
  const struct {
    const char* list;
    std::vector<std::string> names;
  } rows[] = {
      {"a@x.cn; b@x.cn,c@x.cn;", {"a@x.cn", "b@x.cn", "c@x.cn"}},
      {"  solo  ", {"solo"}},
      {"a;;b", {"a", "", "b"}},
      {"林青;王岚", {"林青", "王岚"}},
      {"   ", {""}},
      // A trail byte of a double-byte character is never taken for a separator.
      {"\xb1\x3b@x;y", {"\xb1\x3b@x", "y"}},
  };
  for (const auto& r : rows) EXPECT_EQ(Get_Receiver_Name(r.list), r.names) << r.list;
  EXPECT_EQ(Append_Recipient("", "a@x"), "a@x");
  EXPECT_EQ(Append_Recipient("a@x", "b@x"), "a@x;b@x");
}

TEST(FreeTypeDocuments, StampsAreFixedWidthSoMomentsNeverShareAName) {
  EXPECT_EQ(Time_Stamp_Of(2000, 3, 29, 6, 44, 5), "20000329064405");
  // Unpadded, 2001-1-11 1:1:1 and 2001-11-1 1:1:1 would both read 20011111 11.
  EXPECT_NE(Time_Stamp_Of(2001, 1, 11, 1, 1, 1), Time_Stamp_Of(2001, 11, 1, 1, 1, 1));
  EXPECT_EQ(Time_Stamp_Of(2024, 12, 31, 23, 59, 59).size(), 14u);
}

TEST(FreeTypeDocuments, WhatIsSavedAsRtfAndWhatLoadsAsRtf) {
  const struct {
    const char* name;
    bool saves_rtf, loads_rtf;
  } rows[] = {{"a.rtf", true, true},      {"a.DOC", true, false},    {"a.Rtf", true, true},
              {"notes.RTF", true, true},  {"notes.txt.rtf", true, true}, {"a.txt", false, false},
              {"a.htm", false, false},    {"a", false, false},        {"C:\\my.rtf\\a", false, false},
              {"C:\\d\\a.doc", true, false}};
  for (const auto& r : rows) {
    EXPECT_EQ(Saves_As_Rtf(r.name), r.saves_rtf) << r.name;
    EXPECT_EQ(Loads_As_Rtf(r.name), r.loads_rtf) << r.name;
  }
}

TEST(FreeTypeDocuments, CommandLinesQuoteProgramAndDocument) {
  EXPECT_EQ(Hand_Off_Command_Line("C:\\Program Files\\W\\w.exe", "C:\\My Temp\\QL1.rtf"),
            "\"C:\\Program Files\\W\\w.exe\" \"C:\\My Temp\\QL1.rtf\"");
  const struct {
    const char* kind;
    const char* notepad;
    const char* wordpad;
  } rows[] = {{"Windows", "C:\\WIN\\Notepad.exe", "C:\\PF\\Accessories\\Wordpad.exe"},
              {"NT", "C:\\WIN\\system32\\Notepad.exe",
               "C:\\PF\\Windows NT\\Accessories\\Wordpad.exe"},
              {"未知", "", ""}};
  for (const auto& r : rows) {
    EXPECT_EQ(Notepad_Program(r.kind, "C:\\WIN", "C:\\WIN\\system32"), r.notepad) << r.kind;
    EXPECT_EQ(Wordpad_Program(r.kind, "C:\\PF"), r.wordpad) << r.kind;
  }
}

}  // namespace
}  // namespace quillon
