#include "shell/menu_model.h"
#include "shell/ui/menu_renderer.h"
#include "shell/ui/notify_icon.h"
#include "shell/ui/popup_window.h"
#include "shell/ui/splash_window.h"
#include "shell/ui/toolbox_registry.h"
#include "shell/ui/toolbox_window.h"
#include "shell/ui/tooltip_window.h"
#include "platform/desktop/window_helpers.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

using namespace nuvra::shell::ui;

class ShellUiTests : public QObject {
    Q_OBJECT

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

    void firstPlacementAndRememberedPlace()
    {
        QCOMPARE(firstToolboxPlace(ToolboxSide::Right, 3000, 1200, 2400).left, 6080);
        QCOMPARE(firstToolboxPlace(ToolboxSide::Left, 9000, 1200, 2400).left, 6430);
        ToolboxPlacement placement;
        {
            ToolboxWindow toolbox("cot", "Constants", 2400, 3000, placement);
            toolbox.placeBeside(3000, 1200, 19200);
            QCOMPARE(toolbox.pos(), QPoint(6080 / 15, 1200 / 15));
            toolbox.move(100, 50);
        }
        QVERIFY(placement.saved.has_value());
        ToolboxWindow again("cot", "Constants", 2400, 3000, placement);
        again.placeBeside(3000, 1200, 19200);
        QCOMPARE(again.pos(), QPoint(100, 50));
    }

    void closeButtonAsksTheOwner()
    {
        ToolboxPlacement placement;
        ToolboxWindow toolbox("dec", "Format", 2400, 1500, placement);
        int closes = 0;
        toolbox.onClose = [&closes] { ++closes; };
        toolbox.show();
        QTest::mouseClick(toolbox.findChild<QWidget*>("but"), Qt::LeftButton);
        QCOMPARE(closes, 1);
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

    void registryLoadsPlacesAndUnloadsToolboxWindows()
    {
        ToolboxRegistry registry([](int& left, int& top, int& screenWidth) {
            left = 3000;
            top = 1200;
            screenWidth = 19200;
        });
        int created = 0;
        registry.registerToolbox(nuvra::shell::Toolbox::Format, [&created](ToolboxPlacement& place) {
            ++created;
            return std::make_unique<ToolboxWindow>("dec", "Format", 2400, 1500, place);
        });
        std::vector<nuvra::shell::Toolbox> closed;
        registry.onCloseButton = [&closed](nuvra::shell::Toolbox t) { closed.push_back(t); };

        registry.show(nuvra::shell::Toolbox::Format, false);
        QVERIFY(registry.isLoaded(nuvra::shell::Toolbox::Format));
        QVERIFY(!registry.window(nuvra::shell::Toolbox::Format)->isVisible());
        registry.setVisible(nuvra::shell::Toolbox::Format, true);
        ToolboxWindow* window = registry.window(nuvra::shell::Toolbox::Format);
        QVERIFY(window->isVisible());
        QCOMPARE(window->pos(), QPoint(6080 / 15, 1200 / 15));
        QTest::mouseClick(window->findChild<QWidget*>("but"), Qt::LeftButton);
        QCOMPARE(closed.size(), std::size_t{1});
        window->move(40, 30);
        registry.unload(nuvra::shell::Toolbox::Format);
        QVERIFY(!registry.isLoaded(nuvra::shell::Toolbox::Format));
        registry.show(nuvra::shell::Toolbox::Format, true);
        QCOMPARE(registry.window(nuvra::shell::Toolbox::Format)->pos(), QPoint(40, 30));
        QCOMPARE(created, 2);
        // A toolbox without a window yet is only a state.
        registry.show(nuvra::shell::Toolbox::Graph, true);
        QVERIFY(registry.isLoaded(nuvra::shell::Toolbox::Graph));
        QVERIFY(registry.window(nuvra::shell::Toolbox::Graph) == nullptr);
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
