// The derivative token list and its cutting and joining operations.
#include "expr/polish_list.h"

#include <stdexcept>

namespace {

void CheckIndex(int32_t index, size_t count) {
  if (index < 0 || size_t(index) >= count) throw std::out_of_range("clsPolish: subscript out of range");
}

// Start of the operand that ends right before index `end` (exclusive), by the rank count:
// an operand takes one away, a function leaves the count, anything else adds one.
int32_t OperandStart(const clsPolish& list, int32_t end) {
  int32_t counter = 1;
  for (int32_t i = end - 1; i >= 0; --i) {
    int16_t rank = list.GetRank(i);
    if (rank == PolishRank::Operand)
      --counter;
    else if (rank != PolishRank::Function)
      ++counter;
    if (counter == 0) return i;
  }
  throw std::out_of_range("OperandOf: no operand");
}

}  // namespace

void clsPolish::Push(int32_t Index, int16_t Rank, const std::string& Data) {
  if (Index < 0 || size_t(Index) > tokens_.size())
    throw std::out_of_range("clsPolish::Push: subscript out of range");
  tokens_.insert(tokens_.begin() + Index, PolishToken{Rank, Data});
}

void clsPolish::Kill(int32_t Index, int32_t Num) {
  if (Num < 0 || Index < 0 || size_t(Index) + size_t(Num) > tokens_.size())
    throw std::out_of_range("clsPolish::Kill: subscript out of range");
  tokens_.erase(tokens_.begin() + Index, tokens_.begin() + Index + Num);
}

int16_t clsPolish::GetRank(int32_t Index) const {
  CheckIndex(Index, tokens_.size());
  return tokens_[size_t(Index)].Rank;
}

const std::string& clsPolish::GetData(int32_t Index) const {
  CheckIndex(Index, tokens_.size());
  return tokens_[size_t(Index)].Data;
}

clsPolish SubPolish(const clsPolish& list, int32_t First, int32_t Last) {
  clsPolish out;
  if (First > Last) return out;
  CheckIndex(First, size_t(list.ElementCount()));
  CheckIndex(Last, size_t(list.ElementCount()));
  out.Reserve(size_t(Last - First + 1));
  for (int32_t i = First; i <= Last; ++i) out.Append(list.Tokens()[size_t(i)]);
  return out;
}

clsPolish OperandOf(const clsPolish& list, int32_t Index, int16_t Selector) {
  CheckIndex(Index, size_t(list.ElementCount()));
  int32_t start = OperandStart(list, Index);
  if (Selector == 1) return SubPolish(list, start, Index - 1);
  int32_t leftStart = OperandStart(list, start);
  return SubPolish(list, leftStart, start - 1);
}

clsPolish JoinPolish(std::initializer_list<const clsPolish*> lists) {
  clsPolish out;
  size_t n = 0;
  for (const clsPolish* l : lists) n += l->Tokens().size();
  out.Reserve(n);
  for (const clsPolish* l : lists)
    for (const PolishToken& t : l->Tokens()) out.Append(t);
  return out;
}

clsPolish JoinPolish(const std::vector<clsPolish>& lists) {
  clsPolish out;
  for (const clsPolish& l : lists)
    for (const PolishToken& t : l.Tokens()) out.Append(t);
  return out;
}

std::string PolishText(const clsPolish& list) {
  std::string out;
  for (const PolishToken& t : list.Tokens()) {
    if (!out.empty()) out.push_back(' ');
    out += t.Data;
  }
  return out;
}
