// Keyboard play and the screen reader's view of the window, wired up: the
// names and the map as focus stops after Exit, the ring around a button
// reached by the keyboard, the instructions as text, F6 to the names and F1
// for the keys. A pick-up or drop that moves the focus is told by the item
// it moves to (its description, heard with it); one that leaves the focus
// where it was is announced (Qt 6.8) or heard as the item's new name.
#pragma once

#include "KeyboardPlay.h"

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

class QAccessibleEvent;
class QWidget;

namespace orrinvale {

class ButtonFocusFrame;
class NamesPanel;
class PlayStop;
class StateMapView;

class PlayAccess : public QObject {
    Q_OBJECT
public:
    // `focusHolder` is the window's first stop; the new stops come after `lastStop` in the tab
    // order; `buttons` get the ring when the keyboard reaches them.
    PlayAccess(QWidget* window, Board& board, QWidget* focusHolder, QWidget* lastStop,
               const std::vector<QWidget*>& buttons);
    ~PlayAccess() override;

    KeyboardPlay& play() { return *play_; }
    NamesPanel* names() const { return names_; }
    StateMapView* map() const { return map_; }
    ButtonFocusFrame* buttonRing() const { return buttonRing_; }

    void setClickToPlace(bool on) { play_->setClickToPlace(on); }
    // The window's mouse, for placing by clicking: true when the press was
    // taken (a drop), so no drag starts.
    bool pressedAt(PointTw p);
    void releasedAt(int source, PointTw p);
    // Something else changed the board: a drag, Restart.
    void boardChanged();

    // Where accessibility events go: Qt's accessibility, or a test's record.
    using EventSink = std::function<void(QAccessibleEvent*)>;
    void setEventSink(EventSink sink) { sink_ = std::move(sink); }

    void showHelp();
    // F6: from anywhere to the names, and between the names and the map.
    void switchStop();

protected:
    // The focus holder only holds the first focus: what is typed there goes
    // to the names.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void react(PlayStop* from, const Reaction& reaction);
    void tellFocus(PlayStop* stop);
    // A result where the focus stays: an announcement, or before Qt 6.8 a
    // new name of the focused item.
    void tellInPlace(PlayStop* stop, const QString& text);
    void send(QAccessibleEvent& event) { sink_(&event); }

    QWidget* window_;
    QWidget* focusHolder_;
    std::unique_ptr<KeyboardPlay> play_;
    NamesPanel* names_ = nullptr;
    StateMapView* map_ = nullptr;
    ButtonFocusFrame* buttonRing_ = nullptr;
    EventSink sink_;
};

} // namespace orrinvale
