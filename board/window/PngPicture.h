// PNG pictures read with the reader built into Qt's GUI library alone. A
// reader left to guess a picture's format asks every image plug-in
// installed first, loading each of them; the quiz's own pictures are PNG
// and need none of them.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace orrinvale {

QImage readPng(const QString& path);
QImage readPng(const QByteArray& bytes);

} // namespace orrinvale
