// Tempotik — a click-speed meter. Licensed under the MIT licence.
#pragma once

#include <QApplication>

#ifdef Q_OS_LINUX
#include "screen_reader_keys.h"
#endif

// What a screen reader gets from Tempotik, beyond what Qt tells it of every
// control by itself:
// - the controls in reading order, top to bottom and left to right, each
//   frame named by its title, and the window as a window whose title is
//   announced (reading_order.h). Qt lists controls in the order they were
//   made, which reads "0, Per seconde:" for "Per seconde: 0".
// - a status bar with the latest figures, read when asked (in Orca
//   Insert+KP_Enter twice), and a notification spoken at a reset: texts for
//   screen readers alone, with no look of their own (spoken_text.h), kept by
//   the window's SpokenFigures (spoken_figures.h).
// - every figure's name as the screen shows it, whenever it is read, while
//   a screen reader is told of at most about five new names a second
//   (figure_names.h). Told of every new figure, up to 60 a second, it works
//   through them all and falls behind the keys it must answer.
// - on Linux, every key the screen reader's first, however long it takes to
//   answer, so that its commands never click or reset (screen_reader_keys.h).
// Qt offers no hook for a window alone here: the reading order and the
// spoken texts are accessibility factories, the held-back names an update
// handler, and the keys need the application's notify(), which sees every
// event before anything of Qt's does. This application installs them all,
// before any window exists, and takes them away again at its end.
class AccessibleApplication : public QApplication {
public:
    AccessibleApplication(int& argc, char** argv);
    ~AccessibleApplication() override;

#ifdef Q_OS_LINUX
    bool notify(QObject* receiver, QEvent* event) override;

private:
    ScreenReaderKeys keys_;
#endif
};
