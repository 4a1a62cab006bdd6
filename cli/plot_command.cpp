#include "cli/arguments.h"
#include "cli/batch.h"
#include "cli/commands.h"
#include "cli/output_status.h"
#include "core/display_value.h"
#include "core/result.h"
#include "graph/plane_settings.h"
#include "graph/plotter.h"
#include "graph/ui/plot_file.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QString>
#include <QtGlobal>

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace nuvra::cli {
namespace {

struct PlaneOption {
    std::string_view name;
    graph::PlaneField field;
};

constexpr std::array<PlaneOption, graph::kPlaneFieldCount> kPlaneOptions{{
    {"--xmin", graph::PlaneField::XMin},
    {"--xmax", graph::PlaneField::XMax},
    {"--ymin", graph::PlaneField::YMin},
    {"--ymax", graph::PlaneField::YMax},
    {"--xscale", graph::PlaneField::XScale},
    {"--yscale", graph::PlaneField::YScale},
}};

// The canvas side in pixels: room for the margins and a grid, and a picture that is painted in
// memory at once (4096 pixels square is 64 MB).
constexpr int kMinSide = 16;
constexpr int kMaxSide = 4096;

struct PlotRequest {
    graph::Plane plane;
    graph::CanvasSize canvas;
    std::vector<std::string> equations;
    std::string path;
};

// The request of the words, or nothing after one line on err that names what is wrong.
std::optional<PlotRequest> readRequest(const std::vector<std::string>& args, std::ostream& err)
{
    graph::PlaneFieldTexts fields = graph::PlaneFieldsOf(graph::Plane{});
    PlotRequest request;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (!word.starts_with("--")) {
            positional.push_back(word);
            continue;
        }
        const auto plane = std::ranges::find(kPlaneOptions, word, &PlaneOption::name);
        if (plane == kPlaneOptions.end() && word != "--size") {
            err << "nuvra-cli plot: unknown option '" << word << "'\n";
            return std::nullopt;
        }
        if (i + 1 >= args.size()) {
            err << "nuvra-cli plot: " << word << " needs a value\n";
            return std::nullopt;
        }
        const std::string& value = args[++i];
        if (plane != kPlaneOptions.end()) {
            fields[static_cast<std::size_t>(plane->field)] = value;
            continue;
        }
        const std::optional<int> side = readIntegerArgument(value);
        if (!side || *side < kMinSide || *side > kMaxSide) {
            err << "nuvra-cli plot: --size takes a whole number from " << kMinSide << " to "
                << kMaxSide << ", not '" << value << "'\n";
            return std::nullopt;
        }
        request.canvas = {*side, *side};
    }

    const std::variant<graph::Plane, graph::PlaneField> plane = graph::ApplySettings(fields);
    if (const auto* field = std::get_if<graph::PlaneField>(&plane)) {
        const PlaneOption& option = kPlaneOptions[static_cast<std::size_t>(*field)];
        err << "nuvra-cli plot: " << option.name << " takes a number, not '"
            << fields[static_cast<std::size_t>(*field)] << "'\n";
        return std::nullopt;
    }
    request.plane = std::get<graph::Plane>(plane);

    if (positional.empty() || !graph::ui::plotFormatOf(positional.back())) {
        err << "nuvra-cli plot: the last argument names the picture, ending in .png or .svg\n";
        return std::nullopt;
    }
    request.path = positional.back();
    positional.pop_back();
    if (positional.empty()) {
        err << "nuvra-cli plot: no equation to plot\n";
        return std::nullopt;
    }
    for (const std::string& equation : positional) {
        // The plotter would start nothing for an empty equation, and "-" would be taken for
        // standard input, which plot does not read.
        if (equation.empty() || equation == "-") {
            err << "nuvra-cli plot: '" << equation << "' is no equation\n";
            return std::nullopt;
        }
    }
    request.equations = std::move(positional);
    return request;
}

// Qt's notes on the surroundings (no XDG_RUNTIME_DIR, a missing font) mean nothing to a script
// that asked for a picture; a failed write is reported by the status.
void keepCriticalMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

// The painter needs a GUI application for its fonts. The offscreen platform is forced, whatever
// QT_QPA_PLATFORM says, so that plot runs without a display; the other commands never make one.
core::Result<void, graph::ui::PlotFileError> paintOffscreen(const graph::Plotter& plotter,
                                                            const std::string& path)
{
    // The application may take arguments out of argv, and keeps it while it lives.
    char name[] = "nuvra-cli";
    char platformOption[] = "-platform";
    char platform[] = "offscreen";
    char* argv[] = {name, platformOption, platform, nullptr};
    int argc = 3;
    const QtMessageHandler previousHandler = qInstallMessageHandler(keepCriticalMessages);
    std::unique_ptr<QGuiApplication> application;
    if (QCoreApplication::instance() == nullptr)
        application = std::make_unique<QGuiApplication>(argc, argv);
    auto written = graph::ui::writePlotFile(plotter, path);
    application.reset();
    qInstallMessageHandler(previousHandler);
    return written;
}

} // namespace

int runPlotCommand(const std::vector<std::string>& args, std::istream&, std::ostream&,
                   std::ostream& err)
{
    const std::optional<PlotRequest> request = readRequest(args, err);
    if (!request)
        return kUsageError;

    graph::Plotter plotter(request->plane, request->canvas);
    // Only a tangent at a right angle writes to the display; the picture is all plot keeps.
    core::DisplayValue display;
    plotter.PlotNew(request->equations.front());
    plotter.finish(display);
    for (std::size_t i = 1; i < request->equations.size(); ++i) {
        plotter.PlotSamePlane(request->equations[i]);
        plotter.finish(display);
    }

    if (!paintOffscreen(plotter, request->path)) {
        err << "nuvra-cli plot: cannot write '" << request->path << "'\n";
        return kOutputError;
    }
    return 0;
}

} // namespace nuvra::cli
