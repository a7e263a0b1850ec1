// The step and stem dialog: presets and OK.
#include "dialogs/data/step_stem_dialog_state.h"

#include <cfloat>
#include <cmath>
#include <limits>

#include "common/number_text.h"
#include "dialogs/data/dialog_common.h"

namespace curvanta {

namespace {

// The step swatch starts with the system colour of the active title bar.
constexpr int32_t kActiveTitleColour = static_cast<int32_t>(0x80000002u);
constexpr int32_t kDarkRed = 0xC0;
constexpr int32_t kDarkBlue = 0xC00000;
constexpr int32_t kBlue = 0xFF0000;


// A text that is one decimal number as a whole, as a 32-bit float.
std::optional<float> WholeFloat(const std::string& text) {
  if (text.empty() || LeadingNumberLength(text) != text.size()) return std::nullopt;
  const double v = LeadingNumber(text);
  if (!std::isfinite(v) || std::fabs(v) > static_cast<double>(FLT_MAX)) return std::nullopt;
  return static_cast<float>(v);
}

// A text's leading number rounded half to even; nullopt beyond the 32-bit range.
std::optional<int32_t> LeadingInt(const std::string& text) {
  const double v = RoundHalfEven(LeadingNumber(text));
  if (!std::isfinite(v) || v < static_cast<double>(std::numeric_limits<int32_t>::min()) ||
      v > static_cast<double>(std::numeric_limits<int32_t>::max()))
    return std::nullopt;
  return static_cast<int32_t>(v);
}

}  // namespace

const std::vector<std::string> kStepStemSymbolItems = {"实心圆",     "空心圆",     "实心矩形",
                                                       "实心三角形", "实心菱形", "十字丝形"};

StepStemDialogState StepStemDialogLoad() {
  StepStemDialogState s;
  s.caption = "特殊图形的属性";
  s.name = "Untitled";
  s.stepColour = kActiveTitleColour;
  s.stepWidth = "2";
  s.stemHeadColour = kDarkRed;
  s.stemHeadSize = "2";
  s.stemHeadSymbolIndex = 0;
  s.stemBodyColour = kDarkBlue;
  s.stemBodyWidth = "2";
  return s;
}

StepStemDialogState StepStemPresetForCreate(bool stem) {
  StepStemDialogState s = StepStemDialogLoad();
  s.caption = stem ? "火柴杆图" : "阶梯图";
  return s;
}

StepStemDialogState StepStemFillForEdit(const GraphItem& g) {
  StepStemDialogState s = StepStemDialogLoad();
  // A width or size of 0 shows as an empty text, which OK reads as 0 again.
  auto count = [](int32_t v) { return v == 0 ? std::string() : std::to_string(v); };
  s.name = g.NameS;
  s.function = g.ExpressZ;
  s.minX = FormatFieldSingle(g.MinV);
  s.maxX = FormatFieldSingle(g.MaxV);
  s.segments = std::to_string(g.StepV);
  s.showStep = g.ShowStep;
  s.stepColour = g.StepColor;
  s.stepWidth = count(g.StepWidth);
  s.showStem = g.ShowStem;
  s.stemHeadColour = g.StemHeadColor;
  s.stemHeadSize = count(g.StemHeadSize);
  const int symbols = static_cast<int>(kStepStemSymbolItems.size());
  s.stemHeadSymbolIndex = g.StemHeadSymbol >= 1 && g.StemHeadSymbol <= symbols ? g.StemHeadSymbol - 1 : -1;
  s.stemBodyColour = g.StemBodyColor;
  s.stemBodyWidth = count(g.StemBodyWidth);
  return s;
}

StepStemAcceptOutcome AcceptStepStemDialog(StepStemDialogState& s, int32_t provisionalID) {
  StepStemAcceptOutcome out;
  auto refuse = [&](Message m) {
    out.refusal = std::move(m);
    return out;
  };
  if (s.function.empty() || s.minX.empty() || s.maxX.empty() || s.segments.empty())
    return refuse(Message{"请输入所有必需的参数", "注意", MsgIcon::Exclamation});
  if (!FilterField(s.function, true)) return refuse(InvalidInputMessage());
  if (!FilterField(s.maxX, false) || !FilterField(s.segments, false) || !FilterField(s.minX, false))
    return refuse(InvalidInputMessage());
  // The range ends must be numbers as a whole; the count may not be negative; every value
  // must fit its type.
  const auto minX = WholeFloat(s.minX), maxX = WholeFloat(s.maxX);
  const auto segments = LeadingInt(s.segments);
  const auto stepWidth = LeadingInt(s.stepWidth);
  const auto headSize = LeadingInt(s.stemHeadSize);
  const auto bodyWidth = LeadingInt(s.stemBodyWidth);
  if (!minX || !maxX || !segments || *segments < 0 || !stepWidth || !headSize || !bodyWidth)
    return refuse(InvalidInputMessage());
  out.graphModeSet = true;

  auto item = GraphItem::Init(provisionalID, s.name, GraphKind::StepStem, 1, "0", "x", s.function, 1,
                              *segments, 0.0f, 1.0f, *minX, *maxX, 4, kBlue, kBlue, s.stepColour,
                              *stepWidth, 4, 2, 2, false, false, false, 0);
  item->FunForm = 2;
  item->ShowStep = s.showStep;
  item->StepColor = s.stepColour;
  item->StepWidth = *stepWidth;
  item->ShowStem = s.showStem;
  item->StemHeadColor = s.stemHeadColour;
  item->StemHeadSize = *headSize;
  item->StemHeadSymbol = s.stemHeadSymbolIndex < 0 ? 0 : s.stemHeadSymbolIndex + 1;
  item->StemBodyColor = s.stemBodyColour;
  item->StemBodyWidth = *bodyWidth;
  out.item = std::move(item);
  return out;
}

}  // namespace curvanta
