// Step plots, stem plots and animated points from their menu entries to the picture, on a
// real GL context (Xvfb): pixels where the steps, stems and heads lie, and an animated point
// moving frame by frame while it plays.
#include <gtest/gtest.h>

#include <QAction>
#include <QListWidget>
#include <QTest>
#include <cmath>
#include <functional>
#include <vector>

#include "app/animation_playback.h"
#include "common/message_service.h"
#include "dialogs/data/point_dialog.h"
#include "dialogs/data/step_stem_dialog.h"
#include "support/shown_window.h"

using namespace curvanta;

namespace {

class SpecialGraphs : public ShownWindowBase {
 protected:
  void SetUp() override {
    ShownWindowBase::SetUp();
    previousPoint_ = SetPointDialogRunner(
        [this](PointDialogState s, const EditLineText& line, DocumentHost& h) {
          typePoint(s);
          EXPECT_TRUE(PointCommandOk(s, line, h));
        });
    previousStep_ = SetStepStemDialogRunner(
        [this](StepStemDialogState s, const EditLineText& line, DocumentHost& h) {
          typeStep(s);
          EXPECT_TRUE(StepStemCommandOk(s, line, h));
        });
  }
  void TearDown() override {
    SetPointDialogRunner(previousPoint_);
    SetStepStemDialogRunner(previousStep_);
    ShownWindowBase::TearDown();
  }

  // A plot of sin(x) on [-3, 3] in 12 segments: steps green, stems blue with red heads.
  void AddSinePlot(bool step, bool stem) {
    typeStep = [=](StepStemDialogState& s) {
      s.function = "sin(x)", s.minX = "-3", s.maxX = "3", s.segments = "12";
      s.showStep = step, s.showStem = stem;
      s.stepColour = 0x00C000, s.stemBodyColour = 0xFF0000, s.stemHeadColour = 0x0000FF;
    };
    window->RunCommand(step ? "mnuDrawStep" : "mnuDrawHcg");
  }
  static bool Green(QColor c) { return c.green() > 120 && c.red() < 80 && c.blue() < 80; }
  static bool Blue(QColor c) { return c.blue() > 150 && c.red() < 80 && c.green() < 80; }
  static bool Red(QColor c) { return c.red() > 150 && c.green() < 80 && c.blue() < 80; }
  static double X(int j) { return -3 + 0.5 * j; }

  std::function<void(PointDialogState&)> typePoint;
  std::function<void(StepStemDialogState&)> typeStep;
  PointDialogRunner previousPoint_;
  StepStemDialogRunner previousStep_;
  ScopedMessageRecorder rec;
};

}  // namespace

TEST_F(SpecialGraphs, StepsHoldEachSampleOverItsSegment) {
  AddSinePlot(true, false);
  ASSERT_EQ(window->List1()->count(), 1);
  EXPECT_EQ(window->List1()->item(0)->text(), QStringLiteral("阶梯图  y=sin(x)"));
  const QImage img = Picture();
  const double perUnit = Pixel(img, 1, 0).x() - Pixel(img, 0, 0).x();
  ASSERT_GT(perUnit, 20);
  for (int j = 0; j < 12; ++j) {
    const double y0 = std::sin(X(j)), y1 = std::sin(X(j + 1)), mid = (X(j) + X(j + 1)) / 2;
    // The level of the segment is the next sample's value ...
    EXPECT_TRUE(Near(img, Pixel(img, mid, y1), 2, Green)) << j;
    // ... reached by a riser at the sample position (the one at x = 0 lies under the axis).
    if (std::fabs(y1 - y0) * perUnit > 8 && X(j) != 0) {
      EXPECT_TRUE(Near(img, Pixel(img, X(j), (y0 + y1) / 2), 2, Green)) << j;
    }
    // Neither the sample's own level nor the curve runs across the segment.
    if (std::fabs(y1 - y0) * perUnit > 8) {
      EXPECT_FALSE(Near(img, Pixel(img, mid, y0), 1, Green)) << j;
    }
  }
  EXPECT_TRUE(rec.recorder.messages.empty());
}

TEST_F(SpecialGraphs, StemsRiseFromTheAxisToAHeadAtEverySample) {
  AddSinePlot(false, true);
  EXPECT_EQ(window->List1()->item(0)->text(), QStringLiteral("火柴杆图  y=sin(x)"));
  const QImage img = Picture();
  const double perUnit = Pixel(img, 1, 0).x() - Pixel(img, 0, 0).x();
  for (int j = 0; j <= 12; ++j) {
    const double y = std::sin(X(j));
    EXPECT_TRUE(Near(img, Pixel(img, X(j), y), 2, Red)) << j;
    if (std::fabs(y) > 0.4) {
      EXPECT_TRUE(Near(img, Pixel(img, X(j), y / 2), 2, Blue)) << j;
      // Nothing between two stems.
      if (j < 12) {
        EXPECT_FALSE(Near(img, Pixel(img, X(j) + 0.25, y / 2), 2, Blue)) << j;
      }
    }
  }
  // The heads are discs of radius size * 0.05 + 0.05 = 0.15 around the samples.
  const QPointF top = Pixel(img, X(9), std::sin(X(9)));
  EXPECT_TRUE(Red(img.pixelColor(int(top.x()), int(top.y() - 0.1 * perUnit))));
  EXPECT_FALSE(Red(img.pixelColor(int(top.x()), int(top.y() - 0.2 * perUnit))));
}

TEST_F(SpecialGraphs, AnimatedPointMovesWhilePlaying) {
  // Two still points widen the fitted view; the animated point runs from x = -2 to 2.
  for (const char* corner : {"-3", "3"}) {
    typePoint = [corner](PointDialogState& s) { s.x = corner, s.y = corner, s.colour = 0xFF0000; };
    window->RunCommand("mnuDrawPoint");
  }
  typePoint = [](PointDialogState& s) {
    s.x = "t", s.y = "0", s.minT = "-2", s.maxT = "2", s.colour = 255;
  };
  window->RunCommand("mnuAniPoint");  // 10 frames at the options' 10 frames per second
  ASSERT_EQ(window->List1()->count(), 3);
  EXPECT_EQ(window->List1()->item(2)->text(), QStringLiteral("点动画   x=t, y=0"));
  EXPECT_TRUE(window->Action("mnuAniStartb")->isEnabled());
  const QImage still = Picture();
  window->Player()->SetInterval(5);
  std::vector<double> centres;
  std::vector<int32_t> frames;
  QObject::connect(window->Player(), &AnimationPlayer::frameShown, [&](int32_t f) {
    frames.push_back(f);
    const QImage img = area->grabFramebuffer();
    double sum = 0;
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x)
        if (Red(img.pixelColor(x, y))) sum += x, ++n;
    centres.push_back(n ? sum / n : -1);
  });
  window->RunCommand("mnuAniNormal");
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window->Timer1()->isActive(); }, 20000));
  EXPECT_EQ(frames, (std::vector<int32_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 1}));
  ASSERT_EQ(centres.size(), 12u);
  const double step = (Pixel(still, 0.4, 0).x() - Pixel(still, 0, 0).x());
  for (size_t i = 0; i + 2 < centres.size(); ++i)
    EXPECT_NEAR(centres[i + 1] - centres[i], step, 1.5) << i;  // 4 / 10 units per frame
  EXPECT_NEAR(centres.front(), Pixel(still, -2, 0).x(), 1.5);
  EXPECT_NEAR(centres.back(), centres.front(), 0.5);
}
