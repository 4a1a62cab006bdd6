#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nuvra::core {
class DisplayValue;
}

namespace nuvra::graph {

// The plane in graph units: whole numbers from -1000 to 1000, each minimum below its maximum,
// scales from 1 to 1000 (every scale-th grid line runs the full length of the canvas).
struct Plane {
    double xMin = -10;
    double xMax = 10;
    double yMin = -10;
    double yMax = 10;
    double xScale = 1;
    double yScale = 1;

    bool operator==(const Plane&) const = default;
};

// c + (v - a) / (b - a) * (d - c): the one mapping between graph units and the canvas.
double MapRange(double v, double a, double b, double c, double d);

// The canvas is measured in its own pixels (one logical pixel of the window, one pixel of a
// file), with the origin at the top left. The plotted range keeps kMargin pixels from each edge.
inline constexpr int kCanvasSide = 305;
inline constexpr double kMargin = 4;

struct CanvasSize {
    int width = kCanvasSide;
    int height = kCanvasSide;

    bool operator==(const CanvasSize&) const = default;
};

struct Point {
    double x = 0;
    double y = 0;

    bool operator==(const Point&) const = default;
};

// Graph units to the canvas: XMin at the left margin, YMin at the bottom margin.
Point MapToCanvas(const Plane& plane, CanvasSize canvas, double x, double y);

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;

    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kCanvasBackground{240, 240, 240};
inline constexpr Rgb kGridColour{192, 192, 192};
inline constexpr Rgb kAxisColour{0, 0, 0};
inline constexpr double kGridPenWidth = 1;
inline constexpr double kAxisPenWidth = 4;
inline constexpr double kCurvePenWidth = 2;

inline constexpr int kColourCount = 8;
// The curve colour of an index from 1 to 8.
Rgb CurveColour(int index);

enum class LineKind {
    GridLine, // a full-length line at every scale-th whole number; grey, 1 pixel
    Tick,     // a short mark across the canvas middle at the other whole numbers; grey, 1 pixel
    Axis,     // black, 4 pixels
};

struct PlaneLine {
    LineKind kind;
    Point from;
    Point to;

    bool operator==(const PlaneLine&) const = default;
};

// The grid, the ticks and the axes, in drawing order (grey lines first, then the axes). The
// ticks sit around the middle of the canvas, not on the axes; 0 gets no grid line or tick.
std::vector<PlaneLine> DrawPlane(const Plane& plane, CanvasSize canvas);

// The equation as the plotter samples it: lower case, with "*" before every "x" that follows a
// digit or another "x" ("2x" is "2*x", "xx" is "x*x").
std::string PrepareEquation(std::string_view input);

// The prepared equation with every "x" replaced by "(" + the number text of x + ")", except the
// "x" of "exp" (an "x" after "e" or before "p"); the first and the last character are always
// replaced.
std::string SubstituteColumn(std::string_view prepared, double x);

// The canvas y of one column, or nothing when the equation fails there or its value cannot be
// mapped. x is MapRange(column, 4, width - 4, XMin, XMax): the columns 4 and width - 4 are the
// plane's edges. The display is only written by a tangent at a right angle.
std::optional<double> SampleColumn(std::string_view prepared, int column, const Plane& plane,
                                   CanvasSize canvas, core::DisplayValue& display);

// One item of the canvas's persistent picture, in the order it was drawn.
struct PlaneDrawing {
    std::vector<PlaneLine> lines;
};

// A curve: its colour and its strokes, each an unbroken run of good columns (a failing column
// ends a stroke; a steep jump between two good columns is part of the stroke).
struct Curve {
    int colourIndex = 1;
    std::vector<std::vector<Point>> strokes;
};

struct Drawing {
    enum class Kind { Plane, Curve } kind;
    PlaneDrawing plane;
    Curve curve;
};

// A legend slot is free while its colour index is 0; only slots in use are shown.
struct LegendSlot {
    int colourIndex = 0;
    std::string label;

    bool operator==(const LegendSlot&) const = default;
};

// The plotter of the Graph toolbox: the plane settings, the canvas picture, the legend and the
// plot in progress. A plot samples one column per tick() from column 0 to the canvas width, so
// a window can show the curve growing while it handles input between ticks.
class Plotter {
public:
    explicit Plotter(Plane plane = {}, CanvasSize canvas = {});

    const Plane& plane() const { return m_plane; }
    // Takes effect for the next DrawPlane and the next plot.
    void setPlane(const Plane& plane) { m_plane = plane; }
    CanvasSize canvas() const { return m_canvas; }

    // Everything drawn on the canvas since it was last cleared, in order.
    const std::vector<Drawing>& picture() const { return m_picture; }
    // Counts the changes of the picture other than the growth of the running curve, so that a
    // view can keep what lies under that curve.
    std::uint64_t pictureChanges() const { return m_pictureChanges; }
    // The place in the picture of the curve being plotted.
    std::optional<std::size_t> runningDrawing() const;
    const std::array<LegendSlot, kColourCount>& legend() const { return m_legend; }
    bool legendEmpty() const;
    // The eighth slot is taken (the equation field widens).
    bool legendFull() const;
    const std::vector<int>& colourList() const { return m_colourList; }

    // Adds the plane of the held settings to the picture.
    void DrawPlane();
    // Clears the colour list and the legend; for a non-empty input also the picture, draws the
    // plane and starts plotting the input. False when nothing starts.
    bool PlotNew(std::string_view input);
    // Starts plotting the input over the picture in the next free colour.
    void PlotSamePlane(std::string_view input);
    // Picture, colour list and legend cleared, any plot abandoned, then the plane drawn.
    void ResetGraph();

    bool plotting() const { return m_run.has_value(); }
    // The column the next tick samples.
    int column() const;
    int currentColourIndex() const { return m_currentColour; }
    // Samples the next column; false once the plot has ended (the last column is the canvas
    // width, so a 305-pixel canvas is sampled 306 times).
    bool tick(core::DisplayValue& display);
    // Ticks until the plot ends.
    void finish(core::DisplayValue& display);

private:
    struct Run {
        std::string prepared;
        std::size_t drawing = 0; // the curve's place in the picture
        int column = 0;
        bool penUp = true;
    };

    void start(std::string_view input);

    Plane m_plane;
    CanvasSize m_canvas;
    std::vector<Drawing> m_picture;
    std::uint64_t m_pictureChanges = 0;
    std::array<LegendSlot, kColourCount> m_legend{};
    std::vector<int> m_colourList;
    int m_currentColour = 1;
    std::optional<Run> m_run;
};

} // namespace nuvra::graph
