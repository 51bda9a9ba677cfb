// A long stream of random clicks, keys and dialog actions on the real widgets, from a seeded
// generator, with the game checked after every event against a referee of the test's own.
//
//   BRIMBLET_SOAK_EVENTS=200000 BRIMBLET_SOAK_SEED=7 SoakTest   (the suite runs a short stream)
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>

#include <chrono>
#include <cstdio>
#include <map>
#include <random>

#include "SquareCoords.h"
#include "UiTestSupport.h"

using brimblet::SquareCoords;
using brimblet::SquarePoint;

using namespace uitest;

namespace {

qint64 ResidentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').first().toLongLong();
        }
    }
    return -1;
}

int EnvInt(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

// The game as the test understands it, moved on by the throws the log reports.
struct Referee {
    const std::map<int, int> ladders{{2, 40}, {13, 30}, {42, 76}, {44, 63}, {53, 72}};
    const std::map<int, int> strings{{79, 51}, {70, 38}, {61, 28}, {37, 20}, {23, 8}};
    int position[3] = {0, 1, 1};
    int turn = 1;
    int mode = 1;
    int active = 0;
    brimblet::GameRecord count;

    // The outcome line the rules must have written for this throw, if any.
    QString Throw(int face) {
        ++count.Throws;
        int& at = position[turn];
        const int target = at + face;
        QString outcome;
        if (target > 81) {
            ++count.Refused;
            outcome = QStringLiteral(", i am sorry - your throw was too high!");
        } else if (target == 81) {
            ++count.Wins;
            active = 0;
            at = target;
            outcome = QStringLiteral(" wins!! Congratulations!");
        } else if (ladders.count(target)) {
            ++count.Ladders;
            at = ladders.at(target);
            outcome = QStringLiteral(" goes up the ladder......");
        } else if (strings.count(target)) {
            ++count.Strings;
            at = strings.at(target);
            outcome = QStringLiteral(" goes down the string :-(");
        } else {
            at = target;
        }
        turn = turn == 1 ? 2 : 1;
        return outcome;
    }
};

const QString kScored = QStringLiteral(" scored a : ");

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

// Types text as a keyboard would, one character a key, accented and CJK letters included.
void TypeText(QWidget* target, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &press);
        QApplication::sendEvent(target, &release);
    }
}

}  // namespace

class SoakTest : public QObject {
    Q_OBJECT

    std::mt19937 random_;
    StartedGame* game_ = nullptr;
    Referee referee_;
    QLineEdit* boxes_[3] = {};

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    QString RandomName() {
        static const QString alphabets[] = {
            QStringLiteral("abcdefghijklmnopqrstuvwxyzABCXYZ019"),
            QStringLiteral("\u00c4\u00d6\u00dc\u00df\u00e9\u00f1\u00f8"),
            QStringLiteral("\u540d\u524d\u0416\u05d0")};
        static const int lengths[] = {0, 1, 5, 10, 11};
        const QString& alphabet = alphabets[Pick(3)];
        QString name;
        for (int i = lengths[Pick(5)]; i > 0; --i) {
            name += alphabet[Pick(int(alphabet.size()))];
        }
        return name;
    }

    void ClickDie(QWidget* target) {
        StartedGame& g = *game_;
        g.clock.Set(static_cast<std::uint32_t>(Pick(86400000)));
        const QStringList before = g.log();
        const bool replaces = referee_.active == 1 && referee_.turn == 1;
        const int expectedThrows = referee_.active != 1 ? 0 : referee_.mode == 2 ? 1 : 2;
        QTest::mouseClick(target, Qt::LeftButton);
        const QStringList after = g.log();
        if (expectedThrows == 0) {
            QCOMPARE(after, before);
            return;
        }
        if (!replaces) {
            QCOMPARE(after.mid(0, before.size()), before);
        }
        const QStringList added = replaces ? after : after.mid(before.size());
        int line = 0;
        for (int t = 0; t < expectedThrows && referee_.active == 1; ++t) {
            QVERIFY(line < added.size());
            const int at = int(added[line].lastIndexOf(kScored));
            QVERIFY2(at >= 0, qPrintable(added[line]));
            const int face = added[line].mid(at + kScored.size()).toInt();
            QVERIFY(face >= 1 && face <= 6);
            ++line;
            const QString outcome = referee_.Throw(face);
            if (!outcome.isEmpty()) {
                QVERIFY(line < added.size());
                QVERIFY2(added[line].endsWith(outcome), qPrintable(added[line]));
                ++line;
            }
        }
        QCOMPARE(line, int(added.size()));
    }

    void TypeName() {
        QLineEdit* box = boxes_[Pick(3)];
        if (!box->window()->isVisible()) {
            return;
        }
        const QString name = RandomName();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        TypeText(box, name);
        QCOMPARE(box->text(), name.left(10));
    }

    void OneEvent() {
        StartedGame& g = *game_;
        switch (Pick(14)) {
        case 0:
            QTest::mouseClick(g.button("Player1"), Qt::LeftButton);
            referee_.active = 1;
            referee_.mode = 1;
            break;
        case 1:
            QTest::mouseClick(g.button("Player2"), Qt::LeftButton);
            referee_.active = 1;
            referee_.mode = 2;
            break;
        case 2:
            QTest::mouseClick(g.button("Restart"), Qt::LeftButton);
            referee_.position[1] = referee_.position[2] = 1;
            referee_.turn = 1;
            referee_.active = 1;
            QCOMPARE(g.log(), QStringList{QStringLiteral(
                                  "Press one of the buttons for different players.")});
            break;
        case 3:
        case 4:
        case 5:
            ClickDie(g.picture("Image2"));
            break;
        case 6:
            ClickDie(g.label("Label4"));
            break;
        case 7:
        case 8: {
            NameDialog& dialog = Pick(2) == 0 ? static_cast<NameDialog&>(g.form2()) : g.form3();
            if (dialog.isVisible()) {
                QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("Button1")),
                                  Qt::LeftButton);
                QCOMPARE(g.log(),
                         QStringList{QStringLiteral("To start the game click on the die!")});
            }
            break;
        }
        case 9: {
            NameDialog& dialog = Pick(2) == 0 ? static_cast<NameDialog&>(g.form2()) : g.form3();
            if (dialog.isVisible()) {
                QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("Button2")),
                                  Qt::LeftButton);
            }
            break;
        }
        case 10:
            (Pick(2) == 0 ? static_cast<QWidget&>(g.form2()) : g.form3()).close();
            break;
        default:
            TypeName();
            break;
        }
    }

    void CheckInvariants() {
        StartedGame& g = *game_;
        const brimblet::GameState& s = g.state();
        QVERIFY(s.Position1 >= 1 && s.Position1 <= 81);
        QVERIFY(s.Position2 >= 1 && s.Position2 <= 81);
        QVERIFY(s.Turn == 1 || s.Turn == 2);
        QVERIFY(s.PlayMode == 1 || s.PlayMode == 2);
        QVERIFY(s.GameActive == 0 || s.GameActive == 1);
        QCOMPARE(s.Position1, referee_.position[1]);
        QCOMPARE(s.Position2, referee_.position[2]);
        QCOMPARE(s.Turn, referee_.turn);
        QCOMPARE(int(s.GameActive), referee_.active);
        QCOMPARE(s.PlayMode, referee_.mode);
        const brimblet::GameRecord& r = g.form1().GameRules().Record();
        QCOMPARE(r.Throws, referee_.count.Throws);
        QCOMPARE(r.Refused, referee_.count.Refused);
        QCOMPARE(r.Ladders, referee_.count.Ladders);
        QCOMPARE(r.Strings, referee_.count.Strings);
        QCOMPARE(r.Wins, referee_.count.Wins);
        QCOMPARE(g.label("position1")->text(), QString::number(s.Position1));
        QCOMPARE(g.label("position2")->text(), QString::number(s.Position2));
        const QImage& board = g.picture("Image1")->Surface();
        const GameAssets& a = g.form1().Assets();
        const SquarePoint p2 = SquareCoords[static_cast<std::size_t>(s.Position2)];
        QCOMPARE(board.pixel(p2.x + 8, p2.y + 8), a.Counter2()->pixel(8, 8));
        if (s.Position1 != s.Position2) {
            const SquarePoint p1 = SquareCoords[static_cast<std::size_t>(s.Position1)];
            QCOMPARE(board.pixel(p1.x + 8, p1.y + 8), a.Counter1()->pixel(8, 8));
        }
        QVERIFY(!g.form1().Log().Text().contains(QStringLiteral("\n\n")));
    }

private slots:
    void randomEventsKeepTheGameSound() {
        const int events = EnvInt("BRIMBLET_SOAK_EVENTS", 20000);
        const int seed = EnvInt("BRIMBLET_SOAK_SEED", 20261207);
        random_.seed(static_cast<std::uint32_t>(seed));
        PictureFolder folder;
        StartedGame g;
        game_ = &g;
        boxes_[0] = g.form2().findChild<QLineEdit*>(QStringLiteral("Edit1"));
        boxes_[1] = g.form3().findChild<QLineEdit*>(QStringLiteral("Edit1"));
        boxes_[2] = g.form3().findChild<QLineEdit*>(QStringLiteral("Edit2"));
        g.form1().show();

        const auto started = std::chrono::steady_clock::now();
        const qint64 rssAtStart = ResidentKiB();
        qint64 rssWarm = rssAtStart;
        for (int i = 0; i < events; ++i) {
            if (i == events / 10) {
                rssWarm = ResidentKiB();
            }
            OneEvent();
            QApplication::processEvents();  // paints and whatever else the event loop would do
            if (QTest::currentTestFailed()) {
                qWarning("event %d of seed %d", i, seed);
                return;
            }
            CheckInvariants();
            if (QTest::currentTestFailed()) {
                qWarning("after event %d of seed %d", i, seed);
                return;
            }
        }
        const qint64 rssAtEnd = ResidentKiB();
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        std::printf("soak: %d events, seed %d, %llu throws, %llu games finished, %.1f s, "
                    "resident %lld KiB at start, %lld KiB after %d events, %lld KiB at end\n",
                    events, seed, static_cast<unsigned long long>(referee_.count.Throws),
                    static_cast<unsigned long long>(referee_.count.Wins), seconds, rssAtStart,
                    rssWarm, events / 10, rssAtEnd);
        std::fflush(stdout);
        QVERIFY(referee_.count.Wins > 0);
        if (events >= 20000 &&
            !kSanitized) {  // a short run has not settled; ASan holds freed memory
            QVERIFY2(rssAtEnd - rssWarm < 1024, "resident memory grew");
        }
        game_ = nullptr;
    }
};

BRIMBLET_UI_TEST_MAIN(SoakTest)
#include "SoakTest.moc"
