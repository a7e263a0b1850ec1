// The box of what one graph item draws, the extents it leaves in the item and the back
// edge of 2.5D strips.
#include <algorithm>

#include "graph/graph_item.h"

namespace curvanta {

namespace {

constexpr float kEmptyMin = 9999999.0f;
constexpr float kEmptyMax = -9999999.0f;
constexpr int32_t kRevolutionSteps = 40;

struct Extents {
  float minX = kEmptyMin, maxX = kEmptyMax;
  float minY = kEmptyMin, maxY = kEmptyMax;
  float minZ = kEmptyMin, maxZ = kEmptyMax;

  void ScanXY(const Point& p) {
    if (p.x > maxX) maxX = p.x;
    if (p.x < minX) minX = p.x;
    if (p.y > maxY) maxY = p.y;
    if (p.y < minY) minY = p.y;
  }
  void Scan(const Point& p) {
    ScanXY(p);
    if (p.z > maxZ) maxZ = p.z;
    if (p.z < minZ) minZ = p.z;
  }
  // A surface with a field overlay leaves room for it below: the lowest point counts 3.0
  // lower for MinY only.
  void ScanLowered(const Point& p) {
    if (p.x > maxX) maxX = p.x;
    if (p.x < minX) minX = p.x;
    if (p.y > maxY) maxY = p.y;
    float lowered = static_cast<float>(p.y - 3.0);
    if (lowered < minY) minY = lowered;
    if (p.z > maxZ) maxZ = p.z;
    if (p.z < minZ) minZ = p.z;
  }
};

bool IsPlaneKind(int32_t k) {
  return k == GraphKind::Function2D || k == GraphKind::Table2D ||
         k == GraphKind::Function2DAnim || k == GraphKind::TwoCurves ||
         k == GraphKind::StepStem;
}

}  // namespace

Box GraphItem::GetBox(int32_t lngAnimStep) {
  const int32_t kind = GraphType;

  // A polar implicit or inequality plot is boxed by what its drawing plotted last.
  if ((kind == GraphKind::Function2D || kind == GraphKind::Function2DAnim) &&
      CoordType == CoordKind::Polar &&
      (FunForm == FormKind::Implicit || FunForm == FormKind::Inequality)) {
    Box box;
    box.MinX = PolarPlotBox.MinX;
    box.MaxX = PolarPlotBox.MaxX;
    box.MinY = PolarPlotBox.MinY;
    box.MaxY = PolarPlotBox.MaxY;
    box.MinZ = 0;
    box.MaxZ = 0;
    return box;
  }

  Extents e;
  bool missing = false;  // an array the kind scans is absent or smaller than the scan
  const int32_t su = StepU;
  const int32_t sv = StepV;
  const int32_t frame = lngAnimStep;

  if (IsPlaneKind(kind)) {
    const bool implicitForm = FunForm == FormKind::Implicit || FunForm == FormKind::Inequality;
    const bool curveForm = FunForm == FormKind::Explicit || FunForm == FormKind::Parametric;
    if (kind == GraphKind::Table2D) {
      if (sv > kTableUpper) {
        missing = true;
      } else {
        for (int32_t j = 0; j <= sv; ++j) e.Scan(*VertTab3D(0, j));
      }
    } else if (implicitForm) {
      e.minX = MinU;
      e.maxX = MaxU;
      e.minY = MinV;
      e.maxY = MaxV;
    } else if (curveForm) {
      if (kind == GraphKind::Function2D || kind == GraphKind::StepStem) {
        if (!Vert3D_.Covers(2, 0, sv)) missing = true;
        else
          for (int32_t j = 0; j <= sv; ++j) e.Scan(Vert3D_.Get(0, j));
      } else if (kind == GraphKind::TwoCurves) {
        if (!Vert3D_.Covers(2, 0, sv) || !VertExp2_.Covers(2, 0, sv)) missing = true;
        else
          for (int32_t j = 0; j <= sv; ++j) {
            e.Scan(Vert3D_.Get(0, j));
            e.Scan(VertExp2_.Get(0, j));
          }
      } else {  // animated 2D function
        if (frame < 0 || !Anim2D_.Covers(2, sv, frame)) missing = true;
        else
          for (int32_t j = 0; j <= sv; ++j) e.Scan(Anim2D_.Get(j, frame));
      }
    }
    // The origin is always inside a plane graph's box.
    if (e.minX > 0) e.minX = 0;
    if (e.maxX < 0) e.maxX = 0;
    if (e.minY > 0) e.minY = 0;
    if (e.maxY < 0) e.maxY = 0;

    if (kind == GraphKind::Function2D) {
      if (ShowInverse) {
        float lo = std::min(e.minX, e.minY);
        float hi = std::max(e.maxX, e.maxY);
        e.minX = e.minY = lo;
        e.maxX = e.maxY = hi;
      }
      if (ShowJO) {
        if (!VertJO_.Covers(2, 0, sv)) missing = true;
        else
          for (int32_t j = 0; j <= sv; ++j) e.ScanXY(VertJO_.Get(0, j));
      }
      if (ShowDev) {
        if (!VertDev_.Covers(2, 0, sv)) missing = true;
        else
          for (int32_t j = 0; j <= sv; ++j) e.ScanXY(VertDev_.Get(0, j));
      }
    }
  } else if (kind == GraphKind::Curve3D || kind == GraphKind::Surface3D ||
             kind == GraphKind::Table3D || kind == GraphKind::Curve3DAnim ||
             kind == GraphKind::Surface3DAnim || kind == GraphKind::ColorMap ||
             kind == GraphKind::ContourMap || kind == GraphKind::VectorField) {
    const bool overlay = ShowContour || ShowVector || ShowColormap;
    const bool emptyGrid = su < 0 || sv < 0;
    if (!emptyGrid) {
      switch (kind) {
        case GraphKind::Curve3D:
          missing = !VertCurve_.Covers(1, su);
          break;
        case GraphKind::Table3D:
          missing = su > kTableUpper || sv > kTableUpper;
          break;
        case GraphKind::Curve3DAnim:
          missing = frame < 0 || !AnimCurve_.Covers(2, su, frame);
          break;
        case GraphKind::Surface3DAnim:
          missing = frame < 0 || !Anim3D_.Covers(3, su, sv, frame);
          break;
        default:
          missing = !Vert3D_.Covers(2, su, sv);
          break;
      }
    }
    if (!missing) {
      for (int32_t i = 0; i <= su; ++i) {
        for (int32_t j = 0; j <= sv; ++j) {
          switch (kind) {
            case GraphKind::Curve3D:
              e.Scan(VertCurve_.Get(i));
              break;
            case GraphKind::Surface3D:
              if (overlay)
                e.ScanLowered(Vert3D_.Get(i, j));
              else
                e.Scan(Vert3D_.Get(i, j));
              break;
            case GraphKind::Table3D:
              e.Scan(*VertTab3D(i, j));
              break;
            case GraphKind::Curve3DAnim:
              e.Scan(AnimCurve_.Get(i, frame));
              break;
            case GraphKind::Surface3DAnim:
              e.Scan(Anim3D_.Get(i, j, frame));
              break;
            default:
              e.Scan(Vert3D_.Get(i, j));
              break;
          }
        }
      }
    }
  } else if (kind == GraphKind::RevolutionX || kind == GraphKind::RevolutionY) {
    if (!VertRev_.Covers(2, kRevolutionSteps, sv)) missing = true;
    else
      for (int32_t k = 0; k <= kRevolutionSteps; ++k)
        for (int32_t j = 0; j <= sv; ++j) e.Scan(VertRev_.Get(k, j));
  } else if (kind == GraphKind::Strip25D || kind == GraphKind::Table25D ||
             kind == GraphKind::Strip25DAnim) {
    // The back edge is the front edge moved 3.0 along z, written into the row-1 points.
    if (kind == GraphKind::Strip25D) {
      if (!Vert3D_.Covers(2, 1, sv)) missing = true;
      else
        for (int32_t j = 0; j <= sv; ++j) {
          const Point front = Vert3D_.Get(0, j);
          Point& back = Vert3D_.Ref(1, j);
          back.x = front.x;
          back.y = front.y;
          back.z = static_cast<float>(front.z + 3.0);
        }
    } else if (kind == GraphKind::Table25D) {
      if (sv > kTableUpper) missing = true;
      else
        for (int32_t j = 0; j <= sv; ++j) {
          auto front = VertTab3D(0, j);
          auto back = VertTab3D(1, j);
          float fx = front->x, fy = front->y, fz = front->z;
          back->x = fx;
          back->y = fy;
          back->z = static_cast<float>(fz + 3.0);
        }
    } else {
      if (frame < 0 || !AnimStrip_.Covers(3, 1, sv, frame)) missing = true;
      else
        for (int32_t j = 0; j <= sv; ++j) {
          const Point front = AnimStrip_.Get(0, j, frame);
          Point& back = AnimStrip_.Ref(1, j, frame);
          back.x = front.x;
          back.y = front.y;
          back.z = static_cast<float>(front.z + 3.0);
        }
    }
    if (!missing) {
      for (int32_t r = 0; r <= 1; ++r) {
        for (int32_t j = 0; j <= sv; ++j) {
          if (kind == GraphKind::Strip25D)
            e.Scan(Vert3D_.Get(r, j));
          else if (kind == GraphKind::Table25D)
            e.Scan(*VertTab3D(r, j));
          else
            e.Scan(AnimStrip_.Get(r, j, frame));
        }
      }
    }
  } else if (kind == GraphKind::Point || kind == GraphKind::PointAnim) {
    Point p;
    if (kind == GraphKind::Point) {
      if (!Vert3D_.Covers(2, 0, 0)) missing = true;
      else p = Vert3D_.Get(0, 0);
    } else {
      if (frame < 0 || !Anim1D_.Covers(1, frame)) missing = true;
      else p = Anim1D_.Get(frame);
    }
    if (!missing) {
      if (p.x == 0 && p.y == 0 && p.z == 0) {
        e.minX = e.minY = e.minZ = -1.0f;
        e.maxX = e.maxY = e.maxZ = 1.0f;
      } else {
        auto axis = [](float c, float& lo, float& hi) {
          if (c < 0) {
            lo = c;
            hi = 0;
          } else {
            lo = 0;
            hi = c;
          }
        };
        axis(p.x, e.minX, e.maxX);
        axis(p.y, e.minY, e.maxY);
        axis(p.z, e.minZ, e.maxZ);
      }
    }
  }

  // An item whose arrays do not cover what its kind scans has nothing to show.
  if (missing) e = Extents();

  BoxMinX = e.minX;
  BoxMaxX = e.maxX;
  BoxMinY = e.minY;
  BoxMaxY = e.maxY;
  BoxMinZ = e.minZ;
  BoxMaxZ = e.maxZ;
  Box box;
  box.MinX = e.minX;
  box.MaxX = e.maxX;
  box.MinY = e.minY;
  box.MaxY = e.maxY;
  box.MinZ = e.minZ;
  box.MaxZ = e.maxZ;
  return box;
}

}  // namespace curvanta
