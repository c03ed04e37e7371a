// Tempotik — a click-speed meter. Licensed under the MIT licence.
#include "reading_order.h"

#include <QAccessibleWidget>
#include <QGroupBox>
#include <QLabel>

#include <algorithm>
#include <vector>

namespace {

class ReadingOrder : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    int childCount() const override { return int(ordered().size()); }

    QAccessibleInterface* child(int index) const override {
        const auto children = ordered();
        return index >= 0 && index < int(children.size()) ? children[index] : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto children = ordered();
        const auto found = std::find(children.begin(), children.end(), child);
        return found == children.end() ? -1 : int(found - children.begin());
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            if (const auto* frame = qobject_cast<const QGroupBox*>(widget())) {
                return frame->title();
            }
        }
        return QAccessibleWidget::text(t);
    }

private:
    // The controls as they are read, then the window's texts for screen
    // readers alone, which have no control to show them.
    std::vector<QAccessibleInterface*> ordered() const {
        std::vector<QAccessibleInterface*> children;
        for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
            children.push_back(QAccessibleWidget::child(i));
        }
#ifdef Q_OS_WIN
        // On Windows each value is named with its caption, so a screen reader
        // walking the window would read the caption twice; it stays on screen.
        std::erase_if(children, [](const auto* child) {
            const auto* label = qobject_cast<const QLabel*>(child->object());
            return label && label->buddy();
        });
#endif
        std::stable_sort(children.begin(), children.end(), [](const auto* a, const auto* b) {
            const QRect ra = a->rect(), rb = b->rect();
            return std::pair(ra.top(), ra.left()) < std::pair(rb.top(), rb.left());
        });
        for (QObject* child : object()->children()) {
            if (!child->isWidgetType()) {
                if (QAccessibleInterface* accessible =
                        QAccessible::queryAccessibleInterface(child)) {
                    children.push_back(accessible);
                }
            }
        }
        return children;
    }
};

}  // namespace

QAccessibleInterface* readingOrderAccessible(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (className == QLatin1String("Tempotikform") && widget->isWindow()) {
        return new ReadingOrder(widget, QAccessible::Window);
    }
    if (className == QLatin1String("QGroupBox")) {
        return new ReadingOrder(widget, QAccessible::Grouping);
    }
    return nullptr;
}
