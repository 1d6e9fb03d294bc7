#include "WorldMapCheck.h"

#include "MapFile.h"
#include "QtLayout.h"
#include "QuietBoard.h"
#include "SvgPath.h"

#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QRect>
#include <QXmlStreamReader>

#include <algorithm>
#include <cstdio>
#include <map>

using namespace orrinvale;

namespace {

constexpr int kScale = 2;              // samples per pixel along each axis
constexpr int kRim = 2 * kScale;       // the rim left out of a country's core
constexpr int kSmallest = 24 * kScale; // a target's least width and height
constexpr int kThinnest = 12 * kScale; // the side of the square a target holds
constexpr int kGrey = 0xFFFF;          // land that is no country of the map

// A grid over the map picture holding, at each sample, a country's number
// plus one, kGrey, or 0.
struct Grid {
    int width = 0, height = 0;
    std::vector<int> cells;
    int& at(int x, int y) { return cells[static_cast<std::size_t>(y * width + x)]; }
    int at(int x, int y) const { return cells[static_cast<std::size_t>(y * width + x)]; }
};

Grid emptyGrid(const BoardMap& map)
{
    Grid g;
    g.width = toPixels(map.mapPicture.width) * kScale;
    g.height = toPixels(map.mapPicture.height) * kScale;
    g.cells.assign(static_cast<std::size_t>(g.width * g.height), 0);
    return g;
}

// The land of the picture: each country's path by its code (a path of a
// zoomed inset by its code and the inset's, "CY.levant"), an inset's sea
// ("sea.levant") as sea, every other path as grey land. Without the insets,
// the map as it is drawn to scale.
Grid landOf(const QString& svg, const BoardMap& map, const std::map<std::string, int>& number, bool withInsets)
{
    Grid g = emptyGrid(map);
    QImage image(g.width, g.height, QImage::Format_RGB32);
    image.fill(0);
    QPainter p(&image);
    p.scale(kScale, kScale);
    p.setPen(Qt::NoPen);
    QFile file(svg);
    file.open(QIODevice::ReadOnly);
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("path"))
            continue;
        const QString id = xml.attributes().value(QLatin1String("id")).toString();
        const QString code = id.section(QLatin1Char('.'), 0, 0);
        if (!withInsets && code != id)
            break;  // the insets come after the map
        const auto found = number.find(code.toStdString());
        p.setBrush(QColor::fromRgb(code == QLatin1String("sea") ? 0 : found == number.end() ? kGrey : found->second + 1));
        p.drawPath(parsePath(xml.attributes().value(QLatin1String("d")).toString()));
    }
    p.end();
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x)
            g.at(x, y) = static_cast<int>(image.pixel(x, y) & 0xFFFF);
    return g;
}

// Where a drop of each country's name is taken, painted from the board's
// regions back to front as its hit test judges them.
Grid targetsOf(const Board& board, const std::map<std::string, int>& number)
{
    Grid g = emptyGrid(board.map());
    std::vector<const Region*> regions;
    for (const auto& [index, region] : board.regions())
        regions.push_back(&region);
    std::stable_sort(regions.begin(), regions.end(), [](auto* a, auto* b) { return a->zOrder < b->zOrder; });
    const RectTw& frame = board.map().mapPicture;
    for (const Region* r : regions) {
        const auto found = number.find(trimSpaces(r->tag));
        const int value = found == number.end() ? kGrey : found->second + 1;  // a region of no name
        const int x0 = (r->box.left - frame.left) * kScale / kTwipsPerPixel;
        const int y0 = (r->box.top - frame.top) * kScale / kTwipsPerPixel;
        for (int y = std::max(0, y0); y < std::min(g.height, y0 + r->box.height * kScale / kTwipsPerPixel); ++y)
            for (int x = std::max(0, x0); x < std::min(g.width, x0 + r->box.width * kScale / kTwipsPerPixel); ++x)
                g.at(x, y) = value;
    }
    return g;
}

bool inCore(const Grid& land, int x, int y)
{
    const int code = land.at(x, y);
    if (x < kRim || y < kRim || x >= land.width - kRim || y >= land.height - kRim)
        return false;
    for (int dy = -kRim; dy <= kRim; ++dy)
        for (int dx = -kRim; dx <= kRim; ++dx)
            if (land.at(x + dx, y + dy) != code)
                return false;
    return true;
}

struct Figures {
    double worstCore = 101;
    std::string worstCoreCode;
    int smallestSide = 1 << 20;  // the thickest square of the thinnest target
    std::string smallestCode;
    int smallTargets = 0;  // under 576 px2, or narrower or shorter than 24 px
    long onOtherLand = 0;  // samples in the core of another country's land, or of grey land
};

void checkTargets(const Grid& land, const Grid& targets, const std::vector<std::string>& codes, Figures& f)
{
    std::vector<long> core(codes.size()), taken(codes.size());
    std::vector<int> side(codes.size()), run(static_cast<std::size_t>(targets.width * targets.height));
    std::vector<long> area(codes.size());
    std::vector<QRect> extent(codes.size());
    for (int y = 0; y < land.height; ++y) {
        for (int x = 0; x < land.width; ++x) {
            const int c = land.at(x, y), t = targets.at(x, y);
            if (c > 0 && c != kGrey && inCore(land, x, y)) {
                ++core[static_cast<std::size_t>(c - 1)];
                taken[static_cast<std::size_t>(c - 1)] += t == c;
            }
            // A target's edge may round onto a neighbour's rim; past it, no target goes.
            f.onOtherLand += t > 0 && c > 0 && c != t && inCore(land, x, y);
            // The side of the largest square of one target ending here.
            int& r = run[static_cast<std::size_t>(y * targets.width + x)];
            const bool joins = t > 0 && x > 0 && y > 0 && targets.at(x - 1, y) == t && targets.at(x, y - 1) == t &&
                               targets.at(x - 1, y - 1) == t;
            r = t == 0 ? 0 : joins ? 1 + std::min({run[static_cast<std::size_t>(y * targets.width + x - 1)],
                                                   run[static_cast<std::size_t>((y - 1) * targets.width + x)],
                                                   run[static_cast<std::size_t>((y - 1) * targets.width + x - 1)]})
                                   : 1;
            if (t > 0 && t != kGrey) {
                const auto k = static_cast<std::size_t>(t - 1);
                side[k] = std::max(side[k], r);
                ++area[k];
                extent[k] |= QRect(x, y, 1, 1);
            }
        }
    }
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const double share = core[i] ? 100.0 * static_cast<double>(taken[i]) / static_cast<double>(core[i]) : 100.0;
        if (share < f.worstCore)
            f.worstCore = share, f.worstCoreCode = codes[i];
        if (side[i] < f.smallestSide)
            f.smallestSide = side[i], f.smallestCode = codes[i];
        f.smallTargets += area[i] < 576L * kScale * kScale || extent[i].width() < kSmallest ||
                          extent[i].height() < kSmallest;
    }
}

// Names of the panel wider than their cells, and names on the map that
// overlap one another or cross a leader line, with every name placed.
std::pair<int, int> checkNames(const Board& board)
{
    const BoardMap& map = board.map();
    const QFontMetrics panel(pixelFont("Arial", layout::kNameFontPx, true));
    int cut = 0, clashes = 0;
    std::vector<QRectF> shown;
    for (int i = 0; i < map.nameCount(); ++i) {
        const QString caption = QString::fromStdString(board.panelName(i).caption);
        cut += panel.horizontalAdvance(caption) > toPixels(map.nameBoxes[static_cast<std::size_t>(i)].width);
        const layout::MapName& name = map.placedNames[static_cast<std::size_t>(i)];
        const QRectF box = pixelRect(name.box);
        qreal width = 0;
        const QFontMetrics onMap(pixelFont("Arial Narrow", name.fontPx, false));
        for (const std::string_view line : layout::linesOf(board.placedCaption(i), name.firstLineWords))
            width = std::max<qreal>(width, onMap.horizontalAdvance(QString::fromUtf8(line.data(), qsizetype(line.size()))));
        shown.emplace_back(box.center().x() - width / 2, box.top(), width, box.height());
    }
    for (std::size_t a = 0; a < shown.size(); ++a) {
        for (std::size_t b = a + 1; b < shown.size(); ++b)
            clashes += shown[a].intersects(shown[b]);
        for (const layout::LeaderLine& line : map.leaderLines) {
            const QLineF l(toPixelsF(line.from.x), toPixelsF(line.from.y), toPixelsF(line.to.x), toPixelsF(line.to.y));
            const QRectF r = shown[a].adjusted(1, 1, -1, -1);
            const QLineF edges[] = {{r.topLeft(), r.topRight()}, {r.topRight(), r.bottomRight()},
                                    {r.bottomRight(), r.bottomLeft()}, {r.bottomLeft(), r.topLeft()}};
            clashes += r.contains(l.p1()) || r.contains(l.p2()) ||
                       std::any_of(std::begin(edges), std::end(edges),
                                   [&](const QLineF& e) { return e.intersects(l, nullptr) == QLineF::BoundedIntersection; });
        }
    }
    return {cut, clashes};
}

// Pairs of countries whose drawn areas tell whether disputed land is drawn
// as the United Nations draws it: Crimea Ukraine's, Western Sahara apart
// from Morocco, Somaliland Somalia's. The equal-area projections keep their
// true ratios (1.93, 0.43, 0.56) to a few per cent.
struct AreaRatio {
    const char* map;
    const char* code;
    const char* against;
    double least;
    double most;
};
constexpr AreaRatio kAreaRatios[] = {
    {"europe", "UA", "PL", 1.90, 2.00}, {"africa", "MA", "MR", 0.38, 0.47}, {"africa", "SO", "ET", 0.55, 0.60}};

// Prints the map's area ratios; false when one is out of its range.
bool checkAreaRatios(const std::string& id, const Grid& land, const std::map<std::string, int>& number)
{
    bool ok = true;
    for (const AreaRatio& r : kAreaRatios) {
        if (id != r.map)
            continue;
        const int a = number.at(r.code) + 1, b = number.at(r.against) + 1;
        const auto ratio = static_cast<double>(std::count(land.cells.begin(), land.cells.end(), a)) /
                           static_cast<double>(std::max<long>(1, std::count(land.cells.begin(), land.cells.end(), b)));
        const bool within = ratio >= r.least && ratio <= r.most;
        std::printf("%s: %s against %s in area %.2f (%.2f to %.2f): %s\n", id.c_str(), r.code, r.against, ratio, r.least,
                    r.most, within ? "passed" : "FAILED");
        ok = ok && within;
    }
    return ok;
}

bool checkWorldMap(const std::string& id)
{
    const QString base = QStringLiteral(ORRINVALE_ASSETS "/maps/") + QString::fromStdString(id);
    QFile file(base + QStringLiteral(".map"));
    file.open(QIODevice::ReadOnly);
    auto read = readMapFile(id, file.readAll().toStdString());
    if (const auto* why = std::get_if<std::string>(&read)) {
        std::printf("%s: %s\n", id.c_str(), why->c_str());
        return false;
    }
    const BoardMap& map = std::get<BoardMap>(read);
    const QuietBoard dealt(ORRINVALE_ASSETS, map);
    std::map<std::string, int> number;
    std::vector<std::string> codes;
    for (int i = 0; i < map.nameCount(); ++i) {
        codes.push_back(dealt.board.panelName(i).tag);
        number.emplace(codes.back(), i);
    }
    Figures f;
    const Grid land = landOf(base + QStringLiteral(".svg"), map, number, true);
    checkTargets(land, targetsOf(dealt.board, number), codes, f);
    const auto [cut, clashes] = checkNames(dealt.board);
    const bool areasHold = checkAreaRatios(id, landOf(base + QStringLiteral(".svg"), map, number, false), number);
    const bool ok = areasHold && dealt.sound() && f.worstCore >= 98.0 && f.smallestSide >= kThinnest &&
                    f.smallTargets == 0 && f.onOtherLand == 0 && cut == 0 && clashes == 0;
    std::printf("%s: %d countries, window %d x %d, %d drop rectangles; core taking its own name: at least %.1f %% (%s); "
                "targets under 24 x 24 px: %d, the thinnest holding a %d px square (%s); target samples on other land: %ld; names cut: %d; "
                "names on the map overlapping or crossing a line: %d: %s\n",
                id.c_str(), map.nameCount(), toPixels(map.client.width), toPixels(map.client.height), map.regionCount(),
                f.worstCore, f.worstCoreCode.c_str(), f.smallTargets, f.smallestSide / kScale, f.smallestCode.c_str(), f.onOtherLand, cut,
                clashes, ok ? "passed" : "FAILED");
    return ok;
}

} // namespace

bool checkWorldMaps(const std::vector<std::string>& mapNames)
{
    bool ok = true;
    for (const std::string& id : mapNames)
        ok = checkWorldMap(id) && ok;
    return ok;
}
