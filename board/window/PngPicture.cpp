#include "PngPicture.h"

#include <QBuffer>
#include <QImageReader>

namespace orrinvale {

namespace {

QImage readWith(QImageReader& reader)
{
    reader.setAutoDetectImageFormat(false);
    reader.setDecideFormatFromContent(false);
    return reader.read();
}

} // namespace

QImage readPng(const QString& path)
{
    QImageReader reader(path, "png");
    return readWith(reader);
}

QImage readPng(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    return readWith(reader);
}

} // namespace orrinvale
