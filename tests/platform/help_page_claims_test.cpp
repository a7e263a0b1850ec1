// The help page's claims held against the program. The page marks each example with what it
// is (data-expr and data-outcome, with data-where, data-form or data-field for the place it
// is typed) and each row of its function table with the domain it states (data-domain);
// these tests read the page from the source tree and run every marked example and every
// domain bound through the dialog and the calculator as a user would.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <QRegularExpression>
#include <QString>

#include "common/message_service.h"
#include "common/number_text.h"
#include "dialogs/function/function_2d_accept.h"
#include "dialogs/function/graph_dialog_protocol.h"
#include "expr/calculator_model.h"
#include "expr/function_table.h"
#include "graph/graph_item.h"

using namespace curvanta;

namespace {

// ---- Reading the page ----

std::string PageText() {
  std::ifstream in(CURVANTA_SOURCE_DIR "/src/app/help/help.html", std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string DecodeEntities(std::string s) {
  static const std::pair<const char*, const char*> kEntities[] = {
      {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&#39;", "'"}, {"&amp;", "&"}};
  for (const auto& [entity, text] : kEntities) {
    for (size_t at = s.find(entity); at != std::string::npos; at = s.find(entity, at + 1))
      s.replace(at, std::strlen(entity), text);
  }
  return s;
}

using Attributes = std::map<std::string, std::string>;

// Every match of a pattern in a UTF-8 text, each as its captured groups (0 the whole match)
// and its byte offset.
struct Match {
  std::vector<std::string> groups;
  size_t at = 0;
};

std::vector<Match> AllMatches(const std::string& text, const char* pattern) {
  const QString subject = QString::fromUtf8(text);
  const QRegularExpression re(QString::fromUtf8(pattern));
  std::vector<Match> out;
  for (auto it = re.globalMatch(subject); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    Match match;
    for (int g = 0; g <= re.captureCount(); ++g) match.groups.push_back(m.captured(g).toStdString());
    match.at = size_t(subject.left(int(m.capturedStart())).toUtf8().size());
    out.push_back(std::move(match));
  }
  return out;
}

Attributes ParseAttributes(const std::string& tagBody) {
  Attributes out;
  for (const Match& m : AllMatches(tagBody, R"re(([A-Za-z][\w-]*)="([^"]*)")re"))
    out[m.groups[1]] = DecodeEntities(m.groups[2]);
  return out;
}

// One <code> element: its attributes, its text as the reader sees it and the section
// (the id of the last <h2> before it).
struct CodeElement {
  Attributes attributes;
  std::string text;
  std::string section;
  bool has(const char* name) const { return attributes.count(name) != 0; }
  std::string get(const char* name) const {
    auto it = attributes.find(name);
    return it == attributes.end() ? std::string() : it->second;
  }
};

std::vector<CodeElement> CodeElements(const std::string& page) {
  const std::vector<Match> sections = AllMatches(page, R"re(<h2 id="([^"]+)")re");
  std::vector<CodeElement> out;
  for (const Match& m : AllMatches(page, R"re(<code([^>]*)>([\s\S]*?)</code>)re")) {
    CodeElement e;
    e.attributes = ParseAttributes(m.groups[1]);
    e.text = DecodeEntities(m.groups[2]);
    for (const Match& section : sections)
      if (section.at < m.at) e.section = section.groups[1];
    out.push_back(std::move(e));
  }
  return out;
}

// ---- Running a text where the user types it ----

struct Observed {
  bool accepted = false;           // the dialog took the graph / the calculator gave a value
  std::vector<Message> messages;   // every box shown, the dialog's refusal included
  std::vector<float> values;       // the sampled values of an explicit graph
  std::optional<float> rangeStart; // the graph's first x, for a number-field example
  std::string result;              // the calculator's result box
};

// The 2D function dialog (Cartesian, x from -2 to 2 in 4 segments) with OK pressed: its
// filters and checks, then the sampling that decides whether the graph is added.
Observed ThroughTheGraphDialog(const std::string& text, bool implicitForm = false,
                               bool numberField = false) {
  ScopedMessageRecorder recorder;
  Function2DDialogState s = Function2DPresetForCreate(false, false, 10);
  if (implicitForm) {
    s.formIndex = 2;
    ApplyForm(s);
    s.minY = "-2";
    s.maxY = "2";
  }
  s.expression = numberField ? "x" : text;
  s.minX = numberField ? text : "-2";
  s.maxX = numberField ? "5" : "2";
  s.segmentsX = "4";
  Observed o;
  Function2DAcceptOutcome out = Function2DAccept(s, 1);
  if (out.refusal) {
    o.messages.push_back(*out.refusal);
    return o;
  }
  EXPECT_TRUE(out.item);
  if (!out.item) return o;
  o.accepted = SampleSafely(*out.item);
  o.messages = recorder.recorder.messages;
  o.rangeStart = out.item->MinV;
  if (o.accepted && !implicitForm) {
    for (int32_t j = 0; j <= out.item->StepV; ++j)
      o.values.push_back(out.item->Vert3DGrid().Get(0, j).y);
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

std::string Shown(const Observed& o) {
  std::string s = o.accepted ? "accepted" : "not accepted";
  for (const Message& m : o.messages) s += " | " + m.title + ": " + m.text;
  if (!o.result.empty()) s += " | result " + o.result;
  return s;
}

bool SameNumber(double got, double want) {
  return std::fabs(got - want) <= 1e-6 * std::max(1.0, std::fabs(want));
}

// Checks one marked example against the outcome the page names.
void ExpectOutcome(const CodeElement& e) {
  const std::string expr = e.get("data-expr");
  const std::string outcome = e.get("data-outcome");
  const bool calculator = e.get("data-where") == "calculator";
  const bool numberField = e.get("data-field") == "number";
  const Observed o = calculator ? ThroughTheCalculator(expr)
                                : ThroughTheGraphDialog(expr, e.get("data-form") == "implicit",
                                                        numberField);
  SCOPED_TRACE("example \"" + expr + "\" (" + outcome + "): " + Shown(o));
  auto startsWith = [&](const char* prefix) { return outcome.rfind(prefix, 0) == 0; };
  auto rest = [&](const char* prefix) { return outcome.substr(std::strlen(prefix)); };

  if (startsWith("syntax:")) {
    EXPECT_FALSE(o.accepted);
    ASSERT_EQ(o.messages.size(), 1u);
    EXPECT_EQ(o.messages[0].title, "语法错误");
    const QRegularExpression shape(
        QStringLiteral("\\A字符 [0-9]+：  ") +
        QRegularExpression::escape(QString::fromStdString(rest("syntax:"))) + QStringLiteral("\\z"));
    EXPECT_TRUE(shape.match(QString::fromStdString(o.messages[0].text)).hasMatch());
  } else if (startsWith("message:")) {
    EXPECT_FALSE(o.accepted);
    ASSERT_EQ(o.messages.size(), 1u);
    EXPECT_EQ(o.messages[0].text, rest("message:"));
  } else if (outcome == "accepted") {
    EXPECT_TRUE(o.accepted);
    EXPECT_TRUE(o.messages.empty());
  } else if (outcome == "empty") {
    ASSERT_TRUE(calculator);
    EXPECT_TRUE(o.messages.empty());
    EXPECT_EQ(o.result, "");
  } else if (startsWith("value:")) {
    ASSERT_TRUE(numberField);
    EXPECT_TRUE(o.accepted);
    EXPECT_TRUE(o.messages.empty());
    ASSERT_TRUE(o.rangeStart);
    EXPECT_EQ(*o.rangeStart, float(LeadingNumber(rest("value:"))));
  } else if (startsWith("same:")) {
    ASSERT_FALSE(calculator);
    const Observed other = ThroughTheGraphDialog(rest("same:"));
    EXPECT_TRUE(o.accepted);
    EXPECT_TRUE(o.messages.empty());
    EXPECT_TRUE(other.accepted) << Shown(other);
    EXPECT_FALSE(o.values.empty());
    EXPECT_EQ(o.values, other.values);
  } else {
    // A number: the value everywhere on the graph, or the calculator's result.
    const size_t length = LeadingNumberLength(outcome);
    ASSERT_TRUE(length > 0 && length == outcome.size()) << "unknown outcome";
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

// The sections that describe the language: every code element there is a checked example,
// a function name or an operator.
const std::set<std::string> kLanguageSections = {"language", "functions", "errors", "calculator"};

TEST(HelpPageClaims, EveryExampleGivesTheOutcomeThePageNames) {
  const std::string page = PageText();
  ASSERT_FALSE(page.empty());
  int examples = 0;
  for (const CodeElement& e : CodeElements(page)) {
    if (!e.has("data-expr")) continue;
    ++examples;
    // The reader sees what is checked.
    EXPECT_EQ(e.text, e.get("data-expr"));
    EXPECT_TRUE(e.has("data-outcome")) << e.text;
    if (e.has("data-outcome")) ExpectOutcome(e);
  }
  EXPECT_GT(examples, 0);
}

TEST(HelpPageClaims, NoExampleOfTheLanguageIsLeftUnchecked) {
  for (const CodeElement& e : CodeElements(PageText())) {
    if (!kLanguageSections.count(e.section)) continue;
    SCOPED_TRACE("<code> \"" + e.text + "\" in section " + e.section);
    if (e.has("data-expr")) continue;
    if (e.has("data-function")) {
      EXPECT_EQ(e.text, e.get("data-function"));
      EXPECT_GE(FunctionIndex(AsciiUpper(e.text)), 0);
    } else if (e.has("data-token")) {
      EXPECT_EQ(e.text.size(), 1u);
      EXPECT_NE(std::string("+-*/^()").find(e.text), std::string::npos);
    } else {
      ADD_FAILURE() << "an example without data-expr and data-outcome";
    }
  }
}

// ---- The function table ----

// The bounds the table names, from the limits of the number types: where e^x overflows a
// double, where x*x does, and where e^x and e^-x round to the same double.
struct NamedBound {
  double value;
  double margin;  // relative distance of the points just inside and just outside
};

const std::map<std::string, NamedBound>& NamedBounds() {
  static const std::map<std::string, NamedBound> bounds = {
      {"ln(DBL_MAX)", {std::log(DBL_MAX), 1e-6}},
      {"sqrt(DBL_MAX)", {std::sqrt(DBL_MAX), 1e-6}},
      // Half the spacing of the doubles just below 1: e^-x rounds to 1 below it. The
      // rounding of e^x this close to the tie is not the function's to promise exactly.
      {"2^-54", {std::ldexp(1.0, -54), 1e-2}},
  };
  return bounds;
}

struct Bound {
  double value = 0;
  bool infinite = false;
  bool named = false;
  double margin = 0;
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
    b.value = sign * it->second.value;
    b.margin = it->second.margin;
    return b;
  }
  const size_t length = LeadingNumberLength(text);
  if (length == 0 || length != text.size()) return std::nullopt;
  b.value = sign * LeadingNumber(text);
  return b;
}

struct Interval {
  Bound low, high;
  bool lowClosed = false, highClosed = false;
  bool contains(double x) const {
    return (lowClosed ? x >= low.value : x > low.value) &&
           (highClosed ? x <= high.value : x < high.value);
  }
};

// Intervals separated by blanks, each "[" or "(", low end, ",", high end, "]" or ")".
std::vector<Interval> ParseDomain(const std::string& text) {
  std::vector<Interval> out;
  std::istringstream words(text);
  std::string word;
  while (words >> word) {
    const size_t comma = word.find(',');
    const bool framed = word.size() >= 5 && (word.front() == '[' || word.front() == '(') &&
                        (word.back() == ']' || word.back() == ')') && comma != std::string::npos;
    EXPECT_TRUE(framed) << "domain " << text;
    if (!framed) return {};
    auto low = ParseBound(word.substr(1, comma - 1));
    auto high = ParseBound(word.substr(comma + 1, word.size() - comma - 2));
    EXPECT_TRUE(low && high) << "domain " << text;
    if (!low || !high) return {};
    Interval i;
    i.low = *low;
    i.high = *high;
    i.lowClosed = word.front() == '[';
    i.highClosed = word.back() == ']';
    out.push_back(i);
  }
  EXPECT_FALSE(out.empty()) << "domain " << text;
  return out;
}

// Points just inside and just outside one end of an interval; toward > 0 for a lower end
// (the inside lies above it).
void PointsAtBound(const Bound& b, bool closed, double toward, std::vector<double>& inside,
                   std::vector<double>& outside) {
  if (b.infinite) return;
  if (b.named) {
    const double step = std::fabs(b.value) * b.margin;
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

// f(x) typed into the dialog, x written out in full so that it reads back exactly.
std::string Call(const std::string& function, double x) {
  const std::string number = FormatPlainDecimal(x, 17);
  EXPECT_EQ(LeadingNumber(number), x) << number;
  return function + "(" + number + ")";
}

struct DomainRow {
  std::string function, domain, outsideMessage;
};

std::vector<DomainRow> DomainRows(const std::string& page) {
  std::vector<DomainRow> rows;
  for (const Match& m : AllMatches(page, R"re(<tr([^>]*\bdata-domain="[^"]*"[^>]*)>)re")) {
    const Attributes a = ParseAttributes(m.groups[1]);
    DomainRow r;
    r.function = a.count("data-function") ? a.at("data-function") : "";
    r.domain = a.at("data-domain");
    r.outsideMessage = a.count("data-outside") ? a.at("data-outside") : "计算函数值时出现数值错误";
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

TEST(HelpPageClaims, EachFunctionComputesInsideItsStatedDomainAndFailsJustOutside) {
  for (const DomainRow& row : DomainRows(PageText())) {
    SCOPED_TRACE(row.function + " on " + row.domain);
    const std::vector<Interval> domain = ParseDomain(row.domain);
    std::vector<double> inside, outside;
    for (const Interval& i : domain) {
      PointsAtBound(i.low, i.lowClosed, +1, inside, outside);
      PointsAtBound(i.high, i.highClosed, -1, inside, outside);
      if (i.low.infinite && i.high.infinite) {
        for (double x : {0.0, 0.5, -0.5, 1.0, -1.0, 1e6, -1e6, 1e30, -1e30, 1e300, -1e300})
          inside.push_back(x);
      }
    }
    auto inDomain = [&](double x) {
      for (const Interval& i : domain)
        if (i.contains(x)) return true;
      return false;
    };
    // A point at a bound that only approximates a rounding tie is not held to the formula.
    auto nearInexactBound = [&](double x) {
      const double tie = NamedBounds().at("2^-54").value;
      return std::fabs(std::fabs(x) - tie) < tie * 0.1;
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
      if (reference == References().end() || nearInexactBound(x)) continue;
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

}  // namespace
