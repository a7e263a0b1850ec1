// The OpenGL frame of the drawing area: the fixed GL state, the compiled scene (what is drawn
// in display lists of its own, and small lists 900 / 1001 + e that apply the model rotation
// and call them) and the per-frame set-up of light and projection that replays one list.
// In an animation each still item is drawn once, into a list of its own that every step
// calls in the item's place.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "common/message_service.h"

#include "graph/box.h"
#include "scene/trackball.h"

namespace curvanta {

// The box handed to the coordinate system of the last still scene compiled.
extern Box AxesBox;

class Camera;
class GraphItem;
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
  // the axes, the frame count): the content lists compile anew. In an animation a still
  // item's own list is kept while the item's Revision, the frame count, the document kind
  // and DivZeroIsError stay; when only still items changed, their lists and the axes are
  // all that compiles. Either way the rotation lists are rebuilt from the current model
  // rotation.
  void Compile(bool content);
  // With the context current: light, shading, projection, clear, the list of the frame.
  void Paint(int32_t animFrame);

  // Compiles so far (the tests count them).
  int contentCompiles() const { return contentCompiles_; }
  int rotationCompiles() const { return rotationCompiles_; }
  // Content compiles that drew the animation's steps, and still items' own lists drawn.
  int stepCompiles() const { return stepCompiles_; }
  int stillListCompiles() const { return stillListCompiles_; }
  bool compiled() const { return compiled_; }
  // What the last compile recorded: animated, its frame count, the frame-0 box.
  bool compiledAnimated() const { return animated_; }
  int32_t compiledFrameCount() const { return frameCount_; }
  // The list a paint of `animFrame` calls.
  uint32_t ListForFrame(int32_t animFrame) const;

 private:
  // A still item of an animation, drawn once into its own list.
  struct StillList {
    std::weak_ptr<GraphItem> item;
    uint32_t list = 0;
    uint64_t revision = 0;               // the item's revision when it was last compiled
    std::vector<Message> messages;       // what its drawing raised, raised again per compile
    std::function<void()> resultText;    // sets the result box as its drawing left it
  };
  // What a still item's drawing reads besides the item: a change draws every one anew.
  struct DrawingInputs {
    int32_t frameCount = -1;
    int32_t graphMode = 0;
    bool divZeroIsError = false;
    bool operator==(const DrawingInputs&) const = default;
  };
  // What drawing the steps raised, in order: messages the animated items' drawing raised,
  // then those of the still item whose list was called next (none after the last).
  struct StepMessages {
    std::vector<Message> raised;
    std::weak_ptr<GraphItem> stillItem;
  };
  // An animated item by its revision, a still one by itself: what the step lists show.
  struct StepEntry {
    std::weak_ptr<GraphItem> item;
    uint64_t revision = 0;
    bool operator==(const StepEntry& o) const {
      return SameItem(item, o.item) && revision == o.revision;
    }
  };

  void ApplyModelRotation();
  void FreeContent();
  void FreeStillLists();
  // Takes the fixed numbers this compile writes, so that no content list is given one.
  void ReserveSceneLists(bool animated, int32_t frameCount);
  void CompileStill(bool withAxes);
  // The content of an animation: the still items' lists alone when they are all that
  // changed, otherwise every step.
  void CompileAnimation(int32_t n, bool withAxes);
  void CompileStillItemsOnly(int32_t n, bool withAxes);
  void CompileSteps(int32_t n, bool withAxes);
  // The step lists show the items they would be compiled for now, and call a list for each
  // still item.
  bool StepsCurrent(int32_t n, bool withAxes);
  // Every still item's list holds what the item draws now.
  bool StillListsCurrent();
  // Draws the still items whose lists are missing or out of date; drops the lists of items
  // no longer shown.
  void UpdateStillLists();
  // Whether two names are of the same item, whether it is still there or not.
  static bool SameItem(const std::weak_ptr<GraphItem>& a, const std::weak_ptr<GraphItem>& b);
  StillList* StillListOf(const std::shared_ptr<GraphItem>& item);
  std::vector<StepEntry> StepEntries() const;
  // The union of the steps' boxes, padded, into the axes list.
  void CompileAxes(int32_t n, bool withAxes);
  // The result box as drawing the whole last step would leave it.
  void RestoreResultText();
  // Raises what drawing the steps raised, each still item's messages as its list now holds
  // them.
  void RaiseStepMessages();

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
  int stepCompiles_ = 0;
  int stillListCompiles_ = 0;

  std::vector<StillList> still_;
  DrawingInputs stillInputs_;
  std::vector<StepEntry> steps_;        // what the step lists were compiled for
  bool stepsWithAxes_ = false;
  std::vector<Box> animatedBoxes_;      // per step: the union of the animated items' boxes
  std::function<void()> lastStepText_;  // the result box as the last step's drawing left it
  std::vector<StepMessages> stepMessages_;
};

}  // namespace curvanta
