// The point dialog ("点属性") and the animated point dialog ("点动画") as plain state: the
// name, coordinate system and coordinates, the t range of the animated point, the marker's
// look, and the pure functions that relabel, preset and accept them.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/message_service.h"
#include "graph/graph_item.h"

namespace curvanta {

struct PointDialogState {
  bool animated = false;  // the animated point dialog: coordinates in t and a t range
  std::string caption;
  std::string name;
  std::vector<std::string> coordSystems;  // the coordinate-system list
  int coordIndex = -1;                    // -1: none chosen
  // Captions of the three coordinate rows and their texts.
  std::string xLabel, yLabel, zLabel;
  std::string x, y, z;
  bool zShown = true;  // the third coordinate row
  // The animated point's t range; the segment field only shows the frame count.
  std::string minT, maxT, tSegments;
  bool tSegmentsEnabled = true;
  // The marker: hollow or solid (the choice may be hidden), colour and size.
  bool hollowChoiceShown = true;
  bool hollow = false;
  int32_t colour = 0;
  std::string size;

  friend bool operator==(const PointDialogState&, const PointDialogState&) = default;
};

// The dialog as designed and loaded: empty fields ("Untitled" for the animated point's name),
// the plane systems, labels "x", "y", "z" ("X(t)", "Y(t)", "Z(t)"), a solid marker of size
// "2" in the system colour of window frames (menu text for the animated point).
PointDialogState PointDialogLoad(bool animated);

// Choosing a coordinate system relabels the rows for the document kind (1 2D, 2 2.5D, 3 3D).
void PointCoordChosen(PointDialogState& state, int index, int32_t graphMode);

// The dialog as the point and animated point commands show it in a document of `graphMode`.
PointDialogState PointPresetForCreate(bool animated, int32_t graphMode, int32_t animFrameCount);

// The dialog filled from a point or animated point to edit it in a document of `graphMode`:
// every field OK reads back, so an unchanged OK keeps the graph as it is. A 2.5D animated
// point is filled as a 2D one.
PointDialogState PointFillForEdit(const GraphItem& graph, int32_t graphMode, int32_t animFrameCount);

struct PointAcceptOutcome {
  std::optional<Message> refusal;
  bool playbackEnabled = false;  // the animated point's OK switches the playback on early
  std::shared_ptr<GraphItem> item;
};

// OK: filters the shown fields (writing the cleaned texts back), checks them and builds the
// point (kind 7) or animated point (kind 8) with `provisionalID`.
PointAcceptOutcome AcceptPointDialog(PointDialogState& state, int32_t graphMode,
                                     int32_t provisionalID);

}  // namespace curvanta
