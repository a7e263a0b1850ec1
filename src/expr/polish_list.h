// The token list of the derivative chain: postfix tokens that carry a rank besides their
// text, and the three list operations the differentiation takes lists apart with.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace curvanta {

// Ranks of the derivative tokens.
namespace PolishRank {
inline constexpr int16_t Close = 0;     // ")" (conversion stack only)
inline constexpr int16_t AddSub = 1;    // "+", "-"
inline constexpr int16_t MulDiv = 2;    // "*", "/"
inline constexpr int16_t Power = 3;     // "^"
inline constexpr int16_t Function = 4;  // functions, "min", "Log"
inline constexpr int16_t Operand = 5;   // numbers, variables, raw tokens
inline constexpr int16_t Open = 6;      // "(" (conversion stack only)
}  // namespace PolishRank

struct PolishToken {
  int16_t Rank = 0;
  std::string Data;
  bool operator==(const PolishToken&) const = default;
};

// A postfix token list. Indices run from 0 to ElementCount() - 1; an index outside them
// throws std::out_of_range (the subscript error).
class PolishList {
 public:
  PolishList() = default;

  int32_t ElementCount() const { return int32_t(tokens_.size()); }
  void Clear() { tokens_.clear(); }
  // Inserts the token at Index (0..count; the count appends).
  void Push(int32_t Index, int16_t Rank, const std::string& Data);
  // Removes Num tokens from Index on.
  void Kill(int32_t Index, int32_t Num);
  int16_t GetRank(int32_t Index) const;
  const std::string& GetData(int32_t Index) const;

  // Appends at the end (Push at the count).
  void Append(int16_t Rank, std::string Data) { tokens_.push_back({Rank, std::move(Data)}); }
  void Append(const PolishToken& token) { tokens_.push_back(token); }
  void Reserve(size_t n) { tokens_.reserve(n); }
  const std::vector<PolishToken>& Tokens() const { return tokens_; }
  bool operator==(const PolishList&) const = default;

 private:
  std::vector<PolishToken> tokens_;
};

// Copies of the tokens from First to Last (inclusive); empty when First > Last.
PolishList SubPolish(const PolishList& list, int32_t First, int32_t Last);

// One operand of the operator or function at Index: selector 1 the operand that ends right
// before it (right operand, function argument), any other value the one before that (left
// operand). Throws std::out_of_range when the list holds no such operand.
PolishList OperandOf(const PolishList& list, int32_t Index, int16_t Selector);

// All tokens of the lists, list by list.
PolishList JoinPolish(std::initializer_list<const PolishList*> lists);
PolishList JoinPolish(const std::vector<PolishList>& lists);

// The tokens' texts joined by single blanks ("x 2 ^"), for messages and tests.
std::string PolishText(const PolishList& list);

}  // namespace curvanta
