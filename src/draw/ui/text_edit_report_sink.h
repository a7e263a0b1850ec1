// The result box as the drawing's report sink: the report's lines shown in a text box.
#pragma once

#include <QPlainTextEdit>
#include <QPointer>
#include <string>

#include "draw/report_sink.h"

namespace curvanta {

class TextEditReportSink : public ReportSink {
 public:
  explicit TextEditReportSink(QPlainTextEdit* box) : box_(box) {}
  void clear() override;
  void append(const std::string& text) override;

 private:
  void Show();
  QPointer<QPlainTextEdit> box_;
  std::string text_;
};

}  // namespace curvanta
