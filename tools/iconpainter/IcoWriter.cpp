#include "IcoWriter.h"

#include <QtEndian>

namespace {

void put16(QByteArray& out, int v)
{
    out.append(char(v & 0xFF));
    out.append(char((v >> 8) & 0xFF));
}

void put32(QByteArray& out, quint32 v)
{
    for (int k = 0; k < 4; ++k)
        out.append(char((v >> (8 * k)) & 0xFF));
}

QByteArray bitmap(const IcoImage& entry)
{
    const QImage img = entry.image.convertToFormat(QImage::Format_ARGB32);
    const int w = img.width(), h = img.height();
    const int bpp = entry.bitsPerPixel;
    QByteArray out;
    put32(out, 40);
    put32(out, quint32(w));
    put32(out, quint32(h * 2));  // colour rows and mask rows
    put16(out, 1);
    put16(out, bpp);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    const int colourStride = ((w * bpp / 8) + 3) & ~3;
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row;
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb c = line[x];
            const bool opaque = qAlpha(c) >= 128;
            row.append(char(bpp == 24 && !opaque ? 0 : qBlue(c)));
            row.append(char(bpp == 24 && !opaque ? 0 : qGreen(c)));
            row.append(char(bpp == 24 && !opaque ? 0 : qRed(c)));
            if (bpp == 32)
                row.append(char(qAlpha(c)));
        }
        row.append(QByteArray(colourStride - row.size(), '\0'));
        out.append(row);
    }
    const int maskStride = ((w + 31) / 32) * 4;
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            if (qAlpha(line[x]) < 128)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(row);
    }
    return out;
}

} // namespace

QByteArray writeIcoFile(const QList<IcoImage>& images, int type)
{
    QList<QByteArray> bodies;
    for (const IcoImage& entry : images)
        bodies.append(bitmap(entry));
    QByteArray out;
    put16(out, 0);
    put16(out, type);
    put16(out, int(images.size()));
    quint32 offset = quint32(6 + 16 * images.size());
    for (int k = 0; k < images.size(); ++k) {
        const IcoImage& entry = images[k];
        out.append(char(entry.image.width() >= 256 ? 0 : entry.image.width()));
        out.append(char(entry.image.height() >= 256 ? 0 : entry.image.height()));
        out.append(char(0));
        out.append(char(0));
        if (type == 2) {
            put16(out, entry.hotSpot.x());
            put16(out, entry.hotSpot.y());
        } else {
            put16(out, 1);
            put16(out, entry.bitsPerPixel);
        }
        put32(out, quint32(bodies[k].size()));
        put32(out, offset);
        offset += quint32(bodies[k].size());
    }
    for (const QByteArray& body : bodies)
        out.append(body);
    return out;
}
