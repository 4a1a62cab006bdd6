#pragma once

#include "core/result.h"
#include "core/session.h"

namespace nuvra::sci {

// Why a library operation could not give a value. Callers decide what the user sees: the keys
// show "infinity" for a division by zero and stay silent otherwise, the evaluator says "Error".
enum class MathError { DivideByZero, Domain, Overflow };

using MathResult = core::Result<double, MathError>;

using core::AngularSystem;

// The shared math library: angle conversions, the trigonometric functions per angular system,
// their inverses, the ten-based log, the real remainder and the factorial. Angles in and out
// are in the named system.
double PiValue();
double DegToRad(double degrees);
double RadToDeg(double radians);
double TurnToRad(double turns);
double RadToTurn(double radians);
double DegToGrad(double degrees);
double GradToDeg(double gradians);
double RadToGrad(double radians);
double GradToRad(double gradians);

double ToRadians(double angle, AngularSystem system);
double FromRadians(double radians, AngularSystem system);

// Rounded to 10 decimals, a tie going to the even digit; hides the last bits of sin(30°).
double Round10(double value);

// Degrees, Gradians and Turns are rounded with Round10; Radians are not.
MathResult Sine(double angle, AngularSystem system);
MathResult Cosine(double angle, AngularSystem system);

// True at an odd multiple of a right angle, judged in the system's own unit (90.4 degrees
// counts, its nearest integer being 90).
bool IsRightAngle(double angle, AngularSystem system);

// At a right angle the display shows "infinity" (entry "0") and the value is 0; otherwise the
// tangent rounded with Round10 in every system.
MathResult Tangent(double angle, AngularSystem system, core::DisplayValue& display);
// Round10(cos / sin) in every system; a zero sine is a division by zero.
MathResult Cotangent(double angle, AngularSystem system);

MathResult ArcSine(double value, AngularSystem system);
MathResult ArcCosine(double value, AngularSystem system);
MathResult ArcTangent(double value, AngularSystem system);

// ln(x) / ln(10) with ln(10) computed at run time; x <= 0 is a domain error.
MathResult Log10(double value);
// a - b * trunc(a / b): the sign follows a.
MathResult RealRemainder(double a, double b);
// Integers: the product 1 * 2 * ... * n (negative: domain error, above 170: overflow).
// Other values: the gamma function, Gamma(x + 1), to full double precision.
MathResult Factorial(double value);

} // namespace nuvra::sci
