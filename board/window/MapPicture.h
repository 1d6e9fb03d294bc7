// The map picture, rendered from its SVG once per device pixel ratio and kept,
// so an ordinary repaint only copies a pixmap.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <future>

class QPainter;
class QRect;

namespace orrinvale {

class MapPicture {
public:
    explicit MapPicture(QString resource = QStringLiteral(":/map.svg"));
    ~MapPicture();

    // Starts rendering the picture for this size and ratio on another thread,
    // so that it is ready by the window's first paint.
    void renderAhead(QSize logicalSize, qreal devicePixelRatio);

    void draw(QPainter& painter, const QRect& target);
    // The picture at the given size and pixel ratio (rendered if not cached).
    const QPixmap& pixmap(QSize logicalSize, qreal devicePixelRatio);

private:
    QString resource_;
    QPixmap cache_;
    std::future<QImage> ahead_;
};

// The picture rendered into an image of the given size in device pixels.
QImage renderMap(const QString& resource, QSize devicePixels);

} // namespace orrinvale
