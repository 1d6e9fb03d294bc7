// The map picture, rendered from its SVG once per device pixel ratio and kept,
// so an ordinary repaint only copies a pixmap.
#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

class QPainter;
class QRect;

namespace orrinvale {

class MapPicture {
public:
    explicit MapPicture(QString resource = QStringLiteral(":/map.svg"));
    void draw(QPainter& painter, const QRect& target);
    // The picture at the given size and pixel ratio (rendered if not cached).
    const QPixmap& pixmap(QSize logicalSize, qreal devicePixelRatio);

private:
    QString resource_;
    QPixmap cache_;
};

} // namespace orrinvale
