#include "MapPicture.h"

#include <QPainter>
#include <QSvgRenderer>

namespace orrinvale {

QImage renderMap(const QString& resource, QSize devicePixels)
{
    QImage image(devicePixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    QSvgRenderer renderer(resource);
    if (renderer.isValid()) {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        renderer.render(&p, QRectF(QPointF(0, 0), QSizeF(devicePixels)));
    }
    return image;
}

MapPicture::MapPicture(QString resource) : resource_(std::move(resource)) {}

MapPicture::~MapPicture()
{
    if (ahead_.valid())
        ahead_.wait();
}

void MapPicture::renderAhead(QSize logicalSize, qreal devicePixelRatio)
{
    const QSize device = (QSizeF(logicalSize) * devicePixelRatio).toSize();
    ahead_ = std::async(std::launch::async, [resource = resource_, device] { return renderMap(resource, device); });
}

const QPixmap& MapPicture::pixmap(QSize logicalSize, qreal devicePixelRatio)
{
    const QSize device = (QSizeF(logicalSize) * devicePixelRatio).toSize();
    if (cache_.size() != device || cache_.devicePixelRatio() != devicePixelRatio) {
        QImage image;
        if (ahead_.valid()) {
            image = ahead_.get();
            if (image.size() != device)
                image = QImage();
        }
        if (image.isNull())
            image = renderMap(resource_, device);
        cache_ = QPixmap::fromImage(std::move(image));
        cache_.setDevicePixelRatio(devicePixelRatio);
    }
    return cache_;
}

void MapPicture::draw(QPainter& painter, const QRect& target)
{
    painter.drawPixmap(target.topLeft(), pixmap(target.size(), painter.device()->devicePixelRatioF()));
}

} // namespace orrinvale
