// Evaluation speed of the expression engine (ExpressionEngine::DoEvaluate and PostfixProgram) beside
// muparser and plain C++ on the same expressions, at a moving sample point, over rows and over
// a whole surface grid.
#include <benchmark/benchmark.h>
#include <muParser.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "common/heap_tuning.h"
#include "common/message_service.h"
#include "expr/expression_parser.h"
#include "graph/graph_item.h"

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
    {"x*y", "x*y", [](double x, double y) { return x * y; }},
    {"sin(x)*cos(y)", "sin(x)*cos(y)", [](double x, double y) { return std::sin(x) * std::cos(y); }},
    {"sqr(x^2+y^2)", "sqrt(x^2+y^2)", [](double x, double y) { return std::sqrt(x * x + y * y); }},
    {"exp(-x*x-y*y)", "exp(-x*x-y*y)", [](double x, double y) { return std::exp(-x * x - y * y); }},
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

// Row evaluation, as sampling uses it: rows of 201 points along y at a moving x; the time
// is per point.
void BM_PostfixProgramRow(benchmark::State& state) {
  const Expr& e = kExprs[state.range(0)];
  ExpressionEngine parser;
  std::string postfix;
  if (parser.InfixToPostfix(e.ours, postfix) != 0) state.SkipWithError("syntax");
  const PostfixProgram program = PostfixProgram::Compile(postfix);
  constexpr size_t kRow = 201;
  float ys[kRow], out[kRow];
  for (size_t j = 0; j < kRow; ++j) ys[j] = float(j) * 0.01f - 1.0f;
  int64_t i = 0;
  for (auto _ : state) {
    VarValues v;
    v.X = NextX(i++);
    if (!program.EvaluateRow(false, v, 'Y', ys, kRow, out)) state.SkipWithError("row refused");
    benchmark::DoNotOptimize(out);
  }
  state.SetItemsProcessed(state.iterations() * int64_t(kRow));
  state.SetLabel(e.ours);
}

// A 200 x 200 surface z = f(x, y) on [-1, 1]^2: sampling it (GetPoints) against a muparser
// loop over the same 201 x 201 grid.
void BM_SurfaceGridGetPoints(benchmark::State& state) {
  const Expr& e = kExprs[state.range(0)];
  for (auto _ : state) {
    GraphItem g;
    g.GraphType = GraphKind::Surface3D;
    g.CoordType = CoordKind::Cartesian3D;
    g.FunForm = FormKind::Explicit;
    g.ExpressX = "x";
    g.ExpressY = "y";
    g.ExpressZ = e.ours;
    g.MinU = -1;
    g.MaxU = 1;
    g.StepU = 200;
    g.MinV = -1;
    g.MaxV = 1;
    g.StepV = 200;
    if (!g.GetPoints()) state.SkipWithError("sampling failed");
    benchmark::DoNotOptimize(g.Vert3D(100, 100));
  }
  state.SetLabel(e.ours);
}

void BM_SurfaceGridMuparser(benchmark::State& state) {
  const Expr& e = kExprs[state.range(0)];
  for (auto _ : state) {
    mu::Parser parser;
    double x = 0, y = 0;
    parser.DefineVar("x", &x);
    parser.DefineVar("y", &y);
    parser.SetExpr(e.muparser);
    std::vector<float> z(201 * 201);
    for (int i = 0; i <= 200; ++i) {
      x = -1 + i * 0.01;
      for (int j = 0; j <= 200; ++j) {
        y = -1 + j * 0.01;
        z[size_t(i) * 201 + size_t(j)] = float(parser.Eval());
      }
    }
    benchmark::DoNotOptimize(z.data());
  }
  state.SetLabel(e.muparser);
}

// The native-code column of the row and grid benchmarks: each expression's formula compiled
// as C++ over the same points (the expression's index is a template argument, so the formula
// is inlined into the loop as a compiler would for hand-written code).
template <size_t I>
void BM_NativeRow(benchmark::State& state) {
  constexpr size_t kRow = 201;
  float ys[kRow], out[kRow];
  for (size_t j = 0; j < kRow; ++j) ys[j] = float(j) * 0.01f - 1.0f;
  int64_t i = 0;
  for (auto _ : state) {
    double x = NextX(i++);
    benchmark::DoNotOptimize(x);
    for (size_t j = 0; j < kRow; ++j) out[j] = float(kExprs[I].native(x, ys[j]));
    benchmark::DoNotOptimize(out);
  }
  state.SetItemsProcessed(state.iterations() * int64_t(kRow));
  state.SetLabel(kExprs[I].ours);
}

template <size_t I>
void BM_SurfaceGridNative(benchmark::State& state) {
  for (auto _ : state) {
    std::vector<float> z(201 * 201);
    for (int i = 0; i <= 200; ++i) {
      const double x = -1 + i * 0.01;
      for (int j = 0; j <= 200; ++j) {
        const double y = -1 + j * 0.01;
        z[size_t(i) * 201 + size_t(j)] = float(kExprs[I].native(x, y));
      }
    }
    benchmark::DoNotOptimize(z.data());
  }
  state.SetLabel(kExprs[I].ours);
}

template <size_t... I>
bool RegisterNativeColumn(std::index_sequence<I...>) {
  (benchmark::RegisterBenchmark(("BM_NativeRow/" + std::to_string(I)).c_str(), BM_NativeRow<I>),
   ...);
  (benchmark::RegisterBenchmark(("BM_SurfaceGridNative/" + std::to_string(I)).c_str(),
                                BM_SurfaceGridNative<I>)
       ->Unit(benchmark::kMillisecond),
   ...);
  return true;
}

// ---- A degree-10 polynomial of the row variable, by rows, beside the same polynomial compiled
// as C++ over the same rows (its whole powers by squaring, as a compiler expands them).

const char* const kPolynomial10 =
    "0.5*y^10-1.25*y^9+2*y^8-y^7+3.5*y^6-0.75*y^5+y^4-4*y^3+1.5*y^2-2*y+0.25";

template <unsigned N>
inline double WholePower(double y) {
  double result = 1, b = y;
  for (unsigned k = N; k;) {
    if (k & 1u) result *= b;
    k >>= 1;
    if (k) b *= b;
  }
  return result;
}

double NativePolynomial10(double y) {
  return 0.5 * WholePower<10>(y) - 1.25 * WholePower<9>(y) + 2 * WholePower<8>(y) -
         WholePower<7>(y) + 3.5 * WholePower<6>(y) - 0.75 * WholePower<5>(y) + WholePower<4>(y) -
         4 * WholePower<3>(y) + 1.5 * WholePower<2>(y) - 2 * y + 0.25;
}

constexpr size_t kPolynomialRow = 201;

void PolynomialRowValues(float* ys, int64_t i) {
  const float shift = float(i % 7) * 0.001f;  // so that no row is the one before
  for (size_t j = 0; j < kPolynomialRow; ++j) ys[j] = float(j) * 0.01f - 1.0f + shift;
}

void BM_Polynomial10Row(benchmark::State& state) {
  ExpressionEngine parser;
  std::string postfix;
  if (parser.InfixToPostfix(kPolynomial10, postfix) != 0) state.SkipWithError("syntax");
  const PostfixProgram program = PostfixProgram::Compile(postfix);
  float ys[kPolynomialRow], out[kPolynomialRow];
  int64_t i = 0;
  for (auto _ : state) {
    PolynomialRowValues(ys, i++);
    VarValues v;
    if (!program.EvaluateRow(false, v, 'Y', ys, kPolynomialRow, out))
      state.SkipWithError("row refused");
    benchmark::DoNotOptimize(out);
  }
  state.SetItemsProcessed(state.iterations() * int64_t(kPolynomialRow));
  state.SetLabel(kPolynomial10);
}
BENCHMARK(BM_Polynomial10Row);

void BM_Polynomial10RowNative(benchmark::State& state) {
  float ys[kPolynomialRow], out[kPolynomialRow];
  int64_t i = 0;
  for (auto _ : state) {
    PolynomialRowValues(ys, i++);
    benchmark::DoNotOptimize(ys);
    for (size_t j = 0; j < kPolynomialRow; ++j) out[j] = float(NativePolynomial10(double(ys[j])));
    benchmark::DoNotOptimize(out);
  }
  state.SetItemsProcessed(state.iterations() * int64_t(kPolynomialRow));
  state.SetLabel(kPolynomial10);
}
BENCHMARK(BM_Polynomial10RowNative);

// The same C++ a point at a time, as the point benchmarks above take it.
void BM_Polynomial10PointNative(benchmark::State& state) {
  int64_t i = 0;
  float result = 0;
  for (auto _ : state) {
    double y = NextX(i++);
    benchmark::DoNotOptimize(y);
    result = float(NativePolynomial10(y));
    benchmark::DoNotOptimize(result);
  }
  state.SetItemsProcessed(state.iterations());
  state.SetLabel(kPolynomial10);
}
BENCHMARK(BM_Polynomial10PointNative);

void AllExpressions(benchmark::internal::Benchmark* b) {
  for (int i = 0; i < int(std::size(kExprs)); ++i) b->Arg(i);
}

BENCHMARK(BM_DoEvaluate)->Apply(AllExpressions);
BENCHMARK(BM_DoEvaluatePositional)->Apply(AllExpressions);
BENCHMARK(BM_PostfixProgram)->Apply(AllExpressions);
BENCHMARK(BM_Muparser)->Apply(AllExpressions);
BENCHMARK(BM_Native)->Apply(AllExpressions);
BENCHMARK(BM_PostfixProgramRow)->Apply(AllExpressions);
BENCHMARK(BM_SurfaceGridGetPoints)->Apply(AllExpressions)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SurfaceGridMuparser)->Apply(AllExpressions)->Unit(benchmark::kMillisecond);
const bool kNativeColumnRegistered =
    RegisterNativeColumn(std::make_index_sequence<std::size(kExprs)>{});

}  // namespace

int main(int argc, char** argv) {
  curvanta::KeepFreedMemoryForRedraws();  // as the program does at start-up
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
