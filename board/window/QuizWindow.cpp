#include "QuizWindow.h"

#include "MapResource.h"

#include "CursorPicture.h"
#include "PlayAccess.h"
#include "PngPicture.h"
#include "QtLayout.h"
#include "RuntimeError.h"

#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QTimer>

namespace orrinvale {

QIcon applicationIcon()
{
    // The four pictures of the icon file, each read on its own: Qt's icon
    // file reader skips a 256-pixel entry, whose size byte reads 0.
    QIcon icon;
    for (const int size : {32, 48, 128, 256})
        icon.addPixmap(QPixmap::fromImage(readPng(QStringLiteral(":/icons/orrinvale-%1.png").arg(size))));
    return icon;
}

QuizWindow::QuizWindow(Board& board, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      board_(board), drag_(board), painter_(board, drag_)
{
    registerProgramPictures();
    // The object names of the window, its buttons and its focus holder are
    // those a skin's selectors address (#Form1, #PushButton1): skins rely
    // on them, so they stay whatever the classes are called.
    setObjectName(QStringLiteral("Form1"));
    setFixedSize(pixelRect(board.map().client).size());
    setFont(pixelFont("Arial", layout::kFormFontPx, true));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);

    auto makeButton = [this](std::string_view caption, const RectTw& box, const char* name) {
        auto* b = new QPushButton(latin1(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(pixelRect(box));
        b->setFont(pixelFont("Arial", layout::kButtonFontPx, true));
        b->setMouseTracking(true);
        b->installEventFilter(this);
        b->setFocusPolicy(Qt::NoFocus);  // until the focus holder is there
        return b;
    };
    restart_ = makeButton(layout::kRestartCaption, board.map().inBanner(layout::kRestartButton), "PushButton1");
    exit_ = makeButton(layout::kExitCaption, board.map().inBanner(layout::kExitButton), "PushButton2");
    // What the first frame need not wait for is done just after it.
    connect(this, &QuizWindow::firstPainted, this, [this] {
        QTimer::singleShot(0, this, [this] {
            createFocusHolder();
            if (iconWanted_)
                setApplicationIcon();
            painter_.prepareBackdrop(palette(), devicePixelRatioF());
        });
    });

    connect(restart_, &QPushButton::clicked, this, [this] {
        board_.restart();
        if (access_)
            access_->boardChanged();
        update();
    });
    connect(exit_, &QPushButton::clicked, this, [this] { board_.exitQuiz(*this); });

    // The map is read (or rendered) and the fonts are looked up on other
    // threads while the window is being built.
    const qreal ratio = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->devicePixelRatio() : 1.0;
    painter_.renderMapAhead(ratio);
    painter_.findFontsAhead();
}

void QuizWindow::createFocusHolder()
{
    // The focus holder, a text box reading "Text1" as a screen reader meets
    // it, lies to the right of the client area and holds the keyboard focus
    // without being seen; it comes first in the tab order, before Restart and
    // Exit. A text box is costly to build, so it is made just after the first
    // paint, before any key can reach the window.
    if (focusHolder_)
        return;
    focusHolder_ = new QLineEdit(latin1(layout::kFocusHolderText), this);
    focusHolder_->setObjectName(QStringLiteral("Text1"));
    focusHolder_->setReadOnly(true);  // nothing typed, pasted or deleted changes it
    focusHolder_->setGeometry(pixelRect(board_.map().focusHolder()));
    focusHolder_->show();
    restart_->setFocusPolicy(Qt::StrongFocus);
    exit_->setFocusPolicy(Qt::StrongFocus);
    setTabOrder(focusHolder_, restart_);
    setTabOrder(restart_, exit_);
    focusHolder_->setFocus();
    // The names and the map come after Exit in the tab order.
    access_ = new PlayAccess(this, board_, focusHolder_, exit_, {restart_, exit_});
    access_->setClickToPlace(clickToPlace_);
}

void QuizWindow::setClickToPlace(bool on)
{
    clickToPlace_ = on;
    if (access_)
        access_->setClickToPlace(on);
}

void QuizWindow::unload()
{
    close();
}

void QuizWindow::setCaption(const std::string& text)
{
    setWindowTitle(QString::fromStdString(text));
}

void QuizWindow::setApplicationIcon()
{
    // Reading the icon's four pictures and handing them to the window system
    // takes a few milliseconds; before the first paint it waits until then.
    if (painted_)
        setWindowIcon(applicationIcon());
    else
        iconWanted_ = true;
}

void QuizWindow::setMouseIcon(const std::string& path, int hotX, int hotY)
{
    // Read and decoded here, so no image plug-in is loaded at start-up. The
    // file was checked before (a cursor file of at most 4 MiB).
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        throw RuntimeError("Invalid picture");
    const QPixmap picture = QPixmap::fromImage(cursorPicture(file.read(4 << 20)));
    if (picture.isNull())
        throw RuntimeError("Invalid picture");
    hand_ = QCursor(picture, hotX, hotY);
    hasHand_ = true;
}

long long QuizWindow::nativeHandle()
{
    return static_cast<long long>(winId());
}

void QuizWindow::applySkin(long long handle, const std::string& styleSheet)
{
    if (static_cast<std::int32_t>(handle) != static_cast<std::int32_t>(nativeHandle()))
        throw RuntimeError("Invalid window handle");
    setStyleSheet(QString::fromStdString(styleSheet));
}

void QuizWindow::showCentred()
{
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    show();
}

void QuizWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    painter_.paint(p, palette(), !painted_);
    if (!painted_) {
        painted_ = true;
        emit firstPainted();
    }
}

// ---------------------------------------------------------------- events

void QuizWindow::refreshPointer()
{
    if (drag_.active()) {
        if (drag_.showsPushPin()) {
            if (pushPin_.shape() != Qt::BitmapCursor)
                pushPin_ = QCursor(pushPinPicture(), kPushPinHotX, kPushPinHotY);
            setCursor(pushPin_);
        } else
            setCursor(Qt::ArrowCursor);
        return;
    }
    if (access_ && access_->play().clickToPlace() && access_->play().held()) {
        // A name picked up by a click rides on the push-pin until it is dropped.
        if (pushPin_.shape() != Qt::BitmapCursor)
            pushPin_ = QCursor(pushPinPicture(), kPushPinHotX, kPushPinHotY);
        setCursor(pushPin_);
        return;
    }
    switch (board_.mousePointer) {
    case kBusyPointer:
        setCursor(Qt::WaitCursor);
        break;
    case kCustomPointer:
        setCursor(hasHand_ ? hand_ : QCursor(Qt::ArrowCursor));
        break;
    default:
        setCursor(Qt::ArrowCursor);
        break;
    }
}

void QuizWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || drag_.active())
        return;
    if (access_ && access_->pressedAt(twipsAt(event->position()))) {
        refreshPointer();
        return;
    }
    if (drag_.press(twipsAt(event->position()))) {
        refreshPointer();
        update();
    }
}

void QuizWindow::mouseMoveEvent(QMouseEvent* event)
{
    const PointTw p = twipsAt(event->position());
    if (drag_.active()) {
        drag_.move(p);
        refreshPointer();
        update();
        return;
    }
    if (board_.isBareArea(p)) {
        board_.pointerOverWindow();
        refreshPointer();
    }
}

void QuizWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !drag_.active())
        return;
    update();
    const int source = drag_.source();
    drag_.release(twipsAt(event->position()));
    if (access_)
        access_->releasedAt(source, twipsAt(event->position()));
    refreshPointer();
    update();
}

bool QuizWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove && !drag_.active()) {
        if (watched == restart_)
            board_.pointerOverRestart();
        else if (watched == exit_)
            board_.pointerOverExit();
        refreshPointer();
    }
    return QWidget::eventFilter(watched, event);
}

// The window has one size. A window manager that maximises or resizes it
// all the same (some do on a double click on the title bar, whatever the
// window's hints say) is asked at once to restore it.
void QuizWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange &&
        (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
        QTimer::singleShot(0, this, [this] {
            setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
        });
    }
    QWidget::changeEvent(event);
}

void QuizWindow::resizeEvent(QResizeEvent* event)
{
    const QSize fixed = minimumSize();  // the window's one size
    if (event->size() != fixed)
        QTimer::singleShot(0, this, [this, fixed] {
            if (size() != fixed)
                resize(fixed);
        });
    QWidget::resizeEvent(event);
}

void QuizWindow::closeEvent(QCloseEvent* event)
{
    // Nothing is asked and nothing is saved: the window simply closes.
    drag_.cancel();
    event->accept();
}

} // namespace orrinvale
