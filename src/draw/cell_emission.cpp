// Polygon mode, shade model, vertex gradients and the emission of one cell.
#include "draw/cell_emission.h"

#include "common/gl_api.h"
#include "graph/graph_item.h"
#include "scene/point_draw.h"

namespace curvanta {

UnitColour UnitColourOf(int32_t colour) {
  UnitColour c;
  ColorToUnitRGB(colour, c.r, c.g, c.b);
  return c;
}

double GradientComponent(double v, double minimum, double range, double c1, double c2) {
  return c2 + (v - minimum) * (c1 - c2) / range;
}

VertexColouring::VertexColouring(const GraphItem& item, float zeroRange)
    : fillStyle_(item.FillStyle),
      first_(UnitColourOf(item.FirstColor)),
      second_(UnitColourOf(item.SecondColor)),
      minX_(item.BoxMinX),
      minY_(item.BoxMinY),
      minZ_(item.BoxMinZ),
      rangeX_(item.BoxMaxX - item.BoxMinX),
      rangeY_(item.BoxMaxY - item.BoxMinY),
      rangeZ_(item.BoxMaxZ - item.BoxMinZ) {
  for (float* range : {&rangeX_, &rangeY_, &rangeZ_})
    if (*range == 0.0f) *range = zeroRange;
}

UnitColour VertexColouring::At(const Point& p) const {
  auto along = [this](float v, float minimum, float range) {
    return UnitColour{GradientComponent(v, minimum, range, first_.r, second_.r),
                      GradientComponent(v, minimum, range, first_.g, second_.g),
                      GradientComponent(v, minimum, range, first_.b, second_.b)};
  };
  switch (fillStyle_) {
    case FillKind::GradientX:
      return along(p.x, minX_, rangeX_);
    case FillKind::GradientZ:
      return along(p.z, minZ_, rangeZ_);
    case FillKind::GradientY:
      return along(p.y, minY_, rangeY_);
    case FillKind::Single:
      return second_;
    default:
      return UnitColour{};
  }
}

void SetPolygonModeByShow(int32_t show) {
  GLenum mode = 0;
  switch (show) {
    case ShowKind::Vertices: mode = GL_POINT; break;
    case ShowKind::Wireframe: mode = GL_LINE; break;
    case ShowKind::Surface: mode = GL_FILL; break;
    default: return;
  }
  Gl().glPolygonMode(GL_FRONT_AND_BACK, mode);
}

void SetShadeModelBySmoothness(int32_t smoothness) {
  if (smoothness == SmoothKind::Faceted)
    Gl().glShadeModel(GL_FLAT);
  else if (smoothness == SmoothKind::Smooth || smoothness == SmoothKind::Smoothest)
    Gl().glShadeModel(GL_SMOOTH);
}

namespace {
bool rowStrips = true;
}  // namespace

bool RowStripsEnabled() { return rowStrips; }
void SetRowStrips(bool on) { rowStrips = on; }

bool DrawsRowAsStrip(int32_t show, int32_t smoothness) {
  return rowStrips && show == ShowKind::Surface && smoothness == SmoothKind::Smoothest;
}

void EmitCell(int32_t smoothness, const Point* const (&p)[4], const UnitColour (&colour)[4],
              const Normal3& face, const Normal3* const (&vertex)[4]) {
  GlApi& gl = Gl();
  gl.glBegin(GL_QUADS);
  if (smoothness == SmoothKind::Faceted || smoothness == SmoothKind::Smooth) {
    gl.glNormal3d(face.x, face.y, face.z);
    for (int k = 0; k < 4; ++k) {
      gl.glColor3d(colour[k].r, colour[k].g, colour[k].b);
      gl.glVertex3d(p[k]->x, p[k]->y, p[k]->z);
    }
  } else if (smoothness == SmoothKind::Smoothest) {
    for (int k = 0; k < 4; ++k) {
      gl.glNormal3d(vertex[k]->x, vertex[k]->y, vertex[k]->z);
      gl.glColor3d(colour[k].r, colour[k].g, colour[k].b);
      gl.glVertex3d(p[k]->x, p[k]->y, p[k]->z);
    }
  }
  gl.glEnd();
}

}  // namespace curvanta
