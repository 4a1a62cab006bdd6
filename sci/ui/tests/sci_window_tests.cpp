#include "art/kit/skin_button.h"
#include "sci/ui/sci_window.h"
#include "shell/ui/tests/recording_toolbox_context.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include <vector>

using namespace nuvra;

Q_DECLARE_METATYPE(core::AngularSystem)

// The toolbox over a fresh session, with a menu whose marks are the program's options and a
// context that records what the window asks of the program.
class SciWindowTests : public QObject {
    Q_OBJECT

private:
    struct Sci : shell::ui::testing::RecordingToolboxContext {
        std::unique_ptr<sci::ui::SciWindow> window;

        explicit Sci(const char* x = "0", const char* page = "mnusci")
        {
            menu.checkInGroup(page);
            session.display.setEntry(x);
            open();
        }
        void open()
        {
            window = std::make_unique<sci::ui::SciWindow>(context);
            window->show();
        }
        void reopen()
        {
            window->aboutToUnload();
            window.reset();
            open();
        }
        QWidget* child(const char* name) const { return window->findChild<QWidget*>(name); }
        bool shown(const char* name) const { return child(name)->isVisible(); }
        void click(const char* name, Qt::MouseButton button = Qt::LeftButton)
        {
            QWidget* control = child(name);
            QVERIFY2(control && control->isVisible(), name);
            QTest::mouseClick(control, button);
        }
        void key(const char* name, const char* x)
        {
            session.display.setEntry(x);
            click(name);
        }
        QString label(const char* name) const { return child(name)->property("text").toString(); }
        std::string entry() const { return session.display.entry(); }
    };

private slots:
    void keysWorkOnTheMainDisplay_data()
    {
        QTest::addColumn<core::AngularSystem>("system");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("expression");
        QTest::newRow("sin_30_degrees") << core::AngularSystem::Degrees << "cmdSin" << "30"
                                        << ".5" << " sin (30 )";
        QTest::newRow("tan_90_is_a_right_angle") << core::AngularSystem::Degrees << "cmdTan"
                                                 << "90" << "infinity" << " tan (90 )";
        QTest::newRow("factorial_of_5.7_is_5!") << core::AngularSystem::Degrees << "cmdFactorial"
                                                << "5.7" << "120" << " (5 ) !";
        QTest::newRow("sin_quarter_turn") << core::AngularSystem::Turns << "cmdSin" << "0.25"
                                          << "1" << " sin (0.25 )";
        QTest::newRow("cube_root") << core::AngularSystem::Degrees << "cmd3root" << "27" << "3"
                                   << " cubert (27 )";
    }
    void keysWorkOnTheMainDisplay()
    {
        QFETCH(core::AngularSystem, system);
        QFETCH(QString, key);
        QFETCH(QString, x);
        QFETCH(QString, display);
        QFETCH(QString, expression);
        Sci sci;
        sci.session.angularSystem = system;
        sci.key(qPrintable(key), qPrintable(x));
        // An error word is only shown; a number is the entry text.
        const std::string& written = sci.session.display.IsErrorShown()
                                         ? sci.session.display.shown()
                                         : sci.session.display.entry();
        QCOMPARE(QString::fromStdString(written), display);
        QCOMPARE(sci.session.history.expressions(),
                 std::vector<std::string>{expression.toStdString()});
        QVERIFY2(sci.session.engine.clearOnDigit, "the next digit starts a new number");
        QCOMPARE(sci.sounds.clicks(), 1);
        QCOMPARE(sci.keypadFocused, 1);
    }

    void aFailingKeyChangesNothing()
    {
        Sci sci;
        sci.key("cmdSin", "3/4");
        QCOMPARE(sci.entry(), "3/4");
        QVERIFY(sci.session.history.expressions().empty());
        QCOMPARE(sci.sounds.clicks(), 0);
        sci.key("cmdFactorial", "171");
        QCOMPARE(QString::fromStdString(sci.session.display.shown()), "OVERFLOW");
        QCOMPARE(sci.entry(), "171");
    }

    void doubleZeroTypesTwoZeros()
    {
        Sci sci;
        sci.session.display.setEntry("12", core::EntryEdit::Typed);
        sci.session.engine.clearOnDigit = false;
        sci.click("cmd00");
        QCOMPARE(sci.entry(), "1200");
    }

    void stripKeysOpenTheOperandStrip()
    {
        Sci sci("2");
        sci.click("cmdrx");
        sci.click("cmdxroot");
        sci.click("cmdper");
        sci.click("cmdTax");
        sci.click("cmdTaxSet");
        QCOMPARE(sci.strips, (std::vector<sci::OperandMode>{
                                 sci::OperandMode::Power, sci::OperandMode::Root,
                                 sci::OperandMode::Percent, sci::OperandMode::TaxRate}));
        QCOMPARE(sci.entry(), "2");
    }

    // M and Tax open, switch and close the bar; a double-click closes it; every load starts
    // with it closed.
    void barStatesFollowTheirKeys()
    {
        Sci sci;
        const auto state = [&sci] {
            if (!sci.shown("EX_FR"))
                return QString("closed");
            if (sci.shown("cmdMp") != sci.window->bar().memoryKeysShown() ||
                sci.shown("cmdtaxp") != sci.window->bar().taxKeysShown())
                return QString("keys disagree with the bar");
            return QString(sci.shown("cmdMc") ? "memory" : "tax");
        };
        QCOMPARE(state(), "closed");
        sci.click("cmdM");
        QCOMPARE(state(), "memory");
        QVERIFY(!sci.shown("cmdTaxSet"));
        sci.click("cmdTax");
        QCOMPARE(state(), "tax");
        QVERIFY(!sci.shown("cmdMr"));
        sci.click("cmdTax");
        QCOMPARE(state(), "closed");
        sci.click("cmdM", Qt::RightButton);
        QCOMPARE(state(), "memory");
        sci.click("cmdTax");
        QTest::mouseDClick(sci.child("EX_FR"), Qt::LeftButton, {}, QPoint(4, 4));
        QCOMPARE(state(), "closed");
        sci.click("cmdTax");
        QCOMPARE(state(), "tax");
        sci.reopen();
        QCOMPARE(state(), "closed");
    }

    void memoryAndTaxKeys()
    {
        Sci sci;
        sci.click("cmdM");
        sci.key("cmdMp", "2");
        sci.key("cmdMp", "3");
        sci.click("cmdMr");
        QCOMPARE(sci.entry(), "5");
        sci.key("cmdMp", "123456789");
        sci.click("cmdMc");
        sci.click("cmdMr");
        QCOMPARE(sci.entry(), "0");

        sci.click("cmdTax");
        sci.key("cmdtaxp", "200");
        QCOMPARE(sci.entry(), "210");
        sci.key("cmdtaxm", "200");
        QCOMPARE(sci.entry(), "190");
        const int clicks = sci.sounds.clicks();
        sci.key("cmdtaxp", "3/4");
        QCOMPARE(sci.entry(), "3/4");
        QCOMPARE(sci.sounds.clicks(), clicks);

        sci.reopen();
        sci.click("cmdM");
        sci.click("cmdMr");
        QCOMPARE(sci.entry(), "0");
        QCOMPARE(sci.science.taxRate, 5.0f);
    }

    // The pointer over M or Tax shows their help and the ring and nothing else: a number being
    // typed goes on, no sound plays, the keyboard stays where it is.
    void hoveringTheBarKeysLeavesTheEntryAlone()
    {
        Sci sci;
        sci.session.display.setEntry("12", core::EntryEdit::Typed);
        sci.session.engine.clearOnDigit = false;
        sci.session.engine.operandTaken = false;
        for (const char* name : {"cmdM", "cmdTax"}) {
            QTest::mouseMove(sci.child(name), QPoint(5, 5));
            QTest::mouseMove(sci.child(name), QPoint(9, 7));
            QVERIFY(sci.window->shownHighlight());
            QCOMPARE(sci.window->shownHighlight()->objectName(), "cmd1");
        }
        QCOMPARE(sci.channel.lastText(), "Opens a bar which contains tools for calculating taxes.");
        QVERIFY(!sci.session.engine.clearOnDigit);
        QVERIFY(!sci.session.engine.operandTaken);
        QCOMPARE(sci.sounds.clicks(), 0);
        QCOMPARE(sci.keypadFocused, 0);
        QCOMPARE(sci.entry(), "12");
    }

    void highlightRingsTheKeyUnderThePointer()
    {
        Sci sci;
        QWidget* key = sci.child("cmdCos");
        QTest::mouseMove(key, QPoint(3, 3));
        QWidget* ring = sci.window->shownHighlight();
        QVERIFY(ring);
        const QRect keyInWindow(key->mapTo(sci.window.get(), QPoint(0, 0)), key->size());
        // 20 twips (a pixel and a third) round the key, rounded to whole pixels.
        QCOMPARE(ring->geometry().center(), keyInWindow.center());
        QVERIFY(ring->geometry().contains(keyInWindow));
        QTest::mouseMove(sci.child("main_bg"), QPoint(2, 2));
        QVERIFY(!sci.window->shownHighlight());
        sci.click("cmdM");
        QTest::mouseMove(sci.child("cmdSin"), QPoint(3, 3));
        QVERIFY(sci.window->shownHighlight());
        QTest::mouseMove(sci.child("EX_FR"), QPoint(2, 2));
        QVERIFY(!sci.window->shownHighlight());
        QCOMPARE(sci.channel.lastText(), "Double - Click to close this bar.");
    }

    void statisticsListSurvivesTheWindow()
    {
        Sci sci("3", "mnustat");
        QVERIFY(sci.shown("stat_main"));
        QVERIFY(!sci.shown("main_bg"));
        QVERIFY(sci.shown("stattbh"));
        for (const char* x : {"3", "-1", "4"})
            sci.key("cmdinsert", x);
        QCOMPARE(sci.label("lblcount"), "Count = 3");
        QVERIFY(!sci.shown("stattbh"));
        sci.click("cmdsumx");
        QCOMPARE(sci.label("lblNum"), "6");
        sci.key("cmdsendf1", "10");
        QCOMPARE(sci.entry(), "16");

        auto* list = sci.window->findChild<QListWidget*>("lstnum");
        QCOMPARE(list->count(), 3);
        list->setCurrentRow(1);
        sci.click("cmdrem");
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(1)->text(), "4");
        sci.key("cmdinsert", "-1.5");

        sci.reopen();
        list = sci.window->findChild<QListWidget*>("lstnum");
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->item(0)->text(), "3");
        QCOMPARE(list->item(2)->text(), "-1.5");
        QCOMPARE(sci.label("lblcount"), "Count = 3");
        QCOMPARE(sci.label("lblNum"), "0");

        sci.click("cmdC");
        QCOMPARE(list->count(), 0);
        sci.click("cmdmean");
        QCOMPARE(sci.label("lblNum"), "No Input");
        sci.key("cmdsendf2", "10");
        QCOMPARE(sci.entry(), "10");
    }

    // The result label steps its type down as its text grows: 20, 15 and 10 points.
    void resultLabelSizeSteps()
    {
        Sci sci("0", "mnustat");
        const auto pointsFor = [&sci](const char* x) {
            sci.click("cmdC");
            sci.key("cmdinsert", x);
            sci.click("cmdsumx");
            return qobject_cast<QLabel*>(sci.child("lblNum"))->font().pointSize();
        };
        QCOMPARE(pointsFor("12345678901"), 20);
        QCOMPARE(pointsFor("0.0000123456789"), 15);
        QCOMPARE(pointsFor("-1.23456789012345E-100"), 10);
    }

    void tabsGoTheMenusWay()
    {
        Sci sci;
        QVERIFY(sci.shown("main_bg"));
        sci.click("tbb1");
        QVERIFY(sci.menuItems.empty());
        sci.click("tbb2");
        QCOMPARE(sci.menuItems, std::vector<std::string>{"mnustat"});
        QVERIFY(sci.shown("stat_main"));
        QVERIFY(!sci.shown("main_bg"));
        QVERIFY(sci.window->findChild<QAbstractButton*>("tbb2")->isChecked());
        sci.click("tbb1");
        QCOMPARE(sci.menuItems.back(), "mnusci");
        QVERIFY(sci.shown("main_bg"));
    }

    void indicatorAndLogKeyFollowTheirModes_data()
    {
        QTest::addColumn<core::AngularSystem>("system");
        QTest::addColumn<int>("logMode");
        QTest::addColumn<QString>("indicator");
        QTest::addColumn<QString>("logCaption");
        QTest::newRow("degrees_ln") << core::AngularSystem::Degrees << 1 << "DEG" << "ln";
        QTest::newRow("radians_log") << core::AngularSystem::Radians << 2 << "RAD" << "log";
        QTest::newRow("gradians_antilog") << core::AngularSystem::Gradians << 3 << "GRAD" << "10ˣ";
        QTest::newRow("turns") << core::AngularSystem::Turns << 1 << "TURN" << "ln";
    }
    void indicatorAndLogKeyFollowTheirModes()
    {
        QFETCH(core::AngularSystem, system);
        QFETCH(int, logMode);
        QFETCH(QString, indicator);
        QFETCH(QString, logCaption);
        Sci sci;
        sci.session.angularSystem = system;
        sci.science.logKeyMode = static_cast<sci::LogKeyMode>(logMode);
        sci.window->render();
        QCOMPARE(sci.label("AngSysM"), indicator);
        QCOMPARE(sci.child("AngSysM")->accessibleName(), indicator);
        QCOMPARE(sci.label("cmdLn"), logCaption);
    }

    void menusOpenBesideTheirControls()
    {
        Sci sci("7");
        QTest::mousePress(sci.child("AngSysM"), Qt::LeftButton);
        QTest::mouseRelease(sci.child("AngSysM"), Qt::LeftButton);
        QCOMPARE(sci.popups.size(), 1u);
        QCOMPARE(sci.popups[0].which, shell::MenuPopup::AngularSystem);
        const QWidget* indicator = sci.child("AngSysM");
        const QPoint corner = indicator->mapToGlobal(QPoint(0, indicator->height()));
        QCOMPARE(sci.popups[0].at, corner + QPoint(-2, 3)); // 30 and 40 twips, rounded

        sci.click("cmdLn", Qt::RightButton);
        QCOMPARE(sci.popups.size(), 2u);
        QCOMPARE(sci.popups[1].which, shell::MenuPopup::Log);
        QCOMPARE(sci.entry(), "7");
        QVERIFY(sci.session.history.expressions().empty());
    }

    // Every control a user acts on is a pressable button or tab named by what it shows, and
    // every control with help is described by its help text.
    void controlsSpeakForThemselves_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("spoken");
        QTest::addColumn<QString>("description");
        const auto button = static_cast<int>(QAccessible::Button);
        QTest::newRow("cmdSin") << "cmdSin" << "mnusci" << button << "sin"
                                << "Finds the sin (T-Ratio) of the current value in the calculator.";
        QTest::newRow("cmdr2") << "cmdr2" << "mnusci" << button << "x²"
                               << "Finds the Square of the current value in the calculator.";
        QTest::newRow("cmdTax") << "cmdTax" << "mnusci" << button << "Tax"
                                << "Opens a bar which contains tools for calculating taxes.";
        QTest::newRow("AngSysM") << "AngSysM" << "mnusci" << button << "DEG"
                                 << "Change angular system.";
        QTest::newRow("but") << "but" << "mnusci" << button << "Close" << "Close the Toolbox.";
        QTest::newRow("tbb1") << "tbb1" << "mnusci" << static_cast<int>(QAccessible::PageTab)
                              << "Scientific" << "Toggle to Scientific Toolbox.";
        QTest::newRow("tbb2") << "tbb2" << "mnusci" << static_cast<int>(QAccessible::PageTab)
                              << "Statistics" << "Toggle to Statistical Toolbox.";
        QTest::newRow("cmdinsert") << "cmdinsert" << "mnustat" << button << "Insert"
                                   << "Adds / Inserts the current value.";
        QTest::newRow("cmdC") << "cmdC" << "mnustat" << button << "C"
                              << "Resets the Statistical toolbox.";
        QTest::newRow("lblcount") << "lblcount" << "mnustat" << static_cast<int>(QAccessible::StaticText)
                                  << "Count = 0" << "Displays the number of stored Values.";
        QTest::newRow("lblNum") << "lblNum" << "mnustat" << static_cast<int>(QAccessible::StaticText)
                                << "0" << "Displays the Results (of Statistical Functions).";
        QTest::newRow("lstnum") << "lstnum" << "mnustat" << static_cast<int>(QAccessible::List)
                                << "Values" << "Displays the stored Values.";
    }
    void controlsSpeakForThemselves()
    {
        QFETCH(QString, name);
        QFETCH(QString, page);
        QFETCH(int, role);
        QFETCH(QString, spoken);
        QFETCH(QString, description);
        Sci sci("0", qPrintable(page));
        QAccessibleInterface* control = QAccessible::queryAccessibleInterface(sci.child(qPrintable(name)));
        QVERIFY(control);
        QCOMPARE(static_cast<int>(control->role()), role);
        QCOMPARE(control->text(QAccessible::Name), spoken);
        QCOMPARE(control->text(QAccessible::Description), description);
        if (role == QAccessible::Button || role == QAccessible::PageTab) {
            QVERIFY(control->actionInterface());
            QVERIFY(control->actionInterface()->actionNames().contains(
                QAccessibleActionInterface::pressAction()));
        }
        QCOMPARE(QAccessible::queryAccessibleInterface(sci.window.get())->text(QAccessible::Name),
                 "Scientific");
    }

    // Every button and tab on both pages and the bar: pressable, named, described as its help.
    void everyControlIsPressableAndDescribed()
    {
        Sci sci;
        sci.click("cmdM");
        QStringList checked;
        for (const char* page : {"mnusci", "mnustat"}) {
            sci.menu.checkInGroup(page);
            sci.window->render();
            for (auto* button : sci.window->findChildren<QAbstractButton*>()) {
                if (!button->isVisible())
                    continue;
                QAccessibleInterface* control = QAccessible::queryAccessibleInterface(button);
                const QString name = button->objectName();
                QVERIFY2(control->role() == QAccessible::Button ||
                             control->role() == QAccessible::PageTab,
                         qPrintable(name));
                QVERIFY2(!name.isEmpty(), "a button without a name");
                QVERIFY2(!control->text(QAccessible::Name).isEmpty(), qPrintable(name));
                QVERIFY2(control->actionInterface() &&
                             control->actionInterface()->actionNames().contains(
                                 QAccessibleActionInterface::pressAction()),
                         qPrintable(name));
                // What a listener hears described is what the Butler bar says on hover.
                QTest::mouseMove(button, QPoint(2, 2));
                QCOMPARE(control->text(QAccessible::Description), sci.channel.lastText());
                checked << name;
            }
        }
        // 4 memory keys, 24 on the scientific page, 13 on the statistics page, tabs, indicator
        // and close button twice.
        QCOMPARE(checked.size(), 4 + 24 + 13 + 2 * 4);
    }

    void pressingThroughAccessibility()
    {
        Sci sci("30");
        QAccessibleInterface* sin = QAccessible::queryAccessibleInterface(sci.child("cmdSin"));
        sin->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(sci.entry(), ".5");
        QAccessibleInterface* tab = QAccessible::queryAccessibleInterface(sci.child("tbb2"));
        QVERIFY(!tab->state().checked);
        tab->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_VERIFY(sci.shown("stat_main"));
        QVERIFY(tab->state().checked);
    }
};

QTEST_MAIN(SciWindowTests)
#include "sci_window_tests.moc"
