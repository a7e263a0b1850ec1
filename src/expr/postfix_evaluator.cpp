// ExpressionEngine::DoEvaluate: evaluates a postfix text through its compiled form, kept in a small
// cache so that a text evaluated at many sample points is parsed once.
#include <cstdint>
#include <cstring>

#include "expr/expression_parser.h"

namespace curvanta {

namespace {
constexpr size_t kCacheSize = 8;
}

const PostfixProgram& ExpressionEngine::ProgramFor(const std::string& postfix) {
  auto& entries = cache_.entries;
  if (cache_.last < entries.size() && SameText(entries[cache_.last].text, postfix))
    return entries[cache_.last].program;
  for (size_t i = 0; i < entries.size(); ++i) {
    if (entries[i].text == postfix) {
      cache_.last = i;
      return entries[i].program;
    }
  }
  PostfixProgram program = PostfixProgram::Compile(postfix);
  size_t slot;
  if (entries.size() < kCacheSize) {
    // Room for every entry at once, so that a program never moves while it is in use.
    if (entries.capacity() < kCacheSize) entries.reserve(kCacheSize);
    entries.push_back({postfix, std::move(program)});
    slot = entries.size() - 1;
  } else {
    slot = cache_.nextVictim;
    cache_.nextVictim = (cache_.nextVictim + 1) % kCacheSize;
    entries[slot].text = postfix;
    entries[slot].program = std::move(program);
  }
  cache_.last = slot;
  return entries[slot].program;
}

bool ExpressionEngine::DoEvaluate(const std::string& sExpression, bool bolDegree, float& sngResult,
                      float sngU, float sngV, float sngX, float sngY, float sngA, float sngR,
                      float sngB, float sngT) {
  VarValues vars;
  vars.U = sngU;
  vars.V = sngV;
  vars.X = sngX;
  vars.Y = sngY;
  vars.A = sngA;
  vars.R = sngR;
  vars.B = sngB;
  vars.T = sngT;
  return DoEvaluate(sExpression, bolDegree, sngResult, vars);
}

}  // namespace curvanta
