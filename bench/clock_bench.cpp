// Tempotik — a click-speed meter. Licensed under the MIT licence.
//
// tempotik-clockbench: measures how long the program's second lasts.
//   tempotik-clockbench fidelity SECONDS
//       Shows the real window with its tick source, clicks the big button once
//       and times every second boundary for SECONDS. Beside it, in the same
//       event loop, a plain 10 ms QTimer drives a second measurement that
//       receives the same clicks: the baseline. Prints one line for each.
//   tempotik-clockbench window
//       An empty window titled Tempotik: the start-up and memory floor.

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "display_fields.h"
#include "measurement.h"
#include "run_time_error.h"
#include "tempotikform.h"

namespace {

using Clock = std::chrono::steady_clock;

// Times the second boundaries of one measurement against the wall clock: a
// second ends with every hundredth tick delivered.
class SecondWatch {
public:
    void start() { start_ = Clock::now(); }
    void afterTick() {
        if (++ticks_ % 100 == 0) {
            boundaries_.push_back(Clock::now());
        }
    }
    void print(const char* name, const std::string& total, bool overflowed) const {
        double worstLateMs = 0.0;
        for (std::size_t k = 0; k < boundaries_.size(); ++k) {
            const auto due = start_ + std::chrono::seconds(k + 1);
            worstLateMs =
                std::max(worstLateMs,
                         std::chrono::duration<double, std::milli>(boundaries_[k] - due).count());
        }
        const double wallPerSecond =
            boundaries_.empty()
                ? 0.0
                : std::chrono::duration<double>(boundaries_.back() - start_).count() /
                      boundaries_.size();
        std::printf(
            "%s program_seconds=%zu wall_per_program_second=%.5f worst_lateness_ms=%.1f "
            "clicks=%s overflowed=%s\n",
            name, boundaries_.size(), wallPerSecond, worstLateMs, total.c_str(),
            overflowed ? "yes" : "no");
    }

private:
    Clock::time_point start_;
    long ticks_ = 0;
    std::vector<Clock::time_point> boundaries_;
};

int fidelity(QApplication& app, int seconds) {
    Tempotikform form;
    form.show();
    auto* klikknop = form.findChild<QPushButton*>("Klikknop");
    auto* totaalteller = form.findChild<QPushButton*>("Totaalteller");
    SecondWatch real;
    QObject::connect(form.findChild<TickSource*>("Timer"), &TickSource::ticked,
                     [&] { real.afterTick(); });

    tempotik::DisplayFields baselineFields;
    tempotik::Measurement baseline(baselineFields);
    SecondWatch plain;
    QTimer plainTimer;
    plainTimer.setTimerType(Qt::PreciseTimer);
    plainTimer.setInterval(10);
    // Like the program, the baseline stops when a figure overflows.
    bool baselineOverflowed = false;
    const auto runBaseline = [&](auto step) {
        try {
            step();
        } catch (const tempotik::RunTimeError&) {
            plainTimer.stop();
            baselineOverflowed = true;
        }
    };
    QObject::connect(&plainTimer, &QTimer::timeout, [&] {
        runBaseline([&] { baseline.tick(); });
        plain.afterTick();
    });
    QObject::connect(klikknop, &QPushButton::clicked, [&] {
        runBaseline([&] { baseline.click(); });
        if (!plainTimer.isActive()) {
            plainTimer.start();
        }
    });

    QTimer::singleShot(300, [&] {
        real.start();
        plain.start();
        klikknop->click();
    });
    QTimer::singleShot(300 + seconds * 1000 + 500, &app, &QApplication::quit);
    app.exec();
    real.print("tick-source", totaalteller->text().toStdString(),
               form.findChild<QMessageBox*>() != nullptr);
    plain.print("plain-qtimer", baselineFields.caption(tempotik::Field::Totaalteller),
                baselineOverflowed);
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const std::string mode = argc > 1 ? argv[1] : "";
    const int seconds = argc > 2 ? std::stoi(argv[2]) : 30;
    if (mode == "fidelity") {
        return fidelity(app, seconds);
    }
    if (mode == "window") {
        QWidget window;
        window.setWindowTitle(QStringLiteral("Tempotik"));
        window.resize(183, 234);
        window.show();
        return app.exec();
    }
    std::fprintf(stderr, "usage: tempotik-clockbench fidelity SECONDS | window\n");
    return 2;
}
