// Tempotik — a click-speed meter. Licensed under the MIT licence.
#include "window_font.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

void addWindowFont() {
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/Carlito-Regular.ttf"));
    // Hinted to whole pixels, as Windows does by default, Carlito's digits
    // grow from 5.6 to 6 pixels and "888" no longer fits where it was made
    // to; hinted only vertically, the glyphs keep their designed widths.
    QFont font = QApplication::font();
    font.setHintingPreference(QFont::PreferVerticalHinting);
    QApplication::setFont(font);
}
