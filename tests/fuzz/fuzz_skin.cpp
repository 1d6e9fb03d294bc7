// The skin engine's load and apply calls over any skin file: a style sheet
// comes out as a checked sheet, or the load fails with a RuntimeError.
#include "FuzzFile.h"
#include "RuntimeError.h"
#include "SkinFramework.h"
#include "SkinSheet.h"

#include <cstdlib>

using namespace orrinvale;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto path = fuzzing::scratchFolder() / "o.cjs";
    fuzzing::writeFile(path, data, size);
    std::string applied;
    SkinFramework engine([&applied](std::int64_t, const std::string& sheet) { applied = sheet; });
    try {
        engine.invoke(skin::kLoadSkin, CallKind::Method, {path.string(), std::string()});
        engine.invoke(skin::kApplyWindow, CallKind::Method, {std::int32_t{1}});
        // What reaches Qt is a sheet the check reads back unchanged.
        if (applied.find('\0') != std::string::npos || checkedSkinSheet(applied) != applied)
            std::abort();
    } catch (const RuntimeError&) {
    }
    return 0;
}
