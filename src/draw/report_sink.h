// Where the drawing writes the analysis report: the main window connects its result box,
// tests read a plain string. Without a sink the report goes nowhere.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace curvanta {

class ReportSink {
 public:
  virtual ~ReportSink() = default;
  virtual void clear() = 0;
  // Appends text as it is (lines carry their own CrLfText).
  virtual void append(const std::string& text) = 0;
};

void SetReportSink(ReportSink* sink);
ReportSink* CurrentReportSink();

// A sink that keeps the text in a string.
class StringReportSink : public ReportSink {
 public:
  void clear() override { text.clear(); }
  void append(const std::string& more) override { text += more; }
  std::string text;
};

// Installs a string sink for its lifetime and puts the previous one back.
class ScopedStringReport {
 public:
  ScopedStringReport() : previous_(CurrentReportSink()) { SetReportSink(&sink); }
  ~ScopedStringReport() { SetReportSink(previous_); }
  ScopedStringReport(const ScopedStringReport&) = delete;
  ScopedStringReport& operator=(const ScopedStringReport&) = delete;
  const std::string& text() const { return sink.text; }
  StringReportSink sink;

 private:
  ReportSink* previous_;
};

// Runs `draw` with a sink that passes everything on to the installed one and keeps a copy;
// returns a function that writes the same into whatever sink is installed when it is called.
// A fault of `draw` reaches the caller.
std::function<void()> RecordReport(const std::function<void()>& draw);

}  // namespace curvanta
