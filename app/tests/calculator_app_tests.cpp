#include "app/calculator_app.h"
#include "core/ui/form1.h"
#include "frame/ui/wm.h"
#include "platform/linux/ini_settings_backend.h"
#include "platform/linux/xdg_autostart.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace nuvra;

// The assembled program on the offscreen platform, each test with a settings folder of its own.
class CalculatorAppTests : public QObject {
    Q_OBJECT

private:
    struct Run {
        QTemporaryDir config;
        QTemporaryDir programFolder;
        std::unique_ptr<app::CalculatorApp> calculator;

        Run()
        {
            qputenv("NUVRA_CONFIG_DIR", config.path().toUtf8());
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
        void type(const QString& text)
        {
            QWidget* surface = calculator->frame().findChild<QWidget*>("main_bg");
            for (const QChar c : text)
                QTest::keyClick(surface, c.toLatin1());
        }
    };

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
};

QTEST_MAIN(CalculatorAppTests)
#include "calculator_app_tests.moc"
