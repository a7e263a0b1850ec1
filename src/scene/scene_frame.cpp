// Compile and paint of the drawing area's scene.
#include "scene/scene_frame.h"

#include <exception>

#include "common/gl_api.h"
#include "common/globals.h"
#include "scene/camera.h"
#include "scene/light.h"
#include "scene/scene.h"

namespace curvanta {

Box AxesBox;

namespace {

// Ends the list that was begun, whatever happens while it compiles.
class ListGuard {
 public:
  ListGuard(uint32_t list) { Gl().glNewList(list, GL_COMPILE); }
  ~ListGuard() { Gl().glEndList(); }
  ListGuard(const ListGuard&) = delete;
  ListGuard& operator=(const ListGuard&) = delete;
};

}  // namespace

void SceneFrame::Initialize() {
  // Lists of an earlier context died with it.
  compiled_ = false;
  contentBase_ = 0;
  contentCount_ = 0;
  frameListsMade_ = 0;
  still_.clear();
  steps_.clear();
  lastStepText_ = nullptr;
  stepMessages_.clear();
  GlApi& gl = Gl();
  gl.glClearColor(1, 1, 1, 1);
  gl.glEnable(GL_DITHER);
  gl.glDepthFunc(GL_LEQUAL);
  gl.glClearDepth(1.0);
  gl.glEnable(GL_DEPTH_TEST);
  if (fonts_) fonts_();
}

void SceneFrame::FreeContent() {
  if (contentBase_ != 0) Gl().glDeleteLists(contentBase_, contentCount_);
  contentBase_ = 0;
  contentCount_ = 0;
}

void SceneFrame::FreeStillLists() {
  for (const StillList& s : still_)
    if (s.list != 0) Gl().glDeleteLists(s.list, 1);
  still_.clear();
  steps_.clear();
}

void SceneFrame::ReserveSceneLists(bool animated, int32_t frameCount) {
  GlApi& gl = Gl();
  const auto reserve = [&gl](uint32_t list) {
    if (gl.glIsList(list)) return;
    gl.glNewList(list, GL_COMPILE);
    gl.glEndList();
  };
  if (!animated) {
    reserve(kStillSceneList);
    return;
  }
  for (int32_t e = 0; e <= frameCount; ++e) reserve(kFirstFrameList + uint32_t(e));
}

void SceneFrame::ApplyModelRotation() {
  Vec4 q = rotationQuat_;
  if (!trackballActive_) {
    q = PresetRotation(scene_.RotRoll, scene_.RotPitch, scene_.RotYaw);
    rotationQuat_ = q;
  }
  Mat16 m;
  QuatToMatrix(m, q);
  Gl().glMultMatrixf(m.data());
}

void SceneFrame::Compile(bool content) {
  GlApi& gl = Gl();
  const bool animated = scene_.Animation();
  const int32_t n = AnimFrameCount < 0 ? 0 : AnimFrameCount;
  // An animation's steps share one more list: the axes, drawn once for all of them.
  const bool withAxes = scene_.FunSurfs.Count() >= 1 && axesShown_ && axesShown_();
  if (!compiled_ || animated != animated_ || (animated && n != frameCount_) || contentBase_ == 0)
    content = true;

  if (content) {
    if (animated)
      CompileAnimation(n, withAxes);
    else
      CompileStill(withAxes);
    box0_ = scene_.GetBox(0);
    ++contentCompiles_;
  }

  // The small lists: model rotation, then the content of their step.
  if (animated) {
    for (int32_t e = 0; e <= n; ++e) {
      ListGuard list(kFirstFrameList + uint32_t(e));
      ApplyModelRotation();
      if (contentBase_ != 0) gl.glCallList(contentBase_ + uint32_t(e));
    }
    // Frame lists of a longer earlier animation go.
    if (frameListsMade_ > n + 1)
      gl.glDeleteLists(kFirstFrameList + uint32_t(n + 1), frameListsMade_ - (n + 1));
    frameListsMade_ = n + 1;
  } else {
    ListGuard list(kStillSceneList);
    ApplyModelRotation();
    if (contentBase_ != 0) gl.glCallList(contentBase_);
    if (frameListsMade_ > 0) gl.glDeleteLists(kFirstFrameList, frameListsMade_);
    frameListsMade_ = 0;
  }
  ++rotationCompiles_;
  animated_ = animated;
  frameCount_ = n;
  compiled_ = true;
}

void SceneFrame::CompileStill(bool withAxes) {
  FreeContent();
  FreeStillLists();
  ReserveSceneLists(false, 0);
  const uint32_t base = Gl().glGenLists(1);
  contentBase_ = base;
  contentCount_ = base ? 1 : 0;
  if (base == 0) return;
  ListGuard list(contentBase_);
  try {
    scene_.Draw(0);
    if (withAxes) {
      curvanta::AxesBox = scene_.GetBox(0);
      Box box = curvanta::AxesBox;
      if (axesDrawer_) axesDrawer_(box);
    }
  } catch (const std::exception&) {
  }
}

bool SceneFrame::SameItem(const std::weak_ptr<GraphItem>& a, const std::weak_ptr<GraphItem>& b) {
  // By the item's own ownership, not its address: an item made where a gone one lay is
  // another item.
  return !a.owner_before(b) && !b.owner_before(a);
}

SceneFrame::StillList* SceneFrame::StillListOf(const std::shared_ptr<GraphItem>& item) {
  for (StillList& s : still_)
    if (SameItem(s.item, item)) return &s;
  return nullptr;
}

std::vector<SceneFrame::StepEntry> SceneFrame::StepEntries() const {
  std::vector<StepEntry> entries;
  for (const auto& entry : scene_.FunSurfs) {
    const GraphItem& item = *entry.second;
    entries.push_back({entry.second, item.Animation ? item.Revision() : 0});
  }
  return entries;
}

bool SceneFrame::StepsCurrent(int32_t n, bool withAxes) {
  if (contentBase_ == 0 || !animated_ || frameCount_ != n || withAxes != stepsWithAxes_ ||
      int32_t(animatedBoxes_.size()) != n + 1 || steps_ != StepEntries())
    return false;
  // The steps call each still item's list by its number: an item without one needs them anew.
  for (const auto& entry : scene_.FunSurfs) {
    if (entry.second->Animation) continue;
    const StillList* s = StillListOf(entry.second);
    if (!s || s->list == 0) return false;
  }
  return true;
}

bool SceneFrame::StillListsCurrent() {
  for (const auto& entry : scene_.FunSurfs) {
    if (entry.second->Animation) continue;
    const StillList* s = StillListOf(entry.second);
    if (!s || s->list == 0 || s->revision != entry.second->Revision()) return false;
  }
  return true;
}

void SceneFrame::UpdateStillLists() {
  GlApi& gl = Gl();
  // Lists of items that are gone or animated now.
  for (size_t i = 0; i < still_.size();) {
    const std::shared_ptr<GraphItem> item = still_[i].item.lock();
    bool shown = false;
    if (item && !item->Animation)
      for (const auto& entry : scene_.FunSurfs) shown = shown || entry.second == item;
    if (shown) {
      ++i;
      continue;
    }
    if (still_[i].list != 0) gl.glDeleteLists(still_[i].list, 1);
    still_.erase(still_.begin() + std::ptrdiff_t(i));
  }
  for (const auto& entry : scene_.FunSurfs) {
    GraphItem& item = *entry.second;
    if (item.Animation) continue;
    StillList* s = StillListOf(entry.second);
    if (s && s->list != 0 && s->revision == item.Revision()) continue;
    if (!s) {
      still_.push_back(StillList{entry.second, 0, 0, {}, nullptr});
      s = &still_.back();
    }
    if (s->list == 0) s->list = gl.glGenLists(1);
    if (s->list == 0) continue;  // no list to be had: the steps leave the item out
    MessageCapture capture;
    {
      ListGuard list(s->list);
      s->resultText = RecordDrawEffects([&item] {
        try {
          Scene::DrawItem(item, 0);
        } catch (const std::exception&) {
          // A drawing fault leaves the item's list as far as it got; the steps go on.
        }
      });
    }
    s->messages = capture.take();
    ++stillListCompiles_;
  }
}

void SceneFrame::CompileAnimation(int32_t n, bool withAxes) {
  const DrawingInputs inputs{n, GraphMode, DivZeroIsError};
  if (inputs != stillInputs_) FreeStillLists();
  stillInputs_ = inputs;
  if (StepsCurrent(n, withAxes) && !StillListsCurrent())
    CompileStillItemsOnly(n, withAxes);
  else
    CompileSteps(n, withAxes);
  // Recorded after drawing and boxing, which may renew what an item holds.
  for (StillList& s : still_)
    if (auto item = s.item.lock()) s.revision = item->Revision();
}

void SceneFrame::CompileStillItemsOnly(int32_t n, bool withAxes) {
  // Their lists are drawn again under their own numbers, which the steps call; the steps stay
  // as they are. What drawing the steps raised is raised again, the animated items' as they
  // raised it then and the still items' as drawn now, in the steps' order, as a full compile
  // would.
  UpdateStillLists();
  RaiseStepMessages();
  CompileAxes(n, withAxes);
  RestoreResultText();
}

void SceneFrame::CompileSteps(int32_t n, bool withAxes) {
  GlApi& gl = Gl();
  FreeContent();
  ReserveSceneLists(true, n);
  UpdateStillLists();
  const int32_t needed = n + 1 + (withAxes ? 1 : 0);
  const uint32_t base = gl.glGenLists(needed);
  contentBase_ = base;
  contentCount_ = base ? needed : 0;
  animatedBoxes_.assign(size_t(n) + 1, EmptyUnionBox());
  lastStepText_ = nullptr;
  stepMessages_.clear();
  if (base != 0) {
    // Each step is drawn before its box is read: some items box what their drawing plotted.
    // The axes list that every step calls is compiled last, for the union of the steps'
    // boxes padded once more, so still and animated items get the same axes.
    // What the steps raise is kept, in order, for a compile of the still lists alone to
    // raise again.
    const uint32_t axesList = contentBase_ + uint32_t(n + 1);
    {
      MessageCapture capture;
      for (int32_t e = 0; e <= n; ++e) {
        auto drawStep = [&] {
          try {
            scene_.DrawAnimatedItems(e, [&](const std::shared_ptr<GraphItem>& item) {
              const StillList* s = StillListOf(item);
              if (!s || s->list == 0) return;
              gl.glCallList(s->list);
              if (e == 0) stepMessages_.push_back({capture.take(), item});
            });
            if (withAxes) gl.glCallList(axesList);
          } catch (const std::exception&) {
            // A drawing fault leaves this step as far as it got.
          }
        };
        {
          ListGuard list(contentBase_ + uint32_t(e));
          if (e == n)
            lastStepText_ = RecordDrawEffects(drawStep);
          else
            drawStep();
        }
        for (const auto& entry : scene_.FunSurfs)
          if (entry.second->Animation)
            WidenBox(animatedBoxes_[size_t(e)], Scene::ItemBox(*entry.second, e));
      }
      stepMessages_.push_back({capture.take(), {}});
    }
    RaiseStepMessages();
    CompileAxes(n, withAxes);
    RestoreResultText();
  }
  ++stepCompiles_;
  // Recorded after drawing and boxing, which may renew what an animated item holds.
  steps_ = StepEntries();
  stepsWithAxes_ = withAxes;
}

void SceneFrame::CompileAxes(int32_t n, bool withAxes) {
  // The still items' boxes are the same in every step.
  Box stillBox = EmptyUnionBox();
  for (const auto& entry : scene_.FunSurfs)
    if (!entry.second->Animation) WidenBox(stillBox, Scene::ItemBox(*entry.second, 0));
  Box u = EmptyUnionBox();
  for (int32_t e = 0; e <= n; ++e) {
    Box step = animatedBoxes_[size_t(e)];
    WidenBox(step, stillBox);
    WidenBox(u, PadBox(step));
  }
  u = PadBox(u);
  if (!withAxes || contentBase_ == 0) return;
  ListGuard list(contentBase_ + uint32_t(n + 1));
  try {
    if (axesDrawer_) axesDrawer_(u);
  } catch (const std::exception&) {
  }
}

void SceneFrame::RestoreResultText() {
  // Each item's drawing empties the result box first, so the box shows what the last item
  // in the scene's order left in the last step.
  if (lastStepText_) lastStepText_();
  if (scene_.FunSurfs.Count() < 1) return;
  const std::shared_ptr<GraphItem> last = scene_.FunSurfs.Item(scene_.FunSurfs.Count());
  if (last->Animation) return;
  if (const StillList* s = StillListOf(last); s && s->resultText) s->resultText();
}

void SceneFrame::RaiseStepMessages() {
  for (const StepMessages& m : stepMessages_) {
    ShowMessages(m.raised);
    if (const auto item = m.stillItem.lock())
      if (const StillList* s = StillListOf(item)) ShowMessages(s->messages);
  }
}

uint32_t SceneFrame::ListForFrame(int32_t animFrame) const {
  if (!animated_) return kStillSceneList;
  int32_t f = animFrame < 1 ? 1 : animFrame;
  if (f > frameCount_ + 1) f = frameCount_ + 1;
  return 1000u + uint32_t(f);
}

void SceneFrame::Paint(int32_t animFrame) {
  GlApi& gl = Gl();
  gl.glShadeModel(GL_SMOOTH);
  const Box box = box0_;
  camera_.Projection([box] { return box; });
  light_.SetLight();
  gl.glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  gl.glPushMatrix();
  if (compiled_) gl.glCallList(ListForFrame(animFrame));
  gl.glPopMatrix();
}

}  // namespace curvanta
