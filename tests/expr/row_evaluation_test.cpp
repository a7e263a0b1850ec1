// Row evaluation against the point-at-a-time evaluator on generated expressions: where a row
// evaluates, every value is bit-identical to the point's; where it gives up, some point of
// the row really faults, shows a message or fails, and the row itself showed nothing.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "common/errors.h"
#include "common/globals.h"
#include "common/message_service.h"
#include "expr/expression_parser.h"
#include "expr/random_sequence.h"

using namespace curvanta;

namespace {

const char* const kFunctionNames[] = {
    "sin",  "cos",   "log",  "exp",   "abs",   "atn",   "int",   "sqr",   "tan",   "sec",
    "csec", "ctan",  "asin", "acos",  "asec",  "acsec", "actan", "sinh",  "cosh",  "tanh",
    "ctanh", "sech", "csech", "asinh", "acosh", "atanh", "asech", "acsech", "actanh"};
const char* const kConstants[] = {"0", "1", "2", "0.5", "3", "10", "16", "17", "2.5",
                                  "100000", "100000000000000000000000000000", "0.001", "180"};
const char kVariables[] = "xyuvarbt";

std::string Generate(std::mt19937& rng, int depth) {
  std::uniform_int_distribution<int> pick(0, 99);
  const int p = pick(rng);
  if (depth == 0 || p < 30) {
    if (p % 2 == 0) return std::string(1, kVariables[rng() % 8]);
    return kConstants[rng() % std::size(kConstants)];
  }
  if (p < 70) {
    static const char kOps[] = "+-*/^";
    return "(" + Generate(rng, depth - 1) + kOps[rng() % 5] + Generate(rng, depth - 1) + ")";
  }
  if (p < 78) return "(-" + Generate(rng, depth - 1) + ")";
  return std::string(kFunctionNames[rng() % std::size(kFunctionNames)]) + "(" +
         Generate(rng, depth - 1) + ")";
}

// What the point evaluator does at one point.
struct PointOutcome {
  bool evaluated = false;  // returned true without a message
  float value = 0;
};

PointOutcome EvaluatePoint(const PostfixProgram& program, bool degree, const VarValues& vars,
                           RecordingMessageService& messages) {
  PointOutcome o;
  messages.clear();
  try {
    float r = 0;
    o.evaluated = program.Evaluate(degree, r, vars) && messages.messages.empty();
    o.value = r;
  } catch (const ArithmeticError&) {
  } catch (const EngineError&) {
  }
  messages.clear();
  return o;
}

void SetRowVariable(VarValues& v, char letter, float value) {
  switch (letter) {
    case 'U': v.U = value; break;
    case 'V': v.V = value; break;
    case 'X': v.X = value; break;
    case 'Y': v.Y = value; break;
    case 'A': v.A = value; break;
    case 'R': v.R = value; break;
    case 'B': v.B = value; break;
    default: v.T = value; break;
  }
}

struct RowEvaluation : ::testing::TestWithParam<bool> {
  void SetUp() override { DivZeroIsError = GetParam(); }
  void TearDown() override { ResetGlobals(); }
  ScopedMessageRecorder recorder;
};

TEST_P(RowEvaluation, AgreesBitForBitWithThePointEvaluator) {
  std::mt19937 rng(GetParam() ? 2024u : 7u);
  const float kSamples[] = {0.0f, -0.0f, 1.0f, -1.0f, 0.5f, -0.5f, 2.0f, 3.14159f, -3.0f,
                            1e-20f, 90.0f, 180.0f, 1e20f, -7.25f, 0.999f};
  std::uniform_real_distribution<float> wide(-6.0f, 6.0f);
  ExpressionEngine engine;
  int rowsEvaluated = 0, rowsGivenUp = 0;
  for (int e = 0; e < 50000; ++e) {
    const std::string text = Generate(rng, 1 + int(rng() % 5));
    std::string postfix;
    ASSERT_EQ(engine.InfixToPostfix(text, postfix), 0) << text;
    const PostfixProgram program = PostfixProgram::Compile(postfix);
    const char rowVariable = "UVXYARBT"[rng() % 8];
    const bool degree = rng() % 4 == 0;
    VarValues base;
    for (float* v : {&base.U, &base.V, &base.X, &base.Y, &base.A, &base.R, &base.B, &base.T})
      *v = rng() % 3 == 0 ? kSamples[rng() % std::size(kSamples)] : wide(rng);
    const size_t n = 1 + rng() % 24;
    std::vector<float> row(n);
    for (float& v : row) v = rng() % 3 == 0 ? kSamples[rng() % std::size(kSamples)] : wide(rng);

    std::vector<float> out(n, -12345.0f);
    recorder.recorder.clear();
    const bool rowOk = program.EvaluateRow(degree, base, rowVariable, row.data(), n, out.data());
    ASSERT_TRUE(recorder.recorder.messages.empty()) << "the row showed a message: " << text;

    bool everyPointEvaluates = true;
    for (size_t i = 0; i < n; ++i) {
      VarValues vars = base;
      SetRowVariable(vars, rowVariable, row[i]);
      const PointOutcome point = EvaluatePoint(program, degree, vars, recorder.recorder);
      everyPointEvaluates &= point.evaluated;
      if (rowOk) {
        ASSERT_TRUE(point.evaluated) << text << " at point " << i;
        ASSERT_EQ(0, std::memcmp(&point.value, &out[i], sizeof(float)))
            << text << " at point " << i << ": " << point.value << " vs " << out[i];
      }
    }
    // A row gives up only where a point would not evaluate.
    if (!rowOk) {
      ASSERT_FALSE(everyPointEvaluates) << "row gave up needlessly: " << text;
    }
    (rowOk ? rowsEvaluated : rowsGivenUp)++;
  }
  // Both paths were exercised in earnest.
  EXPECT_GT(rowsEvaluated, 10000);
  EXPECT_GT(rowsGivenUp, 1000);
}

INSTANTIATE_TEST_SUITE_P(DivisionByZero, RowEvaluation, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "IsAnError" : "Substituted"; });

TEST(RowEvaluationLimits, RandomNumbersAndBadTextsAreLeftToThePointEvaluator) {
  ScopedMessageRecorder recorder;
  ExpressionEngine engine;
  const float row[3] = {1, 2, 3};
  float out[3] = {};
  for (const char* text : {"rnd(1)+x", "x*rnd(x)"}) {
    std::string postfix;
    ASSERT_EQ(engine.InfixToPostfix(text, postfix), 0);
    ResetRandomSequence();
    const float first = NextRandomSingle();
    ResetRandomSequence();
    EXPECT_FALSE(PostfixProgram::Compile(postfix).EvaluateRow(false, {}, 'X', row, 3, out)) << text;
    EXPECT_EQ(NextRandomSingle(), first) << "the row drew a random number: " << text;
  }
  for (const char* postfix : {"XX ?? + ", "+ ", "1e999 "})
    EXPECT_FALSE(PostfixProgram::Compile(postfix).EvaluateRow(false, {}, 'X', row, 3, out)) << postfix;
  EXPECT_TRUE(recorder.recorder.messages.empty());
}

}  // namespace
