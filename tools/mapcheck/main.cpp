// Checks the shipped map picture against the window's hit rectangles, map
// names and leader lines, and fails when the quiz would not be playable:
//   (a) share of the lower 48's tagged rectangle area (the visible part) that
//       lies on its own state; at least 89 %
//   (b) per state, the share of its visible area where a drop of its own name
//       is judged correct: mean and minimum
//   (c) map names without a leader line whose box centre lies on their state;
//       at least 40 of 42
//   (d) leader lines whose inner end lies in their state; all 8
// Usage: mapcheck <map.svg> [--overlay picture.png]
//        mapcheck --world <name>...   (a continent's map: see WorldMapCheck.h)
// --overlay also saves the map at twice its size with the rectangles drawn over it.
#include "Layout.h"
#include "QuietBoard.h"
#include "SvgPath.h"
#include "WorldMapCheck.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

using namespace orrinvale;
using namespace orrinvale::layout;

namespace {

constexpr int kScale = 3;  // samples per pixel along each axis
constexpr int kBannerTop = 6900;

struct Raster {
    QImage image;  // red channel: state number + 1, 0 for none
    std::vector<std::string> codes;
    int width = 0;
    int height = 0;

    // The state at a point of the window, in twips.
    std::string stateAt(double xTw, double yTw) const
    {
        const int x = int(toPixelsF(xTw - kMapPicture.left) * kScale);
        const int y = int(toPixelsF(yTw - kMapPicture.top) * kScale);
        if (x < 0 || y < 0 || x >= width || y >= height)
            return {};
        const int v = qRed(image.pixel(x, y));
        return v ? codes[std::size_t(v - 1)] : std::string();
    }
};

bool loadRaster(const QString& file, Raster& r)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    r.width = toPixels(kMapPicture.width) * kScale;
    r.height = toPixels(kMapPicture.height) * kScale;
    r.image = QImage(r.width, r.height, QImage::Format_RGB32);
    r.image.fill(Qt::black);
    QPainter p(&r.image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.scale(kScale, kScale);
    p.setPen(Qt::NoPen);
    QXmlStreamReader xml(&f);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("path"))
            continue;
        const QString id = xml.attributes().value(QLatin1String("id")).toString();
        if (id.size() != 2 || id != id.toUpper())
            continue;
        r.codes.push_back(id.toStdString());
        p.setBrush(QColor(int(r.codes.size()), 0, 0));
        p.drawPath(parsePath(xml.attributes().value(QLatin1String("d")).toString()));
    }
    return !xml.hasError() && r.codes.size() == 50;
}

bool lowerState(const std::string& code)
{
    return !code.empty() && code != "AK" && code != "HI";
}

bool saveOverlay(const QString& svg, const QString& out)
{
    constexpr int kZoom = 2;
    QImage img(toPixels(kMapPicture.width) * kZoom, toPixels(kMapPicture.height) * kZoom, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QSvgRenderer(svg).render(&p, QRectF(img.rect()));
    p.scale(kZoom * toPixelsF(1), kZoom * toPixelsF(1));
    p.translate(-kMapPicture.left, -kMapPicture.top);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(110);
    p.setFont(font);
    for (const HitRect& r : kHitRects) {
        const QRectF box(r.box.left, r.box.top, r.box.width, r.box.height);
        p.setPen(QPen(QColor(200, 0, 0), 15));
        p.setBrush(Qt::NoBrush);
        p.drawRect(box);
        p.setPen(QColor(120, 0, 0));
        p.drawText(box.adjusted(25, 5, 0, 0), Qt::AlignLeft | Qt::AlignTop, QString::fromLatin1(r.tag.data(), int(r.tag.size())));
    }
    p.setPen(QPen(QColor(0, 0, 160), 30, Qt::DashLine));
    p.drawLine(QPointF(kMapPicture.left, kBannerTop), QPointF(kMapPicture.right(), kBannerTop));
    return img.save(out);
}

// (a) and (b): how the drop regions judge each sample of the picture.
// Returns (a), the share of the lower 48's rectangle area on their own state.
double checkRegions(const Raster& raster, const Board& board)
{
    long rectTotal = 0, rectOnOwn = 0;
    std::map<std::string, long> stateArea, stateJudgedRight;
    for (int py = 0; py < raster.height; ++py) {
        const double y = toPixelsF(kMapPicture.top) + (py + 0.5) / kScale;
        if (y >= toPixelsF(kBannerTop))
            break;
        for (int px = 0; px < raster.width; ++px) {
            const double x = toPixelsF(kMapPicture.left) + (px + 0.5) / kScale;
            const int v = qRed(raster.image.pixel(px, py));
            const std::string state = v ? raster.codes[std::size_t(v - 1)] : std::string();
            const auto region = board.regionAt(toTwips(x, y));
            const std::string tag = region ? board.regions().at(*region).tag : std::string();
            if (lowerState(tag)) {
                ++rectTotal;
                rectOnOwn += state == tag;
            }
            if (!state.empty()) {
                ++stateArea[state];
                stateJudgedRight[state] += tag == state;
            }
        }
    }
    const double a = 100.0 * double(rectOnOwn) / double(rectTotal);
    std::printf("(a) rectangle area of the 48 states on their own state: %.2f %%\n", a);

    double sum = 0, lowest = 101;
    std::string lowestState;
    int counted = 0;
    std::printf("(b) share of each state's visible area where its own name is judged correct:\n   ");
    int column = 0;
    for (const auto& [code, area] : stateArea) {
        const double share = 100.0 * double(stateJudgedRight[code]) / double(area);
        std::printf(" %s %5.1f%s", code.c_str(), share, ++column % 10 ? "" : "\n   ");
        if (!lowerState(code))
            continue;
        sum += share;
        ++counted;
        if (share < lowest) {
            lowest = share;
            lowestState = code;
        }
    }
    std::printf("\n    lower 48: mean %.1f %%, minimum %.1f %% (%s)\n", sum / counted, lowest, lowestState.c_str());
    return a;
}

// (c): the placed names without a leader line that are centred on their
// state. Map name i names the state of the state table's record i.
int checkNames(const Raster& raster, const Board& board)
{
    std::map<std::string, bool> hasLine;
    for (const LeaderLine& l : board.map().leaderLines)
        hasLine[std::string(l.code)] = true;
    int namesOnState = 0, namesChecked = 0;
    std::string misplaced;
    for (int i = 0; i < board.map().nameCount(); ++i) {
        const std::string code = trimSpaces(board.panelName(i).tag);
        if (hasLine[code])
            continue;
        const RectTw& box = board.map().placedNames[std::size_t(i)].box;
        ++namesChecked;
        if (raster.stateAt(box.left + box.width / 2.0, box.top + box.height / 2.0) == code)
            ++namesOnState;
        else
            misplaced.append(" ").append(code);
    }
    std::printf("(c) map names without a leader line centred on their state: %d of %d%s%s\n", namesOnState,
                namesChecked, misplaced.empty() ? "" : "; off:", misplaced.c_str());
    return namesOnState;
}

// (d): the leader lines whose inner end lies in their state.
int checkLines(const Raster& raster, const Board& board)
{
    int linesIn = 0;
    std::string linesOut;
    for (const LeaderLine& l : board.map().leaderLines) {
        const PointTw inner = l.stateEnd();
        if (raster.stateAt(inner.x + 0.5, inner.y + 0.5) == std::string(l.code))
            ++linesIn;
        else
            linesOut.append(" ").append(l.code);
    }
    std::printf("(d) leader lines whose inner end lies in their state: %d of %d%s%s\n", linesIn,
                board.map().lineCount(), linesOut.empty() ? "" : "; off:", linesOut.c_str());
    return linesIn;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc > 2 && std::string(argv[1]) == "--world")
        return checkWorldMaps(std::vector<std::string>(argv + 2, argv + argc)) ? 0 : 1;
    const bool overlay = argc == 4 && std::string(argv[2]) == "--overlay";
    if (argc != 2 && !overlay) {
        std::fprintf(stderr, "usage: mapcheck <map.svg> [--overlay picture.png]\n");
        return 2;
    }
    if (overlay && !saveOverlay(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[3]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[3]);
        return 2;
    }
    Raster raster;
    if (!loadRaster(QString::fromLocal8Bit(argv[1]), raster)) {
        std::fprintf(stderr, "cannot read 50 states from %s\n", argv[1]);
        return 2;
    }

    // The board as the quiz deals it, with the shipped state table: its drop
    // regions judge each sample, and its names carry their states' codes.
    const QuietBoard dealt(ORRINVALE_ASSETS);
    if (!dealt.sound()) {
        std::fprintf(stderr, "the shipped state table is not sound\n");
        return 2;
    }
    const Board& board = dealt.board;
    const double a = checkRegions(raster, board);
    const int namesOnState = checkNames(raster, board);
    const bool ok = a >= 89.0 && namesOnState >= 40 && checkLines(raster, board) == board.map().lineCount();
    std::printf("%s\n", ok ? "map check passed" : "map check FAILED");
    return ok ? 0 : 1;
}
