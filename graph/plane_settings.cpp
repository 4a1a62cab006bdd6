#include "graph/plane_settings.h"

#include "eval/expression_evaluator.h"

#include <cmath>
#include <optional>

namespace nuvra::graph {

namespace {

// Whole numbers of the plane's range print without a point or an exponent.
std::string wholeText(double value)
{
    return std::to_string(static_cast<long long>(value));
}

std::optional<double> numberOf(const std::string& text)
{
    return eval::PlainNumberValue(text);
}

// A bound beyond -1000..1000 takes its default; a fraction is cut toward zero.
void normaliseBound(std::string& field, std::string_view fallback)
{
    const std::optional<double> value = numberOf(field);
    if (!value)
        return;
    if (*value > 1000 || *value < -1000)
        field = fallback;
    else if (*value != std::trunc(*value))
        field = wholeText(std::trunc(*value));
}

// A minimum not below its maximum moves the maximum up by one, or both below the top.
void orderBounds(std::string& minimum, std::string& maximum)
{
    const std::optional<double> low = numberOf(minimum);
    const std::optional<double> high = numberOf(maximum);
    if (!low || !high || *low < *high)
        return;
    const double raised = *low + 1;
    if (raised == 1001) {
        minimum = "999";
        maximum = "1000";
    } else {
        maximum = wholeText(raised);
    }
}

void normaliseScale(std::string& field)
{
    const std::optional<double> value = numberOf(field);
    if (!value)
        return;
    if (*value > 1000 || *value < 1)
        field.assign(1, '1');
    else if (*value != std::trunc(*value))
        field = wholeText(std::trunc(*value));
}

std::string& fieldOf(PlaneFieldTexts& fields, PlaneField field)
{
    return fields[static_cast<std::size_t>(field)];
}

} // namespace

PlaneFieldTexts PlaneFieldsOf(const Plane& plane)
{
    return {wholeText(plane.xMin), wholeText(plane.xMax),   wholeText(plane.yMin),
            wholeText(plane.yMax), wholeText(plane.xScale), wholeText(plane.yScale)};
}

void NormaliseSettings(PlaneFieldTexts& fields)
{
    normaliseBound(fieldOf(fields, PlaneField::XMin), "-10");
    normaliseBound(fieldOf(fields, PlaneField::XMax), "10");
    normaliseBound(fieldOf(fields, PlaneField::YMin), "-10");
    normaliseBound(fieldOf(fields, PlaneField::YMax), "10");
    orderBounds(fieldOf(fields, PlaneField::XMin), fieldOf(fields, PlaneField::XMax));
    orderBounds(fieldOf(fields, PlaneField::YMin), fieldOf(fields, PlaneField::YMax));
    normaliseScale(fieldOf(fields, PlaneField::XScale));
    normaliseScale(fieldOf(fields, PlaneField::YScale));
}

std::variant<Plane, PlaneField> ApplySettings(PlaneFieldTexts& fields)
{
    NormaliseSettings(fields);
    std::array<double, kPlaneFieldCount> values{};
    for (std::size_t i = 0; i < kPlaneFieldCount; ++i) {
        const std::optional<double> value = numberOf(fields[i]);
        if (!value)
            return static_cast<PlaneField>(i);
        values[i] = *value;
    }
    return Plane{values[0], values[1], values[2], values[3], values[4], values[5]};
}

} // namespace nuvra::graph
