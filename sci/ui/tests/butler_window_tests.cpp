#include "art/kit/butler_channel.h"
#include "core/feedback.h"
#include "core/session.h"
#include "sci/ui/butler_window.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using namespace nuvra;
using sci::OperandMode;

Q_DECLARE_METATYPE(sci::OperandMode)

// The Butler window over a fresh session, shown as the menu shows it.
class ButlerWindowTests : public QObject {
    Q_OBJECT

private:
    struct Butler {
        core::CountingFeedback sounds;
        core::Session session{sounds};
        sci::ScienceState science;
        kit::ButlerChannel channel;
        bool butlerChecked = false;
        sci::ui::ButlerWindow window{session, science, channel, [this] { return butlerChecked; }};
        QSignalSpy visibility{&window, &shell::ui::ToolboxWindow::visibilityRequested};

        explicit Butler(const char* x = "0")
        {
            session.display.setEntry(x);
            window.show();
        }
        QWidget* child(const char* name) { return window.findChild<QWidget*>(name); }
        QLineEdit* entry() { return window.findChild<QLineEdit*>("txt"); }
        bool shown(const char* name) { return !child(name)->isHidden(); }
        void enter(const QString& typed)
        {
            QTest::keyClicks(entry(), typed);
            QTest::keyClick(entry(), Qt::Key_Return);
        }
        std::vector<std::string> history() const { return session.history.expressions(); }
        bool lastVisibility() const { return visibility.last().at(0).toBool(); }
    };

private slots:
    void stripComputesWithTheDisplayValue_data()
    {
        QTest::addColumn<OperandMode>("mode");
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("n");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("expression");
        QTest::newRow("power") << OperandMode::Power << "2" << "10" << "1024" << "2 ^ 10";
        QTest::newRow("root_without_blank") << OperandMode::Root << "27" << "3" << "3" << "3 root27";
        QTest::newRow("percent") << OperandMode::Percent << "200" << "15" << "30" << "15% (200 )";
    }
    void stripComputesWithTheDisplayValue()
    {
        QFETCH(OperandMode, mode);
        QFETCH(QString, x);
        QFETCH(QString, n);
        QFETCH(QString, entry);
        QFETCH(QString, expression);
        Butler butler(x.toLatin1().constData());
        butler.session.engine.operandTaken = false;
        butler.session.engine.clearOnDigit = false;
        butler.window.OpenOperandStrip(mode);
        QVERIFY(butler.shown("await"));
        QTRY_VERIFY(butler.entry()->hasFocus());

        butler.enter(n);

        QCOMPARE(QString::fromStdString(butler.session.display.entry()), entry);
        QCOMPARE(butler.history(), std::vector<std::string>{expression.toStdString()});
        QCOMPARE(butler.session.history.results(), std::vector<std::string>{entry.toStdString()});
        QVERIFY(butler.shown("done"));
        QVERIFY(!butler.shown("txt"));
        QVERIFY(!butler.shown("abt"));
        // The result is not marked finished: the engine's flags stay as they were.
        QVERIFY(!butler.session.engine.operandTaken);
        QVERIFY(!butler.session.engine.clearOnDigit);
        // Enter on the continue button closes the strip; the window hides, the command is off.
        QTRY_VERIFY(butler.child("cont")->hasFocus());
        QTest::keyClick(butler.child("cont"), Qt::Key_Return);
        QVERIFY(!butler.shown("done"));
        QVERIFY(!butler.lastVisibility());
    }

    void taxRateOpensSelectedAndLeavesTheHistory()
    {
        Butler butler("12");
        butler.window.OpenOperandStrip(OperandMode::TaxRate);
        QCOMPARE(butler.entry()->text(), QString("5"));
        QCOMPARE(butler.entry()->selectedText(), QString("5"));
        QCOMPARE(butler.window.findChild<QLabel*>("prompt")->text(), QString("% :"));
        butler.enter("7");
        QCOMPARE(butler.science.taxRate, 7.0f);
        QVERIFY(butler.history().empty());
        QCOMPARE(butler.session.display.entry(), std::string("12"));
    }

    void entryTakesDigitsOnly()
    {
        Butler butler("2");
        butler.window.OpenOperandStrip(OperandMode::Power);
        QTest::keyClicks(butler.entry(), "-1.5a");
        QCOMPARE(butler.entry()->text(), QString("15"));
        QTest::keyClick(butler.entry(), Qt::Key_Backspace);
        QCOMPARE(butler.entry()->text(), QString("1"));
    }

    void emptyEntryIsInvalidAndContinueCloses()
    {
        Butler butler("2");
        butler.window.OpenOperandStrip(OperandMode::Power);
        QVERIFY(butler.lastVisibility()); // shown although the command is off
        butler.enter("");
        QVERIFY(butler.shown("err_notif"));
        QVERIFY(!butler.shown("await"));
        QCOMPARE(butler.session.display.entry(), std::string("2"));
        QTest::mouseClick(butler.child("cont"), Qt::LeftButton);
        QVERIFY(!butler.shown("err_notif"));
        QVERIFY(!butler.shown("cont"));
        QVERIFY(!butler.lastVisibility());
    }

    void theWindowStaysWhileTheCommandIsOn()
    {
        Butler butler("2");
        butler.butlerChecked = true;
        butler.window.OpenOperandStrip(OperandMode::Power);
        butler.enter("3");
        QTest::mouseClick(butler.child("cont"), Qt::LeftButton);
        QVERIFY(butler.lastVisibility());
    }

    void rootWithZeroChangesNothing()
    {
        Butler butler("27");
        butler.window.OpenOperandStrip(OperandMode::Root);
        butler.enter("0");
        QCOMPARE(butler.entry()->text(), QString("0"));
        QVERIFY(butler.shown("await"));
        QVERIFY(!butler.shown("err_notif"));
        QVERIFY(butler.history().empty());
        QCOMPARE(butler.session.display.entry(), std::string("27"));
    }

    void coverGoesAfterItsTimeAndTheWindowStays()
    {
        Butler butler;
        QVERIFY(butler.window.coverShown());
        QTRY_VERIFY_WITH_TIMEOUT(!butler.window.coverShown(), 3000);
        QVERIFY(butler.window.isVisible());
    }

    void helpLabelFollowsTheChannel()
    {
        Butler butler;
        auto* help = butler.window.findChild<QLabel*>("o");
        QCOMPARE(help->text(), QString(sci::ui::ButlerWindow::kWelcomeText.data()));
        butler.channel.ShowButlerText("Add the values.");
        QCOMPARE(help->text(), QString("Add the values."));
        // Every control with help of its own puts it there when the pointer comes.
        QTest::mouseMove(butler.child("wm_bar"), QPoint(5, 5));
        QTRY_COMPARE(help->text(),
                     QString("Butler displays the function of each element you hover over."));
    }

    void accessibleControls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("accessibleName");
        QTest::addColumn<bool>("pressable");
        QTest::newRow("close") << "but" << int(QAccessible::Button) << "Close" << true;
        QTest::newRow("continue") << "cont" << int(QAccessible::Button) << "OK" << true;
        QTest::newRow("entry") << "txt" << int(QAccessible::EditableText) << "n" << false;
        QTest::newRow("help") << "o" << int(QAccessible::StaticText)
                              << QString(sci::ui::ButlerWindow::kWelcomeText.data()) << false;
        QTest::newRow("waiting") << "await" << int(QAccessible::StaticText) << "Waiting for n"
                                 << false;
        QTest::newRow("invalid") << "err_notif" << int(QAccessible::StaticText) << "Not a number"
                                 << false;
    }
    void accessibleControls()
    {
        QFETCH(QString, name);
        QFETCH(int, role);
        QFETCH(QString, accessibleName);
        QFETCH(bool, pressable);
        Butler butler("2");
        butler.window.OpenOperandStrip(OperandMode::Power);
        QAccessibleInterface* control =
            QAccessible::queryAccessibleInterface(butler.child(name.toLatin1().constData()));
        QVERIFY(control);
        QCOMPARE(int(control->role()), role);
        QCOMPARE(control->text(QAccessible::Name), accessibleName);
        QAccessibleActionInterface* actions = control->actionInterface();
        QCOMPARE(actions && actions->actionNames().contains(QAccessibleActionInterface::pressAction()),
                 pressable);
        QCOMPARE(QAccessible::queryAccessibleInterface(&butler.window)->text(QAccessible::Name),
                 QString("Butler (Help)"));
    }
};

QTEST_MAIN(ButlerWindowTests)
#include "butler_window_tests.moc"
