// Modal message boxes shown with Qt.
#pragma once

#include "Seams.h"

#include <QString>

namespace orrinvale {

class QtMessageBoxes : public MessageBoxes {
public:
    void show(const std::string& title, const std::string& text, BoxIcon icon) override;
};

// The box text as displayed: CR LF and a lone CR each become a line break.
QString displayText(const std::string& text);

} // namespace orrinvale
