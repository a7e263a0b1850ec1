// The installed report sink, and a recording of what a drawing wrote into it.
#include "draw/report_sink.h"

#include <memory>
#include <optional>

namespace curvanta {

namespace {
ReportSink* g_sink = nullptr;
}

void SetReportSink(ReportSink* sink) { g_sink = sink; }
ReportSink* CurrentReportSink() { return g_sink; }

namespace {

// Passes on to the sink it replaced; keeps each clear (an empty step) and append in order.
class TeeReportSink : public ReportSink {
 public:
  explicit TeeReportSink(ReportSink* next) : next_(next) {}
  void clear() override {
    steps.emplace_back(std::nullopt);
    if (next_) next_->clear();
  }
  void append(const std::string& text) override {
    steps.emplace_back(text);
    if (next_) next_->append(text);
  }
  std::vector<std::optional<std::string>> steps;

 private:
  ReportSink* next_;
};

}  // namespace

std::function<void()> RecordReport(const std::function<void()>& draw) {
  ReportSink* previous = CurrentReportSink();
  auto tee = std::make_shared<TeeReportSink>(previous);
  SetReportSink(tee.get());
  try {
    draw();
  } catch (...) {
    SetReportSink(previous);
    throw;
  }
  SetReportSink(previous);
  // Only what follows the last clear counts: keep that much.
  auto& steps = tee->steps;
  for (size_t i = steps.size(); i-- > 0;)
    if (!steps[i]) {
      steps.erase(steps.begin(), steps.begin() + std::ptrdiff_t(i));
      break;
    }
  return [recorded = std::move(steps)] {
    ReportSink* sink = CurrentReportSink();
    if (!sink) return;
    for (const std::optional<std::string>& step : recorded) {
      if (step)
        sink->append(*step);
      else
        sink->clear();
    }
  };
}

}  // namespace curvanta
