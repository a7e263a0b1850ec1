// Graph list line texts of the create commands, the loader and the data dialogs' edits.
#include "graph/list_lines.h"

namespace curvanta {

namespace {

// "x=" Y ", y=" Z and the like: the point texts shared by every builder.
std::string PointTail2D(const ListLineFields& g) {
  if (g.CoordType == 2) return "a=" + g.ExpressY + ", r=" + g.ExpressZ;
  return "x=" + g.ExpressY + ", y=" + g.ExpressZ;
}

std::string PointTail3D(const ListLineFields& g) {
  if (g.CoordType == 4) return "a=" + g.ExpressX + ", r=" + g.ExpressY + ", z=" + g.ExpressZ;
  if (g.CoordType == 5) return "a=" + g.ExpressX + ", b=" + g.ExpressY + ", r=" + g.ExpressZ;
  return "x=" + g.ExpressX + ", y=" + g.ExpressY + ", z=" + g.ExpressZ;
}

std::optional<std::string> Label3D(int32_t graphType) {
  switch (graphType) {
    case 1: return std::string("三维曲线  ");
    case 2: return std::string("三维曲面  ");
    case 11: return std::string("三维曲线动画  ");
    case 12: return std::string("三维曲面动画  ");
    default: return std::nullopt;
  }
}

std::optional<std::string> Create2D(const ListLineFields& g, bool polar, bool animated) {
  const std::string curve = animated ? "二维曲线动画  " : "二维曲线  ";
  const std::string inequality = animated ? "二维不等式动画  " : "二维不等式  ";
  switch (g.FunForm) {
    case 1: return curve + g.ExpressZ + "=0";
    case 2: return curve + (polar ? "r=" : "y=") + g.ExpressZ;
    case 3:
      return polar ? curve + "a=" + g.ExpressY + ", r=" + g.ExpressZ
                   : curve + "x=" + g.ExpressY + ", y=" + g.ExpressZ;
    case 4: return inequality + g.ExpressZ + "<0";
    default: return std::nullopt;
  }
}

std::optional<std::string> Create25D(const ListLineFields& g, bool polar, bool animated) {
  const std::string label = animated ? "二维半条带动画  " : "二维半条带  ";
  if (g.FunForm == 2) return label + (polar ? "r=" : "y=") + g.ExpressZ;
  if (g.FunForm == 3) {
    if (polar) return label + "a=" + g.ExpressY + ", r=" + g.ExpressZ;
    // The still Cartesian strip has no blank after its comma, the animated one has.
    return label + "x=" + g.ExpressY + (animated ? ", y=" : ",y=") + g.ExpressZ;
  }
  return std::nullopt;
}

// coord: 3 Cartesian, 4 cylindrical, 5 spherical (the command's letters).
std::optional<std::string> Create3D(const ListLineFields& g, int coord, bool animated) {
  const bool kindOk = animated ? (g.GraphType == 11 || g.GraphType == 12)
                               : (g.GraphType == 1 || g.GraphType == 2);
  if (!kindOk) return std::nullopt;
  const std::string label = *Label3D(g.GraphType);
  if (g.FunForm == 2) return label + (coord == 5 ? "r=" : "z=") + g.ExpressZ;
  if (g.FunForm == 3) {
    if (coord == 4) return label + "a=" + g.ExpressX + ", r=" + g.ExpressY + ", z=" + g.ExpressZ;
    if (coord == 5) return label + "a=" + g.ExpressX + ", b=" + g.ExpressY + ", r=" + g.ExpressZ;
    return label + "x=" + g.ExpressX + ", y=" + g.ExpressY + ", z=" + g.ExpressZ;
  }
  return std::nullopt;
}

std::optional<std::string> Loader2D(const ListLineFields& g) {
  const bool still = g.GraphType == 0;
  const bool anim = g.GraphType == 9;
  const std::string curve = anim ? "二维曲线动画  " : "二维曲线  ";
  const bool cartOrPolar = g.CoordType == 1 || g.CoordType == 2;
  switch (g.FunForm) {
    case 1:
      if (cartOrPolar && (still || anim)) return curve + g.ExpressZ + "=0";
      break;
    case 2:
      if (g.CoordType == 1) {
        if (still || anim) return curve + "y=" + g.ExpressZ;
        if (g.GraphType == 23) {
          if (g.ShowStep && g.ShowStem) return "Step & Stem  y=" + g.ExpressZ;
          if (g.ShowStep) return "阶梯图  y=" + g.ExpressZ;
          if (g.ShowStem) return "火柴杆图  y=" + g.ExpressZ;
          return std::nullopt;
        }
        if (g.GraphType == 20) return "二维曲线求交  y=" + g.ExpressZ + ", y=" + g.Exp2;
      } else if (g.CoordType == 2 && (still || anim)) {
        return curve + "r=" + g.ExpressZ;
      }
      break;
    case 3:
      if (still || anim) {
        if (g.CoordType == 1) return curve + "x=" + g.ExpressY + ",y=" + g.ExpressZ;
        if (g.CoordType == 2) return curve + "a=" + g.ExpressY + ",r=" + g.ExpressZ;
      }
      break;
    case 4:
      if (cartOrPolar && (still || anim))
        return std::string(anim ? "二维不等式动画  " : "二维不等式  ") + g.ExpressZ + "<0";
      break;
    default:
      break;
  }
  if ((g.GraphType == 7 || g.GraphType == 8) && cartOrPolar)
    return std::string(g.GraphType == 7 ? "点  " : "点动画  ") + PointTail2D(g);
  return std::nullopt;
}

std::optional<std::string> Loader25D(const ListLineFields& g) {
  const bool still = g.GraphType == 3;
  const bool anim = g.GraphType == 10;
  const std::string label = anim ? "二维半条带动画  " : "二维半条带  ";
  if (still || anim) {
    if (g.FunForm == 2) {
      if (g.CoordType == 1) return label + "y=" + g.ExpressZ;
      if (g.CoordType == 2) return label + "r=" + g.ExpressZ;
    } else if (g.FunForm == 3) {
      // The loader's still Cartesian strip has the blank, its animated one has none.
      if (g.CoordType == 1) return label + "x=" + g.ExpressY + (anim ? ",y=" : ", y=") + g.ExpressZ;
      if (g.CoordType == 2) return label + "a=" + g.ExpressY + ", r=" + g.ExpressZ;
    }
  }
  if ((g.GraphType == 7 || g.GraphType == 8) && (g.CoordType == 1 || g.CoordType == 2))
    return std::string(g.GraphType == 7 ? "点  " : "点动画  ") + PointTail2D(g);
  return std::nullopt;
}

std::optional<std::string> Loader3D(const ListLineFields& g) {
  if (g.FunForm == 2 && g.CoordType == 1) return "旋转曲面  y=" + g.ExpressZ;
  if (auto label = Label3D(g.GraphType)) {
    if (g.FunForm == 2) {
      if (g.CoordType == 3 || g.CoordType == 4) return *label + "z=" + g.ExpressZ;
      if (g.CoordType == 5) return *label + "r=" + g.ExpressZ;
    } else if (g.FunForm == 3) {
      if (g.CoordType == 3) return *label + "x=" + g.ExpressX + ",y=" + g.ExpressY + ",z=" + g.ExpressZ;
      if (g.CoordType == 4) return *label + "a=" + g.ExpressX + ",r=" + g.ExpressY + ",z=" + g.ExpressZ;
      if (g.CoordType == 5) return *label + "a=" + g.ExpressX + ",b=" + g.ExpressY + ",r=" + g.ExpressZ;
    }
  }
  if ((g.GraphType == 7 || g.GraphType == 8) && g.CoordType >= 3 && g.CoordType <= 5)
    return std::string(g.GraphType == 7 ? "点  " : "点动画  ") + PointTail3D(g);
  return std::nullopt;
}

}  // namespace

ListLineFields ListLineFieldsOf(const GraphItem& g) {
  ListLineFields f;
  f.GraphType = g.GraphType;
  f.CoordType = g.CoordType;
  f.FunForm = g.FunForm;
  f.ExpressX = g.ExpressX;
  f.ExpressY = g.ExpressY;
  f.ExpressZ = g.ExpressZ;
  f.Exp2 = g.Exp2;
  f.NameS = g.NameS;
  f.ShowStep = g.ShowStep;
  f.ShowStem = g.ShowStem;
  return f;
}

std::optional<std::string> CreateLineText(CreateKind kind, const ListLineFields& g,
                                          int32_t graphMode) {
  switch (kind) {
    case CreateKind::Function2DCartesian: return Create2D(g, false, false);
    case CreateKind::Function2DPolar: return Create2D(g, true, false);
    case CreateKind::Animation2DCartesian: return Create2D(g, false, true);
    case CreateKind::Animation2DPolar: return Create2D(g, true, true);
    case CreateKind::Strip25DCartesian: return Create25D(g, false, false);
    case CreateKind::Strip25DPolar: return Create25D(g, true, false);
    case CreateKind::AnimationStrip25DCartesian: return Create25D(g, false, true);
    case CreateKind::AnimationStrip25DPolar: return Create25D(g, true, true);
    case CreateKind::Function3DCartesian: return Create3D(g, 3, false);
    case CreateKind::Function3DCylindrical: return Create3D(g, 4, false);
    case CreateKind::Function3DSpherical: return Create3D(g, 5, false);
    case CreateKind::Animation3DCartesian: return Create3D(g, 3, true);
    case CreateKind::Animation3DCylindrical: return Create3D(g, 4, true);
    case CreateKind::Animation3DSpherical: return Create3D(g, 5, true);
    case CreateKind::Point:
      return "点  " + (graphMode == 3 ? PointTail3D(g) : PointTail2D(g));
    case CreateKind::AnimatedPoint:
      return "点动画   " + (graphMode == 3 ? PointTail3D(g) : PointTail2D(g));
    case CreateKind::Step:
      if (g.FunForm == 2) return "阶梯图  y=" + g.ExpressZ;
      return std::nullopt;
    case CreateKind::Stem:
      if (g.FunForm == 2) return "火柴杆图  y=" + g.ExpressZ;
      return std::nullopt;
    case CreateKind::Table2D: return "二维表数据图形  " + g.NameS;
    case CreateKind::Table25D: return "二维半表数据图形  " + g.NameS;
    case CreateKind::Table3D: return "三维表数据图形  " + g.NameS;
  }
  return std::nullopt;
}

std::optional<std::string> LoaderLineText(const ListLineFields& g, int32_t graphMode) {
  switch (g.GraphType) {
    case 4: return "二维表数据图形: " + g.NameS;
    case 5: return "二维半表数据图形: " + g.NameS;
    case 6: return "三维表数据图形: " + g.NameS;
    default: break;
  }
  switch (graphMode) {
    case 1: return Loader2D(g);
    case 2: return Loader25D(g);
    case 3: return Loader3D(g);
    default: return std::nullopt;
  }
}

std::string LoaderLineTextOrFallback(const ListLineFields& g, int32_t graphMode) {
  if (auto text = LoaderLineText(g, graphMode)) return *text;
  int32_t natural = 0;
  switch (g.GraphType) {
    case 0: case 9: case 20: case 23: natural = 1; break;
    case 3: case 10: natural = 2; break;
    case 1: case 2: case 11: case 12: case 21: case 22: natural = 3; break;
    default: break;
  }
  if (natural != 0 && natural != graphMode) {
    if (auto text = LoaderLineText(g, natural)) return *text;
  }
  const std::string xyz = "x=" + g.ExpressX + ", y=" + g.ExpressY + ", z=" + g.ExpressZ;
  if (g.GraphType == 13) return "色谱图  " + xyz;
  if (g.GraphType == 14) return "等值线图  " + xyz;
  if (g.GraphType == 15) return "矢量图  " + xyz;
  if (g.GraphType == 23 && !g.ShowStep && !g.ShowStem) return "阶梯图  y=" + g.ExpressZ;
  return "图形  " + g.NameS;
}

std::string TableEditLineText(const ListLineFields& g) {
  if (g.GraphType == 5) return "二维半表数据图形  " + g.NameS;
  if (g.GraphType == 6) return "三维表数据图形  " + g.NameS;
  return "二维表数据图形  " + g.NameS;
}

std::string PointEditLineText(const ListLineFields& g, int32_t graphMode) {
  return "点  " + (graphMode == 3 ? PointTail3D(g) : PointTail2D(g));
}

std::string AnimatedPointEditLineText(const ListLineFields& g, int32_t graphMode) {
  return "点动画  " + (graphMode == 3 ? PointTail3D(g) : PointTail2D(g));
}

std::string StepStemEditLineText(const ListLineFields& g, const std::string& oldLine) {
  if (g.CoordType == 1 && g.ShowStep) return "阶梯图  y=" + g.ExpressZ;
  if (g.CoordType == 1 && g.ShowStem) return "火柴杆图  y=" + g.ExpressZ;
  // No flag (or another system): the line keeps its label and is never left empty.
  const std::string stem = "火柴杆图  ";
  if (oldLine.compare(0, stem.size(), stem) == 0) return stem + "y=" + g.ExpressZ;
  return "阶梯图  y=" + g.ExpressZ;
}

}  // namespace curvanta
