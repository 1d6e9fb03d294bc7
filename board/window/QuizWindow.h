// The quiz window. It draws the board and forwards mouse events to the
// board's handlers; the rules of the game live in Board.
#pragma once

#include "Board.h"
#include "BoardPainter.h"
#include "DragAndDrop.h"
#include "PlayMarks.h"
#include "Platform.h"

#include <QCursor>
#include <QIcon>
#include <QWidget>

class QLineEdit;
class QPushButton;

namespace orrinvale {

class PlayAccess;

class QuizWindow : public QWidget, public WindowHost {
    Q_OBJECT
public:
    explicit QuizWindow(Board& board, QWidget* parent = nullptr);

    // WindowHost
    void unload() override;
    void setCaption(const std::string& text) override;
    void setApplicationIcon() override;
    void setMouseIcon(const std::string& path, int hotX, int hotY) override;
    long long nativeHandle() override;

    // Applies a skin's style sheet to the window with this handle.
    void applySkin(long long handle, const std::string& styleSheet);
    // Shows the window centred on its screen.
    void showCentred();
    // A click on a name picks it up, a click on a state drops it there.
    void setClickToPlace(bool on);

    QPushButton* restartButton() const { return restart_; }
    QPushButton* exitButton() const { return exit_; }
    QLineEdit* focusHolder() const { return focusHolder_; }
    const DragAndDrop& drag() const { return drag_; }
    // Keyboard play and the screen reader's view, there from the first paint on.
    PlayAccess* access() const { return access_; }
    bool hasHandCursor() const { return hasHand_; }

signals:
    void firstPainted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createFocusHolder();
    void refreshPointer();

    Board& board_;
    DragAndDrop drag_;
    BoardPainter painter_;
    QPushButton* restart_ = nullptr;
    QPushButton* exit_ = nullptr;
    QLineEdit* focusHolder_ = nullptr;
    PlayAccess* access_ = nullptr;
    bool clickToPlace_ = false;
    QCursor hand_;
    bool hasHand_ = false;
    QCursor pushPin_;
    bool painted_ = false;
    bool iconWanted_ = false;  // asked for before the first paint
};

// The application icon in all four of its sizes.
QIcon applicationIcon();

} // namespace orrinvale
