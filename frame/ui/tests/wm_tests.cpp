#include "core/session.h"
#include "art/kit/butler_channel.h"
#include "core/ui/form1.h"
#include "frame/key_map.h"
#include "frame/rpn_panel.h"
#include "frame/ui/wm.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

using namespace nuvra;

// The frame with the main window, driven through its real widgets.
class WmTests : public QObject {
    Q_OBJECT

private:
    struct Calculator {
        core::CountingFeedback sounds;
        core::Session session{sounds};
        frame::RpnPanel panel{session};
        frame::KeyMap keys{session, panel};
        kit::ButlerChannel butler;
        frame::ui::Wm wm{session, panel, keys, butler};

        Calculator()
        {
            wm.show();
            wm.form1().completeSetup(); // as the program does once the frame is up
            wm.form1().FocusKeypad();
        }
        QWidget* child(const char* name) { return wm.findChild<QWidget*>(name); }
        QWidget* surface() { return child("main_bg"); }
        // The shown text as a screen reader hears it.
        QString shown()
        {
            return QAccessible::queryAccessibleInterface(child("lblnumber"))->text(QAccessible::Name);
        }
        void click(const QStringList& names)
        {
            for (const QString& name : names) {
                QWidget* key = wm.findChild<QWidget*>(name);
                QVERIFY2(key, qPrintable(name));
                QTest::mouseClick(key, Qt::LeftButton);
            }
        }
        void type(const QString& text)
        {
            for (const QChar c : text)
                QTest::keyClick(surface(), c.toLatin1());
        }
        void shifted(Qt::Key key)
        {
            QTest::keyPress(surface(), Qt::Key_Shift);
            QTest::keyClick(surface(), key, Qt::ShiftModifier);
        }
    };

private slots:
    void keypadClicks_data()
    {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("shown");
        QTest::newRow("left_to_right") << QStringList{"cmd2", "cmdADD", "cmd3", "cmdMULTIPLY",
                                                       "cmd4", "cmdEQUALS"}
                                       << "20";
        QTest::newRow("divide_by_zero") << QStringList{"cmd8", "cmdDIVIDE", "cmd0", "cmdEQUALS"}
                                        << "undefined";
        QTest::newRow("sign_and_backspace") << QStringList{"cmd1", "cmd2", "cmdBK", "cmdSIGN"}
                                            << "-1";
        QTest::newRow("cancel") << QStringList{"cmd9", "cmdADD", "cmd9", "cmdCancel"} << "0";
        QTest::newRow("point") << QStringList{"cmd1", "cmdDOT", "cmd5", "cmdSubtract", "cmd0",
                                              "cmdDOT", "cmd5", "cmdEQUALS"}
                               << "1";
    }
    void keypadClicks()
    {
        QFETCH(QStringList, keys);
        QFETCH(QString, shown);
        Calculator calculator;
        calculator.click(keys);
        QCOMPARE(calculator.shown(), shown);
    }

    void keyboardTyping_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("left_to_right") << "2+3*4=" << "20";
        QTest::newRow("enter_is_equals") << "7*6\r" << "42";
        QTest::newRow("undefined") << "8/0=" << "undefined";
        QTest::newRow("new_calculation_after_undefined") << "8/0=3+2=" << "5";
        QTest::newRow("typed_c_cancels") << "12c" << "0";
    }
    void keyboardTyping()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        Calculator calculator;
        calculator.type(typed);
        QCOMPARE(calculator.shown(), shown);
    }

    void errorWordsAreOrange()
    {
        Calculator calculator;
        calculator.type("8/0=");
        QVERIFY(calculator.session.display.shownInErrorColour());
        calculator.type("3");
        QVERIFY(!calculator.session.display.shownInErrorColour());
    }

    void pressedKeyMovesDownUntilKeyUp()
    {
        Calculator calculator;
        QWidget* seven = calculator.child("cmd7");
        const int restTop = seven->y();
        QTest::keyPress(calculator.surface(), Qt::Key_7, Qt::NoModifier);
        QCOMPARE(seven->y(), restTop + 1);
        QTest::keyRelease(calculator.surface(), Qt::Key_7, Qt::NoModifier);
        QCOMPARE(seven->y(), restTop);
    }

    void cKeyCancelsOnce()
    {
        Calculator calculator;
        calculator.type("5+3=");
        QTest::keyClick(calculator.surface(), 'c');
        QCOMPARE(calculator.shown(), QString("0"));
        QCOMPARE(calculator.sounds.beeps(), 0);
    }

    void aCtrlWhoseKeyUpWentElsewhereMakesNoShortcut()
    {
        Calculator calculator;
        calculator.type("42");
        // Ctrl goes down here, but its key-up never arrives (a global grab took the chord).
        QTest::keyPress(calculator.surface(), Qt::Key_Control);
        QVERIFY(calculator.keys.ctrlHeld());
        QTest::keyClick(calculator.surface(), 'c');
        QCOMPARE(calculator.shown(), QString("0"));
        QVERIFY(!calculator.keys.ctrlHeld());
    }

    void rpnModeShowsTheStack()
    {
        Calculator calculator;
        QCOMPARE(calculator.wm.width(), 194);
        calculator.shifted(Qt::Key_M);
        QVERIFY(calculator.session.engine.rpnMode);
        QCOMPARE(calculator.wm.width(), 318);
        QVERIFY(calculator.child("RPN_Empty")->isVisible());
        calculator.type("5\r3+2");
        QCOMPARE(calculator.shown(), QString("2"));
        auto* rows = calculator.wm.findChild<QListWidget*>("RPNList_2");
        QVERIFY(rows->isVisible());
        QCOMPARE(rows->count(), 1);
        QCOMPARE(rows->item(0)->text(), QString("Y:   8"));
        QVERIFY(!calculator.child("RPN_Empty")->isVisible());
        // The equals key says what it shows: ENTER in RPN mode.
        QCOMPARE(QAccessible::queryAccessibleInterface(calculator.child("cmdEQUALS"))
                     ->text(QAccessible::Name),
                 QString("ENTER"));
    }

    void stackCommandsByMouseAndKeyboard()
    {
        Calculator calculator;
        calculator.panel.EnterRpnMode();
        calculator.type("1\r2\r3\r4");
        calculator.click({"rpnh1"});
        QCOMPARE(calculator.shown(), QString("3"));
        auto* rows = calculator.wm.findChild<QListWidget*>("RPNList_2");
        QCOMPARE(rows->item(2)->text(), QString("A:   4"));
        calculator.shifted(Qt::Key_Z);
        QCOMPARE(calculator.shown(), QString("2"));
        QCOMPARE(rows->count(), 2);
    }

    void panelToggleClosesThePanel()
    {
        Calculator calculator;
        calculator.panel.EnterRpnMode();
        calculator.wm.applyPanelState();
        calculator.click({"RPN_Toggle"});
        QCOMPARE(calculator.wm.width(), 194);
        QCOMPARE(QString::fromStdString(calculator.panel.SaveModeState()), QString("2"));
        calculator.shifted(Qt::Key_S);
        QCOMPARE(calculator.wm.width(), 318);
        // A screen reader toggles it too.
        QAccessible::queryAccessibleInterface(calculator.child("RPN_Toggle"))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(calculator.wm.width(), 194);
    }

    void exitStripByKeyboard()
    {
        Calculator calculator;
        QSignalSpy confirmed(&calculator.wm.form1(), &core::ui::Form1::exitConfirmed);
        QTest::keyPress(calculator.surface(), Qt::Key_Control);
        QTest::keyClick(calculator.surface(), Qt::Key_E, Qt::ControlModifier);
        QVERIFY(calculator.child("killfr")->isVisible());
        QTest::keyClick(calculator.surface(), '\r');
        QVERIFY(!calculator.child("killfr")->isVisible());
        QCOMPARE(confirmed.count(), 0);
        calculator.click({"wb_btn"});
        QVERIFY(calculator.child("killfr")->isVisible());
        QTest::keyClick(calculator.surface(), Qt::Key_Right);
        QTest::keyClick(calculator.surface(), '\r');
        QCOMPARE(confirmed.count(), 1);
    }

    void copyAndPasteThroughTheClipboard()
    {
        Calculator calculator;
        calculator.type("6*7=");
        QTest::keyPress(calculator.surface(), Qt::Key_Control);
        QTest::keyClick(calculator.surface(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QString("42"));
        QApplication::clipboard()->setText(" 1,234 ");
        QTest::keyPress(calculator.surface(), Qt::Key_Control);
        QTest::keyClick(calculator.surface(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(calculator.shown(), QString("1234"));
    }

    void copyPasteStripOpensOnRightClickAndClosesOnChange()
    {
        Calculator calculator;
        calculator.type("5");
        QTest::mouseClick(calculator.child("lblnumber"), Qt::RightButton);
        QVERIFY(calculator.child("copypaste_box")->isVisible());
        calculator.type("1");
        QVERIFY(!calculator.child("copypaste_box")->isVisible());
    }

    void hoverTextsReachTheButler()
    {
        Calculator calculator;
        QSignalSpy texts(&calculator.butler, &kit::ButlerChannel::textShown);
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(calculator.child("cmdADD"), &enter);
        QCOMPARE(calculator.butler.lastText(), QString("Add the values."));
        QApplication::sendEvent(calculator.child("cmd7"), &enter);
        QCOMPARE(calculator.butler.lastText(), QString("The Number / Digit 7."));
        QCOMPARE(texts.count(), 2);
    }

    void gearDialogSlidesOutAndRemembersTheAnswer()
    {
        Calculator calculator;
        calculator.wm.offerGearDialog("0");
        QVERIFY(!calculator.child("dlg") || !calculator.child("dlg")->isVisible());
        QSignalSpy choices(&calculator.wm, &frame::ui::Wm::gearChoiceMade);
        calculator.wm.offerGearDialog("1");
        QVERIFY(calculator.child("dlg")->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!calculator.wm.gearSlide().running(), 5000);
        QCOMPARE(calculator.wm.width(), 332);
        QCOMPARE(calculator.child("dlg")->x(), 194);
        calculator.click({"dBut"});
        QVERIFY(calculator.child("dlg_2")->isVisible());
        calculator.click({"dlg2_b2"});
        QCOMPARE(choices.count(), 1);
        QCOMPARE(choices.at(0).at(0).toString(), QString("0"));
        QTRY_VERIFY_WITH_TIMEOUT(!calculator.child("dlg")->isVisible(), 5000);
        QCOMPARE(calculator.wm.width(), 194);
    }

    // What a screen reader finds on every control of the main window and the frame: its role,
    // what it is called, its help as the description, and a press action where it acts.
    void accessibleControls_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        const int button = QAccessible::Button;
        for (int digit = 0; digit <= 9; ++digit) {
            QTest::addRow("cmd%d", digit) << QString("cmd%1").arg(digit) << button
                                          << QString::number(digit)
                                          << QString("The Number / Digit %1.").arg(digit);
        }
        const QString copyPaste = "Copy to clipboard or Paste from clipboard.";
        QTest::newRow("cmdADD") << "cmdADD" << button << "+" << "Add the values.";
        QTest::newRow("cmdSubtract") << "cmdSubtract" << button << "\u2212" << "Subtract the values.";
        QTest::newRow("cmdMULTIPLY") << "cmdMULTIPLY" << button << "\u00d7" << "Multiply the values.";
        QTest::newRow("cmdDIVIDE") << "cmdDIVIDE" << button << "\u00f7" << "Divide the values.";
        QTest::newRow("cmdEQUALS") << "cmdEQUALS" << button << "=" << "Solve and display the value";
        QTest::newRow("cmdCancel") << "cmdCancel" << button << "C" << "Cancel the operation.";
        QTest::newRow("cmdBK") << "cmdBK" << button << "Backspace"
                               << "Backspace. Erase the last digit on the display.";
        QTest::newRow("cmdSIGN") << "cmdSIGN" << button << "Change sign" << "";
        QTest::newRow("cmdDOT") << "cmdDOT" << button << "." << "";
        QTest::newRow("cmdmnu") << "cmdmnu" << button << "Settings" << "Displays the Settings Panel.";
        QTest::newRow("aotmstr") << "aotmstr" << int(QAccessible::CheckBox) << "Always on top" << "";
        QTest::newRow("lblnumber") << "lblnumber" << int(QAccessible::StaticText) << "0"
                                   << "The results / answers will be displayed here.";
        QTest::newRow("copypaste_copy") << "copypaste_copy" << button << "Copy" << copyPaste;
        QTest::newRow("copypaste_paste") << "copypaste_paste" << button << "Paste" << copyPaste;
        QTest::newRow("copypaste_back") << "copypaste_back" << button << "Back" << copyPaste;
        QTest::newRow("killfr_n") << "killfr_n" << button << "No" << "";
        QTest::newRow("killfr_y") << "killfr_y" << button << "Yes" << "";
        QTest::newRow("wm_menu") << "wm_menu" << button << "Menu"
                                 << "Toggle various controls through the Menu.";
        QTest::newRow("wb_min") << "wb_min" << button << "Minimize" << "Minimize Nuvra to the tray.";
        QTest::newRow("wb_btn") << "wb_btn" << button << "Close"
                                << "Exit / Close the application (Nuvra)";
        QTest::newRow("RPN_Toggle") << "RPN_Toggle" << int(QAccessible::CheckBox) << "Stack panel"
                                    << "Toggle b/w Algebraic and RPN modes. (Shift+M)";
        QTest::newRow("rpnh1") << "rpnh1" << button << "Roll"
                               << "Roll values from within the stack (Shift+Q).";
        QTest::newRow("rpnh2") << "rpnh2" << button << "Swap"
                               << "Swap the X (Display) value with the Y value. (Shift+A)";
        QTest::newRow("rpnh3") << "rpnh3" << button << "Drop"
                               << "Drop the X (Display) value and shift the stack down. (Shift+Z)";
        QTest::newRow("RPNList_2") << "RPNList_2" << int(QAccessible::List) << ""
                                   << "View the values in the stack.";
    }
    void accessibleControls()
    {
        QFETCH(QString, control);
        QFETCH(int, role);
        QFETCH(QString, name);
        QFETCH(QString, description);
        Calculator calculator;
        QAccessibleInterface* accessible =
            QAccessible::queryAccessibleInterface(calculator.child(control.toLatin1().constData()));
        QVERIFY(accessible);
        QCOMPARE(int(accessible->role()), role);
        if (!name.isEmpty())
            QCOMPARE(accessible->text(QAccessible::Name), name);
        QCOMPARE(accessible->text(QAccessible::Description), description);
        // Buttons are pressed, check boxes toggled; labels and lists do neither.
        QAccessibleActionInterface* actions = accessible->actionInterface();
        const QStringList names = actions ? actions->actionNames() : QStringList();
        QCOMPARE(names.contains(QAccessibleActionInterface::pressAction()),
                 role == QAccessible::Button);
        QCOMPARE(names.contains(QAccessibleActionInterface::toggleAction()),
                 role == QAccessible::CheckBox);
    }

    void keypadPressedThroughAssistiveTechnology()
    {
        Calculator calculator;
        for (const char* key : {"cmd7", "cmdADD", "cmd2", "cmdEQUALS"}) {
            QAccessibleInterface* accessible =
                QAccessible::queryAccessibleInterface(calculator.child(key));
            accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        }
        QTRY_COMPARE(calculator.shown(), QString("9"));
        QCOMPARE(QAccessible::queryAccessibleInterface(&calculator.wm)->text(QAccessible::Name),
                 QString("Nuvra"));
    }

    void everyKeypadControlHasItsName()
    {
        Calculator calculator;
        for (const char* name :
             {"Form1", "main_bg", "lblnumber", "txtnumber", "txtUSR", "cmd0", "cmd1", "cmd2",
              "cmd3", "cmd4", "cmd5", "cmd6", "cmd7", "cmd8", "cmd9", "cmdDOT", "cmdADD",
              "cmdSubtract", "cmdMULTIPLY", "cmdDIVIDE", "cmdEQUALS", "cmdCancel", "cmdBK",
              "cmdSIGN", "cmdmnu", "aotmstr", "copypaste_box", "copypaste_copy",
              "copypaste_paste", "copypaste_back", "copypaste_under", "killfr", "killfr_y",
              "killfr_n", "killfr_u", "shr_1", "shr_2", "shr_3", "cmdExit", "wm_menu", "wb_min",
              "wb_btn", "RPN_Panel", "RPNList_2", "RPN_Empty", "RPN_Emp_lbl", "RPN_Toggle",
              "RPN_ToggleEx", "rpnh1", "rpnh2", "rpnh3", "RPN_box", "RPN_box_hlght"}) {
            QVERIFY2(calculator.wm.findChild<QObject*>(name) || calculator.wm.objectName() == name,
                     name);
        }
    }
};

QTEST_MAIN(WmTests)
#include "wm_tests.moc"
