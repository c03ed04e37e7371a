// Tempotik — a click-speed meter. Licensed under the MIT licence.
#include "spoken_figures.h"

#include <QCoreApplication>

#include "display.h"

QString spokenFigures(const tempotik::Display& display) {
    using tempotik::Field;
    const auto value = [&](Field field) { return QString::fromStdString(display.caption(field)); };
    if (value(Field::Totaalteller) == QLatin1String("0")) {
        return QCoreApplication::translate("Tempotikform", "Nog geen meting.");
    }
    return QCoreApplication::translate("Tempotikform",
                                       "Laatste seconde: %1. Laatste 10 seconden: %2. "
                                       "Gemiddeld per seconde: %3. Gemiddeld per minuut: %4. "
                                       "Totaal: %5.")
        .arg(value(Field::Secondeteller), value(Field::Tiensecondenteller),
             value(Field::Gemsecondeteller), value(Field::Gemminuutteller),
             value(Field::Totaalteller));
}
