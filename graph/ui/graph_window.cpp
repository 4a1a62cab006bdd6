#include "graph/ui/graph_window.h"

#include "art/kit/butler_channel.h"
#include "art/kit/control_table.h"
#include "art/kit/skin_button.h"
#include "art/palette.h"
#include "core/session.h"
#include "graph/ui/canvas_painter.h"
#include "platform/desktop/twips_geometry.h"
#include "shell/ui/toolbox_context.h"

#include <QFocusEvent>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

#include <string>

namespace nuvra::graph::ui {

using kit::ControlKind;
using kit::qs;
using platform::twipsToPixels;
using Pic = art::Picture;

namespace {

constexpr std::string_view kWindowHelp = "The Graph toolbox to plot graphs.";
constexpr std::string_view kCloseHelp = "Close the Graph Toolbox.";
constexpr std::string_view kInputHelp = "Graphical Equation. Click to edit.";
constexpr std::string_view kCanvasHelp = "The Cartesian Plane.";
constexpr std::string_view kCanvasClickHelp =
    "The Cartesian Plane. The equation will be plotted here.";
constexpr std::string_view kPadHelp = "Add functions to the Equation.";
constexpr std::string_view kResetHelp = "Reset the Graph.";

// The window is this wide with the equation bar closed, and the wider with it open.
constexpr int kClosedWidth = 4605;
constexpr int kOpenWidth = 7215;
// The equation field widens when the legend's last slot is taken.
constexpr int kInputWidth = 3150;
constexpr int kWideInputWidth = 3515;

// The canvas's side in twips, at 15 twips per logical pixel of its 305.
constexpr int kCanvasTwips = 4575;
constexpr platform::TwipsRect kCanvasRect{15, 690, kCanvasTwips, kCanvasTwips};
constexpr platform::TwipsRect kInputRect{600, 300, kInputWidth, 330};

constexpr auto kWindowControls = std::to_array<kit::ControlSpec>({
    {"lbl", ControlKind::Label, {150, 300, 420, 330}, "y =", "", kInputHelp, "", Pic::None},
    {"txtInput", ControlKind::Field, kInputRect, "x", "Equation", kInputHelp,
     "Graphical Equation", Pic::None},
    {"pbGraph", ControlKind::Panel, kCanvasRect, "", "Cartesian plane", kCanvasHelp, "",
     Pic::None},
    {"imgReload", ControlKind::Button, {150, 5340, 900, 330}, "Replot", "", "Replot the Graph.",
     "Replot the Graph", Pic::TextButton},
    {"imgSettings", ControlKind::Button, {1110, 5340, 1050, 330}, "Settings", "",
     "View/Change Graph settings.", "Change Graph Settings", Pic::TextButton},
    {"AngSysM", ControlKind::Picture, {2250, 5340, 660, 330}, "RAD", "Radians",
     "Angluar System used in the Graphing Toolbox is Radian.", "In Graphs, Radian is Used",
     Pic::Indicator},
    // Checked while the equation bar is open; its arrow then points back.
    {"pull", ControlKind::CheckBox, {4095, 5340, 420, 330}, "", "Equation bar",
     "Show the equation bar.", "", Pic::PanelToggle},
    {"top_connector", ControlKind::Panel, {4590, 690, 150, 330}, "", "", "", "", Pic::None},
    {"bottom_connector", ControlKind::Panel, {4590, 4935, 150, 330}, "", "", "", "", Pic::None},
    {"eq_box", ControlKind::Panel, {4740, 690, 2400, kCanvasTwips}, "", "", "", "", Pic::None},
    // The overlays over the canvas, built last so that they lie on top.
    {"pad_M", ControlKind::Panel, kCanvasRect, "", "", kPadHelp, "", Pic::None},
    {"GraSet_M", ControlKind::Panel, kCanvasRect, "", "", "", "", Pic::None},
});

// The equation bar, in twips of eq_box. Eight legend rows under the buttons, with the cover
// over them while none is in use.
constexpr int legendRow(int slot) { return 2100 + slot * 270; }

constexpr auto kBarControls = std::to_array<kit::ControlSpec>({
    {"box_close", ControlKind::Button, {2040, 60, 270, 270}, "", "Close equation bar",
     "Close the equation bar.", "", Pic::Close},
    {"cmdGraph", ControlKind::Button, {120, 390, 2160, 360}, "Plot", "",
     "Plot the Fresh Graph for the given equation.", "Plot the Graph (New)", Pic::OperatorKey},
    {"cmd_PlotOnTop", ControlKind::Button, {120, 810, 2160, 360}, "Plot on same plane", "",
     "Plot the Graph for the given equation in the current plain.", "Plot (Same Plane)",
     Pic::FunctionKey},
    {"cmdBK", ControlKind::Button, {120, 1230, 1050, 360}, "⌫", "Backspace", "Backspace.",
     "Backscpace", Pic::FunctionKey},
    {"cmdCopy", ControlKind::Button, {1230, 1230, 1050, 360}, "Copy", "",
     "Copy the graph (image) to Clipboard.", "Copy to Clipboard", Pic::FunctionKey},
    {"cmdReset", ControlKind::Button, {120, 1650, 2160, 360}, "Reset", "", kResetHelp,
     "Reset Graph", Pic::CancelKey},
    {"eq_clr1", ControlKind::Panel, {150, legendRow(0) + 60, 180, 150}, "", "", "", "", Pic::None},
    {"eq_clr2", ControlKind::Panel, {150, legendRow(1) + 60, 180, 150}, "", "", "", "", Pic::None},
    {"eq_clr3", ControlKind::Panel, {150, legendRow(2) + 60, 180, 150}, "", "", "", "", Pic::None},
    {"eq_clr4", ControlKind::Panel, {150, legendRow(3) + 60, 180, 150}, "", "", "", "", Pic::None},
    {"eq_clr5", ControlKind::Panel, {150, legendRow(4) + 60, 180, 150}, "", "", "", "", Pic::None},
    {"eq_clr6", ControlKind::Panel, {150, legendRow(5) + 60, 180, 150}, "", "", "", "", Pic::None},
    {"eq_clr7", ControlKind::Panel, {150, legendRow(6) + 60, 180, 150}, "", "", "", "", Pic::None},
    {"eq_clr8", ControlKind::Panel, {150, legendRow(7) + 60, 180, 150}, "", "", "", "", Pic::None},
    {"eq_l1", ControlKind::Label, {420, legendRow(0), 1860, 270}, "", "", "", "", Pic::None},
    {"eq_l2", ControlKind::Label, {420, legendRow(1), 1860, 270}, "", "", "", "", Pic::None},
    {"eq_l3", ControlKind::Label, {420, legendRow(2), 1860, 270}, "", "", "", "", Pic::None},
    {"eq_l4", ControlKind::Label, {420, legendRow(3), 1860, 270}, "", "", "", "", Pic::None},
    {"eq_l5", ControlKind::Label, {420, legendRow(4), 1860, 270}, "", "", "", "", Pic::None},
    {"eq_l6", ControlKind::Label, {420, legendRow(5), 1860, 270}, "", "", "", "", Pic::None},
    {"eq_l7", ControlKind::Label, {420, legendRow(6), 1860, 270}, "", "", "", "", Pic::None},
    {"eq_l8", ControlKind::Label, {420, legendRow(7), 1860, 270}, "", "", "", "", Pic::None},
    {"cvr", ControlKind::Picture, {120, legendRow(0), 2160, 8 * 270}, "Plotted equations show here",
     "", "", "", Pic::ListHint},
    {"eq_reset", ControlKind::Button, {120, 4290, 2160, 240}, "Reset graph", "", kResetHelp,
     "Reset Graph", Pic::TextButton},
});

constexpr std::array<std::string_view, kColourCount> kSwatches{
    "eq_clr1", "eq_clr2", "eq_clr3", "eq_clr4", "eq_clr5", "eq_clr6", "eq_clr7", "eq_clr8"};
constexpr std::array<std::string_view, kColourCount> kLegendLabels{
    "eq_l1", "eq_l2", "eq_l3", "eq_l4", "eq_l5", "eq_l6", "eq_l7", "eq_l8"};

// The pad: six columns of keys, centred over the canvas above the pad's bottom strip.
constexpr std::size_t kPadKeyCount = std::size(kPadKeys);
constexpr int kPadColumns = 6;
constexpr int kPadKeyWidth = 690;
constexpr int kPadKeyHeight = 480;
constexpr int kPadGap = 60;
constexpr int kPadStripHeight = 540;
constexpr int kPadWidth = kPadColumns * kPadKeyWidth + (kPadColumns - 1) * kPadGap;
constexpr int kPadRows = static_cast<int>((kPadKeyCount + kPadColumns - 1) / kPadColumns);
constexpr int kPadHeight = kPadRows * kPadKeyHeight + (kPadRows - 1) * kPadGap;

constexpr Pic padKeyPicture(std::string_view text)
{
    if (text.size() == 1 && ((text[0] >= '0' && text[0] <= '9') || text[0] == '.'))
        return Pic::DigitKey;
    if (text == "+" || text == "-" || text == "*" || text == "/")
        return Pic::OperatorKey;
    return Pic::FunctionKey;
}

constexpr std::array<kit::ControlSpec, kPadKeyCount> padKeyTable()
{
    std::array<kit::ControlSpec, kPadKeyCount> table{};
    for (std::size_t i = 0; i < kPadKeyCount; ++i) {
        const int column = static_cast<int>(i) % kPadColumns;
        const int row = static_cast<int>(i) / kPadColumns;
        table[i] = {kPadKeys[i].name,
                    ControlKind::Button,
                    {column * (kPadKeyWidth + kPadGap), row * (kPadKeyHeight + kPadGap),
                     kPadKeyWidth, kPadKeyHeight},
                    kPadKeys[i].caption,
                    "",
                    kPadHelp,
                    "",
                    padKeyPicture(kPadKeys[i].text)};
    }
    return table;
}

constexpr auto kPadKeyTable = padKeyTable();

// The key block and the bottom strip, in twips of pad_M.
constexpr auto kPadParts = std::to_array<kit::ControlSpec>({
    {"Pad", ControlKind::Panel,
     {(kCanvasTwips - kPadWidth) / 2, (kCanvasTwips - kPadStripHeight - kPadHeight) / 2,
      kPadWidth, kPadHeight},
     "", "", kPadHelp, "", Pic::None},
    {"pad_bot", ControlKind::Panel,
     {0, kCanvasTwips - kPadStripHeight, kCanvasTwips, kPadStripHeight}, "", "", kPadHelp, "",
     Pic::None},
});

constexpr auto kPadStrip = std::to_array<kit::ControlSpec>({
    {"imgPadBksp", ControlKind::Button, {150, 90, 1300, 360}, "⌫", "Backspace", "Backspace.", "",
     Pic::FunctionKey},
    {"imgPadPlot", ControlKind::Button, {1637, 90, 1300, 360}, "Plot", "",
     "Plot the Graph for the given equation.", "", Pic::OperatorKey},
    {"imgPadSettings", ControlKind::Button, {3125, 90, 1300, 360}, "Plane", "",
     "Hide the function, and show the Cartesian Plane.", "", Pic::FunctionKey},
});

// The settings panel's block, centred over the canvas: a label and a field a setting.
constexpr int settingRow(int row) { return 200 + row * 420; }
constexpr platform::TwipsRect settingLabel(int row) { return {200, settingRow(row), 1800, 330}; }
constexpr platform::TwipsRect settingField(int row) { return {2100, settingRow(row), 1750, 330}; }

constexpr auto kSettingsControls = std::to_array<kit::ControlSpec>({
    {"lblXMinimum", ControlKind::Label, settingLabel(0), "X-minimum:", "", "", "", Pic::None},
    {"lblXMaximum", ControlKind::Label, settingLabel(1), "X-maximum:", "", "", "", Pic::None},
    {"lblYMinimum", ControlKind::Label, settingLabel(2), "Y-minimum:", "", "", "", Pic::None},
    {"lblYMaximum", ControlKind::Label, settingLabel(3), "Y-maximum:", "", "", "", Pic::None},
    {"lblXScale", ControlKind::Label, settingLabel(4), "X-Scale:", "", "", "", Pic::None},
    {"lblYScale", ControlKind::Label, settingLabel(5), "Y-Scale:", "", "", "", Pic::None},
    {"txtXMinimum", ControlKind::Field, settingField(0), "", "X-minimum", "", "", Pic::None},
    {"txtXMaximum", ControlKind::Field, settingField(1), "", "X-maximum", "", "", Pic::None},
    {"txtYMinimum", ControlKind::Field, settingField(2), "", "Y-minimum", "", "", Pic::None},
    {"txtYMaximum", ControlKind::Field, settingField(3), "", "Y-maximum", "", "", Pic::None},
    {"txtXScale", ControlKind::Field, settingField(4), "", "X-Scale", "", "", Pic::None},
    {"txtYScale", ControlKind::Field, settingField(5), "", "Y-Scale", "", "", Pic::None},
    {"cmdOK", ControlKind::Button, {200, 2850, 900, 330}, "OK", "", "", "", Pic::OperatorKey},
    {"cmdCancel", ControlKind::Button, {1200, 2850, 900, 330}, "Cancel", "", "", "",
     Pic::FunctionKey},
    {"cmdGoDefaults", ControlKind::Button, {2200, 2850, 1650, 330}, "Revert to Defaults", "", "",
     "", Pic::FunctionKey},
});
constexpr platform::TwipsRect kSettingsBlock{262, 600, 4050, 3300};

constexpr std::array<std::string_view, kPlaneFieldCount> kFieldNames{
    "txtXMinimum", "txtXMaximum", "txtYMinimum", "txtYMaximum", "txtXScale", "txtYScale"};

// The canvas view: paints the plotter's picture, and leaves the pointer to the panel beneath.
// While a curve grows it keeps what lies under that curve as an image, so a tick repaints one
// curve over a copy instead of the whole picture.
class CanvasView : public QWidget {
public:
    CanvasView(const Plotter& plotter, QWidget& parent) : QWidget(&parent), m_plotter(plotter)
    {
        setObjectName(QStringLiteral("canvasView"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setGeometry(parent.rect());
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const std::optional<std::size_t> running = m_plotter.runningDrawing();
        if (!running || *running + 1 != m_plotter.picture().size()) {
            m_under = QImage();
            paintCanvas(painter, m_plotter);
            return;
        }
        const qreal ratio = devicePixelRatioF();
        if (m_under.isNull() || m_underChanges != m_plotter.pictureChanges() ||
            m_under.devicePixelRatio() != ratio) {
            m_under = QImage((QSizeF(size()) * ratio).toSize(),
                             QImage::Format_ARGB32_Premultiplied);
            m_under.setDevicePixelRatio(ratio);
            QPainter under(&m_under);
            paintCanvas(under, m_plotter, *running);
            m_underChanges = m_plotter.pictureChanges();
        }
        painter.drawImage(QPointF(0, 0), m_under);
        paintDrawing(painter, m_plotter, *running);
    }

private:
    const Plotter& m_plotter;
    QImage m_under;
    std::uint64_t m_underChanges = 0;
};

void styleField(QLineEdit& field)
{
    QPalette palette = field.palette();
    palette.setColor(QPalette::Base, art::palette::displayBack());
    palette.setColor(QPalette::Text, art::palette::text());
    field.setPalette(palette);
    field.setTextMargins(twipsToPixels(60), 0, twipsToPixels(60), 0);
}

void fillWith(QWidget& widget, const QColor& colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

} // namespace

GraphWindow::GraphWindow(shell::ui::ToolboxContext& context, GraphToolboxState& state)
    : ToolboxWindow(shell::toolboxSpec(shell::Toolbox::Graph), context.butler),
      m_context(context), m_state(state), m_plotter(state.plane.value_or(Plane{}))
{
    setAccessibleDescription(qs(kWindowHelp));
    kit::addHoverHelp(*this, qs(kWindowHelp), butler());
    setCloseHelp(qs(kCloseHelp));

    m_controls = buildControls(kWindowControls);
    m_input = m_controls.as<QLineEdit>("txtInput");
    styleField(*m_input);
    kit::setTextStyle(*m_controls.widget("lbl"), art::palette::text(), 11, true);
    QWidget* canvasPanel = m_controls.widget("pbGraph");
    canvasPanel->setFocusPolicy(Qt::ClickFocus);
    m_canvas = new CanvasView(m_plotter, *canvasPanel);

    QWidget* bar = m_controls.widget("eq_box");
    fillWith(*bar, art::palette::panel());
    fillWith(*m_controls.widget("top_connector"), art::palette::panel());
    fillWith(*m_controls.widget("bottom_connector"), art::palette::panel());
    m_barControls = kit::buildControls(*bar, kBarControls, butler());
    for (std::string_view label : kLegendLabels)
        kit::setTextStyle(*m_barControls.widget(label), art::palette::text(), 9);

    QWidget* padPanel = m_controls.widget("pad_M");
    fillWith(*padPanel, art::palette::body());
    m_padControls = kit::buildControls(*padPanel, kPadParts, butler());
    m_padKeys = kit::buildControls(*m_padControls.widget("Pad"), kPadKeyTable, butler());
    m_padStripControls =
        kit::buildControls(*m_padControls.widget("pad_bot"), kPadStrip, butler());
    for (const PadKey& key : kPadKeys) {
        const std::string_view text = key.text;
        connect(m_padKeys.button(key.name), &kit::SkinButton::clicked, this,
                [this, text] { PadAppend(text); });
    }

    QWidget* settingsPanel = m_controls.widget("GraSet_M");
    fillWith(*settingsPanel, art::palette::body());
    auto* settingsBlock = new QWidget(settingsPanel);
    settingsBlock->setObjectName(QStringLiteral("GraSet"));
    settingsBlock->setGeometry(platform::twipsRect(kSettingsBlock));
    fillWith(*settingsBlock, art::palette::panel());
    m_settingsControls = kit::buildControls(*settingsBlock, kSettingsControls, butler());
    for (std::size_t i = 0; i < kPlaneFieldCount; ++i) {
        m_fields[i] = m_settingsControls.as<QLineEdit>(kFieldNames[i]);
        styleField(*m_fields[i]);
        m_fields[i]->installEventFilter(this);
    }
    // The labels come first in the table, in the fields' order; a field is heard by its label.
    for (std::size_t i = 0; i < kPlaneFieldCount; ++i) {
        auto* label = m_settingsControls.as<QLabel>(kSettingsControls[i].name);
        kit::setTextStyle(*label, art::palette::text(), 9);
        label->setBuddy(m_fields[i]);
    }
    setFieldTexts(PlaneFieldsOf(m_plotter.plane()));

    connect(m_settingsControls.button("cmdOK"), &kit::SkinButton::clicked, this,
            &GraphWindow::ApplySettings);
    connect(m_settingsControls.button("cmdCancel"), &kit::SkinButton::clicked, this, [this] {
        setFieldTexts(PlaneFieldsOf(m_plotter.plane()));
        setSettingsShown(false);
    });
    connect(m_settingsControls.button("cmdGoDefaults"), &kit::SkinButton::clicked, this, [this] {
        setFieldTexts(PlaneFieldsOf(Plane{}));
        ApplySettings();
    });

    connect(m_controls.button("imgReload"), &kit::SkinButton::clicked, this,
            &GraphWindow::PlotNew);
    connect(m_controls.button("imgSettings"), &kit::SkinButton::clicked, this,
            &GraphWindow::showSettings);
    connect(m_controls.button("pull"), &kit::SkinButton::clicked, this,
            [this] { setEquationBarOpen(!m_barOpen); });
    connect(m_barControls.button("box_close"), &kit::SkinButton::clicked, this,
            [this] { setEquationBarOpen(false); });
    connect(m_barControls.button("cmdGraph"), &kit::SkinButton::clicked, this,
            &GraphWindow::PlotNew);
    connect(m_barControls.button("cmd_PlotOnTop"), &kit::SkinButton::clicked, this,
            &GraphWindow::PlotSamePlane);
    connect(m_barControls.button("cmdBK"), &kit::SkinButton::clicked, this,
            &GraphWindow::PadBackspace);
    connect(m_barControls.button("cmdCopy"), &kit::SkinButton::clicked, this,
            &GraphWindow::CopyGraph);
    connect(m_barControls.button("cmdReset"), &kit::SkinButton::clicked, this,
            &GraphWindow::ResetGraph);
    connect(m_barControls.button("eq_reset"), &kit::SkinButton::clicked, this,
            &GraphWindow::ResetGraph);
    connect(m_padStripControls.button("imgPadBksp"), &kit::SkinButton::clicked, this,
            &GraphWindow::PadBackspace);
    connect(m_padStripControls.button("imgPadPlot"), &kit::SkinButton::clicked, this,
            &GraphWindow::PlotNew);
    connect(m_padStripControls.button("imgPadSettings"), &kit::SkinButton::clicked, this, [this] {
        setPadShown(false);
        setSettingsShown(false);
        m_controls.widget("pbGraph")->setFocus();
    });

    m_input->installEventFilter(this);
    canvasPanel->installEventFilter(this);
    connect(m_input, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_pad.textChanged(text.toStdString()); });

    m_ticks.setInterval(10);
    connect(&m_ticks, &QTimer::timeout, this, &GraphWindow::tick);

    closeButton().raise();
    setEquationBarOpen(false);
    setPadShown(false);
    setSettingsShown(false);
    m_plotter.DrawPlane();
    renderLegend();
}

GraphWindow::~GraphWindow() = default;

void GraphWindow::PlotNew()
{
    setPadShown(false);
    setSettingsShown(false);
    m_ticks.stop();
    if (m_plotter.PlotNew(m_pad.text()))
        startTicks();
    renderLegend();
    m_canvas->update();
}

void GraphWindow::PlotSamePlane()
{
    setPadShown(false);
    setSettingsShown(false);
    m_plotter.PlotSamePlane(m_pad.text());
    startTicks();
    renderLegend();
}

void GraphWindow::ResetGraph()
{
    m_ticks.stop();
    m_plotter.ResetGraph();
    // The chunks go with the text they measured.
    m_pad.clear();
    m_input->clear();
    renderLegend();
    m_canvas->update();
}

void GraphWindow::Redraw()
{
    m_plotter.DrawPlane();
    m_canvas->update();
}

void GraphWindow::CopyGraph()
{
    m_context.copyImage(canvasImage(m_plotter, devicePixelRatioF()));
    m_context.showPopup(shell::PopupKind::Copy);
}

void GraphWindow::PadAppend(std::string_view text)
{
    m_pad.append(text);
    m_input->setText(QString::fromStdString(m_pad.text()));
    FocusGraphInput();
}

void GraphWindow::PadBackspace()
{
    m_pad.backspace();
    m_input->setText(QString::fromStdString(m_pad.text()));
    FocusGraphInput();
}

void GraphWindow::FocusGraphInput()
{
    activateWindow();
    m_input->setFocus();
    m_input->end(false);
}

void GraphWindow::ShowPad()
{
    setSettingsShown(false);
    setPadShown(true);
}

void GraphWindow::showSettings()
{
    setPadShown(false);
    setSettingsShown(true);
}

void GraphWindow::setPadShown(bool shown)
{
    m_controls.widget("pad_M")->setVisible(shown);
    m_controls.widget("pull")->setVisible(!shown);
}

void GraphWindow::setSettingsShown(bool shown)
{
    m_controls.widget("GraSet_M")->setVisible(shown);
}

void GraphWindow::setEquationBarOpen(bool open)
{
    m_barOpen = open;
    for (std::string_view part : {"eq_box", "top_connector", "bottom_connector"})
        m_controls.widget(part)->setVisible(open);
    setFixedWidth(twipsToPixels(open ? kOpenWidth : kClosedWidth));
    m_controls.button("pull")->setChecked(open);
}

PlaneFieldTexts GraphWindow::fieldTexts() const
{
    PlaneFieldTexts texts;
    for (std::size_t i = 0; i < kPlaneFieldCount; ++i)
        texts[i] = m_fields[i]->text().toStdString();
    return texts;
}

void GraphWindow::setFieldTexts(const PlaneFieldTexts& texts)
{
    for (std::size_t i = 0; i < kPlaneFieldCount; ++i) {
        const QString text = QString::fromStdString(texts[i]);
        if (m_fields[i]->text() != text)
            m_fields[i]->setText(text);
    }
}

void GraphWindow::NormaliseSettings()
{
    PlaneFieldTexts texts = fieldTexts();
    graph::NormaliseSettings(texts);
    setFieldTexts(texts);
}

void GraphWindow::ApplySettings()
{
    PlaneFieldTexts texts = fieldTexts();
    const std::variant<Plane, PlaneField> applied = graph::ApplySettings(texts);
    setFieldTexts(texts);
    if (const auto* field = std::get_if<PlaneField>(&applied)) {
        QLineEdit* wrong = m_fields[static_cast<std::size_t>(*field)];
        wrong->setFocus();
        wrong->selectAll();
        return;
    }
    const Plane plane = std::get<Plane>(applied);
    m_state.plane = plane;
    m_plotter.setPlane(plane);
    setSettingsShown(false);
    PlotNew();
}

void GraphWindow::startTicks()
{
    m_ticks.start();
    tick();
}

void GraphWindow::tick()
{
    core::DisplayValue& display = m_context.session.display;
    const std::string before = display.entry();
    if (!m_plotter.tick(display))
        m_ticks.stop();
    m_canvas->update();
    // A tangent at a right angle shows "infinity" on the main display.
    if (display.entry() != before)
        emit commandDone();
}

void GraphWindow::renderLegend()
{
    const auto& legend = m_plotter.legend();
    for (std::size_t i = 0; i < kColourCount; ++i) {
        const LegendSlot& slot = legend[i];
        QWidget* swatch = m_barControls.widget(kSwatches[i]);
        auto* label = m_barControls.as<QLabel>(kLegendLabels[i]);
        const bool used = slot.colourIndex != 0;
        swatch->setVisible(used);
        label->setVisible(used);
        if (used)
            fillWith(*swatch, toQColor(CurveColour(slot.colourIndex)));
        label->setText(QString::fromStdString(slot.label));
    }
    m_barControls.widget("cvr")->setVisible(m_plotter.legendEmpty());
    platform::TwipsRect input = kInputRect;
    input.width = m_plotter.legendFull() ? kWideInputWidth : kInputWidth;
    m_input->setGeometry(platform::twipsRect(input));
}

bool GraphWindow::inputKeyDown(const QKeyEvent& key)
{
    ShowPad();
    switch (key.key()) {
    case Qt::Key_Backspace:
        PadBackspace();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!m_input->text().isEmpty())
            PlotNew();
        return true;
    default:
        return false;
    }
}

bool GraphWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_input) {
        switch (event->type()) {
        case QEvent::KeyPress:
            return inputKeyDown(static_cast<QKeyEvent&>(*event));
        case QEvent::FocusIn:
            // Not for the focus that comes back with the window: the plane stays in view
            // until the user turns to the equation.
            if (static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason)
                ShowPad();
            break;
        case QEvent::MouseButtonPress:
            ShowPad();
            break;
        default:
            break;
        }
    } else if (watched == m_controls.widget("pbGraph")) {
        if (event->type() == QEvent::MouseButtonPress)
            butler().ShowButlerText(qs(kCanvasClickHelp));
    } else if (event->type() == QEvent::FocusOut) {
        for (QLineEdit* field : m_fields) {
            if (watched == field) {
                NormaliseSettings();
                break;
            }
        }
    }
    return ToolboxWindow::eventFilter(watched, event);
}

} // namespace nuvra::graph::ui
