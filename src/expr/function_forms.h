// The hyperbolic functions, their inverses and the arc cotangent, computed in forms that
// neither overflow nor cancel where the function has a value; shared by every evaluation path.
#pragma once

namespace curvanta::postfix {

// Each gives the function's value, or raises the arithmetic fault the language raises there
// (through Fault, so that a quiet evaluation ends without an exception).
double ArcCotangent(double x);
double HyperbolicSine(double x);
double HyperbolicCosine(double x);
double HyperbolicTangent(double x);
double HyperbolicCotangent(double x);
double HyperbolicSecant(double x);
double HyperbolicCosecant(double x);
double InverseHyperbolicSine(double x);
double InverseHyperbolicCosine(double x);
double InverseHyperbolicTangent(double x);
double InverseHyperbolicSecant(double x);
double InverseHyperbolicCosecant(double x);
double InverseHyperbolicCotangent(double x);

}  // namespace curvanta::postfix
