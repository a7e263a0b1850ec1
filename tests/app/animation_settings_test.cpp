// The animation settings: refusals with their messages, rounding, the timer interval.
#include <gtest/gtest.h>

#include "app/animation_settings.h"

using namespace curvanta;

TEST(AnimationSettings, RefusalsAndAcceptedValues) {
  struct Case {
    const char* frames;
    const char* speed;
    const char* message;  // nullptr: accepted
    int32_t count = 0, fps = 0, interval = 0;
  };
  const Case cases[] = {
      {"0", "10", "帧数必须大于 1"},
      {"1", "10", "帧数必须大于 1"},
      {"abc", "10", "帧数必须大于 1"},
      {"0.5", "10", "帧数必须大于 1"},
      {"1001", "10", "帧数必须小于或等于 1000"},
      {"10", "0", "动画速度必须大于 1 帧/秒"},
      {"10", "1", "动画速度必须大于 1 帧/秒"},
      {"10", "abc", "动画速度必须大于 1 帧/秒"},
      {"10", "1001", "动画速度必须小于或等于 1000 帧/秒"},
      {"10", "2000", "动画速度必须小于或等于 1000 帧/秒"},
      {"0", "0", "帧数必须大于 1"},  // the first field is checked first
      {"2", "2", nullptr, 2, 2, 500},
      {"2.5", "3.5", nullptr, 2, 4, 250},
      // Compared as stored, rounded half to even: 1.4 is one frame, 1.5 two; 1000.5 is 1000.
      {"1.4", "16", "帧数必须大于 1"},
      {"10", "1.4", "动画速度必须大于 1 帧/秒"},
      {"1.5", "1.5", nullptr, 2, 2, 500},
      {"1000.5", "1000.4", nullptr, 1000, 1000, 1},
      {"1000.6", "10", "帧数必须小于或等于 1000"},
      {"10", "1000.6", "动画速度必须小于或等于 1000 帧/秒"},
      {"16", "2.5", nullptr, 16, 2, 500},
      {" 20abc", "5", nullptr, 20, 5, 200},
      {"1000", "1000", nullptr, 1000, 1000, 1},
  };
  for (const Case& c : cases) {
    const AnimationSettingsOutcome out = AcceptAnimationSettings({c.frames, c.speed});
    const std::string label = std::string(c.frames) + " / " + c.speed;
    if (c.message) {
      ASSERT_TRUE(out.refusal) << label;
      EXPECT_EQ(out.refusal->text, c.message) << label;
      EXPECT_EQ(out.refusal->title, "注意") << label;
      EXPECT_EQ(out.refusal->icon, MsgIcon::Exclamation) << label;
    } else {
      ASSERT_FALSE(out.refusal) << label << ": " << out.refusal->text;
      EXPECT_EQ(out.settings.frameCount, c.count) << label;
      EXPECT_EQ(out.settings.speed, c.fps) << label;
      EXPECT_EQ(out.settings.intervalMs, c.interval) << label;
    }
  }
}
