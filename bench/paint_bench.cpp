// The board's full repaint at device pixel ratios 1 and 2, and one whole
// drop (press on a name, drag, release on its state, verdict, repaint), each
// beside a baseline measured in the same run: the bare window's repaint.
#include "Board.h"
#include "ErrorReport.h"
#include "ErrorTrap.h"
#include "QuizWindow.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTest>
#include <benchmark/benchmark.h>

#include <memory>

using namespace orrinvale;

namespace {

class NoBoxes : public MessageBoxes {
public:
    void showModal(const std::string&, const std::string&, BoxIcon) override {}
};
class NoSound : public ClipPlayer {
public:
    void play(const std::string&) override {}
};

struct Quiz {
    NoBoxes boxes;
    NoSound player;
    AppInfo app{ORRINVALE_ASSETS, "Orrinvale", ""};
    Services services{boxes, player, app};
    Board board{services};
    QuizWindow form{board};
    Quiz()
    {
        ErrorTrap trap(services, origin::kWindowLoad);
        board.setUp(trap);
        form.show();
    }
};

std::unique_ptr<Quiz> theQuiz;  // made on first use, gone before the application

Quiz& quiz()
{
    if (!theQuiz)
        theQuiz = std::make_unique<Quiz>();
    return *theQuiz;
}

void repaint(QWidget& widget, QPixmap& target)
{
    target.fill(Qt::white);  // opaque, like a window's backing store
    widget.render(&target);
}

QPixmap canvas(qreal ratio)
{
    QPixmap p((QSizeF(784, 624) * ratio).toSize());
    p.setDevicePixelRatio(ratio);
    return p;
}

void BM_BoardRepaint(benchmark::State& state)
{
    const qreal ratio = static_cast<qreal>(state.range(0));
    QPixmap target = canvas(ratio);
    repaint(quiz().form, target);  // the map's picture is rendered once per ratio
    for (auto _ : state)
        repaint(quiz().form, target);
}
BENCHMARK(BM_BoardRepaint)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_BareWindowRepaint(benchmark::State& state)
{
    QWidget window;
    window.setFixedSize(784, 624);
    QPushButton button(QStringLiteral("Exit"), &window);
    button.setGeometry(16, 501, 117, 27);
    window.show();
    QPixmap target = canvas(static_cast<qreal>(state.range(0)));
    for (auto _ : state)
        repaint(window, target);
}
BENCHMARK(BM_BareWindowRepaint)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_DropAndRepaint(benchmark::State& state)
{
    Quiz& q = quiz();
    QPixmap target = canvas(1);
    int next = 0;
    for (auto _ : state) {
        // The names in order: the fiftieth deals a fresh board, so it never runs dry.
        const int i = next++ % layout::kStateCount;
        const RectTw name = layout::nameBox(i);
        PointTw drop{};
        for (const auto& [j, region] : q.board.regions()) {
            if (region.tag == q.board.panelName(i).tag && q.board.regionAt({region.box.left + 7, region.box.top + 7}) == j) {
                drop = {region.box.left + 7, region.box.top + 7};
                break;
            }
        }
        const QPoint from(toPixels(name.left) + 20, toPixels(name.top) + 8);
        const QPoint to(toPixels(drop.x) + 1, toPixels(drop.y) + 1);
        QTest::mousePress(&q.form, Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(&q.form, (from + to) / 2);
        QTest::mouseMove(&q.form, to);
        QTest::mouseRelease(&q.form, Qt::LeftButton, Qt::NoModifier, to);
        repaint(q.form, target);
    }
}
BENCHMARK(BM_DropAndRepaint)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    theQuiz.reset();
    return 0;
}
