// Renders the map picture ahead, at the map's size in the window for each
// pixel ratio the program keeps a picture for, and writes a resource file
// that lists them.
//   mappainter <map.svg> <output folder>
#include "Layout.h"
#include "MapRendering.h"
#include "Twips.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: mappainter <map.svg> <output folder>\n");
        return 2;
    }
    // Nothing is shown: the offscreen platform is enough to paint.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString svg = QString::fromLocal8Bit(argv[1]);
    const QDir out(QString::fromLocal8Bit(argv[2]));
    const orrinvale::RectTw& box = orrinvale::layout::kMapPicture;
    const QSize logical(orrinvale::toPixels(box.width), orrinvale::toPixels(box.height));

    QString qrc = QStringLiteral("<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"%1\">\n")
                      .arg(QString::fromLatin1(orrinvale::kPrebuiltMapFolder).mid(1));
    for (const qreal ratio : orrinvale::kPrebuiltMapRatios) {
        const QSize device = (QSizeF(logical) * ratio).toSize();
        const QString name = orrinvale::prebuiltMapName(device);
        if (!orrinvale::renderMap(svg, device).save(out.filePath(name), "PNG")) {
            std::fprintf(stderr, "mappainter: cannot write %s\n", qPrintable(out.filePath(name)));
            return 1;
        }
        qrc += QStringLiteral("    <file>%1</file>\n").arg(name);
    }
    qrc += QStringLiteral("  </qresource>\n</RCC>\n");
    QFile file(out.filePath(QStringLiteral("prebuilt-map.qrc")));
    if (!file.open(QIODevice::WriteOnly) || file.write(qrc.toUtf8()) < 0) {
        std::fprintf(stderr, "mappainter: cannot write %s\n", qPrintable(file.fileName()));
        return 1;
    }
    return 0;
}
