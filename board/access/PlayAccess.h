// Keyboard play and the screen reader's view of the window, wired up: the
// names and the map as focus stops after Exit, the ring around a button
// reached by the keyboard, the instructions as text, F6 to the names and F1
// for the keys. Each pick-up and drop is told through the item that has the
// focus afterwards (its description and a focus event) and, from Qt 6.8, as
// an announcement.
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
    // `focusHolder` is Text1; the new stops come after `lastStop` in the tab
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

private:
    void react(PlayStop* from, const Reaction& reaction);
    void tellFocus(PlayStop* stop);
    void tell(PlayStop* stop, const QString& text, bool focusEvent);
    void send(QAccessibleEvent& event) { sink_(&event); }

    QWidget* window_;
    std::unique_ptr<KeyboardPlay> play_;
    NamesPanel* names_ = nullptr;
    StateMapView* map_ = nullptr;
    ButtonFocusFrame* buttonRing_ = nullptr;
    EventSink sink_;
};

} // namespace orrinvale
