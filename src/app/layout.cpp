// The main window's pane placement.
#include "app/layout.h"

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
