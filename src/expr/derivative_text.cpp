// Printing a derivative token list as infix text, and the whole derivative-text chain.
#include "expr/derivative_text.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "common/message_service.h"
#include "expr/infix_to_polish.h"

namespace curvanta {

namespace {

constexpr uint64_t kHuge = uint64_t(1) << 62;
uint64_t Add(uint64_t a, uint64_t b) { return std::min(kHuge, a + b); }

struct Node {
  int32_t tok = 0;
  int32_t left = -1;   // binary: L
  int32_t right = -1;  // binary: R; function: argument
  int16_t rank = 0;    // rank of the entry this node forms
  bool parenLeft = false, parenRight = false;
  uint64_t length = 0;
};

}  // namespace

std::optional<std::string> PolishToInfix(const PolishList& list, size_t maxLength) {
  const auto& toks = list.Tokens();
  if (toks.empty()) throw std::out_of_range("PolishToInfix: empty list");
  std::vector<Node> nodes;
  nodes.reserve(toks.size());
  std::vector<int32_t> stack;
  for (int32_t i = 0; i < int32_t(toks.size()); ++i) {
    const PolishToken& t = toks[size_t(i)];
    Node n;
    n.tok = i;
    if (t.Rank == PolishRank::Operand) {
      n.rank = PolishRank::Operand;
      n.length = t.Data.size();
    } else if (t.Rank == PolishRank::Function) {
      if (stack.empty()) throw std::out_of_range("PolishToInfix: missing operand");
      n.right = stack.back();
      stack.pop_back();
      n.rank = PolishRank::Function;
      size_t name = t.Data == "min" ? 1 : t.Data.size();
      n.length = Add(nodes[size_t(n.right)].length, name + 2);
    } else {
      if (stack.size() < 2) throw std::out_of_range("PolishToInfix: missing operand");
      n.right = stack.back();
      stack.pop_back();
      n.left = stack.back();
      stack.pop_back();
      n.rank = t.Rank;
      n.parenRight = t.Rank >= nodes[size_t(n.right)].rank;
      n.parenLeft = nodes[size_t(n.left)].rank < t.Rank;
      n.length = Add(Add(nodes[size_t(n.left)].length, nodes[size_t(n.right)].length),
                     t.Data.size() + (n.parenLeft ? 2 : 0) + (n.parenRight ? 2 : 0));
    }
    stack.push_back(int32_t(nodes.size()));
    nodes.push_back(n);
  }
  const int32_t root = stack.front();  // the bottom entry is the result
  if (nodes[size_t(root)].length > maxLength) return std::nullopt;

  std::string out;
  out.reserve(size_t(nodes[size_t(root)].length));
  struct Item {
    int32_t node;  // -1: print `text`
    std::string_view text;
  };
  std::vector<Item> work{{root, {}}};
  while (!work.empty()) {
    Item item = work.back();
    work.pop_back();
    if (item.node < 0) {
      out += item.text;
      continue;
    }
    const Node& n = nodes[size_t(item.node)];
    const std::string& data = toks[size_t(n.tok)].Data;
    if (n.rank == PolishRank::Operand && n.right < 0) {
      out += data;
    } else if (n.left < 0) {  // function: name(T), "min" as -(T)
      work.push_back({-1, ")"});
      work.push_back({n.right, {}});
      work.push_back({-1, "("});
      work.push_back({-1, data == "min" ? std::string_view("-") : std::string_view(data)});
    } else {  // pushed in reverse: L op R
      if (n.parenRight) work.push_back({-1, ")"});
      work.push_back({n.right, {}});
      if (n.parenRight) work.push_back({-1, "("});
      work.push_back({-1, data});
      if (n.parenLeft) work.push_back({-1, ")"});
      work.push_back({n.left, {}});
      if (n.parenLeft) work.push_back({-1, "("});
    }
  }
  return out;
}

std::string PolishToInfix(const PolishList& list) { return *PolishToInfix(list, SIZE_MAX); }

std::string FoldSignPairs(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    if (i + 1 < text.size() && text[i + 1] == '-' && (text[i] == '+' || text[i] == '-')) {
      out.push_back(text[i] == '+' ? '-' : '+');
      i += 2;
    } else {
      out.push_back(text[i]);
      ++i;
    }
  }
  return out;
}

std::string DerivativeText(const std::string& sExpression) {
  std::string errText;
  std::optional<PolishList> list = InfixToPolish(sExpression, errText);
  // The limit holds for the folded text. Folding turns at most two characters into one,
  // so a text that would fold to within the limit is at most twice as long: forming and
  // printing stop there, and the work stays bounded.
  constexpr size_t kUnfoldedLimit = 2 * kMaxDerivativeTextLength;
  PolishList derivative = Derive(list ? *list : PolishList(), kUnfoldedLimit);
  if (derivative.ElementCount() == 0) return std::string();
  std::optional<std::string> text = PolishToInfix(derivative, kUnfoldedLimit);
  if (!text) return std::string();
  std::string folded = FoldSignPairs(*text);
  if (folded.size() > kMaxDerivativeTextLength) return std::string();
  return folded;
}

int32_t ReportDerivativeTooLong() {
  curvanta::ShowMessage("字符 1：  表达式太长", "语法错误", curvanta::MsgIcon::Error);
  return 1;
}

}  // namespace curvanta
