// The chooser of maps: each map with a small picture of it and its number of
// names, in a list the mouse, the keys and a screen reader can work; a
// double click or Enter plays the chosen one.
#pragma once

#include <QDialog>

#include <string>

class QListWidget;

namespace orrinvale {

class MapChooser : public QDialog {
    Q_OBJECT
public:
    // `current`: the map chosen at first.
    explicit MapChooser(const std::string& current, QWidget* parent = nullptr);

    // The chosen map's name; empty while none is chosen.
    std::string chosen() const;

private:
    void addMap(const std::string& id);

    QListWidget* list_ = nullptr;
};

} // namespace orrinvale
