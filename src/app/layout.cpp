// The main window's pane placement.
#include "app/layout.h"

#include <algorithm>

namespace curvanta {

namespace {
std::optional<TwipRect> Rect(int l, int t, int w, int h) {
  if (w < 0 || h < 0) return std::nullopt;
  return TwipRect{l, t, w, h};
}
}  // namespace

LayoutResult ComputeLayout(const LayoutInput& in) {
  LayoutResult r;
  const int W = in.W, H = in.H, T = in.T, S = in.S;
  r.splitter = Rect(in.splitterLeft, 2 * T, kSplitterWidth, H - 2 * T - S);
  r.splitter2 = Rect(0, in.splitter2Top, in.splitterLeft, kSplitter2Height);
  r.picDraw = Rect(in.splitterLeft + kSplitterWidth, 2 * T, W - in.splitterLeft - kSplitterWidth - T,
                   H - 2 * T - S);
  r.result = Rect(0, in.splitter2Top + kSplitter2Height, in.splitterLeft, H - 60 - S - in.splitter2Top);
  // The list reads the result box's height as it now stands (its old one when skipped).
  int resultHeight = r.result ? r.result->height : in.resultHeight;
  r.list1 = Rect(0, 2 * T, in.splitterLeft, H - 2 * T - S - kSplitter2Height - resultHeight);
  return r;
}

LayoutInput BarsKeepingPanesInSight(LayoutInput in, int leastPane) {
  // The upper bound is applied last, so it wins when the two cross.
  auto hold = [](int v, int lower, int upper) { return std::min(std::max(v, lower), upper); };
  // Left pane width = Left; drawing area width = W - Left - 60 - T.
  in.splitterLeft =
      hold(in.splitterLeft, leastPane, in.W - in.T - kSplitterWidth - leastPane);
  // List height = Top - 2T + 20; result height = H - 60 - S - Top (as ComputeLayout places them).
  in.splitter2Top = hold(in.splitter2Top, 2 * in.T - 20 + leastPane, in.H - 60 - in.S - leastPane);
  return in;
}

int InitialSplitter2Top(int H, int T) { return H - 3 * T - 40; }

int ReleasedSplitterLeft(int left, int W) {
  int upper = W - 1000;
  if (left < 1000) left = 1000;
  if (left > upper) left = upper;
  return left;
}

int ReleasedSplitter2Top(int top, int H, int T) {
  int upper = H - 3 * T;
  if (top < 2000) top = 2000;
  if (top > upper) top = upper;
  return top;
}

}  // namespace curvanta
