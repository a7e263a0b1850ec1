// Reading the help page as its reader does: the marked elements with the text around them,
// the result each example is said to have in the words that follow it, the text left over
// once every marked element and stated result is taken away, and the domain a function
// table cell states.
#pragma once

#include <cmath>
#include <cstring>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <QRegularExpression>
#include <QString>

namespace curvanta::help_page {

inline std::string PageText() {
  std::ifstream in(CURVANTA_SOURCE_DIR "/src/app/help/help.html", std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

inline std::string DecodeEntities(std::string s) {
  static const std::pair<const char*, const char*> kEntities[] = {
      {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&#39;", "'"}, {"&amp;", "&"}};
  for (const auto& [entity, text] : kEntities) {
    for (size_t at = s.find(entity); at != std::string::npos; at = s.find(entity, at + 1))
      s.replace(at, std::strlen(entity), text);
  }
  return s;
}

// A text with its tags taken out (each tag leaves a "|", so that words of two cells never
// join) and its entities decoded.
inline std::string VisibleText(const std::string& html) {
  QString s = QString::fromUtf8(html);
  s.replace(QRegularExpression(QStringLiteral("<[^>]*>")), QStringLiteral("|"));
  return DecodeEntities(s.toStdString());
}

using Attributes = std::map<std::string, std::string>;

// Every match of a pattern in a UTF-8 text: its captured groups (0 the whole match) and
// its byte range.
struct Match {
  std::vector<std::string> groups;
  size_t at = 0;
  size_t end = 0;
};

inline std::vector<Match> AllMatches(const std::string& text, const char* pattern) {
  const QString subject = QString::fromUtf8(text);
  const QRegularExpression re(QString::fromUtf8(pattern));
  std::vector<Match> out;
  for (auto it = re.globalMatch(subject); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    Match match;
    for (int g = 0; g <= re.captureCount(); ++g) match.groups.push_back(m.captured(g).toStdString());
    match.at = size_t(subject.left(int(m.capturedStart())).toUtf8().size());
    match.end = match.at + m.captured(0).toUtf8().size();
    out.push_back(std::move(match));
  }
  return out;
}

inline Attributes ParseAttributes(const std::string& tagBody) {
  Attributes out;
  for (const Match& m : AllMatches(tagBody, R"re(([A-Za-z][\w-]*)="([^"]*)")re"))
    out[m.groups[1]] = DecodeEntities(m.groups[2]);
  return out;
}

// One marked element: a <code> (an example, a function name, an operator or a formula) or
// a <span> carrying data- attributes (an example described in words).
struct Element {
  Attributes attributes;
  std::string text;     // as the reader sees it
  std::string section;  // the id of the last <h2> before it
  bool span = false;
  size_t at = 0, end = 0;  // byte range in the page
  bool has(const char* name) const { return attributes.count(name) != 0; }
  std::string get(const char* name) const {
    auto it = attributes.find(name);
    return it == attributes.end() ? std::string() : it->second;
  }
};

inline std::vector<Element> Elements(const std::string& page) {
  const std::vector<Match> sections = AllMatches(page, R"re(<h2 id="([^"]+)")re");
  std::vector<Element> out;
  const char* pattern = R"re(<code([^>]*)>([\s\S]*?)</code>|<span(\s[^>]*\bdata-[^>]*)>([\s\S]*?)</span>)re";
  for (const Match& m : AllMatches(page, pattern)) {
    Element e;
    e.span = m.groups[1].empty() && m.groups[2].empty() && !m.groups[3].empty();
    e.attributes = ParseAttributes(e.span ? m.groups[3] : m.groups[1]);
    e.text = VisibleText(e.span ? m.groups[4] : m.groups[2]);
    e.at = m.at;
    e.end = m.end;
    for (const Match& section : sections)
      if (section.at < m.at) e.section = section.groups[1];
    out.push_back(std::move(e));
  }
  return out;
}

// ---- What the words after an example say its result is ----

enum class ClaimKind {
  None,      // nothing is said
  Number,    // "= v", "得 v", "等于 v", "读作 v"
  Message,   // 提示“m”
  Syntax,    // 是语法错误
  Refused,   // 是错误, 不被接受
  Accepted,  // 可以, 被接受
  Silent,    // 没有任何提示
  Empty,     // 不提示 (the calculator's empty result)
  Alike,     // 相同: every example of the group gives the same values
  SameAs,    // 是 / 即 the next example
  YRange,    // 的范围是 y 从 a 到 b
  Ring,      // 画出单位圆
  Disc,      // 画出半径约 r 的实心圆盘
  Points,    // 只画出 n 个点
};

struct Claim {
  ClaimKind kind = ClaimKind::None;
  std::string text;  // the number, message or count as written
  std::string second;
  size_t length = 0;  // bytes of the page the claim's words take after the element
};

// The claim the raw page text right after an example makes (the words before the next tag).
inline Claim ReadClaim(const std::string& after) {
  const QString text = QString::fromUtf8(after.substr(0, after.find('<')));
  static const QString kNumber = QStringLiteral("(-?[0-9.]+(?:E[+-]?[0-9]+)?)");
  // Words that only lead into the result: 都, 也, 时, 在这里.
  static const QString kLead = QStringLiteral("^\\s*(?:都|也|时|在这里)*\\s*");
  struct Pattern {
    ClaimKind kind;
    QString re;
  };
  static const Pattern kPatterns[] = {
      {ClaimKind::Number, QStringLiteral("(?:=|得|等于|读作)\\s*") + kNumber},
      {ClaimKind::Message, QStringLiteral("提示\\s*[“\"]([^”\"]*)[”\"]")},
      {ClaimKind::Syntax, QStringLiteral("是语法错误")},
      {ClaimKind::Refused, QStringLiteral("(?:是错误|不被接受)")},
      {ClaimKind::Accepted, QStringLiteral("(?:可以|被接受)")},
      {ClaimKind::Silent, QStringLiteral("没有任何提示")},
      {ClaimKind::Empty, QStringLiteral("不提示")},
      {ClaimKind::Alike, QStringLiteral("相同")},
      {ClaimKind::YRange, QStringLiteral("的范围是\\s*y\\s*从\\s*") + kNumber + QStringLiteral("\\s*到\\s*") + kNumber},
      {ClaimKind::Ring, QStringLiteral("画出单位圆")},
      {ClaimKind::Disc, QStringLiteral("画出半径约\\s*") + kNumber + QStringLiteral("\\s*的实心圆盘")},
      {ClaimKind::Points, QStringLiteral("只画出\\s*([0-9]+)\\s*个点")},
  };
  for (const Pattern& p : kPatterns) {
    const QRegularExpressionMatch m = QRegularExpression(kLead + p.re).match(text);
    if (!m.hasMatch()) continue;
    Claim c;
    c.kind = p.kind;
    c.text = m.captured(1).toStdString();
    c.second = m.captured(2).toStdString();
    c.length = size_t(m.captured(0).toUtf8().size());
    return c;
  }
  return {};
}

// The words between two examples: a connector puts them in one group, whose claim is the
// one after its last example; "是" or "即" says the first is the second.
inline bool IsConnector(const std::string& between) {
  const QString t = QString::fromUtf8(between).trimmed();
  return t == QStringLiteral("和") || t == QStringLiteral("、") || t == QStringLiteral("或") ||
         t == QStringLiteral("与");
}

inline bool IsSameAs(const std::string& between) {
  const QString t = QString::fromUtf8(between).trimmed();
  return t == QStringLiteral("是") || t == QStringLiteral("即");
}

// ---- Domains ----

struct Interval {
  double low = -HUGE_VAL, high = HUGE_VAL;
  bool lowClosed = false, highClosed = false;
  bool contains(double x) const {
    return (lowClosed ? x >= low : x > low) && (highClosed ? x <= high : x < high);
  }
};

using Domain = std::vector<Interval>;

inline Domain Intersect(const Domain& a, const Domain& b) {
  Domain out;
  for (const Interval& p : a) {
    for (const Interval& q : b) {
      Interval r;
      if (p.low != q.low) {
        const Interval& l = p.low > q.low ? p : q;
        r.low = l.low;
        r.lowClosed = l.lowClosed;
      } else {
        r.low = p.low;
        r.lowClosed = p.lowClosed && q.lowClosed;
      }
      if (p.high != q.high) {
        const Interval& h = p.high < q.high ? p : q;
        r.high = h.high;
        r.highClosed = h.highClosed;
      } else {
        r.high = p.high;
        r.highClosed = p.highClosed && q.highClosed;
      }
      if (r.low < r.high || (r.low == r.high && r.lowClosed && r.highClosed)) out.push_back(r);
    }
  }
  return out;
}

// The condition a table cell states, in the words the page uses: "全体实数", "x ≠ 0",
// "x ≥ a", "a < x ≤ b", "|x| ≤ b", "|x| > a", several joined by "，". Nothing for words it
// does not know.
inline std::optional<Domain> ParseStatedCondition(const std::string& condition) {
  Domain domain = {Interval{}};
  const QString number = QStringLiteral("(-?[0-9.]+(?:E[+-]?[0-9]+)?)");
  auto value = [](const QString& t) { return t.toDouble(); };
  for (const QString& raw : QString::fromUtf8(condition).split(QStringLiteral("，"))) {
    const QString clause = raw.trimmed();
    Domain part;
    QRegularExpressionMatch m;
    if (clause == QStringLiteral("全体实数")) {
      part = {Interval{}};
    } else if (clause == QStringLiteral("x ≠ 0")) {
      part = {Interval{-HUGE_VAL, 0, false, false}, Interval{0, HUGE_VAL, false, false}};
    } else if ((m = QRegularExpression(QStringLiteral("^") + number + QStringLiteral(" (≤|<) x (≤|<) ") +
                                       number + QStringLiteral("$"))
                         .match(clause))
                   .hasMatch()) {
      part = {Interval{value(m.captured(1)), value(m.captured(4)), m.captured(2) == QStringLiteral("≤"),
                       m.captured(3) == QStringLiteral("≤")}};
    } else if ((m = QRegularExpression(QStringLiteral("^x (≤|<|≥|>) ") + number + QStringLiteral("$"))
                         .match(clause))
                   .hasMatch()) {
      const QString op = m.captured(1);
      const double v = value(m.captured(2));
      const bool closed = op == QStringLiteral("≤") || op == QStringLiteral("≥");
      if (op == QStringLiteral("≤") || op == QStringLiteral("<"))
        part = {Interval{-HUGE_VAL, v, false, closed}};
      else
        part = {Interval{v, HUGE_VAL, closed, false}};
    } else if ((m = QRegularExpression(QStringLiteral("^\\|x\\| (≤|<|≥|>) ") + number + QStringLiteral("$"))
                         .match(clause))
                   .hasMatch()) {
      const QString op = m.captured(1);
      const double v = value(m.captured(2));
      const bool closed = op == QStringLiteral("≤") || op == QStringLiteral("≥");
      if (op == QStringLiteral("≤") || op == QStringLiteral("<"))
        part = {Interval{-v, v, closed, closed}};
      else
        part = {Interval{-HUGE_VAL, -v, false, closed}, Interval{v, HUGE_VAL, closed, false}};
    } else {
      return std::nullopt;
    }
    domain = Intersect(domain, part);
  }
  return domain;
}

}  // namespace curvanta::help_page
