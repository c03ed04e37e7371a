// Tempotik — a click-speed meter. Licensed under the MIT licence.
//
// tempotik-cpubench: the floors that the CPU Tempotik uses while timing is
// measured against. Each shows a window of Tempotik's size titled Tempotik
// and ticks a 10 ms precise timer until it is closed.
//   tempotik-cpubench empty    the timer in an empty window
//   tempotik-cpubench label    the timer changing one 17 × 17 label's text on
//                              every tick, inside a frame, as Tempotik's
//                              countdown is

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QTimer>

#include <cstdio>
#include <string>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode != "empty" && mode != "label") {
        std::fprintf(stderr, "usage: tempotik-cpubench empty|label\n");
        return 2;
    }
    QWidget window;
    window.setWindowTitle(QStringLiteral("Tempotik"));
    window.setFixedSize(183, 234);
    QGroupBox frame(QStringLiteral("Laatste..."), &window);
    frame.setGeometry(72, 48, 105, 57);
    QLabel label(QStringLiteral("99"), &frame);
    label.setGeometry(80, 32, 17, 17);
    label.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    frame.setVisible(mode == "label");

    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    int left = 99;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (mode == "label") {
            left = left == 0 ? 99 : left - 1;
            label.setText(QString::number(left));
        }
    });
    timer.start(10);
    window.show();
    return app.exec();
}
