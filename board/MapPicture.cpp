#include "MapPicture.h"

#include <QPainter>
#include <QSvgRenderer>

namespace orrinvale {

MapPicture::MapPicture(QString resource) : resource_(std::move(resource)) {}

const QPixmap& MapPicture::pixmap(QSize logicalSize, qreal devicePixelRatio)
{
    const QSize device = (QSizeF(logicalSize) * devicePixelRatio).toSize();
    if (cache_.size() != device || cache_.devicePixelRatio() != devicePixelRatio) {
        QPixmap rendered(device);
        rendered.fill(Qt::white);
        QSvgRenderer renderer(resource_);
        if (renderer.isValid()) {
            QPainter p(&rendered);
            p.setRenderHint(QPainter::Antialiasing);
            renderer.render(&p, QRectF(QPointF(0, 0), QSizeF(device)));
        }
        rendered.setDevicePixelRatio(devicePixelRatio);
        cache_ = rendered;
    }
    return cache_;
}

void MapPicture::draw(QPainter& painter, const QRect& target)
{
    painter.drawPixmap(target.topLeft(), pixmap(target.size(), painter.device()->devicePixelRatioF()));
}

} // namespace orrinvale
