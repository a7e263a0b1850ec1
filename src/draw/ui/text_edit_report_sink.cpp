// Report text into the result box; the report's CR LF line ends become the box's line breaks.
#include "draw/ui/text_edit_report_sink.h"

#include <QString>

namespace curvanta {

void TextEditReportSink::clear() {
  text_.clear();
  Show();
}

void TextEditReportSink::append(const std::string& text) {
  text_ += text;
  Show();
}

void TextEditReportSink::Show() {
  if (!box_) return;
  QString shown = QString::fromUtf8(text_.data(), static_cast<qsizetype>(text_.size()));
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  box_->setPlainText(shown);
}

}  // namespace curvanta
