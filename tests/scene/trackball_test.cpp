// Trackball projection and rotation maths: the worked examples, properties over random
// drags, and the preset rotation against independently built matrices.
#include "scene/trackball.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace curvanta;

namespace {

using curvanta::Mat16;
using curvanta::Vec4;

using M3 = std::array<double, 9>;  // row-major 3x3

M3 Mul(const M3& a, const M3& b) {
  M3 r{};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j)
      for (int k = 0; k < 3; ++k) r[i * 3 + j] += a[i * 3 + k] * b[k * 3 + j];
  return r;
}
M3 Rx(double a) { return {1, 0, 0, 0, std::cos(a), -std::sin(a), 0, std::sin(a), std::cos(a)}; }
M3 Ry(double a) { return {std::cos(a), 0, std::sin(a), 0, 1, 0, -std::sin(a), 0, std::cos(a)}; }
M3 Rz(double a) { return {std::cos(a), -std::sin(a), 0, std::sin(a), std::cos(a), 0, 0, 0, 1}; }

// The matrix as the GL reads the 16 values (column by column), as row-major 3x3.
M3 AsGlReadsIt(const Mat16& m) {
  M3 r{};
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 3; ++col) r[row * 3 + col] = m[col * 4 + row];
  return r;
}

void ExpectQuatNear(const Vec4& q, std::array<double, 4> want, double tol) {
  for (int i = 0; i < 4; ++i) EXPECT_NEAR(q[i], want[i], tol) << "element " << i;
}

TEST(Trackball, WorkedExamples) {
  struct Case {
    float x1, y1, x2, y2;
    std::array<double, 4> q;
  };
  const Case cases[] = {
      {0, 0, 0, 0, {0, 0, 0, 1}},
      {0.3f, -0.2f, 0.3f, -0.2f, {0, 0, 0, 1}},
      {0, 0, 0.1f, 0, {0, -0.10051, 0, 0.99494}},
      {0.6f, 0, 0.8f, 0, {0, -0.20667, 0, 0.97841}},
      {-0.9f, 0, 0.9f, 0, {0, -1, 0, 0}},  // clamped to a half turn
  };
  for (const Case& c : cases) {
    Vec4 q{9, 9, 9, 9};
    TrackballQuat(q, c.x1, c.y1, c.x2, c.y2);
    ExpectQuatNear(q, c.q, 5e-5);
  }
}

TEST(Trackball, SphereAndSheet) {
  EXPECT_NEAR(SphereDepth(0.5f, 0.5f * 0.0f, 0), 0.5, 1e-7);
  EXPECT_NEAR(SphereDepth(0.5f, 0.6f, 0), 0.20840, 5e-6);
  EXPECT_NEAR(SphereDepth(0.5f, 0.8f, 0), 0.15630, 5e-6);
  // At the seam both surfaces give about 0.5/sqrt(2); the point itself takes the sheet.
  const float seam = static_cast<float>(0.5 / std::sqrt(2.0));
  EXPECT_NEAR(SphereDepth(0.5f, seam, 0), 0.353660, 2e-6);
  EXPECT_NEAR(std::sqrt(0.25 - double(seam) * seam), 0.353553, 1e-6);
  EXPECT_NEAR(SphereDepth(0.5f, 0.0f, 0.1f), std::sqrt(0.24), 1e-7);
  EXPECT_EQ(ArcSin(1.0f), 1.570796326794895);
  EXPECT_NEAR(ArcSin(0.5f), std::asin(0.5), 1e-15);
}

TEST(Trackball, RandomDragsTurnAboutThePerpendicularByTheirDistance) {
  std::mt19937 rng(20261210);
  std::uniform_real_distribution<float> coord(-1.0f, 1.0f);
  auto depth = [](double x, double y) {  // the trackball surface, computed here afresh
    const double d = std::sqrt(x * x + y * y);
    if (d < 0.5 * 0.7071) return std::sqrt(0.25 - d * d);
    const double t = 0.5 / 1.414;
    return t * t / d;
  };
  for (int n = 0; n < 4000; ++n) {
    const float x1 = coord(rng), y1 = coord(rng), x2 = coord(rng), y2 = coord(rng);
    Vec4 q;
    TrackballQuat(q, x1, y1, x2, y2);
    const double a[3] = {x1, y1, depth(x1, y1)};
    const double b[3] = {x2, y2, depth(x2, y2)};
    const double dist =
        std::sqrt((a[0] - b[0]) * (a[0] - b[0]) + (a[1] - b[1]) * (a[1] - b[1]) +
                  (a[2] - b[2]) * (a[2] - b[2]));
    // sin(angle / 2) is the distance between the projected points, up to a half turn.
    const double s = std::sqrt(double(q[0]) * q[0] + double(q[1]) * q[1] + double(q[2]) * q[2]);
    ASSERT_NEAR(s, std::min(dist, 1.0), 1e-5) << n;
    ASSERT_GE(q[3], -1e-6) << n;
    if (s > 1e-3) {
      const double la = std::sqrt(a[0] * a[0] + a[1] * a[1] + a[2] * a[2]);
      const double lb = std::sqrt(b[0] * b[0] + b[1] * b[1] + b[2] * b[2]);
      ASSERT_NEAR((q[0] * a[0] + q[1] * a[1] + q[2] * a[2]) / (s * la), 0, 2e-4) << n;
      ASSERT_NEAR((q[0] * b[0] + q[1] * b[1] + q[2] * b[2]) / (s * lb), 0, 2e-4) << n;
      // The sense: the axis is b x a.
      const double cross[3] = {b[1] * a[2] - b[2] * a[1], b[2] * a[0] - b[0] * a[2],
                               b[0] * a[1] - b[1] * a[0]};
      ASSERT_GT(q[0] * cross[0] + q[1] * cross[1] + q[2] * cross[2], 0) << n;
    }
    // Dragging back undoes the drag.
    Vec4 back, both;
    TrackballQuat(back, x2, y2, x1, y1);
    QuatCompose(q, back, both);
    ASSERT_NEAR(std::fabs(both[3]), 1.0, 1e-6) << n;
    for (int i = 0; i < 3; ++i) ASSERT_NEAR(both[i], 0.0, 5e-6) << n;
  }
}

TEST(Trackball, LongerDragsFromOnePointTurnFurther) {
  double last = -1;
  for (int i = 1; i <= 40; ++i) {
    Vec4 q;
    TrackballQuat(q, -0.2f, 0.1f, -0.2f + 0.02f * i, 0.1f + 0.005f * i);
    const double angle = 2 * std::acos(std::min(1.0, double(q[3])));
    EXPECT_GT(angle, last) << i;
    last = angle;
  }
}

TEST(Trackball, NonFiniteInputGivesTheIdentity) {
  Vec4 q;
  TrackballQuat(q, std::nanf(""), 0, 0.5f, 0);
  ExpectQuatNear(q, {0, 0, 0, 1}, 0);
  TrackballQuat(q, 0, 0, INFINITY, 0);
  ExpectQuatNear(q, {0, 0, 0, 1}, 0);
}

TEST(Quaternion, ComposeNormaliseAndMatrix) {
  Mat16 m;
  QuatToMatrix(m, curvanta::kIdentityQuat);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(m[i], (i % 5 == 0) ? 1.0f : 0.0f) << i;

  Vec4 q;
  TrackballQuat(q, 0.1f, 0.2f, -0.3f, 0.25f);
  Vec4 out;
  QuatCompose(curvanta::kIdentityQuat, q, out);
  ExpectQuatNear(out, {q[0], q[1], q[2], q[3]}, 1e-7);
  // Composition into one of its inputs.
  Vec4 same = q;
  QuatCompose(same, same, same);
  Vec4 twice;
  QuatCompose(q, q, twice);
  EXPECT_EQ(same, twice);

  Vec4 zero{0, 0, 0, 0};
  QuatNormalize(zero);
  EXPECT_EQ(zero, (Vec4{0, 0, 0, 0}));
  Vec4 v{3, 0, 4, 7};
  Vec3Normalize(v);
  EXPECT_FLOAT_EQ(v[0], 0.6f);
  EXPECT_FLOAT_EQ(v[2], 0.8f);
  Vec4 z{0, 0, 0, 0};
  Vec3Normalize(z);  // a zero vector stays zero instead of turning into NaN
  EXPECT_EQ(z, (Vec4{0, 0, 0, 0}));
  Vec4 c{1, 0, 0, 5};
  Vec3Cross(c, Vec4{0, 1, 0, 0}, c);
  EXPECT_EQ(c, (Vec4{0, 0, 1, 0}));
}

TEST(Quaternion, QuatComposeIsTheProductSecondTimesFirst) {
  // Rotations composed by quaternion equal the product of their matrices, q1 applied first.
  Vec4 q1, q2, q;
  TrackballQuat(q1, 0.1f, 0.0f, 0.4f, 0.3f);
  TrackballQuat(q2, -0.2f, 0.5f, 0.1f, -0.1f);
  QuatCompose(q1, q2, q);
  Mat16 m1, m2, m;
  QuatToMatrix(m1, q1);
  QuatToMatrix(m2, q2);
  QuatToMatrix(m, q);
  // The GL reads each matrix as the inverse rotation: inv(q2 q1) = inv(q1) inv(q2).
  const M3 want = Mul(AsGlReadsIt(m1), AsGlReadsIt(m2));
  const M3 got = AsGlReadsIt(m);
  for (int i = 0; i < 9; ++i) EXPECT_NEAR(got[i], want[i], 1e-6) << i;
}

TEST(PresetRotation, IsTheProductOfTheThreeAxisRotations) {
  const float angles[][3] = {{0, 0, 0},  {0, 0, 90},   {0, -90, 0},   {0, -15, 45},
                             {30, 0, 0}, {10, 20, 30}, {-75, 40, -120}, {180, 90, 270}};
  for (const auto& a : angles) {
    const Vec4 q = curvanta::PresetRotation(a[0], a[1], a[2]);
    Mat16 m;
    QuatToMatrix(m, q);
    const double k = 3.1416 / 180;
    // Roll about z, then pitch about x, then yaw about y; the GL reads the inverse.
    const M3 rotation = Mul(Ry(a[2] * k), Mul(Rx(a[1] * k), Rz(a[0] * k)));
    const M3 inverse = Mul(Rz(-a[0] * k), Mul(Rx(-a[1] * k), Ry(-a[2] * k)));
    const M3 got = AsGlReadsIt(m);
    for (int i = 0; i < 9; ++i) {
      EXPECT_NEAR(got[i], inverse[i], 2e-6) << a[0] << " " << a[1] << " " << a[2];
      EXPECT_NEAR(got[i], rotation[(i % 3) * 3 + i / 3], 2e-6);  // the transpose
    }
    for (int i : {3, 7, 11, 12, 13, 14}) EXPECT_EQ(m[i], 0.0f);
    EXPECT_EQ(m[15], 1.0f);
  }
}

TEST(PresetRotation, ViewPresets) {
  struct Case {
    float roll, pitch, yaw;
    std::array<double, 4> q;
    std::array<double, 16> m;  // NaN: not checked
  };
  const double N = NAN;
  const Case cases[] = {
      {0, 0, 0, {0, 0, 0, 1}, {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}},
      {0, 0, 90, {0, 0.70711, 0, 0.70711}, {0, 0, 1, 0, 0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 0, 1}},
      {0, -90, 0, {-0.70711, 0, 0, 0.70711}, {1, 0, 0, 0, 0, 0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1}},
      {0, -15, 45, {-0.12059, 0.37941, 0.04995, 0.91598},
       {N, N, N, N, 0, 0.9659, 0.2588, 0, N, N, N, N, N, N, N, N}},
  };
  for (const Case& c : cases) {
    const Vec4 q = curvanta::PresetRotation(c.roll, c.pitch, c.yaw);
    ExpectQuatNear(q, c.q, 5e-5);
    Mat16 m;
    QuatToMatrix(m, q);
    for (int i = 0; i < 16; ++i)
      if (!std::isnan(c.m[i])) {
        EXPECT_NEAR(m[i], c.m[i], 1e-4) << i;
      }
  }
}

}  // namespace
