// Tempotik — a click-speed meter. Licensed under the MIT licence.
#pragma once

class QAccessibleEvent;

// Qt tells screen readers of a new name at every new text of a button, even
// where the button's name is set apart from its text, as the total's is.
// A screen reader works through every such event, so this handler lets one
// through only when the name it would read has changed. Install it with
// QAccessible::installUpdateHandler, before any other handler.
void passNewNamesOnly(QAccessibleEvent* event);
