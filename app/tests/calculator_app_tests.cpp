#include "app/calculator_app.h"
#include "core/ui/form1.h"
#include "frame/ui/wm.h"
#include "graph/ui/graph_window.h"
#include "platform/linux/ini_settings_backend.h"
#include "platform/linux/xdg_autostart.h"
#include "shell/toolbox_table.h"
#include "shell/ui/menu_renderer.h"
#include "shell/ui/popup_window.h"
#include "shell/ui/toolbox_registry.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QScreen>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <sys/stat.h>

using namespace nuvra;

// The assembled program on the offscreen platform, each test with a settings folder of its own.
class CalculatorAppTests : public QObject {
    Q_OBJECT

private:
    struct Run {
        QTemporaryDir config;
        QTemporaryDir programFolder;
        std::unique_ptr<app::CalculatorApp> calculator;

        // `settingsBelow`: the settings folder below the test's folder, made by `prepare`.
        explicit Run(const QString& settingsBelow = {},
                     void (*prepare)(const QString& folder) = nullptr)
        {
            if (prepare)
                prepare(config.path());
            qputenv("NUVRA_CONFIG_DIR", (config.path() + settingsBelow).toUtf8());
            calculator = std::make_unique<app::CalculatorApp>(programFolder.path());
        }
        ~Run() { qunsetenv("NUVRA_CONFIG_DIR"); }
        platform::IniSettingsBackend store() const
        {
            return platform::IniSettingsBackend(config.path().toStdString());
        }
        void preset(const char* section, const char* key, const char* value)
        {
            QVERIFY(store().write("Nuvra", section, key, value).has_value());
        }
        std::optional<std::string> stored(const char* section, const char* key) const
        {
            return store().read("Nuvra", section, key);
        }
        QWidget* surface() const { return calculator->frame().findChild<QWidget*>("main_bg"); }
        void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
        {
            if (modifiers & Qt::ControlModifier)
                QTest::keyPress(surface(), Qt::Key_Control);
            if (modifiers & Qt::ShiftModifier)
                QTest::keyPress(surface(), Qt::Key_Shift);
            QTest::keyClick(surface(), key, modifiers);
        }
        void type(const QString& text)
        {
            QWidget* surface = calculator->frame().findChild<QWidget*>("main_bg");
            for (const QChar c : text)
                QTest::keyClick(surface, c.toLatin1());
        }
    };

    struct HoverRow {
        const char* control;
        const char* text;
        QPoint point = {-1, -1}; // the centre unless given
    };

    // Moves the pointer over each control of a toolbox window and reads the Butler label.
    static void checkHoverHelp(Run& run, QWidget& window, const std::vector<HoverRow>& rows)
    {
        QWidget* butler = run.calculator->toolboxes().window(shell::Toolbox::Butler);
        auto* help = butler->findChild<QLabel*>("o");
        // The pointer that an earlier test left over a control of this place would enter it
        // again whenever a window (the tooltip) shows or hides.
        QCursor::setPos(window.screen()->geometry().bottomRight());
        for (const HoverRow& row : rows) {
            QWidget* target = window.objectName() == row.control
                                  ? &window
                                  : window.findChild<QWidget*>(row.control);
            QVERIFY2(target && target->isVisible(), row.control);
            // Straight to the control's window, whatever other window covers that place.
            const QPoint at = row.point.x() < 0 ? target->rect().center() : row.point;
            QTest::mouseMove(window.windowHandle(), target->mapTo(&window, at));
            QTRY_COMPARE(help->text(), QString(row.text));
        }
    }

    static QString shown(Run& run)
    {
        QWidget* display = run.calculator->frame().findChild<QWidget*>("lblnumber");
        return QAccessible::queryAccessibleInterface(display)->text(QAccessible::Name);
    }

    static QWidget* sciWindow(Run& run)
    {
        return run.calculator->toolboxes().window(shell::Toolbox::Scientific);
    }

private slots:
    void firstStartGivesTheDefaults()
    {
        Run run;
        run.preset("Settings", "Splash", "0");
        QVERIFY(run.calculator->start({}));
        shell::MenuModel& menu = run.calculator->menu();
        QVERIFY(!menu.isChecked("mnuSonus"));
        QVERIFY(menu.isChecked("mnupop"));
        QVERIFY(menu.isChecked("mnutrayn"));
        QVERIFY(menu.isChecked("mnu_menu_singleaction"));
        QVERIFY(menu.isChecked("mnuangleD"));
        QVERIFY(menu.isChecked("mnumodechange_alg"));
        QVERIFY(!run.calculator->session().engine.rpnMode);
        QCOMPARE(run.calculator->frame().width(), 194);
        QCOMPARE(run.stored("Version", "Version"), std::optional<std::string>("1.4.1"));
    }

    void exitSequenceWritesEveryKey()
    {
        Run run;
        run.preset("Settings", "Splash", "0");
        QVERIFY(run.calculator->start({}));
        shell::MenuCommands& commands = run.calculator->commands();
        commands.trigger("mnuangleR");
        commands.trigger("mnuSonus");
        commands.trigger("mnustar");
        commands.trigger("mnumodechange_RPN");
        run.calculator->frame().moveToTwips(3000, 1500);
        run.calculator->SaveAndExit();

        const std::vector<std::pair<const char*, const char*>> expected{
            {"Popup Notifications", "1"}, {"Angular System", "1"}, {"Sonus", "1"},
            {"Mode State", "1"},          {"Launch at Startup", "1"},
            {"Check for Updates on Startup", "0"}, {"MinNotif", "1"},
            {"Menu Single Action", "1"}};
        for (const auto& [key, value] : expected)
            QCOMPARE(run.stored("Settings", key), std::optional<std::string>(value));
        QCOMPARE(run.stored("Position", "Left"), std::optional<std::string>("3000"));
        QCOMPARE(run.stored("Position", "Top"), std::optional<std::string>("1500"));
        platform::XdgAutostart autostart(run.config.path().toStdString() + "/autostart");
        const auto entry = autostart.entry("Nuvra");
        QVERIFY(entry.has_value());
        QCOMPARE(entry->arguments, std::vector<std::string>{"4"});
        QVERIFY(!autostart.entry("Nuvra Updater").has_value());
    }

    void modeStateRoundTrips_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("rpn");
        QTest::addColumn<int>("width");
        QTest::newRow("algebraic") << "0" << false << 194;
        QTest::newRow("rpn_panel_open") << "1" << true << 318;
        QTest::newRow("rpn_panel_closed") << "2" << true << 194;
    }
    void modeStateRoundTrips()
    {
        QFETCH(QString, stored);
        QFETCH(bool, rpn);
        QFETCH(int, width);
        Run run;
        run.preset("Settings", "Splash", "0");
        run.preset("Settings", "Gear_Dialog", "0");
        run.preset("Settings", "Mode State", stored.toLatin1().constData());
        QVERIFY(run.calculator->start({}));
        QCOMPARE(run.calculator->session().engine.rpnMode, rpn);
        QCOMPARE(run.calculator->frame().width(), width);
        QCOMPARE(run.calculator->menu().isChecked("mnumodechange_RPN"), rpn);
        run.calculator->SaveAndExit();
        QCOMPARE(run.stored("Settings", "Mode State"), std::optional<std::string>(stored.toStdString()));
    }

    void garbageInEveryKeyGivesItsDefault()
    {
        Run run;
        for (const char* key : {"Sonus", "Popup Notifications", "Menu Single Action", "MinNotif",
                                "Launch at Startup", "Check for Updates on Startup",
                                "Angular System", "Mode State", "Gear_Dialog", "Variables"})
            run.preset("Settings", key, "\x7fgarbage(1)");
        run.preset("Settings", "Splash", "0");
        run.preset("Position", "Top", "top?");
        run.preset("Position", "Left", "1e999");
        QVERIFY(run.calculator->start({}));
        shell::MenuModel& menu = run.calculator->menu();
        QVERIFY(!menu.isChecked("mnuSonus"));
        QVERIFY(menu.isChecked("mnupop"));
        QVERIFY(menu.isChecked("mnu_menu_singleaction"));
        QVERIFY(menu.isChecked("mnutrayn"));
        QVERIFY(!menu.isChecked("mnustar"));
        QVERIFY(menu.isChecked("mnuangleD"));
        QVERIFY(!run.calculator->session().engine.rpnMode);
        QVERIFY(!run.calculator->frame().gearSlide().visible());
        // Centred by the default offsets on the offscreen screen.
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(run.calculator->frame().leftTwips() / 15, (screen.width() * 15 / 2 - 1455) / 15);
    }

    void logonStartWithTheOptionOffEndsAtOnce()
    {
        Run run;
        QVERIFY(!run.calculator->start({"4"}));
    }

    void logonStartWithTheOptionOnSitsInTheTray()
    {
        Run run;
        run.preset("Settings", "Launch at Startup", "1");
        QVERIFY(run.calculator->start({"4"}));
        // Without a notification area (as here) the frame is minimised the ordinary way.
        QVERIFY(run.calculator->isFrameMinimized());
        QVERIFY(run.calculator->frame().isMinimized() || !run.calculator->frame().isVisible());
        QCOMPARE(QString::fromStdString(run.calculator->menu().item("mnumin")->caption),
                 QString("&Restore"));
    }

    void soundWithoutItsFileIsSilent()
    {
        Run run;
        run.preset("Settings", "Splash", "0");
        run.preset("Settings", "Sonus", "1");
        QVERIFY(run.calculator->start({}));
        QVERIFY(run.calculator->menu().flags().sound);
        run.type("12+3=");
        QCOMPARE(QString::fromStdString(run.calculator->session().display.shown()), QString("15"));
    }

    void shortcutTogglesTheToolboxMark()
    {
        Run run;
        run.preset("Settings", "Splash", "0");
        QVERIFY(run.calculator->start({}));
        QWidget* surface = run.calculator->frame().findChild<QWidget*>("main_bg");
        QTest::keyPress(surface, Qt::Key_Control);
        QTest::keyClick(surface, Qt::Key_N, Qt::ControlModifier);
        QVERIFY(run.calculator->menu().isChecked("mnucot"));
        QVERIFY(run.calculator->isToolboxLoaded(shell::Toolbox::Constants));
        QTest::keyPress(surface, Qt::Key_Control);
        QTest::keyClick(surface, Qt::Key_N, Qt::ControlModifier);
        QVERIFY(!run.calculator->menu().isChecked("mnucot"));
        QTest::keyPress(surface, Qt::Key_Shift);
        QTest::keyClick(surface, Qt::Key_M, Qt::ShiftModifier);
        QVERIFY(run.calculator->menu().isChecked("mnumodechange_RPN"));
    }

    // Every row of the toolbox table against what the program shows: the menu item with its
    // caption and shortcut label, the shortcut key with its popup, and the registered window.
    void toolboxTableAgreesWithTheProgram()
    {
        Run run;
        run.preset("Settings", "Splash", "0");
        QVERIFY(run.calculator->start({}));
        shell::ui::MenuRenderer renderer(run.calculator->menu(), [](std::string_view) {});
        std::unique_ptr<QMenu> menu(renderer.build(shell::MenuPopup::System));
        QStringList actions;
        for (QAction* action : menu->findChildren<QAction*>())
            actions << action->text();

        for (const shell::ToolboxSpec& spec : shell::kToolboxSpecs) {
            const QString item = QString::fromUtf8(spec.item.data(), spec.item.size());
            const shell::MenuItem* entry = run.calculator->menu().item(spec.item);
            QVERIFY2(entry, qPrintable(item));
            QCOMPARE(QString::fromStdString(std::string(entry->shortcut)),
                     QString::fromUtf8(spec.shortcut.data(), spec.shortcut.size()));
            if (!spec.shortcut.empty()) {
                const QString shown = QString::fromStdString(entry->caption) + '\t' +
                                      QString::fromUtf8(spec.shortcut.data(), spec.shortcut.size());
                QVERIFY2(actions.contains(shown), qPrintable(shown));
            }
            if (spec.letter != 0) {
                run.key(Qt::Key(spec.letter), Qt::ControlModifier);
                QVERIFY2(run.calculator->menu().isChecked(spec.item), qPrintable(item));
                QVERIFY(run.calculator->isToolboxLoaded(spec.toolbox));
                QWidget* popup = nullptr;
                for (QWidget* window : QApplication::topLevelWidgets()) {
                    if (window->objectName() == "pop" && window->isVisible())
                        popup = window;
                }
                QVERIFY2(popup, qPrintable(item));
                QCOMPARE(popup->findChild<QLabel*>("Label")->text(),
                         QString::fromUtf8(spec.popupName.data(), spec.popupName.size()));
                run.key(Qt::Key(spec.letter), Qt::ControlModifier);
                QVERIFY2(!run.calculator->menu().isChecked(spec.item), qPrintable(item));
            }
            shell::ui::ToolboxRegistry& registry = run.calculator->toolboxes();
            if (registry.hasFactory(spec.toolbox)) {
                registry.show(spec.toolbox, false);
                const shell::ui::ToolboxWindow* window = registry.window(spec.toolbox);
                QCOMPARE(window->objectName(),
                         QString::fromUtf8(spec.window.data(), spec.window.size()));
                QCOMPARE(window->windowTitle(),
                         QString::fromUtf8(spec.caption.data(), spec.caption.size()));
                QCOMPARE(window->width(), spec.widthTwips / 15);
            }
        }
        QVERIFY(run.calculator->toolboxes().hasFactory(shell::Toolbox::Butler));
    }

    void f1ShowsTheButlerBesideTheFrameAndItsCloseHidesIt()
    {
        Run run;
        run.preset("Settings", "Splash", "0");
        run.preset("Position", "Left", "3000");
        run.preset("Position", "Top", "1500");
        QVERIFY(run.calculator->start({}));
        run.key(Qt::Key_F1);
        QVERIFY(run.calculator->menu().isChecked("mnuex"));
        shell::ui::ToolboxWindow* butler = run.calculator->toolboxes().window(shell::Toolbox::Butler);
        QVERIFY(butler && butler->isVisible());
        QCOMPARE(butler->pos(), QPoint((3000 + 3080) / 15, 1500 / 15));

        butler->move(300, 200);
        QTest::mouseClick(butler->findChild<QWidget*>("but"), Qt::LeftButton);
        QVERIFY(!run.calculator->menu().isChecked("mnuex"));
        QVERIFY(!butler->isVisible());
        QVERIFY(run.calculator->isToolboxLoaded(shell::Toolbox::Butler));

        run.key(Qt::Key_F1);
        QCOMPARE(run.calculator->toolboxes().window(shell::Toolbox::Butler), butler);
        QVERIFY(butler->isVisible());
        QCOMPARE(butler->pos(), QPoint(300, 200));
    }

    // The pointer over every control with a help text, in the main window, the frame and the
    // Butler bar itself: the bar's label shows that text.
    void hoverHelpReachesTheButlerLabel_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        for (int digit = 0; digit <= 9; ++digit)
            QTest::addRow("cmd%d", digit) << QString("cmd%1").arg(digit)
                                          << QString("The Number / Digit %1.").arg(digit);
        QTest::newRow("cmdADD") << "cmdADD" << "Add the values.";
        QTest::newRow("cmdSubtract") << "cmdSubtract" << "Subtract the values.";
        QTest::newRow("cmdMULTIPLY") << "cmdMULTIPLY" << "Multiply the values.";
        QTest::newRow("cmdDIVIDE") << "cmdDIVIDE" << "Divide the values.";
        QTest::newRow("cmdEQUALS") << "cmdEQUALS" << "Solve and display the value";
        QTest::newRow("cmdCancel") << "cmdCancel" << "Cancel the operation.";
        QTest::newRow("cmdBK") << "cmdBK" << "Backspace. Erase the last digit on the display.";
        QTest::newRow("lblnumber") << "lblnumber" << "The results / answers will be displayed here.";
        QTest::newRow("cmdmnu") << "cmdmnu" << "Displays the Settings Panel.";
        QTest::newRow("main_bg") << "main_bg"
                                 << "Welcome to Nuvra. Hover over buttons to know what they do. "
                                    "Hope you enjoy.";
        QTest::newRow("wb_btn") << "wb_btn" << "Exit / Close the application (Nuvra)";
        QTest::newRow("wb_min") << "wb_min" << "Minimize Nuvra to the tray.";
        QTest::newRow("wm_menu") << "wm_menu" << "Toggle various controls through the Menu.";
        QTest::newRow("butler_wm_bar") << "wm_bar"
                                       << "Butler displays the function of each element you hover over.";
        QTest::newRow("butler_main") << "main"
                                     << "Butler displays the function of each element you hover over.";
    }
    void hoverHelpReachesTheButlerLabel()
    {
        QFETCH(QString, control);
        QFETCH(QString, text);
        Run run;
        run.preset("Settings", "Splash", "0");
        QVERIFY(run.calculator->start({}));
        run.key(Qt::Key_F1);
        QWidget* butler = run.calculator->toolboxes().window(shell::Toolbox::Butler);
        QWidget* target = run.calculator->frame().findChild<QWidget*>(control);
        if (!target)
            target = butler->findChild<QWidget*>(control);
        QVERIFY(target);
        QVERIFY(QTest::qWaitForWindowExposed(target->window()));
        // On the keypad surface, a point between the keys.
        const QPoint point = control == "main_bg" ? QPoint(38, 127) : target->rect().center();
        QTest::mouseMove(target, point);
        QTRY_COMPARE(butler->findChild<QLabel*>("o")->text(), text);
    }

    void settingsThatCannotBeSavedAreToldOnce()
    {
        // A file where the settings folder should be: no write of this run can succeed.
        Run run("/blocker/nuvra", [](const QString& folder) {
            QFile blocker(folder + "/blocker");
            QVERIFY(blocker.open(QIODevice::WriteOnly));
        });
        QVERIFY(run.calculator->start({}));
        // The notification options do not silence this warning.
        run.calculator->commands().trigger("mnupop");
        QVERIFY(!run.calculator->menu().isChecked("mnupop"));
        QTRY_VERIFY(run.calculator->settingsWarning());
        shell::ui::PopupWindow* warning = run.calculator->settingsWarning();
        QVERIFY(QTest::qWaitForWindowExposed(warning));
        const QString expected = "Nuvra cannot save its settings: cannot create the settings "
                                 "folder " +
                                 run.config.path() +
                                 "/blocker/nuvra: Not a directory. Options changed now will not "
                                 "be kept.";
        QCOMPARE(warning->accessibleName(), expected);
        QAccessibleInterface* text =
            QAccessible::queryAccessibleInterface(warning->findChild<QLabel*>("Label"));
        QVERIFY(text);
        QCOMPARE(text->text(QAccessible::Name), expected);

        QTest::mouseClick(warning, Qt::LeftButton);
        QTRY_VERIFY(!run.calculator->settingsWarning());
        run.calculator->commands().trigger("mnusplash"); // writes at once, and fails again
        QCoreApplication::processEvents();
        QVERIFY(!run.calculator->settingsWarning());
    }

    void fifoAsTheSettingsFileStartsWithTheDefaults()
    {
        // Reading a FIFO would wait for a writer that never comes.
        Run run("/fifo", [](const QString& folder) {
            QVERIFY(QDir(folder).mkdir("fifo"));
            QCOMPARE(::mkfifo(QFile::encodeName(folder + "/fifo/Nuvra.ini").constData(), 0600),
                     0);
        });
        QVERIFY(run.calculator->start({}));
        QVERIFY(run.calculator->menu().isChecked("mnuangleD"));
        QTRY_VERIFY(run.calculator->settingsWarning());
        QVERIFY(run.calculator->settingsWarning()->accessibleName().contains(
            "/fifo/Nuvra.ini is not a regular file"));
    }

    void rpnStackControlsHelpTooReachTheButlerLabel()
    {
        Run run;
        run.preset("Settings", "Splash", "0");
        QVERIFY(run.calculator->start({}));
        run.key(Qt::Key_M, Qt::ShiftModifier);
        run.key(Qt::Key_F1);
        // The bar opens over the stack panel; the user moves it away.
        QWidget* butler = run.calculator->toolboxes().window(shell::Toolbox::Butler);
        butler->move(butler->x(), butler->y() + 400);
        auto* help = butler->findChild<QLabel*>("o");
        const std::pair<const char*, const char*> controls[] = {
            {"rpnh1", "Roll values from within the stack (Shift+Q)."},
            {"rpnh2", "Swap the X (Display) value with the Y value. (Shift+A)"},
            {"rpnh3", "Drop the X (Display) value and shift the stack down. (Shift+Z)"},
            {"RPN_Toggle", "Toggle b/w Algebraic and RPN modes. (Shift+M)"},
            {"RPN_Panel", "View the values in the stack."},
        };
        for (const auto& [name, text] : controls) {
            QWidget* target = run.calculator->frame().findChild<QWidget*>(name);
            QVERIFY2(target && target->isVisible(), name);
            QTest::mouseMove(target, target->rect().center());
            QTRY_COMPARE(help->text(), QString(text));
        }
    }

    // Ctrl+S and Ctrl+T show the one window on its two pages; Alt+1 closes it, Alt+2 and
    // Alt+3 choose a page; its own close button leaves the Standard view.
    void scientificWindowFollowsItsKeysAndMarks()
    {
        Run run;
        run.preset("Settings", "Splash", "0");
        QVERIFY(run.calculator->start({}));
        const shell::MenuModel& menu = run.calculator->menu();
        run.key(Qt::Key_S, Qt::ControlModifier);
        QWidget* sci = sciWindow(run);
        QVERIFY(sci && sci->isVisible());
        QVERIFY(sci->findChild<QWidget*>("main_bg")->isVisible());
        run.key(Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(sciWindow(run), sci);
        QVERIFY(menu.isChecked("mnustat") && !menu.isChecked("mnusci"));
        QVERIFY(sci->findChild<QWidget*>("stat_main")->isVisible());
        QVERIFY(!sci->findChild<QWidget*>("main_bg")->isVisible());
        QTest::mouseClick(sci->findChild<QWidget*>("tbb1"), Qt::LeftButton);
        QVERIFY(menu.isChecked("mnusci") && !menu.isChecked("mnustat"));
        run.key(Qt::Key_1, Qt::AltModifier);
        QVERIFY(!run.calculator->isToolboxLoaded(shell::Toolbox::Scientific));
        QVERIFY(menu.isChecked("mnustd"));
        run.key(Qt::Key_3, Qt::AltModifier);
        QTRY_VERIFY(sciWindow(run) && sciWindow(run)->isVisible());
        QVERIFY(sciWindow(run)->findChild<QWidget*>("stat_main")->isVisible());
        run.key(Qt::Key_2, Qt::AltModifier);
        QVERIFY(sciWindow(run)->findChild<QWidget*>("main_bg")->isVisible());
        QTest::mouseClick(sciWindow(run)->findChild<QWidget*>("but"), Qt::LeftButton);
        QVERIFY(!run.calculator->isToolboxLoaded(shell::Toolbox::Scientific));
        QVERIFY(menu.isChecked("mnustd"));
        QVERIFY(!menu.isChecked("mnusci") && !menu.isChecked("mnustat"));
    }

    // Keys of the toolbox work on the main display; x^y asks for its n on the Butler bar.
    void scientificKeysAndTheOperandStrip()
    {
        Run run;
        run.preset("Settings", "Splash", "0");
        QVERIFY(run.calculator->start({}));
        run.key(Qt::Key_S, Qt::ControlModifier);
        QWidget* sci = sciWindow(run);
        run.type("30");
        QTest::mouseClick(sci->findChild<QWidget*>("cmdSin"), Qt::LeftButton);
        // The display strips the leading zero of a result below 1.
        QCOMPARE(shown(run), ".5");
        run.type("2");
        QCOMPARE(shown(run), "2");
        QTest::mouseClick(sci->findChild<QWidget*>("cmdrx"), Qt::LeftButton);
        QWidget* butler = run.calculator->toolboxes().window(shell::Toolbox::Butler);
        QVERIFY(butler && butler->isVisible());
        auto* entry = butler->findChild<QLineEdit*>("txt");
        QVERIFY(entry->isVisible());
        QTest::keyClicks(entry, "10");
        QTest::keyClick(entry, Qt::Key_Return);
        QCOMPARE(shown(run), "1024");
    }

    // The list outlives the window: closed and loaded again at once, and after a while.
    void statisticsSurviveTheirWindow()
    {
        Run run;
        run.preset("Settings", "Splash", "0");
        QVERIFY(run.calculator->start({}));
        run.key(Qt::Key_T, Qt::ControlModifier);
        for (const char* x : {"3", "1", "4"}) {
            run.type(x);
            QTest::mouseClick(sciWindow(run)->findChild<QWidget*>("cmdinsert"), Qt::LeftButton);
        }
        QTest::mouseClick(sciWindow(run)->findChild<QWidget*>("cmdsumx"), Qt::LeftButton);
        QCOMPARE(sciWindow(run)->findChild<QLabel*>("lblNum")->text(), "8");
        for (int round = 0; round < 2; ++round) {
            QTest::mouseClick(sciWindow(run)->findChild<QWidget*>("but"), Qt::LeftButton);
            if (round == 1)
                QTest::qWait(0);
            run.key(Qt::Key_T, Qt::ControlModifier);
            auto* list = sciWindow(run)->findChild<QListWidget*>("lstnum");
            QCOMPARE(list->count(), 3);
            QCOMPARE(list->item(2)->text(), "4");
            QCOMPARE(sciWindow(run)->findChild<QLabel*>("lblcount")->text(), "Count = 3");
            QCOMPARE(sciWindow(run)->findChild<QLabel*>("lblNum")->text(), "0");
        }
    }

    void scientificHelpReachesTheButlerLabel()
    {
        Run run;
        run.preset("Settings", "Splash", "0");
        QVERIFY(run.calculator->start({}));
        run.key(Qt::Key_F1);
        QWidget* butler = run.calculator->toolboxes().window(shell::Toolbox::Butler);
        run.key(Qt::Key_S, Qt::ControlModifier);
        QWidget* sci = sciWindow(run);
        butler->move(sci->x(), sci->y() + sci->height() + 20);
        QVERIFY(QTest::qWaitForWindowExposed(sci));
        const char* const welcome =
            "Welcome to Nuvra. Hover over buttons to know what they do. Hope you enjoy.";
        checkHoverHelp(run, *sci, {
            {"wm_bar", "Nuvra Toolbox, housing Scientific and Statistical functions."},
            {"main_bg", "Scientific Toolbar, which holds scientific functions.", {3, 5}},
            {"main_bot", welcome},
            {"tbb1", "Toggle to Scientific Toolbox."},
            {"tbb2", "Toggle to Statistical Toolbox."},
            {"AngSysM", "Change angular system."},
            {"but", "Close the Toolbox."},
            {"cmdSin", "Finds the sin (T-Ratio) of the current value in the calculator."},
            {"cmdCos", "Finds the cos (T-Ratio) of the current value in the calculator"},
            {"cmdTan", "Finds the tan (T-Ratio) of the current value in the calculator."},
            {"cmdCot", "Finds the cot (T-Ratio) of the current value in the calculator."},
            {"cmdSec", "Finds the sec (T-Ratio) of the current value in the calculator."},
            {"cmdcosec", "Finds the cosec (T-Ratio) of the current value in the calculator."},
            {"cmdsqroot", "Finds the Square-root of the current value in the calculator."},
            {"cmd3root", "Finds the Cube-root of the current value in the calculator."},
            {"cmdxroot", "Finds the 'x'th root of the current value in the calculator."},
            {"cmdr2", "Finds the Square of the current value in the calculator."},
            {"cmdr3", "Finds the Cube of the current value in the calculator."},
            {"cmdrx", "Finds the current value in the calculator raised to 'x'."},
            {"cmdint", "Finds the Integer value of the current value in the calculator."},
            {"cmddeci", "Finds the Decimal Value of the current value in the calculator."},
            {"cmdAbs", "Finds the Absolute Value of the current value in the calculator."},
            {"cmdPie", "A constant containing the value of pi."},
            {"cmdExp", "Finds the 'exp()' Value of the current value in the calculator."},
            {"cmdLn", "Finds the ln Value of the current value in the calculator."},
            {"cmdreci",
             "Finds the Reciprocal (1/x) Value of the current value in the calculator."},
            {"cmdper", "Finds the value of a specified percent of the current value."},
            {"cmdFactorial", "Finds the Factorial of the current value in the calculator."},
            {"cmd00", "Adds the Digit/Number(s) '00'."},
            {"cmdM", "Opens a bar which contains the 'M' functions."},
            {"cmdTax", "Opens a bar which contains tools for calculating taxes."},
        });
        QTest::mouseClick(sci->findChild<QWidget*>("cmdM"), Qt::LeftButton);
        checkHoverHelp(run, *sci, {
            {"cmdMp", "Adds the Current value to 'M'."},
            {"cmdMm", "Subtracts the Current value from 'M'."},
            {"cmdMr", "Displays the current 'M' value."},
            {"cmdMc", "Resets the 'M' value to 0."},
            {"EX_FR", "Double - Click to close this bar.", {2, 2}},
        });
        QTest::mouseClick(sci->findChild<QWidget*>("cmdTax"), Qt::LeftButton);
        checkHoverHelp(run, *sci, {
            {"cmdtaxp", "Finds total value after adding Tax."},
            {"cmdtaxm", "Finds total value after subtracting Tax."},
            {"cmdTaxSet", "Lets you set the Tax Rate (%)."},
        });
        QTest::mouseClick(sci->findChild<QWidget*>("tbb2"), Qt::LeftButton);
        const char* const list = "Displays the stored Values.";
        const char* const result = "Displays the Results (of Statistical Functions).";
        checkHoverHelp(run, *sci, {
            {"stat_main", "Statistical Toolbar, which is filled with Statistical tools.", {2, 2}},
            {"stat_lbl", list},
            {"stat_table", list, {1, 1}},
            {"stattbh", list},
            {"lstnum", list},
            {"lblcount", "Displays the number of stored Values."},
            {"lblnum_bg", result, {1, 1}},
            {"lblNum", result},
            {"cmdC", "Resets the Statistical toolbox."},
            {"cmdinsert", "Adds / Inserts the current value."},
            {"cmdrem", "Removes the current selected value."},
            {"cmdsumx", "Adds all the values in the list."},
            {"cmdsigmax2", "Adds the squares of all the values in the list."},
            {"cmdmean", "Finds the Mean of all the values in the list."},
            {"cmdmeanx2", "Finds the Mean of the squares of all values in the list."},
            {"cmdsump", "Finds the sum of all positive (+ve) values."},
            {"cmdsumn", "Finds the sum of all negative (-ve) values."},
            {"cmdhigh", "Finds the largest value in the list."},
            {"cmdlow", "Finds the smallest value in the list."},
            {"cmdsendf1", "Adds the Result to the current value."},
            {"cmdsendf2", "Subtracts the Result from the current value."},
        });
    }

    // Ctrl+Q opens the formula field with the keyboard in it; Enter puts the result on the
    // main display and the formula into the history.
    void equationToolboxEvaluatesIntoTheDisplay()
    {
        Run run;
        run.preset("Settings", "Splash", "0");
        QVERIFY(run.calculator->start({}));
        run.key(Qt::Key_Q, Qt::ControlModifier);
        QWidget* equation = run.calculator->toolboxes().window(shell::Toolbox::Equation);
        QVERIFY(equation && equation->isVisible());
        auto* field = equation->findChild<QLineEdit*>("txtInput");
        QTRY_COMPARE(QApplication::focusWidget(), field);
        field->clear();
        QTest::keyClicks(field, "2+2");
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(shown(run), "4");
        QCOMPARE(run.calculator->session().history.expressions(),
                 std::vector<std::string>{"2+2 "});
        field->setText("1/0");
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(shown(run), "Error");
        QCOMPARE(run.calculator->session().history.expressions().size(), 1u);
    }

    void equationHelpReachesTheButlerLabel()
    {
        Run run;
        run.preset("Settings", "Splash", "0");
        QVERIFY(run.calculator->start({}));
        run.key(Qt::Key_F1);
        QWidget* butler = run.calculator->toolboxes().window(shell::Toolbox::Butler);
        run.key(Qt::Key_Q, Qt::ControlModifier);
        QWidget* equation = run.calculator->toolboxes().window(shell::Toolbox::Equation);
        butler->move(equation->x(), equation->y() + equation->height() + 20);
        QVERIFY(QTest::qWaitForWindowExposed(equation));
        const char* const field = "Enter an Equation to generate the result.";
        checkHoverHelp(run, *equation, {
            {"txtInput", field},
            {"cmdEnter", "Generate result according to the Equation."},
            {"frmfx", field, {4, 30}},
            {"cmdCopy", "Copy the Equation to Clipboard"},
            {"side", field, {20, 4}},
            {"lblAngSys", "Current angular system is DEG"},
            {"righthandle", field},
            {"but", "Close the Formula Toolbox."},
        });
    }

    // Ctrl+G opens the plotter on the stored plane (an empty range falls back to -10..10); the
    // plane set on its panel outlives the window for the rest of the run.
    void graphToolboxKeepsItsPlaneForTheRun()
    {
        Run run;
        run.preset("Settings", "Splash", "0");
        run.preset("Graph", "XMin", "5");
        run.preset("Graph", "XMax", "5");
        run.preset("Graph", "YMin", "-3");
        run.preset("Graph", "YMax", "7.9");
        QVERIFY(run.calculator->start({}));
        run.key(Qt::Key_G, Qt::ControlModifier);
        auto* graph = static_cast<graph::ui::GraphWindow*>(
            run.calculator->toolboxes().window(shell::Toolbox::Graph));
        QVERIFY(graph && graph->isVisible());
        QVERIFY(run.calculator->menu().isChecked("mnugra"));
        QCOMPARE(graph->windowTitle(), QString("Graph"));
        QCOMPARE(graph->plotter().plane(), (graph::Plane{-10, 10, -3, 7, 1, 1}));

        QTest::mouseClick(graph->findChild<QWidget*>("imgSettings"), Qt::LeftButton);
        graph->findChild<QLineEdit*>("txtXMinimum")->setText("0");
        QTest::mouseClick(graph->findChild<QWidget*>("cmdOK"), Qt::LeftButton);
        QVERIFY(graph->plotter().plotting());
        QTest::mouseClick(graph->findChild<QWidget*>("but"), Qt::LeftButton);
        QVERIFY(!run.calculator->menu().isChecked("mnugra"));

        run.key(Qt::Key_G, Qt::ControlModifier);
        graph = static_cast<graph::ui::GraphWindow*>(
            run.calculator->toolboxes().window(shell::Toolbox::Graph));
        QVERIFY(graph && graph->isVisible());
        QCOMPARE(graph->plotter().plane(), (graph::Plane{0, 10, -3, 7, 1, 1}));
        QCOMPARE(graph->findChild<QLineEdit*>("txtXMinimum")->text(), QString("0"));
        QVERIFY(!graph->plotter().plotting());
        // Nothing of the plane is written back to the store.
        QCOMPARE(run.stored("Graph", "XMin"), std::optional<std::string>("5"));

        // The reset of the menu (F5) takes the curves, the equation and the legend.
        QTest::keyClick(graph->findChild<QWidget*>("txtInput"), Qt::Key_Return);
        QVERIFY(graph->plotter().plotting());
        run.key(Qt::Key_F5);
        QVERIFY(!graph->plotter().plotting());
        QVERIFY(graph->plotter().legendEmpty());
        QCOMPARE(graph->findChild<QLineEdit*>("txtInput")->text(), QString());
        QCOMPARE(graph->plotter().picture().size(), std::size_t(1));
    }

    void graphHelpReachesTheButlerLabel()
    {
        Run run;
        run.preset("Settings", "Splash", "0");
        QVERIFY(run.calculator->start({}));
        run.key(Qt::Key_F1);
        QWidget* butler = run.calculator->toolboxes().window(shell::Toolbox::Butler);
        run.key(Qt::Key_G, Qt::ControlModifier);
        auto* graph = static_cast<graph::ui::GraphWindow*>(
            run.calculator->toolboxes().window(shell::Toolbox::Graph));
        graph->move(0, 0);
        butler->move(0, graph->height() + 20);
        QVERIFY(QTest::qWaitForWindowExposed(graph));
        const char* const reset = "Reset the Graph.";
        checkHoverHelp(run, *graph, {
            {"gra", "The Graph toolbox to plot graphs.", {4, 30}},
            {"txtInput", "Graphical Equation. Click to edit."},
            {"pbGraph", "The Cartesian Plane."},
            {"imgReload", "Replot the Graph."},
            {"imgSettings", "View/Change Graph settings."},
            {"AngSysM", "Angluar System used in the Graphing Toolbox is Radian."},
            {"pull", "Show the equation bar."},
            {"but", "Close the Graph Toolbox."},
        });
        graph->setEquationBarOpen(true);
        checkHoverHelp(run, *graph, {
            {"cmdGraph", "Plot the Fresh Graph for the given equation."},
            {"cmd_PlotOnTop", "Plot the Graph for the given equation in the current plain."},
            {"cmdBK", "Backspace."},
            {"cmdCopy", "Copy the graph (image) to Clipboard."},
            {"cmdReset", reset},
            {"eq_reset", reset},
            {"box_close", "Close the equation bar."},
        });
        graph->ShowPad();
        checkHoverHelp(run, *graph, {
            {"cmdSin", "Add functions to the Equation."},
            {"pad_bot", "Add functions to the Equation.", {4, 4}},
            {"imgPadBksp", "Backspace."},
            {"imgPadPlot", "Plot the Graph for the given equation."},
            {"imgPadSettings", "Hide the function, and show the Cartesian Plane."},
        });
        // A click on the plane says more.
        QTest::mouseClick(graph->findChild<QWidget*>("imgPadSettings"), Qt::LeftButton);
        QTest::mousePress(graph->findChild<QWidget*>("pbGraph"), Qt::LeftButton);
        auto* help = butler->findChild<QLabel*>("o");
        QCOMPARE(help->text(), QString("The Cartesian Plane. The equation will be plotted here."));
    }
};

QTEST_MAIN(CalculatorAppTests)
#include "calculator_app_tests.moc"
