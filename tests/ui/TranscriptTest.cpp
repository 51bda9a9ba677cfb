#include <QAccessible>
#include <QLineEdit>
#include <QTextLayout>

#include "Catalogue.h"
#include "Transcript.h"
#include "LanguageFace.h"
#include "UiTestSupport.h"

using namespace uitest;
using brimblet::testing::Transcript;

// A whole one-player game with a set clock reads in the log exactly as the transcript that the
// Windows and browser builds are held to as well: in English, or in the language the test is
// run under, with that language's transcript (BRIMBLET_TRANSCRIPT).
class TranscriptTest : public QObject {
    Q_OBJECT

private slots:
    void aWholeOnePlayerGameReadsAsTheTranscript() {
        const QString path = qEnvironmentVariable("BRIMBLET_TRANSCRIPT", QStringLiteral(BRIMBLET_TRANSCRIPT));
        const Transcript expected = Transcript::Read(path.toStdString());
        PictureFolder folder;
        StartedGame g;
        g.button("Player1")->click();
        g.form2().hide();
        std::uint32_t ms = Transcript::kFirstReading;
        QString actual;
        int click = 0;
        while (g.state().GameActive == 1 && click < 500) {
            g.clock.Push(ms);
            g.clock.Push(ms + Transcript::kStep);
            ms += 2 * Transcript::kStep;
            g.clickDie();
            ++click;
            actual += QStringLiteral("# click %1\n").arg(click) + g.log().join(QLatin1Char('\n')) +
                      QLatin1Char('\n');
            if (std::size_t(click) <= expected.clicks.size()) {
                QStringList lines;
                for (const std::string& line : expected.clicks[std::size_t(click) - 1]) {
                    lines << QString::fromStdString(line);
                }
                QCOMPARE(g.log(), lines);
            }
        }
        if (std::size_t(click) != expected.clicks.size()) {
            qWarning().noquote() << actual;
        }
        QCOMPARE(std::size_t(click), expected.clicks.size());
        QCOMPARE(g.state().GameActive, std::uint8_t(0));
    }

    // Run under a language of the player's, the code expected in BRIMBLET_LANGUAGE: the windows'
    // texts are that language's, and so are the rules' messages.
    void speaksTheFirstOfThePlayersLanguagesThatTheGameHas() {
        const QByteArray expected = qgetenv("BRIMBLET_LANGUAGE");
        if (expected.isEmpty()) {
            QSKIP("run under a language of the player's");
        }
        const brimblet::Catalogue& texts = static_cast<BrimbletApplication*>(qApp)->Texts();
        QCOMPARE(QByteArray(texts.Code().data(), int(texts.Code().size())), expected);
        PictureFolder folder;
        StartedGame g;
        QCOMPARE(g.button("Restart")->text(), QString::fromUtf8(texts.Text("Restart")));
        if (!texts.InDesignFace()) {  // the language's own face, found through fontconfig
            QCOMPARE(QFontInfo(g.label("Label2")->font()).family(), LanguageFamily(texts));
        }
        for (QLabel* label : g.form1().findChildren<QLabel*>()) {  // sized to their text in that face
            if (label->property("autoSize").toBool()) {
                QCOMPARE(label->width(), label->sizeHint().width());
            }
        }
        QCOMPARE(g.form3().windowTitle(), QString::fromUtf8(texts.Text("Two Player Game")));
        g.button("Restart")->click();
        QCOMPARE(g.log(), QStringList{QString::fromUtf8(texts.Text("Press one of the buttons for different players."))});
        if (texts.RightToLeft()) {
            readsFromTheRight(g);
        }
    }

private:
    // In a language read from the right a Latin name with a number keeps its order in the label
    // and the log: as a screen reader reads it, and as Qt lays its letters out, each to the
    // right of the one before. The board with its counters and the die show their pictures'
    // pixels as they are, in their mirrored places.
    static void readsFromTheRight(StartedGame& g) {
        const QString name = QStringLiteral("Ann-Mari 2");
        g.button("Player1")->click();
        QLineEdit* edit = g.form2().findChild<QLineEdit*>(QStringLiteral("Edit1"));
        edit->selectAll();
        QTest::keyClicks(edit, name);
        QTest::keyClick(edit, Qt::Key_Return);
        g.form1().show();
        QVERIFY(QTest::qWaitForWindowExposed(&g.form1()));
        g.clickDie();
        const QImage shown = g.form1().grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (const char* picture : {"Image1", "Image2"}) {
            const PictureBox* box = g.picture(picture);
            QCOMPARE(shown.copy(QRect(box->pos(), box->Surface().size())), box->Surface().convertToFormat(QImage::Format_RGB32));
        }
        QLabel* label = g.label("Label2");
        const QString logText = g.log().join(QLatin1Char('\n'));
        for (const QString& text : {label->text(), logText}) {
            QVERIFY2(text.contains(name), qPrintable(text));
            QTextLayout layout(text, label->font());
            QTextOption option;
            option.setTextDirection(Qt::RightToLeft);
            layout.setTextOption(option);
            layout.beginLayout();
            while (layout.createLine().isValid()) {
            }
            layout.endLayout();
            const int at = int(text.indexOf(name));  // the cursor between two of its letters:
            for (int i = 2; i < name.size(); ++i) {   // at its ends it may stand on the other side
                const QTextLine line = layout.lineForTextPosition(at + i);
                QVERIFY2(line.cursorToX(at + i) > line.cursorToX(at + i - 1), qPrintable(text));
            }
        }
        QAccessibleInterface* read = QAccessible::queryAccessibleInterface(label);
        QVERIFY(read != nullptr && read->text(QAccessible::Name).contains(name));
    }
};

BRIMBLET_UI_TEST_MAIN(TranscriptTest)
#include "TranscriptTest.moc"
