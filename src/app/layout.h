// Placement of the main window's panes from the two splitter positions (all in twips), and
// the limits a splitter bar is held to when it is released.
#pragma once

#include <optional>

namespace curvanta {

struct TwipRect {
  int left = 0, top = 0, width = 0, height = 0;
  bool operator==(const TwipRect&) const = default;
};

// W, H: the window's inner size; T: a toolbar's thickness; S: the status bar's height.
struct LayoutInput {
  int W = 0, H = 0, T = 0, S = 0;
  int splitterLeft = 5220;  // the vertical bar
  int splitter2Top = 0;     // the horizontal bar
  int resultHeight = 0;     // the result box's current height (used when its row is skipped)
};

inline constexpr int kSplitterWidth = 60;
inline constexpr int kSplitter2Height = 40;
inline constexpr int kSplitterStartLeft = 5220;

// Each pane gets a rectangle, or nothing when a size comes out negative (that pane keeps
// its old place).
struct LayoutResult {
  std::optional<TwipRect> splitter, splitter2, picDraw, result, list1;
};

LayoutResult ComputeLayout(const LayoutInput& in);

// The bar positions a layout uses: `in`'s positions (where the user left the bars, or where
// they opened) moved only as far as needed for the graph list, the result box and the
// drawing area to keep at least `leastPane` twips each way (in a window too small for that,
// the drawing area and the result box come first). Callers keep their own positions, so the
// bars go back to them when the window grows again.
LayoutInput BarsKeepingPanesInSight(LayoutInput in, int leastPane);

// Splitter2.Top at load: H - 3T - 40.
int InitialSplitter2Top(int H, int T);

// Release limits: the lower limit first, then the upper one, which wins.
int ReleasedSplitterLeft(int left, int W);
int ReleasedSplitter2Top(int top, int H, int T);

}  // namespace curvanta
