// Renders a map picture ahead, at the map's size in the window for each
// pixel ratio the program keeps a picture for, and writes a resource file
// that lists them: the states' map, or the map a map file describes.
//   mappainter <map.svg> <output folder> [<map file>]
#include "BoardMap.h"
#include "MapFile.h"
#include "MapRendering.h"
#include "Twips.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <optional>

namespace {

std::optional<orrinvale::BoardMap> readMap(const char* path)
{
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QString id = QFileInfo(file.fileName()).completeBaseName();
    auto map = orrinvale::readMapFile(id.toStdString(), file.readAll().toStdString());
    if (auto* read = std::get_if<orrinvale::BoardMap>(&map))
        return std::move(*read);
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: mappainter <map.svg> <output folder> [<map file>]\n");
        return 2;
    }
    // Nothing is shown: the offscreen platform is enough to paint.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString svg = QString::fromLocal8Bit(argv[1]);
    const QDir out(QString::fromLocal8Bit(argv[2]));
    const auto map = argc == 4 ? readMap(argv[3]) : orrinvale::statesMap();
    if (!map) {
        std::fprintf(stderr, "mappainter: %s is not a map file\n", argv[3]);
        return 1;
    }
    const orrinvale::RectTw& box = map->mapPicture;
    const QSize logical(orrinvale::toPixels(box.width), orrinvale::toPixels(box.height));

    QString qrc = QStringLiteral("<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"%1\">\n")
                      .arg(QString::fromStdString(map->prebuilt).mid(1));
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
