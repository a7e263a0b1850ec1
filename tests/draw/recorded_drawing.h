// Test helper: one item drawn through the frame into a recording GL layer, with the checks
// every drawing must pass (no GL misuse, the frame's state restored at the end).
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "common/globals.h"
#include "common/message_service.h"
#include "common/recording_gl.h"
#include "draw/graph_draw.h"
#include "draw/report_sink.h"
#include "graph/graph_item.h"

namespace curvanta::testing_support {

inline constexpr double kPi = 3.14159265358979323846;
inline constexpr int32_t kRed = 255;
inline constexpr int32_t kBlue = 16711680;

// Fresh globals in a document of kind `graphMode`, messages recorded, the report kept.
template <int32_t graphMode>
class DrawingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobals();
    GraphMode = graphMode;
  }
  ScopedMessageRecorder messages;
  ScopedStringReport report;
};

// The cells a sequence of blocks draws: a GL_QUADS block as it is; a GL_QUAD_STRIP block
// b0, a0, b1, a1, ... (a row's strip, second row first) as its cells a(k), b(k), b(k+1),
// a(k+1), the corners in the order a cell of its own gives them.
inline std::vector<GlPrimitive> QuadsOf(const std::vector<GlPrimitive>& primitives) {
  std::vector<GlPrimitive> out;
  for (const GlPrimitive& p : primitives) {
    if (p.mode != GL_QUAD_STRIP) {
      out.push_back(p);
      continue;
    }
    const auto& v = p.vertices;
    for (size_t k = 0; 2 * k + 3 < v.size(); ++k)
      out.push_back(GlPrimitive{GL_QUADS, {v[2 * k + 1], v[2 * k], v[2 * k + 2], v[2 * k + 3]}});
  }
  return out;
}

struct RecordedDrawing {
  std::vector<GlCall> calls;
  std::vector<GlPrimitive> primitives;
  std::vector<GlPrimitive> Quads() const { return QuadsOf(primitives); }

  // The arguments of every call named `name`, in order.
  std::vector<std::vector<double>> Args(const std::string& name) const {
    std::vector<std::vector<double>> out;
    for (const GlCall& c : calls)
      if (c.name == name) out.push_back(c.args);
    return out;
  }
  int Count(const std::string& name) const { return int(Args(name).size()); }
  // Calls named `name` inside glBegin/glEnd blocks, per block.
  std::vector<int> PerPrimitive(const std::string& name) const {
    std::vector<int> out;
    bool inside = false;
    for (const GlCall& c : calls) {
      if (c.name == "glBegin") {
        inside = true;
        out.push_back(0);
      } else if (c.name == "glEnd") {
        inside = false;
      } else if (inside && c.name == name) {
        ++out.back();
      }
    }
    return out;
  }
};

// Draws `item` for `frame` (GetPoints first when `sample`).
inline RecordedDrawing DrawRecorded(GraphItem& item, int32_t frame = 0, bool sample = true) {
  if (sample) {
    EXPECT_TRUE(item.GetPoints());
  }
  RecordingGl gl;
  ScopedGl guard(&gl);
  DrawGraphItem(item, frame);
  EXPECT_TRUE(gl.Errors().empty()) << (gl.Errors().empty() ? "" : gl.Errors()[0]);
  EXPECT_FALSE(gl.Enabled(GL_COLOR_MATERIAL));
  EXPECT_EQ(gl.PolygonMode(GL_FRONT), GLenum(GL_FILL));
  EXPECT_EQ(gl.PolygonMode(GL_BACK), GLenum(GL_FILL));
  EXPECT_EQ(gl.ShadeModel(), GLenum(GL_SMOOTH));
  EXPECT_EQ(gl.LineWidth(), 1.0f);
  return RecordedDrawing{gl.Calls(), gl.Primitives()};
}

// A unit colour as the GL receives it.
inline std::array<double, 4> Rgb(double r, double g, double b) { return {r, g, b, 1.0}; }

}  // namespace curvanta::testing_support
