#include "graph/ui/plot_file.h"

#include "graph/ui/canvas_painter.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

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

bool endsWith(const QString& path, QLatin1StringView extension)
{
    return path.endsWith(extension, Qt::CaseInsensitive);
}

} // namespace

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
    const QString name = QString::fromStdString(path);
    if (endsWith(name, QLatin1StringView(".png"))) {
        QSaveFile file(name);
        if (!file.open(QIODevice::WriteOnly) || !plotImage(plotter).save(&file, "PNG") ||
            !file.commit())
            return core::unexpected(PlotFileError::CannotWrite);
        return {};
    }
    if (endsWith(name, QLatin1StringView(".svg"))) {
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
    return core::unexpected(PlotFileError::UnknownFormat);
}

} // namespace nuvra::graph::ui
