// The result box as report sink: the report's CR LF lines become the box's lines, and each
// item's drawing starts it empty.
#include <gtest/gtest.h>

#include <QPlainTextEdit>

#include "draw/ui/text_edit_report_sink.h"

using namespace curvanta;

TEST(TextEditReportSink, ShowsTheReportLines) {
  QPlainTextEdit box;
  box.setPlainText(QStringLiteral("earlier"));
  TextEditReportSink sink(&box);
  sink.clear();
  EXPECT_EQ(box.toPlainText(), QString());
  sink.append("函数 y=x^2\r\n");
  sink.append("  切线：\r\n");
  EXPECT_EQ(box.toPlainText(), QStringLiteral("函数 y=x^2\n  切线：\n"));
  sink.clear();
  EXPECT_EQ(box.toPlainText(), QString());
}
