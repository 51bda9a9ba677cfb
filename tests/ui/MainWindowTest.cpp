#include <QClipboard>
#include <QFontInfo>

#include "SquareCoords.h"
#include "UiTestSupport.h"

using brimblet::SquareCoords;
using brimblet::SquarePoint;

using namespace uitest;
using brimblet::testing::kDiceClockFor;
using brimblet::testing::kFredClockFor;

class MainWindowTest : public QObject {
    Q_OBJECT

    static QColor pixelOf(const PictureBox* box, int x, int y) {
        return box->Surface().pixelColor(x, y);
    }
    // The counter's middle pixel, where no two of our pictures agree.
    static QColor middleOf(const QImage* image) { return image->pixelColor(8, 8); }
    static QColor counterAt(const StartedGame& g, int square) {
        const SquarePoint p = SquareCoords[static_cast<std::size_t>(square)];
        return pixelOf(g.picture("Image1"), p.x + 8, p.y + 8);
    }

private slots:
    void layoutHoldsEveryControlWhereTheDesignPutsIt() {
        PictureFolder folder;
        StartedGame g;
        TForm1& w = g.form1();
        QCOMPARE(w.windowTitle(), QStringLiteral("Brimblet"));
        QCOMPARE(w.size(), QSize(514, 316));
        QCOMPARE(w.palette().color(QPalette::Window), QColor(255, 0, 0));
        QVERIFY(!w.windowIcon().isNull());

        // Where each control stands is held to the layout record of all three builds
        // (ScalingTest); here, that they are created, and so stacked, in the design's order.
        QWidget* previous = nullptr;
        for (const char* name : {"Bevel1", "Image1", "Label1", "Label2", "Label3", "Label4", "Image2",
                                 "Image3", "Image4", "Memo1", "Player1", "Player2", "Restart"}) {
            QWidget* widget = g.find<QWidget>(name);
            QVERIFY2(widget != nullptr, name);
            if (previous != nullptr) {
                QVERIFY2(w.children().indexOf(previous) < w.children().indexOf(widget), name);
            }
            previous = widget;
        }
        QCOMPARE(g.label("position1")->pos(), QPoint(488, 200));
        QCOMPARE(g.label("position2")->pos(), QPoint(488, 232));

        QCOMPARE(g.label("Label1")->text(), QStringLiteral("Brimblet"));
        QCOMPARE(g.label("Label2")->text(), QStringLiteral("Player1's Position: "));
        QCOMPARE(g.label("Label3")->text(), QStringLiteral("Player2's Position: "));
        QCOMPARE(g.label("Label4")->text(), QStringLiteral("Throw Die"));
        QCOMPARE(g.button("Player1")->text(), QStringLiteral("1 Player"));
        QCOMPARE(g.button("Player2")->text(), QStringLiteral("2 Players"));
        QCOMPARE(g.button("Restart")->text(), QStringLiteral("Restart"));
        QCOMPARE(g.log(), QStringList({QStringLiteral("Welcome to "), QStringLiteral("Brimblet."),
                                       QStringLiteral("Please choose the number "),
                                       QStringLiteral("of players:")}));
        QCOMPARE(g.picture("Image3")->Surface().size(), QSize(16, 16));
        QCOMPARE(g.picture("Image2")->Surface().size(), QSize(29, 29));
    }

    void fontsResolveToTheirFreeFacesAtTheirPixelSizes() {
        PictureFolder folder;
        StartedGame g;
        g.form1().ensurePolished();
        const struct {
            const char* name;
            int pixels;
            bool bold;
        } fonts[] = {{"Label1", 19, true}, {"Label2", 15, true}, {"position1", 15, true},
                     {"Label4", 13, true}, {"Memo1", 15, true},  {"Player1", 13, false}};
        for (const auto& f : fonts) {
            QWidget* widget = g.find<QWidget>(f.name);
            widget->ensurePolished();
            const QFontInfo info(widget->font());
            QCOMPARE(widget->font().pixelSize(), f.pixels);
            QCOMPARE(widget->font().bold(), f.bold);
            QCOMPARE(info.family(), QStringLiteral("Comic Neue"));
        }
    }

    void logIsReadOnlyWrapsAndHasNoScrollBars() {
        PictureFolder folder;
        StartedGame g;
        auto* memo = g.find<QPlainTextEdit>("Memo1");
        QVERIFY(memo->isReadOnly());
        QVERIFY(memo->textInteractionFlags() & Qt::TextSelectableByMouse);
        QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        g.form1().show();
        QVERIFY(QTest::qWaitForWindowActive(&g.form1()));
        memo->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(memo, QStringLiteral("typed"));
        QTest::keyClick(memo, Qt::Key_Delete);
        QCOMPARE(g.log().size(), 4);
        QTest::keyClick(memo, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(memo, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), g.form1().Log().Text());
    }

    void showingFocusesOnePlayerTabCyclesAndSpaceClicks() {
        PictureFolder folder;
        StartedGame g;
        g.form1().show();
        QVERIFY(QTest::qWaitForWindowActive(&g.form1()));
        QCOMPARE(QApplication::focusWidget(), g.button("Player1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), g.button("Player2"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), g.button("Restart"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), g.find<QWidget>("Memo1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), g.button("Player1"));

        QTest::keyClick(g.button("Player1"), Qt::Key_Space);
        QCOMPARE(g.state().GameActive, 1);
        QVERIFY(g.form2().isVisible());
    }

    void dieAndItsCaptionBothThrowAndOnlyOnceThrowsAreEnabled() {
        PictureFolder folder;
        StartedGame g;
        g.form1().show();
        g.clickDie();
        QTest::mouseClick(g.label("Label4"), Qt::LeftButton);
        QCOMPARE(g.log().size(), 4);  // still the welcome text
        QCOMPARE(g.clock.reads, 0);

        QTest::mouseClick(g.button("Restart"), Qt::LeftButton);
        g.clock.Push(kDiceClockFor[4]);
        g.clock.Push(kFredClockFor[2]);
        g.clickDie();
        const QStringList afterDie = g.log();
        QCOMPARE(afterDie, QStringList({QStringLiteral("Player1 scored a : 5"),
                                        QStringLiteral("Fred scored a : 3")}));

        QTest::mouseClick(g.button("Restart"), Qt::LeftButton);
        g.clock.Set(kDiceClockFor[4]);
        g.clock.Push(kFredClockFor[2]);
        QTest::mouseClick(g.label("Label4"), Qt::LeftButton);
        QCOMPARE(g.log(), afterDie);
        QCOMPARE(g.label("position1")->text(), QStringLiteral("6"));
        QCOMPARE(g.label("position2")->text(), QStringLiteral("4"));
    }

    void logLinesFollowEachKindOfOperation() {
        PictureFolder folder;
        StartedGame g;
        QTest::mouseClick(g.button("Restart"), Qt::LeftButton);
        QCOMPARE(g.form1().Log().Text(),
                 QStringLiteral("Press one of the buttons for different players.\n"));
        QTest::mouseClick(g.button("Player2"), Qt::LeftButton);
        g.form3().hide();
        g.mutableState().Turn = 2;
        g.clock.Set(kDiceClockFor[0]);
        g.clickDie();  // player 2 throws: appended, no blank line after the hint
        QCOMPARE(g.log(),
                 QStringList({QStringLiteral("Press one of the buttons for different players."),
                              QStringLiteral("Player2 scored a : 1"),
                              QStringLiteral("Player2 goes up the ladder......")}));
        g.clickDie();  // player 1: the log starts again
        QCOMPARE(g.log(), QStringList({QStringLiteral("Player1 scored a : 1"),
                                       QStringLiteral("Player1 goes up the ladder......")}));
        QCOMPARE(g.form1().Log().Text(),
                 QStringLiteral("Player1 scored a : 1\nPlayer1 goes up the ladder......"));
    }

    void logKeepsTheNewestLineInView() {
        PictureFolder folder;
        StartedGame g;
        g.form1().show();
        auto* memo = g.find<QPlainTextEdit>("Memo1");
        for (int i = 0; i < 40; ++i) {
            g.form1().Log().AppendLine(QStringLiteral("line %1").arg(i));
        }
        QApplication::processEvents();
        const QRect cursor = memo->cursorRect(memo->textCursor());
        QVERIFY(memo->viewport()->rect().contains(cursor.center()));
        QCOMPARE(g.log().size(), 44);
    }

    void countersAreDrawnAtTheirSquaresPlayerTwoOnTop() {
        PictureFolder folder;
        StartedGame g;
        const GameAssets& a = g.form1().Assets();
        QCOMPARE(counterAt(g, 1), middleOf(a.Counter2()));  // both on 1: player 2 covers player 1
        QCOMPARE(g.label("position1")->text(), QStringLiteral("1"));

        QTest::mouseClick(g.button("Player2"), Qt::LeftButton);
        g.mutableState().Position1 = 8;
        g.clock.Set(kDiceClockFor[1]);  // 8 + 2 = 10
        g.clickDie();
        QCOMPARE(counterAt(g, 10), middleOf(a.Counter1()));
        QCOMPARE(counterAt(g, 1), middleOf(a.Counter2()));
        QCOMPARE(QPoint(SquareCoords[10].x, SquareCoords[10].y), QPoint(230, 202));

        g.mutableState().Position1 = 9;
        g.mutableState().Turn = 1;
        g.clock.Set(kDiceClockFor[2]);  // 9 + 3 = 12: the counter on 9 must be gone
        const QColor boardAt9 = a.Board()->pixelColor(SquareCoords[9].x + 8, SquareCoords[9].y + 8);
        g.clickDie();
        QCOMPARE(counterAt(g, 9), boardAt9);
        QCOMPARE(counterAt(g, 12), middleOf(a.Counter1()));
        QCOMPARE(g.label("position1")->text(), QStringLiteral("12"));
        QCOMPARE(g.label("position2")->pos(), QPoint(488, 232));
    }

    void squareCoordsFollowTheBoardRows() {
        const QPoint expected[][2] = {
            {{1, 0}, {5, 230}},   {{9, 0}, {230, 230}}, {{10, 0}, {230, 202}},
            {{18, 0}, {5, 202}},  {{19, 0}, {5, 175}},  {{45, 0}, {230, 121}},
            {{46, 0}, {230, 90}}, {{73, 0}, {5, 5}},    {{81, 0}, {230, 5}}};
        for (const auto& e : expected) {
            const SquarePoint p = SquareCoords[static_cast<std::size_t>(e[0].x())];
            QCOMPARE(QPoint(p.x, p.y), e[1]);
        }
        // Every counter lies wholly inside the 251 x 252 board.
        for (int n = 1; n <= 81; ++n) {
            const SquarePoint p = SquareCoords[static_cast<std::size_t>(n)];
            QVERIFY(QRect(0, 0, 251, 252).contains(QRect(p.x, p.y, 16, 16)));
        }
    }

    void readOutsShowBareNumbersAndSizeToThem() {
        PictureFolder folder;
        StartedGame g;
        g.mutableState().Position1 = 81;
        QTest::mouseClick(g.button("Player1"), Qt::LeftButton);
        g.mutableState().Position2 = 7;
        g.mutableState().Turn = 2;
        g.clock.Set(kDiceClockFor[0]);
        g.clickDie();  // Fred's counter from 7 to 8, then player 1 refused on 81
        QCOMPARE(g.label("position1")->text(), QStringLiteral("81"));
        QCOMPARE(g.label("position2")->text(), QStringLiteral("8"));
        QVERIFY(g.label("position1")->width() > g.label("position2")->width());
        QCOMPARE(counterAt(g, 81), middleOf(g.form1().Assets().Counter1()));
    }

    void eachThrowShowsItsFaceFredsReplacingThePlayers() {
        PictureFolder folder;
        StartedGame g;
        const GameAssets& a = g.form1().Assets();
        QTest::mouseClick(g.button("Player2"), Qt::LeftButton);
        g.clock.Set(kDiceClockFor[3]);
        g.clickDie();
        QCOMPARE(g.picture("Image2")->Surface(), *a.DieFace(4));

        QTest::mouseClick(g.button("Player1"), Qt::LeftButton);
        g.mutableState().Turn = 1;
        g.clock.Set(kDiceClockFor[1]);
        g.clock.Push(kFredClockFor[5]);
        g.clickDie();
        QCOMPARE(g.picture("Image2")->Surface(), *a.DieFace(6));
    }

    void picturesSurviveRepaints() {
        PictureFolder folder;
        StartedGame g;
        g.form1().show();
        QVERIFY(QTest::qWaitForWindowExposed(&g.form1()));
        QTest::mouseClick(g.button("Restart"), Qt::LeftButton);
        g.clock.Push(kDiceClockFor[2]);
        g.clock.Push(kFredClockFor[3]);
        g.clickDie();
        g.form1().repaint();
        const QImage shown = g.form1().grab().toImage();
        const QImage die = g.form1().Assets().DieFace(4)->convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.copy(400, 272, 29, 29).convertToFormat(QImage::Format_RGB32), die);
    }
};

BRIMBLET_UI_TEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
