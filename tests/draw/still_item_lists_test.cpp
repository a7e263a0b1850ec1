// An animation beside still items, compiled through the scene frame with the real item
// drawing: each still item drawn once into a list of its own that every step calls in its
// place, every frame the same calls as drawing the scene step by step, the same axes box,
// result text and messages; and what a change of one item compiles again.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "common/globals.h"
#include "common/message_service.h"
#include "draw/graph_draw.h"
#include "draw/report_sink.h"
#include "expr/engine_texts.h"
#include "graph/graph_item.h"
#include "support/analysed_function.h"
#include "support/scene_frame_rig.h"

using namespace curvanta;

namespace {

constexpr int32_t kFrames = 4;  // steps 0..4


std::shared_ptr<GraphItem> Relation(int32_t id, const std::string& f, int32_t coord, float u0,
                                    float u1, float v0, float v1) {
  auto item = GraphItem::Init(id, "", GraphKind::Function2D, coord, "", "", f, 1, 1, u0, u1, v0,
                              v1, 0, 0, 0, 255, 1, 1, 3, 1, false, false, false, 0);
  item->FunForm = FormKind::Implicit;
  return item;
}

std::shared_ptr<GraphItem> AnimatedPoint(int32_t id) {
  auto item = GraphItem::Init(id, "", GraphKind::PointAnim, CoordKind::Cartesian3D, "t", "t/2",
                              "0", 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 1, 3, 3, 3, false, false, false,
                              0);
  item->Animation = true;
  item->MinT = -1;
  item->MaxT = 3;
  return item;
}

// The calls a list runs, the lists it calls followed.
void Flatten(const RecordingGl& gl, GLuint list, std::vector<GlCall>& out) {
  for (const GlCall& c : gl.ListContents(list)) {
    if (c.name == "glCallList")
      Flatten(gl, GLuint(c.args.at(0)), out);
    else
      out.push_back(c);
  }
}

struct StillItemLists : ::testing::Test, SceneFrameRig {
  StillItemLists() : SceneFrameRig(true) {}
  void SetUp() override {
    ResetGlobals();
    GraphMode = 1;
    AnimFrameCount = kFrames;
    oldDrawer = SetItemDrawer(nullptr);
    oldRecorder = SetDrawEffectsRecorder(nullptr);
    InstallGraphDrawing();
    // Counts the drawings of each item, then draws it as the program does.
    ItemDrawer real = SetItemDrawer(nullptr);
    SetItemDrawer([this, real](GraphItem& item, std::optional<int32_t> step) {
      ++draws[item.ID];
      real(item, step);
    });
    frame.SetAxes([this] { return axesShown; }, [this](const Box& box) { axesBoxes.push_back(box); });
    frame.Initialize();
  }
  void TearDown() override {
    SetItemDrawer(oldDrawer);
    SetDrawEffectsRecorder(oldRecorder);
  }

  void Add(const std::shared_ptr<GraphItem>& item) {
    ASSERT_TRUE(item->GetPoints());
    scene.FunSurfs.Add(item);
  }

  // Main's way: every item drawn into each step, the step's box read right after.
  struct PerStep {
    std::vector<std::vector<GlCall>> steps;
    Box axes;
    std::string report;
    std::vector<Message> messages;
  };
  PerStep DrawEachStep() {
    PerStep out;
    RecordingGl ref;
    ScopedGl use(&ref);
    ScopedMessageRecorder shown;
    ScopedStringReport text;
    Box u = EmptyUnionBox();
    {
      MessageDeferral deferral;
      for (int32_t e = 0; e <= kFrames; ++e) {
        ref.ClearCalls();
        scene.Draw(e);
        out.steps.push_back(ref.Calls());
        WidenBox(u, scene.GetBox(e));
      }
    }
    out.axes = PadBox(u);
    out.report = text.text();
    out.messages = shown.recorder.messages;
    return out;
  }

  struct Compiled {
    std::string report;
    std::vector<Message> messages;
  };
  Compiled CompileContent() {
    ScopedGl use(&gl);
    ScopedMessageRecorder shown;
    ScopedStringReport text;
    {
      MessageDeferral deferral;
      frame.Compile(true);
    }
    return {text.text(), shown.recorder.messages};
  }

  // Frame list 1001 + e flattened, its model rotation left out.
  std::vector<GlCall> FrameCalls(int32_t e) const {
    std::vector<GlCall> calls;
    Flatten(gl, kFirstFrameList + GLuint(e), calls);
    EXPECT_EQ(calls.at(0).name, "glMultMatrixf");
    calls.erase(calls.begin());
    return calls;
  }

  void ExpectFramesAsEachStep(const PerStep& main) {
    for (int32_t e = 0; e <= kFrames; ++e) {
      const std::vector<GlCall> calls = FrameCalls(e);
      EXPECT_EQ(calls.size(), main.steps[size_t(e)].size()) << "frame " << e;
      EXPECT_TRUE(calls == main.steps[size_t(e)]) << "frame " << e;
    }
  }

  // The lists frame list 1001 + e calls, in order, the rotation list's own content list
  // included.
  std::vector<GLuint> CalledLists(int32_t e) const {
    std::vector<GLuint> out;
    const GLuint content = GLuint(gl.ListContents(kFirstFrameList + GLuint(e)).back().args.at(0));
    for (const GlCall& c : gl.ListContents(content))
      if (c.name == "glCallList") out.push_back(GLuint(c.args.at(0)));
    return out;
  }

  bool axesShown = true;
  std::vector<Box> axesBoxes;
  std::map<int32_t, int> draws;
  ItemDrawer oldDrawer;
  DrawEffectsRecorder oldRecorder;
};

// A still polar implicit plot (boxed by what it plotted), an animated point, a still 2D
// function with its analysis last (its report is what the result box shows).
TEST_F(StillItemLists, EveryFrameDrawsAsTheSceneDrawnStepByStep) {
  ScopedGl use(&gl);
  Add(Relation(1, "r-1", CoordKind::Polar, 0, 3.2f, 0, 1.5f));
  Add(AnimatedPoint(2));
  Add(AnalysedFunction(3, 120, -6, 6, 2));
  const Compiled compiled = CompileContent();
  ASSERT_TRUE(gl.Errors().empty()) << gl.Errors().front();

  // Drawn once each, the animated point once per step.
  EXPECT_EQ(draws[1], 1);
  EXPECT_EQ(draws[3], 1);
  EXPECT_EQ(draws[2], kFrames + 1);

  draws.clear();
  const PerStep main = DrawEachStep();
  ExpectFramesAsEachStep(main);
  ASSERT_EQ(axesBoxes.size(), 1u);
  const Box& a = axesBoxes[0];
  EXPECT_EQ(a.MinX, main.axes.MinX);
  EXPECT_EQ(a.MaxX, main.axes.MaxX);
  EXPECT_EQ(a.MinY, main.axes.MinY);
  EXPECT_EQ(a.MaxY, main.axes.MaxY);
  EXPECT_EQ(a.MinZ, main.axes.MinZ);
  EXPECT_EQ(a.MaxZ, main.axes.MaxZ);
  EXPECT_NE(compiled.report.find("弧长"), std::string::npos);
  EXPECT_EQ(compiled.report, main.report);

  // Every step calls the same two still lists, in the items' places.
  const std::vector<GLuint> first = CalledLists(0);
  ASSERT_EQ(first.size(), 3u);  // still, still, axes
  for (int32_t e = 1; e <= kFrames; ++e) EXPECT_EQ(CalledLists(e), first) << e;
}

// Result text and messages as the scene drawn step by step leaves them, whichever item
// comes last; a still item's messages are shown again by each compile.
TEST_F(StillItemLists, ResultTextAndMessagesAsEachStepDrawn) {
  ScopedGl use(&gl);
  Add(AnalysedFunction(1, 120, -6, 6, 2));
  Add(Relation(2, "log(x)+y", CoordKind::Plane, -1, 1, -1, 1));  // fails left of x = 0
  Add(AnimatedPoint(3));
  const Compiled compiled = CompileContent();
  const PerStep main = DrawEachStep();
  ASSERT_FALSE(main.messages.empty());
  EXPECT_EQ(compiled.messages, main.messages);
  EXPECT_EQ(compiled.report, main.report);  // the point, last, leaves the box empty
  ExpectFramesAsEachStep(main);

  // Only the point changed: the still items are not drawn again, yet the compile shows
  // what drawing them raised, as before.
  ASSERT_TRUE(scene.FunSurfs.Item(3)->GetPoints());
  draws.clear();
  const Compiled again = CompileContent();
  EXPECT_EQ(draws[1] + draws[2], 0);
  EXPECT_EQ(again.messages, main.messages);
  EXPECT_EQ(again.report, main.report);

  // With the analysed function last its report stays in the box after a compile that did
  // not draw it.
  auto function = scene.FunSurfs.Item(1);
  scene.FunSurfs.Remove(1);
  scene.FunSurfs.Add(function);
  draws.clear();
  CompileContent();
  ASSERT_TRUE(scene.FunSurfs.Item("3")->GetPoints());
  const Compiled third = CompileContent();
  EXPECT_EQ(draws[1], 0);
  EXPECT_NE(third.report.find("弧长"), std::string::npos);
  EXPECT_EQ(third.report, DrawEachStep().report);
}

// A still item changed alone compiles its own list only, yet leaves what a full compile
// leaves: the other still items' messages raised again, the axes around the new box, and
// the result box as the last item (animated) leaves it, not as the redrawn item's report.
TEST_F(StillItemLists, AStillItemChangedAloneLeavesWhatAFullCompileLeaves) {
  ScopedGl use(&gl);
  auto function = AnalysedFunction(1, 120, -6, 6, 2);
  Add(function);
  Add(Relation(2, "log(x)+y", CoordKind::Plane, -1, 1, -1, 1));  // fails left of x = 0
  Add(AnimatedPoint(3));
  CompileContent();
  const float narrowMinX = axesBoxes.back().MinX;

  auto wider = AnalysedFunction(1, 120, -9, 9, 2);
  function->EqualTo(*wider);
  ASSERT_TRUE(function->GetPoints());
  draws.clear();
  const Compiled compiled = CompileContent();
  ASSERT_EQ(frame.stepCompiles(), 1);
  EXPECT_EQ(draws[1], 1);
  EXPECT_EQ(draws[2] + draws[3], 0);

  const PerStep main = DrawEachStep();
  ASSERT_FALSE(main.messages.empty());
  EXPECT_EQ(compiled.messages, main.messages);
  EXPECT_LT(main.axes.MinX, narrowMinX);
  EXPECT_EQ(axesBoxes.back().MinX, main.axes.MinX);
  EXPECT_EQ(axesBoxes.back().MaxX, main.axes.MaxX);
  EXPECT_EQ(main.report, "");  // the point, last, empties the box
  EXPECT_EQ(compiled.report, main.report);
  ExpectFramesAsEachStep(main);
}

// What an animated item's drawing raised is raised again by a compile that redraws only a
// still item, as by a full compile, in the steps' order.
TEST_F(StillItemLists, AStillItemChangedAloneRaisesTheAnimatedItemsMessagesAgain) {
  ScopedGl use(&gl);
  auto function = AnalysedFunction(1, 120, -6, 6, 2);
  Add(function);
  auto failing = Relation(2, "log(x)+y+t", CoordKind::Plane, -1, 1, -1, 1);  // left of x = 0
  failing->Animation = true;
  failing->MinT = 0;
  failing->MaxT = 1;
  Add(failing);
  Add(AnimatedPoint(3));
  const Compiled first = CompileContent();
  const PerStep main = DrawEachStep();
  ASSERT_FALSE(main.messages.empty());
  EXPECT_EQ(first.messages, main.messages);

  auto wider = AnalysedFunction(1, 120, -9, 9, 2);
  function->EqualTo(*wider);
  ASSERT_TRUE(function->GetPoints());
  draws.clear();
  const Compiled compiled = CompileContent();
  ASSERT_EQ(frame.stepCompiles(), 1);  // the still function alone was drawn
  EXPECT_EQ(draws[2] + draws[3], 0);
  EXPECT_EQ(compiled.messages, DrawEachStep().messages);
  EXPECT_EQ(compiled.messages, main.messages);
}

// The compile of the still items alone and the full compile of the same scene raise the same
// messages in the same order, with what an animated item before a still one raises first.
// Each scene is compiled, a still item edited and compiled again (its list alone is drawn),
// and the same items then compiled by a frame that never saw them (every step is drawn).
TEST_F(StillItemLists, BothCompilesRaiseTheSameMessagesInOrder) {
  using Make = std::shared_ptr<GraphItem> (*)(int32_t id);
  const Make logRelation = [](int32_t id) {  // fails left of x = 0
    return Relation(id, "log(x)+y", CoordKind::Plane, -1, 1, -1, 1);
  };
  const Make sqrRelation = [](int32_t id) {
    return Relation(id, "sqr(x)+y", CoordKind::Plane, -1, 1, -1, 1);
  };
  const Make circleRelation = [](int32_t id) {
    return Relation(id, "x^2+y^2-1", CoordKind::Plane, -1.5f, 1.5f, -1.5f, 1.5f);
  };
  const Make animatedSqr = [](int32_t id) {
    auto item = Relation(id, "sqr(x)+y+t", CoordKind::Plane, -1, 1, -1, 1);
    item->Animation = true;
    item->MinT = 0;
    item->MaxT = 1;
    return item;
  };
  const Make pointAnimated = [](int32_t id) { return AnimatedPoint(id); };
  struct Case {
    const char* what;
    std::vector<Make> items;  // ids 1, 2, ... in the scene's order
    int32_t edited;           // a still item: its colour changes, or its relation with `now`
    Make now;
    std::vector<std::string> raised;  // after the edit, in order
  };
  const Case cases[] = {
      {"animated, then still", {animatedSqr, logRelation}, 2, nullptr,
       {texts::kSqrDomain, texts::kLogDomain}},
      {"still, then animated", {logRelation, animatedSqr}, 1, nullptr,
       {texts::kLogDomain, texts::kSqrDomain}},
      {"a silent still item edited between the two",
       {animatedSqr, circleRelation, logRelation, pointAnimated}, 2, nullptr,
       {texts::kSqrDomain, texts::kLogDomain}},
      {"the still item's message goes", {animatedSqr, logRelation}, 2, circleRelation,
       {texts::kSqrDomain}},
      {"the still item raises the animated one's", {animatedSqr, circleRelation, logRelation}, 3,
       sqrRelation, {texts::kSqrDomain}},
      {"a silent still item raises one", {logRelation, animatedSqr, circleRelation}, 3,
       logRelation, {texts::kLogDomain, texts::kSqrDomain}},
  };
  const auto compile = [](SceneFrameRig& rig) {
    ScopedGl use(&rig.gl);
    ScopedMessageRecorder shown;
    {
      MessageDeferral deferral;
      rig.frame.Compile(true);
    }
    EXPECT_TRUE(rig.gl.Errors().empty());
    return shown.recorder.messages;
  };
  const auto textsOf = [](const std::vector<Message>& messages) {
    std::vector<std::string> out;
    for (const Message& m : messages) out.push_back(m.text);
    return out;
  };
  for (const Case& c : cases) {
    SceneFrameRig kept(true);
    SceneFrameRig fresh(true);
    for (size_t i = 0; i < c.items.size(); ++i) {
      auto item = c.items[i](int32_t(i + 1));
      ASSERT_TRUE(item->GetPoints()) << c.what;
      kept.scene.FunSurfs.Add(item);
      fresh.scene.FunSurfs.Add(item);
    }
    for (SceneFrameRig* rig : {&kept, &fresh}) {
      ScopedGl use(&rig->gl);
      rig->frame.Initialize();
    }
    compile(kept);
    const std::shared_ptr<GraphItem>& edited = kept.scene.FunSurfs.Item(c.edited);
    ASSERT_FALSE(edited->Animation) << c.what;
    if (c.now) {
      edited->EqualTo(*c.now(c.edited));
      ASSERT_TRUE(edited->GetPoints()) << c.what;
    } else {
      edited->LineColor ^= 0xff;
    }
    const int stepsBefore = kept.frame.stepCompiles();
    const int stillBefore = kept.frame.stillListCompiles();
    const std::vector<Message> stillOnly = compile(kept);
    ASSERT_EQ(kept.frame.stepCompiles(), stepsBefore) << c.what;
    ASSERT_EQ(kept.frame.stillListCompiles(), stillBefore + 1) << c.what;
    const std::vector<Message> full = compile(fresh);
    ASSERT_EQ(fresh.frame.stepCompiles(), 1) << c.what;

    EXPECT_EQ(textsOf(full), c.raised) << c.what;
    EXPECT_EQ(textsOf(stillOnly), textsOf(full)) << c.what;
    EXPECT_TRUE(stillOnly == full) << c.what << ": the titles or icons differ";
  }
}

// A still 2D table edited as its dialog's OK does (a new item's cells taken over), with
// every setting as before and one point moved: the next frames show the point where it is.
TEST_F(StillItemLists, ATableEditedInItsCellsAloneIsDrawnAgain) {
  ScopedGl use(&gl);
  const auto table = [](float lastY) {
    auto item = std::make_shared<GraphItem>();
    item->ID = 1;
    item->GraphType = GraphKind::Table2D;
    item->CoordType = CoordKind::Plane;
    item->FunForm = FormKind::Explicit;
    item->StepU = 1;
    item->StepV = 3;
    item->LineWidth = 1;
    item->ShowSmoothCurve = false;
    for (int32_t j = 0; j <= 3; ++j) {
      const std::shared_ptr<Point> p = item->VertTab3D(0, j);
      p->x = float(j);
      p->y = j == 3 ? lastY : 0.5f;
    }
    return item;
  };
  auto shown = table(2);
  scene.FunSurfs.Add(shown);
  Add(AnimatedPoint(2));
  CompileContent();
  const std::vector<GlCall> before = FrameCalls(0);

  shown->TabEqualTo(*table(7));
  ASSERT_EQ(shown->VertTab3D(0, 3)->y, 7.0f);
  draws.clear();
  CompileContent();
  EXPECT_EQ(draws[1], 1);
  EXPECT_FALSE(FrameCalls(0) == before);
  ExpectFramesAsEachStep(DrawEachStep());
}

// A still curve's range written and compiled before it is sampled again (its drawing reads
// the samples): the sampling alone, no setting changed since, has the next compile draw the
// new points.
TEST_F(StillItemLists, ASamplingAloneHasAStillItemDrawnAgain) {
  ScopedGl use(&gl);
  auto curve = GraphItem::Init(1, "", GraphKind::Curve3D, CoordKind::Cartesian3D, "u", "u*u",
                               "0", 20, 1, -1, 1, 0, 0, 0, 0, 0xff, 0, 1, 3, 3, 3, false, false,
                               false, 0);
  curve->FunForm = FormKind::Parametric;
  Add(curve);
  Add(AnimatedPoint(2));
  CompileContent();
  curve->MaxU = 2;
  CompileContent();
  const std::vector<GlCall> unsampled = FrameCalls(0);

  ASSERT_TRUE(curve->GetPoints());
  draws.clear();
  CompileContent();
  EXPECT_EQ(draws[1], 1);
  EXPECT_FALSE(FrameCalls(0) == unsampled);
  ExpectFramesAsEachStep(DrawEachStep());
}

// What a change compiles again: a still item's own list only, or the steps only.
TEST_F(StillItemLists, AChangeCompilesOnlyWhatItShows) {
  ScopedGl use(&gl);
  auto implicit = Relation(1, "x^2+y^2-1", CoordKind::Plane, -1.5f, 1.5f, -1.5f, 1.5f);
  auto point = AnimatedPoint(2);
  auto function = AnalysedFunction(3, 120, -6, 6, 2);
  Add(implicit);
  Add(point);
  Add(function);
  CompileContent();
  ASSERT_EQ(frame.stepCompiles(), 1);
  ASSERT_EQ(frame.stillListCompiles(), 2);
  const std::vector<GLuint> lists = CalledLists(0);
  std::vector<std::vector<GlCall>> steps;
  for (int32_t e = 0; e <= kFrames; ++e)
    steps.push_back(gl.ListContents(GLuint(gl.ListContents(kFirstFrameList + GLuint(e)).back().args.at(0))));
  const std::vector<GlCall> implicitList = gl.ListContents(lists[0]);

  // The function edited as the dialogs do: its list alone is drawn again, under its number.
  auto edited = AnalysedFunction(3, 120, -6, 6, 2);
  edited->LineColor = 0xff00;
  edited->StepV = 60;
  function->EqualTo(*edited);
  ASSERT_TRUE(function->GetPoints());
  draws.clear();
  CompileContent();
  EXPECT_EQ(draws[3], 1);
  EXPECT_EQ(draws[1] + draws[2], 0);
  EXPECT_EQ(frame.stepCompiles(), 1);
  EXPECT_EQ(frame.stillListCompiles(), 3);
  EXPECT_EQ(CalledLists(0), lists);
  for (int32_t e = 0; e <= kFrames; ++e)
    EXPECT_EQ(gl.ListContents(GLuint(gl.ListContents(kFirstFrameList + GLuint(e)).back().args.at(0))),
              steps[size_t(e)]);
  ExpectFramesAsEachStep(DrawEachStep());
  EXPECT_EQ(axesBoxes.back().MinX, DrawEachStep().axes.MinX);

  // A setting written straight into the item, nothing else said: the same, and the frames
  // show it.
  const std::vector<GlCall> withCurve = FrameCalls(0);
  function->Show2DCurve = false;
  draws.clear();
  CompileContent();
  EXPECT_EQ(draws[3], 1);
  EXPECT_EQ(frame.stepCompiles(), 1);
  EXPECT_FALSE(FrameCalls(0) == withCurve);
  ExpectFramesAsEachStep(DrawEachStep());

  // The point sampled again (its line ticked again): the steps, not the still lists.
  ASSERT_TRUE(point->GetPoints());
  draws.clear();
  CompileContent();
  EXPECT_EQ(draws[2], kFrames + 1);
  EXPECT_EQ(draws[1] + draws[3], 0);
  EXPECT_EQ(frame.stepCompiles(), 2);
  EXPECT_EQ(frame.stillListCompiles(), 4);
  EXPECT_EQ(gl.ListContents(lists[0]), implicitList);
  ExpectFramesAsEachStep(DrawEachStep());

  // A compile with nothing changed redraws the animated items only; a rotation nothing.
  draws.clear();
  CompileContent();
  frame.Compile(false);
  EXPECT_EQ(draws[2], kFrames + 1);
  EXPECT_EQ(draws[1] + draws[3], 0);

  // What every still drawing reads besides the item: all drawn again.
  struct Case {
    const char* what;
    std::function<void()> change;
  };
  const Case cases[] = {
      {"a new GL context", [&] { frame.Initialize(); }},
      {"division by zero as an error", [] { DivZeroIsError = !DivZeroIsError; }},
      {"the document kind", [] { GraphMode = 2; }},
  };
  for (const Case& c : cases) {
    c.change();
    draws.clear();
    CompileContent();
    EXPECT_EQ(draws[1], 1) << c.what;
    EXPECT_EQ(draws[3], 1) << c.what;
    EXPECT_TRUE(gl.Errors().empty()) << c.what;
  }
  GraphMode = 1;

  // Hiding an item: its list goes, the steps no longer call it.
  scene.FunSurfs.Remove(1);
  CompileContent();
  EXPECT_EQ(CalledLists(0).size(), 2u);  // the function and the axes
  // The last animated item hidden: list 900, no still lists kept.
  scene.FunSurfs.Remove("2");
  draws.clear();
  CompileContent();
  EXPECT_FALSE(frame.compiledAnimated());
  EXPECT_EQ(draws[3], 1);
  EXPECT_TRUE(gl.Errors().empty());
}

// A longer animation after a shorter one: the still lists kept from before must not hold
// numbers the new frame lists take.
TEST_F(StillItemLists, FrameCountChangeDrawsStillItemsAgainApartFromTheFrameLists) {
  ScopedGl use(&gl);
  Add(Relation(1, "x^2+y^2-1", CoordKind::Plane, -1.5f, 1.5f, -1.5f, 1.5f));
  Add(AnimatedPoint(2));
  CompileContent();
  for (int32_t frames : {60, 3, 1200}) {
    AnimFrameCount = frames;
    ASSERT_TRUE(scene.FunSurfs.Item(2)->GetPoints());
    draws.clear();
    CompileContent();
    EXPECT_EQ(draws[1], 1) << frames;
    ASSERT_TRUE(gl.Errors().empty()) << frames;
    for (int32_t e : {0, frames / 2, frames}) {
      const std::vector<GLuint> called = CalledLists(e);
      ASSERT_EQ(called.size(), 2u) << frames;
      for (GLuint n : called) {
        EXPECT_TRUE(n != kStillSceneList && (n < kFirstFrameList || n > kFirstFrameList + GLuint(frames)))
            << frames << " " << n;
      }
      EXPECT_FALSE(gl.ListContents(called[0]).empty());
    }
  }
}

}  // namespace
