// A focus stop of keyboard play: a widget over a painted part of the board
// (the names or the map) that takes the focus from the keyboard, turns keys
// into moves, and paints the focus ring and the held name's marks. It takes
// no mouse events: the window under it keeps handling the mouse as before.
#pragma once

#include "KeyboardPlay.h"

#include <QString>
#include <QWidget>

namespace orrinvale {

class PlayStop : public QWidget {
    Q_OBJECT
public:
    PlayStop(QWidget* window, KeyboardPlay& play, Stop stop);

    KeyboardPlay& play() const { return play_; }
    Stop stop() const { return stop_; }

    // The item with the focus within the stop (a name or a state), and the
    // accessible child it is; -1 when there is none.
    virtual int currentItem() const = 0;
    virtual int childOfItem(int item) const = 0;
    virtual int itemOfChild(int child) const = 0;
    virtual int childCount() const = 0;
    // An item's box on the window, in pixels.
    virtual QRect itemBox(int item) const = 0;

    // Picks up the name or drops on the state: the item's accessible action.
    void activate(int item) { emit reacted(activateItem(item)); }

    // The stop's instructions are told on its first visit only.
    bool instructionsDue() const { return !visited_; }
    // The player has moved within the stop: its instructions were heard.
    void instructionsHeard();

    // The last result told on an item, which its description carries.
    // `inPlace`: told where the focus already was; else it waits for the
    // focus to come here.
    QString resultOn(int item) const { return item == resultItem_ ? result_ : QString(); }
    bool resultInPlace(int item) const { return item == resultItem_ && inPlace_; }
    void setResult(int item, const QString& text, bool inPlace = false);

signals:
    // A key or an action did something; the window's controller acts on it.
    void reacted(const orrinvale::Reaction& reaction);
    // The stop got the focus: its current item is to be told.
    void focusEntered();

protected:
    // Paints in window coordinates.
    virtual void paintMarks(QPainter& p) = 0;
    virtual Reaction key(PlayKey key) = 0;
    virtual Reaction letter(char) { return {}; }
    virtual Reaction activateItem(int item) = 0;

    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    KeyboardPlay& play_;
    Stop stop_;
    int resultItem_ = -1;
    QString result_;
    bool inPlace_ = false;
    bool resultWaits_ = false;  // to be told when the focus comes here
    bool visited_ = false;
};

} // namespace orrinvale
