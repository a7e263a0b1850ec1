// The fixed texts of the analysis report that the drawing writes into the result box.
// "：" is the full-width colon U+FF1A; the leading blanks are part of the texts.
#pragma once

namespace curvanta::report_text {

inline constexpr const char* kHeading = "函数 y=";
inline constexpr const char* kMaximum = "    极大值： x=";
inline constexpr const char* kMinimum = "    极小值： x=";
inline constexpr const char* kYPart = ", y=";
inline constexpr const char* kRPart = ", r=";
inline constexpr const char* kArcFrom = "    弧长： 从 ";
inline constexpr const char* kArcTo = " 到 ";
inline constexpr const char* kArcLength = " 长度为 ";
inline constexpr const char* kArcFailed = " 无法计算";
inline constexpr const char* kTangentHeading = "  切线：";
inline constexpr const char* kTangentPointX = "    切点： x=";
inline constexpr const char* kTangentPointA = "    切点： a=";
inline constexpr const char* kSlope = "      斜率： ";
inline constexpr const char* kNormalHeading = "  法线：";
inline constexpr const char* kNormalPointX = "    位置： x=";
inline constexpr const char* kNormalPointA = "    位置： a=";
inline constexpr const char* kInflection = "    拐点： x=";
inline constexpr const char* kCurvatureHeading = "    曲率圆：";
inline constexpr const char* kCurvaturePosition = "      位置： x=";
inline constexpr const char* kCurvature = "        曲率： ";
inline constexpr const char* kCurvatureRadius = "        曲率圆的半径： ";
inline constexpr const char* kCurvatureCentre = "        曲率圆的圆心： x=";
inline constexpr const char* kInfinity = "∞";

}  // namespace curvanta::report_text
