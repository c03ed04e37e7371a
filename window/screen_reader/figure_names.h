// Tempotik — a click-speed meter. Licensed under the MIT licence.
#pragma once

class QAccessibleEvent;
class QObject;

// Qt tells a screen reader of a new name at every new text of a label or a
// button: for the figures that is up to 60 a second, and a screen reader
// works through every one. A figure's control whose news is held back is
// still read as it shows, whenever a screen reader asks; only the news of
// a new name waits until the window tells it with tellNewName.

// Holds back Qt's own news of a new name of control from now on.
void holdBackNameNews(QObject& control);

// Tells screen readers that control has a new name, held back or not.
void tellNewName(QObject& control);

// The update handler that holds the news back; install it with
// QAccessible::installUpdateHandler.
void holdBackFigureNames(QAccessibleEvent* event);
