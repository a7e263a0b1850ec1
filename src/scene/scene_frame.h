// The OpenGL frame of the drawing area: the fixed GL state, the compiled scene (what is drawn
// in display lists of its own, and small lists 900 / 1001 + e that apply the model rotation
// and call them) and the per-frame set-up of light and projection that replays one list.
#pragma once

#include <cstdint>
#include <functional>

#include "graph/box.h"
#include "scene/trackball.h"

namespace curvanta {

// The box handed to the coordinate system of the last still scene compiled.
extern Box AxesBox;

class Camera;
class Scene;
class Light;

inline constexpr uint32_t kStillSceneList = 900;
inline constexpr uint32_t kFirstFrameList = 1001;

class SceneFrame {
 public:
  // Draws the coordinate system around the scene box (DocAxes.Draw with graph type 2).
  using AxesDrawer = std::function<void(const Box& box)>;
  // Tells whether the coordinate system is shown (DocAxes.Show).
  using AxesShown = std::function<bool()>;
  // Builds the two outline fonts in the fresh context.
  using FontBuilder = std::function<void()>;

  SceneFrame(Scene& viewScene, Camera& camera, Light& light, bool& trackballActive,
             Vec4& rotationQuat)
      : scene_(viewScene),
        camera_(camera),
        light_(light),
        trackballActive_(trackballActive),
        rotationQuat_(rotationQuat) {}

  void SetAxes(AxesShown shown, AxesDrawer drawer) {
    axesShown_ = std::move(shown);
    axesDrawer_ = std::move(drawer);
  }
  void SetFontBuilder(FontBuilder fonts) { fonts_ = std::move(fonts); }

  // With the context current: the fixed GL state and the fonts. Forgets every list of an
  // earlier context.
  void Initialize();
  // With the context current. `content` true: what is drawn changed (graphs, their data,
  // the axes, the frame count): the content lists compile anew. Either way the rotation
  // lists are rebuilt from the current model rotation.
  void Compile(bool content);
  // With the context current: light, shading, projection, clear, the list of the frame.
  void Paint(int32_t animFrame);

  // Compiles so far (the tests count them).
  int contentCompiles() const { return contentCompiles_; }
  int rotationCompiles() const { return rotationCompiles_; }
  bool compiled() const { return compiled_; }
  // What the last compile recorded: animated, its frame count, the frame-0 box.
  bool compiledAnimated() const { return animated_; }
  int32_t compiledFrameCount() const { return frameCount_; }
  // The list a paint of `animFrame` calls.
  uint32_t ListForFrame(int32_t animFrame) const;

 private:
  void ApplyModelRotation();
  void FreeContent();
  // Takes the fixed numbers this compile writes, so that no content list is given one.
  void ReserveSceneLists(bool animated, int32_t frameCount);

  Scene& scene_;
  Camera& camera_;
  Light& light_;
  bool& trackballActive_;
  Vec4& rotationQuat_;
  AxesShown axesShown_;
  AxesDrawer axesDrawer_;
  FontBuilder fonts_;

  bool compiled_ = false;
  bool animated_ = false;
  int32_t frameCount_ = 0;      // N of the compiled animation
  int32_t frameListsMade_ = 0;  // frame lists 1001.. that exist (count)
  Box box0_;                   // the scene box of frame 0 at the last compile
  uint32_t contentBase_ = 0;    // first content list, 0 when none
  int32_t contentCount_ = 0;
  int contentCompiles_ = 0;
  int rotationCompiles_ = 0;
};

}  // namespace curvanta
