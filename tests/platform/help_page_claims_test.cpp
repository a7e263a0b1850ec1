// The help page's claims held against the program. The page marks each example with what it
// is (data-expr and data-outcome, with data-where, data-form, data-field, data-option and
// data-range for the place it is typed) and each row of its function table with the domain
// it states (data-domain). These tests run every marked example through the dialog, the
// calculator or the drawing as a user would, check that the words the reader sees after an
// example and in each domain cell say what the mark says, and that the language sections
// hold no example or formula without a mark.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cstdint>
#include <cmath>
#include <cstring>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <QRegularExpression>
#include <QString>

#include "app/animation_settings.h"
#include "common/message_service.h"
#include "common/number_text.h"
#include "common/recording_gl.h"
#include "dialogs/data/point_dialog_state.h"
#include "dialogs/data/step_stem_dialog_state.h"
#include "dialogs/function/function_2d_accept.h"
#include "dialogs/function/graph_dialog_protocol.h"
#include "draw/implicit_plot.h"
#include "expr/calculator_model.h"
#include "expr/expression_parser.h"
#include "expr/function_table.h"
#include "graph/graph_item.h"
#include "help_page_reading.h"

using namespace curvanta;
using namespace curvanta::help_page;

namespace {

// ---- Running a text where the user types it ----

struct Observed {
  bool accepted = false;           // the dialog took the graph / the calculator gave a value
  std::vector<Message> messages;   // every box shown, the dialog's refusal included
  std::vector<float> values;       // the sampled values of an explicit graph
  std::optional<double> read;      // the value a number field was read as
  std::optional<std::pair<float, float>> yRange;  // the graph's box in y
  std::vector<std::pair<double, double>> plotted;  // the points an implicit plot draws
  std::string result;              // the calculator's result box
};

std::string Shown(const Observed& o) {
  std::string s = o.accepted ? "accepted" : "not accepted";
  for (const Message& m : o.messages) s += " | " + m.title + ": " + m.text;
  if (!o.result.empty()) s += " | result " + o.result;
  if (o.read) s += " | read " + FormatDouble(*o.read);
  return s;
}

// The points the drawing of an accepted implicit graph plots.
std::vector<std::pair<double, double>> PlottedPoints(GraphItem& item) {
  RecordingGl gl;
  ScopedGl guard(&gl);
  ExpressionEngine evaluator;
  DrawImplicitPlot(item, 0, evaluator);
  std::vector<std::pair<double, double>> out;
  for (const GlPrimitive& p : gl.Primitives())
    if (p.mode == GL_POINTS)
      for (const GlVertex& v : p.vertices) out.emplace_back(v.position[0], v.position[1]);
  return out;
}

// The 2D function dialog (Cartesian, x from -2 to 2 in 4 segments unless the example names
// its range) with OK pressed: its filters and checks, then the sampling that decides
// whether the graph is added.
Observed ThroughTheGraphDialog(const std::string& text, const Element* mark = nullptr) {
  const std::string field = mark ? mark->get("data-field") : "";
  const bool implicitForm = mark && mark->get("data-form") == "implicit";
  ScopedMessageRecorder recorder;
  Function2DDialogState s = Function2DPresetForCreate(false, false, 10);
  if (implicitForm) {
    s.formIndex = 2;
    ApplyForm(s);
    s.minY = "-2";
    s.maxY = "2";
  }
  s.expression = field.empty() ? text : "x";
  s.minX = "-2";
  s.maxX = "2";
  if (mark && mark->has("data-range")) {
    const std::string range = mark->get("data-range");
    s.minX = range.substr(0, range.find(','));
    s.maxX = range.substr(range.find(',') + 1);
  }
  s.segmentsX = "4";
  if (field == "number") {
    s.minX = text;
    s.maxX = "5";
  } else if (field == "segments") {
    s.segmentsX = text;
  }
  if (mark && mark->get("data-option") == "derivative") s.derivative.show = true;
  Observed o;
  Function2DAcceptOutcome out = Function2DAccept(s, 1);
  if (out.refusal) {
    o.messages.push_back(*out.refusal);
    return o;
  }
  EXPECT_TRUE(out.item);
  if (!out.item) return o;
  GraphItem& item = *out.item;
  o.accepted = SampleSafely(item);
  o.messages = recorder.recorder.messages;
  if (field == "number") o.read = item.MinV;
  if (field == "segments") o.read = item.StepV;
  if (!o.accepted) return o;
  if (implicitForm) {
    o.plotted = PlottedPoints(item);
  } else {
    for (int32_t j = 0; j <= item.StepV; ++j) o.values.push_back(item.Vert3DGrid().Get(0, j).y);
    const Box box = item.GetBox(0);
    o.yRange = std::make_pair(box.MinY, box.MaxY);
  }
  return o;
}

Observed ThroughTheCalculator(const std::string& text) {
  ScopedMessageRecorder recorder;
  const calculator::Outcome out = calculator::Compute(std::u16string(text.begin(), text.end()));
  Observed o;
  o.messages = recorder.recorder.messages;
  for (char16_t c : out.text2) o.result.push_back(char(c));
  o.accepted = !o.result.empty();
  return o;
}

// The step (or stem) dialog: the text as the function, or as the minimum x.
Observed ThroughTheStepDialog(const std::string& text, const std::string& field) {
  ScopedMessageRecorder recorder;
  StepStemDialogState s = StepStemPresetForCreate(false);
  s.function = field == "number" ? "x" : text;
  s.minX = field == "number" ? text : "-2";
  s.maxX = "2";
  s.segments = "4";
  Observed o;
  StepStemAcceptOutcome out = AcceptStepStemDialog(s, 1);
  if (out.refusal) {
    o.messages.push_back(*out.refusal);
    return o;
  }
  o.read = out.item->MinV;
  o.accepted = SampleSafely(*out.item);
  o.messages = recorder.recorder.messages;
  return o;
}

// The animated point dialog of a 2D document: the text as the y coordinate, or as min t.
Observed ThroughThePointAnimationDialog(const std::string& text, const std::string& field) {
  ScopedMessageRecorder recorder;
  PointDialogState s = PointPresetForCreate(true, 1, 10);
  s.x = "0";
  s.y = field == "mint" ? "t" : text;
  s.minT = field == "mint" ? text : "0";
  s.maxT = "1000000";
  Observed o;
  PointAcceptOutcome out = AcceptPointDialog(s, 1, 1);
  if (out.refusal) {
    o.messages.push_back(*out.refusal);
    return o;
  }
  o.read = out.item->MinT;
  o.accepted = SampleSafely(*out.item);
  o.messages = recorder.recorder.messages;
  return o;
}

// The point dialog of a 2D document: the text in the x box (a number box), y 0. What the
// point's x is sampled as is what the box was read as.
Observed ThroughThePointDialog(const std::string& text) {
  ScopedMessageRecorder recorder;
  PointDialogState s = PointPresetForCreate(false, 1, 10);
  s.x = text;
  s.y = "0";
  Observed o;
  PointAcceptOutcome out = AcceptPointDialog(s, 1, 1);
  if (out.refusal) {
    o.messages.push_back(*out.refusal);
    return o;
  }
  o.accepted = SampleSafely(*out.item);
  o.messages = recorder.recorder.messages;
  if (o.accepted) o.read = out.item->Vert3D(0, 0).x;
  return o;
}

// The animation settings: the text as the frame count or the speed, the other field 10.
Observed ThroughTheAnimationSettings(const std::string& text, const std::string& field) {
  AnimationSettingsState s{field == "frames" ? text : "10", field == "speed" ? text : "10"};
  const AnimationSettingsOutcome out = AcceptAnimationSettings(s);
  Observed o;
  if (out.refusal) {
    o.messages.push_back(*out.refusal);
    return o;
  }
  o.accepted = true;
  o.read = field == "frames" ? out.settings.frameCount : out.settings.speed;
  return o;
}

// Every place an example names (a blank-separated list), the 2D function dialog when none.
std::vector<std::pair<std::string, Observed>> RunWhereTyped(const Element& e) {
  const std::string expr = e.get("data-expr");
  const std::string field = e.get("data-field");
  std::vector<std::pair<std::string, Observed>> out;
  std::istringstream places(e.has("data-where") ? e.get("data-where") : "function2d");
  for (std::string place; places >> place;) {
    if (place == "calculator") out.emplace_back(place, ThroughTheCalculator(expr));
    else if (place == "stepstem") out.emplace_back(place, ThroughTheStepDialog(expr, field));
    else if (place == "pointanim") out.emplace_back(place, ThroughThePointAnimationDialog(expr, field));
    else if (place == "animation") out.emplace_back(place, ThroughTheAnimationSettings(expr, field));
    else if (place == "point") out.emplace_back(place, ThroughThePointDialog(expr));
    else if (place == "function2d") out.emplace_back(place, ThroughTheGraphDialog(expr, &e));
    else ADD_FAILURE() << "unknown place " << place;
  }
  return out;
}

bool SameNumber(double got, double want) {
  return std::fabs(got - want) <= 1e-6 * std::max(1.0, std::fabs(want));
}

bool StartsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }
std::string After(const std::string& s, const char* prefix) { return s.substr(std::strlen(prefix)); }

bool IsNumberText(const std::string& s) {
  const size_t length = LeadingNumberLength(s);
  return length > 0 && length == s.size();
}

// Checks one place's observation against the outcome the mark names.
void ExpectOutcome(const Element& e, const std::string& place, const Observed& o) {
  const std::string outcome = e.get("data-outcome");
  SCOPED_TRACE("example \"" + e.get("data-expr") + "\" in " + place + " (" + outcome + "): " + Shown(o));
  const bool calculator = place == "calculator";

  if (StartsWith(outcome, "syntax:")) {
    EXPECT_FALSE(o.accepted);
    ASSERT_EQ(o.messages.size(), 1u);
    EXPECT_EQ(o.messages[0].title, "语法错误");
    const QRegularExpression shape(
        QStringLiteral("\\A字符 [0-9]+：  ") +
        QRegularExpression::escape(QString::fromStdString(After(outcome, "syntax:"))) + QStringLiteral("\\z"));
    EXPECT_TRUE(shape.match(QString::fromStdString(o.messages[0].text)).hasMatch());
  } else if (StartsWith(outcome, "message:")) {
    EXPECT_FALSE(o.accepted);
    ASSERT_EQ(o.messages.size(), 1u);
    EXPECT_EQ(o.messages[0].text, After(outcome, "message:"));
  } else if (outcome == "silent") {
    EXPECT_FALSE(o.accepted);
    EXPECT_TRUE(o.messages.empty());
  } else if (outcome == "accepted") {
    EXPECT_TRUE(o.accepted);
    EXPECT_TRUE(o.messages.empty());
  } else if (outcome == "empty") {
    ASSERT_TRUE(calculator);
    EXPECT_TRUE(o.messages.empty());
    EXPECT_EQ(o.result, "");
  } else if (StartsWith(outcome, "value:")) {
    EXPECT_TRUE(o.accepted);
    EXPECT_TRUE(o.messages.empty());
    ASSERT_TRUE(o.read);
    EXPECT_EQ(*o.read, double(float(LeadingNumber(After(outcome, "value:")))));
  } else if (StartsWith(outcome, "same:")) {
    ASSERT_FALSE(calculator);
    const Observed other = ThroughTheGraphDialog(After(outcome, "same:"));
    EXPECT_TRUE(o.accepted);
    EXPECT_TRUE(o.messages.empty());
    EXPECT_TRUE(other.accepted) << Shown(other);
    EXPECT_FALSE(o.values.empty());
    EXPECT_EQ(o.values, other.values);
  } else if (StartsWith(outcome, "ybox:")) {
    EXPECT_TRUE(o.accepted);
    ASSERT_TRUE(o.yRange);
    const std::string range = After(outcome, "ybox:");
    EXPECT_EQ(o.yRange->first, float(LeadingNumber(range.substr(0, range.find(',')))));
    EXPECT_EQ(o.yRange->second, float(LeadingNumber(range.substr(range.find(',') + 1))));
  } else if (StartsWith(outcome, "ring:") || StartsWith(outcome, "disc:")) {
    // A ring: more than a hundred points, each close to the circle. A disc: the grid points
    // inside the circle nearly all drawn (a grid of pitch 1/40), none outside.
    EXPECT_TRUE(o.accepted);
    const double radius = LeadingNumber(outcome.substr(5));
    const bool ring = StartsWith(outcome, "ring:");
    for (const auto& [x, y] : o.plotted) {
      const double r = std::hypot(x, y);
      EXPECT_TRUE(ring ? std::fabs(r - radius) < 0.05 : r < radius + 0.01) << x << ", " << y;
    }
    const double discPoints = M_PI * radius * radius * 40 * 40;
    if (ring) EXPECT_GT(o.plotted.size(), 100u);
    else EXPECT_GT(double(o.plotted.size()), 0.9 * discPoints);
  } else if (StartsWith(outcome, "points:")) {
    EXPECT_TRUE(o.accepted);
    EXPECT_EQ(double(o.plotted.size()), LeadingNumber(After(outcome, "points:")));
  } else {
    // A number: the value everywhere on the graph, or the calculator's result.
    ASSERT_TRUE(IsNumberText(outcome)) << "unknown outcome";
    const double want = LeadingNumber(outcome);
    EXPECT_TRUE(o.accepted);
    EXPECT_TRUE(o.messages.empty());
    if (calculator) {
      EXPECT_TRUE(SameNumber(LeadingNumber(o.result), want));
    } else {
      EXPECT_FALSE(o.values.empty());
      for (float v : o.values) EXPECT_TRUE(SameNumber(v, want)) << v;
    }
  }
}

std::vector<Element> Examples(const std::string& page) {
  std::vector<Element> out;
  for (const Element& e : Elements(page))
    if (e.has("data-expr")) out.push_back(e);
  return out;
}

TEST(HelpPageClaims, EveryExampleGivesTheOutcomeThePageNames) {
  const std::string page = PageText();
  ASSERT_FALSE(page.empty());
  const std::vector<Element> examples = Examples(page);
  EXPECT_FALSE(examples.empty());
  for (const Element& e : examples) {
    // The reader sees what is checked (an example in words says what it is instead).
    if (!e.span) {
      EXPECT_EQ(e.text, e.get("data-expr"));
    }
    EXPECT_TRUE(e.has("data-outcome")) << e.text;
    if (!e.has("data-outcome")) continue;
    for (const auto& [place, observed] : RunWhereTyped(e)) ExpectOutcome(e, place, observed);
  }
}

// ---- What the reader is told about each example ----

// The claims the page's words make, each with the examples it is about.
struct StatedClaim {
  Claim claim;
  std::vector<Element> group;
  std::optional<Element> next;  // the example a "same as" claim names
  size_t at = 0;                 // where its words start in the page
};

std::vector<StatedClaim> StatedClaims(const std::string& page) {
  const std::vector<Element> elements = Elements(page);
  std::vector<StatedClaim> out;
  std::vector<Element> group;
  for (size_t i = 0; i < elements.size(); ++i) {
    const Element& e = elements[i];
    if (!e.has("data-expr")) {
      group.clear();
      continue;
    }
    group.push_back(e);
    StatedClaim stated;
    stated.claim = ReadClaim(page.substr(e.end));
    stated.at = e.end;
    const Element* next = i + 1 < elements.size() ? &elements[i + 1] : nullptr;
    const std::string between = next ? page.substr(e.end, next->at - e.end) : std::string();
    const bool adjacent = next && next->has("data-expr") && between.find('<') == std::string::npos;
    if (stated.claim.kind == ClaimKind::None && adjacent && IsConnector(between)) continue;
    if (stated.claim.kind == ClaimKind::None && adjacent && IsSameAs(between)) {
      stated.claim.kind = ClaimKind::SameAs;
      stated.next = *next;
    }
    stated.group = group;
    group.clear();
    if (stated.claim.kind != ClaimKind::None) out.push_back(std::move(stated));
  }
  return out;
}

bool Refusal(const std::string& outcome) {
  return StartsWith(outcome, "syntax:") || StartsWith(outcome, "message:");
}

void ExpectClaimHolds(const StatedClaim& stated, const Element& e) {
  const Claim& c = stated.claim;
  const std::string outcome = e.get("data-outcome");
  SCOPED_TRACE("\"" + e.text + "\" marked " + outcome + ", the page says " + c.text + " " + c.second);
  switch (c.kind) {
    case ClaimKind::Number:
      if (StartsWith(outcome, "value:")) {
        EXPECT_EQ(LeadingNumber(After(outcome, "value:")), LeadingNumber(c.text));
      } else {
        ASSERT_TRUE(IsNumberText(outcome));
        EXPECT_TRUE(SameNumber(LeadingNumber(outcome), LeadingNumber(c.text)));
      }
      break;
    case ClaimKind::Message:
      EXPECT_TRUE(outcome == "message:" + c.text || outcome == "syntax:" + c.text);
      break;
    case ClaimKind::Syntax: EXPECT_TRUE(StartsWith(outcome, "syntax:")); break;
    case ClaimKind::Refused: EXPECT_TRUE(Refusal(outcome)); break;
    case ClaimKind::Accepted:
      EXPECT_TRUE(outcome == "accepted" || StartsWith(outcome, "same:") ||
                  StartsWith(outcome, "value:") || IsNumberText(outcome));
      break;
    case ClaimKind::Silent: EXPECT_EQ(outcome, "silent"); break;
    case ClaimKind::Empty: EXPECT_EQ(outcome, "empty"); break;
    case ClaimKind::Alike: {
      // Each is marked the same as another of its group.
      bool named = false;
      for (const Element& other : stated.group)
        named = named || (&other != &e && outcome == "same:" + other.text && other.text != e.text);
      EXPECT_TRUE(named);
      break;
    }
    case ClaimKind::SameAs: EXPECT_EQ(outcome, "same:" + stated.next->text); break;
    case ClaimKind::YRange: EXPECT_EQ(outcome, "ybox:" + c.text + "," + c.second); break;
    case ClaimKind::Ring: EXPECT_EQ(outcome, "ring:1"); break;
    case ClaimKind::Disc: EXPECT_EQ(outcome, "disc:" + c.text); break;
    case ClaimKind::Points: EXPECT_EQ(outcome, "points:" + c.text); break;
    case ClaimKind::None: break;
  }
}

TEST(HelpPageClaims, TheWordsAfterEachExampleSayWhatItsMarkSays) {
  const std::vector<StatedClaim> claims = StatedClaims(PageText());
  EXPECT_FALSE(claims.empty());
  for (const StatedClaim& stated : claims)
    for (const Element& e : stated.group) ExpectClaimHolds(stated, e);
}

// The syntax error table: each example gives the error its row names ("…" any token).
TEST(HelpPageClaims, EachSyntaxErrorExampleGivesTheErrorOfItsRow) {
  const std::string page = PageText();
  const size_t from = page.find("<h2 id=\"errors\">");
  const size_t to = page.find("<h2", from + 1);
  ASSERT_NE(from, std::string::npos);
  const std::string section = page.substr(from, to - from);
  int checked = 0;
  for (const Match& row : AllMatches(section, R"re(<tr><td>([^<]*)</td><td>([\s\S]*?)</td></tr>)re")) {
    const QString reason = QString::fromStdString(DecodeEntities(row.groups[1]));
    QStringList parts = reason.split(QStringLiteral("…"));
    for (QString& part : parts) part = QRegularExpression::escape(part);
    const QString pattern = parts.join(QStringLiteral(".+"));
    const QRegularExpression wanted(QStringLiteral("\\Asyntax:") + pattern + QStringLiteral("\\z"));
    for (const Element& e : Examples(row.groups[2])) {
      SCOPED_TRACE(reason.toStdString() + ": " + e.text);
      EXPECT_TRUE(wanted.match(QString::fromStdString(e.get("data-outcome"))).hasMatch()) << e.get("data-outcome");
      ++checked;
    }
  }
  EXPECT_GT(checked, 10);
}

// ---- Nothing unmarked in the language sections ----

const std::set<std::string> kLanguageSections = {"language", "functions", "errors", "calculator"};

// The sections' text with every marked element, every stated result and every message a
// function row states (checked against its row) taken out, and tags and numbers in
// exponent form left aside.
std::string UnmarkedLanguageText(const std::string& page) {
  std::string blanked = page;
  auto blank = [&](size_t at, size_t length) {
    for (size_t i = at; i < at + length && i < blanked.size(); ++i)
      if ((unsigned char)blanked[i] < 0x80) blanked[i] = ' ';
      else blanked[i] = '\x01';
  };
  for (const Element& e : Elements(page)) blank(e.at, e.end - e.at);
  for (const StatedClaim& c : StatedClaims(page)) blank(c.at, c.claim.length);
  for (const Match& m : AllMatches(page, R"re(；否则提示 "[^"]*")re")) blank(m.at, m.end - m.at);
  std::string out;
  for (const Match& section : AllMatches(blanked, R"re(<h2 id="([^"]+)"[\s\S]*?(?=<h2|</body>))re")) {
    if (kLanguageSections.count(section.groups[1])) out += VisibleText(section.groups[0]) + "\n";
  }
  QString text = QString::fromUtf8(out);
  text.remove(QChar(1));
  text.replace(QRegularExpression(QStringLiteral("[0-9]+(\\.[0-9]+)?E[+-][0-9]+")), QStringLiteral("N"));
  return text.toStdString();
}

// Words of the reader's text that are an example or a formula: a function's name, a name
// followed by "(", an operator between two operands, a stated result.
std::vector<std::string> UnmarkedExamples(const std::string& text) {
  QString names;
  for (std::string_view name : kFunctionNames)
    names += (names.isEmpty() ? QString() : QStringLiteral("|")) + QString::fromLatin1(name.data(), int(name.size()));
  const QRegularExpression patterns[] = {
      QRegularExpression(QStringLiteral("(?<![A-Za-z])(") + names + QStringLiteral(")(?![A-Za-z])"),
                         QRegularExpression::CaseInsensitiveOption),
      QRegularExpression(QStringLiteral("[A-Za-z]\\s*\\(")),
      QRegularExpression(QStringLiteral("[A-Za-z0-9.)]\\s*[-+*/^=]\\s*[A-Za-z0-9.(]")),
      QRegularExpression(QStringLiteral("(=|得|等于)\\s*-?[0-9]")),
  };
  std::vector<std::string> found;
  const QString subject = QString::fromUtf8(text);
  for (const QRegularExpression& re : patterns)
    for (auto it = re.globalMatch(subject); it.hasNext();) {
      const QRegularExpressionMatch m = it.next();
      found.push_back(subject.mid(std::max<qsizetype>(0, m.capturedStart() - 12), m.capturedLength() + 24).toStdString());
    }
  return found;
}

TEST(HelpPageClaims, NoExampleOfTheLanguageIsLeftUnmarked) {
  const std::string page = PageText();
  for (const Element& e : Elements(page)) {
    if (!kLanguageSections.count(e.section) || e.has("data-expr")) continue;
    SCOPED_TRACE("<code> \"" + e.text + "\" in section " + e.section);
    if (e.has("data-function")) {
      EXPECT_EQ(e.text, e.get("data-function"));
      EXPECT_GE(FunctionIndex(AsciiUpper(e.text)), 0);
    } else if (e.has("data-token")) {
      EXPECT_EQ(e.text.size(), 1u);
      EXPECT_NE(std::string("+-*/^()").find(e.text), std::string::npos);
    } else if (e.has("data-formula")) {
      EXPECT_EQ(e.section, "functions");  // checked with its row
    } else {
      ADD_FAILURE() << "an example without data-expr and data-outcome";
    }
  }
  for (const std::string& words : UnmarkedExamples(UnmarkedLanguageText(page)))
    ADD_FAILURE() << "an example or formula without a mark: …" << words << "…";
}

// The scan itself: what it must find and what it must leave.
TEST(HelpPageClaims, TheScanForUnmarkedExamplesFindsThemInPlainWords) {
  for (const char* text : {"sin x 即 sin(x)", "-2^2 是负数", "例如 2*x", "结果 = 4", "得 100000",
                           "ln(x+1)", "写成 ABS"}) {
    EXPECT_FALSE(UnmarkedExamples(text).empty()) << text;
  }
  for (const char* text : {"约 ±N", "-1 ≤ x ≤ 1", "|x| ≥ 1", "x ≠ 0，|x| ≤ N", "u、v、x、y",
                           "例如 \"=\"、\"#\"", "[0, 1) 中的随机数", "得到很大的值", "sinx 不是函数"}) {
    EXPECT_TRUE(UnmarkedExamples(text).empty()) << text;
  }
}

// ---- The function table ----

// The bounds the table's marks name, from the limits of the number types.
const std::map<std::string, double>& NamedBounds() {
  static const std::map<std::string, double> bounds = {
      {"ln(DBL_MAX)", std::log(DBL_MAX)},
      {"ln(2*DBL_MAX)", std::log(DBL_MAX) + std::log(2.0)},
      {"sqrt(DBL_MAX)", std::sqrt(DBL_MAX)},
      {"1/DBL_MAX", 1 / DBL_MAX},
  };
  return bounds;
}

struct Bound {
  double value = 0;
  bool infinite = false;
  bool named = false;
};

std::optional<Bound> ParseBound(std::string text) {
  Bound b;
  double sign = 1;
  if (!text.empty() && text[0] == '-') {
    sign = -1;
    text.erase(0, 1);
  }
  if (text == "inf") {
    b.infinite = true;
    b.value = sign * HUGE_VAL;
    return b;
  }
  if (auto it = NamedBounds().find(text); it != NamedBounds().end()) {
    b.named = true;
    b.value = sign * it->second;
    return b;
  }
  if (!IsNumberText(text)) return std::nullopt;
  b.value = sign * LeadingNumber(text);
  return b;
}

struct MarkedInterval {
  Interval interval;
  Bound low, high;
};

// Intervals separated by blanks, each "[" or "(", low end, ",", high end, "]" or ")".
std::vector<MarkedInterval> ParseMarkedDomain(const std::string& text) {
  std::vector<MarkedInterval> out;
  std::istringstream words(text);
  for (std::string word; words >> word;) {
    const size_t comma = word.find(',');
    const bool framed = word.size() >= 5 && (word.front() == '[' || word.front() == '(') &&
                        (word.back() == ']' || word.back() == ')') && comma != std::string::npos;
    EXPECT_TRUE(framed) << "domain " << text;
    if (!framed) return {};
    auto low = ParseBound(word.substr(1, comma - 1));
    auto high = ParseBound(word.substr(comma + 1, word.size() - comma - 2));
    EXPECT_TRUE(low && high) << "domain " << text;
    if (!low || !high) return {};
    MarkedInterval i;
    i.low = *low;
    i.high = *high;
    i.interval = Interval{low->value, high->value, word.front() == '[', word.back() == ']'};
    out.push_back(i);
  }
  EXPECT_FALSE(out.empty()) << "domain " << text;
  return out;
}

// One row of the table: the function, the domain its mark names, the message outside it,
// the cell the reader sees and the formulas its value cell gives.
struct DomainRow {
  std::string function, domain, outsideMessage, cell;
  bool outsideMarked = false;
  std::vector<std::string> formulas;
};

std::vector<DomainRow> DomainRows(const std::string& page) {
  std::vector<DomainRow> rows;
  for (const Match& m : AllMatches(page, R"re(<tr([^>]*\bdata-domain="[^"]*"[^>]*)>([\s\S]*?)</tr>)re")) {
    const Attributes a = ParseAttributes(m.groups[1]);
    DomainRow r;
    r.function = a.count("data-function") ? a.at("data-function") : "";
    r.domain = a.at("data-domain");
    r.outsideMarked = a.count("data-outside") != 0;
    r.outsideMessage = r.outsideMarked ? a.at("data-outside") : "计算函数值时出现数值错误";
    const std::vector<Match> cells = AllMatches(m.groups[2], R"re(<td>([\s\S]*?)</td>)re");
    EXPECT_EQ(cells.size(), 3u) << r.function;
    if (cells.size() == 3) {
      // The condition the reader sees, examples in it aside (they are checked as examples).
      r.cell = VisibleText(QString::fromStdString(cells[2].groups[1])
                               .replace(QRegularExpression(QStringLiteral("<code[^>]*>[\\s\\S]*?</code>")), QStringLiteral("例"))
                               .toStdString());
    }
    for (const Element& e : Elements(m.groups[2]))
      if (e.has("data-formula")) r.formulas.push_back(e.text);
    rows.push_back(r);
  }
  return rows;
}

TEST(HelpPageClaims, TheFunctionTableNamesEveryFunctionOnce) {
  std::multiset<std::string> named;
  for (const DomainRow& r : DomainRows(PageText())) named.insert(AsciiUpper(r.function));
  for (std::string_view name : kFunctionNames) EXPECT_EQ(named.count(std::string(name)), 1u) << name;
  EXPECT_EQ(named.size(), kFunctionNames.size());
}

// A domain cell as the reader reads it: the condition, whether "约" follows it (its numbers
// are rounded), and the words after the condition.
struct DomainCell {
  std::optional<Domain> condition;
  bool approximate = false;
  QString rest;
};

DomainCell ReadDomainCell(const std::string& text) {
  const QString cell = QString::fromStdString(text);
  const qsizetype conditionEnd = cell.indexOf(QRegularExpression(QStringLiteral("[（；]")));
  DomainCell out;
  out.condition = ParseStatedCondition((conditionEnd < 0 ? cell : cell.left(conditionEnd)).toStdString());
  out.rest = conditionEnd < 0 ? QString() : cell.mid(conditionEnd);
  out.approximate = out.rest.startsWith(QStringLiteral("（约"));
  return out;
}

// The relative rounding of a number the page writes with "约" (seven significant digits).
constexpr double kRoundedWithin = 1e-5;

// The cell the reader sees states the marked domain: the same intervals, ends within the
// rounding "约" announces (exact without it), and the message the mark names outside.
TEST(HelpPageClaims, EachDomainCellSaysTheDomainItsRowIsMarkedWith) {
  for (const DomainRow& row : DomainRows(PageText())) {
    SCOPED_TRACE(row.function + ": \"" + row.cell + "\" marked " + row.domain);
    const DomainCell cell = ReadDomainCell(row.cell);
    const std::optional<Domain>& stated = cell.condition;
    const bool approximate = cell.approximate;
    const QString& rest = cell.rest;
    ASSERT_TRUE(stated) << "a condition the page's words do not form";
    const std::vector<MarkedInterval> marked = ParseMarkedDomain(row.domain);
    ASSERT_EQ(stated->size(), marked.size());
    for (size_t i = 0; i < marked.size(); ++i) {
      const Interval& s = (*stated)[i];
      const MarkedInterval& m = marked[i];
      auto close = [&](double got, const Bound& want) {
        if (want.infinite) return got == want.value;
        const double tolerance = approximate ? kRoundedWithin : 1e-12;
        return std::fabs(got - want.value) <= tolerance * std::fabs(want.value);
      };
      EXPECT_TRUE(close(s.low, m.low)) << s.low;
      EXPECT_TRUE(close(s.high, m.high)) << s.high;
      EXPECT_EQ(s.lowClosed, m.interval.lowClosed);
      EXPECT_EQ(s.highClosed, m.interval.highClosed);
    }
    // A row whose ends are named by the number types says "约"; one with exact ends does not.
    bool named = false;
    for (const MarkedInterval& m : marked) named = named || m.low.named || m.high.named;
    EXPECT_EQ(approximate, named);
    const QRegularExpressionMatch message =
        QRegularExpression(QStringLiteral("；否则提示 \"([^\"]*)\"")).match(rest);
    EXPECT_EQ(message.hasMatch(), row.outsideMarked);
    if (message.hasMatch()) {
      EXPECT_EQ(message.captured(1).toStdString(), row.outsideMessage);
    }
  }
}

// Points just inside and just outside one end of an interval; toward > 0 for a lower end
// (the inside lies above it).
void PointsAtBound(const Bound& b, bool closed, double toward, std::vector<double>& inside,
                   std::vector<double>& outside) {
  if (b.infinite) return;
  if (b.named) {
    const double step = std::fabs(b.value) * 1e-6;
    inside.push_back(b.value + toward * step);
    outside.push_back(b.value - toward * step);
    return;
  }
  const double step = b.value == 0 ? 1e-300 : std::fabs(b.value) * 1e-6;
  (closed ? inside : outside).push_back(b.value);
  (closed ? outside : inside).push_back(b.value + (closed ? -toward : toward) * step);
}

// The functions' values by the mathematics they name (rnd has none).
const std::map<std::string, std::function<double(double)>>& References() {
  static const std::map<std::string, std::function<double(double)>> refs = {
      {"sin", [](double x) { return std::sin(x); }},
      {"cos", [](double x) { return std::cos(x); }},
      {"tan", [](double x) { return std::tan(x); }},
      {"sec", [](double x) { return 1 / std::cos(x); }},
      {"csec", [](double x) { return 1 / std::sin(x); }},
      {"ctan", [](double x) { return 1 / std::tan(x); }},
      {"asin", [](double x) { return std::asin(x); }},
      {"acos", [](double x) { return std::acos(x); }},
      {"atn", [](double x) { return std::atan(x); }},
      {"asec", [](double x) { return std::acos(1 / x); }},
      {"acsec", [](double x) { return std::asin(1 / x); }},
      {"actan", [](double x) { return std::acos(-1.0) / 2 - std::atan(x); }},
      {"sinh", [](double x) { return std::sinh(x); }},
      {"cosh", [](double x) { return std::cosh(x); }},
      {"tanh", [](double x) { return std::tanh(x); }},
      {"ctanh", [](double x) { return 1 / std::tanh(x); }},
      {"sech", [](double x) { return 1 / std::cosh(x); }},
      {"csech", [](double x) { return 1 / std::sinh(x); }},
      {"asinh", [](double x) { return std::asinh(x); }},
      {"acosh", [](double x) { return std::acosh(x); }},
      {"atanh", [](double x) { return std::atanh(x); }},
      {"asech", [](double x) { return std::acosh(1 / x); }},
      {"acsech", [](double x) { return std::asinh(1 / x); }},
      {"actanh", [](double x) { return std::atanh(1 / x); }},
      {"exp", [](double x) { return std::exp(x); }},
      {"log", [](double x) { return std::log(x); }},
      {"sqr", [](double x) { return std::sqrt(x); }},
      {"abs", [](double x) { return std::fabs(x); }},
      {"int", [](double x) { return std::floor(x); }},
  };
  return refs;
}

// x written out in full so that it reads back exactly.
std::string Number(double x) {
  const std::string number = FormatPlainDecimal(x, 17);
  EXPECT_EQ(LeadingNumber(number), x) << number;
  return number;
}

std::string Call(const std::string& function, double x) { return function + "(" + Number(x) + ")"; }

TEST(HelpPageClaims, EachFunctionComputesInsideItsStatedDomainAndFailsJustOutside) {
  for (const DomainRow& row : DomainRows(PageText())) {
    SCOPED_TRACE(row.function + " on " + row.domain);
    const std::vector<MarkedInterval> domain = ParseMarkedDomain(row.domain);
    std::vector<double> inside, outside;
    for (const MarkedInterval& i : domain) {
      PointsAtBound(i.low, i.interval.lowClosed, +1, inside, outside);
      PointsAtBound(i.high, i.interval.highClosed, -1, inside, outside);
      // Ordinary operands and the far ends of the doubles, where they belong to the domain.
      for (double x : {0.0, 0.5, -0.5, 1.0, -1.0, 3.0, -3.0, 1e-30, -1e-30, 1e6, -1e6, 1e30, -1e30,
                       1e300, -1e300})
        if (i.interval.contains(x)) inside.push_back(x);
    }
    auto inDomain = [&](double x) {
      for (const MarkedInterval& i : domain)
        if (i.interval.contains(x)) return true;
      return false;
    };
    const auto reference = References().find(row.function);
    // Inside, the function computes: times 0 the expression's value always fits a float.
    // On its own its value is the mathematics' when that fits a float, and an overflow
    // when it does not.
    for (double x : inside) {
      EXPECT_TRUE(inDomain(x)) << x;
      const std::string text = Call(row.function, x);
      const Observed o = ThroughTheGraphDialog(text + "*0");
      SCOPED_TRACE(text + "*0: " + Shown(o));
      EXPECT_TRUE(o.accepted);
      EXPECT_TRUE(o.messages.empty());
      if (reference == References().end()) continue;
      const double want = reference->second(x);
      const Observed alone = ThroughTheGraphDialog(text);
      SCOPED_TRACE(text + ": " + Shown(alone));
      if (std::fabs(want) < double(FLT_MAX)) {
        EXPECT_TRUE(alone.accepted);
        if (!alone.values.empty()) {
          EXPECT_NEAR(alone.values[0], float(want), 1e-5 * std::max(1.0, std::fabs(want)));
        }
      } else {
        EXPECT_FALSE(alone.accepted);
        EXPECT_EQ(alone.messages, (std::vector<Message>{Message{"计算函数值时出现数值错误", "出错", MsgIcon::Error}}));
      }
    }
    for (double x : outside) {
      EXPECT_FALSE(inDomain(x)) << x;
      const std::string text = Call(row.function, x) + "*0";
      const Observed o = ThroughTheGraphDialog(text);
      SCOPED_TRACE(text + ": " + Shown(o));
      EXPECT_FALSE(o.accepted);
      EXPECT_EQ(o.messages, (std::vector<Message>{Message{row.outsideMessage, "出错", MsgIcon::Error}}));
    }
  }
}

// ---- The edges of each domain, found in the engine ----

// The doubles in their order as whole numbers: neighbouring doubles have neighbouring keys,
// subnormals included, and -0 and +0 share the key 0.
int64_t OrderKey(double x) {
  const int64_t bits = std::bit_cast<int64_t>(x);
  return bits < 0 ? -(bits & INT64_MAX) : bits;
}

double FromOrderKey(int64_t key) { return std::bit_cast<double>(key < 0 ? (-key) | INT64_MIN : key); }

// A double in exponent form with every digit that tells it from its neighbours.
std::string AllDigits(double x) {
  std::ostringstream text;
  text.precision(17);
  text << x;
  return text.str();
}

double NextDouble(double x) { return FromOrderKey(OrderKey(x) + 1); }
double PreviousDouble(double x) { return FromOrderKey(OrderKey(x) - 1); }

// Whether the engine computes the function at x, typed as a constant operand and times 0 (so
// that only the function itself can fail): the text compiled and evaluated as the dialogs
// sample it, any message box recorded.
bool EngineComputes(const std::string& function, double x) {
  ScopedMessageRecorder recorder;
  ExpressionEngine engine;
  std::string postfix;
  const std::string text = Call(function, x) + "*0";
  if (engine.InfixToPostfix(text, postfix) != 0) {
    ADD_FAILURE() << "syntax error in " << text;
    return false;
  }
  float result = 0;
  bool faulted = false;
  return PostfixProgram::Compile(postfix).EvaluateQuietly(false, result, VarValues{}, faulted);
}

// A run of doubles the engine computes on, its first and last operand.
struct EngineInterval {
  double first = 0, last = 0;
};

// The runs of operands the engine computes the function on, searched over every double from
// -DBL_MAX to DBL_MAX: probed at 0, at every power of two and one and a half times it
// (subnormals included) and at the ends of the range, then each change between neighbouring
// probes bisected down to the two neighbouring doubles it lies between.
std::vector<EngineInterval> EngineDomain(const std::string& function) {
  std::vector<int64_t> keys = {0, OrderKey(DBL_MAX), OrderKey(-DBL_MAX)};
  for (int e = -1074; e <= 1023; ++e) {
    for (double m : {1.0, 1.5}) {
      const double x = std::ldexp(m, e);
      if (!std::isfinite(x) || x == 0) continue;
      keys.push_back(OrderKey(x));
      keys.push_back(OrderKey(-x));
    }
  }
  std::sort(keys.begin(), keys.end());
  keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
  std::vector<char> in(keys.size());
  for (size_t i = 0; i < keys.size(); ++i) in[i] = EngineComputes(function, FromOrderKey(keys[i]));

  std::vector<EngineInterval> out;
  std::optional<int64_t> first;
  if (in[0]) first = keys[0];
  for (size_t i = 1; i < keys.size(); ++i) {
    if (in[i] == in[i - 1]) continue;
    int64_t low = keys[i - 1], high = keys[i];  // low as probe i - 1, high as probe i
    while (high - low > 1) {
      const int64_t middle = low + (high - low) / 2;
      (EngineComputes(function, FromOrderKey(middle)) == bool(in[i - 1]) ? low : high) = middle;
    }
    if (in[i]) {
      first = high;
    } else {
      out.push_back({FromOrderKey(*first), FromOrderKey(low)});
      first.reset();
    }
  }
  if (first) out.push_back({FromOrderKey(*first), FromOrderKey(keys.back())});
  return out;
}

// Whether an end of an interval the engine has is the end a stated interval has. An
// infinite end is the end of the doubles; a rounded end is within the rounding; an exact
// end is the operand itself when closed and its neighbour outside when open. `inside` is
// the engine's last operand inside, `outside` the double beyond it (none at the ends).
bool SameEnd(double inside, std::optional<double> outside, double stated, bool closed, bool rounded,
             double tolerance) {
  if (std::isinf(stated)) return !outside;
  if (!outside) return false;
  if (rounded) return std::fabs(inside - stated) <= tolerance * std::fabs(stated);
  return closed ? inside == stated : *outside == stated;
}

// What the engine computes is what each domain cell and each mark state: the same number
// of intervals, each end the operand the cell writes (within the rounding "约" announces)
// and the one the mark names (a bound named by the number types within 1e-12 of it).
// Each end found is held against the dialog too: accepted inside, refused outside with the
// message of the row.
TEST(HelpPageClaims, EachDomainCellStatesTheEdgesTheEngineHas) {
  for (const DomainRow& row : DomainRows(PageText())) {
    const std::vector<EngineInterval> engine = EngineDomain(row.function);
    std::string found;
    for (const EngineInterval& i : engine) found += " [" + AllDigits(i.first) + ", " + AllDigits(i.last) + "]";
    SCOPED_TRACE(row.function + ": the engine computes on" + found + "; the cell says \"" + row.cell +
                 "\", the mark " + row.domain);
    const DomainCell cell = ReadDomainCell(row.cell);
    ASSERT_TRUE(cell.condition) << "a condition the page's words do not form";
    const std::vector<MarkedInterval> marked = ParseMarkedDomain(row.domain);
    ASSERT_EQ(engine.size(), cell.condition->size());
    ASSERT_EQ(engine.size(), marked.size());
    for (size_t k = 0; k < engine.size(); ++k) {
      const EngineInterval& e = engine[k];
      const std::optional<double> below =
          e.first == -DBL_MAX ? std::nullopt : std::optional<double>(PreviousDouble(e.first));
      const std::optional<double> above =
          e.last == DBL_MAX ? std::nullopt : std::optional<double>(NextDouble(e.last));
      const Interval& s = (*cell.condition)[k];
      EXPECT_TRUE(SameEnd(e.first, below, s.low, s.lowClosed, cell.approximate, kRoundedWithin))
          << "the cell's low end " << s.low;
      EXPECT_TRUE(SameEnd(e.last, above, s.high, s.highClosed, cell.approximate, kRoundedWithin))
          << "the cell's high end " << s.high;
      const MarkedInterval& m = marked[k];
      EXPECT_TRUE(SameEnd(e.first, below, m.low.value, m.interval.lowClosed, m.low.named, 1e-12))
          << "the mark's low end " << m.low.value;
      EXPECT_TRUE(SameEnd(e.last, above, m.high.value, m.interval.highClosed, m.high.named, 1e-12))
          << "the mark's high end " << m.high.value;

      for (auto [inside, outside] : {std::make_pair(e.first, below), std::make_pair(e.last, above)}) {
        if (!outside) continue;
        const Observed in = ThroughTheGraphDialog(Call(row.function, inside) + "*0");
        EXPECT_TRUE(in.accepted && in.messages.empty()) << AllDigits(inside) << ": " << Shown(in);
        const Observed out = ThroughTheGraphDialog(Call(row.function, *outside) + "*0");
        EXPECT_FALSE(out.accepted) << AllDigits(*outside);
        EXPECT_EQ(out.messages, (std::vector<Message>{Message{row.outsideMessage, "出错", MsgIcon::Error}}))
            << AllDigits(*outside);
      }
    }
  }
}

// The formula a row's value cell gives is the function: typed with x replaced by an operand
// of the domain, it gives the function's value there.
TEST(HelpPageClaims, EachFormulaOfTheTableGivesItsFunctionsValue) {
  int checked = 0;
  for (const DomainRow& row : DomainRows(PageText())) {
    const std::vector<MarkedInterval> domain = ParseMarkedDomain(row.domain);
    for (const std::string& formula : row.formulas) {
      SCOPED_TRACE(row.function + " = " + formula);
      int points = 0;
      for (double x : {-3.0, -1.7, -0.6, -0.2, 0.3, 0.8, 1.4, 2.6, 5.0}) {
        bool in = false;
        for (const MarkedInterval& i : domain) in = in || i.interval.contains(x);
        if (!in) continue;
        const QString operand = QStringLiteral("(") + QString::fromStdString(Number(x)) + QStringLiteral(")");
        const std::string typed = QString::fromStdString(formula)
                                      .replace(QRegularExpression(QStringLiteral("(?<![A-Za-z])x(?![A-Za-z])")), operand)
                                      .toStdString();
        const Observed byFormula = ThroughTheGraphDialog(typed);
        const Observed byFunction = ThroughTheGraphDialog(Call(row.function, x));
        SCOPED_TRACE(typed + ": " + Shown(byFormula) + "; " + Shown(byFunction));
        ASSERT_TRUE(byFormula.accepted && byFunction.accepted);
        const float want = byFunction.values[0];
        EXPECT_NEAR(byFormula.values[0], want, 1e-5 * std::max(1.0f, std::fabs(want)));
        ++points;
        ++checked;
      }
      EXPECT_GT(points, 0);
    }
  }
  EXPECT_GT(checked, 50);
}

}  // namespace
