// Modal message boxes shown with Qt.
#pragma once

#include "Platform.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>

class QMessageBox;

namespace orrinvale {

class QtMessageBoxes : public MessageBoxes {
public:
    void showModal(const std::string& title, const std::string& text, BoxIcon icon) override;

private:
    // The window the last box came from: a box shown right after another
    // (the window not yet active again) belongs to it too.
    QPointer<QWidget> owner_;
};

// The box text as displayed: CR LF and a lone CR each become a line break.
QString displayText(const std::string& text);

// The box text as a screen reader is given it: sentences run together on
// the screen ("COMPLETE!THE") are parted by a space.
QString spokenText(QString shown);

// The box, built but not shown: titled exactly `title`, with an OK button
// only, and as wide as its longest line, so no line of the text wraps.
std::unique_ptr<QMessageBox> makeMessageBox(const std::string& title, const std::string& text, BoxIcon icon,
                                            QWidget* parent);

} // namespace orrinvale
