// The skin engine's load and apply calls over any skin file: a style sheet
// comes out as a checked sheet, or the load fails with a RuntimeError. An
// input may carry a picture after a line "--picture--", written beside the
// skin as p.png; pictures are sized by their PNG header (an icon by the
// pictures inside it), and whatever loads keeps to the skin's pixel budget.
#include "FuzzFile.h"
#include "IconPictures.h"
#include "RuntimeError.h"
#include "SkinFramework.h"
#include "SkinSheet.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

using namespace orrinvale;

namespace {

std::optional<PictureSize> pngSize(const std::string& path)
{
    unsigned char header[24] = {};
    std::ifstream(path, std::ios::binary).read(reinterpret_cast<char*>(header), sizeof header);
    if (header[0] != 0x89 || header[1] != 'P' || header[2] != 'N' || header[3] != 'G')
        return std::nullopt;
    auto be = [&](int at) {
        return (static_cast<long long>(header[at]) << 24) | (header[at + 1] << 16) | (header[at + 2] << 8) |
               header[at + 3];
    };
    return PictureSize{be(16), be(20)};
}

// The pixels a picture holds: a PNG by its header, an icon by its pictures'.
long long pixelsOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (looksLikeIconFile(bytes.data(), bytes.size(), 1) || looksLikeIconFile(bytes.data(), bytes.size(), 2)) {
        const auto pictures = iconPictures(bytes.data(), bytes.size());
        if (!pictures)
            std::abort();
        long long pixels = 0;
        for (const IconPicture& p : *pictures)
            pixels += p.width * p.height;
        return pixels;
    }
    const std::optional<PictureSize> size = pngSize(path);
    if (!size)
        std::abort();
    return size->width * size->height;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::string separator = "\n--picture--\n";
    const std::size_t cut = input.find(separator);
    const std::string sheet = input.substr(0, cut);
    const auto path = fuzzing::scratchFolder() / "o.cjs";
    const auto picture = fuzzing::scratchFolder() / "p.png";
    std::filesystem::remove(picture);
    if (cut != std::string::npos) {
        const std::string bytes = input.substr(cut + separator.size());
        fuzzing::writeFile(picture, reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    fuzzing::writeFile(path, reinterpret_cast<const std::uint8_t*>(sheet.data()), sheet.size());

    std::string applied;
    SkinFramework engine([&applied](std::int64_t, const std::string& sheet) { applied = sheet; }, pngSize);
    try {
        engine.load(path.string());
        engine.applyTo(1);
        // What reaches Qt is a sheet the check reads back unchanged.
        if (applied.find('\0') != std::string::npos || checkedSkinSheet(applied) != applied)
            std::abort();
        // And every picture its declarations name is a plain file, all of
        // them within the budget, each naming counted (Qt decodes a picture
        // for each), an icon by the pictures inside it.
        long long pixels = 0;
        for (std::size_t open = applied.find('{'); open != std::string::npos; open = applied.find('{', open + 1)) {
            const std::string block = applied.substr(open, applied.find('}', open) - open);
            for (std::size_t at = block.find("url(\""); at != std::string::npos; at = block.find("url(\"", at + 1)) {
                const std::string named = block.substr(at + 5, block.find("\")", at) - at - 5);
                if (!std::filesystem::is_regular_file(named))
                    std::abort();
                pixels += pixelsOf(named);
            }
        }
        if (pixels > skin::kMaxPixels)
            std::abort();
    } catch (const RuntimeError&) {
    }
    return 0;
}
