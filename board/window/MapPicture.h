// The map picture once per device pixel ratio, kept so an ordinary repaint
// only copies a pixmap: read from the picture the build rendered ahead for
// the common ratios, rendered from the SVG for any other.
#pragma once

#include "MapRendering.h"

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
    // `prebuilt`: the folder of the pictures rendered ahead from `resource`
    // (none for another picture).
    MapPicture(QString resource, QString prebuilt);
    ~MapPicture();

    // Starts reading or rendering the picture for this size and ratio on
    // another thread, so that it is ready by the window's first paint.
    void renderAhead(QSize logicalSize, qreal devicePixelRatio);

    void draw(QPainter& painter, const QRect& target);
    // Lets go of the picture kept for the last size; the next draw makes it again.
    void release() { cache_ = QPixmap(); }
    // The picture at the given size and pixel ratio (rendered if not cached).
    const QPixmap& pixmap(QSize logicalSize, qreal devicePixelRatio);

private:
    QImage make(QSize devicePixels) const;

    QString resource_;
    QString prebuilt_;
    QPixmap cache_;
    std::future<QImage> ahead_;
};

} // namespace orrinvale
