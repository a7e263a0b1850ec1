// The installed report sink.
#include "draw/report_sink.h"

namespace curvanta {

namespace {
ReportSink* g_sink = nullptr;
}

void SetReportSink(ReportSink* sink) { g_sink = sink; }
ReportSink* CurrentReportSink() { return g_sink; }

}  // namespace curvanta
