#include "InstructionsText.h"

#include "QtLayout.h"

namespace orrinvale {

InstructionsText::InstructionsText(QWidget* window) : QWidget(window)
{
    setObjectName(QStringLiteral("Instructions"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(pixelRect(layout::kInstructionsTitle) | pixelRect(layout::kInstructionsText));
    setAccessibleName(latin1(layout::kInstructionsTitleCaption));
    setAccessibleDescription(latin1(layout::kInstructionsCaption));
    show();
}

} // namespace orrinvale
