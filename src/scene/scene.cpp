// The scene's collection, its box and its drawing.
#include "scene/scene.h"

namespace curvanta {

namespace {

ItemDrawer& Drawer() {
  static ItemDrawer drawer;
  return drawer;
}

ItemBoxer& Boxer() {
  static ItemBoxer boxer;
  return boxer;
}

DrawEffectsRecorder& Recorder() {
  static DrawEffectsRecorder recorder;
  return recorder;
}

std::optional<int32_t> FrameFor(const GraphItem& item, int32_t lngAnimStep) {
  if (item.Animation) return lngAnimStep;
  return std::nullopt;
}

}  // namespace

ItemDrawer SetItemDrawer(ItemDrawer drawer) {
  ItemDrawer previous = std::move(Drawer());
  Drawer() = std::move(drawer);
  return previous;
}

ItemBoxer SetItemBoxer(ItemBoxer boxer) {
  ItemBoxer previous = std::move(Boxer());
  Boxer() = std::move(boxer);
  return previous;
}

DrawEffectsRecorder SetDrawEffectsRecorder(DrawEffectsRecorder recorder) {
  DrawEffectsRecorder previous = std::move(Recorder());
  Recorder() = std::move(recorder);
  return previous;
}

std::function<void()> RecordDrawEffects(const std::function<void()>& draw) {
  if (const DrawEffectsRecorder& recorder = Recorder()) return recorder(draw);
  draw();
  return [] {};
}

void WidenBox(Box& into, const Box& box) {
  if (box.MinX < into.MinX) into.MinX = box.MinX;
  if (box.MaxX > into.MaxX) into.MaxX = box.MaxX;
  if (box.MinY < into.MinY) into.MinY = box.MinY;
  if (box.MaxY > into.MaxY) into.MaxY = box.MaxY;
  if (box.MinZ < into.MinZ) into.MinZ = box.MinZ;
  if (box.MaxZ > into.MaxZ) into.MaxZ = box.MaxZ;
}

Box EmptyUnionBox() {
  Box b;
  b.MinX = b.MinY = b.MinZ = 9999999.0f;
  b.MaxX = b.MaxY = b.MaxZ = -9999999.0f;
  return b;
}

Box PadBox(const Box& box) {
  Box out;
  out.MinX = static_cast<float>(double(box.MinX) - 0.1);
  out.MaxX = static_cast<float>(double(box.MaxX) + 0.1);
  out.MinY = static_cast<float>(double(box.MinY) - 0.1);
  out.MaxY = static_cast<float>(double(box.MaxY) + 0.1);
  out.MinZ = static_cast<float>(double(box.MinZ) - 0.1);
  out.MaxZ = static_cast<float>(double(box.MaxZ) + 0.1);
  return out;
}

bool GraphCollection::Contains(const std::string& key) const {
  for (const Entry& e : items_)
    if (e.first == key) return true;
  return false;
}

const std::shared_ptr<GraphItem>& GraphCollection::Item(int32_t lngPosition) const {
  if (lngPosition < 1 || lngPosition > Count())
    throw SceneError("no graph at position " + std::to_string(lngPosition));
  return items_[static_cast<size_t>(lngPosition - 1)].second;
}

const std::shared_ptr<GraphItem>& GraphCollection::Item(const std::string& key) const {
  for (const Entry& e : items_)
    if (e.first == key) return e.second;
  throw SceneError("no graph under the key \"" + key + "\"");
}

const std::string& GraphCollection::Key(int32_t lngPosition) const {
  if (lngPosition < 1 || lngPosition > Count())
    throw SceneError("no graph at position " + std::to_string(lngPosition));
  return items_[static_cast<size_t>(lngPosition - 1)].first;
}

void GraphCollection::Add(std::shared_ptr<GraphItem> item, const std::string& key) {
  if (!item) throw SceneError("no graph to add under the key \"" + key + "\"");
  if (Contains(key)) throw SceneError("the key \"" + key + "\" is already in use");
  items_.emplace_back(key, std::move(item));
}

void GraphCollection::Add(std::shared_ptr<GraphItem> item) {
  if (!item) throw SceneError("no graph to add");
  const std::string key = std::to_string(item->ID);
  Add(std::move(item), key);
}

void GraphCollection::Remove(const std::string& key) {
  for (auto it = items_.begin(); it != items_.end(); ++it) {
    if (it->first == key) {
      items_.erase(it);
      return;
    }
  }
  throw SceneError("no graph under the key \"" + key + "\"");
}

void GraphCollection::Remove(int32_t lngPosition) {
  if (lngPosition < 1 || lngPosition > Count())
    throw SceneError("no graph at position " + std::to_string(lngPosition));
  items_.erase(items_.begin() + (lngPosition - 1));
}

bool Scene::Animation() const {
  for (const auto& entry : FunSurfs)
    if (entry.second->Animation) return true;
  return false;
}

Box Scene::ItemBox(GraphItem& item, int32_t lngAnimStep) {
  const std::optional<int32_t> frame = curvanta::FrameFor(item, lngAnimStep);
  if (const curvanta::ItemBoxer& boxer = curvanta::Boxer()) return boxer(item, frame);
  return frame ? item.GetBox(*frame) : item.GetBox();
}

Box Scene::GetBox(int32_t lngAnimStep) const {
  Box u = EmptyUnionBox();
  for (const auto& entry : FunSurfs) WidenBox(u, ItemBox(*entry.second, lngAnimStep));
  return PadBox(u);
}

void Scene::Draw(int32_t lngAnimStep) const {
  const curvanta::ItemDrawer& drawer = curvanta::Drawer();
  if (!drawer) return;
  // A copy of the holders: a drawing that changes the collection cannot pull it away.
  const std::vector<curvanta::GraphCollection::Entry> items(FunSurfs.begin(), FunSurfs.end());
  for (const auto& entry : items) drawer(*entry.second, curvanta::FrameFor(*entry.second, lngAnimStep));
}

void Scene::DrawAnimatedItems(int32_t lngAnimStep,
                              const std::function<void(const std::shared_ptr<GraphItem>& item)>& still) const {
  const std::vector<curvanta::GraphCollection::Entry> items(FunSurfs.begin(), FunSurfs.end());
  for (const auto& entry : items) {
    if (entry.second->Animation)
      DrawItem(*entry.second, lngAnimStep);
    else
      still(entry.second);
  }
}

void Scene::DrawItem(GraphItem& item, int32_t lngAnimStep) {
  if (const curvanta::ItemDrawer& drawer = curvanta::Drawer())
    drawer(item, curvanta::FrameFor(item, lngAnimStep));
}

}  // namespace curvanta
