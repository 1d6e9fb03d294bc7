#include "MapPicture.h"

#include "PngPicture.h"

#include <QPainter>

namespace orrinvale {

MapPicture::MapPicture(QString resource, QString prebuilt)
    : resource_(std::move(resource)), prebuilt_(std::move(prebuilt))
{
}

QImage MapPicture::make(QSize devicePixels) const
{
    if (!prebuilt_.isEmpty()) {
        QImage image = readPng(prebuilt_ + QLatin1Char('/') + prebuiltMapName(devicePixels));
        if (image.size() == devicePixels)
            return image.convertToFormat(QImage::Format_RGB32);
    }
    return renderMap(resource_, devicePixels);
}

MapPicture::~MapPicture()
{
    if (ahead_.valid())
        ahead_.wait();
}

void MapPicture::renderAhead(QSize logicalSize, qreal devicePixelRatio)
{
    const QSize device = (QSizeF(logicalSize) * devicePixelRatio).toSize();
    ahead_ = std::async(std::launch::async, [this, device] { return make(device); });
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
            image = make(device);
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
