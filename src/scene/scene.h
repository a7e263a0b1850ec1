// The scene (Scene): the graph items to box and draw, in order under their ID texts, and the
// model rotation of the view; and the hooks through which it asks items to draw and box
// themselves.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "graph/box.h"
#include "graph/graph_item.h"
#include "scene/axes_settings.h"

namespace curvanta {

// A collection fault: a key added twice, a missing key, a position outside 1..Count.
class SceneError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Graph items under unique keys (the ID in decimal text), in the order they were added.
// Positions run from 1 to Count; adding appends, removing closes the gap.
class GraphCollection {
 public:
  using Entry = std::pair<std::string, std::shared_ptr<GraphItem>>;

  int32_t Count() const { return static_cast<int32_t>(items_.size()); }
  bool Contains(const std::string& key) const;
  // The item at 1-based lngPosition / under key; SceneError when there is none.
  const std::shared_ptr<GraphItem>& Item(int32_t lngPosition) const;
  const std::shared_ptr<GraphItem>& Item(const std::string& key) const;
  const std::string& Key(int32_t lngPosition) const;
  // Appends item under key; SceneError (nothing changed) for a key already held or no item.
  void Add(std::shared_ptr<GraphItem> item, const std::string& key);
  // Appends item under its ID in decimal text.
  void Add(std::shared_ptr<GraphItem> item);
  // Removes by key or by 1-based position; SceneError when there is none.
  void Remove(const std::string& key);
  void Remove(int32_t lngPosition);
  void Clear() { items_.clear(); }

  std::vector<Entry>::const_iterator begin() const { return items_.begin(); }
  std::vector<Entry>::const_iterator end() const { return items_.end(); }

 private:
  std::vector<Entry> items_;
};

// The item drawing of the drawing subsystem, registered by it: draws one item into the
// current GL state. lngAnimStep is the frame for an animated item and nullopt for a still
// one ("asked without argument"). Without a registered drawer items draw nothing.
using ItemDrawer = std::function<void(GraphItem& item, std::optional<int32_t> lngAnimStep)>;
// How the scene boxes one item; the default asks the item's own GetBox (with the frame for
// an animated item, without an argument otherwise). Tests may put fakes in.
using ItemBoxer = std::function<Box(GraphItem& item, std::optional<int32_t> lngAnimStep)>;
// Runs `draw` (one item's drawing) and records what it did besides the GL calls (the text
// it left in the result box); returns a function that does that again when called. The
// drawing subsystem registers one; without it nothing is recorded and the returned
// function does nothing. A fault of `draw` reaches the caller.
using DrawEffectsRecorder =
    std::function<std::function<void()>(const std::function<void()>& draw)>;
// Install (an empty function restores the default); each returns the one it replaces.
ItemDrawer SetItemDrawer(ItemDrawer drawer);
ItemBoxer SetItemBoxer(ItemBoxer boxer);
DrawEffectsRecorder SetDrawEffectsRecorder(DrawEffectsRecorder recorder);
// Runs `draw` through the registered recorder (see DrawEffectsRecorder).
std::function<void()> RecordDrawEffects(const std::function<void()>& draw);

// Widens `into` by `box`: a side replaces the running one only when strictly smaller (a
// minimum) or larger (a maximum), so an empty box (minimum above maximum) adds nothing.
void WidenBox(Box& into, const Box& box);
// The start of a union: minima 9999999, maxima -9999999.
Box EmptyUnionBox();
// The margin of 0.1 on every side, added once to a union.
Box PadBox(const Box& box);

class Scene {
 public:
  curvanta::GraphCollection FunSurfs;

  // True when any item is animated (False for an empty scene).
  bool Animation() const;

  float ScaleZ = 1.0f;  // the scale, translation and DrawAxis are stored only
  float ScaleY = 1.0f;
  float ScaleX = 1.0f;
  float TransZ = 0;
  float TransY = 0;
  float TransX = 0;
  float RotYaw = 0;  // model rotation in degrees, about the GL y, x and z axes
  float RotPitch = 0;
  float RotRoll = 0;
  bool DrawAxis = true;
  // The scene's own coordinate system; nothing reads it (the drawn axes are DocAxes).
  std::shared_ptr<AxesSettings> Axis = std::make_shared<AxesSettings>();

  // The union of the items' boxes for frame lngAnimStep (animated items get the frame,
  // still ones are asked without it), padded by 0.1 once; an empty scene answers minima
  // 9999999 and maxima -9999999.
  Box GetBox(int32_t lngAnimStep) const;
  // Asks every item in order to draw itself (the frame to animated items only). Sets no
  // GL state of its own; an item's fault reaches the caller.
  void Draw(int32_t lngAnimStep) const;
  // As Draw, but each still item is handed to `still` in its place instead of drawn.
  void DrawAnimatedItems(int32_t lngAnimStep,
                         const std::function<void(const std::shared_ptr<GraphItem>& item)>& still) const;

  // One item as GetBox and Draw ask it (the frame only to an animated item); the box is
  // the item's own, without the margin.
  static Box ItemBox(GraphItem& item, int32_t lngAnimStep);
  static void DrawItem(GraphItem& item, int32_t lngAnimStep);
};

}  // namespace curvanta
