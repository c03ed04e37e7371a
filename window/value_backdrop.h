// Tempotik — a click-speed meter. Licensed under the MIT licence.
#pragma once

#include <QHash>
#include <QObject>
#include <QPixmap>
#include <QString>

#include <map>

class QLabel;
class QWidget;

// Paints the value labels from pictures, so that a changed figure repaints
// only its own label, at the cost of one copy. What lies behind a label is a
// picture of its frame drawn once: the frame is not repainted, with the title
// and edges its style measures afresh on every paint. Each value, once shown,
// is a picture of that backdrop with the label's own text on it: the text is
// not laid out again. The pictures are the frame's and the label's own
// painting, so the pixels on screen are the same; they are drawn afresh when
// a style, palette, font, size or pixel ratio changes.
class ValueBackdrop : public QObject {
public:
    // Paints label from now on; label's parent is its frame.
    void install(QLabel& label);
    // Draws the picture of the value label shows now, unless it has one;
    // call it after changing the text, outside a paint.
    void prepare(QLabel& label);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void paintBackdrop(QLabel& label);
    const QPixmap& pictureOf(QWidget& frame, qreal pixelRatio);
    void forget(const QObject& widget);

    struct Values {
        qreal pixelRatio = 0.0;
        QHash<QString, QPixmap> pictures;
    };
    std::map<const QObject*, Values> values_;      // by label
    std::map<const QObject*, QPixmap> backdrops_;  // by frame
};
