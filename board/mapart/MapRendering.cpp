#include "MapRendering.h"

#include <QPainter>
#include <QSvgRenderer>

namespace orrinvale {

QImage renderMap(const QString& svg, QSize devicePixels)
{
    QImage image(devicePixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    QSvgRenderer renderer(svg);
    if (renderer.isValid()) {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        renderer.render(&p, QRectF(QPointF(0, 0), QSizeF(devicePixels)));
    }
    return image;
}

QString prebuiltMapName(QSize devicePixels)
{
    return QStringLiteral("map-%1x%2.png").arg(devicePixels.width()).arg(devicePixels.height());
}

} // namespace orrinvale
