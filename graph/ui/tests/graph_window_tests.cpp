#include "graph/ui/canvas_painter.h"
#include "graph/ui/graph_window.h"
#include "platform/twips.h"
#include "shell/ui/tests/recording_toolbox_context.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <memory>

using namespace nuvra;

// The Graph window over a fresh session and menu, on the default plane, shown at a place of
// its own; the run's plane outlives the window as it does in the program.
class GraphWindowTests : public QObject {
    Q_OBJECT

private:
    struct Graph : shell::ui::testing::RecordingToolboxContext {
        graph::GraphToolboxState state{graph::Plane{}};
        std::unique_ptr<graph::ui::GraphWindow> window;

        Graph()
        {
            window = std::make_unique<graph::ui::GraphWindow>(context, state);
            window->move(40, 40);
            window->show();
            // The keyboard goes to the active window only.
            window->activateWindow();
            static_cast<void>(QTest::qWaitForWindowActive(window.get()));
        }
        QWidget* child(const QString& name) const { return window->findChild<QWidget*>(name); }
        QLineEdit* input() const { return window->findChild<QLineEdit*>("txtInput"); }
        QLineEdit* field(const QString& name) const { return window->findChild<QLineEdit*>(name); }
        QString text() const { return input()->text(); }
        void click(const QString& name) { QTest::mouseClick(child(name), Qt::LeftButton); }
        void type(const QString& equation)
        {
            input()->clear();
            QTest::keyClicks(input(), equation);
        }
        // Types the equation and waits until its plot has run to the last column.
        bool plot(const QString& equation, const QString& button = "cmdGraph")
        {
            type(equation);
            click(button);
            return QTest::qWaitFor([this] { return !window->plotter().plotting(); }, 10000);
        }
        QImage canvas() const { return child("pbGraph")->grab().toImage(); }
        int widthTwips() const { return window->width() * platform::kTwipsPerPixel; }
    };

    static bool near(QColor a, QColor b, int tolerance)
    {
        return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                   std::abs(a.blue() - b.blue()) <=
               tolerance;
    }

    // Whether a pixel within one pixel of the point has the curve's colour.
    static bool strokeNear(const QImage& image, graph::Point point, QColor colour)
    {
        const int x = static_cast<int>(std::lround(point.x));
        const int y = static_cast<int>(std::lround(point.y));
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                if (near(image.pixelColor(x + dx, y + dy), colour, 60))
                    return true;
            }
        }
        return false;
    }

private slots:
    void padBackspaceTakesBackWhatOneInsertionPut_data()
    {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("afterEachBackspace");
        QTest::newRow("sin_key_then_x_and_bracket")
            << QStringList{"cmdSin", "cmdXVar", "cmdClosedPar"} << QString()
            << QStringList{"Sin(x", "Sin(", ""};
        QTest::newRow("typed_characters_one_at_a_time")
            << QStringList{} << "2x" << QStringList{"2", ""};
        QTest::newRow("power_key_then_digit")
            << QStringList{"cmdXVar", "cmdXtoYpower", "cmdNum3", "cmdClosedPar"} << QString()
            << QStringList{"x^(3", "x^(", "x", ""};
    }
    void padBackspaceTakesBackWhatOneInsertionPut()
    {
        QFETCH(QStringList, keys);
        QFETCH(QString, typed);
        QFETCH(QStringList, afterEachBackspace);
        Graph graph;
        // The design text "x" is one chunk; its backspace empties the field.
        QCOMPARE(graph.text(), QString("x"));
        QTest::keyClick(graph.input(), Qt::Key_Backspace);
        QCOMPARE(graph.text(), QString());
        for (const QString& key : keys)
            graph.click(key);
        QTest::keyClicks(graph.input(), typed);
        for (const QString& expected : afterEachBackspace) {
            QTest::keyClick(graph.input(), Qt::Key_Backspace);
            QCOMPARE(graph.text(), expected);
        }
        // A pad key leaves the keyboard in the field, with the caret at the end.
        QVERIFY(graph.input()->hasFocus() || keys.isEmpty());
    }

    void everyPadKeyAppendsItsText()
    {
        Graph graph;
        graph.input()->clear();
        QString expected;
        for (const graph::PadKey& key : graph::kPadKeys) {
            graph.click(QString::fromUtf8(key.name.data(), qsizetype(key.name.size())));
            expected += QString::fromUtf8(key.text.data(), qsizetype(key.text.size()));
        }
        QCOMPARE(graph.text(), expected);
        QCOMPARE(graph.input()->cursorPosition(), int(expected.size()));
        // The design text's chunk stays when the field is emptied by other means.
        QCOMPARE(graph.window->pad().chunks().size(), std::size(graph::kPadKeys) + 1);
    }

    // The pad covers the canvas while the equation is edited; the bar's pull tab makes way and
    // comes back when the pad goes; at most one overlay shows.
    void padAndSettingsTakeTurnsOverTheCanvas()
    {
        Graph graph;
        QVERIFY(!graph.child("pad_M")->isVisible());
        QVERIFY(graph.child("pull")->isVisible());
        graph.click("txtInput");
        QVERIFY(graph.child("pad_M")->isVisible());
        QVERIFY(!graph.child("pull")->isVisible());
        QCOMPARE(graph.child("pad_M")->geometry(), graph.child("pbGraph")->geometry());

        graph.click("imgPadSettings");
        QVERIFY(!graph.child("pad_M")->isVisible());
        QVERIFY(graph.child("pull")->isVisible());
        QVERIFY(graph.child("pbGraph")->hasFocus());

        graph.click("imgSettings");
        QVERIFY(graph.child("GraSet_M")->isVisible());
        QTest::keyClick(graph.input(), Qt::Key_A);
        QVERIFY(graph.child("pad_M")->isVisible());
        QVERIFY(!graph.child("GraSet_M")->isVisible());
    }

    void equationBarSetsTheWidth()
    {
        Graph graph;
        QCOMPARE(graph.widthTwips(), 4605);
        QVERIFY(!graph.child("eq_box")->isVisible());
        graph.click("pull");
        QCOMPARE(graph.widthTwips(), 7215);
        for (const char* part : {"eq_box", "top_connector", "bottom_connector"})
            QVERIFY(graph.child(part)->isVisible());
        QVERIFY(static_cast<QAbstractButton*>(graph.child("pull"))->isChecked());
        // The close button keeps to the right edge.
        QVERIFY(graph.child("but")->geometry().right() > graph.child("eq_box")->geometry().left());
        graph.click("box_close");
        QCOMPARE(graph.widthTwips(), 4605);
        QVERIFY(!graph.child("eq_box")->isVisible());
        graph.click("pull");
        graph.click("pull");
        QCOMPARE(graph.widthTwips(), 4605);
    }

    void settingsFieldsAreCorrectedOnLeaving_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("fields");
        const QStringList defaults{"-10", "10", "-10", "10", "1", "1"};
        QTest::newRow("maximum_below_minimum")
            << "txtXMaximum"
            << "-12" << QStringList{"-10", "-9", "-10", "10", "1", "1"};
        QTest::newRow("minimum_out_of_range") << "txtXMinimum"
                                              << "2000" << defaults;
        QTest::newRow("minimum_at_the_top")
            << "txtYMinimum"
            << "1000" << QStringList{"-10", "10", "999", "1000", "1", "1"};
        QTest::newRow("scale_below_one") << "txtXScale"
                                         << "0.5" << defaults;
        QTest::newRow("scale_with_fraction")
            << "txtYScale"
            << "2.7" << QStringList{"-10", "10", "-10", "10", "1", "2"};
        QTest::newRow("not_a_number_stays")
            << "txtXMaximum"
            << "abc" << QStringList{"-10", "abc", "-10", "10", "1", "1"};
    }
    void settingsFieldsAreCorrectedOnLeaving()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QStringList, fields);
        Graph graph;
        graph.click("imgSettings");
        graph.window->activateWindow();
        QLineEdit* edited = graph.field(field);
        edited->setFocus();
        edited->setText(text);
        graph.field("txtYScale" == field ? "txtXScale" : "txtYScale")->setFocus();
        QStringList shown;
        for (const char* name :
             {"txtXMinimum", "txtXMaximum", "txtYMinimum", "txtYMaximum", "txtXScale", "txtYScale"})
            shown << graph.field(name)->text();
        QCOMPARE(shown, fields);
    }

    void okRefusesAFieldThatIsNoNumber()
    {
        Graph graph;
        graph.click("imgSettings");
        graph.field("txtXMinimum")->setText("-5");
        graph.field("txtXMaximum")->setText("abc");
        graph.field("txtYScale")->setText("xyz");
        graph.click("cmdOK");
        QVERIFY(graph.child("GraSet_M")->isVisible());
        QVERIFY(graph.field("txtXMaximum")->hasFocus());
        QCOMPARE(graph.field("txtXMaximum")->selectedText(), QString("abc"));
        QVERIFY(!graph.window->plotter().plotting());
        QCOMPARE(graph.state.plane, std::optional(graph::Plane{}));
    }

    void okAppliesThePlaneAndPlots()
    {
        Graph graph;
        graph.click("imgSettings");
        graph.field("txtXMinimum")->setText("0");
        graph.field("txtXMaximum")->setText("100.9");
        graph.field("txtXScale")->setText("10");
        graph.click("cmdOK");
        QVERIFY(!graph.child("GraSet_M")->isVisible());
        const graph::Plane zoomed{0, 100, -10, 10, 10, 1};
        QCOMPARE(graph.window->plotter().plane(), zoomed);
        QCOMPARE(graph.state.plane, std::optional(zoomed));
        QCOMPARE(graph.field("txtXMaximum")->text(), QString("100"));
        QVERIFY(graph.window->plotter().plotting());

        // Cancel keeps the plane, and the fields show it again.
        graph.click("imgSettings");
        graph.field("txtYMaximum")->setText("50");
        graph.click("cmdCancel");
        QVERIFY(!graph.child("GraSet_M")->isVisible());
        QCOMPARE(graph.window->plotter().plane(), zoomed);
        QCOMPARE(graph.field("txtYMaximum")->text(), QString("10"));

        // Revert to Defaults: the fields and the plane go back, and the equation is plotted.
        graph.click("imgSettings");
        graph.click("cmdGoDefaults");
        QCOMPARE(graph.window->plotter().plane(), graph::Plane{});
        QCOMPARE(graph.field("txtXMinimum")->text(), QString("-10"));
        QCOMPARE(graph.field("txtXScale")->text(), QString("1"));
        QVERIFY(graph.window->plotter().plotting());
        QCOMPARE(graph.window->plotter().legend()[0].label, std::string("x"));
    }

    void legendFollowsThePlots()
    {
        Graph graph;
        graph.click("pull");
        QVERIFY(graph.child("cvr")->isVisible());
        QVERIFY(!graph.child("eq_clr1")->isVisible());
        const int narrow = graph.input()->width();
        for (int plot = 1; plot <= 8; ++plot) {
            graph.type(QString("x+%1").arg(plot));
            graph.click(plot == 1 ? "cmdGraph" : "cmd_PlotOnTop");
        }
        QVERIFY(!graph.child("cvr")->isVisible());
        QCOMPARE(static_cast<QLabel*>(graph.child("eq_l8"))->text(), QString("x+8"));
        QCOMPARE(graph.child("eq_clr3")->palette().color(QPalette::Window), QColor(0, 128, 0));
        // The last slot taken, the field widens from 3150 to 3515 twips.
        QCOMPARE(graph.input()->width(), platform::twipsToPixels(3515));
        QCOMPARE(narrow, platform::twipsToPixels(3150));

        graph.click("eq_reset");
        QVERIFY(!graph.window->plotter().plotting());
        QVERIFY(graph.child("cvr")->isVisible());
        QVERIFY(!graph.child("eq_clr1")->isVisible());
        QCOMPARE(graph.text(), QString());
        QCOMPARE(graph.input()->width(), platform::twipsToPixels(3150));
        // After the reset the chunks start afresh: one backspace takes one typed character.
        QTest::keyClicks(graph.input(), "ab");
        QTest::keyClick(graph.input(), Qt::Key_Backspace);
        QCOMPARE(graph.text(), QString("a"));
    }

    void enterPlotsAndIsSwallowed()
    {
        Graph graph;
        graph.input()->clear();
        QTest::keyClick(graph.input(), Qt::Key_Return);
        QVERIFY(!graph.window->plotter().plotting());
        graph.type("x^2");
        QTest::keyClick(graph.input(), Qt::Key_Return);
        QVERIFY(graph.window->plotter().plotting());
        QCOMPARE(graph.text(), QString("x^2"));
        QVERIFY(!graph.child("pad_M")->isVisible());
    }

    // The window answers while it plots: every character typed during a plot arrives, and the
    // plot goes on growing column by column.
    void typingDuringAPlotLosesNothing()
    {
        Graph graph;
        graph.type("sin(x)");
        graph.click("cmdGraph");
        QVERIFY(QTest::qWaitFor([&] { return graph.window->plotter().column() > 20; }));
        const QString more = "+cos(2x)-x/3";
        int typedWhilePlotting = 0;
        for (const QChar character : more) {
            QTest::keyClick(graph.input(), character.toLatin1());
            if (graph.window->plotter().plotting())
                ++typedWhilePlotting;
            QTest::qWait(15);
        }
        QCOMPARE(typedWhilePlotting, int(more.size()));
        QCOMPARE(graph.text(), "sin(x)" + more);
        QVERIFY(graph.window->plotter().column() < 306);
        QVERIFY(QTest::qWaitFor([&] { return !graph.window->plotter().plotting(); }, 10000));
    }

    // y = x and y = sin(x) on the default plane: the strokes pass through the model's points,
    // the background and the axes have their colours, and the axes are 4 pixels wide.
    void canvasShowsTheModelsCurves()
    {
        Graph graph;
        QVERIFY(graph.plot("x"));
        QVERIFY(graph.plot("sin(x)", "cmd_PlotOnTop"));
        const QImage image = graph.canvas();
        QCOMPARE(image.size(), QSize(305, 305));

        const auto& picture = graph.window->plotter().picture();
        QCOMPARE(picture.size(), std::size_t(3));
        const QColor red(192, 0, 0);
        const QColor blue(0, 0, 255);
        int checked = 0;
        for (std::size_t drawing : {std::size_t(1), std::size_t(2)}) {
            const graph::Curve& curve = picture[drawing].curve;
            QCOMPARE(curve.strokes.size(), std::size_t(1));
            for (const graph::Point& point : curve.strokes.front()) {
                // Away from the other curve, the axes and the edges (14.85 pixels a unit).
                const double other = drawing == 1
                                         ? 152.5 - 14.85 * std::sin((point.x - 152.5) / 14.85)
                                         : 305 - point.x;
                if (point.x < 6 || point.x > 299 || std::abs(point.y - other) < 6 ||
                    std::abs(point.x - 152.5) < 5 || std::abs(point.y - 152.5) < 5)
                    continue;
                QVERIFY2(strokeNear(image, point, drawing == 1 ? red : blue),
                         qPrintable(QString("%1,%2").arg(point.x).arg(point.y)));
                ++checked;
            }
        }
        QVERIFY(checked > 400);

        QCOMPARE(image.pixelColor(10, 10), QColor(240, 240, 240));
        QCOMPARE(image.pixelColor(295, 296), QColor(240, 240, 240));
        // The y-axis at 152.5 covers the four columns 151 to 154, in a row clear of the grid.
        const int row = 25;
        for (int x = 151; x <= 154; ++x)
            QCOMPARE(image.pixelColor(x, row), QColor(Qt::black));
        QCOMPARE(image.pixelColor(150, row), QColor(240, 240, 240));
        QCOMPARE(image.pixelColor(155, row), QColor(240, 240, 240));
        // The x-axis likewise, in a column clear of the grid and the curves.
        const int column = 41;
        for (int y = 151; y <= 154; ++y)
            QCOMPARE(image.pixelColor(column, y), QColor(Qt::black));
        QCOMPARE(image.pixelColor(column, 150), QColor(240, 240, 240));
        QCOMPARE(image.pixelColor(column, 155), QColor(240, 240, 240));
        // A grid line is one sharp grey pixel: x = -5 lies at 78.25, in pixel column 78.
        QCOMPARE(image.pixelColor(78, row), QColor(192, 192, 192));
        QCOMPARE(image.pixelColor(77, row), QColor(240, 240, 240));
        QCOMPARE(image.pixelColor(79, row), QColor(240, 240, 240));
    }

    // While a curve grows the view paints it over a kept copy of the rest of the picture: each
    // frame equals the whole picture painted afresh, also after the plane is drawn over it.
    void growingFramesEqualTheWholePicture()
    {
        Graph graph;
        QVERIFY(graph.plot("x^2/4"));
        graph.type("tan(x)");
        graph.click("cmd_PlotOnTop");
        for (int step = 0; step < 3; ++step) {
            const int column = graph.window->plotter().column();
            QVERIFY(
                QTest::qWaitFor([&] { return graph.window->plotter().column() > column + 40; }));
            QVERIFY(graph.window->plotter().plotting());
            if (step == 1)
                graph.window->Redraw();
            QCOMPARE(graph.canvas().convertToFormat(QImage::Format_RGB32),
                     graph::ui::canvasImage(graph.window->plotter())
                         .convertToFormat(QImage::Format_RGB32));
        }
    }

    void copyPutsTheCanvasOnTheClipboard()
    {
        Graph graph;
        QGuiApplication::clipboard()->setText("before");
        QVERIFY(graph.plot("sin(x)"));
        graph.click("pull");
        graph.click("cmdCopy");
        const QImage copied = QGuiApplication::clipboard()->image();
        QCOMPARE(copied.size(), QSize(305, 305));
        QCOMPARE(copied.convertToFormat(QImage::Format_RGB32),
                 graph.canvas().convertToFormat(QImage::Format_RGB32));
        QCOMPARE(graph.notifications, std::vector{shell::PopupKind::Copy});
    }

    // The command line draws the same canvas as the window, pixel for pixel.
    void commandLinePlotEqualsTheWindow()
    {
        QTemporaryDir folder;
        const QString out = folder.filePath("out.png");
        QProcess cli;
        cli.start(QStringLiteral(NUVRA_CLI), {"plot", "sin(x)", "x^2", out});
        QVERIFY(cli.waitForFinished(20000));
        QCOMPARE(cli.exitCode(), 0);
        const QImage file(out);
        QVERIFY(!file.isNull());

        Graph graph;
        QVERIFY(graph.plot("sin(x)"));
        QVERIFY(graph.plot("x^2", "cmd_PlotOnTop"));
        const QImage window = graph.canvas().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(file.copy(0, 0, 305, 305).convertToFormat(QImage::Format_RGB32), window);
    }

    void redrawAndResetDrawThePlaneAgain()
    {
        Graph graph;
        graph.type("x");
        graph.click("cmdGraph");
        graph.window->Redraw();
        const auto& picture = graph.window->plotter().picture();
        QCOMPARE(picture.back().kind, graph::Drawing::Kind::Plane);
        // The plot goes on into its own curve under the plane drawn over it.
        QVERIFY(QTest::qWaitFor([&] { return !graph.window->plotter().plotting(); }, 10000));
        QCOMPARE(picture[1].curve.strokes.front().size(), std::size_t(306));
        graph.click("pull");
        graph.click("cmdReset");
        QCOMPARE(picture.size(), std::size_t(1));
        QCOMPARE(graph.text(), QString());
    }

    // Every control a user acts on is a button with a press action (the pull tab a check box
    // that toggles), named, and described by the help the Butler bar shows over it.
    void everyControlIsPressableAndDescribed()
    {
        Graph graph;
        graph.click("pull");
        QStringList checked;
        for (const char* overlay : {"pad_M", "GraSet_M", ""}) {
            graph.child("pad_M")->setVisible(QString(overlay) == "pad_M");
            graph.child("GraSet_M")->setVisible(QString(overlay) == "GraSet_M");
            for (auto* button : graph.window->findChildren<QAbstractButton*>()) {
                if (!button->isVisible() || checked.contains(button->objectName()))
                    continue;
                QAccessibleInterface* control = QAccessible::queryAccessibleInterface(button);
                const QString name = button->objectName();
                QVERIFY2(!name.isEmpty(), "a button without a name");
                QVERIFY2(!control->text(QAccessible::Name).isEmpty(), qPrintable(name));
                const QString action = button->isCheckable()
                                           ? QAccessibleActionInterface::toggleAction()
                                           : QAccessibleActionInterface::pressAction();
                QVERIFY2(control->actionInterface() &&
                             control->actionInterface()->actionNames().contains(action),
                         qPrintable(name));
                graph.channel.ShowButlerText("");
                QTest::mouseMove(button, QPoint(3, 3));
                QCOMPARE(control->text(QAccessible::Description), graph.channel.lastText());
                checked << name;
            }
        }
        // 40 pad keys and 3 on the pad's strip, 3 settings buttons, 6 on the equation bar with
        // its close cross, 2 under the canvas, the pull tab and the window's close button.
        QCOMPARE(checked.size(), 40 + 3 + 3 + 7 + 2 + 1 + 1);

        QCOMPARE(graph.window->windowTitle(), QString("Graph"));
        QAccessibleInterface* input = QAccessible::queryAccessibleInterface(graph.input());
        QCOMPARE(input->text(QAccessible::Name), QString("Equation"));
        QCOMPARE(input->text(QAccessible::Description),
                 QString("Graphical Equation. Click to edit."));
        QAccessibleInterface* xMin =
            QAccessible::queryAccessibleInterface(graph.field("txtXMinimum"));
        QCOMPARE(xMin->text(QAccessible::Name), QString("X-minimum"));
        QAccessibleInterface* pad = QAccessible::queryAccessibleInterface(graph.child("cmdAsn"));
        QCOMPARE(pad->text(QAccessible::Name), QString("Sin^-1"));
        QCOMPARE(pad->text(QAccessible::Description), QString("Add functions to the Equation."));
        graph.click("txtInput");
        pad->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_VERIFY(graph.text().endsWith("Asn("));
    }
};

QTEST_MAIN(GraphWindowTests)
#include "graph_window_tests.moc"
