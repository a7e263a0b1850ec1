// The edit command: the warning without a current line, the dispatch by document and graph
// kind, the 2D function dialog filled from a graph, and what OK, a refused OK and Cancel
// leave in the graph and its line.
#include <gtest/gtest.h>

#include <clocale>
#include <functional>

#include "commands/edit_command.h"
#include "common/globals.h"
#include "common/message_service.h"
#include "dialogs/function/function_2d_accept.h"
#include "dialogs/function/function_2d_edit_fill.h"
#include "dialogs/function/function_2d_ok.h"
#include "scene/scene_globals.h"
#include "support/fake_host.h"
#include "support/graph_settings.h"

using namespace curvanta;

namespace {

// A 2D function dialog with something other than its start value in every field OK reads.
Function2DDialogState Rich(bool polar, bool animated, int form) {
  Function2DDialogState s = Function2DPresetForCreate(polar, animated, 12);
  s.formIndex = form;
  ApplyForm(s);
  const std::string x = polar ? "a" : "x";
  const std::string y = polar ? "r" : "y";
  s.name = "曲线 A";
  switch (form) {
    case 0: s.expression = polar ? "1+cos(a)" : "sin(x)+1"; break;
    case 1:
      s.expression = "cos(u)";
      s.secondExpression = "sin(2*u)";
      break;
    case 2: s.expression = x + "^2+" + y + "^2-4"; break;
    default: s.expression = y + "-" + x; break;
  }
  s.minX = "-2.5";
  s.maxX = "3.25";
  s.segmentsX = form < 2 ? "37" : "";
  if (form >= 2) {
    s.minY = "-1.5";
    s.maxY = "2.75";
  }
  if (animated) {
    s.minT = "0.5";
    s.maxT = "2.5";
  }
  s.curve = {false, 0x123456, "3"};
  s.inverse = {true, 0x010203, "2"};
  s.derivative = {true, 0x040506, "4"};
  s.integral = {true, 0x070809, "-1", "1.5"};
  s.maxima = {true, 0x0A0B0C, 5, "7"};
  s.minima = {true, 0x0D0E0F, 1, "9"};
  s.inflections = {true, 0x101112, 3, "1"};
  s.parity = {true, 0x131415, "8"};
  s.roots = {true, 0x161718, 4, "6"};
  s.curvature = {true, 0x191A1B, "5"};
  s.arcLength = {true, 0, "0.5", "2"};
  s.tangent = {true, 0x1C1D1E, "6"};
  s.normal = {true, 0x1F2021, "7"};
  s.curvaturePositions.entries = {"0.5", "-1.25", "2"};
  s.tangentPositions.entries = {"1"};
  s.normalPositions.entries = {"-0.75", "0.25"};
  return s;
}

class EditCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobals();
    ResetSceneGlobals();
    GraphMode = 1;
    previous_ = SetFunction2DDialogRunner([this](Function2DDialogState preset, DocumentHost& h) {
      presets.push_back(preset);
      if (!change) return;  // Cancel
      change(preset);
      okResult = Function2DCommandOk(preset, h);
    });
  }
  void TearDown() override {
    SetFunction2DDialogRunner(previous_);
    ResetGlobals();
    ResetSceneGlobals();
  }
  // Adds a graph as the create commands do: a new item and its checked line.
  std::shared_ptr<GraphItem> Add(Function2DDialogState s) {
    EditMode = false;
    if (!Function2DCommandOk(s, host)) return nullptr;
    auto graph = DocScene.FunSurfs.Item(DocScene.FunSurfs.Count());
    host.lines.push_back({Function2DEditLineText(*graph), true});
    return graph;
  }
  void Edit(int line) {
    host.current = line;
    mnuFunEdit_Click(host);
  }

  ScopedMessageRecorder rec;
  FakeHost host;
  std::vector<Function2DDialogState> presets;
  std::function<void(Function2DDialogState&)> change;  // empty: Cancel
  bool okResult = false;
  Function2DDialogRunner previous_;
};

TEST_F(EditCommand, UnchangedOkKeepsEveryFormSystemAndMode) {
  change = [](Function2DDialogState&) {};
  for (bool animated : {false, true}) {
    for (bool polar : {false, true}) {
      for (int form = 0; form < 4; ++form) {
        SCOPED_TRACE((animated ? "animated " : "still ") + std::string(polar ? "polar " : "") +
                     "form " + std::to_string(form));
        ResetSceneGlobals();
        host.lines.clear();
        presets.clear();
        auto graph = Add(Rich(polar, animated, form));
        ASSERT_TRUE(graph) << (rec.recorder.messages.empty() ? "" : rec.recorder.messages.back().text);
        const GraphItem before = *graph;
        const std::string line = host.lines[0].text;
        const int rebuilds = host.rebuilds;
        Edit(0);
        ASSERT_EQ(presets.size(), 1u);
        const Function2DDialogState& shown = presets[0];
        EXPECT_EQ(shown.caption, "二维函数图形属性");  // the still caption in every variant
        EXPECT_EQ(shown.formIndex, form);
        EXPECT_EQ(shown.animated, animated);
        EXPECT_EQ(shown.segmentsTEditable, !animated);
        ASSERT_TRUE(okResult);
        EXPECT_EQ(SettingsDiff(before, *graph), std::vector<std::string>{});
        EXPECT_EQ(graph->ID, before.ID);
        EXPECT_EQ(DocScene.FunSurfs.Count(), 1);
        EXPECT_EQ(ViewScene.FunSurfs.Item(1), graph);
        EXPECT_EQ(host.lines[0].text, line);
        EXPECT_EQ(host.rebuilds, rebuilds + 1);
        EXPECT_FALSE(EditMode);
      }
    }
  }
}

TEST_F(EditCommand, FillShowsTheGraphAsTheDialogWouldAfterTheUsersChoices) {
  AnimFrameCount = 25;  // the t segment field shows the document's count, not the graph's
  auto graph = Add(Rich(true, true, 1));
  ASSERT_TRUE(graph);
  auto s = Function2DEditFill(*graph, AnimFrameCount);
  ASSERT_TRUE(s);
  EXPECT_EQ(s->captions.expression, "a(u,t)");
  EXPECT_EQ(s->captions.secondExpression, "r(u,t)");
  EXPECT_EQ(s->captions.minX, "最小 u");
  EXPECT_EQ(s->formItems[1], "a=f1(u,t),r=f2(u,t)");
  EXPECT_TRUE(s->rows.secondExpression);
  EXPECT_EQ(s->segmentsT, "25");
  EXPECT_EQ(s->minT, "0.5");
  EXPECT_EQ(s->curvaturePositions.entries, (std::vector<std::string>{"0.5", "-1.25", "2"}));
  EXPECT_EQ(s->maxima.symbol, 5);
  EXPECT_EQ(s->maxima.size, "7");
  EXPECT_FALSE(s->enabled(Function2DAnalysis::Inverse));  // parametric: options kept, disabled

  // A width the list has no entry for goes in as text; 0 leaves it empty.
  GraphItem odd = *graph;
  odd.LineWidth = 12;
  odd.InvWidth = 0;
  odd.MaxSymbol = 0;
  s = Function2DEditFill(odd, AnimFrameCount);
  EXPECT_EQ(s->curve.width, "12");
  EXPECT_EQ(s->inverse.width, "");
  EXPECT_EQ(s->maxima.symbol, -1);
  auto back = Function2DAccept(*s, 1);
  ASSERT_TRUE(back.item);
  EXPECT_EQ(back.item->LineWidth, 12);
  EXPECT_EQ(back.item->InvWidth, 0);
  EXPECT_EQ(back.item->MaxSymbol, 0);

  odd.FunForm = 7;  // no form of the dialog: nothing to show
  EXPECT_FALSE(Function2DEditFill(odd, AnimFrameCount));
}

TEST_F(EditCommand, OneChangedFieldChangesThatPropertyAndTheLine) {
  struct Case {
    const char* what;
    std::function<void(Function2DDialogState&)> change;
    std::vector<std::string> properties;
    const char* line;
  };
  const Case cases[] = {
      {"expression", [](Function2DDialogState& s) { s.expression = "cos(x)"; }, {"ExpressZ"},
       "二维曲线  y=cos(x)"},
      {"colour", [](Function2DDialogState& s) { s.curve.colour = 0x00FF00; }, {"LineColor"},
       nullptr},
      {"range", [](Function2DDialogState& s) { s.maxX = "4"; }, {"MaxV"}, nullptr},
      {"a position", [](Function2DDialogState& s) { s.tangentPositions.entries.push_back("2.5"); },
       {"QieNum"}, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ResetSceneGlobals();
    host.lines.clear();
    auto graph = Add(Rich(false, false, 0));
    ASSERT_TRUE(graph);
    const GraphItem before = *graph;
    const std::string line = host.lines[0].text;
    const int rebuilds = host.rebuilds;
    change = c.change;
    Edit(0);
    ASSERT_TRUE(okResult);
    EXPECT_EQ(SettingsDiff(before, *graph), c.properties);
    EXPECT_EQ(host.lines[0].text, c.line ? c.line : line);
    EXPECT_EQ(host.rebuilds, rebuilds + 1);  // the picture is rebuilt
  }
}

TEST_F(EditCommand, CancelAndRefusedOkChangeNothing) {
  auto graph = Add(Rich(false, false, 0));
  ASSERT_TRUE(graph);
  const GraphItem before = *graph;
  const std::string line = host.lines[0].text;
  const int rebuilds = host.rebuilds;

  change = nullptr;  // Cancel
  Edit(0);
  EXPECT_EQ(presets.size(), 1u);
  EXPECT_EQ(SettingsDiff(before, *graph), std::vector<std::string>{});
  EXPECT_EQ(host.lines[0].text, line);
  EXPECT_EQ(host.rebuilds, rebuilds);

  change = [](Function2DDialogState& s) {
    s.expression = "sin(x";
    s.curve.colour = 0x00FF00;
  };
  Edit(0);
  EXPECT_FALSE(okResult);
  EXPECT_EQ(rec.recorder.messages.back().title, "语法错误");
  EXPECT_EQ(SettingsDiff(before, *graph), std::vector<std::string>{});
  EXPECT_EQ(host.lines[0].text, line);
  EXPECT_EQ(host.rebuilds, rebuilds);
}

TEST_F(EditCommand, NoTickedCurrentLineWarnsAndOpensNothing) {
  auto graph = Add(Rich(false, false, 0));
  ASSERT_TRUE(graph);
  change = [](Function2DDialogState&) {};
  for (int line : {-1, 0}) {
    SCOPED_TRACE(line);
    host.lines[0].checked = line == -1;  // line 0 current but not ticked
    rec.recorder.messages.clear();
    Edit(line);
    ASSERT_EQ(rec.recorder.messages.size(), 1u);
    EXPECT_EQ(rec.recorder.messages[0].text, "请先选择一个函数");
    EXPECT_EQ(rec.recorder.messages[0].title, "警告");
    EXPECT_EQ(rec.recorder.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_TRUE(presets.empty());
    EXPECT_FALSE(EditMode);
  }
}

TEST_F(EditCommand, KindsWithoutADialogOpenNothingSilently) {
  auto graph = Add(Rich(false, false, 0));
  ASSERT_TRUE(graph);
  change = [](Function2DDialogState&) {};
  struct Case {
    int32_t mode, type, form;
  } cases[] = {{1, GraphKind::TwoCurves, 2}, {2, GraphKind::Function2D, 2}, {1, GraphKind::Function2D, 7}};
  const GraphItem original = *graph;
  for (const auto& c : cases) {
    GraphMode = c.mode;
    graph->GraphType = c.type;
    graph->FunForm = c.form;
    EditMode = false;
    Edit(0);
    EXPECT_TRUE(presets.empty()) << c.mode << "/" << c.type;
    EXPECT_TRUE(rec.recorder.messages.empty());
    EXPECT_TRUE(EditMode);
  }
  EXPECT_NE(EditOpenerFor(1, GraphKind::Function2DAnim), nullptr);
  EXPECT_EQ(EditOpenerFor(3, GraphKind::Function2D), nullptr);
}

TEST_F(EditCommand, DecimalCommaLocaleWritesAndReadsBackPoints) {
  const char* old = std::setlocale(LC_ALL, nullptr);
  const std::string saved = old ? old : "C";
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) FAIL() << "de_DE.UTF-8 missing (scripts/setup generates it)";
  Function2DDialogState s = Rich(false, false, 0);
  s.maxX = "1.5";
  auto graph = Add(s);
  ASSERT_TRUE(graph);
  change = [](Function2DDialogState&) {};
  Edit(0);
  std::setlocale(LC_ALL, saved.c_str());
  ASSERT_EQ(presets.size(), 1u);
  EXPECT_EQ(presets[0].maxX, "1.5");
  EXPECT_EQ(presets[0].integral.to, "1.5");
  EXPECT_TRUE(okResult);
  EXPECT_EQ(graph->MaxV, 1.5f);
}

}  // namespace
