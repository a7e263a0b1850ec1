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

Box Scene::GetBox(int32_t lngAnimStep) const {
  float minX = 9999999.0f, minY = 9999999.0f, minZ = 9999999.0f;
  float maxX = -9999999.0f, maxY = -9999999.0f, maxZ = -9999999.0f;
  const curvanta::ItemBoxer& boxer = curvanta::Boxer();
  for (const auto& entry : FunSurfs) {
    GraphItem& item = *entry.second;
    const std::optional<int32_t> frame = curvanta::FrameFor(item, lngAnimStep);
    Box box;
    if (boxer)
      box = boxer(item, frame);
    else
      box = frame ? item.GetBox(*frame) : item.GetBox();
    if (box.MinX < minX) minX = box.MinX;
    if (box.MaxX > maxX) maxX = box.MaxX;
    if (box.MinY < minY) minY = box.MinY;
    if (box.MaxY > maxY) maxY = box.MaxY;
    if (box.MinZ < minZ) minZ = box.MinZ;
    if (box.MaxZ > maxZ) maxZ = box.MaxZ;
  }
  Box out;
  out.MinX = static_cast<float>(minX - 0.1);
  out.MaxX = static_cast<float>(maxX + 0.1);
  out.MinY = static_cast<float>(minY - 0.1);
  out.MaxY = static_cast<float>(maxY + 0.1);
  out.MinZ = static_cast<float>(minZ - 0.1);
  out.MaxZ = static_cast<float>(maxZ + 0.1);
  return out;
}

void Scene::Draw(int32_t lngAnimStep) const {
  const curvanta::ItemDrawer& drawer = curvanta::Drawer();
  if (!drawer) return;
  // A copy of the holders: a drawing that changes the collection cannot pull it away.
  const std::vector<curvanta::GraphCollection::Entry> items(FunSurfs.begin(), FunSurfs.end());
  for (const auto& entry : items) drawer(*entry.second, curvanta::FrameFor(*entry.second, lngAnimStep));
}

}  // namespace curvanta
