#pragma once

// Benchmark builds only: reports on stdout when the main window has first been painted,
// optionally clicks the die a number of times, reports memory, then ends the program.
//
//   BRIMBLET_BENCH_CLICKS=n   one-player die clicks to make after the first paint (default 0)
//   BRIMBLET_BENCH_STAY=1     stays open after reporting, for a timing taken from outside that
//                             must still find the window
//
// Output lines: "painted <CLOCK_MONOTONIC seconds>", then "clicks <n> rss_kib <k> hwm_kib <k>".

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

#include "SyntheticClick.h"

namespace bench {

inline double MonotonicSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

inline long long StatusKiB(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field)) {
            return line.mid(int(qstrlen(field))).trimmed().split(' ').first().toLongLong();
        }
    }
    return -1;
}

class FirstPaintHook : public QObject {
public:
    // `onePlayer` and `die` are the buttons to click for the session; null for the floor program.
    FirstPaintHook(QWidget& window, QWidget* onePlayer, QWidget* die)
        : window_(&window), onePlayer_(onePlayer), die_(die) {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            QTimer::singleShot(0, this, [this] { AfterFirstPaint(); });
        }
        return false;
    }

private:
    void AfterFirstPaint() {
        std::printf("painted %.6f\n", MonotonicSeconds());
        const int clicks = qEnvironmentVariableIntValue("BRIMBLET_BENCH_CLICKS");
        if (die_ != nullptr && clicks > 0) {
            SendLeftClick(*onePlayer_);
            for (int i = 0; i < clicks; ++i) {
                SendLeftClick(*die_);
                if (i % 50 == 0) {
                    QApplication::processEvents();
                }
            }
            QApplication::processEvents();
        }
        std::printf("clicks %d rss_kib %lld hwm_kib %lld\n", clicks, StatusKiB("VmRSS:"),
                    StatusKiB("VmHWM:"));
        std::fflush(stdout);
        if (!qEnvironmentVariableIsSet("BRIMBLET_BENCH_STAY")) {
            window_->close();
            QApplication::quit();
        }
    }

    QPointer<QWidget> window_;
    QWidget* onePlayer_;
    QWidget* die_;
    bool painted_ = false;
};

}  // namespace bench
