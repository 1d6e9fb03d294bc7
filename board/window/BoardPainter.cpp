#include "BoardPainter.h"

#include "PlayMarks.h"
#include "QtLayout.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPaintEngine>
#include <QPainter>
#include <QPalette>

namespace orrinvale {

BoardPainter::BoardPainter(const Board& board, const DragAndDrop& drag)
    : board_(board), drag_(drag),
      map_(QString::fromStdString(board.map().picture), QString::fromStdString(board.map().prebuilt))
{
}

BoardPainter::~BoardPainter()
{
    if (fontsAhead_.valid())
        fontsAhead_.wait();
}

void BoardPainter::renderMapAhead(qreal ratio)
{
    map_.renderAhead(pixelRect(board_.map().mapPicture).size(), ratio);
}

void BoardPainter::findFontsAhead()
{
    // Each thread keeps font engines of its own, but the font list, the
    // system's font matching and the font files read are shared, and those
    // are what take the time.
    fontsAhead_ = std::async(std::launch::async, [] {
        for (const auto& [pixels, bold] : {std::pair{layout::kInstructionFontPx, false},
                                            std::pair{layout::kInstructionFontPx, true},
                                            std::pair{layout::kNameFontPx, true}})
            QFontMetrics(pixelFont("Arial", pixels, bold)).horizontalAdvance(QStringLiteral("Aa"));
    });
}

bool BoardPainter::backdropCurrent(const QPalette& palette, qreal ratio) const
{
    return !backdrop_.isNull() && backdrop_.devicePixelRatio() == ratio &&
           backdropColour_ == resolveColour(board_.backColor, palette) && backdropMap_ == board_.mapVisible();
}

const QPixmap& BoardPainter::backdrop(const QPalette& palette, qreal ratio)
{
    if (backdropCurrent(palette, ratio))
        return backdrop_;
    backdrop_ = QPixmap((QSizeF(pixelRect(board_.map().client).size()) * ratio).toSize());
    backdrop_.setDevicePixelRatio(ratio);
    backdropColour_ = resolveColour(board_.backColor, palette);
    backdropMap_ = board_.mapVisible();
    QPainter p(&backdrop_);
    paintBackdrop(p, palette);
    // The backdrop holds the map now: its own copy goes until it is needed
    // again (another pixel ratio or colour), read again from the picture.
    map_.release();
    return backdrop_;
}

void BoardPainter::prepareBackdrop(const QPalette& palette, qreal ratio)
{
    backdrop(palette, ratio);
}

void BoardPainter::paintBackdrop(QPainter& p, const QPalette& palette)
{
    const BoardMap& map = board_.map();
    p.fillRect(pixelRect(map.client), resolveColour(board_.backColor, palette));
    for (const layout::StackEntry& entry : board_.map().stacking) {
        switch (entry.layer) {
        case layout::Layer::MapPicture:
            if (board_.mapVisible())
                map_.draw(p, pixelRect(map.mapPicture));
            break;
        case layout::Layer::Banner:
            paintBanner(p);
            break;
        case layout::Layer::InstructionsText:
            paintInstructions(p, map.inBanner(layout::kInstructionsText),
                              latin1(inTermsOf(map, layout::kInstructionsCaption)), false);
            break;
        case layout::Layer::InstructionsTitle:
            paintInstructions(p, map.inBanner(layout::kInstructionsTitle), latin1(layout::kInstructionsTitleCaption), true);
            break;
        default:
            break;
        }
    }
}

void BoardPainter::paint(QPainter& p, const QPalette& palette, bool firstFrame)
{
    // The ratio of the surface actually painted: a window's backing store, or
    // the picture a grab renders into, which may be finer than the screen.
    const qreal ratio = p.paintEngine()->paintDevice()->devicePixelRatioF();
    if (!firstFrame || backdropCurrent(palette, ratio))
        p.drawPixmap(0, 0, backdrop(palette, ratio));
    else
        paintBackdrop(p, palette);
    for (const layout::StackEntry& entry : board_.map().stacking) {
        switch (entry.layer) {
        case layout::Layer::Name:
            paintNames(p, entry.first, entry.last);
            break;
        case layout::Layer::MapName:
            paintMapNames(p, palette, entry.first, entry.last);
            break;
        case layout::Layer::Line:
            paintLines(p, palette, entry.first, entry.last);
            break;
        default:
            break;  // in the backdrop
        }
    }
    paintDragOutline(p);
}

void BoardPainter::paintBanner(QPainter& p)
{
    // Medium blue that darkens towards its bottom edge.
    const QRect r = pixelRect(board_.map().banner);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, QColor(0x3d, 0x6f, 0xc0));
    g.setColorAt(0.80, QColor(0x35, 0x62, 0xb0));
    g.setColorAt(1.0, QColor(0x1a, 0x33, 0x70));
    p.fillRect(r, g);
}

void BoardPainter::paintInstructions(QPainter& p, const RectTw& box, const QString& text, bool bold)
{
    p.setPen(Qt::white);
    p.setFont(pixelFont("Arial", layout::kInstructionFontPx, bold));
    p.drawText(pixelRect(box), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
}

void BoardPainter::paintNames(QPainter& p, int first, int last)
{
    p.setPen(Qt::white);
    p.setFont(pixelFont("Arial", layout::kNameFontPx, true));
    for (int i = first; i <= last; ++i) {
        const PanelName& name = board_.panelName(i);
        if (!name.visible)
            continue;
        const QRect box = pixelRect(board_.nameBox(i));
        p.save();
        p.setClipRect(box);
        p.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, shownCaption(name.caption));
        p.restore();
    }
}

void BoardPainter::paintMapNames(QPainter& p, const QPalette& palette, int first, int last)
{
    p.setPen(resolveColour(layout::kButtonText, palette));
    for (int i = first; i <= last; ++i) {
        if (!board_.placedNameShown(i))
            continue;
        const layout::MapName& name = board_.map().placedNames[static_cast<std::size_t>(i)];
        p.setFont(pixelFont("Arial Narrow", name.fontPx, false));
        const QRect box = pixelRect(name.box);
        // A name wider than its box stays on its line, centred over it; a
        // name in two lines takes the box's halves.
        const std::vector<std::string_view> lines = layout::linesOf(board_.placedCaption(i), name.firstLineWords);
        const int pitch = box.height() / static_cast<int>(lines.size());
        for (std::size_t k = 0; k < lines.size(); ++k)
            p.drawText(QRect(box.left() - 40, box.top() + pitch * static_cast<int>(k), box.width() + 80, pitch),
                       Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine,
                       QString::fromUtf8(lines[k].data(), static_cast<qsizetype>(lines[k].size())));
    }
}

void BoardPainter::paintLines(QPainter& p, const QPalette& palette, int first, int last)
{
    QPen pen(resolveColour(layout::kWindowText, palette));
    pen.setWidth(1);
    p.setPen(pen);
    for (int k = first; k <= last; ++k) {
        if (!board_.lineVisible(k))
            continue;
        const layout::LeaderLine& line = board_.map().leaderLines[static_cast<std::size_t>(k)];
        p.drawLine(pixelPoint(line.from), pixelPoint(line.to));
    }
}

void BoardPainter::paintDragOutline(QPainter& p)
{
    if (!drag_.active() || drag_.showsPushPin())
        return;
    // The usual drag outline: a dotted frame of the name's box.
    paintDraggedOutline(p, pixelRect(drag_.outline()));
}

} // namespace orrinvale
