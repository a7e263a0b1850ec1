// Cost of sampling graph items against the bare cost of the evaluations the sampling makes:
// a 200 x 200 surface, the same surface over 10 animation frames, and a 2D function with
// every derived curve. Each pair reports the time per sample; the sampling should cost at most
// 1.5 times its evaluations.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <string>
#include <vector>

#include "common/globals.h"
#include "common/heap_tuning.h"
#include "common/message_service.h"
#include "expr/derivative_text.h"
#include "expr/expression_parser.h"
#include "graph/graph_item.h"

using namespace curvanta;

namespace {

constexpr int kGrid = 200;
constexpr int kCurveSteps = 10000;  // the most a sampling takes

PostfixProgram Compile(const std::string& infix) {
  ExpressionEngine parser;
  std::string postfix;
  if (parser.InfixToPostfix(infix, postfix) != 0) return PostfixProgram();
  return PostfixProgram::Compile(postfix);
}

// Seconds per sample, printed with its SI prefix ("41.2n" is 41.2 ns).
void PerSample(benchmark::State& state, double samplesPerIteration) {
  state.counters["per_sample"] = benchmark::Counter(
      samplesPerIteration,
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

GraphItem Surface(int32_t kind) {
  GraphItem g;
  g.GraphType = kind;
  g.CoordType = 3;
  g.FunForm = 2;
  g.ExpressX = "x";
  g.ExpressY = "y";
  g.ExpressZ = kind == GraphKind::Surface3DAnim ? "sin(x+t)*cos(y)" : "sin(x)*cos(y)";
  g.StepU = kGrid;
  g.StepV = kGrid;
  g.MinU = -3;
  g.MaxU = 3;
  g.MinV = -3;
  g.MaxV = 3;
  g.Animation = kind == GraphKind::Surface3DAnim;
  g.MinT = 0;
  g.MaxT = 1;
  return g;
}

// ---- 200 x 200 surface: each sample evaluates "x", "y" and the function.

void BM_SurfaceGetPoints(benchmark::State& state) {
  ResetGlobals();
  GraphItem g = Surface(GraphKind::Surface3D);
  for (auto _ : state) {
    bool ok = g.GetPoints();
    benchmark::DoNotOptimize(ok);
    if (!ok) state.SkipWithError("sampling failed");
  }
  PerSample(state, double((kGrid + 1) * (kGrid + 1)));
}
BENCHMARK(BM_SurfaceGetPoints)->Unit(benchmark::kMillisecond);

void BM_SurfaceEvaluationsOnly(benchmark::State& state) {
  PostfixProgram px = Compile("x"), py = Compile("y"), pz = Compile("sin(x)*cos(y)");
  const float d = 6.0f / kGrid;
  for (auto _ : state) {
    float sum = 0;
    for (int i = 0; i <= kGrid; ++i) {
      VarValues vars;
      vars.X = float(double(d) * i - 3.0);
      for (int j = 0; j <= kGrid; ++j) {
        vars.Y = float(double(d) * j - 3.0);
        float a = 0, b = 0, c = 0;
        px.Evaluate(false, a, vars);
        py.Evaluate(false, b, vars);
        pz.Evaluate(false, c, vars);
        sum += a + b + c;
      }
    }
    benchmark::DoNotOptimize(sum);
  }
  PerSample(state, double((kGrid + 1) * (kGrid + 1)));
}
BENCHMARK(BM_SurfaceEvaluationsOnly)->Unit(benchmark::kMillisecond);

// ---- The same surface over 10 animation frames (401,801 samples): memory and time.

void BM_AnimatedSurfaceGetPoints(benchmark::State& state) {
  ResetGlobals();
  AnimFrameCount = 10;
  GraphItem g = Surface(GraphKind::Surface3DAnim);
  for (auto _ : state) {
    bool ok = g.GetPoints();
    benchmark::DoNotOptimize(ok);
    if (!ok) state.SkipWithError("sampling failed");
  }
  PerSample(state, double((kGrid + 1) * (kGrid + 1) * 11));
  state.counters["MiB"] = double(g.Anim3DGrid().Count() * sizeof(Point)) / (1024.0 * 1024.0);
}
BENCHMARK(BM_AnimatedSurfaceGetPoints)->Unit(benchmark::kMillisecond);

void BM_AnimatedSurfaceEvaluationsOnly(benchmark::State& state) {
  PostfixProgram pz = Compile("sin(x+t)*cos(y)");
  const float d = 6.0f / kGrid;
  for (auto _ : state) {
    float sum = 0;
    for (int i = 0; i <= kGrid; ++i)
      for (int j = 0; j <= kGrid; ++j)
        for (int k = 0; k <= 10; ++k) {
          VarValues vars;
          vars.X = float(double(d) * i - 3.0);
          vars.Y = float(double(d) * j - 3.0);
          vars.T = float(0.1 * k);
          float c = 0;
          pz.Evaluate(false, c, vars);
          sum += c;
        }
    benchmark::DoNotOptimize(sum);
  }
  PerSample(state, double((kGrid + 1) * (kGrid + 1) * 11));
}
BENCHMARK(BM_AnimatedSurfaceEvaluationsOnly)->Unit(benchmark::kMillisecond);

// ---- A 60 x 60 animated surface over 10, 100 and 1000 frames: the time per sample should not
// grow with the number of frames. Each iteration samples the same item again, as a change of
// the item's settings does, after a first sampling outside the timing; the first sampling of a
// new item is timed on its own.

GraphItem LongAnimation(int32_t frames) {
  ResetGlobals();
  AnimFrameCount = frames;
  GraphItem g = Surface(GraphKind::Surface3DAnim);
  g.StepU = g.StepV = 60;
  return g;
}

void BM_LongAnimationGetPoints(benchmark::State& state) {
  const int32_t frames = int32_t(state.range(0));
  GraphItem g = LongAnimation(frames);
  if (!g.GetPoints()) state.SkipWithError("sampling failed");
  for (auto _ : state) {
    bool ok = g.GetPoints();
    benchmark::DoNotOptimize(ok);
    if (!ok) state.SkipWithError("sampling failed");
  }
  PerSample(state, double(61 * 61) * double(frames + 1));
}
BENCHMARK(BM_LongAnimationGetPoints)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_LongAnimationFirstSampling(benchmark::State& state) {
  const int32_t frames = int32_t(state.range(0));
  for (auto _ : state) {
    GraphItem g = LongAnimation(frames);
    bool ok = g.GetPoints();
    benchmark::DoNotOptimize(ok);
    if (!ok) state.SkipWithError("sampling failed");
  }
  PerSample(state, double(61 * 61) * double(frames + 1));
}
BENCHMARK(BM_LongAnimationFirstSampling)->Arg(1000)->Unit(benchmark::kMillisecond);

// The memory of a 198 x 198 surface over 100 frames: the process's peak resident set after
// sampling it (run this benchmark alone for a figure of its own).
void BM_AnimationMemory198x100(benchmark::State& state) {
  ResetGlobals();
  AnimFrameCount = 100;
  GraphItem g = Surface(GraphKind::Surface3DAnim);
  g.StepU = g.StepV = 198;
  for (auto _ : state) {
    bool ok = g.GetPoints();
    benchmark::DoNotOptimize(ok);
    if (!ok) state.SkipWithError("sampling failed");
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_RSS_MiB"] = double(usage.ru_maxrss) / 1024.0;
  state.counters["points_MiB"] =
      double(g.Anim3DGrid().Count() * sizeof(Point)) / (1024.0 * 1024.0);
}
BENCHMARK(BM_AnimationMemory198x100)->Unit(benchmark::kMillisecond);

// ---- 2D explicit function with every derived curve: per sample the function, its first
// and second derivative and the mirrored function.

const char* const kCurve = "sin(x)*x^2+exp(x/5)";

void BM_CurveWithDerivedGetPoints(benchmark::State& state) {
  ResetGlobals();
  curvanta::ScopedMessageRecorder quiet;
  GraphItem g;
  g.GraphType = GraphKind::Function2D;
  g.CoordType = 1;
  g.FunForm = 2;
  g.ExpressX = "0";
  g.ExpressY = "x";
  g.ExpressZ = kCurve;
  g.StepV = kCurveSteps;
  g.MinV = -5;
  g.MaxV = 5;
  g.ShowDev = g.ShowQie = g.ShowNml = g.ShowMax = g.ShowMin = true;
  g.ShowCurv = g.ShowGuai = g.ShowJO = true;
  for (auto _ : state) {
    bool ok = g.GetPoints();
    benchmark::DoNotOptimize(ok);
    if (!ok) {
      const auto& shown = quiet.recorder.messages;
      state.SkipWithError(shown.empty() ? "sampling failed" : shown.back().text.c_str());
    }
  }
  PerSample(state, double((kCurveSteps + 1)));
}
BENCHMARK(BM_CurveWithDerivedGetPoints)->Unit(benchmark::kMillisecond);

void BM_CurveWithDerivedEvaluationsOnly(benchmark::State& state) {
  const std::string d1 = DerivativeText(kCurve);
  const std::string d2 = DerivativeText(d1);
  PostfixProgram f = Compile(kCurve), f1 = Compile(d1), f2 = Compile(d2),
                 fn = Compile("sin((-x))*(-x)^2+exp((-x)/5)");
  const float d = 10.0f / kCurveSteps;
  for (auto _ : state) {
    float sum = 0;
    for (int j = 0; j <= kCurveSteps; ++j) {
      VarValues vars;
      vars.X = float(double(d) * j - 5.0);
      float a = 0, b = 0, c = 0, e = 0;
      f.Evaluate(false, a, vars);
      f1.Evaluate(false, b, vars);
      f2.Evaluate(false, c, vars);
      vars.X = float(double(d) * j - 5.0);  // the mirrored range has the same values here
      fn.Evaluate(false, e, vars);
      sum += a + b + c + e;
    }
    benchmark::DoNotOptimize(sum);
  }
  PerSample(state, double((kCurveSteps + 1)));
}
BENCHMARK(BM_CurveWithDerivedEvaluationsOnly)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  curvanta::KeepFreedMemoryForRedraws();  // as the program does at start-up
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
