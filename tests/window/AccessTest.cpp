// Keyboard play and the screen reader's view of the window, on the offscreen
// platform: the tab order, the accessible tree and its states, a placement by
// keys, by accessible actions, by two clicks and by touch, and the rings.
#include "ButtonFocusFrame.h"
#include "Fakes.h"
#include "NamesPanel.h"
#include "PlayAccess.h"
#include "QtLayout.h"
#include "QuizWindow.h"
#include "StateMapView.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointingDevice>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <queue>

using namespace orrinvale;
using namespace orrinvale::testing;

namespace {

// Every accessibility event keyboard play sends, as (event type, child).
std::vector<std::pair<QAccessible::Event, int>> g_events;
void recordEvent(QAccessibleEvent* event)
{
    g_events.emplace_back(event->type(), event->child());
}

struct Playing : BoardFixture {
    mutable QuizWindow form{board};
    Playing(bool clickToPlace = false)
    {
        setUp(shippedStateTable());
        form.setClickToPlace(clickToPlace);
        form.showCentred();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
        QTRY_VERIFY(form.access() != nullptr);  // made just after the first paint
        g_events.clear();
    }
    PlayAccess& access() const { return *form.access(); }
    KeyboardPlay& play() const { return access().play(); }
    QAccessibleInterface* tree() const { return QAccessible::queryAccessibleInterface(&form); }
    QAccessibleInterface* names() const { return QAccessible::queryAccessibleInterface(access().names()); }
    QAccessibleInterface* map() const { return QAccessible::queryAccessibleInterface(access().map()); }

    int stateOf(const std::string& code) const
    {
        for (int s = 0; s < play().map().size(); ++s)
            if (play().map().state(s).code == code)
                return s;
        return -1;
    }
    // The arrow keys that lead from one state to another.
    std::vector<Qt::Key> pathTo(int from, int to) const
    {
        const std::pair<Direction, Qt::Key> ways[] = {{Direction::Left, Qt::Key_Left},
            {Direction::Right, Qt::Key_Right}, {Direction::Up, Qt::Key_Up}, {Direction::Down, Qt::Key_Down}};
        std::map<int, std::pair<int, Qt::Key>> cameFrom{{from, {from, Qt::Key_unknown}}};
        std::queue<int> next;
        next.push(from);
        while (!next.empty() && !cameFrom.count(to)) {
            const int s = next.front();
            next.pop();
            for (const auto& [d, key] : ways) {
                const int n = play().map().neighbour(s, d);
                if (cameFrom.emplace(n, std::pair(s, key)).second)
                    next.push(n);
            }
        }
        std::vector<Qt::Key> keys;
        for (int s = to; s != from; s = cameFrom.at(s).first)
            keys.insert(keys.begin(), cameFrom.at(s).second);
        return keys;
    }
    void key(Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); }
    QPoint onName(int index) const { return pixelRect(layout::nameBox(index)).topLeft() + QPoint(20, 8); }
    QPoint onState(const std::string& code) const { return pixelPoint(*pointOnState(board, code)); }
};

QAccessibleInterface* childNamed(QAccessibleInterface* parent, const QString& name)
{
    for (int i = 0; i < parent->childCount(); ++i)
        if (parent->child(i) && parent->child(i)->text(QAccessible::Name) == name)
            return parent->child(i);
    return nullptr;
}

} // namespace

TEST(Access, TabGoesText1RestartExitThenTheNamesAndTheMap)
{
    Playing w;
    EXPECT_EQ(QApplication::focusWidget(), w.form.focusHolder());
    EXPECT_EQ(w.form.focusHolder()->text(), "Text1");
    const std::vector<QWidget*> order{w.form.restartButton(), w.form.exitButton(), w.access().names(),
                                      w.access().map(), w.form.focusHolder()};
    for (QWidget* expected : order) {
        w.key(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), expected) << expected->objectName().toStdString();
    }
    // Typing in Text1 changes nothing there: the names take it, a letter
    // choosing its name.
    QTest::keyClick(w.form.focusHolder(), Qt::Key_U, Qt::NoModifier);
    EXPECT_EQ(QApplication::focusWidget(), w.access().names());
    EXPECT_EQ(w.play().currentName(), w.nameOf("UT"));
    EXPECT_EQ(w.form.focusHolder()->text(), "Text1");
    w.form.focusHolder()->setFocus();
    QTest::keyClick(w.form.focusHolder(), Qt::Key_Backspace);
    EXPECT_EQ(w.form.focusHolder()->text(), "Text1");

    // F6 goes straight to the names, and on to the map.
    w.key(Qt::Key_F6);
    EXPECT_EQ(QApplication::focusWidget(), w.access().names());
    w.key(Qt::Key_F6);
    EXPECT_EQ(QApplication::focusWidget(), w.access().map());

    // F1 shows the keys in a box that Escape closes.
    QString title, text;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            title = box->windowTitle();
            text = box->text();
            QTest::keyClick(box, Qt::Key_Escape);
        }
    });
    w.key(Qt::Key_F1);
    EXPECT_EQ(title, "Keys");
    EXPECT_TRUE(text.contains("F6") && text.contains("Escape") && text.contains("Space, Enter"));
}

TEST(Access, TheTreeListsTheNamesAndFiftyStatesNoneNamedUntilPlaced)
{
    Playing w;
    QAccessibleInterface* names = w.names();
    ASSERT_EQ(names->role(), QAccessible::List);
    EXPECT_EQ(names->text(QAccessible::Name), "State names");
    ASSERT_EQ(names->childCount(), 50);
    for (int i = 0; i < 50; ++i) {
        QAccessibleInterface* item = names->child(i);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->role(), QAccessible::ListItem);
        EXPECT_EQ(item->text(QAccessible::Name).toStdString(), w.board.panelName(i).caption);
        EXPECT_EQ(names->indexOfChild(item), i);
        EXPECT_TRUE(item->state().focusable);
        EXPECT_EQ(item->parent(), names);
    }
    QAccessibleInterface* map = w.map();
    ASSERT_EQ(map->role(), QAccessible::Grouping);
    ASSERT_EQ(map->childCount(), 50);
    for (int s = 0; s < 50; ++s) {
        const QString name = map->child(s)->text(QAccessible::Name);
        EXPECT_EQ(name, QStringLiteral("Unnamed state %1").arg(s + 1));
        const QString where = map->child(s)->text(QAccessible::Description);
        EXPECT_TRUE(where.startsWith("In the ") || where.startsWith("On its own")) << where.toStdString();
        for (int i = 0; i < 50; ++i)
            EXPECT_FALSE(where.contains(QString::fromStdString(w.board.panelName(i).caption))) << where.toStdString();
    }
    EXPECT_EQ(names->child(2)->text(QAccessible::Description), "3 of 50");

    // The window holds the names, the map, the instructions and Text1 with a
    // name that says how to reach the names.
    QAccessibleInterface* window = w.tree();
    EXPECT_NE(window->indexOfChild(names), -1);
    EXPECT_NE(window->indexOfChild(map), -1);
    QAccessibleInterface* instructions = childNamed(window, "INSTRUCTIONS");
    ASSERT_NE(instructions, nullptr);
    EXPECT_EQ(instructions->role(), QAccessible::StaticText);
    EXPECT_EQ(instructions->text(QAccessible::Description), "DRAG EACH STATE NAME TO ITS PROPER PLACE ON THE MAP");
    QAccessibleInterface* text1 = QAccessible::queryAccessibleInterface(w.form.focusHolder());
    EXPECT_TRUE(text1->text(QAccessible::Name).contains("F6"));
    EXPECT_EQ(text1->text(QAccessible::Value), "Text1");
}

TEST(Access, APlacementByKeysAndAWrongDropTellTheFocusedItem)
{
    Playing w;
    w.access().setEventSink(recordEvent);

    w.key(Qt::Key_F6);
    w.key(Qt::Key_End);  // Wyoming
    w.key(Qt::Key_T);    // the next name with a T, going round: Tennessee
    EXPECT_EQ(w.names()->focusChild()->text(QAccessible::Name), "Tennessee");
    EXPECT_TRUE(w.names()->focusChild()->state().focused);
    EXPECT_TRUE(w.names()->focusChild()->state().selected);
    w.key(Qt::Key_Down);  // Texas
    const int texas = w.nameOf("TX");
    EXPECT_EQ(w.play().currentName(), texas);

    w.key(Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), w.access().map());
    EXPECT_TRUE(w.names()->child(texas)->state().checked) << "a held name is checked";

    // A wrong drop keeps the name held and says so on the state.
    for (const Qt::Key k : w.pathTo(w.play().currentState(), w.stateOf("OK")))
        w.key(k);
    w.key(Qt::Key_Space);
    EXPECT_EQ(w.player.played.size(), 1u);
    EXPECT_EQ(w.play().held(), texas);
    EXPECT_EQ(w.map()->focusChild()->text(QAccessible::Description), "Wrong: Texas does not go there");

    g_events.clear();
    for (const Qt::Key k : w.pathTo(w.play().currentState(), w.stateOf("TX")))
        w.key(k);
    w.key(Qt::Key_Enter);
    EXPECT_EQ(w.board.placedCount, 1);
    EXPECT_FALSE(w.board.panelName(texas).visible);
    EXPECT_EQ(w.map()->child(w.stateOf("TX"))->text(QAccessible::Name), "Texas");
    EXPECT_EQ(w.names()->childCount(), 49);
    EXPECT_EQ(QApplication::focusWidget(), w.access().names());
    QAccessibleInterface* focused = w.names()->focusChild();
    ASSERT_NE(focused, nullptr);
    EXPECT_EQ(focused->text(QAccessible::Name), "Utah") << "the next name after the placed one";
    EXPECT_EQ(focused->text(QAccessible::Description), "Right: Texas placed, 1 of 50");
    QCoreApplication::processEvents();  // the item is told after Qt tells its stop
    const auto focusEvent = std::find(g_events.begin(), g_events.end(),
                                      std::pair(QAccessible::Focus, w.names()->indexOfChild(focused)));
    EXPECT_NE(focusEvent, g_events.end()) << "the screen reader hears of the newly focused name";

    w.key(Qt::Key_Escape);  // nothing held: nothing happens
    EXPECT_EQ(QApplication::focusWidget(), w.access().names());
}

TEST(Access, AccessibleActionsAloneCanPlaceAName)
{
    Playing w;
    QAccessibleInterface* utah = childNamed(w.names(), "Utah");
    ASSERT_NE(utah, nullptr);
    QAccessibleActionInterface* pick = utah->actionInterface();
    ASSERT_NE(pick, nullptr);
    ASSERT_EQ(pick->actionNames().size(), 1);
    EXPECT_EQ(pick->localizedActionName(pick->actionNames()[0]), "Pick up");
    pick->doAction(pick->actionNames()[0]);
    EXPECT_TRUE(utah->state().checked);

    QAccessibleActionInterface* drop = w.map()->child(w.stateOf("UT"))->actionInterface();
    EXPECT_EQ(drop->localizedActionName(drop->actionNames()[0]), "Drop here");
    drop->doAction(drop->actionNames()[0]);
    EXPECT_EQ(w.board.placedCount, 1);
    EXPECT_EQ(w.player.played.size(), 1u);
    EXPECT_EQ(childNamed(w.names(), "Utah"), nullptr);
}

TEST(Access, ClicksPlaceANameOnlyInClickToPlace)
{
    {
        Playing w;
        const int utah = w.nameOf("UT");
        QTest::mouseClick(&w.form, Qt::LeftButton, Qt::NoModifier, w.onName(utah));
        QTest::mouseClick(&w.form, Qt::LeftButton, Qt::NoModifier, w.onState("UT"));
        EXPECT_EQ(w.board.placedCount, 0) << "a click on a name does nothing by default";
        EXPECT_TRUE(w.player.played.empty());
    }
    Playing w(true);
    const int utah = w.nameOf("UT");
    QTest::mouseClick(&w.form, Qt::LeftButton, Qt::NoModifier, w.onName(utah));
    EXPECT_EQ(w.play().held(), utah);
    EXPECT_EQ(w.form.cursor().shape(), Qt::BitmapCursor) << "the push-pin rides with the held name";
    QTest::mouseClick(&w.form, Qt::LeftButton, Qt::NoModifier, w.onState("NV"));
    EXPECT_EQ(w.board.placedCount, 0);
    EXPECT_EQ(w.play().held(), utah) << "a wrong click keeps the name held";
    QTest::mouseClick(&w.form, Qt::LeftButton, Qt::NoModifier, w.onState("UT"));
    EXPECT_EQ(w.board.placedCount, 1);
    EXPECT_NE(w.form.cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(w.player.played.size(), 2u);
}

TEST(Access, AFingerDragsANameAndATapPicksUpInClickToPlace)
{
    const std::unique_ptr<QPointingDevice> device(QTest::createTouchDevice(QInputDevice::DeviceType::TouchScreen));
    QPointingDevice* screen = device.get();
    {
        Playing w;
        const int utah = w.nameOf("UT");
        const QPoint from = w.onName(utah);
        const QPoint to = w.onState("UT");
        QTest::touchEvent(&w.form, screen).press(0, from);
        for (int step = 1; step <= 5; ++step)
            QTest::touchEvent(&w.form, screen).move(0, from + (to - from) * step / 5);
        QTest::touchEvent(&w.form, screen).release(0, to);
        EXPECT_EQ(w.board.placedCount, 1) << "Qt turns the touch the window leaves alone into a drag";
    }
    Playing w(true);
    const int ohio = w.nameOf("OH");
    QTest::touchEvent(&w.form, screen).press(0, w.onName(ohio));
    QTest::touchEvent(&w.form, screen).release(0, w.onName(ohio));
    EXPECT_EQ(w.play().held(), ohio);
    QTest::touchEvent(&w.form, screen).press(0, w.onState("OH"));
    QTest::touchEvent(&w.form, screen).release(0, w.onState("OH"));
    EXPECT_EQ(w.board.placedCount, 1);
}

TEST(Access, RingsShowOnlyWhereTheKeyboardPutTheFocus)
{
    Playing w;
    ButtonFocusFrame* ring = w.access().buttonRing();
    w.key(Qt::Key_Tab);
    EXPECT_EQ(ring->ringed(), w.form.restartButton());
    EXPECT_TRUE(ring->isVisible());
    EXPECT_TRUE(ring->geometry().contains(w.form.restartButton()->geometry()));
    EXPECT_FALSE(ring->geometry().intersects(w.form.exitButton()->geometry()));
    w.key(Qt::Key_Tab);
    EXPECT_EQ(ring->ringed(), w.form.exitButton());
    QTest::mouseClick(w.form.restartButton(), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), w.form.restartButton());
    EXPECT_EQ(ring->ringed(), nullptr) << "a click leaves the button as it always looked";
    EXPECT_FALSE(ring->isVisible());

    // The focused name shows dark on a light band; the focused state a ring.
    w.key(Qt::Key_F6);
    const QImage shot = w.form.grab().toImage();
    const QRect name = pixelRect(layout::nameBox(0));
    EXPECT_EQ(shot.pixelColor(name.left() - 1, name.top() + 8), QColor(Qt::white));
    w.key(Qt::Key_F6);
    const QImage map = w.form.grab().toImage();
    const QRect state = w.access().map()->itemBox(w.play().currentState());
    EXPECT_EQ(map.pixelColor(state.left(), state.center().y()), QColor(Qt::black));
    EXPECT_EQ(map.pixelColor(state.left() - 3, state.center().y()), QColor(Qt::white));
}

TEST(Access, ANameAFingerCarriesAndActionsPlaceCountsOnce)
{
    const std::unique_ptr<QPointingDevice> device(QTest::createTouchDevice(QInputDevice::DeviceType::TouchScreen));
    Playing w;
    const int utah = w.nameOf("UT");
    const QPoint from = w.onName(utah);
    const QPoint to = w.onState("UT");
    QTest::touchEvent(&w.form, device.get()).press(0, from);
    QTest::touchEvent(&w.form, device.get()).move(0, (from + to) / 2);
    QAccessibleActionInterface* pick = childNamed(w.names(), "Utah")->actionInterface();
    pick->doAction(pick->actionNames()[0]);
    QAccessibleActionInterface* drop = w.map()->child(w.stateOf("UT"))->actionInterface();
    drop->doAction(drop->actionNames()[0]);
    ASSERT_EQ(w.board.placedCount, 1);
    QTest::touchEvent(&w.form, device.get()).move(0, to);
    QTest::touchEvent(&w.form, device.get()).release(0, to);
    EXPECT_EQ(w.board.placedCount, 1) << "the finger's drop of a placed name does nothing";
    EXPECT_EQ(w.player.played.size(), 1u);
    EXPECT_FALSE(w.board.panelName(utah).visible);
}
