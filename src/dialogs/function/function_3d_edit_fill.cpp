// Filling the 3D function dialog from a graph.
#include "dialogs/function/function_3d_edit_fill.h"

#include <string>

#include "common/number_text.h"
#include "dialogs/function/surface_look_fill.h"

namespace curvanta {

Function3DDialogState Function3DEditFill(const GraphItem& g, int32_t animFrameCount) {
  const bool animated =
      g.GraphType == GraphKind::Curve3DAnim || g.GraphType == GraphKind::Surface3DAnim;
  const bool curve = g.GraphType == GraphKind::Curve3D || g.GraphType == GraphKind::Curve3DAnim;
  Function3DDialogState s = Function3DLoad();
  if (g.FunForm == 2 || g.FunForm == 3) {
    s.form = g.FunForm == 3 ? 1 : 0;
    if (g.FunForm == 3) {
      s.expression = g.ExpressX;
      s.secondExpression = g.ExpressY;
      s.thirdExpression = g.ExpressZ;
    } else {
      s.expression = g.ExpressZ;
    }
  }
  s.caption = animated ? "三维函数图形动画属性" : "三维函数图形属性";
  s.name = g.NameS;
  s.minU = FormatFieldSingle(g.MinU);
  s.maxU = FormatFieldSingle(g.MaxU);
  s.segmentsU = std::to_string(g.StepU);
  s.minV = FormatFieldSingle(g.MinV);
  s.maxV = FormatFieldSingle(g.MaxV);
  s.segmentsV = std::to_string(g.StepV);
  s.animated = animated;
  if (animated) {
    s.minT = FormatFieldSingle(g.MinT);
    s.maxT = FormatFieldSingle(g.MaxT);
    s.stepsT = std::to_string(animFrameCount);
    s.stepsTEnabled = false;
  }
  s.coordSystem = g.CoordType - 3;
  s.typeItems = animated ? std::vector<std::string>{"曲线动画", "曲面动画"}
                         : std::vector<std::string>{"曲线", "曲面"};
  s.type = curve ? 0 : 1;
  Function3DTypeChosen(s);  // overlays, form list and captions as the user's choice gives
  FillSurfaceLook(s.look, g);
  // The overlays as the graph has them, so that an unchanged OK keeps them.
  s.colourMap = g.ShowColormap;
  s.contours = g.ShowContour;
  s.vectors = g.ShowVector;
  (g.ShowContour ? s.contourLevel : s.clearedContourLevel) = g.contourlevel;
  return s;
}

}  // namespace curvanta
