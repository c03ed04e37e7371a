// Tempotik — a click-speed meter. Licensed under the MIT licence.
#include "spoken_figures.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>

#include <algorithm>
#include <vector>

#include "display.h"
#include "figure_names.h"

namespace {

using tempotik::Field;

QString translated(const char* text) {
    return QCoreApplication::translate("Tempotikform", text);
}

// What a figure's name says before the figure. The total's button shows only
// the number, so it is named with its frame's title, "Totaal: 5". On Windows
// a value is also named with the caption that labels it, "Per minuut: 40",
// and a countdown with what it counts down to: screen readers there read a
// name alone, and Qt gives UI Automation no LabeledBy, while on Linux Orca
// reads the caption from the label relation and the description.
QString namedWith(Field field, QWidget& control) {
    if (field == Field::Totaalteller) {
        return static_cast<const QGroupBox&>(*control.parentWidget()).title() +
               QStringLiteral(": ");
    }
#ifdef Q_OS_WIN
    if (field == Field::Tiensecondenover) {
        return translated("Seconden tot de volgende tien seconden: ");
    }
    if (field == Field::Secondeover) {
        return translated("Honderdsten tot de volgende seconde: ");
    }
    if (QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&control)) {
        for (const auto& labelling : accessible->relations(QAccessible::Label)) {
            if (qobject_cast<const QLabel*>(labelling.first->object())) {
                return labelling.first->text(QAccessible::Name) + QLatin1Char(' ');
            }
        }
    }
#endif
    return {};
}

}  // namespace

SpokenFigures::SpokenFigures(QWidget& window, const tempotik::Display& display,
                             const Controls& controls)
    : display_(display),
      controls_(controls),
      statusBar_(window, QAccessible::StatusBar, QStringLiteral("Cijfers")),
      announcer_(window, QAccessible::Notification, QStringLiteral("Aankondiging")) {
    for (const Field field : tempotik::allFields) {
        holdBackNameNews(control(field));
        const auto i = static_cast<std::size_t>(field);
        told_[i] = shows(field);
        namedWith_[i] = namedWith(field, control(field));
    }
    nameFigures();
    statusBar_.setText(statusText());
}

void SpokenFigures::shown(bool newSecond, bool timing) {
    nameFigures();
    if (newSecond || !timing) {
        tellNewNames(timing ? mostNewNamesASecond : controls_.size());
        statusBar_.setText(statusText());
    }
}

void SpokenFigures::announceReset() {
    const QString total = shows(Field::Totaalteller);
    announcer_.announce(
        averagesShown()
            ? translated("Totaal: %1. De meting is gestopt; de gemiddelden blijven staan: "
                         "per seconde %2, per minuut %3.")
                  .arg(total, shows(Field::Gemsecondeteller), shows(Field::Gemminuutteller))
            : translated("Totaal: %1. De meting is gestopt.").arg(total));
}

QWidget& SpokenFigures::control(Field field) const {
    return *controls_[static_cast<std::size_t>(field)];
}

QString SpokenFigures::shows(Field field) const {
    return QString::fromStdString(display_.caption(field));
}

bool SpokenFigures::averagesShown() const {
    for (const Field field :
         {Field::Gemsecondeteller, Field::Gemtiensecondenteller, Field::Gemminuutteller}) {
        if (shows(field) != QLatin1String("0")) {
            return true;
        }
    }
    return false;
}

// The figures a user asks for, in the order they are wanted; after a reset
// the averages it left on screen. Only while nothing shows a measurement,
// that there is none.
QString SpokenFigures::statusText() const {
    if (shows(Field::Totaalteller) == QLatin1String("0") && !averagesShown()) {
        return translated("Nog geen meting.");
    }
    return translated(
               "Laatste seconde: %1. Laatste 10 seconden: %2. Gemiddeld per seconde: %3. "
               "Gemiddeld per minuut: %4. Totaal: %5.")
        .arg(shows(Field::Secondeteller), shows(Field::Tiensecondenteller),
             shows(Field::Gemsecondeteller), shows(Field::Gemminuutteller),
             shows(Field::Totaalteller));
}

// A control's name is its text unless it has one of its own, so a name with
// more than the figure is renewed with every figure shown; Qt's news of it is
// held back.
void SpokenFigures::nameFigures() {
    for (const Field field : tempotik::allFields) {
        const QString& before = namedWith_[static_cast<std::size_t>(field)];
        if (!before.isEmpty()) {
            QWidget& named = control(field);
            const QString name = before + shows(field);
            if (named.accessibleName() != name) {
                named.setAccessibleName(name);
            }
        }
    }
}

// A screen reader works through every change it is told of, so it is told of
// a few a second and keeps up with the keys it must answer.
void SpokenFigures::tellNewNames(std::size_t most) {
    ++tellings_;
    std::vector<std::size_t> changed;
    for (std::size_t i = 0; i < told_.size(); ++i) {
        if (told_[i] != shows(tempotik::allFields[i])) {
            changed.push_back(i);
        }
    }
    std::stable_sort(changed.begin(), changed.end(),
                     [this](std::size_t a, std::size_t b) { return toldAt_[a] < toldAt_[b]; });
    changed.resize(std::min(changed.size(), most));
    for (const std::size_t i : changed) {
        told_[i] = shows(tempotik::allFields[i]);
        toldAt_[i] = tellings_;
        tellNewName(*controls_[i]);
    }
}
