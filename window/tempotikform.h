// Tempotik — a click-speed meter. Licensed under the MIT licence.
#pragma once

#include <QWidget>

#include <memory>

#include "form_display.h"
#include "measurement.h"
#include "spoken_figures.h"
#include "tick_source.h"

namespace Ui {
class Tempotikform;
}

namespace tempotik {
class RunTimeError;
}

// The program's one window. Three events reach the measurement: a click on
// Klikknop counts, a click on Totaalteller resets, and the tick source ticks.
class Tempotikform : public QWidget {
    Q_OBJECT

public:
    explicit Tempotikform(
        TickSource::Clock clock = [] { return std::chrono::steady_clock::now(); },
        QWidget* parent = nullptr);
    ~Tempotikform() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void countClick();
    void resetMeasurement();
    void tick();
    void showFigures();

    template <typename Handler>
    void run(Handler handler);
    void reportError(const tempotik::RunTimeError& error);

    std::unique_ptr<Ui::Tempotikform> ui_;
    TickSource tickSource_;
    FormDisplay display_;
    SpokenFigures spoken_;
    tempotik::Measurement measurement_;
};
