#include "SkinSheet.h"

#include "SkinPolicy.h"
#include "StyleSheetReader.h"

namespace orrinvale {

// The style-sheet reader reads the sheet; each declaration it reads is held
// to what a skin may set.
std::string checkedSkinSheet(const std::string& text, const SkinPictureCheck& picture)
{
    const DeclarationCheck look{
        [](const std::string& name) {
            return isLookProperty(name) ? std::string() : name + " changes more than the look of the window";
        },
        [&picture](const std::string& name, const std::string& value) {
            return checkedLookValue(name, value, picture);
        },
    };
    return rewrittenStyleSheet(text, look);
}

} // namespace orrinvale
