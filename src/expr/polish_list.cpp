// The derivative token list and its cutting and joining operations.
#include "expr/polish_list.h"

#include <stdexcept>

namespace curvanta {

namespace {

void CheckIndex(int32_t index, size_t count) {
  if (index < 0 || size_t(index) >= count) throw std::out_of_range("PolishList: subscript out of range");
}

// Start of the operand that ends right before index `end` (exclusive), by the rank count:
// an operand takes one away, a function leaves the count, anything else adds one.
int32_t OperandStart(const PolishList& list, int32_t end) {
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

void PolishList::Push(int32_t Index, int16_t Rank, const std::string& Data) {
  if (Index < 0 || size_t(Index) > tokens_.size())
    throw std::out_of_range("PolishList::Push: subscript out of range");
  tokens_.insert(tokens_.begin() + Index, PolishToken{Rank, Data});
}

void PolishList::Kill(int32_t Index, int32_t Num) {
  if (Num < 0 || Index < 0 || size_t(Index) + size_t(Num) > tokens_.size())
    throw std::out_of_range("PolishList::Kill: subscript out of range");
  tokens_.erase(tokens_.begin() + Index, tokens_.begin() + Index + Num);
}

int16_t PolishList::GetRank(int32_t Index) const {
  CheckIndex(Index, tokens_.size());
  return tokens_[size_t(Index)].Rank;
}

const std::string& PolishList::GetData(int32_t Index) const {
  CheckIndex(Index, tokens_.size());
  return tokens_[size_t(Index)].Data;
}

PolishList SubPolish(const PolishList& list, int32_t First, int32_t Last) {
  PolishList out;
  if (First > Last) return out;
  CheckIndex(First, size_t(list.ElementCount()));
  CheckIndex(Last, size_t(list.ElementCount()));
  out.Reserve(size_t(Last - First + 1));
  for (int32_t i = First; i <= Last; ++i) out.Append(list.Tokens()[size_t(i)]);
  return out;
}

PolishList OperandOf(const PolishList& list, int32_t Index, int16_t Selector) {
  CheckIndex(Index, size_t(list.ElementCount()));
  int32_t start = OperandStart(list, Index);
  if (Selector == 1) return SubPolish(list, start, Index - 1);
  int32_t leftStart = OperandStart(list, start);
  return SubPolish(list, leftStart, start - 1);
}

PolishList JoinPolish(std::initializer_list<const PolishList*> lists) {
  PolishList out;
  size_t n = 0;
  for (const PolishList* l : lists) n += l->Tokens().size();
  out.Reserve(n);
  for (const PolishList* l : lists)
    for (const PolishToken& t : l->Tokens()) out.Append(t);
  return out;
}

PolishList JoinPolish(const std::vector<PolishList>& lists) {
  PolishList out;
  for (const PolishList& l : lists)
    for (const PolishToken& t : l.Tokens()) out.Append(t);
  return out;
}

std::string PolishText(const PolishList& list) {
  std::string out;
  for (const PolishToken& t : list.Tokens()) {
    if (!out.empty()) out.push_back(' ');
    out += t.Data;
  }
  return out;
}

}  // namespace curvanta
