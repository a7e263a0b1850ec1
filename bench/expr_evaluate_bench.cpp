// Evaluation speed of the expression engine (ExpressionEngine::DoEvaluate and PostfixProgram) beside
// muparser and plain C++ on the same expressions, at a moving sample point.
#include <benchmark/benchmark.h>
#include <muParser.h>

#include <cmath>
#include <string>

#include "common/message_service.h"
#include "expr/expression_parser.h"

using namespace curvanta;

namespace {

struct Expr {
  const char* ours;
  const char* muparser;
  double (*native)(double x, double y);
};

const Expr kExprs[] = {
    {"2*sin(x)+1", "2*sin(x)+1", [](double x, double) { return 2 * std::sin(x) + 1; }},
    {"x^2+y^2-1", "x^2+y^2-1", [](double x, double y) { return x * x + y * y - 1; }},
    {"sqr(abs(sin(x)*cos(y)))+exp(-x*x)", "sqrt(abs(sin(x)*cos(y)))+exp(-x*x)",
     [](double x, double y) {
       return std::sqrt(std::fabs(std::sin(x) * std::cos(y))) + std::exp(-x * x);
     }},
    {"0.5*x^8-1.25*x^7+2*x^6-x^5+3.5*x^4-0.75*x^3+x^2-4*x+1.5",
     "0.5*x^8-1.25*x^7+2*x^6-x^5+3.5*x^4-0.75*x^3+x^2-4*x+1.5",
     [](double x, double) {
       return 0.5 * std::pow(x, 8) - 1.25 * std::pow(x, 7) + 2 * std::pow(x, 6) -
              std::pow(x, 5) + 3.5 * std::pow(x, 4) - 0.75 * std::pow(x, 3) + x * x - 4 * x +
              1.5;
     }},
};

// Sample points sweep [-1, 1) so that no evaluator sees a constant.
inline float NextX(int64_t i) { return float(i % 2000) * 0.001f - 1.0f; }

void BM_DoEvaluate(benchmark::State& state) {
  const Expr& e = kExprs[state.range(0)];
  ExpressionEngine parser;
  std::string postfix;
  if (parser.InfixToPostfix(e.ours, postfix) != 0) state.SkipWithError("syntax");
  int64_t i = 0;
  float result = 0;
  for (auto _ : state) {
    VarValues v;
    v.X = NextX(i);
    v.Y = 0.5f;
    ++i;
    parser.DoEvaluate(postfix, false, result, v);
    benchmark::DoNotOptimize(result);
  }
  state.SetLabel(e.ours);
}

void BM_DoEvaluatePositional(benchmark::State& state) {
  const Expr& e = kExprs[state.range(0)];
  ExpressionEngine parser;
  std::string postfix;
  if (parser.InfixToPostfix(e.ours, postfix) != 0) state.SkipWithError("syntax");
  int64_t i = 0;
  float result = 0;
  for (auto _ : state) {
    parser.DoEvaluate(postfix, false, result, 0, 0, NextX(i++), 0.5f, 0, 0, 0, 0);
    benchmark::DoNotOptimize(result);
  }
  state.SetLabel(e.ours);
}

void BM_PostfixProgram(benchmark::State& state) {
  const Expr& e = kExprs[state.range(0)];
  ExpressionEngine parser;
  std::string postfix;
  if (parser.InfixToPostfix(e.ours, postfix) != 0) state.SkipWithError("syntax");
  const PostfixProgram program = PostfixProgram::Compile(postfix);
  int64_t i = 0;
  float result = 0;
  for (auto _ : state) {
    VarValues v;
    v.X = NextX(i);
    v.Y = 0.5f;
    ++i;
    program.Evaluate(false, result, v);
    benchmark::DoNotOptimize(result);
  }
  state.SetLabel(e.ours);
}

void BM_Muparser(benchmark::State& state) {
  const Expr& e = kExprs[state.range(0)];
  mu::Parser parser;
  double x = 0, y = 0.5;
  parser.DefineVar("x", &x);
  parser.DefineVar("y", &y);
  parser.SetExpr(e.muparser);
  int64_t i = 0;
  double result = 0;
  for (auto _ : state) {
    x = NextX(i++);
    result = parser.Eval();
    benchmark::DoNotOptimize(result);
  }
  state.SetLabel(e.muparser);
}

void BM_Native(benchmark::State& state) {
  const Expr& e = kExprs[state.range(0)];
  int64_t i = 0;
  float result = 0;
  for (auto _ : state) {
    double x = NextX(i++);
    benchmark::DoNotOptimize(x);
    result = float(e.native(x, 0.5));
    benchmark::DoNotOptimize(result);
  }
  state.SetLabel(e.muparser);
}

void AllExpressions(benchmark::internal::Benchmark* b) {
  for (int i = 0; i < int(std::size(kExprs)); ++i) b->Arg(i);
}

BENCHMARK(BM_DoEvaluate)->Apply(AllExpressions);
BENCHMARK(BM_DoEvaluatePositional)->Apply(AllExpressions);
BENCHMARK(BM_PostfixProgram)->Apply(AllExpressions);
BENCHMARK(BM_Muparser)->Apply(AllExpressions);
BENCHMARK(BM_Native)->Apply(AllExpressions);

}  // namespace

BENCHMARK_MAIN();
