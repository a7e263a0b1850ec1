// Evaluation that learns of a fault without an exception: at every point it agrees with
// the raising evaluation on the value, the messages shown and the random numbers drawn.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "common/errors.h"
#include "common/globals.h"
#include "common/message_service.h"
#include "expr/expression_parser.h"
#include "expr/random_sequence.h"

using namespace curvanta;

namespace {

// What one evaluation did: its outcome, its value, the messages it showed and the next
// random number after it (which tells whether it drew one).
struct Outcome {
  enum Kind { Value, Failed, Fault } kind = Failed;
  float value = 0;
  std::vector<Message> messages;
  float nextRandom = 0;
  bool operator==(const Outcome&) const = default;
};

class QuietEvaluation : public ::testing::Test {
 protected:
  void SetUp() override { ResetGlobals(); }
  void TearDown() override { ResetGlobals(); }

  template <typename Evaluate>
  Outcome Run(Evaluate evaluate) {
    rec.recorder.clear();
    ResetRandomSequence();
    Outcome o;
    o.kind = evaluate(o.value);
    o.messages = rec.recorder.messages;
    o.nextRandom = NextRandomSingle();
    return o;
  }
  Outcome Raising(const PostfixProgram& p, const VarValues& v) {
    return Run([&](float& value) {
      try {
        return p.Evaluate(false, value, v) ? Outcome::Value : Outcome::Failed;
      } catch (const ArithmeticError&) {
        return Outcome::Fault;
      } catch (const EngineError&) {
        return Outcome::Fault;
      }
    });
  }
  Outcome Quiet(const PostfixProgram& p, const VarValues& v) {
    return Run([&](float& value) {
      bool faulted = true;
      const bool done = p.EvaluateQuietly(false, value, v, faulted);
      if (done) {
        EXPECT_FALSE(faulted);
      }
      return done ? Outcome::Value : faulted ? Outcome::Fault : Outcome::Failed;
    });
  }

  ScopedMessageRecorder rec;
};

TEST_F(QuietEvaluation, AgreesWithTheRaisingEvaluationAtEveryPoint) {
  // Faults, domain messages and values over a small grid; faults whose later value would
  // be finite again (atn, 1/..., 0*...); messages and random numbers before and after a
  // fault; texts that raise for an unrecognised token or an empty stack.
  const std::vector<std::string> infix = {
      "sqr(x)+log(y)",        "log(y)+exp(1000*x)",  "exp(1000*x)+log(y)",
      "atn(exp(1000*x))",     "1/exp(900*x)",        "0*exp(1000*x)-y",
      "asin(x)*y",            "x^y",                 "acsech(x)+sqr(y)",
      "rnd(1)+exp(1000*x)",   "exp(1000*x)+rnd(1)",  "x/(y-y)+exp(1000*x)",
      "x^2+y^2-1",            "10^(x*40)*10^(y*40)", "sec(x*1.5707963)+int(y)",
      "(0-8)^(x/3)",          "x*0^y",
  };
  std::vector<PostfixProgram> programs;
  ExpressionEngine engine;
  for (const std::string& text : infix) {
    std::string postfix;
    ASSERT_EQ(engine.InfixToPostfix(text, postfix), 0) << text;
    programs.push_back(PostfixProgram::Compile(postfix));
  }
  for (const char* postfix : {"XX SIN XX ", "1 + ", "XX bad ", "XX LOG bad ", "XX 1000 * EXP bad "})
    programs.push_back(PostfixProgram::Compile(postfix));
  int faults = 0, messages = 0, values = 0;
  for (bool divisionIsError : {false, true}) {
    DivZeroIsError = divisionIsError;
    for (size_t k = 0; k < programs.size(); ++k) {
      for (float x : {-2.0f, -1.0f, -0.5f, 0.0f, 0.5f, 1.0f, 2.0f}) {
        for (float y : {-1.0f, 0.0f, 1.0f, 3.0f}) {
          VarValues v;
          v.X = x;
          v.Y = y;
          const Outcome raising = Raising(programs[k], v);
          const Outcome quiet = Quiet(programs[k], v);
          const std::string where = (k < infix.size() ? infix[k] : "postfix " + std::to_string(k)) +
                                    " at " + std::to_string(x) + ", " + std::to_string(y);
          EXPECT_EQ(quiet.kind, raising.kind) << where;
          EXPECT_EQ(quiet.messages, raising.messages) << where;
          EXPECT_EQ(quiet.nextRandom, raising.nextRandom) << where;
          if (raising.kind == Outcome::Value) {
            EXPECT_EQ(quiet.value, raising.value) << where;
          }
          faults += raising.kind == Outcome::Fault;
          values += raising.kind == Outcome::Value;
          messages += !raising.messages.empty();
        }
      }
    }
  }
  // The table reaches every outcome often.
  EXPECT_GT(faults, 100);
  EXPECT_GT(values, 100);
  EXPECT_GT(messages, 50);
}

TEST_F(QuietEvaluation, TextsDeeperThanTheFrameStackAgreeToo) {
  // sin(x)+(sin(x)+(...(log(y)+exp(1000*x))...)): 150 items on the stack at once, far more
  // than an evaluation keeps in its own frame.
  constexpr int kTerms = 150;
  std::string infix;
  for (int i = 0; i < kTerms; ++i) infix += "sin(x)+(";
  infix += "log(y)+exp(1000*x)" + std::string(kTerms, ')');
  ExpressionEngine engine;
  std::string postfix;
  ASSERT_EQ(engine.InfixToPostfix(infix, postfix), 0);
  const PostfixProgram deep = PostfixProgram::Compile(postfix);
  const PostfixProgram deepUnknown = PostfixProgram::Compile(postfix + "bad ");
  int faults = 0, messages = 0;
  for (float x : {0.0f, 0.001f, 1.0f}) {
    for (float y : {-1.0f, 2.0f}) {
      VarValues v;
      v.X = x;
      v.Y = y;
      const std::string where = std::to_string(x) + ", " + std::to_string(y);
      const Outcome raising = Raising(deep, v);
      const Outcome quiet = Quiet(deep, v);
      EXPECT_EQ(quiet, raising) << where;
      faults += raising.kind == Outcome::Fault;
      messages += !raising.messages.empty();
      if (raising.kind == Outcome::Value) {
        const double exact = kTerms * std::sin(double(x)) + std::log(double(y)) + std::exp(1000.0 * x);
        EXPECT_NEAR(quiet.value, exact, 1e-5 * exact) << where;
      }
      // The unrecognised token at the end raises unless log's box ended the evaluation.
      EXPECT_EQ(Quiet(deepUnknown, v), Raising(deepUnknown, v)) << where;
      EXPECT_EQ(Quiet(deepUnknown, v).kind, y > 0 ? Outcome::Fault : Outcome::Failed) << where;
    }
  }
  EXPECT_EQ(faults, 1);    // x = 1, y = 2: exp(1000) overflows
  EXPECT_EQ(messages, 3);  // y = -1: log's box comes first
}

TEST_F(QuietEvaluation, LeavesTheResultAloneAndRaisingOnAfterwards) {
  std::string postfix;
  ExpressionEngine engine;
  ASSERT_EQ(engine.InfixToPostfix("exp(1000*x)", postfix), 0);
  const PostfixProgram p = PostfixProgram::Compile(postfix);
  VarValues v;
  v.X = 1;
  float r = 5;
  bool faulted = false;
  EXPECT_FALSE(p.EvaluateQuietly(false, r, v, faulted));
  EXPECT_TRUE(faulted);
  EXPECT_EQ(r, 5);
  // The next evaluation of the ordinary kind raises again.
  EXPECT_THROW(p.Evaluate(false, r, v), ArithmeticError);
  EXPECT_THROW(PostfixProgram::Compile("1 + ").Evaluate(false, r, v), EngineError);
  v.X = 0;
  EXPECT_TRUE(p.EvaluateQuietly(false, r, v, faulted));
  EXPECT_FALSE(faulted);
  EXPECT_EQ(r, 1);
}

TEST_F(QuietEvaluation, EvaluationsWhileItsBoxIsOpenRaiseAsEver) {
  // A box shown by a quiet evaluation may run other evaluations (a window's event loop):
  // their faults are raised to them, not taken for the quiet one's.
  ExpressionEngine engine;
  std::string faulty, quiet;
  ASSERT_EQ(engine.InfixToPostfix("exp(1000)", faulty), 0);
  ASSERT_EQ(engine.InfixToPostfix("log(x)+exp(1000)", quiet), 0);
  const PostfixProgram inner = PostfixProgram::Compile(faulty);
  struct Service : MessageService {
    const PostfixProgram* inner = nullptr;
    int raised = 0;
    MsgAnswer show(const Message&) override {
      float r = 0;
      try {
        inner->Evaluate(false, r, VarValues{});
      } catch (const ArithmeticError&) {
        ++raised;
      }
      return MsgAnswer::Ok;
    }
  } service;
  service.inner = &inner;
  SetMessageService(&service);
  float r = 4;
  bool faulted = true;
  VarValues v;  // x = 0: the log box first
  EXPECT_FALSE(PostfixProgram::Compile(quiet).EvaluateQuietly(false, r, v, faulted));
  EXPECT_FALSE(faulted);
  EXPECT_EQ(service.raised, 1);
  EXPECT_EQ(r, 4);
  v.X = 1;  // the fault after the log, quietly
  EXPECT_FALSE(PostfixProgram::Compile(quiet).EvaluateQuietly(false, r, v, faulted));
  EXPECT_TRUE(faulted);
  SetMessageService(&rec.recorder);
}

}  // namespace
