#include "InstructionsText.h"

#include "QtLayout.h"

namespace orrinvale {

InstructionsText::InstructionsText(QWidget* window, const BoardMap& map) : QWidget(window)
{
    setObjectName(QStringLiteral("Instructions"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(pixelRect(map.inBanner(layout::kInstructionsTitle)) | pixelRect(map.inBanner(layout::kInstructionsText)));
    setAccessibleName(latin1(layout::kInstructionsTitleCaption));
    setAccessibleDescription(latin1(inTermsOf(map, layout::kInstructionsCaption)));
    show();
}

} // namespace orrinvale
