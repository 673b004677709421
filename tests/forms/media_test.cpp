// The media control on the test desktop's wave device.
#include <gtest/gtest.h>
#include <windows.h>

#include "forms/forms.h"
#include "support.h"
#include "testkit/testkit.h"

namespace {

using forms_test::Pump_For;
using forms_test::Pump_Until;

class Media : public ::testing::Test {
 protected:
  void SetUp() override {
    form_.On_Design = [&] {
      media_ = &form_.Add<forms::Media_Control>("MMControl_Play_Record");
      media_->Notify = true;
      media_->Wait = true;
      media_->Shareable = false;
      media_->Set_Device_Type("WaveAudio");
      media_->On_Done = [&](int code) { codes_.push_back(code); };
    };
    form_.Load();
    click_ = testkit::Tutor_Folder() + "\\Music\\Sound\\click.wav";
  }
  void TearDown() override {
    form_.Unload();
    // The test desktop's sound file starts afresh whenever a player opens the device; leave it
    // empty, as other tests measure its growth.
    testkit::Empty_Sound_Output();
  }
  void Open_And_Play(const std::string& file) {
    media_->Command("Close");
    media_->Set_File_Name(file);
    media_->Command("Open");
    media_->Command("Play");
  }
  forms::Form form_;
  forms::Media_Control* media_ = nullptr;
  std::vector<int> codes_;
  std::string click_;
};

TEST_F(Media, PlayReturnsAtOnceAndTheEndArrivesAsAnEventOnThisThread) {
  ASSERT_NE(GetFileAttributesA(click_.c_str()), INVALID_FILE_ATTRIBUTES) << click_;
  const DWORD thread = GetCurrentThreadId();
  DWORD done_thread = 0;
  media_->On_Done = [&](int code) {
    codes_.push_back(code);
    done_thread = GetCurrentThreadId();
  };
  Open_And_Play(click_);
  EXPECT_EQ(media_->Error(), 0) << media_->Error_Message();
  EXPECT_TRUE(codes_.empty());  // nothing yet: the call did not wait
  ASSERT_TRUE(Pump_Until([&] { return !codes_.empty(); }, 20000));
  EXPECT_EQ(codes_, std::vector<int>{1});
  EXPECT_EQ(done_thread, thread);
  // The sound reached the device.
  ASSERT_FALSE(testkit::Sound_Output_File().empty());
  EXPECT_GT(testkit::Sound_Output_Stamp().first, 0u);
  // Play again after the end starts from the beginning and ends once more.
  media_->Command("Play");
  ASSERT_TRUE(Pump_Until([&] { return codes_.size() == 2; }, 20000));
  EXPECT_EQ(codes_.back(), 1);
}

TEST_F(Media, ClosingOrReopeningDropsTheNoticeOfTheEarlierPlayback) {
  Open_And_Play(click_);
  media_->Command("Close");
  Pump_For(300);
  EXPECT_TRUE(codes_.empty());
  Open_And_Play(click_);
  Open_And_Play(click_);  // the second replaces the first: one notice, the current one's
  ASSERT_TRUE(Pump_Until([&] { return !codes_.empty(); }, 20000));
  Pump_For(300);
  EXPECT_EQ(codes_, std::vector<int>{1});
}

TEST_F(Media, AMissingFileSetsTheErrorAndThrowsNothing) {
  Open_And_Play(click_ + ".missing");
  EXPECT_NE(media_->Error(), 0);
  EXPECT_FALSE(media_->Is_Open());
  EXPECT_EQ(media_->Mode(), "not open");
  Pump_For(100);
  EXPECT_TRUE(codes_.empty());
}

TEST_F(Media, WithNotifyOffAPlaybackEndsWithoutANotice) {
  media_->Notify = false;
  Open_And_Play(click_);
  EXPECT_EQ(media_->Error(), 0) << media_->Error_Message();
  ASSERT_TRUE(Pump_Until([&] { return media_->Mode() == "stopped"; }, 20000));
  Pump_For(500);
  EXPECT_TRUE(codes_.empty());
  // Asked for again, the next playback tells of its end.
  media_->Notify = true;
  media_->Command("Play");
  ASSERT_TRUE(Pump_Until([&] { return !codes_.empty(); }, 20000));
  EXPECT_EQ(codes_, std::vector<int>{1});
}

}  // namespace
