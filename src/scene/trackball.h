// The trackball and the rotation maths of the view: a drag between two window points
// becomes a rotation quaternion; quaternions are composed, normalised and turned into the
// matrix the model is multiplied by. Quaternions hold the vector part in 0..2 and the
// scalar part in 3; the identity is (0, 0, 0, 1).
#pragma once

#include <array>

namespace curvanta {

using Vec4 = std::array<float, 4>;    // vectors use 0..2; quaternions all four
using Mat16 = std::array<float, 16>;  // handed to glMultMatrixf as it stands
inline constexpr Vec4 kIdentityQuat{0, 0, 0, 1};

// Arc sine for 0 <= x <= 1 (exactly pi/2 at 1).
double ArcSin(float x);
void Vec3Zero(curvanta::Vec4& v);
void Vec3Set(curvanta::Vec4& v, float x, float y, float z);
void Vec3Sub(const curvanta::Vec4& a, const curvanta::Vec4& b, curvanta::Vec4& r);
void Vec3Add(const curvanta::Vec4& a, const curvanta::Vec4& b, curvanta::Vec4& r);
void Vec4Copy(const curvanta::Vec4& src, curvanta::Vec4& dst);
// r := a x b and r(3) := 0; r may be a or b.
void Vec3Cross(const curvanta::Vec4& a, const curvanta::Vec4& b, curvanta::Vec4& r);
double Vec3Length(const curvanta::Vec4& v);
void Vec3Scale(curvanta::Vec4& v, float s);
// Scales v to unit length; a zero (or not finite) length leaves v as it is.
void Vec3Normalize(curvanta::Vec4& v);
float Vec3Dot(const curvanta::Vec4& a, const curvanta::Vec4& b);

// Depth of the window point (x, y) on a trackball of radius r: the sphere inside r/sqrt(2),
// the hyperbolic sheet outside.
float SphereDepth(float r, float x, float y);
// q := the rotation of a drag from (p1x, p1y) to (p2x, p2y), window points in -1..1 with y
// up. Equal points, or points whose rotation axis has no usable length, give the identity.
void TrackballQuat(curvanta::Vec4& q, float p1x, float p1y, float p2x, float p2y);
// q := the rotation by phi radians about a; a is normalised in place.
void QuatFromAxisAngle(curvanta::Vec4& a, float phi, curvanta::Vec4& q);
// dest := q2 * q1 (q1 first, then q2), normalised; dest may be q1 or q2.
void QuatCompose(const curvanta::Vec4& q1, const curvanta::Vec4& q2, curvanta::Vec4& dest);
// q := q / |q|; a zero quaternion stays zero.
void QuatNormalize(curvanta::Vec4& q);
// m := the matrix of q in the order glMultMatrixf takes it (read by the GL, the inverse of
// q's rotation: the trackball's sense of turning rests on this).
void QuatToMatrix(curvanta::Mat16& m, const curvanta::Vec4& q);

// Degrees to radians the way the view does it: angle * 3.1416 / 180, held as a float.
float ViewRadians(float degrees);
// The model rotation of a preset view: roll about z first, then pitch about x, then yaw
// about y, composed into one quaternion (angles in degrees).
Vec4 PresetRotation(float rotRoll, float rotPitch, float rotYaw);

}  // namespace curvanta
