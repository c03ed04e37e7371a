// Tempotik — a click-speed meter. Licensed under the MIT licence.
#include "tempotikform.h"

#include <QKeyEvent>
#include <QMessageBox>

#include "run_time_error.h"
#include "ui_tempotikform.h"

namespace {

using tempotik::Field;

// The controls must exist before the display is handed them.
std::unique_ptr<Ui::Tempotikform> setUpUi(QWidget& form) {
    auto ui = std::make_unique<Ui::Tempotikform>();
    ui->setupUi(&form);
    return ui;
}

// Returns the control of the window's definition that shows field. A control
// renamed there, or a field added, stops the build here.
QWidget* controlOf(const Ui::Tempotikform& ui, Field field) {
    switch (field) {
        case Field::Totaalteller:
            return ui.Totaalteller;
        case Field::Secondeover:
            return ui.Secondeover;
        case Field::Tiensecondenover:
            return ui.Tiensecondenover;
        case Field::Secondeteller:
            return ui.Secondeteller;
        case Field::Tiensecondenteller:
            return ui.Tiensecondenteller;
        case Field::Persecondeteller:
            return ui.Persecondeteller;
        case Field::Pertiensecondenteller:
            return ui.Pertiensecondenteller;
        case Field::Perminuutteller:
            return ui.Perminuutteller;
        case Field::Gemsecondeteller:
            return ui.Gemsecondeteller;
        case Field::Gemtiensecondenteller:
            return ui.Gemtiensecondenteller;
        case Field::Gemminuutteller:
            return ui.Gemminuutteller;
    }
    return nullptr;
}

FormDisplay::Controls fieldControls(const Ui::Tempotikform& ui) {
    FormDisplay::Controls controls{};
    for (const Field field : tempotik::allFields) {
        controls[static_cast<std::size_t>(field)] = controlOf(ui, field);
    }
    return controls;
}

}  // namespace

Tempotikform::Tempotikform(TickSource::Clock clock, QWidget* parent)
    : QWidget(parent),
      ui_(setUpUi(*this)),
      tickSource_(std::move(clock), this),
      display_(fieldControls(*ui_), *this, tickSource_),
      spoken_(*this, display_, display_.controls()),
      measurement_(display_) {
    // The window's size is fixed, so it offers no maximize and no resize.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    connect(ui_->Klikknop, &QPushButton::clicked, this, &Tempotikform::countClick);
    connect(ui_->Totaalteller, &QPushButton::clicked, this, &Tempotikform::resetMeasurement);
    connect(&tickSource_, &TickSource::ticked, this, &Tempotikform::tick);
    connect(&tickSource_, &TickSource::frameDue, this, &Tempotikform::showFigures);

    tickSource_.setObjectName(QStringLiteral("Timer"));
}

Tempotikform::~Tempotikform() = default;

// Enter presses the focused button, as Space does. Neither button is the
// window's default: a default button looks it (in Windows' own style, with a
// glow that never stops, repainting the idle window forever) and tells a
// screen reader so, and only a dialog has one. The button leaves the key it
// does not take to the window.
void Tempotikform::keyPressEvent(QKeyEvent* event) {
    auto* button = qobject_cast<QPushButton*>(focusWidget());
    if (button && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        button->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

// Ticks that came due before a click run first, so the click counts in the
// half second it belongs to. When one of them ends the measurement, the click
// came before the report and does not start afresh: that would wipe the
// figures the report says stay.
void Tempotikform::countClick() {
    const bool endedBefore = measurement_.ended();
    tickSource_.deliverDue();
    if (measurement_.ended() && !endedBefore) {
        return;
    }
    run([this] { measurement_.click(); });
}

void Tempotikform::resetMeasurement() {
    tickSource_.deliverDue();
    run([this] { measurement_.reset(); });
    spoken_.announceReset();
}

void Tempotikform::tick() {
    run([this] { measurement_.tick(); });
}

// What the handlers wrote reaches the screen, and what a screen reader is told.
void Tempotikform::showFigures() {
    const bool newSecond = display_.show();
    spoken_.shown(newSecond, tickSource_.isEnabled());
}

// While the timer runs, the next frame shows what a handler wrote; once it
// has stopped no frame comes, so the figures are shown at once.
template <typename Handler>
void Tempotikform::run(Handler handler) {
    try {
        handler();
    } catch (const tempotik::RunTimeError& error) {
        showFigures();
        reportError(error);
        return;
    }
    if (!tickSource_.isEnabled()) {
        showFigures();
    }
}

// The measurement has already stopped; the report says so and leaves the
// figures on screen. It is window-modal and does not block the event loop.
void Tempotikform::reportError(const tempotik::RunTimeError& error) {
    const QString text = tr("Fout %1: %2.\n\n"
                            "De meting is gestopt; de cijfers blijven staan zoals ze zijn.\n"
                            "De volgende klik op \"Klik hier!\" begint een nieuwe meting.")
                             .arg(error.number())
                             .arg(QString::fromUtf8(error.what()));
    auto* report =
        new QMessageBox(QMessageBox::Warning, tr("Tempotik"), text, QMessageBox::Ok, this);
    report->setAttribute(Qt::WA_DeleteOnClose);
    report->setWindowModality(Qt::WindowModal);
    report->open();
}
