// Graph list line texts of the create commands, the loader and the dialogs' edits.
#include <gtest/gtest.h>

#include "graph/list_lines.h"

using namespace curvanta;

using curvanta::CreateKind;
using curvanta::ListLineFields;

namespace {

ListLineFields G(int type, int coord, int form, std::string x = "X", std::string y = "Y",
                 std::string z = "Z") {
  ListLineFields g;
  g.GraphType = type;
  g.CoordType = coord;
  g.FunForm = form;
  g.ExpressX = std::move(x);
  g.ExpressY = std::move(y);
  g.ExpressZ = std::move(z);
  g.Exp2 = "E2";
  g.NameS = "N";
  return g;
}

struct CreateCase {
  CreateKind kind;
  ListLineFields graph;
  int mode;
  const char* expected;  // nullptr: no text
};

TEST(ListLines, CreateTextsFollowTheCommand) {
  const CreateCase cases[] = {
      {CreateKind::Function2DCartesian, G(0, 1, 2, "0", "x", "sin(x)"), 1, "二维曲线  y=sin(x)"},
      {CreateKind::Function2DCartesian, G(0, 1, 1), 1, "二维曲线  Z=0"},
      {CreateKind::Function2DCartesian, G(0, 1, 3), 1, "二维曲线  x=Y, y=Z"},
      {CreateKind::Function2DCartesian, G(0, 1, 4), 1, "二维不等式  Z<0"},
      // The polar command keeps its letters even for a graph switched to Cartesian.
      {CreateKind::Function2DPolar, G(0, 1, 2), 1, "二维曲线  r=Z"},
      {CreateKind::Function2DPolar, G(0, 2, 3), 1, "二维曲线  a=Y, r=Z"},
      {CreateKind::Animation2DCartesian, G(9, 1, 3), 1, "二维曲线动画  x=Y, y=Z"},
      {CreateKind::Animation2DPolar, G(9, 2, 4), 1, "二维不等式动画  Z<0"},
      {CreateKind::Animation2DPolar, G(9, 2, 1), 1, "二维曲线动画  Z=0"},
      {CreateKind::Function2DCartesian, G(0, 1, 0), 1, nullptr},
      {CreateKind::Strip25DCartesian, G(3, 1, 3), 2, "二维半条带  x=Y,y=Z"},
      {CreateKind::AnimationStrip25DCartesian, G(10, 1, 3), 2, "二维半条带动画  x=Y, y=Z"},
      {CreateKind::Strip25DPolar, G(3, 2, 2), 2, "二维半条带  r=Z"},
      {CreateKind::AnimationStrip25DPolar, G(10, 2, 3), 2, "二维半条带动画  a=Y, r=Z"},
      {CreateKind::Function3DCylindrical, G(2, 4, 2), 3, "三维曲面  z=Z"},
      {CreateKind::Function3DSpherical, G(2, 5, 2), 3, "三维曲面  r=Z"},
      {CreateKind::Function3DCartesian, G(1, 3, 3), 3, "三维曲线  x=X, y=Y, z=Z"},
      {CreateKind::Animation3DSpherical, G(12, 5, 3), 3, "三维曲面动画  a=X, b=Y, r=Z"},
      {CreateKind::Animation3DCylindrical, G(11, 4, 3), 3, "三维曲线动画  a=X, r=Y, z=Z"},
      {CreateKind::Function3DCartesian, G(11, 3, 2), 3, nullptr},  // still command, animated kind
      {CreateKind::Point, G(7, 2, 0), 1, "点  a=Y, r=Z"},
      {CreateKind::Point, G(7, 9, 0), 2, "点  x=Y, y=Z"},
      {CreateKind::Point, G(7, 5, 0), 3, "点  a=X, b=Y, r=Z"},
      {CreateKind::AnimatedPoint, G(8, 3, 0), 3, "点动画   x=X, y=Y, z=Z"},
      {CreateKind::Stem, G(23, 1, 2), 1, "火柴杆图  y=Z"},
      {CreateKind::Step, G(23, 1, 2), 1, "阶梯图  y=Z"},
      {CreateKind::Table3D, G(6, 3, 0), 3, "三维表数据图形  N"},
  };
  for (const auto& c : cases) {
    auto text = curvanta::CreateLineText(c.kind, c.graph, c.mode);
    if (c.expected == nullptr) {
      EXPECT_FALSE(text.has_value()) << *text;
    } else {
      ASSERT_TRUE(text.has_value()) << c.expected;
      EXPECT_EQ(*text, c.expected);
    }
  }
}

TEST(ListLines, LoaderTextsFollowKindFormSystemAndType) {
  auto stepStem = [](bool step, bool stem) {
    auto g = G(23, 1, 2);
    g.ShowStep = step;
    g.ShowStem = stem;
    return g;
  };
  const std::pair<std::pair<ListLineFields, int>, const char*> cases[] = {
      {{G(0, 1, 3), 1}, "二维曲线  x=Y,y=Z"},
      {{G(9, 2, 3), 1}, "二维曲线动画  a=Y,r=Z"},
      {{G(0, 2, 1), 1}, "二维曲线  Z=0"},
      {{G(0, 2, 4), 1}, "二维不等式  Z<0"},
      {{G(0, 2, 2), 1}, "二维曲线  r=Z"},
      {{stepStem(true, true), 1}, "Step & Stem  y=Z"},
      {{stepStem(false, true), 1}, "火柴杆图  y=Z"},
      {{stepStem(false, false), 1}, nullptr},
      {{G(20, 1, 2), 1}, "二维曲线求交  y=Z, y=E2"},
      {{G(7, 1, 0), 1}, "点  x=Y, y=Z"},
      {{G(8, 2, 2), 2}, "点动画  a=Y, r=Z"},
      {{G(3, 1, 3), 2}, "二维半条带  x=Y, y=Z"},
      {{G(10, 1, 3), 2}, "二维半条带动画  x=Y,y=Z"},
      {{G(3, 1, 1), 2}, nullptr},
      {{G(3, 1, 2), 1}, nullptr},
      {{G(2, 3, 3), 3}, "三维曲面  x=X,y=Y,z=Z"},
      {{G(11, 5, 3), 3}, "三维曲线动画  a=X,b=Y,r=Z"},
      {{G(21, 1, 2), 3}, "旋转曲面  y=Z"},
      {{G(7, 3, 0), 3}, "点  x=X, y=Y, z=Z"},
      {{G(13, 3, 2), 3}, nullptr},
      {{G(4, 1, 0), 3}, "二维表数据图形: N"},
  };
  for (const auto& [in, expected] : cases) {
    auto text = curvanta::LoaderLineText(in.first, in.second);
    if (expected == nullptr) {
      EXPECT_FALSE(text.has_value()) << *text;
    } else {
      ASSERT_TRUE(text.has_value()) << expected;
      EXPECT_EQ(*text, expected);
    }
  }
}

TEST(ListLines, EveryGraphGetsALineFromTheLoader) {
  auto none = G(23, 1, 2);
  EXPECT_EQ(curvanta::LoaderLineTextOrFallback(none, 1), "阶梯图  y=Z");
  EXPECT_EQ(curvanta::LoaderLineTextOrFallback(G(3, 1, 2), 1), "二维半条带  y=Z");
  EXPECT_EQ(curvanta::LoaderLineTextOrFallback(G(14, 3, 2), 3), "等值线图  x=X, y=Y, z=Z");
  EXPECT_EQ(curvanta::LoaderLineTextOrFallback(G(17, 1, 2), 1), "图形  N");
  auto unnamed = G(3, 1, 1);
  unnamed.NameS = "";
  EXPECT_EQ(curvanta::LoaderLineTextOrFallback(unnamed, 2), "图形  ");
}

TEST(ListLines, EditTextsOfTheDataDialogs) {
  EXPECT_EQ(curvanta::TableEditLineText(G(5, 1, 0)), "二维半表数据图形  N");
  EXPECT_EQ(curvanta::AnimatedPointEditLineText(G(8, 1, 0), 1), "点动画  x=Y, y=Z");
  EXPECT_EQ(curvanta::PointEditLineText(G(7, 4, 0), 3), "点  a=X, r=Y, z=Z");
  auto g = G(23, 1, 2);
  EXPECT_EQ(curvanta::StepStemEditLineText(g, "火柴杆图  y=old"), "火柴杆图  y=Z");
  EXPECT_EQ(curvanta::StepStemEditLineText(g, "阶梯图  y=old"), "阶梯图  y=Z");
  g.ShowStem = true;
  EXPECT_EQ(curvanta::StepStemEditLineText(g, "阶梯图  y=old"), "火柴杆图  y=Z");
  g.ShowStep = true;
  EXPECT_EQ(curvanta::StepStemEditLineText(g, "火柴杆图  y=old"), "阶梯图  y=Z");
  // An empty expression or name is joined unchanged.
  EXPECT_EQ(*curvanta::CreateLineText(CreateKind::Table2D, ListLineFields{}, 1), "二维表数据图形  ");
}

}  // namespace
