// The 2D function dialog as plain state: every field, list, box and swatch by its control
// name, the animation mode, and the handlers that relabel, enable and edit the position
// lists. The widgets only mirror this state.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "common/message_service.h"

namespace curvanta {

// A list of positions with the entry the user selected (-1: none).
struct Function2DPositionList {
  std::vector<std::string> entries;
  int selected = -1;
};

struct Function2DDialogState {
  std::string caption;
  // Animation mode: the t row (Label10 to Label12, Text7 to Text9) is shown.
  bool animMode = false;
  // The form index that Combo1_Click carries over while it refills the form list.
  int formIndexMemo = 0;
  int coordIndex = -1;  // Combo1: 0 Cartesian, 1 polar
  std::vector<std::string> formItems;
  int formIndex = -1;  // Combo3
  // Text fields Text1..Text18 and the texts of the width and size lists (Combo2, Combo4,
  // Combo5, Combo7, Combo9, Combo10, Combo11, Combo12, Combo14, Combo15, Combo16).
  std::map<std::string, std::string> texts;
  // Captions of the labels that change (Label3 to Label7, Label14, Label15).
  std::map<std::string, std::string> labels;
  std::set<std::string> hidden;    // definition controls not shown
  std::set<std::string> disabled;  // controls not enabled
  // Selected positions of the marker symbol lists Combo6, Combo8, Combo13, Combo17.
  std::map<std::string, int> symbols;
  std::map<std::string, bool> checks;        // Check1..Check15
  std::map<std::string, int32_t> colors;     // Picture1..Picture12, 0x00BBGGRR
  std::map<std::string, Function2DPositionList> positions;  // List1..List3

  const std::string& text(const std::string& name) const;
  bool shown(const std::string& name) const { return hidden.count(name) == 0; }
  bool enabled(const std::string& name) const { return disabled.count(name) == 0; }
  bool checked(const std::string& name) const;
};

// The three position groups: list, input field, add, delete and reset buttons.
struct Function2DPositionGroup {
  const char* list;
  const char* input;
  const char* add;
  const char* remove;
  const char* reset;
};
extern const Function2DPositionGroup kFunction2DPositionGroups[3];

// Names of the width, size and symbol lists and of the swatches with their start colours.
extern const std::vector<std::string> kFunction2DWidthCombos;
extern const std::vector<std::string> kFunction2DSizeCombos;
extern const std::vector<std::string> kFunction2DSymbolCombos;
extern const std::vector<std::string> kFunction2DSymbolItems;
extern const std::vector<std::pair<std::string, int32_t>> kFunction2DSwatchStartColors;

// The forms of a coordinate system (0 Cartesian, 1 polar), still or with t.
std::vector<std::string> Function2DFormItems(int coordIndex, bool animated);

// What Combo3_Click shows for a system, form and mode: label captions and the definition
// controls shown and hidden. Empty when the pair is outside the two systems and four forms.
struct Function2DDefinitionView {
  std::map<std::string, std::string> labels;
  std::vector<std::string> show;
  std::vector<std::string> hide;
};
std::optional<Function2DDefinitionView> Function2DDefinitionViewFor(int coordIndex, int formIndex,
                                                    bool animated);

// The analysis controls switched by EnableAnalysisControls, and those the explicit polar
// form disables again.
extern const std::vector<std::string> kFunction2DAnalysisControls;
extern const std::vector<std::string> kFunction2DPolarDisabled;
// The analysis controls disabled for a system and form; empty optional: left as they are.
std::optional<std::set<std::string>> Function2DAnalysisDisabledFor(int coordIndex, int formIndex);

// The dialog as its design and Form_Load leave it.
Function2DDialogState Function2DLoad();

// Handlers of the form.
void Function2DCombo1Click(Function2DDialogState& state);
void Function2DCombo3Click(Function2DDialogState& state);
// Add: the input passes the number filter; refused with a message (nothing appended) when
// it fails or the list already holds 50 entries. The list keeps what Add appended.
std::optional<curvanta::Message> Function2DAddPosition(Function2DDialogState& state, int group);
void Function2DDeletePosition(Function2DDialogState& state, int group);
void Function2DResetPositions(Function2DDialogState& state, int group);

// The dialog as the 2D create commands leave it before showing it.
Function2DDialogState Function2DPresetForCreate(bool polar, bool animated, int32_t animFrameCount);

}  // namespace curvanta
