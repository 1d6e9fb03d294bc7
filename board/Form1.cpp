#include "Form1.h"

#include "RuntimeError.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTextOption>
#include <QTimer>

#include <cmath>

// The pictures are compiled into the static UI library; register them once.
static void registerPictures()
{
    Q_INIT_RESOURCE(assets);
}

namespace orrinvale {

QRect toPixels(const RectTw& r)
{
    return {orrinvale::toPixels(r.left), orrinvale::toPixels(r.top), orrinvale::toPixels(r.width),
            orrinvale::toPixels(r.height)};
}

PointTw toTwips(const QPointF& px)
{
    return {static_cast<int>(std::floor(px.x() * kTwipsPerPixel)),
            static_cast<int>(std::floor(px.y() * kTwipsPerPixel))};
}

QColor resolveColour(layout::Colour colour, const QPalette& palette)
{
    if (colour & 0x80000000u) {
        switch (colour & 0xFF) {
        case 0x0F: return palette.color(QPalette::Button);      // button face
        case 0x12: return palette.color(QPalette::ButtonText);  // button text
        default: return palette.color(QPalette::WindowText);
        }
    }
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

QIcon applicationIcon()
{
    // The four pictures of the icon file, each read on its own: Qt's icon
    // file reader skips a 256-pixel entry, whose size byte reads 0.
    QIcon icon;
    for (const int size : {32, 48, 128, 256})
        icon.addFile(QStringLiteral(":/icons/orrinvale-%1.png").arg(size), QSize(size, size));
    return icon;
}

namespace {

QFont pixelFont(const char* family, int pixels, bool bold)
{
    QFont f(QString::fromLatin1(family));
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QString latin1(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// The part of a name's caption that can show in its box. Laying out text
// costs some 40 bytes a character, and a state table may hold a name of many
// megabytes; the box is 113 pixels wide, and every character with a width
// takes at least one of them, so a thousand characters always fill it.
QString visiblePart(const std::string& caption)
{
    constexpr std::size_t kMostShown = 1024;
    if (caption.size() <= kMostShown)
        return QString::fromStdString(caption);
    std::size_t end = kMostShown;
    while (end > 0 && (static_cast<unsigned char>(caption[end]) & 0xC0) == 0x80)
        --end;  // not inside a UTF-8 sequence
    return QString::fromUtf8(caption.data(), static_cast<qsizetype>(end));
}

QPoint toPixelPoint(PointTw p)
{
    return {orrinvale::toPixels(p.x), orrinvale::toPixels(p.y)};
}

} // namespace

Form1::Form1(Board& board, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      board_(board), drag_(board)
{
    registerPictures();
    setObjectName(QStringLiteral("Form1"));
    setFixedSize(toPixels(layout::kClient).size());
    setFont(pixelFont("Arial", layout::kFormFontPx, true));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);

    auto makeButton = [this](std::string_view caption, const RectTw& box, const char* name) {
        auto* b = new QPushButton(latin1(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(toPixels(box));
        b->setFont(pixelFont("Arial", layout::kButtonFontPx, true));
        b->setMouseTracking(true);
        b->installEventFilter(this);
        b->setFocusPolicy(Qt::NoFocus);  // until Text1 is there to hold the focus
        return b;
    };
    restart_ = makeButton(layout::kRestartCaption, layout::kRestartButton, "PushButton1");
    exit_ = makeButton(layout::kExitCaption, layout::kExitButton, "PushButton2");
    // What the first frame need not wait for is done just after it.
    connect(this, &Form1::firstPainted, this, [this] {
        QTimer::singleShot(0, this, [this] {
            createFocusHolder();
            if (iconWanted_)
                setApplicationIcon();
            backdrop(devicePixelRatioF());
        });
    });

    connect(restart_, &QPushButton::clicked, this, [this] {
        board_.PushButton1_Click();
        update();
    });
    connect(exit_, &QPushButton::clicked, this, [this] { board_.PushButton2_Click(*this); });

    // The map is rendered on another thread while the window is being built.
    const qreal ratio = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->devicePixelRatio() : 1.0;
    map_.renderAhead(toPixels(layout::kMapPicture).size(), ratio);
}

void Form1::createFocusHolder()
{
    // Text1 lies to the right of the client area and holds the keyboard focus
    // without being seen; it comes first in the tab order, before Restart and
    // Exit. A text box is costly to build, so it is made just after the first
    // paint, before any key can reach the window.
    if (text1_)
        return;
    text1_ = new QLineEdit(latin1(layout::kFocusHolderText), this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setGeometry(toPixels(layout::kFocusHolder));
    text1_->show();
    restart_->setFocusPolicy(Qt::StrongFocus);
    exit_->setFocusPolicy(Qt::StrongFocus);
    setTabOrder(text1_, restart_);
    setTabOrder(restart_, exit_);
    text1_->setFocus();
}

void Form1::unload()
{
    close();
}

void Form1::setCaption(const std::string& text)
{
    setWindowTitle(QString::fromStdString(text));
}

void Form1::setApplicationIcon()
{
    // Reading the icon's four pictures and handing them to the window system
    // takes a few milliseconds; before the first paint it waits until then.
    if (painted_)
        setWindowIcon(applicationIcon());
    else
        iconWanted_ = true;
}

void Form1::setMouseIcon(const std::string& path, int hotX, int hotY)
{
    QPixmap picture(QString::fromStdString(path), "CUR");
    if (picture.isNull())
        throw RuntimeError("Invalid picture");
    hand_ = QCursor(picture, hotX, hotY);
    hasHand_ = true;
}

long long Form1::nativeHandle()
{
    return static_cast<long long>(winId());
}

void Form1::applySkin(long long handle, const std::string& styleSheet)
{
    if (static_cast<std::int32_t>(handle) != static_cast<std::int32_t>(nativeHandle()))
        throw RuntimeError("Invalid window handle");
    setStyleSheet(QString::fromStdString(styleSheet));
}

void Form1::showCentred()
{
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    show();
}

// ---------------------------------------------------------------- painting

// The window's colour, the map, the banner and the instructions lie at the
// back and change only with the map's visibility or the window's colour, so
// they are painted once into a backdrop and copied on every repaint.
bool Form1::backdropCurrent(qreal ratio) const
{
    return !backdrop_.isNull() && backdrop_.devicePixelRatio() == ratio &&
           backdropColour_ == resolveColour(board_.backColor, palette()) && backdropMap_ == board_.mapVisible();
}

const QPixmap& Form1::backdrop(qreal ratio)
{
    if (backdropCurrent(ratio))
        return backdrop_;
    backdrop_ = QPixmap((QSizeF(size()) * ratio).toSize());
    backdrop_.setDevicePixelRatio(ratio);
    backdropColour_ = resolveColour(board_.backColor, palette());
    backdropMap_ = board_.mapVisible();
    QPainter p(&backdrop_);
    paintBackdrop(p);
    return backdrop_;
}

void Form1::paintBackdrop(QPainter& p)
{
    p.fillRect(rect(), resolveColour(board_.backColor, palette()));
    for (const layout::StackEntry& entry : layout::kStacking) {
        switch (entry.layer) {
        case layout::Layer::MapPicture:
            if (board_.mapVisible())
                map_.draw(p, toPixels(layout::kMapPicture));
            break;
        case layout::Layer::Banner:
            paintBanner(p);
            break;
        case layout::Layer::InstructionsText:
            paintInstructions(p, layout::kInstructionsText, latin1(layout::kInstructionsCaption), false);
            break;
        case layout::Layer::InstructionsTitle:
            paintInstructions(p, layout::kInstructionsTitle, latin1(layout::kInstructionsTitleCaption), true);
            break;
        default:
            break;
        }
    }
}

void Form1::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    // The ratio of the surface actually painted: a window's backing store, or
    // the picture a grab renders into, which may be finer than the screen.
    const qreal ratio = p.paintEngine()->paintDevice()->devicePixelRatioF();
    // The first frame is painted straight to the screen, so the window
    // appears without waiting for the backdrop.
    if (painted_ || backdropCurrent(ratio))
        p.drawPixmap(0, 0, backdrop(ratio));
    else
        paintBackdrop(p);
    for (const layout::StackEntry& entry : layout::kStacking) {
        switch (entry.layer) {
        case layout::Layer::Name:
            paintNames(p, entry.first, entry.last);
            break;
        case layout::Layer::MapName:
            paintMapNames(p, entry.first, entry.last);
            break;
        case layout::Layer::Line:
            paintLines(p, entry.first, entry.last);
            break;
        default:
            break;  // in the backdrop
        }
    }
    if (drag_.active() && !drag_.showsPushPin()) {
        // The usual drag outline: a dotted frame of the name's box.
        QPen pen(Qt::black, 1, Qt::DotLine);
        pen.setCosmetic(true);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(toPixels(drag_.outline()).adjusted(0, 0, -1, -1));
    }
    if (!painted_) {
        painted_ = true;
        emit firstPainted();
    }
}

void Form1::paintBanner(QPainter& p)
{
    // Medium blue that darkens towards its bottom edge.
    const QRect r = toPixels(layout::kBanner);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, QColor(0x3d, 0x6f, 0xc0));
    g.setColorAt(0.80, QColor(0x35, 0x62, 0xb0));
    g.setColorAt(1.0, QColor(0x1a, 0x33, 0x70));
    p.fillRect(r, g);
}

void Form1::paintInstructions(QPainter& p, const RectTw& box, const QString& text, bool bold)
{
    p.setPen(Qt::white);
    p.setFont(pixelFont("Arial", layout::kInstructionFontPx, bold));
    p.drawText(toPixels(box), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
}

void Form1::paintNames(QPainter& p, int first, int last)
{
    p.setPen(Qt::white);
    p.setFont(pixelFont("Arial", layout::kNameFontPx, true));
    for (int i = first; i <= last; ++i) {
        const NameLabel& name = board_.labels(i);
        if (!name.visible)
            continue;
        const QRect box = toPixels(layout::nameBox(i));
        p.save();
        p.setClipRect(box);
        p.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, visiblePart(name.caption));
        p.restore();
    }
}

void Form1::paintMapNames(QPainter& p, int first, int last)
{
    p.setPen(resolveColour(layout::kButtonText, palette()));
    p.setFont(pixelFont("Arial Narrow", layout::kMapNameFontPx, false));
    for (int i = first; i <= last; ++i) {
        if (!board_.maplabelVisible(i))
            continue;
        const layout::MapName& name = layout::kMapNames[static_cast<std::size_t>(i)];
        const QRect box = toPixels(name.box);
        // A name wider than its box stays on one line, centred over it.
        p.drawText(box.adjusted(-40, 0, 40, 0), Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine,
                   latin1(name.caption));
    }
}

void Form1::paintLines(QPainter& p, int first, int last)
{
    QPen pen(resolveColour(layout::kWindowText, palette()));
    pen.setWidth(1);
    p.setPen(pen);
    for (int k = first; k <= last; ++k) {
        if (!board_.lineVisible(k))
            continue;
        const layout::LeaderLine& line = layout::kLeaderLines[static_cast<std::size_t>(k)];
        p.drawLine(toPixelPoint(line.from), toPixelPoint(line.to));
    }
}

// ---------------------------------------------------------------- events

void Form1::refreshPointer()
{
    if (drag_.active()) {
        if (drag_.showsPushPin()) {
            if (pushPin_.shape() != Qt::BitmapCursor)
                pushPin_ = QCursor(QPixmap(QStringLiteral(":/pushpin.ico")), kPushPinHotX, kPushPinHotY);
            setCursor(pushPin_);
        } else
            setCursor(Qt::ArrowCursor);
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

void Form1::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || drag_.active())
        return;
    if (drag_.press(toTwips(event->position()))) {
        refreshPointer();
        update();
    }
}

void Form1::mouseMoveEvent(QMouseEvent* event)
{
    const PointTw p = toTwips(event->position());
    if (drag_.active()) {
        drag_.move(p);
        refreshPointer();
        update();
        return;
    }
    if (board_.isBareArea(p)) {
        board_.Form_MouseMove();
        refreshPointer();
    }
}

void Form1::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !drag_.active())
        return;
    update();
    drag_.release(toTwips(event->position()));
    refreshPointer();
    update();
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove && !drag_.active()) {
        if (watched == restart_)
            board_.PushButton1_MouseMove();
        else if (watched == exit_)
            board_.PushButton2_MouseMove();
        refreshPointer();
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::closeEvent(QCloseEvent* event)
{
    // Nothing is asked and nothing is saved: the window simply closes.
    drag_.cancel();
    event->accept();
}

} // namespace orrinvale
