// The lines of the analysis report.
#include "draw/report_builder.h"

#include "common/globals.h"
#include "common/number_text.h"
#include "draw/analysis_texts.h"

namespace curvanta {

namespace rt = report_text;

namespace {
std::string Pair(const char* lead, float a, const char* mid, float b) {
  return std::string(lead) + FormatSingle(a) + mid + FormatSingle(b);
}
}  // namespace

void ReportBuilder::Line(const std::string& line) {
  out_ += line;
  out_ += CrLfText;
}

void ReportBuilder::Heading(const std::string& expressZ) { Line(std::string(rt::kHeading) + expressZ); }
void ReportBuilder::EmptyLine() { Line(std::string()); }
void ReportBuilder::Maximum(float x, float y) { Line(Pair(rt::kMaximum, x, rt::kYPart, y)); }
void ReportBuilder::Minimum(float x, float y) { Line(Pair(rt::kMinimum, x, rt::kYPart, y)); }

void ReportBuilder::ArcLength(float from, float to, float length) {
  Line(std::string(rt::kArcFrom) + FormatSingle(from) + rt::kArcTo + FormatSingle(to) +
       rt::kArcLength + FormatSingle(length));
}

void ReportBuilder::ArcLengthFailed(float from, float to) {
  Line(std::string(rt::kArcFrom) + FormatSingle(from) + rt::kArcTo + FormatSingle(to) +
       rt::kArcFailed);
}

void ReportBuilder::TangentHeading() { Line(rt::kTangentHeading); }
void ReportBuilder::TangentPointX(float x, float y) { Line(Pair(rt::kTangentPointX, x, rt::kYPart, y)); }
void ReportBuilder::TangentPointA(float a, float r) { Line(Pair(rt::kTangentPointA, a, rt::kRPart, r)); }
void ReportBuilder::Slope(float m) { Line(std::string(rt::kSlope) + FormatSingle(m)); }
void ReportBuilder::SlopeInfinite() { Line(std::string(rt::kSlope) + rt::kInfinity); }
void ReportBuilder::NormalHeading() { Line(rt::kNormalHeading); }
void ReportBuilder::NormalPointX(float x, float y) { Line(Pair(rt::kNormalPointX, x, rt::kYPart, y)); }
void ReportBuilder::NormalPointA(float a, float r) { Line(Pair(rt::kNormalPointA, a, rt::kRPart, r)); }
void ReportBuilder::Inflection(float x, float y) { Line(Pair(rt::kInflection, x, rt::kYPart, y)); }
void ReportBuilder::CurvatureHeading() { Line(rt::kCurvatureHeading); }
void ReportBuilder::CurvaturePosition(float x, float y) {
  Line(Pair(rt::kCurvaturePosition, x, rt::kYPart, y));
}
void ReportBuilder::Curvature(float k) { Line(std::string(rt::kCurvature) + FormatSingle(k)); }
void ReportBuilder::CurvatureRadius(float r) { Line(std::string(rt::kCurvatureRadius) + FormatSingle(r)); }
void ReportBuilder::CurvatureCentre(float cx, float cy) {
  Line(Pair(rt::kCurvatureCentre, cx, rt::kYPart, cy));
}

}  // namespace curvanta
