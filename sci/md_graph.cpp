#include "sci/md_graph.h"

#include "core/display_value.h"

#include <cmath>

namespace nuvra::sci {
namespace {

MathResult finiteOr(double value, MathError error)
{
    if (!std::isfinite(value))
        return core::unexpected(error);
    return value;
}

// Nearest integer, a tie going to the even integer (the default rounding mode).
double nearestEven(double value)
{
    return std::nearbyint(value);
}

} // namespace

double PiValue()
{
    return 4.0 * std::atan(1.0);
}

double DegToRad(double degrees)
{
    return PiValue() * degrees / 180.0;
}

double RadToDeg(double radians)
{
    return radians * 180.0 / PiValue();
}

double TurnToRad(double turns)
{
    return turns * 2.0 * PiValue();
}

double RadToTurn(double radians)
{
    return radians / (PiValue() * 2.0);
}

double DegToGrad(double degrees)
{
    return degrees * 10.0 / 9.0;
}

double GradToDeg(double gradians)
{
    return gradians * 9.0 / 10.0;
}

double RadToGrad(double radians)
{
    return DegToGrad(RadToDeg(radians));
}

double GradToRad(double gradians)
{
    return DegToRad(GradToDeg(gradians));
}

double ToRadians(double angle, AngularSystem system)
{
    switch (system) {
    case AngularSystem::Degrees:
        return DegToRad(angle);
    case AngularSystem::Gradians:
        return GradToRad(angle);
    case AngularSystem::Turns:
        return TurnToRad(angle);
    case AngularSystem::Radians:
        break;
    }
    return angle;
}

double FromRadians(double radians, AngularSystem system)
{
    switch (system) {
    case AngularSystem::Degrees:
        return RadToDeg(radians);
    case AngularSystem::Gradians:
        return RadToGrad(radians);
    case AngularSystem::Turns:
        return RadToTurn(radians);
    case AngularSystem::Radians:
        break;
    }
    return radians;
}

double Round10(double value)
{
    // From 1E+15 on a double has no decimals left to round (and the scaled value could
    // overflow); the value is returned as it is.
    if (!std::isfinite(value) || std::fabs(value) >= 1e15)
        return value;
    return nearestEven(value * 1e10) / 1e10;
}

MathResult Sine(double angle, AngularSystem system)
{
    const double value = std::sin(ToRadians(angle, system));
    return finiteOr(system == AngularSystem::Radians ? value : Round10(value), MathError::Domain);
}

MathResult Cosine(double angle, AngularSystem system)
{
    const double value = std::cos(ToRadians(angle, system));
    return finiteOr(system == AngularSystem::Radians ? value : Round10(value), MathError::Domain);
}

bool IsRightAngle(double angle, AngularSystem system)
{
    if (angle == 0.0 || !std::isfinite(angle))
        return false;
    switch (system) {
    case AngularSystem::Degrees: {
        const double n = nearestEven(angle);
        return std::fmod(n, 180.0) != 0.0 && std::fmod(n, 90.0) == 0.0;
    }
    case AngularSystem::Gradians: {
        const double n = nearestEven(angle);
        return std::fmod(n, 200.0) != 0.0 && std::fmod(n, 100.0) == 0.0;
    }
    case AngularSystem::Radians: {
        const MathResult half = RealRemainder(angle, PiValue());
        const MathResult quarter = RealRemainder(angle, PiValue() / 2.0);
        return half && quarter && *half != 0.0 && *quarter == 0.0;
    }
    case AngularSystem::Turns: {
        const MathResult half = RealRemainder(angle, 0.5);
        const MathResult quarter = RealRemainder(angle, 0.25);
        return half && quarter && *half != 0.0 && *quarter == 0.0;
    }
    }
    return false;
}

MathResult Tangent(double angle, AngularSystem system, core::DisplayValue& display)
{
    if (IsRightAngle(angle, system)) {
        display.ShowError("i");
        return 0.0;
    }
    return finiteOr(Round10(std::tan(ToRadians(angle, system))), MathError::Domain);
}

MathResult Cotangent(double angle, AngularSystem system)
{
    const double radians = ToRadians(angle, system);
    const double sine = std::sin(radians);
    if (sine == 0.0)
        return core::unexpected(MathError::DivideByZero);
    return finiteOr(Round10(std::cos(radians) / sine), MathError::Domain);
}

MathResult ArcSine(double value, AngularSystem system)
{
    double radians = 0.0;
    if (value == 1.0)
        radians = PiValue() / 2.0;
    else if (value == -1.0)
        radians = -PiValue() / 2.0;
    else if (std::fabs(value) > 1.0 || !std::isfinite(value))
        return core::unexpected(MathError::Domain);
    else
        radians = std::atan(value / std::sqrt(1.0 - value * value));
    return finiteOr(FromRadians(radians, system), MathError::Domain);
}

MathResult ArcCosine(double value, AngularSystem system)
{
    double radians = 0.0;
    if (value == 1.0)
        radians = 0.0;
    else if (value == -1.0)
        radians = PiValue();
    else if (std::fabs(value) > 1.0 || !std::isfinite(value))
        return core::unexpected(MathError::Domain);
    else
        radians = std::atan(-value / std::sqrt(1.0 - value * value)) + PiValue() / 2.0;
    return finiteOr(FromRadians(radians, system), MathError::Domain);
}

MathResult ArcTangent(double value, AngularSystem system)
{
    return finiteOr(FromRadians(std::atan(value), system), MathError::Domain);
}

MathResult Log10(double value)
{
    if (!(value > 0.0))
        return core::unexpected(MathError::Domain);
    return finiteOr(std::log(value) / std::log(10.0), MathError::Domain);
}

MathResult RealRemainder(double a, double b)
{
    if (b == 0.0)
        return core::unexpected(MathError::DivideByZero);
    return finiteOr(a - b * std::trunc(a / b), MathError::Overflow);
}

MathResult Factorial(double value)
{
    if (!std::isfinite(value))
        return core::unexpected(MathError::Domain);
    if (value == std::floor(value)) {
        if (value < 0.0)
            return core::unexpected(MathError::Domain);
        if (value > 170.0)
            return core::unexpected(MathError::Overflow);
        double product = 1.0;
        for (int i = 2; i <= static_cast<int>(value); ++i)
            product *= i;
        return product;
    }
    // The gamma function to full double precision; it overflows a little above 171.
    return finiteOr(std::tgamma(value + 1.0), MathError::Overflow);
}

} // namespace nuvra::sci
