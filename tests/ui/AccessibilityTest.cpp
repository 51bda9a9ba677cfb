#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLineEdit>

#include "UiTestSupport.h"

using namespace uitest;

namespace {

QAccessibleInterface* Accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

void Press(QObject* object) {
    QAccessibleInterface* iface = Accessible(object);
    QVERIFY(iface != nullptr && iface->actionInterface() != nullptr);
    iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlSaysWhatItIsAndWhatItShows() {
        PictureFolder folder;
        StartedGame g;
        const struct {
            const char* name;
            QAccessible::Role role;
            const char* text;
        } controls[] = {
            {"Image2", QAccessible::Button, "Throw Die"},
            {"Label4", QAccessible::Button, "Throw Die"},
            {"Image1", QAccessible::Graphic, "Board"},
            {"Memo1", QAccessible::EditableText, "Game messages"},
            {"Player1", QAccessible::Button, "1 Player"},
            {"Restart", QAccessible::Button, "Restart"},
            {"position1", QAccessible::StaticText, "1"},
            {"Image3", QAccessible::Graphic, "Player 1's counter, green"},
        };
        for (const auto& c : controls) {
            QAccessibleInterface* iface = Accessible(g.find<QWidget>(c.name));
            QVERIFY2(iface != nullptr, c.name);
            QCOMPARE(iface->role(), c.role);
            QCOMPARE(iface->text(QAccessible::Name), QString::fromUtf8(c.text));
        }
        QVERIFY(Accessible(g.find<QWidget>("Image2"))
                    ->actionInterface()
                    ->actionNames()
                    .contains(QAccessibleActionInterface::pressAction()));
        QCOMPARE(Accessible(g.picture("Image1"))->text(QAccessible::Description),
                 QStringLiteral("Green counter on square 1, magenta counter on square 1"));
        QVERIFY(!Accessible(g.label("position2"))->text(QAccessible::Description).isEmpty());
    }

    void nameBoxesAreNamedByTheirLabels() {
        PictureFolder folder;
        StartedGame g;
        const auto nameOf = [](QWidget& dialog, const char* box) {
            return Accessible(dialog.findChild<QLineEdit*>(QString::fromLatin1(box)))
                ->text(QAccessible::Name);
        };
        QCOMPARE(nameOf(g.form2(), "Edit1").trimmed(), QStringLiteral("Please enter your name:"));
        QCOMPARE(nameOf(g.form3(), "Edit1").trimmed(),
                 QStringLiteral("Please enter player1's name:"));
        QCOMPARE(nameOf(g.form3(), "Edit2").trimmed(),
                 QStringLiteral("Please enter player2's name:"));
    }

    void aGameIsPlayedWithTheKeyboardAndThePressAction() {
        PictureFolder folder;
        StartedGame g;
        g.form1().show();
        QVERIFY(QTest::qWaitForWindowActive(&g.form1()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);  // "1 Player" has the focus
        // A window counts as active while the one it stays above has the focus: wait for this
        // one to have it.
        QTRY_COMPARE(QApplication::activeWindow(), &g.form2());
        QTest::keyClicks(QApplication::focusWidget(),
                         QStringLiteral("Ada"));  // replaces the selected name
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!g.form2().isVisible());
        QCOMPARE(g.label("Label2")->text(), QStringLiteral("Adas position:"));

        g.clock.Set(brimblet::testing::kDiceClockFor[2]);
        g.clock.Push(brimblet::testing::kFredClockFor[3]);
        Press(g.picture("Image2"));
        QCOMPARE(g.log(), QStringList({QStringLiteral("Ada scored a : 3"),
                                       QStringLiteral("Fred scored a : 4")}));
        QCOMPARE(Accessible(g.picture("Image1"))->text(QAccessible::Description),
                 QStringLiteral("Green counter on square 4, magenta counter on square 5"));
        Press(g.label("Label4"));
        QCOMPARE(g.state().Position1, 8);  // one reading for both throws: 4 for Ada, from 4

        g.form1().activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &g.form1());
        g.button("Player1")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), g.button("Restart"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(g.state().Position1, 1);

        // T throws, wherever the focus is in the main window: once a press, however long held;
        // in a name box it is a letter.
        const auto throws = [&] { return g.form1().GameRules().Record().Throws; };
        const auto before = throws();
        for (const bool repeat : {false, true, true}) {
            QTest::simulateEvent(QApplication::focusWidget(), true, Qt::Key_T, Qt::NoModifier,
                                 QStringLiteral("t"), repeat);
        }
        QTest::keyClick(g.find<QWidget>("Memo1"), Qt::Key_T);
        QCOMPARE(throws(), before + 4);  // two clicks, each the player's throw and Fred's
        QTest::keyClick(g.button("Player1"), Qt::Key_Space);
        QTRY_COMPARE(QApplication::activeWindow(), &g.form2());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_T);
        QCOMPARE(g.form2().PlayerName(), QStringLiteral("Adat"));
        QCOMPARE(throws(), before + 4);
    }
};

BRIMBLET_UI_TEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
