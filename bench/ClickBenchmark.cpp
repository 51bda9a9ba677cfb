// In-process timings on the real widgets (offscreen): one one-player die click, with both
// throws, both redraws and the log updates, measured 10,000 times one by one; and the rules
// alone, whole games through a presentation that does nothing, in games per second.
//
//   ClickBenchmark <folder of the nine pictures>
#include <QApplication>
#include <QDir>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "BrimbletApplication.h"
#include "FirstPaintHook.h"
#include "Game.h"
#include "Main.h"
#include "player1.h"

namespace {

using Clock = std::chrono::steady_clock;

double MedianMicros(std::vector<double> v) {
    std::nth_element(v.begin(), v.begin() + long(v.size() / 2), v.end());
    return v[v.size() / 2];
}

class NullPresentation : public brimblet::Presentation {
public:
    void ReplaceLog(const std::string&) override {}
    void AppendLogLine(const std::string&) override {}
    void ClearLog() override {}
    void DrawCounters1(std::int32_t, std::int32_t) override {}
    void ShowDieFace(std::int32_t) override {}
    std::string NameBoxText(brimblet::NameBox) const override { return "Player1"; }
    void ShowNameDialog(std::int32_t) override {}
};

// Readings a millisecond apart, as a quick player's clicks would give.
class SteppingClock : public brimblet::UtcClock {
public:
    brimblet::UtcTimeOfDay Now() const override {
        ms_ = (ms_ + 1) % 86400000u;
        return brimblet::TimeOfDayFromMilliseconds(ms_);
    }

private:
    mutable std::uint32_t ms_ = 0;
};

void RulesAlone() {
    NullPresentation view;
    SteppingClock clock;
    brimblet::Game game(view, clock);
    game.FormCreate();
    game.Player1Click();
    const auto start = Clock::now();
    int games = 0;
    long clicks = 0;
    while (std::chrono::duration<double>(Clock::now() - start).count() < 1.0) {
        game.RestartClick();
        while (game.State().GameActive == 1) {
            game.Image2Click();
            ++clicks;
        }
        ++games;
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("rules alone: %.0f games/s (%.1f clicks a game)\n", games / seconds,
                double(clicks) / games);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: ClickBenchmark <folder of the nine pictures>\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QDir::setCurrent(QString::fromLocal8Bit(argv[1]));
    int toolkitArgc = 1;
    BrimbletApplication app(toolkitArgc, argv);
    SteppingClock clock;
    app.CreateForms(&clock);
    TForm1& form = *app.Form1();
    QWidget* die = form.findChild<QWidget*>(QStringLiteral("Image2"));
    form.show();
    SendLeftClick(*form.findChild<QWidget*>(QStringLiteral("Player1")));
    app.Form2()->hide();
    QApplication::processEvents();

    constexpr int kClicks = 10000;
    std::vector<double> micros;
    micros.reserve(kClicks);
    while (int(micros.size()) < kClicks) {
        if (form.GameRules().State().GameActive != 1) {
            form.RestartClick();  // a game was won: start the next one, outside the timing
        }
        const auto t0 = Clock::now();
        SendLeftClick(*die);
        micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
        QApplication::processEvents();  // the repaints the click asked for, as the loop would
    }
    std::vector<double> sorted = micros;
    std::sort(sorted.begin(), sorted.end());
    std::printf("click: median %.1f us, p90 %.1f us, p99 %.1f us over %d clicks\n",
                sorted[kClicks / 2], sorted[kClicks * 9 / 10], sorted[kClicks * 99 / 100], kClicks);
    std::printf("click: median of clicks 1-1000 %.1f us, of clicks 9001-10000 %.1f us\n",
                MedianMicros({micros.begin(), micros.begin() + 1000}),
                MedianMicros({micros.end() - 1000, micros.end()}));
    RulesAlone();
    return 0;
}
