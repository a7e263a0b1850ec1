// Builds the analysis report of a 2D function item line by line, each line ended by
// CrLfText, every number in the general single text.
#pragma once

#include <string>

namespace curvanta {

class ReportBuilder {
 public:
  explicit ReportBuilder(std::string& out) : out_(out) {}

  void Heading(const std::string& expressZ);
  void EmptyLine();
  void Maximum(float x, float y);
  void Minimum(float x, float y);
  void ArcLength(float from, float to, float length);
  void ArcLengthFailed(float from, float to);
  void TangentHeading();
  void TangentPointX(float x, float y);
  void TangentPointA(float a, float r);
  void Slope(float m);
  void SlopeInfinite();
  void NormalHeading();
  void NormalPointX(float x, float y);
  void NormalPointA(float a, float r);
  void Inflection(float x, float y);
  void CurvatureHeading();
  void CurvaturePosition(float x, float y);
  void Curvature(float k);
  void CurvatureRadius(float r);
  void CurvatureCentre(float cx, float cy);

  const std::string& text() const { return out_; }

 private:
  void Line(const std::string& line);
  std::string& out_;
};

}  // namespace curvanta
