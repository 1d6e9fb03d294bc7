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

void ApplySkin(Board& board, SkinEngine& engine, WindowHost& window)
{
    const std::string path = board.programFile(files::kSkin);
    if (!isPlainFile(path))
        return;

    board.backColor = layout::kButtonFace;

    engine.invoke(skin::kLoadSkin, CallKind::Method, {path, std::string()});
    const DispValue flags = engine.invoke(skin::kFlags, CallKind::PropertyGet, {});
    if (!std::holds_alternative<std::int32_t>(flags))
        throw RuntimeError("Type mismatch");
    const std::int32_t v = std::get<std::int32_t>(flags);
    engine.invoke(skin::kFlags, CallKind::PropertyPut, {static_cast<std::int32_t>(v | 1)});
    engine.invoke(skin::kOption5, CallKind::PropertyPut, {true});
    engine.invoke(skin::kOption10, CallKind::PropertyPut, {true});
    engine.invoke(skin::kApplyWindow, CallKind::Method, {static_cast<std::int32_t>(window.nativeHandle())});
}

} // namespace orrinvale
