// Every function of the language against long double mathematics, over operands of magnitude
// 1E-45 to 1E+300 of both signs and the points where functions change behaviour: the value to
// float precision wherever it is a finite float, a failure wherever it is undefined or beyond
// the float range, and the same outcome from the raising, quiet, degree-mode and row paths.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "common/errors.h"
#include "common/globals.h"
#include "common/message_service.h"
#include "common/number_text.h"
#include "expr/expression_parser.h"
#include "expr/random_sequence.h"

using namespace curvanta;

namespace {

using Real = long double;

Real Undefined() { return std::numeric_limits<Real>::quiet_NaN(); }

// The mathematics of each function; NaN where it has no value. rnd has no reference: its
// value only has to lie in [0, 1).
struct FunctionCase {
  const char* name;
  Real (*value)(Real);
  bool degreeOperand;  // converted to radians in degree mode
};

const FunctionCase kFunctions[] = {
    {"SIN", [](Real x) { return sinl(x); }, true},
    {"COS", [](Real x) { return cosl(x); }, true},
    {"LOG", [](Real x) { return x > 0 ? logl(x) : Undefined(); }, false},
    {"EXP", [](Real x) { return expl(x); }, false},
    {"ABS", [](Real x) { return fabsl(x); }, false},
    {"ATN", [](Real x) { return atanl(x); }, false},
    {"INT", [](Real x) { return floorl(x); }, false},
    {"RND", nullptr, false},
    {"SQR", [](Real x) { return x >= 0 ? sqrtl(x) : Undefined(); }, false},
    {"TAN", [](Real x) { return tanl(x); }, true},
    {"SEC", [](Real x) { return 1 / cosl(x); }, true},
    {"CSEC", [](Real x) { return 1 / sinl(x); }, true},
    {"CTAN", [](Real x) { return cosl(x) / sinl(x); }, true},
    {"ASIN", [](Real x) { return asinl(x); }, false},
    {"ACOS", [](Real x) { return acosl(x); }, false},
    {"ASEC", [](Real x) { return fabsl(x) >= 1 ? acosl(1 / x) : Undefined(); }, false},
    {"ACSEC", [](Real x) { return fabsl(x) >= 1 ? asinl(1 / x) : Undefined(); }, false},
    {"ACTAN", [](Real x) { return atan2l(1, x); }, false},  // the angle of (x, 1)
    {"SINH", [](Real x) { return sinhl(x); }, false},
    {"COSH", [](Real x) { return coshl(x); }, false},
    {"TANH", [](Real x) { return tanhl(x); }, false},
    {"CTANH", [](Real x) { return 1 / tanhl(x); }, false},
    {"SECH", [](Real x) { return 1 / coshl(x); }, false},
    {"CSECH", [](Real x) { return 1 / sinhl(x); }, false},
    {"ASINH", [](Real x) { return asinhl(x); }, false},
    {"ACOSH", [](Real x) { return x >= 1 ? acoshl(x) : Undefined(); }, false},
    {"ATANH", [](Real x) { return fabsl(x) <= 1 ? atanhl(x) : Undefined(); }, false},
    {"ASECH", [](Real x) { return x > 0 && x <= 1 ? acoshl(1 / x) : Undefined(); }, false},
    {"ACSECH", [](Real x) { return asinhl(1 / x); }, false},
    {"ACTANH", [](Real x) { return fabsl(x) >= 1 ? atanhl(1 / x) : Undefined(); }, false},
};

// An operand x·2^scale: x is the float the variable X holds, 2^scale a constant of the text,
// so that operands beyond the float range are exact too.
struct Operand {
  float x;
  int scale;
  Real value() const { return ldexpl(Real(x), scale); }
};

// Magnitudes 1E-45 to 1E+300, ten to a decade, of both signs, with the points where
// functions change behaviour: 0, ±1 and the floats beside it, the ends of the float and
// double ranges, where the written exponentials and squares used to overflow or cancel.
std::vector<Operand> Operands() {
  std::vector<double> magnitudes;
  for (int tenth = -450; tenth <= 3000; ++tenth) magnitudes.push_back(std::pow(10.0, tenth / 10.0));
  const double special[] = {0.5, 1, double(std::nextafter(1.0f, 0.0f)),
                            double(std::nextafter(1.0f, 2.0f)), 1.5707963267948966, 3.14159265,
                            88.72, 89.41, 89.42, 355, 709.78, 709.79, 710.4, 710.5, 745.2, 800,
                            1000, 4e-11, 5.6e-17, 5.5e-17, double(FLT_MIN), double(FLT_TRUE_MIN),
                            double(FLT_MAX), 1e10, 6e15, 1.34e154, 1.35e154, 1e-300, 1e-310,
                            4.9e-324};
  magnitudes.insert(magnitudes.end(), std::begin(special), std::end(special));
  std::vector<Operand> out{{0.0f, 0}};
  for (double m : magnitudes) {
    int scale = 0;
    if (m > 1e37) scale = 100 * ((std::ilogb(m) - 20) / 100);  // x between 2^20 and 2^120
    if (m < 1e-45) scale = -1000;                               // below the float range
    const float x = float(std::ldexp(m, -scale));
    out.push_back({x, scale});
    out.push_back({-x, scale});
  }
  return out;
}

// What one evaluation did.
struct Outcome {
  enum Kind { Value, Failed, Fault } kind = Failed;
  uint32_t bits = 0;
  int fault = -1;
  float value() const {
    float v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
  }
  bool operator==(const Outcome&) const = default;
};

std::string Describe(const Outcome& o) {
  if (o.kind == Outcome::Value) {
    std::ostringstream s;
    s.precision(9);
    s << o.value();
    return s.str();
  }
  return o.kind == Outcome::Fault ? "fault " + std::to_string(o.fault) : "failed";
}

Outcome Raising(const PostfixProgram& p, bool degree, const VarValues& v) {
  Outcome o;
  ResetRandomSequence();
  try {
    float r = 0;
    if (p.Evaluate(degree, r, v)) {
      o.kind = Outcome::Value;
      std::memcpy(&o.bits, &r, sizeof r);
    }
  } catch (const ArithmeticError& e) {
    o.kind = Outcome::Fault;
    o.fault = int(e.fault());
  }
  return o;
}

// The quiet path names no fault kind: a raised fault is just a fault there.
Outcome Quiet(const PostfixProgram& p, const VarValues& v) {
  Outcome o;
  ResetRandomSequence();
  float r = 0;
  bool faulted = false;
  if (p.EvaluateQuietly(false, r, v, faulted)) {
    o.kind = Outcome::Value;
    std::memcpy(&o.bits, &r, sizeof r);
  } else if (faulted) {
    o.kind = Outcome::Fault;
  }
  return o;
}

// f(x·2^scale) as postfix text.
std::string Text(const char* function, int scale) {
  if (scale == 0) return std::string("XX ") + function + " ";
  const double factor = std::ldexp(1.0, scale);
  const std::string number = FormatPlainDecimal(factor, 17);
  EXPECT_EQ(LeadingNumber(number), factor) << number;
  return "XX " + number + " * " + function + " ";
}

class FunctionAccuracy : public ::testing::Test {
 protected:
  void SetUp() override { ResetGlobals(); }
  void TearDown() override { ResetGlobals(); }
  ScopedMessageRecorder rec;
};

TEST_F(FunctionAccuracy, EveryFunctionToFloatPrecisionWhereverItsValueIsAFiniteFloat) {
  const std::vector<Operand> operands = Operands();
  const Real kLimit = Real(FLT_MAX);
  for (const FunctionCase& f : kFunctions) {
    SCOPED_TRACE(f.name);
    std::vector<std::string> problems;
    auto problem = [&](const Operand& op, const std::string& what) {
      std::ostringstream s;
      s.precision(9);
      s << f.name << "(" << double(op.value()) << "): " << what;
      problems.push_back(s.str());
    };
    std::map<int, PostfixProgram> programs;
    std::map<int, std::vector<float>> rowValues;
    std::map<int, std::vector<uint32_t>> rowBits;
    size_t valued = 0;
    for (const Operand& op : operands) {
      auto it = programs.find(op.scale);
      if (it == programs.end())
        it = programs.emplace(op.scale, PostfixProgram::Compile(Text(f.name, op.scale))).first;
      const PostfixProgram& program = it->second;
      VarValues vars;
      vars.X = op.x;
      const Outcome got = Raising(program, false, vars);

      const Outcome quiet = Quiet(program, vars);
      if (quiet.kind != got.kind || quiet.bits != got.bits)
        problem(op, "quiet path " + Describe(quiet) + ", raising " + Describe(got));
      if (!f.degreeOperand) {
        const Outcome inDegrees = Raising(program, true, vars);
        if (!(inDegrees == got))
          problem(op, "degree mode " + Describe(inDegrees) + ", radians " + Describe(got));
      }
      if (got.kind == Outcome::Value && f.value) {
        rowValues[op.scale].push_back(op.x);
        rowBits[op.scale].push_back(got.bits);
      }

      if (!f.value) {  // rnd
        if (got.kind != Outcome::Value || !(got.value() >= 0 && got.value() < 1))
          problem(op, "gave " + Describe(got));
        continue;
      }
      const Real want = f.value(op.value());
      const Real magnitude = fabsl(want);
      if (std::isnan(want) || magnitude > kLimit * (1 + 1e-6L)) {
        if (got.kind == Outcome::Value)
          problem(op, "gave " + Describe(got) + " where it has no float value");
      } else if (magnitude <= kLimit * (1 - 1e-6L)) {
        ++valued;
        if (got.kind != Outcome::Value) {
          std::ostringstream s;
          s << "gave " << Describe(got) << ", value " << double(want);
          problem(op, s.str());
        } else {
          const Real error = fabsl(Real(got.value()) - want) / fmaxl(magnitude, Real(FLT_MIN));
          if (error > 1e-6L) {
            std::ostringstream s;
            s.precision(9);
            s << "gave " << got.value() << ", value " << double(want) << ", relative error "
              << double(error);
            problem(op, s.str());
          }
        }
      }
    }
    if (f.value) {
      EXPECT_GT(valued, 100u);  // the sweep reaches the function's domain
    }

    // The row path over the operands that evaluate, group by group: the same bits.
    for (auto& [scale, values] : rowValues) {
      std::vector<float> out(values.size());
      const bool done = programs.at(scale).EvaluateRow(false, VarValues{}, 'X', values.data(),
                                                       values.size(), out.data());
      if (!done) {
        problems.push_back(std::string(f.name) + ": the row path gave up at scale " +
                           std::to_string(scale));
        continue;
      }
      for (size_t i = 0; i < values.size(); ++i) {
        uint32_t bits;
        std::memcpy(&bits, &out[i], sizeof bits);
        if (bits != rowBits[scale][i])
          problem({values[i], scale},
                  "row path " + Describe(Outcome{Outcome::Value, bits, -1}) + ", point path " +
                      Describe(Outcome{Outcome::Value, rowBits[scale][i], -1}));
      }
    }

    std::string shown;
    for (size_t i = 0; i < problems.size() && i < 12; ++i) shown += "\n  " + problems[i];
    EXPECT_TRUE(problems.empty()) << problems.size() << " problems:" << shown;
  }
}

}  // namespace
