// Trackball projection, quaternion construction, composition and the rotation matrix.
#include "scene/trackball.h"

#include <cmath>

namespace curvanta {

double ArcSin(float x) {
  if (x == 1.0f) return 1.570796326794895;
  const double xd = x;
  return std::atan(xd / std::sqrt(1.0 - xd * xd));
}

void Vec3Zero(Vec4& v) { v[0] = v[1] = v[2] = 0; }

void Vec3Set(Vec4& v, float x, float y, float z) {
  v[0] = x;
  v[1] = y;
  v[2] = z;
}

void Vec3Sub(const Vec4& a, const Vec4& b, Vec4& r) {
  for (int i = 0; i < 3; ++i) r[i] = a[i] - b[i];
}

void Vec3Add(const Vec4& a, const Vec4& b, Vec4& r) {
  for (int i = 0; i < 3; ++i) r[i] = a[i] + b[i];
}

void Vec4Copy(const Vec4& src, Vec4& dst) { dst = src; }

void Vec3Cross(const Vec4& a, const Vec4& b, Vec4& r) {
  Vec4 t;
  t[0] = a[1] * b[2] - a[2] * b[1];
  t[1] = a[2] * b[0] - a[0] * b[2];
  t[2] = a[0] * b[1] - a[1] * b[0];
  t[3] = 0;
  r = t;
}

double Vec3Length(const Vec4& v) {
  const double x = v[0], y = v[1], z = v[2];
  return std::sqrt(x * x + y * y + z * z);
}

void Vec3Scale(Vec4& v, float s) {
  for (int i = 0; i < 3; ++i) v[i] = v[i] * s;
}

void Vec3Normalize(Vec4& v) {
  const double len = Vec3Length(v);
  if (!(len > 0) || !std::isfinite(len)) return;
  Vec3Scale(v, static_cast<float>(1.0 / len));
}

float Vec3Dot(const Vec4& a, const Vec4& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

float SphereDepth(float r, float x, float y) {
  const double xd = x, yd = y, rd = r;
  const float d = static_cast<float>(std::sqrt(xd * xd + yd * yd));
  const float e = static_cast<float>(rd * 7071.0 / 10000.0);
  if (e > d) return static_cast<float>(std::sqrt(rd * rd - double(d) * d));
  const float t = static_cast<float>(rd / 1.414);
  return static_cast<float>(double(t) * t / d);
}

void TrackballQuat(Vec4& q, float p1x, float p1y, float p2x, float p2y) {
  if (p1x == p2x && p1y == p2y) {
    q = curvanta::kIdentityQuat;
    return;
  }
  Vec4 a{p1x, p1y, SphereDepth(0.5f, p1x, p1y), 0};
  Vec4 b{p2x, p2y, SphereDepth(0.5f, p2x, p2y), 0};
  Vec4 axis;
  Vec3Cross(b, a, axis);
  const double axisLength = Vec3Length(axis);
  if (!(axisLength > 0) || !std::isfinite(axisLength)) {
    q = curvanta::kIdentityQuat;
    return;
  }
  Vec4 d;
  Vec3Sub(a, b, d);
  double t = Vec3Length(d) / (2.0 * 0.5);
  if (t > 1.0) t = 1.0;
  if (t < -1.0) t = -1.0;
  const float phi = static_cast<float>(2.0 * ArcSin(static_cast<float>(t)));
  QuatFromAxisAngle(axis, phi, q);
}

void QuatFromAxisAngle(Vec4& a, float phi, Vec4& q) {
  Vec3Normalize(a);
  Vec4Copy(a, q);
  Vec3Scale(q, static_cast<float>(std::sin(double(phi) / 2.0)));
  q[3] = static_cast<float>(std::cos(double(phi) / 2.0));
}

void QuatCompose(const Vec4& q1, const Vec4& q2, Vec4& dest) {
  Vec4 t1 = q1;
  Vec3Scale(t1, q2[3]);
  Vec4 t2 = q2;
  Vec3Scale(t2, q1[3]);
  Vec4 t3;
  Vec3Cross(q2, q1, t3);
  Vec4 tf;
  Vec3Add(t1, t2, tf);
  Vec3Add(t3, tf, tf);
  tf[3] = q1[3] * q2[3] - Vec3Dot(q1, q2);
  dest = tf;
  QuatNormalize(dest);
}

void QuatNormalize(Vec4& q) {
  double sum = 0;
  for (int i = 0; i < 4; ++i) sum += double(q[i]) * q[i];
  float m = static_cast<float>(std::sqrt(sum));
  if (m == 0) m = 1;
  for (int i = 0; i < 4; ++i) q[i] = q[i] / m;
}

void QuatToMatrix(Mat16& m, const Vec4& q) {
  const float q0 = q[0], q1 = q[1], q2 = q[2], q3 = q[3];
  m[0] = 1.0f - 2.0f * (q1 * q1 + q2 * q2);
  m[1] = 2.0f * (q0 * q1 - q2 * q3);
  m[2] = 2.0f * (q2 * q0 + q1 * q3);
  m[3] = 0;
  m[4] = 2.0f * (q0 * q1 + q2 * q3);
  m[5] = 1.0f - 2.0f * (q2 * q2 + q0 * q0);
  m[6] = 2.0f * (q1 * q2 - q0 * q3);
  m[7] = 0;
  m[8] = 2.0f * (q2 * q0 - q1 * q3);
  m[9] = 2.0f * (q1 * q2 + q0 * q3);
  m[10] = 1.0f - 2.0f * (q1 * q1 + q0 * q0);
  m[11] = 0;
  m[12] = 0;
  m[13] = 0;
  m[14] = 0;
  m[15] = 1;
}

float ViewRadians(float degrees) { return static_cast<float>(double(degrees) * 3.1416 / 180.0); }

Vec4 PresetRotation(float rotRoll, float rotPitch, float rotYaw) {
  Vec4 axis{0, 0, 1, 0};
  Vec4 qRoll, qPitch, qYaw, q;
  QuatFromAxisAngle(axis, ViewRadians(rotRoll), qRoll);
  axis = {1, 0, 0, 0};
  QuatFromAxisAngle(axis, ViewRadians(rotPitch), qPitch);
  Vec4 qRP;
  QuatCompose(qRoll, qPitch, qRP);
  axis = {0, 1, 0, 0};
  QuatFromAxisAngle(axis, ViewRadians(rotYaw), qYaw);
  QuatCompose(qRP, qYaw, q);
  return q;
}

}  // namespace curvanta
