// The texts of a 2D function item that its analysis evaluates (the abscissa, the function,
// their derivatives), parsed once per drawing with the drawing's evaluator and bound to X,
// A or U by the item's form and coordinate system.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "draw/plane_analysis.h"
#include "expr/expression_parser.h"

namespace curvanta {

class GraphItem;

class ItemPlaneFunctions : public PlaneAnalysisFunctions {
 public:
  // t is bound to T for an animated item (GraphType 9) and ignored otherwise.
  ItemPlaneFunctions(const GraphItem& item, ExpressionEngine& evaluator, float t);

  bool PrepareFirst() override;
  bool PrepareSecond() override;
  std::optional<float> Evaluate(PlaneFn fn, float position, float second) override;
  std::optional<float> ArcLength(float from, float to) override;

  const std::string& D1y() const { return d1y_; }
  const std::string& D1z() const { return d1z_; }

 private:
  // Converts a text with the drawing's evaluator; false after its syntax box.
  bool Parse(const std::string& text, PostfixProgram& program);
  // The same for a derivative text, whose empty form means too long to be formed.
  bool ParseDerivative(const std::string& text, PostfixProgram& program);

  const GraphItem& item_;
  ExpressionEngine& evaluator_;
  bool animated_;
  float t_;
  std::string d1y_, d1z_, d2z_, dq_;
  PostfixProgram expressY_, expressZ_, pd1y_, pd1z_, pd2z_, pdq_;
};

// The text with every variable token T (either case) replaced by the value in parentheses.
std::string BindVariableT(const std::string& text, float t);

}  // namespace curvanta
