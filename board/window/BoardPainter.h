// Paints the board in its stacking order. The window's colour, the map, the
// banner and the instructions lie at the back and change only with the map's
// visibility or the window's colour, so they are painted once into a backdrop
// per pixel ratio and copied on every repaint; the names, map names, leader
// lines and the drag outline are painted over it.
#pragma once

#include "Board.h"
#include "DragAndDrop.h"
#include "MapPicture.h"

#include <QColor>
#include <QPixmap>

#include <future>

class QPainter;
class QPalette;

namespace orrinvale {

class BoardPainter {
public:
    BoardPainter(const Board& board, const DragAndDrop& drag);
    ~BoardPainter();

    // Starts rendering the map for this pixel ratio on another thread, so
    // that it is ready by the first paint.
    void renderMapAhead(qreal devicePixelRatio);
    // Looks up the board's fonts on another thread while the window is being
    // built: the first look-up reads the system's whole font list, which would
    // otherwise hold up the first paint by some milliseconds.
    void findFontsAhead();

    // Paints the whole board onto a surface of the window's size. A first
    // frame paints its backdrop straight to the surface, so that the window
    // appears without waiting for the backdrop to be made.
    void paint(QPainter& p, const QPalette& palette, bool firstFrame);
    // Makes the backdrop for this ratio ahead of the next paint.
    void prepareBackdrop(const QPalette& palette, qreal devicePixelRatio);

private:
    bool backdropCurrent(const QPalette& palette, qreal ratio) const;
    const QPixmap& backdrop(const QPalette& palette, qreal ratio);
    void paintBackdrop(QPainter& p, const QPalette& palette);
    void paintBanner(QPainter& p);
    void paintInstructions(QPainter& p, const RectTw& box, const QString& text, bool bold);
    void paintNames(QPainter& p, int first, int last);
    void paintMapNames(QPainter& p, const QPalette& palette, int first, int last);
    void paintLines(QPainter& p, const QPalette& palette, int first, int last);
    void paintDragOutline(QPainter& p);

    const Board& board_;
    const DragAndDrop& drag_;
    MapPicture map_;
    QPixmap backdrop_;
    QColor backdropColour_;
    bool backdropMap_ = true;
    std::future<void> fontsAhead_;
};

} // namespace orrinvale
