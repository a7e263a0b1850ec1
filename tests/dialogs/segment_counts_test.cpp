// The segment counts of the 2D, strip and 3D function dialogs are checked as they are stored,
// rounded half to even: a text that rounds to 1 is refused with its field's message.
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "dialogs/function/function_2d_accept.h"
#include "dialogs/function/function_3d_accept.h"
#include "dialogs/function/strip_accept.h"

using namespace curvanta;

namespace {

// What OK made of a segment field: the refusal's text, or the count stored in the item
// (nullopt for the t steps, which the item does not hold).
struct Outcome {
  std::string refusal;
  std::optional<int32_t> stored;
};

template <class AcceptOutcome>
Outcome OutcomeOf(const AcceptOutcome& out, int32_t GraphItem::*count) {
  if (out.refusal) return {out.refusal->text, std::nullopt};
  if (!out.item) return {"no item", std::nullopt};
  if (!count) return {"", std::nullopt};
  return {"", (*out.item).*count};
}

Function2DDialogState Curve2D(int form, bool animated) {
  Function2DDialogState s = Function2DPresetForCreate(false, animated, 10);
  s.formIndex = form;
  ApplyForm(s);
  s.expression = form == 1 ? "cos(u)" : "sin(x)";
  s.secondExpression = "sin(u)";
  s.minX = "0";
  s.maxX = "3";
  s.segmentsX = "20";
  s.minT = "0";
  s.maxT = "1";
  return s;
}

StripDialogState Strip(int form, bool animated) {
  StripDialogState s = StripPresetForCreate(false, animated, 10);
  s.form = form;
  StripFormChosen(s);
  s.expression = form == 1 ? "cos(u)" : "sin(x)";
  s.secondExpression = "sin(u)";
  s.minimum = "-3";
  s.maximum = "3";
  s.segments = "20";
  s.minT = "0";
  s.maxT = "1";
  return s;
}

Function3DDialogState Surface(int form, bool animated) {
  Function3DDialogState s = Function3DPresetForCreate(0, animated, 10);
  s.form = form;
  Function3DFormChosen(s);
  s.expression = form == 1 ? "u" : "x*y";
  s.secondExpression = "v";
  s.thirdExpression = "u+v";
  s.minU = s.minV = "-1";
  s.maxU = s.maxV = "1";
  s.segmentsU = s.segmentsV = "12";
  s.minT = "0";
  s.maxT = "1";
  return s;
}

struct Field {
  const char* what;
  const char* message;
  std::function<Outcome(const std::string& text)> accept;
};

const Field kFields[] = {
    {"2D x", "段数 x 必须大于 1",
     [](const std::string& t) {
       auto s = Curve2D(0, false);
       s.segmentsX = t;
       return OutcomeOf(Function2DAccept(s, 1), &GraphItem::StepV);
     }},
    {"2D u", "段数 u 必须大于 1",
     [](const std::string& t) {
       auto s = Curve2D(1, false);
       s.segmentsX = t;
       return OutcomeOf(Function2DAccept(s, 1), &GraphItem::StepV);
     }},
    {"2D t", "段数 t 必须大于 1",
     [](const std::string& t) {
       auto s = Curve2D(0, true);
       s.segmentsT = t;
       return OutcomeOf(Function2DAccept(s, 1), static_cast<int32_t GraphItem::*>(nullptr));
     }},
    {"strip x", "段数 x 必须大于 1",
     [](const std::string& t) {
       auto s = Strip(0, false);
       s.segments = t;
       return OutcomeOf(StripAccept(s, 1), &GraphItem::StepV);
     }},
    {"strip u", "段数 u 必须大于 1",
     [](const std::string& t) {
       auto s = Strip(1, false);
       s.segments = t;
       return OutcomeOf(StripAccept(s, 1), &GraphItem::StepV);
     }},
    {"strip t", "段数 t 必须大于 1",
     [](const std::string& t) {
       auto s = Strip(0, true);
       s.stepsT = t;
       return OutcomeOf(StripAccept(s, 1), static_cast<int32_t GraphItem::*>(nullptr));
     }},
    {"3D x", "段数 x,y,a,r 或 b 必须大于1",
     [](const std::string& t) {
       auto s = Surface(0, false);
       s.segmentsU = t;
       return OutcomeOf(Function3DAccept(s, 1), &GraphItem::StepU);
     }},
    {"3D y", "段数 y(或 r, b) 必须大于 1",
     [](const std::string& t) {
       auto s = Surface(0, false);
       s.segmentsV = t;
       return OutcomeOf(Function3DAccept(s, 1), &GraphItem::StepV);
     }},
    {"3D u", "段数 u 必须大于 1",
     [](const std::string& t) {
       auto s = Surface(1, false);
       s.segmentsU = t;
       return OutcomeOf(Function3DAccept(s, 1), &GraphItem::StepU);
     }},
    {"3D v", "段数 v 必须大于 1",
     [](const std::string& t) {
       auto s = Surface(1, false);
       s.segmentsV = t;
       return OutcomeOf(Function3DAccept(s, 1), &GraphItem::StepV);
     }},
    {"3D t", "段数 t 必须大于 1",
     [](const std::string& t) {
       auto s = Surface(0, true);
       s.stepsT = t;
       return OutcomeOf(Function3DAccept(s, 1), static_cast<int32_t GraphItem::*>(nullptr));
     }},
};

TEST(SegmentCounts, ATextThatRoundsToOneIsRefusedWithItsFieldsMessage) {
  for (const Field& f : kFields) {
    for (const char* text : {"1.4", "0.5", "1"})
      EXPECT_EQ(f.accept(text).refusal, f.message) << f.what << " " << text;
  }
}

TEST(SegmentCounts, HalvesRoundToEvenAsStored) {
  for (const Field& f : kFields) {
    for (auto [text, count] : {std::pair{"1.5", 2}, {"2.5", 2}, {"3.5", 4}}) {
      const Outcome out = f.accept(text);
      EXPECT_EQ(out.refusal, "") << f.what << " " << text;
      if (out.stored) {
        EXPECT_EQ(*out.stored, count) << f.what << " " << text;
      }
    }
  }
}

}  // namespace
