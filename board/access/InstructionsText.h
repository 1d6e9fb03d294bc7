// The instructions, which the window paints, as text a screen reader can
// read: a widget over them that paints nothing and takes no mouse events.
#pragma once

#include "BoardMap.h"

#include <QWidget>

namespace orrinvale {

class InstructionsText : public QWidget {
    Q_OBJECT
public:
    InstructionsText(QWidget* window, const BoardMap& map);
};

} // namespace orrinvale
