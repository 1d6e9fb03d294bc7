// Paints the program's small pictures and writes them into assets/:
//   pushpin.ico    the drag icon, a light-blue push-pin pointing to the lower right
//   HAND-M.CUR     the hand pointer shown over the buttons
//   orrinvale.ico  the application icon (32, 48, 128 and 256 pixels)
//   icons/orrinvale-N.png  the application icon for the desktop's icon theme
// Usage: iconpainter <assets folder>
#include "IcoWriter.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>

#include <cstdio>

namespace {

constexpr QPoint kPinTip{30, 30};
constexpr QPoint kHandHotSpot{9, 1};

QImage blank(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

// A push-pin seen from the side, its needle pointing to the lower right.
QImage pushPin()
{
    QImage img = blank(32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // The needle: from the collar to the tip.
    p.setPen(QPen(QColor(0x55, 0x55, 0x5a), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(17, 17), QPointF(kPinTip.x() + 0.3, kPinTip.y() + 0.3));
    // The body, drawn along the pin's axis.
    p.translate(11, 11);
    p.rotate(45);
    const QColor light(0x8f, 0xcf, 0xf5), mid(0x4a, 0xa3, 0xe0), dark(0x1f, 0x5f, 0x9c);
    QLinearGradient shade(0, -7, 0, 7);
    shade.setColorAt(0, light);
    shade.setColorAt(0.45, mid);
    shade.setColorAt(1, dark);
    p.setPen(QPen(dark, 1));
    p.setBrush(shade);
    p.drawRoundedRect(QRectF(-9, -6.5, 5, 13), 2, 2);   // head
    p.drawRect(QRectF(-4, -3.2, 7, 6.4));               // grip
    p.drawRoundedRect(QRectF(3, -5.5, 3, 11), 1.2, 1.2); // collar
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawRoundedRect(QRectF(-8, -5, 2, 6), 1, 1);      // shine
    return img;
}

// A white pointing hand with a black outline, index finger up.
QImage hand()
{
    QImage img = blank(32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(QRectF(6.5, 0.5, 5, 16), 2.5, 2.5);      // index finger
    path.addRoundedRect(QRectF(11, 9.5, 4.5, 8), 2.2, 2.2);      // middle finger
    path.addRoundedRect(QRectF(15, 10.5, 4.5, 8), 2.2, 2.2);     // ring finger
    path.addRoundedRect(QRectF(19, 12, 4.5, 7.5), 2.2, 2.2);     // little finger
    path.addRoundedRect(QRectF(6.5, 14, 17, 13), 4, 4);          // palm
    QPainterPath thumb;
    thumb.moveTo(7, 18);
    thumb.lineTo(2.5, 13.5);
    thumb.quadTo(0.5, 15.5, 2, 18);
    thumb.lineTo(7, 25);
    thumb.closeSubpath();
    path.addPath(thumb);
    path.setFillRule(Qt::WindingFill);
    const QPainterPath outline = path.simplified();
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::white);
    p.drawPath(outline);
    // Creases between the folded fingers.
    p.setPen(QPen(Qt::black, 0.8));
    for (double x : {11.0, 15.0, 19.0})
        p.drawLine(QPointF(x, 12.5), QPointF(x, 16));
    return img;
}

void paintFlag(QPainter& p, const QRectF& r)
{
    const QColor red(0xb2, 0x22, 0x34), blue(0x3c, 0x3b, 0x6e);
    p.fillRect(r, Qt::white);
    const double stripe = r.height() / 13.0;
    for (int k = 0; k < 13; k += 2)
        p.fillRect(QRectF(r.left(), r.top() + k * stripe, r.width(), stripe), red);
    const QRectF canton(r.left(), r.top(), r.width() * 0.4, stripe * 7);
    p.fillRect(canton, blue);
    // Stars as small white dots in the canton's staggered rows.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    const double dx = canton.width() / 12.0, dy = canton.height() / 10.0;
    const double radius = std::max(0.45, std::min(dx, dy) * 0.45);
    for (int row = 0; row < 9; ++row) {
        for (int col = 0; col < 11; ++col) {
            if ((row + col) % 2)
                continue;
            p.drawEllipse(QPointF(canton.left() + dx * (col + 1), canton.top() + dy * (row + 1)), radius, radius);
        }
    }
}

// A yellow pencil from `from` (its tip) towards `to` (its end), `width` thick.
void paintPencil(QPainter& p, QPointF tip, QPointF end, double width)
{
    p.save();
    p.translate(tip);
    const QLineF axis(QPointF(0, 0), end - tip);
    p.rotate(-axis.angle());
    const double len = axis.length(), w = width / 2, cone = width * 1.4;
    p.setPen(QPen(QColor(0x40, 0x30, 0x10), std::max(0.6, width / 10)));
    p.setBrush(QColor(0xf2, 0xc2, 0x3a));
    p.drawRect(QRectF(cone, -w, len - cone - width * 0.9, width));   // body
    p.setBrush(QColor(0xe8, 0xa0, 0x90));
    p.drawRect(QRectF(len - width * 0.9, -w, width * 0.9, width));   // eraser
    QPolygonF wood;
    wood << QPointF(0, 0) << QPointF(cone, -w) << QPointF(cone, w);
    p.setBrush(QColor(0xf1, 0xd7, 0xae));
    p.drawPolygon(wood);
    p.setBrush(QColor(0x30, 0x30, 0x30));
    QPolygonF lead;
    lead << QPointF(0, 0) << QPointF(cone * 0.35, -w * 0.35) << QPointF(cone * 0.35, w * 0.35);
    p.drawPolygon(lead);
    p.restore();
}

// The silhouette of the lower 48 states from the map picture.
QImage usOutline(const QString& mapFile, QSize size)
{
    QSvgRenderer map(mapFile);
    static const char* const kStates[] = {
        "AL", "AZ", "AR", "CA", "CO", "CT", "DE", "FL", "GA", "ID", "IL", "IN", "IA", "KS", "KY", "LA",
        "ME", "MD", "MA", "MI", "MN", "MS", "MO", "MT", "NE", "NV", "NH", "NJ", "NM", "NY", "NC", "ND",
        "OH", "OK", "OR", "PA", "RI", "SC", "SD", "TN", "TX", "UT", "VT", "VA", "WA", "WV", "WI", "WY"};
    QRectF all;
    for (const char* code : kStates)
        all = all.united(map.boundsOnElement(QString::fromLatin1(code)));
    QImage mask(size, QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    QPainter p(&mask);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = std::min(size.width() / all.width(), size.height() / all.height());
    const QPointF origin((size.width() - all.width() * s) / 2, (size.height() - all.height() * s) / 2);
    for (const char* code : kStates) {
        const QRectF b = map.boundsOnElement(QString::fromLatin1(code));
        map.render(&p, QString::fromLatin1(code),
                   QRectF(origin + (b.topLeft() - all.topLeft()) * s, b.size() * s));
    }
    return mask;
}

// 32 x 32: the United States filled with the stars and stripes, a pencil across.
QImage smallIcon(const QString& mapFile)
{
    QImage img = blank(32);
    const QImage outline = usOutline(mapFile, QSize(32, 22));
    QImage flag = blank(32);
    {
        QPainter f(&flag);
        f.setRenderHint(QPainter::Antialiasing);
        paintFlag(f, QRectF(0, 5, 32, 22));
        f.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        f.drawImage(QPoint(0, 5), outline);
        f.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        f.fillRect(QRect(0, 0, 32, 5), Qt::transparent);
        f.fillRect(QRect(0, 27, 32, 5), Qt::transparent);
    }
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.drawImage(0, 0, flag);
    paintPencil(p, QPointF(6, 28), QPointF(29, 5), 4.2);
    return img;
}

// Larger sizes: the flag with a small white sheet and a pencil in the lower right.
QImage largeIcon(int size)
{
    QImage img = blank(size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double u = size / 48.0;
    paintFlag(p, QRectF(1 * u, 8 * u, 46 * u, 30 * u));
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), std::max(0.5, 0.5 * u)));
    p.setBrush(Qt::white);
    const QRectF sheet(27 * u, 25 * u, 15 * u, 19 * u);
    p.drawRect(sheet);
    p.setPen(QPen(QColor(0x9a, 0xb0, 0xd0), std::max(0.5, 0.6 * u)));
    for (int k = 0; k < 5; ++k)
        p.drawLine(QPointF(sheet.left() + 2 * u, sheet.top() + (4 + 3 * k) * u),
                   QPointF(sheet.right() - 2 * u, sheet.top() + (4 + 3 * k) * u));
    paintPencil(p, QPointF(33 * u, 40 * u), QPointF(47 * u, 24 * u), 3.4 * u);
    return img;
}

bool save(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("wrote %s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: iconpainter <assets folder>\n");
        return 2;
    }
    const QDir assets(QString::fromLocal8Bit(argv[1]));
    bool ok = save(assets.filePath("pushpin.ico"), writeIcoFile({{pushPin(), 32, {}}}, 1));
    ok &= save(assets.filePath("HAND-M.CUR"), writeIcoFile({{hand(), 32, kHandHotSpot}}, 2));
    const QImage small = smallIcon(assets.filePath("map.svg"));
    QList<IcoImage> icon{{small, 24, {}}};
    for (int size : {48, 128, 256})
        icon.append({largeIcon(size), 32, {}});
    ok &= save(assets.filePath("orrinvale.ico"), writeIcoFile(icon, 1));
    assets.mkpath("icons");
    for (const IcoImage& entry : icon) {
        const int size = entry.image.width();
        const QString png = assets.filePath(QStringLiteral("icons/orrinvale-%1.png").arg(size));
        ok &= entry.image.save(png);
    }
    return ok ? 0 : 1;
}
