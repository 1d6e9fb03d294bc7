#include "ApplySkin.h"

#include "Board.h"
#include "SkinFramework.h"

#include "RuntimeError.h"

#include <filesystem>

namespace orrinvale {

bool isPlainFile(const std::string& path)
{
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    return !ec && std::filesystem::is_regular_file(status);
}

void applySkin(Board& board, SkinEngine& engine, WindowHost& window)
{
    const std::string path = board.programFile(files::kSkin);
    if (!isPlainFile(path))
        return;

    board.backColor = layout::kButtonFace;
    engine.load(path);
    engine.applyTo(window.nativeHandle());
}

} // namespace orrinvale
