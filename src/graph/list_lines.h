// The texts of the graph list's lines: a kind label followed by the graph's expressions
// with their variable letters, or by its name, made from the graph's fields alone. The
// create commands, the document loader and the point and step edits each have their own
// variant.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "graph/graph_item.h"

namespace curvanta {

// What a line is made of: the graph's kind, system and form and its stored texts.
struct ListLineFields {
  int32_t GraphType = 0;
  int32_t CoordType = 0;
  int32_t FunForm = 0;
  std::string ExpressX;
  std::string ExpressY;
  std::string ExpressZ;
  std::string Exp2;
  std::string NameS;
  bool ShowStep = false;
  bool ShowStem = false;
};

// The fields of a graph item that its line is made of.
ListLineFields ListLineFieldsOf(const GraphItem& graph);

// The command that added a graph; its letters decide the line, not the graph's system.
enum class CreateKind {
  Function2DCartesian,
  Function2DPolar,
  Animation2DCartesian,
  Animation2DPolar,
  Strip25DCartesian,
  Strip25DPolar,
  AnimationStrip25DCartesian,
  AnimationStrip25DPolar,
  Function3DCartesian,
  Function3DCylindrical,
  Function3DSpherical,
  Animation3DCartesian,
  Animation3DCylindrical,
  Animation3DSpherical,
  Point,
  AnimatedPoint,
  Step,
  Stem,
  Table2D,
  Table25D,
  Table3D,
};

// The line a create command appends for the graph its dialog added; `graphMode` matters
// for the point commands only. No text for a combination no dialog produces.
std::optional<std::string> CreateLineText(CreateKind kind, const ListLineFields& graph,
                                          int32_t graphMode);

// The line the document loader gives a graph read in a document of kind `graphMode`
// (1 2D, 2 2.5D, 3 3D); no text for a combination the loader does not know.
std::optional<std::string> LoaderLineText(const ListLineFields& graph, int32_t graphMode);

// The loader's line, or for a graph it has no text for, the text of the graph's natural
// document kind, the held texts of colour, contour and vector maps, "阶梯图  y=" for a
// step plot without flags, and "图形  " + name for anything else: every graph gets a line.
std::string LoaderLineTextOrFallback(const ListLineFields& graph, int32_t graphMode);

// Lines rewritten by the data, point and step dialogs after an edit.
std::string TableEditLineText(const ListLineFields& graph);           // kinds 4, 5, 6
std::string PointEditLineText(const ListLineFields& graph, int32_t graphMode);
std::string AnimatedPointEditLineText(const ListLineFields& graph, int32_t graphMode);
// Keeps the label of `oldLine` when the graph's flags give no text.
std::string StepStemEditLineText(const ListLineFields& graph, const std::string& oldLine);

}  // namespace curvanta
