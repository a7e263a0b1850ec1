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

Box EmptyUnion() {
  Box b;
  b.MinX = b.MinY = b.MinZ = 9999999.0f;
  b.MaxX = b.MaxY = b.MaxZ = -9999999.0f;
  return b;
}

}  // namespace

void SceneFrame::Initialize() {
  // Lists of an earlier context died with it.
  compiled_ = false;
  contentBase_ = 0;
  contentCount_ = 0;
  frameListsMade_ = 0;
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
  const int32_t needed = animated ? n + 1 + (withAxes ? 1 : 0) : 1;
  if (!compiled_ || animated != animated_ || (animated && n != frameCount_) || contentBase_ == 0)
    content = true;

  if (content) {
    FreeContent();
    ReserveSceneLists(animated, n);
    uint32_t base = gl.glGenLists(needed);
    contentBase_ = base;
    contentCount_ = base ? needed : 0;
    if (animated) {
      // Each step is drawn before its box is read: some items box what their drawing plotted.
      // The axes list that every step calls is compiled last, for the union of the steps'
      // boxes padded once more, so still and animated items get the same axes.
      const uint32_t axesList = contentBase_ + uint32_t(n + 1);
      Box u = EmptyUnion();
      for (int32_t e = 0; e <= n && contentBase_ != 0; ++e) {
        {
          ListGuard list(contentBase_ + uint32_t(e));
          try {
            scene_.Draw(e);
            if (withAxes) gl.glCallList(axesList);
          } catch (const std::exception&) {
            // A drawing fault leaves this step as far as it got.
          }
        }
        Box b = scene_.GetBox(e);
        if (b.MinX < u.MinX) u.MinX = b.MinX;
        if (b.MinY < u.MinY) u.MinY = b.MinY;
        if (b.MinZ < u.MinZ) u.MinZ = b.MinZ;
        if (b.MaxX > u.MaxX) u.MaxX = b.MaxX;
        if (b.MaxY > u.MaxY) u.MaxY = b.MaxY;
        if (b.MaxZ > u.MaxZ) u.MaxZ = b.MaxZ;
      }
      u.MinX = static_cast<float>(double(u.MinX) - 0.1);
      u.MinY = static_cast<float>(double(u.MinY) - 0.1);
      u.MinZ = static_cast<float>(double(u.MinZ) - 0.1);
      u.MaxX = static_cast<float>(double(u.MaxX) + 0.1);
      u.MaxY = static_cast<float>(double(u.MaxY) + 0.1);
      u.MaxZ = static_cast<float>(double(u.MaxZ) + 0.1);
      if (withAxes && contentBase_ != 0) {
        ListGuard list(axesList);
        try {
          if (axesDrawer_) axesDrawer_(u);
        } catch (const std::exception&) {
        }
      }
    } else if (contentBase_ != 0) {
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
