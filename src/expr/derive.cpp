// Rule-based differentiation. The list is read once into a tree (postfix order puts every
// operand before its operator), the size of every node's derivative is summed bottom-up, and
// only when the whole fits is the result written out, walking the rules with an explicit
// stack. Operands are copied straight from the input, so nothing grows before it is needed.
#include "expr/derive.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "common/number_text.h"

namespace curvanta {

namespace {

constexpr uint64_t kHuge = uint64_t(1) << 62;

uint64_t Add(uint64_t a, uint64_t b) { return std::min(kHuge, a + b); }

struct Node {
  int32_t tok = 0;    // index of the node's own (last) token
  int32_t first = 0;  // index of the subtree's first token
  int32_t left = -1;  // L of a binary operator
  int32_t right = -1; // R of a binary operator, U of a function
  bool hasVariable = false;
  int32_t constText = -1;  // power with a single positive number exponent: texts of c, c - 1
  uint64_t derivTokens = 0;
  uint64_t derivChars = 0;
};

enum class PieceKind : uint8_t { Literal, Copy, Derivative };

struct Piece {
  PieceKind kind;
  int16_t rank;
  int32_t node;
  std::string_view text;
};

struct Lit {
  const char* text;
  int16_t rank;
};

bool IsVariable(std::string_view t) { return t == "x" || t == "y" || t == "a" || t == "r" || t == "u"; }

bool IsWholeNumber(std::string_view t) {
  return !t.empty() && curvanta::LeadingNumberLength(t) == t.size();
}

class Differentiator {
 public:
  Differentiator(const PolishList& list, size_t maxChars) : list_(list), maxChars_(maxChars) {}

  PolishList Run() {
    const auto& toks = list_.Tokens();
    if (toks.empty()) return Zero();
    const int32_t last = int32_t(toks.size()) - 1;
    int32_t start = ExpressionStart(last);
    if (start < 0 || !Build(start, last)) return Zero();
    prefixChars_.assign(toks.size() + 1, 0);
    for (size_t i = 0; i < toks.size(); ++i) prefixChars_[i + 1] = prefixChars_[i] + toks[i].Data.size();
    for (size_t k = 0; k < nodes_.size(); ++k) Measure(int32_t(k));
    const Node& root = nodes_.back();
    if (root.derivChars > maxChars_ || root.derivTokens > uint64_t(INT32_MAX)) return PolishList();
    return Emit(int32_t(nodes_.size()) - 1);
  }

 private:
  static PolishList Zero() {
    PolishList z;
    z.Append(PolishRank::Operand, "0");
    return z;
  }

  // Start of the expression that ends at `last`, by the rank count of the operand walk;
  // -1 when the list holds no complete one.
  int32_t ExpressionStart(int32_t last) const {
    int64_t counter = 1;
    for (int32_t i = last; i >= 0; --i) {
      int16_t r = list_.Tokens()[size_t(i)].Rank;
      if (r == PolishRank::Operand)
        --counter;
      else if (r != PolishRank::Function)
        ++counter;
      if (counter == 0) return i;
    }
    return -1;
  }

  bool Build(int32_t start, int32_t last) {
    const auto& toks = list_.Tokens();
    nodes_.reserve(size_t(last - start + 1));
    std::vector<int32_t> stack;
    for (int32_t i = start; i <= last; ++i) {
      Node n;
      n.tok = i;
      n.first = i;
      const PolishToken& t = toks[size_t(i)];
      if (t.Rank == PolishRank::Function) {
        if (stack.empty()) return false;
        n.right = stack.back();
        stack.pop_back();
        n.first = nodes_[size_t(n.right)].first;
        n.hasVariable = nodes_[size_t(n.right)].hasVariable;
      } else if (t.Rank != PolishRank::Operand) {
        if (stack.size() < 2) return false;
        n.right = stack.back();
        stack.pop_back();
        n.left = stack.back();
        stack.pop_back();
        n.first = nodes_[size_t(n.left)].first;
        n.hasVariable = nodes_[size_t(n.left)].hasVariable || nodes_[size_t(n.right)].hasVariable;
        if (t.Data == "^") PrepareExponent(n);
      } else {
        n.hasVariable = IsVariable(t.Data);
      }
      stack.push_back(int32_t(nodes_.size()));
      nodes_.push_back(n);
    }
    return stack.size() == 1;
  }

  // A single-number exponent c above 0 (finite as a 32-bit float) gets the texts of c and c - 1.
  void PrepareExponent(Node& n) {
    const Node& r = nodes_[size_t(n.right)];
    const std::string& text = list_.Tokens()[size_t(r.tok)].Data;
    if (r.left >= 0 || r.right >= 0 || !IsWholeNumber(text)) return;
    float c = float(curvanta::LeadingNumber(text));
    if (!std::isfinite(c) || !(c > 0)) return;
    n.constText = int32_t(texts_.size());
    texts_.push_back(curvanta::FormatPlainDecimal(double(c), 7));
    texts_.push_back(curvanta::FormatPlainDecimal(double(c - 1.0f), 7));
  }

  bool ExponentIsZero(const Node& n) const {
    const Node& r = nodes_[size_t(n.right)];
    const std::string& text = list_.Tokens()[size_t(r.tok)].Data;
    return r.left < 0 && r.right < 0 && IsWholeNumber(text) && float(curvanta::LeadingNumber(text)) == 0.0f;
  }

  // The pieces of the node's derivative, in order. Returns their count.
  int Rule(int32_t id, Piece* out) const {
    const Node& n = nodes_[size_t(id)];
    const std::string& t = list_.Tokens()[size_t(n.tok)].Data;
    int k = 0;
    auto D = [&](int32_t node) { out[k++] = {PieceKind::Derivative, 0, node, {}}; };
    auto C = [&](int32_t node) { out[k++] = {PieceKind::Copy, 0, node, {}}; };
    auto L = [&](std::initializer_list<Lit> lits) {
      for (const Lit& l : lits) out[k++] = {PieceKind::Literal, l.rank, -1, l.text};
    };
    auto S = [&](std::string_view text, int16_t rank) { out[k++] = {PieceKind::Literal, rank, -1, text}; };
    constexpr int16_t F = PolishRank::Function, N = PolishRank::Operand, A = PolishRank::AddSub,
                      M = PolishRank::MulDiv, P = PolishRank::Power;
    const Lit kPlus{"+", A}, kMinus{"-", A}, kTimes{"*", M}, kOver{"/", M}, kPow{"^", P}, kMin{"min", F},
        kOne{"1", N}, kTwo{"2", N}, kHalf{"0.5", N};

    if (IsVariable(t)) {
      L({kOne});
      return k;
    }
    const bool binary = n.left >= 0;
    const bool unary = !binary && n.right >= 0;
    const int32_t l = n.left, r = n.right, u = n.right;
    if (binary) {
      if (t == "+" || t == "-") {
        D(l), D(r), L({t == "+" ? kPlus : kMinus});
      } else if (t == "*") {
        D(l), C(r), L({kTimes}), C(l), D(r), L({kTimes, kPlus});
      } else if (t == "/") {
        D(l), C(r), L({kTimes}), C(l), D(r), L({kTimes, kMinus}), C(r), L({kTwo, kPow, kOver});
      } else if (t == "^") {
        if (n.constText >= 0) {
          D(l), S(texts_[size_t(n.constText)], N), L({kTimes}), C(l), S(texts_[size_t(n.constText) + 1], N),
              L({kPow, kTimes});
        } else if (ExponentIsZero(n)) {
          L({{"0", N}});
        } else if (!nodes_[size_t(r)].hasVariable) {
          D(l), C(r), L({kTimes}), C(l), C(r), L({kOne, kMinus, kPow, kTimes});
        } else {
          D(r), C(l), L({{"Log", F}, kTimes}), D(l), C(r), L({kTimes}), C(l), L({kOver, kPlus}), C(l), C(r),
              L({kPow, kTimes});
        }
      } else {
        L({{"0", N}});
      }
      return k;
    }
    if (unary) {
      auto sq = [&] { C(u), L({kTwo, kPow}); };  // U^2
      if (t == "min") {
        D(u), L({kMin});
      } else if (t == "sqr") {
        D(u), L({kOne, kTwo, kOver}), C(u), L({{"sqr", F}, kOver, kTimes});
      } else if (t == "exp") {
        D(u), C(u), L({{"exp", F}, kTimes});
      } else if (t == "log") {
        D(u), C(u), L({kOver});
      } else if (t == "sin") {
        D(u), C(u), L({{"cos", F}, kTimes});
      } else if (t == "cos") {
        D(u), L({kMin}), C(u), L({{"sin", F}, kTimes});
      } else if (t == "tan") {
        D(u), C(u), L({{"sec", F}, kTwo, kPow, kTimes});
      } else if (t == "ctan") {
        D(u), L({kMin}), C(u), L({{"csec", F}, kTwo, kPow, kTimes});
      } else if (t == "sec") {
        D(u), C(u), L({{"tan", F}, kTimes}), C(u), L({{"sec", F}, kTimes});
      } else if (t == "csec") {
        D(u), L({kMin}), C(u), L({{"ctan", F}, kTimes}), C(u), L({{"csec", F}, kTimes});
      } else if (t == "asin") {
        D(u), L({kOne}), sq(), L({kMinus, kHalf, kPow, kOver});
      } else if (t == "acos") {
        D(u), L({kMin, kOne}), sq(), L({kMinus, kHalf, kPow, kOver});
      } else if (t == "atan" || t == "atn") {
        D(u), L({kOne}), sq(), L({kPlus, kOver});
      } else if (t == "actan") {
        D(u), L({kMin, kOne}), sq(), L({kPlus, kOver});
      } else if (t == "sinh") {
        D(u), C(u), L({{"cosh", F}, kTimes});
      } else if (t == "cosh") {
        D(u), C(u), L({{"sinh", F}, kTimes});
      } else if (t == "tanh") {
        // U'·sech(U)^2 and -U'·csech(U)^2: cosh(U)^2 and sinh(U)^2 would overflow where the
        // derivative is a number close to 0.
        D(u), C(u), L({{"sech", F}, kTwo, kPow, kTimes});
      } else if (t == "ctanh") {
        D(u), L({kMin}), C(u), L({{"csech", F}, kTwo, kPow, kTimes});
      } else if (t == "asinh") {
        D(u), L({kOne}), sq(), L({kPlus, kHalf, kPow, kOver});
      } else if (t == "acosh") {
        D(u), L({{"-1", N}}), sq(), L({kPlus, kHalf, kPow, kOver});
      } else if (t == "atanh" || t == "actanh") {
        D(u), L({kOne}), sq(), L({kMinus, kOver});
      } else if (t == "sech") {
        D(u), L({kMin}), C(u), L({{"sech", F}, kTimes}), C(u), L({{"tanh", F}, kTimes});
      } else if (t == "csech") {
        D(u), L({kMin}), C(u), L({{"csech", F}, kTimes}), C(u), L({{"ctanh", F}, kTimes});
      } else if (t == "asech") {
        D(u), L({kMin}), C(u), L({kOne}), sq(), L({kMinus, {"sqr", F}, kTimes, kOver});
      } else if (t == "acsech") {
        D(u), L({kMin}), C(u), L({{"abs", F}, kOne}), sq(), L({kPlus, {"sqr", F}, kTimes, kOver});
      } else if (t == "abs") {
        D(u), C(u), L({{"abs", F}, kTimes}), C(u), L({kOver});
      } else {
        L({{"0", N}});
      }
      return k;
    }
    L({{"0", N}});
    return k;
  }

  void Measure(int32_t id) {
    Piece pieces[kMaxPieces];
    int count = Rule(id, pieces);
    uint64_t tokens = 0, chars = 0;
    for (int i = 0; i < count; ++i) {
      const Piece& p = pieces[i];
      switch (p.kind) {
        case PieceKind::Literal:
          tokens = Add(tokens, 1);
          chars = Add(chars, p.text.size());
          break;
        case PieceKind::Copy: {
          const Node& c = nodes_[size_t(p.node)];
          tokens = Add(tokens, uint64_t(c.tok - c.first + 1));
          chars = Add(chars, prefixChars_[size_t(c.tok) + 1] - prefixChars_[size_t(c.first)]);
          break;
        }
        case PieceKind::Derivative:
          tokens = Add(tokens, nodes_[size_t(p.node)].derivTokens);
          chars = Add(chars, nodes_[size_t(p.node)].derivChars);
          break;
      }
    }
    nodes_[size_t(id)].derivTokens = tokens;
    nodes_[size_t(id)].derivChars = chars;
  }

  PolishList Emit(int32_t root) const {
    PolishList out;
    out.Reserve(size_t(nodes_[size_t(root)].derivTokens));
    struct Frame {
      int32_t node;
      int32_t next;
    };
    std::vector<Frame> frames{{root, 0}};
    Piece pieces[kMaxPieces];
    while (!frames.empty()) {
      Frame& f = frames.back();
      int count = Rule(f.node, pieces);
      if (f.next >= count) {
        frames.pop_back();
        continue;
      }
      const Piece& p = pieces[f.next++];
      switch (p.kind) {
        case PieceKind::Literal:
          out.Append(p.rank, std::string(p.text));
          break;
        case PieceKind::Copy: {
          const Node& c = nodes_[size_t(p.node)];
          for (int32_t i = c.first; i <= c.tok; ++i) out.Append(list_.Tokens()[size_t(i)]);
          break;
        }
        case PieceKind::Derivative:
          frames.push_back({p.node, 0});  // invalidates f, which is not used again
          break;
      }
    }
    return out;
  }

  static constexpr int kMaxPieces = 16;
  const PolishList& list_;
  size_t maxChars_;
  std::vector<Node> nodes_;
  std::vector<std::string> texts_;
  std::vector<uint64_t> prefixChars_;
};

}  // namespace

PolishList Derive(const PolishList& list, size_t maxChars) { return Differentiator(list, maxChars).Run(); }

}  // namespace curvanta
