// Every text the expression engine shows or raises, in one place, so that the code and its
// tests use the very same strings.
#pragma once

namespace curvanta::texts {

// Syntax errors of the conversion: a box titled kSyntaxTitle with the error icon, its text
// kSyntaxPrefix + position + kSyntaxSeparator + message ("字符 4：  缺少运算符").
inline constexpr char kSyntaxTitle[] = "语法错误";
inline constexpr char kSyntaxPrefix[] = "字符 ";
inline constexpr char kSyntaxSeparator[] = "：  ";  // full-width colon and two blanks
inline constexpr char kMissingOperator[] = "缺少运算符";
inline constexpr char kMissingOperand[] = "缺少操作参数";
inline constexpr char kUnmatchedParen[] = "括号不匹配";
inline constexpr char kSeveralPoints[] = "包含多个小数点";
inline constexpr char kIllegalOperand[] = "非法操作参数";
inline constexpr char kMissingParen[] = "缺少括号";
inline constexpr char kUnknownCharacter[] = "存在无法识别的字符";
inline constexpr char kUndefinedNamePrefix[] = "没有定义的标记 '";  // + name as typed + "'"
inline constexpr char kUndefinedNameSuffix[] = "'";
inline constexpr char kMissingCloseParen[] = "缺少闭括号";
inline constexpr char kExpressionTooLong[] = "表达式太长";
inline constexpr char kNestingTooDeep[] = "括号嵌套太深";

// Domain errors of the evaluation: a box titled kEvalTitle with the error icon.
inline constexpr char kEvalTitle[] = "出错";
inline constexpr char kDivisionByZero[] = "Devision by zero.";
inline constexpr char kLogDomain[] = "The parameter of function LOG must larger than 0.";
inline constexpr char kSqrDomain[] = "SQR函数的参数必须大于0";

// Raised errors (curvanta::EngineError).
inline constexpr char kUnknownTokenPrefix[] = "存在无法识别的操作元素 ";  // + the token
inline constexpr char kPopEmpty[] = "试图在空栈上调用pop方法";
inline constexpr char kPeekEmpty[] = "试图在空栈上调用GetPopValue方法";

// Texts of the raised arithmetic faults (curvanta::ArithmeticError::what); callers tell the
// faults apart by ArithmeticError::fault, never by these texts.
inline constexpr char kFaultOverflow[] = "溢出";
inline constexpr char kFaultInvalidOperation[] = "无效的运算";
inline constexpr char kFaultDivisionByZero[] = "除数为零";
inline constexpr char kFaultInvalidPower[] = "无效的乘方";

// Shown by the callers of the input filters (dialogs, calculator): title kEvalTitle,
// error icon.
inline constexpr char kInvalidInput[] = "存在不合法的表达式或数值";

}  // namespace curvanta::texts
