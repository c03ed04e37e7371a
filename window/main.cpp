// Tempotik — a click-speed meter. Licensed under the MIT licence.
#include <QApplication>
#include <QIcon>

#include "tempotikform.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tempotik"));
    QApplication::setApplicationVersion(QStringLiteral(TEMPOTIK_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/tempotik.ico")));

    Tempotikform form;
    form.show();
    return app.exec();
}
