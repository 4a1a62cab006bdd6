#include "shell/menu_model.h"
#include "shell/ui/menu_renderer.h"
#include "shell/ui/notify_icon.h"
#include "shell/ui/popup_window.h"
#include "shell/ui/splash_window.h"
#include "shell/ui/toolbox_registry.h"
#include "shell/ui/toolbox_window.h"
#include "shell/ui/tooltip_window.h"
#include "art/kit/butler_channel.h"
#include "platform/desktop/window_helpers.h"
#include "shell/toolbox_table.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

using namespace nuvra::shell::ui;

class ShellUiTests : public QObject {
    Q_OBJECT

private:
    // A registry over plain windows of the table, with the frame at 3000/1200 on a screen
    // 19200 twips wide, and the menu's marks as the onClosed calls.
    struct Registry {
        nuvra::kit::ButlerChannel butler;
        ToolboxRegistry registry{[] { return FramePlace{{3000, 1200}, 19200}; }};
        std::vector<nuvra::shell::Toolbox> closed;
        int created = 0;

        explicit Registry(nuvra::shell::Toolbox toolbox)
        {
            registry.add(toolbox, [this, toolbox] {
                ++created;
                return new ToolboxWindow(nuvra::shell::toolboxSpec(toolbox), butler);
            });
            registry.onClosed = [this](nuvra::shell::Toolbox t) { closed.push_back(t); };
        }
    };

private slots:
    void tooltipIsCentredAboveItsControl()
    {
        // A control 1000 twips wide at left 500 on a form at left 2000 is centred at 3000.
        constexpr TooltipPlace place = tooltipPlace(2000, 4000, 500, 300, 1000, 2775, 690, 0, 0);
        QCOMPARE(place.left + 2775 / 2, 3000);
        QCOMPARE(place.top, 4000 + 300 - 690);
        constexpr TooltipPlace raised = tooltipPlace(2000, 4000, 500, 300, 1000, 2775, 690, -100, 30);
        QCOMPARE(raised.top, place.top - 100);
        QCOMPARE(raised.left, place.left + 30);
    }

    void toolboxSide_data()
    {
        QTest::addColumn<int>("frameLeft");
        QTest::addColumn<bool>("right");
        QTest::newRow("forty_percent_opens_right") << 7680 << true;
        QTest::newRow("sixty_percent_opens_left") << 11520 << false;
        QTest::newRow("exactly_half_opens_right") << 9600 << true;
    }
    void toolboxSide()
    {
        QFETCH(int, frameLeft);
        QFETCH(bool, right);
        QCOMPARE(ChooseToolboxSide(19200, frameLeft) == ToolboxSide::Right, right);
    }

    void firstPlacementByKind_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("frameLeft");
        QTest::addColumn<QPoint>("place");
        // Frame at top 1200 on a screen 19200 twips wide.
        QTest::newRow("beside_on_the_right") << "mnucot" << 3000 << QPoint(6080, 1200);
        QTest::newRow("beside_on_the_left") << "mnucot" << 12000 << QPoint(12000 - 170 - 3600, 1200);
        QTest::newRow("format_above_the_frame") << "mnudec" << 12000 << QPoint(12000, 500);
    }
    void firstPlacementByKind()
    {
        QFETCH(QString, item);
        QFETCH(int, frameLeft);
        QFETCH(QPoint, place);
        const auto* spec = nuvra::shell::toolboxSpecForItem(item.toStdString());
        QVERIFY(spec);
        const nuvra::platform::TwipsPoint first = firstPlaceFor(*spec, {frameLeft, 1200}, 19200);
        QCOMPARE(QPoint(first.left, first.top), place);
    }

    void menuIsDrawnFromTheModel()
    {
        nuvra::shell::MenuModel model;
        std::vector<std::string> chosen;
        MenuRenderer renderer(model, [&chosen](std::string_view name) { chosen.emplace_back(name); });
        std::unique_ptr<QMenu> menu(renderer.build(nuvra::shell::MenuPopup::System));
        auto action = [&menu](const char* name) { return menu->findChild<QAction*>(name); };
        QVERIFY(action("mnusci"));
        QCOMPARE(action("mnusci")->text(), QString("S&cientific\tCtrl+S"));
        QVERIFY(!action("mnustd")->isVisible());
        QVERIFY(action("mnumodechange_alg")->isChecked());
        QVERIFY(!action("mnumodechange_RPN")->isChecked());
        QVERIFY(action("mnusplash")->isChecked());
        QVERIFY(!action("mnudiv2")->isVisible());
        QCOMPARE(action("mnumin")->text(), QString("&Hide"));
        QCOMPARE(action("mnusysexit")->text(), QString("E&xit\tCtrl+E"));
        action("mnucot")->trigger();
        QCOMPARE(chosen, std::vector<std::string>{"mnucot"});
        model.setChecked("mnucot", true);
        model.setEnabled("mnucopy", false);
        std::unique_ptr<QMenu> again(renderer.build(nuvra::shell::MenuPopup::System));
        QVERIFY(again->findChild<QAction*>("mnucot")->isChecked());
        QVERIFY(!again->findChild<QAction*>("mnucopy")->isEnabled());
    }

    void closeButtonUnloadsOrHides_data()
    {
        QTest::addColumn<int>("toolbox");
        QTest::addColumn<bool>("staysLoaded");
        QTest::newRow("format_unloads") << int(nuvra::shell::Toolbox::Format) << false;
        QTest::newRow("constants_unloads") << int(nuvra::shell::Toolbox::Constants) << false;
        QTest::newRow("history_hides") << int(nuvra::shell::Toolbox::History) << true;
        QTest::newRow("butler_hides") << int(nuvra::shell::Toolbox::Butler) << true;
    }
    void closeButtonUnloadsOrHides()
    {
        QFETCH(int, toolbox);
        QFETCH(bool, staysLoaded);
        const auto which = static_cast<nuvra::shell::Toolbox>(toolbox);
        Registry fixture(which);
        ToolboxRegistry& registry = fixture.registry;

        registry.show(which, false);
        QVERIFY(registry.isLoaded(which));
        QVERIFY(!registry.window(which)->isVisible());
        registry.setVisible(which, true);
        QPointer<ToolboxWindow> window = registry.window(which);
        QVERIFY(window->isVisible());
        window->move(40, 30); // dragged by the user

        QTest::mouseClick(window->findChild<QWidget*>("but"), Qt::LeftButton);

        QCOMPARE(fixture.closed, std::vector<nuvra::shell::Toolbox>{which});
        QCOMPARE(registry.isLoaded(which), staysLoaded);
        QVERIFY(!registry.isVisible(which));
        if (staysLoaded) {
            QVERIFY(window && !window->isVisible());
        } else {
            QTRY_VERIFY(!window); // deleted once the click is over
        }
        QCOMPARE(registry.rememberedPlace(which)->left, 40 * 15);

        registry.show(which, true);
        QCOMPARE(registry.window(which)->pos(), QPoint(40, 30));
        QCOMPARE(fixture.created, staysLoaded ? 1 : 2);
    }

    void aToolboxWithoutItsWindowIsOnlyAState()
    {
        Registry fixture(nuvra::shell::Toolbox::Format);
        fixture.registry.show(nuvra::shell::Toolbox::Graph, true);
        QVERIFY(fixture.registry.isLoaded(nuvra::shell::Toolbox::Graph));
        QVERIFY(fixture.registry.isVisible(nuvra::shell::Toolbox::Graph));
        QVERIFY(fixture.registry.window(nuvra::shell::Toolbox::Graph) == nullptr);
    }

    void trayTextsAreCut()
    {
        NotifyIcon icon;
        icon.setToolTip(QString(200, 'x'));
        QCOMPARE(icon.ToolTip().size(), 127);
        icon.BalloonShow(QString(80, 't'), QString(300, 'b'), NotifyIcon::BalloonIcon::Information);
        QVERIFY(icon.lastBalloonTitle().isEmpty());
        icon.Show();
        QVERIFY(icon.Shown());
        icon.BalloonShow(QString(80, 't'), QString(300, 'b'), NotifyIcon::BalloonIcon::Information);
        QCOMPARE(icon.lastBalloonTitle().size(), 63);
        QCOMPARE(icon.lastBalloonText().size(), 255);
    }

    void restoreUndoesMinimizeToTrayOnly()
    {
        NotifyIcon icon;
        QWidget form;
        icon.Restore(true);
        QVERIFY(!icon.Shown());
        form.show();
        icon.MinimizeToTray(&form);
        QVERIFY(icon.Shown());
        QVERIFY(!form.isVisible());
        icon.Restore(true);
        QVERIFY(!icon.Shown());
        QVERIFY(form.isVisible());
    }

    void popupShowsItsKindAndClosesItself()
    {
        auto* popup = new PopupWindow("shortcut", "History Toolbox", "H");
        QSignalSpy closed(popup, &PopupWindow::closed);
        popup->show();
        QVERIFY(popup->findChild<QLabel*>("Label")->isVisibleTo(popup));
        QCOMPARE(popup->findChild<QLabel*>("alpha")->text(), QString("H"));
        QVERIFY(closed.wait(5000));
        auto* copy = new PopupWindow("copy", {}, {});
        QVERIFY(!copy->findChild<QLabel*>("Label")->isVisibleTo(copy));
        copy->close();
    }

    void splashShowsTheFrameThenCloses()
    {
        SplashWindow splash;
        QSignalSpy due(&splash, &SplashWindow::frameDue);
        QSignalSpy finished(&splash, &SplashWindow::finished);
        splash.start();
        QVERIFY(finished.wait(5000));
        QCOMPARE(due.count(), 1);
        QVERIFY(!splash.isVisible());
    }

    void transparencyAndSizeRestriction()
    {
        QWidget window;
        nuvra::platform::MakeTransparent(window, true, false, 220);
        QVERIFY(window.testAttribute(Qt::WA_TranslucentBackground));
        QCOMPARE(qRound(window.windowOpacity() * 255), 220);
        nuvra::platform::MakeTransparent(window, true, true, 100);
        QCOMPARE(qRound(window.windowOpacity() * 255), 255);
        nuvra::platform::StartSizeRestrict(window);
        window.resize(120, 80);
        QCOMPARE(window.width(), 200);
        nuvra::platform::StopSizeRestrict(window);
        window.resize(120, 80);
        QCOMPARE(window.width(), 120);
    }

    void tooltipShowsTheText()
    {
        QWidget form;
        form.move(300, 200);
        QWidget control(&form);
        control.setGeometry(20, 40, 60, 20);
        form.show();
        TooltipWindow tooltip;
        tooltip.ShowTooltip(control, "Use upto 2 decimals", 0, 250);
        QVERIFY(tooltip.isVisible());
        QCOMPARE(tooltip.text(), QString("Use upto 2 decimals"));
        tooltip.HideTooltip();
        QVERIFY(!tooltip.isVisible());
    }
};

QTEST_MAIN(ShellUiTests)
#include "shell_ui_tests.moc"
