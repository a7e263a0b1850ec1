// The tokens of a document text and the reading of typed values from them: single blanks
// separate tokens, and every value of a record is one token.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace curvanta {

// A document whose text cannot be taken as it stands: a number beyond its type, a count or
// table size outside its limits, a record running past the end of the text.
class DocumentFormatError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Splits at every blank: two blanks in a row enclose an empty token, a blank at the start
// gives an empty first token, a blank at the very end adds none.
std::vector<std::string> SplitTokens(std::string_view text);

// Names and axis titles may hold blanks, which the format cannot: they travel as U+3000.
std::string BlanksToIdeographic(const std::string& text);
std::string IdeographicToBlanks(const std::string& text);

// Reads typed values token by token from a position on. Reading past the last token is a
// format error; Peek past the end gives the empty token.
class TokenReader {
 public:
  TokenReader(const std::vector<std::string>& tokens, size_t position)
      : tokens_(tokens), position_(position) {}

  size_t position() const { return position_; }
  const std::string& Peek() const;
  const std::string& Take();

  // Whole number by the token's leading number, halves to even; beyond 32 bits or not
  // finite is a format error.
  int32_t Long();
  // Whole number from a token that is a number as a whole (else a format error).
  int32_t StrictLong();
  // 32-bit float by the token's leading number; beyond the float range is a format error.
  float Single();
  // True for "1" and "True" only.
  bool Boolean();
  std::string Text() { return Take(); }

 private:
  const std::vector<std::string>& tokens_;
  size_t position_;
};

}  // namespace curvanta
