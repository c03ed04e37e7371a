// Tempotik — a click-speed meter. Licensed under the MIT licence.
// The window tests need a QApplication; without a display they use Qt's
// offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char* argv[]) {
    testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
