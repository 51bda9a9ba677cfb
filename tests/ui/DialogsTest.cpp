#include <QLineEdit>

#include "UiTestSupport.h"

using namespace uitest;
using brimblet::testing::kDiceClockFor;
using brimblet::testing::kFredClockFor;

class DialogsTest : public QObject {
    Q_OBJECT

    template <typename T> static T* in(QWidget& dialog, const char* name) {
        return dialog.findChild<T*>(QString::fromLatin1(name));
    }

private slots:
    void dialogsAreLaidOutAsDesigned() {
        PictureFolder folder;
        StartedGame g;
        QCOMPARE(g.form2().windowTitle(), QStringLiteral("One Player Game"));
        QCOMPARE(g.form3().windowTitle(), QStringLiteral("Two Player Game"));
        QCOMPARE(g.form2().size(), QSize(323, 57));
        QCOMPARE(g.form3().size(), QSize(352, 103));
        QCOMPARE(g.form2().minimumSize(), g.form2().maximumSize());  // not resizable
        QVERIFY(g.form3().windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!g.form2().isModal());
        QCOMPARE(g.form3().palette().color(QPalette::Window), QColor(255, 0, 0));
        QCOMPARE(in<QLabel>(g.form2(), "Label4")->text(),
                 QStringLiteral("Please enter your name: "));
        QCOMPARE(in<QLabel>(g.form3(), "Label1")->text(),
                 QStringLiteral("Please enter player2's name: "));
        QCOMPARE(in<QLineEdit>(g.form3(), "Edit2")->geometry(), QRect(224, 40, 121, 29));
        QCOMPARE(in<QPushButton>(g.form3(), "Button2")->geometry(), QRect(80, 80, 57, 17));
        QVERIFY(in<QPushButton>(g.form2(), "Button1")->isDefault());
        QVERIFY(!g.form2().isVisible());
        QVERIFY(!g.form3().isVisible());

        // The two-player dialog's tab order: first name, Ok, Cancel, second name.
        g.form3().show();
        QLineEdit* first = in<QLineEdit>(g.form3(), "Edit1");
        first->setFocus(Qt::TabFocusReason);
        QStringList order;
        QWidget* w = first;
        for (int i = 0; i < 4; ++i) {
            order << w->objectName();
            w = w->nextInFocusChain();
            while (!(w->focusPolicy() & Qt::TabFocus)) {
                w = w->nextInFocusChain();
            }
        }
        QCOMPARE(order, QStringList({QStringLiteral("Edit1"), QStringLiteral("Button1"),
                                     QStringLiteral("Button2"), QStringLiteral("Edit2")}));
    }

    void okWritesTheLabelsAndTheHintThenHides_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("label2");
        QTest::newRow("default") << QString() << "Player1s position:";
        QTest::newRow("edited") << "Ann"
                                << "Anns position:";
        QTest::newRow("empty") << ""
                               << "s position:";
    }
    void okWritesTheLabelsAndTheHintThenHides() {
        QFETCH(QString, typed);
        QFETCH(QString, label2);
        PictureFolder folder;
        StartedGame g;
        QTest::mouseClick(g.button("Player1"), Qt::LeftButton);
        QVERIFY(g.form2().isVisible());
        if (!typed.isNull()) {
            in<QLineEdit>(g.form2(), "Edit1")->setText(typed);
        }
        QTest::mouseClick(in<QPushButton>(g.form2(), "Button1"), Qt::LeftButton);
        QCOMPARE(g.label("Label2")->text(), label2);
        QCOMPARE(g.label("Label3")->text(), QStringLiteral("Freds position:"));
        QCOMPARE(g.form1().Log().Text(), QStringLiteral("To start the game click on the die!"));
        QVERIFY(!g.form2().isVisible());
    }

    void twoPlayerOkNamesBothLabels() {
        PictureFolder folder;
        StartedGame g;
        QTest::mouseClick(g.button("Player2"), Qt::LeftButton);
        in<QLineEdit>(g.form3(), "Edit2")->setText(QStringLiteral("Bo"));
        QTest::mouseClick(in<QPushButton>(g.form3(), "Button1"), Qt::LeftButton);
        QCOMPARE(g.label("Label2")->text(), QStringLiteral("Player1s position:"));
        QCOMPARE(g.label("Label3")->text(), QStringLiteral("Bos position:"));
        QCOMPARE(g.log(), QStringList{QStringLiteral("To start the game click on the die!")});
    }

    void cancelChangesNothingButTheModeIsAlreadyChosen() {
        PictureFolder folder;
        StartedGame g;
        QTest::mouseClick(g.button("Player1"), Qt::LeftButton);
        QTest::mouseClick(in<QPushButton>(g.form2(), "Button1"), Qt::LeftButton);
        const QStringList log = g.log();
        QTest::mouseClick(g.button("Player2"), Qt::LeftButton);
        in<QLineEdit>(g.form3(), "Edit1")->setText(QStringLiteral("Cy"));
        QTest::mouseClick(in<QPushButton>(g.form3(), "Button2"), Qt::LeftButton);
        QVERIFY(!g.form3().isVisible());
        QCOMPARE(g.label("Label2")->text(), QStringLiteral("Player1s position:"));
        QCOMPARE(g.label("Label3")->text(), QStringLiteral("Freds position:"));
        QCOMPARE(g.log(), log);
        QCOMPARE(g.state().PlayMode, 2);

        g.clock.Set(kDiceClockFor[2]);
        g.clickDie();  // the cancelled name is used at once
        QCOMPARE(g.log(), QStringList{QStringLiteral("Cy scored a : 3")});
    }

    void namesAreReadLiveWhileTheDialogIsOpen() {
        PictureFolder folder;
        StartedGame g;
        QTest::mouseClick(g.button("Player1"), Qt::LeftButton);
        QVERIFY(g.form2().isVisible());
        in<QLineEdit>(g.form2(), "Edit1")->setText(QStringLiteral("Dee"));
        g.clock.Set(kDiceClockFor[0]);
        g.clock.Push(kFredClockFor[1]);
        g.clickDie();
        QCOMPARE(g.log(), QStringList({QStringLiteral("Dee scored a : 1"),
                                       QStringLiteral("Dee goes up the ladder......"),
                                       QStringLiteral("Fred scored a : 2")}));
        QVERIFY(g.form2().isVisible());
        QCOMPARE(g.label("Label2")->text(), QStringLiteral("Player1's Position: "));
    }

    void nameBoxRefusesAnEleventhCharacterAndEnterPressesOk() {
        PictureFolder folder;
        StartedGame g;
        QTest::mouseClick(g.button("Player1"), Qt::LeftButton);
        QTRY_COMPARE(QApplication::activeWindow(), &g.form2());
        QLineEdit* edit = in<QLineEdit>(g.form2(), "Edit1");
        edit->clearFocus();
        edit->setFocus(Qt::TabFocusReason);
        QVERIFY(edit->hasSelectedText());  // focus by keyboard selects the whole name
        QTest::keyClicks(edit, QStringLiteral("ABCDEFGHIJK"));
        QCOMPARE(edit->text(), QStringLiteral("ABCDEFGHIJ"));
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(!g.form2().isVisible());
        QCOMPARE(g.label("Label2")->text(), QStringLiteral("ABCDEFGHIJs position:"));
        // A name in the letters of Europe's languages and a Hindi one with a conjunct (क्ष) shows
        // as typed in the label and the log.
        QTest::mouseClick(g.button("Player1"), Qt::LeftButton);
        edit->selectAll();
        for (const QChar letter : QStringLiteral("\u0141ucja \u0915\u094D\u0937\u092E\u093E")) {  // keyClicks types only ASCII
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(letter), Qt::NoModifier);
        }
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(g.label("Label2")->text(), QStringLiteral("\u0141ucja \u0915\u094D\u0937\u092E\u093Es position:"));
        g.clock.Set(kDiceClockFor[0]);
        g.clock.Push(kFredClockFor[1]);
        g.clickDie();
        QCOMPARE(g.log().front(), QStringLiteral("\u0141ucja \u0915\u094D\u0937\u092E\u093E scored a : 1"));
    }

    void escapeLeavesTheDialogOpenAndTheCloseBoxHidesIt() {
        PictureFolder folder;
        StartedGame g;
        QTest::mouseClick(g.button("Player2"), Qt::LeftButton);
        QTest::keyClick(in<QLineEdit>(g.form3(), "Edit1"), Qt::Key_Escape);
        QVERIFY(g.form3().isVisible());
        g.form3().close();
        QVERIFY(!g.form3().isVisible());
        QCOMPARE(g.label("Label2")->text(), QStringLiteral("Player1's Position: "));
        QTest::mouseClick(g.button("Player2"), Qt::LeftButton);
        QVERIFY(g.form3().isVisible());
    }

    void aModeButtonAgainKeepsOneDialogAndADialogComesBackWhereItWasLeft() {
        PictureFolder folder;
        StartedGame g;
        QTest::mouseClick(g.button("Player1"), Qt::LeftButton);
        const QPoint centred = g.form2().pos();
        g.form2().move(centred + QPoint(37, 21));
        QTest::mouseClick(g.button("Player1"), Qt::LeftButton);
        QCOMPARE(g.form2().pos(), centred + QPoint(37, 21));
        g.form2().hide();
        QTest::mouseClick(g.button("Player1"), Qt::LeftButton);
        QCOMPARE(g.form2().pos(), centred + QPoint(37, 21));
        int visibleDialogs = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            visibleDialogs += (qobject_cast<NameDialog*>(w) && w->isVisible()) ? 1 : 0;
        }
        QCOMPARE(visibleDialogs, 1);
    }

    void afterAOnePlayerGameTwoPlayersThenCancelKeepsFredsLabel() {
        PictureFolder folder;
        StartedGame g;
        QTest::mouseClick(g.button("Player1"), Qt::LeftButton);
        QTest::mouseClick(in<QPushButton>(g.form2(), "Button1"), Qt::LeftButton);
        QTest::mouseClick(g.button("Player2"), Qt::LeftButton);
        QTest::mouseClick(in<QPushButton>(g.form3(), "Button2"), Qt::LeftButton);
        QCOMPARE(g.label("Label3")->text(), QStringLiteral("Freds position:"));
    }

    void windowsAreCentredOnTheirFirstShowing() {
        PictureFolder folder;
        StartedGame g;
        g.form1().show();
        const QPoint screenCentre = g.form1().screen()->geometry().center();
        const auto offCentre = [&](const QWidget& w) {
            return (w.frameGeometry().center() - screenCentre).manhattanLength();
        };
        QVERIFY(offCentre(g.form1()) <= 2);
        QTest::mouseClick(g.button("Player2"), Qt::LeftButton);
        QVERIFY(offCentre(g.form3()) <= 2);
        g.form3().move(3, 4);
        g.form3().hide();
        g.form1().hide();
        g.form1().show();
        QVERIFY(offCentre(g.form1()) <= 2);
        QTest::mouseClick(g.button("Player2"), Qt::LeftButton);
        QCOMPARE(g.form3().pos(), QPoint(3, 4));  // never centred again
    }
};

BRIMBLET_UI_TEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
