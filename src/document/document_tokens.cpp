// Document tokens and their typed reading.
#include "document/document_tokens.h"

#include <cfloat>
#include <cmath>

#include "common/number_text.h"

namespace curvanta {

namespace {

const std::string kEmpty;
const std::string kIdeographicBlank = "\xE3\x80\x80";  // U+3000

int32_t ToLong(double value, const std::string& token) {
  if (!std::isfinite(value)) throw DocumentFormatError("number out of range: " + token);
  const double r = RoundHalfEven(value);
  if (r < double(INT32_MIN) || r > double(INT32_MAX))
    throw DocumentFormatError("number out of range: " + token);
  return static_cast<int32_t>(r);
}

std::string ReplaceAll(const std::string& text, const std::string& from, const std::string& to) {
  std::string out;
  size_t start = 0;
  for (size_t at; (at = text.find(from, start)) != std::string::npos; start = at + from.size())
    out.append(text, start, at - start).append(to);
  return out.append(text, start, std::string::npos);
}

}  // namespace

std::vector<std::string> SplitTokens(std::string_view text) {
  std::vector<std::string> tokens;
  if (text.empty()) return tokens;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == ' ') {
      tokens.emplace_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  if (start < text.size()) tokens.emplace_back(text.substr(start));
  return tokens;
}

std::string BlanksToIdeographic(const std::string& text) {
  return ReplaceAll(text, " ", kIdeographicBlank);
}

std::string IdeographicToBlanks(const std::string& text) {
  return ReplaceAll(text, kIdeographicBlank, " ");
}

const std::string& TokenReader::Peek() const {
  return position_ < tokens_.size() ? tokens_[position_] : kEmpty;
}

const std::string& TokenReader::Take() {
  if (position_ >= tokens_.size()) throw DocumentFormatError("record runs past the end");
  return tokens_[position_++];
}

int32_t TokenReader::Long() {
  const std::string& t = Take();
  return ToLong(LeadingNumber(t), t);
}

int32_t TokenReader::StrictLong() {
  const std::string& t = Take();
  if (t.empty() || LeadingNumberLength(t) != t.size() || t[0] == ' ' || t[0] == '\t')
    throw DocumentFormatError("not a number: " + t);
  return ToLong(LeadingNumber(t), t);
}

float TokenReader::Single() {
  const std::string& t = Take();
  const double v = LeadingNumber(t);
  if (!std::isfinite(v) || std::fabs(v) > double(FLT_MAX))
    throw DocumentFormatError("number out of range: " + t);
  return static_cast<float>(v);
}

bool TokenReader::Boolean() {
  const std::string& t = Take();
  return t == "1" || t == "True";
}

}  // namespace curvanta
