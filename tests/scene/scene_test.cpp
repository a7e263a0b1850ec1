// The scene: its keyed collection, the padded box and the drawing through the item hook.
#include "scene/scene.h"

#include <gtest/gtest.h>

#include <map>

#include "common/recording_gl.h"
#include "scene/scene_globals.h"

using namespace curvanta;

namespace {

using curvanta::GraphCollection;
using curvanta::SceneError;

// A 3D table item whose box is the two corners given.
std::shared_ptr<GraphItem> TableItem(int32_t id, Point a, Point b) {
  auto item = std::make_shared<GraphItem>();
  item->ID = id;
  item->GraphType = GraphKind::Table3D;
  item->StepU = 1;
  item->StepV = 0;
  item->SetVertTab3D(0, 0, std::make_shared<Point>(a));
  item->SetVertTab3D(1, 0, std::make_shared<Point>(b));
  return item;
}

std::shared_ptr<GraphItem> Item(int32_t id, bool animated = false) {
  auto item = std::make_shared<GraphItem>();
  item->ID = id;
  item->Animation = animated;
  return item;
}

// Records what the scene asked of the items; boxes come from a table by item and frame.
struct Spy {
  std::vector<std::pair<int32_t, std::optional<int32_t>>> drawn, boxed;
  std::map<std::pair<int32_t, int32_t>, Box> boxes;  // (ID, frame or -1) -> box
  curvanta::ItemDrawer oldDrawer;
  curvanta::ItemBoxer oldBoxer;

  Spy() {
    oldDrawer = curvanta::SetItemDrawer([this](GraphItem& item, std::optional<int32_t> frame) {
      drawn.emplace_back(item.ID, frame);
    });
    oldBoxer = curvanta::SetItemBoxer([this](GraphItem& item, std::optional<int32_t> frame) {
      boxed.emplace_back(item.ID, frame);
      auto it = boxes.find({item.ID, frame.value_or(-1)});
      return it != boxes.end() ? it->second : Box{};
    });
  }
  ~Spy() {
    curvanta::SetItemDrawer(oldDrawer);
    curvanta::SetItemBoxer(oldBoxer);
  }
};

Box MakeBox(float x0, float x1, float y0, float y1, float z0, float z1) {
  Box b;
  b.MinX = x0;
  b.MaxX = x1;
  b.MinY = y0;
  b.MaxY = y1;
  b.MinZ = z0;
  b.MaxZ = z1;
  return b;
}

void ExpectBox(const Box& b, std::array<float, 6> want) {
  EXPECT_EQ(b.MinX, want[0]);
  EXPECT_EQ(b.MaxX, want[1]);
  EXPECT_EQ(b.MinY, want[2]);
  EXPECT_EQ(b.MaxY, want[3]);
  EXPECT_EQ(b.MinZ, want[4]);
  EXPECT_EQ(b.MaxZ, want[5]);
}

TEST(GraphCollection, KeysPositionsAndFaults) {
  GraphCollection c;
  c.Add(Item(1));
  c.Add(Item(2), "2");
  c.Add(Item(7));
  EXPECT_EQ(c.Count(), 3);
  EXPECT_EQ(c.Item(3)->ID, 7);
  EXPECT_EQ(c.Item("2")->ID, 2);
  EXPECT_EQ(c.Key(1), "1");

  EXPECT_THROW(c.Add(Item(9), "2"), SceneError);  // duplicate key: nothing changes
  EXPECT_THROW(c.Add(nullptr, "5"), SceneError);
  EXPECT_EQ(c.Count(), 3);
  EXPECT_EQ(c.Item("2")->ID, 2);
  EXPECT_THROW(c.Item(0), SceneError);
  EXPECT_THROW(c.Item(4), SceneError);
  EXPECT_THROW(c.Item("4"), SceneError);
  EXPECT_THROW(c.Remove("4"), SceneError);
  EXPECT_THROW(c.Remove(0), SceneError);

  c.Remove("1");  // the gap closes
  EXPECT_EQ(c.Item(1)->ID, 2);
  c.Remove(2);
  EXPECT_EQ(c.Count(), 1);
  EXPECT_FALSE(c.Contains("7"));
  c.Add(Item(1));  // a removed key can be used again, at the end
  EXPECT_EQ(c.Key(2), "1");
}

TEST(Scene, EmptyScene) {
  Scene scene;
  EXPECT_FALSE(scene.Animation());
  ExpectBox(scene.GetBox(0), {9999999, -9999999, 9999999, -9999999, 9999999, -9999999});
  Spy spy;
  scene.Draw(0);
  EXPECT_TRUE(spy.drawn.empty());
  EXPECT_EQ(scene.ScaleX, 1.0f);
  EXPECT_TRUE(scene.DrawAxis);
  ASSERT_NE(scene.Axis, nullptr);
  EXPECT_FALSE(scene.Axis->Show);
}

TEST(Scene, BoxIsTheUnionPaddedOnce) {
  // Items boxed by their own GetBox (3D tables).
  struct Case {
    std::vector<std::array<float, 6>> items;  // x0, y0, z0, x1, y1, z1
    std::array<float, 6> want;
  };
  const Case cases[] = {
      {{{0, -1, 0, 2, 1, 0}}, {-0.1f, 2.1f, -1.1f, 1.1f, -0.1f, 0.1f}},
      {{{0, 0, 0, 1, 0, 0}, {5, 0, 0, 6, 0, 0}}, {-0.1f, 6.1f, -0.1f, 0.1f, -0.1f, 0.1f}},
  };
  for (const Case& c : cases) {
    Scene scene;
    int32_t id = 0;
    for (const auto& b : c.items)
      scene.FunSurfs.Add(TableItem(++id, Point::Init(b[0], b[1], b[2]), Point::Init(b[3], b[4], b[5])));
    ExpectBox(scene.GetBox(0), c.want);
  }
}

TEST(Scene, EmptyItemBoxesPassOverTheUnion) {
  Spy spy;
  Scene scene;
  scene.FunSurfs.Add(Item(1));
  scene.FunSurfs.Add(Item(2));
  spy.boxes[{1, -1}] = MakeBox(9999999, -9999999, 9999999, -9999999, 9999999, -9999999);
  spy.boxes[{2, -1}] = MakeBox(1, 2, 3, 4, 5, 6);
  ExpectBox(scene.GetBox(0), {0.9f, 2.1f, 2.9f, 4.1f, 4.9f, 6.1f});
}

TEST(Scene, FramesGoToAnimatedItemsOnly) {
  Spy spy;
  Scene scene;
  scene.FunSurfs.Add(Item(1));
  scene.FunSurfs.Add(Item(2, true));
  EXPECT_TRUE(scene.Animation());
  spy.boxes[{1, -1}] = MakeBox(0, 1, 0, 1, 0, 1);
  spy.boxes[{2, 3}] = MakeBox(-4, 0, 0, 1, 0, 1);
  ExpectBox(scene.GetBox(3), {-4.1f, 1.1f, -0.1f, 1.1f, -0.1f, 1.1f});
  scene.Draw(3);
  using Asked = std::vector<std::pair<int32_t, std::optional<int32_t>>>;
  EXPECT_EQ(spy.boxed, (Asked{{1, std::nullopt}, {2, 3}}));
  EXPECT_EQ(spy.drawn, (Asked{{1, std::nullopt}, {2, 3}}));

  Scene first;  // the animated item's position does not matter
  first.FunSurfs.Add(Item(3, true));
  first.FunSurfs.Add(Item(4));
  EXPECT_TRUE(first.Animation());
}

TEST(Scene, DrawWithoutADrawerDrawsNothingAndSetsNoState) {
  curvanta::RecordingGl gl;
  curvanta::ScopedGl use(&gl);
  Scene scene;
  scene.FunSurfs.Add(Item(1));
  scene.Draw(0);
  EXPECT_TRUE(gl.Calls().empty());
}

TEST(Scene, ItemFaultsReachTheCaller) {
  Spy spy;
  curvanta::SetItemDrawer([](GraphItem&, std::optional<int32_t>) { throw std::runtime_error("x"); });
  Scene scene;
  scene.FunSurfs.Add(Item(1));
  EXPECT_THROW(scene.Draw(0), std::runtime_error);
}

TEST(Scene, RemovedFromTheShownSceneOnlyLeavesTheDocument) {
  ResetSceneGlobals();
  Spy spy;
  auto a = Item(1), b = Item(2);
  DocScene.FunSurfs.Add(a);
  DocScene.FunSurfs.Add(b);
  ViewScene.FunSurfs.Add(a);
  ViewScene.FunSurfs.Add(b);
  ViewScene.FunSurfs.Remove("1");
  ViewScene.Draw(0);
  EXPECT_EQ(spy.drawn.size(), 1u);
  EXPECT_EQ(DocScene.FunSurfs.Count(), 2);
  EXPECT_EQ(DocScene.FunSurfs.Item("2"), ViewScene.FunSurfs.Item("2"));  // the same object
  ViewScene.RotYaw = 45;
  DocView.VolWidth = 3;
  DocLight.Enabled = false;
  ResetSceneGlobals();
  EXPECT_EQ(DocScene.FunSurfs.Count(), 0);
  EXPECT_EQ(ViewScene.RotYaw, 0.0f);
  EXPECT_EQ(DocView.VolWidth, 40.0f);
  EXPECT_TRUE(DocLight.Enabled);
}

}  // namespace
