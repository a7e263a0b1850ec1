// The expression engine, the parser and evaluator of the expression language: infix text becomes postfix
// text once (InfixToPostfix), which is then evaluated many times for the eight variables
// (DoEvaluate). PostfixProgram is the compiled form of a postfix text for hot loops.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "expr/row_reuse.h"

namespace curvanta {

// The values of the eight variables U, V, X, Y, A, R, B, T.
struct VarValues {
  float U = 0, V = 0, X = 0, Y = 0, A = 0, R = 0, B = 0, T = 0;
};

// A postfix text compiled once into a list of operations. Evaluate behaves exactly as
// ExpressionEngine::DoEvaluate on the same text: the same results, the same message boxes, the same
// raised errors at the same point of the evaluation.
class PostfixProgram {
 public:
  static PostfixProgram Compile(const std::string& postfix);

  // True with sngResult set; False (sngResult unchanged) for an empty text or after a
  // domain message box. Raises curvanta::EngineError for an unrecognised token or an empty
  // stack, curvanta::ArithmeticError for an arithmetic fault.
  bool Evaluate(bool bolDegree, float& sngResult, const VarValues& vars) const;

  // Evaluate without exceptions: an arithmetic fault, an unrecognised token or an empty
  // stack ends the evaluation with False and `faulted` set (sngResult unchanged), at about
  // the cost of the evaluation so far. Otherwise as Evaluate: the same results and message
  // boxes; False with `faulted` clear for an empty text or after a domain message.
  bool EvaluateQuietly(bool bolDegree, float& sngResult, const VarValues& vars,
                       bool& faulted) const;

  // Evaluates the program at n points that share `base` except for one variable
  // (`rowVariable`, one of U V X Y A R B T), which takes rowValues[0..n) in turn, one
  // instruction over the whole row at a time. True with out[0..n) set to exactly what
  // Evaluate gives at each point. False, with nothing shown, raised or drawn, when the row
  // cannot be evaluated so: a point would fault, show a message or fail, or the program
  // draws random numbers (their order would change); then the caller evaluates the row
  // point by point with Evaluate.
  // With a `reuse` store (one per program), the parts that depend on the row variable alone
  // are computed once for all the rows that share their row values and taken from the store
  // in the others, with the same results.
  bool EvaluateRow(bool bolDegree, const VarValues& base, char rowVariable,
                   const float* rowValues, size_t n, float* out,
                   RowReuse* reuse = nullptr) const;

  // Whether the text holds the mark of the variable (one of U V X Y A R B T, upper case).
  bool UsesVariable(char upperLetter) const;

  // True when the text holds no token (evaluation gives False).
  bool IsEmpty() const { return code_.empty(); }

  struct Instr {
    uint8_t op = 0;
    uint8_t aux = 0;     // kFuncV: the function; variable-pair shapes: the second variable
    int16_t power = 0;   // the whole exponent of a variable's power
    uint32_t arg = 0;    // a variable, function or bad-token index
    double value = 0;    // a constant
  };

 private:
  // The program for single points, from the token list: constants folded, common shapes as
  // single operations (postfix_shapes.cpp). False leaves it to the caller to use the row code.
  static bool Shape(const std::vector<Instr>& tokens, std::vector<Instr>& code, int32_t& depth);
  // The program for rows: the token list with constant and variable operands fused.
  static std::vector<Instr> Fuse(const std::vector<Instr>& tokens);
  // Evaluate and EvaluateQuietly run the program here. `deepStack` holds pointDepth_ + 1
  // items for a text deeper than the stack the evaluation keeps in its own frame (null for
  // the others); the caller owns it, so that a quiet evaluation that stops at a fault leaves
  // nothing allocated behind. Run itself owns nothing.
  bool Run(bool bolDegree, float& sngResult, const VarValues& vars, double* deepStack) const;
  // Whether Run needs a deep stack for this program.
  bool NeedsDeepStack() const;
  bool EvaluateBlock(bool bolDegree, const VarValues& base, int rowVar, const float* rowValues,
                     size_t n, float* out, RowReuse* reuse, size_t block, size_t first) const;

  std::vector<Instr> code_;     // for Evaluate
  std::vector<Instr> rowCode_;  // for EvaluateRow
  std::vector<std::string> badTokens_;
  int32_t maxDepth_ = 0;     // of the row code
  int32_t pointDepth_ = 0;   // of the point code
  uint32_t usedVars_ = 0;
  bool rowSafe_ = true;  // no random numbers and no raising token
};

// Bounds of one conversion: typed, pasted and loaded texts are held to the first; texts that
// the program forms from them (derivative texts, the parity curve's mirrored text) may be
// longer and deeper (their size is bounded when they are formed).
struct ConversionLimits {
  size_t maxLength;
  int32_t maxNesting;
};
inline constexpr ConversionLimits kTypedTextLimits{10000, 200};
inline constexpr ConversionLimits kDerivedTextLimits{1000000, 2147483647};

class ExpressionEngine {
 public:
  // Converts infix text into postfix text, appended to sBuffer. Returns 0, or the
  // position (at least 1) of a syntax error after its message box has been shown.
  int32_t InfixToPostfix(const std::string& sExpression, std::string& sBuffer);
  int32_t InfixToPostfix(const std::string& sExpression, std::string& sBuffer,
                         const ConversionLimits& limits);

  // Evaluates postfix text for the given variable values; see PostfixProgram::Evaluate.
  bool DoEvaluate(const std::string& sExpression, bool bolDegree, float& sngResult, float sngU,
                  float sngV, float sngX, float sngY, float sngA, float sngR, float sngB,
                  float sngT);
  bool DoEvaluate(const std::string& sExpression, bool bolDegree, float& sngResult,
                  const VarValues& vars) {
    // Nearly every call evaluates the text of the call before: that one is found here.
    const auto& entries = cache_.entries;
    if (cache_.last < entries.size() && SameText(entries[cache_.last].text, sExpression))
        [[likely]]
      return entries[cache_.last].program.Evaluate(bolDegree, sngResult, vars);
    return ProgramFor(sExpression).Evaluate(bolDegree, sngResult, vars);
  }

  // The text of the last syntax-error message ("" before the first one).
  const std::string& LastErrorMessage() const { return m_sErrorMessage; }

 private:
  static int32_t OperatorPriority(std::string_view token);
  int32_t SyntaxError(int32_t position, const std::string& message);
  const PostfixProgram& ProgramFor(const std::string& postfix);
  // Whether two texts are equal, compared eight bytes at a time without a library call.
  static bool SameText(const std::string& a, const std::string& b) {
    const size_t n = a.size();
    if (n != b.size()) return false;
    const char* pa = a.data();
    const char* pb = b.data();
    if (n < 8) {
      for (size_t i = 0; i < n; ++i)
        if (pa[i] != pb[i]) return false;
      return true;
    }
    auto word = [](const char* p) {
      uint64_t w;
      std::memcpy(&w, p, 8);
      return w;
    };
    for (size_t i = 0; i + 8 < n; i += 8)
      if (word(pa + i) != word(pb + i)) return false;
    return word(pa + n - 8) == word(pb + n - 8);  // the last eight, overlapping what went before
  }

  std::string m_sErrorMessage;

  // Recently compiled postfix texts, so that repeated evaluation of the same text does not
  // parse it again. Invisible to callers; a copy of a ExpressionEngine starts with an empty cache.
  struct CompiledCache {
    struct Entry {
      std::string text;
      PostfixProgram program;
    };
    CompiledCache() = default;
    CompiledCache(const CompiledCache&) {}
    CompiledCache& operator=(const CompiledCache&) {
      entries.clear();
      last = 0;
      return *this;
    }
    CompiledCache(CompiledCache&&) = default;
    CompiledCache& operator=(CompiledCache&&) = default;
    std::vector<Entry> entries;
    size_t last = 0;
    size_t nextVictim = 0;
  };
  CompiledCache cache_;
};

}  // namespace curvanta
