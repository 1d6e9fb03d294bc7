#include "MapResource.h"

#include "MapCatalogue.h"
#include "MapFile.h"

#include <QFile>

// The pictures are compiled into static libraries of their own (assets/):
// those of the source with the states' map rendered ahead, and the
// continents' maps with theirs, registered only once one is chosen.
static void registerStatesPictures()
{
    Q_INIT_RESOURCE(assets);
    Q_INIT_RESOURCE(prebuiltmap);
}

static void registerWorldPictures()
{
    Q_INIT_RESOURCE(maps);
    Q_INIT_RESOURCE(prebuiltmaps);
}

namespace orrinvale {

void registerProgramPictures()
{
    static const bool once = (registerStatesPictures(), true);
    (void)once;
}

std::variant<BoardMap, std::string> loadMap(const std::string& id)
{
    if (id == statesMap().id)
        return statesMap();
    if (!findMap(id))
        return "there is no map called " + id;
    static const bool once = (registerWorldPictures(), true);
    (void)once;
    QFile file(QStringLiteral(":/maps/%1.map").arg(QString::fromStdString(id)));
    if (!file.open(QIODevice::ReadOnly))
        return "the map " + id + " is not in the program";
    auto map = readMapFile(id, file.readAll().toStdString());
    if (auto* read = std::get_if<BoardMap>(&map))
        read->title = std::string(findMap(id)->title);
    return map;
}

} // namespace orrinvale
