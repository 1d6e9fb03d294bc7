#include "ApplySkin.h"

#include "Board.h"
#include "SkinFramework.h"

#include "RuntimeError.h"

#include <filesystem>
#ifdef _WIN32
#include <windows.h>
#endif

namespace orrinvale {

bool isPlainFile(const std::string& path)
{
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (ec || !std::filesystem::is_regular_file(status))
        return false;
#ifdef _WIN32
    // Hidden and system files do not count either.
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)))
        return false;
#endif
    return true;
}

void ApplySkin(Board& board, SkinEngine& engine, WindowHost& window)
{
    const std::string path = board.programFile(files::kSkin);
    if (!isPlainFile(path))
        return;

    board.backColor = layout::kButtonFace;
    for (Control* control : board.controlCollection()) {
        if (control->kind == ControlKind::Label)
            control->backColor = layout::kButtonFace;
    }

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
