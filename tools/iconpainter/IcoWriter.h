// Writes Windows icon (.ico) and cursor (.cur) files with uncompressed
// bitmap images: 32-bit with alpha, or 24-bit with a transparency mask.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPoint>

struct IcoImage {
    QImage image;
    int bitsPerPixel = 32;  // 32 or 24
    QPoint hotSpot;         // cursors only
};

// type 1: icon, type 2: cursor.
QByteArray writeIcoFile(const QList<IcoImage>& images, int type);
