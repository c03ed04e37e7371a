// Tempotik — a click-speed meter. Licensed under the MIT licence.
#include "value_backdrop.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>

namespace {

// Values that seldom come back (the averages) must not pile up.
constexpr int mostPicturesPerLabel = 128;

bool changesTheLook(QEvent::Type type) {
    return type == QEvent::StyleChange || type == QEvent::PaletteChange ||
           type == QEvent::FontChange || type == QEvent::Resize;
}

}  // namespace

void ValueBackdrop::install(QLabel& label) {
    label.setAttribute(Qt::WA_OpaquePaintEvent);
    label.installEventFilter(this);
    label.parentWidget()->installEventFilter(this);
    values_[&label];
}

void ValueBackdrop::prepare(QLabel& label) {
    Values& values = values_.at(&label);
    const qreal ratio = label.devicePixelRatioF();
    if (values.pixelRatio != ratio || values.pictures.size() >= mostPicturesPerLabel) {
        values = {ratio, {}};
    }
    if (values.pictures.contains(label.text())) {
        return;
    }
    QPixmap picture(label.size() * ratio);
    picture.setDevicePixelRatio(ratio);
    label.render(&picture, QPoint(), QRegion(), QWidget::RenderFlags());  // backdrop and text
    values.pictures.insert(label.text(), picture);
}

bool ValueBackdrop::eventFilter(QObject* watched, QEvent* event) {
    const auto label = values_.find(watched);
    if (event->type() == QEvent::Paint && label != values_.end()) {
        auto& widget = static_cast<QLabel&>(*watched);
        const auto picture = label->second.pictures.constFind(widget.text());
        if (picture != label->second.pictures.constEnd() &&
            label->second.pixelRatio == widget.devicePixelRatioF()) {
            QPainter(&widget).drawPixmap(0, 0, *picture);
            return true;
        }
        paintBackdrop(widget);
        return false;  // the label paints its text over the backdrop
    }
    if (changesTheLook(event->type())) {
        forget(*watched);
    }
    return false;
}

void ValueBackdrop::paintBackdrop(QLabel& label) {
    const qreal ratio = label.devicePixelRatioF();
    const QPixmap& backdrop = pictureOf(*label.parentWidget(), ratio);
    QPainter painter(&label);
    painter.drawPixmap(QRectF(label.rect()), backdrop,
                       QRectF(QPointF(label.pos()) * ratio, QSizeF(label.size()) * ratio));
}

const QPixmap& ValueBackdrop::pictureOf(QWidget& frame, qreal pixelRatio) {
    QPixmap& picture = backdrops_[&frame];
    if (picture.isNull() || picture.devicePixelRatio() != pixelRatio) {
        picture = QPixmap(frame.size() * pixelRatio);
        picture.setDevicePixelRatio(pixelRatio);
        frame.render(&picture, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    }
    return picture;
}

// A frame's change of look changes every value picture drawn over it.
void ValueBackdrop::forget(const QObject& widget) {
    backdrops_.erase(&widget);
    for (auto& [label, values] : values_) {
        if (label == &widget || label->parent() == &widget) {
            values.pictures.clear();
        }
    }
}
