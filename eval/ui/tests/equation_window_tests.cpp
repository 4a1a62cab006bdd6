#include "eval/ui/equation_window.h"
#include "shell/ui/tests/recording_toolbox_context.h"
#include "shell/ui/toolbox_registry.h"

#include <QAccessible>
#include <QAbstractButton>
#include <QApplication>
#include <QAccessibleActionInterface>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace nuvra;
using Lines = std::vector<std::string>;

Q_DECLARE_METATYPE(shell::MenuPopup)
Q_DECLARE_METATYPE(core::AngularSystem)
Q_DECLARE_METATYPE(Lines)

// The Equation window over a fresh session and menu, loaded where the registry would put it;
// the run's state outlives the window as it does in the program.
class EquationWindowTests : public QObject {
    Q_OBJECT

private:
    struct Equation : shell::ui::testing::RecordingToolboxContext {
        // Every tooltip the window asked for, "" for a hidden one.
        QStringList tooltips;
        eval::EquationToolboxState state;
        std::unique_ptr<eval::ui::EquationWindow> window;
        std::unique_ptr<QSignalSpy> commands;

        explicit Equation(bool load = true)
        {
            session.display.setEntry("5");
            session.engine.clearOnDigit = false;
            QObject::connect(&channel, &kit::ButlerChannel::tooltipRequested, &channel,
                             [this](QWidget*, const QString& text) { tooltips << text; });
            QObject::connect(&channel, &kit::ButlerChannel::tooltipHidden, &channel,
                             [this] { tooltips << QString(); });
            if (load)
                open(QPoint(300, 200));
        }
        // Loads the window as the registry does: made, moved to the registry's place, shown.
        void open(QPoint registryPlace)
        {
            window = std::make_unique<eval::ui::EquationWindow>(context, state);
            commands =
                std::make_unique<QSignalSpy>(window.get(), &shell::ui::ToolboxWindow::commandDone);
            window->move(registryPlace);
            window->show();
        }
        void unload()
        {
            window->hide();
            commands.reset();
            window.reset();
        }
        QWidget* child(const QString& name) { return window->findChild<QWidget*>(name); }
        QLineEdit* input() { return window->findChild<QLineEdit*>("txtInput"); }
        void type(const QString& formula)
        {
            input()->clear();
            QTest::keyClicks(input(), formula);
        }
        void enter(const QString& formula)
        {
            type(formula);
            QTest::keyClick(input(), Qt::Key_Return);
        }
        int screenWidth() const { return window->screen()->geometry().width(); }
    };

private slots:
    void evaluateSetsTheEntry_data()
    {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<bool>("byButton");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<Lines>("expressions");
        QTest::addColumn<Lines>("results");
        QTest::addColumn<bool>("newNumberNext");
        QTest::newRow("sum_by_enter")
            << "2+2" << false << "4" << Lines{"2+2 "} << Lines{"4"} << true;
        QTest::newRow("sum_by_button")
            << "2+2" << true << "4" << Lines{"2+2 "} << Lines{"4"} << true;
        QTest::newRow("division_by_zero")
            << "1/0" << false << "Error" << Lines{} << Lines{} << false;
        QTest::newRow("fraction") << "0.25>frac" << false << "1/4" << Lines{"0.25>frac "}
                                  << Lines{"1/4"} << true;
        QTest::newRow("syntax_error")
            << "2+3)" << true << "Syntax error" << Lines{} << Lines{} << false;
    }
    void evaluateSetsTheEntry()
    {
        QFETCH(QString, formula);
        QFETCH(bool, byButton);
        QFETCH(QString, entry);
        QFETCH(Lines, expressions);
        QFETCH(Lines, results);
        QFETCH(bool, newNumberNext);
        Equation equation;
        equation.type(formula);
        if (byButton)
            QTest::mouseClick(equation.child("cmdEnter"), Qt::LeftButton);
        else
            QTest::keyClick(equation.input(), Qt::Key_Return);

        QCOMPARE(QString::fromStdString(equation.session.display.entry()), entry);
        QCOMPARE(equation.session.history.expressions(), expressions);
        QCOMPARE(equation.session.history.results(), results);
        QCOMPARE(equation.session.engine.clearOnDigit, newNumberNext);
        QCOMPARE(equation.commands->count(), 1);
        // The formula stays, and Enter did not reach the field.
        QCOMPARE(equation.input()->text(), formula);
    }

    void emptyFormulaChangesNothing()
    {
        Equation equation;
        equation.input()->clear();
        QTest::keyClick(equation.input(), Qt::Key_Return);
        QTest::mouseClick(equation.child("cmdEnter"), Qt::LeftButton);
        QCOMPARE(equation.session.display.entry(), std::string("5"));
        QVERIFY(equation.session.history.expressions().empty());
        QVERIFY(!equation.session.engine.clearOnDigit);
        QCOMPARE(equation.commands->count(), 0);
        QVERIFY(equation.state.recall.formulas().empty());
    }

    void loadsWithTheDesignTextAndTheFocus()
    {
        Equation equation;
        QCOMPARE(equation.input()->text(), QString("0"));
        QTRY_VERIFY(equation.input()->hasFocus());
        QCOMPARE(equation.input()->cursorPosition(), 1);
        QCOMPARE(equation.window->geometry(), QRect(300, 200, 400, 60));
        QCOMPARE(equation.window->minimumWidth(), 200);
    }

    // The caret blinks while the user works and stands still five seconds after, so an idle
    // program does nothing; a key sets it blinking again.
    void caretStopsBlinkingWhenLeftAlone()
    {
        Equation equation;
        QTRY_VERIFY(equation.input()->hasFocus());
        const int blinking = QApplication::cursorFlashTime();
        QVERIFY(blinking > 0);
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::cursorFlashTime(), 0, 7000);
        QTest::keyClick(equation.input(), Qt::Key_7);
        QCOMPARE(QApplication::cursorFlashTime(), blinking);
    }

    void docksAcrossTheTopAndReturns()
    {
        Equation equation;
        const QRect floating(300, 200, 400, 60);
        QCOMPARE(equation.window->geometry(), floating);
        // Ctrl going down sets the flag; Up while it is set docks.
        QTest::keyPress(equation.input(), Qt::Key_Control);
        QTest::keyPress(equation.input(), Qt::Key_Up);
        QTest::keyRelease(equation.input(), Qt::Key_Up);
        QTest::keyRelease(equation.input(), Qt::Key_Control);
        const QRect docked(0, 0, equation.screenWidth(), 60);
        QCOMPARE(equation.window->geometry(), docked);
        QVERIFY(equation.window->docked());
        QVERIFY(equation.child("top2")->isHidden());
        QCOMPARE(equation.child("side")->x(), equation.screenWidth() - 130);

        QTest::keyClick(equation.input(), Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(equation.window->geometry(), docked);
        QTest::keyClick(equation.input(), Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(equation.window->geometry(), floating);
        QVERIFY(!equation.window->docked());
        QVERIFY(!equation.child("top2")->isHidden());
        QCOMPARE(equation.child("side")->x(), 270);
        QTest::keyClick(equation.input(), Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(equation.window->geometry(), floating);
        // Docking keys change neither the field nor the session.
        QCOMPARE(equation.input()->text(), QString("0"));
        QCOMPARE(equation.commands->count(), 0);
    }

    void reopensWhereItWasLeft_data()
    {
        QTest::addColumn<bool>("dockedWhenClosed");
        QTest::newRow("closed_floating") << false;
        QTest::newRow("closed_while_docked") << true;
    }
    void reopensWhereItWasLeft()
    {
        QFETCH(bool, dockedWhenClosed);
        Equation equation(false);
        // The frame at 1000, 600 twips in the left half: the first place is 3080 twips right.
        shell::ui::ToolboxRegistry registry([] {
            return shell::ui::FramePlace{{1000, 600}, 20000};
        });
        registry.add(shell::Toolbox::Equation, [&equation] {
            return new eval::ui::EquationWindow(equation.context, equation.state);
        });
        const auto window = [&registry] {
            return qobject_cast<eval::ui::EquationWindow*>(
                registry.window(shell::Toolbox::Equation));
        };
        registry.show(shell::Toolbox::Equation, true);
        QCOMPARE(window()->geometry(), QRect(272, 40, 400, 60));
        window()->move(120, 90);
        window()->resize(450, 60);
        if (dockedWhenClosed)
            window()->DockEquation();
        QCOMPARE(window()->docked(), dockedWhenClosed);
        registry.unload(shell::Toolbox::Equation);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        registry.show(shell::Toolbox::Equation, true);
        QCOMPARE(window()->geometry(), QRect(120, 90, 450, 60));
        QVERIFY(!window()->docked());
        QVERIFY(!window()->findChild<QWidget*>("top2")->isHidden());
    }

    void firstPlaceFollowsTheToolboxSide_data()
    {
        QTest::addColumn<int>("frameLeft");
        QTest::addColumn<int>("expectedLeft");
        QTest::newRow("frame_in_the_left_half") << 1000 << 4080;
        QTest::newRow("frame_in_the_right_half") << 15000 << 8830;
    }
    void firstPlaceFollowsTheToolboxSide()
    {
        QFETCH(int, frameLeft);
        QFETCH(int, expectedLeft);
        Equation equation;
        const platform::TwipsPoint place = equation.window->firstPlace({frameLeft, 600}, 20000);
        QCOMPARE(place.left, expectedLeft);
        QCOMPARE(place.top, 600);
    }

    void angularIndicatorFollowsTheMenu_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<core::AngularSystem>("system");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("sineOf90");
        QTest::newRow("degrees") << "mnuangleD" << core::AngularSystem::Degrees << "DEG"
                                 << "1";
        // 90 grads are 81 degrees; the display keeps 10 decimals and no leading zero.
        QTest::newRow("gradians") << "mnuangleG" << core::AngularSystem::Gradians << "GRAD"
                                  << ".9876883406";
        QTest::newRow("turns") << "mnuangleT" << core::AngularSystem::Turns << "TURN"
                               << "0";
    }
    void angularIndicatorFollowsTheMenu()
    {
        QFETCH(QString, item);
        QFETCH(core::AngularSystem, system);
        QFETCH(QString, label);
        QFETCH(QString, sineOf90);
        Equation equation;
        auto* indicator = equation.window->findChild<QAbstractButton*>("lblAngSys");
        QCOMPARE(indicator->text(), QString("DEG"));
        // What the menu command does; the window reads the mark when it renders.
        equation.menu.checkInGroup(item.toStdString());
        equation.session.angularSystem = system;
        equation.window->render();
        QCOMPARE(indicator->text(), label);
        QCOMPARE(indicator->accessibleDescription(), "Current angular system is " + label);
        equation.enter("sin(90)");
        QCOMPARE(QString::fromStdString(equation.session.display.entry()), sineOf90);
    }

    void upAndDownWalkTheFormulas()
    {
        Equation equation;
        for (const char* formula : {"1+1", "2*3", "1/0"})
            equation.enter(formula);
        equation.type("9");
        struct Step {
            Qt::Key key;
            const char* shown;
        };
        const std::array<Step, 7> walk{{{Qt::Key_Up, "1/0"},
                                        {Qt::Key_Up, "2*3"},
                                        {Qt::Key_Up, "1+1"},
                                        {Qt::Key_Up, "1+1"},
                                        {Qt::Key_Down, "2*3"},
                                        {Qt::Key_Down, "1/0"},
                                        {Qt::Key_Down, "9"}}};
        for (const Step& step : walk) {
            QTest::keyClick(equation.input(), step.key);
            QCOMPARE(equation.input()->text(), QString(step.shown));
        }
        // The formulas outlive the window.
        equation.unload();
        equation.open(QPoint(300, 200));
        equation.type("");
        QTest::keyClick(equation.input(), Qt::Key_Up);
        QCOMPARE(equation.input()->text(), QString("1/0"));
        QCOMPARE(equation.session.display.entry(), std::string("Error"));
    }

    void layoutFollowsTheWidth_data()
    {
        QTest::addColumn<int>("asked");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("sideLeft");
        QTest::addColumn<int>("inputWidth");
        QTest::addColumn<int>("handleLeft");
        QTest::addColumn<int>("closeLeft");
        QTest::newRow("design_width") << 400 << 400 << 270 << 249 << 396 << 380;
        QTest::newRow("stretched") << 600 << 600 << 470 << 449 << 596 << 580;
        QTest::newRow("narrowest") << 200 << 200 << 70 << 49 << 196 << 180;
        QTest::newRow("below_the_narrowest") << 150 << 200 << 70 << 49 << 196 << 180;
    }
    void layoutFollowsTheWidth()
    {
        QFETCH(int, asked);
        QFETCH(int, width);
        QFETCH(int, sideLeft);
        QFETCH(int, inputWidth);
        QFETCH(int, handleLeft);
        QFETCH(int, closeLeft);
        Equation equation;
        // What the window system's drag of the right edge asks for.
        equation.window->resize(asked, 60);
        QCOMPARE(equation.window->width(), width);
        QCOMPARE(equation.window->height(), 60);
        QCOMPARE(equation.child("side")->x(), sideLeft);
        QCOMPARE(equation.input()->geometry(), QRect(10, 12, inputWidth, 36));
        QCOMPARE(equation.child("righthandle")->x(), handleLeft);
        QCOMPARE(equation.child("but")->x(), closeLeft);
        for (const char* line : {"top1", "top2", "bottom2", "bottom1"})
            QCOMPARE(equation.child(line)->width(), width);
    }

    void colourSchemeFollowsTheMenu_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("top2");
        QTest::addColumn<QColor>("bottom2");
        QTest::addColumn<bool>("lightInk");
        QTest::newRow("dark") << "frmFXUID" << QColor(0x25, 0x26, 0x27) << QColor(0x40, 0x41, 0x42)
                              << QColor(0x2A, 0x2B, 0x2C) << true;
        QTest::newRow("light") << "frmFXUIL" << QColor(0x47, 0x82, 0xFF) << QColor(0x35, 0x65, 0xA8)
                               << QColor(0x35, 0x65, 0xA8) << false;
    }
    void colourSchemeFollowsTheMenu()
    {
        QFETCH(QString, item);
        QFETCH(QColor, background);
        QFETCH(QColor, top2);
        QFETCH(QColor, bottom2);
        QFETCH(bool, lightInk);
        Equation equation;
        equation.menu.checkInGroup(item.toStdString());
        equation.window->render();
        const QImage picture = equation.window->grab().toImage();
        QCOMPARE(picture.pixelColor(5, 30), background);
        QCOMPARE(picture.pixelColor(200, 1), top2);
        QCOMPARE(picture.pixelColor(200, 58), bottom2);
        const QPalette palette = equation.input()->palette();
        QCOMPARE(palette.color(QPalette::Base), background);
        QCOMPARE(palette.color(QPalette::Text).lightness() > 128, lightInk);
        QVERIFY(qAbs(palette.color(QPalette::Text).lightness() - background.lightness()) > 100);
    }

    void copyPutsTheFormulaOnTheClipboard()
    {
        Equation equation;
        QGuiApplication::clipboard()->setText("before");
        equation.type("2(3+4)^2");
        QTest::mouseClick(equation.child("cmdCopy"), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("2(3+4)^2"));
        QCOMPARE(equation.commands->count(), 0);
    }

    void mouseOpensTheMenus_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("button");
        QTest::addColumn<shell::MenuPopup>("popup");
        QTest::addColumn<QPoint>("global");
        // The window stands at (300, 200); the indicator's menu opens at 4065, 630 twips.
        QTest::newRow("indicator") << "lblAngSys" << QPoint(10, 10) << int(Qt::LeftButton)
                                   << shell::MenuPopup::AngularSystem << QPoint(571, 242);
        QTest::newRow("background") << "frmfx" << QPoint(5, 30) << int(Qt::RightButton)
                                    << shell::MenuPopup::EquationColour << QPoint(305, 230);
        QTest::newRow("side") << "side" << QPoint(20, 8) << int(Qt::RightButton)
                              << shell::MenuPopup::EquationColour << QPoint(590, 208);
        QTest::newRow("resize_handle") << "righthandle" << QPoint(2, 40) << int(Qt::RightButton)
                                       << shell::MenuPopup::EquationColour << QPoint(698, 240);
    }
    void mouseOpensTheMenus()
    {
        QFETCH(QString, control);
        QFETCH(QPoint, at);
        QFETCH(int, button);
        QFETCH(shell::MenuPopup, popup);
        QFETCH(QPoint, global);
        Equation equation;
        QWidget* widget = control == "frmfx" ? equation.window.get() : equation.child(control);
        QTest::mouseClick(widget, Qt::MouseButton(button), {}, at);
        QCOMPARE(equation.popups.size(), std::size_t(1));
        QCOMPARE(equation.popups.front().which, popup);
        QCOMPARE(equation.popups.front().at, global);
    }

    void leftClickOnTheBackgroundFocusesTheField()
    {
        Equation equation;
        QTRY_VERIFY(equation.input()->hasFocus());
        equation.input()->clearFocus();
        QVERIFY(!equation.input()->hasFocus());
        QTest::mouseClick(equation.window.get(), Qt::LeftButton, {}, QPoint(5, 30));
        QTRY_VERIFY(equation.input()->hasFocus());
        QVERIFY(equation.popups.empty());
    }

    void hoverShowsTheHelp_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("docked");
        QTest::addColumn<QString>("help");
        QTest::addColumn<QString>("tooltip"); // "" when the tooltip is hidden
        const QString field = "Enter an Equation to generate the result.";
        QTest::newRow("field") << "txtInput" << QPoint(30, 10) << false << field << "";
        QTest::newRow("background") << "frmfx" << QPoint(5, 30) << false << field << "";
        QTest::newRow("side") << "side" << QPoint(20, 8) << false << field << "";
        QTest::newRow("resize_handle") << "righthandle" << QPoint(2, 40) << false << field << "";
        QTest::newRow("evaluate") << "cmdEnter" << QPoint(10, 10) << false
                                  << "Generate result according to the Equation."
                                  << "Generate result";
        QTest::newRow("evaluate_docked")
            << "cmdEnter" << QPoint(10, 10) << true << "Generate result according to the Equation."
            << "";
        QTest::newRow("copy") << "cmdCopy" << QPoint(10, 10) << false
                              << "Copy the Equation to Clipboard"
                              << "Copy to Clipboard";
        QTest::newRow("copy_docked")
            << "cmdCopy" << QPoint(10, 10) << true << "Copy the Equation to Clipboard"
            << "";
        QTest::newRow("indicator")
            << "lblAngSys" << QPoint(10, 10) << false << "Current angular system is DEG"
            << "";
        QTest::newRow("close") << "but" << QPoint(8, 7) << false << "Close the Formula Toolbox."
                               << "";
    }
    void hoverShowsTheHelp()
    {
        QFETCH(QString, control);
        QFETCH(QPoint, at);
        QFETCH(bool, docked);
        QFETCH(QString, help);
        QFETCH(QString, tooltip);
        Equation equation;
        if (docked)
            equation.window->DockEquation();
        QWidget* widget = control == "frmfx" ? equation.window.get() : equation.child(control);
        QTest::mouseMove(widget, at);
        QTRY_COMPARE(equation.channel.lastText(), help);
        QVERIFY(!equation.tooltips.isEmpty());
        QCOMPARE(equation.tooltips.last(), tooltip);
    }

    void indicatorHelpNamesTheSystemShown()
    {
        Equation equation;
        equation.menu.checkInGroup("mnuangleR");
        equation.window->render();
        QTest::mouseMove(equation.child("lblAngSys"), QPoint(10, 10));
        QTRY_COMPARE(equation.channel.lastText(), QString("Current angular system is RAD"));
    }

    void accessibleControls_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::addColumn<bool>("pressable");
        const QString field = "Enter an Equation to generate the result.";
        QTest::newRow("close") << "but" << int(QAccessible::Button) << "Close"
                               << "Close the Formula Toolbox." << true;
        QTest::newRow("evaluate") << "cmdEnter" << int(QAccessible::Button) << "Evaluate"
                                  << "Generate result according to the Equation." << true;
        QTest::newRow("copy") << "cmdCopy" << int(QAccessible::Button) << "Copy"
                              << "Copy the Equation to Clipboard" << true;
        QTest::newRow("field") << "txtInput" << int(QAccessible::EditableText) << "Formula" << field
                               << false;
        QTest::newRow("indicator") << "lblAngSys" << int(QAccessible::Button) << "DEG"
                                   << "Current angular system is DEG" << true;
        QTest::newRow("resize_handle")
            << "righthandle" << int(QAccessible::Client) << "Resize" << field << false;
        QTest::newRow("window") << "frmfx" << int(QAccessible::Client) << "Equation" << field
                                << false;
    }
    void accessibleControls()
    {
        QFETCH(QString, control);
        QFETCH(int, role);
        QFETCH(QString, name);
        QFETCH(QString, description);
        QFETCH(bool, pressable);
        Equation equation;
        QWidget* widget = control == "frmfx" ? equation.window.get() : equation.child(control);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(accessible);
        QCOMPARE(int(accessible->role()), role);
        QCOMPARE(accessible->text(QAccessible::Name), name);
        QCOMPARE(accessible->text(QAccessible::Description), description);
        QAccessibleActionInterface* actions = accessible->actionInterface();
        QCOMPARE(actions &&
                     actions->actionNames().contains(QAccessibleActionInterface::pressAction()),
                 pressable);
        QCOMPARE(equation.window->windowTitle(), QString("Equation"));
    }
};

QTEST_MAIN(EquationWindowTests)
#include "equation_window_tests.moc"
