// Editing points, animated points and step and stem plots through the edit command: an
// unchanged OK gives the graph back as it was made, a changed field changes that property
// alone, Cancel and a refused OK change nothing.
#include <gtest/gtest.h>

#include <clocale>
#include <functional>

#include "commands/create_points.h"
#include "commands/create_step_stem.h"
#include "commands/edit_command.h"
#include "common/globals.h"
#include "dialogs/data/point_dialog.h"
#include "dialogs/data/step_stem_dialog.h"
#include "scene/scene_globals.h"
#include "support/fake_host.h"
#include "support/graph_settings.h"

using namespace curvanta;

namespace {

using Strings = std::vector<std::string>;

class EditSpecial : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobals();
    ResetSceneGlobals();
    previousPoint_ = SetPointDialogRunner(
        [this](PointDialogState preset, const EditLineText& line, DocumentHost& h) {
          pointShown.push_back(preset);
          if (!onPoint || !onPoint(preset)) return;  // Cancel
          okResult = PointCommandOk(preset, line, h);
        });
    previousStep_ = SetStepStemDialogRunner(
        [this](StepStemDialogState preset, const EditLineText& line, DocumentHost& h) {
          stepShown.push_back(preset);
          if (!onStep || !onStep(preset)) return;
          okResult = StepStemCommandOk(preset, line, h);
        });
  }
  void TearDown() override {
    SetPointDialogRunner(previousPoint_);
    SetStepStemDialogRunner(previousStep_);
    ResetGlobals();
    ResetSceneGlobals();
  }
  void Fresh(int32_t mode) {
    ResetSceneGlobals();
    host = FakeHost{};
    pointShown.clear();
    stepShown.clear();
    GraphMode = mode;
  }
  // Runs a create command with the dialog typed into by `type`; the graph it added.
  std::shared_ptr<GraphItem> Create(void (*command)(DocumentHost&)) {
    okResult = false;
    command(host);
    if (!okResult || DocScene.FunSurfs.Count() == 0) return nullptr;
    return DocScene.FunSurfs.Item(DocScene.FunSurfs.Count());
  }
  // Edits line 0 and returns the settings in which the graph now differs from `before`.
  Strings Edit(const GraphItem& before) {
    host.current = 0;
    okResult = false;
    mnuFunEdit_Click(host);
    return SettingsDiff(before, *DocScene.FunSurfs.Item(1));
  }
  std::string Messages() const {
    std::string all;
    for (const auto& m : rec.recorder.messages) all += m.text + "; ";
    return all;
  }

  ScopedMessageRecorder rec;
  FakeHost host;
  std::vector<PointDialogState> pointShown;
  std::vector<StepStemDialogState> stepShown;
  std::function<bool(PointDialogState&)> onPoint;    // empty or false: Cancel
  std::function<bool(StepStemDialogState&)> onStep;  // empty or false: Cancel
  bool okResult = false;
  PointDialogRunner previousPoint_;
  StepStemDialogRunner previousStep_;
};

struct PointCase {
  bool animated;
  int32_t mode;
  int coordIndex;
};

// Every system the point dialogs offer in every kind of document.
const PointCase kPointCases[] = {
    {false, 1, 0}, {false, 1, 1}, {false, 2, 0}, {false, 2, 1}, {false, 3, 0},
    {false, 3, 1}, {false, 3, 2}, {true, 1, 0},  {true, 1, 1},  {true, 2, 0},
    {true, 2, 1},  {true, 3, 0},  {true, 3, 1},  {true, 3, 2},
};

// Types a point with nothing at its designed value.
std::function<bool(PointDialogState&)> TypeUnusualPoint(const PointCase& c) {
  return [c](PointDialogState& s) {
    PointCoordChosen(s, c.coordIndex, c.mode);
    s.name = "点 A";
    s.x = c.animated ? "t/2" : "1.25";
    s.y = c.animated ? "t^2" : "-0.75";
    s.z = c.animated ? "1-t" : "2.5";
    s.minT = "-1.5", s.maxT = "2.25";
    s.hollow = true;
    s.colour = 0x123456;
    s.size = "3.5";
    return true;
  };
}

}  // namespace

TEST_F(EditSpecial, UnchangedOkKeepsEveryPointInEveryDocumentAndSystem) {
  for (const PointCase& c : kPointCases) {
    SCOPED_TRACE(std::string(c.animated ? "animated " : "") + "mode " + std::to_string(c.mode) +
                 " system " + std::to_string(c.coordIndex));
    Fresh(c.mode);
    onPoint = TypeUnusualPoint(c);
    auto graph = Create(c.animated ? mnuAniPoint_Click : mnuDrawPoint_Click);
    ASSERT_TRUE(graph) << Messages();
    const GraphItem before = *graph;
    const std::string line = host.lines.at(0).text;
    const int rebuilds = host.rebuilds;
    onPoint = [](PointDialogState&) { return true; };
    EXPECT_EQ(Edit(before), Strings{});
    ASSERT_TRUE(okResult) << Messages();
    ASSERT_EQ(pointShown.size(), 2u);
    EXPECT_EQ(pointShown[1].animated, c.animated);
    EXPECT_EQ(pointShown[1].coordIndex, c.coordIndex);
    EXPECT_EQ(pointShown[1].caption, c.animated ? "点动画" : "点属性");
    EXPECT_EQ(graph->ID, before.ID);
    EXPECT_EQ(DocScene.FunSurfs.Count(), 1);
    EXPECT_EQ(ViewScene.FunSurfs.Item(1), graph);
    // An edited animated point's line has two blanks after its label, where the create
    // command's has three.
    const std::string edited = c.animated ? "点动画  " + line.substr(std::string("点动画   ").size()) : line;
    EXPECT_EQ(host.lines[0].text, edited);
    EXPECT_EQ(host.rebuilds, rebuilds + 1);
    EXPECT_FALSE(EditMode);
  }
}

TEST_F(EditSpecial, UnchangedOkKeepsEveryStepAndStemPlot) {
  struct Case {
    bool stemCommand, showStep, showStem;
  };
  const Case cases[] = {{false, true, false}, {true, false, true}, {false, true, true},
                        {true, false, false}, {false, false, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.stemCommand ? "stem" : "step") + " command, flags " +
                 std::to_string(c.showStep) + std::to_string(c.showStem));
    Fresh(3);  // the dialog makes the document 2D
    onStep = [c](StepStemDialogState& s) {
      s.name = "阶 B";
      s.function = "sin(x)/2", s.minX = "-2.5", s.maxX = "3.25", s.segments = "17";
      s.showStep = c.showStep, s.showStem = c.showStem;
      s.stepColour = 0x010203, s.stemHeadColour = 0x040506, s.stemBodyColour = 0x070809;
      s.stepWidth = "12";  // typed, no list entry
      s.stemHeadSize = "5", s.stemBodyWidth = "3";
      s.stemHeadSymbolIndex = 3;
      return true;
    };
    auto graph = Create(c.stemCommand ? mnuDrawHcg_Click : mnuDrawStep_Click);
    ASSERT_TRUE(graph) << Messages();
    const GraphItem before = *graph;
    const std::string line = host.lines.at(0).text;
    onStep = [](StepStemDialogState&) { return true; };
    EXPECT_EQ(Edit(before), Strings{});
    ASSERT_TRUE(okResult) << Messages();
    ASSERT_EQ(stepShown.size(), 2u);
    EXPECT_EQ(stepShown[1].caption, "特殊图形的属性");
    EXPECT_EQ(graph->ID, before.ID);
    // The line takes the edit text: by the flags, or its own label with neither.
    const char* label = c.showStep ? "阶梯图  y=" : c.showStem ? "火柴杆图  y=" : nullptr;
    EXPECT_EQ(host.lines[0].text, label ? label + std::string("sin(x)/2") : line);
    EXPECT_FALSE(EditMode);
  }
}

TEST_F(EditSpecial, OneChangedFieldChangesThatPropertyAndTheLine) {
  struct Case {
    const char* what;
    std::function<bool(PointDialogState&)> point;  // else a step plot is edited
    std::function<bool(StepStemDialogState&)> step;
    Strings properties;
    const char* line;  // nullptr: unchanged
  };
  const Case cases[] = {
      {"point y", [](PointDialogState& s) { return s.y = "sin(1)", true; }, nullptr, {"ExpressZ"},
       "点  x=1.25, y=sin(1)"},
      {"point colour", [](PointDialogState& s) { return s.colour = 0x00FF00, true; }, nullptr,
       {"PointColor"}, nullptr},
      {"point size", [](PointDialogState& s) { return s.size = "7", true; }, nullptr, {"PointSize"},
       nullptr},
      {"step function", nullptr, [](StepStemDialogState& s) { return s.function = "cos(x)", true; },
       {"ExpressZ"}, "阶梯图  y=cos(x)"},
      {"step range", nullptr, [](StepStemDialogState& s) { return s.maxX = "4", true; }, {"MaxV"},
       nullptr},
      {"stem head colour", nullptr,
       [](StepStemDialogState& s) { return s.stemHeadColour = 0x00FF00, true; }, {"StemHeadColor"},
       nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Fresh(1);
    std::shared_ptr<GraphItem> graph;
    if (c.point) {
      onPoint = TypeUnusualPoint({false, 1, 0});
      graph = Create(mnuDrawPoint_Click);
    } else {
      onStep = [](StepStemDialogState& s) {
        s.function = "sin(x)", s.minX = "-3", s.maxX = "3", s.segments = "12", s.showStep = true;
        return true;
      };
      graph = Create(mnuDrawStep_Click);
    }
    ASSERT_TRUE(graph) << Messages();
    const GraphItem before = *graph;
    const std::string line = host.lines.at(0).text;
    const int rebuilds = host.rebuilds;
    onPoint = c.point;
    onStep = c.step;
    EXPECT_EQ(Edit(before), c.properties);
    ASSERT_TRUE(okResult) << Messages();
    EXPECT_EQ(host.lines[0].text, c.line ? c.line : line);
    EXPECT_EQ(host.rebuilds, rebuilds + 1);  // the picture is rebuilt
  }
}

TEST_F(EditSpecial, CancelAndRefusedOkChangeNothing) {
  Fresh(3);
  onPoint = TypeUnusualPoint({true, 3, 1});
  ASSERT_TRUE(Create(mnuAniPoint_Click)) << Messages();
  onStep = [](StepStemDialogState& s) {
    s.function = "sin(x)", s.minX = "-3", s.maxX = "3", s.segments = "12", s.showStem = true;
    return true;
  };
  ASSERT_TRUE(Create(mnuDrawHcg_Click)) << Messages();  // the document is 2D from here
  GraphMode = 3;  // as the point was made
  const GraphItem point = *DocScene.FunSurfs.Item(1), plot = *DocScene.FunSurfs.Item(2);
  const auto lines = host.lines;
  const int rebuilds = host.rebuilds;
  auto expectUnchanged = [&](const char* what) {
    SCOPED_TRACE(what);
    EXPECT_EQ(SettingsDiff(point, *DocScene.FunSurfs.Item(1)), Strings{});
    EXPECT_EQ(SettingsDiff(plot, *DocScene.FunSurfs.Item(2)), Strings{});
    EXPECT_EQ(host.lines[0].text, lines[0].text);
    EXPECT_EQ(host.lines[1].text, lines[1].text);
    EXPECT_EQ(host.rebuilds, rebuilds);
  };

  onPoint = nullptr;  // Cancel
  Edit(point);
  ASSERT_EQ(pointShown.size(), 2u);
  expectUnchanged("point cancelled");

  const size_t messages = rec.recorder.messages.size();
  onPoint = [](PointDialogState& s) {
    s.x = "cos(t";
    s.colour = 0x00FF00;
    return true;
  };
  Edit(point);
  EXPECT_FALSE(okResult);
  ASSERT_GT(rec.recorder.messages.size(), messages);
  EXPECT_EQ(rec.recorder.messages.back().title, "语法错误");
  expectUnchanged("point refused");

  GraphMode = 1;
  host.current = 1;
  onStep = nullptr;
  mnuFunEdit_Click(host);
  ASSERT_EQ(stepShown.size(), 2u);
  expectUnchanged("plot cancelled");

  onStep = [](StepStemDialogState& s) {
    s.function = "sin(x";
    s.stemBodyColour = 0x00FF00;
    return true;
  };
  okResult = true;
  mnuFunEdit_Click(host);
  EXPECT_FALSE(okResult);
  EXPECT_EQ(rec.recorder.messages.back().title, "语法错误");
  expectUnchanged("plot refused");
}

TEST_F(EditSpecial, DecimalCommaLocaleWritesAndReadsBackRanges) {
  const char* old = std::setlocale(LC_ALL, nullptr);
  const std::string saved = old ? old : "C";
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) FAIL() << "de_DE.UTF-8 missing (scripts/setup generates it)";
  Fresh(1);
  onStep = [](StepStemDialogState& s) {
    s.function = "x", s.minX = "-1.5", s.maxX = "1.5", s.segments = "3", s.showStep = true;
    return true;
  };
  auto plot = Create(mnuDrawStep_Click);
  onPoint = [](PointDialogState& s) { return s.x = "t", s.y = "1", s.minT = "0.5", s.maxT = "1.5", true; };
  auto point = Create(mnuAniPoint_Click);
  const bool made = plot && point;
  onStep = [](StepStemDialogState&) { return true; };
  onPoint = [](PointDialogState&) { return true; };
  Edit(*plot);
  const bool stepOk = okResult;
  host.current = 1;
  mnuFunEdit_Click(host);
  std::setlocale(LC_ALL, saved.c_str());
  ASSERT_TRUE(made) << Messages();
  ASSERT_EQ(stepShown.size(), 2u);
  EXPECT_EQ(stepShown[1].minX, "-1.5");
  EXPECT_EQ(stepShown[1].maxX, "1.5");
  ASSERT_EQ(pointShown.size(), 2u);
  EXPECT_EQ(pointShown[1].minT, "0.5");
  EXPECT_EQ(pointShown[1].maxT, "1.5");
  EXPECT_TRUE(stepOk);
  EXPECT_TRUE(okResult);
  EXPECT_EQ(plot->MinV, -1.5f);
  EXPECT_EQ(point->MaxT, 1.5f);
}
