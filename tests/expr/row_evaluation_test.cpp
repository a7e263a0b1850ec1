// The compiled program and row evaluation against the plain reference evaluator on generated
// expressions and damaged postfix texts: at every point the compiled program gives the same
// value bits, the same messages and the same raised error as the reference; where a row
// evaluates, every value is bit-identical to the reference's; where it gives up, some point of
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
#include "reference_evaluator.h"

using namespace curvanta;

namespace {

const char* const kFunctionNames[] = {
    "sin",  "cos",   "log",  "exp",   "abs",   "atn",   "int",   "sqr",   "tan",   "sec",
    "csec", "ctan",  "asin", "acos",  "asec",  "acsec", "actan", "sinh",  "cosh",  "tanh",
    "ctanh", "sech", "csech", "asinh", "acosh", "atanh", "asech", "acsech", "actanh", "rnd"};
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

// What an evaluator does at one point: its result, the messages it showed and the error it
// raised, with the random numbers it drew.
struct PointOutcome {
  bool returned = false;  // returned true
  uint32_t bits = 0;      // of the result, when returned
  std::vector<Message> messages;
  std::string raised;     // "engine <code> <text>", "fault <kind> <text>" or ""
  float nextRandom = 0;   // the random number after the evaluation
  bool evaluated() const { return returned && messages.empty() && raised.empty(); }
  bool operator==(const PointOutcome&) const = default;
};

template <typename Evaluator>
PointOutcome Outcome(Evaluator evaluate, RecordingMessageService& messages) {
  PointOutcome o;
  messages.clear();
  ResetRandomSequence();
  try {
    float r = 0;
    o.returned = evaluate(r);
    if (o.returned) std::memcpy(&o.bits, &r, sizeof r);
  } catch (const ArithmeticError& e) {
    o.raised = "fault " + std::to_string(int(e.fault())) + " " + e.what();
  } catch (const EngineError& e) {
    o.raised = "engine " + std::to_string(e.code()) + " " + e.what();
  }
  o.nextRandom = NextRandomSingle();
  o.messages = messages.messages;
  messages.clear();
  return o;
}

std::string Describe(const PointOutcome& o) {
  std::string d = o.returned ? "returned " + std::to_string(o.bits) : "false";
  for (const Message& m : o.messages) d += " [" + m.text + "]";
  return d + " " + o.raised;
}

void PrintTo(const PointOutcome& o, std::ostream* os) { *os << Describe(o); }

// A postfix text damaged as a hand-edited or truncated one may be: a token dropped, or a bad,
// too large or empty token put in.
std::string Damage(std::mt19937& rng, const std::string& postfix) {
  std::vector<std::string> tokens;
  for (size_t begin = 0, blank; (blank = postfix.find(' ', begin)) != std::string::npos;
       begin = blank + 1)
    tokens.push_back(postfix.substr(begin, blank - begin));
  const size_t at = rng() % (tokens.size() + 1);
  static const char* const kInserts[] = {"??", "1e999", "", "+", "SIN", "(-)"};
  if (rng() % 2 == 0 && at < tokens.size())
    tokens.erase(tokens.begin() + long(at));
  else
    tokens.insert(tokens.begin() + long(at), kInserts[rng() % std::size(kInserts)]);
  std::string damaged;
  for (const std::string& t : tokens) damaged += t + " ";
  return damaged;
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

TEST_P(RowEvaluation, CompiledProgramAndRowsAgreeBitForBitWithTheReference) {
  std::mt19937 rng(GetParam() ? 2024u : 7u);
  const float kSamples[] = {0.0f, -0.0f, 1.0f, -1.0f, 0.5f, -0.5f, 2.0f, 3.14159f, -3.0f,
                            1e-20f, 90.0f, 180.0f, 1e20f, -7.25f, 0.999f};
  std::uniform_real_distribution<float> wide(-6.0f, 6.0f);
  ExpressionEngine engine;
  RecordingMessageService& messages = recorder.recorder;
  int rowsEvaluated = 0, rowsGivenUp = 0, pointsRaising = 0, pointsWithMessages = 0;
  for (int e = 0; e < 50000; ++e) {
    const std::string text = Generate(rng, 1 + int(rng() % 5));
    std::string postfix;
    ASSERT_EQ(engine.InfixToPostfix(text, postfix), 0) << text;
    if (rng() % 10 == 0) postfix = Damage(rng, postfix);
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
    messages.clear();
    ResetRandomSequence();
    const float firstRandom = NextRandomSingle();
    ResetRandomSequence();
    const bool rowOk = program.EvaluateRow(degree, base, rowVariable, row.data(), n, out.data());
    ASSERT_TRUE(messages.messages.empty()) << "the row showed a message: " << text;
    ASSERT_EQ(NextRandomSingle(), firstRandom) << "the row drew a random number: " << text;

    bool everyPointEvaluates = true;
    for (size_t i = 0; i < n; ++i) {
      VarValues vars = base;
      SetRowVariable(vars, rowVariable, row[i]);
      const PointOutcome reference = Outcome(
          [&](float& r) { return ReferenceEvaluate(postfix, degree, r, vars); }, messages);
      const PointOutcome compiled =
          Outcome([&](float& r) { return program.Evaluate(degree, r, vars); }, messages);
      ASSERT_EQ(compiled, reference) << "\"" << postfix << "\" at point " << i << ": compiled "
                                     << Describe(compiled) << ", reference "
                                     << Describe(reference);
      everyPointEvaluates &= reference.evaluated();
      pointsRaising += !reference.raised.empty();
      pointsWithMessages += !reference.messages.empty();
      if (rowOk) {
        ASSERT_TRUE(reference.evaluated()) << text << " at point " << i;
        ASSERT_EQ(0, std::memcmp(&reference.bits, &out[i], sizeof(float)))
            << text << " at point " << i << ": " << Describe(reference) << " vs " << out[i];
      }
    }
    // A row gives up only where a point would not evaluate, or where it draws random numbers.
    if (!rowOk && postfix.find("RND") == std::string::npos) {
      ASSERT_FALSE(everyPointEvaluates) << "row gave up needlessly: " << text;
    }
    (rowOk ? rowsEvaluated : rowsGivenUp)++;
  }
  // Every path was exercised in earnest.
  EXPECT_GT(rowsEvaluated, 10000);
  EXPECT_GT(rowsGivenUp, 1000);
  EXPECT_GT(pointsRaising, 1000);
  EXPECT_GT(pointsWithMessages, 1000);
}

// The rows of a grid share their row values; with a RowReuse, the parts that depend on the row
// variable alone are taken from the first row. Every row must still agree with the reference,
// also when the degree mode or the row values change between rows.
TEST_P(RowEvaluation, RowsSharingTheirValuesAgreeWithTheReference) {
  std::mt19937 rng(GetParam() ? 99u : 5u);
  std::uniform_real_distribution<float> wide(-6.0f, 6.0f);
  ExpressionEngine engine;
  RecordingMessageService& messages = recorder.recorder;
  int rowsEvaluated = 0;
  for (int e = 0; e < 8000; ++e) {
    const std::string text = Generate(rng, 1 + int(rng() % 5));
    std::string postfix;
    ASSERT_EQ(engine.InfixToPostfix(text, postfix), 0) << text;
    const PostfixProgram program = PostfixProgram::Compile(postfix);
    const char rowVariable = "UVXYARBT"[rng() % 8];
    const size_t n = 1 + rng() % 300;  // more than one block at times
    std::vector<float> row(n);
    for (float& v : row) v = wide(rng);
    RowReuse reuse;
    bool degree = rng() % 4 == 0;
    for (int r = 0; r < 4; ++r) {
      if (r == 2 && rng() % 2) degree = !degree;          // the settings change
      if (r == 3 && rng() % 2) row[rng() % n] += 0.25f;    // the row values change
      VarValues base;
      for (float* v : {&base.U, &base.V, &base.X, &base.Y, &base.A, &base.R, &base.B, &base.T})
        *v = wide(rng);
      std::vector<float> out(n, -12345.0f);
      const bool rowOk =
          program.EvaluateRow(degree, base, rowVariable, row.data(), n, out.data(), &reuse);
      ASSERT_TRUE(messages.messages.empty()) << text;
      if (!rowOk) continue;
      ++rowsEvaluated;
      for (size_t i = 0; i < n; ++i) {
        VarValues vars = base;
        SetRowVariable(vars, rowVariable, row[i]);
        const PointOutcome reference = Outcome(
            [&](float& v) { return ReferenceEvaluate(postfix, degree, v, vars); }, messages);
        ASSERT_TRUE(reference.evaluated()) << text << " row " << r << " point " << i;
        ASSERT_EQ(0, std::memcmp(&reference.bits, &out[i], sizeof(float)))
            << text << " row " << r << " point " << i << ": " << Describe(reference) << " vs "
            << out[i];
      }
    }
  }
  EXPECT_GT(rowsEvaluated, 8000);
}

INSTANTIATE_TEST_SUITE_P(DivisionByZero, RowEvaluation, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "IsAnError" : "Substituted"; });

// Whole powers are taken over a row a step at a time: every point must keep the reference's
// bits, and the row must give up exactly when one of its points faults or leaves the range of
// a float, with the extreme value anywhere in a row longer than a block.
TEST(RowEvaluationPowers, WholePowersAgreeWithTheReferenceAtEveryPoint) {
  ScopedMessageRecorder recorder;
  RecordingMessageService& messages = recorder.recorder;
  ExpressionEngine engine;
  const std::vector<float> ordinary = {0.5f, -1.25f, 3.0f, -7.5f, 0.999f, 1.0f, -2.0f, 11.0f};
  const float kExtremes[] = {0.0f, -0.0f, 1e-20f, -1e-20f, 1e20f, -3e25f, 1e-40f, 3.4e38f};
  // 0..16 are unrolled over the row; the others (17, and the negative ones) are not.
  for (int power = -17; power <= 17; ++power) {
    std::string postfix;
    const std::string text = "2*y^(" + std::to_string(power) + ")+1";
    ASSERT_EQ(engine.InfixToPostfix(text, postfix), 0) << text;
    const PostfixProgram program = PostfixProgram::Compile(postfix);
    // A long row of ordinary values, then that row with one extreme value at a time.
    std::vector<std::vector<float>> rows;
    std::vector<float> longRow;
    for (size_t i = 0; i < 300; ++i) longRow.push_back(ordinary[i % ordinary.size()] * (1 + float(i) / 64));
    rows.push_back(longRow);
    for (float extreme : kExtremes) {
      rows.push_back(longRow);
      rows.back()[270] = extreme;
    }
    for (const std::vector<float>& row : rows) {
      std::vector<float> out(row.size(), -12345.0f);
      const bool rowOk = program.EvaluateRow(false, {}, 'Y', row.data(), row.size(), out.data());
      bool everyPointEvaluates = true;
      for (size_t i = 0; i < row.size(); ++i) {
        VarValues vars;
        vars.Y = row[i];
        const PointOutcome reference = Outcome(
            [&](float& r) { return ReferenceEvaluate(postfix, false, r, vars); }, messages);
        everyPointEvaluates &= reference.evaluated();
        if (rowOk) {
          ASSERT_TRUE(reference.evaluated()) << text << " at " << row[i];
          ASSERT_EQ(0, std::memcmp(&reference.bits, &out[i], sizeof(float)))
              << text << " at " << row[i] << ": " << Describe(reference) << " vs " << out[i];
        }
      }
      EXPECT_EQ(rowOk, everyPointEvaluates) << text << " with " << row[270];
    }
  }
}

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
