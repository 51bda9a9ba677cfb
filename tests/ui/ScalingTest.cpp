// Run at QT_SCALE_FACTOR 1 and 2: the window scales as a whole, the pictures by whole pixels
// (no blur), no text is cut off, and every control is where the layout record of all three
// builds puts it.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QProcess>
#include <QStyle>
#include <QStyleOptionButton>

#include "Catalogue.h"

#include "SquareCoords.h"
#include "LanguageFace.h"
#include "UiTestSupport.h"

using brimblet::SquareCoords;
using brimblet::SquarePoint;

using namespace uitest;

class ScalingTest : public QObject {
    Q_OBJECT

private slots:
    void windowScalesAsAWholeWithSharpPictures() {
        PictureFolder folder;
        StartedGame g;
        g.form1().show();
        QVERIFY(QTest::qWaitForWindowExposed(&g.form1()));
        const int f = qRound(g.form1().devicePixelRatioF());
        QCOMPARE(f, qEnvironmentVariableIntValue("QT_SCALE_FACTOR") > 0
                        ? qEnvironmentVariableIntValue("QT_SCALE_FACTOR")
                        : 1);
        const QImage shot = g.form1().grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shot.size(), QSize(514, 316) * f);
        if (f > 1) {
            shot.save(
                QStringLiteral(BRIMBLET_TEST_OUTPUT_DIR "/window-at-scale-2.png"));  // for a look
        }

        // The bevel's two colours, as the Windows system's defaults and the browser draw them.
        QCOMPARE(shot.pixelColor(8 * f, 100 * f), QColor(255, 255, 255));
        QCOMPARE(shot.pixelColor(275 * f + f - 1, 100 * f), QColor(160, 160, 160));
        QCOMPARE(shot.pixelColor(100 * f, 308 * f + f - 1), QColor(160, 160, 160));

        // Every board pixel becomes an f x f block of exactly its colour: nearest neighbour.
        const QImage& board = g.picture("Image1")->Surface();
        int mismatches = 0;
        for (int y = 0; y < board.height(); y += 3) {
            for (int x = 0; x < board.width(); x += 3) {
                for (int d = 0; d < f * f; ++d) {
                    mismatches +=
                        shot.pixel((16 + x) * f + d % f, (48 + y) * f + d / f) != board.pixel(x, y);
                }
            }
        }
        QCOMPARE(mismatches, 0);

        // Both counters (on square 1, player 2's on top) lie inside the square at every scale.
        const SquarePoint p = SquareCoords[1];
        const QRgb counter = g.form1().Assets().Counter2()->pixel(8, 8);
        QCOMPARE(shot.pixel((16 + p.x + 8) * f, (48 + p.y + 8) * f), counter);
        QVERIFY(QRect(0, 224, 28, 28).contains(QRect(p.x, p.y, 16, 16)));
    }

    // Every text of every language, put in its control as the game puts it there, fits it
    // whole: labels and buttons on one line, the name boxes' default names, each line of the
    // log's first text, the name labels as Ok writes them, and the die's caption left of the die.
    void noTextOfAnyLanguageIsCutOff() {
        PictureFolder folder;
        StartedGame g;
        QHash<QWidget*, QString> english;  // the tests run in English
        for (QWidget* window : {static_cast<QWidget*>(&g.form1()), static_cast<QWidget*>(&g.form2()),
                                static_cast<QWidget*>(&g.form3())}) {
            window->show();
            for (QWidget* c : window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
                const QVariant text = c->property(qobject_cast<QPlainTextEdit*>(c) ? "plainText" : "text");
                if (!text.toString().isEmpty()) {
                    english[c] = text.toString();
                }
            }
        }
        for (const brimblet::Catalogue& texts : brimblet::Catalogue::All()) {
            const brimblet::GameTexts game = texts.Game();
            for (auto c = english.cbegin(); c != english.cend(); ++c) {
                QWidget* control = c.key();
                QStringList shown = QString::fromUtf8(texts.Text(c.value().toUtf8().constData())).split(QLatin1Char('\n'));
                int room = control->contentsRect().width();
                if (auto* button = qobject_cast<QPushButton*>(control)) {
                    QStyleOptionButton option;
                    option.initFrom(button);
                    room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
                } else if (auto* box = qobject_cast<QLineEdit*>(control)) {
                    room -= box->textMargins().left() + box->textMargins().right() + 4;
                } else if (auto* memo = qobject_cast<QPlainTextEdit*>(control)) {
                    room = memo->viewport()->width() - 2 * int(memo->document()->documentMargin());
                } else if (control == g.label("Label4")) {
                    room = g.form1().findChild<QWidget*>(QStringLiteral("Image2"))->x() - control->x();
                } else if (control == g.label("Label2") || control == g.label("Label3")) {
                    shown << QString::fromStdString(game.PositionOf(texts.Text("Player1")))
                          << QString::fromStdString(game.FredsPosition);
                }
                // Drawn in the language's face alone, which must be the one fontconfig gives and
                // have every letter; a face other than the design's keeps a tenth spare.
                QFont font = InLanguageFace(control->font(), texts);
                font.setStyleStrategy(QFont::NoFontMerging);
                const QFontMetrics metrics(font);
                const QString code = QString::fromUtf8(texts.Code().data(), int(texts.Code().size()));
                QVERIFY2(texts.InDesignFace() || QFontInfo(font).family() == font.family(), qPrintable(code));
                // A number or a name in another face: the program sizes its label to the text.
                if (!texts.InDesignFace() && shown.join(QLatin1Char('\n')) == c.value()) {
                    continue;
                }
                const int fits = texts.InDesignFace() ? room : room * 9 / 10;
                for (const QString& line : shown) {
                    const int width = metrics.horizontalAdvance(line);
                    QVERIFY2(width <= fits, qPrintable(QStringLiteral("%1 %2: \"%3\" is %4 px, the control has %5")
                                                           .arg(code, control->objectName(), line).arg(width).arg(fits)));
                    for (const uint letter : line.toUcs4()) {
                        // A space or a format character (a bidirectional isolate) needs no glyph.
                        QVERIFY2(QChar::isSpace(letter) || QChar::category(letter) == QChar::Other_Format ||
                                     metrics.inFontUcs4(letter),
                                 qPrintable(code + line));
                    }
                }
            }
        }
    }

    // Read from the windows as start-up builds them, and held to the record by its checker.
    void windowsWhereTheLayoutRecordPutsThem() {
        PictureFolder folder;
        StartedGame g;
        QJsonObject windows;
        for (QWidget* window : {static_cast<QWidget*>(&g.form1()), static_cast<QWidget*>(&g.form2()),
                                static_cast<QWidget*>(&g.form3())}) {
            window->show();
            QJsonArray controls;
            for (QWidget* control : window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
                auto* label = qobject_cast<QLabel*>(control);
                const QRect r = control->geometry();
                controls.append(QJsonArray{control->objectName(), r.x(), r.y(), r.width(), r.height(),
                                           label ? label->fontMetrics().horizontalAdvance(label->text()) : 0});
            }
            windows.insert(window->objectName(),
                           QJsonArray{QJsonArray{window->width(), window->height()}, controls});
        }
        QProcess check;
        QStringList arguments{QStringLiteral(BRIMBLET_LAYOUT_CHECK), QStringLiteral(BRIMBLET_LAYOUT_RECORD)};
        if (QApplication::layoutDirection() == Qt::RightToLeft) {  // in a language read from the right
            arguments << QStringLiteral("--mirrored");
        }
        check.start(QStringLiteral("python3"), arguments);
        check.write(QJsonDocument(windows).toJson());
        check.closeWriteChannel();
        QVERIFY(check.waitForFinished(30000));
        QVERIFY2(check.exitCode() == 0, check.readAllStandardOutput().constData());
    }
};

BRIMBLET_UI_TEST_MAIN(ScalingTest)
#include "ScalingTest.moc"
