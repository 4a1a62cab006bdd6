#include "graph/ui/plot_file.h"

#include "graph/ui/canvas_painter.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <algorithm>
#include <cctype>

namespace nuvra::graph::ui {

namespace {

void paintPlot(QPainter& painter, const Plotter& plotter)
{
    const CanvasSize canvas = plotter.canvas();
    paintCanvas(painter, plotter);
    const int legend = legendHeight(plotter);
    if (legend > 0)
        paintLegend(painter, plotter, QRectF(0, canvas.height, canvas.width, legend));
}

// A name that is more than the extension and ends in it, in any case.
bool hasExtension(std::string_view path, std::string_view extension)
{
    if (path.size() <= extension.size())
        return false;
    const std::string_view tail = path.substr(path.size() - extension.size());
    return std::ranges::equal(tail, extension, [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
}

} // namespace

std::optional<PlotFormat> plotFormatOf(std::string_view path)
{
    if (hasExtension(path, ".png"))
        return PlotFormat::Png;
    if (hasExtension(path, ".svg"))
        return PlotFormat::Svg;
    return std::nullopt;
}

QImage plotImage(const Plotter& plotter)
{
    const CanvasSize canvas = plotter.canvas();
    QImage image(canvas.width, canvas.height + legendHeight(plotter), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPlot(painter, plotter);
    return image;
}

core::Result<void, PlotFileError> writePlotFile(const Plotter& plotter, const std::string& path)
{
    const std::optional<PlotFormat> format = plotFormatOf(path);
    if (!format)
        return core::unexpected(PlotFileError::UnknownFormat);
    const QString name = QString::fromStdString(path);
    if (*format == PlotFormat::Png) {
        QSaveFile file(name);
        if (!file.open(QIODevice::WriteOnly) || !plotImage(plotter).save(&file, "PNG") ||
            !file.commit())
            return core::unexpected(PlotFileError::CannotWrite);
        return {};
    }
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly))
        return core::unexpected(PlotFileError::CannotWrite);
    const CanvasSize canvas = plotter.canvas();
    const QSize size(canvas.width, canvas.height + legendHeight(plotter));
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(QStringLiteral("Graph"));
    {
        QPainter painter(&svg);
        paintPlot(painter, plotter);
    }
    if (!file.commit())
        return core::unexpected(PlotFileError::CannotWrite);
    return {};
}

} // namespace nuvra::graph::ui
